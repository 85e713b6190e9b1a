// A maximised window that takes the pointer's moves and does nothing with them: what the
// desktop and the toolkit cost a program for each move, before the program does anything.
// bench/pointer_cpu.sh measures it beside the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty window");
    window.setMouseTracking(true);
    window.showMaximized();
    return QApplication::exec();
}
