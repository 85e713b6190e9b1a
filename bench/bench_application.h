#pragma once

#include <QApplication>

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

}  // namespace bench
