#include "frame/forms/message_form.h"

#include "compile/message_window.h"
#include "text/cp1251.h"
#include "ui/controls.h"

namespace kmpx::frame {
namespace {

constexpr int kButtonSize = 25;

ui::SpeedButton& AddToolButton(ui::Control& parent, const char* name, int left, std::string hint, int tag = 0) {
  auto& button = parent.Add<ui::SpeedButton>(name);
  button.SetBounds(left, 2, kButtonSize, kButtonSize);
  button.SetFlat(true);
  button.SetGlyph(name);
  button.SetHint(std::move(hint));
  button.SetTag(tag);
  return button;
}

ui::CheckBox& AddAutoShowBox(ui::Control& parent, const char* name, int left) {
  auto& box = parent.Add<ui::CheckBox>(name, "Вставлять файл отчета автоматически по завершение компиляции"_cp);
  box.SetBounds(left, 29, 280, 17);
  box.SetHint("Вставлять файл отчета автоматически по завершение компиляции"_cp);
  return box;
}

}  // namespace

std::unique_ptr<ui::Form> BuildMessageWin() {
  auto form = std::make_unique<ui::Form>("MessageWin", "TMessageWin", kMessageWinCaption);
  form->SetStayOnTop(true);
  form->SetBorder(ui::BorderStyle::SizeToolWin);
  form->SetBounds(200, 400, 650, 330);
  form->SetClientSize(642, 300);

  auto& toolBar = form->Add<ui::ToolBar>("ToolBar");
  toolBar.SetAlignment(ui::Align::Top);
  toolBar.SetBounds(0, 0, 642, 50);

  // The button panel takes the bar's width less the corner of ShowWinMode.
  auto& panel = toolBar.Add<ui::Panel>("ButtonPanel");
  panel.SetBounds(0, 0, 606, 50);
  AddToolButton(panel, "ClearButton", 2, "Очистить список сообщений"_cp);
  AddToolButton(panel, "SetTextFont", 35, "Шрифт и цвет сообщений"_cp, 1);
  AddToolButton(panel, "SetErrorFont", 60, "Шрифт и цвет ошибок"_cp, 2);
  AddToolButton(panel, "SetWarningFont", 85, "Шрифт и цвет предупреждений"_cp, 3);
  AddToolButton(panel, "SetBKcolor", 110, "Цвет фона окна сообщений"_cp);
  AddToolButton(panel, "AddLogButton", 143, "Вставить файл отчета компиляции (.log)"_cp);
  AddAutoShowBox(panel, "LOGAutoShow", 2);
  AddToolButton(panel, "AddErrButton", 290, "Вставить файл отчета об ошибках компиляции (.err)"_cp);
  AddAutoShowBox(panel, "ERRAutoShow", 290);

  auto& showWinMode = AddToolButton(toolBar, "ShowWinMode", 610, "Скрыть/показать главное окно оболочки"_cp);
  showWinMode.SetGroupIndex(1);
  showWinMode.SetAllowAllUp(true);

  auto& list = form->Add<ui::RichText>("MessageList");
  list.SetBounds(3, 53, 636, 218);
  list.SetReadOnly(true);
  list.SetWordWrap(false);
  list.SetScrolling(ui::ScrollBars::Both);

  // Hidden holders: the kind of every list line, and the four attribute lines.
  auto& kinds = form->Add<ui::Memo>("MessageTypeList");
  kinds.SetVisible(false);
  auto& attributes = form->Add<ui::RichText>("TextAttributes");
  attributes.SetVisible(false);

  auto& status = form->Add<ui::StatusBar>("StatusBar");
  status.SetAlignment(ui::Align::Bottom);
  status.SetBounds(0, 281, 642, 19);
  for (const int width : {120, 100, 150, 175, 50}) status.AddPanel(width);
  return form;
}

}  // namespace kmpx::frame
