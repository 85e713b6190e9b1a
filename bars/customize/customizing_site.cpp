#include "bars/customize/customizing_site.h"

#include "bars/manager/bar_manager.h"
#include "platform/qt/message_boxes.h"

#include <QCoreApplication>

#include <memory>
#include <string>

namespace bars {

namespace {
ICustomizingSite* g_site = nullptr;
bool g_designer = false;
platform::IMessages* g_messages = nullptr;
}  // namespace

ICustomizingSite* CustomizingSite() { return g_site; }
void SetCustomizingSite(ICustomizingSite* site) { g_site = site; }

bool IsDesignerActive() { return g_designer; }
void SetDesignerActive(bool active) { g_designer = active; }
bool IsDesignTime(const TcbBarManager& manager) { return g_designer || manager.IsDesigning(); }

std::string ApplicationTitle() {
    const QString name = QCoreApplication::applicationName();
    return name.toStdString();
}

platform::IMessages& CustomizingMessages() {
    if (g_messages) return *g_messages;
    static platform::MessageBoxes boxes(ApplicationTitle());
    return boxes;
}

void SetCustomizingMessages(platform::IMessages* messages) { g_messages = messages; }

}  // namespace bars
