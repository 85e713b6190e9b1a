#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/rules/score.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/status_context.h"
#include "engine/ports/status_view.h"
#include "engine/model/table_object.h"
#include "tests/support/fake_services.h"
#include "tests/support/recording_shell_port.h"

namespace status_test {

// A pile text from card codes, bottom first: {9, 8} gives "009008".
inline std::string Pile(std::initializer_list<int> cards) {
    std::string text;
    for (int card : cards) text += engine::CardCodeText(card);
    return text;
}

// n cards of any kind, for piles whose size is all that matters.
inline std::string Cards(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += engine::CardCodeText(i % engine::kDeckSize + 1);
    return text;
}

struct DrawnStockImage {
    bool highlighted;
    int x;
    int y;
};

// The drawn table as the status operations use it, recording every request.
class RecordingStatusView : public engine::IStatusView {
public:
    static constexpr int kCardWidth = 71;
    static constexpr int kCardHeight = 96;

    int CardWidth() const override { return kCardWidth; }
    int CardHeight() const override { return kCardHeight; }
    void DrawEmptyStockImage(bool highlighted, int x, int y) override { stockImages.push_back({highlighted, x, y}); }
    void MoveDragImageToPointer(int x, int y) override { dragPoints.push_back({x, y}); }
    void RedrawPileSizes() override { ++pileSizeRedraws; }

    std::vector<DrawnStockImage> stockImages;
    std::vector<engine::ShellPoint> dragPoints;
    int pileSizeRedraws = 0;
};

// A fresh game state with a recording main window and table: a 52-card game without a
// score bonus, four foundations, seven tableau piles, the Vegas scoring mode on and both
// status panels switched on.
struct StatusFixture {
    StatusFixture() {
        services = fake.Services();
        services.shellPort = &shell;
        game.SetWord(engine::words::kCardCount, engine::kDeckSize);
        game.SetWord(engine::words::kFoundationCount, 4);
        game.SetWord(engine::words::kTableauCount, 7);
        SetField(engine::fields::kScoringMode, engine::kVegasScoringMode);
        SetField(engine::fields::kScore, "0");
        SetField(engine::fields::kShowTime, "Y");
        SetField(engine::fields::kShowScore, "Y");
    }

    void SetField(engine::fields::Field field, std::string_view value) {
        settings.SetField(field.position, field.width, value);
    }
    std::string Field(engine::fields::Field field) const { return settings.GetField(field.position, field.width); }
    void SetPile(engine::PileListId list, int line, std::string text) { board.piles.SetPile(list, line, std::move(text)); }
    void SetKind(int kind) { game.SetWord(engine::words::kGameKind, kind); }

    test_support::FakeServices fake;
    test_support::RecordingShellPort shell;
    RecordingStatusView view;
    engine::CardBoard board;
    engine::GameDefRecord game;
    engine::SettingsBlock settings;
    engine::TMainGame table;
    engine::Registers registers;
    engine::Services services;
    engine::StatusContext ctx{settings, game, board.piles, table, registers, services, &view};
};

}  // namespace status_test
