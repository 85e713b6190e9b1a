#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenu;

namespace platform {

// One entry of a pop-up menu; a caption of "-" makes a separator.
struct PopupItem {
    std::string name;
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::function<void()> onClick;

    bool IsSeparator() const { return caption == "-"; }
};

// A pop-up menu of the form library: named entries with captions, checks and handlers,
// shown at a screen point. The entries stay plain data, so a window's code and its tests
// read and run them without the menu being open.
class PopupMenu : public QObject {
    Q_OBJECT
public:
    PopupMenu(QObject* owner, std::string_view name);
    ~PopupMenu() override;

    PopupItem& Add(std::string_view name, std::string_view caption, std::function<void()> onClick = {});
    void AddSeparator() { Add({}, "-"); }
    // The entry of that name, or none.
    PopupItem* Find(std::string_view name);
    const std::vector<std::unique_ptr<PopupItem>>& Items() const { return m_items; }

    // Runs the entry's handler as a choice of the player would, when it is visible and enabled.
    bool Choose(std::string_view name);
    // Shows the menu at the screen point without waiting for the choice.
    void Popup(int x, int y);
    bool IsShowing() const;
    void CloseUp();

private:
    std::vector<std::unique_ptr<PopupItem>> m_items;
    QPointer<QMenu> m_menu;
};

}  // namespace platform
