#include "qt/python/event_relay.h"

#include <QMetaObject>

#include <limits>

namespace nk::python {

namespace {

// The relay's one slot, past QObject's own methods: its qt_metacall answers it.
int RelaySlot() {
    return QObject::staticMetaObject.methodCount();
}

// Holds the interpreter for the relay's calls, which come from Qt's event loop.
class Gil {
public:
    Gil() : state_(PyGILState_Ensure()) {}
    ~Gil() { PyGILState_Release(state_); }
    Gil(const Gil&) = delete;
    Gil& operator=(const Gil&) = delete;

private:
    PyGILState_STATE state_;
};

} // namespace

EventRelay* EventRelay::connect(QObject* sender, const QByteArray& signature, PyObject* callable) {
    const QMetaObject* meta = sender->metaObject();
    const int index = meta->indexOfSignal(QMetaObject::normalizedSignature(signature.constData()));
    if (index < 0) {
        PyErr_Format(PyExc_AttributeError, "%s has no signal %s", meta->className(),
                     signature.constData());
        return nullptr;
    }
    const QMetaMethod signal = meta->method(index);
    QList<Kind> kinds;
    for (const QByteArray& type : signal.parameterTypes()) {
        const QByteArray base = type.endsWith('&') ? type.chopped(1) : type;
        if (base == "short")
            kinds.append(Kind::Short);
        else if (base == "int")
            kinds.append(Kind::Int);
        else if (base == "float")
            kinds.append(Kind::Float);
        else {
            PyErr_Format(PyExc_TypeError, "%s.%s: an argument of type %s cannot reach Python",
                         meta->className(), signature.constData(), type.constData());
            return nullptr;
        }
    }
    // Parented to the sender, which deletes it; the constructor is private, so std::make_unique
    // cannot make it, and the parent owns it from here on.
    auto* relay = new EventRelay(sender, signal, kinds, callable);
    relay->connection_ =
        QMetaObject::connect(sender, index, relay, RelaySlot(), Qt::DirectConnection);
    return relay;
}

EventRelay::EventRelay(QObject* sender, QMetaMethod signal, QList<Kind> kinds, PyObject* callable)
    : QObject(sender), signal_(signal), kinds_(std::move(kinds)), callable_(callable) {
    Py_INCREF(callable_);
}

EventRelay::~EventRelay() {
    QObject::disconnect(connection_);
    if (!Py_IsInitialized()) return;
    Gil gil;
    Py_CLEAR(callable_);
}

void EventRelay::disconnectRelay() {
    if (!connected_) return;
    connected_ = false;
    QObject::disconnect(connection_);
    deleteLater();
}

int EventRelay::disconnectRelays(QObject* sender, const QByteArray& signature, PyObject* slot) {
    const QByteArray wanted = QMetaObject::normalizedSignature(signature.constData());
    int ended = 0;
    for (QObject* child : sender->children()) {
        auto* relay = dynamic_cast<EventRelay*>(child);
        if (!relay || !relay->connected_ || relay->signature() != wanted) continue;
        if (slot != Py_None) {
            const int same = PyObject_RichCompareBool(relay->callable_, slot, Py_EQ);
            if (same < 0) PyErr_Clear();
            if (same <= 0) continue;
        }
        relay->disconnectRelay();
        ++ended;
    }
    return ended;
}

int EventRelay::qt_metacall(QMetaObject::Call call, int id, void** args) {
    if (call == QMetaObject::InvokeMetaMethod && id == RelaySlot()) {
        Deliver(args);
        return -1;
    }
    return QObject::qt_metacall(call, id, args);
}

void EventRelay::Deliver(void** args) {
    if (!Py_IsInitialized()) return;
    Gil gil;
    PyObject* values = PyTuple_New(kinds_.size());
    for (int i = 0; i < kinds_.size(); ++i) {
        void* arg = args[i + 1];
        PyObject* v = kinds_[i] == Kind::Short ? PyLong_FromLong(*static_cast<short*>(arg))
                      : kinds_[i] == Kind::Int ? PyLong_FromLong(*static_cast<int*>(arg))
                                               : PyFloat_FromDouble(*static_cast<float*>(arg));
        PyTuple_SET_ITEM(values, i, v);
    }
    // A slot may take fewer arguments than the signal has, as Qt's slots may.
    PyObject* result = PyObject_Call(callable_, values, nullptr);
    if (result && PyErr_Occurred() == nullptr && result != Py_None) {
        if (!PyDict_Check(result))
            PyErr_Format(PyExc_TypeError,
                         "%s: a slot returns None or a dict of the arguments it changes, not %s",
                         signature().constData(), Py_TYPE(result)->tp_name);
        else
            WriteBack(result, args);
    }
    Py_XDECREF(result);
    Py_DECREF(values);
    // An exception in a slot is reported as Python reports an unhandled one; the control goes
    // on with the values it had.
    if (PyErr_Occurred()) PyErr_Print();
}

bool EventRelay::WriteBack(PyObject* changes, void** args) {
    const QList<QByteArray> names = signal_.parameterNames();
    PyObject* key = nullptr;
    PyObject* value = nullptr;
    Py_ssize_t at = 0;
    while (PyDict_Next(changes, &at, &key, &value)) {
        const QByteArray name =
            PyUnicode_Check(key) ? QByteArray(PyUnicode_AsUTF8(key)) : QByteArray();
        const int i = names.indexOf(name);
        if (i < 0) {
            PyErr_Format(PyExc_KeyError, "%s has no argument %R", signature().constData(), key);
            return false;
        }
        if (kinds_[i] == Kind::Float) {
            const double d = PyFloat_AsDouble(value);
            if (PyErr_Occurred()) return false;
            *static_cast<float*>(args[i + 1]) = static_cast<float>(d);
            continue;
        }
        const long n = PyLong_AsLong(value);
        if (PyErr_Occurred()) return false;
        const long low = kinds_[i] == Kind::Short ? std::numeric_limits<short>::min()
                                                  : std::numeric_limits<int>::min();
        const long high = kinds_[i] == Kind::Short ? std::numeric_limits<short>::max()
                                                   : std::numeric_limits<int>::max();
        if (n < low || n > high) {
            PyErr_Format(PyExc_OverflowError, "%s: %s = %ld is outside %ld to %ld",
                         signature().constData(), name.constData(), n, low, high);
            return false;
        }
        if (kinds_[i] == Kind::Short)
            *static_cast<short*>(args[i + 1]) = static_cast<short>(n);
        else
            *static_cast<int*>(args[i + 1]) = static_cast<int>(n);
    }
    return true;
}

} // namespace nk::python
