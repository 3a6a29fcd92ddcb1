// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManualPage.h"

#include "game/RegularFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace zand {

namespace {

// Far beyond the manual and its pictures, far below what could hurt.
constexpr qint64 MaxPageBytes = 4 << 20;
constexpr qint64 MaxPictureBytes = 16 << 20;
constexpr int MaxPictureSide = 4096;

QImage picture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {};
    return reader.read();
}

} // namespace

void ManualPage::setFolder(const QString &manualPath)
{
    const QString folder = QFileInfo(manualPath).canonicalPath();
    m_folder = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
}

bool ManualPage::mayRead(const QUrl &url) const
{
    if (m_folder.isEmpty() || !url.isLocalFile())
        return false;
    // Links followed to the end: a link inside the folder to a file outside
    // it is outside.
    const QString file = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return file.startsWith(m_folder);
}

// Whatever is refused comes back as an empty resource, never as nothing:
// given nothing, the document would open the file itself.
QVariant ManualPage::loadResource(int type, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const bool isPicture = type == QTextDocument::ImageResource;
    FileContents contents;
    if (mayRead(url))
        contents = readRegularFile(url.toLocalFile(), isPicture ? MaxPictureBytes : MaxPageBytes);
    if (isPicture) {
        const QImage image = contents.state == FileContents::State::Read ? picture(contents.bytes) : QImage();
        // A refused picture is an empty one, so the page does not ask again.
        if (!image.isNull())
            return image;
        QImage nothing(1, 1, QImage::Format_ARGB32_Premultiplied);
        nothing.fill(Qt::transparent);
        return nothing;
    }
    if (contents.state == FileContents::State::Read)
        return contents.bytes;
    return QByteArray("<p>This page of the manual cannot be shown.</p>");
}

} // namespace zand
