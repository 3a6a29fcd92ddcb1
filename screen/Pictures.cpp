#include "Pictures.h"

#include "game/Config.h"
#include "platform/Jpeg.h"

#include <QFile>

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

QImage Pictures::builtIn(const QString &name)
{
    const QString path = QStringLiteral(":/art/") + name;
    if (name.endsWith(QLatin1String(".jpg"))) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return Jpeg::decode(file.readAll());
    }
    return opaque(QImage(path));
}

void Pictures::load(const Config &config)
{
    machine = builtIn(QStringLiteral("machine.jpg"));
    blurStrip = builtIn(QStringLiteral("motion.jpg"));
    symbolSheet = builtIn(QStringLiteral("symbols.jpg"));
    betOneButton = builtIn(QStringLiteral("bet1but.jpg"));
    betMaxButton = builtIn(QStringLiteral("bet5but.jpg"));
    spinButton = builtIn(QStringLiteral("spinbut.jpg"));
    nudgeLight = builtIn(QStringLiteral("nudgelight.jpg"));
    dimmedMarquee = builtIn(QStringLiteral("dimmed.jpg"));
    dimmedTitle = builtIn(QStringLiteral("dimmed2.jpg"));
    dimmedBadge = builtIn(QStringLiteral("bet1bdimmed.jpg"));
    logo = builtIn(QStringLiteral("logo.png"));
    logoMask = builtIn(QStringLiteral("logomask.png"));
    redLine = builtIn(QStringLiteral("red.png"));
    blueLine = builtIn(QStringLiteral("blue.png"));
    greenLine = builtIn(QStringLiteral("green.png"));
    lineMask = builtIn(QStringLiteral("mask.png"));
    digitsSmall = builtIn(QStringLiteral("digitssmall.png"));
    greenSmall = builtIn(QStringLiteral("greensmall.png"));
    digitsLarge = builtIn(QStringLiteral("digitslarge.png"));
    greenLarge = builtIn(QStringLiteral("greenlarge.png"));

    // In the order of the asset table: a theme replaces what it ships.
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
}

void Pictures::replaceFrom(const Config &config, const QString &fileName, QImage &picture)
{
    const QString path = config.findAsset(fileName);
    if (path.isEmpty())
        return;
    QString error;
    const QImage replacement = Jpeg::load(path, &error);
    if (replacement.isNull()) {
        warnings << QStringLiteral("%1: %2").arg(path, error);
        return;
    }
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
        QString error;
        const QImage special = Jpeg::load(path, &error);
        if (special.isNull()) {
            warnings << QStringLiteral("%1: %2").arg(path, error);
            break;
        }
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
