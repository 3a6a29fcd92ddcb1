// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicCache.h"
#include "WaveFile.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QRegularExpression>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/RegularFile.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

extern char **environ;

namespace zand {

namespace {

// Part of every song's name in the cache: a change in how songs are
// synthesised makes every song anew.
const char *const RenderVersion = "zandsynth 1: 44100 Hz s16 stereo, gain 1.2, FluidSynth reverb and chorus";
// Songs of the last few themes played; the oldest go first.
constexpr int KeptSongs = 12;

QByteArray hashOfFile(const QString &path)
{
    // A song or soundfont may have been replaced by a pipe: never wait on one.
    if (!isReadableRegularFile(path, nullptr))
        return {};
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

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

// The loudest sample of a whole song, read a block at a time.
int songPeak(const QString &wave)
{
    QFile file(wave);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(44))
        return 32767;
    int peak = 0;
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (qint64 got; (got = file.read(block.data(), block.size())) > 0;)
        peak = std::max(peak, peakOf(reinterpret_cast<const qint16 *>(block.constData()), std::size_t(got) / 2));
    return peak;
}

quint32 littleEndian(const QByteArray &bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// Whether a kept song is whole as the renderer wrote it: its header, 44.1 kHz
// 16-bit stereo, counts exactly the bytes the file holds. A song cut short
// by a full disk or overwritten by something else is made again.
bool isWholeSong(const QString &wave)
{
    if (!isReadableRegularFile(wave, nullptr))
        return false;
    QFile file(wave);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const QByteArray header = file.read(44);
    return header.size() == 44 && header.startsWith("RIFF") && header.mid(8, 8) == "WAVEfmt "
        && header.mid(36, 4) == "data" && littleEndian(header, 4, 4) == size - 8
        && littleEndian(header, 16, 4) == 16 && littleEndian(header, 20, 2) == 1 // PCM
        && littleEndian(header, 22, 2) == 2 && littleEndian(header, 24, 4) == 44100
        && littleEndian(header, 32, 2) == 4 && littleEndian(header, 34, 2) == 16
        && littleEndian(header, 40, 4) == size - 44 && size > 44;
}

// What the renderer said on standard error, read until it ends.
QString readAll(int fd)
{
    QByteArray text;
    char buffer[512];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        text.append(buffer, got);
    }
    return QString::fromLocal8Bit(text).trimmed().section(QLatin1Char('\n'), -1);
}

} // namespace

MusicCache::MusicCache(const QString &renderer, const QStringList &soundFonts)
    : m_renderer(renderer)
    , m_soundFonts(soundFonts)
    , m_directory(directory())
    , m_worker(&MusicCache::work, this)
{
}

MusicCache::~MusicCache()
{
    stop();
    m_worker.join();
}

bool MusicCache::stop(std::chrono::milliseconds patience)
{
    std::unique_lock guard(m_lock);
    m_stopping = true;
    if (m_rendering != 0)
        kill(m_rendering, SIGTERM);
    m_wake.notify_one();
    return m_stopped.wait_for(guard, patience, [this] { return m_workerDone; });
}

QStringList MusicCache::usableSoundFonts(const QString &renderer)
{
    const QStringList fonts = findSoundFonts();
    if (fonts.isEmpty()) {
        qWarning().noquote() << QStringLiteral("Music is off: no General MIDI soundfont found "
                                               "(install fluid-soundfont-gm or set SDL_SOUNDFONTS).");
        return {};
    }
    if (!QFileInfo(renderer).isExecutable()) {
        qWarning().noquote() << QStringLiteral("Music is off: the music renderer %1 is missing.").arg(renderer);
        return {};
    }
    return fonts;
}

QString MusicCache::directory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/zandslots");
}

MusicCache::Identity MusicCache::identityOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

void MusicCache::prepare(const QStringList &midiPaths)
{
    for (const QString &path : midiPaths) {
        if (!m_entries.contains(path) && QFileInfo::exists(path))
            ask(path, false);
    }
}

std::optional<MusicCache::Track> MusicCache::find(const QString &midiPath)
{
    const auto entry = m_entries.constFind(midiPath);
    if (entry != m_entries.constEnd() && entry->identity == identityOf(midiPath)) {
        // A song made ready stays so while its wave file is there.
        if (!entry->track || entry->track->wave.isEmpty() || QFileInfo::exists(entry->track->wave))
            return entry->track;
    }
    ask(midiPath, true);
    return std::nullopt;
}

void MusicCache::ask(const QString &midiPath, bool first)
{
    m_entries.insert(midiPath, {identityOf(midiPath), std::nullopt});
    {
        const std::lock_guard guard(m_lock);
        m_queue.erase(std::remove(m_queue.begin(), m_queue.end(), midiPath), m_queue.end());
        if (first)
            m_queue.push_front(midiPath);
        else
            m_queue.push_back(midiPath);
    }
    m_wake.notify_one();
}

void MusicCache::work()
{
    std::unique_lock guard(m_lock);
    for (;;) {
        m_wake.wait(guard, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping) {
            m_workerDone = true;
            m_stopped.notify_all();
            return;
        }
        const QString path = m_queue.front();
        m_queue.pop_front();
        guard.unlock();
        const Identity identity = identityOf(path);
        const Track track = make(path);
        guard.lock();
        // Once stopping, the cache may be gone or abandoned: nothing is posted.
        if (m_stopping)
            continue;
        QMetaObject::invokeMethod(
            &m_mainThread,
            [this, path, identity, track] {
                m_entries.insert(path, {identity, track});
                if (onReady)
                    onReady(path);
            },
            Qt::QueuedConnection);
    }
}

MusicCache::Track MusicCache::make(const QString &midiPath)
{
    const QByteArray song = hashOfFile(midiPath);
    if (song.isEmpty())
        return {QString(), QStringLiteral("cannot be read")};
    const QByteArray fonts = soundFontsHash();
    if (fonts.isEmpty())
        return {QString(), QStringLiteral("cannot be played: the soundfont cannot be read")};
    const QByteArray key = QCryptographicHash::hash(RenderVersion + fonts + song, QCryptographicHash::Sha1).toHex();
    const QString wave = m_directory + QLatin1Char('/') + QString::fromLatin1(key) + QStringLiteral(".wav");
    QFile kept(wave);
    if (isWholeSong(wave)) {
        // Used again: the last to be cleared away.
        kept.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
        return {wave, QString(), songPeak(wave)};
    }
    // Whatever is there in its place goes; the renderer writes it anew.
    if (QFileInfo(wave).isSymLink() || QFileInfo(wave).isFile())
        kept.remove();
    if (!QDir().mkpath(m_directory))
        return {QString(), QStringLiteral("cannot be stored: %1 cannot be made").arg(m_directory)};
    Track track = render(midiPath, wave);
    if (!track.wave.isEmpty()) {
        track.peak = songPeak(wave);
        trim();
    }
    return track;
}

// The contents of a soundfont are hashed once for each version of its file;
// the hash is kept beside the songs.
QByteArray MusicCache::soundFontsHash()
{
    if (!m_soundFontsHash.isEmpty())
        return m_soundFontsHash;
    QByteArray hashes;
    for (const QString &font : m_soundFonts) {
        const QFileInfo info(font);
        const QByteArray identity = QCryptographicHash::hash(
            (info.canonicalFilePath() + QString::number(info.size())
             + QString::number(info.lastModified().toMSecsSinceEpoch())).toUtf8(),
            QCryptographicHash::Sha1).toHex();
        QFile memo(m_directory + QStringLiteral("/soundfont-") + QString::fromLatin1(identity));
        QByteArray hash;
        if (memo.open(QIODevice::ReadOnly))
            hash = memo.readAll().trimmed();
        if (hash.size() != 40) {
            hash = hashOfFile(font);
            if (hash.isEmpty())
                return {};
            if (QDir().mkpath(m_directory) && memo.open(QIODevice::WriteOnly | QIODevice::Truncate))
                memo.write(hash + '\n');
        }
        hashes += hash;
    }
    m_soundFontsHash = hashes;
    return hashes;
}

MusicCache::Track MusicCache::render(const QString &midiPath, const QString &wave)
{
    std::vector<QByteArray> arguments{QFile::encodeName(m_renderer), QFile::encodeName(midiPath), QFile::encodeName(wave)};
    for (const QString &font : m_soundFonts)
        arguments.push_back(QFile::encodeName(font));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int errors[2];
    if (pipe2(errors, O_CLOEXEC) != 0)
        return {QString(), QStringLiteral("cannot be synthesised: no pipe to the renderer")};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    pid_t child = 0;
    int spawned = 0;
    {
        const std::lock_guard guard(m_lock);
        spawned = m_stopping ? ECANCELED : posix_spawn(&child, argv.front(), &actions, nullptr, argv.data(), environ);
        if (spawned == 0)
            m_rendering = child;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    if (spawned != 0) {
        close(errors[0]);
        return {QString(), QStringLiteral("cannot be synthesised: %1 does not start").arg(m_renderer)};
    }
    const QString said = readAll(errors[0]);
    close(errors[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    {
        const std::lock_guard guard(m_lock);
        m_rendering = 0;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && QFileInfo::exists(wave))
        return {wave, QString()};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 1 && !said.isEmpty())
        return {QString(), said};
    return {QString(), QStringLiteral("cannot be synthesised: the renderer stopped (%1)")
                           .arg(said.isEmpty() ? QStringLiteral("status %1").arg(status) : said)};
}

// Keeps the songs of the last few themes and removes what renderers left
// behind when they were stopped.
void MusicCache::trim()
{
    QDir dir(m_directory);
    const QFileInfoList songs = dir.entryInfoList({QStringLiteral("*.wav")}, QDir::Files, QDir::Time);
    for (qsizetype i = KeptSongs; i < songs.size(); ++i)
        QFile::remove(songs[i].filePath());
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-3600);
    for (const QFileInfo &part : dir.entryInfoList({QStringLiteral("*.part")}, QDir::Files)) {
        if (part.lastModified() < stale)
            QFile::remove(part.filePath());
    }
}

} // namespace zand
