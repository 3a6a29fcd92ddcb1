// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AutoplayPlan.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace zand {

// Options > Autoplay: how many spins, and what stops them sooner.
class AutoplayDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AutoplayDialog(const AutoplayPlan &plan, QWidget *parent = nullptr);

    AutoplayPlan plan() const;

private:
    QComboBox *m_spins;
    QCheckBox *m_onWin;
    QSpinBox *m_winAtLeast;
    QCheckBox *m_onBonus;
    QCheckBox *m_onCredits;
    QSpinBox *m_creditsBelow;
};

} // namespace zand
