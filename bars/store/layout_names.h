#pragma once

// The names under which a layout is stored.
namespace bars::layout_names {

inline constexpr const char* kMenusShowRecentItemsFirst = "MenusShowRecentItemsFirst";
inline constexpr const char* kShowFullMenusAfterDelay = "ShowFullMenusAfterDelay";
inline constexpr const char* kLargeIcons = "LargeIcons";
inline constexpr const char* kMenuAnimations = "MenuAnimations";
inline constexpr const char* kShowHint = "ShowHint";
inline constexpr const char* kShowShortCutInHint = "ShowShortCutInHint";
inline constexpr const char* kBarCount = "BarCount";

inline constexpr const char* kCaption = "Caption";
inline constexpr const char* kDockedDockingStyle = "DockedDockingStyle";
inline constexpr const char* kDockedLeft = "DockedLeft";
inline constexpr const char* kDockedTop = "DockedTop";
inline constexpr const char* kOneOnRow = "OneOnRow";
inline constexpr const char* kRow = "Row";
inline constexpr const char* kFloatLeft = "FloatLeft";
inline constexpr const char* kFloatTop = "FloatTop";
inline constexpr const char* kFloatClientWidth = "FloatClientWidth";
inline constexpr const char* kFloatClientHeight = "FloatClientHeight";
inline constexpr const char* kDockingStyle = "DockingStyle";
inline constexpr const char* kVisible = "Visible";

inline constexpr const char* kItemLinkCount = "ItemLinkCount";
inline constexpr const char* kItemName = "ItemName";
inline constexpr const char* kBeginGroup = "BeginGroup";
inline constexpr const char* kUserDefine = "UserDefine";
inline constexpr const char* kUserCaption = "UserCaption";
inline constexpr const char* kUserGlyph = "UserGlyph";
inline constexpr const char* kUserPaintStyle = "UserPaintStyle";
inline constexpr const char* kUserWidth = "UserWidth";
inline constexpr const char* kUseCount = "UseCount";
inline constexpr const char* kRecentIndex = "RecentIndex";

inline constexpr const char* kBarPrefix = "Bar";
inline constexpr const char* kSubItemPrefix = "SubItem_";
inline constexpr const char* kItemLinkPrefix = "ItemLink";

}  // namespace bars::layout_names
