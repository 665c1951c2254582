#include "app/form1.h"
#include "settings/pref_form.h"

namespace mirlo {

void TForm1::N1Click() { ShowSettingsDialog(); }

void TForm1::ShowSettingsDialog() {
  {
    TPrefForm dialog(*this);
    dialog.ShowModal();
  }
  // Saved after the dialog has gone, whichever way it was closed; a refused
  // write is reported from here.
  SaveSettings();
}

}  // namespace mirlo
