#include "qt/form_timer.h"

#include "framework/interface_table.h"
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/control_widget.h"

namespace nk::qt {

FormTimer::FormTimer(QWidget* form, int intervalMs) : QObject(form), form_(form) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &FormTimer::step);
}

int FormTimer::step() {
    if (!form_) return 0;
    QList<ControlWidget*> widgets = form_->findChildren<ControlWidget*>();
    if (auto* self = qobject_cast<ControlWidget*>(form_.data())) widgets.prepend(self);
    int stepped = 0;
    // A step may delete widgets (a handler closing a window): each is looked at through a
    // guard.
    QList<QPointer<ControlWidget>> guarded(widgets.begin(), widgets.end());
    for (const QPointer<ControlWidget>& w : guarded) {
        if (!w || !w->hasControl()) continue;
        if (!w->formControl()->table().FindMethod("TimerInvoke")) continue;
        w->call("TimerInvoke");
        ++stepped;
    }
    return stepped;
}

} // namespace nk::qt
