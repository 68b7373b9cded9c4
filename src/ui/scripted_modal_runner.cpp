#include "ui/scripted_modal_runner.h"

#include <stdexcept>

#include "text/cp1251.h"

namespace kmpx::ui {

void ScriptedModalRunner::Expect(std::string formName, Step step) {
  script_.push_back({std::move(formName), std::move(step)});
}

void ScriptedModalRunner::ExpectResult(std::string formName, int result) {
  Expect(std::move(formName), [result](Form& form) { form.SetModalResult(result); });
}

void ScriptedModalRunner::Fail(const std::string& message) const {
  if (onFailure) {
    onFailure(message);
    return;
  }
  throw std::logic_error(message);
}

void ScriptedModalRunner::RunModal(Form& form) {
  shown.push_back(form.Name());
  // Steps for this form run in turn until one of them closes it.
  for (bool first = true;; first = false) {
    if (script_.empty() || !SameTextAnsi(script_.front().formName, form.Name())) {
      const std::string next = script_.empty() ? "nothing" : script_.front().formName;
      form.SetModalResult(kModalCancel);
      Fail(first ? "Unexpected modal form " + form.Name() + " (scripted next: " + next + ")"
                 : "The modal form " + form.Name() + " was left open by its scripted steps (next: " + next + ")");
      return;
    }
    Step step = std::move(script_.front().step);
    script_.pop_front();
    step(form);
    if (form.ModalResult() != kModalNone) return;
  }
}

}  // namespace kmpx::ui
