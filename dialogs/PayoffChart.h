// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

namespace zand {

struct Config;

// "Payoff Chart": the pay table as a picture, in a window that fits it.
// A theme replaces the built-in picture with a Paychart.jpg of its own.
class PayoffChart : public QDialog
{
    Q_OBJECT

public:
    explicit PayoffChart(const Config &config, QWidget *parent = nullptr);

    // The theme's chart where it has one that decodes, else the built-in
    // one; a picture larger than `room` is shrunk to fit, keeping its shape.
    // Why a theme's file was passed over goes into `warnings`.
    static QImage picture(const Config &config, const QSize &room, QStringList &warnings);
};

} // namespace zand
