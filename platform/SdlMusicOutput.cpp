#include "SdlAudio.h"

#include <QFile>

#include <SDL_mixer.h>

namespace zand {

// Each play() gets a serial number and ends with exactly one notification.
// Whoever takes the serial out of m_soundingSerial first reports the end: the
// mixer's hook when the track runs out (Successful), or close() and play()
// when they stop it (Aborted, Superseded).

namespace {
std::atomic<SdlMusicOutput *> activeOutput{nullptr};
}

SdlMusicOutput::SdlMusicOutput(SdlAudio &audio)
    : m_audio(audio)
    , m_silent(!audio.midiAvailable())
{
    if (!audio.available())
        return;
    [[maybe_unused]] SdlMusicOutput *previous = activeOutput.exchange(this);
    Q_ASSERT(!previous);
    Mix_HookMusicFinished(&SdlMusicOutput::musicFinished);
}

SdlMusicOutput::~SdlMusicOutput()
{
    if (!m_audio.available())
        return;
    // Unhooking takes the mixer's lock, so no hook call is running afterwards.
    Mix_HookMusicFinished(nullptr);
    activeOutput = nullptr;
    Mix_HaltMusic();
}

bool SdlMusicOutput::open(const QString &path, QString *error)
{
    close();
    if (m_silent || !m_audio.prepareMidi()) {
        // Without a synthesiser the music stays silent rather than troubling
        // the player with an error for every track.
        m_silent = true;
        m_isOpen = true;
        return true;
    }
    m_music.reset(Mix_LoadMUS(QFile::encodeName(path).constData()));
    if (!m_music) {
        if (error)
            *error = QString::fromUtf8(Mix_GetError());
        return false;
    }
    m_isOpen = true;
    return true;
}

void SdlMusicOutput::play()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Superseded);
    const int serial = ++m_lastSerial;
    m_currentSerial = serial;
    if (m_silent) {
        post(serial, Ending::Failure);
        return;
    }
    m_soundingSerial = serial;
    if (Mix_PlayMusic(m_music.get(), 0) != 0) {
        m_soundingSerial = 0;
        post(serial, Ending::Failure);
    }
}

void SdlMusicOutput::close()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Aborted);
    // An end that the hook has already reported no longer counts as played out.
    m_currentSerial = 0;
    m_music.reset();
    m_isOpen = false;
}

// Called on SDL's audio thread, or inside Mix_HaltMusic on ours.
void SdlMusicOutput::musicFinished()
{
    SdlMusicOutput *self = activeOutput.load();
    if (!self)
        return;
    if (const int serial = self->m_soundingSerial.exchange(0))
        self->post(serial, Ending::Successful);
}

void SdlMusicOutput::endPlaying(Ending ending)
{
    const int serial = m_soundingSerial.exchange(0);
    if (serial == 0)
        return; // nothing sounds: the hook has reported the end already
    Mix_HaltMusic();
    post(serial, ending);
}

// The notification always arrives later through the event loop, never inside
// open(), play() or close(): the game's handler closes and reopens the player.
void SdlMusicOutput::post(int serial, Ending ending)
{
    QMetaObject::invokeMethod(&m_mainThread, [this, serial, ending] { deliver(serial, ending); }, Qt::QueuedConnection);
}

void SdlMusicOutput::deliver(int serial, Ending ending)
{
    if (ending == Ending::Successful && serial != m_currentSerial)
        ending = m_currentSerial == 0 ? Ending::Aborted : Ending::Superseded;
    if (serial == m_currentSerial)
        m_currentSerial = 0;
    if (onEnded)
        onEnded(ending);
}

} // namespace zand
