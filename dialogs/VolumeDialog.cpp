// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "VolumeDialog.h"

#include "dialogs/DialogLook.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace zand {

VolumeDialog::VolumeDialog(int effects, int music, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Volume"));
    setFont(DialogLook::font(10));
    auto *form = new QFormLayout(this);
    m_effects = addSlider(tr("&Effects:"), effects);
    m_effects->setObjectName(QStringLiteral("effects"));
    m_music = addSlider(tr("&Music:"), music);
    m_music->setObjectName(QStringLiteral("music"));
    connect(m_effects, &QSlider::valueChanged, this, &VolumeDialog::effectsChanged);
    connect(m_music, &QSlider::valueChanged, this, &VolumeDialog::musicChanged);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setIcon(DialogLook::glyph(DialogLook::Glyph::Ok));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    form->addRow(buttons);
    setMinimumWidth(std::max(DialogLook::scaled(this, 320), DialogLook::titleRoom(this)));
    DialogLook::centreOnScreen(this);
}

QSlider *VolumeDialog::addSlider(const QString &caption, int value)
{
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(0, 100);
    slider->setPageStep(10);
    slider->setValue(value);
    static_cast<QFormLayout *>(layout())->addRow(caption, slider);
    return slider;
}

int VolumeDialog::effects() const
{
    return m_effects->value();
}

int VolumeDialog::music() const
{
    return m_music->value();
}

} // namespace zand
