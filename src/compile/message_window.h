#pragma once
// The message window (TMessageWin), the program's log: every part reports
// through AddMessage. It keeps a kind entry per list line, counts messages,
// errors and warnings, colours lines by kind from the attributes file, pastes
// the tools' report files and can hide the main window off screen.
#include <functional>
#include <string>

#include "compile/message_colours.h"
#include "compile/sound_player.h"
#include "settings/shell_settings.h"
#include "text/cp1251.h"
#include "text/line_list.h"
#include "text/reporting.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menus.h"
#include "ui/standard_dialogs.h"
#include "ui/status_bar.h"
#include "ui/text_views.h"

namespace kmpx {

inline const std::string kMessageWinCaption = Utf8ToCp1251("Окно сообщений KMPX SHELL");

// Where the main window is put while the message window hides it.
inline constexpr int kHiddenMainWindowLeft = -3000;

// What the message window needs of the main window: the form itself, its menu
// item and tool button that show and hide the message window, and the lines
// of its ".log" and ".err" report panes. The handlers set the menu tick
// themselves (so the item is not auto-check); the button is a toggle (a group
// index, all up allowed).
struct MainWindowParts {
  ui::Form& form;
  ui::MenuItem& MmenuMesWin;
  ui::SpeedButton& ShowMesWinButton;
  std::function<LineList()> logPane;
  std::function<LineList()> errPane;
};

struct MessageWindowPorts {
  ui::StandardDialogs& dialogs;  // the font and colour pickers
  MessageBoxes& boxes;
  ProgramControl& program;
  SoundPlayer& player;
  const ShellSettings& settings;
  std::string programDir;  // with a trailing separator; home of the colours file
};

class MessageWindow : public MessageLog {
 public:
  // Takes the built form (BuildMessageWin) and wires its controls' events, and
  // the main window's menu item and button, to the handlers below.
  MessageWindow(ui::Form& form, MainWindowParts main, MessageWindowPorts ports);

  // The one entry point of the log. An error or warning with bringForward
  // shows the window when the options ask for it, and plays its sound before
  // returning.
  void AddMessage(const std::string& text, MessageKind kind, bool bringForward) override;

  int MessageCount() const { return messages_; }
  int ErrorCount() const { return errors_; }
  int WarningCount() const { return warnings_; }
  const TextAttributes& Attributes() const { return attributes_; }

  void ClearMessages();
  // Writes every list line as a text line. False (after the error box) when it cannot.
  bool SaveMessages(const std::string& path);

  // First activation: a missing colours file is created with the default
  // colours, with a warning box and two log lines.
  void CreateColoursIfMissing();
  // Loads the colours file; one that cannot be read back is recreated like a
  // missing one, so the window always ends with a usable palette.
  void LoadColours();
  std::string ColoursPath() const { return ports_.programDir + kColoursFileName; }

  // Handlers.
  void ClearButtonClick();
  void SetTextFontClick(ui::Control& sender);  // the sender's tag: 1 text, 2 error, 3 warning
  void SetBKcolorClick();
  void AddLogButtonClick();
  void AddErrButtonClick();
  void ShowWinModeClick();
  void FormActivate();
  void FormClose(ui::CloseAction& action);
  void FormCanResize(int& clientWidth, int& clientHeight, bool& resize);
  void MmenuMesWinClick();
  void ShowMesWinButtonClick();

 private:
  void PasteReport(const std::string& header, const std::function<LineList()>& pane);
  void ShowCounters();
  void ShowAttributes();
  void Recolour();
  void SaveAttributes();
  void RecreateColours();
  void ShowAndRaise();
  // The main window's menu tick and button follow whether this window is shown.
  void ShowVisibility();

  ui::Form& form_;
  MainWindowParts main_;
  MessageWindowPorts ports_;
  ui::RichText& list_;
  ui::Memo& kinds_;
  ui::RichText& attributePane_;
  ui::StatusBar& status_;
  ui::SpeedButton& showWinMode_;

  TextAttributes attributes_ = DefaultTextAttributes();
  int messages_ = 0;
  int errors_ = 0;
  int warnings_ = 0;
  int rememberedMainLeft_ = 0;
};

}  // namespace kmpx
