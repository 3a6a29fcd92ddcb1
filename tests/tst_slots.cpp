// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The eight saved-game slots behind File > Open Game and File > Save Game:
// what the panels show, saving, opening, cancelling, the keyboard and help,
// and a configuration directory that cannot be written.
#include "FileSizeLimit.h"
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"

#include "dialogs/SlotDialog.h"
#include "game/Layout.h"
#include "game/SavedGame.h"
#include "platform/HelpViewer.h"

#include <QAction>
#include <QInputDialog>
#include <QLocale>
#include <QSet>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>

using namespace zand;

namespace {

const GameRecord InProgress{1234, 2000, 50, 120, 30, 2, 4};
const GameRecord SlotFive{4321, 3000, 77, 310, 60, 5, 9};
const QString LongName = QStringLiteral("The longest weekend of the year at the casino");
const QString OldDate = QStringLiteral("03/14/25");

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template<typename T>
T *child(SlotDialog &dialog, const QString &name)
{
    T *found = dialog.findChild<T *>(name);
    Q_ASSERT(found);
    return found;
}

// Pressed once the answerer's look is over, so that a box the press opens is
// answered in its turn.
void pressLater(QPushButton *button)
{
    QTimer::singleShot(0, button, &QPushButton::click);
}

} // namespace

class SlotsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }
    void panelsShowTheSlotsAndFitTheirBoxes();
    void leavingWithoutASlotKeepsTheGame_data();
    void leavingWithoutASlotKeepsTheGame();
    void saveStoresTheGameUnderTheConfirmedName_data();
    void saveStoresTheGameUnderTheConfirmedName();
    void openMakesTheSlotTheGameAndRepaints_data();
    void openMakesTheSlotTheGameAndRepaints();
    void keyboardAndHelp();
    void slotsShutWhileTheMachineIsBusy();
    void failedWritesLoseNothing_data();
    void failedWritesLoseNothing();

private:
    QString path() const { return m_game->savedGamePath(); }
    // Runs a menu command; `act` works the dialog, the name box is answered
    // with `name` or cancelled. Returns the messages shown.
    QStringList run(const QString &command, const std::function<void(SlotDialog &)> &act,
                    const std::optional<QString> &name = std::nullopt);

    std::unique_ptr<GameFixture> m_game;
    QString m_offeredName;
};

void SlotsTest::init()
{
    m_game = std::make_unique<GameFixture>();
    m_game->writeFile(QStringLiteral("Testing.ini"), "[Settings]\r\nAboutName=Lucky Sevens\r\n");
    const SavedGameFile file(path());
    QVERIFY(file.save(0, LongName, GameRecord{2500, 1500, 1, 3, 0, 0, 0}, OldDate, nullptr));
    QVERIFY(file.save(4, QStringLiteral("Big win"), SlotFive, OldDate, nullptr));
    m_game->start();
    m_game->state().record() = InProgress;
    m_offeredName.clear();
}

QStringList SlotsTest::run(const QString &command, const std::function<void(SlotDialog &)> &act,
                           const std::optional<QString> &name)
{
    bool acted = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        if (auto *box = qobject_cast<QInputDialog *>(modal)) {
            m_offeredName = box->textValue();
            box->setTextValue(name.value_or(QString()));
            name ? box->accept() : box->reject();
        } else if (auto *dialog = qobject_cast<SlotDialog *>(modal); dialog && !acted) {
            acted = true;
            act(*dialog);
            // A check that failed inside must not leave the dialog waiting.
            if (QTest::currentTestFailed())
                dialog->reject();
        }
    });
    for (QAction *action : m_game->window->findChildren<QAction *>())
        if (action->text() == command)
            action->trigger();
    [&] { QVERIFY(acted); }();
    return answerer.messages;
}

void SlotsTest::panelsShowTheSlotsAndFitTheirBoxes()
{
    run(QStringLiteral("&Save Game"), [](SlotDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Save a Game -- Select Game Slot"));
        QCOMPARE(child<QLineEdit>(dialog, "name1")->text(), LongName.left(30));
        QCOMPARE(child<QLabel>(dialog, "date1")->text(), OldDate);
        QCOMPARE(child<QLabel>(dialog, "credits1")->text(), QStringLiteral("2500 Credits"));
        QCOMPARE(child<QLabel>(dialog, "borrowed1")->text(), QStringLiteral("1500 Borrowed"));
        // Never saved: the defaults.
        QCOMPARE(child<QLineEdit>(dialog, "name3")->text(), QStringLiteral("GameNo3"));
        QCOMPARE(child<QLabel>(dialog, "date3")->text(), SavedGameFile::today());
        QCOMPARE(child<QLabel>(dialog, "credits3")->text(), QStringLiteral("1000 Credits"));
        QCOMPARE(child<QLabel>(dialog, "borrowed3")->text(), QStringLiteral("1000 Borrowed"));
        for (int slot = 1; slot <= 8; ++slot)
            QCOMPARE(child<QLabel>(dialog, QStringLiteral("game%1").arg(slot))->text(),
                     QStringLiteral("Lucky Sevens"));

        // Each slot's button tells a listener which slot it is and what it holds.
        QCOMPARE(child<QPushButton>(dialog, "slot5")->accessibleName(),
                 QStringLiteral("Save in slot 5, Big win, %1 credits").arg(QLocale().toString(4321)));
        QSet<QString> buttonNames;
        for (int slot = 1; slot <= 8; ++slot)
            buttonNames.insert(child<QPushButton>(dialog, QStringLiteral("slot%1").arg(slot))->accessibleName());
        QCOMPARE(buttonNames.size(), 8);

        const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 32);
        for (const QLabel *label : labels) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width()
                         && metrics.height() <= label->contentsRect().height() && label->toolTip().isEmpty(),
                     qPrintable(label->objectName()));
        }
        dialog.reject();
    });
}

void SlotsTest::leavingWithoutASlotKeepsTheGame_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<std::function<void(SlotDialog &)>>("leave");
    QTest::newRow("Cancel") << "&Save Game"
                            << std::function([](SlotDialog &d) { pressLater(child<QPushButton>(d, "cancel")); });
    QTest::newRow("Escape") << "&Open Game"
                            << std::function([](SlotDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    QTest::newRow("close box") << "&Open Game" << std::function([](SlotDialog &d) { d.close(); });
}

void SlotsTest::leavingWithoutASlotKeepsTheGame()
{
    QFETCH(QString, command);
    QFETCH(std::function<void(SlotDialog &)>, leave);
    QVERIFY(run(command, leave).isEmpty());
    QVERIFY(m_game->state().record() == InProgress);
    const SavedGameFile::Loaded current = SavedGameFile(path()).load(SavedGameFile::CurrentGameSlot);
    QVERIFY(current.values == InProgress);
    QCOMPARE(current.date, SavedGameFile::today());
    QCOMPARE(SavedGameFile(path()).load(4).values.credits, SlotFive.credits);
}

void SlotsTest::saveStoresTheGameUnderTheConfirmedName_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("typed"); // into the name field first
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Weekend into slot 3") << 3 << QString() << std::optional<QString>("Weekend") << "GameNo3"
                                         << "Weekend";
    QTest::newRow("name box cancelled") << 3 << QString() << std::optional<QString>() << "GameNo3" << "GameNo3";
    QTest::newRow("typed name offered") << 2 << "Friday" << std::optional<QString>("Friday") << "Friday"
                                        << "Friday";
    QTest::newRow("cut name offered") << 1 << QString() << std::optional<QString>(LongName.left(30))
                                      << LongName.left(30) << LongName.left(30);
}

void SlotsTest::saveStoresTheGameUnderTheConfirmedName()
{
    QFETCH(int, slot);
    QFETCH(QString, typed);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, offered);
    QFETCH(QString, stored);
    QVERIFY(run(QStringLiteral("&Save Game"), [&](SlotDialog &dialog) {
                if (!typed.isEmpty())
                    child<QLineEdit>(dialog, QStringLiteral("name%1").arg(slot))->setText(typed);
                pressLater(child<QPushButton>(dialog, QStringLiteral("slot%1").arg(slot)));
            }, answer).isEmpty());

    QCOMPARE(m_offeredName, offered);
    QVERIFY(m_game->state().record() == InProgress);
    const SavedGameFile::Loaded saved = SavedGameFile(path()).load(slot - 1);
    QCOMPARE(saved.name, stored);
    if (answer) {
        QCOMPARE(saved.date, SavedGameFile::today());
        QVERIFY(saved.values == InProgress);
    } else {
        QVERIFY(!readBytes(path()).contains("[GameNo3]"));
    }
}

void SlotsTest::openMakesTheSlotTheGameAndRepaints_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<GameRecord>("opened");
    QTest::newRow("saved slot 5") << 5 << SlotFive;
    QTest::newRow("never saved slot 6") << 6 << GameRecord();
}

void SlotsTest::openMakesTheSlotTheGameAndRepaints()
{
    QFETCH(int, slot);
    QFETCH(GameRecord, opened);
    const QByteArray slotFive = readBytes(path()).mid(readBytes(path()).indexOf("[GameNo5]"));
    QVERIFY(run(QStringLiteral("&Open Game"), [slot](SlotDialog &dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Open a Game -- Select Game Slot"));
                auto *button = child<QPushButton>(dialog, QStringLiteral("slot%1").arg(slot));
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            }).isEmpty());

    QVERIFY(m_game->state().record() == opened);
    const SavedGameFile::Loaded current = SavedGameFile(path()).load(SavedGameFile::CurrentGameSlot);
    QCOMPARE(current.name, QStringLiteral("CurrentGame"));
    QVERIFY(current.values == opened);
    QVERIFY(readBytes(path()).contains(slotFive));

    // The credits display shows the opened game's credits.
    MainWindowProbe window = probe(*m_game->window);
    const bool small = window.config().layoutWidth < 1000;
    const int w = small ? 16 : 32, h = small ? 21 : 42;
    const QString credits = QString::number(opened.credits);
    const int width = static_cast<int>(credits.size()) * w;
    const QRect display(window.config().scale(Layout::CreditsRight) - width, window.config().scale(Layout::DigitsTop),
                        width, h);
    QVERIFY(ScreenProbe::same(window.canvas().grab(display),
                              ScreenProbe::digits(small ? window.pictures().greenSmall : window.pictures().greenLarge,
                                                  credits, w, h)));
}

void SlotsTest::keyboardAndHelp()
{
    run(QStringLiteral("&Open Game"), [this](SlotDialog &dialog) {
        QWidget *field = child<QLineEdit>(dialog, "name1");
        QList<QWidget *> names;
        for (QWidget *w = field; names.size() < 8; w = w->nextInFocusChain())
            if (qobject_cast<QLineEdit *>(w))
                names << w;
        for (int slot = 1; slot <= 8; ++slot)
            QCOMPARE(names.at(slot - 1)->objectName(), QStringLiteral("name%1").arg(slot));

        // Enter in a name field presses no slot.
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(dialog.isVisible());

        QCOMPARE(helpContextOf(field), HelpContext::SlotDialog);
        child<QPushButton>(dialog, "help")->click();
        QCOMPARE(m_game->help.opened, QList<int>{HelpContext::SlotDialog});
        dialog.reject();
    });
    QVERIFY(m_game->state().record() == InProgress);
}

void SlotsTest::slotsShutWhileTheMachineIsBusy()
{
    run(QStringLiteral("&Save Game"), [this](SlotDialog &dialog) {
        auto *button = child<QPushButton>(dialog, "slot4");
        emit probe(*m_game->window).controls().busyChanged(true);
        QVERIFY(!button->isEnabled());
        emit probe(*m_game->window).controls().busyChanged(false);
        QVERIFY(button->isEnabled());
        dialog.reject();
    });
}

void SlotsTest::failedWritesLoseNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("failedWrites");
    QTest::newRow("open and cancel") << "&Open Game" << "cancel" << 1;
    QTest::newRow("save into slot 2") << "&Save Game" << "slot2" << 2;
    QTest::newRow("open slot 5") << "&Open Game" << "slot5" << 2;
}

// The configuration directory cannot take the file: like a full disk, a
// limit on the size of the files this process writes makes every write fail,
// for root as well.
void SlotsTest::failedWritesLoseNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, button);
    QFETCH(int, failedWrites);
    const QByteArray before = readBytes(path());
    QStringList messages;
    {
        FileSizeLimit full(16);
        messages = run(command, [&](SlotDialog &dialog) { pressLater(child<QPushButton>(dialog, button)); },
                       QStringLiteral("Lost"));
    }
    QCOMPARE(messages, QStringList(failedWrites, QStringLiteral("Unable to write to zandslots.ini")));
    QVERIFY(m_game->state().record() == InProgress);
    QCOMPARE(readBytes(path()), before);
}

ZAND_TEST_MAIN(SlotsTest)
#include "tst_slots.moc"
