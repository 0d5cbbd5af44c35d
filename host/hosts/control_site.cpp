#include "host/hosts/control_site.h"

#include "host/hosts/recording_host.h"

namespace nk {

ControlSite::ControlSite(const InterfaceTable& table) : ControlSite(table, Options{}) {}

ControlSite::ControlSite(const InterfaceTable& table, const Options& options)
    : host_(std::make_unique<HeadlessHost>(table, options.width, options.height, options.scale)) {
    if (!options.displayName.empty()) host_->SetAmbientDisplayName(options.displayName);
    host_->SetAmbientFont(options.ambientFont);
    host_->hooks() = options.hooks;
    if (options.trace) recorder_ = MakeRecordingHost(*host_, *options.trace);
    if (!table.create) return;
    host_->Guarded(CallSide::Creation, table.className,
                   [&] { control_ = table.create(controlHost()); });
    host_->Attach(control_.get());
}

ControlSite::~ControlSite() {
    host_->Attach(nullptr);
    control_.reset();
}

bool ControlSite::Deliver(std::string_view what, const std::function<void(Control&)>& fn) {
    return host_->Deliver(what, fn);
}

bool ControlSite::InitProperties() {
    return Deliver("InitProperties", [](Control& c) { c.InitProperties(); });
}
bool ControlSite::ReadProperties(const PropertyBag& bag) {
    return Deliver("ReadProperties", [&](Control& c) { c.ReadProperties(bag); });
}
bool ControlSite::WriteProperties(PropertyBag& bag) {
    return Deliver("WriteProperties", [&](Control& c) { c.WriteProperties(bag); });
}
bool ControlSite::Resize() {
    return Deliver("Resize", [](Control& c) { c.Resize(); });
}
bool ControlSite::Paint() {
    return Deliver("Paint", [](Control& c) { c.Paint(); });
}
bool ControlSite::Click() {
    return Deliver("Click", [](Control& c) { c.Click(); });
}
bool ControlSite::DblClick() {
    return Deliver("DblClick", [](Control& c) { c.DblClick(); });
}
bool ControlSite::GotFocus() {
    return Deliver("GotFocus", [](Control& c) { c.GotFocus(); });
}
bool ControlSite::LostFocus() {
    return Deliver("LostFocus", [](Control& c) { c.LostFocus(); });
}
bool ControlSite::EnterFocus() {
    return Deliver("EnterFocus", [](Control& c) { c.EnterFocus(); });
}
bool ControlSite::ExitFocus() {
    return Deliver("ExitFocus", [](Control& c) { c.ExitFocus(); });
}
bool ControlSite::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    return Deliver("KeyDown", [&](Control& c) { c.KeyDown(keyCode, shift); });
}
bool ControlSite::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    return Deliver("KeyUp", [&](Control& c) { c.KeyUp(keyCode, shift); });
}
bool ControlSite::KeyPress(std::int16_t keyAscii) {
    return Deliver("KeyPress", [&](Control& c) { c.KeyPress(keyAscii); });
}
bool ControlSite::AccessKeyPress(std::int16_t keyAscii) {
    return Deliver("AccessKeyPress", [&](Control& c) { c.AccessKeyPress(keyAscii); });
}
bool ControlSite::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    return Deliver("MouseDown", [&](Control& c) { c.MouseDown(button, shift, x, y); });
}
bool ControlSite::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    return Deliver("MouseMove", [&](Control& c) { c.MouseMove(button, shift, x, y); });
}
bool ControlSite::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    return Deliver("MouseUp", [&](Control& c) { c.MouseUp(button, shift, x, y); });
}
bool ControlSite::ChildPaint(ChildRef child) {
    return Deliver("Paint", [&](Control& c) { c.ChildPaint(child); });
}
bool ControlSite::PaintWhole() {
    bool ok = Paint();
    // Index loop: a paint handler may add picture boxes.
    const auto& boxes = host_->pictureBoxes();
    for (size_t b = 0; b < boxes.size(); ++b)
        ok = ChildPaint(ChildRef{boxes[b]->name()}) && ok;
    return ok;
}
bool ControlSite::ChildClick(ChildRef child) {
    return Deliver("Click", [&](Control& c) { c.ChildClick(child); });
}
bool ControlSite::ChildDblClick(ChildRef child) {
    return Deliver("DblClick", [&](Control& c) { c.ChildDblClick(child); });
}
bool ControlSite::ChildKeyDown(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    return Deliver("KeyDown", [&](Control& c) { c.ChildKeyDown(child, keyCode, shift); });
}
bool ControlSite::ChildKeyUp(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    return Deliver("KeyUp", [&](Control& c) { c.ChildKeyUp(child, keyCode, shift); });
}
bool ControlSite::ChildKeyPress(ChildRef child, std::int16_t keyAscii) {
    return Deliver("KeyPress", [&](Control& c) { c.ChildKeyPress(child, keyAscii); });
}
bool ControlSite::ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                                 float y) {
    return Deliver("MouseDown", [&](Control& c) { c.ChildMouseDown(child, button, shift, x, y); });
}
bool ControlSite::ChildMouseMove(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                                 float y) {
    return Deliver("MouseMove", [&](Control& c) { c.ChildMouseMove(child, button, shift, x, y); });
}
bool ControlSite::ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                               float y) {
    return Deliver("MouseUp", [&](Control& c) { c.ChildMouseUp(child, button, shift, x, y); });
}

bool ControlSite::Set(std::string_view member, const Variant& value) {
    const PropertyInfo* p = table().FindProperty(member);
    if (!p || !p->set) return false;
    const auto converted = ConvertTo(p->type, value);
    if (!converted) return false;
    // A picture past the limits that picture files obey is refused from every entrance.
    if (converted->kind() == VariantKind::Picture && !WithinPictureLimits(converted->picture()))
        return false;
    return Deliver(p->name, [&](Control& c) { p->set(c, *converted); });
}

std::optional<Variant> ControlSite::Get(std::string_view member) {
    const PropertyInfo* p = table().FindProperty(member);
    if (!p || !p->get) return std::nullopt;
    Variant result;
    if (!Deliver(p->name, [&](Control& c) { result = p->get(c); })) return std::nullopt;
    return result;
}

MethodResult ControlSite::Call(std::string_view method, std::span<const Variant> args) {
    const MethodInfo* m = table().FindMethod(method);
    if (!m || !m->call) return {-1, "no method " + std::string(method), {}};
    if (args.size() != m->params.size())
        return {-1,
                std::string(m->name) + " takes " + std::to_string(m->params.size()) + " arguments",
                {}};
    std::vector<Variant> converted;
    for (size_t i = 0; i < args.size(); ++i) {
        auto v = ConvertTo(m->params[i].type, args[i]);
        if (!v) return {-1, "bad value for " + std::string(m->params[i].name), {}};
        converted.push_back(std::move(*v));
    }
    MethodResult result;
    if (!Deliver(m->name, [&](Control& c) { result = m->call(c, converted); }))
        return {-1, std::string(m->name) + " did not complete", {}};
    return result;
}

} // namespace nk
