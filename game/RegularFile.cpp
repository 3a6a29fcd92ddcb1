// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zand {

namespace {

// Closes the descriptor when the reading ends, however it ends.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

FileContents unreadable(const QString &why)
{
    FileContents contents;
    contents.state = FileContents::State::Unreadable;
    contents.error = why;
    return contents;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Opens a file for reading if it is a regular one; the size through `size`.
int openRegularFile(const QString &path, FileContents &failure, qint64 &size)
{
    // Without O_NONBLOCK, opening a pipe waits until someone writes to it.
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            failure = unreadable(systemError(errno));
        return -1;
    }
    struct stat status{};
    if (::fstat(file.get(), &status) != 0) {
        failure = unreadable(systemError(errno));
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        failure = unreadable(QStringLiteral("not a regular file"));
        return -1;
    }
    size = status.st_size;
    return file.release();
}

} // namespace

bool isReadableRegularFile(const QString &path, QString *error)
{
    FileContents failure;
    qint64 size = 0;
    const Descriptor file(openRegularFile(path, failure, size));
    if (file.get() >= 0)
        return true;
    if (error)
        *error = failure.state == FileContents::State::Missing ? systemError(ENOENT) : failure.error;
    return false;
}

FileContents readRegularFile(const QString &path, qint64 maxBytes)
{
    FileContents failure;
    qint64 size = 0;
    const Descriptor file(openRegularFile(path, failure, size));
    if (file.get() < 0)
        return failure;
    const auto tooLarge = [maxBytes](qint64 bytes) { return maxBytes >= 0 && bytes > maxBytes; };
    const auto refuseSize = [] {
        FileContents contents = unreadable(QStringLiteral("the file is too large"));
        contents.tooLarge = true;
        return contents;
    };
    if (tooLarge(size))
        return refuseSize();

    FileContents contents;
    contents.state = FileContents::State::Read;
    // The size is a first guess: the file may still grow while it is read.
    contents.bytes.resize(qMax<qsizetype>(size, 0) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == contents.bytes.size())
            contents.bytes.resize(filled * 2);
        const ssize_t got = ::read(file.get(), contents.bytes.data() + filled, size_t(contents.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(systemError(errno));
        if (got == 0)
            break;
        filled += got;
        if (tooLarge(filled))
            return refuseSize();
    }
    contents.bytes.truncate(filled);
    return contents;
}

void syncDirectoryOf(const QString &path)
{
    const QString directory = QFileInfo(path).absolutePath();
    const Descriptor dir(::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

void reportFailedWritesAsErrors()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace zand
