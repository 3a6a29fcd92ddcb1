// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's sounds: when each effect is heard, what Options > Sound
// silences, and the background music's playlist through the music timer,
// the spin, Options > Music and a player that fails.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"

#include "app/Controls.h"
#include "audio/MusicBox.h"
#include "bonus/BonusScreen.h"
#include "platform/Canvas.h"
#include "audio/SdlAudio.h"
#include "audio/SoundBoard.h"
#include "reels/Payout.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace zand;

using Ending = MusicOutput::Ending;

using namespace GameSounds;

namespace {

QString track(int n)
{
    return QStringLiteral("Zand%1.mid").arg(n);
}

// What the player asks of the music player to start track n.
QStringList starts(int n)
{
    return {QStringLiteral("open ") + track(n), QStringLiteral("play ") + track(n)};
}

// The loudest 16-bit sample the disk audio driver wrote after byte `from`.
int loudestSince(const QString &capture, qint64 from)
{
    QFile file(capture);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from & ~qint64(1)))
        return 0;
    const QByteArray bytes = file.readAll();
    const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
    int loudest = 0;
    for (qsizetype i = 0; i < bytes.size() / 2; ++i)
        loudest = std::max(loudest, std::abs(int(samples[i])));
    return loudest;
}

} // namespace

class SoundTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void effectsSoundAtTheirMoments();
    void theSafeSoundsOnlyForAMouseChoice();
    void soundOffSilencesAllButTheWin();
    void playlistCyclesOverThePresentTracks_data();
    void playlistCyclesOverThePresentTracks();
    void withoutMusicFilesNothingIsOpened();
    void musicOffAndOnRestartsTheTrack();
    void aPendingStartWaitsWhileTheMusicIsOff();
    void musicOnBeforeAnyTrackStartsTheFirstPresent();
    void aSpinStartsAPendingTrackBeforeTheReelsTurn();
    void aTrackThatCannotOpenIsReportedOnceAndStopsTheCycle();
    void onlyATrackPlayedToItsEndStartsTheNext();
    void aTrackThatCannotBePlayedIsSkippedUntilMusicOnAgain();
    void theWelcomeIsHeardThroughTheSoundDevice();
    void volumesReachTheOutputsAndSurviveARestart();

private:
    GameState &state() { return m_game->state(); }
    MainWindow &window() { return *m_game->window; }
    RecordingSound &sound() { return m_game->sound; }
    FakeMusic &music() { return m_game->music; }
    QAction *menuAction(const QString &text);
    void addTracks(const QList<int> &tracks);
    void pressNudge(int reel);

    std::unique_ptr<GameFixture> m_game;
};

void SoundTest::init()
{
    m_game = std::make_unique<GameFixture>();
}

void SoundTest::cleanup()
{
    m_game.reset();
}

QAction *SoundTest::menuAction(const QString &text)
{
    const QList<QAction *> actions = window().menuBar()->findChildren<QAction *>();
    for (QAction *action : actions)
        if (action->text() == text)
            return action;
    return nullptr;
}

void SoundTest::addTracks(const QList<int> &tracks)
{
    for (int n : tracks)
        m_game->writeFile(track(n), {});
}

void SoundTest::pressNudge(int reel)
{
    const Config &config = probe(window()).config();
    probe(window()).controls().mousePressed(QPoint(config.scale(296 + 104 * reel), config.scale(250)));
}

void SoundTest::effectsSoundAtTheirMoments()
{
    m_game->start(false);
    QVERIFY(sound().played.empty());
    probe(window()).startUpTick();
    QCOMPARE(sound().names(), QStringList{WelcomeSound});

    // Random stops with the bonus screen left out: whatever the spin shows,
    // three coins come first, then one stop per reel.
    probe(window()).random().seed(7);
    probe(window()).skipBonusGames();
    sound().played.clear();
    probe(window()).controls().betOne();
    QCOMPARE(sound().names(), QStringList{CoinSound});
    probe(window()).controls().betOne();
    probe(window()).controls().betMax();
    QCOMPARE(sound().names().mid(0, 4), (QStringList{CoinSound, CoinSound, CoinSound, StopSound}));
    QCOMPARE(sound().count(CoinSound), 3);
    QCOMPARE(sound().count(StopSound), 3);

    sound().played.clear();
    probe(window()).controls().betMax();
    QCOMPARE(sound().count(CoinSound), 3);
    QCOMPARE(sound().count(StopSound), 3);

    // A nudge that wins nothing: one landing.
    state().reelStops = {1, 9, 11};
    state().lastBet = 1;
    state().nudges = 2;
    state().nudgeMode = true;
    sound().played.clear();
    pressNudge(0);
    QCOMPARE(state().reelStops[0], 30);
    QCOMPARE(sound().names(), QStringList{StopSound});

    // A nudge to a win of 250: the landing, the fanfare, then one tick per
    // step of the count-up.
    state().reelStops = {2, 9, 8};
    state().lastBet = 2;
    state().nudgeMode = true;
    int steps = 0;
    int credits = state().credits;
    m_game->clock.onPump = [&] {
        steps += state().credits != credits;
        credits = state().credits;
    };
    sound().played.clear();
    pressNudge(0);
    m_game->clock.onPump = nullptr;
    QCOMPARE(sound().names().mid(0, 3), (QStringList{StopSound, WinSound, TallySound}));
    QCOMPARE(sound().count(StopSound), 1);
    QCOMPARE(sound().count(WinSound), 1);
    QCOMPARE(sound().count(TallySound), steps);
    QCOMPARE(steps, 50);
}

void SoundTest::theSafeSoundsOnlyForAMouseChoice()
{
    m_game->start();
    SoundBoard board(probe(window()).config(), probe(window()).session(), sound());
    const Prizes::Table prizes{10, 20, 30, 40, 50, 60, 70, 80};
    sound().played.clear();

    BonusScreen clicked(probe(window()).config(), probe(window()).machine(), probe(window()).session(), probe(window()).random(), board, prizes);
    clicked.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clicked));
    ScreenProbe::click(clicked.canvas(), clicked.safeRect(3).center());
    QCOMPARE(clicked.chosenSafe(), 3);
    QCOMPARE(sound().names(), QStringList{SafeSound});
    clicked.openTimer.stop();

    sound().played.clear();
    BonusScreen keyed(probe(window()).config(), probe(window()).machine(), probe(window()).session(), probe(window()).random(), board, prizes);
    keyed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyed));
    QTest::keyClick(&keyed, Qt::Key_Space);
    QVERIFY(keyed.chosenSafe() >= 0);
    keyed.openTimer.stop();
    QVERIFY(sound().played.empty());
}

void SoundTest::soundOffSilencesAllButTheWin()
{
    m_game->start(false);
    QAction *soundItem = menuAction(QStringLiteral("Sound"));
    QVERIFY(soundItem);
    QVERIFY(soundItem->isCheckable());
    QVERIFY(soundItem->isChecked());
    soundItem->trigger();
    QVERIFY(!soundItem->isChecked());
    QVERIFY(!probe(window()).session().soundOn);

    // Whatever the spin wins, only fanfares are heard.
    probe(window()).startUpTick();
    probe(window()).skipBonusGames();
    probe(window()).controls().betMax();
    SoundBoard(probe(window()).config(), probe(window()).session(), sound()).playSafe();
    state().reelStops = {1, 9, 11};
    state().lastBet = 1;
    state().nudges = 1;
    state().nudgeMode = true;
    pressNudge(0);
    QCOMPARE(sound().played.size(), size_t(sound().count(WinSound)));
    const int fanfares = sound().count(WinSound);

    state().reelStops = {1, 9, 11};
    state().bet = 2;
    const int credits = state().credits;
    probe(window()).payout().evaluateLines(state().bet);
    QCOMPARE(state().credits - credits, 250);
    QCOMPARE(sound().names(), QStringList(fanfares + 1, WinSound));

    soundItem->trigger();
    QVERIFY(soundItem->isChecked());
    QVERIFY(probe(window()).session().soundOn);
    state().bet = 0;
    sound().played.clear();
    probe(window()).controls().betOne();
    QCOMPARE(sound().names(), QStringList{CoinSound});
}

void SoundTest::playlistCyclesOverThePresentTracks_data()
{
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QList<int>>("played");
    QTest::newRow("only 2: repeated") << QList<int>{2} << QList<int>{2, 2, 2};
    QTest::newRow("1 and 3") << QList<int>{1, 3} << QList<int>{1, 3, 1, 3};
}

void SoundTest::playlistCyclesOverThePresentTracks()
{
    QFETCH(QList<int>, present);
    QFETCH(QList<int>, played);
    addTracks(present);
    m_game->start();
    // The start-up tick only chooses; the music timer starts the track.
    QCOMPARE(probe(window()).music().track(), 10 + played.first());
    QVERIFY(music().log.isEmpty());
    QVERIFY(probe(window()).music().timer.isActive());
    QTRY_COMPARE_WITH_TIMEOUT(music().log, starts(played.first()), 1000);
    QCOMPARE(probe(window()).music().track(), played.first());
    // While a track plays there is nothing to serve: no timer ticks.
    QVERIFY(!probe(window()).music().timer.isActive());

    QStringList expected = starts(played.first());
    for (int n : played.mid(1)) {
        music().finish();
        QCOMPARE(probe(window()).music().track(), 10 + n);
        probe(window()).music().servePending();
        expected << QStringLiteral("close") << starts(n);
        QCOMPARE(music().log, expected);
        // Served once only.
        probe(window()).music().servePending();
        QCOMPARE(music().log, expected);
    }
}

void SoundTest::withoutMusicFilesNothingIsOpened()
{
    m_game->start();
    QCOMPARE(probe(window()).music().track(), 19);
    probe(window()).music().servePending();
    QCOMPARE(probe(window()).music().track(), 9);
    QTest::qWait(150);
    QCOMPARE(probe(window()).music().track(), 9);

    QAction *musicItem = menuAction(QStringLiteral("Music"));
    QVERIFY(musicItem);
    musicItem->trigger();
    QVERIFY(!musicItem->isChecked());
    musicItem->trigger();
    QVERIFY(musicItem->isChecked());
    probe(window()).skipBonusGames();
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    QVERIFY(music().log.filter(QStringLiteral("open")).isEmpty());
    QCOMPARE(probe(window()).music().track(), 9);
}

void SoundTest::musicOffAndOnRestartsTheTrack()
{
    addTracks({1, 3});
    m_game->start();
    probe(window()).music().servePending();
    music().finish();
    probe(window()).music().servePending();
    QCOMPARE(probe(window()).music().track(), 3);
    music().log.clear();

    QAction *musicItem = menuAction(QStringLiteral("Music"));
    QVERIFY(musicItem->isChecked());
    musicItem->trigger();
    QVERIFY(!musicItem->isChecked());
    QVERIFY(!probe(window()).session().musicOn);
    QCOMPARE(music().log, QStringList{"close"});
    music().finish(Ending::Aborted); // what closing a playing track reports
    QTest::qWait(150);
    QCOMPARE(music().log, QStringList{"close"});

    musicItem->trigger();
    QVERIFY(musicItem->isChecked());
    QVERIFY(probe(window()).session().musicOn);
    QCOMPARE(music().log, QStringList{"close"} + starts(3));
    QCOMPARE(probe(window()).music().track(), 3);
}

void SoundTest::aPendingStartWaitsWhileTheMusicIsOff()
{
    addTracks({1, 3});
    m_game->start();
    probe(window()).music().servePending();
    music().finish();
    QCOMPARE(probe(window()).music().track(), 13);
    QAction *musicItem = menuAction(QStringLiteral("Music"));
    musicItem->trigger();
    music().log.clear();

    // Neither the music timer nor a spin starts it while the music is off.
    QTest::qWait(250);
    probe(window()).skipBonusGames();
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    QVERIFY(music().log.isEmpty());

    musicItem->trigger();
    QCOMPARE(music().log, starts(3));
    QCOMPARE(probe(window()).music().track(), 3);
}

void SoundTest::musicOnBeforeAnyTrackStartsTheFirstPresent()
{
    // Music switched off before the start-up tick chooses a track.
    addTracks({2, 4});
    m_game->start(false);
    QAction *musicItem = menuAction(QStringLiteral("Music"));
    musicItem->trigger();
    probe(window()).startUpTick();
    QTest::qWait(150);
    QCOMPARE(music().log, QStringList{"close"});

    musicItem->trigger();
    QCOMPARE(music().log, QStringList{"close"} + starts(2));
    music().finish();
    probe(window()).music().servePending();
    QCOMPARE(music().log.mid(3), QStringList{"close"} + starts(4));
}

void SoundTest::aSpinStartsAPendingTrackBeforeTheReelsTurn()
{
    addTracks({2});
    m_game->start();
    probe(window()).music().timer.stop(); // only the spin may start it
    probe(window()).skipBonusGames();
    probe(window()).controls().betOne();
    QVERIFY(music().log.isEmpty());

    // The first frame of the reels finds the track playing.
    std::optional<QStringList> atFirstFrame;
    m_game->clock.onPump = [&] {
        if (!atFirstFrame)
            atFirstFrame = music().log;
    };
    probe(window()).controls().spin();
    QVERIFY(atFirstFrame);
    QCOMPARE(*atFirstFrame, starts(2));
    QCOMPARE(sound().count(StopSound), 3);

    // Nothing pending: the next spin leaves the music alone.
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    m_game->clock.onPump = nullptr;
    QCOMPARE(music().log, starts(2));
}

void SoundTest::aTrackThatCannotOpenIsReportedOnceAndStopsTheCycle()
{
    addTracks({1, 3});
    music().unopenable = {track(1)};
    ModalAnswerer answerer;
    m_game->start();
    QTRY_COMPARE_WITH_TIMEOUT(answerer.messages, QStringList{"cannot open Zand1.mid"}, 1000);
    QTest::qWait(300);
    probe(window()).skipBonusGames();
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    QCOMPARE(answerer.messages.size(), 1);
    QCOMPARE(music().log, QStringList{"open Zand1.mid"});
    QCOMPARE(probe(window()).music().track(), 1);

    // Off and on tries the same file again.
    music().unopenable.clear();
    QAction *musicItem = menuAction(QStringLiteral("Music"));
    musicItem->trigger();
    musicItem->trigger();
    QCOMPARE(music().log, (QStringList{"open Zand1.mid", "close"} + starts(1)));
    QCOMPARE(answerer.messages.size(), 1);
}

void SoundTest::onlyATrackPlayedToItsEndStartsTheNext()
{
    addTracks({1, 3});
    m_game->start();
    probe(window()).music().servePending();
    for (Ending ending : {Ending::Aborted, Ending::Superseded})
        music().finish(ending);
    probe(window()).music().servePending();
    QTest::qWait(150);
    QCOMPARE(music().log, starts(1));
    QCOMPARE(probe(window()).music().track(), 1);
}

void SoundTest::aTrackThatCannotBePlayedIsSkippedUntilMusicOnAgain()
{
    addTracks({1, 3});
    m_game->start();
    probe(window()).music().servePending();
    music().finish(Ending::Failure);
    QCOMPARE(probe(window()).music().track(), 13);
    probe(window()).music().servePending();
    QCOMPARE(music().log, starts(1) + QStringList{"close"} + starts(3));

    // Neither can be played: the music rests, whatever the timer or a spin.
    music().finish(Ending::Failure);
    QTest::qWait(250);
    probe(window()).skipBonusGames();
    probe(window()).controls().betOne();
    probe(window()).controls().spin();
    QCOMPARE(music().log, starts(1) + QStringList{"close"} + starts(3) + QStringList{"close"});
    QVERIFY(!probe(window()).music().timer.isActive());

    // Music off and on tries the cycle again from its start.
    music().log.clear();
    QAction *musicItem = menuAction(QStringLiteral("Music"));
    musicItem->trigger();
    musicItem->trigger();
    QCOMPARE(music().log, QStringList{"close"} + starts(1));
    QCOMPARE(probe(window()).music().track(), 1);
}

void SoundTest::theWelcomeIsHeardThroughTheSoundDevice()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString capture = dir.filePath(QStringLiteral("capture.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(capture));
    // No music here: without a soundfont the device is ready at once.
    qputenv("SDL_SOUNDFONTS", QFile::encodeName(dir.filePath(QStringLiteral("none.sf2"))));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Music is off: ")));
    {
        SdlAudio audio;
        QVERIFY(audio.available());
        SdlSoundOutput output(audio);
        Config config;
        config.appPath = GameFixture::gameDir() + QLatin1Char('/');
        Session session;
        SoundBoard board(config, session, output);
        QVERIFY(board.loadSoundBuffers(nullptr));

        QTest::qWait(100);
        QCOMPARE(loudestSince(capture, 0), 0);
        const qint64 before = QFileInfo(capture).size();
        board.playWelcome();
        QVERIFY(output.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(loudestSince(capture, before) > 1000, 2000);
        // The welcome runs over a second: longer than the default sound a
        // file that fails to load would give.
        QTest::qWait(400);
        QVERIFY(output.isPlaying());
    }
    qunsetenv("SDL_SOUNDFONTS");
    qunsetenv("SDL_DISKAUDIOFILE");
}

void SoundTest::volumesReachTheOutputsAndSurviveARestart()
{
    m_game->start();
    QCOMPARE(m_game->sound.volume, 100);
    QCOMPARE(m_game->music.volume, 100);
    const qsizetype before = m_game->sound.played.size();
    // Both levels are heard while the sliders move, and kept when the window
    // closes; the saved-game file is left as it was.
    ModalAnswerer answerer([](QWidget *modal) {
        modal->findChild<QSlider *>(QStringLiteral("effects"))->setValue(30);
        modal->findChild<QSlider *>(QStringLiteral("music"))->setValue(55);
        modal->close();
    });
    menuAction(QStringLiteral("&Volume..."))->trigger();
    QCOMPARE(m_game->sound.volume, 30);
    QCOMPARE(m_game->music.volume, 55);
    QVERIFY(qsizetype(m_game->sound.played.size()) > before);
    QFile savedGame(m_game->savedGamePath());
    QVERIFY(!savedGame.open(QIODevice::ReadOnly) || !savedGame.readAll().contains("Volume"));

    m_game->window.reset();
    m_game->sound.volume = m_game->music.volume = -1;
    m_game->start();
    QCOMPARE(m_game->sound.volume, 30);
    QCOMPARE(m_game->music.volume, 55);
}

ZAND_TEST_MAIN(SoundTest)
#include "tst_sound.moc"