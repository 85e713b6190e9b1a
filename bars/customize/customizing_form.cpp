#include "bars/customize/customizing_form.h"

#include "bars/customize/customizing_drag.h"
#include "bars/customize/editors.h"
#include "bars/customize/sub_menu_editor.h"
#include "bars/hooks/owner_form.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/categories.h"
#include "bars/services/captions.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/dock_control.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"
#include "platform/qt/controls.h"
#include "platform/qt/window_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace bars {

namespace {

TcbBarCustomizingForm* g_form = nullptr;

QString Text(int id) {
    const std::string_view text = platform::BarString(id);
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// The string numbers of the animations combo, in TcbBarMenuAnimations order.
constexpr int kAnimationTexts[] = {39224, 39225, 39226, 39227};
constexpr int kDialogGap = 8;

// A caption whose accelerator takes the user to the control it names.
QLabel* Caption(int id, QWidget* control, QWidget* page) {
    auto* label = new QLabel(Text(id), page);
    label->setBuddy(control);
    return label;
}

bool Confirm(int id, const std::string& name) {
    return CustomizingMessages().Confirm(platform::FormatBarString(id, name), ApplicationTitle());
}

}  // namespace

TcbBarCustomizingForm::TcbBarCustomizingForm(TcbBarManager& manager) : QWidget(nullptr, Qt::Tool), m_manager(manager) {
    setWindowTitle(Text(39228));
    PageControl = new QTabWidget(this);
    BuildToolbarsPage();
    BuildCommandsPage();
    BuildOptionsPage();
    BClose = new QPushButton(Text(39236), this);
    BHelp = new QPushButton(this);
    connect(BClose, &QPushButton::clicked, this, [] { CloseCustomizingForm(); });
    connect(BHelp, &QPushButton::clicked, this, [this] { HelpClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BHelp);
    buttons->addStretch();
    buttons->addWidget(BClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addLayout(buttons);
    Refresh();
}

TcbBarCustomizingForm::~TcbBarCustomizingForm() {
    if (CustomizingSite() == this) SetCustomizingSite(nullptr);
    if (g_form == this) g_form = nullptr;
}

void TcbBarCustomizingForm::BuildToolbarsPage() {
    auto* page = new QWidget;
    LBars = new QListWidget(page);
    BBarNew = new QPushButton(Text(39213), page);
    BBarRename = new QPushButton(Text(39215), page);
    BBarDelete = new QPushButton(Text(39216), page);
    BBarReset = new QPushButton(Text(39217), page);
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(39212, LBars, page), 0, 0);
    grid->addWidget(LBars, 1, 0, 5, 1);
    grid->addWidget(BBarNew, 1, 1);
    grid->addWidget(BBarRename, 2, 1);
    grid->addWidget(BBarDelete, 3, 1);
    grid->addWidget(BBarReset, 4, 1);
    // The list takes the height; the caption and the buttons keep theirs.
    grid->setRowStretch(5, 1);
    connect(BBarNew, &QPushButton::clicked, this, [this] { BBarNewClick(); });
    connect(BBarRename, &QPushButton::clicked, this, [this] { BBarRenameClick(); });
    connect(BBarDelete, &QPushButton::clicked, this, [this] { BBarDeleteClick(); });
    connect(BBarReset, &QPushButton::clicked, this, [this] { BBarResetClick(); });
    connect(LBars, &QListWidget::itemChanged, this, [this](QListWidgetItem* row) {
        if (m_filling) return;
        if (TcbBar* bar = m_manager.Bars().Items(LBars->row(row))) bar->SetVisible(row->checkState() == Qt::Checked);
    });
    PageControl->addTab(page, Text(39211));
}

void TcbBarCustomizingForm::BuildCommandsPage() {
    auto* page = new QWidget;
    LCategories = new QListWidget(page);
    LCommands = new QListWidget(page);
    LDescription = new QLabel(page);
    LDescription->setWordWrap(true);
    const auto button = [&](const QString& text, void (TcbBarCustomizingForm::*handler)()) {
        auto* b = new QPushButton(text, page);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    BCategoryAdd = button(Text(39202), &TcbBarCustomizingForm::CategoriesAddClick);
    BCategoryInsert = button(Text(39203), &TcbBarCustomizingForm::CategoriesInsertClick);
    BCategoryRename = button(Text(39204), &TcbBarCustomizingForm::CategoriesRenameClick);
    BCategoryDelete = button(Text(39151), &TcbBarCustomizingForm::CategoriesDeleteClick);
    BCategoryVisible = button(Text(39158), &TcbBarCustomizingForm::CategoriesVisibleClick);
    BCommandAdd = button(Text(39237), &TcbBarCustomizingForm::CommandsAddClick);
    BCommandDelete = button(Text(39151), &TcbBarCustomizingForm::CommandsDeleteClick);
    BCommandClear = button(Text(39419), &TcbBarCustomizingForm::CommandsClearClick);
    BCommandUp = button(QStringLiteral("\u2191"), &TcbBarCustomizingForm::CommandsMoveUpClick);
    BCommandDown = button(QStringLiteral("\u2193"), &TcbBarCustomizingForm::CommandsMoveDownClick);
    BCommandSubMenu = button(Text(39214), &TcbBarCustomizingForm::CommandsSubMenuEditorClick);
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(39219, LCategories, page), 0, 0);
    grid->addWidget(Caption(39220, LCommands, page), 0, 1);
    grid->addWidget(LCategories, 1, 0);
    grid->addWidget(LCommands, 1, 1);
    auto* categoryButtons = new QVBoxLayout;
    for (QPushButton* b : {BCategoryAdd, BCategoryInsert, BCategoryRename, BCategoryDelete, BCategoryVisible})
        categoryButtons->addWidget(b);
    auto* commandButtons = new QVBoxLayout;
    for (QPushButton* b : {BCommandAdd, BCommandDelete, BCommandClear, BCommandUp, BCommandDown, BCommandSubMenu})
        commandButtons->addWidget(b);
    grid->addLayout(categoryButtons, 2, 0);
    grid->addLayout(commandButtons, 2, 1);
    grid->addWidget(new QLabel(Text(39221), page), 3, 0);
    grid->addWidget(LDescription, 3, 1);
    connect(LCategories, &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling) FillCommands();
    });
    connect(LCommands, &QListWidget::currentRowChanged, this, [this] {
        const TcbBarItem* item = SelectedCommand();
        LDescription->setText(item ? QString::fromStdString(item->Description()) : QString());
    });
    LCommands->viewport()->installEventFilter(this);
    PageControl->addTab(page, Text(39218));
}

void TcbBarCustomizingForm::BuildOptionsPage() {
    auto* page = new QWidget;
    CBAnimations = new QComboBox(page);
    for (int id : kAnimationTexts) CBAnimations->addItem(Text(id));
    CBShowHint = new QCheckBox(Text(39229), page);
    CBShortCutInHint = new QCheckBox(Text(39230), page);
    CBLargeIcons = new QCheckBox(Text(39231), page);
    CBRecentFirst = new QCheckBox(Text(39233), page);
    CBFullMenus = new QCheckBox(Text(39234), page);
    BResetUsage = new QPushButton(Text(39235), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Caption(39223, CBAnimations, page));
    layout->addWidget(CBAnimations);
    for (QCheckBox* box : {CBShowHint, CBShortCutInHint, CBLargeIcons}) layout->addWidget(box);
    // The personalized part belongs to the enhanced style only.
    auto* enhanced = new QLabel(Text(39232), page);
    enhanced->setVisible(m_manager.Style() == bmsEnhanced);
    layout->addWidget(enhanced);
    for (QWidget* w : std::initializer_list<QWidget*>{CBRecentFirst, CBFullMenus, BResetUsage}) {
        w->setVisible(m_manager.Style() == bmsEnhanced);
        layout->addWidget(w);
    }
    for (QCheckBox* box : {CBShowHint, CBShortCutInHint, CBLargeIcons, CBRecentFirst, CBFullMenus})
        connect(box, &QCheckBox::toggled, this, [this] { OptionsChanged(); });
    connect(CBAnimations, &QComboBox::currentIndexChanged, this, [this] { OptionsChanged(); });
    connect(BResetUsage, &QPushButton::clicked, this, [this] { ResetUsageDataClick(); });
    PageControl->addTab(page, Text(39222));
}

// ---- filling --------------------------------------------------------------------------

void TcbBarCustomizingForm::Refresh() {
    FillBars();
    FillCategories();
    FillCommands();
    FillOptions();
}

void TcbBarCustomizingForm::FillBars() {
    m_filling = true;
    const int row = LBars->currentRow();
    LBars->clear();
    for (int i = 0; i < m_manager.Bars().Count(); ++i) {
        const TcbBar* bar = m_manager.Bars().Items(i);
        auto* entry = new QListWidgetItem(QString::fromStdString(bar->Caption()), LBars);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(bar->Visible() ? Qt::Checked : Qt::Unchecked);
    }
    LBars->setCurrentRow(std::min(row < 0 ? 0 : row, LBars->count() - 1));
    m_filling = false;
}

void TcbBarCustomizingForm::FillCategories() {
    m_filling = true;
    const int row = LCategories->currentRow();
    LCategories->clear();
    for (int i = 0; i < m_manager.Categories().Count(); ++i)
        LCategories->addItem(QString::fromStdString(m_manager.Categories().Name(i)));
    LCategories->setCurrentRow(std::min(row < 0 ? 0 : row, LCategories->count() - 1));
    m_filling = false;
}

void TcbBarCustomizingForm::FillCommands() {
    const int row = LCommands->currentRow();
    LCommands->clear();
    for (const TcbBarItem* item : Commands()) {
        const std::string caption = item->Caption().empty() ? item->Name() : StripAccelerators(item->Caption());
        LCommands->addItem(QString::fromStdString(caption));
    }
    LCommands->setCurrentRow(std::min(row < 0 ? 0 : row, LCommands->count() - 1));
}

void TcbBarCustomizingForm::FillOptions() {
    m_filling = true;
    CBAnimations->setCurrentIndex(m_manager.MenuAnimations());
    CBShowHint->setChecked(m_manager.ShowHint());
    CBShortCutInHint->setChecked(m_manager.ShowShortCutInHint());
    CBLargeIcons->setChecked(m_manager.LargeIcons());
    CBRecentFirst->setChecked(m_manager.MenusShowRecentItemsFirst());
    CBFullMenus->setChecked(m_manager.ShowFullMenusAfterDelay());
    FillHelpButton();
    m_filling = false;
}

void TcbBarCustomizingForm::FillHelpButton() {
    const platform::Bitmap& glyph = m_manager.HelpButtonGlyph();
    if (glyph.IsEmpty()) {
        // Without a glyph of the manager's the button still says what it is for.
        BHelp->setIcon(QIcon());
        BHelp->setText(QStringLiteral("?"));
    } else {
        const QPixmap pixmap = platform::KeyedGlyph(glyph.Image());
        BHelp->setText(QString());
        BHelp->setIcon(QIcon(pixmap));
        BHelp->setIconSize(pixmap.size());
    }
    BHelp->setVisible(m_manager.ShowHelpButton());
}

void TcbBarCustomizingForm::HelpClick() {
    if (m_manager.OnHelpButtonClick)
        m_manager.OnHelpButtonClick(m_manager);
    else
        ShowHelpContext(m_manager.HelpContext());
}

void TcbBarCustomizingForm::ShowCommand(const TcbBarItem* item) {
    const int category = item ? item->Category() : -1;
    if (category < 0 || category >= LCategories->count()) return;
    if (LCategories->currentRow() != category) LCategories->setCurrentRow(category);
    const auto items = Commands();
    const auto it = std::find(items.begin(), items.end(), item);
    if (it != items.end()) LCommands->setCurrentRow(static_cast<int>(it - items.begin()));
}

TcbBar* TcbBarCustomizingForm::SelectedBar() const { return m_manager.Bars().Items(LBars->currentRow()); }

int TcbBarCustomizingForm::SelectedCategory() const { return LCategories->currentRow(); }

std::vector<TcbBarItem*> TcbBarCustomizingForm::Commands() const {
    std::vector<TcbBarItem*> items;
    const int category = SelectedCategory();
    for (int i = 0; i < m_manager.ItemCount() && category >= 0; ++i)
        if (m_manager.Items(i)->Category() == category) items.push_back(m_manager.Items(i));
    return items;
}

TcbBarItem* TcbBarCustomizingForm::SelectedCommand() const {
    const auto items = Commands();
    const int row = LCommands->currentRow();
    return row >= 0 && row < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(row)] : nullptr;
}

// ---- toolbars -------------------------------------------------------------------------

void TcbBarCustomizingForm::BBarNewClick() {
    std::string name;
    if (!EditBarName(name, false, TcbBarNameEd::Add)) return;
    TcbBar& bar = m_manager.Bars().Add();
    bar.SetCaption(name);
    bar.SetDockingStyle(dsNone);
    bar.SetFloatLeft(x() + frameGeometry().width() + kDialogGap);
    bar.SetFloatTop(y());
    bar.SetVisible(true);
    Refresh();
    LBars->setCurrentRow(bar.Index());
}

void TcbBarCustomizingForm::BBarRenameClick() {
    TcbBar* bar = SelectedBar();
    std::string name = bar ? bar->Caption() : std::string();
    if (!bar || !EditBarName(name, false, TcbBarNameEd::Rename)) return;
    bar->SetCaption(name);
    Refresh();
}

void TcbBarCustomizingForm::BBarDeleteClick() {
    TcbBar* bar = SelectedBar();
    if (!bar || !Confirm(39006, bar->Caption())) return;
    m_manager.Bars().Delete(bar->Index());
    Refresh();
}

void TcbBarCustomizingForm::BBarResetClick() {
    if (TcbBar* bar = SelectedBar()) bar->ResetWithConfirmation(CustomizingMessages(), ApplicationTitle());
    Refresh();
}

// ---- categories -----------------------------------------------------------------------

void TcbBarCustomizingForm::CategoriesAddClick() {
    std::string name;
    if (!EditBarName(name, true, TcbBarNameEd::Add)) return;
    const int index = m_manager.Categories().Add(name);
    Refresh();
    LCategories->setCurrentRow(index);
}

void TcbBarCustomizingForm::CategoriesInsertClick() {
    std::string name;
    const int at = std::max(0, SelectedCategory());
    if (!EditBarName(name, true, TcbBarNameEd::Insert)) return;
    m_manager.Categories().Insert(at, name);
    Refresh();
    LCategories->setCurrentRow(at);
}

void TcbBarCustomizingForm::CategoriesRenameClick() {
    const int index = SelectedCategory();
    if (index < 0) return;
    std::string name = m_manager.Categories().Name(index);
    if (!EditBarName(name, true, TcbBarNameEd::Rename)) return;
    m_manager.Categories().SetName(index, name);
    Refresh();
}

void TcbBarCustomizingForm::CategoriesDeleteClick() {
    const int index = SelectedCategory();
    if (index < 0 || m_manager.Categories().Count() <= 1) return;
    if (!Confirm(39007, m_manager.Categories().Name(index))) return;
    m_manager.Categories().Delete(index);
    Refresh();
}

void TcbBarCustomizingForm::CategoriesVisibleClick() {
    const int index = SelectedCategory();
    if (index >= 0) m_manager.SetCategoryVisible(index, !m_manager.CategoryVisible(index));
}

// ---- commands -------------------------------------------------------------------------

void TcbBarCustomizingForm::CommandsAddClick() {
    if (TcbBarItem* item = AddCommand(m_manager, std::max(0, SelectedCategory()))) {
        Refresh();
        const auto items = Commands();
        const auto it = std::find(items.begin(), items.end(), item);
        if (it != items.end()) LCommands->setCurrentRow(static_cast<int>(it - items.begin()));
    }
}

void TcbBarCustomizingForm::CommandsDeleteClick() {
    TcbBarItem* item = SelectedCommand();
    if (!item) return;
    const int row = LCommands->currentRow();
    m_manager.FreeItem(*item);
    FillCommands();
    LCommands->setCurrentRow(std::min(row, LCommands->count() - 1));
}

void TcbBarCustomizingForm::CommandsClearClick() {
    const int category = SelectedCategory();
    if (category < 0 || !Confirm(39008, m_manager.Categories().Name(category))) return;
    for (TcbBarItem* item : Commands()) m_manager.FreeItem(*item);
    FillCommands();
}

void TcbBarCustomizingForm::MoveCommand(int step) {
    const auto items = Commands();
    const int row = LCommands->currentRow(), to = row + step;
    if (row < 0 || to < 0 || to >= static_cast<int>(items.size())) return;
    TcbBarItem& item = *items[static_cast<std::size_t>(row)];
    m_manager.MoveItem(item, m_manager.IndexOfItem(*items[static_cast<std::size_t>(to)]));
    FillCommands();
    LCommands->setCurrentRow(to);
}

void TcbBarCustomizingForm::CommandsMoveUpClick() { MoveCommand(-1); }
void TcbBarCustomizingForm::CommandsMoveDownClick() { MoveCommand(1); }

// ---- options --------------------------------------------------------------------------

void TcbBarCustomizingForm::OptionsChanged() {
    if (m_filling) return;
    // Each switch refreshes this page: every box is read before the first is applied.
    const auto animations = static_cast<TcbBarMenuAnimations>(std::max(0, CBAnimations->currentIndex()));
    const bool showHint = CBShowHint->isChecked(), shortCut = CBShortCutInHint->isChecked();
    const bool large = CBLargeIcons->isChecked(), recent = CBRecentFirst->isChecked();
    const bool fullMenus = CBFullMenus->isChecked();
    m_manager.SetMenuAnimations(animations);
    m_manager.SetShowHint(showHint);
    m_manager.SetShowShortCutInHint(shortCut);
    m_manager.SetLargeIcons(large);
    m_manager.SetMenusShowRecentItemsFirst(recent);
    m_manager.SetShowFullMenusAfterDelay(fullMenus);
}

void TcbBarCustomizingForm::ResetUsageDataClick() {
    ResetUsageData(m_manager, CustomizingMessages(), ApplicationTitle());
}

// ---- the drag site --------------------------------------------------------------------

bool TcbBarCustomizingForm::ContainsScreenPoint(platform::Point screen) const {
    const QRect r = frameGeometry();
    return isVisible() && r.contains(screen.x, screen.y);
}

int TcbBarCustomizingForm::CategoryAt(platform::Point screen) const {
    if (!LCategories->isVisible()) return -1;
    const QPoint local = LCategories->viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
    if (!LCategories->viewport()->rect().contains(local)) return -1;
    const QListWidgetItem* row = LCategories->itemAt(local);
    return row ? LCategories->row(row) : -1;
}

void TcbBarCustomizingForm::SelectCategory(int index) { LCategories->setCurrentRow(index); }

bool TcbBarCustomizingForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != LCommands->viewport()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_commandPress = static_cast<QMouseEvent*>(event)->position().toPoint();
    } else if (event->type() == QEvent::MouseMove && m_commandPress.x() >= 0) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if ((move->position().toPoint() - m_commandPress).manhattanLength() < QApplication::startDragDistance()) return false;
        TcbBarItem* item = SelectedCommand();
        const QPoint press = LCommands->viewport()->mapToGlobal(m_commandPress);
        m_commandPress = {-1, -1};
        if (item) DesignDragLoop(m_manager, *item, nullptr, {press.x(), press.y()});
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_commandPress = {-1, -1};
    }
    return false;
}

void TcbBarCustomizingForm::RefreshPage() {
    switch (PageControl->currentIndex()) {
    case 0: FillBars(); break;
    case 1:
        FillCategories();
        FillCommands();
        break;
    default: FillOptions(); break;
    }
}

bool TcbBarCustomizingForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // The dialog counts as its form's own window: coming back to the program through it
        // brings the floating bars back as the form's activation would.
        if (m_manager.IsCustomizing()) ActivationStep(m_manager, true, nullptr);
        // The user may have changed the bars elsewhere meanwhile; a drag of ours activates it too.
        if (!TcbBarCustomizingDrag::Instance().IsDragging()) RefreshPage();
    }
    return QWidget::event(event);
}

void TcbBarCustomizingForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    CloseCustomizingForm();
}

void TcbBarCustomizingForm::CustomizingEnded() {
    FreeSubMenuEditor();
    if (CustomizingSite() == this) SetCustomizingSite(nullptr);
    if (g_form == this) g_form = nullptr;
    hide();
    deleteLater();
}

void TcbBarCustomizingForm::BringToFront() {
    raise();
    activateWindow();
}

void TcbBarCustomizingForm::FormShown(bool shown) {
    TcbBarSubMenuEditor* editor = SubMenuEditor();
    if (!shown) {
        m_editorShownWithForm = editor && editor->isVisible();
        if (editor) editor->hide();
        hide();
        return;
    }
    show();
    platform::WindowList::Instance().BringToTop(this);
    // The editor only comes back when it was open; it leaves the activation to the dialog.
    if (editor && m_editorShownWithForm) {
        editor->setAttribute(Qt::WA_ShowWithoutActivating);
        editor->show();
        platform::WindowList::Instance().BringToTop(editor);
    }
}

// ---- one window per process -----------------------------------------------------------

TcbBarCustomizingForm* CustomizingForm() { return g_form; }

TcbBarCustomizingForm* ShowCustomizingForm(TcbBarManager& manager) {
    if (g_form) return g_form;
    if (!manager.CanCustomize()) return nullptr;
    manager.SetCustomizing(true);
    // Refused: another manager's customizing is under way.
    if (!manager.IsCustomizing() || CustomizingSite()) return g_form;
    g_form = new TcbBarCustomizingForm(manager);
    SetCustomizingSite(g_form);
    g_form->Refresh();
    g_form->show();
    platform::WindowList::Instance().BringToTop(g_form);
    return g_form;
}

void TcbBarCustomizingForm::CommandsSubMenuEditorClick() {
    if (auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(SelectedCommand())) ShowSubMenuEditor(*subItem);
}

void InstallCustomizingForm() {
    SetCustomizeHandler([](TcbBarManager& manager, platform::Point) { ShowCustomizingForm(manager); });
}

void CloseCustomizingForm() {
    TcbBarCustomizingForm* form = g_form;
    if (!form) return;
    // Customizing off frees the window (CustomizingEnded).
    form->Manager().SetCustomizing(false);
    if (g_form == form) form->CustomizingEnded();
}

}  // namespace bars
