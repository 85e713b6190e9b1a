#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "shell/advanced_form.h"
#include "shell/grid/sort_grid.h"

namespace {

using shell::TSortGrid;

class SortGridTest : public testing::Test {
protected:
    SortGridTest() {
        grid.resize(400, 200);
        auto& content = grid.Grid();
        content.SetColCount(2);
        content.SetRowCount(6);
        const char* names[] = {"Name", "pear", "apple", "fig", "plum", "kiwi"};
        for (int row = 0; row < 6; ++row) content.SetCell(0, row, names[row]);
        content.SetMultiSelect(true);
        grid.show();
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(10, row * grid.Grid().DefaultRowHeight() + 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QApplication::sendEvent(grid.viewport(), &press);
    }

    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&grid, &press);
    }

    QImage Picture() { return grid.viewport()->grab().toImage(); }

    TSortGrid grid{nullptr, "SortGrid1"};
};

TEST_F(SortGridTest, ClicksAndNavigationKeysMarkRows) {
    ClickRow(2);
    ClickRow(4, Qt::ControlModifier);
    EXPECT_EQ(grid.Grid().Marks(), (std::vector<std::string>{"N", "N", "Y", "N", "Y", "N"}));
    ClickRow(4, Qt::ControlModifier);
    ClickRow(0);  // the heading is no row to select
    EXPECT_EQ(grid.Grid().Marks(), (std::vector<std::string>{"N", "N", "Y", "N", "N", "N"}));
    Key(Qt::Key_Up);  // from row 4, the last clicked
    Key(Qt::Key_End);
    EXPECT_EQ(grid.Grid().Row(), 5);
    EXPECT_EQ(grid.Grid().Marks(), (std::vector<std::string>{"N", "N", "Y", "Y", "N", "Y"}));
    Key(Qt::Key_Home);
    EXPECT_EQ(grid.Grid().Row(), 1);
}

TEST_F(SortGridTest, TheSortColumnsHeadingPointsTheWayItSorted) {
    const int width = grid.Grid().ColWidth(0);
    const int arrowLeft = width - 4 - 8;
    const auto arrowRows = [&](const QImage& picture) {
        // The rows of the arrow's square where the widest line of the triangle lies.
        int widest = -1, widestCount = 0;
        for (int y = 0; y < grid.Grid().DefaultRowHeight(); ++y) {
            int count = 0;
            for (int x = arrowLeft; x < arrowLeft + 8; ++x) count += picture.pixel(x, y) == qRgb(0, 0, 0);
            if (count > widestCount) widest = y, widestCount = count;
        }
        return widest;
    };
    EXPECT_EQ(arrowRows(Picture()), -1);
    grid.SortByColumn(0);
    EXPECT_EQ(grid.Grid().Cell(0, 1), "apple");
    const int upBase = arrowRows(Picture());
    shell::TSortOptions options = grid.Grid().SortOptions();
    options.SortDirection = shell::TSortDirection::sdDescending;
    grid.Grid().SetSortOptions(options);
    grid.SortByColumn(0);
    EXPECT_EQ(grid.Grid().Cell(0, 1), "plum");
    const int downBase = arrowRows(Picture());
    // Pointing up, the triangle is widest at its foot; pointing down, at its top.
    EXPECT_GT(upBase, downBase);
}

TEST_F(SortGridTest, AutoSizeMakesEachColumnAsWideAsItsWidestText) {
    grid.Grid().SetCell(1, 3, "a much longer text than the others");
    grid.AutoSizeColumns();
    EXPECT_GT(grid.Grid().ColWidth(1), grid.fontMetrics().horizontalAdvance("a much longer text than the others"));
    EXPECT_LT(grid.Grid().ColWidth(0), grid.Grid().ColWidth(1));
}

TEST(SortGridFont, TheBaseWindowSwitchesTheGridsFontWithTheLabels) {
    shell::FontFallback missing([](std::string_view) { return false; });
    shell::C_TAdvancedForm form(nullptr, &missing);
    auto* grid = new TSortGrid(&form, "SortGrid1");
    form.Created();
    EXPECT_EQ(grid->font().family().toStdString(), shell::kFallbackFont);
}

}  // namespace
