// Handlers that change a control in the middle of its own press: a MouseDown handler that
// disables the control, changes its look or calls one of its methods, and a Click handler
// that disables it. Each control finishes the press with the state the handler left: the
// trace shows what it asks of its host from the press on (faces, events, capture, sounds,
// notifications; the other drawing calls are left out).
#include "host/script/script.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

namespace nk {
namespace {

struct Reentry {
    std::string_view name;
    std::string_view script; // the press follows `echo press`
    std::string_view trace;
};

constexpr std::string_view kKept[] = {
    "> send", "PropertyChanged", "RaiseEvent", "SetCapture", "ReleaseCapture", "Enabled ",
    "Sound ", "Refresh",         "Shape",      "About ",     "MaskPicture",    "Cls"};

// The faces and pictures painted, the events raised and the host's state changed; an absent
// picture paints nothing and is left out.
bool Kept(std::string_view line) {
    if (line.find("PaintPicture") != std::string_view::npos)
        return line.find("PaintPicture nothing") == std::string_view::npos;
    for (std::string_view prefix : kKept)
        if (line.starts_with(prefix)) return true;
    return false;
}

// The kept lines that the script prints from its `echo press` on, each ended by "\n".
std::string TraceOfPress(std::string_view script) {
    std::istringstream in{std::string(script)};
    std::ostringstream out, err;
    const auto classes = AllClasses();
    const int status = RunScript(in, out, err, classes);
    EXPECT_EQ(status, kScriptDone) << err.str();
    std::istringstream lines(out.str());
    std::string line, trace;
    bool pressed = false;
    while (std::getline(lines, line)) {
        if (line == "> echo press")
            pressed = true;
        else if (pressed && Kept(line))
            trace += line + "\n";
    }
    return trace;
}

constexpr Reentry kReentries[] = {
    {"NuvelCommand MouseDown disables",
     R"(new NuvelCommand
init
set UseSound True
on MouseDown do set Enabled False
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Shape2.Visible False
Sound 401
PaintPicture res:101 0 0
RaiseEvent 6 MouseDown(Button=1, Shift=0, X=10, Y=10)
Enabled False
PaintPicture empty 0 0
PropertyChanged Enabled
ReleaseCapture
PaintPicture empty 0 0
> send MouseUp 1 0 10 10
Sound 402
PaintPicture empty 0 0
RaiseEvent 8 MouseUp(Button=1, Shift=0, X=10, Y=10)
ReleaseCapture
PaintPicture empty 0 0
)"},
    {"NuvelCommand MouseDown changes the background",
     R"(new NuvelCommand
init
set UseSound True
on MouseDown do set BackPicture 3
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Shape2.Visible False
Sound 401
PaintPicture res:101 0 0
RaiseEvent 6 MouseDown(Button=1, Shift=0, X=10, Y=10)
PropertyChanged BackPicture
PaintPicture res:104 0 0
ReleaseCapture
PaintPicture res:104 0 0
> send MouseUp 1 0 10 10
Sound 402
PaintPicture res:104 0 0
RaiseEvent 8 MouseUp(Button=1, Shift=0, X=10, Y=10)
ReleaseCapture
PaintPicture res:104 0 0
)"},
    {"NuvelCommand Click from the keyboard disables",
     R"(new NuvelCommand
init
set UseSound True
on Click do set Enabled False
echo press
send KeyDown 32 0
send KeyUp 32 0)",
     R"(> send KeyDown 32 0
Sound 401
PaintPicture res:101 0 0
RaiseEvent 3 KeyDown(KeyCode=32, Shift=0)
> send KeyUp 32 0
Sound 402
PaintPicture res:101 0 0
RaiseEvent 1 Click()
Enabled False
PaintPicture empty 0 0
PropertyChanged Enabled
RaiseEvent 5 KeyUp(KeyCode=32, Shift=0)
)"},
    {"NuvelHCommand MouseDown disables",
     R"(new NuvelHCommand
init
set UseSound True
on MouseDown do set Enabled False
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
RaiseEvent 7 MouseDown(Button=1, Shift=0, x=10, y=10)
Enabled False
PaintPicture empty 0 0 175 32
PropertyChanged Enabled
Sound 401
PaintPicture empty 0 0 175 32
> send MouseUp 1 0 10 10
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
Sound 402
PaintPicture empty 0 0 175 32
)"},
    {"NuvelHCommand MouseDown changes the style",
     R"(new NuvelHCommand
init
set UseSound True
on MouseDown do set NuvelStyle 2
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
RaiseEvent 7 MouseDown(Button=1, Shift=0, x=10, y=10)
PropertyChanged NuvelStyle
PaintPicture res:552 0 0 175 32
Sound 401
PaintPicture res:562 0 0 175 32
> send MouseUp 1 0 10 10
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
Sound 402
PaintPicture res:552 0 0 175 32
)"},
    {"NuvelHCommand MouseDown starts the shine",
     R"(new NuvelHCommand
init
set UseSound True
on MouseDown do call ShineEdges
on MouseDown do call TimerInvoke
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
RaiseEvent 7 MouseDown(Button=1, Shift=0, x=10, y=10)
Sound 401
PaintPicture res:560 0 0 175 32
> send MouseUp 1 0 10 10
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
Sound 402
PaintPicture res:550 0 0 175 32
)"},
    {"NuvelSphere MouseDown disables",
     R"(new NuvelSphere
init
set UseSound True
on MouseDown do set Enabled False
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Sound 401
PaintPicture res:400 0 0 32 32
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
Enabled False
PropertyChanged Enabled
PaintPicture empty 0 0 32 32
> send MouseUp 1 0 10 10
Sound 402
PaintPicture empty 0 0 32 32
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
)"},
    {"NuvelSphere MouseDown changes the type",
     R"(new NuvelSphere
init
set UseSound True
on MouseDown do set SphereType 3
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Sound 401
PaintPicture res:400 0 0 32 32
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
PaintPicture res:403 0 0 32 32
PropertyChanged SphereType
> send MouseUp 1 0 10 10
Sound 402
PaintPicture res:303 0 0 32 32
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
)"},
    {"NuvelSphere MouseDown counts the roll-over",
     R"(new NuvelSphere
init
set UseSound True
set SphereType 10
on MouseDown do call TimerInvoke
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Sound 401
PaintPicture empty 0 0 32 32
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
> send MouseUp 1 0 10 10
Sound 402
PaintPicture empty 0 0 32 32
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
)"},
    {"NuvelCheck MouseDown disables",
     R"(new NuvelCheck
init
set UseSound True
on MouseDown do set Enabled False
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Shape1.Visible False
Refresh
Sound 401
Cls
PaintPicture res:203 0 3
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
Enabled False
Cls
PaintPicture res:204 0 3
PropertyChanged Enabled
> send MouseUp 1 0 10 10
Sound 402
PropertyChanged Value
Cls
PaintPicture res:204 0 3
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
)"},
    {"NuvelCheck MouseDown changes the look",
     R"(new NuvelCheck
init
set UseSound True
on MouseDown do set NuvelCheckType 1
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
Shape1.Visible False
Refresh
Sound 401
Cls
PaintPicture res:203 0 3
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
Cls
PaintPicture empty 0 3
PropertyChanged NuvelCheckType
> send MouseUp 1 0 10 10
Sound 402
PropertyChanged Value
Cls
PaintPicture empty 0 3
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
)"},
    {"NuvelCheck Click disables",
     R"(new NuvelCheck
init
set UseSound True
on Click do set Enabled False
echo press
send MouseDown 1 0 10 10
send MouseUp 1 0 10 10
send Click)",
     R"(> send MouseDown 1 0 10 10
Shape1.Visible False
Refresh
Sound 401
Cls
PaintPicture res:203 0 3
RaiseEvent 6 MouseDown(Button=1, Shift=0, x=10, y=10)
> send MouseUp 1 0 10 10
Sound 402
PropertyChanged Value
Cls
PaintPicture res:202 0 3
RaiseEvent 8 MouseUp(Button=1, Shift=0, x=10, y=10)
> send Click
RaiseEvent 1 Click()
Enabled False
Cls
PaintPicture res:204 0 3
PropertyChanged Enabled
)"},
    {"NuvelFill MouseDown disables",
     R"(new NuvelFill
init
set Value 50
on MouseDown do set Enabled False
echo press
send Picture1.MouseDown 1 0 10 10
send Picture1.MouseUp 1 0 10 10)",
     R"(> send Picture1.MouseDown 1 0 10 10
RaiseEvent 6 MouseDown(Button=1, Shift=0, X=10, Y=10)
Enabled False
PropertyChanged Enabled
Picture1.PaintPicture res:118 0 0 1 42
PaintPicture res:101 0 0 16 42
PaintPicture res:102 183 0 16 42
> send Picture1.MouseUp 1 0 10 10
RaiseEvent 8 MouseUp(Button=1, Shift=0, X=10, Y=10)
)"},
    {"NuvelFill MouseDown changes the fill",
     R"(new NuvelFill
init
set Value 50
on MouseDown do set NuvelFill 2
echo press
send Picture1.MouseDown 1 0 10 10)",
     R"(> send Picture1.MouseDown 1 0 10 10
RaiseEvent 6 MouseDown(Button=1, Shift=0, X=10, Y=10)
PropertyChanged NuvelFill
Picture1.PaintPicture res:112 0 0 1 42
PaintPicture res:101 0 0 16 42
PaintPicture res:102 183 0 16 42
)"},
    {"NuvelFill MouseDown calls TimerInvoke",
     R"(new NuvelFill
init
set Value 50
on MouseDown do call TimerInvoke
echo press
send MouseDown 1 0 10 10)",
     R"(> send MouseDown 1 0 10 10
RaiseEvent 6 MouseDown(Button=1, Shift=0, X=10, Y=10)
)"},
    {"NuvelFill Click disables",
     R"(new NuvelFill
init
set Value 50
on Click do set Enabled False
echo press
send Click)",
     R"(> send Click
RaiseEvent 1 Click()
Enabled False
PropertyChanged Enabled
Picture1.PaintPicture res:118 0 0 1 42
PaintPicture res:101 0 0 16 42
PaintPicture res:102 183 0 16 42
)"},
};

TEST(ReentrantHandlers, EachControlFinishesThePressWithWhatTheHandlerLeft) {
    for (const Reentry& r : kReentries) {
        SCOPED_TRACE(std::string(r.name));
        EXPECT_EQ(TraceOfPress(r.script), r.trace);
    }
}

} // namespace
} // namespace nk
