#include "SdlAudio.h"

#include <QFile>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace zand {

namespace {

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

// A wave file image in the device's format; null when it is no wave file.
SdlAudio::Sound decode(const QByteArray &image)
{
    if (image.isEmpty())
        return nullptr;
    SDL_AudioSpec spec{};
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(image.constData(), int(image.size())), 1, &spec, &samples, &length))
        return nullptr;
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> held(samples, &SDL_FreeWAV);
    SDL_AudioCVT convert{};
    if (SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, 2,
                          SdlAudio::SampleRate) < 0)
        return nullptr;
    QByteArray sound(qsizetype(length) * std::max(convert.len_mult, 1), Qt::Uninitialized);
    std::memcpy(sound.data(), samples, length);
    convert.buf = reinterpret_cast<Uint8 *>(sound.data());
    convert.len = int(length);
    convert.len_cvt = int(length);
    if (convert.needed && SDL_ConvertAudio(&convert) != 0)
        return nullptr;
    sound.resize(convert.len_cvt / SdlAudio::FrameBytes * SdlAudio::FrameBytes);
    sound.squeeze();
    return std::make_shared<const QByteArray>(std::move(sound));
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

SdlSoundOutput::SdlSoundOutput(SdlAudio &audio)
    : m_audio(audio)
{
    if (m_audio.available())
        m_defaultSound = decode(defaultSoundImage());
}

void SdlSoundOutput::playMemory(const QByteArray &waveFile)
{
    if (m_audio.available())
        start(decodedMemorySound(waveFile));
}

void SdlSoundOutput::playFile(const QString &path)
{
    if (m_audio.available())
        start(decode(readWhole(path)));
}

bool SdlSoundOutput::isPlaying() const
{
    return m_audio.effectPlaying();
}

SdlAudio::Sound SdlSoundOutput::decodedMemorySound(const QByteArray &waveFile)
{
    const auto cached = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const CachedSound &sound) {
        return sound.image.constData() == waveFile.constData() && sound.image.size() == waveFile.size();
    });
    if (cached != m_memorySounds.end()) {
        std::rotate(cached, cached + 1, m_memorySounds.end());
        return m_memorySounds.back().sound;
    }
    if (m_memorySounds.size() >= MemoryCacheSize)
        m_memorySounds.erase(m_memorySounds.begin());
    // An image that does not decode is remembered too, so it is not decoded
    // again on every play; it sounds as the default sound.
    m_memorySounds.push_back({waveFile, decode(waveFile)});
    return m_memorySounds.back().sound;
}

// A sound that is missing or not a wave file plays the default sound.
void SdlSoundOutput::start(const SdlAudio::Sound &sound)
{
    const SdlAudio::Sound &playing = sound ? sound : m_defaultSound;
    if (playing)
        m_audio.playEffect(playing);
}

} // namespace zand
