#include <QCoreApplication>
#include <QMouseEvent>

#include <algorithm>
#include <filesystem>

#include "bars/windows/dock_control.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/play/player_actions.h"
#include "engine/ports/shell_port.h"
#include "engine/session/new_game.h"
#include "platform/qt/application.h"
#include "platform/qt/controls.h"
#include "platform/qt/popup_menu.h"
#include "shell/table_parts.h"
#include "table/layout/table_layout.h"
#include "tests/shell/program_fixture.h"
#include "tests/table/freecell_solver.h"
#include "tests/table/mouse_fixture.h"

namespace shell_test {
namespace {

TEST_F(ProgramTest, TheFirstActivationOpensTheChooserOnlyWithoutAStatisticsFile) {
    ASSERT_EQ(Start(), 0);
    Activate();
    EXPECT_EQ(dialogs.chooserShows, 1);
    EXPECT_FALSE(Flag(engine::flag::kStartupPending));
    program->Application().Activate();  // later activations do no start-up work
    EXPECT_EQ(dialogs.chooserShows, 1);

    program.reset();
    folder.WriteFile("Data/Stat_e07.dat", "");
    ASSERT_EQ(Start(), 0);
    Activate();
    EXPECT_EQ(dialogs.chooserShows, 1);
}

TEST_F(ProgramTest, TheNewsletterInvitesFromTheFifthRunAndItsFirstShowHidesTheDontAskBox) {
    Preference("Run_Exe", "3", "Parameters");
    ASSERT_EQ(Start(), 0);
    Activate();
    EXPECT_TRUE(dialogs.newsletterHidden.empty());  // the fourth run

    for (bool tick : {false, true}) {
        program.reset();
        dialogs.tickNewsletterBox = tick;
        ASSERT_EQ(Start(), 0);
        Activate();
    }
    EXPECT_EQ(dialogs.newsletterHidden, (std::vector<bool>{true, false}));
    EXPECT_EQ(PreferenceValue("News_First_Display"), "N");
    EXPECT_EQ(PreferenceValue("News_Question"), "N");
    program.reset();
    ASSERT_EQ(Start(), 0);
    Activate();
    EXPECT_EQ(dialogs.newsletterHidden.size(), 2u);
}

class GameWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        folder.WriteFile("Data/Stat_e00.dat", "");
        ASSERT_EQ(Start(), 0);
        Activate();
    }
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, int x, int y) {
        const QPointF at(x, y);
        QMouseEvent event(type, at, Main().mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(Main().windowHandle(), &event);
    }
    engine::TableRect TopPlace(const engine::PileRef& pile) {
        const std::string name = engine::PileName(pile, engine::PileNumberForm::kNoLeadingZero);
        return Place(name, pile.line, 0);
    }
    engine::TableRect Place(const std::string& pile, int index, int above) {
        const table::TableLayout& layout = *program->Table().Layout();
        const int x = layout.CardX(pile, index, above, false);
        const int y = layout.CardY(pile, index, above, false);
        return {x, y, x + layout.CardWidth(), y + layout.CardHeight()};
    }
    // Where a card lies: its own place as a pile's top, else within its tableau pile.
    bool CardPlace(int card, engine::TableRect& rect) {
        if (program->Table().Layout()->FindCardPosition(card, rect)) return true;
        for (int t = 0; t < engine::kFilaLineCount; ++t) {
            const std::string pile = Pile({engine::PileListId::kFila, t});
            for (int i = 0; i < engine::PileCardCount(pile); ++i) {
                if (engine::PileCardAt(pile, i) != card) continue;
                const std::string name =
                    engine::PileName({engine::PileListId::kFila, t}, engine::PileNumberForm::kNoLeadingZero);
                rect = Place(name, t, engine::PileCardCount(pile) - 1 - i);
                return true;
            }
        }
        return false;
    }
    // A drag as the player makes it: press inside the card, move in two steps, release.
    void Drag(const engine::TableRect& a, const engine::TableRect& b) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, a.left + 10, a.top + 10);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (a.left + b.left) / 2 + 10, (a.top + b.top) / 2 + 10);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, b.left + 10, b.top + 10);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, b.left + 10, b.top + 10);
    }
    void Drag(const engine::PileRef& from, const engine::PileRef& to) { Drag(TopPlace(from), TopPlace(to)); }
    std::string Pile(const engine::PileRef& pile) { return G().board.piles.Pile(pile.list, pile.line); }
};

TEST_F(GameWindowTest, AFreecellGameIsWonByDragsFromNewGameToTheWinningAnimation) {
    // Autoplay would move cards the solver means to move itself.
    if (Main().Commands().Find("mnuAutoPlay")->IsDown()) Main().RunCommand("mnuAutoPlay");
    ASSERT_TRUE(Main().RunCommand("mnuNew"));
    ASSERT_TRUE(Flag(engine::flag::kGameInProgress));
    const std::vector<engine::PlayerAction> moves = mouse_test::WinningMoves(G(), mouse_test::kSolverBudget);
    ASSERT_FALSE(moves.empty()) << "no win found for game " << Field(engine::fields::kGameNumber.position, 13);
    const int shown = dialogs.chooserShows;
    for (const engine::PlayerAction& move : moves) {
        const std::optional<engine::PileRef> to = engine::ParsePileName(move.target);
        engine::TableRect from;
        ASSERT_TRUE(move.kind == engine::ActionKind::kMove && to && CardPlace(move.card, from))
            << engine::ActionText(move);
        Drag(from, TopPlace(*to));
        if (!Flag(engine::flag::kGameInProgress)) break;
        ASSERT_TRUE(engine::PileContains(engine::CardCodeText(move.card), Pile(*to))) << engine::ActionText(move);
    }
    EXPECT_FALSE(Flag(engine::flag::kGameInProgress));
    EXPECT_EQ(dialogs.chooserShows, shown + 1);  // the chooser opens after the winning animation
    EXPECT_TRUE(G().mainGame.CloseRequested == 0);
}

TEST_F(GameWindowTest, UndoAndRedoTakeBackAndReplayADraggedMove) {
    if (Main().Commands().Find("mnuAutoPlay")->IsDown()) Main().RunCommand("mnuAutoPlay");
    StartFreecell();
    const engine::PileRef from{engine::PileListId::kFila, 0};
    const engine::PileRef cell{engine::PileListId::kAppogg, 0};
    const std::string before = Pile(from);
    Drag(from, cell);
    ASSERT_NE(Pile(from), before);
    EXPECT_TRUE(Main().RunCommand("mnuUndo"));
    EXPECT_EQ(Pile(from), before);
    EXPECT_EQ(Pile(cell), "");
    Main().Button("tbRedo1")->Click();
    EXPECT_NE(Pile(cell), "");
}

TEST_F(GameWindowTest, ARightClickDuringADragOpensNoPopUpAndTheCardComesBack) {
    if (Main().Commands().Find("mnuAutoPlay")->IsDown()) Main().RunCommand("mnuAutoPlay");
    StartFreecell();
    const platform::PopupMenu& popMain = Main().PopupMenu("popMain");
    const engine::PileRef from{engine::PileListId::kFila, 0};
    const std::string before = Pile(from);
    const QImage table = Shown();
    const engine::TableRect card = TopPlace(from);
    // Below every pile: no drop is taken there.
    const int x = card.left + 10;
    const int y = Main().height() - 20;
    ASSERT_TRUE(program->Table().Layout()->PileAtPoint(x, y).name.empty());
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, card.left + 10, card.top + 10);
    Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, x, y);
    ASSERT_NE(G().mainGame.LiftedCard, 0);
    Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton, x, y);
    EXPECT_FALSE(popMain.IsShowing());
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, x, y);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, x, y);
    EXPECT_FALSE(popMain.IsShowing());
    EXPECT_EQ(G().mainGame.LiftedCard, 0);
    EXPECT_EQ(Pile(from), before);
    EXPECT_TRUE(Shown() == table) << "the card is back in its place on the screen";

    // With nothing lifted the same click offers the table's pop-up.
    Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, x, y);
    EXPECT_TRUE(popMain.IsShowing());
    Main().PopupMenu("popMain").CloseUp();
}

TEST_F(GameWindowTest, OnlyTheTableOpensItsPopUpNotTheMenuBarOrItsDock) {
    platform::PopupMenu& popMain = Main().PopupMenu("popMain");
    const bars::TcbDockControl& dock = *bars::DockAreasOf(Main().BarManager()).Area(bars::dsTop);
    ASSERT_GT(dock.height(), 0);
    for (const QPoint at : {QPoint(dock.width() - 5, dock.y() + dock.height() / 2), QPoint(3, dock.y() + 3)}) {
        Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at.x(), at.y());
        Send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at.x(), at.y());
        EXPECT_FALSE(popMain.IsShowing()) << at.x() << "," << at.y();
        popMain.CloseUp();
    }
}

TEST_F(GameWindowTest, ACloseDuringACardAnimationWaitsForItAndFreesNothingUnderIt) {
    StartFreecell();
    Main().InstallMessageFilter(engine::MessageFilter::kSwallowInput);
    EXPECT_FALSE(Main().Close());
    EXPECT_NE(program->Game(), nullptr);
    // Input is dropped while the animation runs.
    const int lifted = G().mainGame.LiftedCard;
    const engine::TableRect top = TopPlace({engine::PileListId::kFila, 2});
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, top.left + 10, top.top + 10);
    EXPECT_EQ(G().mainGame.LiftedCard, lifted);
    Main().RestoreMessageHandler();
    EXPECT_NE(program->Game(), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(program->Game(), nullptr);
    EXPECT_FALSE(Main().isVisible());
}

// A close asked for during the winning animation stops it without a question; the game-end
// code then closes the window, and that close asks the exit question like any other.
TEST_F(GameWindowTest, ExitDuringTheWinningAnimationStopsItAndAsksOnceItHasEnded) {
    Preference("ConfirmQuit", "Y");
    Preference("Winning_Animations_Time", "30");
    for (const bool ok : {false, true}) {
        StartFreecell();
        bool asked = false;
        std::size_t questionsDuringTheAnimation = 0;
        clock.SetEventPump([&] {
            if (asked || !Flag(engine::flag::kWinAnimationRunning)) return;
            asked = true;
            Main().Close();
            questionsDuringTheAnimation = messages.Count(test_support::MessageEvent::Kind::Confirm);
        });
        messages.Clear();
        messages.QueueConfirmAnswer(ok);
        G().registers.SetFlag(engine::flag::kGameWon, 1);
        engine::EndGame(G());
        clock.SetEventPump({});
        ASSERT_TRUE(asked);
        EXPECT_EQ(questionsDuringTheAnimation, 0u);
        EXPECT_EQ(messages.Texts(test_support::MessageEvent::Kind::Confirm),
                  std::vector<std::string>{"Exit Corvanet Solitaire?"});
        EXPECT_EQ(dialogs.chooserShows, 0);
        if (ok) {
            EXPECT_EQ(program->Game(), nullptr);
        } else {
            // Cancel keeps the window and forgets the request.
            ASSERT_NE(program->Game(), nullptr);
            EXPECT_EQ(G().mainGame.CloseRequested, 0);
            EXPECT_TRUE(Main().isVisible());
        }
    }
}

TEST_F(GameWindowTest, AWonGameSoundsAndOffersTheChooserWithOrWithoutItsAnimation) {
    Preference("Winning_Animations_Time", "1");
    G().settings.SetField(engine::fields::kSoundsEnabled.position, 1, "Y");
    G().settings.SetField(engine::fields::kSoundsGameWon.position, 1, "Y");
    const std::string won = G().media.CardLibraryHandle()->WaveData("Won");
    ASSERT_FALSE(won.empty());
    for (const std::string animation : {"Y", "N"}) {
        Preference("Winning_Animation", animation);
        ASSERT_TRUE(Main().RunCommand("mnuNew"));
        bool animated = false;
        clock.SetEventPump([&] { animated = animated || Flag(engine::flag::kWinAnimationRunning); });
        sound.Clear();
        const int shown = dialogs.chooserShows;
        G().registers.SetFlag(engine::flag::kGameWon, 1);
        EXPECT_TRUE(engine::EndGame(G()));
        clock.SetEventPump({});
        EXPECT_EQ(animated, animation == "Y") << animation;
        EXPECT_TRUE(std::any_of(sound.Events().begin(), sound.Events().end(),
                                [&](const test_support::SoundEvent& e) { return e.data == won; }))
            << animation;
        EXPECT_EQ(dialogs.chooserShows, shown + 1) << animation;
    }
}

TEST_F(GameWindowTest, NewAfterAGameWonByItsScoreTargetLeavesTheNextGameToTheChooser) {
    StartFreecell();
    const std::string number = Field(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width);
    G().gameDef.SetWord(engine::words::kTargetScore, 500);
    G().settings.SetField(engine::fields::kScore.position, engine::fields::kScore.width, "520");
    const int shown = dialogs.chooserShows;
    ASSERT_TRUE(Main().RunCommand("mnuNew"));
    EXPECT_EQ(dialogs.chooserShows, shown + 1) << "the won game's end opens the chooser";
    EXPECT_FALSE(Flag(engine::flag::kGameInProgress)) << "the chooser was closed: no game is dealt";
    EXPECT_EQ(Field(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width), number);

    // A game that is not won is abandoned and the next one dealt at once.
    StartFreecell();
    ASSERT_TRUE(Main().RunCommand("mnuNew"));
    EXPECT_EQ(dialogs.chooserShows, shown + 1);
    EXPECT_TRUE(Flag(engine::flag::kGameInProgress));
    EXPECT_NE(Field(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width), number);
}

// Which input each filter takes while its animation runs.
struct FilterCase {
    const char* name;
    unsigned message;
    bool winAnimationTakes;
    bool swallowTakes;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.name; }

class InputFilterTest : public GameWindowTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(InputFilterTest, TakesItsMessagesAndTheWinFilterStopsTheAnimation) {
    const FilterCase& c = GetParam();
    G().registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
    EXPECT_EQ(Main().SwallowInputMessageFilter({c.message, nullptr}), c.swallowTakes);
    EXPECT_TRUE(Flag(engine::flag::kWinAnimationRunning));
    EXPECT_EQ(Main().WinAnimationMessageFilter({c.message, nullptr}), c.winAnimationTakes);
    EXPECT_EQ(Flag(engine::flag::kWinAnimationRunning), !c.winAnimationTakes);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, InputFilterTest,
    ::testing::Values(FilterCase{"LeftDown", platform::WM_LBUTTONDOWN, true, true},
                      FilterCase{"RightDown", platform::WM_RBUTTONDOWN, true, true},
                      FilterCase{"MiddleDown", platform::WM_MBUTTONDOWN, true, false},
                      FilterCase{"CaptionDown", platform::WM_NCLBUTTONDOWN, true, false},
                      FilterCase{"KeyDown", platform::WM_KEYDOWN, true, true},
                      FilterCase{"SystemKeyDown", platform::WM_SYSKEYDOWN, true, false},
                      FilterCase{"LeftUp", platform::WM_LBUTTONUP, false, false},
                      FilterCase{"MouseMove", platform::WM_MOUSEMOVE, false, false}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

}  // namespace
}  // namespace shell_test

namespace shell_test {
namespace {

TEST_F(GameWindowTest, ACloseDuringTheWinningPauseWaitsForTheMoveThatWonToEnd) {
    StartFreecell();
    // The pause before the winning animation lets messages through; the player closes then,
    // while the command that ended the won game still runs.
    bool asked = false;
    clock.SetEventPump([&] {
        if (asked || G().registers.GetFlag(engine::flag::kGameInProgress) != 0) return;
        asked = true;
        Main().Close();
    });
    G().registers.SetFlag(engine::flag::kGameWon, 1);
    EXPECT_TRUE(Main().StartChosenGame(2, "Klondike", "Player 1", false, engine::kNewNumberMode));
    ASSERT_TRUE(asked);
    ASSERT_NE(program->Game(), nullptr);
    EXPECT_FALSE(Flag(engine::flag::kGameInProgress));  // no new deal: the window is closing
    QCoreApplication::processEvents();
    EXPECT_EQ(program->Game(), nullptr);
}

}  // namespace
}  // namespace shell_test
