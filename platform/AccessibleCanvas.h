// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CanvasZone.h"

#include <QAccessibleWidget>

#include <vector>

namespace zand {

class Canvas;

// A drawn surface in the accessibility tree: the canvas with its zones as
// children, so a screen reader finds the buttons and numbers painted on it.
class AccessibleCanvas : public QAccessibleWidget
{
public:
    explicit AccessibleCanvas(Canvas *canvas);
    ~AccessibleCanvas() override;

    // Shows `canvas` to assistive technology with these zones.
    static void describe(Canvas *canvas, CanvasZones zones);

    // Tell assistive technology that zone `index` of `canvas` changed.
    static void valueChanged(Canvas *canvas, int index);
    static void nameChanged(Canvas *canvas, int index);
    static void stateChanged(Canvas *canvas, int index);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    Canvas *canvas() const;
    // The global rectangle of a rectangle in drawing coordinates.
    QRect globalRect(const QRect &drawn) const;

private:
    mutable std::vector<QAccessible::Id> m_children;
};

} // namespace zand
