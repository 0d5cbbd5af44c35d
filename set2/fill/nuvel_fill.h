// NuvelFill, the fill bar of nuvset2: a horizontal or vertical bar that shows `Value`
// (a percentage) as a filled part, with rounded end caps and a text in front of or
// behind the fill. The control's own surface shows the two caps; the child picture
// box Picture1, placed between them, shows the inside of the bar.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/host.h"
#include "framework/interface_table.h"

#include <cstdint>
#include <string>

namespace nk {

// The fill styles: bitmaps 110 + k (horizontal) and 120 + k (vertical) for k = 0 to 7,
// or the user's PictureFill.
enum NKNuvelFillType : std::int32_t {
    NKGreenFill = 0,
    NKYellowFill = 1,
    NKPurpleFill = 2,
    NKRedFill = 3,
    NKCyanFill = 4,
    NKBlueFill = 5,
    NKRainbowFill = 6,
    NKRainbow2Fill = 7,
    NKCustomPicture = 8,
};
inline constexpr EnumMember kFillTypeMembers[] = {
    {"NKGreenFill", 0},   {"NKYellowFill", 1},   {"NKPurpleFill", 2},
    {"NKRedFill", 3},     {"NKCyanFill", 4},     {"NKBlueFill", 5},
    {"NKRainbowFill", 6}, {"NKRainbow2Fill", 7}, {"NKCustomPicture", 8}};
inline constexpr EnumInfo kFillTypeEnum = {"NKNuvelFillType", kFillTypeMembers};

enum NKOrientation : std::int32_t { NKHorizontal = 0, NKVertical = 1 };
inline constexpr EnumMember kOrientationMembers[] = {{"NKHorizontal", 0}, {"NKVertical", 1}};
inline constexpr EnumInfo kOrientationEnum = {"NKOrientation", kOrientationMembers};

// Where the text goes. Its first member is called `None` in the type library; the
// name is taken by the border style enumeration there, so it reads `NoCaption` here.
enum NKFillCaptionStyle : std::int32_t { NoCaption = 0, CaptionInFront = 1, CaptionInback = 2 };
inline constexpr EnumMember kFillCaptionStyleMembers[] = {
    {"None", 0}, {"CaptionInFront", 1}, {"CaptionInback", 2}};
inline constexpr EnumInfo kFillCaptionStyleEnum = {"NKFillCaptionStyle", kFillCaptionStyleMembers};

class NuvelFill final : public Control {
public:
    // The events of the class's event interface, by number.
    enum class Event : int {
        Click = 1,
        DblClick = 2,
        KeyDown = 3,
        KeyPress = 4,
        KeyUp = 5,
        MouseDown = 6,
        MouseMove = 7,
        MouseUp = 8,
    };

    explicit NuvelFill(Host& host);
    const InterfaceTable& Interface() const override;

    // The interface `_NuvelFill`, in its order.
    void TimerInvoke() {}
    OleColor BackColor() const;
    void SetBackColor(OleColor color);
    OleColor ForeColor() const;
    void SetForeColor(OleColor color);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::int32_t CaptionStyle() const { return captionStyle_; }
    void SetCaptionStyle(std::int32_t style);
    std::int32_t BorderStyle() const;
    void SetBorderStyle(std::int32_t style);
    Font GetFont() const;
    void SetFont(const Font& font);
    VBool Enabled() const;
    void SetEnabled(VBool enabled);
    const Picture& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(const Picture& icon);
    std::int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(std::int16_t pointer);
    // The member `NuvelFill`, the fill style (the class's own name cannot name a getter).
    std::int32_t GetNuvelFill() const { return nuvelFill_; }
    void SetNuvelFill(std::int32_t style);
    const Picture& PictureBack() const { return pictureBack_; }
    void SetPictureBack(const Picture& picture);
    const Picture& PictureDisabled() const { return pictureDisabled_; }
    void SetPictureDisabled(const Picture& picture);
    const Picture& PictureFill() const { return pictureFill_; }
    void SetPictureFill(const Picture& picture);
    const Picture& PictureLeftEdge() const { return pictureLeftEdge_; }
    void SetPictureLeftEdge(const Picture& picture);
    const Picture& PictureRightEdge() const { return pictureRightEdge_; }
    void SetPictureRightEdge(const Picture& picture);
    std::int32_t FillOrientation() const { return fillOrientation_; }
    void SetFillOrientation(std::int32_t orientation);
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& value);
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t mode);

    // Host notifications of the control's own surface.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;
    void Click() override;
    void DblClick() override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

    // The same notifications from Picture1, the inside of the bar.
    void ChildPaint(ChildRef child) override;
    void ChildClick(ChildRef child) override;
    void ChildDblClick(ChildRef child) override;
    void ChildKeyDown(ChildRef child, std::int16_t keyCode, std::int16_t shift) override;
    void ChildKeyUp(ChildRef child, std::int16_t keyCode, std::int16_t shift) override;
    void ChildKeyPress(ChildRef child, std::int16_t keyAscii) override;
    void ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                        float y) override;
    void ChildMouseMove(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                        float y) override;
    void ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                      float y) override;

private:
    // Picture1, the inside of the bar; nullptr when the host has none.
    PictureBox* Inside();
    // One setter's ending: notify the container, then repaint the inside and the caps.
    void Changed(std::string_view name);
    void RecomputePictureFlags();
    bool IsVertical() const { return fillOrientation_ == NKVertical; }

    // The events, raised alike for the surface and for Picture1.

    // Layout and painting.
    void Layout();
    void DrawFill();
    void DrawEdges();
    void PaintFilledPart(PictureBox& box, double x, double y, double w, double h);
    void PaintBitmap(Canvas& canvas, int id, double x, double y, double w, double h);

    Host& host_;
    std::string caption_;
    std::int32_t captionStyle_ = 0;
    Picture mouseIcon_;
    std::int16_t mousePointer_ = 0;
    std::int32_t nuvelFill_ = 0;
    Picture pictureBack_;
    Picture pictureDisabled_;
    Picture pictureFill_;
    Picture pictureLeftEdge_;
    Picture pictureRightEdge_;
    std::int32_t fillOrientation_ = 0;
    Variant value_;
    std::int32_t pictureMode_ = 0;

    bool hasPictureBack_ = false;
    bool hasPictureFill_ = false;
    bool hasPictureDisabled_ = false;
    bool hasPictureLeftEdge_ = false;
    bool hasPictureRightEdge_ = false;
};

// The interface table of NuvelFill (library nuvset2, type library Nuvelkit4).
const InterfaceTable& NuvelFillInterface();

} // namespace nk
