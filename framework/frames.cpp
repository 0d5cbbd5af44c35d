#include "framework/frames.h"

namespace nk {

namespace {

// The eight lines of a two-pixel frame: left, top (outer then inner), then bottom and
// right, each drawn from the far corner so that they reach (l, b) and (r, t).
struct FrameColors {
    OleColor outerTopLeft, innerTopLeft, outerBottomRight, innerBottomRight;
};

void DrawEightLineFrame(Canvas& c, double l, double t, double r, double b, const FrameColors& k) {
    c.Line(l, t, l, b, k.outerTopLeft);
    c.Line(l + 1, t + 1, l + 1, b - 1, k.innerTopLeft);
    c.Line(l, t, r, t, k.outerTopLeft);
    c.Line(l + 1, t + 1, r - 1, t + 1, k.innerTopLeft);
    c.Line(r, b, l - 1, b, k.outerBottomRight);
    c.Line(r - 1, b - 1, l, b - 1, k.innerBottomRight);
    c.Line(r, b, r, t - 1, k.outerBottomRight);
    c.Line(r - 1, b - 1, r - 1, t, k.innerBottomRight);
}

} // namespace

void DrawRaisedFrame(Canvas& c, double l, double t, double r, double b) {
    DrawEightLineFrame(c, l, t, r, b, {k3DHighlight, k3DLight, k3DDarkShadow, kButtonShadow});
}

void DrawSunkenFrame(Canvas& c, double l, double t, double r, double b) {
    DrawEightLineFrame(c, l, t, r, b, {k3DDarkShadow, kButtonShadow, k3DHighlight, k3DLight});
}

void DrawIndentFrame(Canvas& c, double l, double t, double r, double b) {
    DrawEightLineFrame(c, l, t, r, b, {kButtonShadow, k3DHighlight, k3DHighlight, kButtonShadow});
}

void DrawRaisedEdge(Canvas& c, double l, double t, double r, double b) {
    c.Line(l, t, l, b, k3DHighlight);
    c.Line(l, t, r, t, k3DHighlight);
    c.Line(r, b, l - 1, b, k3DDarkShadow);
    c.Line(r, b, r, t - 1, k3DDarkShadow);
}

} // namespace nk
