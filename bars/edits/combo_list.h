#pragma once

#include "bars/edits/drop_down.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bars {

class TcbBarCustomCombo;

// What the combo's drop-down list shows and where: its entries, size, place, selection and
// first visible entry. A window of the pop-ups draws it (SetComboListViewFactory); without one
// the list is kept here only.
class TcbBarComboList : public IComboDropDown {
public:
    // The drawing side of the list: told of every change of the state.
    class View {
    public:
        virtual ~View() = default;
        virtual void ListChanged(const TcbBarComboList& list) = 0;
        // A key of the open field for the list window.
        virtual void KeyDown(int key) = 0;
        // The opening click is still down.
        virtual void TrackMouse() = 0;
    };
    using ViewFactory = std::function<std::unique_ptr<View>(TcbBarComboList& list)>;
    static void SetViewFactory(ViewFactory factory);

    explicit TcbBarComboList(TcbBarCustomCombo& combo);
    ~TcbBarComboList() override;

    TcbBarCustomCombo& Combo() const { return m_combo; }
    const std::vector<std::string>& Entries() const { return m_entries; }
    void SetEntries(const std::vector<std::string>& entries);
    void SetWindowSize(platform::Size size);
    platform::Point Position() const { return m_position; }
    // The bar window of the control that drops the list down (the list's owner).
    QWidget* OwnerWindow() const { return m_owner; }
    void SetOwnerWindow(QWidget* window) { m_owner = window; }
    int Selected() const { return m_selected; }
    void SetSelected(int index);
    int TopIndex() const { return m_topIndex; }
    void ScrollTo(int index);
    // The view calls it when the user picks an entry: the combo takes it and closes.
    void Pick(int index);
    // The view calls it when the user moved the selection (the mouse or a key in the list):
    // the combo's control hears of it.
    void ViewSelected(int index, int topIndex);

    platform::Size WindowSize() const override { return m_size; }
    void MoveTo(platform::Point screen) override;
    void ShowWithoutActivation() override;
    void HideWindow() override;
    bool IsShown() const override { return m_shown; }
    void Key(int key, unsigned shift) override;
    void TrackMouse() override;

private:
    void Changed();

    TcbBarCustomCombo& m_combo;
    std::unique_ptr<View> m_view;
    QPointer<QWidget> m_owner;
    std::vector<std::string> m_entries;
    platform::Size m_size;
    platform::Point m_position;
    int m_selected = -1;
    int m_topIndex = 0;
    bool m_shown = false;
};

// The pop-ups' drop-down list window as the view of every combo list (the default).
TcbBarComboList::ViewFactory DropDownListViews();

}  // namespace bars
