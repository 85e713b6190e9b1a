#include "bars/items/bar_button.h"

#include "bars/controls/item_control.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/links/item_links_owner.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/popup_menu.h"
#include "platform/core/action.h"

#include <algorithm>

namespace bars {

TcbBarButton::TcbBarButton(TcbBarManager* manager, QWidget* owner) : TcbBarItem(manager, owner) {}

std::vector<TcbBarButton*> TcbBarButton::Group() const {
    std::vector<TcbBarButton*> group;
    if (!BarManager() || m_groupIndex == 0) {
        return group;
    }
    for (int i = 0; i < BarManager()->ItemCount(); ++i) {
        auto* button = dynamic_cast<TcbBarButton*>(BarManager()->Items(i));
        if (button && button->m_groupIndex == m_groupIndex) {
            group.push_back(button);
        }
    }
    return group;
}

void TcbBarButton::SetAllowAllUp(bool value) {
    if (m_allowAllUp == value) {
        return;
    }
    m_allowAllUp = value;
    for (TcbBarButton* button : Group()) {
        button->m_allowAllUp = value;
    }
}

void TcbBarButton::ReleaseDown() {
    if (m_down) {
        m_down = false;
        if (!IsLoading()) {
            DownChanged();
        }
    }
}

void TcbBarButton::SetButtonStyle(TcbBarButtonStyle value) {
    if (m_buttonStyle == value) {
        return;
    }
    m_buttonStyle = value;
    ReleaseDown();
    if (!IsLoading()) {
        ButtonStyleChanged();
    }
    if (BarManager()) {
        BarManager()->ItemChanged(*this);
    }
}

void TcbBarButton::SetDown(bool value) {
    if (m_down == value || (value && m_buttonStyle != bsChecked)) {
        return;
    }
    TcbBarButton* wasDown = nullptr;
    if (!IsLoading() && m_groupIndex != 0 && value) {
        for (TcbBarButton* button : Group()) {
            if (button->m_down) {
                wasDown = button;
                break;
            }
        }
    }
    m_down = value;
    if (IsLoading()) {
        return;
    }
    DownChanged();
    if (m_groupIndex == 0 || m_buttonStyle != bsChecked) {
        return;
    }
    if (value) {
        if (wasDown) {
            wasDown->SetDown(false);
        }
        return;
    }
    auto group = Group();
    bool anyDown = std::any_of(group.begin(), group.end(), [](TcbBarButton* b) { return b->m_down; });
    if (!anyDown && !m_allowAllUp && !group.empty()) {
        // The first button of a group cannot be released by itself: it goes down again.
        group.front()->SetDown(true);
    }
}

TcbBarPopupMenu* TcbBarButton::DropDownMenu() const { return static_cast<TcbBarPopupMenu*>(m_dropDownMenu.data()); }

void TcbBarButton::SetDropDownMenu(TcbBarPopupMenu* value) { m_dropDownMenu = value; }

void TcbBarButton::SetDropDownEnabled(bool value) {
    if (m_dropDownEnabled != value) {
        m_dropDownEnabled = value;
        if (!IsLoading()) {
            DropDownEnabledChanged();
        }
    }
}

void TcbBarButton::SetGroupIndex(int value) {
    if (m_buttonStyle != bsChecked) {
        value = 0;
    }
    if (m_groupIndex == value) {
        return;
    }
    m_groupIndex = value;
    ReleaseDown();
}

void TcbBarButton::SetPaintStyle(TcbBarPaintStyle value) {
    if (m_paintStyle != value) {
        m_paintStyle = value;
        if (!IsLoading()) {
            PaintStyleChanged();
        }
    }
}

bool TcbBarButton::CanUseAccelerator(const TcbBarItemLink& link) const {
    if (!TcbBarItem::CanUseAccelerator(link)) {
        return false;
    }
    const TcbBarItemLinks* links = link.Collection();
    if (!links || !links->Owner().AsBar()) {
        return true;
    }
    auto showsCaption = [](TcbBarPaintStyle style) { return style == psCaption || style == psCaptionGlyph; };
    return showsCaption(link.PaintStyle()) || (link.Control() && showsCaption(link.Control()->EffectivePaintStyle()));
}

void TcbBarButton::Click() {
    if (Enabled() && m_buttonStyle == bsChecked) {
        SetDown(!m_down);
    }
    TcbBarItem::Click();
}

void TcbBarButton::ActionChange(platform::Action& action, bool checkDefaults) {
    TcbBarItem::ActionChange(action, checkDefaults);
    if (!checkDefaults || !m_down) {
        SetDown(action.Checked());
    }
}

void TcbBarButton::AssignTo(platform::Action& action) const {
    TcbBarItem::AssignTo(action);
    action.SetChecked(m_down);
}

void TcbBarButton::ButtonStyleChanged() { NotifyControls(&TcbBarItemControl::ButtonStyleChanged); }

void TcbBarButton::DownChanged() { NotifyControls(&TcbBarItemControl::DownChanged); }

void TcbBarButton::DropDownEnabledChanged() { NotifyControls(&TcbBarItemControl::DropDownEnabledChanged); }

void TcbBarButton::PaintStyleChanged() { NotifyControls(&TcbBarItemControl::PaintStyleChanged, udPaintStyle); }

}  // namespace bars
