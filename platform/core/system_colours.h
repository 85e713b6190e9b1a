#pragma once

#include "platform/core/canvas.h"

#include <cstdint>

namespace platform {

// System colours are named by 0x80000000 | index; a fixed classic grey 3-D scheme, so every
// drawing is the same on every machine.
inline constexpr Colour kSystemColourFlag = 0x80000000u;

// NOLINTBEGIN(readability-identifier-naming): the indexes keep their customary names.
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
inline constexpr int kSystemColourCount = 29;

// The form library's names for the same colours.
inline constexpr Colour clScrollBar = kSystemColourFlag | COLOR_SCROLLBAR;
inline constexpr Colour clMenu = kSystemColourFlag | COLOR_MENU;
inline constexpr Colour clWindow = kSystemColourFlag | COLOR_WINDOW;
inline constexpr Colour clMenuText = kSystemColourFlag | COLOR_MENUTEXT;
inline constexpr Colour clWindowText = kSystemColourFlag | COLOR_WINDOWTEXT;
inline constexpr Colour clHighlight = kSystemColourFlag | COLOR_HIGHLIGHT;
inline constexpr Colour clHighlightText = kSystemColourFlag | COLOR_HIGHLIGHTTEXT;
inline constexpr Colour clBtnFace = kSystemColourFlag | COLOR_BTNFACE;
inline constexpr Colour clBtnShadow = kSystemColourFlag | COLOR_BTNSHADOW;
inline constexpr Colour clGrayText = kSystemColourFlag | COLOR_GRAYTEXT;
inline constexpr Colour clBtnText = kSystemColourFlag | COLOR_BTNTEXT;
inline constexpr Colour clBtnHighlight = kSystemColourFlag | COLOR_BTNHIGHLIGHT;
inline constexpr Colour cl3DDkShadow = kSystemColourFlag | COLOR_3DDKSHADOW;
inline constexpr Colour cl3DLight = kSystemColourFlag | COLOR_3DLIGHT;
inline constexpr Colour clInfoText = kSystemColourFlag | COLOR_INFOTEXT;
inline constexpr Colour clInfoBk = kSystemColourFlag | COLOR_INFOBK;

// System metrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CXCURSOR = 13;
inline constexpr int SM_CYCURSOR = 14;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFULLSCREEN = 16;
inline constexpr int SM_CYFULLSCREEN = 17;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CYSMCAPTION = 51;
inline constexpr int SM_CXSMSIZE = 52;
inline constexpr int SM_CYSMSIZE = 53;
inline constexpr int SM_CXMENUCHECK = 71;
inline constexpr int SM_CYMENUCHECK = 72;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
// NOLINTEND(readability-identifier-naming)

// The colour of a system colour index; black for an index out of range.
Colour SystemColour(int index);
// A system colour value (0x80000000 | index) as its colour; any other colour as it is.
Colour ResolveColour(Colour colour);
constexpr bool IsSystemColour(Colour colour) { return (colour & 0xFF000000u) == kSystemColourFlag; }

// The metric's value; 0 for an unknown index.
int SystemMetric(int index);
// The screen size that SM_CXSCREEN and SM_CYSCREEN give (800 x 600 until set).
void SetScreenSize(Size size);

}  // namespace platform
