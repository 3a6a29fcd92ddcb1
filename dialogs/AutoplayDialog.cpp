// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutoplayDialog.h"

#include "dialogs/DialogLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace zand {

namespace {

QSpinBox *amountBox(QWidget *parent, int value, int fallback)
{
    auto *box = new QSpinBox(parent);
    box->setRange(1, 999999);
    box->setValue(value > 0 ? value : fallback);
    return box;
}

} // namespace

AutoplayDialog::AutoplayDialog(const AutoplayPlan &plan, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Autoplay"));
    setFont(DialogLook::font(10));
    auto *form = new QFormLayout(this);

    m_spins = new QComboBox(this);
    m_spins->setObjectName(QStringLiteral("spins"));
    for (int spins : AutoplayPlan::SpinChoices)
        m_spins->addItem(QString::number(spins), spins);
    m_spins->setCurrentIndex(std::max(0, m_spins->findData(plan.spins)));
    form->addRow(tr("&Spins:"), m_spins);

    m_onWin = new QCheckBox(tr("Stop when a &win reaches"), this);
    m_onWin->setChecked(plan.winAtLeast > 0);
    m_winAtLeast = amountBox(this, plan.winAtLeast, 100);
    form->addRow(m_onWin, m_winAtLeast);

    m_onBonus = new QCheckBox(tr("Stop on a &bonus game"), this);
    m_onBonus->setChecked(plan.stopOnBonus);
    form->addRow(m_onBonus);

    m_onCredits = new QCheckBox(tr("Stop when &credits fall below"), this);
    m_onCredits->setChecked(plan.creditsBelow > 0);
    m_creditsBelow = amountBox(this, plan.creditsBelow, 10);
    form->addRow(m_onCredits, m_creditsBelow);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *start = buttons->addButton(tr("Start"), QDialogButtonBox::AcceptRole);
    start->setIcon(DialogLook::glyph(DialogLook::Glyph::Ok));
    start->setDefault(true);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setIcon(DialogLook::glyph(DialogLook::Glyph::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setMinimumWidth(DialogLook::titleRoom(this));
    DialogLook::centreOnScreen(this);
}

AutoplayPlan AutoplayDialog::plan() const
{
    AutoplayPlan plan;
    plan.spins = m_spins->currentData().toInt();
    plan.winAtLeast = m_onWin->isChecked() ? m_winAtLeast->value() : 0;
    plan.stopOnBonus = m_onBonus->isChecked();
    plan.creditsBelow = m_onCredits->isChecked() ? m_creditsBelow->value() : 0;
    return plan;
}

} // namespace zand
