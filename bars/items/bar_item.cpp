#include "bars/items/bar_item.h"

#include "bars/controls/bar_window.h"
#include "bars/controls/item_control.h"
#include "bars/items/item_action_link.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/categories.h"

#include <algorithm>

namespace bars {

namespace {

// The caption as a hint shows it: without its first "&" and its first "...".
std::string CleanCaption(std::string text) {
    if (auto at = text.find('&'); at != std::string::npos) {
        text.erase(at, 1);
    }
    if (auto at = text.find("..."); at != std::string::npos) {
        text.erase(at, 3);
    }
    return text;
}

std::string ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

}  // namespace

TcbBarItem::TcbBarItem(TcbBarManager* manager, QWidget* owner)
    : m_barManager(manager), m_ownerForm(owner), m_loading(manager && manager->IsLoading()) {}

TcbBarItem::~TcbBarItem() { Release(); }

void TcbBarItem::SetName(const std::string& name) {
    platform::Component::SetName(name);
    if (m_barManager) {
        m_barManager->NotifyCustomizingDialog();
    }
}

void TcbBarItem::Loaded() {
    if (platform::Action* action = Action()) {
        ActionChange(*action, true);
    }
    m_loading = false;
    SetVisible(m_loadedVisible);
}

void TcbBarItem::SetCaption(const std::string& value) {
    if (m_caption == value) {
        return;
    }
    bool hintFollows = !IsSubItem() && (m_hint.empty() || ShortHint(m_hint) == CleanCaption(m_caption));
    m_caption = value;
    if (m_loading) {
        return;
    }
    if (hintFollows) {
        auto bar = m_hint.find('|');
        m_hint = bar == std::string::npos ? CleanCaption(value) : CleanCaption(value) + m_hint.substr(bar);
    }
    CaptionChanged();
}

void TcbBarItem::SetCategory(int value) {
    if (m_category == value) {
        return;
    }
    if (m_loading) {
        m_category = value;
        return;
    }
    if (!m_barManager || value < 0 || value >= m_barManager->Categories().Count()) {
        return;
    }
    m_category = value;
    m_barManager->MarkChanged();
}

void TcbBarItem::SetDescription(const std::string& value) {
    if (m_description != value) {
        m_description = value;
        if (m_barManager) {
            m_barManager->ItemChanged(*this);
        }
    }
}

bool TcbBarItem::Enabled() const {
    if (m_barManager && !m_barManager->IsDesigning() && m_barManager->IsCustomizing() && m_category >= 0) {
        return true;
    }
    return m_enabled;
}

void TcbBarItem::SetEnabled(bool value) {
    if (m_enabled != value) {
        m_enabled = value;
        if (!m_loading) {
            EnabledChanged();
        }
    }
}

void TcbBarItem::SetGlyph(const platform::Bitmap& value) {
    m_glyph = value;
    GlyphChanged();
}

void TcbBarItem::SetHelpContext(int value) { m_helpContext = value; }

void TcbBarItem::SetImageIndex(int value) {
    if (m_imageIndex != value) {
        m_imageIndex = value;
        GlyphChanged();
    }
}

void TcbBarItem::SetShortCut(int value) {
    if (m_shortCut != value) {
        m_shortCut = value;
        if (!m_loading) {
            ShortCutChanged();
        }
    }
}

void TcbBarItem::SetVisible(TcbBarItemVisible value) {
    if (m_loading) {
        m_loadedVisible = value;
        return;
    }
    if (m_visible != value) {
        m_visible = value;
        UpdateItemControls();
    }
}

platform::Action* TcbBarItem::Action() const { return m_actionLink ? m_actionLink->GetAction() : nullptr; }

void TcbBarItem::SetAction(platform::Action* action) {
    if (!action) {
        m_actionLink.reset();
        return;
    }
    if (!m_actionLink) {
        m_actionLink = std::make_unique<TcbBarItemActionLink>(*this);
    }
    m_actionLink->SetAction(action);
    m_actionLink->OnChange = [this](platform::Action* sender) {
        if (sender == Action()) {
            ActionChange(*sender, false);
        }
    };
    ActionChange(*action, action->IsLoading());
}

TcbBarItemLink* TcbBarItem::Links(int index) const {
    return (index >= 0 && index < LinkCount()) ? m_links[static_cast<std::size_t>(index)] : nullptr;
}

void TcbBarItem::AddLink(TcbBarItemLink& link) {
    if (std::find(m_links.begin(), m_links.end(), &link) == m_links.end()) {
        m_links.push_back(&link);
    }
}

void TcbBarItem::RemoveLink(TcbBarItemLink& link) { std::erase(m_links, &link); }

TcbBarItemLink* TcbBarItem::ActiveLink() const {
    for (TcbBarItemLink* link : m_links) {
        if (link->Control() && link->Control()->IsActive()) {
            return link;
        }
    }
    return nullptr;
}

bool TcbBarItem::IsVisibleNow() const {
    switch (m_visible) {
    case ivAlways:
        return true;
    case ivInCustomizing:
        return m_barManager && m_barManager->IsCustomizing();
    case ivNever:
        break;
    }
    return false;
}

bool TcbBarItem::CanUseAccelerator(const TcbBarItemLink&) const { return Enabled(); }

void TcbBarItem::ForEachControl(const std::function<void(TcbBarItemLink&, TcbBarItemControl&)>& f) const {
    // A notice may rebuild a window and with it the controls; walk a copy of the links.
    auto links = m_links;
    for (TcbBarItemLink* link : links) {
        if (TcbBarItemControl* control = link->Control()) {
            f(*link, *control);
        }
    }
}

bool TcbBarItem::IsBusyControl(const TcbBarItemControl& control) const {
    IBarWindow* window = control.BarWindow();
    return window && window->SelectedControl() == &control && window->IsActive();
}

void TcbBarItem::NotifyControls(void (TcbBarItemControl::*notice)(), TcbBarUserDefines unlessHeld) const {
    ForEachControl([&](TcbBarItemLink& link, TcbBarItemControl& control) {
        if (!(link.UserDefine() & unlessHeld)) {
            (control.*notice)();
        }
    });
}

void TcbBarItem::CaptionChanged() {
    NotifyControls(&TcbBarItemControl::CaptionChanged, udCaption);
    if (m_barManager) {
        m_barManager->ItemChanged(*this);
    }
}

void TcbBarItem::EnabledChanged() { NotifyControls(&TcbBarItemControl::EnabledChanged); }

void TcbBarItem::GlyphChanged() {
    NotifyControls(&TcbBarItemControl::GlyphChanged, udGlyph);
    if (m_barManager) {
        m_barManager->ItemChanged(*this);
    }
}

void TcbBarItem::ShortCutChanged() {
    NotifyControls(&TcbBarItemControl::ShortCutChanged);
    if (m_barManager) {
        m_barManager->ItemChanged(*this);
    }
}

void TcbBarItem::RepaintControls() {
    ForEachControl([this](TcbBarItemLink&, TcbBarItemControl& control) {
        if (!IsBusyControl(control)) {
            control.Repaint();
        }
    });
}

void TcbBarItem::RelayoutBars() {
    ForEachControl([this](TcbBarItemLink&, TcbBarItemControl& control) {
        if (!IsBusyControl(control) && control.BarWindow()) {
            control.BarWindow()->Relayout();
        }
    });
}

void TcbBarItem::UpdateItemControls() {
    if (!m_barManager || m_barManager->IsDesigning()) {
        return;
    }
    bool wasLocked = m_barManager->IsUpdateLocked();
    m_barManager->SetLockUpdate(true);
    auto links = m_links;
    for (TcbBarItemLink* link : links) {
        if (link->Collection()) {
            link->Collection()->Refresh();
        }
        if (IsVisibleNow()) {
            link->CreateControl();
            if (link->Control()) {
                link->Control()->ItemVisibleChanged();
            }
        } else if (TcbBarItemControl* control = link->Control()) {
            control->ItemVisibleChanged();
            link->DestroyControl();
        }
    }
    m_barManager->SetLockUpdate(wasLocked);
    m_barManager->ItemChanged(*this);
}

void TcbBarItem::Click() {
    if (IsClickable()) {
        DirectClick();
    }
}

void TcbBarItem::DirectClick() {
    if (!Enabled()) {
        return;
    }
    if (m_barManager) {
        m_barManager->DoClickItem(*this);
    }
    DoClick();
}

void TcbBarItem::DoClick() {
    platform::Action* action = Action();
    if (OnClick && (!action || !(OnClick == action->OnExecute()))) {
        OnClick(this);
    } else if (m_actionLink && (!m_barManager || !m_barManager->IsDesigning())) {
        m_actionLink->Execute();
    }
}

void TcbBarItem::ActionChange(platform::Action& action, bool checkDefaults) {
    if (!checkDefaults || m_caption.empty()) {
        SetCaption(action.Caption());
    }
    if (!checkDefaults || m_enabled) {
        SetEnabled(action.Enabled());
    }
    if (!checkDefaults || m_helpContext == 0) {
        SetHelpContext(action.HelpContext());
    }
    if (!checkDefaults || m_hint.empty()) {
        SetHint(action.Hint());
    }
    if (!checkDefaults || m_imageIndex == -1) {
        SetImageIndex(action.ImageIndex());
    }
    if (!checkDefaults || m_shortCut == 0) {
        SetShortCut(action.ShortCut());
    }
    if (!checkDefaults || m_visible == ivAlways) {
        SetVisible(action.Visible() ? ivAlways : ivNever);
    }
    if (!checkDefaults || !OnClick) {
        OnClick = action.OnExecute();
    }
}

void TcbBarItem::AssignTo(platform::Action& action) const {
    action.SetCaption(m_caption);
    action.SetEnabled(Enabled());
    action.SetHelpContext(m_helpContext);
    action.SetHint(m_hint);
    action.SetImageIndex(m_imageIndex);
    action.SetShortCut(m_shortCut);
    if (m_visible != ivInCustomizing) {
        action.SetVisible(m_visible == ivAlways);
    }
    action.SetOnExecute(OnClick);
}

void TcbBarItem::Release() {
    if (OnDestroy) {
        auto onDestroy = std::move(OnDestroy);
        OnDestroy = {};
        onDestroy(this);
    }
    while (!m_links.empty()) {
        m_links.back()->Free();
    }
    m_actionLink.reset();
}

}  // namespace bars
