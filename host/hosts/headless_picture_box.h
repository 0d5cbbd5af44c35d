// A child picture box of the headless host: a surface of its own, 0 x 0 until moved.
#pragma once

#include "framework/host.h"
#include "framework/interface_table.h"
#include "host/hosts/child_place.h"
#include "host/hosts/headless_canvas.h"

namespace nk {

class HeadlessPictureBox : public HeadlessCanvas<PictureBox>, public ChildPlace {
public:
    // `scale`: the device scale of the box's surface.
    HeadlessPictureBox(const ChildInfo& info, const Font& font, double scale = 1.0);
    void SetDeviceScale(double scale) { surface_.SetScale(scale); }

    bool visible() const { return info().visible; }
    bool autoRedraw() const { return autoRedraw_; }

    // The surface takes the size at once, keeping what overlaps; a size it cannot take
    // leaves the box where it was.
    bool Move(double left, double top, double width, double height) override;
    void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
    Picture Image() override;

private:
    bool autoRedraw_ = false;
};

} // namespace nk
