// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Jpeg.h"

#include "platform/JpegError.h"

#include "game/RegularFile.h"


#include <jerror.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>

namespace zand {

namespace {

std::atomic<qsizetype> bytesInUse{0};

// The pixels of one decoded picture, counted against the budget until the
// last image sharing them lets go.
struct Pixels
{
    explicit Pixels(qsizetype size)
        : size(size)
        , data(new (std::nothrow) uchar[size])
    {
    }
    ~Pixels() { bytesInUse -= size; }
    Pixels(const Pixels &) = delete;
    Pixels &operator=(const Pixels &) = delete;

    qsizetype size;
    std::unique_ptr<uchar[]> data;
};

void releasePixels(void *pixels)
{
    delete static_cast<Pixels *>(pixels);
}

// Takes `size` bytes of the budget, or nothing when they do not fit.
std::unique_ptr<Pixels> claimPixels(qsizetype size)
{
    qsizetype held = bytesInUse.load();
    do {
        if (size > Jpeg::MemoryBudget - held)
            return nullptr;
    } while (!bytesInUse.compare_exchange_weak(held, held + size));
    auto pixels = std::make_unique<Pixels>(size);
    if (!pixels->data)
        return nullptr;
    return pixels;
}

struct Decoded
{
    std::unique_ptr<Pixels> pixels;
    int width = 0;
    int height = 0;
    QString refusal; // set when the picture is refused for its size, not broken
};

// Qt's RGB32 in memory order; libjpeg-turbo sets the fourth byte to 0xFF.
constexpr J_COLOR_SPACE QtRgb32 = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Everything that lives on across a jump out of libjpeg belongs to the
// caller: a longjmp must skip no destructor, and locals changed after setjmp
// are not to be trusted once it returns again.
bool runDecoder(jpeg_decompress_struct &info, JpegError &error, const QByteArray &data, Decoded &out)
{
    if (setjmp(error.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > Jpeg::MaxSide
        || info.image_height > Jpeg::MaxSide) {
        out.refusal = QStringLiteral("picture size %1 x %2 is not supported")
                          .arg(info.image_width)
                          .arg(info.image_height);
        return false;
    }
    info.out_color_space = QtRgb32;
    jpeg_calc_output_dimensions(&info);
    const qsizetype bytes = qsizetype(info.output_width) * info.output_height * 4;
    out.pixels = claimPixels(bytes);
    if (!out.pixels) {
        out.refusal = QStringLiteral("a picture of %1 x %2 does not fit in the %3 MiB the pictures may take "
                                     "(%4 MiB in use)")
                          .arg(info.output_width)
                          .arg(info.output_height)
                          .arg(Jpeg::MemoryBudget >> 20)
                          .arg(Jpeg::memoryInUse() >> 20);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    // Only multi-scan (progressive) pictures keep all their coefficients,
    // half again the size of their pixels; libjpeg refuses when they do not
    // fit in what is left.
    info.mem->max_memory_to_use = std::max<qsizetype>(Jpeg::MemoryBudget - Jpeg::memoryInUse(), 0);
    jpeg_start_decompress(&info);
    const qsizetype stride = qsizetype(out.width) * 4;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.pixels->data.get() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

namespace Jpeg {

QImage decode(const QByteArray &data, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QImage();
    };
    if (data.isEmpty())
        return fail(QStringLiteral("empty file"));

    jpeg_decompress_struct info{};
    JpegError jpegError;
    info.err = jpegError.install();
    Decoded decoded;
    const bool whole = runDecoder(info, jpegError, data, decoded);
    jpeg_destroy_decompress(&info);
    if (!whole) {
        if (!decoded.refusal.isEmpty())
            return fail(decoded.refusal);
        if (jpegError.manager.msg_code == JERR_NO_BACKING_STORE)
            return fail(QStringLiteral("decoding a picture of %1 x %2 in several scans needs more than the "
                                       "%3 MiB left of the pictures' memory")
                            .arg(decoded.width)
                            .arg(decoded.height)
                            .arg((MemoryBudget - memoryInUse()) >> 20));
        return fail(QString::fromLocal8Bit(jpegError.message));
    }

    QImage image(decoded.pixels->data.get(), decoded.width, decoded.height, qsizetype(decoded.width) * 4,
                 QImage::Format_RGB32, releasePixels, decoded.pixels.get());
    if (image.isNull())
        return fail(QStringLiteral("out of memory"));
    decoded.pixels.release(); // the image's now
    return image;
}

QImage load(const QString &path, QString *error)
{
    // A compressed picture is smaller than its pixels: a file larger than
    // the whole budget is not worth reading into memory.
    const FileContents file = readRegularFile(path, MemoryBudget);
    if (file.state == FileContents::State::Read)
        return decode(file.bytes, error);
    if (error) {
        if (file.tooLarge)
            *error = QStringLiteral("the file is larger than the %1 MiB the pictures may take").arg(MemoryBudget >> 20);
        else
            *error = file.state == FileContents::State::Missing ? QStringLiteral("No such file or directory") : file.error;
    }
    return {};
}

qsizetype memoryInUse()
{
    return bytesInUse.load();
}

} // namespace Jpeg

} // namespace zand
