#pragma once

#include <string>
#include <string_view>

namespace platform {

// The framework's string table (numbers 39001-39458). Texts are kept apart from the code
// so that they can be translated; the numbers are part of the interface.
namespace bar_string {
constexpr int kResetToolbarConfirm = 39001;
constexpr int kResetUsageDataConfirm = 39002;
constexpr int kSingleManagerPerForm = 39003;
constexpr int kManagerOwnerNotForm = 39004;
constexpr int kNoManagers = 39005;
constexpr int kDeleteToolbarConfirm = 39006;
constexpr int kDeleteCategoryConfirm = 39007;
constexpr int kClearCategoryConfirm = 39008;
constexpr int kRecursiveSubItems = 39009;
constexpr int kBlankCommandName = 39010;
constexpr int kDefaultCategory = 39101;
constexpr int kCustomizingPopupFirst = 39150;  // "&Reset" .. "&Most recently used"
constexpr int kCustomizingPopupLast = 39159;
constexpr int kSubMenuEditorCaption = 39214;
constexpr int kCustomizeCaption = 39228;
constexpr int kCustomizeEntry = 39300;
constexpr int kAddOrRemoveButtons = 39301;
constexpr int kMoreButtons = 39302;
constexpr int kResetToolbarEntry = 39303;
constexpr int kExpandMenuHint = 39304;
constexpr int kColourNameFirst = 39400;  // "Black" .. "White", sixteen names
constexpr int kAutomaticColour = 39416;
constexpr int kCustomColour = 39417;
constexpr int kToday = 39418;
constexpr int kClear = 39419;
constexpr int kSelectTheDate = 39420;
constexpr int kSelectItem = 39421;
constexpr int kFirst = 39001;
constexpr int kLast = 39458;
}  // namespace bar_string

// The text of a string number; empty for a number the table does not hold.
std::string_view BarString(int id);

// The text with its first "%s" replaced by the argument (the confirmations name a bar or
// a category).
std::string FormatBarString(int id, std::string_view argument);

}  // namespace platform
