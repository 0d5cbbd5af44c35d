// Placeholder: replaced by the raster surface.
#include "host/surface_canvas.h"

namespace nk {

SurfaceCanvas::SurfaceCanvas(int w, int h, OleColor back, OleColor fore, const Font& font)
    : image_(w, h, 0xFF000000u | ResolveColor(back)), back_(back), fore_(fore), font_(font) {}
bool SurfaceCanvas::ResizeTo(int, int, OleColor) { return false; }
double SurfaceCanvas::ScaleWidth() const { return image_.width; }
double SurfaceCanvas::ScaleHeight() const { return image_.height; }
bool SurfaceCanvas::Cls() { return false; }
bool SurfaceCanvas::Line(double, double, double, double, OleColor, LineKind) { return false; }
bool SurfaceCanvas::Circle(double, double, double, OleColor) { return false; }
bool SurfaceCanvas::Arc(double, double, double, OleColor, double, double) { return false; }
bool SurfaceCanvas::PaintPicture(const Picture&, double, double) { return false; }
bool SurfaceCanvas::PaintPicture(const Picture&, double, double, double, double) { return false; }
double SurfaceCanvas::TextWidth(std::string_view) { return 0; }
double SurfaceCanvas::TextHeight(std::string_view) { return 0; }
bool SurfaceCanvas::Print(std::string_view) { return false; }
Rect SurfaceCanvas::GetClientRect() { return {0, 0, image_.width, image_.height}; }
bool SurfaceCanvas::DrawText(std::string_view, const Rect&, unsigned) { return false; }

} // namespace nk
