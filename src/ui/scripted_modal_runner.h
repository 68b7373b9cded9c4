#pragma once
// A ModalRunner for tests and headless runs: a modal form is answered by the
// next scripted steps for it, which act on the form as the user would (fill
// fields, press buttons); they run in turn until one leaves a modal result.
// A form nobody scripted, or one still open when its steps run out, is
// reported through onFailure (by default an exception) and cancelled.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace kmpx::ui {

class ScriptedModalRunner : public ModalRunner {
 public:
  using Step = std::function<void(Form& form)>;

  // The next step must act on formName (letter case ignored).
  void Expect(std::string formName, Step step);
  // The next modal form formName closes with result, as if a button did it.
  void ExpectResult(std::string formName, int result);

  void RunModal(Form& form) override;
  bool AllDone() const { return script_.empty(); }

  std::vector<std::string> shown;  // names of the forms run, in order
  std::function<void(const std::string& message)> onFailure;

 private:
  void Fail(const std::string& message) const;

  struct Scripted {
    std::string formName;
    Step step;
  };
  std::deque<Scripted> script_;
};

}  // namespace kmpx::ui
