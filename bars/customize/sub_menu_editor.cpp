#include "bars/customize/sub_menu_editor.h"

#include "bars/controls/item_control.h"
#include "bars/customize/customizing_form.h"
#include "bars/customize/dialog_places.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/framework_services.h"
#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"
#include "platform/qt/window_list.h"

#include <QTabWidget>

#include <algorithm>
#include <memory>

namespace bars {

namespace {
std::unique_ptr<TcbBarSubMenuEditor> g_editor;
constexpr int kEditorPage = 1;
}  // namespace

TcbBarSubMenuEditor::TcbBarSubMenuEditor(TcbBarManager& manager) : TCustomcbBarControl(manager) {
    setWindowFlags(Qt::Tool);
    const std::string_view caption = platform::BarString(39214);
    setWindowTitle(QString::fromUtf8(caption.data(), static_cast<int>(caption.size())));
}

TcbBarSubMenuEditor::~TcbBarSubMenuEditor() { Detach(); }

void TcbBarSubMenuEditor::Detach() {
    if (!ItemLinks()) return;
    DestroyControls();
    if (ItemLinks()->Window() == this) ItemLinks()->SetWindow(nullptr);
    SetItemLinks(nullptr);
    m_subItem = nullptr;
}

void TcbBarSubMenuEditor::Hold(TCustomcbBarSubItem& item) {
    if (m_subItem != &item) {
        Detach();
        m_subItem = &item;
        SetItemLinks(&item.ItemLinks());
        item.ItemLinks().SetWindow(this);
    }
    Rebuild();
}

void TcbBarSubMenuEditor::Edit(TCustomcbBarSubItem& item) {
    Hold(item);
    show();
    platform::WindowList::Instance().BringToTop(this);
}

void TcbBarSubMenuEditor::Release() {
    Detach();
    Repaint();
}

void TcbBarSubMenuEditor::Rebuild() {
    if (!ItemLinks()) return;
    DestroyControls();
    CreateControls();
    CalcLayout();
    Repaint();
}

void TcbBarSubMenuEditor::CalcLayout() {
    if (!ItemLinks()) return;
    int width = std::max(kMinimumWidth, CaptionWidth(*this)), height = 0;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks())
        if (const TcbBarItemControl* control = link->Control()) {
            width = std::max(width, control->GetWidth());
            height += control->GetHeight();
        }
    int y = 0;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks()) {
        const TcbBarItemControl* control = link->Control();
        const int h = control ? control->GetHeight() : 0;
        link->SetItemRect({0, y, width, y + h});
        y += h;
    }
    // An empty sub-menu still shows a place to drop into.
    const QSize size(width, std::max(height, ItemHeight()));
    if (this->size() != size) resize(size);
}

void TcbBarSubMenuEditor::PaintClient(platform::Canvas& canvas) {
    canvas.FillSolidRect(ClientRect(), platform::SystemColour(platform::COLOR_BTNFACE));
    if (!ItemLinks()) return;
    for (TcbBarItemLink* link : ItemLinks()->ShownLinks())
        if (TcbBarItemControl* control = link->Control()) PrepareItemPaint(canvas, *control);
}

TcbBarSubMenuEditor* SubMenuEditor() { return g_editor.get(); }

TcbBarSubMenuEditor* ShowSubMenuEditor(TCustomcbBarSubItem& item) {
    TcbBarManager* manager = item.BarManager();
    if (!manager) return nullptr;
    TcbBarCustomizingForm* form = ShowCustomizingForm(*manager);
    if (!form || &form->Manager() != manager) return nullptr;
    form->PageControl->setCurrentIndex(kEditorPage);
    if (g_editor && &g_editor->Manager() != manager) g_editor.reset();
    if (!g_editor) {
        g_editor = std::make_unique<TcbBarSubMenuEditor>(*manager);
        g_editor->Hold(item);
        // Beside the customizing window, where both stay in sight; its frame is taken to be
        // the dialog's, which the window manager gives both.
        const QRect dialog = form->frameGeometry();
        const QSize frame = g_editor->size() + (dialog.size() - form->size());
        const platform::Point at = PlaceBesideDialog(ScreenRectOf(dialog), {frame.width(), frame.height()},
                                                     GetWorkArea({dialog.center().x(), dialog.center().y()}));
        g_editor->move(at.x, at.y);
    }
    g_editor->Edit(item);
    return g_editor.get();
}

void FreeSubMenuEditor() { g_editor.reset(); }

}  // namespace bars
