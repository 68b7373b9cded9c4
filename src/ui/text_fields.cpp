#include "ui/text_fields.h"

namespace kmpx::ui {

TextField::TextField(std::string className, std::string name, std::string text)
    : EditControl(std::move(className), std::move(name)) {
  SetText(std::move(text));
}

}  // namespace kmpx::ui
