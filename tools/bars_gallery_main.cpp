// corvanet-bars-gallery [--shot OUT.png]: shows the toolbar framework's gallery; with --shot
// it lays the gallery out, writes a picture of the whole screen and exits.
#include "tools/bars_gallery/bars_gallery.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    std::string shot;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--shot" && i + 1 < argc) shot = argv[++i];
    gallery::BarsGallery gallery;
    gallery.Show();
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
