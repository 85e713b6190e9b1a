#include "bars/extended/extended_dialogs.h"
#include "bars/extended/tree_view_combo.h"
#include "bars/manager/bar_manager.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/image_list.h"
#include "tests/bars/windows_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
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
