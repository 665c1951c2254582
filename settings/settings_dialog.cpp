#include "app/form1.h"

namespace mirlo {

// The settings dialog comes with its form.
void TForm1::N1Click() {}

}  // namespace mirlo
