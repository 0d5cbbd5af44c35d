#include "framework/pic_styles.h"

namespace nk {

std::optional<Placement> PlacePicture(std::int32_t mode, double w, double h, double s) {
    Placement p;
    switch (mode) {
    case DefaultStyle:
        p.x = w / 2 - 125 + s;
        p.y = h / 2 - 50 + s;
        p.ownSize = true;
        return p;
    case RescaleToEdges:
        p.x = s;
        p.y = s;
        p.width = w;
        p.height = h;
        return p;
    case RescaleWhenNeeded:
        p.x = w >= 250 ? s : w / 2 - 125 + s;
        p.y = h >= 100 ? s : h / 2 - 50 + s;
        p.width = w >= 250 ? w : 250;
        p.height = h >= 100 ? h : 100;
        return p;
    case HalfSize:
        // The horizontal offset is 67, not half of 125.
        p.x = w / 2 - 67 + s;
        p.y = h / 2 - 25 + s;
        p.width = 125;
        p.height = 50;
        return p;
    case DoubleSize:
        p.x = w / 2 - 250 + s;
        p.y = h / 2 - 100 + s;
        p.width = 500;
        p.height = 200;
        return p;
    default:
        return std::nullopt;
    }
}

void PaintPlaced(Canvas& canvas, const Picture& picture, std::int32_t mode, double s) {
    if (!picture) return;
    const auto place = PlacePicture(mode, canvas.ScaleWidth(), canvas.ScaleHeight(), s);
    if (!place) return;
    if (place->ownSize)
        canvas.PaintPicture(picture, place->x, place->y);
    else
        canvas.PaintPicture(picture, place->x, place->y, place->width, place->height);
}

bool IsInside(double x, double y, double w, double h) {
    // Comparisons with NaN are false, so a NaN coordinate is outside.
    return x >= 0 && x <= w && y >= 0 && y <= h;
}

void ApplyShortCutKey(HostSite& host, const std::string& shortCutKey) {
    if (!shortCutKey.empty()) host.SetAccessKeys(shortCutKey);
}

} // namespace nk
