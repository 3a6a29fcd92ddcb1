// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The real program, started as the desktop starts it, ends normally on a
// stop signal and leaves its game saved, also when the disk takes no more;
// started twice for one saved game, it plays it once.
#include "game/SavedGame.h"
#include "platform/SingleGame.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/types.h>

using namespace zand;

namespace {

// The signals a process has handlers for, from the kernel's account of it.
quint64 signalMask(qint64 pid, const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().toULongLong(nullptr, 16);
    return 0;
}

quint64 caughtSignals(qint64 pid)
{
    return signalMask(pid, "SigCgt:");
}

quint64 ignoredSignals(qint64 pid)
{
    return signalMask(pid, "SigIgn:");
}

quint64 maskOf(std::initializer_list<int> signalNumbers)
{
    quint64 mask = 0;
    for (const int n : signalNumbers)
        mask |= quint64{1} << (n - 1);
    return mask;
}

// A game in progress, written as the game itself would never write it.
const QByteArray HandWritten = "[CurrentGame]\r\nGameName=Left by hand\r\nGameDate=01/01/99\r\nCredits=0x1F4\r\n"
                               "Borrowed=900\r\nSpins=7\r\nTotalBets=21\r\nBonusWon=25\r\nBonusPts=2\r\nNudges=3\r\n";

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeGame(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(HandWritten);
}

// Starts the game with its configuration (and cache) in `config`; standard
// error is kept for the test. True once it runs. A start that fails says why
// and is tried again a few times: once, beside the packaging test in a
// loaded run, four starts in a row failed at once.
bool startGame(QProcess &game, const QString &config, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    env.insert("XDG_CACHE_HOME", config + "/cache");
    env.insert("SDL_AUDIODRIVER", "dummy");
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    if (fileSizeLimit != RLIM_INFINITY) {
        game.setChildProcessModifier([fileSizeLimit] {
            rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        game.start(QStringLiteral(ZAND_GAME_DIR "/zandslots"), {});
        if (game.waitForStarted())
            return true;
        qWarning("the game did not start: %s", qPrintable(game.errorString()));
        QThread::msleep(200);
    }
    return false;
}

// Up and running once it answers the stop signals itself.
bool waitUntilPlaying(QProcess &game)
{
    const quint64 stopSignals = maskOf({SIGTERM, SIGINT, SIGHUP});
    QDeadlineTimer deadline(30000);
    while ((caughtSignals(game.processId()) & stopSignals) != stopSignals && !deadline.hasExpired()) {
        if (game.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(20);
    }
    return (caughtSignals(game.processId()) & stopSignals) == stopSignals;
}

// Sends the signal and waits for the end, which must be a normal one.
bool endsOn(QProcess &game, int signalNumber)
{
    ::kill(static_cast<pid_t>(game.processId()), signalNumber);
    if (game.waitForFinished(15000))
        return game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0;
    game.kill();
    game.waitForFinished();
    return false;
}

} // namespace

class SignalsTest : public QObject
{
    Q_OBJECT

private slots:
    void stopSignalEndsTheProgramWithTheGameSaved_data();
    void stopSignalEndsTheProgramWithTheGameSaved();
    void oneGamePerSavedGame_data();
    void oneGamePerSavedGame();
    void aHolderThatDoesNotAnswerKeepsTheFileFromASecondCopy();
};

void SignalsTest::stopSignalEndsTheProgramWithTheGameSaved_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("SIGTERM, a plain kill") << SIGTERM << false;
    QTest::newRow("SIGINT, Ctrl+C") << SIGINT << false;
    QTest::newRow("SIGHUP, the terminal closed") << SIGHUP << false;
    QTest::newRow("SIGTERM past the file-size limit") << SIGTERM << true;
}

void SignalsTest::stopSignalEndsTheProgramWithTheGameSaved()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, diskFull);
    QTemporaryDir config;
    const QString path = config.filePath("zandslots.ini");
    writeGame(path);

    QProcess game;
    // Room for the lock beside the file, not for the saved game.
    QVERIFY(startGame(game, config.path(), diskFull ? 100 : RLIM_INFINITY));
    const bool ready = waitUntilPlaying(game);
    // A write past the size limit or into a closed pipe fails; it does not
    // end the game.
    const quint64 ignored = ignoredSignals(game.processId());
    const bool ended = endsOn(game, signalNumber);
    QVERIFY(ready);
    QCOMPARE(ignored & maskOf({SIGXFSZ, SIGPIPE}), maskOf({SIGXFSZ, SIGPIPE}));
    QVERIFY(ended);

    if (diskFull) {
        QVERIFY(game.readAllStandardError().contains("Unable to write to zandslots.ini"));
        QCOMPARE(contentsOf(path), HandWritten);
        return;
    }
    const SavedGameFile::Loaded saved = SavedGameFile(path).load(SavedGameFile::CurrentGameSlot);
    QCOMPARE(saved.name, QStringLiteral("CurrentGame"));
    QCOMPARE(saved.values, (GameRecord{500, 900, 7, 21, 25, 2, 3}));
}

// A second start for the same saved game hands over to the first and ends
// at once, leaving the file to it; with another configuration folder it is
// a game of its own.
void SignalsTest::oneGamePerSavedGame_data()
{
    QTest::addColumn<bool>("sameFolder");
    QTest::newRow("the same folder") << true;
    QTest::newRow("another folder") << false;
}

void SignalsTest::oneGamePerSavedGame()
{
    QFETCH(bool, sameFolder);
    QTemporaryDir first;
    QTemporaryDir second;
    writeGame(first.filePath("zandslots.ini"));
    writeGame(second.filePath("zandslots.ini"));

    QProcess playing;
    QVERIFY(startGame(playing, first.path()));
    const bool firstReady = waitUntilPlaying(playing);
    QProcess again;
    QVERIFY(startGame(again, sameFolder ? first.path() : second.path()));
    bool handedOver = false;
    bool secondReady = false;
    if (sameFolder) {
        handedOver = again.waitForFinished(15000) && again.exitStatus() == QProcess::NormalExit
            && again.exitCode() == 0;
        if (!handedOver) {
            again.kill();
            again.waitForFinished();
        }
    } else {
        secondReady = waitUntilPlaying(again);
    }
    // Nothing was written by the second start.
    const QByteArray whileFirstPlays = contentsOf(first.filePath("zandslots.ini"));
    const bool secondEnded = sameFolder || endsOn(again, SIGTERM);
    const bool firstEnded = endsOn(playing, SIGTERM);

    QVERIFY(firstReady);
    QCOMPARE(handedOver, sameFolder);
    QCOMPARE(secondReady, !sameFolder);
    QCOMPARE(whileFirstPlays, HandWritten);
    QVERIFY(secondEnded);
    QVERIFY(firstEnded);
    // The first game, and only it, saved its play.
    QCOMPARE(SavedGameFile(first.filePath("zandslots.ini")).load(SavedGameFile::CurrentGameSlot).name,
             QStringLiteral("CurrentGame"));
}

// A copy that holds the lock but cannot be reached (stopped, or its address
// gone) still owns the file: a later copy is told so and does not play it.
void SignalsTest::aHolderThatDoesNotAnswerKeepsTheFileFromASecondCopy()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("zandslots.ini"));
    QLockFile holder(file + QStringLiteral(".lock"));
    QVERIFY(holder.tryLock(0));

    SingleGame later(file);
    QCOMPARE(later.claim(), SingleGame::Claim::Unreachable);
    QVERIFY(later.unreachableMessage().contains(file));
    QVERIFY(later.unreachableMessage().contains(later.lockPath()));

    holder.unlock();
    QCOMPARE(SingleGame(file).claim(), SingleGame::Claim::Owner);
}

QTEST_GUILESS_MAIN(SignalsTest)
#include "tst_signals.moc"
