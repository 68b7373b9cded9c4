#pragma once
// The reporting ports of the headless start: boxes and log lines go to the
// terminal in UTF-8 until the window exists.
#include <string>

#include "settings/desktop_registration.h"
#include "text/dialogs.h"
#include "text/reporting.h"

namespace kmpx {

// Prints the box to stderr. A question is answered from stdin when it is a
// terminal; otherwise, and for a box with one button, the first button answers.
class ConsoleDialogs : public Dialogs {
 public:
  int ShowMessageBox(const MessageBoxRequest& request) override;
};

class ConsoleLog : public MessageLog {
 public:
  void AddMessage(const std::string& text, MessageKind kind, bool bringForward) override;
};

class ConsoleProgram : public ProgramControl {
 public:
  void AbortProgram() override { aborted = true; }
  bool aborted = false;
};

// Says what would be registered; the desktop entries are written by the windowed program.
class ConsoleRegistration : public DesktopRegistration {
 public:
  bool RegisterConfigFileType(const std::string& programFile) override;
  bool SetAgentAutostart(bool on, const std::string& agentFile) override;
};

}  // namespace kmpx
