#pragma once

#include "platform/core/canvas.h"

#include <functional>
#include <string>
#include <vector>

class QTreeWidgetItem;
class QWidget;

namespace bars {

class TcbBarTreeViewCombo;

// The modal dialogs of the extended items. Each answers true for OK and changes its value;
// tests and programs may replace them (a scripted answer), the defaults are real dialogs.
struct ExtendedDialogs {
    std::function<bool(platform::Colour& colour)> chooseColour;
    std::function<bool(std::string& fontName)> chooseFont;
    // "Select item": one of the entries; the index is -1 for none.
    std::function<bool(const std::vector<std::string>& entries, int& index)> selectItem;
    // "Select the date": the platform's day count, -700000 for none.
    std::function<bool(int& date)> selectDate;
    // "Select item" for a tree-view combo: a node of the combo's own tree that its
    // OnCanSelectNode allowed.
    std::function<bool(TcbBarTreeViewCombo& combo, QTreeWidgetItem*& node)> selectTreeNode;
};

ExtendedDialogs& Dialogs();
// Puts the real dialogs back.
void ResetDialogs();

}  // namespace bars
