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

FormTimer::Step FormTimer::StepOf(const InterfaceTable& table) {
    for (const auto& [known, step] : steps_)
        if (known == &table) return step;
    const MethodInfo* method = table.FindMethod("TimerInvoke");
    const Step step = !method ? Step::None : method->inert ? Step::Inert : Step::Call;
    steps_.emplace_back(&table, step);
    return step;
}

int FormTimer::step() {
    if (!form_) return 0;
    QList<ControlWidget*> widgets = form_->findChildren<ControlWidget*>();
    if (auto* self = qobject_cast<ControlWidget*>(form_.data())) widgets.prepend(self);
    // First, without running any of the controls' code: the widgets whose class does nothing
    // on TimerInvoke are counted, and those to call (or whose control is still to be made)
    // are kept. A call may delete widgets (a handler closing a window): those kept are
    // looked at through a guard.
    int stepped = 0;
    QList<QPointer<ControlWidget>> toCall;
    for (ControlWidget* w : widgets) {
        if (!w->control_) {
            toCall.append(w);
            continue;
        }
        const Step step = StepOf(*w->table_);
        if (step == Step::Inert) ++stepped;
        if (step == Step::Call) toCall.append(w);
    }
    for (const QPointer<ControlWidget>& w : toCall) {
        if (!w || !w->hasControl()) continue;
        const Step step = StepOf(*w->table_);
        if (step == Step::None) continue;
        if (step == Step::Call) w->call("TimerInvoke");
        ++stepped;
    }
    return stepped;
}

} // namespace nk::qt
