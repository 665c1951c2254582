#include "app/form1.h"

namespace mirlo {

// The display-information box, the version box and the help file come with
// their dialogs.
void TForm1::N12Click() {}
void TForm1::HtmlHelpClick() {}
void TForm1::VersionInfoClick() {}

}  // namespace mirlo
