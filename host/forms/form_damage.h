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

// What of one control must be shown again since its last frame: the areas its surface and
// its visible picture boxes drew on, the old and new places of a glow overlay shown, hidden,
// moved or recoloured, or the control's old and new places whole when its composition changed
// otherwise (moved, resized, a border, a mask, a device scale, a picture box shown, hidden,
// moved or resized, a glow overlay added or removed). A form keeps one for each control; a
// Qt widget keeps one for its control.
class ControlDamage {
public:
    // Adds those areas (form pixels, logical at every device scale: a touched device pixel
    // counts with all of its logical pixel) to `out` and takes the drawing records of the
    // control's surfaces. The first call, and the first after Reset, adds the whole place.
    void Collect(FormControl& c, std::vector<PixelBox>& out);
    // Takes the control as shown, adding nothing: its layout, and its drawing records.
    void Settle(FormControl& c);
    // The next Collect gives the whole place (what was shown is lost).
    void Reset() { known_ = false; }
    // The control last collected or settled.
    const FormControl* control() const { return was_.control; }

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
        double scale = 1.0;
        const void* mask = nullptr;
        std::vector<ChildPlace> boxes;
        std::vector<ChildPlace> shapes;
    };
    static void LayoutOf(const FormControl& c, Layout& into);
    // A child's place in form pixels, clipped to the surface (form pixels).
    static PixelBox PlaceOf(const ChildPlace& child, const PixelBox& surface);
    // Adds the surfaces' drawing, or the control's whole old and new places when its layout
    // changed, or the changed parts of its glow overlay.
    void Changes(FormControl& c, std::vector<PixelBox>& out) const;

    bool known_ = false;
    Layout was_;
    // The layout measured now, in the storage of the frame before last, so that a frame
    // allocates nothing once the control has settled.
    Layout now_;
};

class FormDamage {
public:
    // The areas of the form (form pixels, logical at every device scale) changed since the
    // last call, and the drawing records of every surface are taken. The first call, and any
    // after the form's size, back colour or list of controls changed, gives the whole form.
    std::vector<PixelBox> Collect(Form& form);
    // The next Collect gives the whole form (the window lost what it showed).
    void Reset() { known_ = false; }

private:
    bool known_ = false;
    int width_ = 0;
    int height_ = 0;
    OleColor back_ = 0;
    std::vector<ControlDamage> controls_;
};

} // namespace nk
