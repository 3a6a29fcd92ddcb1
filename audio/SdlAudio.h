// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CachedMusicOutput.h"
#include "SoundOutput.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

// The mixer's own type names: its private struct names differ between releases.
#include <SDL_mixer.h>

namespace zand {

struct MixChunkDeleter {
    void operator()(Mix_Chunk *chunk) const;
};
struct MixMusicDeleter {
    void operator()(Mix_Music *music) const;
};
using MixChunkPtr = std::unique_ptr<Mix_Chunk, MixChunkDeleter>;
using MixMusicPtr = std::unique_ptr<Mix_Music, MixMusicDeleter>;

// Opens the sound device through SDL_mixer once for the whole run, and finds
// the soundfont and the renderer that turn the songs into wave files. Without
// a device, a soundfont or the renderer the game still runs: the lack is
// reported once on standard error and the outputs below stay silent. Create
// it on the main thread before the outputs and destroy it after them.
class SdlAudio
{
public:
    // musicRenderer: the program that synthesises songs; empty for the
    // zandsynth beside the running program.
    explicit SdlAudio(const QString &musicRenderer = QString());
    ~SdlAudio();
    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    // The device is open: effects are heard.
    bool available() const;
    // The device is open and a soundfont and the renderer were found: music
    // can be heard.
    bool midiAvailable() const;
    const QStringList &soundFonts() const { return m_soundFonts; }
    const QString &musicRenderer() const { return m_renderer; }

    // The device's thread rests while nothing sounds, instead of mixing
    // silence many times a second; call wake() before anything starts to
    // sound and restIfSilent() once something may have stopped. Waking costs
    // nothing audible: the first buffer is mixed at once.
    void wake();
    void restIfSilent();

    // Effects and music sum without clipping: while an effect of this peak
    // sounds, the music plays just soft enough (see Headroom.h).
    void setMusicPeak(int peak) { m_musicPeak = peak; }
    void duckMusic(int effectPeak);
    // The player's music level, 0 to 100; the headroom softens it further.
    void setMusicVolume(int percent);
    unsigned device() const { return m_device; }

private:
    static void channelFinished(int channel);

    bool m_available = false;
    // Read on the device's thread when an effect ends.
    std::atomic<int> m_musicVolume{MIX_MAX_VOLUME};
    QStringList m_soundFonts;
    QString m_renderer;
    unsigned m_device = 0; // SDL's number for the device SDL_mixer opened
    bool m_resting = false;
    std::atomic<int> m_musicPeak{0};
    QObject m_mainThread; // receives the ends of effects
};

// The single effect voice: one mixer channel, a new effect cuts off the last.
class SdlSoundOutput : public SoundOutput
{
public:
    explicit SdlSoundOutput(SdlAudio &audio);
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput &) = delete;
    SdlSoundOutput &operator=(const SdlSoundOutput &) = delete;

    void playMemory(const QByteArray &waveFile) override;
    void playFile(const QString &path) override;
    bool isPlaying() const override;
    void setVolume(int percent) override;

private:
    struct CachedSound {
        QByteArray image; // held so its address cannot be reused by other data
        MixChunkPtr chunk;
    };

    Mix_Chunk *decodedMemorySound(const QByteArray &waveFile);
    void start(Mix_Chunk *chunk);

    SdlAudio &m_audio;
    bool m_available;
    MixChunkPtr m_defaultSound;
    MixChunkPtr m_fileSound;
    std::vector<CachedSound> m_memorySounds; // most recently used last
};

// Plays the music through SDL_mixer, which streams each song's wave file from
// the cache. Only one instance may exist at a time, because SDL_mixer has a
// single end-of-music hook.
class SdlMusicOutput final : public CachedMusicOutput
{
public:
    explicit SdlMusicOutput(SdlAudio &audio);
    ~SdlMusicOutput() override;

    void setVolume(int percent) override;

private:
    static void musicFinished();
    bool sound(int serial, const MusicCache::Track &track, QString *why) override;
    int silence() override;
    void ended() override;

    SdlAudio &m_audio;
    MixMusicPtr m_music;                  // the song's wave file, as the mixer plays it
    std::atomic<int> m_soundingSerial{0}; // the play the mixer is sounding
};

} // namespace zand
