#include "SdlAudio.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <SDL.h>

#include <cstring>

namespace zand {

namespace {

// 512 frames are 12 ms at 44.1 kHz: an effect is heard within a frame or two
// of the key that asked for it, and mixing a stored song costs so little that
// the device is never late on a busy machine.
constexpr int BufferFrames = 512;
// A paused device still wakes for every buffer; closed after this long
// without a sound, it costs nothing until the next one.
constexpr int CloseAfterMs = 2000;

const char *const PreferredSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
const char *const FallbackSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

bool isSoundFont(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8) == "sfbk";
}

// Returns the soundfonts that the songs are played with, in SDL_SOUNDFONTS'
// order when it names any, else the General MIDI soundfont of Debian.
QStringList findSoundFonts()
{
    const QString fromEnvironment = qEnvironmentVariable("SDL_SOUNDFONTS");
    QStringList candidates;
    if (!fromEnvironment.isEmpty())
        candidates = fromEnvironment.split(QRegularExpression(QStringLiteral("[:;]")), Qt::SkipEmptyParts);
    else
        candidates = {QString::fromLatin1(PreferredSoundFont), QString::fromLatin1(FallbackSoundFont)};

    QStringList usable;
    for (const QString &path : std::as_const(candidates)) {
        if (isSoundFont(path))
            usable.append(path);
    }
    // Of the built-in places one is enough; both name the same file on Debian.
    if (fromEnvironment.isEmpty() && !usable.isEmpty())
        return {usable.first()};
    return usable;
}

// The player learns of a missing device or soundfont once, on standard error;
// a message box each time a sound or track starts would stop the game.
void reportSilence(const QString &why)
{
    qWarning().noquote() << why;
}

} // namespace

SdlAudio::SdlAudio(const QString &musicRenderer)
    : m_renderer(musicRenderer.isEmpty()
                     ? QCoreApplication::applicationDirPath() + QStringLiteral("/zandsynth")
                     : musicRenderer)
{
    // The game handles its own signals; SDL's handlers would only turn
    // Ctrl+C into an event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportSilence(QStringLiteral("Sound is off: no audio device (%1).").arg(QString::fromUtf8(SDL_GetError())));
        return;
    }
    if (!openDevice()) {
        reportSilence(QStringLiteral("Sound is off: the audio device cannot be opened (%1).")
                          .arg(QString::fromUtf8(SDL_GetError())));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_available = true;
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(CloseAfterMs);
    QObject::connect(&m_closeTimer, &QTimer::timeout, &m_mainThread, [this] { closeIfSilent(); });

    m_soundFonts = findSoundFonts();
    if (m_soundFonts.isEmpty()) {
        reportSilence(QStringLiteral("Music is off: no General MIDI soundfont found "
                                     "(install fluid-soundfont-gm or set SDL_SOUNDFONTS)."));
    } else if (!QFileInfo(m_renderer).isExecutable()) {
        reportSilence(QStringLiteral("Music is off: the music renderer %1 is missing.").arg(m_renderer));
        m_soundFonts.clear();
    }
}

SdlAudio::~SdlAudio()
{
    if (!m_available)
        return;
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = SampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = BufferFrames;
    wanted.callback = &SdlAudio::mix;
    wanted.userdata = this;
    // SDL converts for a device that wants another format, so the mixing
    // below always sees its own. The device opens paused.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    m_sounding = false;
    return m_device != 0;
}

bool SdlAudio::available() const
{
    return m_available;
}

bool SdlAudio::midiAvailable() const
{
    return available() && !m_soundFonts.isEmpty();
}

void SdlAudio::playEffect(Sound sound)
{
    if (!wake())
        return;
    SDL_LockAudioDevice(m_device);
    // The sound that is cut off is freed here, not on the audio thread.
    std::swap(m_effect, sound);
    m_effectAt = 0;
    SDL_UnlockAudioDevice(m_device);
}

bool SdlAudio::effectPlaying() const
{
    if (m_device == 0)
        return false; // closed only when nothing sounds
    SDL_LockAudioDevice(m_device);
    const bool playing = m_effect != nullptr;
    SDL_UnlockAudioDevice(m_device);
    return playing;
}

void SdlAudio::playMusic(std::unique_ptr<MusicStream> stream, std::function<void()> ended)
{
    if (!wake())
        return;
    SDL_LockAudioDevice(m_device);
    std::swap(m_music, stream);
    std::swap(m_musicEnded, ended);
    SDL_UnlockAudioDevice(m_device);
}

void SdlAudio::stopMusic()
{
    if (m_device == 0)
        return;
    std::unique_ptr<MusicStream> stopped;
    std::function<void()> ended;
    SDL_LockAudioDevice(m_device);
    std::swap(m_music, stopped);
    std::swap(m_musicEnded, ended);
    SDL_UnlockAudioDevice(m_device);
}

void SdlAudio::mix(void *self, unsigned char *out, int bytes)
{
    static_cast<SdlAudio *>(self)->mixInto(out, bytes);
}

// The audio thread, with the device locked.
void SdlAudio::mixInto(unsigned char *out, int bytes)
{
    std::memset(out, 0, std::size_t(bytes));
    if (m_music && m_music->read(out, bytes) < bytes) {
        m_music.reset();
        const std::function<void()> ended = std::exchange(m_musicEnded, nullptr);
        if (ended)
            ended();
    }
    if (m_effect) {
        const qsizetype count = std::min<qsizetype>(bytes, m_effect->size() - m_effectAt);
        SDL_MixAudioFormat(out, reinterpret_cast<const Uint8 *>(m_effect->constData()) + m_effectAt,
                           AUDIO_S16SYS, Uint32(count), SDL_MIX_MAXVOLUME);
        m_effectAt += count;
        if (m_effectAt >= m_effect->size())
            m_effect.reset();
    }
    if (!m_music && !m_effect && !m_restPosted.exchange(true))
        QMetaObject::invokeMethod(&m_mainThread, [this] { restIfSilent(); }, Qt::QueuedConnection);
}

// Opens the device if it was closed and lets it run; false when it cannot.
bool SdlAudio::wake()
{
    if (!m_available || (m_device == 0 && !openDevice()))
        return false;
    m_closeTimer.stop();
    if (!m_sounding) {
        SDL_PauseAudioDevice(m_device, 0);
        m_sounding = true;
    }
    return true;
}

// A device that mixes nothing still wakes for every buffer: paused, it only
// fills silence, and closed later it does not wake at all.
void SdlAudio::restIfSilent()
{
    m_restPosted = false;
    if (m_device == 0)
        return;
    SDL_LockAudioDevice(m_device);
    const bool silent = !m_music && !m_effect;
    SDL_UnlockAudioDevice(m_device);
    if (silent && m_sounding) {
        SDL_PauseAudioDevice(m_device, 1);
        m_sounding = false;
        m_closeTimer.start();
    }
}

void SdlAudio::closeIfSilent()
{
    if (m_device == 0 || m_sounding)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

} // namespace zand
