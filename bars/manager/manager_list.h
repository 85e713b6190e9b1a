#pragma once

#include "bars/core/bar_types.h"

#include <vector>

class QWidget;

namespace bars {

// Every live bar manager of the process, in creation order.
class TcbBarManagerList {
public:
    int Count() const { return static_cast<int>(m_managers.size()); }
    // None out of range.
    TcbBarManager* Manager(int index) const;
    void Add(TcbBarManager* manager);
    void Remove(TcbBarManager* manager);

    // The first manager whose owner form is the form; none for no form.
    TcbBarManager* ManagerOfForm(const QWidget* form) const;
    // The first manager that is customizing or designing.
    TcbBarManager* CustomizingManager() const;

private:
    std::vector<TcbBarManager*> m_managers;
};

TcbBarManagerList& BarManagers();

}  // namespace bars
