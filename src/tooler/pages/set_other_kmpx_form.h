#pragma once
// `SetOtherKMPXwin`: what to do when the tool suite in use is none of the
// listed ones. Closing with OK ("Редактор шаблона Bat-файла") means the
// user wants the batch template editor next; "Закрыть" gives Cancel.
#include <memory>

#include "ui/form.h"

namespace kmpx {

std::unique_ptr<ui::Form> BuildSetOtherKmpxForm();

}  // namespace kmpx
