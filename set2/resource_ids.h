// The numbers of the nuvset2 resources, named once: the controls load them under these names,
// the generator draws them under these names and the resource list describes them under
// these names.
#pragma once

namespace nk::nuvset2 {

// NuvelFill's end caps: 17 x 42 at the ends of a horizontal bar, 42 x 17 of a vertical one.
inline constexpr int kLeftCap = 101;
inline constexpr int kRightCap = 102;
inline constexpr int kTopCap = 103;
inline constexpr int kBottomCap = 104;

// NuvelFill's fills: the first of kFillCount, by FillStyle, then the disabled grey; 10 x 42
// along a horizontal bar, 42 x 10 along a vertical one.
inline constexpr int kFirstHorizontalFill = 110;
inline constexpr int kHorizontalDisabledFill = 118;
inline constexpr int kFirstVerticalFill = 120;
inline constexpr int kVerticalDisabledFill = 128;
inline constexpr int kFillCount = 8;

// NuvelPad's pieces of one look: its skin, the held arrows, its two status lights dark and
// lit (a look with one light shows it twice) and its one-bit mask.
struct PadIds {
    int skin;
    int leftArrow;
    int rightArrow;
    int upArrow;
    int downArrow;
    int firstDark;
    int firstLit;
    int secondDark;
    int secondLit;
    int mask;
};
inline constexpr PadIds kMilitaryPad = {130, 131, 132, 133, 134, 135, 136, 135, 136, 137};
inline constexpr PadIds kAquaishPad = {140, 141, 142, 143, 144, 145, 146, 147, 148, 149};
inline constexpr PadIds kElectronicPad = {150, 151, 152, 153, 154, 155, 156, 155, 156, 157};

// The toolbox images, 16 x 15.
inline constexpr int kFillToolboxImage = 30000;
inline constexpr int kPadToolboxImage = 30001;

} // namespace nk::nuvset2
