// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CachedMusicOutput.h"

#include "game/RegularFile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

#include <utility>
#include <vector>

namespace zand {

namespace {

// A cache whose worker is stuck on a file that does not answer is left to it
// until the process ends: destroying it would wait for the worker.
void abandon(std::unique_ptr<MusicCache> cache)
{
    static auto *const abandoned = new std::vector<std::unique_ptr<MusicCache>>;
    abandoned->push_back(std::move(cache));
}

} // namespace

CachedMusicOutput::CachedMusicOutput(bool midi, const QString &renderer, const QStringList &soundFonts)
{
    if (!midi)
        return;
    m_cache = std::make_unique<MusicCache>(renderer, soundFonts);
    m_cache->onReady = [this](const QString &path) { prepared(path); };
}

CachedMusicOutput::~CachedMusicOutput()
{
    if (!m_cache)
        return;
    m_cache->onReady = nullptr;
    // The game ends without waiting for a worker that is stuck.
    if (!m_cache->stop())
        abandon(std::move(m_cache));
}

void CachedMusicOutput::prepare(const QStringList &paths)
{
    if (m_cache)
        m_cache->prepare(paths);
}

bool CachedMusicOutput::open(const QString &path, QString *error)
{
    close();
    if (m_cache) {
        // A pipe or a device in a song's place is refused, not waited for.
        QString why;
        if (!isReadableRegularFile(path, &why)) {
            if (error)
                *error = QCoreApplication::translate("zand::MusicOutput", "Cannot open the music file %1: %2").arg(path, why);
            return false;
        }
        // Asked for now, the song is most likely ready when it is played.
        m_cache->find(path);
    }
    m_path = path;
    m_isOpen = true;
    return true;
}

void CachedMusicOutput::play()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Superseded);
    const int serial = ++m_lastSerial;
    m_currentSerial = serial;
    if (!m_cache) {
        post(serial, Ending::Failure);
        return;
    }
    start(serial);
}

void CachedMusicOutput::close()
{
    if (!m_isOpen)
        return;
    endPlaying(Ending::Aborted);
    // An end that is already on its way no longer counts as played out.
    m_currentSerial = 0;
    m_path.clear();
    m_isOpen = false;
}

void CachedMusicOutput::start(int serial)
{
    const std::optional<MusicCache::Track> track = m_cache->find(m_path);
    if (!track) {
        m_waitingSerial = serial; // started once the song is ready
        return;
    }
    QString why = track->error;
    if (track->wave.isEmpty() || !sound(serial, *track, &why))
        fail(serial, why);
}

// A song that cannot be played is named once on standard error.
void CachedMusicOutput::fail(int serial, const QString &why)
{
    if (!m_reported.contains(m_path)) {
        m_reported.append(m_path);
        qWarning().noquote() << QStringLiteral("Music: %1 %2; it is left out.").arg(QFileInfo(m_path).fileName(), why);
    }
    post(serial, Ending::Failure);
}

void CachedMusicOutput::prepared(const QString &path)
{
    if (m_waitingSerial != 0 && path == m_path)
        start(std::exchange(m_waitingSerial, 0));
}

void CachedMusicOutput::endPlaying(Ending ending)
{
    if (m_waitingSerial != 0) {
        post(std::exchange(m_waitingSerial, 0), ending);
        return;
    }
    if (const int serial = silence())
        post(serial, ending);
}

void CachedMusicOutput::post(int serial, Ending ending)
{
    QMetaObject::invokeMethod(&m_mainThread, [this, serial, ending] { deliver(serial, ending); }, Qt::QueuedConnection);
}

void CachedMusicOutput::deliver(int serial, Ending ending)
{
    // A play that was stopped meanwhile ended by being stopped.
    if ((ending == Ending::Successful || ending == Ending::Failure) && serial != m_currentSerial)
        ending = m_currentSerial == 0 ? Ending::Aborted : Ending::Superseded;
    if (serial == m_currentSerial)
        m_currentSerial = 0;
    if (onEnded)
        onEnded(ending);
    ended();
}

} // namespace zand
