#include "runtime/qt/FocusFollower.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "runtime/Control.h"
#include "runtime/qt/ControlWidget.h"
#include "runtime/qt/ModelSync.h"
#include "runtime/qt/PageKeyRoute.h"

namespace quillo::qt {

namespace {

bool followPending = false;

// The control whose widget holds this one: a control's widget, a part of it (a list's rows, the
// field of a label edit) or a page view; nullptr for a form itself or a window of Qt's own.
runtime::Control* ControlHolding(QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (auto* control = qobject_cast<ControlWidget*>(widget)) return control->control();
        if (runtime::Control* browser = PageKeyRoute::controlOf(widget)) return browser;
        if (widget->isWindow()) break;
    }
    return nullptr;
}

}  // namespace

void FocusFollower::install() {
    static QPointer<QCoreApplication> installedOn;
    if (!qApp || installedOn == qApp) return;
    installedOn = qApp;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [] { follow(); });
}

void FocusFollower::follow() {
    if (ModelSync::active()) {
        if (followPending) return;
        followPending = true;
        QTimer::singleShot(0, qApp, [] {
            followPending = false;
            follow();
        });
        return;
    }
    runtime::Control* control = ControlHolding(QApplication::focusWidget());
    if (control && control->kind() != runtime::ControlKind::Form) control->SetFocus();
}

}  // namespace quillo::qt
