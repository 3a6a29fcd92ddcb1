// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MusicCache.h"
#include "SoundOutput.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace zand {

// What the music outputs share: each song is synthesised once, in the
// background, into a wave file in the user's cache directory, and a back end
// streams that file to the device or the sound server. This part keeps the
// open song and the serial numbers of the plays: each play() ends with
// exactly one notification, through the event loop and never inside open(),
// play() or close(), because the game's handler closes and reopens the
// player. Whoever takes a serial first reports its end: the back end when
// the song runs out (Successful) or cannot sound (Failure), close() and
// play() when they stop it (Aborted, Superseded).
//
// Without a soundfont or the renderer, open() succeeds and every play ends
// at once with Failure: the music stays silent rather than troubling the
// player with an error for every track.
class CachedMusicOutput : public MusicOutput
{
public:
    ~CachedMusicOutput() override;
    CachedMusicOutput(const CachedMusicOutput &) = delete;
    CachedMusicOutput &operator=(const CachedMusicOutput &) = delete;

    void prepare(const QStringList &paths) final;
    bool open(const QString &path, QString *error) final;
    void play() final;
    void close() final;

protected:
    // `midi`: a soundfont and the renderer were found.
    CachedMusicOutput(bool midi, const QString &renderer, const QStringList &soundFonts);

    // Starts the synthesised song sounding as play `serial`; false, with the
    // reason in a few words, when it cannot.
    virtual bool sound(int serial, const MusicCache::Track &track, QString *why) = 0;
    // Stops what sounds; the serial it sounded, or 0 when its end has been
    // reported already.
    virtual int silence() = 0;
    // After an end has reached the game, which may have started the next song.
    virtual void ended() {}

    // From any thread: play `serial` ended.
    void post(int serial, Ending ending);

private:
    void prepared(const QString &path);
    void start(int serial);
    void fail(int serial, const QString &why);
    void endPlaying(Ending ending);
    void deliver(int serial, Ending ending);

    std::unique_ptr<MusicCache> m_cache; // null when the music is silent
    QString m_path;                      // the open song, empty when none
    bool m_isOpen = false;
    int m_lastSerial = 0;
    int m_currentSerial = 0; // the play the game still waits for
    int m_waitingSerial = 0; // a play waiting for its song to be synthesised
    QStringList m_reported;  // songs already reported as unplayable
    QObject m_mainThread;    // receives the end notifications
};

} // namespace zand
