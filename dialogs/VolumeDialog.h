// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QSlider;

namespace zand {

// Options > Volume: one slider for the effects and one for the music, heard
// as they move. The window only reports the levels; whoever opened it sets
// them on the sound and keeps them.
class VolumeDialog : public QDialog
{
    Q_OBJECT

public:
    VolumeDialog(int effects, int music, QWidget *parent = nullptr);

    int effects() const;
    int music() const;

signals:
    void effectsChanged(int percent);
    void musicChanged(int percent);

private:
    QSlider *addSlider(const QString &caption, int value);

    QSlider *m_effects;
    QSlider *m_music;
};

} // namespace zand
