#include "engine/base/gradient.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace engine {

namespace {

constexpr platform::Colour kRgbMask = 0x00FF'FFFFu;

int Blend(int from, int to, int band) { return from + MulDiv(band, to - from, kGradientBands); }

}  // namespace

int MulDiv(int a, int b, int c) {
    constexpr int kFailed = -1;
    if (c == 0) return kFailed;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product)
                                                : static_cast<std::uint64_t>(product);
    const std::uint64_t divisor = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c))
                                        : static_cast<std::uint64_t>(c);
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return kFailed;
    const auto result = static_cast<int>(quotient);
    return negative ? -result : result;
}

void FillGradient(platform::ICanvas& canvas, const platform::Rect& rect, platform::Colour a, platform::Colour b,
                  const SystemColourResolver& resolveSystemColour) {
    if ((a & kSystemColourFlag) != 0 && resolveSystemColour) a = resolveSystemColour(a);
    a &= kRgbMask;
    b &= kRgbMask;
    const int height = rect.Height();
    // The images are 32-bit, so the palette steps of a paletted display have no counterpart.
    for (int band = 0; band < kGradientBands; ++band) {
        const platform::Rect strip{rect.left, rect.bottom - MulDiv(band + 1, height, kGradientBands), rect.right,
                                   rect.bottom - MulDiv(band, height, kGradientBands)};
        const platform::Colour colour =
            platform::Rgb(Blend(platform::RedOf(b), platform::RedOf(a), band),
                          Blend(platform::GreenOf(b), platform::GreenOf(a), band),
                          Blend(platform::BlueOf(b), platform::BlueOf(a), band));
        canvas.FillSolidRect(strip, colour);
    }
}

}  // namespace engine
