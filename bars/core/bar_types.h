#pragma once

#include <cstdint>
#include <initializer_list>

namespace bars {

class TcbBar;
class TcbBarButton;
class TcbBarItem;
class TcbBarItemControl;
class TcbBarItemLink;
class TcbBarItemLinks;
class TcbBarManager;
class TcbBarManagerCategories;
class TcbBars;
class TCustomcbBarSubItem;

// When an item shows: never, only while the user customizes, or always.
enum TcbBarItemVisible : std::uint8_t { ivNever, ivInCustomizing, ivAlways };

enum TcbBarButtonStyle : std::uint8_t { bsDefault, bsChecked, bsDropDown };

// What a toolbar link of a button shows: the glyph; the caption; the glyph on toolbars and
// the caption in menus; both.
enum TcbBarPaintStyle : std::uint8_t { psStandard, psCaption, psCaptionInMenu, psCaptionGlyph };

// Where a bar is: floating (dsNone) or docked at a side.
enum TcbBarDockingStyle : std::uint8_t { dsNone, dsLeft, dsTop, dsRight, dsBottom };

enum TcbBarManagerStyle : std::uint8_t { bmsStandard, bmsEnhanced };

enum TcbBarMenuAnimations : std::uint8_t { maNone, maRandom, maUnfold, maSlide };

// The values a link holds for its place only, one bit each.
enum TcbBarUserDefine : std::uint8_t { udCaption = 1, udGlyph = 2, udPaintStyle = 4, udWidth = 8 };
using TcbBarUserDefines = std::uint8_t;

// A set of docking sides (dsNone standing for floating).
class TcbBarDockingStyles {
public:
    constexpr TcbBarDockingStyles() = default;
    constexpr TcbBarDockingStyles(std::initializer_list<TcbBarDockingStyle> sides) {
        for (auto side : sides) {
            m_bits |= Bit(side);
        }
    }
    static constexpr TcbBarDockingStyles All() { return {dsNone, dsLeft, dsTop, dsRight, dsBottom}; }

    constexpr bool Contains(TcbBarDockingStyle side) const { return (m_bits & Bit(side)) != 0; }
    constexpr bool operator==(const TcbBarDockingStyles&) const = default;

private:
    static constexpr std::uint8_t Bit(TcbBarDockingStyle side) { return static_cast<std::uint8_t>(1u << side); }
    std::uint8_t m_bits = 0;
};

}  // namespace bars
