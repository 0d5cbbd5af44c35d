"""pyuic6 with the Nuvelkit widgets' uic plugin: python3 -m nuvelkit.pyuic FORM.ui [-o OUT.py].

pyuic6 itself reads only PyQt6's own plugin folder, where a system install puts the plugin too;
this runs the same compiler from any prefix or build tree."""

import sys

import nuvelkit  # noqa: F401  (adds the plugin to PyQt6.uic's plugin path)
from PyQt6.uic.pyuic import main

if __name__ == "__main__":
    sys.exit(main())
