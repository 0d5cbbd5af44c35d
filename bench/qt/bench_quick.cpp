// The Qt Quick items' timings, each against Qt Quick Controls' Button in the Fusion style in
// the same run: a frame of a 250 x 100 NuvelCommand item (a new caption, drawn by the control,
// composed into the item's texture and rendered by the scene graph offscreen) against a frame
// of a Button of the same size given a new text; and the creation of 100 items against that of
// 100 Buttons. BM_QuickTargets reports the ratios as its counters, each with its target:
//
//   QT_QPA_PLATFORM=offscreen build/bin/nk_bench_qt --benchmark_filter=QuickTargets
#include "bench/bench_timing.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using nk::bench::TimeBatch;

constexpr const char* kNuvel =
    "import Nuvelkit\nNuvelCommand { width: 250; height: 100; caption: \"OK\" }";
constexpr const char* kButton = "import QtQuick.Controls.Fusion\n"
                                "Button { width: 250; height: 100; text: \"OK\" }";
constexpr int kItems = 100;

struct Scene {
    QQuickWindow window;
    std::unique_ptr<QObject> item;
};

std::unique_ptr<QObject> Make(QQmlComponent& component, QQuickItem* parent) {
    std::unique_ptr<QObject> made(component.create());
    if (auto* item = qobject_cast<QQuickItem*>(made.get())) item->setParentItem(parent);
    return made;
}

// One frame after a change of `property`: the scene graph renders the window offscreen.
double Frame(Scene& scene, const char* property, int n) {
    return TimeBatch([&, n]() mutable {
        scene.item->setProperty(property, (++n % 2) ? QStringLiteral("Go") : QStringLiteral("OK"));
        const QImage frame = scene.window.grabWindow();
        benchmark::DoNotOptimize(frame.constBits());
    });
}

double Creation(QQmlComponent& component, QQuickItem* parent) {
    return TimeBatch(
        [&] {
            std::vector<std::unique_ptr<QObject>> items;
            for (int i = 0; i < kItems; ++i)
                items.push_back(Make(component, parent));
            benchmark::DoNotOptimize(items.data());
        },
        1);
}

void BM_QuickTargets(benchmark::State& state) {
    QQmlEngine engine;
    engine.addImportPath(NK_QML_DIR);
    QQmlComponent nuvelType(&engine), buttonType(&engine);
    nuvelType.setData(kNuvel, QUrl());
    buttonType.setData(kButton, QUrl());
    Scene nuvel, button;
    for (Scene* s : {&nuvel, &button}) {
        s->window.resize(250, 100);
        s->window.show();
        if (!QTest::qWaitForWindowExposed(&s->window)) state.SkipWithError("no window");
    }
    nuvel.item = Make(nuvelType, nuvel.window.contentItem());
    button.item = Make(buttonType, button.window.contentItem());
    if (!nuvel.item || !button.item) {
        state.SkipWithError("the QML types could not be made");
        return;
    }
    double frame = 0, buttonFrame = 0, create = 0, buttonCreate = 0;
    for (auto _ : state) {
        frame += Frame(nuvel, "caption", 0);
        buttonFrame += Frame(button, "text", 0);
        create += Creation(nuvelType, nuvel.window.contentItem());
        buttonCreate += Creation(buttonType, button.window.contentItem());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["nuvel_frame_ns"] = frame / n;
    state.counters["button_frame_ns"] = buttonFrame / n;
    state.counters["frame/button(<=0.5)"] = frame / buttonFrame;
    state.counters["nuvel_create100_ns"] = create / n;
    state.counters["button_create100_ns"] = buttonCreate / n;
    state.counters["create100/button"] = create / buttonCreate;
}
BENCHMARK(BM_QuickTargets)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
