#include "tooler/option_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace kmpx {
namespace {

TEST(ParseSlotNumber, ReadsFromTheRightPositionUpToTheEqualsSign) {
  const struct {
    std::string line;
    std::optional<int> number;
  } cases[] = {
      {"@1", 1},
      {"@12=ignored", 12},
      {"0CH 1=estimate", 1},
      {"#ED 33=255|1.0  1.0  1.0", 33},
      {"1CH+4=Hullfile", 4},
      {"0CH 7", 7},  // no "=": up to the end
      {"0CH 1=a=b", 1},
      {"0CH x=y", std::nullopt},
      {"0CH 1 =y", std::nullopt},
      {"0CH =y", std::nullopt},
      {"0CH", std::nullopt},
      {"@", std::nullopt},
      {"@ 1", std::nullopt},
      {"", std::nullopt},
      {"0CH 99999999999=y", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSlotNumber(c.line), c.number) << c.line;
}

TEST(ParseOptionEntry, SplitsAnEntryLineIntoItsParts) {
  const auto hull = ParseOptionEntry("#ED 5=255|\"hulls.txt\"");
  ASSERT_TRUE(hull);
  EXPECT_TRUE(hull->IsArgument());
  EXPECT_EQ(hull->kind, OptionKind::ED);
  EXPECT_FALSE(hull->TickedByDefault());
  EXPECT_EQ(hull->slot, "5");
  EXPECT_EQ(hull->data, "255|\"hulls.txt\"");

  const auto ambient = ParseOptionEntry("3CH+32=ambient");
  ASSERT_TRUE(ambient);
  EXPECT_TRUE(ambient->IsSwitch());
  EXPECT_EQ(ambient->ArgumentWords(), 3);
  EXPECT_TRUE(ambient->TickedByDefault());
  EXPECT_EQ(ambient->data, "ambient");

  const auto wad = ParseOptionEntry("~CH 4=wadinclude");
  ASSERT_TRUE(wad);
  EXPECT_TRUE(wad->IsLeftToWadLists());
  EXPECT_FALSE(wad->IsSwitch());

  // Only the first "=" separates; the free-text entry's data is one space.
  EXPECT_EQ(ParseOptionEntry("0ED 1=255|a=b")->data, "255|a=b");
  EXPECT_EQ(ParseOptionEntry("1CH 1= ")->data, " ");
  EXPECT_EQ(ParseOptionEntry("0CH 7")->data, "");
  EXPECT_EQ(ParseOptionEntry("0ch 1=x")->kind, OptionKind::Other);  // kinds are upper case
  EXPECT_EQ(ParseOptionEntry("0C")->kind, OptionKind::Other);

  for (const char* notEntry : {"", "@1", ";0CH 1=x", "5CH 1=x", "[END_CSG]"})
    EXPECT_FALSE(ParseOptionEntry(notEntry)) << notEntry;
}

TEST(CheckToolerSection, FindsEveryBreachOfTheGrammar) {
  using enum SectionFaultKind;
  const struct {
    const char* what;
    LineList section;
    std::vector<SectionFaultKind> faults;
  } cases[] = {
      {"well formed, comments ignored",
       {"@2", "1CH 1=Threads", "#SP 2=6 1 999999 1", "; note", "0CO 5= |Low|High|0", "@1", "0CH 1=x"},
       {}},
      {"argument after a comment still belongs to its switch",
       {"@1", "1CH 1=x", ";", "#SP 2=1 1 2 1"},
       {}},
      {"empty line", {"@1", "0CH 1=x", "", "0CH 2=y"}, {EmptyLine}},
      {"entry before the first group", {"0CH 1=x", "@1"}, {EntryBeforeGroup}},
      {"bad numbers", {"@x", "0CH y=z", "0CH 1 =z"}, {BadNumber, BadNumber, BadNumber}},
      {"out of range", {"@0", "0CH 253=x", "@252", "0CH 252=x"}, {NumberOutOfRange, NumberOutOfRange}},
      {"group twice", {"@1", "0CH 1=x", "@1"}, {RepeatedGroup}},
      {"slot twice in a group, same slot in another group",
       {"@1", "0CH 1=x", "0CH 1=y", "@2", "0CH 1=z"},
       {RepeatedSlot}},
      {"unknown kind", {"@1", "0XX 1=x", "0ch 2=y"}, {UnknownKind, UnknownKind}},
      {"argument without its switch",
       {"@1", "#SP 1=1 1 2 1", "0CH 2=x", "~CH 3=y", "#ED 4=9|", "#ED 5=9|", "@2", "#ED 1=9|"},
       {ArgumentWithoutSwitch, ArgumentWithoutSwitch, ArgumentWithoutSwitch, ArgumentWithoutSwitch}},
  };
  for (const auto& c : cases) {
    std::vector<SectionFaultKind> found;
    for (const SectionFault& fault : CheckToolerSection(c.section)) found.push_back(fault.kind);
    EXPECT_EQ(found, c.faults) << c.what;
  }
}

}  // namespace
}  // namespace kmpx
