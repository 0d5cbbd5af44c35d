// The Qt widget repaints only what its control changed: painting just the region it asks Qt
// for onto what it showed before gives what a whole repaint gives, and that region is no
// more than the control's own change.
#include "qt_fixture.h"

#include <QBackingStore>
#include <QMouseEvent>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace nk::qt::testing {
namespace {

const Variant kOn = Variant::Boolean(kTrue);

// The widget as render() paints it (the part `region` only when given) onto `into`, or onto
// a new image of its device pixels.
QImage Rendered(ControlWidget& w, QImage into = {}, const QRegion& region = {}) {
    const qreal ratio = w.devicePixelRatioF();
    if (into.isNull()) {
        into = QImage(QSize(std::lround(w.width() * ratio), std::lround(w.height() * ratio)),
                      QImage::Format_ARGB32_Premultiplied);
        into.setDevicePixelRatio(ratio);
        into.fill(0xFF00FF00u); // a colour no control draws, so that a part left out shows
    }
    // render() puts the region's top-left corner at the offset given.
    const QRegion part = region.isEmpty() ? QRegion(w.rect()) : region;
    w.render(&into, part.boundingRect().topLeft(), part);
    return into;
}

void SendMouse(ControlWidget& w, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
    QMouseEvent e(type, at, w.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// What of the widget a change may ask to be repainted: all of it, a part of it anywhere
// (at a device scale the part may grow to the whole), or no more than a given box.
enum class Extent { Whole, Part, Within };

TEST(QtRepaint, APartialRepaintShowsWhatAWholeOneDoesAndNoMoreIsAskedFor) {
    struct Case {
        const char* name;
        const char* className;
        std::function<void(ControlWidget&)> setUp;
        std::function<void(ControlWidget&)> change;
        Extent extent;
        QRect within = {};
    };
    const auto centre = [](ControlWidget& w) { return QPointF(w.width() / 2.0, w.height() / 2.0); };
    const auto hoverable = [](ControlWidget& w) {
        w.setMember("CoolButton", kOn);
        w.setMember("CoolUseGlow", kOn);
    };
    const auto nothing = [](ControlWidget&) {};
    // The border line, as a container sets it: nothing Qt hears of.
    const auto border = [](ControlWidget& w) {
        w.formControl()->host().SetBorderStyle(1);
        w.member("Caption"); // the widget catches up with its control
    };
    const auto hover = [&](ControlWidget& w) {
        SendMouse(w, QEvent::MouseMove, centre(w), Qt::NoButton);
    };
    const auto press = [&](ControlWidget& w) {
        SendMouse(w, QEvent::MouseButtonPress, centre(w), Qt::LeftButton);
    };
    const std::vector<Case> cases = {
        {"a hover with the glow", "NuvelCommand", hoverable, hover, Extent::Whole},
        {"a press", "NuvelCommand", nothing, press, Extent::Whole},
        {"a caption change", "NuvelCommand", nothing,
         [](ControlWidget& w) { w.setMember("Caption", Variant::String("Changed")); },
         Extent::Whole},
        {"a hover with a border", "NuvelCommand",
         [&](ControlWidget& w) {
             hoverable(w);
             border(w);
         },
         hover, Extent::Within, QRect(1, 1, 248, 98)},
        {"a check box pressed", "NuvelCheck", nothing, press, Extent::Whole},
        {"a bar's value", "NuvelFill", nothing,
         [](ControlWidget& w) { w.setMember("Value", Variant::Long(40)); }, Extent::Part},
        {"only the glow, over a part", "NuvelCommand", nothing,
         [](ControlWidget& w) {
             Shape* glow = w.formControl()->host().ShapeChild("Shape2");
             glow->Move(10, 10, 40, 20);
             glow->SetFillColor(0x00FF00);
             glow->SetVisible(true);
             w.member("Caption"); // the widget catches up with its control
         },
         Extent::Within, QRect(10, 10, 40, 20)},
        {"a sphere pressed (masked)", "NuvelSphere", nothing, press, Extent::Whole},
        {"a border given", "NuvelCommand", nothing, border, Extent::Whole},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlWidget w(c.className);
        ASSERT_TRUE(w.hasControl()) << w.error().toStdString();
        c.setUp(w);
        const QImage shown = Rendered(w);
        EXPECT_TRUE(w.pendingRepaint().isEmpty()) << "a whole repaint takes all that waits";

        c.change(w);
        const QRegion asked = w.pendingRepaint();
        ASSERT_FALSE(asked.isEmpty()) << "the change is repainted";
        // All of the widget is what its mask keeps, where it has one.
        const QRegion all = w.mask().isEmpty() ? QRegion(w.rect()) : w.mask();
        if (c.extent == Extent::Whole) {
            EXPECT_EQ(asked, all);
        }
        if (c.extent == Extent::Part && w.devicePixelRatioF() == 1.0) {
            EXPECT_NE(asked, QRegion(w.rect()));
        }
        // At a device scale the box grows to whole device pixels: a logical pixel at most.
        const int grown = w.devicePixelRatioF() == 1.0 ? 0 : 1;
        if (c.extent == Extent::Within) {
            EXPECT_TRUE(asked.intersects(c.within));
            EXPECT_TRUE((asked - c.within.adjusted(-grown, -grown, grown, grown)).isEmpty());
        }
        const QImage partly = Rendered(w, shown, asked);
        EXPECT_TRUE(w.pendingRepaint().isEmpty());
        const QImage whole = Rendered(w);
        EXPECT_EQ(partly, whole) << "a part the control changed was not asked for";
        EXPECT_NE(shown, whole) << "the change shows";
    }
}

// What a shown window holds of the widget after Qt's own paint events: the control composed,
// at the widget's place in the window (off the window's corner, so that a paint landing at the
// wrong place shows), at rest, hovered with its glow and pressed.
TEST(QtRepaint, AShownWindowHoldsTheComposedControlAfterEachChange) {
    auto form = ShownForm(300, 160);
    auto* w = new NuvelCommand(form.get());
    w->setObjectName("Command1");
    w->setGeometry(13, 7, 250, 100);
    w->setMember("CoolButton", kOn);
    w->setMember("CoolUseGlow", kOn);
    ASSERT_TRUE(Show(*form));
    const QPoint centre(125, 50);
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"at rest", [] {}},
        {"hovered", [&] { MoveTo(*w, centre); }},
        {"pressed", [&] { Press(*w, centre); }},
        {"released", [&] { Release(*w, centre); }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        QApplication::processEvents();
        EXPECT_TRUE(w->pendingRepaint().isEmpty()) << "Qt painted what the control asked for";
        // The window's backing store: what Qt's paint events left there, in device pixels.
        QPaintDevice* store = form->backingStore()->paintDevice();
        ASSERT_TRUE(store && store->devType() == QInternal::Image);
        const QImage& window = *static_cast<QImage*>(store);
        const qreal ratio = window.devicePixelRatio();
        const QImage shown =
            window
                .copy(QRectF(QPointF(w->geometry().topLeft()) * ratio, QSizeF(w->size()) * ratio)
                          .toRect())
                .convertToFormat(QImage::Format_ARGB32);
        const Image expected = w->composed();
        ASSERT_EQ(shown.size(), QSize(expected.width, expected.height));
        int differ = 0;
        for (int y = 0; y < expected.height; ++y)
            for (int x = 0; x < expected.width; ++x)
                differ += shown.pixel(x, y) != expected.At(x, y);
        EXPECT_EQ(differ, 0);
    }
}

} // namespace
} // namespace nk::qt::testing
