// The form model: a form's settings and the controls placed on it, each in its own headless
// host (ControlSite), with the container's side that a running application needs: event
// handlers attached by name, the form's timer step, the composed picture of the whole form,
// and form files (load and save).
//
//     std::string error;
//     auto form = nk::Form::Load("demo.nkform", classes, error);
//     if (!form) { std::cerr << error << '\n'; return 1; }
//     form->On("Check1", "Click", [&](nk::FormControl& c, auto) { ... });
//     form->Tick();                 // the form's timer: TimerInvoke of every control
//     nk::Image shown = form->Compose();
//
// A form file is JSON (see docs/forms.md): `format` and `version`, the form's settings, one
// entry per control (class, name, position and size in twips, tab index and the bag its
// WriteProperties filled, keys in the order written) and a table of the pictures, each
// embedded once as base64 PNG and referred to from the bags by id.
#pragma once

#include "framework/interface_table.h"
#include "framework/picture.h"
#include "host/hosts/control_site.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

inline constexpr std::string_view kFormFormat = "nuvelkit-form";
inline constexpr int kFormVersion = 1;
inline constexpr int kDefaultTimerInterval = 50; // milliseconds

// What one form may draw: at most this many controls, and at its device scale at most this
// many device pixels in the controls' surfaces and the form's own composed picture together
// (2 GiB of 32-bit pixels). A form beyond them is refused before anything is drawn.
inline constexpr std::size_t kMaxFormControls = 1024;
inline constexpr std::uint64_t kMaxFormDevicePixels = std::uint64_t{512} << 20;

// The device pixels of a surface of w x h pixels at a scale.
std::uint64_t DevicePixels(int w, int h, double scale);
// Why a form of `formW` x `formH` pixels holding `controls` controls whose surfaces take
// `surfacePixels` device pixels at `scale` is beyond what a form may draw; empty when it is
// within.
std::string FormBudgetProblem(int formW, int formH, double scale, std::size_t controls,
                              std::uint64_t surfacePixels);

struct FormSettings {
    std::string caption = "Form1";
    int width = 480; // inner size in pixels (twips in the file)
    int height = 360;
    OleColor backColor = kButtonFace;
    int timerInterval = kDefaultTimerInterval; // milliseconds; 0: no timer
    Font font = {};                            // what the form gives its controls as Ambient.Font
};

class Form;
class FormControl;
class TraceSink;

// What the typed API throws when a control cannot be placed or is not of the class asked for.
class FormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How a form file is read. A bag key that is no member of its class, or a value of the wrong
// type, is a warning (the form still opens; the warning is added to `warnings` when given,
// naming the file, the place and the nearest member) or, when `strict`, an error.
struct FormReadOptions {
    bool strict = false;
    std::vector<std::string>* warnings = nullptr;
    double scale = 1.0; // the device scale the form's controls draw at (see Form::SetScale)
};

// An application's handler of one event of one control: the control that raised it and the
// event's by-reference arguments (the handler may change them).
using FormHandler = std::function<void(FormControl& sender, std::span<const EventArg> args)>;
// Sees every event of every control (info is nullptr for a number the class does not declare).
using FormEventObserver = std::function<void(FormControl& sender, const EventInfo* info, int number,
                                             std::span<const EventArg> args)>;
// An application's handler of the changes of one property of one control, run when the control
// reports the change (after storing the new value).
using FormChangeHandler = std::function<void(FormControl& sender)>;

// One control on a form: its name, place (pixels, relative to the form), tab index and its
// site (the host and the control instance).
class FormControl {
public:
    FormControl(Form& form, const InterfaceTable& table, std::string name, int left, int top,
                int width, int height, int tabIndex);
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    const std::string& name() const { return name_; }
    const InterfaceTable& table() const { return site_.table(); }
    ControlSite& site() { return site_; }
    const ControlSite& site() const { return site_; }
    HeadlessHost& host() { return site_.host(); }
    const HeadlessHost& host() const { return site_.host(); }
    Form& form() { return form_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return site_.host().ExtentWidth(); }
    int height() const { return site_.host().ExtentHeight(); }
    int tabIndex() const { return tabIndex_; }
    void SetTabIndex(int index) { tabIndex_ = index; }
    void Move(int left, int top) {
        left_ = left;
        top_ = top;
    }
    // A new size in pixels; Resize reaches the control when it changes. False when refused.
    bool SetSize(int width, int height) { return site_.SetSize(width, height); }

    // The public members by name (ControlSite::Set, Get, Call).
    bool Set(std::string_view member, const Variant& value) { return site_.Set(member, value); }
    std::optional<Variant> Get(std::string_view member) { return site_.Get(member); }
    MethodResult Call(std::string_view method, std::span<const Variant> args = {}) {
        return site_.Call(method, args);
    }

    // Attaches a handler to an event by its name (any letter case); false for an event the
    // class does not have. Several handlers of one event run in the order attached.
    bool On(std::string_view event, FormHandler handler);
    // Attaches a handler to the changes of a property by its name (any letter case); false
    // for a property the class does not have.
    bool OnChanged(std::string_view property, FormChangeHandler handler);

private:
    void Dispatch(const EventInfo* info, int number, std::span<const EventArg> args);
    void DispatchChange(std::string_view property);
    static ControlSite::Options SiteOptions(FormControl& self, const std::string& name, int w,
                                            int h);

    Form& form_;
    std::string name_;
    int left_;
    int top_;
    int tabIndex_;
    std::vector<std::pair<std::string, FormHandler>> handlers_;
    std::vector<std::pair<std::string, FormChangeHandler>> changeHandlers_;
    ControlSite site_;
};

class Form {
public:
    // `classes` are the control classes the form may hold (kept by reference: they must
    // outlive the form).
    explicit Form(std::span<const InterfaceTable* const> classes, FormSettings settings = {});
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormSettings& settings() { return settings_; }
    const FormSettings& settings() const { return settings_; }
    std::span<const InterfaceTable* const> classes() const { return classes_; }
    // A class by its name ("NuvelCommand") or program identifier ("Nuvelkit3.NuvelCommand").
    const InterfaceTable* FindClass(std::string_view name) const;

    // Places a new control (InitProperties, Resize, Paint), at the class's design size when
    // w or h is negative; the tab index is the next free one. nullptr for an unknown class, an
    // empty or duplicate name, or a size the host refuses; `error` then says why.
    FormControl* Add(std::string_view className, std::string name, int left, int top, int w = -1,
                     int h = -1, std::string* error = nullptr);
    // Places a control from its saved bag (ReadProperties, Resize, Paint) with a tab index.
    FormControl* AddLoaded(const InterfaceTable& table, std::string name, int left, int top, int w,
                           int h, int tabIndex, const PropertyBag& bag,
                           std::string* error = nullptr);
    FormControl* Find(std::string_view name) const;

    // The typed API: places a control of the handle's class and returns its handle
    // (`form.Add<nk::NuvelCommand>("Hello", 20, 20, 160, 50)`), or finds one by name and
    // checks its class. Both throw FormError saying why when they cannot.
    template <class Handle>
    Handle Add(std::string name, int left, int top, int w = -1, int h = -1) {
        std::string error;
        FormControl* c = Add(Handle::kClassName, std::move(name), left, top, w, h, &error);
        if (!c) throw FormError(error);
        return Handle(*c);
    }
    template <class Handle> Handle Get(std::string_view name) const {
        return Handle(Checked(name, Handle::kClassName));
    }
    // The handle of the control named `name` when there is one of the handle's class.
    template <class Handle> std::optional<Handle> Find(std::string_view name) const {
        FormControl* c = Find(name);
        if (!c || c->table().className != Handle::kClassName) return std::nullopt;
        return Handle(*c);
    }
    // The control named `name` when it is of class `className`; throws FormError otherwise.
    FormControl& Checked(std::string_view name, std::string_view className) const;
    // The controls in z-order: later ones lie on top.
    const std::vector<std::unique_ptr<FormControl>>& controls() const { return controls_; }
    // The controls in tab order (tab index, then z-order).
    std::vector<FormControl*> TabOrder() const;

    // Attaches a handler to a control's event by names; false when either is unknown.
    bool On(std::string_view control, std::string_view event, FormHandler handler);
    void SetObserver(FormEventObserver observer) { observer_ = std::move(observer); }
    // Controls placed from now on print every request they make of their host to `sink`
    // (nullptr: no trace); the sink must outlive them.
    void SetTrace(TraceSink* sink) { trace_ = sink; }
    // The controls draw at this device scale (1, 1.5, 2 or 3), and Compose gives the form in
    // device pixels; the form and its controls keep their logical sizes. Controls placed
    // already draw again as when resized (Resize, Paint, and Paint of each picture box).
    void SetScale(double scale);
    double scale() const { return scale_; }
    const FormEventObserver& observer() const { return observer_; }

    // The container's services (player, shell, message boxes, the modal dialog's loop) for
    // every control, now and later. The event and change hooks are the form's own and are kept.
    void SetHooks(const ContainerHooks& hooks);
    const ContainerHooks& hooks() const { return hooks_; }

    // One step of the form's timer: TimerInvoke of every control that has it, in z-order.
    void Tick();
    // Sends Paint to every control.
    void PaintAll();

    // The whole form as shown: the background, then every control composed at its place
    // (device pixels at a device scale).
    Image Compose() const;

    // The form file as text (ends with a newline).
    // Saving asks every control for its bag (WriteProperties), which a control may answer
    // with a repaint: not a const operation.
    std::string ToJson();
    // Saves through a temporary file in the same folder, flushed and renamed over `path`;
    // returns an error message naming the file ("" on success). On failure the previous
    // file is left as it was.
    std::string Save(const std::string& path);

    // Builds a form from the text of a form file; `source` names it in messages. nullptr on
    // failure, with `error` naming the source, the place (line and column, or a JSON path)
    // and the problem.
    static std::unique_ptr<Form> FromJson(const std::string& text, const std::string& source,
                                          std::span<const InterfaceTable* const> classes,
                                          std::string& error);
    static std::unique_ptr<Form> Load(const std::string& path,
                                      std::span<const InterfaceTable* const> classes,
                                      std::string& error);
    static std::unique_ptr<Form> FromJson(const std::string& text, const std::string& source,
                                          std::span<const InterfaceTable* const> classes,
                                          std::string& error, const FormReadOptions& options);
    static std::unique_ptr<Form> Load(const std::string& path,
                                      std::span<const InterfaceTable* const> classes,
                                      std::string& error, const FormReadOptions& options);

private:
    friend class FormControl;
    FormControl* Place(const InterfaceTable& table, std::string name, int left, int top, int w,
                       int h, int tabIndex, std::string* error);
    void ApplyHooks(FormControl& control) const;

    std::vector<const InterfaceTable*> classes_;
    FormSettings settings_;
    std::vector<std::unique_ptr<FormControl>> controls_;
    ContainerHooks hooks_;
    FormEventObserver observer_;
    TraceSink* trace_ = nullptr;
    double scale_ = 1.0;
};

// Paints the part `area` (form pixels; device pixels at a device scale) of the form as
// shown into `frame`, an image of the form's size: the form's back colour, then every control
// composed at its place.
void ComposeFormArea(const Form& form, Image& frame, PixelBox area);

} // namespace nk
