// NuvelHCommand: the wide pill-shaped push button of nuvset1. Its face is one of eight
// built-in skins or one of five pictures of the user's own, stretched over the control; over
// it sit a centred, a left and a right caption, each in its own colour, and an optional focus
// outline in one of four styles. In the custom style a sequence of hover faces (over, just
// left, normal) follows the pointer, and ShineEdges starts a glow that runs round the edge;
// both advance one step each time the container calls TimerInvoke.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/focus_parts.h"
#include "framework/font_parts.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/shared_members.h"
#include "framework/sound.h"
#include "framework/state_pictures.h"
#include "set1/about/about.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nk {

// The skins of NuvelStyle: 0-7 are the built-in faces 550-557 (pressed 560-567), 8 the
// user's pictures. The property holds any integer; values outside 0-8 paint no face.
enum class NKHCommandTypes : std::int32_t {
    NKCyanWater = 0,
    NKBlueWater = 1,
    NKTriColor = 2,
    NKCrystaline = 3,
    NKClouds = 4,
    NKOldMarble = 5,
    NKTintMarble = 6,
    NKSpectrum = 7,
    NKCustom = 8,
};
inline constexpr EnumMember kHCommandTypesMembers[] = {
    {"NKCyanWater", 0},  {"NKBlueWater", 1}, {"NKTriColor", 2},
    {"NKCrystaline", 3}, {"NKClouds", 4},    {"NKOldMarble", 5},
    {"NKTintMarble", 6}, {"NKSpectrum", 7},  {"NKCustom", 8}};
inline constexpr EnumInfo kHCommandTypesEnum = {"NKHCommandTypes", kHCommandTypesMembers};

// The focus outlines of FocusStyle; other values draw no outline.
enum class NKHCommandFocusStyles : std::int32_t {
    NKHClassicIndent = 0,
    NKHColorOutline = 1,
    NKHBoldColorOutline = 2,
    NKHRoundIndent = 3,
};
inline constexpr EnumMember kHCommandFocusStylesMembers[] = {{"NKHClassicIndent", 0},
                                                             {"NKHColorOutline", 1},
                                                             {"NKHBoldColorOutline", 2},
                                                             {"NKHRoundIndent", 3}};
inline constexpr EnumInfo kHCommandFocusStylesEnum = {"NKHCommandFocusStyles",
                                                      kHCommandFocusStylesMembers};

// The colours of the edge shine; other values shine in black.
enum class NKHShineModes : std::int32_t {
    NKHWhiteShine = 0,
    NKHRedShine = 1,
    NKHGreenShine = 2,
    NKHBlueShine = 3,
    NKHCyanShine = 4,
    NKHMagentaShine = 5,
    NKHYellowShine = 6,
};
inline constexpr EnumMember kHShineModesMembers[] = {
    {"NKHWhiteShine", 0}, {"NKHRedShine", 1},     {"NKHGreenShine", 2}, {"NKHBlueShine", 3},
    {"NKHCyanShine", 4},  {"NKHMagentaShine", 5}, {"NKHYellowShine", 6}};
inline constexpr EnumInfo kHShineModesEnum = {"NKHShineModes", kHShineModesMembers};

// The colour of the shine at level `level` (0-255) for a ShineMode.
OleColor ShineColor(std::int32_t shineMode, std::int16_t level);

// The interface table of the NuvelHCommand class (library nuvset1).
const InterfaceTable& NuvelHCommandInterface();

class NuvelHCommand final
    : public FocusPart<NuvelHCommand>,
      public ShortCutKeyPart<MousePointerPart<
          MouseIconPart<EnabledPart<FontParts<MemberSteps<NuvelHCommand>>, Steps::RedrawThenNotify>,
                        Steps::NotifyThenRedraw>,
          Steps::NotifyThenRedraw>> {
public:
    // The events of the class's event interface, by number. MouseMove and MouseDown are
    // numbered the other way round from the other push buttons of the set.
    enum class Event : int {
        Click = 1,
        DblClick = 2,
        KeyDown = 3,
        KeyPress = 4,
        KeyUp = 5,
        MouseMove = 6,
        MouseDown = 7,
        MouseUp = 8,
        PlaySound = 9,
    };

    explicit NuvelHCommand(Host& host);
    const InterfaceTable& Interface() const override { return NuvelHCommandInterface(); }

    // Public fields: the container writes them directly; the look changes at the next
    // repaint and the value is saved at the next save.
    VBool ShowFocus = kFalse;
    OleColor FocusColor = 0;
    VBool UseSound = kFalse;
    std::int32_t SoundMethod = NKInternalSound;
    VBool AllowMultiLine = kFalse;
    std::int32_t AdjustTop = 0;

    void TimerInvoke();
    void AboutMe() { nk::AboutMe(host_); }

    VBool UseAnimation() const { return useAnimation_; }
    void SetUseAnimation(VBool value) { Store(useAnimation_, value); }
    // ShortCutKey, Enabled, the font members, MouseIcon and MousePointer come from the shared
    // parts.
    std::int32_t ShineMode() const { return shineMode_; }
    void SetShineMode(std::int32_t value) { Store(shineMode_, value); }
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor value) { Store(foreColor_, value); }
    OleColor LeftColor() const { return leftColor_; }
    void SetLeftColor(OleColor value) { Store(leftColor_, value); }
    OleColor RightColor() const { return rightColor_; }
    void SetRightColor(OleColor value) { Store(rightColor_, value); }
    std::int32_t NuvelStyle() const { return nuvelStyle_; }
    void SetNuvelStyle(std::int32_t value) { Store(nuvelStyle_, value); }
    VBool UseOnTop() const { return useOnTop_; }
    void SetUseOnTop(VBool value) { Store(useOnTop_, value); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { Store(caption_, value); }
    const std::string& LeftCaption() const { return leftCaption_; }
    void SetLeftCaption(const std::string& value) { Store(leftCaption_, value); }
    // Kept and saved for the container's sake; nothing here draws with it.
    OleColor CoolGlowColor() const { return coolGlowColor_; }
    void SetCoolGlowColor(OleColor value) { Store(coolGlowColor_, value); }
    VBool CoolUseGlow() const { return coolUseGlow_; }
    void SetCoolUseGlow(VBool value) { Store(coolUseGlow_, value); }
    const std::string& RightCaption() const { return rightCaption_; }
    void SetRightCaption(const std::string& value) { Store(rightCaption_, value); }
    std::int32_t FocusStyle() const { return focusStyle_; }
    void SetFocusStyle(std::int32_t value) { Store(focusStyle_, value); }
    const Picture& PicturePushed() const { return faces_.pushed; }
    void SetPicturePushed(const Picture& value) {
        StorePicture(faces_.pushed, faces_.hasPushed, value);
    }
    const Picture& PictureOver() const { return faces_.over; }
    void SetPictureOver(const Picture& value) { StorePicture(faces_.over, faces_.hasOver, value); }
    const Picture& PictureNormal() const { return faces_.normal; }
    void SetPictureNormal(const Picture& value) {
        StorePicture(faces_.normal, faces_.hasNormal, value);
    }
    const Picture& PictureDisabled() const { return faces_.disabled; }
    void SetPictureDisabled(const Picture& value) {
        StorePicture(faces_.disabled, faces_.hasDisabled, value);
    }
    const Picture& PictureOver2() const { return faces_.over2; }
    void SetPictureOver2(const Picture& value) {
        StorePicture(faces_.over2, faces_.hasOver2, value);
    }
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t value);

    void ShineEdges();

    // The interaction and animation state, for containers and tests that inspect it.
    struct State {
        bool pressed;
        bool hasFocus;
        std::int16_t hoverPhase;
        std::int16_t hoverState;
        std::int16_t shinePhase;
        std::int16_t shineLevel;
        bool hasPictureNormal, hasPictureOver, hasPictureOver2, hasPicturePushed,
            hasPictureDisabled;
    };
    State Inspect() const;

private:
    friend MemberSteps<NuvelHCommand>;
    friend FocusPart<NuvelHCommand>;
    friend const InterfaceTable& NuvelHCommandInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    Host& host_;

    // Stored properties.
    VBool useAnimation_ = kFalse;
    std::int32_t shineMode_ = 0;
    OleColor foreColor_ = 0;
    OleColor leftColor_ = 0;
    OleColor rightColor_ = 0;
    std::int32_t nuvelStyle_ = 0;
    VBool useOnTop_ = kFalse;
    std::string caption_;
    std::string leftCaption_;
    OleColor coolGlowColor_ = 0;
    VBool coolUseGlow_ = kFalse;
    std::string rightCaption_;
    std::int32_t focusStyle_ = 0;
    StatePictures faces_;
    std::int32_t pictureMode_ = 0;

    // Interaction and animation state.
    bool pressed_ = false;
    std::int16_t hoverPhase_ = 0; // -1 idle, up to 5
    std::int16_t hoverState_ = 0; // 0, 1 or 2
    std::int16_t shinePhase_ = 0; // 0 idle, 1 rising, 2 falling, 32 finishing
    std::int16_t shineLevel_ = 0; // 0-255
    bool pictureModeBusy_ = false;

public:
    // Host notifications.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;
    void Click() override;
    void DblClick() override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;

private:
    // Animation.
    void HoverStep();
    void DrawShineGlow(double sw, double sh);

    // Drawing.
    void Redraw();
    void DrawFace(bool enabled, double sw, double sh);
    std::optional<Picture> CustomFace() const;
    void DrawCaptions();
    void DrawFixedFocusOutline();
    void DrawScaledFocusOutline(double sw, double sh);
    void LeftArc(double x, double y, double r, OleColor c);
    void RightArc(double x, double y, double r, OleColor c);
    void ApplyPictureMode();

    // Helpers.
    // Stores a state picture and whether it holds a picture object, then notifies and repaints.
    void StorePicture(Picture& field, bool& present, const Picture& value,
                      Where where = __builtin_FUNCTION());
};

} // namespace nk
