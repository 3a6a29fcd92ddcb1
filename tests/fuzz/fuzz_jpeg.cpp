// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a theme picture: decoded whole and opaque within the limits,
// or refused with a reason, and every decoded byte goes back to the budget.
#include "platform/Jpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zand;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    {
        QString error;
        const QImage image =
            Jpeg::decode(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
        if (image.isNull()) {
            if (error.isEmpty())
                std::abort();
        } else {
            if (image.width() > Jpeg::MaxSide || image.height() > Jpeg::MaxSide
                || image.format() != QImage::Format_RGB32 || Jpeg::memoryInUse() > Jpeg::MemoryBudget)
                std::abort();
            // Every pixel is read: a short buffer shows here, and so does a
            // pixel that did not get its opaque alpha.
            for (int y = 0; y < image.height(); ++y) {
                const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(row[x]) != 255)
                        std::abort();
                }
            }
        }
    }
    if (Jpeg::memoryInUse() != 0)
        std::abort();
    return 0;
}
