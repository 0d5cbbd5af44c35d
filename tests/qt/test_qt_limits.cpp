// What Qt hands the widgets obeys the limits files obey: a pixmap beyond the picture limits
// is refused (the member keeps its picture) with a warning, whichever property takes it.
#include "qt/widgets.h"
#include "qt_fixture.h"

#include <QPixmap>

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

} // namespace
} // namespace nk::qt::testing
