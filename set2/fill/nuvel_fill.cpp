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

PictureBox* NuvelFill::Inside() {
    return host_.PictureBoxChild(kInside);
}

// ---- Properties ------------------------------------------------------------------

OleColor NuvelFill::BackColor() const {
    PictureBox* box = host_.PictureBoxChild(kInside);
    return box ? box->BackColor() : kBackDefault;
}

void NuvelFill::SetBackColor(OleColor color) {
    if (PictureBox* box = Inside()) box->SetBackColor(color);
    Changed("BackColor");
}

OleColor NuvelFill::ForeColor() const {
    PictureBox* box = host_.PictureBoxChild(kInside);
    return box ? box->ForeColor() : kButtonText;
}

void NuvelFill::SetForeColor(OleColor color) {
    if (PictureBox* box = Inside()) box->SetForeColor(color);
    Changed("ForeColor");
}

void NuvelFill::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed("Caption");
}

void NuvelFill::SetCaptionStyle(std::int32_t style) {
    captionStyle_ = style;
    Changed("CaptionStyle");
}

std::int32_t NuvelFill::BorderStyle() const {
    return host_.BorderStyle();
}

void NuvelFill::SetBorderStyle(std::int32_t style) {
    // The surface keeps its border style in 16 bits; a value that does not fit is not
    // stored, and the rest of the setter goes on.
    if (auto narrow = RoundToInt16(style)) host_.SetBorderStyle(*narrow);
    Changed("BorderStyle");
}

Font NuvelFill::GetFont() const {
    PictureBox* box = host_.PictureBoxChild(kInside);
    return box ? box->GetFont() : host_.AmbientFont();
}

void NuvelFill::SetFont(const Font& font) {
    if (PictureBox* box = Inside()) box->SetFont(font);
    Changed("Font");
}

VBool NuvelFill::Enabled() const {
    return ToVBool(host_.Enabled());
}

void NuvelFill::SetEnabled(VBool enabled) {
    host_.SetEnabled(enabled != kFalse);
    Changed("Enabled");
}

// The pointer settings are kept and saved only; they change nothing on the screen.
void NuvelFill::SetMouseIcon(const Picture& icon) {
    mouseIcon_ = icon;
    host_.PropertyChanged("MouseIcon");
}

void NuvelFill::SetMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    host_.PropertyChanged("MousePointer");
}

void NuvelFill::SetNuvelFill(std::int32_t style) {
    nuvelFill_ = style;
    Changed("NuvelFill");
}

// The picture setters notify, then recompute their picture's flag, then repaint.
void NuvelFill::SetPictureBack(const Picture& picture) {
    pictureBack_ = picture;
    host_.PropertyChanged("PictureBack");
    hasPictureBack_ = IsPresent(pictureBack_);
    DrawFill();
    DrawEdges();
}

void NuvelFill::SetPictureDisabled(const Picture& picture) {
    pictureDisabled_ = picture;
    host_.PropertyChanged("PictureDisabled");
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
    DrawFill();
    DrawEdges();
}

void NuvelFill::SetPictureFill(const Picture& picture) {
    pictureFill_ = picture;
    host_.PropertyChanged("PictureFill");
    hasPictureFill_ = IsPresent(pictureFill_);
    DrawFill();
    DrawEdges();
}

void NuvelFill::SetPictureLeftEdge(const Picture& picture) {
    pictureLeftEdge_ = picture;
    host_.PropertyChanged("PictureLeftEdge");
    hasPictureLeftEdge_ = IsPresent(pictureLeftEdge_);
    DrawFill();
    DrawEdges();
}

void NuvelFill::SetPictureRightEdge(const Picture& picture) {
    pictureRightEdge_ = picture;
    host_.PropertyChanged("PictureRightEdge");
    hasPictureRightEdge_ = IsPresent(pictureRightEdge_);
    DrawFill();
    DrawEdges();
}

// The orientation repaints at once; Picture1 keeps its place until the next Layout.
void NuvelFill::SetFillOrientation(std::int32_t orientation) {
    fillOrientation_ = orientation;
    Changed("FillOrientation");
}

void NuvelFill::SetValue(const Variant& value) {
    value_ = value;
    Changed("Value");
}

void NuvelFill::SetPictureMode(std::int32_t mode) {
    pictureMode_ = mode;
    host_.PropertyChanged("PictureMode");
    Layout();
    DrawFill();
    DrawEdges();
}

void NuvelFill::Changed(std::string_view name) {
    host_.PropertyChanged(name);
    DrawFill();
    DrawEdges();
}

void NuvelFill::RecomputePictureFlags() {
    hasPictureBack_ = IsPresent(pictureBack_);
    hasPictureFill_ = IsPresent(pictureFill_);
    hasPictureDisabled_ = IsPresent(pictureDisabled_);
    hasPictureLeftEdge_ = IsPresent(pictureLeftEdge_);
    hasPictureRightEdge_ = IsPresent(pictureRightEdge_);
}

// ---- Life cycle ------------------------------------------------------------------

void NuvelFill::InitProperties() {
    if (PictureBox* box = Inside()) box->SetFont(host_.AmbientFont());
    host_.SetEnabled(true);
    mouseIcon_ = host_.LoadPicture();
    mousePointer_ = 0;
    nuvelFill_ = NKGreenFill;
    value_ = Variant::Integer(0);
    fillOrientation_ = NKHorizontal;
    pictureMode_ = DefaultStyle;
    SetPictureBack(nullptr);
    SetPictureFill(nullptr);
    SetPictureLeftEdge(nullptr);
    SetPictureRightEdge(nullptr);
    SetPictureDisabled(nullptr);
    captionStyle_ = CaptionInFront;
    RecomputePictureFlags();
    // No Layout here: the host's first Resize places Picture1.
    DrawFill();
    DrawEdges();
}

void NuvelFill::ReadProperties(const PropertyBag& bag) {
    // Values go straight into their stores, without the setters' notifications.
    if (PictureBox* box = Inside()) {
        if (auto c = ReadColor(bag, "BackColor", kBackDefault)) box->SetBackColor(*c);
        if (auto c = ReadColor(bag, "ForeColor", kForeDefault)) box->SetForeColor(*c);
    }
    if (auto style = ReadInteger(bag, "BorderStyle", 0)) host_.SetBorderStyle(*style);
    if (auto enabled = ReadBoolean(bag, "Enabled", kTrue)) host_.SetEnabled(*enabled != kFalse);
    // Value is any variant, kept as stored. A bag without CaptionStyle gives no caption at
    // all, unlike a new bar.
    ReadStoredRows(
        *this, bag,
        {{"MouseIcon", &mouseIcon_}, {"MousePointer", &mousePointer_}, {"NuvelFill", &nuvelFill_}});
    value_ = ReadProperty(bag, "Value", Variant::Integer(0));
    ReadStoredRows(*this, bag,
                   {{"FillOrientation", &fillOrientation_},
                    {"PictureMode", &pictureMode_},
                    {"CaptionStyle", &captionStyle_}});
    if (PictureBox* box = Inside())
        if (auto font = ReadFont(bag, "Font", host_.AmbientFont())) box->SetFont(*font);
    ReadStoredRows(*this, bag,
                   {{"Caption", &caption_},
                    {"PictureBack", &pictureBack_},
                    {"PictureFill", &pictureFill_},
                    {"PictureDisabled", &pictureDisabled_},
                    {"PictureLeftEdge", &pictureLeftEdge_},
                    {"PictureRightEdge", &pictureRightEdge_}});
    RecomputePictureFlags();
    Layout();
    DrawFill();
    DrawEdges();
}

void NuvelFill::WriteProperties(PropertyBag& bag) {
    if (PictureBox* box = Inside()) {
        WriteFont(bag, "Font", box->GetFont(), host_.AmbientFont());
        WriteColor(bag, "BackColor", box->BackColor(), kBackDefault);
        WriteColor(bag, "ForeColor", box->ForeColor(), kForeDefault);
    }
    // BorderStyle, a Long member, is saved as an Integer.
    WriteInteger(bag, "BorderStyle", host_.BorderStyle(), 0);
    WriteSavedRows(*this, bag, {"Enabled", "MouseIcon", "MousePointer", "NuvelFill"});
    WriteProperty(bag, "Value", value_, Variant::Integer(0));
    WriteSavedRows(*this, bag,
                   {"FillOrientation", "PictureMode", "PictureFill", "PictureBack",
                    "PictureDisabled", "PictureLeftEdge", "PictureRightEdge", "CaptionStyle",
                    "Caption"});
    RecomputePictureFlags();
    Layout();
    DrawFill();
    DrawEdges();
}

void NuvelFill::Resize() {
    Layout();
    DrawFill();
    DrawEdges();
}

void NuvelFill::Paint() {
    DrawEdges();
}

// ---- Events of the surface (the caps and whatever lies outside Picture1) -------------

void NuvelFill::Click() {
    host_.RaiseEvent(Number(Event::Click), {});
}
void NuvelFill::DblClick() {
    host_.RaiseEvent(Number(Event::DblClick), {});
}
void NuvelFill::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}
void NuvelFill::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}
void NuvelFill::KeyPress(std::int16_t keyAscii) {
    RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}
void NuvelFill::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}
void NuvelFill::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}
void NuvelFill::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

// ---- Events of Picture1, with Picture1's own coordinates --------------------------------

void NuvelFill::ChildPaint(ChildRef child) {
    if (IsPicture1(child)) DrawFill();
}
void NuvelFill::ChildClick(ChildRef child) {
    if (IsPicture1(child)) host_.RaiseEvent(Number(Event::Click), {});
}
void NuvelFill::ChildDblClick(ChildRef child) {
    if (IsPicture1(child)) host_.RaiseEvent(Number(Event::DblClick), {});
}
void NuvelFill::ChildKeyDown(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    if (IsPicture1(child)) RaiseKeyEvent(host_, Event::KeyDown, keyCode, shift);
}
void NuvelFill::ChildKeyUp(ChildRef child, std::int16_t keyCode, std::int16_t shift) {
    if (IsPicture1(child)) RaiseKeyEvent(host_, Event::KeyUp, keyCode, shift);
}
void NuvelFill::ChildKeyPress(ChildRef child, std::int16_t keyAscii) {
    if (IsPicture1(child)) RaiseKeyPressEvent(host_, Event::KeyPress, keyAscii);
}
void NuvelFill::ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                               float y) {
    if (IsPicture1(child)) RaiseMouseEvent(host_, Event::MouseDown, button, shift, x, y);
}
void NuvelFill::ChildMouseMove(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                               float y) {
    if (IsPicture1(child)) RaiseMouseEvent(host_, Event::MouseMove, button, shift, x, y);
}
void NuvelFill::ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                             float y) {
    if (IsPicture1(child)) RaiseMouseEvent(host_, Event::MouseUp, button, shift, x, y);
}

} // namespace nk
