#pragma once

#include <array>

namespace zand {

class Random;

// The eight prizes behind the safes of the bonus screen: 250, 100, 50, 25
// and 25 credits, and three times "6 Nudges", stored as 1.
namespace Prizes {

constexpr int SixNudges = 1;
constexpr int Safes = 8;
constexpr std::array<int, Safes> Unshuffled = {250, 100, 50, 1, 25, 1, 25, 1};

// The table refilled and shuffled: 1001 rounds, each swapping every safe
// with one picked at random.
std::array<int, Safes> shuffled(Random &random);

} // namespace Prizes

} // namespace zand
