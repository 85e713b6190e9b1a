#include "table/layout/table_setup.h"

#include <array>
#include <string>

#include "engine/files/game_definitions.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/base/system_utils.h"
#include "engine/model/table_object.h"
#include "engine/base/text_utils.h"
#include "engine/model/board_measures.h"
#include "platform/core/messages.h"
#include "table/layout/card_images_port.h"
#include "table/layout/card_sizes.h"
#include "table/layout/fan_modes.h"
#include "table/layout/pile_layout.h"
#include "table/layout/table_geometry.h"
#include "table/layout/table_window.h"

namespace table {

namespace {

namespace fields = engine::fields;
namespace words = engine::words;

constexpr int kScreenClass1 = 1;
constexpr int kScreenClass2 = 2;
constexpr std::int16_t kHandled = 1;
constexpr std::int16_t kShown = 1;
constexpr int kUndoOff = 1;

constexpr std::string_view kAdvice640 =
    "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should be "
    "set to 800x600 pixels or higher. However, it's possible to play ";
constexpr std::string_view kAdvice800 =
    "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
    "resolution should be set to 1024x768 pixels or higher. However, it's possible to play ";
constexpr std::string_view kAdviceEnd = "using a predefined cards set.";

// The top of the table when no panel lies above it.
constexpr int kTopWithoutPanels = 5;
constexpr std::array<TablePanel, 3> kPanelsAbove = {TablePanel::kDemo, TablePanel::kLargeToolbar,
                                                    TablePanel::kSmallToolbar};

constexpr std::array<TableCommand, 4> kUndoDependentCommands = {
    TableCommand::kSave, TableCommand::kSaveButton, TableCommand::kSnapshotPosition, TableCommand::kHoldAndExit};

constexpr int kStyleDigits = 3;

// The first character of the row word's decimal text, then the style in three digits.
std::string LayoutCode(const engine::GameDefRecord& def, int rowWord, int styleWord) {
    return std::to_string(def[rowWord]).substr(0, 1) + engine::IntToZeroPad(def[styleWord], kStyleDigits);
}

}  // namespace

TableSetup::TableSetup(const TableSetupParts& parts) : m_parts(parts) {}

bool TableSetup::SetupTable() {
    m_parts.gameDef.Clear();
    const bool loaded =
        engine::LoadGameDefinition(m_parts.services, m_parts.settings, m_parts.mainGame, m_parts.gameDef);
    const std::string sizeBefore = m_parts.settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    HandleSmallScreen();
    if (m_parts.settings.GetField(fields::kCardSize.position, fields::kCardSize.width) != sizeBefore) SetCardSize();
    ResetPilePositions();
    EnableGameCommands();
    SetFanSteps();
    LayoutTable();
    return loaded;
}

void TableSetup::HandleSmallScreen() {
    engine::SettingsBlock& settings = m_parts.settings;
    engine::TMainGame& mg = m_parts.mainGame;
    auto get = [&](const fields::Field& f) { return settings.GetField(f.position, f.width); };
    auto set = [&](const fields::Field& f, std::string_view value) { settings.SetField(f.position, f.width, value); };

    const int screenClass = m_parts.gameDef[words::kMinScreenClass];
    const int screenWidth = m_parts.window.ScreenWidth();
    const bool tooSmall = (screenWidth < kScreenClass1Width && screenClass == kScreenClass1) ||
                          (screenWidth < kScreenClass2Width && screenClass == kScreenClass2);
    if (!tooSmall) {
        // A wider screen gives back what the player had chosen.
        if (!get(kSavedCardSet).empty()) {
            set(fields::kCardSize, get(kSavedCardSize));
            set(fields::kCardSet, get(kSavedCardSet));
            set(fields::kBackCard, get(kSavedBackCard));
            set(kSavedCardSize, "");
            set(kSavedCardSet, "");
            set(kSavedBackCard, "");
        }
        m_parts.window.SetCommandEnabled(TableCommand::kCustomize, true);
        return;
    }

    if (CardSizeLetter(get(fields::kCardSize)) == kBigCards) {
        set(kSavedCardSize, get(fields::kCardSize));
        set(kSavedCardSet, get(fields::kCardSet));
        set(kSavedBackCard, get(fields::kBackCard));
        set(fields::kCardSet, kSmallScreenCardSet);
        set(fields::kCardSize, std::string(1, kMediumCards));
    } else {
        mg.SmallScreenHandled = kHandled;
    }
    if (mg.SmallScreenHandled != 0) return;
    mg.SmallScreenHandled = kHandled;
    std::int16_t& shown = screenClass == kScreenClass1 ? mg.Advice640Shown : mg.Advice800Shown;
    if (shown == 0 && m_parts.services.messages != nullptr) {
        shown = kShown;
        const std::string_view start = screenClass == kScreenClass1 ? kAdvice640 : kAdvice800;
        engine::ShowInfo(*m_parts.services.messages,
                         std::string(start) + get(fields::kGameName) + " " + std::string(kAdviceEnd));
    }
    m_parts.window.UpdateWindow();
}

void TableSetup::ResetPilePositions() {
    engine::TMainGame& mg = m_parts.mainGame;
    for (int k = 0; k < engine::kMazzoLineCount; ++k) {
        mg.SetStockX(k, engine::kAbsentPileX);
        mg.SetStockY(k, engine::kAbsentPileX);
    }
    for (int i = 0; i < engine::kDestLineCount; ++i) {
        mg.SetFoundationX(i, engine::kAbsentFoundationX);
        mg.SetFoundationY(i, engine::kAbsentFoundationX);
    }
    for (int i = 0; i < engine::kFilaLineCount; ++i) {
        m_parts.geometry.SetTableauX(i, engine::kAbsentTableauX);
        m_parts.geometry.SetTableauY(i, engine::kAbsentTableauX);
    }
    for (int i = 0; i < engine::kAppoggLineCount; ++i) {
        mg.SetReserveX(i, engine::kAbsentReserveX);
        mg.SetReserveY(i, engine::kAbsentReserveX);
    }
}

void TableSetup::EnableGameCommands() {
    ITableWindow& window = m_parts.window;
    window.EnableAutoPlayButtons(m_parts.gameDef[words::kAutoplayAllowed] != 0);
    const bool undo = m_parts.gameDef[words::kUndoDisabled] != kUndoOff;
    for (TableCommand command : kUndoDependentCommands) window.SetCommandEnabled(command, undo);
    window.EnableUndoRedoButtons(undo);
}

void TableSetup::SetFanSteps() {
    engine::TMainGame& mg = m_parts.mainGame;
    mg.FaceUpStepY = 0;
    mg.FaceUpStepX = 0;
    mg.FaceDownStepY = 0;
    mg.FaceDownStepX = 0;
    mg.FanMode5Step = kDefaultFanMode5Step;
    mg.SideBySideGap = kDefaultSideBySideGap;
    const std::string size = m_parts.settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    const auto steps = FanStepsFor(CardSizeLetter(size));
    if (!steps) return;
    const int tableauFan = m_parts.gameDef[words::kTableauFanMode];
    const int reserveFan = m_parts.gameDef[words::kReserveFanMode];
    auto word = [](int v) { return static_cast<std::int16_t>(v); };
    if (tableauFan == fan_mode::kDown || tableauFan == fan_mode::kTopLowered || reserveFan == fan_mode::kDown) {
        mg.FaceUpStepY = word(steps->vertical.up);
        mg.FaceDownStepY = word(steps->vertical.down);
    }
    if (tableauFan == fan_mode::kRight || reserveFan == fan_mode::kRight) {
        mg.FaceUpStepX = word(steps->horizontal.up);
        mg.FaceDownStepX = word(steps->horizontal.down);
    }
    if (tableauFan == fan_mode::kRightNarrow) {
        mg.FanMode6Step = word(steps->mode6.up);
        mg.FanMode6DownStep = word(steps->mode6.down);
    }
}

void TableSetup::SetCardSize() {
    const std::string size = m_parts.settings.GetField(fields::kCardSize.position, fields::kCardSize.width);
    m_parts.geometry.SetCardSize(CardSizeLetter(size));
    if (m_parts.images != nullptr) m_parts.images->LoadCardImages(size);
}

void TableSetup::LayoutTable() {
    const ITableWindow& window = m_parts.window;
    const engine::GameDefRecord& def = m_parts.gameDef;
    int top = kTopWithoutPanels;
    for (TablePanel panel : kPanelsAbove) {
        if (window.IsPanelVisible(panel)) {
            top = window.PanelBottom(panel);
            break;
        }
    }
    LayoutArea area;
    area.left = 0;
    area.width = window.WindowWidth() - window.ScrollBarWidth();
    area.bottom = window.ClientHeight() - 1;
    area.height = window.WindowHeight();
    area.top = top;

    const std::string stockCode = LayoutCode(def, words::kStockRowLine, words::kStockRowStyle);
    const std::string foundationCode = LayoutCode(def, words::kFoundationLine, words::kFoundationStyle);
    const std::string tableauCode = LayoutCode(def, words::kTableauLine, words::kTableauStyle);
    const std::string reserveCode = LayoutCode(def, words::kReserveLine, words::kReserveStyle);
    const std::string thirdCode = LayoutCode(def, words::kThirdPileLine, words::kThirdPileStyle);
    LayoutGroups groups;
    groups.stockRow = {stockCode, def[words::kStockRowPiles]};
    groups.foundations = {foundationCode, engine::FoundationCountOf(def)};
    groups.tableau = {tableauCode, engine::TableauCountOf(def)};
    groups.reserves = {reserveCode, engine::ReserveCountOf(def)};
    groups.thirdPile = {thirdCode, def[words::kThirdPileInUse]};

    const LayoutTarget target{m_parts.mainGame, m_parts.geometry, def,
                              LayoutScreen{window.ScreenWidth(), window.ScreenHeight()}, window.ScrollPosition()};
    ComputePileLayout(target, groups, area);
}

}  // namespace table
