#include "ui/pictureboxaccessible.h"

#include "ui/pictureboxwidget.h"

namespace {

QAccessibleInterface* pictureBoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("PictureBoxWidget")) return nullptr;
    auto* box = qobject_cast<PictureBoxWidget*>(object);
    return box ? new PictureBoxAccessible(box) : nullptr;
}

} // namespace

PictureBoxAccessible::PictureBoxAccessible(PictureBoxWidget* box)
    : QAccessibleWidget(box, QAccessible::Graphic) {}

QStringList PictureBoxAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

void PictureBoxAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && widget()->isEnabled()) {
        Q_EMIT static_cast<PictureBoxWidget*>(widget())->clicked();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void PictureBoxAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(&pictureBoxFactory);
        return true;
    }();
    (void)installed;
}
