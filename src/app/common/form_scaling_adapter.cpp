#include "app/common/form_scaling_adapter.h"

#include "core/common/form_scaling.h"

#include <QFrame>
#include <QGroupBox>
#include <QWidget>

namespace {

bool IsPanel(const QWidget* child) {
    const QMetaObject* type = child->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           child->inherits("QGroupBox");
}

} // namespace

void PasFormAan(QWidget* window, double pixelsPerInch) {
    if (!window || !window->isWindow()) return;
    double factor = PasFormAanFactor(pixelsPerInch);
    if (factor == 1.0) return;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || IsPanel(child)) continue;
        QRect g = child->geometry();
        ControlBounds scaled = ScaleBounds({g.x(), g.y(), g.width(), g.height()}, factor);
        child->setGeometry(scaled.Left, scaled.Top, scaled.Width, scaled.Height);
    }
}
