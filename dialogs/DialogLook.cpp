// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogLook.h"

#include "game/Assets.h"
#include "screen/Fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace zand::DialogLook {

int scaled(const QWidget *widget, int pixels96)
{
    return static_cast<int>(std::lround(pixels96 * widget->logicalDpiY() / 96.0));
}

QRect scaled(const QWidget *widget, const QRect &rect96)
{
    return QRect(scaled(widget, rect96.x()), scaled(widget, rect96.y()),
                 scaled(widget, rect96.width()), scaled(widget, rect96.height()));
}

QFont font(int pointSize, bool bold)
{
    QFont f = gameFont(pointSize);
    f.setBold(bold);
    return f;
}

QIcon glyph(Glyph glyph)
{
    const auto icon = [](const char *name, const char *name2x) {
        QIcon result;
        result.addFile(QStringLiteral(":/art/") + QLatin1String(name));
        result.addFile(QStringLiteral(":/art/") + QLatin1String(name2x));
        return result;
    };
    switch (glyph) {
    case Glyph::Ok:
        return icon(Assets::GlyphOk, Assets::GlyphOk2x);
    case Glyph::Help:
        return icon(Assets::GlyphHelp, Assets::GlyphHelp2x);
    case Glyph::Cancel:
        return icon(Assets::GlyphCancel, Assets::GlyphCancel2x);
    }
    return {};
}

QRect availableArea(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

void centreOnScreen(QWidget *window)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(availableArea(window).center());
    window->move(frame.topLeft());
}

int titleRoom(const QWidget *window)
{
    QFont title = window->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    return QFontMetrics(title).horizontalAdvance(window->windowTitle()) + scaled(window, 140);
}

QPushButton *button(QWidget *parent, const QRect &rect96, Glyph face, const QString &caption)
{
    auto *b = new QPushButton(glyph(face), caption, parent);
    b->setGeometry(scaled(parent, rect96));
    b->setIconSize(QSize(scaled(parent, 24), scaled(parent, 24)));
    return b;
}

} // namespace zand::DialogLook
