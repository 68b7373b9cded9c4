#pragma once
// An icon in the notification area: hint, picture, pop-up menu (the
// control's own), and a click that runs onClick. Hidden until shown.
#include <string>

#include "ui/control.h"

namespace kmpx::ui {

class TrayIcon : public Control {
 public:
  explicit TrayIcon(std::string name, std::string hint = {}) : Control("TCoolTrayIcon", std::move(name)) {
    SetVisible(false);
    SetHint(std::move(hint));
  }
  const std::string& Icon() const { return icon_; }
  void SetIcon(std::string icon) { SetAndNotify(icon_, std::move(icon), Property::Picture); }

 private:
  std::string icon_;
};

}  // namespace kmpx::ui
