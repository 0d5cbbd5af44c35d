# PyQt6.uic's widget plugin for the Nuvelkit widgets. A form names them as C++ does,
# nk::qt::NuvelCommand, and their enumeration values as nk::qt::NuvelCommand::NKCyanWater: the
# loader looks both up through "nk", which is the package's nuvelkit.nk namespace.
pluginType = MODULE


def moduleInformation():
    import nuvelkit
    return "nuvelkit", ("nk",) + tuple("nk.qt." + name for name in nuvelkit.WIDGETS)
