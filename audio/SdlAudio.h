// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

class MusicCache;

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

// Plays the music: each song is synthesised once, in the background, into a
// wave file kept in the user's cache directory, and SDL_mixer streams it from
// there. Without a device, a soundfont or the renderer, open() succeeds and
// play() ends at once with Failure. A song that cannot be synthesised ends
// with Failure too, reported once on standard error. Only one instance may
// exist at a time, because SDL_mixer has a single end-of-music hook.
class SdlMusicOutput : public MusicOutput
{
public:
    explicit SdlMusicOutput(SdlAudio &audio);
    ~SdlMusicOutput() override;
    SdlMusicOutput(const SdlMusicOutput &) = delete;
    SdlMusicOutput &operator=(const SdlMusicOutput &) = delete;

    void prepare(const QStringList &paths) override;
    bool open(const QString &path, QString *error) override;
    void play() override;
    void close() override;
    void setVolume(int percent) override;

private:
    static void musicFinished();
    void prepared(const QString &path);
    void start(int serial);
    void fail(int serial, const QString &why);
    void endPlaying(Ending ending);
    void post(int serial, Ending ending);
    void deliver(int serial, Ending ending);

    SdlAudio &m_audio;
    std::unique_ptr<MusicCache> m_cache; // null when the music is silent
    QString m_path;                      // the open song, empty when none
    bool m_isOpen = false;
    MixMusicPtr m_music;                  // the song's wave file, as the mixer plays it
    int m_lastSerial = 0;
    int m_currentSerial = 0;              // the play the game still waits for, main thread only
    int m_waitingSerial = 0;              // a play waiting for its song to be synthesised
    std::atomic<int> m_soundingSerial{0}; // the play the mixer is sounding
    QStringList m_reported;               // songs already reported as unplayable
    QObject m_mainThread;                 // receives the end notifications
};

} // namespace zand
