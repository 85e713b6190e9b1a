#include "platform/core/system_colours.h"

#include <array>

namespace platform {

namespace {

// The classic grey scheme, by index.
constexpr std::array<Colour, kSystemColourCount> kSystemColours{
    Rgb(192, 192, 192),  // scroll bar
    Rgb(0, 128, 128),    // desktop
    Rgb(0, 0, 128),      // active caption
    Rgb(128, 128, 128),  // inactive caption
    Rgb(192, 192, 192),  // menu
    Rgb(255, 255, 255),  // window
    Rgb(0, 0, 0),        // window frame
    Rgb(0, 0, 0),        // menu text
    Rgb(0, 0, 0),        // window text
    Rgb(255, 255, 255),  // caption text
    Rgb(192, 192, 192),  // active border
    Rgb(192, 192, 192),  // inactive border
    Rgb(128, 128, 128),  // application workspace
    Rgb(0, 0, 128),      // highlight
    Rgb(255, 255, 255),  // highlight text
    Rgb(192, 192, 192),  // button face
    Rgb(128, 128, 128),  // button shadow
    Rgb(128, 128, 128),  // grey text
    Rgb(0, 0, 0),        // button text
    Rgb(192, 192, 192),  // inactive caption text
    Rgb(255, 255, 255),  // button highlight
    Rgb(0, 0, 0),        // 3-D dark shadow
    Rgb(223, 223, 223),  // 3-D light
    Rgb(0, 0, 0),        // tooltip text
    Rgb(255, 255, 225),  // tooltip background
    Rgb(181, 181, 181),  // (unused index)
    Rgb(0, 0, 255),      // hot-tracked item
    Rgb(16, 132, 208),   // active caption gradient
    Rgb(181, 181, 181),  // inactive caption gradient
};

struct Metric {
    int index;
    int value;
};

constexpr std::array<Metric, 26> kMetrics{{
    {SM_CXVSCROLL, 16},  {SM_CYHSCROLL, 16},   {SM_CYCAPTION, 19},   {SM_CXBORDER, 1},      {SM_CYBORDER, 1},
    {SM_CXDLGFRAME, 3},  {SM_CYDLGFRAME, 3},   {SM_CXICON, 32},      {SM_CYICON, 32},       {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},   {SM_CYMENU, 19},      {SM_CXFRAME, 4},      {SM_CYFRAME, 4},       {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4}, {SM_CXEDGE, 2},       {SM_CYEDGE, 2},       {SM_CXSMICON, 16},     {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 12},   {SM_CYSMSIZE, 14},    {SM_CXMENUCHECK, 13},  {SM_CYMENUCHECK, 13},
    {SM_CXDRAG, 4},
}};

Size g_screen{800, 600};

}  // namespace

Colour SystemColour(int index) {
    if (index < 0 || index >= kSystemColourCount) return Rgb(0, 0, 0);
    return kSystemColours[static_cast<std::size_t>(index)];
}

Colour ResolveColour(Colour colour) {
    return IsSystemColour(colour) ? SystemColour(static_cast<int>(colour & 0xFFu)) : colour;
}

int SystemMetric(int index) {
    switch (index) {
        case SM_CXSCREEN: return g_screen.width;
        case SM_CYSCREEN: return g_screen.height;
        case SM_CXFULLSCREEN: return g_screen.width;
        case SM_CYFULLSCREEN: return g_screen.height - SystemMetric(SM_CYCAPTION);
        case SM_CYDRAG: return SystemMetric(SM_CXDRAG);
        default: break;
    }
    for (const Metric& metric : kMetrics)
        if (metric.index == index) return metric.value;
    return 0;
}

void SetScreenSize(Size size) { g_screen = size; }

}  // namespace platform
