// A Canvas that hands every call on to another canvas, its target. The kit's hosts are built
// on it: the headless host and its picture boxes forward to their own surfaces, the
// recording host forwards to the headless host; each overrides only the calls it adds
// something to (a print position, a trace line).
#pragma once

#include "framework/host.h"

#include <string_view>

namespace nk {

template <class Base, class Target = Canvas> class ForwardingCanvas : public Base {
public:
    double ScaleWidth() const override { return target_.ScaleWidth(); }
    double ScaleHeight() const override { return target_.ScaleHeight(); }
    OleColor ForeColor() const override { return target_.ForeColor(); }
    void SetForeColor(OleColor c) override { target_.SetForeColor(c); }
    OleColor BackColor() const override { return target_.BackColor(); }
    void SetBackColor(OleColor c) override { target_.SetBackColor(c); }
    const Font& GetFont() const override { return target_.GetFont(); }
    void SetFont(const Font& f) override { target_.SetFont(f); }
    void SetDrawWidth(int width) override { target_.SetDrawWidth(width); }

    bool Cls() override { return target_.Cls(); }
    bool Line(double x1, double y1, double x2, double y2, OleColor c, LineKind kind) override {
        return target_.Line(x1, y1, x2, y2, c, kind);
    }
    bool Circle(double x, double y, double r, OleColor c) override {
        return target_.Circle(x, y, r, c);
    }
    bool Arc(double x, double y, double r, OleColor c, double start, double end) override {
        return target_.Arc(x, y, r, c, start, end);
    }
    bool PaintPicture(const Picture& p, double x, double y) override {
        return target_.PaintPicture(p, x, y);
    }
    bool PaintPicture(const Picture& p, double x, double y, double w, double h) override {
        return target_.PaintPicture(p, x, y, w, h);
    }

    double TextWidth(std::string_view text) override { return target_.TextWidth(text); }
    double TextHeight(std::string_view text) override { return target_.TextHeight(text); }
    void SetCurrentX(double x) override { target_.SetCurrentX(x); }
    void SetCurrentY(double y) override { target_.SetCurrentY(y); }
    bool Print(std::string_view text) override { return target_.Print(text); }

    Rect GetClientRect() override { return target_.GetClientRect(); }
    bool DrawText(std::string_view text, const Rect& r, unsigned flags) override {
        return target_.DrawText(text, r, flags);
    }
    void Refresh() override { target_.Refresh(); }

protected:
    // The target is only stored here; a derived class may pass one of its own members,
    // which is constructed after this base.
    explicit ForwardingCanvas(Target& target) : target_(target) {}

    Target& target_;
};

} // namespace nk
