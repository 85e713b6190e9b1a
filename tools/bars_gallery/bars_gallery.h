#pragma once

#include "platform/core/canvas.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace bars {
class TcbBar;
class TcbBarButton;
class TcbBarManager;
}  // namespace bars

namespace gallery {

// The maintainers' gallery of the toolbar framework: a form whose manager allows
// customizing and docking everywhere, with a main-menu bar, two docked toolbars that hold
// buttons of every style and group, and one floating toolbar. Built from the framework's
// public interface only.
class BarsGallery {
public:
    BarsGallery();
    ~BarsGallery();
    BarsGallery(const BarsGallery&) = delete;
    BarsGallery& operator=(const BarsGallery&) = delete;

    QWidget& Form() const { return *m_form; }
    bars::TcbBarManager& Manager() const { return *m_manager; }
    bars::TcbBar& MainMenu() const { return *m_mainMenu; }
    bars::TcbBar& Standard() const { return *m_standard; }
    bars::TcbBar& Formatting() const { return *m_formatting; }
    bars::TcbBar& Floating() const { return *m_floating; }
    // The extended items' docked bar.
    bars::TcbBar& Extended() const { return *m_extended; }
    bars::TcbBarButton& Button(const std::string& name) const;
    // The names of the items clicked so far, in order.
    const std::vector<std::string>& Clicks() const { return m_clicks; }

    // Shows the form and its bars.
    void Show();
    // The whole screen as the gallery lays it out: the form and the floating bars on the
    // desktop's colour.
    QImage Picture() const;

private:
    bars::TcbBarButton& AddButton(bars::TcbBar& bar, const std::string& name, const std::string& caption,
                                  platform::Colour glyph, bool beginGroup = false);

    std::unique_ptr<QWidget> m_form;
    bars::TcbBarManager* m_manager = nullptr;
    bars::TcbBar* m_mainMenu = nullptr;
    bars::TcbBar* m_standard = nullptr;
    bars::TcbBar* m_formatting = nullptr;
    bars::TcbBar* m_floating = nullptr;
    bars::TcbBar* m_extended = nullptr;
    std::vector<std::string> m_clicks;
};

}  // namespace gallery
