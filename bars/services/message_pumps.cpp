#include "bars/services/message_pumps.h"

namespace bars {

bool PumpMouseMessages() { return true; }
bool PumpPaintMessages() { return true; }

}  // namespace bars
