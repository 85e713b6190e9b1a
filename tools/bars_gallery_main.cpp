// corvanet-bars-gallery [--animation none|random|unfold|slide] [--menu PATH] [--layout FILE]
// [--shot OUT.png]: --layout keeps the arrangement in an INI file of its own (by default
// bars-gallery-layout.ini in the user's configuration folder; "" keeps none);
// shows the toolbar framework's gallery; --menu opens a menu of the menu bar ("Game", or
// "Game/Recent games" for a sub-menu) with the given opening animation; with --shot it lays
// the gallery out, writes a picture of the whole screen and exits.
#include "tools/bars_gallery/bars_gallery.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::string shot, menu, animation = "none";
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    std::string layout = config.isEmpty() ? std::string() : (config + "/bars-gallery-layout.ini").toStdString();
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--shot") shot = argv[++i];
        else if (option == "--menu") menu = argv[++i];
        else if (option == "--animation") animation = argv[++i];
        else if (option == "--layout") layout = argv[++i];
    }
    const std::map<std::string, bars::TcbBarMenuAnimations> animations{
        {"none", bars::maNone}, {"random", bars::maRandom}, {"unfold", bars::maUnfold}, {"slide", bars::maSlide}};
    if (!animations.contains(animation)) {
        std::fprintf(stderr, "corvanet-bars-gallery: unknown animation %s\n", animation.c_str());
        return 2;
    }
    // A picture shows the gallery as built, whatever a user left in the layout.
    gallery::BarsGallery gallery(shot.empty() ? layout : std::string());
    gallery.SetMenuAnimations(animations.at(animation));
    gallery.Show();
    if (!menu.empty() && !gallery.OpenMenu(menu)) {
        std::fprintf(stderr, "corvanet-bars-gallery: no menu %s\n", menu.c_str());
        return 2;
    }
    if (shot.empty()) return QApplication::exec();
    QTimer::singleShot(300, [&] {
        QImage picture;
        if (QScreen* screen = QGuiApplication::primaryScreen(); screen && QGuiApplication::platformName() == "xcb")
            picture = screen->grabWindow(0).toImage();
        if (picture.isNull()) picture = gallery.Picture();
        if (!picture.save(QString::fromStdString(shot))) {
            std::fprintf(stderr, "corvanet-bars-gallery: cannot write %s\n", shot.c_str());
            QApplication::exit(1);
            return;
        }
        QApplication::exit(0);
    });
    return QApplication::exec();
}
