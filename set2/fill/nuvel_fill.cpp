// NuvelFill's properties, persistence and events. Layout and painting are in
// nuvel_fill_draw.cpp, the interface table in nuvel_fill_members.cpp.
#include "set2/fill/nuvel_fill.h"

#include "framework/pic_styles.h"
#include "framework/property_bag.h"
#include "framework/saved_rows.h"

namespace nk {

namespace {

constexpr std::string_view kInside = "Picture1";

// What the bag gives for a colour key that is absent (and what is not written).
constexpr OleColor kBackDefault = 0x000000;
constexpr OleColor kForeDefault = 0xFFFFFF;

bool IsPicture1(ChildRef child) {
    return child.name == kInside;
}

} // namespace

NuvelFill::NuvelFill(Host& host) : host_(host) {}

const InterfaceTable& NuvelFill::Interface() const {
    return NuvelFillInterface();
}

PictureBox* NuvelFill::Inside() const {
    return host_.PictureBoxChild(kInside);
}

// ---- Properties ------------------------------------------------------------------

OleColor NuvelFill::BackColor() const {
    PictureBox* box = Inside();
    return box ? box->BackColor() : kBackDefault;
}

void NuvelFill::SetBackColor(OleColor color) {
    if (PictureBox* box = Inside()) box->SetBackColor(color);
    Changed();
}

OleColor NuvelFill::ForeColor() const {
    PictureBox* box = Inside();
    return box ? box->ForeColor() : kButtonText;
}

void NuvelFill::SetForeColor(OleColor color) {
    if (PictureBox* box = Inside()) box->SetForeColor(color);
    Changed();
}

Font NuvelFill::GetFont() const {
    PictureBox* box = Inside();
    return box ? box->GetFont() : host_.AmbientFont();
}

void NuvelFill::SetFont(const Font& font) {
    if (PictureBox* box = Inside()) box->SetFont(font);
    Changed();
}

void NuvelFill::StorePicture(KeptPicture& kept, const Picture& value, Where where) {
    kept.picture = value;
    host_.PropertyChanged(SetterMember(where));
    kept.present = IsPresent(kept.picture);
    Redraw();
}

void NuvelFill::RecomputePictureFlags() {
    for (KeptPicture* kept : {&back_, &fill_, &disabled_, &leftEdge_, &rightEdge_})
        kept->present = IsPresent(kept->picture);
}

// ---- Life cycle ------------------------------------------------------------------

void NuvelFill::InitProperties() {
    InitFromRows(*this, host_, {{1, [this] {
                                     if (PictureBox* box = Inside())
                                         box->SetFont(host_.AmbientFont());
                                 }}});
    RecomputePictureFlags();
    // No Layout here: the host's first Resize places Picture1.
    Redraw();
}

// Values go straight into their stores, without the setters' notifications; the colours and
// the font go onto Picture1, which draws the caption.
void NuvelFill::ReadProperties(const PropertyBag& bag) {
    PictureBox* box = Inside();
    ReadFromRows(*this, host_, bag,
                 {{1,
                   [&] {
                       if (!box) return;
                       if (auto c = ReadColor(bag, "BackColor", kBackDefault))
                           box->SetBackColor(*c);
                       if (auto c = ReadColor(bag, "ForeColor", kForeDefault))
                           box->SetForeColor(*c);
                   }},
                  {11, [&] {
                       if (!box) return;
                       if (auto font = ReadFont(bag, "Font", host_.AmbientFont()))
                           box->SetFont(*font);
                   }}});
    RecomputePictureFlags();
    Layout();
    Redraw();
}

void NuvelFill::WriteProperties(PropertyBag& bag) {
    WriteFromRows(*this, host_, bag,
                  {{1, [&] {
                        if (PictureBox* box = Inside()) {
                            WriteFont(bag, "Font", box->GetFont(), host_.AmbientFont());
                            WriteColor(bag, "BackColor", box->BackColor(), kBackDefault);
                            WriteColor(bag, "ForeColor", box->ForeColor(), kForeDefault);
                        }
                    }}});
    RecomputePictureFlags();
    Layout();
    Redraw();
}

void NuvelFill::Resize() {
    Layout();
    Redraw();
}

void NuvelFill::Paint() {
    DrawEdges();
}

// ---- Events of Picture1, with Picture1's own coordinates --------------------------------

void NuvelFill::ChildPaint(ChildRef child) {
    if (IsPicture1(child)) DrawFill();
}
void NuvelFill::ChildClick(ChildRef child) {
    if (IsPicture1(child)) Click();
}
void NuvelFill::ChildDblClick(ChildRef child) {
    if (IsPicture1(child)) DblClick();
}
void NuvelFill::ChildKeyDown(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    if (IsPicture1(child)) KeyDown(keyCode, shift);
}
void NuvelFill::ChildKeyUp(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    if (IsPicture1(child)) KeyUp(keyCode, shift);
}
void NuvelFill::ChildKeyPress(ChildRef child, std::int16_t keyAscii) {
    if (IsPicture1(child)) KeyPress(keyAscii);
}
void NuvelFill::ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                               float y) {
    if (IsPicture1(child)) MouseDown(button, shift, x, y);
}
void NuvelFill::ChildMouseMove(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                               float y) {
    if (IsPicture1(child)) MouseMove(button, shift, x, y);
}
void NuvelFill::ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                             float y) {
    if (IsPicture1(child)) MouseUp(button, shift, x, y);
}

} // namespace nk
