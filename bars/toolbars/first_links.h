#pragma once

#include "bars/core/bar_types.h"

namespace bars {

// What a manager made in code was first given, kept for its resets: each bar's links and each
// named sub item's, as they stand before the user can first change them (customizing, the
// more-buttons list, a stored layout read in). A manager made from a description has its
// copy for that, and keeps nothing here. Kept once; gone with the manager.
void KeepFirstLinks(TcbBarManager& manager);

bool HasFirstLinks(const TcbBar& bar);
// Puts the bar's first links back, and those of the sub items they reach, with the items
// looked up by name; false when nothing was kept for a bar of that index.
bool RestoreFirstLinks(TcbBar& bar);

}  // namespace bars
