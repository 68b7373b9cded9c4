#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1251.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/status_bar.h"
#include "ui/text_views.h"

namespace kmpx::ui {
namespace {

TEST(RichText, EveryLineKeepsTheFormatItWasAddedWith) {
  Form form("MessageWin", "TMessageWin");
  auto& list = form.Add<RichText>("MessageList");
  TextFormat message{.face = "Arial", .size = 8, .color = Color::Rgb(255, 255, 0), .charset = kCyrillicCharset};
  TextFormat error = message;
  error.color = Color::Rgb(255, 0, 0);
  error.style = kBold | kItalic;
  int changes = 0;
  list.onChange = [&](Control&) { ++changes; };

  EXPECT_EQ(list.AddText("first", message), 1);
  EXPECT_EQ(list.AddText("Ошибка: a\r\nb\nc"_cp, error), 3);
  EXPECT_EQ(list.AddText("", message), 1);
  EXPECT_EQ(list.PlainLines(), (LineList{"first", "Ошибка: a"_cp, "b", "c", ""}));
  EXPECT_EQ(list.LineFormat(3), error);
  EXPECT_EQ(list.LineFormat(4), message);

  list.SetLineFormat(0, error);  // recolouring changes no text
  EXPECT_EQ(list.LineFormat(0), error);
  EXPECT_EQ(changes, 5);
  list.Clear();
  EXPECT_EQ(list.LineCount(), 0);
  EXPECT_THROW(list.LineText(0), std::out_of_range);
}

TEST(StatusBar, PanelsKeepTextAndWidth) {
  Form form("MessageWin", "TMessageWin");
  auto& bar = form.Add<StatusBar>("StatusBar");
  for (int width : {120, 100, 150, 175, 50}) bar.AddPanel(width);
  std::vector<int> changed;
  bar.AddObserver([&](Control&, Property, int index) { changed.push_back(index); });
  bar.SetPanelText(1, " Ошибок: 1"_cp);
  bar.SetPanelText(1, " Ошибок: 1"_cp);
  EXPECT_EQ(bar.PanelText(1), " Ошибок: 1"_cp);
  EXPECT_EQ(bar.PanelWidth(3), 175);
  EXPECT_EQ(changed, (std::vector<int>{1}));
  EXPECT_THROW(bar.SetPanelText(5, "x"), std::out_of_range);
}

TEST(PageControl, CodeChoosesAnyPageAndTheUserOnlyVisibleTabs) {
  Form form("KSWin", "TKSWin");
  auto& pages = form.Add<PageControl>("Page");
  EXPECT_EQ(pages.ActivePageIndex(), -1);
  for (const char* name : {"General", "CSG", "BSP", "VIS", "NETVIS", "RAD", "LOG", "RIPENT"}) pages.Add<TabSheet>(name);
  pages.Page(7).SetTabVisible(false);
  EXPECT_EQ(pages.ActivePageIndex(), 0);  // the first sheet is active from the start
  int changes = 0;
  pages.onChange = [&](Control&) { ++changes; };

  pages.SetActivePageIndex(6);
  EXPECT_EQ(pages.ActivePage()->Name(), "LOG");
  pages.SetActivePageIndex(7);  // code may show a page that has no tab
  EXPECT_EQ(pages.ActivePageIndex(), 7);
  EXPECT_EQ(changes, 0);

  pages.UserSelectPage(2);
  pages.UserSelectPage(2);
  pages.UserSelectPage(7);
  EXPECT_EQ(pages.ActivePageIndex(), 2);
  EXPECT_EQ(changes, 1);

  auto removed = pages.Remove(pages.Page(2));  // removing the active page activates another
  EXPECT_EQ(pages.ActivePage()->Name(), "General");
  EXPECT_EQ(pages.Get<TabSheet>("LOG").PageIndex(), 5);
}

TEST(Memo, ChangeRunsForCodeAndUserEdits) {
  Form form("KSWin", "TKSWin");
  auto& info = form.Add<Memo>("ToolerInfo");
  int changes = 0;
  info.onChange = [&](Control&) { ++changes; };
  info.SetLines({"a", "b"});
  info.SetLines({"a", "b"});
  info.AddLine("c");
  info.UserSetText("x\r\ny");
  EXPECT_EQ(info.Lines(), (LineList{"x", "y"}));
  info.SetReadOnly(true);
  info.UserSetText("typed");
  EXPECT_EQ(info.Lines(), (LineList{"x", "y"}));
  EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace kmpx::ui
