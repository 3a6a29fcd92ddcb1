#pragma once

#include <array>

namespace artgen {

// Credits one line pays for three of symbol 0 to 7 on it, the third may be
// a Wild on reel 3. The pay glass on the cabinet and the payoff chart both
// print from here, so they can never disagree.
inline constexpr std::array<int, 8> LinePays{250, 50, 20, 18, 14, 12, 10, 3};

} // namespace artgen
