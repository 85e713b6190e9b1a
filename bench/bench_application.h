#pragma once

#include <QApplication>

#include <string>

#include "platform/core/messages.h"

namespace bench {

// One application object for every benchmark of the program: the canvas needs one for its
// fonts and the main window for its widgets. Windows stay off-screen.
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "corvanet_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);
    }
}

// Messages that nobody sees; a question gets the answer the benchmark gives it.
class NoMessages : public platform::IMessages {
public:
    explicit NoMessages(bool confirmAnswer) : m_confirmAnswer(confirmAnswer) {}
    void ShowInfo(const std::string&) override {}
    bool Confirm(const std::string&, const std::string&) override { return m_confirmAnswer; }
    void ShowError(const std::string&, const std::string&) override {}
    void Beep(unsigned) override {}

private:
    bool m_confirmAnswer;
};

}  // namespace bench
