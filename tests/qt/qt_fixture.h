// What the Qt tests share: a shown, active form window; a widget that records the events its
// control raises; and the comparison of a widget's pixels with the kit's own composition.
#pragma once

#include "host/forms/form.h"
#include "host/input/form_input.h"
#include "qt/control_widget.h"
#include "qt/kit.h"
#include "qt/qt_defaults.h"
#include "qt/widgets.h"

#include <QCursor>
#include <QImage>
#include <QRegion>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nk::qt::testing {

// A ControlWidget that keeps the names of the events its control raised and lets a test
// handle them (changing by-reference arguments).
class Recorder : public ControlWidget {
public:
    using ControlWidget::ControlWidget;
    std::vector<std::string> events;
    std::function<void(std::string_view name, std::span<const EventArg> args)> handler;

    // The events recorded without the MouseMoves.
    std::vector<std::string> WithoutMoves() const {
        std::vector<std::string> out;
        for (const std::string& e : events)
            if (e != "MouseMove") out.push_back(e);
        return out;
    }

protected:
    void controlEvent(const EventInfo* info, int, EventArgs args) override {
        const std::string name = info ? std::string(info->name) : "?";
        events.push_back(name);
        if (handler) handler(name, args);
    }
};

// Makes the class's generated widget with an object name (its display name).
inline ControlWidget* Make(const char* className, QWidget* form) {
    const QString c = QLatin1String(className);
    ControlWidget* w = nullptr;
    if (c == "NuvelCommand") w = new NuvelCommand(form);
    if (c == "NuvelHCommand") w = new NuvelHCommand(form);
    if (c == "NuvelSphere") w = new NuvelSphere(form);
    if (c == "NuvelCheck") w = new NuvelCheck(form);
    if (c == "NuvelScreen") w = new NuvelScreen(form);
    if (c == "NuvelFill") w = new NuvelFill(form);
    if (c == "NuvelPad") w = new NuvelPad(form);
    if (w) w->setObjectName(c + "1");
    return w;
}

// A top-level window, shown and active, at a fixed place.
inline std::unique_ptr<QWidget> ShownForm(int w = 640, int h = 480) {
    // The pointer starts outside, so that no widget hears of it before the test moves it.
    QCursor::setPos(0, 0);
    auto form = std::make_unique<QWidget>();
    form->setGeometry(50, 50, w, h);
    return form;
}

inline bool Show(QWidget& form) {
    form.show();
    form.activateWindow();
    const bool shown = QTest::qWaitForWindowExposed(&form) && QTest::qWaitForWindowActive(&form);
    // The pointer rests in the far corner, where no test puts a widget: the window system
    // reports a move to where it already is as no move at all.
    QTest::mouseMove(form.windowHandle(), QPoint(form.width() - 1, form.height() - 1));
    return shown;
}

// Pointer input through the form's window, as the platform delivers it: Qt picks the
// widget under the pointer (masks included) or the one holding the mouse grab. Points are in
// `w`'s coordinates.
inline QPoint InWindow(QWidget& w, QPoint p) {
    return w.mapTo(w.window(), p);
}
inline void MoveTo(QWidget& w, QPoint p) {
    QTest::mouseMove(w.window()->windowHandle(), InWindow(w, p));
}
inline void Press(QWidget& w, QPoint p, Qt::KeyboardModifiers mods = {}) {
    QTest::mousePress(w.window()->windowHandle(), Qt::LeftButton, mods, InWindow(w, p));
}
inline void Release(QWidget& w, QPoint p, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseRelease(w.window()->windowHandle(), Qt::LeftButton, mods, InWindow(w, p));
}
inline void Click(QWidget& w, QPoint p) {
    QTest::mouseClick(w.window()->windowHandle(), Qt::LeftButton, {}, InWindow(w, p));
}

// The number of pixels where Qt's picture of the widget differs from `expected` (see-through
// pixels must stay see-through), and the first of them in `where`. `expected` holds the
// widget's device pixels; Qt keeps a widget's mask in its logical pixels, so a device pixel
// outside the widget's mask shows what lies beneath.
inline int Differences(QWidget& w, const Image& expected, std::string* where = nullptr) {
    const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (shown.width() != expected.width || shown.height() != expected.height) {
        if (where)
            *where = "size " + std::to_string(shown.width()) + "x" +
                     std::to_string(shown.height()) + " against " + std::to_string(expected.width) +
                     "x" + std::to_string(expected.height);
        return -1;
    }
    // A see-through pixel shows what lies beneath: in a grab, the window's background.
    const QRgb under = w.palette().color(QPalette::Window).rgba();
    const QRegion mask = w.mask();
    const qreal ratio = shown.devicePixelRatio();
    const auto masked = [&](int x, int y) {
        return !mask.isEmpty() &&
               !mask.contains(QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio)));
    };
    int count = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const std::uint32_t want = masked(x, y) ? 0u : expected.At(x, y);
            const std::uint32_t got = shown.pixel(x, y);
            const bool same = (want >> 24) == 0 ? got == under : got == want;
            if (same) continue;
            if (count++ == 0 && where) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d): %08X instead of %08X", x, y, got, want);
                *where = text;
            }
        }
    return count;
}

// The same class in the kit's own headless form, with the widget's ambient font and name,
// drawn at the widget's own device scale.
struct Reference {
    explicit Reference(ControlWidget& w)
        : table(&w.formControl()->table()),
          form(std::span<const InterfaceTable* const>(&table, 1), Settings(w)),
          control(Place(form, w)), input(form) {
        // A widget class starts with colours of its palette in a Qt window; the base class,
        // which hosts any class by name, with the control's own.
        if (w.metaObject() != &ControlWidget::staticMetaObject)
            for (const auto& [member, value] : paletteDefaults(table->className, w.palette()))
                control->Set(member, value);
        // Qt gives the focus to the first widget of a window that is activated.
        if (w.controlHasFocus()) input.Focus(control);
    }

    static FormControl* Place(Form& form, ControlWidget& w) {
        form.SetScale(w.formControl()->host().surface().scale());
        return form.Add(w.formControl()->table().className, w.objectName().toStdString(), 0, 0,
                        w.width(), w.height());
    }

    static FormSettings Settings(const QWidget& w) {
        FormSettings s;
        s.font = fontFromQt(w.font());
        return s;
    }

    const InterfaceTable* table;
    Form form;
    FormControl* control;
    FormInput input;
};

} // namespace nk::qt::testing
