#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/pile_names.h"

namespace engine {

class GameDefRecord;
class PileStore;

// Places off the table. A pile whose x is kAbsentPileX or less is not on the table; each
// kind has its own marker, so a position equal to it says the game has no such pile.
inline constexpr std::int16_t kAbsentPileX = -10000;  // the stock row
inline constexpr std::int16_t kAbsentFoundationX = -10001;
inline constexpr std::int16_t kAbsentTableauX = -10002;
inline constexpr std::int16_t kAbsentReserveX = -10003;

constexpr bool IsPileOnTable(int x) {
    return x > kAbsentPileX;
}

// JokerCaptionKey when no joker caption is on show (65535 as the 16-bit word holds it).
inline constexpr std::int16_t kNoJokerCaption = -1;

struct Point16 {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// The table object: where the foundations, reserves and stock-row piles lie, the game
// list, and the state words that the engine, the table and the shell share. One per run.
//
// The state words are plain public fields under the names the rest of the program uses
// for them; the positions go through the getters, which hide the scroll offset.
class TMainGame {
public:
    // Every pile absent, every state word 0, the two lists created empty.
    TMainGame();

    // Frees the two lists.
    void Done();

    // Positions. An index outside the pile kind reads the kind's absent marker and is
    // not written. Setters store exactly what they are given; the y getters subtract
    // TableTopOffset.
    int GetStockX(int index) const;
    int GetStockY(int index) const;
    void SetStockX(int index, std::int16_t value);
    void SetStockY(int index, std::int16_t value);
    int GetFoundationX(int index) const;
    int GetFoundationY(int index) const;
    void SetFoundationX(int index, std::int16_t value);
    void SetFoundationY(int index, std::int16_t value);
    int GetReserveX(int index) const;
    int GetReserveY(int index) const;
    void SetReserveX(int index, std::int16_t value);
    void SetReserveY(int index, std::int16_t value);

    // The top card of "Mazzo", "Mazzo_Vis", or "Dest", "Fila", "Appogg" with the pile's
    // number; 0 for an empty pile or any other name.
    int TopCardOfPile(const PileStore& piles, std::string_view name) const;
    // True when the card tops one of the game's tableau piles.
    bool IsTopOfSomeTableau(const PileStore& piles, const GameDefRecord& gameDef, int card) const;

    // The game list's index of a game (-1 when none, or for customized games), and its
    // name (empty then).
    int GetGameIndex(int gameId) const;
    std::string GetGameName(int gameId) const;

    // Fan steps of the card places, set by the table setup.
    std::int16_t FaceUpStepY = 0;
    std::int16_t FaceUpStepX = 0;
    std::int16_t FaceDownStepY = 0;
    std::int16_t FaceDownStepX = 0;
    // 1: close the main window once the current game has ended.
    std::int16_t CloseRequested = 0;
    std::int16_t SideBySideGap = 0;
    // Redeals of the current game, against the game's PassLimit.
    std::int16_t RedealCount = 0;
    // 0 not yet handled, 1 handled, 2 set at start-up (the next game treats it as 0).
    std::int16_t SmallScreenHandled = 0;
    std::int16_t FanMode5Step = 0;
    // 1 once the pointer moved while cards are lifted.
    std::int16_t DragMoved = 0;
    std::int16_t Advice640Shown = 0;
    std::int16_t FanMode6Step = 0;
    std::int16_t FanMode6DownStep = 0;
    // The last table press that got past the gate.
    Point16 PressPoint;
    // 1 while the lit image of an empty stock is shown.
    std::int16_t StockHighlightShown = 0;
    // The table's vertical scroll offset when the piles were laid out.
    std::int16_t TableTopOffset = 0;
    // Actions done in the current game, counted up to 2.
    std::int16_t ActionCount = 0;
    // The lifted or sliding card (the lowest of a lifted stack); 0 none.
    std::int16_t LiftedCard = 0;
    // The top card of the stack being moved; 0 none.
    std::int16_t LiftedTopCard = 0;
    // The last mouse move over the table during a game.
    Point16 MovePoint;
    std::int16_t Advice800Shown = 0;
    // The joker whose caption is on show; kNoJokerCaption for none.
    std::int16_t JokerCaptionKey = 0;
    // Preference HighLights_Foundations_Mark; not 0: foundation marks are drawn.
    std::int16_t FoundationMarkStyle = 0;
    // Settings Random_Game_Type.
    std::int16_t RandomGameType = 0;
    // Preference AutoPlay_All_Games: 1 one setting for all games, 2 one per game.
    std::int16_t AutoplaySaveMode = 0;
    // Where the drag image was last drawn.
    Point16 DragImagePos;
    // Settings Games_Fast_Search_Type.
    std::int16_t FastSearchType = 0;
    // Base places of the stock, the waste and the third stock-row pile before the
    // thickness shift.
    struct StockBasePlaces {
        std::array<std::int16_t, kMazzoLineCount> x{};
        std::array<std::int16_t, kMazzoLineCount> y{};
    } StockBase;

    // The game list: the [Sect1] lines of GAMES.DAT, unshifted, in file order.
    std::vector<std::string> GameList;
    // Created and freed with the object; nothing reads it.
    std::vector<std::string> SecondList;

private:
    struct Places {
        Places(int count, std::int16_t absent);
        int X(int index) const;
        int Y(int index) const;
        void SetX(int index, std::int16_t value);
        void SetY(int index, std::int16_t value);

        std::int16_t absent;
        std::vector<std::int16_t> x;
        std::vector<std::int16_t> y;
    };

    Places m_stock{kMazzoLineCount, kAbsentPileX};
    Places m_foundations{kDestLineCount, kAbsentFoundationX};
    Places m_reserves{kAppoggLineCount, kAbsentReserveX};
};

}  // namespace engine
