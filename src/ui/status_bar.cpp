#include "ui/status_bar.h"

#include <stdexcept>

namespace kmpx::ui {

const StatusBar::StatusPanel& StatusBar::At(int index) const {
  if (index < 0 || index >= PanelCount())
    throw std::out_of_range("Panel index out of bounds (" + std::to_string(index) + ")");
  return panels_[static_cast<std::size_t>(index)];
}

void StatusBar::AddPanel(int width, std::string text) {
  panels_.push_back({std::move(text), width});
  Notify(Property::Panels, PanelCount() - 1);
}

void StatusBar::SetPanelText(int index, std::string text) {
  StatusPanel& panel = At(index);
  if (panel.text == text) return;
  panel.text = std::move(text);
  Notify(Property::Panels, index);
}

void StatusBar::SetPanelWidth(int index, int width) {
  StatusPanel& panel = At(index);
  if (panel.width == width) return;
  panel.width = width;
  Notify(Property::Panels, index);
}

}  // namespace kmpx::ui
