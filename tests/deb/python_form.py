"""The installed Python package: imports nuvelkit, loads FORM with PyQt6.uic and checks that
every widget of it is the package's class. Prints where nuvelkit came from.
    python3 python_form.py FORM.ui"""

import sys

from PyQt6 import uic
from PyQt6.QtWidgets import QApplication

app = QApplication(sys.argv)
import nuvelkit  # noqa: E402

print("nuvelkit from", nuvelkit.__file__)
form = uic.loadUi(sys.argv[1])
found = sorted(type(w).__name__ for w in form.findChildren(nuvelkit.ControlWidget))
if found != sorted(nuvelkit.WIDGETS):
    sys.exit("%s: the form gave %s, not one of each of %s" % (sys.argv[1], found, nuvelkit.WIDGETS))
broken = [w.objectName() for w in form.findChildren(nuvelkit.ControlWidget) if not w.hasControl()]
if broken:
    sys.exit("%s: no control behind %s: %s" % (sys.argv[1], broken, form.findChild(
        nuvelkit.ControlWidget, broken[0]).error()))
print("loaded", " ".join(found))
