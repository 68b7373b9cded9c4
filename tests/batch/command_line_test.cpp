#include "batch/command_line.h"

#include <gtest/gtest.h>

namespace kmpx {
namespace {

TEST(MapPathWithoutExtension, CutsOnlyTheFileNamesExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\maps\\test.map", "C:\\maps\\test"},
      {"C:\\maps.old\\test", "C:\\maps.old\\test"},
      {"/home/me/maps.old/test", "/home/me/maps.old/test"},
      {"C:\\maps\\a.b.map", "C:\\maps\\a.b"},
      {".map", ".map"},
      {"test", "test"},
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(MapPathWithoutExtension(in), out) << in;
}

TEST(GameLine, ReplacesMapfileInAnyCaseAndCommentsOutUnlessStarting) {
  EXPECT_EQ(BuildGameLine("C:\\maps\\test.map", "C:\\Half-life\\hl.exe", "+map %mapfile% -console", 1),
            "\"C:\\Half-life\\hl.exe\" +map test -console");
  EXPECT_EQ(BuildGameLine("C:\\maps\\test.map", "C:\\Half-life\\hl.exe", "+map %MapFile% -dev %MAPFILE%", 0),
            "REM \"C:\\Half-life\\hl.exe\" +map test -dev test");
  EXPECT_EQ(BuildGameLine("", "\"hl\"", "+map %mapfile%", 3), "REM \"hl\" +map ");
  EXPECT_EQ(BuildGameLine("C:test", "hl", "%mapfile%", 1), "\"hl\" test");
}

}  // namespace
}  // namespace kmpx
