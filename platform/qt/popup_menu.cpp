#include "platform/qt/popup_menu.h"

#include <QMenu>

#include "platform/qt/controls.h"

namespace platform {

namespace {

// The form library writes the accelerator with "&", as Qt does.
QString MenuText(const std::string& caption) { return ToQString(caption); }

}  // namespace

PopupMenu::PopupMenu(QObject* owner, std::string_view name) : QObject(owner) { setObjectName(ToQString(name)); }

PopupMenu::~PopupMenu() {
    if (m_menu) m_menu->deleteLater();
}

PopupItem& PopupMenu::Add(std::string_view name, std::string_view caption, std::function<void()> onClick) {
    auto item = std::make_unique<PopupItem>();
    item->name = std::string(name);
    item->caption = std::string(caption);
    item->onClick = std::move(onClick);
    m_items.push_back(std::move(item));
    return *m_items.back();
}

PopupItem* PopupMenu::Find(std::string_view name) {
    for (const auto& item : m_items)
        if (!name.empty() && item->name == name) return item.get();
    return nullptr;
}

bool PopupMenu::Choose(std::string_view name) {
    PopupItem* item = Find(name);
    if (item == nullptr || !item->visible || !item->enabled || item->IsSeparator()) return false;
    if (item->onClick) item->onClick();
    return true;
}

void PopupMenu::Popup(int x, int y) {
    CloseUp();
    m_menu = new QMenu();
    m_menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const auto& entry : m_items) {
        if (!entry->visible) continue;
        if (entry->IsSeparator()) {
            m_menu->addSeparator();
            continue;
        }
        QAction* action = m_menu->addAction(MenuText(entry->caption));
        action->setEnabled(entry->enabled);
        action->setCheckable(entry->checked);
        action->setChecked(entry->checked);
        const std::string name = entry->name;
        // Chosen after the menu has closed, so a handler that opens a modal window is not
        // run from inside the menu's own event handling.
        connect(action, &QAction::triggered, this, [this, name] {
            QMetaObject::invokeMethod(this, [this, name] { Choose(name); }, Qt::QueuedConnection);
        });
    }
    m_menu->popup(QPoint(x, y));
}

bool PopupMenu::IsShowing() const { return m_menu && m_menu->isVisible(); }

void PopupMenu::CloseUp() {
    if (m_menu) m_menu->close();
}

}  // namespace platform
