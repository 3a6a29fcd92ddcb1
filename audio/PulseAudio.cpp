// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseAudio.h"

#include "Headroom.h"
#include "MusicCache.h"

#include <QCoreApplication>

#include <pulse/pulseaudio.h>

namespace zand {

namespace {

const pa_sample_spec Spec{PA_SAMPLE_S16LE, 44100, 2};
// A second of music ahead, refilled a fifth at a time: the game wakes five
// times a second for it, and a loaded machine has plenty of time to refill
// it. The server sizes its own buffer from both, (target - 2 refills) / 2,
// here 300 ms: it too wakes only a few times a second.
constexpr int MusicLatencyMs = 1000;
constexpr int MusicRefillMs = 200;
// The effects answer a press within a frame of the screen; the server
// chooses their refills.
constexpr int EffectLatencyMs = 20;

// A server that does not answer within this is taken for none: the game
// starts with SDL's device rather than hang.
constexpr pa_usec_t ConnectPatience = 2 * PA_USEC_PER_SEC;

struct Connecting {
    pa_threaded_mainloop *loop;
    bool timedOut = false;
};

void signalLoop(pa_context *, void *connecting)
{
    pa_threaded_mainloop_signal(static_cast<Connecting *>(connecting)->loop, 0);
}

void giveUp(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *connecting)
{
    static_cast<Connecting *>(connecting)->timedOut = true;
    pa_threaded_mainloop_signal(static_cast<Connecting *>(connecting)->loop, 0);
}

} // namespace

PulseAudio::PulseAudio(const QString &musicRenderer)
    : m_renderer(musicRenderer.isEmpty()
                     ? QCoreApplication::applicationDirPath() + QStringLiteral("/zandsynth")
                     : musicRenderer)
{
}

std::unique_ptr<PulseAudio> PulseAudio::connect(const QString &musicRenderer)
{
    std::unique_ptr<PulseAudio> audio(new PulseAudio(musicRenderer));
    audio->m_loop = pa_threaded_mainloop_new();
    if (!audio->m_loop)
        return nullptr;
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    audio->m_context = pa_context_new(pa_threaded_mainloop_get_api(audio->m_loop), name.constData());
    if (!audio->m_context)
        return nullptr;
    Connecting connecting{audio->m_loop};
    pa_context_set_state_callback(audio->m_context, &signalLoop, &connecting);
    // A desktop without a server gets SDL's device, not a server started for it.
    if (pa_context_connect(audio->m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return nullptr;
    pa_time_event *patience = pa_context_rttime_new(audio->m_context, pa_rtclock_now() + ConnectPatience, &giveUp,
                                                    &connecting);
    if (pa_threaded_mainloop_start(audio->m_loop) < 0)
        return nullptr;
    pa_context_state_t state;
    {
        Lock lock(*audio);
        while ((state = pa_context_get_state(audio->m_context)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state)
               && !connecting.timedOut)
            pa_threaded_mainloop_wait(audio->m_loop);
        pa_context_set_state_callback(audio->m_context, nullptr, nullptr);
        if (patience)
            pa_threaded_mainloop_get_api(audio->m_loop)->time_free(patience);
    }
    if (state != PA_CONTEXT_READY)
        return nullptr;
    audio->m_soundFonts = MusicCache::usableSoundFonts(audio->m_renderer);
    return audio;
}

PulseAudio::~PulseAudio()
{
    if (m_loop)
        pa_threaded_mainloop_stop(m_loop);
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    if (m_loop)
        pa_threaded_mainloop_free(m_loop);
}

PulseAudio::Lock::Lock(PulseAudio &audio)
    : m_loop(audio.m_loop)
{
    pa_threaded_mainloop_lock(m_loop);
}

PulseAudio::Lock::~Lock()
{
    pa_threaded_mainloop_unlock(m_loop);
}

pa_stream *PulseAudio::openStream(const char *name, int latencyMs, int refillMs, double gain)
{
    if (pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return nullptr;
    pa_stream *stream = pa_stream_new(m_context, name, &Spec, nullptr);
    if (!stream)
        return nullptr;
    const auto bytes = [](int ms) { return uint32_t(pa_usec_to_bytes(pa_usec_t(ms) * 1000, &Spec)); };
    const uint32_t serverChooses = uint32_t(-1);
    const pa_buffer_attr attributes{serverChooses, bytes(latencyMs), serverChooses,
                                    refillMs > 0 ? bytes(refillMs) : serverChooses, serverChooses};
    // A volume of the game's own keeps the server from restoring one it saw
    // while the music was softened under an effect.
    pa_cvolume volume;
    pa_cvolume_set(&volume, Spec.channels, pa_sw_volume_from_linear(gain));
    if (pa_stream_connect_playback(stream, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, &volume, nullptr) < 0) {
        pa_stream_unref(stream);
        return nullptr;
    }
    return stream;
}

void PulseAudio::closeStream(pa_stream *&stream)
{
    if (!stream)
        return;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
        // A stream the server is still making cannot be disconnected yet
        // (PipeWire's pulse server would keep it for the rest of the run):
        // it goes as soon as it is made, and holds its reference till then.
        pa_stream_set_state_callback(stream, &disconnectWhenMade, nullptr);
        stream = nullptr;
        return;
    }
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
}

void PulseAudio::disconnectWhenMade(pa_stream *stream, void *)
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_CREATING)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (state == PA_STREAM_READY)
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

pa_stream *PulseAudio::openEffects()
{
    return openStream("Effects", EffectLatencyMs, 0, m_effectsVolume);
}

pa_stream *PulseAudio::openMusic(int peak)
{
    m_musicPeak = peak;
    m_musicGain = musicGainUnder(m_effectPeak, peak) * m_musicVolume;
    m_music = openStream("Music", MusicLatencyMs, MusicRefillMs, m_musicGain);
    return m_music;
}

void PulseAudio::closeMusic(pa_stream *&stream)
{
    if (stream == m_music)
        m_music = nullptr;
    closeStream(stream);
}

void PulseAudio::duckMusic(int effectPeak)
{
    m_effectPeak = effectPeak;
    const double gain = musicGainUnder(effectPeak, m_musicPeak) * m_musicVolume;
    if (!m_music || gain == m_musicGain)
        return;
    m_musicGain = gain;
    // The server applies the volume as it mixes: the music already sent
    // softens with the effect.
    setStreamVolume(m_context, m_music, gain);
}

void PulseAudio::setMusicVolume(int percent)
{
    m_musicVolume = std::clamp(percent, 0, 100) / 100.0;
    m_musicGain = -1; // applied anew
    duckMusic(m_effectPeak);
}

void PulseAudio::setStreamVolume(pa_context *context, pa_stream *stream, double gain)
{
    if (!stream || pa_stream_get_state(stream) != PA_STREAM_READY)
        return;
    pa_cvolume volume;
    pa_cvolume_set(&volume, Spec.channels, pa_sw_volume_from_linear(gain));
    if (pa_operation *done = pa_context_set_sink_input_volume(context, pa_stream_get_index(stream), &volume, nullptr, nullptr))
        pa_operation_unref(done);
}

} // namespace zand
