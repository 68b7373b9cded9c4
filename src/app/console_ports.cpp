#include "app/console_ports.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define KMPX_ISATTY(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define KMPX_ISATTY(f) isatty(fileno(f))
#endif

#include "text/cp1251.h"

namespace kmpx {
namespace {

struct ButtonSet {
  const char* prompt;  // UTF-8
  int first;
  int onEndOfInput;  // the answer that changes nothing
};

ButtonSet ButtonsOf(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::YesNo: return {"[y = Да, n = Нет]", kAnswerYes, kAnswerNo};
    case BoxButtons::YesNoCancel: return {"[y = Да, n = Нет, c = Отмена]", kAnswerYes, kAnswerCancel};
    case BoxButtons::RetryCancel: return {"[r = Повтор, c = Отмена]", kAnswerRetry, kAnswerCancel};
    case BoxButtons::Ok: break;
  }
  return {"", kAnswerOk, kAnswerOk};
}

int AnswerOf(const std::string& reply, BoxButtons buttons) {
  const std::string word = Utf8ToCp1251(reply);
  if (word.empty()) return 0;
  const unsigned char c = Cp1251Lower(static_cast<unsigned char>(word[0]));
  const bool yes = c == 'y' || c == Cp1251Lower(static_cast<unsigned char>("Д"_cp[0]));
  const bool no = c == 'n' || c == Cp1251Lower(static_cast<unsigned char>("Н"_cp[0]));
  const bool cancel = c == 'c' || c == Cp1251Lower(static_cast<unsigned char>("О"_cp[0]));
  const bool retry = c == 'r' || c == Cp1251Lower(static_cast<unsigned char>("П"_cp[0]));
  switch (buttons) {
    case BoxButtons::YesNo: return yes ? kAnswerYes : no ? kAnswerNo : 0;
    case BoxButtons::YesNoCancel: return yes ? kAnswerYes : no ? kAnswerNo : cancel ? kAnswerCancel : 0;
    case BoxButtons::RetryCancel: return retry ? kAnswerRetry : cancel ? kAnswerCancel : 0;
    case BoxButtons::Ok: break;
  }
  return kAnswerOk;
}

const char* AnswerName(int answer) {
  switch (answer) {
    case kAnswerYes: return "Да";
    case kAnswerNo: return "Нет";
    case kAnswerCancel: return "Отмена";
    case kAnswerRetry: return "Повтор";
    default: return "OK";
  }
}

}  // namespace

int ConsoleDialogs::ShowMessageBox(const MessageBoxRequest& request) {
  std::cerr << "[" << Cp1251ToUtf8(request.caption) << "] " << Cp1251ToUtf8(request.text) << "\n";
  const ButtonSet set = ButtonsOf(request.buttons);
  if (request.buttons == BoxButtons::Ok) return kAnswerOk;
  if (!KMPX_ISATTY(stdin)) {
    std::cerr << "  -> " << AnswerName(set.first) << "\n";
    return set.first;
  }
  for (;;) {
    std::cerr << set.prompt << " " << std::flush;
    std::string reply;
    if (!std::getline(std::cin, reply)) {
      std::cerr << "\n  -> " << AnswerName(set.onEndOfInput) << "\n";
      return set.onEndOfInput;
    }
    if (const int answer = AnswerOf(reply, request.buttons)) return answer;
  }
}

void ConsoleLog::AddMessage(const std::string& text, MessageKind kind, bool /*bringForward*/) {
  const char* mark = kind == MessageKind::Error ? "Ошибка: " : kind == MessageKind::Warning ? "Предупреждение: " : "";
  std::cerr << mark << Cp1251ToUtf8(text) << "\n";
}

bool ConsoleRegistration::RegisterConfigFileType(const std::string& programFile) {
  std::cout << "Регистрация типа файла ksp для " << Cp1251ToUtf8(programFile) << ": только в оконном режиме\n";
  return true;
}

bool ConsoleRegistration::SetAgentAutostart(bool on, const std::string& agentFile) {
  std::cout << (on ? "Автозагрузка агента " : "Отмена автозагрузки агента ") << Cp1251ToUtf8(agentFile)
            << ": только в оконном режиме\n";
  return true;
}

}  // namespace kmpx
