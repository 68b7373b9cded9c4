#include "text/dialogs.h"

namespace kmpx {

int MessageBoxes::AskBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) {
  // Cleared on every way out, so a box that throws cannot leave the flag set.
  struct ShowingGuard {
    bool& flag;
    explicit ShowingGuard(bool& f) : flag(f) { flag = true; }
    ~ShowingGuard() { flag = false; }
  } guard(showing_);
  return dialogs_.ShowMessageBox({text, caption, buttons, icon});
}

int MessageBoxes::ErrorBox(const std::string& text) {
  return AskBox(text, MessageCaption, BoxButtons::Ok, BoxIcon::Stop);
}

int MessageBoxes::WarningBox(const std::string& text) {
  return AskBox(text, MessageCaption, BoxButtons::Ok, BoxIcon::Exclamation);
}

}  // namespace kmpx
