#pragma once

#include <QPointer>

#include <string>

#include "engine/ports/help_viewer.h"
#include "platform/qt/help_window.h"

namespace shell {

// The application's help: its help file names the bundle (the part before ">" names the
// bundle folder, the part after it the window), and pages open in the help window.
class HelpViewer : public engine::IHelpViewer {
public:
    HelpViewer() = default;
    ~HelpViewer() override;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    std::string HelpFile() const override { return m_file; }
    void SetHelpFile(const std::string& file) override { m_file = file; }
    void ShowHelpContext(int context) override { Command(platform::kHelpContextCommand, context); }
    // The application's help command on the current help file.
    void Command(int command, int data);

    // The window, once a page was asked for.
    platform::HelpWindow* Window() const { return m_window; }

private:
    std::string m_file;
    QPointer<platform::HelpWindow> m_window;
};

}  // namespace shell
