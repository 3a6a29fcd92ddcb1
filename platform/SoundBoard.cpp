#include "SoundBoard.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/GameState.h"
#include "game/RegularFile.h"
#include "platform/Clock.h"
#include "platform/SoundOutput.h"

#include <utility>

namespace zand {

namespace {

// No effect of a slot machine comes near this.
constexpr qint64 MaxSoundBytes = 32 << 20;

bool readWhole(const QString &path, QByteArray &into, QString *error)
{
    FileContents file = readRegularFile(path, MaxSoundBytes);
    if (file.state != FileContents::State::Read) {
        if (error) {
            const QString why = file.state == FileContents::State::Missing ? QStringLiteral("No such file or directory") : file.error;
            *error = QStringLiteral("Cannot read the sound file %1: %2").arg(path, why);
        }
        return false;
    }
    into = std::move(file.bytes);
    return true;
}

} // namespace

SoundBoard::SoundBoard(const Config &config, GameState &state, SoundOutput &output, Clock &clock)
    : m_config(config)
    , m_state(state)
    , m_output(output)
    , m_clock(clock)
{
}

bool SoundBoard::loadSoundBuffers(QString *error)
{
    return readWhole(pathOf(Assets::StopSound), m_stopSound, error)
        && readWhole(pathOf(Assets::TallySound), m_tallySound, error);
}

// Built at every call: a theme's file may come or go while the game runs.
QString SoundBoard::pathOf(const char *ending) const
{
    return m_config.assetPath(m_config.soundRoot + QLatin1String(ending));
}

// Sounds are not played while a closing game settles its last spin.
bool SoundBoard::silent() const
{
    return !m_state.soundOn || m_state.appClosing;
}

void SoundBoard::playBuffer(const QByteArray &buffer)
{
    if (!silent() && !buffer.isEmpty())
        m_output.playMemory(buffer);
}

void SoundBoard::playFile(const char *ending)
{
    if (!silent())
        m_output.playFile(pathOf(ending));
}

void SoundBoard::playStop()
{
    playBuffer(m_stopSound);
}

void SoundBoard::playTally()
{
    playBuffer(m_tallySound);
}

void SoundBoard::playCoin()
{
    playFile(Assets::CoinSound);
}

void SoundBoard::playWelcome()
{
    playFile(Assets::WelcomeSound);
}

void SoundBoard::playSafe()
{
    playFile(Assets::SafeSound);
}

void SoundBoard::playWin()
{
    if (m_state.appClosing)
        return;
    m_output.playFile(pathOf(Assets::WinSound));
    while (m_output.isPlaying() && !m_state.appClosing)
        m_clock.pumpUntil(m_clock.ticks() + 10);
}

} // namespace zand
