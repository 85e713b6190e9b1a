#pragma once

#include "platform/core/canvas.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "bars/core/bar_types.h"

namespace bars {
class TcbBar;
class TcbBarSubItem;
class TcbBarButton;
class TcbBarItemLinks;
class TcbBarManager;
class TcbBarPopupMenu;
}  // namespace bars

namespace gallery {

// The maintainers' gallery of the toolbar framework: a form whose manager allows
// customizing and docking everywhere, with a main-menu bar, two docked toolbars that hold
// buttons of every style and group, and one floating toolbar. Toolbar buttons show hints
// with their shortcuts; a right click on a dock area lists the toolbars; the Undo button's
// arrow drops its pop-up menu down, and the table area below the bars has a pop-up menu of
// its own. With a layout file the arrangement comes back from it and goes into it when the
// gallery closes. Built from the framework's public interface only.
class BarsGallery {
public:
    // An empty layout file keeps no layout.
    explicit BarsGallery(const std::string& layoutFile = {});
    ~BarsGallery();
    BarsGallery(const BarsGallery&) = delete;
    BarsGallery& operator=(const BarsGallery&) = delete;

    QWidget& Form() const { return *m_form; }
    bars::TcbBarManager& Manager() const { return *m_manager; }
    bars::TcbBar& MainMenu() const { return *m_mainMenu; }
    bars::TcbBar& Standard() const { return *m_standard; }
    bars::TcbBar& Formatting() const { return *m_formatting; }
    bars::TcbBar& Floating() const { return *m_floating; }
    bars::TcbBar& Fields() const { return *m_fields; }
    // The extended items: a docked bar of fields and the floating bar of large buttons after it.
    bars::TcbBar& Extended() const { return *m_extended; }
    bars::TcbBarButton& Button(const std::string& name) const;
    // The area under the bars that has a pop-up menu, and that menu; the Undo drop-down.
    QWidget& Table() const { return *m_table; }
    bars::TcbBarPopupMenu& TableMenu() const { return *m_tableMenu; }
    bars::TcbBarPopupMenu& UndoMenu() const { return *m_undoMenu; }
    // The names of the items clicked so far, in order.
    const std::vector<std::string>& Clicks() const { return m_clicks; }

    // Shows the form and its bars.
    void Show();
    // Opens the menu bar's menu of that caption (accelerator marks left out), and, after a
    // "/", the sub-menu of that caption inside it, and so on; false when one is missing.
    bool OpenMenu(const std::string& path);
    void SetMenuAnimations(bars::TcbBarMenuAnimations animations);
    // The whole screen as the gallery lays it out: the form and the floating bars on the
    // desktop's colour.
    QImage Picture() const;

private:
    void AddMenus();
    void AddPopups();
    void AddFields();
    bars::TcbBarSubItem& AddMenu(bars::TcbBarItemLinks& links, const std::string& name, const std::string& caption,
                                 bool beginGroup = false);
    bars::TcbBarButton& AddEntry(bars::TcbBarItemLinks& links, const std::string& name, const std::string& caption,
                                 int shortCut = 0, bool beginGroup = false);
    bars::TcbBarButton& AddButton(bars::TcbBar& bar, const std::string& name, const std::string& caption,
                                  platform::Colour glyph, bool beginGroup = false);

    std::unique_ptr<QWidget> m_form;
    bars::TcbBarManager* m_manager = nullptr;
    bars::TcbBar* m_mainMenu = nullptr;
    bars::TcbBar* m_standard = nullptr;
    bars::TcbBar* m_formatting = nullptr;
    bars::TcbBar* m_floating = nullptr;
    bars::TcbBar* m_fields = nullptr;
    bars::TcbBar* m_extended = nullptr;
    bars::TcbBar* ExtendedLarge() const;
    QWidget* m_table = nullptr;
    bars::TcbBarPopupMenu* m_tableMenu = nullptr;
    bars::TcbBarPopupMenu* m_undoMenu = nullptr;
    bool m_layoutRead = false;
    std::vector<std::string> m_clicks;
};

}  // namespace gallery
