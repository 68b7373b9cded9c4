#include "tooler/tooler_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/embedded_resources.h"
#include "text/text_file.h"

namespace kmpx {
namespace {

TEST(ToolerCatalogue, EveryBuiltInItemHasItsResource) {
  const struct {
    std::string_view item;
    std::string_view resource;
  } cases[] = {
      {"QTOOLS", "QTOOLSTLR"},
      {"KMPX 2.5.3-1.6", "KMPX25316TLR"},
      {"KMPX 2.5.3-1.6.1", "KMPX253161TLR"},
      {"KMPX 2.5.3-1.7", "KMPX25317TLR"},
  };
  for (const auto& c : cases) {
    const std::string name = ToolerResourceName(std::string(c.item) + ".tlr");
    EXPECT_TRUE(SameTextAnsi(name, c.resource)) << name;
    EXPECT_TRUE(FindEmbeddedResource(kToolerResourceType, name)) << name;
  }
  EXPECT_EQ(ToolerResourceName("Other.tlr"), "Othertlr");
  EXPECT_FALSE(FindEmbeddedResource(kToolerResourceType, ToolerResourceName("Other.tlr")));

  const auto& items = ToolerTypeItems();
  EXPECT_TRUE(std::equal(kBuiltInToolers.begin(), kBuiltInToolers.end(), items.begin()));
  EXPECT_EQ(items.back(), "Другая"_cp);
  EXPECT_NE(std::find(items.begin(), items.end(), kDefaultTooler), items.end());
}

TEST(ToolerCatalogue, FilePathKeepsTheSeparatorOfTheProgramFolder) {
  EXPECT_EQ(ToolerFilePath("C:\\KMPX\\", "QTOOLS"), "C:\\KMPX\\Toolers\\QTOOLS.tlr");
  EXPECT_EQ(ToolerFilePath("/opt/kmpx", "KMPX 2.5.3-1.7"), "/opt/kmpx/Toolers/KMPX 2.5.3-1.7.tlr");
}

TEST(ToolerCatalogue, WritingMissingFilesKeepsExistingOnes) {
  test::TempHome home;
  // The folder does not exist yet: it is created.
  ASSERT_TRUE(WriteMissingToolerFiles(home.Dir()));
  for (const auto item : kBuiltInToolers) {
    const std::string path = ToolerFilePath(home.Dir(), item);
    EXPECT_EQ(ReadFileBytes(path),
              FindEmbeddedResource(kToolerResourceType, ToolerResourceName(std::string(item) + ".tlr")))
        << item;
  }

  const std::string edited = ToolerFilePath(home.Dir(), "QTOOLS");
  const std::string deleted = ToolerFilePath(home.Dir(), "KMPX 2.5.3-1.7");
  ASSERT_TRUE(WriteFileAtomically(edited, "user's own\r\n"));
  std::filesystem::remove(ToFsPath(deleted));
  ASSERT_TRUE(WriteMissingToolerFiles(home.Dir()));
  EXPECT_EQ(ReadFileBytes(edited), "user's own\r\n");
  EXPECT_EQ(ReadFileBytes(deleted), FindEmbeddedResource(kToolerResourceType, "KMPX25317TLR"));
}

TEST(ToolerCatalogue, WritingMissingFilesReportsAFailure) {
  test::TempHome home;
  // A file where the folder should be.
  ASSERT_TRUE(WriteFileAtomically(home.Path("Toolers"), "x"));
  EXPECT_FALSE(WriteMissingToolerFiles(home.Dir()));
}

}  // namespace
}  // namespace kmpx
