#include "bars/manager/categories.h"
#include "bars/registry/item_class_registry.h"
#include "tests/bars/bar_fixture.h"

#include <typeindex>

namespace bars::testing {
namespace {

class CategoriesTest : public BarFixture {
public:
    // Categories A, B, C with the items a, b, c in them.
    void ThreeCategories() {
        auto& categories = manager->Categories();
        categories.SetName(0, "A");
        categories.Add("B");
        categories.Add("C");
        NewItem("a", 0);
        NewItem("b", 1);
        NewItem("c", 2);
    }
    int CategoryOf(const std::string& item) const { return manager->ItemByName(item)->Category(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < manager->Categories().Count(); ++i) {
            names.push_back(manager->Categories().Name(i));
        }
        return names;
    }
};

TEST_F(CategoriesTest, MovingRenumbersTheItems) {
    ThreeCategories();
    manager->Categories().Move(0, 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(CategoryOf("a"), 2);
    EXPECT_EQ(CategoryOf("b"), 0);
    EXPECT_EQ(CategoryOf("c"), 1);
    manager->Categories().Move(2, 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(CategoryOf("a"), 0);
    EXPECT_EQ(CategoryOf("c"), 2);
}

TEST_F(CategoriesTest, ExchangeInsertAndDeleteKeepItemsWithTheirCategory) {
    ThreeCategories();
    manager->SetCategoryVisible(0, false);
    manager->Categories().Exchange(0, 2);
    EXPECT_EQ(CategoryOf("a"), 2);
    EXPECT_EQ(CategoryOf("c"), 0);
    EXPECT_FALSE(manager->CategoryVisible(2));

    manager->Categories().Insert(1, "New");
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "New", "B", "A"}));
    EXPECT_EQ(CategoryOf("c"), 0);
    EXPECT_EQ(CategoryOf("b"), 2);
    EXPECT_EQ(CategoryOf("a"), 3);

    manager->Categories().Delete(0);
    EXPECT_EQ(manager->ItemByName("c"), nullptr);
    EXPECT_EQ(CategoryOf("b"), 1);
    EXPECT_EQ(CategoryOf("a"), 2);
}

TEST_F(CategoriesTest, DeletingTheLastCategoryFreesItsItemsAndLeavesAFreshDefault) {
    auto& item = NewItem("cbOpen");
    TcbBar& bar = NewBar("Tools");
    Link(bar.ItemLinks(), item);
    manager->SetCategoryVisible(0, false);
    manager->Categories().Delete(0);
    EXPECT_EQ(manager->ItemCount(), 0);
    EXPECT_EQ(bar.ItemLinks().Count(), 0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default"}));
    EXPECT_TRUE(manager->CategoryVisible(0));
}

TEST_F(CategoriesTest, BadIndexesChangeNothing) {
    ThreeCategories();
    manager->Categories().Move(0, 3);
    manager->Categories().Exchange(-1, 1);
    manager->Categories().Delete(3);
    manager->Categories().Insert(4, "X");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(CategoryOf("c"), 2);
}

TEST_F(CategoriesTest, StoredListsHoldOneValuePerCategoryAndIgnoreTheRest) {
    ThreeCategories();
    manager->Categories().ReadVisibles({true, false, true, false, false});
    EXPECT_EQ(manager->Categories().Visibles(), (std::vector<bool>{true, false, true}));
    manager->Categories().ReadItemsVisibles({2, 1});
    EXPECT_EQ(manager->Categories().ItemsVisibles(), (std::vector<int>{2, 1, 2}));
}

TEST(ItemClassRegistry, OffersOnlyOfferedClassesInRegistrationOrder) {
    TcbBarItemClassRegistry registry;
    registry.RegisterBarItemClass<TcbBarButton>(nullptr, true);
    registry.RegisterBarItemClass<RecordedButton>(nullptr, false);
    registry.RegisterBarItemClass<TcbBarSubItem>(nullptr, true);
    EXPECT_EQ(registry.OfferedCount(), 2);
    EXPECT_EQ(registry.OfferedItemClass(1)->className, "TcbBarSubItem");
    EXPECT_EQ(registry.OfferedItemClass(2), nullptr);
    EXPECT_EQ(registry.OfferedItemClass(-1), nullptr);
    registry.UnregisterBarItemClass(typeid(TcbBarButton));
    registry.UnregisterBarItemClass(typeid(TcbBarButton));
    EXPECT_EQ(registry.OfferedItemClass(0)->className, "TcbBarSubItem");
    EXPECT_EQ(registry.Count(), 2);
}

TEST_F(CategoriesTest, ControlClassComesOnlyFromTheItemsOwnClass) {
    auto& plain = NewItem("plain");
    auto& recorded = NewItem<RecordedButton>("recorded");
    TcbBarItemClassRegistry registry;
    registry.RegisterBarItemClass<TcbBarButton>([](TcbBarItemLink& link) {
        return std::make_unique<TcbBarItemControl>(link);
    }, true);
    registry.RegisterBarItemClass<TcbBarButton>(nullptr, true);
    EXPECT_NE(registry.ControlClassOf(plain), nullptr);
    // A derived class does not inherit its ancestor's control.
    EXPECT_EQ(registry.ControlClassOf(recorded), nullptr);
}

}  // namespace
}  // namespace bars::testing
