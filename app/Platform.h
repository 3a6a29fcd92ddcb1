// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zand {

class Browser;
class Clock;
class HelpViewer;
class MusicOutput;
class SoundOutput;

// What the game takes from the world outside it. The program hands it the
// real devices; tests hand it their own.
struct Platform
{
    Clock &clock;
    SoundOutput &sound;
    MusicOutput &music;
    HelpViewer &help;
    Browser &browser;
    QString appPath;       // directory of the executable, with a trailing '/'
    QString exeFileName;   // the executable's file name
    QString savedGamePath; // empty: the user's configuration directory
};

} // namespace zand
