#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "settings_fixture.h"
#include "text/cp1251.h"

namespace kmpx {
namespace {

TEST(DefaultSettings, EveryBlockHoldsItsKeysInOrderWithCrLf) {
  const std::string bytes(FindEmbeddedResource("EXEFILE", "INI").value());
  // CR LF after every line, the last one included, and no other line end.
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
    }
  }
  ASSERT_TRUE(bytes.ends_with("\r\n"));

  struct Block {
    std::string name;
    std::vector<std::string> keys;
  };
  const Block blocks[] = {
      {"INTERFACE", {"Tab page align"}},
      {"GENERAL",
       {"Last Preset", "TOOLER VERSION", "Map Path", "Bsp Path", "Tooler Path", "CSG File", "BSP File", "RAD File",
        "VIS File", "NETVIS File", "RIPENT File", "HL Path", "HL.EXE Path", "HL PARAMS", "AFTER COMPILE"}},
      {"OPTIONS", {"Confirm", "General", "Interface"}},
      {"SOUNDS", {"USESOUNDS", "SOUND0", "SOUND1", "SOUND2", "SOUND3", "SOUND4", "SOUND5"}},
      {"MENU", {"Hotfile-1", "Hotfile-2", "Hotfile-3", "Hotfile-4", "Hotfile-5", "Hotfile-6", "Hotfile-7"}},
      {"CONFIRM", {"Confirm Exit", "Confirm Compile", "Confirm Autosave"}},
      {"FULL_PST", {"Шаблон настройки kmpx 2.5.3-1.7p"_cp}},
      {"CSG_PST", {}},
      {"BSP_PST", {}},
      {"VIS_PST", {}},
      {"NETVIS_PST", {}},
      {"RAD_PST", {}},
  };
  std::vector<std::string> expected{"KSINI"};
  for (const auto& block : blocks) {
    expected.push_back("[" + block.name + "]");
    for (const auto& key : block.keys) expected.push_back(key + "=");
    expected.push_back("[END_" + block.name + "]");
  }
  const LineList lines = test::BuiltInSettings();
  ASSERT_EQ(lines.Count(), static_cast<int>(expected.size()));
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Get(i);
    const std::string& want = expected[static_cast<std::size_t>(i)];
    if (want.ends_with("=")) {
      EXPECT_TRUE(line.starts_with(want)) << "line " << i << ": " << Cp1251ToUtf8(line);
    } else {
      EXPECT_EQ(line, want);
    }
  }

  EXPECT_TRUE(CheckSettingsFormat(lines));
  EXPECT_EQ(lines.ValueOf("Confirm"), "100111");
  EXPECT_EQ(lines.ValueOf("General"), "10011101110");
  EXPECT_EQ(lines.ValueOf("Interface"), "000");
  EXPECT_EQ(lines.ValueOf("USESOUNDS"), "1");
  EXPECT_EQ(lines.ValueOf("SOUND3"), "");
  EXPECT_EQ(lines.ValueOf("TOOLER VERSION"), "KMPX 2.5.3-1.7");
  EXPECT_EQ(lines.ValueOf("HL PARAMS"), "+map %mapfile% -console");
  EXPECT_EQ(lines.ValueOf("Шаблон настройки kmpx 2.5.3-1.7p"_cp), "160368729.ksp");
#ifndef _WIN32
  // Tools on this platform have no ".exe", and the default paths are absolute.
  for (const char* key : {"CSG File", "BSP File", "RAD File", "VIS File", "NETVIS File", "RIPENT File"})
    EXPECT_FALSE(lines.ValueOf(key).ends_with(".exe")) << key;
  for (const char* key : {"Map Path", "Bsp Path", "Tooler Path", "HL Path", "HL.EXE Path"})
    EXPECT_TRUE(lines.ValueOf(key).starts_with("/")) << key;
#endif
}

}  // namespace
}  // namespace kmpx
