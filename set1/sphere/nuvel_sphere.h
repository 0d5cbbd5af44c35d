// NuvelSphere: the round push button of nuvset1. Its face is a picture stretched over the
// whole control and cut round by a one-bit mask: one of ten built-in sphere skins (with a
// pressed skin each) or, in the custom look, pictures of the user's own for the normal,
// pressed, disabled and two roll-over states. In its middle it can show a small icon or a
// short text. The roll-over sequence of the custom look advances each time the container
// calls TimerInvoke.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/focus_parts.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/member_steps.h"
#include "framework/push_events.h"
#include "framework/shared_members.h"
#include "framework/sound.h"
#include "framework/state_pictures.h"
#include "set1/about/about.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// SphereType: 0-9 the built-in skins (faces 300-309, pressed 400-409), 10 the user's
// pictures. Any integer is stored; a type without a skin paints no face.
enum NvlSphereTypeEnum : std::int32_t {
    NvlSphereRings = 0,
    NvlSphereGasGiant1 = 1,
    NvlSphereGasGiant2 = 2,
    NvlSphereRainbow = 3,
    NvlSphereRainFlux = 4,
    NvlSpherePixelix = 5,
    NvlSphereVortex = 6,
    NvlSphereCables = 7,
    NvlSphereClouds = 8,
    NvlSphereBlue = 9,
    nvlSphereCustom = 10,
};
inline constexpr EnumMember kSphereTypeMembers[] = {
    {"NvlSphereRings", 0},   {"NvlSphereGasGiant1", 1}, {"NvlSphereGasGiant2", 2},
    {"NvlSphereRainbow", 3}, {"NvlSphereRainFlux", 4},  {"NvlSpherePixelix", 5},
    {"NvlSphereVortex", 6},  {"NvlSphereCables", 7},    {"NvlSphereClouds", 8},
    {"NvlSphereBlue", 9},    {"nvlSphereCustom", 10}};
inline constexpr EnumInfo kSphereTypeEnum = {"NvlSphereTypeEnum", kSphereTypeMembers};

enum NvlSphrContentTypeEnum : std::int32_t { NvlCntNone = 0, NvlCntIcon = 1, NvlCntLetter = 2 };
inline constexpr EnumMember kSphereContentTypeMembers[] = {
    {"NvlCntNone", 0}, {"NvlCntIcon", 1}, {"NvlCntLetter", 2}};
inline constexpr EnumInfo kSphereContentTypeEnum = {"NvlSphrContentTypeEnum",
                                                    kSphereContentTypeMembers};

enum NvlSphrIconSize : std::int32_t {
    NvlSphrIconUnknown = 0,
    NvlSphrIcon32 = 1,
    NvlSphrIcon24 = 2,
    NvlSphrIcon16 = 3,
};
inline constexpr EnumMember kSphereIconSizeMembers[] = {
    {"NvlSphrIconUnknown", 0}, {"NvlSphrIcon32", 1}, {"NvlSphrIcon24", 2}, {"NvlSphrIcon16", 3}};
inline constexpr EnumInfo kSphereIconSizeEnum = {"NvlSphrIconSize", kSphereIconSizeMembers};

// The interface table of the NuvelSphere class (library nuvset1).
const InterfaceTable& NuvelSphereInterface();

class NuvelSphere final
    : public FocusPart<NuvelSphere>,
      public ShortCutKeyPart<MousePointerPart<
          MouseIconPart<EnabledPart<MemberSteps<NuvelSphere>, Steps::NotifyThenRedraw>,
                        Steps::NotifyOnly>,
          Steps::NotifyThenRedraw>> {
public:
    // The events of the class's event interface, by number: those of the push buttons.
    using Event = PushButtonEvent;

    explicit NuvelSphere(Host& host);
    const InterfaceTable& Interface() const override { return NuvelSphereInterface(); }

    // Properties, in interface order.
    // Enabled, MouseIcon (which goes to the surface without a repaint) and MousePointer come
    // from the shared parts.
    std::int32_t SphereType() const { return sphereType_; }
    void SetSphereType(std::int32_t value) { Store(sphereType_, value, kRedrawFirst); }
    std::int32_t ContentType() const { return contentType_; }
    void SetContentType(std::int32_t value) { Store(contentType_, value, kRedrawFirst); }
    const Picture& ContentIcon() const { return contentIcon_; }
    void SetContentIcon(const Picture& value) { Store(contentIcon_, value, kRedrawFirst); }
    const std::string& ContentLetter() const { return contentLetter_; }
    void SetContentLetter(const std::string& value) { Store(contentLetter_, value, kRedrawFirst); }
    Font GetFont() const { return host_.GetFont(); }
    void SetFont(const Font& value) {
        host_.SetFont(value);
        Changed(kRedrawFirst);
    }
    OleColor ForeColor() const { return host_.ForeColor(); }
    void SetForeColor(OleColor value) {
        host_.SetForeColor(value);
        Changed(kRedrawFirst);
    }
    std::int32_t IconSize() const { return iconSize_; }
    void SetIconSize(std::int32_t value) { Store(iconSize_, value); }
    // The state pictures repaint before their presence is worked out, so a picture newly set
    // where none was shows only at the next repaint.
    const Picture& PictureNormal() const { return faces_.normal; }
    void SetPictureNormal(const Picture& value) {
        StoreFace(faces_.normal, faces_.hasNormal, value);
    }
    const Picture& PictureOver() const { return faces_.over; }
    void SetPictureOver(const Picture& value) { StoreFace(faces_.over, faces_.hasOver, value); }
    const Picture& PictureOver2() const { return faces_.over2; }
    void SetPictureOver2(const Picture& value) { StoreFace(faces_.over2, faces_.hasOver2, value); }
    const Picture& PicturePushed() const { return faces_.pushed; }
    void SetPicturePushed(const Picture& value) {
        StoreFace(faces_.pushed, faces_.hasPushed, value);
    }
    const Picture& PictureDisabled() const { return faces_.disabled; }
    void SetPictureDisabled(const Picture& value);
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t value);
    VBool UseAnimation() const { return useAnimation_; }
    void SetUseAnimation(VBool value) { Store(useAnimation_, value, kRedrawFirst); }
    VBool UseOnTop() const { return useOnTop_; }
    void SetUseOnTop(VBool value) { Store(useOnTop_, value, kRedrawFirst); }
    OleColor CoolGlowColor() const { return coolGlowColor_; }
    void SetCoolGlowColor(OleColor value) { Store(coolGlowColor_, value); }
    VBool CoolUseGlow() const { return coolUseGlow_; }
    void SetCoolUseGlow(VBool value) { Store(coolUseGlow_, value); }

    // Public fields: written directly by the container; no notification, no repaint.
    OleColor FocusColor = 0;
    VBool ShowFocus = kFalse;
    VBool UseSound = kFalse;
    std::int32_t SoundMethod = NKInternalSound;

    // Methods.
    void AboutMe() { nk::AboutMe(host_); }
    void TimerInvoke();

    // The roll-over state, for containers and tests that inspect it.
    std::int16_t InspectHoverPhase() const { return hoverPhase_; }
    std::int16_t InspectHoverState() const { return hoverState_; }

private:
    friend MemberSteps<NuvelSphere>;
    friend FocusPart<NuvelSphere>;
    friend const InterfaceTable& NuvelSphereInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    Host& host_;

    // Stored properties.
    std::int32_t sphereType_ = 0;
    std::int32_t contentType_ = 0;
    Picture contentIcon_;
    std::string contentLetter_;
    std::int32_t iconSize_ = 0;
    StatePictures faces_;
    std::int32_t pictureMode_ = 0;
    VBool useAnimation_ = kFalse;
    VBool useOnTop_ = kFalse;
    OleColor coolGlowColor_ = 0;
    VBool coolUseGlow_ = kFalse;

    // Interaction and roll-over state.
    bool pressed_ = false;
    std::int16_t hoverPhase_ = 0;
    std::int16_t hoverState_ = 0;
    bool pictureModeBusy_ = false;

public:
    // Host notifications.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Click() override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    void DblClick() override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void Resize() override;
    void Paint() override;

private:
    // Drawing and animation.
    void Redraw();
    void DrawFace(double w, double h);
    Picture CustomFace() const;
    void DrawContent(double w, double h);
    void DrawFocusRing(double w, double h);
    void HoverStep();
    void ApplyPictureMode();
    void ForceSize(double twips);

    // Helpers.
    // Stores a state picture, repaints, works out whether it holds a picture object and
    // notifies.
    void StoreFace(Picture& field, bool& present, const Picture& value,
                   Where where = __builtin_FUNCTION());
};

} // namespace nk
