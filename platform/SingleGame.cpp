// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleGame.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace zand {

namespace {

const QByteArray ComeForward = QByteArrayLiteral("come forward\n");

// The address of the game that plays a file: in the user's own runtime
// folder, named by the file, so other files and other users are other games.
QString serverNameFor(const QString &savedGamePath)
{
    const QByteArray file = QFileInfo(savedGamePath).absoluteFilePath().toUtf8();
    const QString name = QStringLiteral("zandslots-")
        + QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha1).toHex().left(20));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

bool askToComeForward(const QString &serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName, QIODevice::WriteOnly);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ComeForward);
    if (!socket.waitForBytesWritten(1000))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace

SingleGame::SingleGame(const QString &savedGamePath, QObject *parent)
    : QObject(parent)
    , m_savedGamePath(savedGamePath)
    , m_lockPath(savedGamePath + QStringLiteral(".lock"))
    , m_serverName(serverNameFor(savedGamePath))
    , m_lock(m_lockPath)
{
    // A lock is stale only when the copy that took it is gone, however long
    // it has been playing.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleGame::answer);
}

SingleGame::~SingleGame() = default;

SingleGame::Claim SingleGame::claim()
{
    // The other copy may be starting or ending just now: a few tries.
    for (int attempt = 0; attempt < 5; ++attempt) {
        // The lock's folder is the saved game's; it may not exist yet.
        QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
        if (m_lock.tryLock(0)) {
            // Holding the lock, any server left under this name is a crashed
            // copy's.
            QLocalServer::removeServer(m_serverName);
            m_server.setSocketOptions(QLocalServer::UserAccessOption);
            m_server.listen(m_serverName);
            return Claim::Owner;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            break; // the folder cannot hold a lock: nobody else can take one either
        if (askToComeForward(m_serverName))
            return Claim::HandedOver;
        QThread::msleep(200);
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // A read-only or missing folder: no copy can write the file there, so
        // none can lose another's play. The game says so when it first saves.
        return Claim::Owner;
    }
    return Claim::Unreachable;
}

QString SingleGame::unreachableMessage() const
{
    return tr("Another copy of the game is already playing the game kept in %1, but it "
              "does not answer.\n\nThis copy ends without touching that game, so no "
              "play is lost. Switch to the other copy, or end it and start the game "
              "again. (If no other copy runs, remove %2.)")
        .arg(QDir::toNativeSeparators(m_savedGamePath), QDir::toNativeSeparators(m_lockPath));
}

void SingleGame::answer()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        // The other copy writes one line and goes: it may be there already.
        const auto read = [this, socket] {
            if (socket->canReadLine() && socket->readLine() == ComeForward)
                emit comeForward();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        read();
    }
}

} // namespace zand
