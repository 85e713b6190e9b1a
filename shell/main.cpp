// Corvanet Solitaire: the program folder is the executable's own.

#include <QApplication>

#include <filesystem>

#include "shell/dialogs/player_dialogs.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanet Solitaire"));
    shell::PlayerDialogs dialogs;
    shell::ProgramOptions options;
    options.dialogs = &dialogs;
    options.programFolder = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    shell::Program program(std::move(options));
    return program.Run();
}
