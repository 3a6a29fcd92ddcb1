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
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property(ContextProperty).toInt();
        if (context != 0)
            return context;
        // A dialog's parent is the window it belongs to, not one it lies in:
        // a window without a topic of its own has none.
        if (widget->isWindow())
            break;
    }
    return 0;
}

} // namespace zand
