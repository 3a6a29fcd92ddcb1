// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's help window on the real manual: topics, pictures, links within
// and out of it, a missing manual, and help asked for from inside a modal dialog.
#include "GameMain.h"
#include "doubles/RecordingHelp.h"

#include "platform/HelpWindow.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zand;

namespace {

const QString Manual = QStringLiteral(ZAND_GAME_DIR "/zandslots.html");
const QUrl GamesPage = QUrl::fromLocalFile(ZAND_GAME_DIR "/games/index.html");
const QString LongTitle = QStringLiteral("The Grand Emerald Palace Casin"); // 30 characters

// Whether the heading lies inside the visible part of the page.
bool inView(QTextBrowser &page, const QString &heading)
{
    for (QTextBlock block = page.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text() != heading)
            continue;
        const QRect at = page.cursorRect(QTextCursor(block));
        return page.viewport()->rect().contains(at.center());
    }
    return false;
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensAtTheTopicOfEachContext_data();
    void opensAtTheTopicOfEachContext();
    void everyPictureOfTheManualLoads();
    void linksStayInTheManualOrGoToTheBrowser();
    void onlyWebAndMailLinksLeaveTheManual_data();
    void onlyWebAndMailLinksLeaveTheManual();
    void aHostileManualNeverHoldsTheWindowUp();
    void missingManualShowsOnePageNamingTheFile();
    void helpFromAModalDialogCanBeUsed();
};

void HelpWindowTest::opensAtTheTopicOfEachContext_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("heading");
    QTest::newRow("main window") << 41003 << "2. Playing: coins and spins";
    QTest::newRow("borrow buttons") << 41005 << "8. Borrowing and paying back";
    QTest::newRow("slot dialog") << 41008 << "9. Your eight saved games";
    QTest::newRow("company") << 41009 << "16. Company information: Zantek";
    QTest::newRow("payoff chart") << 41010 << "11. The payoff chart";
}

void HelpWindowTest::opensAtTheTopicOfEachContext()
{
    QFETCH(int, context);
    QFETCH(QString, heading);
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(Manual, LongTitle);
    help.showTopic(context);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.windowTitle(), LongTitle + " Help");
    QTRY_VERIFY(inView(help.page(), heading));
    QVERIFY(!inView(help.page(), "Contents"));
    // The page asked for is the first one: there is nothing to go back to.
    QVERIFY(!help.page().isBackwardAvailable());
}

void HelpWindowTest::everyPictureOfTheManualLoads()
{
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(Manual, LongTitle);
    help.showContents();
    int pictures = 0;
    QTextDocument &document = *help.page().document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant picture = document.resource(QTextDocument::ImageResource, QUrl(name));
            const QImage image = picture.typeId() == QMetaType::QByteArray
                ? QImage::fromData(picture.toByteArray())
                : picture.value<QImage>();
            QVERIFY2(!image.isNull() || !picture.value<QPixmap>().isNull(), qPrintable(name));
            ++pictures;
        }
    QVERIFY(pictures > 20);
}

void HelpWindowTest::linksStayInTheManualOrGoToTheBrowser()
{
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(Manual, LongTitle);
    help.showTopic(41008);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    help.showContents();
    QTRY_VERIFY(inView(help.page(), "Contents"));
    emit help.page().anchorClicked(QUrl("#41010"));
    QTRY_VERIFY(inView(help.page(), "11. The payoff chart"));
    QVERIFY(browser.opened.isEmpty());

    const QUrl source = help.page().source();
    emit help.page().anchorClicked(QUrl("games/index.html"));
    QCOMPARE(browser.opened, {QUrl::fromLocalFile(ZAND_GAME_DIR "/games/index.html")});
    QCOMPARE(help.page().source(), source);

    help.page().backward();
    help.page().backward();
    QTRY_VERIFY(inView(help.page(), "9. Your eight saved games"));
}

void HelpWindowTest::onlyWebAndMailLinksLeaveTheManual_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a program") << QUrl("file:///bin/sh") << false;
    QTest::newRow("a desktop entry beside the manual") << QUrl("run.desktop") << false;
    QTest::newRow("a network share") << QUrl("smb://server/share") << false;
    QTest::newRow("a script") << QUrl("javascript:alert(1)") << false;
    QTest::newRow("a made-up scheme") << QUrl("zandor-cheat:credits") << false;
    QTest::newRow("a web page") << QUrl("https://example.org/slots") << true;
    QTest::newRow("a mail address") << QUrl("mailto:help@example.org") << true;
}

void HelpWindowTest::onlyWebAndMailLinksLeaveTheManual()
{
    QFETCH(QUrl, link);
    QFETCH(bool, opened);
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(Manual, LongTitle);
    help.showContents();
    emit help.page().anchorClicked(link);
    QCOMPARE(browser.opened, opened ? QList<QUrl>{link} : QList<QUrl>{});
    QCOMPARE(help.notice().isEmpty(), opened);
    QCOMPARE(help.page().source(), QUrl::fromLocalFile(Manual));
}

// A theme's manual naming a pipe, an endless device and a huge file as its
// pictures: the window goes on at once, and the pictures beside the manual
// still show.
void HelpWindowTest::aHostileManualNeverHoldsTheWindowUp()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("help"));
    const QString pipe = dir.filePath("help/pipe.png");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile huge(dir.filePath("help/huge.png"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 26));
    huge.close();
    QImage(8, 8, QImage::Format_RGB32).save(dir.filePath("help/fine.png"));
    QFile manual(dir.filePath("zandslots.html"));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("<html><body><h1>Pirates</h1><img src=\"help/pipe.png\"><img src=\"/dev/zero\">"
                 "<img src=\"help/huge.png\"><img src=\"help/fine.png\"></body></html>");
    manual.close();
    // Should the window wait for the pipe after all, a writer ends the wait
    // in time for the test to say so.
    std::thread writer([&pipe] {
        QThread::sleep(3);
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });

    qint64 longestWait = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
    ticker.start(10);
    sinceTick.start();
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(manual.fileName(), "Pirates");
    help.showContents();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::qWait(300);
    ticker.stop();
    writer.join();

    QVERIFY2(longestWait < 500, qPrintable(QString::number(longestWait)));
    const auto picture = [&help](const char *name) {
        return help.page().document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
    };
    QCOMPARE(picture("help/fine.png").size(), QSize(8, 8));
    for (const char *refused : {"help/pipe.png", "/dev/zero", "help/huge.png"})
        QVERIFY2(picture(refused).width() <= 1, refused);
}

void HelpWindowTest::missingManualShowsOnePageNamingTheFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("pirates.html");
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(missing, "Pirates");
    help.showTopic(41003);
    QVERIFY(help.isVisible());
    QCOMPARE(help.windowTitle(), QStringLiteral("Pirates Help"));
    const QString page = help.page().toPlainText();
    QVERIFY2(page.contains("The manual is missing") && page.contains(missing), qPrintable(page));
    help.showContents();
    QCOMPARE(help.page().toPlainText(), page);
    QVERIFY(!help.page().isBackwardAvailable());

    // Put back, it is found the next time help is asked for; taken away
    // again, it is missed again.
    QVERIFY(QFile::copy(Manual, missing));
    help.showTopic(41005);
    QTRY_VERIFY(inView(help.page(), "8. Borrowing and paying back"));
    QVERIFY(QFile::rename(missing, missing + ".away"));
    help.showContents();
    QCOMPARE(help.page().toPlainText(), page);
    QVERIFY(QFile::rename(missing + ".away", missing));
    help.showContents();
    QTRY_VERIFY(inView(help.page(), "Contents"));
}

void HelpWindowTest::helpFromAModalDialogCanBeUsed()
{
    RecordingBrowser browser;
    HelpWindow help(browser, GamesPage);
    help.setHelpFile(Manual, LongTitle);
    QDialog dialog;
    bool atTopic = false;
    bool atContents = false;
    QTimer::singleShot(0, &dialog, [&] {
        help.showTopic(41008);
        atTopic = QTest::qWaitForWindowExposed(&help)
            && QTest::qWaitFor([&] { return inView(help.page(), "9. Your eight saved games"); });
        // A click on Contents through the window system, as the player's.
        const auto *contents = help.findChild<QPushButton *>();
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(&help, contents->rect().center()));
        atContents = QTest::qWaitFor([&] { return inView(help.page(), "Contents"); }, 1000);
        dialog.accept();
    });
    dialog.exec();
    QVERIFY(atTopic);
    QVERIFY(atContents);
}

ZAND_TEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
