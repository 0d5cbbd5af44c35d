// NuvelScreen: a decorative panel framed like the screen of a device, in a green, cyan or
// blue scheme (the custom type draws no frame). Corners keep their size, edges stretch
// between them and the scheme's colour fills the rest. It has no state beyond its look and
// passes the host's mouse and keyboard input on to the application as events.
#pragma once

#include "framework/control.h"
#include "framework/enumerations.h"
#include "framework/events.h"
#include "framework/host.h"
#include "framework/interface_table.h"
#include "framework/member_steps.h"
#include "framework/shared_members.h"
#include "set1/about/about.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nk {

enum NKScreenTypes : std::int32_t {
    NKGreenScreen = 0,
    NKCyanScreen = 1,
    NKBlueScreen = 2,
    NKCustomScreen = 3,
};
inline constexpr EnumMember kScreenTypesMembers[] = {
    {"NKGreenScreen", 0}, {"NKCyanScreen", 1}, {"NKBlueScreen", 2}, {"NKCustomScreen", 3}};
inline constexpr EnumInfo kScreenTypesEnum = {"NKScreenTypes", kScreenTypesMembers};

// The interface table of the NuvelScreen class (library nuvset1).
const InterfaceTable& NuvelScreenInterface();

class NuvelScreen final
    : public Control,
      public MouseIconPart<MousePointerPart<MemberSteps<NuvelScreen>, Steps::NotifyOnly>,
                           Steps::NotifyOnly> {
public:
    // The events of the class's event interface, by number: double click and click come
    // first, in that order.
    enum class Event : int {
        DblClick = 1,
        Click = 2,
        KeyDown = 3,
        KeyPress = 4,
        KeyUp = 5,
        MouseDown = 6,
        MouseMove = 7,
        MouseUp = 8,
    };

    explicit NuvelScreen(Host& host);
    const InterfaceTable& Interface() const override { return NuvelScreenInterface(); }

    // Properties, in interface order.
    std::int32_t ScreenType() const { return screenType_; }
    void SetScreenType(std::int32_t type) { Store(screenType_, type); }
    std::int16_t BorderStyle() const { return host_.BorderStyle(); }
    void SetBorderStyle(std::int16_t style) {
        host_.SetBorderStyle(style);
        Changed();
    }
    // MousePointer and MouseIcon come from the shared parts: they go to the surface without
    // a repaint.

    // Methods.
    void AboutMe() { nk::AboutMe(host_); }
    void TimerInvoke() {}
    // Opens the named file for reading and closes it at once, reading nothing. The one
    // method of the kit whose failure reaches its caller: the host's file error.
    FileError LoadScreenDataFile(const std::string& gFilename);

private:
    friend MemberSteps<NuvelScreen>;
    friend const InterfaceTable& NuvelScreenInterface();
    // The member table's rows, in interface order, each with its part in the lifecycle.
    static std::vector<PropertyInfo> Rows();

    Host& host_;
    std::int32_t screenType_ = NKGreenScreen;

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
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void Redraw();
};

} // namespace nk
