#include "bars/controls/bar_window.h"

#include <utility>

namespace bars {

namespace {
BarWindowFactory& FactorySlot() {
    static BarWindowFactory factory;
    return factory;
}
}  // namespace

void SetBarWindowFactory(BarWindowFactory factory) { FactorySlot() = std::move(factory); }

const BarWindowFactory& GetBarWindowFactory() { return FactorySlot(); }

}  // namespace bars
