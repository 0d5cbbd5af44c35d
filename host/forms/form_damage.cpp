#include "host/forms/form_damage.h"

#include "host/forms/form.h"

#include <algorithm>
#include <cmath>

namespace nk {

namespace {

int Px(double v) {
    return static_cast<int>(std::lround(v));
}

bool Touching(const PixelBox& a, const PixelBox& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

PixelBox Bound(const std::vector<PixelBox>& boxes) {
    PixelBox all;
    for (const PixelBox& b : boxes)
        all = Union(all, b);
    return all;
}

void AddIfAny(const PixelBox& b, std::vector<PixelBox>& out) {
    if (!b.Empty()) out.push_back(b);
}

// A surface's drawing record (device pixels) in its logical pixels: every logical pixel a
// touched device pixel lies in.
PixelBox TakeLogicalDirty(SurfaceCanvas& surface) {
    const PixelBox drawn = surface.TakeDirty();
    const double s = surface.scale();
    if (s == 1.0 || drawn.Empty()) return drawn;
    const auto down = [s](int v) { return static_cast<int>(std::floor(v / s)); };
    const auto up = [s](int v) { return static_cast<int>(std::ceil(v / s)); };
    return {down(drawn.left), down(drawn.top), up(drawn.right), up(drawn.bottom)};
}

// The surface's drawing record and those of its visible picture boxes, in form pixels.
void TakeDrawing(FormControl& c, const PixelBox& surface, std::vector<PixelBox>& out) {
    HeadlessHost& host = c.host();
    AddIfAny(
        Intersect(Offset(TakeLogicalDirty(host.surface()), surface.left, surface.top), surface),
        out);
    for (const auto& box : host.pictureBoxes()) {
        const PixelBox drawn = TakeLogicalDirty(box->surface());
        if (!box->visible() || drawn.Empty()) continue;
        const PixelBox at =
            Offset(drawn, surface.left + Px(box->left()), surface.top + Px(box->top()));
        AddIfAny(Intersect(at, surface), out);
    }
}

void ForgetDrawing(FormControl& c) {
    c.host().surface().TakeDirty();
    for (const auto& box : c.host().pictureBoxes())
        box->surface().TakeDirty();
}

} // namespace

std::vector<PixelBox> MergeBoxes(std::vector<PixelBox> boxes, const PixelBox& bounds,
                                 std::size_t most) {
    std::vector<PixelBox> merged;
    for (PixelBox b : boxes) {
        b = Intersect(b, bounds);
        if (b.Empty()) continue;
        // Swallow every box the new one touches, again and again as it grows.
        for (bool grew = true; grew;) {
            grew = false;
            for (auto it = merged.begin(); it != merged.end(); ++it) {
                if (!Touching(*it, b)) continue;
                b = Union(b, *it);
                merged.erase(it);
                grew = true;
                break;
            }
        }
        merged.push_back(b);
    }
    if (merged.size() > most) return {Bound(merged)};
    return merged;
}

void ControlDamage::LayoutOf(const FormControl& c, Layout& l) {
    const HeadlessHost& host = c.host();
    l.control = &c;
    l.place = {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
    const int inset = host.BorderStyle() == 1 ? 1 : 0;
    l.surface = Intersect({l.place.left + inset, l.place.top + inset,
                           l.place.left + inset + host.surface().width(),
                           l.place.top + inset + host.surface().height()},
                          l.place);
    l.scale = host.surface().scale();
    l.mask = HasImage(host.maskPicture()) ? host.maskPicture()->image() : nullptr;
    l.boxes.clear();
    l.shapes.clear();
    for (const auto& b : host.pictureBoxes())
        l.boxes.push_back({b->visible(), b->left(), b->top(),
                           static_cast<double>(b->surface().width()),
                           static_cast<double>(b->surface().height())});
    for (const auto& s : host.shapes())
        l.shapes.push_back(
            {s->Visible(), s->left(), s->top(), s->width(), s->height(), s->fillColor()});
}

PixelBox ControlDamage::PlaceOf(const ChildPlace& child, const PixelBox& surface) {
    const int x = surface.left + Px(child.left), y = surface.top + Px(child.top);
    return Intersect({x, y, x + Px(child.width), y + Px(child.height)}, surface);
}

void ControlDamage::Changes(FormControl& c, std::vector<PixelBox>& out) const {
    const Layout& was = was_;
    const Layout& now = now_;
    const bool moved = was.place != now.place || was.surface != now.surface ||
                       was.scale != now.scale || was.mask != now.mask || was.boxes != now.boxes ||
                       was.shapes.size() != now.shapes.size();
    if (moved) {
        ForgetDrawing(c);
        out.push_back(was.place);
        out.push_back(now.place);
        return;
    }
    TakeDrawing(c, now.surface, out);
    for (std::size_t i = 0; i < now.shapes.size(); ++i) {
        const ChildPlace& a = was.shapes[i];
        const ChildPlace& b = now.shapes[i];
        if (a == b || (!a.visible && !b.visible)) continue;
        if (a.visible) out.push_back(PlaceOf(a, now.surface));
        if (b.visible) out.push_back(PlaceOf(b, now.surface));
    }
}

void ControlDamage::Settle(FormControl& c) {
    LayoutOf(c, was_);
    ForgetDrawing(c);
    known_ = true;
}

void ControlDamage::Collect(FormControl& c, std::vector<PixelBox>& out) {
    if (!known_ || was_.control != &c) {
        Settle(c);
        out.push_back(was_.place);
        return;
    }
    LayoutOf(c, now_);
    Changes(c, out);
    std::swap(was_, now_);
}

std::vector<PixelBox> FormDamage::Collect(Form& form) {
    const FormSettings& s = form.settings();
    const PixelBox all{0, 0, std::max(s.width, 0), std::max(s.height, 0)};
    const auto& controls = form.controls();
    bool full = !known_ || all.right != width_ || all.bottom != height_ || s.backColor != back_ ||
                controls.size() != controls_.size();
    for (std::size_t i = 0; !full && i < controls.size(); ++i)
        full = controls_[i].control() != controls[i].get();

    std::vector<PixelBox> out;
    if (full) {
        controls_.resize(controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i)
            controls_[i].Settle(*controls[i]);
        out.push_back(all);
    } else {
        for (std::size_t i = 0; i < controls.size(); ++i)
            controls_[i].Collect(*controls[i], out);
    }
    known_ = true;
    width_ = all.right;
    height_ = all.bottom;
    back_ = s.backColor;
    return MergeBoxes(std::move(out), all);
}

} // namespace nk
