// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the complete set of game sounds and songs into one directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace soundgen {

// The names of the files written by generateAll, in writing order.
std::vector<std::string> outputNames();

// Creates outDir if needed; throws on any failure.
void generateAll(const std::filesystem::path &outDir);

} // namespace soundgen
