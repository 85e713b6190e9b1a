// corvanet-game-previews: the game chooser's preview of every game of GAMES.DAT, drawn by
// the table code from a real deal. For each game the table picture tool draws the dealt
// table in a window of the preview's shape; the picture is scaled down to the preview's
// size and written as GAME + the four-digit id into the bitmap folder of the generated
// resources, from which the resource library is packed.
//
//   corvanet-game-previews TABLE_PNG_TOOL PROGRAM_FOLDER GENERATED_FOLDER

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/files/game_definitions.h"
#include "engine/model/game_list.h"
#include "engine/ports/services.h"
#include "engine/model/table_object.h"
#include "platform/core/console_messages.h"
#include "platform/core/paths.h"
#include "platform/core/resource_names.h"

namespace {

namespace res = platform::resources;

constexpr int kExitDone = 0;
constexpr int kExitBadArguments = 1;
constexpr int kExitBadGamesFile = 2;
constexpr int kExitDrawingFailed = 3;
constexpr int kExitWriteFailed = 4;

// Every game is shown from the same deal, with big cards, in a window whose shape is the
// preview's (960 x 592 scales to 300 x 185 exactly).
constexpr std::string_view kPreviewGameNumber = "1000829348951";
constexpr std::string_view kPreviewCardSize = "B";
constexpr int kWindowScale = 32;  // window pixels per 10 preview pixels
constexpr int kScaleBase = 10;
constexpr int kWindowWidth = res::kPreviewWidth * kWindowScale / kScaleBase;
constexpr int kWindowHeight = res::kPreviewHeight * kWindowScale / kScaleBase;
constexpr int kDrawTimeoutMs = 60000;

constexpr std::string_view kUsage =
    "usage: corvanet-game-previews TABLE_PNG_TOOL PROGRAM_FOLDER GENERATED_FOLDER\n"
    "  TABLE_PNG_TOOL    the corvanet-table-png executable\n"
    "  PROGRAM_FOLDER    the folder that holds GAMES.DAT and QND.RGF\n"
    "  GENERATED_FOLDER  the generated resources; the previews go into its bitmap folder\n";

int Usage(std::string_view problem) {
    std::cerr << "corvanet-game-previews: " << problem << "\n" << kUsage;
    return kExitBadArguments;
}

QString Text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// The table of one game as the picture tool draws it; a null image when it could not.
QImage DrawTable(const std::filesystem::path& tool, const std::filesystem::path& folder, int gameId,
                 const std::filesystem::path& picture) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(Text(tool), {Text(folder), QString::number(gameId), QString::fromUtf8(kPreviewGameNumber.data()),
                               QString::fromUtf8(kPreviewCardSize.data()),
                               QString::number(kWindowWidth) + 'x' + QString::number(kWindowHeight), Text(picture)});
    if (!process.waitForFinished(kDrawTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return {};
    }
    return QImage(Text(picture));
}

int Run(const std::filesystem::path& tool, const std::filesystem::path& folder,
        const std::filesystem::path& generated) {
    platform::ConsoleMessages messages;
    const platform::PathResolver paths(folder);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    engine::TMainGame mainGame;
    if (!engine::LoadGameList(services, mainGame)) {
        std::cerr << "corvanet-game-previews: GAMES.DAT cannot be read in " << folder.string() << '\n';
        return kExitBadGamesFile;
    }
    const std::filesystem::path bitmaps = generated / res::FolderOf(res::ResourceKind::Bitmap);
    std::error_code error;
    std::filesystem::create_directories(bitmaps, error);
    for (const std::string& line : mainGame.GameList) {
        const std::optional<int> id = engine::GameIdOfLine(line);
        if (!id) continue;
        const std::string name = res::GamePreviewName(*id);
        const std::filesystem::path table = bitmaps / (name + ".table.png");
        const QImage picture = DrawTable(tool, folder, *id, table);
        std::filesystem::remove(table, error);
        if (picture.isNull()) {
            std::cerr << "corvanet-game-previews: the table of game " << *id << " could not be drawn\n";
            return kExitDrawingFailed;
        }
        const QImage preview = picture.scaled(res::kPreviewWidth, res::kPreviewHeight, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
        const std::filesystem::path output = bitmaps / (name + ".png");
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!preview.save(&buffer, "PNG") ||
            !platform::WriteFileAtomically(output, std::string_view(png.constData(), static_cast<std::size_t>(png.size())))) {
            std::cerr << "corvanet-game-previews: cannot write " << output.string() << '\n';
            return kExitWriteFailed;
        }
    }
    return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 4) return Usage("three arguments are needed");
    const std::filesystem::path tool = argv[1];
    const std::filesystem::path folder = argv[2];
    const std::filesystem::path generated = argv[3];
    std::error_code error;
    if (!std::filesystem::is_regular_file(tool, error)) return Usage("no such tool: " + tool.string());
    if (!std::filesystem::is_directory(folder, error)) return Usage("no such folder: " + folder.string());
    if (!std::filesystem::is_directory(generated, error)) return Usage("no such folder: " + generated.string());
    return Run(tool, folder, generated);
}
