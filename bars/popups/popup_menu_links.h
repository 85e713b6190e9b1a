#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace bars {

class TcbBarPopupMenu;
class TcbBarPopupMenuLink;

// Called before a link's menu shows, with the control and the point in its client
// coordinates; it may change the menu, or set it to none so that nothing shows.
using TcbBarPopupMenuLinkActionEvent =
    std::function<void(TcbBarPopupMenuLink& link, QWidget& control, platform::Point& point, TcbBarPopupMenu*& menu)>;

// Ties a pop-up menu to a control of the form: a right click or the context key on the
// control shows the menu. Control and menu are forgotten when they are freed.
class TcbBarPopupMenuLink {
public:
    QWidget* Control() const { return m_control; }
    void SetControl(QWidget* control) { m_control = control; }
    TcbBarPopupMenu* PopupMenu() const;
    void SetPopupMenu(TcbBarPopupMenu* menu);
    void Assign(const TcbBarPopupMenuLink& source);

    // Shows the menu for the control at the screen point (none: the control's corner);
    // answers whether a menu was shown.
    bool Show(std::optional<platform::Point> screen);

    TcbBarPopupMenuLinkActionEvent OnAction;

private:
    QPointer<QWidget> m_control;
    QPointer<QObject> m_popupMenu;
};

// The pop-up menu links of a manager, tried in order.
class TcbBarPopupMenuLinks {
public:
    int Count() const { return static_cast<int>(m_links.size()); }
    TcbBarPopupMenuLink* Items(int index) const;
    TcbBarPopupMenuLink& Add();
    void Delete(int index);
    bool Contains(const TcbBarPopupMenuLink* link) const;
    bool HasLinkFor(const QWidget& control) const;
    // The first link of the control that shows a menu ends the search.
    bool ShowFor(QWidget& control, std::optional<platform::Point> screen);

private:
    std::vector<std::unique_ptr<TcbBarPopupMenuLink>> m_links;
};

// A right-button release or the context key on a control of a form: its manager's links
// show their menu (nothing while designing). Answers whether one did.
bool DispatchPopupMenuLinks(QWidget& control, std::optional<platform::Point> screen);
// Whether a control of a form has a link of its manager (none while designing).
bool HasPopupMenuLink(const QWidget& control);
// Lets the framework's hooks show linked menus (a right-button release, the context key)
// through DispatchPopupMenuLinks; controls with links no longer show their own context menu.
void InstallPopupMenuLinkDispatch();
void RemovePopupMenuLinkDispatch();

}  // namespace bars
