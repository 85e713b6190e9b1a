// The game previews of the chooser: a small dealt table drawn with the smallest cards.
// The layouts are generic (a stock-and-tableau game, a free-cell game, a two-deck row
// game, a pyramid), chosen and dealt from the game id so that each preview differs.
// The chooser leaves out the top-left pixel's colour, so the ground is a key colour that
// no card uses and the chooser's own green shows round the cards.

#include "art.h"
#include "card_faces.h"
#include "noise.h"

#include <QPainter>

#include <string>

namespace art {

namespace {

constexpr QRgb kPreviewKey = qRgb(255, 0, 255);
constexpr char kSize = 'L';
constexpr int kW = 25, kH = 32;
constexpr int kGap = 6;
constexpr int kFan = 9;
constexpr int kPreviewBack = 11;
constexpr std::string_view kPreviewSet = "001";

class Dealer {
public:
    explicit Dealer(int id) : m_scatter(static_cast<std::uint32_t>(id) * 7919u + 17u) {}
    QImage Face() {
        const int suit = static_cast<int>(m_scatter.Next() * kSuitCount);
        const int rank = 1 + static_cast<int>(m_scatter.Next() * kRanksPerSuit);
        return DrawFace(kSize, kPreviewSet, SuitOfIndex(suit), rank);
    }
    int Below(int n) { return static_cast<int>(m_scatter.Next() * n); }

private:
    Scatter m_scatter;
};

QImage Slot() {
    QImage slot = OpaqueImage(kW, kH, qRgb(0, 74, 16));
    QPainter p(&slot);
    p.setPen(QColor(150, 206, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), 2, 2);
    return slot;
}

void StockAndTableau(QImage& table, Dealer& dealer, int columns) {
    const QImage back = BackImage(kSize, kPreviewBack);
    const int width = columns * kW + (columns - 1) * kGap;
    const int left = (table.width() - width) / 2;
    PasteCard(table, back, QPoint(left, 8));
    PasteCard(table, dealer.Face(), QPoint(left + kW + kGap, 8));
    for (int f = 0; f < 4; ++f) {
        const QPoint at(left + (columns - 4 + f) * (kW + kGap), 8);
        PasteCard(table, f < 2 ? dealer.Face() : Slot(), at);
    }
    for (int c = 0; c < columns; ++c) {
        const int x = left + c * (kW + kGap);
        int y = 8 + kH + 10;
        const int down = c % 7;
        for (int k = 0; k < down; ++k, y += 4) PasteCard(table, back, QPoint(x, y));
        const int up = 1 + dealer.Below(4);
        for (int k = 0; k < up; ++k, y += kFan) PasteCard(table, dealer.Face(), QPoint(x, y));
    }
}

void FreeCells(QImage& table, Dealer& dealer) {
    constexpr int kColumns = 8;
    const int width = kColumns * kW + (kColumns - 1) * kGap;
    const int left = (table.width() - width) / 2;
    for (int cell = 0; cell < kColumns; ++cell) {
        const QPoint at(left + cell * (kW + kGap), 8);
        PasteCard(table, cell == 1 || cell == 5 ? dealer.Face() : Slot(), at);
    }
    for (int c = 0; c < kColumns; ++c) {
        const int count = 4 + dealer.Below(4);
        for (int k = 0; k < count; ++k)
            PasteCard(table, dealer.Face(), QPoint(left + c * (kW + kGap), 8 + kH + 10 + k * kFan));
    }
}

void TwoDeckRows(QImage& table, Dealer& dealer) {
    constexpr int kColumns = 9;
    constexpr int kTight = 4;
    const QImage back = BackImage(kSize, kPreviewBack);
    const int width = kColumns * kW + (kColumns - 1) * kTight;
    const int left = (table.width() - width) / 2;
    for (int c = 0; c < kColumns; ++c) {
        const int x = left + c * (kW + kTight);
        int y = 8;
        for (int k = 0; k < 3; ++k, y += 5) PasteCard(table, back, QPoint(x, y));
        const int up = 2 + dealer.Below(5);
        for (int k = 0; k < up; ++k, y += kFan) PasteCard(table, dealer.Face(), QPoint(x, y));
    }
    for (int k = 0; k < 5; ++k)
        PasteCard(table, back, QPoint(table.width() - kW - 10 - k * 3, table.height() - kH - 8));
}

void Pyramid(QImage& table, Dealer& dealer) {
    constexpr int kRows = 6;
    const int top = 8;
    for (int row = 0; row < kRows; ++row)
        for (int k = 0; k <= row; ++k) {
            const int x = table.width() / 2 - (row + 1) * (kW + 2) / 2 + k * (kW + 2);
            PasteCard(table, dealer.Face(), QPoint(x, top + row * (kH / 2 + 4)));
        }
    const QImage back = BackImage(kSize, kPreviewBack);
    PasteCard(table, back, QPoint(20, table.height() - kH - 10));
    PasteCard(table, dealer.Face(), QPoint(20 + kW + kGap, table.height() - kH - 10));
}

}  // namespace

QImage DrawGamePreview(const ResourceEntry& entry) {
    // "GAME" + four-digit game id.
    const int id = std::stoi(entry.name.substr(4));
    QImage table = OpaqueImage(entry.width, entry.height, kPreviewKey);
    Dealer dealer(id);
    constexpr int kLayouts = 4;
    switch (id % kLayouts) {
        case 0: StockAndTableau(table, dealer, 7 + (id / kLayouts) % 3); break;
        case 1: FreeCells(table, dealer); break;
        case 2: TwoDeckRows(table, dealer); break;
        default: Pyramid(table, dealer); break;
    }
    return table;
}

}  // namespace art
