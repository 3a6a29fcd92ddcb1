#pragma once

#include "SoundOutput.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace zand {

class MusicCache;
class MusicStream;

// Opens the sound device and mixes the game's two voices into it: the effect
// voice and the music, which plays a song already synthesised into a wave
// file. When neither sounds the device is paused, and after a while closed,
// so that an idle game costs nothing; the next sound opens it again.
// Without a device, a soundfont or the music renderer the game still runs:
// the lack is reported once on standard error and the outputs below stay
// silent. Create it on the main thread before the outputs and destroy it
// after them.
class SdlAudio
{
public:
    // What the device plays: 44.1 kHz, 16-bit, stereo.
    static constexpr int SampleRate = 44100;
    static constexpr int FrameBytes = 4;
    using Sound = std::shared_ptr<const QByteArray>; // samples in the device's format

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

    // The effect voice: a new sound cuts off the one that is playing.
    void playEffect(Sound sound);
    bool effectPlaying() const;

    // The music voice. `ended` is called on the audio thread when the
    // stream has played out; never after stopMusic() or playMusic() returns
    // for the stream they replace.
    void playMusic(std::unique_ptr<MusicStream> stream, std::function<void()> ended);
    void stopMusic();

private:
    bool openDevice();
    static void mix(void *self, unsigned char *out, int bytes);
    void mixInto(unsigned char *out, int bytes);
    bool wake();
    void restIfSilent();
    void closeIfSilent();

    bool m_available = false;
    unsigned m_device = 0; // SDL's device id, 0 while it is closed
    QStringList m_soundFonts;
    QString m_renderer;

    // Owned by the audio thread while the device runs; changed under its lock.
    Sound m_effect;
    qsizetype m_effectAt = 0;
    std::unique_ptr<MusicStream> m_music;
    std::function<void()> m_musicEnded;

    bool m_sounding = false; // the device runs, main thread only
    std::atomic<bool> m_restPosted{false};
    QObject m_mainThread; // receives the audio thread's news
    QTimer m_closeTimer;  // a paused device is closed when it fires
};

// A wave file of the device's format, read as it plays.
class MusicStream
{
public:
    // Opens a 44.1 kHz 16-bit stereo wave file; null when it is not one.
    static std::unique_ptr<MusicStream> open(const QString &path);
    ~MusicStream();
    MusicStream(const MusicStream &) = delete;
    MusicStream &operator=(const MusicStream &) = delete;

    // Reads up to `bytes` of samples; fewer at the end of the song.
    qint64 read(unsigned char *into, qint64 bytes);

private:
    MusicStream(int fd, qint64 begin, qint64 end);

    int m_fd;
    qint64 m_at;
    qint64 m_end;
};

// The single effect voice.
class SdlSoundOutput : public SoundOutput
{
public:
    explicit SdlSoundOutput(SdlAudio &audio);

    void playMemory(const QByteArray &waveFile) override;
    void playFile(const QString &path) override;
    bool isPlaying() const override;

private:
    struct CachedSound {
        QByteArray image; // held so its address cannot be reused by other data
        SdlAudio::Sound sound;
    };

    SdlAudio::Sound decodedMemorySound(const QByteArray &waveFile);
    void start(const SdlAudio::Sound &sound);

    SdlAudio &m_audio;
    SdlAudio::Sound m_defaultSound;
    std::vector<CachedSound> m_memorySounds; // most recently used last
};

// Plays the music: each song is synthesised once, in the background, into a
// wave file kept in the user's cache directory, and played from there.
// Without a device, a soundfont or the renderer, open() succeeds and play()
// ends at once with Failure. A song that cannot be synthesised ends with
// Failure too, reported once on standard error.
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

private:
    void prepared(const QString &path);
    void start(int serial);
    void endPlaying(Ending ending);
    void post(int serial, Ending ending);
    void deliver(int serial, Ending ending);

    SdlAudio &m_audio;
    std::unique_ptr<MusicCache> m_cache; // null when the music is silent
    QString m_path;                      // the open song, empty when none
    bool m_isOpen = false;
    int m_lastSerial = 0;
    int m_currentSerial = 0;              // the play the game still waits for, main thread only
    int m_waitingSerial = 0;              // a play waiting for its song to be synthesised
    std::atomic<int> m_soundingSerial{0}; // the play the device is sounding
    QStringList m_reported;               // songs already reported as unplayable
    QObject m_mainThread;                 // receives the end notifications
};

} // namespace zand
