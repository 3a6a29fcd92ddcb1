// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignalWatcher.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace zand {

namespace {

// Where the handler writes: the pipe of the newest watcher.
std::atomic<int> g_writeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void onStopSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to stop; one more adds nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatcher::SignalWatcher(std::initializer_list<int> signalNumbers, QObject *parent)
    : QObject(parent)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("zandslots: stop signals cannot be watched");
        return;
    }
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    m_previousWriteEnd = g_writeEnd.exchange(m_writeEnd);
    m_notifier = std::make_unique<QSocketNotifier>(m_readEnd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SignalWatcher::readPipe);

    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls go on as if nothing happened.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : signalNumbers) {
        Previous previous{signalNumber, {}};
        if (::sigaction(signalNumber, &action, &previous.action) == 0)
            m_previous.push_back(previous);
    }
}

SignalWatcher::~SignalWatcher()
{
    for (auto it = m_previous.rbegin(); it != m_previous.rend(); ++it)
        ::sigaction(it->signalNumber, &it->action, nullptr);
    if (m_writeEnd < 0)
        return;
    g_writeEnd.store(m_previousWriteEnd);
    m_notifier.reset();
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void SignalWatcher::readPipe()
{
    unsigned char byte = 0;
    while (::read(m_readEnd, &byte, 1) == 1)
        emit caught(byte);
}

} // namespace zand
