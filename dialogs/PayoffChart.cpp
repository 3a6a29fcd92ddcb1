// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PayoffChart.h"

#include "dialogs/DialogLook.h"
#include "game/Assets.h"
#include "game/Config.h"
#include "platform/HelpViewer.h"
#include "screen/Pictures.h"

#include <QLabel>
#include <QPixmap>

namespace zand {

namespace {

// What a desktop's window frame takes around the picture (its title bar and
// borders), at 96 dpi. The frame itself is only known once the window shows.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 32;

} // namespace

PayoffChart::PayoffChart(const Config &config, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Payoff Chart"));
    setHelpContext(this, HelpContext::PayoffChart);

    const QSize room = DialogLook::availableArea(this).size()
        - QSize(DialogLook::scaled(this, FrameWidth), DialogLook::scaled(this, FrameHeight));
    QStringList warnings;
    const QImage chart = picture(config, room, warnings);
    Pictures::report(warnings);

    auto *image = new QLabel(this);
    image->setPixmap(QPixmap::fromImage(chart));
    image->setGeometry(0, 0, chart.width(), chart.height());
    setFixedSize(chart.size());
    DialogLook::centreOnScreen(this);
}

QImage PayoffChart::picture(const Config &config, const QSize &room, QStringList &warnings)
{
    QImage chart;
    const QString themed = config.findAsset(QStringLiteral("Paychart.jpg"));
    if (!themed.isEmpty())
        chart = Pictures::loadThemePicture(themed, warnings);
    if (chart.isNull())
        chart = Pictures::builtIn(Assets::PayChart);
    const bool tooLarge = chart.width() > room.width() || chart.height() > room.height();
    if (tooLarge && !room.isEmpty())
        chart = chart.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return chart;
}

} // namespace zand
