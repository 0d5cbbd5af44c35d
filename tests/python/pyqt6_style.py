"""A PyQt6 program under the nuvelkit style, chosen by name on the command line, with the
plugin found through QT_PLUGIN_PATH (<build>/plugins): the style is the application's, it draws
a push button otherwise than Fusion, and a widget's nuvelkit-look property changes the control
that draws it."""

import sys
import unittest

from PyQt6.QtWidgets import QApplication, QPushButton, QStyleFactory

app = QApplication(sys.argv[:1] + ["-style", "nuvelkit"])


def grab(button):
    button.resize(100, 32)
    return button.grab().toImage()


class NuvelkitStyle(unittest.TestCase):
    def test_the_application_wears_the_style(self):
        self.assertIn("nuvelkit", [k.lower() for k in QStyleFactory.keys()])
        self.assertEqual(app.style().name().lower(), "nuvelkit")

    def test_a_push_button_is_drawn_by_the_kit(self):
        ours = QPushButton("OK")
        fusion_style = QStyleFactory.create("Fusion")
        theirs = QPushButton("OK")
        theirs.setStyle(fusion_style)
        self.assertNotEqual(grab(ours), grab(theirs))

    def test_the_look_property_chooses_the_pill(self):
        button = QPushButton("OK")
        command = button.sizeHint()
        button.setProperty("nuvelkit-look", "Class=NuvelHCommand")
        self.assertNotEqual(button.sizeHint(), command)
        button.setProperty("nuvelkit-look", "none")
        fusion = QPushButton("OK")
        fusion_style = QStyleFactory.create("Fusion")
        fusion.setStyle(fusion_style)
        self.assertEqual(grab(button), grab(fusion))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
