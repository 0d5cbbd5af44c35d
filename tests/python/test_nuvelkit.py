"""The PyQt6 bindings under the offscreen platform: the module against the interface tables and
the C++ classes' meta-objects, each kind of property, signals with by-reference arguments, the
enumerations, forms through PyQt6.uic, and the pixels against the C++ widgets'.

Run by ctest with PYTHONPATH at <build>/python, NK_MEMBERS at the generator's members.json,
NK_GRAB at the C++ grabber and NK_FORM at the example form."""

import enum
import json
import os
import subprocess
import sys
import tempfile
import unittest

from PyQt6.QtCore import QMetaMethod, QPoint, Qt
from PyQt6.QtGui import QColor, QImage, QPixmap
from PyQt6.QtTest import QTest
from PyQt6.QtWidgets import QApplication, QWidget

app = QApplication.instance() or QApplication(sys.argv)

import nuvelkit  # noqa: E402  (after the application, as widgets need one)
from PyQt6 import uic  # noqa: E402

with open(os.environ["NK_MEMBERS"], encoding="utf-8") as f:
    MEMBERS = json.load(f)["classes"]


def own_methods(cls, kind):
    """The names of the class's own meta-object methods of one kind (signals, methods)."""
    meta = cls.staticMetaObject
    return {bytes(meta.method(i).name()).decode()
            for i in range(meta.methodOffset(), meta.methodCount())
            if meta.method(i).methodType() == kind}


def own_properties(cls):
    meta = cls.staticMetaObject
    return {meta.property(i).name() for i in range(meta.propertyOffset(), meta.propertyCount())}


class Members(unittest.TestCase):
    """The module has every class and member of the tables, as the C++ classes have them."""

    def test_every_class_of_the_tables_is_a_widget_class(self):
        self.assertEqual(sorted(MEMBERS), sorted(nuvelkit.WIDGETS))
        for name in MEMBERS:
            cls = getattr(nuvelkit, name)
            self.assertTrue(issubclass(cls, QWidget), name)
            self.assertIs(cls, getattr(nuvelkit.nk.qt, name))

    def test_every_member_of_the_tables_is_in_the_python_class(self):
        for name, members in MEMBERS.items():
            cls = getattr(nuvelkit, name)
            for p in members["properties"]:
                setter = "set" + p["name"][0].upper() + p["name"][1:]
                reset = "reset" + p["name"][0].upper() + p["name"][1:]
                with self.subTest(cls=name, property=p["name"]):
                    self.assertTrue(callable(getattr(cls, p["name"], None)))
                    self.assertEqual(hasattr(cls, setter), p["writable"])
                    self.assertEqual(hasattr(cls, reset), p["reset"])
                    self.assertTrue(hasattr(cls, p["name"] + "Changed"))
            for m in members["methods"]:
                with self.subTest(cls=name, method=m["name"]):
                    self.assertTrue(callable(getattr(cls, m["name"], None)))
            for s in members["signals"]:
                with self.subTest(cls=name, signal=s["name"]):
                    signal = getattr(cls, s["name"], None)
                    self.assertIsNotNone(signal)
                    if any(a.endswith("&") for a in s["args"]):
                        self.assertIsInstance(signal, nuvelkit.EventSignal)
                        self.assertEqual(signal.signature,
                                         "%s(%s)" % (s["name"], ",".join(s["args"])))

    def test_the_tables_and_the_cpp_meta_objects_name_the_same_members(self):
        # The C++ class comes from the Qt emitter, the .sip and members.json from the SIP one:
        # the two must agree on every property, signal and invokable method.
        for name, members in MEMBERS.items():
            cls = getattr(nuvelkit, name)
            with self.subTest(cls=name):
                self.assertEqual(own_properties(cls), {p["name"] for p in members["properties"]})
                signals = {s["name"] for s in members["signals"]} | {
                    p["name"] + "Changed" for p in members["properties"]}
                self.assertEqual(own_methods(cls, QMetaMethod.MethodType.Signal), signals)
                self.assertEqual(own_methods(cls, QMetaMethod.MethodType.Method),
                                 {m["name"] for m in members["methods"]})
                for signal in own_methods(cls, QMetaMethod.MethodType.Signal):
                    self.assertTrue(hasattr(cls, signal), signal)

    def test_every_enumeration_has_the_kits_member_names_and_values(self):
        for name, members in MEMBERS.items():
            cls = getattr(nuvelkit, name)
            for enum_name, values in members["enums"].items():
                with self.subTest(cls=name, enum=enum_name):
                    python_enum = getattr(cls, enum_name)
                    self.assertTrue(issubclass(python_enum, enum.Enum))
                    self.assertEqual([m.value for m in python_enum], [v for _, v in values])
                    for kit_name, value in values:
                        # A Python keyword (None) is spelt None_, and the kit's name finds it.
                        member = getattr(python_enum, kit_name)
                        self.assertIs(python_enum[kit_name], member)
                        self.assertEqual(member.value, value)
                        self.assertIn(member.name, (kit_name, kit_name + "_"))


class Properties(unittest.TestCase):
    def test_a_value_of_each_kind_goes_through_the_setter_and_the_qt_property(self):
        picture = QPixmap(4, 3)
        picture.fill(QColor(10, 20, 30))
        cases = [  # class, property, value, what reads back
            ("NuvelCommand", "caption", "Hello", "Hello"),
            ("NuvelCommand", "hasShadow", True, True),
            ("NuvelCommand", "adjustTop", 7, 7),
            ("NuvelCommand", "sideIconHeight", 0.1, 0.1),  # a single, read back as written
            ("NuvelCommand", "shadowColor", QColor(1, 2, 3), QColor(1, 2, 3)),
            ("NuvelFill", "value", 42.5, 42.5),
            ("NuvelCommand", "backPicture", nuvelkit.NuvelCommand.NKBackPics.NKAuroraZone,
             nuvelkit.NuvelCommand.NKBackPics.NKAuroraZone),
        ]
        for cls_name, prop, value, expected in cases:
            for through in ("setter", "property", "keyword"):
                with self.subTest(cls=cls_name, property=prop, through=through):
                    cls = getattr(nuvelkit, cls_name)
                    if through == "keyword":
                        w = cls(**{prop: value})
                    else:
                        w = cls()
                        if through == "setter":
                            getattr(w, "set" + prop[0].upper() + prop[1:])(value)
                        else:
                            self.assertTrue(w.setProperty(prop, value))
                    self.assertEqual(getattr(w, prop)(), expected)
                    self.assertEqual(w.property(prop), expected)
        w = nuvelkit.NuvelCommand()
        w.setSideIcon(picture)
        self.assertEqual(w.sideIcon().toImage().pixelColor(0, 0), QColor(10, 20, 30))
        w.setSideIcon(QPixmap())
        self.assertTrue(w.sideIcon().isNull())

    def test_refused_values_leave_the_member_as_it_was(self):
        fill = nuvelkit.NuvelFill()
        fill.setValue(30)
        fill.setValue(150)  # beyond a percentage
        self.assertEqual(fill.value(), 30)
        command = nuvelkit.NuvelCommand()
        with self.assertRaises(TypeError):
            command.setBackPicture(3)  # an int is not the enumeration
        with self.assertRaises(TypeError):
            command.setBackPicture(nuvelkit.NuvelPad.NKFillBorderStyle.FixedSingle)
        self.assertEqual(command.backPicture(), nuvelkit.NuvelCommand.NKBackPics.NKSpiralRainbow)

    def test_a_system_colour_comes_back_with_its_reset(self):
        w = nuvelkit.NuvelSphere()
        initial = w.foreColor()
        w.setForeColor(QColor(255, 0, 0))
        self.assertEqual(w.foreColor(), QColor(255, 0, 0))
        w.resetForeColor()
        self.assertEqual(w.foreColor(), initial)

    def test_enumeration_values_are_named_through_the_class_unless_shared(self):
        self.assertIs(nuvelkit.NuvelCommand.NKCyanWater,
                      nuvelkit.NuvelCommand.NKBackPics.NKCyanWater)
        # NuvelFill's None is a value of two enumerations: each keeps its own.
        shared = [e for e in vars(nuvelkit.NuvelFill).values()
                  if isinstance(e, type) and issubclass(e, enum.Enum) and "None" in e.__members__]
        self.assertEqual({getattr(e, "None").value for e in shared}, {0})
        self.assertEqual(len(shared), 2)
        self.assertFalse(isinstance(getattr(nuvelkit.NuvelFill, "None", None), enum.Enum))


def shown(widget):
    form = QWidget()
    widget.setParent(form)
    widget.move(10, 10)
    form.resize(400, 200)
    form.show()
    QTest.qWaitForWindowExposed(form)
    return form


class Signals(unittest.TestCase):
    def test_a_change_signal_carries_the_new_value_once_per_change(self):
        w = nuvelkit.NuvelCommand()
        w.hasControl()
        seen = []
        w.captionChanged.connect(seen.append)
        w.setCaption("A")
        w.setCaption("A")
        w.backPictureChanged.connect(seen.append)
        w.setBackPicture(nuvelkit.NuvelCommand.NKCyanWater)
        self.assertEqual(seen, ["A", nuvelkit.NuvelCommand.NKCyanWater])

    def test_a_click_arrives_and_a_slot_may_change_a_by_reference_argument(self):
        for move_out in (False, True):
            with self.subTest(move_out=move_out):
                w = nuvelkit.NuvelCommand(coolButton=True)
                form = shown(w)
                clicked, seen = [], []
                w.clicked.connect(lambda: clicked.append(1))

                def on_move(button, shift, x, y):
                    seen.append((button, shift, x, y))
                    return {"x": -1.0} if move_out else None

                w.mouseMove.connect(on_move)
                at_rest = w.grab().toImage()
                QTest.mouseMove(w, QPoint(40, 30))
                self.assertEqual(seen[-1][2:], (40.0, 30.0))  # the move's last point
                # Moved out by the slot, the hover test sees the pointer outside: no hover.
                self.assertEqual(w.grab().toImage() == at_rest, move_out)
                QTest.mouseClick(w, Qt.MouseButton.LeftButton, pos=QPoint(40, 30))
                self.assertEqual(clicked, [1])
                form.close()

    def test_a_bad_return_is_reported_and_the_control_keeps_its_values(self):
        w = nuvelkit.NuvelCommand(coolButton=True)
        form = shown(w)
        reported = []
        old_hook = sys.excepthook
        sys.excepthook = lambda kind, value, tb: reported.append((kind, str(value)))
        try:
            for returned, kind in (({"z": 1}, KeyError), ({"button": 1 << 20}, OverflowError),
                                   ([1, 2], TypeError)):
                relay = w.mouseMove.connect(lambda *args, r=returned: r)
                QTest.mouseMove(w, QPoint(30 + len(reported), 30))
                w.mouseMove.disconnect(relay)
                app.processEvents()
                self.assertEqual(reported[-1][0], kind)
                self.assertIn("mouseMove(short&,short&,float&,float&)", reported[-1][1])
        finally:
            sys.excepthook = old_hook
        self.assertEqual(len(reported), 3)
        form.close()

    def test_disconnect_ends_a_connection_and_refuses_an_unknown_slot(self):
        w = nuvelkit.NuvelCommand()
        form = shown(w)
        seen = []
        w.mouseMove.connect(seen.append)
        with self.assertRaises(TypeError):
            w.mouseMove.disconnect(print)
        w.mouseMove.disconnect(seen.append)
        app.processEvents()
        QTest.mouseMove(w, QPoint(20, 20))
        self.assertEqual(seen, [])
        with self.assertRaises(TypeError):
            w.mouseMove.connect(42)
        form.close()


class Forms(unittest.TestCase):
    def check_form(self, form, window=None):
        window = window or form
        classes = {type(c).__name__ for c in window.findChildren(nuvelkit.ControlWidget)}
        self.assertEqual(classes, set(MEMBERS))
        self.assertEqual(form.nuvelCommand.caption(), "&Start")
        self.assertEqual(form.nuvelCommand.backPicture(), nuvelkit.NuvelCommand.NKCyanWater)
        self.assertEqual(form.nuvelPad.borderStyle(),
                         nuvelkit.NuvelPad.NKFillBorderStyle.FixedSingle)
        self.assertEqual(form.nuvelCommand.coolGlowColor(), QColor(0, 128, 0))

    def test_a_form_loads_with_load_ui(self):
        self.check_form(uic.loadUi(os.environ["NK_FORM"]))

    def test_a_form_compiles_with_pyuic_and_runs(self):
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "form_ui.py")
            subprocess.run([sys.executable, "-m", "nuvelkit.pyuic", os.environ["NK_FORM"],
                            "-o", out], check=True)
            code = {}
            with open(out, encoding="utf-8") as f:
                exec(compile(f.read(), out, "exec"), code)
        form = QWidget()
        ui = code["Ui_NuvelkitForm"]()
        ui.setupUi(form)
        self.check_form(ui, form)


class Module(unittest.TestCase):
    def test_the_pixels_equal_the_cpp_widgets(self):
        props = ["caption=&Pixels", "contentLetter=Q", "leftCaption=<"]
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run([os.environ["NK_GRAB"], folder] + props, check=True)
            for name in MEMBERS:
                with self.subTest(cls=name):
                    w = getattr(nuvelkit, name)()
                    w.setObjectName("grabbed")
                    for prop in props:
                        key, value = prop.split("=", 1)
                        if w.metaObject().indexOfProperty(key) >= 0:
                            w.setProperty(key, value)
                    w.resize(w.sizeHint())
                    ours = w.grab().toImage().convertToFormat(QImage.Format.Format_ARGB32)
                    theirs = QImage(os.path.join(folder, name + ".png")).convertToFormat(
                        QImage.Format.Format_ARGB32)
                    self.assertFalse(theirs.isNull())
                    self.assertEqual(ours.size(), theirs.size())
                    self.assertTrue(ours == theirs, "%s differs from the C++ widget" % name)

    def test_widgets_come_back_as_their_class(self):
        form = QWidget()
        nuvelkit.NuvelCheck(form).setObjectName("check")
        found = form.findChild(QWidget, "check")
        self.assertIsInstance(found, nuvelkit.NuvelCheck)
        self.assertIsInstance(form.findChildren(nuvelkit.ControlWidget)[0], nuvelkit.NuvelCheck)

    def test_the_form_timer_steps_every_widget_of_the_form(self):
        form = QWidget()
        for name in MEMBERS:
            getattr(nuvelkit, name)(form)
        timer = nuvelkit.FormTimer(form)
        self.assertEqual(timer.interval(), 50)
        stepped = timer.step()
        has_timer = [n for n, m in MEMBERS.items()
                     if any(x["name"] == "timerInvoke" for x in m["methods"])]
        self.assertEqual(stepped, len(has_timer))
        self.assertGreater(stepped, 0)


if __name__ == "__main__":
    unittest.main()
