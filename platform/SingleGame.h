// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace zand {

// One running game per saved-game file. Two copies playing the same file
// would each write their own game over the other's, and the last to close
// would win: play would be lost without a word. The first copy locks the
// file (a lock file beside it) and listens; a later copy asks the first to
// come to the front and ends without touching the file.
class SingleGame final : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        Owner,      // this copy plays the file
        HandedOver, // the copy that plays it was asked to come forward
        Unreachable // another copy holds the lock but does not answer
    };

    explicit SingleGame(const QString &savedGamePath, QObject *parent = nullptr);
    ~SingleGame() override;
    SingleGame(const SingleGame &) = delete;
    SingleGame &operator=(const SingleGame &) = delete;

    Claim claim();

    QString lockPath() const { return m_lockPath; }
    // What the player is told when the game that holds the file does not
    // answer.
    QString unreachableMessage() const;

signals:
    // Another copy was started for the same file.
    void comeForward();

private:
    void answer();

    const QString m_savedGamePath;
    const QString m_lockPath;
    const QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace zand
