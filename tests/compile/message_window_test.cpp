#include "compile/message_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "format_printing.h"
#include "frame/forms/message_form.h"
#include "support/scripted_standard_dialogs.h"
#include "support/test_reporting.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "ui/controls.h"

#include "recording_player.h"

namespace kmpx {
namespace {

using test::RecordingPlayer;

class MessageWindowTest : public ::testing::Test {
 protected:
  MessageWindowTest() {
    settings.Ini = {"[SOUNDS]", "SOUND0=error.wav", "SOUND1=warning.wav", "USESOUNDS=1", "[END_SOUNDS]"};
    settings.ConfirmOptions = "1111111";
    button.SetGroupIndex(1);
    button.SetAllowAllUp(true);
    mainForm.SetLeft(120);
  }

  ui::RichText& List() { return form->Get<ui::RichText>("MessageList"); }
  const LineList& Kinds() { return form->Get<ui::Memo>("MessageTypeList").Lines(); }
  std::string Panel(int index) { return form->Get<ui::StatusBar>("StatusBar").PanelText(index); }
  void Click(const char* name) { form->FindChild(name)->UserClick(); }
  std::vector<std::string> ListTexts() { return List().PlainLines().Lines(); }

  test::TempHome home;
  test::ScriptedStandardDialogs dialogs;
  MessageBoxes boxes{dialogs};
  test::RecordingProgram program;
  RecordingPlayer player;
  ShellSettings settings;
  ui::Form mainForm{"KSWin", "TKSWin"};
  ui::MenuItem& menuItem = mainForm.Add<ui::MenuItem>("MmenuMesWin", "Окно сообщений"_cp, "F11");
  ui::SpeedButton& button = mainForm.Add<ui::SpeedButton>("ShowMesWinButton");
  LineList logPane;
  LineList errPane;
  std::unique_ptr<ui::Form> form = frame::BuildMessageWin();
  MessageWindow window{*form,
                       {mainForm, menuItem, button, [this] { return logPane; }, [this] { return errPane; }},
                       {dialogs, boxes, program, player, settings, home.Dir()}};
};

TEST_F(MessageWindowTest, AddsPrefixedLinesWithOneKindEntryPerLineAndCountsEachCallOnce) {
  EXPECT_EQ(Panel(0), " Сообщений: 0"_cp);

  window.Message("Запуск компиляции CSG"_cp);
  window.Error("первая\r\nвторая\nтретья"_cp);
  window.Warning("");

  EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Запуск компиляции CSG"_cp, "Ошибка: первая"_cp, "вторая"_cp,
                                                   "третья"_cp, "Предупреждение: "_cp}));
  EXPECT_EQ(Kinds(), (LineList{"1", "2", "2", "2", "3"}));
  const TextAttributes& a = window.Attributes();
  const ui::TextFormat expected[] = {a.text, a.error, a.error, a.error, a.warning};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(List().LineFormat(i), expected[i]) << i;

  EXPECT_EQ(window.MessageCount(), 3);
  EXPECT_EQ(Panel(0), " Сообщений: 3"_cp);
  EXPECT_EQ(Panel(1), " Ошибок: 1"_cp);
  EXPECT_EQ(Panel(2), " Предупреждений: 1"_cp);
}

TEST_F(MessageWindowTest, ErrorsAndWarningsPlayTheirSoundsWhenSoundsAreOn) {
  window.Error("e");
  window.Message("m");
  window.Warning("w");
  EXPECT_EQ(player.played, (std::vector<std::string>{"error.wav", "warning.wav"}));

  player.played.clear();
  settings.Ini.Put(settings.Ini.IndexOfKey("USESOUNDS"), "USESOUNDS=0");
  window.Error("e");
  EXPECT_TRUE(player.played.empty());
  EXPECT_EQ(window.ErrorCount(), 2);
}

TEST_F(MessageWindowTest, OnlyErrorsAndWarningsAskedToComeForwardShowTheWindowWhenTheOptionIsOn) {
  struct Case {
    MessageKind kind;
    bool bringForward;
    const char* confirmOptions;
    bool shown;
  };
  const Case cases[] = {
      {MessageKind::Error, true, "0000100", true},   {MessageKind::Warning, true, "0000100", true},
      {MessageKind::Error, false, "1111111", false}, {MessageKind::Error, true, "1111011", false},
      {MessageKind::Error, true, "0000", false},     {MessageKind::Message, true, "1111111", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << c.bringForward << c.confirmOptions);
    form->Hide();
    menuItem.SetChecked(false);
    button.SetDown(false);
    settings.ConfirmOptions = c.confirmOptions;
    window.AddMessage("x", c.kind, c.bringForward);
    EXPECT_EQ(form->Visible(), c.shown);
    // The main window's menu tick and button follow the window.
    EXPECT_EQ(menuItem.Checked(), c.shown);
    EXPECT_EQ(button.Down(), c.shown);
  }
}

TEST_F(MessageWindowTest, ChangingTheErrorFontRecoloursOnlyErrorLinesAndSavesTheColours) {
  window.Message("m");
  window.Error("e1\ne2");
  window.Warning("w");
  const TextAttributes before = window.Attributes();
  const ui::TextFormat chosen{"Courier New", 11, -15, ui::Color::Rgb(1, 2, 3), ui::kBold, ui::kCyrillicCharset,
                              ui::FontPitch::Fixed};

  dialogs.fonts.push_back(std::nullopt);
  Click("SetErrorFont");
  EXPECT_EQ(window.Attributes(), before);
  EXPECT_FALSE(FileExists(window.ColoursPath()));

  dialogs.fonts.push_back(chosen);
  Click("SetErrorFont");
  ASSERT_EQ(dialogs.fontRequests.size(), 2u);
  EXPECT_EQ(dialogs.fontRequests[1], before.error);

  const ui::TextFormat expected[] = {before.text, chosen, chosen, before.warning};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(List().LineFormat(i), expected[i]) << i;
  EXPECT_EQ(form->Get<ui::RichText>("TextAttributes").LineFormat(2), chosen);
  const auto saved = LoadColours(window.ColoursPath());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->error.face, "Courier New");
  EXPECT_EQ(saved->error.color, chosen.color);
  EXPECT_EQ(saved->text, before.text);
}

TEST_F(MessageWindowTest, BackgroundColourGoesToTheListAndTheFileAndBackOnActivation) {
  const auto navy = window.Attributes().background;
  dialogs.colors.push_back(ui::Color::Rgb(0, 64, 0));
  Click("SetBKcolor");
  EXPECT_EQ(dialogs.colorRequests.front(), navy);
  EXPECT_EQ(List().Background(), ui::Color::Rgb(0, 64, 0));
  EXPECT_EQ(LoadColours(window.ColoursPath())->background, ui::Color::Rgb(0, 64, 0));

  List().SetBackground(navy);
  form->Activate();
  EXPECT_EQ(List().Background(), ui::Color::Rgb(0, 64, 0));
}

TEST_F(MessageWindowTest, PastingAReportAddsFourFramingMessagesAndOnePerLine) {
  logPane = {"hlcsg v1.0", "", "Done"};
  errPane = {"Error: leak"};
  const std::string stars(512, '*');
  struct Case {
    const char* button;
    std::string header;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"AddLogButton", "ТЕКСТ ФАЙЛА ОТЧЕТА КОМПИЛЯЦИИ (.log):"_cp, logPane.Lines()},
      {"AddErrButton", "ТЕКСТ ФАЙЛА ОТЧЕТА ОБ ОШИБКАХ КОМПИЛЯЦИИ (.err):"_cp, errPane.Lines()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    window.ClearMessages();
    Click(c.button);
    std::vector<std::string> expected = {stars, c.header, stars};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back(stars);
    EXPECT_EQ(ListTexts(), expected);
    EXPECT_EQ(window.MessageCount(), static_cast<int>(4 + c.lines.size()));
    EXPECT_EQ(window.ErrorCount(), 0);
  }
}

TEST_F(MessageWindowTest, ClearingAsksOnlyWhenThereIsSomethingToClear) {
  Click("ClearButton");  // an empty list: no question

  form->SetCaption(kMessageWinCaption);
  window.Error("e");
  window.Warning("w");
  dialogs.Expect("Очистить список сообщений?"_cp, kAnswerNo);
  Click("ClearButton");
  EXPECT_EQ(List().LineCount(), 2);
  const MessageBoxRequest& asked = dialogs.boxes.shown.back();
  EXPECT_EQ(asked.caption, kMessageWinCaption);
  EXPECT_EQ(asked.buttons, BoxButtons::YesNo);
  EXPECT_EQ(asked.icon, BoxIcon::Question);

  dialogs.Expect("Очистить список сообщений?"_cp, kAnswerYes);
  Click("ClearButton");
  EXPECT_EQ(List().LineCount(), 0);
  EXPECT_EQ(Kinds().Count(), 0);
  EXPECT_EQ((std::vector<std::string>{Panel(0), Panel(1), Panel(2)}),
            (std::vector<std::string>{" Сообщений: 0"_cp, " Ошибок: 0"_cp, " Предупреждений: 0"_cp}));
  window.Error("again");
  EXPECT_EQ(window.ErrorCount(), 1);
}

TEST_F(MessageWindowTest, SavesTheListAsTextLinesAndReportsAFailedSave) {
  window.Message("один"_cp);
  window.Error("два\r\nтри"_cp);
  ASSERT_TRUE(window.SaveMessages(home.Path("ks_messages.log")));
  EXPECT_EQ(ReadFileBytes(home.Path("ks_messages.log")), "один\r\nОшибка: два\r\nтри\r\n"_cp);

  const std::string blocked = home.Path("no such folder/ks_messages.log");
  dialogs.Expect("Ошибка создания файла \""_cp + blocked, kAnswerOk);
  EXPECT_FALSE(window.SaveMessages(blocked));
}

TEST_F(MessageWindowTest, AMissingOrUnreadableColoursFileIsRecreatedWithTheDefaults) {
  struct Case {
    const char* content;  // null: no file
    bool recreated;
  };
  TextAttributes custom = DefaultTextAttributes();
  custom.warning.color = ui::Color::Rgb(9, 9, 9);
  const std::string customRtf = WriteColoursRtf(custom);
  const Case cases[] = {{nullptr, true}, {"not a palette", true}, {"{\\rtf1 Background\\par}", true},
                        {customRtf.c_str(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content ? c.content : "(none)");
    std::filesystem::remove(ToFsPath(window.ColoursPath()));
    if (c.content) {
      ASSERT_TRUE(WriteFileAtomically(window.ColoursPath(), c.content));
    }
    window.ClearMessages();
    window.Warning("before loading");
    if (c.recreated)
      dialogs.Expect("Файл палитры цветов окна сообщений не найден, он будет создан автоматически!"_cp, kAnswerOk);

    window.CreateColoursIfMissing();
    window.LoadColours();

    const TextAttributes expected = c.recreated ? DefaultTextAttributes() : custom;
    EXPECT_EQ(window.Attributes(), expected);
    EXPECT_EQ(LoadColours(window.ColoursPath()), expected);
    EXPECT_EQ(List().Background(), expected.background);
    EXPECT_EQ(List().LineFormat(0), expected.warning);  // lines logged earlier take the loaded colours
    std::vector<std::string> lines = {"Предупреждение: before loading"_cp};
    if (c.recreated) {
      lines.push_back("Ошибка: Файл \"mwattrib.rtf\" палитры цветов окна сообщений не найден!"_cp);
      lines.push_back("Файл \"mwattrib.rtf\" палитры цветов окна сообщений создан"_cp);
    }
    EXPECT_EQ(ListTexts(), lines);
  }
  EXPECT_EQ(dialogs.boxes.shown.front().icon, BoxIcon::Exclamation);
}

// A palette that cannot be written is reported, not announced as created.
TEST_F(MessageWindowTest, AColoursFileThatCannotBeWrittenIsNotClaimedCreated) {
  auto otherForm = frame::BuildMessageWin();
  MessageWindow other{*otherForm, {mainForm, menuItem, button, {}, {}},
                      {dialogs, boxes, program, player, settings, home.Path("no such folder/")}};
  dialogs.Expect("Файл палитры цветов окна сообщений не найден"_cp, kAnswerOk);
  dialogs.Expect("Ошибка создания файла \""_cp + other.ColoursPath(), kAnswerOk);
  other.LoadColours();
  EXPECT_EQ(other.Attributes(), DefaultTextAttributes());
  EXPECT_EQ(otherForm->Get<ui::RichText>("MessageList").PlainLines(),
            (LineList{"Ошибка: Файл \"mwattrib.rtf\" палитры цветов окна сообщений не найден!"_cp}));
}

TEST_F(MessageWindowTest, MenuItemAndButtonShowAndHideTheWindowInStep) {
  menuItem.UserClick();
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(menuItem.Checked());
  EXPECT_TRUE(button.Down());

  button.UserClick();  // released: hidden
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(menuItem.Checked());
  EXPECT_FALSE(button.Down());

  button.UserClick();  // pressed: shown
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(menuItem.Checked());

  menuItem.UserClick();
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(button.Down());
}

TEST_F(MessageWindowTest, HidesTheMainWindowOffScreenAndClosingPutsItBack) {
  menuItem.UserClick();
  Click("ShowWinMode");
  EXPECT_EQ(mainForm.Left(), kHiddenMainWindowLeft);
  Click("ShowWinMode");
  EXPECT_EQ(mainForm.Left(), 120);

  Click("ShowWinMode");
  ASSERT_EQ(mainForm.Left(), kHiddenMainWindowLeft);
  EXPECT_TRUE(form->Close());
  EXPECT_EQ(mainForm.Left(), 120);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(menuItem.Checked());
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(form->Get<ui::SpeedButton>("ShowWinMode").Down());
}

TEST_F(MessageWindowTest, ResizingKeepsTheListAndButtonPanelToTheClientArea) {
  form->UserResize(800, 400);
  EXPECT_EQ(List().Width(), 794);
  EXPECT_EQ(List().Height(), 318);
  EXPECT_EQ(form->Get<ui::Panel>("ButtonPanel").Width(), 764);
}

}  // namespace
}  // namespace kmpx
