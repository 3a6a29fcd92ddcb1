// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays through a real sound server, started by the test as its own
// processes with a null sink: PulseAudio, or with ZAND_SOUND_SERVER=pipewire
// PipeWire with its pulse server, which most desktops now run and which
// makes and ends streams in its own time. Songs end as they should, and no
// stream of the game stays open once nothing sounds, so the server can rest.

#include "TestSounds.h"

#include "audio/PulseAudio.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace zand;

using Ending = MusicOutput::Ending;

using namespace zand::TestSounds;

class TestSoundServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("cache"))));
        m_pipeWire = qgetenv("ZAND_SOUND_SERVER") == "pipewire";
        const QStringList needed = m_pipeWire
                                       ? QStringList{QStringLiteral("dbus-daemon"), QStringLiteral("pipewire"), QStringLiteral("wireplumber"), QStringLiteral("pipewire-pulse"), QStringLiteral("pactl")}
                                       : QStringList{QStringLiteral("pulseaudio"), QStringLiteral("pactl")};
        for (const QString &program : needed) {
            if (QStandardPaths::findExecutable(program).isEmpty())
                QSKIP(qPrintable(program + QStringLiteral(" is missing (pipewire pipewire-pulse wireplumber, or pulseaudio; and pulseaudio-utils)")));
        }
        if (m_pipeWire)
            startPipeWire();
        else
            startPulseAudio();
        if (QTest::currentTestFailed())
            return;
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
        for (auto it = m_servers.rbegin(); it != m_servers.rend(); ++it) {
            (*it)->terminate();
            (*it)->waitForFinished();
        }
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
    QProcess &startServer(const QString &program, const QStringList &arguments)
    {
        auto server = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        server->setProcessEnvironment(env);
        server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server->start(program, arguments);
        m_servers.push_back(std::move(server));
        return *m_servers.back();
    }

    void startPulseAudio()
    {
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        QProcess &process = startServer(QStringLiteral("pulseaudio"), {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                                QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
                                QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                                QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=null"),
                                QStringLiteral("-L"), QStringLiteral("module-suspend-on-idle timeout=1")});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
    }

    // The daemon, its session manager (which links streams to the sink) and
    // its pulse server, as a desktop starts them.
    void startPipeWire()
    {
        const QString socket = m_dir.filePath(QStringLiteral("pulse/native"));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
        // The session manager needs a session bus.
        const QString bus = m_dir.filePath(QStringLiteral("bus"));
        QVERIFY(startServer(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                                                           QStringLiteral("--address=unix:path=") + bus})
                    .waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bus), 10000);
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(bus));
        QVERIFY(startServer(QStringLiteral("pipewire"), {}).waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir.filePath(QStringLiteral("pipewire-0"))), 10000);
        QVERIFY(startServer(QStringLiteral("wireplumber"), {}).waitForStarted());
        QVERIFY(startServer(QStringLiteral("pipewire-pulse"), {}).waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(pactl({QStringLiteral("info")}), 10000);
        QVERIFY(pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"), QStringLiteral("sink_name=null")}));
        // The session manager sees the sink a moment after it is made.
        QTRY_VERIFY_WITH_TIMEOUT(pactl({QStringLiteral("set-default-sink"), QStringLiteral("null")}), 10000);
    }

    bool pactl(const QStringList &arguments)
    {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), arguments);
        return pactl.waitForFinished() && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
    }

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
    bool m_pipeWire = false;
    std::vector<std::unique_ptr<QProcess>> m_servers;
    std::unique_ptr<PulseAudio> m_audio;
    std::unique_ptr<PulseSoundOutput> m_sound;
    std::unique_ptr<PulseMusicOutput> m_music;
    QList<Ending> m_endings;
};

QTEST_GUILESS_MAIN(TestSoundServer)
#include "tst_soundserver.moc"
