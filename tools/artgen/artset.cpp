#include "artset.h"

#include "bonus.h"
#include "buttons.h"
#include "cabinet.h"
#include "chips.h"
#include "digits.h"
#include "glyphs.h"
#include "icons.h"
#include "jpegwriter.h"
#include "lights.h"
#include "logo.h"
#include "panels.h"
#include "paychart.h"
#include "symbols.h"

#include <QDir>

#include <array>
#include <utility>

namespace artgen {

std::vector<Picture> allPictures()
{
    const QImage machine = machinePicture(true);
    // The dark panels are cut from the same machine drawn switched off, so
    // the game can swap them in without a seam.
    const QImage dark = machinePicture(false);
    std::vector<Picture> pictures{
        {QStringLiteral("machine.jpg"), machine},
        {QStringLiteral("motion.jpg"), motionStrip()},
        {QStringLiteral("symbols.jpg"), symbolSheet()},
        {QStringLiteral("bet1but.jpg"), buttonPicture({QStringLiteral("BET 1")}, BetOneColour)},
        {QStringLiteral("bet5but.jpg"), buttonPicture({QStringLiteral("BET"), QStringLiteral("MAX")}, BetMaxColour)},
        {QStringLiteral("spinbut.jpg"), buttonPicture({QStringLiteral("SPIN")}, SpinColour)},
        {QStringLiteral("nudgelight.jpg"), nudgeLight()},
        {QStringLiteral("dimmed.jpg"), dark.copy(MarqueeRect)},
        {QStringLiteral("dimmed2.jpg"), dark.copy(TitleGlassRect)},
        {QStringLiteral("bet1bdimmed.jpg"), dark.copy(BadgeRect)},
        {QStringLiteral("logo.png"), logoPicture()},
        {QStringLiteral("logomask.png"), logoMask()},
        {QStringLiteral("red.png"), paylineLight(LineRed)},
        {QStringLiteral("blue.png"), paylineLight(LineBlue)},
        {QStringLiteral("green.png"), paylineLight(LineGreen)},
        {QStringLiteral("mask.png"), paylineMask()},
        {QStringLiteral("digitssmall.png"), digitFont(16, 21, DigitRed)},
        {QStringLiteral("greensmall.png"), digitFont(16, 21, DigitGreen)},
        {QStringLiteral("digitslarge.png"), digitFont(32, 42, DigitRed)},
        {QStringLiteral("greenlarge.png"), digitFont(32, 42, DigitGreen)},
        {QStringLiteral("bonus.jpg"), bonusPicture()},
        {QStringLiteral("safes.jpg"), safeStrip()},
        {QStringLiteral("paychart.jpg"), payChart()},
        {QStringLiteral("chip1000.png"), casinoChip(QStringLiteral("$1,000"), ChipBlue)},
        {QStringLiteral("chip100.png"), casinoChip(QStringLiteral("$100"), ChipRed)},
        {QStringLiteral("chip10.png"), casinoChip(QStringLiteral("$10"), ChipGreen)},
        {QStringLiteral("chip1.png"), casinoChip(QStringLiteral("$1"), ChipBlack)},
    };
    // Button glyphs come twice: the @2x file is what Qt picks on a
    // high-density screen.
    const std::array<std::pair<const char *, Glyph>, 3> glyphs{
        {{"ok", Glyph::Ok}, {"help", Glyph::Help}, {"cancel", Glyph::Cancel}}};
    for (const auto &[name, glyph] : glyphs) {
        const QString base = QStringLiteral("glyph_%1").arg(QLatin1String(name));
        pictures.push_back({base + QStringLiteral(".png"), dialogGlyph(glyph, GlyphSize)});
        pictures.push_back({base + QStringLiteral("@2x.png"), dialogGlyph(glyph, 2 * GlyphSize)});
    }
    for (int size : IconSizes)
        pictures.push_back({QStringLiteral("icon%1.png").arg(size), desktopIcon(size)});
    return pictures;
}

bool writePictures(const std::vector<Picture> &pictures, const QString &dir, QString *error)
{
    const QDir target(dir);
    for (const Picture &picture : pictures) {
        const QString path = target.filePath(picture.fileName);
        if (picture.fileName.endsWith(QLatin1String(".jpg"))) {
            if (!writeJpeg(picture.image, path, JpegQuality, error))
                return false;
        } else if (!picture.image.save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}

} // namespace artgen
