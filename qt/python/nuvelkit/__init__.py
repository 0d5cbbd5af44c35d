"""The Nuvelkit controls as PyQt6 widgets.

    from PyQt6.QtWidgets import QApplication
    from nuvelkit import NuvelCommand, FormTimer

Every class of the C++ library libnuvelkit-qt.so.1 (nk::qt::NuvelCommand, ...) with its
properties (getters, setters and Qt properties), its enumerations as Python enums with the kit's
member names, its invokable methods and its signals. Importing the package installs the widgets'
accessibility factory and lets PyQt6.uic load forms that hold the widgets.
"""

import enum as _enum
import keyword as _keyword
import os as _os
import types as _types

from PyQt6 import QtCore as _QtCore

from ._nuvelkit import nk as _nk

ControlWidget = _nk.qt.ControlWidget
FormTimer = _nk.qt.FormTimer
setControlFolder = _nk.qt.setControlFolder
EventRelay = _nk.python.EventRelay


class BoundEvent:
    """An event whose arguments are references, on one widget: connect() a callable, which is
    called with the arguments' values; the dict it may return ({"x": -1.0}) sets the named
    arguments, and the control goes on with them, as with a C++ slot that changes its
    references."""

    def __init__(self, widget, signature):
        self._widget = widget
        self._signature = signature

    @property
    def signature(self):
        return self._signature

    def connect(self, slot):
        if not callable(slot):
            raise TypeError("%s.connect: %r is not callable" % (self._signature, slot))
        return _nk.python.connectEvent(self._widget, self._signature.encode(), slot)

    def disconnect(self, slot=None):
        """Disconnects `slot` (a callable or the connection connect() returned), or every
        callable when none is named; a slot that was not connected raises TypeError."""
        if isinstance(slot, EventRelay):
            slot.disconnectRelay()
            return
        ended = EventRelay.disconnectRelays(self._widget, self._signature.encode(), slot)
        if slot is not None and not ended:
            raise TypeError("%s.disconnect: %r is not connected" % (self._signature, slot))


class EventSignal:
    """The class attribute of an event whose arguments are references (see BoundEvent)."""

    def __init__(self, name, signature):
        self.name = name
        self.signature = signature

    def __get__(self, widget, owner=None):
        return self if widget is None else BoundEvent(widget, self.signature)

    def __repr__(self):
        return "<event %s>" % self.signature


def _by_reference_signals(cls):
    """The signals of the class's own C++ meta-object that Python signals cannot carry."""
    meta = cls.staticMetaObject
    for i in range(meta.methodOffset(), meta.methodCount()):
        method = meta.method(i)
        if method.methodType() != _QtCore.QMetaMethod.MethodType.Signal:
            continue
        signature = bytes(method.methodSignature()).decode()
        if "&" in signature and "const " not in signature:
            yield bytes(method.name()).decode(), signature


def _kit_names(python_enum):
    """Python spells a member whose kit name is a Python keyword with an underscore after it
    (NKFillBorderStyle.None_); the kit's own name reaches it too (getattr(e, "None"),
    e["None"]), as forms name it."""
    for member in list(python_enum):
        name = member.name
        if name.endswith("_") and _keyword.iskeyword(name[:-1]) and \
                name[:-1] not in python_enum.__members__:
            setattr(python_enum, name[:-1], member)
            python_enum._member_map_[name[:-1]] = member


def _enum_values_on_class(cls):
    """Names every enumeration value through the class too (NuvelCommand.NKCyanWater), as
    form designers write them. A name that values of two enumerations share (NuvelFill's None)
    stays on the enumerations only, where each means its own value."""
    owners = {}
    for value in vars(cls).values():
        if isinstance(value, type) and issubclass(value, _enum.Enum):
            _kit_names(value)
            for name, member in value.__members__.items():
                owners.setdefault(name, []).append(member)
    for name, members in owners.items():
        if len(members) == 1 and not hasattr(cls, name):
            setattr(cls, name, members[0])


WIDGETS = []
for _name in dir(_nk.qt):
    _cls = getattr(_nk.qt, _name)
    if isinstance(_cls, type) and issubclass(_cls, ControlWidget) and _cls is not ControlWidget:
        for _signal, _signature in _by_reference_signals(_cls):
            setattr(_cls, _signal, EventSignal(_signal, _signature))
        _enum_values_on_class(_cls)
        globals()[_name] = _cls
        WIDGETS.append(_name)

# The C++ namespace as forms name it (nk::qt::NuvelCommand is nuvelkit.nk.qt.NuvelCommand),
# and each class by the scoped name PyQt6.uic's loader asks the plugin for.
nk = _types.SimpleNamespace(qt=_nk.qt)
for _name in WIDGETS:
    globals()["nk.qt." + _name] = globals()[_name]

# PyQt6.uic finds the widgets through the plugin beside this file.
UIC_PLUGIN_DIR = _os.path.join(_os.path.dirname(__file__), "uic")
try:
    from PyQt6.uic import widgetPluginPath as _plugin_path
except ImportError:
    pass
else:
    if UIC_PLUGIN_DIR not in _plugin_path:
        _plugin_path.append(UIC_PLUGIN_DIR)

__all__ = ["ControlWidget", "FormTimer", "setControlFolder", "EventSignal", "BoundEvent", "nk",
           "WIDGETS"] + WIDGETS
