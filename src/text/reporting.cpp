#include "text/reporting.h"

namespace kmpx {

bool AskOrAbort(Reporting& report, const std::string& question) {
  if (report.boxes.AskBox(question, report.boxes.MessageCaption, BoxButtons::YesNo, BoxIcon::Stop) == kAnswerYes)
    return true;
  report.program.AbortProgram();
  return false;
}

}  // namespace kmpx
