// The Qt Quick Test runner of a sanitizer build: qmltestrunner's own main, built with the
// instrumented module it loads.
#include <QtQuickTest/quicktest.h>

QUICK_TEST_MAIN(nuvelkit_quick)
