// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace zand {

// The game's sound effects go through one voice: a new effect cuts off the
// one that is playing, so the machine never sounds two effects at once.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Plays a whole wave file image held in memory, without waiting.
    virtual void playMemory(const QByteArray &waveFile) = 0;

    // Plays a wave file by name without waiting. A file that is missing or
    // cannot be read plays the built-in default sound instead.
    virtual void playFile(const QString &path) = 0;

    // True while an effect is still sounding; used to wait for the end of a
    // sound that the game must hear out (the win fanfare).
    virtual bool isPlaying() const = 0;

    // The loudness of the effects from 0 (silent) to 100 (as recorded); it
    // holds for every effect after it, and for the one sounding now.
    virtual void setVolume(int percent) = 0;
};

// Plays one MIDI file at a time and says how playing ended.
class MusicOutput
{
public:
    // Failure: the file cannot be played at all.
    enum class Ending { Successful, Superseded, Aborted, Failure };

    virtual ~MusicOutput() = default;

    // The files that are going to be played, in their order: a player that
    // must get a file ready before it sounds can do so ahead of its turn.
    virtual void prepare(const QStringList &paths) { Q_UNUSED(paths); }

    // Closes any open file, then opens this one. On failure returns false and
    // fills *error with the player's message.
    virtual bool open(const QString &path, QString *error) = 0;

    // Plays the open file from its start; onEnded is called (on the thread of
    // the game's event loop) when playing ends, however it ends.
    virtual void play() = 0;

    // Stops playing and releases the file; does nothing when nothing is open.
    virtual void close() = 0;

    // The loudness of the music from 0 (silent) to 100 (as synthesised), for
    // the song playing and every song after it.
    virtual void setVolume(int percent) = 0;

    std::function<void(Ending)> onEnded;
};

} // namespace zand
