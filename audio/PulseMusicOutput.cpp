// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseAudio.h"

#include <QFile>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <utility>

namespace zand {

namespace {

// The cached songs are 44.1 kHz 16-bit stereo behind a header of this size.
constexpr long WaveHeaderBytes = 44;

} // namespace

PulseMusicOutput::PulseMusicOutput(PulseAudio &audio)
    : CachedMusicOutput(audio.midiAvailable(), audio.musicRenderer(), audio.soundFonts())
    , m_audio(audio)
{
}

PulseMusicOutput::~PulseMusicOutput()
{
    stop();
}

bool PulseMusicOutput::sound(int serial, const MusicCache::Track &track, QString *why)
{
    // The song is read as it plays, half a second ahead: never all in memory.
    std::FILE *file = std::fopen(QFile::encodeName(track.wave).constData(), "rbe");
    if (!file || std::fseek(file, WaveHeaderBytes, SEEK_SET) != 0) {
        if (file)
            std::fclose(file);
        *why = QStringLiteral("cannot be read back");
        return false;
    }
    PulseAudio::Lock lock(m_audio);
    m_stream = m_audio.openMusic(track.peak);
    if (!m_stream) {
        std::fclose(file);
        *why = QStringLiteral("cannot be played: the sound server does not answer");
        return false;
    }
    m_file = file;
    m_soundingSerial = serial;
    m_draining = false;
    pa_stream_set_write_callback(m_stream, &PulseMusicOutput::writeMore, this);
    pa_stream_set_state_callback(m_stream, &PulseMusicOutput::stateChanged, this);
    return true;
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

int PulseMusicOutput::silence()
{
    int serial = 0;
    {
        PulseAudio::Lock lock(m_audio);
        serial = std::exchange(m_soundingSerial, 0);
    }
    stop();
    return serial;
}

void PulseMusicOutput::ended()
{
    // The song that played out leaves no stream behind, unless the game
    // started the next one.
    bool silent = false;
    {
        PulseAudio::Lock lock(m_audio);
        silent = m_soundingSerial == 0;
    }
    if (silent)
        stop();
}

void PulseMusicOutput::setVolume(int percent)
{
    const PulseAudio::Lock lock(m_audio);
    m_audio.setMusicVolume(percent);
}

} // namespace zand
