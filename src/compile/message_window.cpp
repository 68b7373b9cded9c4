#include "compile/message_window.h"

#include "compile/event_sounds.h"
#include "text/text_file.h"

namespace kmpx {
namespace {

const std::string& KindPrefix(MessageKind kind) {
  static const std::string none;
  static const std::string error = "Ошибка: "_cp;
  static const std::string warning = "Предупреждение: "_cp;
  switch (kind) {
    case MessageKind::Error:
      return error;
    case MessageKind::Warning:
      return warning;
    case MessageKind::Message:
      break;
  }
  return none;
}

// A kind entry as the list stores it ("1", "2", "3"); anything else reads as a message.
MessageKind KindOfEntry(const std::string& entry) {
  if (entry == "2") return MessageKind::Error;
  if (entry == "3") return MessageKind::Warning;
  return MessageKind::Message;
}

std::string CreateFailedText(const std::string& path) { return "Ошибка создания файла "_cp + "\"" + path + "\"."; }

}  // namespace

MessageWindow::MessageWindow(ui::Form& form, MainWindowParts main, MessageWindowPorts ports)
    : form_(form),
      main_(std::move(main)),
      ports_(std::move(ports)),
      list_(form.Get<ui::RichText>("MessageList")),
      kinds_(form.Get<ui::Memo>("MessageTypeList")),
      attributePane_(form.Get<ui::RichText>("TextAttributes")),
      status_(form.Get<ui::StatusBar>("StatusBar")),
      showWinMode_(form.Get<ui::SpeedButton>("ShowWinMode")) {
  form.Get<ui::SpeedButton>("ClearButton").onClick = [this](ui::Control&) { ClearButtonClick(); };
  for (const char* name : {"SetTextFont", "SetErrorFont", "SetWarningFont"})
    form.Get<ui::SpeedButton>(name).onClick = [this](ui::Control& sender) { SetTextFontClick(sender); };
  form.Get<ui::SpeedButton>("SetBKcolor").onClick = [this](ui::Control&) { SetBKcolorClick(); };
  form.Get<ui::SpeedButton>("AddLogButton").onClick = [this](ui::Control&) { AddLogButtonClick(); };
  form.Get<ui::SpeedButton>("AddErrButton").onClick = [this](ui::Control&) { AddErrButtonClick(); };
  showWinMode_.onClick = [this](ui::Control&) { ShowWinModeClick(); };
  form.onActivate = [this](ui::Control&) { FormActivate(); };
  form.onClose = [this](ui::Form&, ui::CloseAction& action) { FormClose(action); };
  form.onCanResize = [this](ui::Form&, int& width, int& height, bool& resize) { FormCanResize(width, height, resize); };
  main_.MmenuMesWin.onClick = [this](ui::Control&) { MmenuMesWinClick(); };
  main_.ShowMesWinButton.onClick = [this](ui::Control&) { ShowMesWinButtonClick(); };

  // What creating the window does: counters shown at 0, the designed layout.
  ShowCounters();
  ShowAttributes();
  int width = form.ClientWidth();
  int height = form.ClientHeight();
  bool resize = true;
  FormCanResize(width, height, resize);
}

void MessageWindow::AddMessage(const std::string& text, MessageKind kind, bool bringForward) {
  const int added = list_.AddText(KindPrefix(kind) + text, attributes_.For(kind));
  const std::string entry = std::to_string(static_cast<int>(kind));
  for (int i = 0; i < added; ++i) kinds_.AddLine(entry);

  ++messages_;
  status_.SetPanelText(0, " Сообщений: "_cp + std::to_string(messages_));

  if (kind != MessageKind::Message && bringForward && ports_.settings.ConfirmOn(5)) ShowAndRaise();

  // The sound plays to its end before the caller goes on, as designed.
  if (kind == MessageKind::Error) {
    PlayEventSound(ports_.settings.Ini, ports_.player, "SOUND0");
    ++errors_;
    status_.SetPanelText(1, " Ошибок: "_cp + std::to_string(errors_));
  } else if (kind == MessageKind::Warning) {
    PlayEventSound(ports_.settings.Ini, ports_.player, "SOUND1");
    ++warnings_;
    status_.SetPanelText(2, " Предупреждений: "_cp + std::to_string(warnings_));
  }
}

void MessageWindow::ShowCounters() {
  status_.SetPanelText(0, " Сообщений: "_cp + std::to_string(messages_));
  status_.SetPanelText(1, " Ошибок: "_cp + std::to_string(errors_));
  status_.SetPanelText(2, " Предупреждений: "_cp + std::to_string(warnings_));
}

void MessageWindow::ClearMessages() {
  list_.Clear();
  kinds_.Clear();
  messages_ = errors_ = warnings_ = 0;
  ShowCounters();
}

void MessageWindow::ClearButtonClick() {
  if (list_.LineCount() == 0) return;
  if (ports_.boxes.AskBox("Очистить список сообщений?"_cp, form_.Caption(), BoxButtons::YesNo, BoxIcon::Question) ==
      kAnswerYes)
    ClearMessages();
}

bool MessageWindow::SaveMessages(const std::string& path) {
  Reporting report{ports_.boxes, *this, ports_.program};
  return SaveLines(list_.PlainLines(), path, false, report);
}

// The hidden pane mirrors the attributes as the four lines of the colours file.
void MessageWindow::ShowAttributes() {
  attributePane_.Clear();
  ui::TextFormat background = PaneFont();
  background.color = attributes_.background;
  attributePane_.AddLine("Background", background);
  attributePane_.AddLine("Text", attributes_.text);
  attributePane_.AddLine("Error", attributes_.error);
  attributePane_.AddLine("Warning", attributes_.warning);
}

void MessageWindow::Recolour() {
  for (int i = 0; i < list_.LineCount() && i < kinds_.Lines().Count(); ++i)
    list_.SetLineFormat(i, attributes_.For(KindOfEntry(kinds_.Lines().Get(i))));
}

void MessageWindow::SaveAttributes() {
  if (!SaveColours(attributes_, ColoursPath())) ports_.boxes.ErrorBox(CreateFailedText(ColoursPath()));
}

void MessageWindow::SetTextFontClick(ui::Control& sender) {
  const int tag = sender.Tag();
  if (tag < 1 || tag > 3) return;
  const auto kind = static_cast<MessageKind>(tag);
  const auto chosen = ports_.dialogs.PickFont(attributes_.For(kind));
  if (!chosen) return;
  attributes_.For(kind) = *chosen;
  ShowAttributes();
  SaveAttributes();
  Recolour();
}

void MessageWindow::SetBKcolorClick() {
  const auto chosen = ports_.dialogs.PickColor(attributes_.background);
  if (!chosen) return;
  attributes_.background = *chosen;
  ShowAttributes();
  list_.SetBackground(*chosen);
  SaveAttributes();
}

void MessageWindow::FormActivate() { list_.SetBackground(attributes_.background); }

void MessageWindow::RecreateColours() {
  ports_.boxes.WarningBox("Файл палитры цветов окна сообщений не найден, он будет создан автоматически!"_cp);
  attributes_ = DefaultTextAttributes();
  ShowAttributes();
  const bool created = CreateDefaultColours(ColoursPath());
  Error("Файл \"mwattrib.rtf\" палитры цветов окна сообщений не найден!"_cp);
  // Claim the file only when it was written.
  if (created)
    Message("Файл \"mwattrib.rtf\" палитры цветов окна сообщений создан"_cp);
  else
    ports_.boxes.ErrorBox(CreateFailedText(ColoursPath()));
}

void MessageWindow::CreateColoursIfMissing() {
  if (!FileExists(ColoursPath())) RecreateColours();
}

void MessageWindow::LoadColours() {
  if (const auto loaded = kmpx::LoadColours(ColoursPath())) {
    attributes_ = *loaded;
    ShowAttributes();
  } else {
    RecreateColours();
  }
  list_.SetBackground(attributes_.background);
  Recolour();
}

void MessageWindow::PasteReport(const std::string& header, const std::function<LineList()>& pane) {
  const std::string stars(512, '*');
  Message(stars);
  Message(header);
  Message(stars);
  if (pane)
    for (const std::string& line : pane()) Message(line);
  Message(stars);
}

void MessageWindow::AddLogButtonClick() {
  PasteReport("ТЕКСТ ФАЙЛА ОТЧЕТА КОМПИЛЯЦИИ (.log):"_cp, main_.logPane);
}

void MessageWindow::AddErrButtonClick() {
  PasteReport("ТЕКСТ ФАЙЛА ОТЧЕТА ОБ ОШИБКАХ КОМПИЛЯЦИИ (.err):"_cp, main_.errPane);
}

void MessageWindow::ShowWinModeClick() {
  if (showWinMode_.Down()) {
    rememberedMainLeft_ = main_.form.Left();
    main_.form.SetLeft(kHiddenMainWindowLeft);
  } else {
    main_.form.SetLeft(rememberedMainLeft_);
  }
}

void MessageWindow::FormClose(ui::CloseAction& /*action*/) {
  if (main_.form.Left() == kHiddenMainWindowLeft) main_.form.SetLeft(rememberedMainLeft_);
  // The button would otherwise stay down over a main window that is back.
  showWinMode_.SetDown(false);
  main_.MmenuMesWin.SetChecked(true);
  MmenuMesWinClick();
}

void MessageWindow::FormCanResize(int& clientWidth, int& clientHeight, bool& /*resize*/) {
  list_.SetSize(clientWidth - 6, clientHeight - 82);
  auto& panel = form_.Get<ui::Panel>("ButtonPanel");
  panel.SetSize(clientWidth - 36, panel.Height());
  showWinMode_.SetLeft(clientWidth - 32);
}

void MessageWindow::ShowVisibility() {
  main_.MmenuMesWin.SetChecked(form_.Visible());
  main_.ShowMesWinButton.SetDown(form_.Visible());
}

void MessageWindow::ShowAndRaise() {
  form_.Show();
  form_.BringToFront();
  ShowVisibility();
}

void MessageWindow::MmenuMesWinClick() {
  main_.MmenuMesWin.SetChecked(!main_.MmenuMesWin.Checked());
  if (main_.MmenuMesWin.Checked()) {
    ShowAndRaise();
  } else {
    form_.Hide();
    ShowVisibility();
  }
}

void MessageWindow::ShowMesWinButtonClick() {
  // The handler toggles the tick, so start from the opposite of the button.
  main_.MmenuMesWin.SetChecked(!main_.ShowMesWinButton.Down());
  MmenuMesWinClick();
}

}  // namespace kmpx
