#include "bars/services/menu_sounds.h"

namespace bars {

void PlayMenuSound(int) {}

}  // namespace bars
