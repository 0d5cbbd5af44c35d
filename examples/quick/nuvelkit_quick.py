#!/usr/bin/env python3
"""The Qt Quick example from PyQt6: the same QML window, loaded by PyQt6's QML engine.

    nuvelkit_quick.py [--check] [QML import folder]

With --check it shows the window for a few frames, prints each control's size and leaves,
failing when a control is missing or has no size.
"""
import os
import sys

from PyQt6.QtCore import QTimer, QUrl
from PyQt6.QtGui import QGuiApplication
from PyQt6.QtQml import QQmlApplicationEngine
from PyQt6.QtQuick import QQuickItem

CONTROLS = ("command", "hcommand", "sphere", "check", "pad", "fill", "screen")


def check(window):
    missing = 0
    for name in CONTROLS:
        item = window.findChild(QQuickItem, name)
        if item is None or item.width() <= 0 or item.height() <= 0:
            print(f"nuvelkit_quick.py: {name} is missing or has no size", file=sys.stderr)
            missing += 1
            continue
        print(name, item.metaObject().className(), f"{item.width():g}x{item.height():g}")
    return 1 if missing else 0


def main():
    app = QGuiApplication(sys.argv)
    args = sys.argv[1:]
    checking = "--check" in args
    args = [a for a in args if a != "--check"]
    engine = QQmlApplicationEngine()
    if args:
        engine.addImportPath(args[0])
    engine.load(QUrl.fromLocalFile(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                "main.qml")))
    if not engine.rootObjects():
        return 1
    window = engine.rootObjects()[0]
    if not checking:
        return app.exec()
    result = [1]

    def done():
        result[0] = check(window)
        app.quit()

    QTimer.singleShot(300, done)
    app.exec()
    return result[0]


if __name__ == "__main__":
    sys.exit(main())
