// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <initializer_list>
#include <memory>
#include <vector>

#include <signal.h>

class QSocketNotifier;

namespace zand {

// Hands the operating system's stop signals (a plain kill, Ctrl+C in a
// terminal, a closed terminal or a logout) to the event loop, so the game can
// end as it does from its close box. A signal handler may do next to
// nothing, so it only writes the signal's number into a pipe that the event
// loop watches. While a watcher lives, the signals it watches no longer end
// the process by themselves; when it goes, the handlers before it return.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent = nullptr);
    ~SignalWatcher() override;

    SignalWatcher(const SignalWatcher &) = delete;
    SignalWatcher &operator=(const SignalWatcher &) = delete;

signals:
    void caught(int signalNumber);

private:
    void readPipe();

    struct Previous
    {
        int signalNumber;
        struct sigaction action;
    };

    int m_readEnd = -1;
    int m_writeEnd = -1;
    int m_previousWriteEnd = -1; // the watcher before this one, if any
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::vector<Previous> m_previous;
};

} // namespace zand
