#include "SdlAudio.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zand {

namespace {

quint32 littleEndian(const unsigned char *bytes, int count)
{
    quint32 value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

bool readAt(int fd, qint64 at, unsigned char *into, qint64 bytes)
{
    return pread(fd, into, std::size_t(bytes), off_t(at)) == bytes;
}

} // namespace

std::unique_ptr<MusicStream> MusicStream::open(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    const qint64 size = lseek(fd, 0, SEEK_END);
    unsigned char head[12];
    bool format = false;
    if (size > 12 && readAt(fd, 0, head, 12) && std::memcmp(head, "RIFF", 4) == 0
        && std::memcmp(head + 8, "WAVE", 4) == 0) {
        // Walk the chunks: the format must be the device's own, then the samples.
        for (qint64 at = 12; at + 8 <= size;) {
            unsigned char chunk[24];
            if (!readAt(fd, at, chunk, 8))
                break;
            const qint64 length = littleEndian(chunk + 4, 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0) {
                format = length >= 16 && readAt(fd, at + 8, chunk + 8, 16)
                    && littleEndian(chunk + 8, 2) == 1 && littleEndian(chunk + 10, 2) == 2
                    && littleEndian(chunk + 12, 4) == SdlAudio::SampleRate
                    && littleEndian(chunk + 22, 2) == 16;
            } else if (std::memcmp(chunk, "data", 4) == 0 && format) {
                const qint64 begin = at + 8;
                const qint64 end = std::min(size, begin + length);
                // The song is read on the audio thread: have it read ahead.
                posix_fadvise(fd, begin, 0, POSIX_FADV_SEQUENTIAL);
                return std::unique_ptr<MusicStream>(new MusicStream(fd, begin, end - (end - begin) % SdlAudio::FrameBytes));
            }
            at += 8 + length + (length & 1);
        }
    }
    ::close(fd);
    return nullptr;
}

MusicStream::MusicStream(int fd, qint64 begin, qint64 end)
    : m_fd(fd)
    , m_at(begin)
    , m_end(end)
{
}

MusicStream::~MusicStream()
{
    ::close(m_fd);
}

qint64 MusicStream::read(unsigned char *into, qint64 bytes)
{
    qint64 done = 0;
    while (done < bytes && m_at < m_end) {
        const ssize_t got = pread(m_fd, into + done, std::size_t(std::min(bytes - done, m_end - m_at)), off_t(m_at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            m_end = m_at; // a file that fails to read ends the song
            break;
        }
        done += got;
        m_at += got;
    }
    return done;
}

} // namespace zand
