#include "app/form1.h"
#include "platform/program_files.h"
#include "dialogs/information_form.h"
#include "dialogs/version_info_form.h"

namespace mirlo {

void TForm1::N12Click() {
  TInformationForm box(*this);
  box.sizeText = RegionSizeText(state_.RegionRect);
  box.positionText = RegionPositionText(state_.RegionRect);
  box.ShowModal();
}

void TForm1::VersionInfoClick() {
  TVersionInfoForm box(*this);
  box.ShowModal();
}

void TForm1::HtmlHelpClick() {
  const std::string path = FileBesideProgram(desk_, "MirloViewerHelp.chm");
  LetWindowSystemRun([&] { desk_.ShowHelp(path); });
}

}  // namespace mirlo
