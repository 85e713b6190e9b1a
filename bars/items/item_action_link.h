#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/action.h"

namespace bars {

// Binds an item to an action: a property is linked while the item still shows the action's
// value, and the action writes the item only then.
class TcbBarItemActionLink : public platform::ActionLink {
public:
    explicit TcbBarItemActionLink(TcbBarItem& client) : m_client(client) {}

    bool IsCaptionLinked() const;
    bool IsCheckedLinked() const;
    bool IsEnabledLinked() const;
    bool IsHelpContextLinked() const;
    bool IsHintLinked() const;
    bool IsImageIndexLinked() const;
    bool IsShortCutLinked() const;
    bool IsVisibleLinked() const;
    bool IsOnExecuteLinked() const;

    void SetCaption(const std::string& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const std::string& value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(int value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const platform::NotifyEvent& value) override;

private:
    TcbBarItem& m_client;
};

}  // namespace bars
