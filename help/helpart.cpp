// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// zand_helpart: cuts the manual's pictures from the game's built-in art.
//
//   zand_helpart ART_DIR SCREENSHOT OUT_DIR
//
// Writes the symbols, the button faces, the badge, the nudge light, the
// logo, the vault and the safes, and the machine from a screenshot, as PNG
// files into OUT_DIR, so the manual shows what the player sees.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdio>

namespace {

constexpr int Cell = 76; // a symbol cell of the design-size sheet

class Cutter
{
public:
    Cutter(const QString &artDir, const QString &outDir) : m_art(artDir), m_out(outDir) {}

    QImage load(const QString &path)
    {
        QImage image(path);
        if (image.isNull())
            fail(QStringLiteral("cannot read %1").arg(path));
        return image;
    }
    QImage art(const QString &name) { return load(m_art.filePath(name)); }

    void save(const QImage &image, const QString &name)
    {
        const QString path = m_out.filePath(name);
        if (!image.save(path, "PNG"))
            fail(QStringLiteral("cannot write %1").arg(path));
    }

    bool ok() const { return m_ok; }

private:
    void fail(const QString &message)
    {
        std::fprintf(stderr, "zand_helpart: %s\n", qPrintable(message));
        m_ok = false;
    }

    QDir m_art;
    QDir m_out;
    bool m_ok = true;
};

// The lit face of a two-face picture: the lower half.
QImage litFace(const QImage &faces)
{
    return faces.copy(0, faces.height() / 2, faces.width(), faces.height() / 2);
}

// The logo with its corners see-through, where the mask is white.
QImage maskedLogo(const QImage &logo, const QImage &mask)
{
    QImage out = logo.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height() && y < mask.height(); ++y)
        for (int x = 0; x < out.width() && x < mask.width(); ++x)
            if (qGray(mask.pixel(x, y)) > 127)
                out.setPixel(x, y, qRgba(0, 0, 0, 0));
    return out;
}

// The three frames of the safe strip side by side: closed, ajar, open.
QImage safesInARow(const QImage &strip)
{
    const int side = strip.width();
    QImage out(3 * side + 2 * 8, side, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int frame = 0; frame < 3; ++frame)
        p.drawImage(frame * (side + 8), 0, strip.copy(0, frame * side, side, side));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zand_helpart ART_DIR SCREENSHOT OUT_DIR\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[3]));
    Cutter cut(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[3]));

    const QImage sheet = cut.art(QStringLiteral("symbols.jpg"));
    if (!sheet.isNull()) {
        // Symbols 0-8 and the first Wild frame, symbol 9: column s mod 4, row s div 4.
        for (int s = 0; s <= 9; ++s)
            cut.save(sheet.copy((s % 4) * Cell, (s / 4) * Cell, Cell, Cell),
                     QStringLiteral("symbol%1.png").arg(s));
    }
    const struct { const char *art, *out; } buttons[] = {
        {"spinbut.jpg", "spin.png"}, {"bet1but.jpg", "bet1.png"},
        {"bet5but.jpg", "betmax.png"}, {"nudgelight.jpg", "nudge.png"}};
    for (const auto &b : buttons) {
        const QImage faces = cut.art(QLatin1String(b.art));
        if (!faces.isNull())
            cut.save(litFace(faces), QLatin1String(b.out));
    }
    const QImage machine = cut.art(QStringLiteral("machine.jpg"));
    if (!machine.isNull())
        cut.save(machine.copy(560, 99, 84, 85), QStringLiteral("badge.png"));
    const QImage logo = cut.art(QStringLiteral("logo.png"));
    const QImage logoMask = cut.art(QStringLiteral("logomask.png"));
    if (!logo.isNull() && !logoMask.isNull())
        cut.save(maskedLogo(logo, logoMask), QStringLiteral("logo.png"));
    const QImage vault = cut.art(QStringLiteral("bonus.jpg"));
    if (!vault.isNull())
        cut.save(vault.scaledToWidth(400, Qt::SmoothTransformation), QStringLiteral("vault.png"));
    const QImage lever = cut.art(QStringLiteral("lever.jpg"));
    if (!lever.isNull())
        cut.save(lever.scaledToWidth(252, Qt::SmoothTransformation), QStringLiteral("lever.png"));
    const QImage safes = cut.art(QStringLiteral("safes.jpg"));
    if (!safes.isNull())
        cut.save(safesInARow(safes), QStringLiteral("safes.png"));

    // The whole machine, and its reel bay with the payline arrows, from the
    // screenshot at 1024 x 768 (the menu bar above the machine included).
    const QImage shot = cut.load(QString::fromLocal8Bit(argv[2]));
    if (!shot.isNull()) {
        cut.save(shot.scaledToWidth(640, Qt::SmoothTransformation), QStringLiteral("machine.png"));
        const QRect reelBay(296, 326, 434, 348);
        cut.save(shot.copy(reelBay).scaledToWidth(360, Qt::SmoothTransformation),
                 QStringLiteral("reels.png"));
    }
    return cut.ok() ? 0 : 1;
}
