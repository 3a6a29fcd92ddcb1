#include "Jpeg.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace zand {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the decoder and give up on the picture.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onWarning(j_common_ptr, int) {}

} // namespace

namespace Jpeg {

QImage decode(const QByteArray &data, QString *error)
{
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty file");
        return {};
    }
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onWarning;
    // Everything that outlives a longjmp is declared before setjmp.
    QImage image;
    QByteArray row;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QString::fromLocal8Bit(manager.message);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > MaxSide
        || info.image_height > MaxSide) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QStringLiteral("picture size %1 x %2 is not supported")
                         .arg(info.image_width)
                         .arg(info.image_height);
        return {};
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    row.resize(static_cast<qsizetype>(info.output_width) * 3);
    auto *samples = reinterpret_cast<JSAMPLE *>(row.data());
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {samples};
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (unsigned x = 0; x < info.output_width; ++x)
            out[x] = qRgb(samples[x * 3], samples[x * 3 + 1], samples[x * 3 + 2]);
    }
    // A truncated file gets a warning and grey rows from libjpeg, not an
    // error; count it as broken so the built-in picture stays.
    const bool truncated = manager.base.num_warnings > 0;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (truncated) {
        if (error)
            *error = QStringLiteral("the picture data is damaged or truncated");
        return {};
    }
    return image;
}

QImage load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    return decode(file.readAll(), error);
}

} // namespace Jpeg

} // namespace zand
