// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseAudio.h"

#include "MusicCache.h"

#include "game/RegularFile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <utility>

namespace zand {

// Each play() gets a serial number and ends with exactly one notification,
// as with SdlMusicOutput: the end of the song (Successful), close() and
// play() stopping it (Aborted, Superseded), a song that cannot be played or
// a server that goes away (Failure).

namespace {

// The cached songs are 44.1 kHz 16-bit stereo behind a header of this size.
constexpr long WaveHeaderBytes = 44;

// As SdlMusicOutput: a cache stuck on a file that does not answer is left
// to its worker until the process ends.
void abandon(std::unique_ptr<MusicCache> cache)
{
    static auto *const abandoned = new std::vector<std::unique_ptr<MusicCache>>;
    abandoned->push_back(std::move(cache));
}

} // namespace

PulseMusicOutput::PulseMusicOutput(PulseAudio &audio)
    : m_audio(audio)
{
    if (!audio.midiAvailable())
        return;
    m_cache = std::make_unique<MusicCache>(audio.musicRenderer(), audio.soundFonts());
    m_cache->onReady = [this](const QString &path) { prepared(path); };
}

PulseMusicOutput::~PulseMusicOutput()
{
    stop();
    if (m_cache && !m_cache->stop())
        abandon(std::move(m_cache));
}

void PulseMusicOutput::prepare(const QStringList &paths)
{
    if (m_cache)
        m_cache->prepare(paths);
}

bool PulseMusicOutput::open(const QString &path, QString *error)
{
    close();
    if (m_cache) {
        QString why;
        if (!isReadableRegularFile(path, &why)) {
            if (error)
                *error = QStringLiteral("Cannot open the music file %1: %2").arg(path, why);
            return false;
        }
        m_cache->find(path);
    }
    m_path = path;
    m_isOpen = true;
    return true;
}

void PulseMusicOutput::play()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Superseded);
    const int serial = ++m_lastSerial;
    m_currentSerial = serial;
    if (!m_cache) {
        post(serial, Ending::Failure);
        return;
    }
    start(serial);
}

void PulseMusicOutput::close()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Aborted);
    m_currentSerial = 0;
    m_path.clear();
    m_isOpen = false;
}

void PulseMusicOutput::start(int serial)
{
    const std::optional<MusicCache::Track> track = m_cache->find(m_path);
    if (!track) {
        m_waitingSerial = serial;
        return;
    }
    if (track->wave.isEmpty()) {
        fail(serial, track->error);
        return;
    }
    // The song is read as it plays, half a second ahead: never all in memory.
    std::FILE *file = std::fopen(QFile::encodeName(track->wave).constData(), "rbe");
    if (!file || std::fseek(file, WaveHeaderBytes, SEEK_SET) != 0) {
        if (file)
            std::fclose(file);
        fail(serial, QStringLiteral("cannot be read back"));
        return;
    }
    PulseAudio::Lock lock(m_audio);
    m_stream = m_audio.openMusic(track->peak);
    if (!m_stream) {
        std::fclose(file);
        fail(serial, QStringLiteral("cannot be played: the sound server does not answer"));
        return;
    }
    m_file = file;
    m_soundingSerial = serial;
    m_draining = false;
    pa_stream_set_write_callback(m_stream, &PulseMusicOutput::writeMore, this);
    pa_stream_set_state_callback(m_stream, &PulseMusicOutput::stateChanged, this);
}

void PulseMusicOutput::fail(int serial, const QString &why)
{
    if (!m_reported.contains(m_path)) {
        m_reported.append(m_path);
        qWarning().noquote() << QStringLiteral("Music: %1 %2; it is left out.").arg(QFileInfo(m_path).fileName(), why);
    }
    post(serial, Ending::Failure);
}

void PulseMusicOutput::prepared(const QString &path)
{
    if (m_waitingSerial != 0 && path == m_path)
        start(std::exchange(m_waitingSerial, 0));
}

// With the lock held, on the server's thread.
void PulseMusicOutput::writeMore(pa_stream *stream, size_t bytes, void *data)
{
    auto *self = static_cast<PulseMusicOutput *>(data);
    // The server lends buffers smaller than it asks for: as many as it takes.
    while (bytes >= 4 && !self->m_draining && self->m_file) {
        void *buffer = nullptr;
        size_t lent = bytes;
        if (pa_stream_begin_write(stream, &buffer, &lent) < 0 || !buffer)
            return;
        lent &= ~size_t(3); // whole frames
        const size_t got = std::fread(buffer, 1, lent, self->m_file);
        if (got > 0)
            pa_stream_write(stream, buffer, got, nullptr, 0, PA_SEEK_RELATIVE);
        else
            pa_stream_cancel_write(stream);
        bytes -= std::min(bytes, got);
        if (got < lent) {
            self->m_draining = true;
            if (pa_operation *done = pa_stream_drain(stream, &PulseMusicOutput::drained, self))
                pa_operation_unref(done);
        }
    }
}

void PulseMusicOutput::drained(pa_stream *stream, int, void *data)
{
    auto *self = static_cast<PulseMusicOutput *>(data);
    if (stream == self->m_stream && self->m_soundingSerial != 0)
        self->post(std::exchange(self->m_soundingSerial, 0), Ending::Successful);
}

void PulseMusicOutput::stateChanged(pa_stream *stream, void *data)
{
    auto *self = static_cast<PulseMusicOutput *>(data);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)) && stream == self->m_stream && self->m_soundingSerial != 0)
        self->post(std::exchange(self->m_soundingSerial, 0), Ending::Failure);
}

// The stream closes with its song, so that no stream stays open while the
// music is silent and the server can rest.
void PulseMusicOutput::stop()
{
    PulseAudio::Lock lock(m_audio);
    m_audio.closeMusic(m_stream);
    if (m_file)
        std::fclose(std::exchange(m_file, nullptr));
    m_soundingSerial = 0;
}

void PulseMusicOutput::endPlaying(Ending ending)
{
    if (m_waitingSerial != 0) {
        post(std::exchange(m_waitingSerial, 0), ending);
        return;
    }
    int serial = 0;
    {
        PulseAudio::Lock lock(m_audio);
        serial = std::exchange(m_soundingSerial, 0);
    }
    stop();
    if (serial != 0)
        post(serial, ending);
}

// Always later, through the event loop: the game's handler closes and
// reopens the player.
void PulseMusicOutput::post(int serial, Ending ending)
{
    QMetaObject::invokeMethod(&m_mainThread, [this, serial, ending] { deliver(serial, ending); }, Qt::QueuedConnection);
}

void PulseMusicOutput::deliver(int serial, Ending ending)
{
    // The song that played out leaves no stream behind.
    bool silent = false;
    {
        PulseAudio::Lock lock(m_audio);
        silent = m_soundingSerial == 0;
    }
    if (silent)
        stop();
    if ((ending == Ending::Successful || ending == Ending::Failure) && serial != m_currentSerial)
        ending = m_currentSerial == 0 ? Ending::Aborted : Ending::Superseded;
    if (serial == m_currentSerial)
        m_currentSerial = 0;
    if (onEnded)
        onEnded(ending);
}

void PulseMusicOutput::setVolume(int percent)
{
    const PulseAudio::Lock lock(m_audio);
    m_audio.setMusicVolume(percent);
}

} // namespace zand
