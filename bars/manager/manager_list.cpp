#include "bars/manager/manager_list.h"

#include "bars/manager/bar_manager.h"
#include "platform/qt/image_list.h"

#include <algorithm>

namespace bars {

namespace {
// A freed image list is cleared from every manager and item that shows it.
void ForgetImageList(const platform::ImageList* images) {
    const TcbBarManagerList& managers = BarManagers();
    for (int i = 0; i < managers.Count(); ++i) managers.Manager(i)->ImageListFreed(images);
}
}  // namespace

TcbBarManager* TcbBarManagerList::Manager(int index) const {
    return (index >= 0 && index < Count()) ? m_managers[static_cast<std::size_t>(index)] : nullptr;
}

void TcbBarManagerList::Add(TcbBarManager* manager) {
    if (std::find(m_managers.begin(), m_managers.end(), manager) != m_managers.end()) {
        return;
    }
    m_managers.push_back(manager);
    platform::ImageList::SetFreedHandler(&ForgetImageList);
}

void TcbBarManagerList::Remove(TcbBarManager* manager) {
    std::erase(m_managers, manager);
    // Lists freed after the last manager find nothing to clear.
    if (m_managers.empty()) platform::ImageList::SetFreedHandler(nullptr);
}

TcbBarManager* TcbBarManagerList::ManagerOfForm(const QWidget* form) const {
    if (!form) {
        return nullptr;
    }
    for (TcbBarManager* manager : m_managers) {
        if (manager->OwnerForm() == form) {
            return manager;
        }
    }
    return nullptr;
}

TcbBarManager* TcbBarManagerList::CustomizingManager() const {
    for (TcbBarManager* manager : m_managers) {
        if (manager->IsCustomizing() || manager->IsDesigning()) {
            return manager;
        }
    }
    return nullptr;
}

TcbBarManagerList& BarManagers() {
    static TcbBarManagerList list;
    return list;
}

}  // namespace bars
