#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_snapshot.h"
#include "tests/support/fake_services.h"
#include "tests/support/recording_shell_port.h"

namespace pairing_test {

// A table whose places are simple to predict: pile i of any kind lies at x = 100 i, its
// top card at y = 10 and the next card's place at y = 30. FindCardPosition knows one card.
class FakeGeometry : public engine::IGeometry {
public:
    int CardWidth() const override { return 71; }
    int CardHeight() const override { return 96; }
    int ShadowOffset() const override { return engine::kCardShadowOffset; }
    void SetShadowOffset(int) override {}
    int DragHeight() const override { return 96; }
    void SetDragHeight(int) override {}
    engine::TableRect DragRect() const override { return {}; }
    void SetDragRects(int, int, int, int) override {}
    int TableauX(int index) const override { return 100 * index; }
    int GetTableauY(int index) const override { return 200 + index; }
    int CardX(std::string_view, int index, int, bool) const override { return 100 * index; }
    int CardY(std::string_view, int, int, bool nextCard) const override { return nextCard ? 30 : 10; }
    int PileBottomY(std::string_view) const override { return 0; }
    engine::PileHit PileAtPoint(int, int) const override { return {}; }
    bool FindCardPosition(int card, engine::TableRect& rect) const override {
        if (card != knownCard) return false;
        rect = knownPlace;
        return true;
    }
    bool SetupTable() override { return true; }

    int knownCard = 0;
    engine::TableRect knownPlace;
};

// One drawing request of the engine.
struct ViewCall {
    std::string what;
    int card = 0;
    int x = 0;
    int y = 0;
    engine::TableSurface surface = engine::TableSurface::kWindow;
    std::string pile;
    friend bool operator==(const ViewCall&, const ViewCall&) = default;
};

class RecordingView : public engine::NullTableView {
public:
    const engine::IGeometry* Geometry() const override { return &geometry; }
    void HighlightCard(engine::TableSurface surface, const engine::TableRect& rect) override {
        calls.push_back({"highlight", 0, rect.left, rect.top, surface, {}});
    }
    void RedrawPileWithoutCard(int card, bool) override { calls.push_back({"without", card, 0, 0, {}, {}}); }
    void SlideCard(int card, int fromX, int fromY, int toX, int toY, bool, bool, bool, bool) override {
        calls.push_back({"slide", card, toX, toY, {}, std::to_string(fromX) + "," + std::to_string(fromY)});
    }
    void DrawCardFace(int card, int x, int y, bool, engine::TableSurface surface, int) override {
        calls.push_back({"face", card, x, y, surface, {}});
    }
    void RestoreTableauPileCorners(int index) override { calls.push_back({"corners", 0, index, 0, {}, {}}); }
    void DrawLocation(std::string_view name, int, engine::TableSurface surface) override {
        calls.push_back({"location", 0, 0, 0, surface, std::string(name)});
    }

    std::size_t Count(const std::string& what) const {
        std::size_t n = 0;
        for (const ViewCall& call : calls) n += call.what == what ? 1 : 0;
        return n;
    }
    std::vector<ViewCall> Calls(const std::string& what) const {
        std::vector<ViewCall> found;
        for (const ViewCall& call : calls) {
            if (call.what == what) found.push_back(call);
        }
        return found;
    }

    FakeGeometry geometry;
    std::vector<ViewCall> calls;
};

// A pile text from card codes, bottom first: {9, 8} gives "009008".
inline std::string Pile(std::initializer_list<int> cards) {
    std::string text;
    for (int card : cards) text += engine::CardCodeText(card);
    return text;
}

// A fresh game with a recording table and main window.
class PlayFixture : public ::testing::Test {
protected:
    PlayFixture() : game(MakeServices()) {
        SetField(engine::fields::kSoundsEnabled, "N");
        SetField(engine::fields::kCardsShadowed, "N");
        SetField(engine::fields::kAutomaticFaceUp, "Y");
    }

    engine::Services MakeServices() {
        engine::Services services = fake.Services();
        services.tableView = &view;
        services.shellPort = &shell;
        return services;
    }

    void SetWord(int number, int value) { game.gameDef.SetWord(number, value); }
    void SetField(engine::fields::Field field, std::string_view value) {
        game.settings.SetField(field.position, field.width, value);
    }
    void SetPile(engine::PileListId list, int line, std::string text) { game.Piles().SetPile(list, line, std::move(text)); }
    const std::string& PileText(engine::PileListId list, int line) const { return game.board.piles.Pile(list, line); }
    // Every line of the board with every face flag, to compare boards exactly.
    engine::SnapshotLines Board() const {
        engine::SnapshotLines lines;
        engine::BoardToLines(game.board.piles, lines);
        return lines;
    }
    void FaceDown(int card) { game.Cards().SetCardFaceFlag(card, engine::kFaceDown); }

    test_support::FakeServices fake;
    RecordingView view;
    test_support::RecordingShellPort shell;
    engine::Game game;
};

}  // namespace pairing_test
