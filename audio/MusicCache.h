// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <sys/types.h>

namespace zand {

// Keeps every song synthesised once, as a wave file in the user's cache
// directory named by a hash of the song's and the soundfonts' contents: a
// song is synthesised once and played as cheaply as a wave file ever after.
// The work runs on a thread of its own, one song at a time, each in a
// short-lived renderer process, so neither the game's thread nor the audio
// thread waits for it and the soundfont's samples never stay in memory.
class MusicCache
{
public:
    struct Track {
        QString wave;  // the synthesised song; empty when it cannot be played
        QString error; // why it cannot, in a few words after the file's name
        int peak = 32767; // its loudest sample, for the headroom effects need over it
    };

    MusicCache(const QString &renderer, const QStringList &soundFonts);
    // Waits for the worker, which stop() has found ended.
    ~MusicCache();
    MusicCache(const MusicCache &) = delete;
    MusicCache &operator=(const MusicCache &) = delete;

    // Gets these songs ready in the background, in this order.
    void prepare(const QStringList &midiPaths);
    // The track of a song whose file is unchanged since it was made ready;
    // nothing while it is still being made ready, which then comes first.
    std::optional<Track> find(const QString &midiPath);
    // Called on the main thread whenever a song is ready.
    std::function<void(const QString &midiPath)> onReady;

    // Ends the work: the renderer at work is stopped. False when the worker
    // has not ended within `patience`: it waits on a file that does not
    // answer (a stalled network mount), and the cache must then be left to
    // it, never destroyed, for the game to end.
    bool stop(std::chrono::milliseconds patience = std::chrono::milliseconds(1500));

    // The soundfonts the songs are synthesised with, in SDL_SOUNDFONTS' order
    // when it names any, else the General MIDI soundfont of Debian. Empty,
    // with the reason on standard error, when none is usable or the renderer
    // is missing: the music is off then.
    static QStringList usableSoundFonts(const QString &renderer);

    // $XDG_CACHE_HOME/zandslots, else ~/.cache/zandslots.
    static QString directory();

private:
    struct Identity {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Identity &) const = default;
    };
    struct Entry {
        Identity identity;
        std::optional<Track> track; // nothing while it is being made ready
    };

    static Identity identityOf(const QString &path);
    void ask(const QString &midiPath, bool first);
    void work();
    Track make(const QString &midiPath);
    QByteArray soundFontsHash();
    Track render(const QString &midiPath, const QString &wave);
    void trim();

    const QString m_renderer;
    const QStringList m_soundFonts;
    const QString m_directory;
    QHash<QString, Entry> m_entries; // main thread only
    QByteArray m_soundFontsHash;     // worker only

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_stopped;
    std::deque<QString> m_queue;
    bool m_stopping = false;
    bool m_workerDone = false;
    pid_t m_rendering = 0; // the renderer process at work, 0 when none

    QObject m_mainThread; // receives the finished songs
    std::thread m_worker;
};

} // namespace zand
