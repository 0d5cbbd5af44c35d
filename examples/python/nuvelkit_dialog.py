#!/usr/bin/env python3
"""The seven Nuvelkit controls in a PyQt6 dialog, wired with signals; the check box and the bar
come from panel.ui through PyQt6.uic.

    python3 nuvelkit_dialog.py            (shows the dialog)
    python3 nuvelkit_dialog.py --check    (runs a few steps offscreen and checks the wiring)
"""

import os
import sys

from PyQt6.QtWidgets import QApplication, QDialog, QHBoxLayout, QLabel, QVBoxLayout
from PyQt6 import uic

app = QApplication(sys.argv)
import nuvelkit  # noqa: E402  (the widgets need the application first)
from nuvelkit import (NuvelCommand, NuvelHCommand, NuvelPad, NuvelScreen,  # noqa: E402
                      NuvelSphere)


class Dialog(QDialog):
    def __init__(self):
        super().__init__()
        self.setWindowTitle("Nuvelkit from Python")
        self.status = QLabel("Ready")
        self.panel = uic.loadUi(os.path.join(os.path.dirname(__file__), "panel.ui"))
        self.start = NuvelCommand(caption="&Start", backPicture=NuvelCommand.NKCyanWater)
        self.options = NuvelHCommand(caption="Options", leftCaption="<", rightCaption=">")
        self.sphere = NuvelSphere(contentLetter="N")
        self.screen = NuvelScreen()
        self.pad = NuvelPad()

        buttons = QHBoxLayout()
        for w in (self.start, self.options, self.sphere):
            buttons.addWidget(w)
        layout = QVBoxLayout(self)
        layout.addLayout(buttons)
        layout.addWidget(self.panel)
        row = QHBoxLayout()
        row.addWidget(self.screen)
        row.addWidget(self.pad)
        layout.addLayout(row)
        layout.addWidget(self.status)

        # Signals: a click fills the bar, the pad reports its position when it moves, the
        # check box starts the form timer that animates the sphere.
        self.start.clicked.connect(self.fill)
        self.options.clicked.connect(lambda: self.say("Options"))
        self.sphere.clicked.connect(lambda: self.say("Sphere"))
        self.pad.xyRefresh.connect(lambda: self.say("Pad at %g, %g" % (self.pad.xValue(),
                                                                      self.pad.yValue())))
        self.panel.animate.valueChanged.connect(self.animate)
        # An event with by-reference arguments: the slot gets the values, and the dict it
        # returns changes them for the control (here: the sphere never sees the right button).
        self.sphere.mouseDown.connect(
            lambda button, shift, x, y: {"button": 1} if button == 2 else None)
        self.timer = nuvelkit.FormTimer(self)

    def say(self, text):
        self.status.setText(text)

    def fill(self):
        level = self.panel.level
        level.setValue(min(100.0, level.value() + 25))
        self.say("Filled to %g%%" % level.value())

    def animate(self, value):
        on = value != nuvelkit.NuvelCheck.NKBiState(0)  # any value but 0 is checked
        self.sphere.setUseAnimation(on)
        self.timer.start() if on else self.timer.stop()


def check(dialog):
    """Drives the wiring as a user would and says what went wrong, if anything."""
    dialog.show()
    dialog.start.clickAt(dialog.start.rect().center().toPointF())
    assert dialog.panel.level.value() == 50, dialog.panel.level.value()
    dialog.pad.tweakRight()
    assert dialog.status.text().startswith("Pad at"), dialog.status.text()
    dialog.panel.animate.setValue(nuvelkit.NuvelCheck.NKBiState(1))
    assert dialog.timer.isActive() and dialog.sphere.useAnimation()
    assert dialog.timer.step() >= 1
    for w in dialog.findChildren(nuvelkit.ControlWidget):
        assert w.hasControl(), "%s: %s" % (w.objectName(), w.error())
    print("nuvelkit_dialog: %d widgets wired" % len(dialog.findChildren(nuvelkit.ControlWidget)))


if __name__ == "__main__":
    dialog = Dialog()
    if "--check" in sys.argv:
        check(dialog)
        sys.exit(0)
    dialog.show()
    sys.exit(app.exec())
