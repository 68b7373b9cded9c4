#include "support/test_reporting.h"

#include <cstdlib>
#include <filesystem>
#include <random>

namespace kmpx::test {

ScriptedDialogs::~ScriptedDialogs() {
  for (const auto& step : script_)
    ADD_FAILURE() << "scripted message box never shown: " << Cp1251ToUtf8(step.textPart);
}

void ScriptedDialogs::Expect(std::string textPart, int answer) {
  script_.push_back({std::move(textPart), answer});
}

int ScriptedDialogs::ShowMessageBox(const MessageBoxRequest& request) {
  shown.push_back(request);
  if (script_.empty()) {
    ADD_FAILURE() << "unexpected message box: " << Cp1251ToUtf8(request.text);
    return kAnswerCancel;
  }
  const Step step = script_.front();
  script_.pop_front();
  EXPECT_NE(request.text.find(step.textPart), std::string::npos)
      << "message box " << Cp1251ToUtf8(request.text) << " does not contain " << Cp1251ToUtf8(step.textPart);
  return step.answer;
}

std::vector<std::string> RecordingLog::Texts() const {
  std::vector<std::string> texts;
  for (const auto& entry : entries) texts.push_back(entry.text);
  return texts;
}

TempHome::TempHome() {
  namespace fs = std::filesystem;
  std::random_device random;
  fs::path folder;
  do {
    folder = fs::temp_directory_path() / ("kmpx-test-" + std::to_string(random()));
  } while (fs::exists(folder));
  fs::create_directories(folder);
  dir_ = folder.string() + "/";
  setenv("KMPX_HOME", folder.c_str(), 1);
}

TempHome::~TempHome() {
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(dir_, ignored);
  unsetenv("KMPX_HOME");
}

}  // namespace kmpx::test
