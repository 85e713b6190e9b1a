#include "bars/edits/bar_custom_combo.h"
#include "bars/edits/combo_list.h"
#include "bars/manager/bar_manager.h"
#include "bars/popups/drop_down_list.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_owner.h"

#include <algorithm>

namespace bars {

namespace {

// The pop-ups' list window, showing what the combo's list holds.
class DropDownListView : public TcbBarComboList::View {
public:
    explicit DropDownListView(TcbBarComboList& list) : m_list(list) {
        m_box.OnChoose = [this](int index) { m_list.Pick(index); };
        // Only the user's moves go back; the list's own follow the field already.
        m_box.OnSelectionChange = [this](int index) {
            if (!m_following) m_list.ViewSelected(index, m_box.TopIndex());
        };
        // The lines are the combo's entries as it draws them.
        m_box.OnDrawItem = [this](platform::Canvas& canvas, int index, const platform::Rect& line, bool selected) {
            m_list.Combo().DrawItem(canvas, index, line, selected ? unsigned{odsSelected} : 0u);
        };
    }

    void KeyDown(int key) override { m_box.KeyDown(key); }
    void TrackMouse() override { m_box.TrackMouse(); }

    void ListChanged(const TcbBarComboList& list) override {
        if (!list.IsShown()) {
            // A list closed by a key still holds the capture of its opening click.
            if (platform::GetCapture() == platform::HandleOf(&m_box)) platform::ReleaseCapture();
            m_box.hide();
            platform::SetOwnerWindow(m_box, nullptr);
            return;
        }
        if (!m_box.isVisible()) {
            m_box.SetItems(list.Entries());
            if (TcbBarManager* manager = list.Combo().BarManager()) m_box.SetListFont(manager->BarFont());
            int height = 0;
            list.Combo().MeasureItem(0, height);
            m_box.SetItemHeight(height);
            const int lines = std::min(static_cast<int>(list.Entries().size()), list.Combo().DropDownCount());
            platform::SetOwnerWindow(m_box, list.OwnerWindow());
            m_box.DropDown(list.Position(), list.WindowSize().width, lines);
        }
        m_following = true;
        m_box.SetTopIndex(list.TopIndex());
        m_box.SetItemIndex(list.Selected());
        m_following = false;
    }

private:
    TcbBarComboList& m_list;
    TcbBarDropDownListBox m_box;
    bool m_following = false;
};

}  // namespace

TcbBarComboList::ViewFactory DropDownListViews() {
    return [](TcbBarComboList& list) -> std::unique_ptr<TcbBarComboList::View> {
        return std::make_unique<DropDownListView>(list);
    };
}

}  // namespace bars
