#pragma once

namespace engine {

// n / d to the nearest integer, a half going to the even one (as the platform's Round
// does). d must be positive.
constexpr int DivideRoundHalfEven(int n, int d) {
    int q = n / d;
    int r = n % d;
    if (r < 0) {  // make it a floor division
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
    return q;
}

}  // namespace engine
