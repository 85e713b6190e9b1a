#include "bars/extended/extended_dialogs.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/manager/bar_manager.h"
#include "platform/core/virtual_keys.h"
#include "platform/core/system_colours.h"
#include "platform/qt/image_list.h"
#include "platform/qt/work_area.h"
#include "tests/bars/windows_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>


namespace bars::testing {
namespace {

void ClickAt(QWidget* viewport, QPoint p) {
    const QPointF local(p);
    const QPointF global(viewport->mapToGlobal(p));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

class TreeViewComboTest : public ::testing::Test {
protected:
    TreeViewComboTest() {
        fruit = new QTreeWidgetItem(QStringList{"Fruit"});
        apple = new QTreeWidgetItem(fruit, QStringList{"Apple"});
        new QTreeWidgetItem(fruit, QStringList{"Pear"});
        combo.Tree().addTopLevelItem(fruit);
        combo.Tree().addTopLevelItem(new QTreeWidgetItem(QStringList{"Bread"}));
    }
    QWidget form;
    TcbBarManager manager{&form};
    TcbBarTreeViewCombo& combo = manager.CreateItem<TcbBarTreeViewCombo>("tcKind");
    QTreeWidgetItem* fruit = nullptr;
    QTreeWidgetItem* apple = nullptr;
};

TEST_F(TreeViewComboTest, TheDropDownIsAtLeast100By100) {
    EXPECT_EQ(combo.DropDownWidth(), 200);
    EXPECT_EQ(combo.DropDownHeight(), 150);
    combo.SetDropDownWidth(40);
    combo.SetDropDownHeight(60);
    EXPECT_EQ(combo.DropDownWidth(), 100);
    EXPECT_EQ(combo.DropDownHeight(), 100);
    combo.Tree().resize(10, 10);
    EXPECT_GE(combo.Tree().width(), 100);
    EXPECT_GE(combo.Tree().height(), 100);
}

TEST_F(TreeViewComboTest, NodesAreFoundDepthFirstIgnoringCase) {
    EXPECT_EQ(combo.FindNode("APPLE"), apple);
    EXPECT_EQ(combo.FindNode("bread"), combo.Tree().topLevelItem(1));
    EXPECT_EQ(combo.FindNode("Plum"), nullptr);
    combo.SetText("pear");
    EXPECT_EQ(combo.Tree().currentItem()->text(0), "Pear");
    // While loading the text waits for the tree.
    combo.SetLoading(true);
    combo.SetText("Bread");
    EXPECT_EQ(combo.Tree().currentItem()->text(0), "Pear");
    combo.SetLoading(false);
    combo.Loaded();
    EXPECT_EQ(combo.Tree().currentItem()->text(0), "Bread");
}

TEST_F(TreeViewComboTest, AReleaseOnAnExpandButtonChoosesNothing) {
    combo.SetChooseByDblClick(false);
    TcbBarTreeView& tree = combo.Tree();
    tree.show();
    tree.setCurrentItem(fruit);
    const QRect label = tree.visualItemRect(fruit);
    // Left of the label lie the indent and the expand button.
    ClickAt(tree.viewport(), QPoint(label.left() - 5, label.center().y()));
    EXPECT_EQ(combo.ChosenNode(), nullptr);
    EXPECT_EQ(tree.NodeLabelAt(QPoint(label.left() - 5, label.center().y())), nullptr);
    EXPECT_EQ(tree.NodeLabelAt(QPoint(label.right() - 2, label.center().y())), nullptr) << "right of the label";
    EXPECT_EQ(tree.NodeLabelAt(QPoint(label.left() + 3, label.center().y())), fruit);
    tree.SetDropDownMode(true);
    ClickAt(tree.viewport(), QPoint(label.left() + 3, label.center().y()));
    EXPECT_EQ(combo.ChosenNode(), fruit);
    EXPECT_EQ(combo.Text(), "Fruit");
}

TEST_F(TreeViewComboTest, ATextMatchingNoNodeDropsDownOnTheFirstNode) {
    combo.SetText("Plum");
    combo.Tree().setCurrentItem(nullptr);
    combo.SetFullExpand(true);
    combo.DropDown({10, 10}, {{80, 22}, true}, nullptr);
    EXPECT_TRUE(combo.Tree().IsShown());
    EXPECT_EQ(combo.Tree().currentItem(), fruit);
    EXPECT_TRUE(fruit->isExpanded());
    combo.CloseUp();
    EXPECT_FALSE(combo.Tree().IsShown());
}

TEST_F(TreeViewComboTest, OnCanSelectNodeMayRefuse) {
    combo.OnCanSelectNode = [](TcbBarTreeViewCombo&, QTreeWidgetItem* node, bool& allow) {
        allow = node->childCount() == 0;
    };
    TcbBarTreeView& tree = combo.Tree();
    tree.SetDropDownMode(true);
    tree.setCurrentItem(fruit);
    EXPECT_FALSE(tree.Choose());
    tree.setCurrentItem(apple);
    EXPECT_TRUE(tree.Choose());
    EXPECT_EQ(combo.Text(), "Apple");
    // The chosen node goes with the tree's node.
    delete fruit;
    EXPECT_EQ(combo.ChosenNode(), nullptr);
}

TEST(ResizeStrip, LiesAwayFromTheFieldWithTheGripInTheFarCorner) {
    const QRect field(300, 100, 80, 22);
    EXPECT_EQ(DropDownDirection(QRect(300, 122, 200, 150), field), 3);  // below, not wholly left
    EXPECT_EQ(DropDownDirection(QRect(100, 122, 200, 150), field), 2);  // below, wholly left
    EXPECT_EQ(DropDownDirection(QRect(300, -50, 200, 150), field), 1);  // above
    EXPECT_EQ(DropDownDirection(QRect(100, -50, 200, 150), field), 0);
    const ResizeStrip below = LayOutResizeStrip({200, 150}, 3, 18, 16);
    EXPECT_TRUE(below.atBottom);
    EXPECT_EQ(below.strip, QRect(0, 132, 200, 18));
    EXPECT_EQ(below.grip.right(), 199);
    EXPECT_LT(below.close.left(), 20);
    const ResizeStrip above = LayOutResizeStrip({200, 150}, 0, 18, 16);
    EXPECT_EQ(above.strip.top(), 0);
    EXPECT_EQ(above.grip.left(), 0);
    EXPECT_GT(above.close.left(), 150);
}

platform::Colour PixelOf(const QImage& image, QPoint p) {
    const QRgb c = image.pixel(p);
    return platform::Rgb(qRed(c), qGreen(c), qBlue(c));
}

TEST(TreeDropDown, TheCloseButtonHasClassicEdgesAndTheGripTurnsToTheCornerAwayFromTheField) {
    using platform::SystemColour;
    auto* content = new QWidget;  // the window's child from now on
    content->resize(200, 150);
    TreeDropDownWindow window(*content);
    const QRect field(300, 100, 80, 22);
    window.move(300, 122);  // below the field: the strip at the bottom, the grip on the right
    window.PlaceStrip(field);
    window.show();
    const QPoint border(TreeDropDownWindow::kBorder, TreeDropDownWindow::kBorder);
    const auto at = [&](QPoint inner) { return PixelOf(window.grab().toImage(), inner + border); };
    const QRect close = window.Strip().close;
    const platform::Colour face = SystemColour(platform::COLOR_BTNFACE);
    const platform::Colour light = SystemColour(platform::COLOR_BTNHIGHLIGHT);
    const platform::Colour shadow = SystemColour(platform::COLOR_BTNSHADOW);
    EXPECT_EQ(at(close.topLeft()), face) << "no edge";
    window.StripMove(window.mapToGlobal(close.center() + border));
    EXPECT_EQ(at(close.topLeft()), light) << "raised while the mouse is over it";
    EXPECT_EQ(at(close.bottomRight()), shadow);
    int closes = 0;
    window.OnClose = [&] { ++closes; };
    window.StripPress(close.center());
    EXPECT_EQ(at(close.topLeft()), shadow) << "sunken while pressed";
    EXPECT_EQ(at(close.bottomRight()), light);
    window.StripRelease(close.center());
    EXPECT_EQ(closes, 1);

    QRect grip = window.Strip().grip;
    EXPECT_EQ(grip.right() + 1, window.Strip().strip.right() + 1);
    EXPECT_EQ(at({grip.right() - 1, grip.bottom()}), shadow) << "the ridges in the bottom-right corner";
    EXPECT_EQ(at({grip.left() + 1, grip.top()}), face);
    window.move(100, -50);  // wholly left of the field and above it
    window.PlaceStrip(field);
    grip = window.Strip().grip;
    EXPECT_EQ(window.Strip().strip.top(), 0);
    EXPECT_EQ(grip.left(), 0);
    EXPECT_EQ(at({grip.left() + 1, grip.top()}), shadow) << "mirrored into the top-left corner";
    EXPECT_EQ(at({grip.right() - 1, grip.bottom()}), face);
}

TEST_F(TreeViewComboTest, ExpandingCollapsingAndChangingAskFirstAndARefusalUndoesThem) {
    std::vector<std::string> log;
    const auto note = [&log](const char* what) {
        return [&log, what](TcbBarTreeViewCombo&, QTreeWidgetItem* node) {
            log.push_back(std::string(what) + " " + node->text(0).toStdString());
        };
    };
    bool allow = false;
    const auto ask = [&](const char* what) {
        return [&, what](TcbBarTreeViewCombo& item, QTreeWidgetItem* node, bool& allowed) {
            note(what)(item, node);
            allowed = allow;
        };
    };
    combo.OnExpanding = ask("expanding");
    combo.OnExpanded = note("expanded");
    combo.OnCollapsing = ask("collapsing");
    combo.OnCollapsed = note("collapsed");
    combo.OnChanging = ask("changing");
    combo.OnTreeViewChange = note("change");
    fruit->setExpanded(true);
    EXPECT_FALSE(fruit->isExpanded());
    allow = true;
    fruit->setExpanded(true);
    EXPECT_TRUE(fruit->isExpanded());
    allow = false;
    fruit->setExpanded(false);
    EXPECT_TRUE(fruit->isExpanded());
    combo.Tree().setCurrentItem(apple);
    EXPECT_NE(combo.Tree().currentItem(), apple);
    allow = true;
    combo.Tree().setCurrentItem(apple);
    EXPECT_EQ(combo.Tree().currentItem(), apple);
    EXPECT_EQ(log, (std::vector<std::string>{"expanding Fruit", "expanding Fruit", "expanded Fruit", "collapsing Fruit",
                                             "changing Apple", "changing Apple", "change Apple"}));
}

TEST_F(TreeViewComboTest, SortingTheTextsOrThroughOnCompareKeepsTheCurrentNode) {
    combo.Tree().setCurrentItem(apple);
    fruit->addChild(new QTreeWidgetItem(QStringList{"Banana"}));
    combo.SetSortType(stText);
    ASSERT_EQ(combo.Items().childCount(), 2);
    EXPECT_EQ(combo.Items().child(0)->text(0), "Bread");
    EXPECT_EQ(fruit->child(0)->text(0), "Apple");
    EXPECT_EQ(fruit->child(1)->text(0), "Banana");
    combo.OnCompare = [](TcbBarTreeViewCombo&, QTreeWidgetItem* a, QTreeWidgetItem* b, int, int& compare) {
        compare = b->text(0).compare(a->text(0));
    };
    combo.AlphaSort();
    EXPECT_EQ(combo.Items().child(0), fruit);
    EXPECT_EQ(fruit->child(0)->text(0), "Pear");
    EXPECT_EQ(combo.Tree().currentItem(), apple);
}

TEST_F(TreeViewComboTest, NodesShowTheImagesTheirIndexesNameAndTheBranchesAsAsked) {
    platform::ImageList images(16, 16), states(8, 8);
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x) strip.setPixel(x, y, qRgb(0, 0, 255));
    images.AddStrip(strip, platform::Rgb(255, 0, 255));
    states.AddStrip(strip.copy(0, 0, 8, 8), platform::Rgb(255, 0, 255));
    combo.SetImages(&images);
    combo.SetStateImages(&states);
    combo.OnGetImageIndex = [](TcbBarTreeViewCombo&, QTreeWidgetItem* node) {
        SetNodeImageIndex(*node, node->childCount() > 0 ? 0 : 1);
    };
    EXPECT_EQ(combo.NodeImage(*fruit, false).toImage().pixel(4, 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(combo.NodeImage(*apple, false).toImage().pixel(4, 4) & 0xFFFFFF, 0x0000FFu);
    EXPECT_TRUE(combo.NodeImage(*apple, true).isNull()) << "no selected index yet";
    SetNodeSelectedIndex(*apple, 0);
    EXPECT_FALSE(combo.NodeImage(*apple, true).isNull());
    SetNodeStateIndex(*fruit, 0);
    EXPECT_EQ(combo.NodeStateImage(*fruit).width(), 8);
    EXPECT_TRUE(combo.NodeStateImage(*apple).isNull());

    // The dotted lines through a child's row, and the plus box a click opens.
    combo.SetImages(nullptr);
    TcbBarTreeView& tree = combo.Tree();
    tree.show();
    const platform::Colour shadow = platform::SystemColour(platform::COLOR_BTNSHADOW);
    const auto branchInk = [&](QTreeWidgetItem* node) {
        const QImage shot = tree.viewport()->grab().toImage();
        const QRect row = tree.visualItemRect(node);
        int n = 0;
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = 0; x < row.left(); ++x) n += PixelOf(shot, {x, y}) == shadow ? 1 : 0;
        return n;
    };
    const QRect label = tree.visualItemRect(fruit);
    ClickAt(tree.viewport(), QPoint(label.left() - tree.indentation() / 2, label.center().y()));
    ASSERT_TRUE(fruit->isExpanded()) << "the box opens the node";
    EXPECT_GT(branchInk(apple), 0);
    combo.SetShowLines(false);
    EXPECT_EQ(branchInk(apple), 0);
    combo.SetShowButtons(false);
    ClickAt(tree.viewport(), QPoint(label.left() - tree.indentation() / 2, label.center().y()));
    EXPECT_TRUE(fruit->isExpanded()) << "without buttons a click there does nothing";
}

// Counts the bar relayouts the item asks for.
class RelayoutCountingTreeCombo : public TcbBarTreeViewCombo {
public:
    using TcbBarTreeViewCombo::TcbBarTreeViewCombo;
    void RelayoutBars() override { ++relayouts; }
    int relayouts = 0;
};

TEST(TreeViewComboImages, AnImageListSizesTheIconsAndRelaysTheBarsOncePerChange) {
    QWidget form;
    TcbBarManager manager{&form};
    auto& combo = manager.CreateItem<RelayoutCountingTreeCombo>("tcImages");
    platform::ImageList images(20, 18);
    combo.SetImages(&images);
    EXPECT_EQ(combo.relayouts, 1);
    EXPECT_EQ(combo.Tree().iconSize(), QSize(20, 18));
    combo.SetImages(&images);
    EXPECT_EQ(combo.relayouts, 1);
    combo.SetImages(nullptr);
    EXPECT_EQ(combo.relayouts, 2);
    EXPECT_EQ(combo.Images(), nullptr);
}

TEST_F(TreeViewComboTest, TheSelectItemDialogAsksAboutTheCombosOwnNodeAndChoosesIt) {
    ResetDialogs();
    std::vector<QTreeWidgetItem*> asked;
    combo.OnCanSelectNode = [&](TcbBarTreeViewCombo&, QTreeWidgetItem* node, bool& allow) {
        asked.push_back(node);
        allow = node->childCount() == 0;
    };
    // Whatever happens below, no dialog is left waiting.
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog";
        auto* tree = dialog->findChild<TcbBarTreeView*>();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        tree->setCurrentItem(tree->topLevelItem(0));
        ok->click();
        EXPECT_TRUE(dialog->isVisible()) << "a refused node leaves the dialog open";
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        ok->click();
    });
    combo.DoClick();
    EXPECT_EQ(asked, (std::vector<QTreeWidgetItem*>{fruit, apple}));
    EXPECT_EQ(combo.ChosenNode(), apple);
    EXPECT_EQ(combo.Text(), "Apple");
}

class TreeFieldTest : public WindowsTest {
protected:
    TreeFieldTest() {
        combo = &manager->CreateItem<TcbBarTreeViewCombo>("tcFood");
        QTreeWidgetItem* fruit = new QTreeWidgetItem(QStringList{"Fruit"});
        new QTreeWidgetItem(fruit, QStringList{"Apple"});
        new QTreeWidgetItem(fruit, QStringList{"Pear"});
        combo->Tree().addTopLevelItem(fruit);
        combo->Tree().addTopLevelItem(new QTreeWidgetItem(QStringList{"Bread"}));
        combo->Tree().addTopLevelItem(new QTreeWidgetItem(QStringList{"Berries"}));
        TcbBar& bar = MakeBar("Food", dsTop, 0);
        bar.ItemLinks().Add().SetItem(combo);
        bar.SetVisible(true);
        control = dynamic_cast<TcbBarTreeViewComboControl*>(bar.ItemLinks().Items(0)->Control());
        window = &WindowOf(bar);
    }
    void Press(int qtKey, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QCoreApplication::sendEvent(control->EditWindow(), &press);
    }
    std::string Current() const { return combo->Tree().currentItem()->text(0).toStdString(); }

    TcbBarTreeViewCombo* combo = nullptr;
    TcbBarTreeViewComboControl* control = nullptr;
    TcbBarControl* window = nullptr;
};

TEST_F(TreeFieldTest, TheSizingStripLiesOutsideTheScrollBarsOnTheSideAwayFromTheField) {
    for (int i = 0; i < 30; ++i)
        combo->Tree().addTopLevelItem(new QTreeWidgetItem(QStringList{QString("A rather long name for node %1").arg(i)}));
    combo->SetDropDownWidth(100);
    combo->SetDropDownHeight(100);
    const auto check = [this](bool below) {
        window->SelectControl(control);
        control->Click(false);
        Press(Qt::Key_F4);
        TreeDropDownWindow* dropDown = combo->Tree().DropDownWindow();
        ASSERT_NE(dropDown, nullptr);
        ASSERT_TRUE(dropDown->isVisible());
        // The scroll bars come with the tree's delayed layout, shown or hidden by a queued call.
        combo->Tree().doItemsLayout();
        QCoreApplication::sendPostedEvents(&combo->Tree(), QEvent::MetaCall);
        ASSERT_TRUE(dropDown->HasStrip());
        EXPECT_EQ(dropDown->Strip().atBottom, below);
        const QRect strip = dropDown->Strip().strip.translated(TreeDropDownWindow::kBorder, TreeDropDownWindow::kBorder);
        const QWidget* bars[] = {combo->Tree().verticalScrollBar(), combo->Tree().horizontalScrollBar()};
        for (const QWidget* bar : bars) {
            ASSERT_TRUE(bar->isVisible()) << (bar == bars[0] ? "vertical" : "horizontal");
            const QRect place(bar->mapTo(dropDown, QPoint(0, 0)), bar->size());
            EXPECT_FALSE(place.intersects(strip)) << "a scroll bar over the strip, below " << below;
        }
        EXPECT_FALSE(combo->Tree().geometry().intersects(strip));
        Press(Qt::Key_Escape);
    };
    check(true);
    // Near the bottom of the screen the tree drops up, and the strip goes to its top.
    form->move(0, 400);
    const platform::Rect r = window->GetItemRect(control);
    platform::OverrideWorkArea(platform::Rect{0, 0, 800, window->ClientToScreenPoint({0, r.bottom}).y + 20});
    check(false);
    platform::OverrideWorkArea(std::nullopt);
}

TEST_F(TreeFieldTest, TheOpenFieldHandsEveryKeyButEscEnterAndTabToTheTree) {
    ASSERT_NE(control, nullptr);
    window->SelectControl(control);
    control->Click(false);
    Press(Qt::Key_F4);
    ASSERT_TRUE(combo->Tree().IsShown());
    EXPECT_EQ(Current(), "Fruit");
    Press(Qt::Key_Right);
    EXPECT_TRUE(combo->Tree().topLevelItem(0)->isExpanded());
    Press(Qt::Key_Down);
    EXPECT_EQ(Current(), "Apple");
    EXPECT_EQ(control->GetText(), "Apple") << "the field shows the selected node";
    Press(Qt::Key_End);
    EXPECT_EQ(Current(), "Berries");
    Press(Qt::Key_Home);
    Press(Qt::Key_B, "b");
    EXPECT_EQ(Current(), "Bread");
    EXPECT_EQ(control->GetText(), "Bread");
    for (int key : {platform::VK_ESCAPE, platform::VK_RETURN, platform::VK_TAB})
        EXPECT_FALSE(combo->CheckKeyForDropDownWindow(key, 0));
    Press(Qt::Key_Return);
    EXPECT_EQ(combo->Text(), "Bread");
    EXPECT_FALSE(combo->Tree().IsShown());
}

}  // namespace
}  // namespace bars::testing
