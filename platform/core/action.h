#pragma once

#include "platform/core/component.h"
#include "platform/core/notify_event.h"

#include <functional>
#include <string>
#include <vector>

namespace platform {

class ActionLink;

// A command object of the form library that several controls can share: its caption,
// check and enabled states, help context, hint, image, shortcut, visibility and the handler
// that runs it. Each change is passed on to the linked clients.
class Action : public Component {
public:
    ~Action() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return m_checked; }
    void SetChecked(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int value);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    int ShortCut() const { return m_shortCut; }
    void SetShortCut(int value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    const NotifyEvent& OnExecute() const { return m_onExecute; }
    void SetOnExecute(NotifyEvent value);
    // May change the hint about to be shown, or refuse it (false).
    using HintEvent = std::function<bool(std::string& hint)>;
    void SetOnHint(HintEvent value) { m_onHint = std::move(value); }
    // True, and the hint as the handler left it, when the hint may be shown.
    bool DoHint(std::string& hint) const { return !m_onHint || m_onHint(hint); }

    // While the form that holds the action is being read.
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool value) { m_loading = value; }

    // Runs OnExecute; false when none is set.
    bool Execute();

    void RegisterClient(ActionLink* link);
    void UnregisterClient(ActionLink* link);

private:
    template <class T, class Pass>
    void Update(T& field, const T& value, Pass pass);
    void Changed();

    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    int m_helpContext = 0;
    std::string m_hint;
    int m_imageIndex = -1;
    int m_shortCut = 0;
    bool m_visible = true;
    NotifyEvent m_onExecute;
    HintEvent m_onHint;
    bool m_loading = false;
    std::vector<ActionLink*> m_clients;
};

// The tie between one client and its action. Derived links answer, property by property,
// whether the client still shows the action's value, and write the client only then.
class ActionLink {
public:
    ActionLink() = default;
    ActionLink(const ActionLink&) = delete;
    ActionLink& operator=(const ActionLink&) = delete;
    virtual ~ActionLink();

    Action* GetAction() const { return m_action; }
    void SetAction(Action* action);
    bool IsLinked() const { return m_action != nullptr; }
    bool Execute() { return m_action != nullptr && m_action->Execute(); }

    // The action passes each new value to its clients before it stores it, so that a link
    // can still compare its client with the old value.
    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHelpContext(int) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(int) {}
    virtual void SetVisible(bool) {}
    virtual void SetOnExecute(const NotifyEvent&) {}

    // Called by the action after each change; OnChange (when set) gets the action.
    std::function<void(Action*)> OnChange;
    // Called by the action when it is destroyed, after the link forgot it.
    std::function<void()> OnActionFreed;

private:
    friend class Action;
    Action* m_action = nullptr;
};

}  // namespace platform
