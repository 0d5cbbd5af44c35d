// NuvelPad, the directional pad of nuvset2. It keeps a point (XValue, YValue) in a
// cartesian plane and moves it by exactly one unit per step, raising the step's direction
// event and XYRefresh. Steps come from the Tweak and Force methods, from TimerInvoke while
// a direction is held, from the four arrow hot zones Image1(0) to Image1(3), from the
// keyboard and from the access keys u, d, l, r. The pad draws itself from built-in
// bitmaps: one of three skins, two status lights and the held arrow.
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

// The pad skins.
enum NuvlDirPadNuvels : std::int32_t {
    NuvlMilitaryDir = 0,
    NuvlAquaishDir = 1,
    NuvlElectronicDir = 2,
};
inline constexpr EnumMember kPadNuvelsMembers[] = {
    {"NuvlMilitaryDir", 0}, {"NuvlAquaishDir", 1}, {"NuvlElectronicDir", 2}};
inline constexpr EnumInfo kPadNuvelsEnum = {"NuvlDirPadNuvels", kPadNuvelsMembers};

class NuvelPad final
    : public PassedInput<NuvelPad>,
      public MousePointerPart<
          MouseIconPart<EnabledPart<MemberSteps<NuvelPad>, Steps::NotifyThenRedraw>,
                        Steps::NotifyThenRedraw>,
          Steps::NotifyThenRedraw> {
public:
    // The events of the class's event interface, by number.
    enum class Event : int {
        MouseMove = 1,
        MouseUp = 2,
        MouseDown = 3,
        KeyDown = 4,
        KeyPress = 5,
        KeyUp = 6,
        DblClick = 7,
        Click = 8,
        GoLeft = 9,
        GoRight = 10,
        GoUp = 11,
        GoDown = 12,
        XYRefresh = 13,
    };

    // The held direction; zone Image1(i) holds direction i + 1.
    enum Direction : std::int16_t {
        kNoDirection = 0,
        kLeft = 1,
        kRight = 2,
        kUp = 3,
        kDown = 4,
    };

    explicit NuvelPad(Host& host);
    const InterfaceTable& Interface() const override;

    // The interface `_NuvelPad`, in its order. The tool tips only reach the hot zones;
    // nothing is repainted.
    const std::string& LeftToolTip() const { return leftToolTip_; }
    void SetLeftToolTip(const std::string& value) { StoreTip(leftToolTip_, value); }
    const std::string& RightToolTip() const { return rightToolTip_; }
    void SetRightToolTip(const std::string& value) { StoreTip(rightToolTip_, value); }
    const std::string& UpToolTip() const { return upToolTip_; }
    void SetUpToolTip(const std::string& value) { StoreTip(upToolTip_, value); }
    const std::string& DownToolTip() const { return downToolTip_; }
    void SetDownToolTip(const std::string& value) { StoreTip(downToolTip_, value); }
    std::int32_t BorderStyle() const { return host_.BorderStyle(); }
    // The surface keeps its border style in 16 bits; a value that does not fit is not
    // stored, and the rest of the setter goes on.
    void SetBorderStyle(std::int32_t value) {
        if (auto narrow = RoundToInt16(value)) host_.SetBorderStyle(*narrow);
        Changed();
    }
    void TimerInvoke();
    std::int32_t PictureMode() const { return pictureMode_; }
    void SetPictureMode(std::int32_t value) { StoreShape(pictureMode_, value); }
    OleColor ForeColor() const { return foreColor_; }
    void SetForeColor(OleColor value) { Store(foreColor_, value); }
    Font GetFont() const { return host_.GetFont(); }
    void SetFont(const Font& value) {
        host_.SetFont(value);
        Changed();
    }
    std::int32_t NuvelStyle() const { return nuvelStyle_; }
    void SetNuvelStyle(std::int32_t value) { StoreShape(nuvelStyle_, value); }
    std::int16_t StatusLight1() const { return statusLight1_; }
    void SetStatusLight1(std::int16_t value) { StoreLight(statusLight1_, shownLight1_, value); }
    std::int16_t StatusLight2() const { return statusLight2_; }
    void SetStatusLight2(std::int16_t value) { StoreLight(statusLight2_, shownLight2_, value); }
    void TweakLeft() { Tweak(kLeft); }
    void TweakRight() { Tweak(kRight); }
    void TweakUp() { Tweak(kUp); }
    void TweakDown() { Tweak(kDown); }
    void ForceLeft() { Force(kLeft); }
    void ForceDown() { Force(kDown); }
    void ForceUp() { Force(kUp); }
    void ForceRight() { Force(kRight); }
    void ForceNeutral();
    float XValue() const { return xValue_; }
    void SetXValue(float value) { StorePosition(xValue_, value); }
    float YValue() const { return yValue_; }
    void SetYValue(float value) { StorePosition(yValue_, value); }
    VBool UseDirectionShortKeys() const { return useDirectionShortKeys_; }
    void SetUseDirectionShortKeys(VBool value);

    // Host notifications. Outside the hot zones the pad passes its mouse and click
    // notifications on as the events of the same names.
    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Paint() override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    // The hot zones Image1(0) to Image1(3).
    void ChildMouseDown(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                        float y) override;
    void ChildMouseUp(ChildRef child, std::int16_t button, std::int16_t shift, float x,
                      float y) override;

private:
    friend PassedInput<NuvelPad>;
    friend MemberSteps<NuvelPad>;
    friend const InterfaceTable& NuvelPadInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    // The setters' steps beyond storing and notifying: the tool tips reach the hot zones,
    // the skin and picture mode reshape the pad, a status light repaints when it changed,
    // and the position raises XYRefresh.
    void StoreTip(std::string& field, const std::string& value, Where where = __builtin_FUNCTION());
    void StoreShape(std::int32_t& field, std::int32_t value, Where where = __builtin_FUNCTION());
    void StoreLight(std::int16_t& field, std::int16_t& shown, std::int16_t value,
                    Where where = __builtin_FUNCTION());
    void StorePosition(float& field, float value, Where where = __builtin_FUNCTION());

    // One step: move the point one unit in the direction, then raise its event. Any
    // other direction makes no step.
    void Step(std::int16_t direction);
    void Tweak(Direction direction);
    void Force(Direction direction);
    void RaiseXYRefresh();
    void ApplyToolTips();
    void ApplyShortKeys();

    // Painting, shape and size.
    void Redraw();
    void ApplyStyleLayout();
    void ApplyPadSize();
    void PaintBitmap(int id, double x, double y);

    Host& host_;
    OleColor foreColor_ = 0;
    std::int32_t nuvelStyle_ = 0;
    std::int16_t statusLight1_ = 0;
    std::int16_t statusLight2_ = 0;
    // The status-light values that the setters last acted on (not persisted).
    std::int16_t shownLight1_ = 0;
    std::int16_t shownLight2_ = 0;
    VBool useDirectionShortKeys_ = kFalse;
    std::string leftToolTip_;
    std::string rightToolTip_;
    std::string upToolTip_;
    std::string downToolTip_;
    float xValue_ = 0;
    float yValue_ = 0;
    std::int32_t pictureMode_ = 0;
    std::int16_t activeDirection_ = kNoDirection;
};

// The interface table of NuvelPad (library nuvset2, type library Nuvelkit4).
const InterfaceTable& NuvelPadInterface();

} // namespace nk
