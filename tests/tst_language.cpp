// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the desktop's language: the menus and windows of German,
// French and Spanish desktops in their own words, with room for them; an
// English or plain desktop sees the game's English texts, byte for byte.
#include "GameFixture.h"
#include "ModalAnswerer.h"

#include "app/Startup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace zand;

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Startup::translate(); }
    void init()
    {
        m_game = std::make_unique<GameFixture>();
        m_game->start();
    }
    void cleanup() { m_game.reset(); }
    void menusSpeakTheDesktopsLanguage();
    void windowsHoldTheirTexts_data();
    void windowsHoldTheirTexts();

private:
    // Every caption and button of `dialog` shows its whole text, and none
    // lies over another.
    void lookAt(QDialog *dialog);
    QList<QAction *> menuBarActions() { return m_game->window->menuBar()->actions(); }
    std::unique_ptr<GameFixture> m_game;
};

void LanguageTest::menusSpeakTheDesktopsLanguage()
{
    const QMap<QLocale::Language, QStringList> menus = {
        {QLocale::German, {"&Datei", "&Optionen", "&Leihen", "S&tatistik", "&Gewinntabelle", "&Hilfe"}},
        {QLocale::French, {"&Fichier", "&Options", "&Emprunter", "&Statistiques", "&Gains", "&Aide"}},
        {QLocale::Spanish, {"&Archivo", "&Opciones", "&Préstamo", "Es&tadísticas", "P&remios", "A&yuda"}},
    };
    const QMap<QLocale::Language, QString> manuals = {
        {QLocale::German, "&Handbuch zu Zandor Slots (auf Englisch)"},
        {QLocale::French, "&Manuel de Zandor Slots (en anglais)"},
        {QLocale::Spanish, "&Manual de Zandor Slots (en inglés)"},
    };
    const QLocale::Language language = QLocale().language();
    QStringList titles;
    for (QAction *action : menuBarActions())
        titles << action->text();
    QCOMPARE(titles, menus.value(language, {"&File", "&Options", "&Borrow", "&Stats", "&Payoffs", "&Help"}));
    QStringList help;
    for (QAction *action : menuBarActions().last()->menu()->actions())
        if (!action->isSeparator())
            help << action->text();
    QCOMPARE(help.at(1), manuals.value(language, "&Zandor Slots Manual"));
    if (!menus.contains(language))
        QCOMPARE(help, QStringList({"Version", "&Zandor Slots Manual", "&Zantek Games Page", "&Company Information"}));
}

void LanguageTest::windowsHoldTheirTexts_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("item");
    QTest::newRow("save") << 0 << 3;
    QTest::newRow("borrow") << 2 << -1;
    QTest::newRow("statistics") << 3 << -1;
}

void LanguageTest::windowsHoldTheirTexts()
{
    QFETCH(int, menu);
    QFETCH(int, item);
    QAction *command = menuBarActions().at(menu);
    if (item >= 0)
        command = command->menu()->actions().at(item);
    bool seen = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog || seen)
            return;
        seen = true;
        lookAt(dialog);
        dialog->reject();
    });
    command->trigger();
    QVERIFY(seen);
}

void LanguageTest::lookAt(QDialog *dialog)
{
    QList<QWidget *> texts;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (!label->text().isEmpty() && label->isVisible())
            texts << label;
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        if (!button->text().isEmpty() && button->isVisible())
            texts << button;
    QVERIFY(texts.size() >= 3);
    // A push button's face holds its glyph and its caption; every other
    // control the room the style asks for.
    const auto needed = [](QWidget *widget) {
        auto *button = qobject_cast<QPushButton *>(widget);
        if (!button)
            return widget->minimumSizeHint().width();
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const int glyph = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return glyph + QFontMetrics(button->font()).horizontalAdvance(caption);
    };
    // Where the letters fall: a label's text within its box, a button whole.
    const auto ink = [dialog](QWidget *widget) {
        QRect area = widget->rect();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            const QFontMetrics metrics(label->font());
            area = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                       QSize(metrics.horizontalAdvance(label->text()), metrics.height()),
                                       label->contentsRect());
        }
        return area.translated(widget->mapTo(dialog, QPoint(0, 0)));
    };
    for (QWidget *text : texts) {
        const QString what = text->property("text").toString();
        QVERIFY2(text->width() >= needed(text), qPrintable(what));
        QVERIFY2(dialog->rect().contains(ink(text)), qPrintable(what));
        for (QWidget *other : texts)
            QVERIFY2(other == text || !ink(text).intersects(ink(other)),
                     qPrintable(what + " / " + other->property("text").toString()));
    }
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
