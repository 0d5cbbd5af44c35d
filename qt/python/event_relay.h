// The events whose arguments are references, for Python: a Python callable connected to such
// a signal gets the arguments' values, and what it returns goes back into the control's own
// variables, as a C++ slot's changes to its references do. A relay is a child of the widget it
// listens to, so it ends with the widget, and it holds its callable until then.
#pragma once

#include <Python.h>

#include <QByteArray>
#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QString>

namespace nk::python {

class EventRelay : public QObject {
public:
    // Connects `callable` directly to the signal `signature` of `sender`
    // ("mouseMove(short&,short&,float&,float&)"); nullptr, with a Python exception set, when
    // the sender has no such signal or an argument is of a type the relay cannot carry.
    static EventRelay* connect(QObject* sender, const QByteArray& signature, PyObject* callable);
    ~EventRelay() override;
    EventRelay(const EventRelay&) = delete;
    EventRelay& operator=(const EventRelay&) = delete;

    // Ends the connection; the relay is deleted once control is back in the event loop.
    void disconnectRelay();
    // Ends the connections of `sender`'s signal `signature` whose callable equals `slot`
    // (every one for None); how many it ended.
    static int disconnectRelays(QObject* sender, const QByteArray& signature, PyObject* slot);
    QByteArray signature() const { return signal_.methodSignature(); }
    PyObject* callable() const { return callable_; }

    int qt_metacall(QMetaObject::Call call, int id, void** args) override;

private:
    enum class Kind { Short, Int, Float };
    EventRelay(QObject* sender, QMetaMethod signal, QList<Kind> kinds, PyObject* callable);
    void Deliver(void** args);
    // Writes the values a callable returned ({"x": -1}) into the arguments; a name the
    // signal does not have, or a value of the wrong type or range, raises with both named.
    bool WriteBack(PyObject* changes, void** args);

    QMetaMethod signal_;
    QList<Kind> kinds_;
    PyObject* callable_;
    QMetaObject::Connection connection_;
    bool connected_ = true;
};

} // namespace nk::python
