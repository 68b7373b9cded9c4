#pragma once
// Scripted standard dialogs: message boxes as ScriptedDialogs, and one queue
// of answers per picker (nullopt = the user cancels). A picker that opens with
// nothing queued fails the test, as does an answer never asked for.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "support/test_reporting.h"
#include "ui/standard_dialogs.h"

namespace kmpx::test {

class ScriptedStandardDialogs : public ui::StandardDialogs {
 public:
  struct InputRequest {
    std::string caption, prompt, initial;
  };

  ~ScriptedStandardDialogs() override {
    EXPECT_TRUE(inputs.empty() && files.empty() && folders.empty() && fonts.empty() && colors.empty())
        << "scripted picker answers were never asked for";
  }

  // Message boxes.
  void Expect(std::string textPart, int answer) { boxes.Expect(std::move(textPart), answer); }
  int ShowMessageBox(const MessageBoxRequest& request) override { return boxes.ShowMessageBox(request); }

  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initial) override {
    inputRequests.push_back({caption, prompt, initial});
    return Next(inputs, "input box");
  }
  std::optional<ui::FileDialogResult> OpenFile(const ui::FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return Next(files, "open dialog");
  }
  std::optional<ui::FileDialogResult> SaveFile(const ui::FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return Next(files, "save dialog");
  }
  std::optional<std::string> PickFolder(const std::string& title, const std::string&) override {
    folderTitles.push_back(title);
    return Next(folders, "folder picker");
  }
  std::optional<ui::TextFormat> PickFont(const ui::TextFormat& initial) override {
    fontRequests.push_back(initial);
    return Next(fonts, "font dialog");
  }
  std::optional<ui::Color> PickColor(const ui::Color& initial) override {
    colorRequests.push_back(initial);
    return Next(colors, "colour dialog");
  }

  ScriptedDialogs boxes;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<ui::FileDialogResult>> files;
  std::deque<std::optional<std::string>> folders;
  std::deque<std::optional<ui::TextFormat>> fonts;
  std::deque<std::optional<ui::Color>> colors;

  std::vector<InputRequest> inputRequests;
  std::vector<ui::FileDialogRequest> fileRequests;
  std::vector<std::string> folderTitles;
  std::vector<ui::TextFormat> fontRequests;
  std::vector<ui::Color> colorRequests;

 private:
  template <class T>
  std::optional<T> Next(std::deque<std::optional<T>>& queue, const char* what) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return std::nullopt;
    }
    auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

}  // namespace kmpx::test
