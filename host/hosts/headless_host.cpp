#include "host/hosts/headless_host.h"

#include "host/codec/codec.h"
#include "host/codec/picture_cache.h"
#include "support/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>
#include <sys/stat.h>

namespace nk {

namespace {

// A requested extent, or the design size when it is negative or too large.
int ExtentOr(int requested, int design) {
    const int v = requested < 0 || requested > kMaxExtent ? design : requested;
    return v < 0 ? 0 : (v > kMaxExtent ? kMaxExtent : v);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The folder part of a path ("" when it has none).
std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return "";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

} // namespace

HeadlessHost::HeadlessHost(const InterfaceTable& table, int w, int h, double scale)
    : HeadlessCanvas(ExtentOr(w, table.designWidth), ExtentOr(h, table.designHeight),
                     table.designBackColor, table.designForeColor, Font{}, scale),
      table_(table), extentW_(surface_.width()), extentH_(surface_.height()) {
    displayName_ = std::string(table.className) + "1";
    for (const auto& child : table.children) {
        switch (child.kind) {
        case ChildKind::PictureBox:
            boxes_.push_back(std::make_unique<HeadlessPictureBox>(child, Font{}, surface_.scale()));
            break;
        case ChildKind::Shape:
            shapes_.push_back(std::make_unique<HeadlessShape>(child));
            break;
        case ChildKind::ImageZones:
            for (int i = 0; i < child.count; ++i)
                zones_.push_back(std::make_unique<HeadlessZone>(child, i));
            break;
        }
    }
    // A class can be shaped from its creation on (a round button is round before any
    // property is applied); this is a design-time setting, not a request of the control.
    if (table.designMask != 0) mask_ = LoadResPicture(table.designMask);
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::SetDeviceScale(double scale) {
    surface_.SetScale(scale);
    for (const auto& box : boxes_)
        box->SetDeviceScale(surface_.scale());
}

void HeadlessHost::QueueDialogClicks(std::span<const std::string> elements) {
    dialogClicks_.insert(dialogClicks_.end(), elements.begin(), elements.end());
}

namespace {

// The child of `children` that `matches`, or nullptr.
template <class Child, class Match>
Child* FindChild(const std::vector<std::unique_ptr<Child>>& children, Match matches) {
    for (const auto& c : children)
        if (matches(*c)) return c.get();
    return nullptr;
}

} // namespace

HeadlessPictureBox* HeadlessHost::PictureBoxChild(std::string_view name) {
    return FindChild(boxes_, [&](const HeadlessPictureBox& b) { return b.name() == name; });
}

HeadlessShape* HeadlessHost::ShapeChild(std::string_view name) {
    return FindChild(shapes_, [&](const HeadlessShape& s) { return s.name() == name; });
}

HeadlessZone* HeadlessHost::ZoneChild(std::string_view name, int index) {
    return FindChild(zones_,
                     [&](const HeadlessZone& z) { return z.name() == name && z.index() == index; });
}

bool HeadlessHost::Deliver(std::string_view what, const std::function<void(Control&)>& fn) {
    if (!control_) return false;
    return guard_.Run(CallSide::Control, what, [&] { fn(*control_); });
}

bool HeadlessHost::ApplyExtent(int w, int h) {
    if (w < 0 || h < 0 || w > kMaxExtent || h > kMaxExtent) return false;
    const int border = borderStyle_ == 1 ? 2 : 0;
    const int sw = w > border ? w - border : 0;
    const int sh = h > border ? h - border : 0;
    const bool changed = sw != surface_.width() || sh != surface_.height();
    if (changed && !ResizeSurface(sw, sh, table_.designBackColor)) return false;
    extentW_ = w;
    extentH_ = h;
    if (changed) Deliver("Resize", [](Control& c) { c.Resize(); });
    return true;
}

bool HeadlessHost::SetExtent(int w, int h) {
    return ApplyExtent(w, h);
}

bool HeadlessHost::SetWidth(double twips) {
    const auto px = PixelSize(twips / kTwipsPerPixel);
    if (!std::isfinite(twips) || twips < 0 || !px) return false;
    return ApplyExtent(*px, extentH_);
}

bool HeadlessHost::SetHeight(double twips) {
    const auto px = PixelSize(twips / kTwipsPerPixel);
    if (!std::isfinite(twips) || twips < 0 || !px) return false;
    return ApplyExtent(extentW_, *px);
}

void HeadlessHost::SetBorderStyle(std::int16_t style) {
    borderStyle_ = style;
    ApplyExtent(extentW_, extentH_);
}

void HeadlessHost::PropertyChanged(std::string_view property) {
    if (!hooks_.onPropertyChanged) return;
    guard_.Run(CallSide::Container, "the change of " + std::string(property),
               [&] { hooks_.onPropertyChanged(property); });
}

void HeadlessHost::RaiseEvent(int number, std::span<const EventArg> args) {
    if (!hooks_.onEvent) return;
    const EventInfo* info = table_.FindEvent(number);
    guard_.Run(CallSide::Container, "event " + std::to_string(number),
               [&] { hooks_.onEvent(info, number, args); });
}

bool HeadlessHost::SetCapture() {
    captured_ = true;
    if (hooks_.onCapture) hooks_.onCapture(true);
    return true;
}

void HeadlessHost::ReleaseCapture() {
    captured_ = false;
    if (hooks_.onCapture) hooks_.onCapture(false);
}

Picture HeadlessHost::LoadResPicture(int id) {
    auto known = resourceImages_.find(id);
    if (known == resourceImages_.end()) {
        if (!table_.resources) return nullptr;
        // The process decodes each bitmap once; this host tells its container what was wrong
        // with it (a bitmap that gives no picture, a variant left out) the first time it
        // loads it.
        std::string error;
        std::shared_ptr<const BuiltInPicture> loaded =
            PictureCache::Shared().BuiltIn(*table_.resources, id, error);
        std::vector<std::string> faults = loaded ? loaded->errors : std::vector{error};
        for (const std::string& fault : faults)
            if (hooks_.onFault && !fault.empty()) hooks_.onFault(fault);
        if (!loaded) return nullptr;
        known = resourceImages_.emplace(id, std::move(loaded)).first;
    }
    // A fresh picture object per load, sharing the decoded images.
    return PictureCache::PictureOf(known->second, id);
}

std::shared_ptr<const std::vector<std::uint8_t>> HeadlessHost::LoadResData(int id) {
    const ResourceEntry* entry =
        table_.resources ? table_.resources->Find(id, ResourceKind::Sound) : nullptr;
    if (!entry) return nullptr;
    return std::make_shared<const std::vector<std::uint8_t>>(entry->bytes.begin(),
                                                             entry->bytes.end());
}

void HeadlessHost::PlayWaveImage(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
    if (hooks_.player) hooks_.player(std::move(image), id);
}

void HeadlessHost::ShowModal(ModalForm& form) {
    if (modal_) return; // one modal form at a time
    modal_ = &form;
    if (hooks_.runDialog) {
        hooks_.runDialog(form);
        modal_ = nullptr;
        return;
    }
    // Perform the queued clicks in order; when they run out, the form is closed as its
    // window's close button would.
    while (!form.Closed() && !dialogClicks_.empty()) {
        const std::string element = dialogClicks_.front();
        dialogClicks_.pop_front();
        form.Click(element);
    }
    if (!form.Closed()) form.Close();
    // Clicks left after the form closed were meant for it: they go with it.
    dialogClicks_.clear();
    modal_ = nullptr;
}

void HeadlessHost::CloseModal(ModalForm& form) {
    if (modal_ == &form) modal_ = nullptr;
}

int HeadlessHost::ShellExecute(const std::string& address) {
    return hooks_.shell ? hooks_.shell(address) : shellResult_;
}

void HeadlessHost::MessageBox(int style, const std::string& title, const std::string& text) {
    if (hooks_.messageBox) hooks_.messageBox(style, title, text);
}

FileError HeadlessHost::OpenFileForRead(const std::string& name) {
    // The name is opened exactly as given: no shell, no expansion. Only a regular file
    // opens: a folder, a FIFO or a device is refused at once rather than waited on.
    const int err = name.empty() ? ENOENT : ProbeRegularFile(name);
    if (err == 0) return FileError::None;
    if (err == EACCES || err == EPERM || err == EISDIR || err == EINVAL)
        return FileError::PathFileAccess;
    if (err == ENOTDIR) return FileError::PathNotFound;
    const std::string folder = FolderOf(name);
    if (!folder.empty() && !IsDirectory(folder)) return FileError::PathNotFound;
    if (err == ENOENT) return FileError::FileNotFound;
    return FileError::PathFileAccess;
}

} // namespace nk
