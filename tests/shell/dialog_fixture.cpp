#include "tests/shell/dialog_fixture.h"

#include <QBuffer>

#include <algorithm>

#include "engine/files/game_definitions.h"
#include "engine/files/preference_file.h"
#include "engine/model/game_words.h"

namespace shell_test {

namespace {

std::string PngData(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

engine::Services ServicesOf(test_support::FakeServices& fake, test_support::RecordingShellPort& shellPort,
                            test_support::RecordingSoundPlayer& sound, test_support::FakeResourceLibrary& library,
                            RecordingHelp& help) {
    engine::Services services = fake.Services();
    services.shellPort = &shellPort;
    services.sound = &sound;
    services.resources = &library;
    services.help = &help;
    return services;
}

}  // namespace

void RecordingDialogHost::SetToolbarLarge(bool large, bool save) {
    calls.push_back(std::string("SetToolbarLarge ") + (large ? "Y" : "N") + (save ? " save" : ""));
}

void RecordingDialogHost::SetToolbarFlat(bool flat, bool save) {
    calls.push_back(std::string("SetToolbarFlat ") + (flat ? "Y" : "N") + (save ? " save" : ""));
}

void RecordingDialogHost::RefreshTableLook() {
    calls.push_back("RefreshTableLook");
    if (onRefresh) onRefresh();
}

bool RecordingDialogHost::Called(std::string_view call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

DialogTest::DialogTest()
    : game(ServicesOf(fake, shellPort, sound, library, help)), bitmaps(library, fake.Paths(), {}) {
    game.media.SetCardLibraryHandle(&library);
    game.settings.InitSettingsBlock(fake.Paths().ProgramFolderText());
    WritePreferences("");
}

void DialogTest::UseGames(const std::vector<engine::GameColumn>& games) {
    fake.Folder().WriteFile("GAMES.DAT", engine::EncodeGamesFile(games));
    ASSERT_TRUE(engine::LoadGameList(game.services, game.mainGame));
}

void DialogTest::SetField(engine::fields::Field field, std::string_view value) {
    game.settings.SetField(field.position, field.width, value);
}

std::string DialogTest::Field(engine::fields::Field field) const {
    return game.settings.GetField(field.position, field.width);
}

std::string DialogTest::Preference(std::string_view section, std::string_view key) const {
    return engine::PreferenceFile(fake.Paths()).ReadString(section, key, "(none)");
}

void DialogTest::WritePreferences(std::string_view text) { fake.Folder().WriteFile("DATA/CFG.DAT", text); }

void DialogTest::AnswerModal(std::function<void(platform::Form&)> player, int result) {
    app.SetShowHook([player = std::move(player), result](platform::Form& form) {
        if (player) player(form);
        return result;
    });
}

void DialogTest::AddPicture(std::string_view name, const QImage& image) { library.AddBitmap(name, PngData(image)); }

QImage SolidImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

engine::GameColumn ChooserGame(int id, std::string name, int typeCode) {
    namespace w = engine::words;
    engine::GameColumn column;
    column.id = id;
    column.name = std::move(name);
    column.typeCode = typeCode;
    column.words[w::kCardCount] = 52;
    column.words[w::kPassLimit] = 1;
    column.words[w::kChooserGameTime] = 1;
    column.words[w::kChooserDifficulty] = 2;
    column.words[w::kChooserSkill] = 3;
    column.words[w::kChooserChance] = 0;
    column.words[w::kChooserOddsWins] = 9;
    column.words[w::kChooserOddsGames] = 10;
    return column;
}

}  // namespace shell_test
