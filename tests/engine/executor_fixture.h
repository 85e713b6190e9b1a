#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/model/preference_fields.h"
#include "engine/undo/undo_snapshot.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace executor_test {

// What the executor asked the table to draw, by operation name.
class RecordingView : public engine::NullTableView {
public:
    void SlideCard(int card, int, int, int, int, bool, bool, bool, bool) override {
        calls.push_back("SlideCard");
        slid.push_back(card);
    }
    bool MoveDragImage(int, int, bool, bool) override {
        calls.push_back("MoveDragImage");
        return true;
    }
    void DrawFoundationHighlights(int) override { calls.push_back("DrawFoundationHighlights"); }
    void DrawEmptyPileMarker(int kind, int, int, engine::TableSurface, int) override {
        calls.push_back("DrawEmptyPileMarker" + std::to_string(kind));
    }
    void RepaintTable() override { calls.push_back("RepaintTable"); }

    int Count(std::string_view call) const {
        int n = 0;
        for (const std::string& c : calls) n += c == call ? 1 : 0;
        return n;
    }

    std::vector<std::string> calls;
    std::vector<int> slid;
};

// A fresh game with a recording table, main window and sound player; every sound switch
// on, so a sound played names the switch that allowed it.
class ExecutorFixture : public ::testing::Test {
protected:
    ExecutorFixture() {
        game.media.SetCardLibraryHandle(&library);
        for (const char* sound : {"Foundation", "Autoplay", "Tableau", "Eddy", "Stock", "Red_no_a", "Redeal",
                                  "Shuffle", "Pairing", "Face_up"}) {
            library.AddWave(sound, sound);
        }
        for (const engine::fields::Field field :
             {engine::fields::kSoundsEnabled, engine::fields::kSoundsTableau, engine::fields::kSoundsFoundation,
              engine::fields::kSoundsAutoplay, engine::fields::kSoundsStock, engine::fields::kSoundsRedeal,
              engine::fields::kSoundsRedealWithoutAnimation, engine::fields::kSoundsShuffle,
              engine::fields::kSoundsPairing}) {
            SetField(field, "Y");
        }
        SetField(engine::fields::kCardsAnimate, "Y");
        SetField(engine::fields::kRedealAnimation, "Y");
        Word(engine::words::kTableauCount, 7);
        Word(engine::words::kFoundationCount, 4);
        Word(engine::words::kReserveCount, 4);
        Word(engine::words::kCardsPerStockPress, 1);
        game.registers.SetFlag(engine::flag::kGameInProgress, 1);
        // The first action has been made: the one-time rules stay out of the way.
        game.mainGame.ActionCount = 2;
    }

    engine::Services MakeServices() {
        engine::Services services = fake.Services();
        services.tableView = &view;
        services.shellPort = &shell;
        services.sound = &sound;
        return services;
    }

    void Word(int number, int value) { game.gameDef.SetWord(number, value); }
    void WordAt(engine::GameWordRun run, int i, int value) { game.gameDef.SetAt(run, i, value); }
    void SetField(const engine::fields::Field& field, std::string_view value) {
        game.settings.SetField(field.position, field.width, value);
    }

    // A pile of face-up cards, bottom first; 0 writes a blank slot.
    void Set(engine::PileListId list, int line, std::initializer_list<int> cards) {
        std::string text;
        for (const int card : cards) {
            text += engine::CardCodeText(card);
            game.Cards().SetCardFaceFlag(card, engine::kFaceUp);
        }
        game.board.piles.SetPile(list, line, text);
    }
    void FaceDown(int card) { game.Cards().SetCardFaceFlag(card, engine::kFaceDown); }

    const std::string& Pile(engine::PileListId list, int line) const { return game.board.piles.Pile(list, line); }
    static std::string Codes(std::initializer_list<int> cards) {
        std::string text;
        for (const int card : cards) text += engine::CardCodeText(card);
        return text;
    }

    // The whole board with every face flag, to compare boards exactly.
    engine::SnapshotLines Board() const {
        engine::SnapshotLines lines;
        engine::BoardToLines(game.board.piles, lines);
        return lines;
    }

    bool Run(int card, std::string_view action) { return engine::ExecuteAction(game, card, action); }

    std::vector<std::string> Sounds() const {
        std::vector<std::string> played;
        for (const auto& event : sound.Events()) {
            if (event.kind == test_support::SoundEvent::Kind::Play) played.push_back(event.data);
        }
        return played;
    }

    int UndoSteps() const { return game.undo.UndoStepCount(); }
    int RedoSteps() const { return game.undo.RedoStepCount(); }

    test_support::FakeServices fake;
    RecordingView view;
    test_support::RecordingShellPort shell;
    test_support::RecordingSoundPlayer sound;
    test_support::FakeResourceLibrary library;
    engine::Game game{MakeServices()};
};

}  // namespace executor_test
