#include "ui/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/cp1251.h"
#include "ui/buttons.h"
#include "ui/scripted_modal_runner.h"
#include "ui/text_fields.h"

namespace kmpx::ui {
namespace {

// A small password dialog: OK closes only when both fields agree.
struct PasswordDialog {
  Form form{"PasswordWin", "TPasswordWin", "Временная блокировка доступа к KMPX SHELL"_cp};
  TextField& password = form.Add<TextField>("PasswordEdit");
  TextField& repeat = form.Add<TextField>("PasswordReedit");
  Button& set = form.Add<Button>("ButtonSet", "Установить"_cp);
  Button& cancel = form.Add<Button>("ButtonCancel", "Отмена"_cp);
  int mismatches = 0;

  explicit PasswordDialog(ModalRunner& runner) {
    form.SetModalRunner(&runner);
    set.SetModalResult(kModalOk);
    cancel.SetModalResult(kModalCancel);
    cancel.SetCancel(true);
    set.onClick = [this](Control&) {
      if (password.Text() != repeat.Text()) {
        ++mismatches;
        form.SetModalResult(kModalNone);
      }
    };
  }
};

TEST(Form, ShowModalReturnsTheResultAHandlerGave) {
  ScriptedModalRunner runner;
  PasswordDialog dialog(runner);
  std::vector<std::string> events;
  dialog.form.onShow = [&](Control&) { events.push_back("show"); };
  dialog.form.onActivate = [&](Control&) { events.push_back("activate"); };
  dialog.form.onClose = [&](Form&, CloseAction&) { events.push_back("close"); };
  dialog.form.onHide = [&](Control&) { events.push_back("hide"); };
  runner.Expect("PasswordWin", [&](Form&) {
    dialog.password.UserSetText("Secret");
    dialog.repeat.UserSetText("secret");
    dialog.set.UserClick();  // differs in letter case: stays open
  });
  runner.Expect("PasswordWin", [&](Form&) {
    dialog.repeat.UserSetText("Secret");
    dialog.set.UserClick();
  });

  EXPECT_FALSE(dialog.form.Visible());
  EXPECT_EQ(dialog.form.ShowModal(), kModalOk);
  EXPECT_EQ(dialog.mismatches, 1);
  EXPECT_FALSE(dialog.form.Visible());
  EXPECT_FALSE(dialog.form.Modal());
  EXPECT_TRUE(runner.AllDone());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "activate", "close", "hide"}));

  runner.Expect("passwordwin", [&](Form& f) { f.Get<Button>("ButtonCancel").UserKeyDown(keys::kEscape, kNoShift); });
  EXPECT_EQ(dialog.form.ShowModal(), kModalCancel);  // fields keep their text for the next time
  EXPECT_EQ(dialog.password.Text(), "Secret");
}

TEST(Form, CloseQueryAndCloseActionCanKeepAModalFormOpen) {
  ScriptedModalRunner runner;
  Form form("EnterPasswordWin", "TEnterPasswordWin");
  form.SetModalRunner(&runner);
  int queries = 0;
  form.onCloseQuery = [&](Form&, bool& canClose) { canClose = ++queries > 1; };
  form.onClose = [&](Form&, CloseAction& action) {
    if (queries == 2) action = CloseAction::None;
  };
  runner.ExpectResult("EnterPasswordWin", kModalOk);  // refused by the close query
  runner.ExpectResult("EnterPasswordWin", kModalOk);  // refused by onClose
  runner.Expect("EnterPasswordWin", [](Form& f) { f.Close(); });
  EXPECT_EQ(form.ShowModal(), kModalCancel);  // closing a modal form cancels it
  EXPECT_EQ(queries, 3);
}

TEST(Form, ModalFormsNest) {
  ScriptedModalRunner runner;
  Form main("KSWin", "TKSWin");
  Form about("AboutWin", "TAboutWin");
  main.SetModalRunner(&runner);
  about.SetModalRunner(&runner);
  auto& open = main.Add<Button>("About");
  open.onClick = [&](Control&) { about.ShowModal(); };
  runner.Expect("KSWin", [&](Form&) {
    open.UserClick();
    main.SetModalResult(kModalOk);
  });
  runner.ExpectResult("AboutWin", kModalCancel);
  EXPECT_EQ(main.ShowModal(), kModalOk);
  EXPECT_EQ(runner.shown, (std::vector<std::string>{"KSWin", "AboutWin"}));
}

TEST(ScriptedModalRunner, ReportsFormsNobodyScriptedAndFormsLeftOpen) {
  ScriptedModalRunner runner;
  std::vector<std::string> failures;
  runner.onFailure = [&](const std::string& message) { failures.push_back(message); };
  Form form("StartupWin", "TStartupWin");
  form.SetModalRunner(&runner);
  EXPECT_EQ(form.ShowModal(), kModalCancel);
  runner.Expect("StartupWin", [](Form&) {});
  EXPECT_EQ(form.ShowModal(), kModalCancel);
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_NE(failures[0].find("Unexpected modal form StartupWin"), std::string::npos);
  EXPECT_NE(failures[1].find("left open"), std::string::npos);

  runner.onFailure = nullptr;  // by default a failure is an exception
  EXPECT_THROW(form.ShowModal(), std::logic_error);
  EXPECT_FALSE(form.Modal());
  Form noRunner("X", "TX");
  EXPECT_THROW(noRunner.ShowModal(), std::logic_error);
}

TEST(Form, CloseOfAModelessFormAsksAndHides) {
  struct Case {
    bool canClose;
    CloseAction action;
    bool closed;
    bool visibleAfter;
    WindowState state;
  };
  const Case cases[] = {
      {true, CloseAction::Hide, true, false, WindowState::Normal},
      {false, CloseAction::Hide, false, true, WindowState::Normal},
      {true, CloseAction::None, false, true, WindowState::Normal},
      {true, CloseAction::Minimize, true, true, WindowState::Minimized},
  };
  for (const auto& c : cases) {
    Form form("MessageWin", "TMessageWin");
    form.Show();
    form.onCloseQuery = [&](Form&, bool& canClose) { canClose = c.canClose; };
    form.onClose = [&](Form&, CloseAction& action) { action = c.action; };
    EXPECT_EQ(form.Close(), c.closed);
    EXPECT_EQ(form.Visible(), c.visibleAfter);
    EXPECT_EQ(form.State(), c.state);
  }
}

TEST(Form, ActivationRunsOnEachBecomingActive) {
  Form form("KSWin", "TKSWin");
  int activations = 0;
  form.onActivate = [&](Control&) { ++activations; };
  form.Show();
  form.Activate();
  form.Activate();
  form.Deactivate();
  form.Activate();
  EXPECT_EQ(activations, 2);
}

TEST(Form, DroppedFilesReachOnlyAFormThatAcceptsThem) {
  Form form("KSWin", "TKSWin");
  std::vector<std::string> dropped;
  form.onDropFiles = [&](Form&, const std::vector<std::string>& paths) { dropped = paths; };
  form.UserDropFiles({"C:\\maps\\test.map"});
  EXPECT_TRUE(dropped.empty());
  form.SetAcceptFiles(true);
  form.UserDropFiles({"C:\\maps\\test.map", "D:\\Tools\\Q\\qcsg.exe"});
  EXPECT_EQ(dropped.size(), 2u);
}

}  // namespace
}  // namespace kmpx::ui
