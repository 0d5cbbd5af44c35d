// The form model: controls at their places, handlers by name, the timer step, composition.
#include "host/forms/form.h"

#include "host/hosts/compose.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace nk {

std::uint64_t DevicePixels(int w, int h, double scale) {
    const auto side = [scale](int n) {
        return static_cast<std::uint64_t>(std::lround(std::max(n, 0) * scale));
    };
    return side(w) * side(h);
}

std::string FormBudgetProblem(int formW, int formH, double scale, std::size_t controls,
                              std::uint64_t surfacePixels) {
    if (controls > kMaxFormControls)
        return "a form may hold at most " + std::to_string(kMaxFormControls) + " controls, not " +
               std::to_string(controls);
    const std::uint64_t pixels = DevicePixels(formW, formH, scale) + surfacePixels;
    if (pixels <= kMaxFormDevicePixels) return {};
    char scaleText[16];
    std::snprintf(scaleText, sizeof scaleText, "%g", scale);
    return "the form's picture of " + std::to_string(formW) + " x " + std::to_string(formH) +
           " pixels and its controls' surfaces would take " + std::to_string(pixels) +
           " device pixels at scale " + scaleText + ", more than the " +
           std::to_string(kMaxFormDevicePixels) + " a form may draw";
}

// ---------------------------------------------------------------------------------------
// FormControl

ControlSite::Options FormControl::SiteOptions(FormControl& self, const std::string& name, int w,
                                              int h) {
    ControlSite::Options options;
    options.width = w;
    options.height = h;
    options.displayName = name;
    options.ambientFont = self.form_.settings_.font;
    options.hooks = self.form_.hooks_;
    options.hooks.onEvent = [&self](const EventInfo* info, int number,
                                    std::span<const EventArg> args) {
        self.Dispatch(info, number, args);
    };
    options.hooks.onPropertyChanged = [&self](std::string_view property) {
        self.DispatchChange(property);
    };
    options.trace = self.form_.trace_;
    options.scale = self.form_.scale_;
    return options;
}

FormControl::FormControl(Form& form, const InterfaceTable& table, std::string name, int left,
                         int top, int width, int height, int tabIndex)
    : form_(form), name_(std::move(name)), left_(left), top_(top), tabIndex_(tabIndex),
      site_(table, SiteOptions(*this, name_, width, height)) {}

bool FormControl::On(std::string_view event, FormHandler handler) {
    const EventInfo* info = table().FindEvent(event);
    if (!info || !handler) return false;
    handlers_.emplace_back(std::string(info->name), std::move(handler));
    return true;
}

bool FormControl::OnChanged(std::string_view property, FormChangeHandler handler) {
    const PropertyInfo* info = table().FindProperty(property);
    if (!info || !handler) return false;
    changeHandlers_.emplace_back(std::string(info->name), std::move(handler));
    return true;
}

void FormControl::DispatchChange(std::string_view property) {
    const size_t count = changeHandlers_.size();
    for (size_t i = 0; i < count && i < changeHandlers_.size(); ++i) {
        if (!SameName(changeHandlers_[i].first, property)) continue;
        const FormChangeHandler handler = changeHandlers_[i].second; // kept alive while it runs
        handler(*this);
    }
}

void FormControl::Dispatch(const EventInfo* info, int number, std::span<const EventArg> args) {
    if (form_.observer_) form_.observer_(*this, info, number, args);
    if (!info) return;
    // A handler may attach further handlers: walk by index over the handlers present now.
    const size_t count = handlers_.size();
    for (size_t i = 0; i < count && i < handlers_.size(); ++i) {
        if (!SameName(handlers_[i].first, info->name)) continue;
        const FormHandler handler = handlers_[i].second; // kept alive while it runs
        handler(*this, args);
    }
}

// ---------------------------------------------------------------------------------------
// Form

Form::Form(std::span<const InterfaceTable* const> classes, FormSettings settings)
    : classes_(classes.begin(), classes.end()), settings_(std::move(settings)) {}

const InterfaceTable* Form::FindClass(std::string_view name) const {
    for (const InterfaceTable* t : classes_) {
        if (SameName(t->className, name)) return t;
        const std::string progId = std::string(t->typeLibrary) + "." + std::string(t->className);
        if (SameName(progId, name)) return t;
    }
    return nullptr;
}

FormControl* Form::Find(std::string_view name) const {
    for (const auto& c : controls_)
        if (SameName(c->name(), name)) return c.get();
    return nullptr;
}

FormControl& Form::Checked(std::string_view name, std::string_view className) const {
    FormControl* c = Find(name);
    if (!c) throw FormError("there is no control named " + std::string(name));
    if (c->table().className != className)
        throw FormError("the control " + c->name() + " is a " + std::string(c->table().className) +
                        ", not a " + std::string(className));
    return *c;
}

FormControl* Form::Place(const InterfaceTable& table, std::string name, int left, int top, int w,
                         int h, int tabIndex, std::string* error) {
    auto fail = [&](std::string message) -> FormControl* {
        if (error) *error = std::move(message);
        return nullptr;
    };
    if (name.empty()) return fail("a control needs a name");
    if (Find(name)) return fail("there is already a control named " + name);
    if (w > kMaxExtent || h > kMaxExtent)
        return fail("the size " + std::to_string(w) + " x " + std::to_string(h) + " of " + name +
                    " is beyond " + std::to_string(kMaxExtent) + " pixels");
    // Checked before the control draws anything: what the form draws with it.
    std::uint64_t surfaces =
        DevicePixels(w < 0 ? table.designWidth : w, h < 0 ? table.designHeight : h, scale_);
    for (const auto& c : controls_)
        surfaces += DevicePixels(c->width(), c->height(), scale_);
    if (std::string problem = FormBudgetProblem(settings_.width, settings_.height, scale_,
                                                controls_.size() + 1, surfaces);
        !problem.empty())
        return fail("cannot place " + name + ": " + problem);
    auto control =
        std::make_unique<FormControl>(*this, table, std::move(name), left, top, w, h, tabIndex);
    if (!control->site().control())
        return fail("the class " + std::string(table.className) + " made no instance");
    controls_.push_back(std::move(control));
    return controls_.back().get();
}

FormControl* Form::Add(std::string_view className, std::string name, int left, int top, int w,
                       int h, std::string* error) {
    const InterfaceTable* table = FindClass(className);
    if (!table) {
        if (error) *error = "unknown control class " + std::string(className);
        return nullptr;
    }
    int next = 0;
    for (const auto& c : controls_)
        next = std::max(next, c->tabIndex() + 1);
    FormControl* c = Place(*table, std::move(name), left, top, w, h, next, error);
    if (!c) return nullptr;
    c->site().InitProperties();
    c->site().Resize();
    c->site().Paint();
    return c;
}

FormControl* Form::AddLoaded(const InterfaceTable& table, std::string name, int left, int top,
                             int w, int h, int tabIndex, const PropertyBag& bag,
                             std::string* error) {
    FormControl* c = Place(table, std::move(name), left, top, w, h, tabIndex, error);
    if (!c) return nullptr;
    c->site().ReadProperties(bag);
    c->site().Resize();
    c->site().Paint();
    return c;
}

std::vector<FormControl*> Form::TabOrder() const {
    std::vector<FormControl*> order;
    for (const auto& c : controls_)
        order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const FormControl* a, const FormControl* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return order;
}

bool Form::On(std::string_view control, std::string_view event, FormHandler handler) {
    FormControl* c = Find(control);
    return c && c->On(event, std::move(handler));
}

void Form::SetHooks(const ContainerHooks& hooks) {
    hooks_ = hooks;
    hooks_.onEvent = {};
    hooks_.onPropertyChanged = {};
    for (const auto& c : controls_)
        ApplyHooks(*c);
}

void Form::ApplyHooks(FormControl& control) const {
    ContainerHooks& target = control.host().hooks();
    EventHandler keep = std::move(target.onEvent);
    auto keepChanges = std::move(target.onPropertyChanged);
    target = hooks_;
    target.onEvent = std::move(keep);
    target.onPropertyChanged = std::move(keepChanges);
}

void Form::Tick() {
    // Index loop: a handler run by a step may add controls.
    for (size_t i = 0; i < controls_.size(); ++i) {
        FormControl& c = *controls_[i];
        if (c.table().FindMethod("TimerInvoke")) c.Call("TimerInvoke");
    }
}

void Form::SetScale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    // Index loops: a handler run by a paint may add controls (placed at the new scale).
    for (size_t i = 0; i < controls_.size(); ++i) {
        ControlSite& site = controls_[i]->site();
        site.host().SetDeviceScale(scale);
        // The surface holds other device pixels now: drawn again as when it changed size.
        site.Resize();
        site.PaintWhole();
    }
}

void Form::PaintAll() {
    for (size_t i = 0; i < controls_.size(); ++i)
        controls_[i]->site().Paint();
}

Image Form::Compose() const {
    const int w = static_cast<int>(std::lround(std::max(settings_.width, 0) * scale_));
    const int h = static_cast<int>(std::lround(std::max(settings_.height, 0) * scale_));
    Image out(w, h);
    ComposeFormArea(*this, out, {0, 0, w, h});
    return out;
}

void ComposeFormArea(const Form& form, Image& frame, PixelBox area) {
    area = Intersect(area, PixelBox{0, 0, frame.width, frame.height});
    if (area.Empty()) return;
    const std::uint32_t back = 0xFF000000u | ResolveColor(form.settings().backColor);
    for (int y = area.top; y < area.bottom; ++y)
        std::fill_n(&frame.pixels[static_cast<size_t>(y) * frame.width + area.left], area.Width(),
                    back);
    for (const auto& c : form.controls()) {
        const double scale = c->host().surface().scale();
        const int left = DevicePixels(c->left(), scale), top = DevicePixels(c->top(), scale);
        const PixelBox place{left, top, left + DevicePixels(c->width(), scale),
                             top + DevicePixels(c->height(), scale)};
        const PixelBox part = Intersect(place, area);
        if (part.Empty()) continue;
        // Straight into the frame; what the mask leaves out shows the form behind.
        ComposeInto(c->host(),
                    {&frame.pixels[static_cast<size_t>(part.top) * frame.width + part.left],
                     frame.width, Offset(part, -left, -top), ComposeTarget::SeeThrough::Keep});
    }
}

} // namespace nk
