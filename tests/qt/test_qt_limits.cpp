// What Qt hands the widgets obeys the limits files obey: a pixmap beyond the picture limits
// is refused (the member keeps its picture) with a warning, whichever property takes it; a
// double beyond what a single member holds is refused the same way.
#include "qt/widgets.h"
#include "qt_fixture.h"

#include <QPixmap>

#include <cmath>
#include <limits>

namespace nk::qt::testing {
namespace {

TEST(QtLimits, APixmapBeyondThePictureLimitsIsRefusedAndThePictureKept) {
    NuvelCommand command;
    const QPixmap small(20, 10);
    command.setPictureNormal(small);
    ASSERT_EQ(command.pictureNormal().size(), QSize(20, 10));
    struct Case {
        int width;
        int height;
        bool taken;
    };
    const Case cases[] = {
        {kMaxPictureSide + 1, 2, false},
        {2, kMaxPictureSide + 1, false},
        {kMaxPictureSide, 2, true}, // at the limit: taken
    };
    for (const Case& c : cases) {
        command.setPictureNormal(small);
        QPixmap big(c.width, c.height);
        big.fill(Qt::red);
        command.setPictureNormal(big);
        EXPECT_EQ(command.pictureNormal().size(),
                  c.taken ? QSize(c.width, c.height) : QSize(20, 10))
            << c.width << " x " << c.height;
        // The same through the generic property path Designer and QUiLoader use.
        command.setPictureNormal(small);
        command.setProperty("pictureNormal", big);
        EXPECT_EQ(command.pictureNormal().size(),
                  c.taken ? QSize(c.width, c.height) : QSize(20, 10))
            << c.width << " x " << c.height;
    }
}

TEST(QtLimits, ADoubleASingleCannotHoldIsRefusedAndTheValueKept) {
    const double most = std::numeric_limits<float>::max();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double given;
        double kept; // what the member reads afterwards, from 1.5
    };
    const Case cases[] = {
        {1e39, 1.5},
        {-1e39, 1.5},
        {most * 1.0000001, 1.5},
        {most, 3.4028235e38}, // read as its shortest form, which is taken back
        {3.4028235e38, 3.4028235e38},
        {-3.4028235e38, -3.4028235e38},
        {1e30, 1e30},         // rounded to the nearest single, read as written
        {0.3, 0.3},           // the same
        {16777217, 16777216}, // the nearest single
        {inf, inf},           // a single holds the infinities
        {-inf, -inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        for (bool generic : {false, true}) {
            NuvelPad pad;
            pad.setXValue(1.5);
            if (generic)
                pad.setProperty("xValue", c.given);
            else
                pad.setXValue(c.given);
            EXPECT_EQ(pad.xValue(), c.kept);
        }
    }
}

} // namespace
} // namespace nk::qt::testing
