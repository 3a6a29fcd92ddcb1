// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotPanel.h"

#include "dialogs/DialogLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace zand {

namespace {

// Slots 1 to 4 stand in the left column, 5 to 8 in the right one.
QRect panelRect96(int number)
{
    const int row = (number - 1) % 4;
    return QRect(number <= 4 ? 16 : 312, 16 + 72 * row, 289, 65);
}

// A text wider than its box (a long theme title, a hand-edited number) is
// cut with an ellipsis rather than clipped, and shown whole as a tip.
void setFitted(QLabel *label, const QString &text)
{
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width();
    const bool fits = metrics.horizontalAdvance(text) <= room;
    label->setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, room));
    label->setToolTip(fits ? QString() : text);
}

} // namespace

SlotPanel::SlotPanel(int number, bool saving, QWidget *dialog)
    : QFrame(dialog)
    , m_number(number)
    , m_saving(saving)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setGeometry(DialogLook::scaled(dialog, panelRect96(number)));
    setFont(DialogLook::font(8));

    // Editable, yet it reads like a label: no border, on the panel's colour.
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("name%1").arg(number));
    m_name->setFrame(false);
    QPalette palette = m_name->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    m_name->setPalette(palette);
    m_name->setGeometry(DialogLook::scaled(this, QRect(8, 8, 233, 20)));
    m_name->setAccessibleName(tr("Name of slot %1").arg(number));

    const QString suffix = QString::number(number);
    m_game = label(QRect(8, 28, 129, 13), Qt::AlignLeft, QStringLiteral("game") + suffix);
    m_date = label(QRect(168, 28, 57, 13), Qt::AlignRight, QStringLiteral("date") + suffix);
    m_credits = label(QRect(8, 48, 105, 13), Qt::AlignLeft, QStringLiteral("credits") + suffix);
    m_borrowed = label(QRect(112, 48, 113, 13), Qt::AlignRight, QStringLiteral("borrowed") + suffix);

    m_button = DialogLook::button(this, QRect(232, 16, 49, 37), DialogLook::Glyph::Ok, tr("OK"));
    m_button->setObjectName(QStringLiteral("slot") + suffix);
    m_button->setFont(dialog->font());
}

QLabel *SlotPanel::label(const QRect &rect96, Qt::Alignment alignment, const QString &role)
{
    auto *result = new QLabel(this);
    result->setObjectName(role);
    result->setAlignment(alignment | Qt::AlignTop);
    QRect box = DialogLook::scaled(this, rect96);
    // The lettering's line may be a pixel taller than the box at some sizes;
    // there is room below every label.
    box.setHeight(std::max(box.height(), result->fontMetrics().height()));
    result->setGeometry(box);
    return result;
}

void SlotPanel::showGame(const SavedGameFile::Loaded &game, const QString &gameTitle)
{
    m_name->setText(game.name);
    m_name->setCursorPosition(0);
    setFitted(m_game, gameTitle);
    setFitted(m_date, game.date);
    setFitted(m_credits, tr("%1 Credits").arg(game.values.credits));
    setFitted(m_borrowed, tr("%1 Borrowed").arg(game.values.borrowed));
    // Eight buttons that all read "OK" tell a listener nothing: each says
    // which slot it is and what the slot holds.
    const QString held = game.name.isEmpty()
        ? tr("%1 credits").arg(QLocale().toString(game.values.credits))
        : tr("%1, %2 credits").arg(game.name, QLocale().toString(game.values.credits));
    m_button->setAccessibleName(m_saving ? tr("Save in slot %1, %2").arg(m_number).arg(held)
                                         : tr("Open slot %1, %2").arg(m_number).arg(held));
}

QString SlotPanel::name() const
{
    return m_name->text();
}

} // namespace zand
