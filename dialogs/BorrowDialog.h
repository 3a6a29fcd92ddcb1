// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CanvasZone.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QRadioButton;

namespace zand {

class Canvas;
struct Config;
class Machine;
struct Pictures;

// Borrow credits or pay them back, a chip at a time. Every click takes effect
// at once on the game's balances; OK only closes the window.
class BorrowDialog : public QDialog
{
    Q_OBJECT

public:
    BorrowDialog(const Config &config, Machine &machine, const Pictures &pictures,
                 QWidget *parent = nullptr);

private:
    void createChipButtons();
    void createModeButtons();
    void nameChips();
    std::vector<CanvasZone> balanceZones() const;
    void paintBalances();
    void chipClicked(int amount);
    void inform(const QString &text);
    // Places a control at its 96-dpi rectangle, grown where its text needs more.
    void place(QWidget *control, const QRect &rect96);

    const Config &m_config;
    Machine &m_machine;
    const Pictures &m_pictures;
    Canvas *m_balances;
    QRadioButton *m_payBack = nullptr;
    std::vector<QPushButton *> m_chips;
};

} // namespace zand
