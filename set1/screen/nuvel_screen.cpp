#include "set1/screen/nuvel_screen.h"

#include "framework/about.h"
#include "framework/member_rows.h"
#include "framework/property_bag.h"
#include "framework/saved_rows.h"
#include "resources/resource_tables.h"

#include <array>
#include <memory>
#include <optional>

namespace nk {

namespace {

// One skin bitmap painted at a place and a destination size.
struct Piece {
    int resource;
    double x, y, width, height;
};

// An edge is painted only when the control is large enough for it.
struct Edge {
    Piece piece;
    bool drawn;
};

// Where a scheme's pieces go on a W x H surface.
struct ScreenFrame {
    OleColor background;
    std::array<Piece, 4> corners; // top-left, bottom-left, top-right, bottom-right
    std::array<Edge, 4> edges;    // top, bottom, left, right
};

// The frame of a scheme; nothing for the custom type and every unlisted value. The left
// edges start one pixel left of the control, so their first column is cut off. The cyan
// top-right corner, 51 pixels high, is stretched to 52.
std::optional<ScreenFrame> FrameFor(std::int32_t type, double w, double h) {
    switch (type) {
    case NKGreenScreen:
        return ScreenFrame{0x008900,
                           {{{500, 0, 0, 189, 197},
                             {501, 0, h - 49, 54, 49},
                             {502, w - 66, 0, 66, 50},
                             {503, w - 37, h - 38, 37, 38}}},
                           {{{{504, 189, 0, w - 255, 35}, w >= 255},
                             {{505, 54, h - 34, w - 91, 34}, w >= 91},
                             {{506, -1, 197, 37, h - 246}, h >= 246},
                             {{507, w - 38, 50, 38, h - 88}, h >= 88}}}};
    case NKCyanScreen:
        return ScreenFrame{0x808A00,
                           {{{510, 0, 0, 189, 175},
                             {511, 0, h - 52, 55, 52},
                             {512, w - 65, 0, 65, 52},
                             {513, w - 133, h - 114, 133, 114}}},
                           {{{{514, 189, 0, w - 254, 40}, w >= 255},
                             {{515, 55, h - 34, w - 188, 34}, w >= 188},
                             {{516, -1, 175, 36, h - 227}, h >= 227},
                             {{517, w - 34, 51, 34, h - 165}, h >= 165}}}};
    case NKBlueScreen:
        return ScreenFrame{0x850000,
                           {{{520, 0, 0, 249, 197},
                             {521, 0, h - 47, 50, 47},
                             {522, w - 61, 0, 61, 47},
                             {523, w - 46, h - 42, 46, 42}}},
                           {{{{524, 249, 0, w - 310, 36}, w >= 310},
                             {{525, 50, h - 33, w - 96, 33}, w >= 96},
                             {{526, -1, 197, 37, h - 244}, h >= 244},
                             {{527, w - 36, 47, 36, h - 89}, h >= 89}}}};
    default:
        return std::nullopt;
    }
}

MethodResult FileErrorResult(FileError error) {
    switch (error) {
    case FileError::None:
        return {};
    case FileError::FileNotFound:
        return {53, "File not found", {}};
    case FileError::PathNotFound:
        return {76, "Path not found", {}};
    case FileError::PathFileAccess:
        break;
    }
    return {75, "Path/File access error", {}};
}

NuvelScreen& Self(Control& c) {
    return static_cast<NuvelScreen&>(c);
}

InterfaceTable MakeInterface() {
    InterfaceTable t;
    t.className = "NuvelScreen";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    t.designWidth = 320;
    t.designHeight = 256;
    t.designBackColor = kButtonFace;
    t.designForeColor = kButtonText;
    t.properties = {
        AccessorRow<ValueType::Long, MemberKind::Own, &NuvelScreen::ScreenType,
                    &NuvelScreen::SetScreenType>(
            "ScreenType", "The frame's colour scheme: green, cyan, blue, or custom (no frame).")
            .Takes(kScreenTypesEnum)
            .Saved(Variant::Long(NKGreenScreen)),
        AccessorRow<ValueType::Integer, MemberKind::Surface, &NuvelScreen::BorderStyle,
                    &NuvelScreen::SetBorderStyle>("BorderStyle",
                                                  "0 no border, 1 a single line around the panel.")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Integer, MemberKind::Surface, &NuvelScreen::MousePointer,
                    &NuvelScreen::SetMousePointer>("MousePointer",
                                                   "The pointer shown over the panel.")
            .Saved(Variant::Integer(0)),
        AccessorRow<ValueType::Picture, MemberKind::Surface, &NuvelScreen::MouseIcon,
                    &NuvelScreen::SetMouseIcon>("MouseIcon", "A custom pointer picture.")
            .Saved(Variant::OfPicture(nullptr)),
    };
    t.methods = {
        {"AboutMe",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).AboutMe();
             return MethodResult{};
         },
         "Shows the about dialog."},
        {"TimerInvoke",
         {},
         [](Control& c, std::span<const Variant>) {
             Self(c).TimerInvoke();
             return MethodResult{};
         },
         "The kit's timer entry point; the panel has nothing to animate."},
        {"LoadScreenDataFile",
         {{"GFilename", ValueType::String}},
         [](Control& c, std::span<const Variant> args) {
             const auto name = args.empty() ? std::optional<std::string>{} : args[0].ToText();
             if (!name) return MethodResult{13, "Type mismatch", {}};
             return FileErrorResult(Self(c).LoadScreenDataFile(*name));
         },
         "Opens the named file and closes it again; a file error reaches the caller."},
    };
    const auto key = KeyArgs();
    const auto mouse = MouseArgs("x", "y");
    t.events = {
        {Number(NuvelScreen::Event::DblClick), "DblClick", {}},
        {Number(NuvelScreen::Event::Click), "Click", {}},
        {Number(NuvelScreen::Event::KeyDown), "KeyDown", key},
        {Number(NuvelScreen::Event::KeyPress), "KeyPress", KeyPressArgs()},
        {Number(NuvelScreen::Event::KeyUp), "KeyUp", key},
        {Number(NuvelScreen::Event::MouseDown), "MouseDown", mouse},
        {Number(NuvelScreen::Event::MouseMove), "MouseMove", mouse},
        {Number(NuvelScreen::Event::MouseUp), "MouseUp", mouse},
    };
    t.resources = &Nuvset1Resources();
    t.create = [](Host& host) -> std::unique_ptr<Control> {
        return std::make_unique<NuvelScreen>(host);
    };
    return t;
}

} // namespace

const InterfaceTable& NuvelScreenInterface() {
    static const InterfaceTable table = MakeInterface();
    return table;
}

NuvelScreen::NuvelScreen(Host& host) : host_(host) {}

// ---- Properties -------------------------------------------------------------------------

void NuvelScreen::SetScreenType(std::int32_t type) {
    screenType_ = type;
    host_.PropertyChanged("ScreenType");
    Redraw();
}

std::int16_t NuvelScreen::BorderStyle() const {
    return host_.BorderStyle();
}

void NuvelScreen::SetBorderStyle(std::int16_t style) {
    host_.SetBorderStyle(style);
    host_.PropertyChanged("BorderStyle");
    Redraw();
}

std::int16_t NuvelScreen::MousePointer() const {
    return host_.MousePointer();
}

void NuvelScreen::SetMousePointer(std::int16_t pointer) {
    host_.SetMousePointer(pointer);
    host_.PropertyChanged("MousePointer");
}

Picture NuvelScreen::MouseIcon() const {
    return host_.MouseIcon();
}

void NuvelScreen::SetMouseIcon(const Picture& icon) {
    host_.SetMouseIcon(icon);
    host_.PropertyChanged("MouseIcon");
}

// ---- Methods ----------------------------------------------------------------------------

void NuvelScreen::AboutMe() {
    nk::AboutMe(host_);
}

FileError NuvelScreen::LoadScreenDataFile(const std::string& gFilename) {
    // The name goes to the host exactly as given; nothing is read from the file.
    return host_.OpenFileForRead(gFilename);
}

// ---- Host notifications -----------------------------------------------------------------

void NuvelScreen::InitProperties() {
    screenType_ = NKGreenScreen;
    Redraw();
}

void NuvelScreen::ReadProperties(const PropertyBag& bag) {
    if (auto style = ReadInteger(bag, "BorderStyle", 0)) host_.SetBorderStyle(*style);
    ReadRowsThroughSetters(*this, bag, {"MouseIcon"});
    if (auto pointer = ReadInteger(bag, "MousePointer", 0)) host_.SetMousePointer(*pointer);
    ReadStoredRows(*this, bag, {{"ScreenType", &screenType_}});
    Redraw();
}

void NuvelScreen::WriteProperties(PropertyBag& bag) {
    WriteSavedRows(*this, bag, {"BorderStyle", "MouseIcon", "MousePointer", "ScreenType"});
}

void NuvelScreen::Resize() {
    Redraw();
}

void NuvelScreen::Paint() {
    Redraw();
}

void NuvelScreen::Click() {
    host_.RaiseEvent(Number(NuvelScreen::Event::Click), {});
}

void NuvelScreen::DblClick() {
    host_.RaiseEvent(Number(NuvelScreen::Event::DblClick), {});
}

void NuvelScreen::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, NuvelScreen::Event::KeyDown, keyCode, shift);
}

void NuvelScreen::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, NuvelScreen::Event::KeyPress, keyAscii);
}

void NuvelScreen::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, NuvelScreen::Event::KeyUp, keyCode, shift);
}

void NuvelScreen::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, NuvelScreen::Event::MouseDown, button, shift, x, y);
}

void NuvelScreen::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, NuvelScreen::Event::MouseMove, button, shift, x, y);
}

void NuvelScreen::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, NuvelScreen::Event::MouseUp, button, shift, x, y);
}

// ---- Drawing ----------------------------------------------------------------------------

// Paints the frame of the current scheme over whatever the surface shows: the background
// box, the four corners, then the edges that fit. The custom type draws nothing.
void NuvelScreen::Redraw() {
    const double w = host_.ScaleWidth();
    const double h = host_.ScaleHeight();
    const auto frame = FrameFor(screenType_, w, h);
    if (!frame) return;
    host_.Line(0, 0, w, h, frame->background, LineKind::FilledBox);
    for (const Piece& corner : frame->corners)
        PaintPiece(corner.resource, corner.x, corner.y, corner.width, corner.height);
    for (const Edge& edge : frame->edges) {
        if (!edge.drawn) continue;
        const Piece& p = edge.piece;
        PaintPiece(p.resource, p.x, p.y, p.width, p.height);
    }
}

// A skin bitmap that cannot be loaded is skipped.
void NuvelScreen::PaintPiece(int resource, double x, double y, double width, double height) {
    const Picture picture = host_.LoadResPicture(resource);
    if (!picture) return;
    host_.PaintPicture(picture, x, y, width, height);
}

} // namespace nk
