#pragma once
// Forms: the windows of the program, roots of control trees. A form shown
// modally runs through the ModalRunner port until a handler gives it a modal
// result, exactly like a dialog's own message loop.
#include <string>
#include <vector>

#include "ui/control.h"

namespace kmpx::ui {

// Modal results; the numbers are those the design compares with.
enum ModalResultCode : int {
  kModalNone = 0, kModalOk = 1, kModalCancel = 2, kModalAbort = 3,
  kModalRetry = 4, kModalIgnore = 5, kModalYes = 6, kModalNo = 7
};

enum class CloseAction { None, Hide, Free, Minimize };
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum BorderIcon : unsigned { kSystemMenu = 1, kMinimizeBox = 2, kMaximizeBox = 4, kHelpBox = 8 };
enum class FormPosition { Designed, ScreenCenter, DesktopCenter, MainFormCenter, OwnerFormCenter };
enum class WindowState { Normal, Minimized, Maximized };

class Form;

// Runs a modal form until its modal result is not kModalNone. The real one
// spins the event loop; tests answer from a script.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  virtual void RunModal(Form& form) = 0;
};

class Form : public Control {
 public:
  using CloseQueryHandler = std::function<void(Form& form, bool& canClose)>;
  using CloseHandler = std::function<void(Form& form, CloseAction& action)>;
  using DropFilesHandler = std::function<void(Form& form, const std::vector<std::string>& paths)>;
  using CanResizeHandler = std::function<void(Form& form, int& width, int& height, bool& resize)>;

  // Forms start hidden, like windows that are created and shown later.
  Form(std::string name, std::string className, std::string caption = {});
  ~Form() override;

  int ClientWidth() const { return client_width_; }
  int ClientHeight() const { return client_height_; }
  void SetClientSize(int width, int height);
  ui::BorderStyle Border() const { return border_; }
  void SetBorder(ui::BorderStyle border);
  unsigned BorderIcons() const { return border_icons_; }
  void SetBorderIcons(unsigned icons);
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition position);
  bool StayOnTop() const { return stay_on_top_; }
  void SetStayOnTop(bool on);
  ui::WindowState State() const { return window_state_; }
  void SetState(ui::WindowState state);
  // The form sees key events before its controls do.
  bool KeyPreview() const { return key_preview_; }
  void SetKeyPreview(bool on) { key_preview_ = on; }
  bool AcceptFiles() const { return accept_files_; }
  void SetAcceptFiles(bool on);

  void BringToFront() { Notify(Property::Raise); }

  // Modal showing. The runner must be set before the first ShowModal.
  void SetModalRunner(ModalRunner* runner) { runner_ = runner; }
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int result);
  bool Modal() const { return modal_; }
  // Shows the form, runs it until a modal result closes it (the close query
  // and onClose may keep it open) and returns that result.
  int ShowModal();
  // A modal form gets kModalCancel; another form asks onCloseQuery and
  // onClose and hides (or minimises). Returns whether the close went ahead;
  // for the main window that is the end of the program.
  bool Close();

  // Activation as the window system reports it; onActivate fires each time
  // the form becomes active, onDeactivate each time it stops being so.
  bool Active() const { return active_; }
  void Activate();
  void Deactivate();

  Control* ActiveControl() const { return active_control_; }
  // Moves the focus: the old control validates its entry and gets onExit,
  // then the new one gets onEnter. null leaves no control focused.
  void SetActiveControl(Control* control);

  // Runs onCreate; the code that builds and wires a form calls it once.
  void Created() { Fire(onCreate); }
  void UserDropFiles(const std::vector<std::string>& paths);
  // The user resizes the window: onCanResize may adjust or refuse.
  void UserResize(int width, int height);

  Handler onCreate;
  Handler onShow;
  Handler onHide;
  Handler onActivate;
  Handler onDeactivate;
  Handler onResize;
  CloseQueryHandler onCloseQuery;
  CloseHandler onClose;
  DropFilesHandler onDropFiles;
  CanResizeHandler onCanResize;

 protected:
  void VisibleChanged() override;

 private:
  friend class Control;
  // Enter and Escape that no control consumed: default and cancel buttons.
  bool PressDialogKey(int key, Control& source);
  bool CloseQuery();
  // The end of a modal run; false when onCloseQuery or onClose keep it open.
  bool CloseModal();

  int client_width_ = 0;
  int client_height_ = 0;
  ui::BorderStyle border_ = ui::BorderStyle::Sizeable;
  unsigned border_icons_ = kSystemMenu | kMinimizeBox | kMaximizeBox;
  FormPosition position_ = FormPosition::Designed;
  bool stay_on_top_ = false;
  ui::WindowState window_state_ = ui::WindowState::Normal;
  bool key_preview_ = false;
  bool accept_files_ = false;
  ModalRunner* runner_ = nullptr;
  int modal_result_ = kModalNone;
  bool modal_ = false;
  bool active_ = false;
  Control* active_control_ = nullptr;
};

}  // namespace kmpx::ui
