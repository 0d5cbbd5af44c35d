#include "tests/probe_control.h"

#include "framework/control.h"
#include "framework/host.h"
#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/sound.h"
#include "host/codec/codec.h"
#include "set1/about/about.h"

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace nk::probe {

namespace {

class Probe : public Control {
public:
    explicit Probe(Host& host) : host_(host) {}
    const InterfaceTable& Interface() const override { return ProbeClass(); }
    Host& host() { return host_; }

    // ---- public members ----
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        caption_ = v;
        host_.PropertyChanged("Caption");
        Redraw();
    }
    std::int32_t Value() const { return value_; }
    // Raises Change with the new value and a Cancel flag, both by reference: the handler
    // may change the value stored, or cancel the change.
    void SetValue(std::int32_t v) {
        VBool cancel = kFalse;
        const EventArg args[] = {&v, &cancel};
        host_.RaiseEvent(kChange, args);
        if (cancel != kFalse) return;
        value_ = v;
        host_.PropertyChanged("Value");
    }
    float Ratio() const { return ratio_; }
    void SetRatio(float r) {
        ratio_ = r;
        host_.PropertyChanged("Ratio");
    }
    OleColor TintColor() const { return tint_; }
    void SetTintColor(OleColor c) {
        tint_ = c;
        std::int32_t colour = static_cast<std::int32_t>(c);
        const EventArg args[] = {&colour};
        host_.RaiseEvent(kTint, args);
        host_.PropertyChanged("TintColor");
    }
    OleColor ForeColor() const { return host_.ForeColor(); }
    OleColor BackColor() const { return host_.BackColor(); }
    VBool Enabled() const { return ToVBool(host_.Enabled()); }
    Font GetFont() const { return host_.GetFont(); }
    std::int16_t BorderStyle() const { return host_.BorderStyle(); }
    void SetForeColor(OleColor c) {
        host_.SetForeColor(c);
        host_.PropertyChanged("ForeColor");
        Redraw();
    }
    void SetBackColor(OleColor c) {
        host_.SetBackColor(c);
        host_.PropertyChanged("BackColor");
        Redraw();
    }
    void SetEnabled(VBool on) {
        host_.SetEnabled(on != kFalse);
        host_.PropertyChanged("Enabled");
    }
    void SetFont(const Font& f) {
        host_.SetFont(f);
        host_.PropertyChanged("Font");
        Redraw();
    }
    void SetBorderStyle(std::int16_t s) {
        host_.SetBorderStyle(s);
        host_.PropertyChanged("BorderStyle");
    }
    Picture Mask() const { return mask_; }
    void SetMask(const Picture& p) {
        mask_ = p;
        host_.SetMaskPicture(p);
        host_.PropertyChanged("Mask");
    }
    std::string ShortCutKey() const { return shortCutKey_; }
    void SetShortCutKey(const std::string& k) {
        shortCutKey_ = k;
        host_.PropertyChanged("ShortCutKey");
        ApplyShortCutKey(host_, k);
    }
    VBool Glow() const { return glow_; }
    void SetGlow(VBool on) {
        glow_ = on;
        if (Shape* s = host_.ShapeChild("Shape1")) {
            s->SetFillColor(0xFFFFFF - 0x00000Fu); // OR-s every pixel with red 0x0F
            s->SetVisible(on != kFalse);
        }
        host_.PropertyChanged("Glow");
    }

    VBool UseSound = kFalse;
    std::int32_t SoundMethod = 0;
    std::int16_t lastKey = 0;
    float lastX = 0;
    VBool hovering = kFalse;
    std::int32_t ticks = 0;

    void Press() { SoundStep(host_, UseSound, SoundMethod, Gettingpushed); }
    void Release() { SoundStep(host_, UseSound, SoundMethod, GettingReleased); }
    MethodResult OpenData(const std::string& name) {
        switch (host_.OpenFileForRead(name)) {
        case FileError::None:
            return {};
        case FileError::FileNotFound:
            return {53, "File not found", {}};
        case FileError::PathNotFound:
            return {76, "Path not found", {}};
        case FileError::PathFileAccess:
            return {75, "Path/File access error", {}};
        }
        return {};
    }
    // Sets its own outer size, in twips.
    void Grow(double w, double h) {
        host_.SetWidth(w);
        host_.SetHeight(h);
    }
    void Ping() { host_.RaiseEvent(kPing, {}); }
    void TimerInvoke() {
        ++ticks;
        const EventArg args[] = {&ticks};
        host_.RaiseEvent(kTick, args);
    }
    // Every operation of the surface and of each child, once.
    void DrawAll() {
        host_.SetDrawWidth(2);
        host_.Line(1, 1, 10, 1, 0x0000FF);
        host_.SetDrawWidth(1);
        host_.Line(2, 2, 8.5, 6.25, 0x00FF00, LineKind::Box);
        host_.Line(20, 2, 30, 12, kButtonShadow, LineKind::FilledBox);
        host_.Circle(40, 10, 5, 0xFF0000);
        host_.Arc(40, 10, 8, 0x00FFFF, 5.5, 0.5);
        const Picture red = host_.LoadResPicture(7);
        host_.PaintPicture(red, -1.5, 30);
        host_.PaintPicture(red, 50, 20, 8, 6);
        host_.PaintPicture(nullptr, 0, 0);
        host_.PaintPicture(host_.LoadPicture(), 0, 0, 5, 5);
        host_.SetCurrentX(3);
        host_.SetCurrentY(4);
        host_.Print("Hi");
        const Rect r = host_.GetClientRect();
        host_.DrawText("A&bc", r, dt::kCenter | dt::kVCenter | dt::kSingleLine);
        host_.SetMousePointer(99);
        host_.SetMouseIcon(red);
        host_.Refresh();
        if (PictureBox* box = host_.PictureBoxChild("Picture1")) {
            box->Move(4, 5, 6, 3);
            box->SetAutoRedraw(true);
            box->SetBackColor(0x00FFFF);
            box->Cls();
            box->PaintPicture(red, 0, 0, 1, 3);
            box->Line(0, 0, 5, 0, 0xFFFFFF, LineKind::Plain);
            const Picture shot = box->Image();
            host_.PaintPicture(shot, 60, 0);
        }
        for (int i = 0; i < 2; ++i)
            if (ImageZone* z = host_.ZoneChild("Image1", i)) {
                z->Move(10 * i, 0, 10, 10);
                z->SetToolTipText(i == 0 ? "Left" : "Say \"right\"");
            }
        if (Shape* s = host_.ShapeChild("Shape1")) s->Move(0, 0, 12, 12);
    }
    void Throw() { throw std::runtime_error("the probe was told to fail"); }

    // ---- notifications ----
    void InitProperties() override {
        caption_ = "Probe";
        value_ = 0;
        Redraw();
    }
    void ReadProperties(const PropertyBag& bag) override {
        Assign(caption_, ReadString(bag, "Caption", "Probe"));
        Assign(value_, ReadLong(bag, "Value", 0));
        if (auto c = ReadColor(bag, "BackColor", kButtonFace)) host_.SetBackColor(*c);
        if (auto f = ReadFont(bag, "Font", host_.AmbientFont())) host_.SetFont(*f);
        Assign(mask_, ReadPicture(bag, "Mask"));
        Assign(UseSound, ReadBoolean(bag, "UseSound", kFalse));
        Assign(SoundMethod, ReadLong(bag, "SoundMethod", 0));
        Redraw();
    }
    void WriteProperties(PropertyBag& bag) override {
        WriteString(bag, "Caption", caption_, "Probe");
        WriteLong(bag, "Value", value_, 0);
        WriteColor(bag, "BackColor", host_.BackColor(), kButtonFace);
        WriteFont(bag, "Font", host_.GetFont(), host_.AmbientFont());
        WritePicture(bag, "Mask", mask_);
        WriteBoolean(bag, "UseSound", UseSound, kFalse);
        WriteLong(bag, "SoundMethod", SoundMethod, 0);
    }
    void Resize() override {
        if (Shape* s = host_.ShapeChild("Shape1"))
            s->Move(0, 0, host_.ScaleWidth(), host_.ScaleHeight());
    }
    void Paint() override { Redraw(); }
    void Click() override { host_.RaiseEvent(kClick, {}); }
    void DblClick() override { host_.RaiseEvent(kDblClick, {}); }
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override {
        const EventArg args[] = {&keyCode, &shift};
        host_.RaiseEvent(kKeyDown, args);
        lastKey = keyCode; // what the handler left in KeyCode
    }
    void AccessKeyPress(std::int16_t) override { host_.RaiseEvent(kClick, {}); }
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
        const EventArg args[] = {&button, &shift, &x, &y};
        host_.RaiseEvent(kMouseMove, args);
        lastX = x;
        const bool inside = IsInside(x, y, host_.ScaleWidth(), host_.ScaleHeight());
        if (inside && hovering == kFalse) {
            hovering = kTrue;
            host_.SetCapture();
            Redraw();
        } else if (!inside && hovering != kFalse) {
            hovering = kFalse;
            host_.ReleaseCapture();
            Redraw();
        }
    }
    void ChildPaint(ChildRef child) override {
        if (PictureBox* box = host_.PictureBoxChild(child.name)) box->Cls();
    }
    void ChildMouseDown(ChildRef child, std::int16_t, std::int16_t, float, float) override {
        if (child.name != "Image1") return;
        std::int16_t index = static_cast<std::int16_t>(child.index);
        const EventArg args[] = {&index};
        host_.RaiseEvent(kZoneDown, args);
    }

private:
    void Redraw() {
        host_.Cls();
        const Rect r = host_.GetClientRect();
        host_.DrawText(caption_, r, dt::kCenter | dt::kVCenter | dt::kSingleLine);
    }

    Host& host_;
    std::string caption_;
    std::int32_t value_ = 0;
    float ratio_ = 0;
    OleColor tint_ = 0;
    Picture mask_;
    std::string shortCutKey_;
    VBool glow_ = kFalse;
};

Probe& P(Control& c) {
    return static_cast<Probe&>(c);
}

std::vector<std::uint8_t> RedBitmap() {
    Image red(4, 3, 0xFFFF0000u);
    return EncodeBmp(red, 24);
}

const std::vector<std::uint8_t>& Bytes(int which) {
    static const std::vector<std::uint8_t> red = RedBitmap();
    static const std::vector<std::uint8_t> damaged(red.begin(), red.begin() + 20);
    static const std::vector<std::uint8_t> press = {'R', 'I', 'F', 'F', 1};
    static const std::vector<std::uint8_t> release = {'R', 'I', 'F', 'F', 2};
    switch (which) {
    case 0:
        return red;
    case 1:
        return damaged;
    case 2:
        return press;
    default:
        return release;
    }
}

InterfaceTable MakeTable() {
    using VT = ValueType;
    using MK = MemberKind;
    InterfaceTable t;
    t.className = "NuvelProbe";
    t.library = "nuvset1";
    t.typeLibrary = "Nuvelkit3";
    t.designWidth = 80;
    t.designHeight = 30;
    t.designBackColor = kButtonFace;
    t.designForeColor = kButtonText;
    t.properties = {
        {.name = "Caption",
         .type = VT::String,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::String(P(c).Caption()); },
         .set = [](Control& c, const Variant& v) { P(c).SetCaption(v.text()); }},
        {.name = "Value",
         .type = VT::Long,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Long(P(c).Value()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetValue(static_cast<std::int32_t>(v.number())); }},
        {.name = "Ratio",
         .type = VT::Single,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Single(P(c).Ratio()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetRatio(static_cast<float>(v.number())); }},
        {.name = "TintColor",
         .type = VT::Color,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Double(P(c).TintColor()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetTintColor(static_cast<OleColor>(v.number())); }},
        {.name = "ForeColor",
         .type = VT::Color,
         .kind = MK::Surface,
         .get = [](Control& c) { return Variant::Double(P(c).ForeColor()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetForeColor(static_cast<OleColor>(v.number())); }},
        {.name = "BackColor",
         .type = VT::Color,
         .kind = MK::Surface,
         .get = [](Control& c) { return Variant::Double(P(c).BackColor()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetBackColor(static_cast<OleColor>(v.number())); }},
        {.name = "Enabled",
         .type = VT::Boolean,
         .kind = MK::Surface,
         .get = [](Control& c) { return Variant::Boolean(P(c).Enabled()); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SetEnabled(static_cast<VBool>(v.number())); }},
        {.name = "Font",
         .type = VT::Font,
         .kind = MK::Surface,
         .get = [](Control& c) { return Variant::OfFont(P(c).GetFont()); },
         .set = [](Control& c, const Variant& v) { P(c).SetFont(v.font()); }},
        {.name = "BorderStyle",
         .type = VT::Integer,
         .kind = MK::Surface,
         .get = [](Control& c) { return Variant::Integer(P(c).BorderStyle()); },
         .set =
             [](Control& c, const Variant& v) {
                 P(c).SetBorderStyle(static_cast<std::int16_t>(v.number()));
             }},
        {.name = "Mask",
         .type = VT::Picture,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::OfPicture(P(c).Mask()); },
         .set = [](Control& c, const Variant& v) { P(c).SetMask(v.picture()); }},
        {.name = "ShortCutKey",
         .type = VT::String,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::String(P(c).ShortCutKey()); },
         .set = [](Control& c, const Variant& v) { P(c).SetShortCutKey(v.text()); }},
        {.name = "Glow",
         .type = VT::Boolean,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Boolean(P(c).Glow()); },
         .set = [](Control& c, const Variant& v) { P(c).SetGlow(static_cast<VBool>(v.number())); }},
        {.name = "UseSound",
         .type = VT::Boolean,
         .kind = MK::Field,
         .get = [](Control& c) { return Variant::Boolean(P(c).UseSound); },
         .set = [](Control& c,
                   const Variant& v) { P(c).UseSound = static_cast<VBool>(v.number()); }},
        {.name = "SoundMethod",
         .type = VT::Long,
         .kind = MK::Field,
         .get = [](Control& c) { return Variant::Long(P(c).SoundMethod); },
         .set = [](Control& c,
                   const Variant& v) { P(c).SoundMethod = static_cast<std::int32_t>(v.number()); }},
        {.name = "LastKey",
         .type = VT::Integer,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Integer(P(c).lastKey); },
         .set = nullptr},
        {.name = "LastX",
         .type = VT::Single,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Single(P(c).lastX); },
         .set = nullptr},
        {.name = "WidthTwips",
         .type = VT::Double,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Double(P(c).host().Width()); },
         .set = nullptr},
        {.name = "DisplayName",
         .type = VT::String,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::String(P(c).host().AmbientDisplayName()); },
         .set = nullptr},
        {.name = "AmbientFont",
         .type = VT::Font,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::OfFont(P(c).host().AmbientFont()); },
         .set = nullptr},
        {.name = "Hovering",
         .type = VT::Boolean,
         .kind = MK::Own,
         .get = [](Control& c) { return Variant::Boolean(P(c).hovering); },
         .set = nullptr},
    };
    auto none = [](MethodResult (*f)(Control&, std::span<const Variant>), std::string_view name) {
        return MethodInfo{.name = name, .params = {}, .call = f};
    };
    t.methods = {
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).Press();
                return MethodResult{};
            },
            "Press"),
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).Release();
                return MethodResult{};
            },
            "Release"),
        none(
            [](Control& c, std::span<const Variant>) {
                AboutMe(P(c).host());
                return MethodResult{};
            },
            "AboutMe"),
        MethodInfo{.name = "OpenData",
                   .params = {{"Name", VT::String}},
                   .call = [](Control& c,
                              std::span<const Variant> a) { return P(c).OpenData(a[0].text()); }},
        MethodInfo{.name = "Grow",
                   .params = {{"W", VT::Long}, {"H", VT::Long}},
                   .call =
                       [](Control& c, std::span<const Variant> a) {
                           P(c).Grow(static_cast<std::int32_t>(a[0].number()),
                                     static_cast<std::int32_t>(a[1].number()));
                           return MethodResult{};
                       }},
        MethodInfo{.name = "Twice",
                   .params = {{"N", VT::Long}},
                   .call =
                       [](Control&, std::span<const Variant> a) {
                           return MethodResult{.error = 0,
                                               .description = {},
                                               .value = Variant::Long(
                                                   static_cast<std::int32_t>(a[0].number()) * 2)};
                       }},
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).Ping();
                return MethodResult{};
            },
            "Ping"),
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).TimerInvoke();
                return MethodResult{};
            },
            "TimerInvoke"),
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).DrawAll();
                return MethodResult{};
            },
            "DrawAll"),
        none(
            [](Control& c, std::span<const Variant>) {
                P(c).Throw();
                return MethodResult{};
            },
            "Throw"),
    };
    t.events = {
        {.number = kClick, .name = "Click", .args = {}},
        {.number = kDblClick, .name = "DblClick", .args = {}},
        {.number = kKeyDown,
         .name = "KeyDown",
         .args = {{"KeyCode", VT::Integer}, {"Shift", VT::Integer}}},
        {.number = kMouseMove,
         .name = "MouseMove",
         .args = {{"Button", VT::Integer},
                  {"Shift", VT::Integer},
                  {"X", VT::Single},
                  {"Y", VT::Single}}},
        {.number = kChange,
         .name = "Change",
         .args = {{"Value", VT::Long}, {"Cancel", VT::Boolean}}},
        {.number = kPing, .name = "Ping", .args = {}},
        {.number = kZoneDown, .name = "ZoneDown", .args = {{"Index", VT::Integer}}},
        {.number = kTick, .name = "Tick", .args = {{"Count", VT::Long}}},
        {.number = kPlaySound, .name = "PlaySound", .args = {{"SoundType", VT::Long}}},
        {.number = kTint, .name = "Tint", .args = {{"Color", VT::Color}}},
    };
    t.children = {
        {.name = "Shape1", .kind = ChildKind::Shape},
        {.name = "Picture1",
         .kind = ChildKind::PictureBox,
         .count = 1,
         .visible = true,
         .backColor = 0x000000},
        {.name = "Image1", .kind = ChildKind::ImageZones, .count = 4},
    };
    t.resources = &ProbeResources();
    t.create = [](Host& host) -> std::unique_ptr<Control> { return std::make_unique<Probe>(host); };
    return t;
}

} // namespace

const ResourceLibrary& ProbeResources() {
    static const ResourceEntry entries[] = {
        {7, ResourceKind::Bitmap, Bytes(0)},
        {8, ResourceKind::Bitmap, Bytes(1)},
        {401, ResourceKind::Sound, Bytes(2)},
        {402, ResourceKind::Sound, Bytes(3)},
    };
    static const ResourceLibrary library{"probe", entries};
    return library;
}

const InterfaceTable& ProbeClass() {
    static const InterfaceTable table = MakeTable();
    return table;
}

} // namespace nk::probe
