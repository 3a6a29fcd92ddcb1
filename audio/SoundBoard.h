// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace zand {

class SoundOutput;
struct Config;
struct Session;

// The machine's six sound effects. The reel stop and the count-up tick are
// heard so often that they are read into memory once at start-up; the others
// are played from their files, whose names are built at every call.
class SoundBoard
{
public:
    SoundBoard(const Config &config, const Session &session, SoundOutput &output);

    // Reads the reel-stop and count-up sounds. On failure names the file in
    // *error; the game then goes on without those two sounds.
    bool loadSoundBuffers(QString *error);

    void playStop();
    void playTally();
    void playCoin();
    void playWelcome();
    void playSafe();
    // Plays the win fanfare whatever the sound setting; the count-up waits
    // until it has ended.
    void playWin();
    bool playing() const;

    // Sets the loudness of every effect, and lets it be heard with the
    // count-up tick unless an effect is sounding (a slider being dragged
    // would otherwise cut its own sound off at every step).
    void setVolume(int percent);

private:
    QString pathOf(const char *ending) const;
    void playFile(const char *ending);
    void playBuffer(const QByteArray &buffer);
    bool silent() const;

    const Config &m_config;
    const Session &m_session;
    SoundOutput &m_output;
    QByteArray m_stopSound;
    QByteArray m_tallySound;
};

} // namespace zand
