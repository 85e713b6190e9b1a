#include "bars/items/item_action_link.h"

#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"

namespace bars {

namespace {
TcbBarButton* AsButton(TcbBarItem& item) { return dynamic_cast<TcbBarButton*>(&item); }
}  // namespace

bool TcbBarItemActionLink::IsCaptionLinked() const { return IsLinked() && GetAction()->Caption() == m_client.Caption(); }

bool TcbBarItemActionLink::IsCheckedLinked() const {
    const TcbBarButton* button = AsButton(m_client);
    return IsLinked() && button && GetAction()->Checked() == button->Down();
}

bool TcbBarItemActionLink::IsEnabledLinked() const { return IsLinked() && GetAction()->Enabled() == m_client.Enabled(); }

bool TcbBarItemActionLink::IsHelpContextLinked() const {
    return IsLinked() && GetAction()->HelpContext() == m_client.HelpContext();
}

bool TcbBarItemActionLink::IsHintLinked() const { return IsLinked() && GetAction()->Hint() == m_client.Hint(); }

bool TcbBarItemActionLink::IsImageIndexLinked() const {
    return IsLinked() && GetAction()->ImageIndex() == m_client.ImageIndex();
}

bool TcbBarItemActionLink::IsShortCutLinked() const { return IsLinked() && GetAction()->ShortCut() == m_client.ShortCut(); }

bool TcbBarItemActionLink::IsVisibleLinked() const {
    return IsLinked() && (GetAction()->Visible() ? ivAlways : ivNever) == m_client.Visible();
}

bool TcbBarItemActionLink::IsOnExecuteLinked() const { return IsLinked() && GetAction()->OnExecute() == m_client.OnClick; }

void TcbBarItemActionLink::SetCaption(const std::string& value) {
    if (IsCaptionLinked()) {
        m_client.SetCaption(value);
    }
}

void TcbBarItemActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) {
        AsButton(m_client)->SetDown(value);
    }
}

void TcbBarItemActionLink::SetEnabled(bool value) {
    if (IsEnabledLinked()) {
        m_client.SetEnabled(value);
    }
}

void TcbBarItemActionLink::SetHelpContext(int value) {
    if (IsHelpContextLinked()) {
        m_client.SetHelpContext(value);
    }
}

void TcbBarItemActionLink::SetHint(const std::string& value) {
    if (IsHintLinked()) {
        m_client.SetHint(value);
    }
}

void TcbBarItemActionLink::SetImageIndex(int value) {
    if (IsImageIndexLinked()) {
        m_client.SetImageIndex(value);
    }
}

void TcbBarItemActionLink::SetShortCut(int value) {
    if (IsShortCutLinked()) {
        m_client.SetShortCut(value);
    }
}

void TcbBarItemActionLink::SetVisible(bool value) {
    if (IsVisibleLinked()) {
        m_client.SetVisible(value ? ivAlways : ivNever);
    }
}

void TcbBarItemActionLink::SetOnExecute(const platform::NotifyEvent& value) {
    if (IsOnExecuteLinked()) {
        m_client.OnClick = value;
    }
}

}  // namespace bars
