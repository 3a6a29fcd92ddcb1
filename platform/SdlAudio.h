#pragma once

#include "SoundOutput.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <future>
#include <memory>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

namespace zand {

struct MixChunkDeleter {
    void operator()(Mix_Chunk *chunk) const;
};
struct MixMusicDeleter {
    void operator()(_Mix_Music *music) const;
};
using MixChunkPtr = std::unique_ptr<Mix_Chunk, MixChunkDeleter>;
using MixMusicPtr = std::unique_ptr<_Mix_Music, MixMusicDeleter>;

// Opens the sound device once for the whole run and chooses the soundfont the
// MIDI synthesiser plays the music with. Without a device or a soundfont the
// game still runs: the lack is reported once on standard error and the
// outputs below stay silent. Create it on the main thread before the outputs
// and destroy it after them.
class SdlAudio
{
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio &) = delete;
    SdlAudio &operator=(const SdlAudio &) = delete;

    // The device is open: effects are heard.
    bool available() const;
    // The device is open and a soundfont was found: music can be heard.
    bool midiAvailable() const;

    // Waits until the soundfont is loaded (it loads in the background from
    // start-up on) and reports whether the synthesiser took it.
    bool prepareMidi();

private:
    static QString findSoundFonts();

    bool m_available = false;
    bool m_midiAvailable = false;
    std::future<MixMusicPtr> m_warmUp;
    MixMusicPtr m_soundFontHolder;
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

private:
    struct CachedSound {
        QByteArray image; // held so its address cannot be reused by other data
        MixChunkPtr chunk;
    };

    Mix_Chunk *decodedMemorySound(const QByteArray &waveFile);
    void start(Mix_Chunk *chunk);

    bool m_available;
    MixChunkPtr m_defaultSound;
    MixChunkPtr m_fileSound;
    std::vector<CachedSound> m_memorySounds; // most recently used last
};

// Plays the music through SDL_mixer's MIDI synthesiser. Without a device or a
// soundfont, open() succeeds and play() ends at once with Failure, so the game
// shows no errors and starts no further track. Only one instance may exist at
// a time, because SDL_mixer has a single end-of-music hook.
class SdlMusicOutput : public MusicOutput
{
public:
    explicit SdlMusicOutput(SdlAudio &audio);
    ~SdlMusicOutput() override;
    SdlMusicOutput(const SdlMusicOutput &) = delete;
    SdlMusicOutput &operator=(const SdlMusicOutput &) = delete;

    bool open(const QString &path, QString *error) override;
    void play() override;
    void close() override;

private:
    static void musicFinished();
    void endPlaying(Ending ending);
    void post(int serial, Ending ending);
    void deliver(int serial, Ending ending);

    SdlAudio &m_audio;
    bool m_silent;
    bool m_isOpen = false;
    MixMusicPtr m_music;
    int m_lastSerial = 0;
    int m_currentSerial = 0;          // the play the game still waits for, main thread only
    std::atomic<int> m_soundingSerial{0}; // the play the mixer is sounding
    QObject m_mainThread;             // receives the end notifications
};

} // namespace zand
