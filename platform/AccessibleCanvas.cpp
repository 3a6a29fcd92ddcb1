// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleCanvas.h"

#include "platform/Canvas.h"
#include "platform/CanvasZone.h"

#include <QPointer>

#include <limits>

namespace zand {

namespace {

// One zone of a canvas. It holds only its place among the canvas's zones and
// asks the canvas for the rest, so it always tells the game as it stands.
class ZoneAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleValueInterface
{
public:
    ZoneAccessible(Canvas *canvas, int index)
        : m_canvas(canvas)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_canvas && m_index < zoneCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_canvas ? QAccessible::queryAccessibleInterface(m_canvas.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        const CanvasZone z = zone();
        switch (t) {
        case QAccessible::Name:
            return z.name;
        case QAccessible::Value:
            return z.kind == CanvasZone::Kind::Button ? QString() : z.text;
        case QAccessible::Description:
            return z.kind == CanvasZone::Kind::Text ? z.text : QString();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        const auto *canvas = static_cast<const AccessibleCanvas *>(parent());
        return canvas ? canvas->globalRect(zone().rect) : QRect();
    }
    QAccessible::Role role() const override
    {
        switch (zone().kind) {
        case CanvasZone::Kind::Button:
            return QAccessible::Button;
        case CanvasZone::Kind::Value:
            return QAccessible::StaticText;
        case CanvasZone::Kind::Text:
            break;
        }
        return QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const CanvasZone z = zone();
        s.disabled = !z.enabled;
        s.invisible = !m_canvas || !m_canvas->isVisible();
        s.readOnly = z.kind != CanvasZone::Kind::Button;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        const CanvasZone::Kind kind = zone().kind;
        if (type == QAccessible::ActionInterface && kind == CanvasZone::Kind::Button)
            return static_cast<QAccessibleActionInterface *>(this);
        if (type == QAccessible::ValueInterface && kind == CanvasZone::Kind::Value)
            return static_cast<QAccessibleValueInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        const CanvasZone z = zone();
        if (name == pressAction() && z.enabled && z.press)
            z.press();
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        const QString key = zone().key;
        if (name != pressAction() || key.isEmpty())
            return {};
        return {key};
    }

    QVariant currentValue() const override { return zone().value; }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override
    {
        const int maximum = zone().maximum;
        return maximum > 0 ? maximum : std::numeric_limits<int>::max();
    }
    QVariant minimumValue() const override { return zone().maximum > 0 ? 0 : std::numeric_limits<int>::min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    int zoneCount() const { return int(m_canvas->zones().size()); }
    CanvasZone zone() const
    {
        if (!m_canvas)
            return {};
        const std::vector<CanvasZone> zones = m_canvas->zones();
        return m_index < int(zones.size()) ? zones[m_index] : CanvasZone{};
    }

    QPointer<Canvas> m_canvas;
    int m_index;
};

QAccessibleInterface *canvasFactory(const QString &, QObject *object)
{
    if (auto *canvas = qobject_cast<Canvas *>(object))
        return new AccessibleCanvas(canvas);
    return nullptr;
}

// Nobody hears a change while no reader listens.
QAccessibleInterface *childOf(Canvas *canvas, int index)
{
    if (!QAccessible::isActive())
        return nullptr;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(canvas);
    return iface ? iface->child(index) : nullptr;
}

} // namespace

AccessibleCanvas::AccessibleCanvas(Canvas *canvas)
    : QAccessibleWidget(canvas, QAccessible::Client)
{
}

AccessibleCanvas::~AccessibleCanvas()
{
    for (QAccessible::Id id : m_children)
        QAccessible::deleteAccessibleInterface(id);
}

void AccessibleCanvas::describe(Canvas *canvas, CanvasZones zones)
{
    static const bool installed = [] {
        QAccessible::installFactory(canvasFactory);
        return true;
    }();
    Q_UNUSED(installed);
    canvas->setZones(std::move(zones));
    // A plain widget's interface made before the factory came is forgotten,
    // so that the canvas is asked again.
    QAccessibleInterface *known = QAccessible::queryAccessibleInterface(canvas);
    if (known && !dynamic_cast<AccessibleCanvas *>(known))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

Canvas *AccessibleCanvas::canvas() const
{
    return static_cast<Canvas *>(widget());
}

QRect AccessibleCanvas::globalRect(const QRect &drawn) const
{
    const Canvas *c = canvas();
    const QRectF device(drawn.translated(c->origin()));
    const qreal ratio = c->devicePixelRatioF();
    const QRect local = QRectF(device.topLeft() / ratio, device.size() / ratio).toRect();
    return local.translated(c->mapToGlobal(QPoint(0, 0)));
}

int AccessibleCanvas::childCount() const
{
    return int(canvas()->zones().size());
}

QAccessibleInterface *AccessibleCanvas::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(m_children.size()) <= index)
        m_children.push_back(QAccessible::registerAccessibleInterface(
            new ZoneAccessible(canvas(), int(m_children.size()))));
    return QAccessible::accessibleInterface(m_children[index]);
}

int AccessibleCanvas::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < int(m_children.size()); ++i) {
        if (QAccessible::accessibleInterface(m_children[i]) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface *AccessibleCanvas::childAt(int x, int y) const
{
    const std::vector<CanvasZone> zones = canvas()->zones();
    for (int i = 0; i < int(zones.size()); ++i) {
        if (globalRect(zones[i].rect).contains(x, y))
            return child(i);
    }
    return nullptr;
}

void AccessibleCanvas::valueChanged(Canvas *canvas, int index)
{
    if (QAccessibleInterface *zone = childOf(canvas, index)) {
        QAccessibleValueChangeEvent event(zone, zone->valueInterface()
                                                    ? zone->valueInterface()->currentValue()
                                                    : QVariant(zone->text(QAccessible::Value)));
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleCanvas::nameChanged(Canvas *canvas, int index)
{
    if (QAccessibleInterface *zone = childOf(canvas, index)) {
        QAccessibleEvent event(zone, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void AccessibleCanvas::stateChanged(Canvas *canvas, int index)
{
    if (QAccessibleInterface *zone = childOf(canvas, index)) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(zone, changed);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace zand
