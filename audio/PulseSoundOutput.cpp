// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseAudio.h"
#include "DefaultEffect.h"
#include "WaveDecode.h"

#include "game/RegularFile.h"

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace zand {

namespace {

// As SdlSoundOutput: two sounds from memory, a few more entries as a guard.
constexpr std::size_t MemoryCacheSize = 8;
constexpr qint64 MaxEffectBytes = 32 << 20;
// Written at once when an effect starts; the rest as the server asks.
constexpr size_t FirstWrite = 256 << 10;
// How long the stream stays open after an effect: over the gaps between the
// reels stopping, short enough that an idle game soon lets the server rest.
constexpr int LingerMs = 1500;

using Effect = PulseSoundOutput::Effect;

std::shared_ptr<const Effect> decode(const QByteArray &image)
{
    auto effect = std::make_shared<Effect>();
    effect->image = image;
    DecodedWave wave = decodeWave(image.constData(), std::size_t(image.size()));
    effect->samples = std::move(wave.samples);
    effect->peak = wave.peak;
    return effect;
}

bool sounds(const std::shared_ptr<const Effect> &effect)
{
    return effect && !effect->samples.empty();
}

} // namespace

PulseSoundOutput::PulseSoundOutput(PulseAudio &audio)
    : m_audio(audio)
    , m_default(decode(defaultEffectImage()))
{
    m_linger.setSingleShot(true);
    m_linger.setInterval(LingerMs);
    QObject::connect(&m_linger, &QTimer::timeout, [this] { closeIfSilent(); });
}

PulseSoundOutput::~PulseSoundOutput()
{
    PulseAudio::Lock lock(m_audio);
    if (m_drain)
        pa_operation_cancel(std::exchange(m_drain, nullptr));
    m_audio.restoreMusic();
    PulseAudio::closeStream(m_stream);
}

void PulseSoundOutput::playMemory(const QByteArray &waveFile)
{
    const std::shared_ptr<const Effect> effect = decodedMemorySound(waveFile);
    start(sounds(effect) ? effect : m_default);
}

void PulseSoundOutput::playFile(const QString &path)
{
    // Read as the game reads theme files: a pipe or a device in its place
    // is refused, not waited for.
    const FileContents file = readRegularFile(path, MaxEffectBytes);
    const std::shared_ptr<const Effect> effect = file.state == FileContents::State::Read ? decode(file.bytes) : nullptr;
    start(sounds(effect) ? effect : m_default);
}

bool PulseSoundOutput::isPlaying() const
{
    return m_playing;
}

std::shared_ptr<const Effect> PulseSoundOutput::decodedMemorySound(const QByteArray &waveFile)
{
    const auto cached = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const auto &sound) {
        return sound->image.constData() == waveFile.constData() && sound->image.size() == waveFile.size();
    });
    if (cached != m_memorySounds.end()) {
        std::rotate(cached, cached + 1, m_memorySounds.end());
        return m_memorySounds.back();
    }
    // The stream holds its own share of the sound it plays.
    if (m_memorySounds.size() >= MemoryCacheSize)
        m_memorySounds.erase(m_memorySounds.begin());
    m_memorySounds.push_back(decode(waveFile));
    return m_memorySounds.back();
}

void PulseSoundOutput::start(std::shared_ptr<const Effect> effect)
{
    if (!sounds(effect))
        return;
    m_linger.stop();
    PulseAudio::Lock lock(m_audio);
    // The new effect cuts off the last: what is left of it is dropped.
    if (m_drain)
        pa_operation_cancel(std::exchange(m_drain, nullptr));
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY) {
        if (pa_operation *flushed = pa_stream_flush(m_stream, nullptr, nullptr))
            pa_operation_unref(flushed);
    } else if (!m_stream || !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream))) {
        // A stream that failed with its server goes; a new one is asked for
        // and written as soon as it is ready. One still being made is kept:
        // it plays the newest effect when it is ready.
        PulseAudio::closeStream(m_stream);
        m_stream = m_audio.openEffects();
        if (!m_stream)
            return;
        pa_stream_set_write_callback(m_stream, &PulseSoundOutput::writeMore, this);
        pa_stream_set_state_callback(m_stream, &PulseSoundOutput::stateChanged, this);
    }
    m_sounding = std::move(effect);
    m_written = 0;
    m_playing = true;
    m_audio.duckMusic(m_sounding->peak);
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY)
        write(FirstWrite);
}

// On the game's thread, once the last effect has been heard for a while.
void PulseSoundOutput::closeIfSilent()
{
    PulseAudio::Lock lock(m_audio);
    if (!m_playing)
        PulseAudio::closeStream(m_stream);
}

void PulseSoundOutput::stateChanged(pa_stream *stream, void *data)
{
    // A server that goes away leaves nothing sounding to wait for.
    auto *self = static_cast<PulseSoundOutput *>(data);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) {
        self->m_sounding.reset();
        self->m_drain = nullptr;
        self->m_playing = false;
    }
}

void PulseSoundOutput::writeMore(pa_stream *, size_t bytes, void *self)
{
    static_cast<PulseSoundOutput *>(self)->write(bytes);
}

void PulseSoundOutput::setVolume(int percent)
{
    const PulseAudio::Lock lock(m_audio);
    m_audio.setEffectsVolume(percent);
    PulseAudio::setStreamVolume(m_audio.context(), m_stream, m_audio.effectsVolume());
}

// With the lock held: more of the effect, and once all is written, a drain
// that tells when it has played out; the stream closes a while after that.
void PulseSoundOutput::write(size_t bytes)
{
    if (!m_sounding || m_drain)
        return;
    const size_t total = m_sounding->samples.size() * sizeof(qint16);
    const size_t count = std::min(bytes, total - m_written);
    if (count > 0) {
        pa_stream_write(m_stream, reinterpret_cast<const char *>(m_sounding->samples.data()) + m_written, count,
                        nullptr, 0, PA_SEEK_RELATIVE);
        m_written += count;
    }
    if (m_written == total)
        m_drain = pa_stream_drain(m_stream, &PulseSoundOutput::drained, this);
}

void PulseSoundOutput::drained(pa_stream *, int, void *data)
{
    auto *self = static_cast<PulseSoundOutput *>(data);
    if (self->m_drain) {
        pa_operation_unref(self->m_drain);
        self->m_drain = nullptr;
    }
    self->m_sounding.reset();
    self->m_audio.restoreMusic();
    self->m_playing = false;
    QMetaObject::invokeMethod(&self->m_linger, qOverload<>(&QTimer::start), Qt::QueuedConnection);
}

} // namespace zand
