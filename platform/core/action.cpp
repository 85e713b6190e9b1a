#include "platform/core/action.h"

#include <algorithm>

namespace platform {

Action::~Action() {
    // A client may drop its link while it is told; work on a copy.
    auto clients = m_clients;
    for (ActionLink* link : clients) {
        link->m_action = nullptr;
        if (link->OnActionFreed) {
            link->OnActionFreed();
        }
    }
}

template <class T, class Pass>
void Action::Update(T& field, const T& value, Pass pass) {
    if (field == value) {
        return;
    }
    auto clients = m_clients;
    for (ActionLink* link : clients) {
        pass(*link);
    }
    field = value;
    Changed();
}

void Action::SetCaption(const std::string& value) {
    Update(m_caption, value, [&](ActionLink& link) { link.SetCaption(value); });
}
void Action::SetChecked(bool value) {
    Update(m_checked, value, [&](ActionLink& link) { link.SetChecked(value); });
}
void Action::SetEnabled(bool value) {
    Update(m_enabled, value, [&](ActionLink& link) { link.SetEnabled(value); });
}
void Action::SetHelpContext(int value) {
    Update(m_helpContext, value, [&](ActionLink& link) { link.SetHelpContext(value); });
}
void Action::SetHint(const std::string& value) {
    Update(m_hint, value, [&](ActionLink& link) { link.SetHint(value); });
}
void Action::SetImageIndex(int value) {
    Update(m_imageIndex, value, [&](ActionLink& link) { link.SetImageIndex(value); });
}
void Action::SetShortCut(int value) {
    Update(m_shortCut, value, [&](ActionLink& link) { link.SetShortCut(value); });
}
void Action::SetVisible(bool value) {
    Update(m_visible, value, [&](ActionLink& link) { link.SetVisible(value); });
}

void Action::SetOnExecute(NotifyEvent value) {
    auto clients = m_clients;
    for (ActionLink* link : clients) {
        link->SetOnExecute(value);
    }
    m_onExecute = std::move(value);
    Changed();
}

bool Action::Execute() {
    if (!m_onExecute) {
        return false;
    }
    m_onExecute(this);
    return true;
}

void Action::RegisterClient(ActionLink* link) {
    if (std::find(m_clients.begin(), m_clients.end(), link) == m_clients.end()) {
        m_clients.push_back(link);
    }
}

void Action::UnregisterClient(ActionLink* link) { std::erase(m_clients, link); }

void Action::Changed() {
    auto clients = m_clients;
    for (ActionLink* link : clients) {
        if (link->OnChange) {
            link->OnChange(this);
        }
    }
}

ActionLink::~ActionLink() { SetAction(nullptr); }

void ActionLink::SetAction(Action* action) {
    if (m_action == action) {
        return;
    }
    if (m_action) {
        m_action->UnregisterClient(this);
    }
    m_action = action;
    if (m_action) {
        m_action->RegisterClient(this);
    }
}

}  // namespace platform
