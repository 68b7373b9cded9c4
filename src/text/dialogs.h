#pragma once
// The Dialogs port: every modal question the program asks goes through it.
// The real one shows Qt dialogs; tests answer from a script.
#include <string>

namespace kmpx {

enum class BoxButtons { Ok, YesNo, RetryCancel, YesNoCancel };
enum class BoxIcon { Stop, Question, Exclamation };

// Answers keep the numbers callers of the design compare with.
enum BoxAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerRetry = 4, kAnswerYes = 6, kAnswerNo = 7 };

struct MessageBoxRequest {
  std::string text;     // CP1251
  std::string caption;  // CP1251
  BoxButtons buttons = BoxButtons::Ok;
  BoxIcon icon = BoxIcon::Stop;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal; returns one of BoxAnswer.
  virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
};

// The program's message boxes: the common caption and the flag that tells
// other handlers (the compile tray icon) that a box is open.
class MessageBoxes {
 public:
  explicit MessageBoxes(Dialogs& dialogs) : dialogs_(dialogs) {}

  int ErrorBox(const std::string& text);
  int WarningBox(const std::string& text);
  int AskBox(const std::string& text, const std::string& caption, BoxButtons buttons, BoxIcon icon);

  std::string MessageCaption = "KMPX SHELL Professional";
  bool MessageBoxShowing() const { return showing_; }
  void ResetMessageBoxShowing() { showing_ = false; }
  Dialogs& Port() { return dialogs_; }

 private:
  Dialogs& dialogs_;
  bool showing_ = false;
};

}  // namespace kmpx
