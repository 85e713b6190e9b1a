#pragma once

namespace engine {

class IShellPort;
struct StatusContext;

// Shows or hides the clock panel (pnlTempo); its menu command mnuShowTime is enabled
// exactly while the panel is hidden. With save, Show_Time (field 66/1) and the preference
// key of that name take "Y" or "N". Then the panels are laid out again.
void SetShowTime(StatusContext& ctx, bool show, bool save);
// The same for the score panel (pnlScore, mnuShowScore, Show_Score field 136/1).
void SetShowScore(StatusContext& ctx, bool show, bool save);

// Places the clock and score panels at the right end of the toolbar row and the two
// lines under the toolbar; a panel is shown only when it is switched on and clears the
// toolbar's last button.
void LayoutStatus(StatusContext& ctx);

// True when the screen cursor lies over the card table: inside the main window and below
// its toolbar.
bool IsCursorInTable(const IShellPort& shell);

}  // namespace engine
