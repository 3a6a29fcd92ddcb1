#include "SdlAudio.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <SDL.h>
#include <SDL_mixer.h>

namespace zand {

namespace {

constexpr int SampleRate = 44100;
constexpr int Channels = 2;
// 1024 frames are 23 ms at 44.1 kHz: short enough that a reel stop is heard
// as the reel lands, long enough not to crackle on a busy machine.
constexpr int BufferFrames = 1024;

const char *const PreferredSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
const char *const FallbackSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

// A MIDI file with one empty track. Holding it loaded keeps one synthesiser
// with the soundfont alive, and FluidSynth shares the soundfont's samples
// with every later synthesiser: a new track then loads in tens of
// milliseconds instead of the half second a cold soundfont load takes.
const unsigned char SilentMidi[] = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
    'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00,
};

bool isSoundFont(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8) == "sfbk";
}

// The player learns of a missing device or soundfont once, on standard error;
// a message box each time a sound or track starts would stop the game.
void reportSilence(const QString &why)
{
    qWarning().noquote() << why;
}

MixMusicPtr loadSilentMidi()
{
    return MixMusicPtr(Mix_LoadMUS_RW(SDL_RWFromConstMem(SilentMidi, sizeof SilentMidi), 1));
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

SdlAudio::SdlAudio()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportSilence(QStringLiteral("Sound is off: no audio device (%1).").arg(QString::fromUtf8(SDL_GetError())));
        return;
    }
    const bool synthesiser = (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) != 0;
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, BufferFrames) != 0) {
        reportSilence(QStringLiteral("Sound is off: the audio device cannot be opened (%1).")
                          .arg(QString::fromUtf8(Mix_GetError())));
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_available = true;
    Mix_AllocateChannels(1);

    if (!synthesiser) {
        reportSilence(QStringLiteral("Music is off: SDL_mixer has no MIDI synthesiser."));
        return;
    }
    const QString soundFonts = findSoundFonts();
    if (soundFonts.isEmpty()) {
        reportSilence(QStringLiteral("Music is off: no General MIDI soundfont found "
                                     "(install fluid-soundfont-gm or set SDL_SOUNDFONTS)."));
        return;
    }
    // Set explicitly: SDL_mixer otherwise takes FluidSynth's own default and
    // ignores SDL_SOUNDFONTS.
    Mix_SetSoundFonts(soundFonts.toLocal8Bit().constData());
    m_midiAvailable = true;
    m_warmUp = std::async(std::launch::async, loadSilentMidi);
}

SdlAudio::~SdlAudio()
{
    if (!m_available)
        return;
    if (m_warmUp.valid())
        m_warmUp.get();
    m_soundFontHolder.reset();
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
    return m_midiAvailable;
}

bool SdlAudio::prepareMidi()
{
    if (m_warmUp.valid()) {
        m_soundFontHolder = m_warmUp.get();
        if (!m_soundFontHolder) {
            reportSilence(QStringLiteral("Music is off: the MIDI synthesiser cannot start."));
            m_midiAvailable = false;
        }
    }
    return m_midiAvailable;
}

// Returns the soundfonts to hand to SDL_mixer, separated as SDL_SOUNDFONTS
// separates them, or an empty string when none is usable.
QString SdlAudio::findSoundFonts()
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
        return usable.first();
    return usable.join(QLatin1Char(':'));
}

} // namespace zand
