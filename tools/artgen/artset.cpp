#include "artset.h"

#include "bonus.h"
#include "buttons.h"
#include "cabinet.h"
#include "digits.h"
#include "jpegwriter.h"
#include "lights.h"
#include "logo.h"
#include "panels.h"
#include "symbols.h"

#include "game/Assets.h"

#include <QDir>

namespace artgen {

namespace Assets = zand::Assets;

std::vector<Picture> allPictures()
{
    const QImage machine = machinePicture(true);
    // The dark panels are cut from the same machine drawn switched off, so
    // the game can swap them in without a seam.
    const QImage dark = machinePicture(false);
    return {
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
        {QLatin1String(Assets::Bonus), bonusPicture()},
        {QLatin1String(Assets::Safes), safeStrip()},
    };
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
