#pragma once
// A status bar of panels, each with its text and width.
#include <string>
#include <vector>

#include "ui/control.h"

namespace kmpx::ui {

class StatusBar : public Control {
 public:
  struct StatusPanel {
    std::string text;
    int width = 50;
  };

  explicit StatusBar(std::string name) : Control("TStatusBar", std::move(name)) {}

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  void AddPanel(int width, std::string text = {});
  // Index errors throw std::out_of_range.
  const std::string& PanelText(int index) const { return At(index).text; }
  void SetPanelText(int index, std::string text);
  int PanelWidth(int index) const { return At(index).width; }
  void SetPanelWidth(int index, int width);

 private:
  const StatusPanel& At(int index) const;
  StatusPanel& At(int index) { return const_cast<StatusPanel&>(static_cast<const StatusBar*>(this)->At(index)); }

  std::vector<StatusPanel> panels_;
};

}  // namespace kmpx::ui
