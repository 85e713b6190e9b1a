#include "bars/extended/bar_image_combo.h"

#include "bars/extended/extended_dialogs.h"
#include "bars/extended/extended_support.h"
#include "bars/extended/item_glyphs.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "platform/qt/image_list.h"

namespace bars {

TcbBarImageCombo::TcbBarImageCombo(TcbBarManager* manager, QWidget* owner) : TcbBarCustomCombo(manager, owner) {
    SetGlyph(ItemGlyph("CBBARIMAGECOMBO"));
    SetShowEditor(false);
}

void TcbBarImageCombo::SetImages(platform::ImageList* value) {
    if (value == m_images) return;
    m_images = value;
    RepaintControls();
}

void TcbBarImageCombo::ImageListFreed(const platform::ImageList* images) {
    if (images && images == m_images) SetImages(nullptr);
}

int TcbBarImageCombo::ImageIndexes(int index) const {
    return index >= 0 && index < static_cast<int>(m_imageIndexes.size()) ? m_imageIndexes[static_cast<std::size_t>(index)]
                                                                         : -1;
}

void TcbBarImageCombo::SetImageIndexes(int index, int imageIndex) {
    if (index < 0) return;
    if (index >= static_cast<int>(m_imageIndexes.size())) m_imageIndexes.resize(static_cast<std::size_t>(index) + 1, -1);
    m_imageIndexes[static_cast<std::size_t>(index)] = imageIndex;
    RepaintControls();
}

void TcbBarImageCombo::SetShowText(bool value) {
    if (value == m_showText) return;
    m_showText = value;
    RepaintControls();
}

void TcbBarImageCombo::DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) {
    if (OnDrawItem) {
        OnDrawItem(*this, canvas, index, rect, state);
        return;
    }
    const platform::Colour text = FillListEntry(canvas, rect, (state & odsSelected) != 0);
    int x = rect.left + 1;
    const int image = ImageIndexes(index);
    if (m_images) {
        if (image >= 0 && image < m_images->Count())
            m_images->Draw(canvas, x, rect.top + (rect.Height() - m_images->Height()) / 2, image);
        x += m_images->Width() + 2;
    }
    if (!m_showText || index < 0 || index >= static_cast<int>(Items().size())) return;
    canvas.SetFontColour(text);
    canvas.TextOut(x, rect.top + (rect.Height() - canvas.TextHeight("Qq")) / 2, Items()[static_cast<std::size_t>(index)]);
}

void TcbBarImageCombo::MeasureItemWidth(int index, int& width) {
    width = m_showText ? 0 : 2;
    if (m_showText) TcbBarCustomCombo::MeasureItemWidth(index, width);
    if (m_images) width += m_images->Width() + 2;
}

void TcbBarImageCombo::DoClick() {
    TcbBarCustomCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().selectItem) return;
    int index = ItemIndex();
    if (Dialogs().selectItem(Items(), index)) SetItemIndex(index);
}

}  // namespace bars
