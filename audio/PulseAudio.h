// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

#include "CachedMusicOutput.h"
#include "SoundOutput.h"

#include <QObject>
#include <QTimer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

namespace zand {

class MusicCache;

// The desktop's sound server, spoken to directly: unlike SDL's device, its
// streams can close when nothing sounds, so the server lets the sound card
// sleep and an idle game costs next to nothing. The music and the effects
// play on streams of their own: the music, rendered long before it sounds,
// with a buffer of a second (a few wakes a second); the effects with a short
// one for a quick answer to a press, closed soon after the last effect has
// played out (the server sizes its buffer for the shortest stream, corked or
// not). Create it on the main thread before the outputs and destroy it after
// them.
class PulseAudio
{
public:
    // The server of this session; nothing when none answers. musicRenderer:
    // as for SdlAudio.
    static std::unique_ptr<PulseAudio> connect(const QString &musicRenderer = QString());
    ~PulseAudio();
    PulseAudio(const PulseAudio &) = delete;
    PulseAudio &operator=(const PulseAudio &) = delete;

    bool midiAvailable() const { return !m_soundFonts.isEmpty(); }
    const QStringList &soundFonts() const { return m_soundFonts; }
    const QString &musicRenderer() const { return m_renderer; }

    // The server's thread runs the streams' callbacks with this lock held;
    // the game's thread holds it while it touches a stream.
    class Lock
    {
    public:
        explicit Lock(PulseAudio &audio);
        ~Lock();
        Lock(const Lock &) = delete;
        Lock &operator=(const Lock &) = delete;

    private:
        pa_threaded_mainloop *m_loop;
    };

    // The streams, 44.1 kHz 16-bit stereo on the default sink; null when the
    // server is gone. Call these with the lock held.
    pa_stream *openEffects();
    // A song of this peak: see duckMusic().
    pa_stream *openMusic(int peak);
    void closeMusic(pa_stream *&stream);
    static void closeStream(pa_stream *&stream);

    // Effects and music sum without clipping: while an effect sounds the
    // music plays just soft enough (see Headroom.h). Call with the lock held.
    void duckMusic(int effectPeak);
    void restoreMusic() { duckMusic(0); }
    // The player's levels, 0 to 100, applied by the server as it mixes. Call
    // these with the lock held.
    void setMusicVolume(int percent);
    void setEffectsVolume(int percent) { m_effectsVolume = std::clamp(percent, 0, 100) / 100.0; }
    double effectsVolume() const { return m_effectsVolume; }
    static void setStreamVolume(pa_context *context, pa_stream *stream, double gain);
    pa_context *context() const { return m_context; }

private:
    explicit PulseAudio(const QString &musicRenderer);
    pa_stream *openStream(const char *name, int latencyMs, int refillMs, double gain);
    static void disconnectWhenMade(pa_stream *stream, void *);

    QString m_renderer;
    QStringList m_soundFonts;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_music = nullptr; // not owned: the music output's stream
    int m_musicPeak = 0;
    int m_effectPeak = 0; // the effect sounding, 0 when none
    double m_musicGain = 1.0;
    double m_musicVolume = 1.0;
    double m_effectsVolume = 1.0;
};

// The single effect voice: a new effect cuts off the last.
class PulseSoundOutput : public SoundOutput
{
public:
    explicit PulseSoundOutput(PulseAudio &audio);
    ~PulseSoundOutput() override;
    PulseSoundOutput(const PulseSoundOutput &) = delete;
    PulseSoundOutput &operator=(const PulseSoundOutput &) = delete;

    void playMemory(const QByteArray &waveFile) override;
    void playFile(const QString &path) override;
    bool isPlaying() const override;
    void setVolume(int percent) override;

    // An effect as the stream plays it: 44.1 kHz 16-bit stereo.
    struct Effect {
        QByteArray image; // the wave file it came from
        std::vector<qint16> samples;
        int peak = 0;
    };

private:
    static void writeMore(pa_stream *stream, size_t bytes, void *self);
    static void drained(pa_stream *stream, int success, void *self);
    static void stateChanged(pa_stream *stream, void *self);
    void closeIfSilent();
    std::shared_ptr<const Effect> decodedMemorySound(const QByteArray &waveFile);
    void start(std::shared_ptr<const Effect> effect);
    void write(size_t bytes);

    PulseAudio &m_audio;
    pa_stream *m_stream = nullptr;
    std::shared_ptr<const Effect> m_default;
    std::vector<std::shared_ptr<const Effect>> m_memorySounds; // most recently used last
    // The effect sounding and how far it is written: the server's thread and
    // ours share them under the lock.
    std::shared_ptr<const Effect> m_sounding;
    size_t m_written = 0;
    pa_operation *m_drain = nullptr; // the wait for the effect to play out
    std::atomic<bool> m_playing{false};
    // A run of effects (the reels stopping) keeps the stream open.
    QTimer m_linger;
};

// Plays the music, each song from the cache on a stream of its own that
// closes when the song ends or is stopped, so no stream stays open while the
// music is off.
class PulseMusicOutput final : public CachedMusicOutput
{
public:
    explicit PulseMusicOutput(PulseAudio &audio);
    ~PulseMusicOutput() override;

    void setVolume(int percent) override;

private:
    static void writeMore(pa_stream *stream, size_t bytes, void *self);
    static void drained(pa_stream *stream, int success, void *self);
    static void stateChanged(pa_stream *stream, void *self);
    bool sound(int serial, const MusicCache::Track &track, QString *why) override;
    int silence() override;
    void ended() override;
    void stop();

    PulseAudio &m_audio;
    // The song sounding: its stream, its file and its serial; shared with
    // the server's thread under the lock.
    pa_stream *m_stream = nullptr;
    std::FILE *m_file = nullptr;
    int m_soundingSerial = 0;
    bool m_draining = false;
};

} // namespace zand
