// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace zand;

namespace {

// While set, every fsync of a directory records what this file then holds.
QString syncWatchedFile;
QList<QByteArray> directorySyncs;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

// Stands in for the C library's, to see which flushes a write makes.
extern "C" int fsync(int fd)
{
    struct stat status{};
    if (!syncWatchedFile.isEmpty() && fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        directorySyncs.append(readBytes(syncWatchedFile));
    return static_cast<int>(syscall(SYS_fsync, fd));
}

class TestProfileFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("profile.ini"));
        QFile::remove(m_path);
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QByteArray game = "[Game]\r\nName=Ann\r\nEmpty=\r\n";
        QTest::newRow("missing file") << QByteArray() << "Game" << "Name" << "dflt";
        QTest::newRow("missing section") << game << "Other" << "Name" << "dflt";
        QTest::newRow("missing key") << game << "Game" << "Nudges" << "dflt";
        QTest::newRow("empty value is not the default") << game << "Game" << "Empty" << "";
        QTest::newRow("names ignore case") << game << "gAME" << "NAME" << "Ann";
        QTest::newRow("key of another section") << QByteArray("[A]\nX=1\n[B]\nY=2\n") << "B" << "X" << "dflt";
        QTest::newRow("line without = is no key") << QByteArray("[A]\nX\n") << "A" << "X" << "dflt";
        QTest::newRow("comment is no key") << QByteArray("[A]\n;X=1\n") << "A" << ";X" << "dflt";
        QTest::newRow("blanks around names") << QByteArray("  [ A ]  \n  X  = 1 \t\n") << "A" << "X" << " 1";
        QTest::newRow("LF only, no final break") << QByteArray("[A]\nX=1\nY=2") << "A" << "Y" << "2";
        QTest::newRow("first section wins") << QByteArray("[A]\nX=1\n[a]\nX=2\nY=3\n") << "A" << "Y" << "dflt";
        QTest::newRow("first key wins") << QByteArray("[A]\nx=1\nX=2\n") << "A" << "X" << "1";
        QTest::newRow("value keeps later =") << QByteArray("[A]\nX=a=b\n") << "A" << "X" << "a=b";
        QTest::newRow("keys before any section") << QByteArray("X=1\n[A]\n") << "A" << "X" << "dflt";
        QTest::newRow("Latin-1 line") << QByteArray("[A]\nX=Jos\xe9\n") << "A" << "X" << QStringLiteral("Jos\u00e9");
        QTest::newRow("UTF-8 beside Latin-1") << QByteArray("[A]\nW=Jos\xe9\nX=Jos\xc3\xa9\n") << "A" << "X"
                                              << QStringLiteral("Jos\u00e9");
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf[A]\nX=1\n") << "A" << "X" << "1";
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        if (!content.isNull())
            writeBytes(m_path, content);
        QCOMPARE(ProfileFile(m_path).read(section, key, QStringLiteral("dflt")), expected);
    }

    void longValueIsCutToTheBuffer()
    {
        const QString value(3000, u'v');
        QVERIFY(ProfileFile(m_path).writeSection(QStringLiteral("A"), {{QStringLiteral("X"), value}}, nullptr));
        QCOMPARE(ProfileFile(m_path).read(QStringLiteral("A"), QStringLiteral("X"), QString()),
                 value.left(ProfileFile::ValueBufferSize - 1));
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");

        // Every row sets X=1 and then Y=2 in section A.
        QTest::newRow("new file") << QByteArray() << QByteArray("[A]\r\nX=1\r\nY=2\r\n");
        QTest::newRow("section appended after a blank line")
            << QByteArray("[B]\nZ=0") << QByteArray("[B]\nZ=0\r\n\r\n[A]\r\nX=1\r\nY=2\r\n");
        QTest::newRow("values replaced in place, key spelling kept")
            << QByteArray("[a]\r\ny=9\r\nQ=q\r\n x = 8\r\n") << QByteArray("[a]\r\ny=2\r\nQ=q\r\nx=1\r\n");
        QTest::newRow("missing key after the section's last key")
            << QByteArray("[A]\nY=7\n\n; about B\n[B]\nX=5\n")
            << QByteArray("[A]\nY=2\r\nX=1\r\n\n; about B\n[B]\nX=5\n");
        QTest::newRow("empty section")
            << QByteArray("[A]\n[B]\n") << QByteArray("[A]\nX=1\r\nY=2\r\n[B]\n");
        QTest::newRow("other lines keep their bytes")
            << QByteArray("; caf\xe9\n[Z]\r\nName=Jos\xe9\nodd line\n[A]\nunknown=\xff\nX=0\n")
            << QByteArray("; caf\xe9\n[Z]\r\nName=Jos\xe9\nodd line\n[A]\nunknown=\xff\nX=1\r\nY=2\r\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeBytes(m_path, before);
        QString error;
        QVERIFY(ProfileFile(m_path).writeSection(QStringLiteral("A"),
                                                 {{QStringLiteral("X"), QStringLiteral("1")},
                                                  {QStringLiteral("Y"), QStringLiteral("2")}},
                                                 &error));
        QCOMPARE(readBytes(m_path), after);
    }

    void writeCreatesTheDirectory()
    {
        const QString path = m_dir.filePath(QStringLiteral("a/b/profile.ini"));
        QVERIFY(ProfileFile(path).writeSection(QStringLiteral("A"), {{QStringLiteral("X"), QStringLiteral("1")}},
                                               nullptr));
        QCOMPARE(readBytes(path), QByteArray("[A]\r\nX=1\r\n"));
    }

    void unwritableInputIsRefused_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in value") << "A" << "X" << "1\r\n[B]";
        QTest::newRow("= in key") << "A" << "X=Y" << "1";
        QTest::newRow("empty key") << "A" << "" << "1";
        QTest::newRow("comment key") << "A" << ";X" << "1";
        QTest::newRow("] in section") << "A]" << "X" << "1";
        QTest::newRow("blank around section") << " A" << "X" << "1";
    }

    void unwritableInputIsRefused()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[A]\r\nX=0\r\n");
        writeBytes(m_path, before);
        QString error;
        QVERIFY(!ProfileFile(m_path).writeSection(section, {{key, value}}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(m_path), before);
    }

    void writeUnderARegularFileFails()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        writeBytes(blocker, "not a directory");
        QString error;
        QVERIFY(!ProfileFile(blocker + QStringLiteral("/profile.ini"))
                     .writeSection(QStringLiteral("A"), {{QStringLiteral("X"), QStringLiteral("1")}}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(readBytes(blocker), QByteArray("not a directory"));
    }

    // Only the file's very first bytes can be a byte order mark; further on
    // it is part of a name like any other character.
    void byteOrderMarkInsideTheFileIsText()
    {
        const QString key = QStringLiteral("\uFEFFX");
        const ProfileFile profile(m_path);
        QVERIFY(profile.writeSection(QStringLiteral("A"), {{QStringLiteral("Y"), QStringLiteral("0")}, {key, QStringLiteral("1")}},
                                     nullptr));
        QCOMPARE(profile.read(QStringLiteral("A"), key, QStringLiteral("dflt")), QStringLiteral("1"));
        QCOMPARE(profile.read(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    }

    // A power cut after the rename must not bring the old file back: the
    // directory holding the new one is flushed too.
    void writeFlushesTheDirectoryAfterTheRename()
    {
        writeBytes(m_path, "[A]\r\nX=0\r\n");
        directorySyncs.clear();
        syncWatchedFile = m_path;
        const bool written = ProfileFile(m_path).writeSection(QStringLiteral("A"), {{QStringLiteral("X"), QStringLiteral("1")}},
                                                              nullptr);
        syncWatchedFile.clear();
        QVERIFY(written);
        QCOMPARE(directorySyncs, QList<QByteArray>{"[A]\r\nX=1\r\n"});
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestProfileFile)

#include "tst_profilefile.moc"
