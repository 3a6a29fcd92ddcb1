// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlAudio.h"

#include "MusicCache.h"

#include "game/RegularFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <SDL_mixer.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace zand {

// Each play() gets a serial number and ends with exactly one notification.
// Whoever takes the serial first reports the end: the mixer's hook when the
// song runs out (Successful), close() and play() when they stop it (Aborted,
// Superseded), and a song that cannot be played (Failure).

namespace {

std::atomic<SdlMusicOutput *> activeOutput{nullptr};

// A cache whose worker is stuck on a file that does not answer is left to it
// until the process ends: destroying it would wait for the worker.
void abandon(std::unique_ptr<MusicCache> cache)
{
    static auto *const abandoned = new std::vector<std::unique_ptr<MusicCache>>;
    abandoned->push_back(std::move(cache));
}

} // namespace

SdlMusicOutput::SdlMusicOutput(SdlAudio &audio)
    : m_audio(audio)
{
    if (!audio.available())
        return;
    [[maybe_unused]] SdlMusicOutput *previous = activeOutput.exchange(this);
    Q_ASSERT(!previous);
    Mix_HookMusicFinished(&SdlMusicOutput::musicFinished);
    if (!audio.midiAvailable())
        return;
    m_cache = std::make_unique<MusicCache>(audio.musicRenderer(), audio.soundFonts());
    m_cache->onReady = [this](const QString &path) { prepared(path); };
}

SdlMusicOutput::~SdlMusicOutput()
{
    if (!m_audio.available())
        return;
    // Unhooking takes the mixer's lock, so no hook call is running afterwards.
    Mix_HookMusicFinished(nullptr);
    activeOutput = nullptr;
    Mix_HaltMusic();
    // The game ends without waiting for a worker that is stuck.
    if (m_cache && !m_cache->stop())
        abandon(std::move(m_cache));
}

void SdlMusicOutput::prepare(const QStringList &paths)
{
    if (m_cache)
        m_cache->prepare(paths);
}

bool SdlMusicOutput::open(const QString &path, QString *error)
{
    close();
    if (m_cache) {
        // A pipe or a device in a song's place is refused, not waited for.
        QString why;
        if (!isReadableRegularFile(path, &why)) {
            if (error)
                *error = QStringLiteral("Cannot open the music file %1: %2").arg(path, why);
            return false;
        }
        // Asked for now, the song is most likely ready when it is played.
        m_cache->find(path);
    }
    m_path = path;
    m_isOpen = true;
    return true;
}

void SdlMusicOutput::play()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Superseded);
    const int serial = ++m_lastSerial;
    m_currentSerial = serial;
    // Without a synthesiser the music stays silent rather than troubling
    // the player with an error for every track.
    if (!m_cache) {
        post(serial, Ending::Failure);
        return;
    }
    start(serial);
}

void SdlMusicOutput::start(int serial)
{
    const std::optional<MusicCache::Track> track = m_cache->find(m_path);
    if (!track) {
        m_waitingSerial = serial; // started once the song is ready
        return;
    }
    if (track->wave.isEmpty()) {
        fail(serial, track->error);
        return;
    }
    // SDL_mixer reads the wave file as it plays: the song is never all in memory.
    MixMusicPtr music(Mix_LoadMUS(QFile::encodeName(track->wave).constData()));
    m_audio.wake();
    m_audio.setMusicPeak(track->peak);
    m_soundingSerial = serial;
    if (!music || Mix_PlayMusic(music.get(), 0) != 0) {
        m_soundingSerial = 0;
        fail(serial, QStringLiteral("cannot be played back (%1)").arg(QString::fromUtf8(Mix_GetError())));
        return;
    }
    m_music = std::move(music);
}

// A song that cannot be played is named once on standard error.
void SdlMusicOutput::fail(int serial, const QString &why)
{
    if (!m_reported.contains(m_path)) {
        m_reported.append(m_path);
        qWarning().noquote() << QStringLiteral("Music: %1 %2; it is left out.").arg(QFileInfo(m_path).fileName(), why);
    }
    post(serial, Ending::Failure);
}

void SdlMusicOutput::prepared(const QString &path)
{
    if (m_waitingSerial != 0 && path == m_path)
        start(std::exchange(m_waitingSerial, 0));
}

void SdlMusicOutput::close()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Aborted);
    // An end that is already on its way no longer counts as played out.
    m_currentSerial = 0;
    m_music.reset();
    m_path.clear();
    m_isOpen = false;
}

void SdlMusicOutput::setVolume(int percent)
{
    // SDL_mixer keeps the music's volume from one song to the next.
    m_audio.setMusicVolume(percent);
}

// Called on SDL's audio thread, or inside Mix_HaltMusic on ours.
void SdlMusicOutput::musicFinished()
{
    SdlMusicOutput *self = activeOutput.load();
    if (!self)
        return;
    if (const int serial = self->m_soundingSerial.exchange(0))
        self->post(serial, Ending::Successful);
}

void SdlMusicOutput::endPlaying(Ending ending)
{
    if (m_waitingSerial != 0) {
        post(std::exchange(m_waitingSerial, 0), ending);
        return;
    }
    const int serial = m_soundingSerial.exchange(0);
    if (serial == 0)
        return; // nothing sounds: the end has been reported already
    Mix_HaltMusic();
    post(serial, ending);
}

// The notification always arrives later through the event loop, never inside
// open(), play() or close(): the game's handler closes and reopens the player.
void SdlMusicOutput::post(int serial, Ending ending)
{
    QMetaObject::invokeMethod(&m_mainThread, [this, serial, ending] { deliver(serial, ending); }, Qt::QueuedConnection);
}

void SdlMusicOutput::deliver(int serial, Ending ending)
{
    // A play that was stopped meanwhile ended by being stopped.
    if ((ending == Ending::Successful || ending == Ending::Failure) && serial != m_currentSerial)
        ending = m_currentSerial == 0 ? Ending::Aborted : Ending::Superseded;
    if (serial == m_currentSerial)
        m_currentSerial = 0;
    if (onEnded)
        onEnded(ending);
    // Unless the game started the next song, the music is silent now.
    m_audio.restIfSilent();
}

} // namespace zand
