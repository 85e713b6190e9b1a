#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Bar managers live on forms (widgets); tests run on the offscreen platform. The layout
// store's default file goes to a folder of this run only: never the user's own, never
// what another run left behind.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
