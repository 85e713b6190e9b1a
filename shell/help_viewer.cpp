#include "shell/help_viewer.h"

namespace shell {

HelpViewer::~HelpViewer() { delete m_window; }

void HelpViewer::Command(int command, int data) {
    if (m_window == nullptr) m_window = new platform::HelpWindow();
    m_window->SetBundle(m_file.substr(0, m_file.find('>')));
    m_window->Command(command, data);
}

}  // namespace shell
