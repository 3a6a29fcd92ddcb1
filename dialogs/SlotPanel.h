// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/SavedGame.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zand {

// One saved-game slot in the slot dialog: its name (which the player may
// retype before saving), the running game's title, the date it was saved,
// its credits and borrowed credits, and the button that saves into it or
// opens it. Slots are numbered 1 to 8 on the screen.
class SlotPanel : public QFrame
{
    Q_OBJECT

public:
    SlotPanel(int number, bool saving, QWidget *dialog);

    void showGame(const SavedGameFile::Loaded &game, const QString &gameTitle);

    QString name() const;
    QPushButton *button() const { return m_button; }

private:
    QLabel *label(const QRect &rect96, Qt::Alignment alignment, const QString &role);

    QLineEdit *m_name;
    QLabel *m_game;
    QLabel *m_date;
    QLabel *m_credits;
    QLabel *m_borrowed;
    QPushButton *m_button;
    int m_number;
    bool m_saving;
};

} // namespace zand
