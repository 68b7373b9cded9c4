#pragma once
// What the settings tests share: the registration recorder and a settings
// file made from the built-in one with single lines changed.
#include <string>
#include <vector>

#include "settings/desktop_registration.h"
#include "settings/settings_file.h"
#include "support/test_reporting.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"

namespace kmpx::test {

class RecordingRegistration : public DesktopRegistration {
 public:
  bool RegisterConfigFileType(const std::string& programFile) override {
    calls.push_back("type " + programFile);
    return !failTypeRegistration;
  }
  bool SetAgentAutostart(bool on, const std::string& agentFile) override {
    calls.push_back((on ? "autostart on " : "autostart off ") + agentFile);
    return !failAutostart;
  }
  std::vector<std::string> calls;
  bool failTypeRegistration = false;
  bool failAutostart = false;
};

inline LineList BuiltInSettings() {
  return LineList::FromText(FindEmbeddedResource("EXEFILE", "INI").value());
}

// The built-in lines with the line of key replaced by line (removed when line is empty).
inline LineList SettingsWith(const std::string& key, const std::string& line) {
  LineList lines = BuiltInSettings();
  const int index = lines.IndexOfKey(key);
  EXPECT_GE(index, 0) << key;
  if (line.empty())
    lines.Delete(index);
  else
    lines.Put(index, line);
  return lines;
}

inline void WriteSettings(const TempHome& home, const LineList& lines) {
  ASSERT_TRUE(WriteFileAtomically(SettingsFilePath(home.Dir()), lines.ToText()));
}

}  // namespace kmpx::test
