// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the idle machine's drawing: a bare maximised window that
// asks the window system for just what the idle lights ask of it, the same
// rectangles at the same moments (two buttons every 200 ms, the badge every
// 400 ms, the Wild's cell every 300 ms, on tenths of a second), each filled
// with a flat colour where the game copies a picture. What this costs its
// thread is what Qt and the X server's protocol take for those drawings; the
// game's idle thread adds its own copies to it.
//
//   zand_drawfloor SECONDS
//
// Prints "drawfloor: <percent> % of a core, <passes> drawings a second".

#include "game/Layout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

namespace {

double threadSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class Floor : public QWidget
{
public:
    Floor()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_clock.setTimerType(Qt::PreciseTimer);
        m_clock.setSingleShot(true);
        connect(&m_clock, &QTimer::timeout, this, [this] { tenth(); });
        m_epoch.start();
        next();
    }
    int passes = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++passes;
        QPainter painter(this);
        for (const QRect &rect : event->region())
            painter.fillRect(rect, m_lit ? Qt::yellow : Qt::darkRed);
    }

private:
    QRect scaled(const QRect &design) const
    {
        const double scale = std::min(width() / 800.0, height() / 600.0);
        const int left = int((width() - 800 * scale) / 2);
        return QRect(left + int(design.x() * scale), int(design.y() * scale), int(design.width() * scale) + 1,
                     int(design.height() * scale) + 1);
    }

    static bool due(int tenth) { return tenth % 2 == 0 || tenth % 3 == 0 || tenth % 4 == 0; }

    // Wakes only on the tenths when a light is due, as the game's clock does.
    void next()
    {
        do
            ++m_tenths;
        while (!due(m_tenths));
        m_clock.start(int(std::max<qint64>(0, m_tenths * 100 - m_epoch.elapsed())));
    }

    void tenth()
    {
        m_lit = !m_lit;
        if (m_tenths % 2 == 0) {
            update(scaled(m_tenths % 4 ? zand::Layout::SpinButton : zand::Layout::BetOneButton));
            update(scaled(zand::Layout::BetMaxButton));
        }
        if (m_tenths % 4 == 0)
            update(scaled(zand::Layout::Badge));
        if (m_tenths % 3 == 0) {
            const QRect reel = zand::Layout::reelWindow(2);
            update(scaled(QRect(reel.x(), reel.y() + zand::Layout::SymbolSize, reel.width(), zand::Layout::SymbolSize)));
        }
        next();
    }

    QTimer m_clock;
    QElapsedTimer m_epoch;
    int m_tenths = 0;
    bool m_lit = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 30.0;
    Floor floor;
    floor.showMaximized();
    double start = 0;
    int passesBefore = 0;
    // Settled first: the window shown and drawn whole.
    QTimer::singleShot(3000, &app, [&] {
        start = threadSeconds();
        passesBefore = floor.passes;
    });
    QTimer::singleShot(int(3000 + seconds * 1000), &app, [&] {
        std::printf("drawfloor: %.2f %% of a core, %.1f drawings a second\n",
                    100.0 * (threadSeconds() - start) / seconds, (floor.passes - passesBefore) / seconds);
        app.quit();
    });
    return app.exec();
}
