// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpViewer.h"

#include <QVariant>
#include <QWidget>

namespace zand {

namespace {
constexpr const char *ContextProperty = "zandHelpContext";
}

void setHelpContext(QWidget *widget, int context)
{
    widget->setProperty(ContextProperty, context);
}

int helpContextOf(const QWidget *widget)
{
    // The search ends at the window: a dialog without a topic of its own
    // does not borrow the one of the window that opened it.
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property(ContextProperty).toInt();
        if (context != 0 || widget->isWindow())
            return context;
        // A dialog's parent is the window it belongs to, not one it lies in:
        // a window without a topic of its own has none.
        if (widget->isWindow())
            break;
    }
    return 0;
}

} // namespace zand
