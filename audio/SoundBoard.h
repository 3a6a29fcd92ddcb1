#pragma once

#include <QByteArray>
#include <QString>

namespace zand {

class Clock;
class SoundOutput;
struct Config;
struct GameState;

// The machine's six sound effects. The reel stop and the count-up tick are
// heard so often that they are read into memory once at start-up; the others
// are played from their files, whose names are built at every call.
class SoundBoard
{
public:
    SoundBoard(const Config &config, GameState &state, SoundOutput &output, Clock &clock);

    // Reads the reel-stop and count-up sounds. On failure names the file in
    // *error; the game then goes on without those two sounds.
    bool loadSoundBuffers(QString *error);

    void playStop();
    void playTally();
    void playCoin();
    void playWelcome();
    void playSafe();
    // Plays the win fanfare whatever the sound setting, and returns when it
    // has ended (the window keeps handling events meanwhile).
    void playWin();

private:
    QString pathOf(const char *ending) const;
    void playFile(const char *ending);
    void playBuffer(const QByteArray &buffer);
    bool silent() const;

    const Config &m_config;
    GameState &m_state;
    SoundOutput &m_output;
    Clock &m_clock;
    QByteArray m_stopSound;
    QByteArray m_tallySound;
};

} // namespace zand
