// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "artset.h"

#include "backdrop.h"
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

#include "game/Assets.h"

#include <QDir>

#include <array>
#include <utility>

namespace artgen {

namespace Assets = zand::Assets;

std::vector<Picture> allPictures()
{
    const QImage machine = machinePicture(true);
    // The dark panels are cut from the same machine drawn switched off, so
    // the game can swap them in without a seam.
    const QImage dark = machinePicture(false);
    std::vector<Picture> pictures{
        {QLatin1String(Assets::Machine), machine},
        {QLatin1String(Assets::BlurStrip), motionStrip()},
        {QLatin1String(Assets::SymbolSheet), symbolSheet()},
        {QLatin1String(Assets::BetOneButton), buttonPicture({QStringLiteral("BET 1")}, BetOneColour)},
        {QLatin1String(Assets::BetMaxButton), buttonPicture({QStringLiteral("BET"), QStringLiteral("MAX")}, BetMaxColour)},
        {QLatin1String(Assets::SpinButton), buttonPicture({QStringLiteral("SPIN")}, SpinColour)},
        {QLatin1String(Assets::NudgeLight), nudgeLight()},
        {QLatin1String(Assets::DimmedMarquee), dark.copy(MarqueeRect)},
        {QLatin1String(Assets::DimmedTitle), dark.copy(TitleGlassRect)},
        {QLatin1String(Assets::DimmedBadge), dark.copy(BadgeRect)},
        {QLatin1String(Assets::Logo), logoPicture()},
        {QLatin1String(Assets::LogoMask), logoMask()},
        {QLatin1String(Assets::RedLine), paylineLight(LineRed)},
        {QLatin1String(Assets::BlueLine), paylineLight(LineBlue)},
        {QLatin1String(Assets::GreenLine), paylineLight(LineGreen)},
        {QLatin1String(Assets::LineMask), paylineMask()},
        {QLatin1String(Assets::DigitsSmall), digitFont(16, 21, DigitRed)},
        {QLatin1String(Assets::GreenSmall), digitFont(16, 21, DigitGreen)},
        {QLatin1String(Assets::DigitsLarge), digitFont(32, 42, DigitRed)},
        {QLatin1String(Assets::GreenLarge), digitFont(32, 42, DigitGreen)},
        {QLatin1String(Assets::Lever), leverStrip()},
        {QLatin1String(Assets::Backdrop), backdropPicture()},
        {QLatin1String(Assets::Bonus), bonusPicture()},
        {QLatin1String(Assets::Safes), safeStrip()},
        {QLatin1String(Assets::PayChart), payChart()},
        {QLatin1String(Assets::Chip1000), casinoChip(QStringLiteral("$1,000"), ChipBlue)},
        {QLatin1String(Assets::Chip100), casinoChip(QStringLiteral("$100"), ChipRed)},
        {QLatin1String(Assets::Chip10), casinoChip(QStringLiteral("$10"), ChipGreen)},
        {QLatin1String(Assets::Chip1), casinoChip(QStringLiteral("$1"), ChipBlack)},
    };
    // Button glyphs come twice: the @2x file is what Qt picks on a
    // high-density screen.
    const std::array<std::tuple<const char *, const char *, Glyph>, 3> glyphs{{
        {Assets::GlyphOk, Assets::GlyphOk2x, Glyph::Ok},
        {Assets::GlyphHelp, Assets::GlyphHelp2x, Glyph::Help},
        {Assets::GlyphCancel, Assets::GlyphCancel2x, Glyph::Cancel},
    }};
    for (const auto &[name, name2x, glyph] : glyphs) {
        pictures.push_back({QLatin1String(name), dialogGlyph(glyph, GlyphSize)});
        pictures.push_back({QLatin1String(name2x), dialogGlyph(glyph, 2 * GlyphSize)});
    }
    for (std::size_t i = 0; i < Assets::IconSizes.size(); ++i)
        pictures.push_back({QLatin1String(Assets::Icons[i]), desktopIcon(Assets::IconSizes[i])});
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
