#include "bars/extended/bar_font_name_combo.h"

#include "bars/edits/edit_controls.h"
#include "bars/extended/extended_dialogs.h"
#include "bars/extended/extended_support.h"
#include "bars/extended/item_glyphs.h"
#include "bars/links/item_link.h"
#include "platform/core/ascii_case.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"

#include <QFontDatabase>

#include <algorithm>

namespace bars {

const platform::Bitmap& FontMark(bool trueType) {
    return ItemGlyph(trueType ? "CBBARTRUETYPEFONT" : "CBBARNONTRUETYPEFONT");
}

TcbBarFontNameCombo::TcbBarFontNameCombo(TcbBarManager* manager, QWidget* owner) : TcbBarCustomCombo(manager, owner) {
    SetGlyph(ItemGlyph("CBBARFONTNAMECOMBO"));
    SetDropDownCount(12);
    SetSorted(true);
    SetWidth(160);
    SetShowEditor(false);
    SetFaces(ScreenFonts());
}

std::vector<TcbBarFontNameCombo::Face> TcbBarFontNameCombo::ScreenFonts() {
    std::vector<Face> faces;
    for (const QString& family : QFontDatabase::families()) {
        std::string name = family.toStdString().substr(0, kMaxFaceName);
        faces.push_back({std::move(name), QFontDatabase::isSmoothlyScalable(family)});
    }
    return faces;
}

void TcbBarFontNameCombo::SetFaces(std::vector<Face> faces) {
    // In the order the sorted entries take, so that each face keeps its mark.
    std::stable_sort(faces.begin(), faces.end(), [](const Face& a, const Face& b) { return ReaderLess(a.name, b.name); });
    m_faces = std::move(faces);
    std::vector<std::string> names;
    for (const Face& face : m_faces) names.push_back(face.name);
    SetItems(std::move(names));
}

bool TcbBarFontNameCombo::IsTrueType(int index) const {
    return index >= 0 && index < static_cast<int>(m_faces.size()) && m_faces[static_cast<std::size_t>(index)].trueType;
}

void TcbBarFontNameCombo::SetText(const std::string& value) {
    if (!OpenField() || value.empty()) {
        TcbBarCustomCombo::SetText(value);
        return;
    }
    // A field being edited completes to a whole font name and refuses what names none.
    const int index = PrefixLookup(Items(), value);
    if (index < 0 || Items()[static_cast<std::size_t>(index)].size() < value.size() ||
        !platform::EqualsIgnoreCase(Items()[static_cast<std::size_t>(index)].substr(0, value.size()), value))
        return;
    TcbBarCustomCombo::SetText(Items()[static_cast<std::size_t>(index)]);
}

void TcbBarFontNameCombo::DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) {
    if (OnDrawItem) {
        OnDrawItem(*this, canvas, index, rect, state);
        return;
    }
    const platform::Colour text = FillListEntry(canvas, rect, (state & odsSelected) != 0);
    int x = rect.left + 1;
    if (index >= 0 && index < static_cast<int>(m_faces.size())) {
        const platform::Bitmap& mark = FontMark(IsTrueType(index));
        canvas.TransparentCopy(x, rect.top + (rect.Height() - mark.Height()) / 2, mark.Width(), mark.Height(), mark, 0,
                               0, kItemGlyphKey);
        x += mark.Width() + 2;
    }
    canvas.SetFontColour(text);
    const bool entry = index >= 0 && index < static_cast<int>(Items().size());
    const std::string name = entry ? Items()[static_cast<std::size_t>(index)] : Text();
    canvas.TextOut(x, rect.top + (rect.Height() - canvas.TextHeight("Qq")) / 2, name);
}

void TcbBarFontNameCombo::MeasureItemWidth(int index, int& width) {
    TcbBarCustomCombo::MeasureItemWidth(index, width);
    width += FontMark(IsTrueType(index)).Width() + 1;
}

void TcbBarFontNameCombo::DoClick() {
    TcbBarCustomCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().chooseFont) return;
    std::string name = Text();
    if (Dialogs().chooseFont(name)) SetText(name);
}

}  // namespace bars
