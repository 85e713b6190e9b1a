#include "bars/links/item_link.h"
#include "bars/services/captions.h"
#include "platform/core/virtual_keys.h"

#include <cctype>

namespace bars {

bool TcbBarItemLink::IsAccelerator(int key, unsigned shift) const {
    std::string caption = Caption();
    int position = AcceleratorPosition(caption);
    if (position <= 0) {
        return false;
    }
    char marked = StripAccelerators(caption)[static_cast<std::size_t>(position - 1)];
    auto required = platform::KeyOfCharacter(static_cast<char>(std::tolower(static_cast<unsigned char>(marked))));
    if (!required) {
        return false;
    }
    unsigned pressed = shift & ~static_cast<unsigned>(platform::kShiftAlt);
    // An upper-case accelerator is typed with or without Shift.
    if (std::isupper(static_cast<unsigned char>(marked))) {
        pressed &= ~static_cast<unsigned>(platform::kShiftShift);
    }
    return key == required->key && pressed == required->shift;
}

}  // namespace bars
