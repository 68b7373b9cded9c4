#pragma once
// The ports that file and parsing code report through: the message window's
// log entry point and the orderly end of the program.
#include <string>

#include "text/dialogs.h"

namespace kmpx {

enum class MessageKind : int { Message = 1, Error = 2, Warning = 3 };

class MessageLog {
 public:
  virtual ~MessageLog() = default;
  // bringForward lets an error or warning show the message window (when the
  // user's options allow it).
  virtual void AddMessage(const std::string& text, MessageKind kind, bool bringForward) = 0;

  void Message(const std::string& text, bool bringForward = false) { AddMessage(text, MessageKind::Message, bringForward); }
  void Error(const std::string& text, bool bringForward = false) { AddMessage(text, MessageKind::Error, bringForward); }
  void Warning(const std::string& text, bool bringForward = false) { AddMessage(text, MessageKind::Warning, bringForward); }
};

class ProgramControl {
 public:
  virtual ~ProgramControl() = default;
  // Ends the program after an unrecoverable error; callers return at once.
  virtual void AbortProgram() = 0;
};

// What most subsystem code needs to report a failure, passed as one parameter.
struct Reporting {
  MessageBoxes& boxes;
  MessageLog& log;
  ProgramControl& program;
};

}  // namespace kmpx

namespace kmpx {

// The question asked about a broken file of the program's own: Yes/No with
// the stop icon in the program's caption. No ends the program through
// AbortProgram. True when the user answered Yes.
bool AskOrAbort(Reporting& report, const std::string& question);

}  // namespace kmpx
