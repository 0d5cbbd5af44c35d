// NuvelCommand: the gradient push button of nuvset1. Its face is a built-in background,
// a generated gradient picture or a picture of the user's own, placed by PictureMode; over
// it sit a centred caption with an optional shadow, a small icon at each side, a border, a
// focus frame and, while hovered, the glow overlay that the host composes above the surface.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/focus_parts.h"
#include "framework/font_parts.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/push_events.h"
#include "framework/shared_members.h"
#include "framework/sound.h"
#include "set1/about/about.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// The built-in backgrounds of BackPicture: 0-7 are bitmaps 101-108, 8 and 9 the two
// generated gradient patterns, 10 the user's PictureNormal.
enum NKBackPics : std::int32_t {
    NKSpiralRainbow = 0,
    NKCyanWater = 1,
    NKBlueBubblyWater = 2,
    NKAuroraZone = 3,
    NKGreenWater = 4,
    NKTriColorTemple = 5,
    NKUnderwaterClouds = 6,
    NKLollipopLand = 7,
    NKPictureX1 = 8,
    NKPictureX2 = 9,
    NKCustomPicture = 10,
};
inline constexpr EnumMember kBackPicsMembers[] = {
    {"NKSpiralRainbow", 0},    {"NKCyanWater", 1},     {"NKBlueBubblyWater", 2},
    {"NKAuroraZone", 3},       {"NKGreenWater", 4},    {"NKTriColorTemple", 5},
    {"NKUnderwaterClouds", 6}, {"NKLollipopLand", 7},  {"NKPictureX1", 8},
    {"NKPictureX2", 9},        {"NKCustomPicture", 10}};
inline constexpr EnumInfo kBackPicsEnum = {"NKBackPics", kBackPicsMembers};

class NuvelCommand final
    : public FocusPart<NuvelCommand, FocusRepaint::WhileShowFocus>,
      public ShortCutKeyPart<
          EnabledPart<FontParts<MemberSteps<NuvelCommand>>, Steps::RedrawThenNotify>> {
public:
    // The events of the class's event interface, by number.
    using Event = PushButtonEvent;

    explicit NuvelCommand(Host& host);
    const InterfaceTable& Interface() const override;

    // Public fields: the container writes them directly; the look changes at the next
    // repaint and the value is saved at the next save.
    VBool HasShadow = kFalse;
    OleColor ShadowColor = 0;
    VBool AllowMultiLine = kFalse;
    std::int32_t AdjustTop = 0;
    std::int32_t SoundMethod = NKInternalSound;
    VBool UseSound = kFalse;
    VBool ShowFocus = kFalse;

    void AboutMe() { nk::AboutMe(host_); }

    std::int32_t hWnd() const { return hWnd_; }
    void SethWnd(std::int32_t value) { StoreNotify(hWnd_, value); }
    std::int32_t BackPicture() const { return backPicture_; }
    void SetBackPicture(std::int32_t value) { StoreGradient(backPicture_, value); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Store(caption_, value); }
    float SideIconHeight() const { return sideIconHeight_; }
    void SetSideIconHeight(float value) { Store(sideIconHeight_, value); }
    float RSideIconHeight() const { return rSideIconHeight_; }
    void SetRSideIconHeight(float value) { Store(rSideIconHeight_, value); }
    float RSideIconWidth() const { return rSideIconWidth_; }
    void SetRSideIconWidth(float value) { Store(rSideIconWidth_, value); }
    float GradientRedDividend() const { return gradientRedDividend_; }
    void SetGradientRedDividend(float value) { StoreGradient(gradientRedDividend_, value); }
    VBool GradientInverted() const { return gradientInverted_; }
    void SetGradientInverted(VBool value) { StoreGradient(gradientInverted_, value); }
    float GradientBrightness() const { return gradientBrightness_; }
    void SetGradientBrightness(float value) { StoreGradient(gradientBrightness_, value); }
    float GradientGreenDividend() const { return gradientGreenDividend_; }
    void SetGradientGreenDividend(float value) { StoreGradient(gradientGreenDividend_, value); }
    float GradientBlueDividend() const { return gradientBlueDividend_; }
    void SetGradientBlueDividend(float value) { StoreGradient(gradientBlueDividend_, value); }
    OleColor ForeColor() const { return host_.ForeColor(); }
    void SetForeColor(OleColor value) {
        host_.SetForeColor(value);
        Changed();
    }
    const Picture& SideIcon() const { return sideIcon_; }
    void SetSideIcon(const Picture& value) { Store(sideIcon_, value); }
    const Picture& RSideIcon() const { return rSideIcon_; }
    void SetRSideIcon(const Picture& value) { Store(rSideIcon_, value); }
    VBool CoolButton() const { return coolButton_; }
    // The gradient picture's size depends on CoolButton, but it follows only at the next
    // resize, gradient change or BackPicture assignment.
    void SetCoolButton(VBool value) { Store(coolButton_, value, kRedrawFirst); }
    OleColor CoolGlowColor() const { return coolGlowColor_; }
    void SetCoolGlowColor(OleColor value) { Store(coolGlowColor_, value, kRedrawFirst); }
    VBool CoolUseGlow() const { return coolUseGlow_; }
    void SetCoolUseGlow(VBool value) { Store(coolUseGlow_, value, kRedrawFirst); }
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t value) { Store(pictureMode_, value, kRedrawFirst); }
    const Picture& PictureNormal() const { return pictureNormal_; }
    void SetPictureNormal(const Picture& value) { Store(pictureNormal_, value, kRedrawFirst); }
    const Picture& PictureDisabled() const { return pictureDisabled_; }
    void SetPictureDisabled(const Picture& value) { Store(pictureDisabled_, value, kRedrawFirst); }
    VBool PictureGoDown() const { return pictureGoDown_; }
    void SetPictureGoDown(VBool value) { Store(pictureGoDown_, value, kRedrawFirst); }

    // NuvelCommand has no timed behaviour.
    void TimerInvoke() {}

private:
    friend MemberSteps<NuvelCommand>;
    friend FocusPart<NuvelCommand, FocusRepaint::WhileShowFocus>;
    friend const InterfaceTable& NuvelCommandInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    Host& host_;

    // Stored properties.
    std::int32_t hWnd_ = 0;
    std::int32_t backPicture_ = 0;
    std::string caption_;
    float sideIconHeight_ = 0;
    float rSideIconHeight_ = 0;
    float rSideIconWidth_ = 0;
    float gradientRedDividend_ = 0;
    VBool gradientInverted_ = kFalse;
    float gradientBrightness_ = 0;
    float gradientGreenDividend_ = 0;
    float gradientBlueDividend_ = 0;
    Picture sideIcon_;
    Picture rSideIcon_;
    VBool coolButton_ = kFalse;
    OleColor coolGlowColor_ = 0;
    VBool coolUseGlow_ = kFalse;
    std::int32_t pictureMode_ = 0;
    Picture pictureNormal_;
    Picture pictureDisabled_;
    VBool pictureGoDown_ = kFalse;

    // Interaction and layout state.
    bool pressed_ = false;
    bool hovering_ = false;
    bool narrowLayout_ = false;
    Picture gradientPicture_;

public:
    // Host notifications.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;
    void Click() override;
    void DblClick() override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void Redraw();
    void DrawDisabledLook();
    void DrawBackground(double shift);
    void DrawPressedForeground(double cy);
    void DrawNormalForeground(double cy);
    void DrawBorder();
    void DrawCaptionShadow(std::int32_t leftTop, std::int32_t rightBottom,
                           std::optional<std::int32_t> multiLineTop);
    void DrawCaption(std::int32_t leftTop, std::int32_t rightBottom,
                     std::optional<std::int32_t> multiLineTop);

    // Stores a member that the gradient picture is made from, or BackPicture, which chooses
    // it; tells the container, regenerates the picture when it is shown and repaints.
    template <typename T>
    void StoreGradient(T& field, T value, Where where = __builtin_FUNCTION()) {
        field = value;
        host_.PropertyChanged(SetterMember(where));
        RegenerateGradientIfShown();
        Redraw();
    }
    bool ShowsGradient() const;
    void RegenerateGradientIfShown();
    void GenerateGradientPicture(double w, double h);
};

// The interface table of the NuvelCommand class (library nuvset1).
const InterfaceTable& NuvelCommandInterface();

} // namespace nk
