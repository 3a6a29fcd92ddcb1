// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the contract between the pictures and the game that draws them:
// sizes, faces, masks, black areas and seamless swaps.
#include "artset.h"
#include "bonus.h"
#include "cabinet.h"
#include "chips.h"
#include "icons.h"
#include "lights.h"
#include "panels.h"
#include "symbols.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <map>

using namespace artgen;

namespace {

bool isBlack(QRgb px) { return (px & 0xFFFFFF) == 0; }

bool allBlack(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (!isBlack(image.pixel(x, y)))
                return false;
    return true;
}

int brightness(const QImage &image, const QRect &rect)
{
    qint64 sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return static_cast<int>(sum / (rect.width() * rect.height()));
}

int litPixels(const QImage &image, const QRect &rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += qGray(image.pixel(x, y)) > 60 ? 1 : 0;
    return count;
}

} // namespace

class ArtgenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (Picture &picture : allPictures())
            m_pictures[picture.fileName] = picture.image;
    }

    void writesEveryFileAtItsSize()
    {
        std::map<QString, QSize> expected{
            {"machine.jpg", {800, 600}}, {"motion.jpg", {77, 456}}, {"symbols.jpg", {304, 228}},
            {"bet1but.jpg", {78, 118}}, {"bet5but.jpg", {78, 118}}, {"spinbut.jpg", {78, 118}},
            {"nudgelight.jpg", {72, 34}}, {"dimmed.jpg", {302, 143}}, {"dimmed2.jpg", {436, 49}},
            {"bet1bdimmed.jpg", {84, 85}}, {"logo.png", {125, 70}}, {"logomask.png", {125, 70}},
            {"red.png", {318, 28}}, {"blue.png", {318, 28}}, {"green.png", {318, 28}},
            {"mask.png", {318, 28}}, {"digitssmall.png", {188, 21}}, {"greensmall.png", {188, 21}},
            {"digitslarge.png", {376, 42}}, {"greenlarge.png", {376, 42}}, {"bonus.jpg", {640, 480}}, {"lever.jpg", {336, 286}}, {"backdrop.jpg", {960, 600}},
            {"safes.jpg", {76, 228}}, {"paychart.jpg", {640, 560}},
            {"chip1000.png", {66, 42}}, {"chip100.png", {66, 42}}, {"chip10.png", {66, 42}},
            {"chip1.png", {66, 42}}, {"glyph_ok.png", {24, 24}}, {"glyph_ok@2x.png", {48, 48}},
            {"glyph_help.png", {24, 24}}, {"glyph_help@2x.png", {48, 48}},
            {"glyph_cancel.png", {24, 24}}, {"glyph_cancel@2x.png", {48, 48}},
        };
        for (int size : IconSizes)
            expected.emplace(QStringLiteral("icon%1.png").arg(size), QSize(size, size));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString error;
        QVERIFY2(writePictures(allPictures(), dir.path(), &error), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), static_cast<int>(expected.size()));
        for (const auto &[name, size] : expected) {
            const QImage read(dir.filePath(name));
            QVERIFY2(!read.isNull(), qPrintable(name));
            QCOMPARE(read.size(), size);
        }
        // Masks are stored as pure black and white, one bit deep.
        for (const char *name : {"mask.png", "logomask.png"}) {
            const QImage mask(dir.filePath(QLatin1String(name)));
            QCOMPARE(mask.depth(), 1);
        }
        // The borrow dialog masks the chips by colour, so they carry no alpha.
        for (const char *name : {"chip1000.png", "chip100.png", "chip10.png", "chip1.png"})
            QVERIFY2(!QImage(dir.filePath(QLatin1String(name))).hasAlphaChannel(), name);
    }

    void outputIsTheSameOnEveryRun()
    {
        QTemporaryDir first, second;
        QString error;
        QVERIFY(writePictures(allPictures(), first.path(), &error));
        QVERIFY(writePictures(allPictures(), second.path(), &error));
        for (const QString &name : QDir(first.path()).entryList(QDir::Files)) {
            QFile a(first.filePath(name)), b(second.filePath(name));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(name));
        }
    }

    void paylineLightsShowOnlyThroughTheMask()
    {
        const QImage mask = m_pictures.at("mask.png");
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                QCOMPARE(isBlack(mask.pixel(x, y)), isLightColumn(x));
        for (const char *name : {"red.png", "blue.png", "green.png"}) {
            const QImage light = m_pictures.at(QString::fromLatin1(name));
            for (int y = 0; y < light.height(); ++y)
                for (int x = 0; x < light.width(); ++x)
                    if (!isLightColumn(x))
                        QVERIFY2(isBlack(light.pixel(x, y)), name);
            for (const ColumnSpan &span : LightPieces) {
                const QRect dark(span.first, 0, span.width, LightFaceHeight);
                QVERIFY2(brightness(light, dark.translated(0, LightFaceHeight)) > brightness(light, dark) + 20, name);
            }
        }
    }

    void logoIsBlackExactlyOutsideItsMask()
    {
        const QImage logo = m_pictures.at("logo.png");
        const QImage mask = m_pictures.at("logomask.png");
        int chip = 0;
        for (int y = 0; y < logo.height(); ++y)
            for (int x = 0; x < logo.width(); ++x) {
                const bool inChip = isBlack(mask.pixel(x, y));
                if (inChip)
                    chip += isBlack(logo.pixel(x, y)) ? 0 : 1;
                else
                    QVERIFY(isBlack(logo.pixel(x, y)));
            }
        // A real chip, not a sliver, and not the whole square.
        QVERIFY(chip > logo.width() * logo.height() / 2);
        QVERIFY(!isBlack(mask.pixel(0, 0)));
    }

    void digitCellsAreCleanAndDistinct_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cell");
        QTest::newRow("red small") << "digitssmall.png" << 16;
        QTest::newRow("green small") << "greensmall.png" << 16;
        QTest::newRow("red large") << "digitslarge.png" << 32;
        QTest::newRow("green large") << "greenlarge.png" << 32;
    }

    void digitCellsAreCleanAndDistinct()
    {
        QFETCH(QString, name);
        QFETCH(int, cell);
        const QImage font = m_pictures.at(name);
        const int h = font.height();
        for (int d = 0; d < 10; ++d) {
            // Cell edges stay black so a copied cell never carries a neighbour's glow.
            QVERIFY(allBlack(font, QRect(d * cell, 0, 1, h)));
            QVERIFY(allBlack(font, QRect(d * cell + cell - 1, 0, 1, h)));
            QVERIFY(litPixels(font, QRect(d * cell, 0, cell, h)) > 0);
        }
        const int one = litPixels(font, QRect(cell, 0, cell, h));
        const int eight = litPixels(font, QRect(8 * cell, 0, cell, h));
        QVERIFY(eight > 2 * one);
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b)
                QVERIFY(font.copy(a * cell, 0, cell, h) != font.copy(b * cell, 0, cell, h));
        QVERIFY(allBlack(font, QRect(10 * cell, 0, cell, h)));
        QVERIFY(litPixels(font, QRect(11 * cell, 0, font.width() - 11 * cell, h)) > 0);
    }

    void machineLeavesTheGamesPlacesBlack()
    {
        const QImage machine = machinePicture(true);
        QVERIFY(allBlack(machine, DisplayPanel));
        for (const QRect &box : NudgeBoxes)
            QVERIFY(allBlack(machine, box));
        for (const QRect &box : ButtonBoxes)
            QVERIFY(allBlack(machine, box));
    }

    void machineShowsTheLitPaylines()
    {
        const QImage machine = machinePicture(true);
        const std::array<const char *, 3> names{"red.png", "blue.png", "green.png"};
        for (std::size_t line = 0; line < names.size(); ++line) {
            const QImage light = m_pictures.at(QString::fromLatin1(names[line]));
            const QPoint origin = LineLightOrigins[line];
            for (int y = 0; y < LightFaceHeight; ++y)
                for (int x = 0; x < LightWidth; ++x)
                    if (isLightColumn(x))
                        QCOMPARE(machine.pixel(origin + QPoint(x, y)), light.pixel(x, y + LightFaceHeight));
        }
    }

    void darkPanelsSwapInWithoutASeam()
    {
        const QImage lit = machinePicture(true);
        const QImage dark = machinePicture(false);
        const std::array<QRect, 3> panels{MarqueeRect, TitleGlassRect, BadgeRect};
        for (int y = 0; y < lit.height(); ++y)
            for (int x = 0; x < lit.width(); ++x) {
                const bool inPanel = std::any_of(panels.begin(), panels.end(),
                                                 [&](const QRect &r) { return r.contains(x, y); });
                if (!inPanel && lit.pixel(x, y) != dark.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("lit and dark machines differ at %1,%2").arg(x).arg(y)));
            }
        for (const QRect &panel : panels)
            QVERIFY(brightness(dark, panel) * 2 < brightness(lit, panel));
        QCOMPARE(m_pictures.at("dimmed.jpg"), dark.copy(MarqueeRect));
    }

    void twoFacePicturesHaveDarkAboveLit_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"bet1but.jpg", "bet5but.jpg", "spinbut.jpg", "nudgelight.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void twoFacePicturesHaveDarkAboveLit()
    {
        QFETCH(QString, name);
        const QImage picture = m_pictures.at(name);
        const int half = picture.height() / 2;
        const QRect upper(0, 0, picture.width(), half);
        QVERIFY(brightness(picture, upper.translated(0, half)) > brightness(picture, upper) + 40);
    }

    void closedSafesOfTheVaultMatchTheStrip()
    {
        const QImage room = bonusPicture();
        const QImage strip = safeStrip();
        const QImage closed = strip.copy(0, 0, SafeSize, SafeSize);
        for (int i = 0; i < SafeCount; ++i)
            QCOMPARE(room.copy(safeRect(i)), closed);
        QCOMPARE(safeRect(7), QRect(544, 348, 76, 76));
        QVERIFY(strip.copy(0, SafeSize, SafeSize, SafeSize) != closed);
        QVERIFY(strip.copy(0, 2 * SafeSize, SafeSize, SafeSize) != strip.copy(0, SafeSize, SafeSize, SafeSize));
    }

    void chipsStandOnAGroundColourFoundNowhereInThem_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"chip1000.png", "chip100.png", "chip10.png", "chip1.png"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void chipsStandOnAGroundColourFoundNowhereInThem()
    {
        QFETCH(QString, name);
        const QImage chip = m_pictures.at(name);
        const QRgb ground = chip.pixel(0, chip.height() - 1);
        for (const QPoint corner : {QPoint(0, 0), QPoint(chip.width() - 1, 0), QPoint(chip.width() - 1, chip.height() - 1)})
            QCOMPARE(chip.pixel(corner), ground);
        // The oval's middle half in both directions: face, spots, inlay and amount.
        const QRect centre(chip.width() / 4, chip.height() / 4, chip.width() / 2, chip.height() / 2);
        int lettering = 0;
        for (int y = centre.top(); y <= centre.bottom(); ++y)
            for (int x = centre.left(); x <= centre.right(); ++x) {
                QVERIFY(chip.pixel(x, y) != ground);
                lettering += qGray(chip.pixel(x, y)) < 110 ? 1 : 0;
            }
        QVERIFY(lettering > 20);
    }

    void glyphsAndIconsAreRoundedOnATransparentGround_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *glyph : {"ok", "help", "cancel"})
            for (const char *suffix : {"", "@2x"}) {
                const QString name = QStringLiteral("glyph_%1%2.png").arg(QLatin1String(glyph), QLatin1String(suffix));
                QTest::newRow(qPrintable(name)) << name;
            }
        for (int size : IconSizes)
            QTest::newRow(qPrintable(QStringLiteral("icon%1").arg(size))) << QStringLiteral("icon%1.png").arg(size);
    }

    void glyphsAndIconsAreRoundedOnATransparentGround()
    {
        QFETCH(QString, name);
        const QImage image = m_pictures.at(name);
        const int last = image.width() - 1;
        QCOMPARE(image.width(), image.height());
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }

    void doubleSizeGlyphsShowTheSameDrawing()
    {
        for (const char *glyph : {"ok", "help", "cancel"}) {
            const QImage small = m_pictures.at(QStringLiteral("glyph_%1.png").arg(QLatin1String(glyph)));
            const QImage large = m_pictures.at(QStringLiteral("glyph_%1@2x.png").arg(QLatin1String(glyph)))
                                     .scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            qint64 difference = 0;
            for (int y = 0; y < small.height(); ++y)
                for (int x = 0; x < small.width(); ++x) {
                    const QRgb a = small.pixel(x, y), b = large.pixel(x, y);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                                  + std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
                }
            // Scaling alone blurs a little; another jewel or mark differs far more.
            QVERIFY2(difference < 60 * small.width() * small.height(), glyph);
        }
    }

    void symbolCellsAreAllDifferent()
    {
        const QImage sheet = m_pictures.at("symbols.jpg");
        const auto cell = [&](int s) { return sheet.copy((s % 4) * CellSize, (s / 4) * CellSize, CellSize, CellSize); };
        for (int a = 0; a < SymbolCount; ++a)
            for (int b = a + 1; b < SymbolCount; ++b)
                QVERIFY(cell(a) != cell(b));
    }

    void motionStripLoopsSeamlessly()
    {
        const QImage strip = m_pictures.at("motion.jpg");
        const auto rowDistance = [&](int a, int b) {
            int sum = 0;
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb p = strip.pixel(x, a), q = strip.pixel(x, b);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
            return sum;
        };
        const int wrap = rowDistance(strip.height() - 1, 0);
        // The joint may differ no more than neighbouring rows inside the strip.
        int worstInside = 0;
        for (int y = 1; y < strip.height(); ++y)
            worstInside = std::max(worstInside, rowDistance(y - 1, y));
        QVERIFY2(wrap <= worstInside, qPrintable(QStringLiteral("%1 > %2").arg(wrap).arg(worstInside)));
    }

private:
    std::map<QString, QImage> m_pictures;
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ArtgenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "artgen_test.moc"
