// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "game/Assets.h"
#include "game/Config.h"
#include "platform/Jpeg.h"

#include <QFile>

#include <cstdio>

namespace zand {

namespace {

QImage opaque(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The sheets a theme may draw for one exact screen width, used unscaled.
struct SheetForWidth
{
    int screenWidth;
    const char *suffix;
    int cell;
};

constexpr SheetForWidth SheetsForWidths[] = {
    {1600, "152.jpg", 152}, {1280, "122.jpg", 122}, {1152, "110.jpg", 110},
    {1024, "98.jpg", 98},   {640, "61.jpg", 61},
};

} // namespace

QImage Pictures::builtIn(const char *name)
{
    const QString path = QStringLiteral(":/art/") + QLatin1String(name);
    if (path.endsWith(QLatin1String(".jpg"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return Jpeg::decode(file.readAll());
    }
    return opaque(QImage(path));
}

QImage Pictures::loadThemePicture(const QString &path, QStringList &warnings)
{
    QString error;
    const QImage picture = Jpeg::load(path, &error);
    if (picture.isNull())
        warnings << QStringLiteral("%1: %2").arg(path, error);
    return picture;
}

void Pictures::report(const QStringList &warnings)
{
    for (const QString &warning : warnings)
        std::fprintf(stderr, "zandslots: picture left as built in: %s\n", qPrintable(warning));
}

void Pictures::load(const Config &config)
{
    machine = builtIn(Assets::Machine);
    blurStrip = builtIn(Assets::BlurStrip);
    symbolSheet = builtIn(Assets::SymbolSheet);
    betOneButton = builtIn(Assets::BetOneButton);
    betMaxButton = builtIn(Assets::BetMaxButton);
    spinButton = builtIn(Assets::SpinButton);
    nudgeLight = builtIn(Assets::NudgeLight);
    dimmedMarquee = builtIn(Assets::DimmedMarquee);
    dimmedTitle = builtIn(Assets::DimmedTitle);
    dimmedBadge = builtIn(Assets::DimmedBadge);
    logo = builtIn(Assets::Logo);
    logoMask = builtIn(Assets::LogoMask);
    redLine = builtIn(Assets::RedLine);
    blueLine = builtIn(Assets::BlueLine);
    greenLine = builtIn(Assets::GreenLine);
    lineMask = builtIn(Assets::LineMask);
    digitsSmall = builtIn(Assets::DigitsSmall);
    greenSmall = builtIn(Assets::GreenSmall);
    digitsLarge = builtIn(Assets::DigitsLarge);
    greenLarge = builtIn(Assets::GreenLarge);
    leverFrames = builtIn(Assets::Lever);
    backdrop = builtIn(Assets::Backdrop);

    // A theme replaces what it ships.
    replaceFrom(config, QStringLiteral("tester.jpg"), machine);
    replaceFrom(config, QStringLiteral("motionx.jpg"), blurStrip);
    replaceFrom(config, QStringLiteral("bonusx.jpg"), nudgeLight);
    replaceFrom(config, QStringLiteral("Bet1But.jpg"), betOneButton);
    replaceFrom(config, QStringLiteral("Bet5But.jpg"), betMaxButton);
    replaceFrom(config, QStringLiteral("SpinBut.jpg"), spinButton);
    replaceFrom(config, QStringLiteral("DIMMEDX.jpg"), dimmedMarquee);
    replaceFrom(config, QStringLiteral("DIMMED2X.jpg"), dimmedTitle);
    replaceFrom(config, QStringLiteral("BET1B.jpg"), dimmedBadge);
    replaceFrom(config, config.soundRoot + QStringLiteral(".jpg"), symbolSheet);
    replaceFrom(config, QLatin1String(Assets::Backdrop), backdrop);
    // The built-in lever would be drawn over another machine's picture.
    replaceFrom(config, QStringLiteral("lever.jpg"), leverFrames);
    if (!config.findAsset(QStringLiteral("tester.jpg")).isEmpty()
        && config.findAsset(QStringLiteral("lever.jpg")).isEmpty())
        leverFrames = QImage();
}

void Pictures::replaceFrom(const Config &config, const QString &fileName, QImage &picture)
{
    const QString path = config.findAsset(fileName);
    if (path.isEmpty())
        return;
    const QImage replacement = loadThemePicture(path, warnings);
    if (!replacement.isNull())
        picture = replacement;
}

void Pictures::prepareReelArt(const Config &config)
{
    const auto scaled = [&config](const QImage &image) {
        const QSize size(config.scale(image.width()), config.scale(image.height()));
        if (size == image.size() || size.isEmpty())
            return image;
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };

    scaledBlurStrip = scaled(blurStrip);

    bool ownSize = config.layoutWidth == 800;
    symbolSize = ownSize ? 76 : config.scale(76);
    for (const SheetForWidth &sheet : SheetsForWidths) {
        if (sheet.screenWidth != config.layoutWidth)
            continue;
        const QString path = config.findAsset(config.soundRoot + QLatin1String(sheet.suffix));
        if (path.isEmpty())
            break;
        const QImage special = loadThemePicture(path, warnings);
        if (special.isNull())
            break;
        symbolSheet = special;
        symbolSize = sheet.cell;
        ownSize = true;
    }
    scaledSymbolSheet = ownSize ? symbolSheet : scaled(symbolSheet);

    reelLeft = config.scale(258);
    reelTop = config.scale(272);
    reelPitch = config.scale(104);
    blurHeight = scaledBlurStrip.height();
}

} // namespace zand
