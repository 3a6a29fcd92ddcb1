#include "SdlAudio.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <SDL.h>
#include <SDL_mixer.h>

namespace zand {

namespace {

constexpr int SampleRate = 44100;
constexpr int Channels = 2;
// 1024 frames are 23 ms at 44.1 kHz: a reel stop is heard as the reel lands.
// Half of that woke the device twice as often, which doubled what an idle
// game costs, and on a busy machine it ran dry now and then.
constexpr int BufferFrames = 1024;

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

void MixChunkDeleter::operator()(Mix_Chunk *chunk) const
{
    Mix_FreeChunk(chunk);
}

void MixMusicDeleter::operator()(_Mix_Music *music) const
{
    Mix_FreeMusic(music);
}

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
    // The device runs for the whole game: SDL_mixer cannot pause it, and
    // opening it again costs far more than an effect may wait.
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, BufferFrames) != 0) {
        reportSilence(QStringLiteral("Sound is off: the audio device cannot be opened (%1).")
                          .arg(QString::fromUtf8(Mix_GetError())));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_available = true;
    Mix_AllocateChannels(1);

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
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::available() const
{
    return m_available;
}

bool SdlAudio::midiAvailable() const
{
    return available() && !m_soundFonts.isEmpty();
}

} // namespace zand
