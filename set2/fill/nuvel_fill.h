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
#include "framework/member_steps.h"
#include "framework/passed_input.h"
#include "framework/shared_members.h"
#include "framework/values.h"

#include <cstdint>
#include <string>
#include <vector>

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

class NuvelFill final : public PassedInput<NuvelFill>,
                        public EnabledPart<MemberSteps<NuvelFill>, Steps::NotifyThenRedraw> {
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
    void SetCaption(const std::string& value) { Store(caption_, value); }
    std::int32_t CaptionStyle() const { return captionStyle_; }
    void SetCaptionStyle(std::int32_t value) { Store(captionStyle_, value); }
    std::int32_t BorderStyle() const { return host_.BorderStyle(); }
    // The surface keeps its border style in 16 bits; a value that does not fit is not
    // stored, and the rest of the setter goes on.
    void SetBorderStyle(std::int32_t value) {
        if (auto narrow = RoundToInt16(value)) host_.SetBorderStyle(*narrow);
        Changed();
    }
    Font GetFont() const;
    void SetFont(const Font& font);
    // The pointer settings are kept and saved only; they change nothing on the screen.
    const Picture& MouseIcon() const { return mouseIcon_; }
    void SetMouseIcon(const Picture& value) { StoreNotify(mouseIcon_, value); }
    std::int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(std::int16_t value) { StoreNotify(mousePointer_, value); }
    // The member `NuvelFill`, the fill style (the class's own name cannot name a getter).
    std::int32_t GetNuvelFill() const { return nuvelFill_; }
    void SetNuvelFill(std::int32_t value) { Store(nuvelFill_, value); }
    const Picture& PictureBack() const { return back_.picture; }
    void SetPictureBack(const Picture& value) { StorePicture(back_, value); }
    const Picture& PictureDisabled() const { return disabled_.picture; }
    void SetPictureDisabled(const Picture& value) { StorePicture(disabled_, value); }
    const Picture& PictureFill() const { return fill_.picture; }
    void SetPictureFill(const Picture& value) { StorePicture(fill_, value); }
    const Picture& PictureLeftEdge() const { return leftEdge_.picture; }
    void SetPictureLeftEdge(const Picture& value) { StorePicture(leftEdge_, value); }
    const Picture& PictureRightEdge() const { return rightEdge_.picture; }
    void SetPictureRightEdge(const Picture& value) { StorePicture(rightEdge_, value); }
    // The orientation repaints at once; Picture1 keeps its place until the next Layout.
    std::int32_t FillOrientation() const { return fillOrientation_; }
    void SetFillOrientation(std::int32_t value) { Store(fillOrientation_, value); }
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& value) { Store(value_, value); }
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t value) {
        StoreNotify(pictureMode_, value);
        Layout();
        Redraw();
    }

    // Host notifications of the control's own surface; its click, key and mouse
    // notifications pass on as the events of the same names.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;

    // The same notifications from Picture1, the inside of the bar, passed on alike.
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
    friend PassedInput<NuvelFill>;
    friend MemberSteps<NuvelFill>;
    friend const InterfaceTable& NuvelFillInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    // A picture member and whether it was present when it was last set, loaded or saved.
    struct KeptPicture {
        Picture picture;
        bool present = false;
    };

    // Picture1, the inside of the bar; nullptr when the host has none.
    PictureBox* Inside() const;
    // The picture setters notify, then recompute their picture's flag, then repaint.
    void StorePicture(KeptPicture& kept, const Picture& value, Where where = __builtin_FUNCTION());
    void RecomputePictureFlags();
    bool IsVertical() const { return fillOrientation_ == NKVertical; }

    // Layout and painting: Redraw paints the inside of the bar, then the caps.
    void Layout();
    void Redraw();
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
    KeptPicture back_;
    KeptPicture disabled_;
    KeptPicture fill_;
    KeptPicture leftEdge_;
    KeptPicture rightEdge_;
    std::int32_t fillOrientation_ = 0;
    Variant value_;
    std::int32_t pictureMode_ = 0;
};

// The interface table of NuvelFill (library nuvset2, type library Nuvelkit4).
const InterfaceTable& NuvelFillInterface();

} // namespace nk
