// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFit.h"

#include "platform/DeviceScreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zand {

namespace {
constexpr int SpareDevicePixels = 10;
}

WindowFit::WindowFit(QWidget &window, const QScreen &screen)
    : m_window(window)
    , m_available(screen.availableGeometry())
    , m_frame(frameSize(DeviceScreen::of(&screen), m_available))
{
    m_window.installEventFilter(this);
    m_leaveFullScreen.setShortcut(Qt::Key_Escape);
    m_leaveFullScreen.setEnabled(false);
    connect(&m_leaveFullScreen, &QAction::triggered, this, &WindowFit::toggleFullScreen);
    m_window.addAction(&m_leaveFullScreen);
    fit();
}

QSize WindowFit::frameSize(const DeviceScreen &screen, const QRect &available)
{
    const QSizeF spare(SpareDevicePixels, SpareDevicePixels);
    const QSize frame = ((QSizeF(screen.size) - spare) / screen.ratio).toSize();
    return frame.boundedTo(available.size());
}

void WindowFit::maximise()
{
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.setWindowState(Qt::WindowMaximized);
}

void WindowFit::toggleFullScreen()
{
    if (m_window.isFullScreen()) {
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowFullScreen);
        return;
    }
    // A window of one fixed size tells the window manager it cannot grow;
    // leaving full screen fixes the size again (fit()).
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.setWindowState(m_window.windowState() | Qt::WindowFullScreen);
}

bool WindowFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            fit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowFit::fit()
{
    m_leaveFullScreen.setEnabled(m_window.isFullScreen());
    if (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    // The window system sizes the inside; the frame adds its own margins.
    const QRect frame = m_window.frameGeometry();
    const QSize margins = frame.size() - m_window.size();
    const QSize inside = m_frame - margins;
    if (m_window.minimumSize() != inside || m_window.maximumSize() != inside)
        m_window.setFixedSize(inside);
    if (!m_window.isVisible())
        return;
    const int x = std::clamp(frame.x(), m_available.left(), m_available.right() + 1 - m_frame.width());
    const int y = std::clamp(frame.y(), m_available.top(), m_available.bottom() + 1 - m_frame.height());
    if (QPoint(x, y) != frame.topLeft())
        m_window.move(x, y);
}

} // namespace zand
