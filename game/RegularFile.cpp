#include "game/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

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

} // namespace

FileContents readRegularFile(const QString &path)
{
    // Without O_NONBLOCK, opening a pipe waits until someone writes to it.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        return unreadable(systemError(errno));
    }
    struct stat status{};
    if (::fstat(file.get(), &status) != 0)
        return unreadable(systemError(errno));
    if (!S_ISREG(status.st_mode))
        return unreadable(QStringLiteral("not a regular file"));

    FileContents contents;
    contents.state = FileContents::State::Read;
    // The size is a first guess: the file may still grow while it is read.
    contents.bytes.resize(qMax<qsizetype>(status.st_size, 0) + 1);
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

} // namespace zand
