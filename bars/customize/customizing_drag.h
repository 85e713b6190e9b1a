#pragma once

#include "bars/customize/drop_position.h"
#include "bars/windows/bar_window_base.h"
#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/window_handle.h"

#include <QPointer>

#include <memory>

namespace bars {

class TCustomcbBarControl;

// The customizing drag of one item, from the dialog's command list or from a link on a bar:
// it shows where a drop would put the item, switches between move and copy with Ctrl, and on
// the release moves, copies, regroups or deletes links. Like the bar move, it runs on the
// framework's input hooks while the owner form holds the capture; keys and mouse messages go
// nowhere else meanwhile. One drag at a time in the process.
class TcbBarCustomizingDrag {
public:
    static TcbBarCustomizingDrag& Instance();

    // Starts the drag at the screen point where the button went down.
    void Begin(TcbBarManager& manager, TcbBarItem& item, TcbBarItemLink* source, platform::Point press);
    bool IsDragging() const { return m_manager != nullptr; }
    bool IsDragging(const TcbBarManager& manager) const { return m_manager == &manager; }

    // Input while the drag runs; screen coordinates.
    void MouseMoved(platform::Point screen);
    // Ctrl went down or up: the copy flag and the cursor follow at once.
    void CopyKey(bool down);
    // The button was released.
    void Drop();
    // Esc, a lost capture or a quit: no drop.
    void Cancel();

    TCustomcbBarControl* Target() const { return m_target.data(); }
    const DropPosition& Position() const { return m_position; }
    bool Copying() const { return m_copy; }
    bool MarkShown() const { return m_markShown; }
    // 1041 drag, 1042 drag-copy, 1043 no drop.
    int Cursor() const { return m_cursor; }

private:
    TcbBarCustomizingDrag() = default;
    void Track(platform::Point screen);
    TCustomcbBarControl* TargetAt(platform::Point screen) const;
    bool ChangesNothing(const DropPosition& position) const;
    void EraseMark();
    void ShowMark();
    void SetCursor(int id);
    void Place(platform::Point screen);
    void PlaceOnOwnPlace(platform::Point screen);
    void OpenSubMenuAt(const DropPosition& position);
    void CloseOtherMenu(TCustomcbBarControl& target, TcbBarItemControl* selected);
    void End();
    void InstallHooks();
    void RemoveHooks();

    TcbBarManager* m_manager = nullptr;
    TcbBarItem* m_item = nullptr;
    TcbBarItemLink* m_source = nullptr;
    platform::Point m_press;
    platform::Point m_last;
    bool m_moved = false;
    bool m_copy = false;
    QPointer<TCustomcbBarControl> m_target;
    DropPosition m_position;
    int m_category = -1;
    bool m_markShown = false;
    QPointer<TCustomcbBarControl> m_markWindow;
    DropPosition m_markPosition;
    int m_cursor = 0;
    platform::WindowHandle m_captureWindow = platform::kNoWindow;
    unsigned m_mouseHook = 0;
    unsigned m_keyHook = 0;
};

// Runs the manager's customizing drag of the item from the source link (none: from the
// dialog's command list) pressed at the screen point.
void DesignDragLoop(TcbBarManager& manager, TcbBarItem& item, TcbBarItemLink* source, platform::Point press);

// The bar windows' part: a press on a link while customizing arms a drag that starts once
// the mouse leaves the system's drag rectangle around the press.
void ArmDesignDrag(TCustomcbBarControl& window, platform::Point client, TcbBarItemControl& control);
// Answers whether the move was the armed drag's (it may have started the drag).
bool ArmedDesignDragMoved(TCustomcbBarControl& window, platform::Point client);
// Answers whether the release ended an armed drag that never started.
bool DisarmDesignDrag(TCustomcbBarControl& window);

}  // namespace bars
