#include "bars/windows/caption_buttons.h"

#include "platform/core/window_messages.h"
#include "platform/qt/classic_draw.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenu>

#include <array>

namespace bars {

namespace {

struct KindInfo {
    CaptionButtonKind kind;
    int command;
    unsigned glyph;
    // The entry of a child's system menu, as Qt names it before translation.
    const char* menuEntry;
};

constexpr std::array<KindInfo, 3> kKinds{{
    {CaptionButtonKind::Minimize, platform::SC_MINIMIZE, platform::DFCS_CAPTIONMIN, "Mi&nimize"},
    {CaptionButtonKind::Restore, platform::SC_RESTORE, platform::DFCS_CAPTIONRESTORE, "&Restore"},
    {CaptionButtonKind::Close, platform::SC_CLOSE, platform::DFCS_CAPTIONCLOSE, "&Close"},
}};

const KindInfo& InfoOf(CaptionButtonKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

// A command the system menu leaves out cannot be greyed there.
bool MenuOffers(const QMdiSubWindow& child, const KindInfo& info) {
    const QMenu* menu = child.systemMenu();
    if (!menu) return true;
    const QString text = QCoreApplication::translate("QMdiSubWindow", info.menuEntry);
    for (const QAction* action : menu->actions())
        if (action->text() == text) return action->isEnabled();
    return true;
}

}  // namespace

platform::Size CaptionButtonsExtent(int count, platform::Size button, bool vertical) {
    if (count <= 0) return {};
    const int along = (vertical ? button.height : button.width) * count + (count > 1 ? kCaptionButtonGap : 0);
    return vertical ? platform::Size{button.width, along} : platform::Size{along, button.height};
}

platform::Rect CaptionButtonPlace(const platform::Rect& client, platform::Size button, int count, int index,
                                  bool vertical) {
    const platform::Size extent = CaptionButtonsExtent(count, button, vertical);
    const int gap = count > 1 && index == count - 1 ? kCaptionButtonGap : 0;
    if (vertical) {
        const int left = client.left + (client.Width() - button.width) / 2;
        const int top = client.bottom - extent.height + index * button.height + gap;
        return {left, top, left + button.width, top + button.height};
    }
    const int left = client.right - extent.width + index * button.width + gap;
    const int top = client.top + (client.Height() - button.height) / 2;
    return {left, top, left + button.width, top + button.height};
}

std::vector<CaptionButton> MdiCaptionButtons(const QMdiSubWindow& child) {
    std::vector<CaptionButton> buttons;
    for (const KindInfo& info : kKinds) buttons.push_back({info.kind, MenuOffers(child, info)});
    return buttons;
}

int SystemCommandOf(CaptionButtonKind kind) { return InfoOf(kind).command; }

unsigned FrameControlOf(CaptionButtonKind kind) { return InfoOf(kind).glyph; }

void RunSystemCommand(QMdiSubWindow& child, int command) {
    switch (command) {
    case platform::SC_MINIMIZE: child.showMinimized(); break;
    case platform::SC_RESTORE: child.showNormal(); break;
    case platform::SC_CLOSE: child.close(); break;
    default: break;
    }
}

}  // namespace bars
