// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QObject>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace zand {

struct DeviceScreen;

// Keeps the main window the size the game wants: its frame, title bar
// included, ten device pixels smaller than the screen each way and inside the
// area that panels and docks leave free, and not resizable. The frame's width
// is only known once the window manager has framed the window, so the fit is
// made again whenever the window is shown, moved or resized.
class WindowFit : public QObject
{
    Q_OBJECT

public:
    WindowFit(QWidget &window, const QScreen &screen);

    // Shows the window maximised instead (a low-resolution screen); should it
    // be restored later, it takes the fitted size again.
    void maximise();

    // Full screen and back (F11), also left with Escape: the machine is then
    // drawn on the whole screen.
    void toggleFullScreen();

    // The frame for a screen, in the window system's pixels.
    static QSize frameSize(const DeviceScreen &screen, const QRect &available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QWidget &m_window;
    QRect m_available;
    QSize m_frame;
    QAction m_leaveFullScreen; // Escape, live only while full screen
};

} // namespace zand
