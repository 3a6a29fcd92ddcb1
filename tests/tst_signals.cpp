// The real program, started as the desktop starts it, ends normally on a
// stop signal and leaves its game saved.
#include "game/SavedGame.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/types.h>

using namespace zand;

namespace {

// The signals a process has handlers for, from the kernel's account of it.
quint64 caughtSignals(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16);
    return 0;
}

quint64 maskOf(std::initializer_list<int> signalNumbers)
{
    quint64 mask = 0;
    for (const int n : signalNumbers)
        mask |= quint64{1} << (n - 1);
    return mask;
}

} // namespace

class SignalsTest : public QObject
{
    Q_OBJECT

private slots:
    void stopSignalEndsTheProgramWithTheGameSaved_data();
    void stopSignalEndsTheProgramWithTheGameSaved();
};

void SignalsTest::stopSignalEndsTheProgramWithTheGameSaved_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM, a plain kill") << SIGTERM;
    QTest::newRow("SIGINT, Ctrl+C") << SIGINT;
    QTest::newRow("SIGHUP, the terminal closed") << SIGHUP;
}

void SignalsTest::stopSignalEndsTheProgramWithTheGameSaved()
{
    QFETCH(int, signalNumber);
    QTemporaryDir config;
    const QString path = config.filePath("zandslots.ini");
    // A game in progress, written as the game itself would never write it.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[CurrentGame]\r\nGameName=Left by hand\r\nGameDate=01/01/99\r\nCredits=0x1F4\r\n"
               "Borrowed=900\r\nSpins=7\r\nTotalBets=21\r\nBonusWon=25\r\nBonusPts=2\r\nNudges=3\r\n");
    file.close();

    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("SDL_AUDIODRIVER", "dummy");
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    game.start(QStringLiteral(ZAND_GAME_DIR "/zandslots"), {});
    QVERIFY(game.waitForStarted());

    // Up and running once it answers the stop signals itself.
    const quint64 stopSignals = maskOf({SIGTERM, SIGINT, SIGHUP});
    QDeadlineTimer deadline(30000);
    while ((caughtSignals(game.processId()) & stopSignals) != stopSignals && !deadline.hasExpired())
        QThread::msleep(20);
    const bool ready = (caughtSignals(game.processId()) & stopSignals) == stopSignals;
    ::kill(static_cast<pid_t>(game.processId()), signalNumber);
    const bool ended = game.waitForFinished(15000);
    if (!ended) {
        game.kill();
        game.waitForFinished();
    }
    QVERIFY(ready);
    QVERIFY(ended);
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);

    const SavedGameFile::Loaded saved = SavedGameFile(path).load(SavedGameFile::CurrentGameSlot);
    QCOMPARE(saved.name, QStringLiteral("CurrentGame"));
    QCOMPARE(saved.values, (GameRecord{500, 900, 7, 21, 25, 2, 3}));
}

QTEST_GUILESS_MAIN(SignalsTest)
#include "tst_signals.moc"
