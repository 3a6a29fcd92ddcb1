// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through the real device, mixer and music renderer on SDL's "disk"
// audio driver, which writes the mixed stream to a file, and listens to that
// file. Songs are synthesised into a cache directory of the test's own.

#include "TestSounds.h"

#include "audio/SdlAudio.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cmath>
#include <csignal>
#include <memory>
#include <numbers>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zand;
using namespace zand::TestSounds;

using Ending = MusicOutput::Ending;

namespace {

// The device is opened as 44.1 kHz, 16-bit stereo.
constexpr qint64 BytesPerSecond = 44100 * 2 * 2;
constexpr int Audible = 300; // sample value that no silent stream reaches

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The stream the disk driver writes, read back as it grows.
struct Capture {
    QString path;

    qint64 size() const { return QFile(path).size(); }

    // Byte offset of the first audible sample at or after `from`, or -1.
    qint64 firstAudible(qint64 from) const
    {
        from &= ~qint64(1);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
            return -1;
        const QByteArray bytes = file.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        const auto *loud = std::find_if(samples, samples + bytes.size() / 2, [](qint16 s) { return std::abs(s) > Audible; });
        return loud == samples + bytes.size() / 2 ? -1 : from + 2 * (loud - samples);
    }

    // The loudest sample at or after `from`.
    int loudest(qint64 from) const
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from & ~qint64(1)))
            return 0;
        const QByteArray bytes = file.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        int peak = 0;
        for (qsizetype i = 0; i < bytes.size() / 2; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        return peak;
    }

    // Waits for audible sound after `from`; returns how much audio came before it, in ms, or -1.
    double waitForSound(qint64 from) const
    {
        qint64 at = -1;
        const bool heard = QTest::qWaitFor([&] { return (at = firstAudible(from)) >= 0; }, 2000);
        return heard ? 1000.0 * double(at - from) / BytesPerSecond : -1;
    }
};

const QString Renderer = QStringLiteral(ZAND_GAME_DIR "/zandsynth");

void useDiskDriver(const QString &capturePath)
{
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(capturePath));
}

QStringList cachedSongs(const QString &cache)
{
    return QDir(cache + QStringLiteral("/zandslots")).entryList({QStringLiteral("*.wav")}, QDir::Files);
}

} // namespace

class TestSdlAudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        useDiskDriver(m_capture.path);
        qunsetenv("SDL_SOUNDFONTS");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(path("cache")));
        writeFile(path("tone.wav"), toneWave(0.3));
        writeFile(path("long.wav"), toneWave(2.0));
        writeFile(path("text.wav"), "not a wave file");
        writeFile(path("short.mid"), pianoMidi({60, 64, 67, 72}, 24));
        writeFile(path("long.mid"), pianoMidi({60, 64, 67, 72}, 384));

        writeFile(path("empty.mid"), {});
        writeFile(path("cut.mid"), pianoMidi({60, 64, 67, 72}, 384).left(40));
        QByteArray noise(3000, Qt::Uninitialized);
        for (qsizetype i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919 + 13) % 251);
        writeFile(path("noise.mid"), noise);

        m_audio = std::make_unique<SdlAudio>(Renderer);
        QVERIFY(m_audio->available());
        m_midi = m_audio->midiAvailable();
        m_sound = std::make_unique<SdlSoundOutput>(*m_audio);
        m_music = std::make_unique<SdlMusicOutput>(*m_audio);
        m_music->onEnded = [this](Ending ending) {
            QCOMPARE(QThread::currentThread(), thread());
            m_endings.append(ending);
        };
    }

    void cleanupTestCase()
    {
        m_music.reset();
        m_sound.reset();
        m_audio.reset();
    }

    void init()
    {
        m_endings.clear();
        QTRY_VERIFY(!m_sound->isPlaying());
    }

    void effectsAreHeard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("file") << QStringLiteral("tone.wav") << 1000;
        QTest::newRow("memory") << QString() << 1000;
        QTest::newRow("missing file: default sound") << QStringLiteral("missing.wav") << 400;
        QTest::newRow("not a wave: default sound") << QStringLiteral("text.wav") << 400;
    }

    void effectsAreHeard()
    {
        QFETCH(QString, file);
        QFETCH(int, maxMs);
        const QByteArray image = toneWave(0.3);
        const qint64 before = m_capture.size();
        file.isEmpty() ? m_sound->playMemory(image) : m_sound->playFile(path(file));
        QVERIFY(m_sound->isPlaying());
        const double latency = m_capture.waitForSound(before);
        QVERIFY(latency >= 0);
        qInfo("sound started after about %.0f ms of audio", latency);
        QVERIFY(latency < 200);
        QTRY_VERIFY_WITH_TIMEOUT(!m_sound->isPlaying(), maxMs);
    }

    void aNewEffectCutsOffThePlayingOne()
    {
        m_sound->playFile(path("long.wav"));
        QTest::qWait(100);
        m_sound->playMemory(toneWave(0.1));
        QTRY_VERIFY_WITH_TIMEOUT(!m_sound->isPlaying(), 600);
    }

    void theDeviceRestsWhileNothingSoundsAndWakesAtOnce()
    {
        m_sound->playMemory(toneWave(0.1));
        QTRY_VERIFY(!m_sound->isPlaying());
        QTest::qWait(100); // the end of the effect reaches the game
        const qint64 resting = m_capture.size();
        QTest::qWait(300);
        QCOMPARE(m_capture.size(), resting);
        m_sound->playMemory(toneWave(0.3));
        const double before = m_capture.waitForSound(resting);
        QVERIFY(before >= 0 && before < 50);
    }

    void musicIsHeardAndReportsItsEnd()
    {
        if (!m_midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        const qint64 before = m_capture.size();
        QElapsedTimer stall;
        stall.start();
        QString error;
        QVERIFY2(m_music->open(path("short.mid"), &error), qPrintable(error));
        m_music->play();
        qInfo("open and play of a track held the window for %lld ms", stall.elapsed());
        // The first play waits for the song to be synthesised.
        QTRY_VERIFY_WITH_TIMEOUT(m_capture.firstAudible(before) >= 0, 10000);
        QVERIFY(m_endings.isEmpty());
        // FluidSynth's player adds two seconds after the last sound.
        QTRY_COMPARE_WITH_TIMEOUT(m_endings, QList<Ending>{Ending::Successful}, 8000);
        QCOMPARE(cachedSongs(path("cache")).size(), 1);
        m_music->close();
        QTest::qWait(50);
        QCOMPARE(m_endings, QList<Ending>{Ending::Successful});
    }

    // Summed, an effect near full scale and the music would clip: the music
    // softens under the effect instead, which keeps its own loudness.
    void anEffectOverMusicNeverClips()
    {
        if (!m_midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        const qint64 before = m_capture.size();
        QVERIFY(m_music->open(path("long.mid"), nullptr));
        m_music->play();
        QTRY_VERIFY_WITH_TIMEOUT(m_capture.firstAudible(before) >= 0, 10000);
        QTest::qWait(300);
        const qint64 over = m_capture.size();
        m_sound->playMemory(toneWave(0.5, 32000));
        QTRY_VERIFY(!m_sound->isPlaying());
        const int peak = m_capture.loudest(over);
        m_music->close();
        QTRY_COMPARE(m_endings, QList<Ending>{Ending::Aborted});
        QVERIFY2(peak < 32767 && peak > 31000, qPrintable(QString::number(peak)));
    }

    void stoppingAPlayIsNeverSuccessful()
    {
        if (!m_midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        QVERIFY(m_music->open(path("long.mid"), nullptr));
        m_music->play();
        QTest::qWait(200);
        m_music->play();
        QTest::qWait(200);
        m_music->close();
        const qint64 closedAt = m_capture.size();
        QTest::qWait(300);
        QCOMPARE(m_endings, (QList<Ending>{Ending::Superseded, Ending::Aborted}));
        QVERIFY2(m_capture.firstAudible(closedAt + BytesPerSecond / 10) < 0, "the music goes on after close");
    }

    // Each fails at once, is reported once and never sounds: the game skips it.
    void aBrokenSongFailsOnceAndQuietly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("zero bytes") << QStringLiteral("empty.mid");
        QTest::newRow("truncated") << QStringLiteral("cut.mid");
        QTest::newRow("random bytes") << QStringLiteral("noise.mid");
    }

    void aBrokenSongFailsOnceAndQuietly()
    {
        if (!m_midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        QFETCH(QString, file);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Music: %1 .*; it is left out\\.$").arg(file)));
        const qint64 before = m_capture.size();
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(m_music->open(path(file), nullptr));
            m_music->play();
            QTRY_COMPARE_WITH_TIMEOUT(m_endings.size(), round, 10000);
            m_music->close();
        }
        QTest::qWait(100);
        QCOMPARE(m_endings, (QList<Ending>{Ending::Failure, Ending::Failure}));
        QVERIFY(m_capture.firstAudible(before) < 0);
    }

    void aMissingMusicFileFailsToOpen()
    {
        if (!m_midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        QString error;
        QVERIFY(!m_music->open(path("missing.mid"), &error));
        QVERIFY(!error.isEmpty());
        m_music->play();
        m_music->close();
        QTest::qWait(50);
        QVERIFY(m_endings.isEmpty());
    }

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString path(const char *name) const { return path(QLatin1String(name)); }

    QTemporaryDir m_dir;
    Capture m_capture{m_dir.filePath(QStringLiteral("capture.raw"))};
    std::unique_ptr<SdlAudio> m_audio;
    std::unique_ptr<SdlSoundOutput> m_sound;
    std::unique_ptr<SdlMusicOutput> m_music;
    bool m_midi = false;
    QList<Ending> m_endings;
};

// Each case opens the device itself, so these run after TestSdlAudio has
// closed its device.
class TestSdlAudioFallback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        useDiskDriver(m_capture.path);
        writeFile(m_dir.filePath(QStringLiteral("tune.mid")), pianoMidi({60, 64, 67}, 48));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); // the one notice is expected below
    }

    void cleanup() { qunsetenv("SDL_SOUNDFONTS"); }

    // SDL would otherwise turn Ctrl+C and a request to end into an event
    // that nobody reads, and the game would not end.
    void theDeviceLeavesTheSignalsAlone()
    {
        struct sigaction defaults{};
        defaults.sa_handler = SIG_DFL;
        struct sigaction testsOwn[2]{};
        sigaction(SIGINT, &defaults, &testsOwn[0]);
        sigaction(SIGTERM, &defaults, &testsOwn[1]);
        bool leftAlone = true;
        {
            SdlAudio audio(Renderer);
            QVERIFY(audio.available());
            for (int signal : {SIGINT, SIGTERM}) {
                struct sigaction action{};
                sigaction(signal, nullptr, &action);
                leftAlone = leftAlone && action.sa_handler == SIG_DFL;
            }
        }
        sigaction(SIGINT, &testsOwn[0], nullptr);
        sigaction(SIGTERM, &testsOwn[1], nullptr);
        QVERIFY(leftAlone);
    }

    // Played again, even after a restart, a song comes from the cache: the
    // renderer is not needed any more.
    void aSongIsSynthesisedOnce()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        {
            SdlAudio audio(Renderer);
            if (!audio.midiAvailable())
                QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
            SdlMusicOutput music(audio);
            QVERIFY(music.open(m_dir.filePath(QStringLiteral("tune.mid")), nullptr));
            music.play();
            QTRY_COMPARE_WITH_TIMEOUT(cachedSongs(m_dir.filePath(QStringLiteral("cache"))).size(), 1, 10000);
        }
        SdlAudio audio(QStringLiteral("/bin/false"));
        SdlMusicOutput music(audio);
        QList<Ending> endings;
        music.onEnded = [&endings](Ending ending) { endings.append(ending); };
        const qint64 before = m_capture.size();
        QVERIFY(music.open(m_dir.filePath(QStringLiteral("tune.mid")), nullptr));
        music.play();
        QVERIFY(m_capture.waitForSound(before) >= 0);
        music.close();
        QTest::qWait(50);
        QCOMPARE(endings, QList<Ending>{Ending::Aborted});
    }

    // A song cut short or overwritten in the cache is made again, not left
    // out for good.
    void aDamagedSongIsMadeAgain_data()
    {
        QTest::addColumn<bool>("truncated");
        QTest::newRow("cut short") << true;
        QTest::newRow("overwritten") << false;
    }

    void aDamagedSongIsMadeAgain()
    {
        QFETCH(bool, truncated);
        const QString cache = m_dir.filePath(QStringLiteral("damaged-cache"));
        QDir(cache).removeRecursively();
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
        const QString tune = m_dir.filePath(QStringLiteral("tune.mid"));
        qint64 whole = 0;
        QString wave;
        {
            SdlAudio audio(Renderer);
            if (!audio.midiAvailable())
                QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
            SdlMusicOutput music(audio);
            QVERIFY(music.open(tune, nullptr));
            music.play();
            QTRY_COMPARE_WITH_TIMEOUT(cachedSongs(cache).size(), 1, 10000);
            wave = cache + QStringLiteral("/zandslots/") + cachedSongs(cache).constFirst();
            whole = QFileInfo(wave).size();
        }
        QFile damaged(wave);
        if (truncated)
            QVERIFY(damaged.resize(whole / 2));
        else
            writeFile(wave, "not a wave file at all");

        SdlAudio audio(Renderer);
        SdlMusicOutput music(audio);
        const qint64 before = m_capture.size();
        QVERIFY(music.open(tune, nullptr));
        music.play();
        QVERIFY(m_capture.waitForSound(before) >= 0);
        QCOMPARE(QFileInfo(wave).size(), whole);
    }

    // Neither a pipe in a song's place nor a renderer that does not end
    // when told holds the game up: it ends within moments.
    void nothingStuckHoldsTheEndUp()
    {
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.mid"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString stubborn = m_dir.filePath(QStringLiteral("stubborn"));
        writeFile(stubborn, "#!/bin/sh\ntrap '' TERM\nsleep 6\n");
        QFile::setPermissions(stubborn, QFile::ReadOwner | QFile::ExeOwner);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("stuck-cache"))));
        // Should the game wait on the pipe after all, a writer ends the wait
        // in time for the test to say so.
        std::thread writer([&pipe] {
            QThread::sleep(4);
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
        QElapsedTimer clock;
        qint64 pipeRefused = 0;
        qint64 ended = 0;
        bool midi = false;
        {
            SdlAudio audio(stubborn);
            midi = audio.midiAvailable();
            auto music = std::make_unique<SdlMusicOutput>(audio);
            clock.start();
            music->prepare({pipe});
            QString error;
            const bool opened = music->open(pipe, &error);
            pipeRefused = clock.elapsed();
            QVERIFY(!opened);
            QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
            // The renderer is at work on a song now.
            QVERIFY(music->open(m_dir.filePath(QStringLiteral("tune.mid")), nullptr));
            QTest::qWait(300);
            clock.restart();
            music.reset();
            ended = clock.elapsed();
        }
        writer.join();
        QVERIFY2(pipeRefused < 500, qPrintable(QString::number(pipeRefused)));
        if (!midi)
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        QVERIFY2(ended < 3000, qPrintable(QString::number(ended)));
    }

    void withoutSoundFontOnlyMusicIsSilent()
    {
        qputenv("SDL_SOUNDFONTS", QFile::encodeName(m_dir.filePath(QStringLiteral("none.sf2"))));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Music is off: .*soundfont")));
        SdlAudio audio(Renderer);
        QVERIFY(audio.available());
        QVERIFY(!audio.midiAvailable());
        QVERIFY(musicIsSilent(audio));

        SdlSoundOutput sound(audio);
        const qint64 before = m_capture.size();
        sound.playFile(m_dir.filePath(QStringLiteral("missing.wav")));
        QVERIFY(m_capture.waitForSound(before) >= 0);
    }

    void withoutDeviceEverythingIsSilent()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Sound is off: ")));
        SdlAudio audio(Renderer);
        QVERIFY(!audio.available());
        QVERIFY(!audio.midiAvailable());
        SdlSoundOutput sound(audio);
        sound.playFile(m_dir.filePath(QStringLiteral("missing.wav")));
        sound.playMemory(toneWave(0.2));
        QVERIFY(!sound.isPlaying()); // waiting for the win sound to end must not hang
        QVERIFY(musicIsSilent(audio));
    }

private:
    // Music opens without an error, plays nothing and reports a failed play.
    bool musicIsSilent(SdlAudio &audio)
    {
        SdlMusicOutput music(audio);
        QList<Ending> endings;
        music.onEnded = [&endings](Ending ending) { endings.append(ending); };
        const qint64 before = m_capture.size();
        if (!music.open(m_dir.filePath(QStringLiteral("tune.mid")), nullptr))
            return false;
        music.play();
        QTest::qWait(400);
        music.close();
        return endings == QList<Ending>{Ending::Failure} && m_capture.firstAudible(before) < 0;
    }

    QTemporaryDir m_dir;
    Capture m_capture{m_dir.filePath(QStringLiteral("fallback.raw"))};
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        TestSdlAudio test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        TestSdlAudioFallback test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_sdlaudio.moc"
