#pragma once

namespace bars {

// Short pumps for the framework's modal loops: every waiting mouse (or paint) message is
// dispatched. A quit message ends the pump and is posted again with its exit code, so the
// main loop still sees it. Returns false when a quit ended the pump.
bool PumpMouseMessages();
bool PumpPaintMessages();

}  // namespace bars
