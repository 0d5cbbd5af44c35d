// Each Qt Quick item, rendered by the scene graph on the offscreen platform, shows the pixels
// the kit composes for the same control in the same state (the widget host's composition of
// a control of the same class, size and members), in device pixels at the window's ratio; and
// the items of a window step on one timer.
#include "framework/picture.h"
#include "framework/variant.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

using Widget = std::unique_ptr<nk::qt::ControlWidget>;
template <class W> Widget Make() {
    return std::make_unique<W>();
}

struct Case {
    const char* className;
    Widget (*widget)();     // the widget class of the same control
    const char* qmlMembers; // in the QML type
    const char* caption;    // the same for the widget, or nullptr
    bool focused;
    const char* later = nullptr; // a caption given once shown: a frame of what changed
};

constexpr Case kCases[] = {
    {"NuvelCommand", Make<nk::qt::NuvelCommand>, "caption: \"Start\"", "Start", false},
    {"NuvelCommand", Make<nk::qt::NuvelCommand>, "caption: \"Focused\"", "Focused", true},
    {"NuvelHCommand", Make<nk::qt::NuvelHCommand>, "", nullptr, false},
    {"NuvelSphere", Make<nk::qt::NuvelSphere>, "", nullptr, false},
    {"NuvelCheck", Make<nk::qt::NuvelCheck>, "caption: \"Check\"", "Check", false},
    {"NuvelCheck", Make<nk::qt::NuvelCheck>, "caption: \"Check\"", "Check", false, "Checked"},
    {"NuvelFill", Make<nk::qt::NuvelFill>, "caption: \"Fill\"", "Fill", false, "Filled up"},
    {"NuvelScreen", Make<nk::qt::NuvelScreen>, "", nullptr, false},
    {"NuvelFill", Make<nk::qt::NuvelFill>, "", nullptr, false},
    {"NuvelPad", Make<nk::qt::NuvelPad>, "", nullptr, false},
};

// How many device pixels of `grab` differ from what the kit composed, where the composition
// is opaque (see-through pixels of a mask show the window beneath).
int Differing(const QImage& grab, const nk::Image& kit) {
    int differing = 0;
    for (int y = 0; y < kit.height; ++y)
        for (int x = 0; x < kit.width; ++x) {
            const std::uint32_t want = kit.At(x, y);
            if ((want >> 24) != 0xFF) continue;
            if ((grab.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF)) ++differing;
        }
    return differing;
}

TEST(QuickPixels, EveryItemShowsWhatTheKitComposesAtTheWindowsRatio) {
    QQmlEngine engine;
    engine.addImportPath(NK_QML_DIR);
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.className) + " " + c.qmlMembers);
        QQuickWindow window;
        window.setColor(Qt::magenta);
        window.resize(400, 300);
        QQmlComponent component(&engine);
        component.setData(
            QByteArray("import Nuvelkit\n") + c.className + " { " + c.qmlMembers + " }", QUrl());
        std::unique_ptr<QObject> made(component.create());
        ASSERT_TRUE(made) << component.errorString().toStdString();
        auto* item = qobject_cast<QQuickItem*>(made.get());
        item->setParentItem(window.contentItem());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (c.focused) item->forceActiveFocus();
        if (c.later) {
            QTest::qWait(20);
            item->setProperty("caption", QString::fromUtf8(c.later));
        }

        // The widget host's control of the same class, size and members.
        const Widget madeWidget = c.widget();
        nk::qt::ControlWidget& widget = *madeWidget;
        widget.resize(item->size().toSize());
        widget.show();
        if (c.caption) widget.setMember("Caption", nk::qt::stringFromQt(c.caption));
        if (c.focused) {
            widget.activateWindow();
            widget.setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return widget.controlHasFocus(); }));
        }
        if (c.later) widget.setMember("Caption", nk::qt::stringFromQt(c.later));
        QTest::qWait(20);
        const nk::Image kit = widget.composed();
        const QImage grab = window.grabWindow();
        const double ratio = window.effectiveDevicePixelRatio();
        EXPECT_EQ(kit.width, std::lround(item->width() * ratio));
        ASSERT_GE(grab.width(), kit.width);
        ASSERT_GE(grab.height(), kit.height);
        EXPECT_EQ(Differing(grab, kit), 0);
    }
}

// The items' animations step on one timer of their window, whatever the number of items.
TEST(QuickTimer, TheItemsOfAWindowShareOneTimer) {
    QQmlEngine engine;
    engine.addImportPath(NK_QML_DIR);
    QQmlComponent component(&engine);
    component.setData(
        "import QtQuick\nimport Nuvelkit\nItem { NuvelHCommand {} NuvelSphere { x: 200 } }",
        QUrl());
    std::unique_ptr<QObject> made(component.create());
    ASSERT_TRUE(made) << component.errorString().toStdString();
    for (int windows = 1; windows <= 2; ++windows) {
        QQuickWindow window;
        qobject_cast<QQuickItem*>(made.get())->setParentItem(window.contentItem());
        const QList<QTimer*> timers =
            window.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(timers.size(), 1);
        EXPECT_TRUE(timers.front()->isActive());
        qobject_cast<QQuickItem*>(made.get())->setParentItem(nullptr);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
