// The form's timer for the animated controls: no control owns a timer, so an application
// that wants the roll-over sequences, the edge shine and the pad's motion without writing
// the loop itself makes one of these for its window.
//
//     nk::qt::FormTimer timer(&window);   // every 50 ms
//     timer.start();
#pragma once

#include "qt/kit_types.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

namespace nk::qt {

class FormTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
public:
    // Steps the Nuvelkit widgets under `form` (and `form` itself when it is one).
    explicit FormTimer(QWidget* form, int intervalMs = 50);

    int interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    bool isActive() const { return timer_.isActive(); }

public slots:
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    // One step: TimerInvoke of every Nuvelkit widget under the form that has it, in the
    // order the form holds them. Returns how many were stepped; a widget whose class does
    // nothing on TimerInvoke counts without the call.
    int step();

private:
    // What a step does with a widget of a class: nothing (no TimerInvoke), nothing but
    // counting it (its TimerInvoke does nothing), or the call. Looked up once a class.
    enum class Step { None, Inert, Call };
    Step StepOf(const InterfaceTable& table);

    QPointer<QWidget> form_;
    QTimer timer_;
    std::vector<std::pair<const InterfaceTable*, Step>> steps_;
};

} // namespace nk::qt
