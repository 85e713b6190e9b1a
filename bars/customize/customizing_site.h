#pragma once

#include "platform/core/canvas.h"

#include <string>

namespace platform {
class IMessages;
}

namespace bars {

class TcbBarItem;
class TcbBarManager;

// What the customizing drag and the manager need of the open customizing dialog.
class ICustomizingSite {
public:
    virtual ~ICustomizingSite() = default;
    virtual TcbBarManager& Manager() const = 0;
    // Whether the point lies on the dialog window.
    virtual bool ContainsScreenPoint(platform::Point screen) const = 0;
    // The category of the category list under the point; -1 when the list is not there.
    virtual int CategoryAt(platform::Point screen) const = 0;
    virtual void SelectCategory(int index) = 0;
    // The bars, items or the manager's switches changed: the pages show them again.
    virtual void Refresh() = 0;
    // The manager left customizing: the dialog goes.
    virtual void CustomizingEnded() {}
    // A link was selected on a bar: the dialog shows its command (none: nothing changes).
    virtual void ShowCommand(const TcbBarItem*) {}
    // The customized form was shown or hidden: the dialog (and its sub-menu editor) follow.
    virtual void FormShown(bool) {}
    // The dialog is shown modally: the windows it disables still take the user's work on
    // the bars (the mouse hook hands them their clicks), and each click brings it forward.
    virtual bool IsModal() const { return false; }
    virtual void BringToFront() {}
};

// The open customizing dialog of the process; none while closed.
ICustomizingSite* CustomizingSite();
void SetCustomizingSite(ICustomizingSite* site);

// A form designer hosts the manager: drags then also reach the dialog's category list.
bool IsDesignerActive();
void SetDesignerActive(bool active);
bool IsDesignTime(const TcbBarManager& manager);

// Where the framework's customizing questions and messages go (message boxes by default;
// tests script them).
platform::IMessages& CustomizingMessages();
void SetCustomizingMessages(platform::IMessages* messages);
// The caption of those boxes: the application's title.
std::string ApplicationTitle();

}  // namespace bars
