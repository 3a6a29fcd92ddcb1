// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zand {

// A win is counted into the credits in steps that shrink as it runs out:
// 25 from 1000 up, 10 from 100, 5 from 25, then single credits.
constexpr int countUpStep(int remaining)
{
    return remaining >= 1000 ? 25 : remaining >= 100 ? 10 : remaining >= 25 ? 5 : 1;
}

} // namespace zand
