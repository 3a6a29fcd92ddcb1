// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpKey.h"

#include "platform/HelpViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace zand {

HelpKey::HelpKey(HelpViewer &help, QObject *parent)
    : QObject(parent)
    , m_help(help)
{
    QCoreApplication::instance()->installEventFilter(this);
}

HelpKey::~HelpKey()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

const QWidget *HelpKey::keyTarget(const QObject *receiver)
{
    if (const auto *widget = qobject_cast<const QWidget *>(receiver))
        return widget;
    // A key reaches the window first and its focused control after that;
    // taken at the window, it opens the topic once.
    if (const auto *window = qobject_cast<const QWindow *>(receiver)) {
        for (const QWidget *top : QApplication::topLevelWidgets()) {
            if (top->windowHandle() == window)
                return top->focusWidget() ? top->focusWidget() : top;
        }
    }
    return QApplication::focusWidget();
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int context = helpContextOf(keyTarget(watched));
    if (context != 0 && !key->isAutoRepeat())
        m_help.showTopic(context);
    return true;
}

} // namespace zand
