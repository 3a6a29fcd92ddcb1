#include "MusicCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
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
    {
        const std::lock_guard guard(m_lock);
        m_stopping = true;
        if (m_rendering != 0)
            kill(m_rendering, SIGTERM);
    }
    m_wake.notify_one();
    m_worker.join();
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
        if (m_stopping)
            return;
        const QString path = m_queue.front();
        m_queue.pop_front();
        guard.unlock();
        const Identity identity = identityOf(path);
        const Track track = make(path);
        QMetaObject::invokeMethod(
            &m_mainThread,
            [this, path, identity, track] {
                m_entries.insert(path, {identity, track});
                if (onReady)
                    onReady(path);
            },
            Qt::QueuedConnection);
        guard.lock();
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
    if (kept.exists()) {
        // Used again: the last to be cleared away.
        kept.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
        return {wave, QString()};
    }
    if (!QDir().mkpath(m_directory))
        return {QString(), QStringLiteral("cannot be stored: %1 cannot be made").arg(m_directory)};
    const Track track = render(midiPath, wave);
    if (!track.wave.isEmpty())
        trim();
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
