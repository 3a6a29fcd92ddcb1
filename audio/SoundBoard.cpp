// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundBoard.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "game/RegularFile.h"
#include "game/Session.h"
#include "audio/SoundOutput.h"

#include <QCoreApplication>

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
            *error = QCoreApplication::translate("zand::SoundBoard", "Cannot read the sound file %1: %2").arg(path, why);
        }
        return false;
    }
    into = std::move(file.bytes);
    return true;
}

} // namespace

SoundBoard::SoundBoard(const Config &config, const Session &session, SoundOutput &output)
    : m_config(config)
    , m_session(session)
    , m_output(output)
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
    return !m_session.soundOn || m_session.closing;
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
    if (m_session.closing)
        return;
    m_output.playFile(pathOf(Assets::WinSound));
}

bool SoundBoard::playing() const
{
    return m_output.isPlaying();
}

void SoundBoard::setVolume(int percent)
{
    m_output.setVolume(percent);
    if (!m_output.isPlaying())
        playTally();
}

} // namespace zand
