#include "SdlAudio.h"
#include "WaveFile.h"

#include "game/RegularFile.h"


#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zand {

namespace {

constexpr int EffectChannel = 0;
// The game plays two sounds from memory; a few more entries only guard
// against a caller that hands over a fresh buffer each time.
constexpr std::size_t MemoryCacheSize = 8;

void appendLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray monoWaveImage(const std::vector<qint16> &samples, int rate)
{
    const auto dataBytes = quint32(samples.size() * sizeof(qint16));
    QByteArray image("RIFF");
    appendLittleEndian(image, 36 + dataBytes, 4);
    image.append("WAVEfmt ");
    appendLittleEndian(image, 16, 4); // format chunk size
    appendLittleEndian(image, 1, 2); // PCM
    appendLittleEndian(image, 1, 2); // mono
    appendLittleEndian(image, quint32(rate), 4);
    appendLittleEndian(image, quint32(rate) * 2, 4);
    appendLittleEndian(image, 2, 2); // bytes per frame
    appendLittleEndian(image, 16, 2); // bits per sample
    image.append("data");
    appendLittleEndian(image, dataBytes, 4);
    for (qint16 sample : samples)
        appendLittleEndian(image, quint16(sample), 2);
    return image;
}

// The sound heard when an effect file is missing or unreadable: a short
// two-note chime, a fifth apart, so the player still hears that something
// happened.
QByteArray defaultSoundImage()
{
    constexpr int Rate = 44100;
    struct Note {
        double frequency;
        double seconds;
    };
    constexpr Note Notes[] = {{987.77, 0.060}, {1318.51, 0.090}}; // B5, then E6
    std::vector<qint16> samples;
    for (const Note &note : Notes) {
        const int count = int(note.seconds * Rate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / Rate;
            // A 3 ms rise and a fall to silence keep the notes free of clicks.
            const double envelope = std::min(1.0, t / 0.003) * std::exp(-t * 30.0) * (1.0 - double(i) / count);
            const double phase = 2.0 * std::numbers::pi * note.frequency * t;
            const double value = std::sin(phase) + 0.25 * std::sin(2.0 * phase);
            samples.push_back(qint16(std::lround(value / 1.25 * envelope * 0.5 * 32767.0)));
        }
    }
    return monoWaveImage(samples, Rate);
}

// No effect of a slot machine comes near this.
constexpr qint64 MaxEffectBytes = 32 << 20;

Mix_Chunk *decode(const QByteArray &image)
{
    if (!isWaveFile(image.constData(), std::size_t(image.size())))
        return nullptr;
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(image.constData(), int(image.size())), 1);
}

} // namespace

SdlSoundOutput::SdlSoundOutput(SdlAudio &audio)
    : m_audio(audio)
    , m_available(audio.available())
{
    if (m_available)
        m_defaultSound.reset(decode(defaultSoundImage()));
}

SdlSoundOutput::~SdlSoundOutput()
{
    if (m_available)
        Mix_HaltChannel(EffectChannel);
}

void SdlSoundOutput::playMemory(const QByteArray &waveFile)
{
    if (!m_available)
        return;
    Mix_Chunk *chunk = decodedMemorySound(waveFile);
    start(chunk ? chunk : m_defaultSound.get());
}

void SdlSoundOutput::playFile(const QString &path)
{
    if (!m_available)
        return;
    // Read as the game reads theme files: a pipe or a device in its place
    // is refused, not waited for.
    const FileContents file = readRegularFile(path, MaxEffectBytes);
    MixChunkPtr sound(file.state == FileContents::State::Read ? decode(file.bytes) : nullptr);
    start(sound ? sound.get() : m_defaultSound.get());
    // Only now is the previous file's sound off the channel and safe to free.
    m_fileSound = std::move(sound);
}

bool SdlSoundOutput::isPlaying() const
{
    return m_available && Mix_Playing(EffectChannel) != 0;
}

void SdlSoundOutput::setVolume(int percent)
{
    if (m_available)
        Mix_Volume(EffectChannel, MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100);
}

Mix_Chunk *SdlSoundOutput::decodedMemorySound(const QByteArray &waveFile)
{
    const auto cached = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const CachedSound &sound) {
        return sound.image.constData() == waveFile.constData() && sound.image.size() == waveFile.size();
    });
    if (cached != m_memorySounds.end()) {
        std::rotate(cached, cached + 1, m_memorySounds.end());
        return m_memorySounds.back().chunk.get();
    }

    if (m_memorySounds.size() >= MemoryCacheSize) {
        // Evict the oldest sound that is not sounding now; at most one is.
        Mix_Chunk *sounding = Mix_Playing(EffectChannel) ? Mix_GetChunk(EffectChannel) : nullptr;
        const auto unused = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const CachedSound &sound) {
            return !sound.chunk || sound.chunk.get() != sounding;
        });
        m_memorySounds.erase(unused);
    }
    // An image that does not decode is remembered too, so it is not decoded
    // again on every play; it sounds as the default sound.
    m_memorySounds.push_back({waveFile, MixChunkPtr(decode(waveFile))});
    return m_memorySounds.back().chunk.get();
}

void SdlSoundOutput::start(Mix_Chunk *chunk)
{
    if (!chunk)
        return;
    m_audio.wake();
    Mix_PlayChannel(EffectChannel, chunk, 0);
}

} // namespace zand
