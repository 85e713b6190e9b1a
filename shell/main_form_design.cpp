// The main window's components, as its design lays them out.

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "platform/qt/controls.h"
#include "platform/qt/form_timer.h"
#include "platform/qt/popup_menu.h"
#include "shell/main_form.h"
#include "shell/toolbar_design.h"

namespace shell {

namespace {

constexpr int kDesignWidth = 751;
constexpr int kDesignHeight = 407;
constexpr int kDesignFontHeight = 11;
constexpr unsigned kClockIntervalMs = 1000;

constexpr int kTempoWidth = 80;
constexpr int kTempoHeight = 25;
constexpr int kScoreWidth = 70;
constexpr int kScoreHeight = 26;
constexpr int kStatusLabelLeft = 4;
constexpr int kStatusCaptionWidth = 36;
// Between the clock's caption and its value.
constexpr int kClockCaptionGap = 4;
constexpr int kClockHourDigits = 2;  // the hours wrap after 24
// The large buttons' captions under their glyphs.
constexpr int kCaptionFontHeight = 10;

platform::Label* StatusLabels(platform::Panel& panel, std::string_view captionName, std::string_view caption,
                              std::string_view valueName) {
    auto* title = new platform::Label(&panel, captionName, caption);
    title->setGeometry(kStatusLabelLeft, 4, kStatusCaptionWidth, 16);
    auto* value = new platform::Label(&panel, valueName, "0");
    // Right-aligned across the whole panel, so a wide value may reach under the caption's end.
    value->setGeometry(kStatusLabelLeft, 4, panel.width() - 2 * kStatusLabelLeft, 16);
    value->SetRightAligned(true);
    return value;
}

}  // namespace

void TfrmMain::BuildComponents() {
    setObjectName(QStringLiteral("frmMain"));
    SetClientSize(kDesignWidth, kDesignHeight);
    SetFontPixelHeight(kDesignFontHeight);
    // The table is the client area: the window paints every pixel of it from its image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    BuildMenuBar();
    BuildPopupMenus();
    BuildToolbars();
    BuildStatusPanels();

    m_scrollBar = new platform::ScrollBar(this, "scrBarMain");
    m_scrollBar->hide();
    m_timer = new platform::FormTimer(this, "Timer1", kClockIntervalMs);
    m_frameTimer = new platform::FormTimer(this, "tmrFrame", kFrameMs);
}

void TfrmMain::BuildToolbars() {
    for (const ToolbarDesign& design : kToolbars) {
        auto* bar = new platform::Panel(this, design.panel);
        bar->SetAlignment(platform::Align::kTop);
        bar->resize(kDesignWidth, design.height);
        bar->SetPopupMenu(&PopupMenu("popTB"));
        for (const ToolbarButtonDesign& b : design.buttons) {
            if (b.separator) {
                auto* separator = new platform::Panel(bar, b.name);
                separator->setFrameShape(QFrame::VLine);
                separator->setFrameShadow(QFrame::Sunken);
                continue;
            }
            auto* button = new platform::SpeedButton(bar, b.name);
            button->resize(b.width, design.buttonHeight);
            button->SetHint(b.hint);
            if (design.captions) {
                button->SetCaption(b.hint);
                QFont small = button->font();
                small.setPixelSize(kCaptionFontHeight);
                button->setFont(small);
            }
            if (b.latching) {
                button->SetGroupIndex(1);
                button->SetAllowAllUp(true);
            }
            if (b.hidden) button->hide();
        }
        if (!design.visible) bar->hide();
    }
    Panel("pnlTB1")->onMouseMove = [this](int, int) { pnlTB1MouseMove(); };
    // The two lines under the toolbar.
    for (const auto& [name, colour] : {std::pair{"pnlLineaGrigia", Qt::gray}, std::pair{"pnlLineaNera", Qt::black}}) {
        auto* line = new platform::Panel(this, name);
        line->resize(kDesignWidth, 1);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, colour);
        line->setPalette(palette);
    }
    LayOutToolbarButtons(*this);
}

void TfrmMain::BuildStatusPanels() {
    auto* tempo = new platform::Panel(this, "pnlTempo");
    tempo->setGeometry(kDesignWidth - kTempoWidth - 15, 10, kTempoWidth, kTempoHeight);
    tempo->SetBevel(true);
    tempo->SetPopupMenu(&PopupMenu("popTime"));
    StatusLabels(*tempo, "lblTempo2", "Time:", "lblTempo");

    auto* score = new platform::Panel(this, "pnlScore");
    score->setGeometry(kDesignWidth - kTempoWidth - kScoreWidth - 20, 10, kScoreWidth, kScoreHeight);
    score->SetBevel(true);
    score->SetPopupMenu(&PopupMenu("popScore"));
    StatusLabels(*score, "lblScore2", "Score:", "lblScore");

    auto* piles = new platform::Panel(this, "pnlPilesSize");
    piles->setGeometry(0, 0, 84, 34);
    piles->SetBevel(true);
    QPalette tip = piles->palette();
    tip.setColor(QPalette::Window, QColor(255, 255, 225));
    piles->setPalette(tip);
    (new platform::Label(piles, "lblPilesSize", "12 cards"))->setGeometry(4, 2, 76, 15);
    (new platform::Label(piles, "Label2", "in this pile"))->setGeometry(4, 17, 76, 15);
    piles->onMouseMove = [this](int, int) { pnlPilesSizeMouseMove(); };
    piles->hide();

    auto* status = new platform::Panel(this, "pnlStatusBar");
    status->SetAlignment(platform::Align::kBottom);
    status->resize(kDesignWidth, 0);
    new platform::Panel(status, "pnl_sb_giocatori");
    new platform::Panel(status, "pnl_sb_livello");
}

// The clock's value lies right of its caption, a gap between them, and the panel is wide
// enough for the widest time in the labels' font, which is final only once the window's
// font has been checked.
void TfrmMain::FitClockPanel() {
    platform::Panel* panel = Panel("pnlTempo");
    platform::Label* caption = Label("lblTempo2");
    platform::Label* value = Label("lblTempo");
    const int captionWidth = QFontMetrics(caption->font()).horizontalAdvance(caption->text());
    const QFontMetrics digits(value->font());
    int valueWidth = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string pair(kClockHourDigits, digit);
        const std::string widest = pair + TimeSeparator() + pair + TimeSeparator() + pair;
        valueWidth = std::max(valueWidth, digits.horizontalAdvance(QString::fromStdString(widest)));
    }
    const int valueLeft = kStatusLabelLeft + captionWidth + kClockCaptionGap;
    const int width = std::max(kTempoWidth, valueLeft + valueWidth + kStatusLabelLeft);
    panel->resize(width, panel->height());
    caption->setGeometry(kStatusLabelLeft, caption->y(), captionWidth, caption->height());
    value->setGeometry(valueLeft, value->y(), width - kStatusLabelLeft - valueLeft, value->height());
}

void TfrmMain::BuildPopupMenus() {
    auto* popTB = new platform::PopupMenu(this, "popTB");
    popTB->Add("Largeicons1", "Large icons", [this] { SetToolbarLarge(true, true); }).checked = true;
    popTB->Add("Smallicons1", "Small icons", [this] { SetToolbarLarge(false, true); });
    popTB->AddSeparator();
    popTB->Add("Buttonflat1", "Flat button", [this] { SetToolbarFlat(true, true); }).checked = true;
    popTB->Add("Buttonnoflat1", "No flat button", [this] { SetToolbarFlat(false, true); });
    popTB->AddSeparator();
    popTB->Add("mnuShowTime", "Show time", [this] { SetShowTime(true); }).enabled = false;
    popTB->Add("mnuShowScore", "Show score", [this] { SetShowScore(true); }).enabled = false;

    auto* popTime = new platform::PopupMenu(this, "popTime");
    popTime->Add("mnuHideTime", "&Hide", [this] { SetShowTime(false); });
    auto* popScore = new platform::PopupMenu(this, "popScore");
    popScore->Add("mnuHideScore", "Hide", [this] { SetShowScore(false); });

    auto* popMain = new platform::PopupMenu(this, "popMain");
    popMain->Add("mnuPopChangeCardSet", "Change card set", [this] { OpenOptionsDialog(0); });
    popMain->Add("mnuPopChangeDeck", "Change deck", [this] { OpenOptionsDialog(0); });
    popMain->Add("mnuPopChangebackground", "Change background", [this] { OpenOptionsDialog(0); });
    // The entries without an action are not offered.
    for (const auto& [name, caption] : {std::pair{"mnuPopGameInformation", "Game information..."},
                                        std::pair{"mnuPopFavoriteGames", "Favorite games..."},
                                        std::pair{"mnuPopPause", "Pause\tCtrl+P"},
                                        std::pair{"mnuPopQuitGame", "Quit game\tCtrl+Q"},
                                        std::pair{"mnuPopCardCounter", "Card counter\tF8"}})
        popMain->Add(name, caption).visible = false;
}

}  // namespace shell
