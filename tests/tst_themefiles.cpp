// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// What a theme ships beside the executable and the game must not trust: its
// pictures, whole or damaged or forged, and its settings file.
#include "game/Config.h"
#include "platform/Jpeg.h"
#include "screen/Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace zand;

namespace {

QByteArray jpegOf(int w, int h, QColor colour, bool progressive = false)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// Where the entropy-coded data starts: just after the start-of-scan segment.
qsizetype scanDataStart(const QByteArray &jpeg)
{
    const qsizetype sos = jpeg.indexOf("\xff\xda");
    return sos + 2 + ((uchar(jpeg.at(sos + 2)) << 8) | uchar(jpeg.at(sos + 3)));
}

// The same file with its frame header claiming another size.
QByteArray withClaimedSize(QByteArray jpeg, int w, int h)
{
    const qsizetype sof = jpeg.indexOf("\xff\xc0");
    jpeg[sof + 5] = char(h >> 8);
    jpeg[sof + 6] = char(h);
    jpeg[sof + 7] = char(w >> 8);
    jpeg[sof + 8] = char(w);
    return jpeg;
}

} // namespace

class TestThemeFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void damagedPictureIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = jpegOf(160, 120, QColor(200, 100, 50));
        const qsizetype scan = scanDataStart(good);
        QTest::newRow("cut early in the scan") << good.left(scan + 20);
        QTest::newRow("cut late in the scan") << good.left(scan + (good.size() - scan) * 3 / 4);
        QTest::newRow("end marker missing") << good.left(good.size() - 2);
        QTest::newRow("marker inside the scan")
            << QByteArray(good).replace(scan + (good.size() - scan) / 2, 2, "\xff\xd9");
        QTest::newRow("header claims 8192 x 8192") << withClaimedSize(good, 8192, 8192);
    }

    void damagedPictureIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QString error;
        QVERIFY(Jpeg::decode(bytes, &error).isNull());
        QVERIFY(!error.isEmpty());
        QCOMPARE(Jpeg::memoryInUse(), 0);
    }

    // The machine stays as built in, and the reason is kept for the player.
    void cutThemePictureLeavesTheBuiltInOne()
    {
        QTemporaryDir dir;
        Config config;
        config.appPath = dir.path() + u'/';
        const QByteArray good = jpegOf(800, 600, Qt::darkGreen);
        QFile file(config.appPath + "tester.jpg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(good.left(good.size() * 2 / 3));
        file.close();
        Pictures pictures;
        pictures.load(config);
        QCOMPARE(pictures.machine, Pictures::builtIn("machine.jpg"));
        QCOMPARE(pictures.warnings.size(), 1);
        QVERIFY2(pictures.warnings.at(0).startsWith(file.fileName()), qPrintable(pictures.warnings.at(0)));
    }

    // 4096 x 3072 takes 48 MiB: two fit in the budget, a third does not
    // until one of the others is let go. With 32 MiB left, a progressive
    // picture of 2400 x 2400 does not fit either: its 22 MiB of pixels leave
    // too little for its coefficients, which a baseline one does not keep.
    void picturesShareOneMemoryBudget()
    {
        const QByteArray large = jpegOf(4096, 3072, Qt::gray);
        const qsizetype size = qsizetype(4096) * 3072 * 4;
        QVERIFY(2 * size <= Jpeg::MemoryBudget && 3 * size > Jpeg::MemoryBudget);
        std::optional<QImage> first = Jpeg::decode(large);
        const QImage second = Jpeg::decode(large);
        QCOMPARE(second.size(), QSize(4096, 3072));
        QCOMPARE(Jpeg::memoryInUse(), 2 * size);
        QString error;
        QVERIFY(Jpeg::decode(large, &error).isNull());
        QVERIFY2(error.contains("MiB"), qPrintable(error));
        QVERIFY(Jpeg::decode(jpegOf(2400, 2400, Qt::gray, true), &error).isNull());
        QVERIFY2(error.contains("MiB"), qPrintable(error));
        QCOMPARE(Jpeg::decode(jpegOf(2400, 2400, Qt::gray)).size(), QSize(2400, 2400));
        first.reset();
        QCOMPARE(Jpeg::decode(large).size(), QSize(4096, 3072));
    }

    void soundRootStaysInTheGameFolder_data()
    {
        QTest::addColumn<QString>("soundRoot");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Gold" << "Gold";
        QTest::newRow("dots are a name") << "..Gold" << "..Gold";
        QTest::newRow("parent folder") << "../Gold" << "Zand";
        QTest::newRow("absolute") << "/etc/passwd" << "Zand";
        QTest::newRow("subfolder") << "themes/Gold" << "Zand";
    }

    void soundRootStaysInTheGameFolder()
    {
        QFETCH(QString, soundRoot);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        Config config;
        config.appPath = dir.path() + u'/';
        QFile file(config.appPath + "Testing.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\r\nSoundRoot=" + soundRoot.toUtf8() + "\r\nAboutName=Gold Rush\r\n");
        file.close();
        if (expected != soundRoot)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SoundRoot"));
        config.readTestingIni();
        QCOMPARE(config.soundRoot, expected);
        QCOMPARE(config.gameTitle, QStringLiteral("Gold Rush"));
    }
};

QTEST_GUILESS_MAIN(TestThemeFiles)

#include "tst_themefiles.moc"
