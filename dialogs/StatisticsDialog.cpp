// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsDialog.h"

#include "dialogs/DialogLook.h"
#include "dialogs/HistoryChart.h"
#include "game/Statistics.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zand {

namespace {

constexpr int PointSize = 10;
// The window and the least room between a caption and its figure, at 96 dpi.
constexpr int Width = 632;
constexpr int Height = 207;
constexpr int Gap = 8;
// The chart sits between the figures and the button.
constexpr int ChartX = 12, ChartY = 160, ChartRoom = 218;

enum class Look { Regular, Bold, BoldRed };

struct Figure
{
    const char *name; // the value label's object name
    const char *caption;
    int captionX, captionY;
    std::int64_t Statistics::*count; // null for the percentage
    int valueRight, valueY;
    Look look;
};

constexpr Figure Figures[] = {
    {"spins", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Spins:"), 12, 14, &Statistics::spins, 281, 14, Look::Bold},
    {"credits", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Credits:"), 12, 70, &Statistics::credits, 281, 70, Look::Bold},
    {"borrowed", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Borrowed:"), 12, 126, &Statistics::borrowed, 281, 126, Look::Bold},
    {"totalBets", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Total Bets:"), 340, 14, &Statistics::totalBets, 609, 14, Look::Bold},
    {"payoffs", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Payoffs:"), 340, 46, &Statistics::payoffs, 609, 46, Look::Bold},
    {"normal", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Normal:"), 364, 70, &Statistics::normal, 585, 70, Look::Regular},
    {"bonus", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Bonus:"), 364, 94, &Statistics::bonus, 585, 94, Look::Regular},
    {"percentage", QT_TRANSLATE_NOOP("zand::StatisticsDialog", "Overall Payoff Percentage:"), 340, 126, nullptr, 617, 126, Look::BoldRed},
};

} // namespace

StatisticsDialog::StatisticsDialog(const Statistics &books, std::vector<HistoryPoint> history,
                                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("Your Game Statistics"));

    const QFont regular = DialogLook::font(PointSize);
    const QFont bold = DialogLook::font(PointSize, true);
    // An outlandish figure (a jackpot on the first coin bet) may not fit
    // beside its caption: it moves right and the window grows to hold it.
    int width = DialogLook::scaled(this, Width);
    for (const Figure &figure : Figures) {
        // The one figure the player is after stands out, caption and all.
        const bool standsOut = figure.look == Look::BoldRed;
        const QLabel *caption = addCaption(tr(figure.caption), figure.captionX,
                                           figure.captionY, standsOut ? bold : regular);
        const QString text = figure.count ? formatCount(books.*figure.count)
                                          : formatPercentage(books.payoffPercentage);
        QLabel *value = addValue(text, figure.valueRight, figure.valueY,
                                 figure.look == Look::Regular ? regular : bold);
        value->setObjectName(QLatin1String(figure.name));
        value->setAccessibleName(caption->text());
        if (standsOut) {
            QPalette red = value->palette();
            red.setColor(QPalette::WindowText, Qt::red);
            value->setPalette(red);
        }
        const int clear = caption->x() + caption->width() + DialogLook::scaled(this, Gap);
        if (value->x() < clear)
            value->move(clear, value->y());
        width = std::max(width, value->x() + value->width() + DialogLook::scaled(this, Width - 617));
    }
    setFixedSize(width, DialogLook::scaled(this, Height + ChartRoom));
    auto *chart = new HistoryChart(std::move(history), this);
    chart->move(DialogLook::scaled(this, ChartX), DialogLook::scaled(this, ChartY));

    // The button keeps to the right-hand corner.
    QPushButton *ok = DialogLook::button(this, QRect(536, 168 + ChartRoom, 89, 33),
                                         DialogLook::Glyph::Ok, tr("OK"));
    ok->move(ok->x() + width - DialogLook::scaled(this, Width), ok->y());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    DialogLook::centreOnScreen(this);
}

QLabel *StatisticsDialog::addCaption(const QString &text, int x, int y, const QFont &font)
{
    auto *label = new QLabel(text, this);
    label->setFont(font);
    label->adjustSize();
    label->move(DialogLook::scaled(this, x), DialogLook::scaled(this, y));
    return label;
}

QLabel *StatisticsDialog::addValue(const QString &text, int right, int y, const QFont &font)
{
    auto *label = new QLabel(text, this);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->adjustSize();
    label->move(DialogLook::scaled(this, right) - label->width(), DialogLook::scaled(this, y));
    return label;
}

} // namespace zand
