#pragma once
// Test doubles of the reporting ports: message boxes answered from a script
// (a box nobody scripted fails the test), a log and an abort recorder.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "text/cp1251.h"
#include "text/dialogs.h"
#include "text/reporting.h"

namespace kmpx::test {

class ScriptedDialogs : public Dialogs {
 public:
  ~ScriptedDialogs() override;
  // The next box must contain textPart (CP1251) and is answered with answer.
  void Expect(std::string textPart, int answer);
  int ShowMessageBox(const MessageBoxRequest& request) override;
  bool AllAnswered() const { return script_.empty(); }

  std::vector<MessageBoxRequest> shown;

 private:
  struct Step {
    std::string textPart;
    int answer;
  };
  std::deque<Step> script_;
};

class RecordingLog : public MessageLog {
 public:
  struct Entry {
    std::string text;
    MessageKind kind;
    bool bringForward;
  };
  void AddMessage(const std::string& text, MessageKind kind, bool bringForward) override {
    entries.push_back({text, kind, bringForward});
  }
  std::vector<std::string> Texts() const;
  std::vector<Entry> entries;
};

class RecordingProgram : public ProgramControl {
 public:
  void AbortProgram() override { ++aborts; }
  int aborts = 0;
};

// All three together, plus the Reporting bundle that code under test takes.
struct TestReporting {
  ScriptedDialogs dialogs;
  MessageBoxes boxes{dialogs};
  RecordingLog log;
  RecordingProgram program;
  Reporting report{boxes, log, program};
};

// A fresh temporary folder set as KMPX_HOME for the test's life; removed after.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;
  // The folder with a trailing separator, as the program holds ProgramDir.
  const std::string& Dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + name; }

 private:
  std::string dir_;
};

}  // namespace kmpx::test
