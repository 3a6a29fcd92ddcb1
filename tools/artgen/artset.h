// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace artgen {

// One picture of the game and the file it is written to; the extension
// decides the format (.jpg or .png).
struct Picture
{
    QString fileName;
    QImage image;
};

// Every built-in picture of the game, drawn afresh.
std::vector<Picture> allPictures();

// Writes the pictures into dir (which must exist). JPEG quality is fixed so
// the output is the same byte for byte on every run.
bool writePictures(const std::vector<Picture> &pictures, const QString &dir, QString *error);

constexpr int JpegQuality = 92;

} // namespace artgen
