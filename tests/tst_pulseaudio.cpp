// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through a real PulseAudio server, started by the test as its own
// process with a null sink: songs end as they should, and no stream of the
// game stays open once nothing sounds, so the server can rest.

#include "TestSounds.h"

#include "audio/PulseAudio.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zand;

using Ending = MusicOutput::Ending;

using namespace zand::TestSounds;

class TestPulseAudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (server.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("needs pulseaudio and pulseaudio-utils");
        QVERIFY(m_dir.isValid());
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        m_server.setProcessEnvironment(env);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(server, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                                QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
                                QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                                QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=null"),
                                QStringLiteral("-L"), QStringLiteral("module-suspend-on-idle timeout=1")});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
        QTRY_VERIFY_WITH_TIMEOUT((m_audio = PulseAudio::connect(QStringLiteral(ZAND_GAME_DIR "/zandsynth"))) != nullptr, 10000);
        if (!m_audio->midiAvailable())
            QSKIP("needs the General MIDI soundfont of fluid-soundfont-gm");
        m_sound = std::make_unique<PulseSoundOutput>(*m_audio);
        m_music = std::make_unique<PulseMusicOutput>(*m_audio);
        m_music->onEnded = [this](Ending ending) { m_endings.append(ending); };
        write(QStringLiteral("short.mid"), pianoMidi({60, 64, 67}, 24));
        write(QStringLiteral("long.mid"), pianoMidi({60, 64, 67, 72}, 384));
    }

    void cleanupTestCase()
    {
        m_music.reset();
        m_sound.reset();
        m_audio.reset();
        m_server.terminate();
        m_server.waitForFinished();
    }

    void init() { m_endings.clear(); }

    void aSongPlaysToItsEndAndLeavesNoStream()
    {
        QString error;
        QVERIFY2(m_music->open(m_dir.filePath(QStringLiteral("short.mid")), &error), qPrintable(error));
        m_music->play();
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(m_endings, QList<Ending>{Ending::Successful}, 15000);
        QTRY_COMPARE(streams(), 0);
        m_music->close();
    }

    void stoppingAPlayIsNeverSuccessfulAndClosesItsStream()
    {
        QVERIFY(m_music->open(m_dir.filePath(QStringLiteral("long.mid")), nullptr));
        m_music->play();
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 1, 15000);
        m_music->play();
        QTest::qWait(200);
        m_music->close();
        QTRY_COMPARE(m_endings, (QList<Ending>{Ending::Superseded, Ending::Aborted}));
        QCOMPARE(streams(), 0);
    }

    // A run of effects keeps its stream a moment, then lets the server rest;
    // effects pressed while the stream is being made leave no other behind.
    void effectsCloseTheirStreamWhenSilent()
    {
        for (int effect = 0; effect < 3; ++effect)
            m_sound->playMemory(toneWave(0.2));
        QVERIFY(m_sound->isPlaying());
        // A new stream on the null sink drains only with the sink's first
        // block, which is up to two seconds long.
        QTRY_VERIFY_WITH_TIMEOUT(!m_sound->isPlaying(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(streams(), 0, 5000);
    }

private:
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // The streams the server plays for anyone: the game's are the only ones.
    int streams()
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        pactl.waitForFinished();
        return int(pactl.readAllStandardOutput().count('\n'));
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    std::unique_ptr<PulseAudio> m_audio;
    std::unique_ptr<PulseSoundOutput> m_sound;
    std::unique_ptr<PulseMusicOutput> m_music;
    QList<Ending> m_endings;
};

QTEST_GUILESS_MAIN(TestPulseAudio)
#include "tst_pulseaudio.moc"
