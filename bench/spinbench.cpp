// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays spins on the real clock and the real sound output, with the whole
// machine drawn offscreen, and tells how long each spin took against its
// 47 ticks of 25 ms and how much processor time the game spent, spinning and
// idle.
//
//   zand_bench [SPINS] [--screen WxH] [--idle SECONDS]
//
// Without --screen the platform's screen decides, e.g.
// QT_QPA_PLATFORM=offscreen:configfile=<build>/screens/1920x1080_96.json.

#include "game/GameState.h"
#include "MainWindowProbe.h"
#include "audio/MusicBox.h"
#include "platform/Browser.h"
#include "platform/EventClock.h"
#include "platform/HelpWindow.h"
#include "audio/SdlAudio.h"
#include "reels/ReelSpinner.h"
#include "screen/Lights.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

using namespace zand;

namespace {

constexpr double IdealSpinMs = ReelSpinner::Ticks * ReelSpinner::TickMs;

struct Options
{
    int spins = 20;
    double idleSeconds = 5.0;
    QString screen; // "WxH", or empty for the platform's own
};

std::optional<Options> parse(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        bool ok = true;
        if (arg == QLatin1String("--screen") && i + 1 < argc) {
            options.screen = QString::fromLocal8Bit(argv[++i]);
            ok = QRegularExpression(QStringLiteral("^\\d+x\\d+$")).match(options.screen).hasMatch();
        } else if (arg == QLatin1String("--idle") && i + 1 < argc) {
            options.idleSeconds = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
            ok = ok && options.idleSeconds > 0;
        } else {
            options.spins = arg.toInt(&ok);
            ok = ok && options.spins > 0;
        }
        if (!ok)
            return std::nullopt;
    }
    return options;
}

// The offscreen platform takes its screen from a file; --screen writes one.
bool useScreen(const QString &size, const QTemporaryDir &dir)
{
    const QStringList wh = size.split(QLatin1Char('x'));
    const QString path = dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("{ \"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": "
                              "false, \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                              "\"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
                   .arg(wh[0], wh[1])
                   .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    return true;
}

double milliseconds(clockid_t which)
{
    timespec now{};
    clock_gettime(which, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Wall time and processor time over a stretch of the run: the whole process
// (the sound mixer's thread included) and the game's own thread alone.
class Stopwatch
{
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall = std::chrono::steady_clock::now();
        m_process = milliseconds(CLOCK_PROCESS_CPUTIME_ID);
        m_thread = milliseconds(CLOCK_THREAD_CPUTIME_ID);
    }
    double wallMs() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_wall)
            .count();
    }
    double processMs() const { return milliseconds(CLOCK_PROCESS_CPUTIME_ID) - m_process; }
    double threadMs() const { return milliseconds(CLOCK_THREAD_CPUTIME_ID) - m_thread; }

private:
    std::chrono::steady_clock::time_point m_wall;
    double m_process = 0;
    double m_thread = 0;
};

struct Sample
{
    double wallMs;
    double processMs;
    double threadMs;
};

// The window's own event loop, as between spins: timers, music, repaints.
void runEventLoop(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window open and idle: its light timers and the music timer run.
Sample measureIdle(double seconds)
{
    const Stopwatch watch;
    runEventLoop(seconds);
    return {watch.wallMs(), watch.processMs(), watch.threadMs()};
}

// One spin as the spin driver runs it, the payout left out: the light timers
// rest while the reels turn and start again afterwards.
Sample playSpin(MainWindow &window)
{
    probe(window).lights().stopAll();
    probe(window).state().bet = 3;
    QEventLoop landing;
    const Stopwatch watch;
    probe(window).spinner().spinReels([&landing] { landing.quit(); });
    landing.exec();
    const Sample sample{watch.wallMs(), watch.processMs(), watch.threadMs()};
    probe(window).machine().endTurn();
    probe(window).lights().startIdle();
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double worst(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

void reportIdle(const char *label, const Sample &idle)
{
    const double load = 100 * idle.processMs / idle.wallMs;
    std::printf("%-30s %10.1f %10.1f %7.2f   below 1 %%: %s\n", label, idle.processMs,
                idle.threadMs, load, verdict(load < 1));
}

void report(const std::vector<Sample> &spins, const Sample &idle, const Sample &quiet)
{
    std::vector<double> wall, process, thread, load;
    for (const Sample &s : spins) {
        wall.push_back(s.wallMs);
        process.push_back(s.processMs);
        thread.push_back(s.threadMs);
        load.push_back(100 * s.processMs / s.wallMs);
    }
    const double medianWall = median(wall);
    std::printf("\n%-30s %10s %10s   %s\n", "per spin", "median", "worst", "goal");
    std::printf("%-30s %10.1f %10.1f   median within 25 ms of %.0f: %s\n", "wall time (ms)",
                medianWall, worst(wall), IdealSpinMs,
                verdict(std::abs(medianWall - IdealSpinMs) <= 25));
    std::printf("%-30s %+10.1f %+10.1f\n", "  off the ideal (ms)", medianWall - IdealSpinMs,
                worst(wall) - IdealSpinMs);
    std::printf("%-30s %10.1f %10.1f\n", "CPU, process (ms)", median(process), worst(process));
    std::printf("%-30s %10.1f %10.1f\n", "CPU, game thread (ms)", median(thread), worst(thread));
    std::printf("%-30s %10.1f %10.1f   below 25 %%: %s\n", "CPU load, process (%)",
                median(load), worst(load), verdict(median(load) < 25));

    std::printf("\n%-30s %10s %10s %7s   %s\n", "idle", "process", "game", "load",
                "goal");
    std::printf("%-30s %10s %10s %7s\n", "", "CPU (ms)", "CPU (ms)", "(%)");
    reportIdle("music playing", idle);
    reportIdle("music off", quiet);
    std::printf("\n(%.1f s idle each; load = process CPU time / wall time, 100 %% = one core;\n"
                " the process includes the audio thread, which mixes the effects and the music)\n",
                idle.wallMs / 1000);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: zand_bench [SPINS] [--screen WxH] [--idle SECONDS]\n");
        return 2;
    }
    const QTemporaryDir dir;
    if (!dir.isValid() || (!options->screen.isEmpty() && !useScreen(options->screen, dir))) {
        std::fprintf(stderr, "zand_bench: no temporary directory\n");
        return 1;
    }

    QApplication app(argc, argv);
    SdlAudio audio(QStringLiteral(ZAND_GAME_DIR "/zandsynth"));
    SdlSoundOutput sound(audio);
    SdlMusicOutput music(audio);
    EventClock clock;
    DesktopBrowser browser;
    HelpWindow help(browser, QUrl());
    MainWindow window(Platform{clock, sound, music, help, browser, QStringLiteral(ZAND_GAME_DIR "/"),
                               QStringLiteral("zandslots"),
                               dir.filePath(QStringLiteral("zandslots.ini"))});
    window.show();
    // Past the start-up tick: music playing, controls open.
    runEventLoop(0.5);
    if (!probe(window).machine().controlsOpen()) {
        std::fprintf(stderr, "zand_bench: the game did not start\n");
        return 1;
    }

    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::printf("zand_bench: %d spins, screen %dx%d, window %dx%d, ideal spin %.0f ms\n",
                options->spins, screen.width(), screen.height(), window.width(), window.height(),
                IdealSpinMs);
    std::fflush(stdout);

    std::vector<Sample> samples;
    for (int i = 0; i < options->spins; ++i) {
        samples.push_back(playSpin(window));
        runEventLoop(0.2);
    }

    runEventLoop(0.5); // the last reel-stop sound fades
    const Sample idle = measureIdle(options->idleSeconds);
    probe(window).music().toggle(); // Options > Music: off
    runEventLoop(0.5);
    const Sample quiet = measureIdle(options->idleSeconds);

    report(samples, idle, quiet);
    probe(window).session().closing = true;
    window.close();
    return 0;
}
