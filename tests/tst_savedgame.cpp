// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSizeLimit.h"

#include "game/RegularFile.h"
#include "game/SavedGame.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <QElapsedTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <future>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zand;

namespace {

const QString FixedDate = QStringLiteral("12/07/26");
const GameRecord ExampleGame{1250, 1000, 84, 170, 40, 3, 2};
const GameRecord OtherGame{-5, 2000, 99999, 123456, 0, 12, 7};
constexpr char SaveLoopArgument[] = "--save-loop";

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Run in a child process: saves the two games into the current game in turns
// until it is killed.
int saveLoop(const QString &path)
{
    const SavedGameFile file(path);
    for (unsigned round = 0;; ++round) {
        if (!file.save(SavedGameFile::CurrentGameSlot, QStringLiteral("CurrentGame"),
                       round % 2 ? OtherGame : ExampleGame, FixedDate, nullptr))
            return 1;
        if (round == 0) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

} // namespace

// Readable failure messages for QCOMPARE.
char *toString(const GameRecord &r)
{
    return qstrdup(QByteArray::number(r.credits) + ' ' + QByteArray::number(r.borrowed) + ' '
                   + QByteArray::number(r.spins) + ' ' + QByteArray::number(r.totalBets) + ' '
                   + QByteArray::number(r.bonusWon) + ' ' + QByteArray::number(r.bonusPts) + ' '
                   + QByteArray::number(r.nudges));
}

class TestSavedGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("zandslots.ini"));
        QFile::remove(m_path);
    }

    void currentGameIsWrittenByteForByte()
    {
        QVERIFY(SavedGameFile(m_path).save(8, QStringLiteral("CurrentGame"), ExampleGame, FixedDate, nullptr));
        QCOMPARE(readBytes(m_path), QByteArray("[CurrentGame]\r\nGameName=CurrentGame\r\nGameDate=12/07/26\r\n"
                                               "Credits=1250\r\nBorrowed=1000\r\nSpins=84\r\nTotalBets=170\r\n"
                                               "BonusWon=40\r\nBonusPts=3\r\nNudges=2\r\n"));
    }

    void neverSavedSlotGivesDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("name");
        QTest::newRow("no file, current game") << QByteArray() << 8 << "CurrentGame";
        QTest::newRow("no file, first slot") << QByteArray() << 0 << "GameNo1";
        QTest::newRow("other section only") << QByteArray("[CurrentGame]\r\nCredits=5\r\n") << 2 << "GameNo3";
        QTest::newRow("empty section") << QByteArray("[GameNo8]\r\n") << 7 << "GameNo8";
    }

    void neverSavedSlotGivesDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, slot);
        QFETCH(QString, name);
        if (!content.isNull())
            writeBytes(m_path, content);
        const SavedGameFile::Loaded loaded = SavedGameFile(m_path).load(slot);
        QCOMPARE(loaded.name, name);
        QCOMPARE(loaded.date, SavedGameFile::today());
        QCOMPARE(loaded.values, GameRecord());
    }

    void storedNumbers_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<GameRecord>("expected");
        QTest::newRow("hex and blanks") << QByteArray("Credits=0x1F4\r\nSpins= $10\r\nNudges=-0x2\r\n")
                                        << GameRecord{500, 1000, 16, 0, 0, 0, -2};
        QTest::newRow("garbage and range fall back alone")
            << QByteArray("Credits=abc\r\nBorrowed=2147483648\r\nSpins=7\r\nTotalBets=\r\nBonusWon=4 2\r\n")
            << GameRecord{1000, 1000, 7, 0, 0, 0, 0};
        QTest::newRow("Nudges missing, others read")
            << QByteArray("Credits=1\r\nBorrowed=2\r\nSpins=3\r\nTotalBets=4\r\nBonusWon=5\r\nBonusPts=6\r\n")
            << GameRecord{1, 2, 3, 4, 5, 6, 0};
        QTest::newRow("names in any case") << QByteArray("CREDITS=9\r\nnudges=4\r\n") << GameRecord{9, 1000, 0, 0, 0, 0, 4};
    }

    void storedNumbers()
    {
        QFETCH(QByteArray, lines);
        QFETCH(GameRecord, expected);
        writeBytes(m_path, "[currentgame]\r\n" + lines);
        QCOMPARE(SavedGameFile(m_path).load(8).values, expected);
    }

    void parseNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<std::int32_t>>("expected");
        const std::optional<std::int32_t> none;
        QTest::newRow("plain") << "42" << std::optional<std::int32_t>(42);
        QTest::newRow("leading blanks") << " \t42" << std::optional<std::int32_t>(42);
        QTest::newRow("plus") << "+7" << std::optional<std::int32_t>(7);
        QTest::newRow("dollar hex") << "$1F4" << std::optional<std::int32_t>(500);
        QTest::newRow("0x hex") << "0x1F4" << std::optional<std::int32_t>(500);
        QTest::newRow("0X hex lower digits") << "0Xff" << std::optional<std::int32_t>(255);
        QTest::newRow("negative hex") << "-0x10" << std::optional<std::int32_t>(-16);
        QTest::newRow("negative dollar") << "-$1F" << std::optional<std::int32_t>(-31);
        QTest::newRow("lowest") << "-2147483648" << std::optional<std::int32_t>(std::numeric_limits<std::int32_t>::min());
        QTest::newRow("highest") << "2147483647" << std::optional<std::int32_t>(std::numeric_limits<std::int32_t>::max());
        QTest::newRow("highest hex") << "$7FFFFFFF" << std::optional<std::int32_t>(std::numeric_limits<std::int32_t>::max());
        QTest::newRow("too high") << "2147483648" << none;
        QTest::newRow("too low") << "-2147483649" << none;
        QTest::newRow("hex too high") << "$80000000" << none;
        QTest::newRow("huge") << "99999999999999999999" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("sign only") << "-" << none;
        QTest::newRow("prefix only") << "0x" << none;
        QTest::newRow("dollar only") << "$" << none;
        QTest::newRow("inner blank") << "4 2" << none;
        QTest::newRow("trailing blank") << "42 " << none;
        QTest::newRow("letters") << "abc" << none;
        QTest::newRow("hex digit in decimal") << "1F" << none;
        QTest::newRow("sign after prefix") << "$-1" << none;
        QTest::newRow("non-ASCII digits") << QStringLiteral("\u0664\u0662") << none;
    }

    void parseNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<std::int32_t>, expected);
        QCOMPARE(SavedGameFile::parseNumber(text), expected);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("loadedName");
        QTest::addColumn<GameRecord>("values");
        const QString longName = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHI");
        QTest::newRow("45 characters") << longName << longName.left(30) << ExampleGame;
        QTest::newRow("empty name") << QString() << QString() << ExampleGame;
        QTest::newRow("negative values") << "Debts" << "Debts"
                                         << GameRecord{-1, -1000, std::numeric_limits<std::int32_t>::min(), -7,
                                                       std::numeric_limits<std::int32_t>::max(), -12, -6};
        QTest::newRow("UTF-8 name") << QStringLiteral("Zo\u00eb's Gl\u00fcck \u4e2d \U0001F3B0")
                                    << QStringLiteral("Zo\u00eb's Gl\u00fcck \u4e2d \U0001F3B0") << OtherGame;
        QTest::newRow("30 non-ASCII characters") << QString(40, QChar(0x00e9)) << QString(30, QChar(0x00e9))
                                                 << OtherGame;
        QTest::newRow("cut never halves a character")
            << QString(29, u'x') + QStringLiteral("\U0001F3B0") << QString(29, u'x') << OtherGame;
    }

    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QString, loadedName);
        QFETCH(GameRecord, values);
        const SavedGameFile file(m_path);
        QVERIFY(file.save(4, name, values, FixedDate, nullptr));
        QVERIFY(readBytes(m_path).contains("\r\nGameName=" + name.toUtf8() + "\r\n"));
        const SavedGameFile::Loaded loaded = file.load(4);
        QCOMPARE(loaded.name, loadedName);
        QCOMPARE(loaded.date, FixedDate);
        QCOMPARE(loaded.values, values);
    }

    void awkwardNamesReadBackUnchangedOnOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("brackets and equals as typed") << "[GameNo2] a=b" << QByteArray("[GameNo2] a=b");
        QTest::newRow("a new section and key") << "x\r\n[GameNo2]\nCredits=9"
                                               << QByteArray("\"x\\u000d\\u000a[GameNo2]\\u000aCredits=9\"");
        QTest::newRow("backslash in a quoted name") << "a\\u000a\tb" << QByteArray("\"a\\\\u000a\\u0009b\"");
        QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray("\"a\\u2028b\"");
        QTest::newRow("trailing blank") << "Weekend " << QByteArray("\"Weekend \"");
        QTest::newRow("in quotes") << "\"Best\"" << QByteArray("\"\"Best\"\"");
        QTest::newRow("lone quote") << "\"" << QByteArray("\"");
    }

    void awkwardNamesReadBackUnchangedOnOneLine()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, stored);
        const SavedGameFile file(m_path);
        QVERIFY(file.save(7, name, OtherGame, FixedDate, nullptr));
        QVERIFY(file.save(1, QStringLiteral("Next"), ExampleGame, FixedDate, nullptr));
        const QByteArray text = readBytes(m_path);
        QVERIFY2(text.startsWith("[GameNo8]\r\nGameName=" + stored + "\r\nGameDate=12/07/26\r\n"), text.constData());
        // Two sections of nine keys, nothing more.
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const QByteArray &l) { return l.startsWith('['); }), 2);
        QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const QByteArray &l) { return l.contains('='); }), 18);
        QCOMPARE(file.load(7).name, name);
        QCOMPARE(file.load(7).values, OtherGame);
        QCOMPARE(file.load(1).values, ExampleGame);
    }

    void savingTwiceKeepsOneSection()
    {
        const SavedGameFile file(m_path);
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), ExampleGame, nullptr));
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), OtherGame, nullptr));
        const QByteArray text = readBytes(m_path);
        QCOMPARE(text.count("[CurrentGame]"), 1);
        for (const char *key : {"GameName=", "GameDate=", "Credits=", "Borrowed=", "Spins=", "TotalBets=",
                                "BonusWon=", "BonusPts=", "Nudges="})
            QCOMPARE(text.count(key), 1);
        QCOMPARE(file.load(8).values, OtherGame);
    }

    void otherGamesSurviveASave()
    {
        const QByteArray before = "; Gl\xfc" "ck\r\n[GameNo2]\r\nGameName=Jos\xe9\r\nCredits=77\r\nColour=red\r\n";
        writeBytes(m_path, before);
        const SavedGameFile file(m_path);
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), ExampleGame, FixedDate, nullptr));
        QVERIFY(readBytes(m_path).startsWith(before));
        QCOMPARE(file.load(1).name, QStringLiteral("Jos\u00e9"));
        QCOMPARE(file.load(1).values.credits, 77);
        QCOMPARE(file.load(8).values, ExampleGame);
    }

    void todayIsMonthDayYear()
    {
        const QString text = SavedGameFile::today();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^(\\d\\d)(\\D)(\\d\\d)\\2(\\d\\d)$")).match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const QDate date = QDate::currentDate();
        QCOMPARE(match.captured(1).toInt(), date.month());
        QCOMPARE(match.captured(3).toInt(), date.day());
        QCOMPARE(match.captured(4).toInt(), date.year() % 100);
    }

    void defaultPathFollowsXdg_data()
    {
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/cfg/here") << "/cfg/here/zandslots.ini";
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + "/.config/zandslots.ini";
        QTest::newRow("relative is ignored") << QByteArray("cfg") << QDir::homePath() + "/.config/zandslots.ini";
    }

    void defaultPathFollowsXdg()
    {
        QFETCH(QByteArray, configHome);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        configHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configHome);
        const QString path = SavedGameFile::defaultPath(QStringLiteral("zandslots"));
        saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, expected);
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<int>("obstacle");
        QTest::newRow("directory is a regular file") << int(DirectoryIsFile);
        QTest::newRow("disk refuses the new file") << int(FileSizeLimited);
        QTest::newRow("read-only directory") << int(ReadOnlyDirectory);
    }

    void failedSaveChangesNothing()
    {
        QFETCH(int, obstacle);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray before = "[CurrentGame]\r\nCredits=3\r\n";
        // The file that must come through unchanged, and the saved game's path.
        QString survivor = dir.filePath(QStringLiteral("zandslots.ini"));
        QString path = survivor;
        if (obstacle == DirectoryIsFile) {
            survivor = dir.filePath(QStringLiteral("config"));
            path = survivor + QStringLiteral("/zandslots.ini");
        } else if (obstacle == ReadOnlyDirectory && geteuid() == 0) {
            QSKIP("permission bits do not stop root; the other rows cover the failure");
        }
        writeBytes(survivor, before);

        QString error;
        bool saved = false;
        {
            std::optional<FileSizeLimit> limit;
            if (obstacle == FileSizeLimited)
                limit.emplace(16);
            if (obstacle == ReadOnlyDirectory)
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            saved = SavedGameFile(path).save(8, QStringLiteral("CurrentGame"), ExampleGame, &error);
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }

        QVERIFY(!saved);
        QCOMPARE(error, QStringLiteral("Unable to write to zandslots.ini"));
        QCOMPARE(readBytes(survivor), before);
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QFileInfo(survivor).fileName()});
    }

    // A writer killed at any moment leaves either the old or the new file.
    void killedWriterLeavesAWholeFile()
    {
        const QByteArray header = "; my notes\r\n[GameNo1]\r\nGameName=Keep\r\n";
        writeBytes(m_path, header);
        const SavedGameFile file(m_path);
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), OtherGame, FixedDate, nullptr));
        const QByteArray withOther = readBytes(m_path);
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), ExampleGame, FixedDate, nullptr));
        const QByteArray withExample = readBytes(m_path);

        int sawOther = 0;
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QCoreApplication::applicationFilePath(),
                         {QLatin1String(SaveLoopArgument), m_path});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

            const QByteArray now = readBytes(m_path);
            QVERIFY2(now == withExample || now == withOther, now.constData());
            sawOther += now == withOther;
            QVERIFY(now.startsWith(header));
        }
        qInfo("the new values were in place after %d of 12 kills", sawOther);
    }

    // A pipe or a folder where the file should be: the game starts fresh at
    // once, the window can tell the player, and no save replaces the thing.
    void unreadableFileIsReportedAndKept_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("pipe") << true;
        QTest::newRow("directory") << false;
    }

    void unreadableFileIsReportedAndKept()
    {
        QFETCH(bool, pipe);
        const QByteArray path = QFile::encodeName(m_path);
        QVERIFY(pipe ? mkfifo(path, 0600) == 0 : mkdir(path, 0700) == 0);
        const SavedGameFile file(m_path);
        auto loading = std::async(std::launch::async, [&file] { return file.load(8); });
        if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ::close(::open(path, O_WRONLY | O_NONBLOCK)); // lets the blocked reader go
            QFAIL("loading waited for a writer to the pipe");
        }
        const SavedGameFile::Loaded loaded = loading.get();
        QVERIFY(loaded.unreadable);
        QCOMPARE(loaded.values, GameRecord());
        QCOMPARE(file.unreadableMessage(),
                 QStringLiteral("Unable to read %1; this game will not be saved over it.").arg(m_path));

        QString error;
        QVERIFY(!file.save(8, QStringLiteral("CurrentGame"), ExampleGame, FixedDate, &error));
        QCOMPARE(error, QStringLiteral("Unable to write to zandslots.ini"));
        QCOMPARE(QFileInfo(m_path).isDir(), !pipe);
        QCOMPARE(QFileInfo(m_path).isFile(), false);
        QDir(m_path).removeRecursively();
        QFile::remove(m_path);
    }

    // 50 MB of other games' notes before the game in progress.
    void largeFileLoadsAndSavesInAMoment()
    {
        QByteArray notes;
        for (int line = 0; line < 10000; ++line)
            notes += "Note" + QByteArray::number(line) + "=a remark of the player's\r\n";
        QByteArray bytes;
        bytes.reserve(51 << 20);
        for (int slot = 1; bytes.size() < 50 << 20; slot = slot % 8 + 1)
            bytes += "[GameNo" + QByteArray::number(slot) + "]\r\n" + notes;
        writeBytes(m_path, bytes + "[CurrentGame]\r\nCredits=77\r\n");
        const SavedGameFile file(m_path);
        QElapsedTimer timer;
        timer.start();
        const SavedGameFile::Loaded loaded = file.load(8);
        const qint64 loadTime = timer.restart();
        QVERIFY(file.save(8, QStringLiteral("CurrentGame"), ExampleGame, FixedDate, nullptr));
        const qint64 saveTime = timer.elapsed();
        QCOMPARE(loaded.values.credits, 77);
        QVERIFY2(loadTime < 2000, qPrintable(QString::number(loadTime)));
        // The save also flushes 50 MB to the disk.
        QVERIFY2(saveTime < 5000, qPrintable(QString::number(saveTime)));
        QVERIFY(readBytes(m_path).startsWith(bytes));
    }

private:
    enum Obstacle { DirectoryIsFile, FileSizeLimited, ReadOnlyDirectory };

    QTemporaryDir m_dir;
    QString m_path;
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], SaveLoopArgument) == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]));
    // As the program does: a write past the size limit fails, it does not kill.
    reportFailedWritesAsErrors();
    QCoreApplication app(argc, argv);
    TestSavedGame test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savedgame.moc"
