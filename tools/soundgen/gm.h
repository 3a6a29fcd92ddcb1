// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// General MIDI numbers used by the songs (programs are 0-based).
#pragma once

namespace soundgen::gm {

enum Program {
    AcousticGrand = 0,
    RhodesPiano = 4,
    ChorusPiano = 5,
    Clavinet = 7,
    Vibraphone = 11,
    DrawbarOrgan = 16,
    NylonGuitar = 24,
    AcousticBass = 32,
    PickedBass = 34,
    FretlessBass = 35,
    SlapBass = 36,
    Strings = 48,
    SlowStrings = 49,
    SynthStrings = 50,
    Trumpet = 56,
    MutedTrumpet = 59,
    FrenchHorn = 60,
    BrassSection = 61,
    SynthBrass = 62,
    SopranoSax = 64,
    AltoSax = 65,
    TenorSax = 66,
    Clarinet = 71,
    Flute = 73,
    WarmPad = 89,
};

// Drum kits, as programs on channel 10 (players without them fall back to
// the standard kit, which all these songs also suit).
enum Kit { StandardKit = 0, RoomKit = 8, JazzKit = 32, BrushKit = 40 };

enum Drum {
    Kick = 36,
    SideStick = 37,
    Snare = 38,
    Clap = 39,
    HatClosed = 42,
    TomLow = 45,
    HatPedal = 44,
    HatOpen = 46,
    TomMid = 47,
    Crash = 49,
    TomHigh = 50,
    Ride = 51,
    Tambourine = 54,
    Maracas = 70,
};

} // namespace soundgen::gm
