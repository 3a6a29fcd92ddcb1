// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace zand::Startup {

// Answers --help and --version on standard output before anything else
// starts, so they work with no display. Returns the exit code when the
// program is to end there.
std::optional<int> answerCommandLine(int argc, char *argv[]);

// Once the application has taken Qt's own options (-platform, -style...),
// any argument left is one the game does not know: it is told on standard
// error and the exit code returned, rather than the game starting as if
// nothing had been asked.
std::optional<int> refuseUnknownArguments();

// The licence, in one line for the version box and --version.
QString licenceLine();

// The song renderer: beside the program in a build or a portable copy, else
// in the installed game's private helper folder.
QString musicRenderer();

// Before the application object exists: the desktop's scaling is taken as
// it is (125 % stays 1.25), so the side windows look as every other program
// on that desktop; the machine itself is drawn on the screen's own pixels.
// Failed writes become errors the game reports, not the end of the process.
void beforeApplication();

// Once it exists: the names the desktop knows the program by.
void nameApplication();

// The game in the desktop's language, where it has been translated.
void translate();

} // namespace zand::Startup
