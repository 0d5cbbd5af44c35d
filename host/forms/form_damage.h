// What of a form must be shown again: the areas its controls drew on since the form was last
// shown, and the places of the controls whose composition changed in other ways (moved,
// resized, a border, a mask, a child picture box shown, hidden or moved, the glow overlay
// shown, hidden, moved or recoloured). A window composes and presents only these areas.
#pragma once

#include "framework/values.h"
#include "host/surface/surface_canvas.h"

#include <vector>

namespace nk {

class Form;
class FormControl;

// Joins boxes that overlap or touch, clipped to `bounds`, dropping empty ones; when there
// are more than `most` left, their bounding box.
std::vector<PixelBox> MergeBoxes(std::vector<PixelBox> boxes, const PixelBox& bounds,
                                 std::size_t most = 16);

class FormDamage {
public:
    // The areas of the form (form pixels, logical at every device scale: a touched device
    // pixel counts with all of its logical pixel) changed since the last call, and the drawing
    // records of every surface are taken. The first call, and any after the form's size,
    // back colour or list of controls changed, gives the whole form.
    std::vector<PixelBox> Collect(Form& form);
    // The next Collect gives the whole form (the window lost what it showed).
    void Reset() { known_ = false; }

private:
    // A child picture box or shape as its host keeps it (relative to the surface).
    struct ChildPlace {
        bool visible = false;
        double left = 0, top = 0, width = 0, height = 0;
        OleColor fill = 0;
        bool operator==(const ChildPlace&) const = default;
    };
    struct Layout {
        const FormControl* control = nullptr;
        PixelBox place;   // the control's extent, form pixels
        PixelBox surface; // its drawing surface, form pixels
        const void* mask = nullptr;
        std::vector<ChildPlace> boxes;
        std::vector<ChildPlace> shapes;
    };
    static void LayoutOf(const FormControl& c, Layout& into);
    // A child's place in form pixels, clipped to the surface (form pixels).
    static PixelBox PlaceOf(const ChildPlace& child, const PixelBox& surface);
    // Adds the surfaces' drawing, or the control's whole old and new places when its layout
    // changed, or the changed parts of its glow overlay.
    static void Changes(FormControl& c, const Layout& was, const Layout& now,
                        std::vector<PixelBox>& out);

    bool known_ = false;
    int width_ = 0;
    int height_ = 0;
    OleColor back_ = 0;
    std::vector<Layout> layouts_;
    std::vector<Layout> next_;
};

} // namespace nk
