// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotDialog.h"

#include "dialogs/DialogLook.h"
#include "dialogs/SlotPanel.h"
#include "game/Config.h"
#include "game/SavedGame.h"
#include "platform/HelpViewer.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace zand {

namespace {
const QString CurrentGameName = QStringLiteral("CurrentGame");
constexpr int MaxTypedName = 255;
} // namespace

SlotDialog::SlotDialog(SlotDialogMode mode, const SavedGameFile &file, const GameRecord &gameInProgress,
                       const QString &gameTitle, HelpViewer &help, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_mode(mode)
    , m_file(file)
    , m_game(gameInProgress)
{
    setWindowTitle(mode == SlotDialogMode::Save ? tr("Save a Game -- Select Game Slot")
                                                : tr("Open a Game -- Select Game Slot"));
    setFont(DialogLook::font(8, true));
    setFixedSize(DialogLook::scaled(this, 616), DialogLook::scaled(this, 360));
    setHelpContext(this, HelpContext::SlotDialog);

    auto *bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(DialogLook::scaled(this, QRect(0, 8, 617, 297)));

    // Made in slot order, so the focus moves from slot to slot.
    for (int slot = 0; slot < int(m_panels.size()); ++slot) {
        m_panels[slot] = new SlotPanel(slot + 1, mode == SlotDialogMode::Save, this);
        connect(m_panels[slot]->button(), &QPushButton::clicked, this, [this, slot] { slotPressed(slot); });
    }

    QPushButton *helpButton = DialogLook::button(this, QRect(8, 316, 97, 37), DialogLook::Glyph::Help,
                                                 tr("&Help"));
    helpButton->setObjectName(QStringLiteral("help"));
    setHelpContext(helpButton, HelpContext::SlotDialog);
    connect(helpButton, &QPushButton::clicked, this, [&help] { help.showTopic(HelpContext::SlotDialog); });
    QPushButton *cancelButton = DialogLook::button(this, QRect(508, 316, 97, 37), DialogLook::Glyph::Cancel,
                                                   tr("&Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancel"));
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The file always holds the game in progress once the dialog has opened.
    QString error;
    if (!m_file.save(SavedGameFile::CurrentGameSlot, CurrentGameName, m_game, &error))
        reportFailure(error);
    for (int slot = 0; slot < int(m_panels.size()); ++slot)
        m_panels[slot]->showGame(m_file.load(slot), gameTitle);
    // Enter or Space at once presses the first slot.
    m_panels[0]->button()->setFocus();
}

void SlotDialog::setSlotsEnabled(bool enabled)
{
    for (SlotPanel *panel : m_panels)
        panel->button()->setEnabled(enabled);
}

void SlotDialog::keyPressEvent(QKeyEvent *event)
{
    // A focused button takes Enter itself. Anywhere else (a name field) Enter
    // must not press some default button: that would save or open a slot the
    // player did not pick.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void SlotDialog::slotPressed(int slot)
{
    QString error;
    if (m_mode == SlotDialogMode::Save) {
        if (const std::optional<QString> name = askName(m_panels[slot]->name())) {
            if (!m_file.save(slot, *name, m_game, &error))
                reportFailure(error);
        }
    } else {
        const GameRecord opened = m_file.load(slot).values;
        // Only a game that is in the file as the current one replaces the
        // game in progress; otherwise closing would lose the game in progress.
        if (m_file.save(SavedGameFile::CurrentGameSlot, CurrentGameName, opened, &error))
            m_game = opened;
        else
            reportFailure(error);
    }
    accept();
}

std::optional<QString> SlotDialog::askName(const QString &offered)
{
    QInputDialog box(this);
    box.setWindowTitle(tr("Name for this saved game?"));
    box.setLabelText(QString());
    box.setTextValue(offered);
    // Builds the box's buttons, which then take the game's glyphs.
    box.setOkButtonText(tr("OK"));
    if (auto *field = box.findChild<QLineEdit *>()) {
        field->setMaxLength(MaxTypedName);
        // A name as long as the slots show it stays in view whole.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(SavedGameFile::MaxNameLength, QLatin1Char('W')))
                               + DialogLook::scaled(this, 16));
    }
    box.setMinimumWidth(DialogLook::titleRoom(&box));
    if (auto *buttons = box.findChild<QDialogButtonBox *>()) {
        buttons->button(QDialogButtonBox::Ok)->setIcon(DialogLook::glyph(DialogLook::Glyph::Ok));
        buttons->button(QDialogButtonBox::Cancel)->setIcon(DialogLook::glyph(DialogLook::Glyph::Cancel));
    }
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void SlotDialog::reportFailure(const QString &error)
{
    QMessageBox::critical(isVisible() ? this : parentWidget(), Config::applicationTitle(), error);
}

} // namespace zand
