// A drawing surface of the headless host (the control's own or a child picture box's): its
// pixels, and the print position, which Cls puts back at the top-left corner and Print
// moves to the start of the next row. Every other drawing call goes to the surface as it is.
#pragma once

#include "framework/host.h"
#include "host/surface/forwarding_canvas.h"
#include "host/surface/surface_canvas.h"

#include <string_view>

namespace nk {

template <class Base> class HeadlessCanvas : public ForwardingCanvas<Base, SurfaceCanvas> {
public:
    SurfaceCanvas& surface() { return surface_; }
    const SurfaceCanvas& surface() const { return surface_; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    bool Cls() override {
        currentX_ = currentY_ = 0;
        return surface_.Cls();
    }
    void SetCurrentX(double x) override {
        currentX_ = x;
        surface_.SetCurrentX(x);
    }
    void SetCurrentY(double y) override {
        currentY_ = y;
        surface_.SetCurrentY(y);
    }
    bool Print(std::string_view text) override {
        const bool ok = surface_.Print(text);
        // The row's height: the text's own, one line for an empty text.
        currentY_ += surface_.TextHeight(text.empty() ? std::string_view(" ") : text);
        currentX_ = 0;
        return ok;
    }

protected:
    HeadlessCanvas(int w, int h, OleColor back, OleColor fore, const Font& font, double scale = 1.0)
        : ForwardingCanvas<Base, SurfaceCanvas>(surface_), surface_(w, h, back, fore, font, scale) {
    }

    // Gives the surface a new size, keeping the overlap and filling what is added with `fill`.
    bool ResizeSurface(int w, int h, OleColor fill) {
        if (w == surface_.width() && h == surface_.height()) return true;
        return surface_.ResizeTo(w, h, fill);
    }

    SurfaceCanvas surface_;

private:
    double currentX_ = 0;
    double currentY_ = 0;
};

} // namespace nk
