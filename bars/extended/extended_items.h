#pragma once

namespace bars {

class TcbBarItemClassRegistry;

// The extended item group: the static item, the large button, the toolbars list, the colour,
// font-name, image, date and tree-view combos and the spin edit, each with its control, all
// offered for new items.
void RegisterExtendedItemClasses(TcbBarItemClassRegistry& registry);
// Takes them out again, in reverse order.
void UnregisterExtendedItemClasses(TcbBarItemClassRegistry& registry);

// The first day of the calendar's week (0 Sunday .. 6 Saturday), from the user's locale,
// read once.
int ExtendedFirstDayOfWeek();

}  // namespace bars
