#pragma once

namespace bars {
class TcbBar;
class TcbBarManager;
}  // namespace bars

namespace gallery {

// The extended items on two bars of their own: fields (colour, font-name, image, date and
// tree-view combos, the spin edit) docked at the bottom, and a floating bar of a static text,
// large buttons and the toolbars list. Returns the docked bar; the floating one follows it in
// the manager's bars.
bars::TcbBar& AddExtendedBars(bars::TcbBarManager& manager, int formWidth, int formHeight);

}  // namespace gallery
