// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegwriter.h"

#include <QFile>

#include "platform/JpegError.h"

#include <memory>

namespace artgen {

namespace {

struct FileCloser
{
    void operator()(std::FILE *f) const { std::fclose(f); }
};

} // namespace

bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    if (!file) {
        *error = QStringLiteral("cannot open %1 for writing").arg(path);
        return false;
    }

    jpeg_compress_struct info{};
    zand::JpegError jpegError;
    info.err = jpegError.install();
    if (setjmp(jpegError.jump)) {
        jpeg_destroy_compress(&info);
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLatin1(jpegError.message));
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fflush(file.get()) != 0) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace artgen
