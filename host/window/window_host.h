// The windowed host: a form in a real SDL2 window. WindowHost owns the window, the frame
// loop, the form's timer, the SDL audio player, modal forms in windows of their own and real
// message boxes, and hands the window's input to FormInput (host/input), which applies the kit's
// input rules. The window draws the form at its screen's device scale (see DrawableScale)
// and takes the pointer in points, which are the form's pixels.
#pragma once

#include "host/forms/form.h"
#include "host/forms/form_damage.h"
#include "host/input/form_input.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

union SDL_Event;

namespace nk {

// The VK code of an SDL key code; 0 for a key the kit does not name.
int VkFromSdl(std::int32_t sdlKey);
// The Shift state bits of an SDL key modifier state.
int ShiftFromSdl(std::uint32_t sdlMod);

// What `nuvelkit run` and the examples say when no display can show a window.
inline constexpr std::string_view kNoDisplayMessage =
    "no display: set DISPLAY or WAYLAND_DISPLAY, or use `nuvelkit render` to draw the form "
    "without a window";

// Whether a video driver draws nowhere a user can see (SDL's dummy and offscreen drivers).
bool IsHeadlessVideoDriver(std::string_view driver);
// The device scale a window draws at: the ratio of its drawable's size (pixels) to its size
// (points), the smaller of the two sides', snapped by NearestDeviceScale; 1 for an empty
// window.
double DrawableScale(int drawableW, int drawableH, int windowW, int windowH);
// How big a window must be, in points, to show a form at a device scale asked for by the user
// on a screen whose drawable has `ratio` device pixels per point: one point per form pixel,
// or more where the screen's own ratio is below the scale asked for (a screen that does not
// scale windows itself).
double PointsPerPixel(double askedScale, double ratio);

class SdlPlayer;

// What the window presented: how many times, and the rectangles of the last present (form
// pixels).
struct PresentRecord {
    int count = 0;
    std::vector<PixelBox> last;
};

class WindowHost {
public:
    struct Options {
        int frames = -1;        // stop after this many frames; -1: until the window closes
        bool startSound = true; // start the SDL audio device (off: samples stay queued)
        // The device scale to draw at (1, 1.5, 2 or 3; another is taken as the nearest of
        // them), whatever the screen's; 0: the window's drawable scale, followed as the
        // window moves between screens.
        double scale = 0;
    };

    // Opens the form's window (SDL video and audio are initialised here; tests use the dummy
    // or offscreen drivers). ok() says whether the window opened; error() why not. Without a
    // display (only a headless driver available and none asked for through SDL_VIDEODRIVER)
    // no window opens and error() is kNoDisplayMessage.
    WindowHost(Form& form, Options options);
    explicit WindowHost(Form& form) : WindowHost(form, Options{}) {}
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    bool ok() const { return window_ != nullptr; }
    const std::string& error() const { return error_; }
    // The SDL identifier of the form's window (0 when none opened).
    std::uint32_t windowId() const;
    Form& form() { return form_; }
    FormInput& input() { return input_; }
    SdlPlayer& player() { return *player_; }

    // Handles one SDL event (the window's input, closing). Returns false when the window
    // is to close.
    bool HandleEvent(const SDL_Event& event);
    // Steps the form's timer for every interval passed since the last step (at most a few
    // at once), then composes and presents what changed, if anything. The first frame gives
    // the focus to the first control that takes it and presents all of the window. `nowMs`
    // is a millisecond clock.
    void Frame(std::uint64_t nowMs);
    // The milliseconds until the form's next timer step is due (-1: no timer).
    int UntilNextTick(std::uint64_t nowMs) const;
    // The next frame composes and presents all of the window.
    void Invalidate();
    // Posts input to SDL's own queue, addressed to the form's window (an application's
    // scripted input, and the tests'): a button press or release (SDL button 1 left, 2
    // middle, 3 right), a key (SDL key code and modifier state) or a request to quit.
    void PostMouseButton(bool down, int sdlButton, int x, int y, int clicks = 1);
    void PostKey(bool down, std::int32_t sdlKey, std::uint16_t sdlMod = 0);
    void PostMouseMotion(int x, int y, std::uint32_t sdlButtonState = 0);
    void PostQuit();
    // Handles every event waiting in SDL's queue; false when the window is to close.
    bool Pump();
    // Asks for a new window size in points (a window manager may give another; never less
    // than the form's size). The area beyond the form shows the form's back colour.
    void SetWindowSize(int w, int h);
    // The frame last shown: the form in device pixels of its scale.
    const Image& shown() const { return shown_; }
    const PresentRecord& presented() const { return presented_; }
    // The window's points per form pixel (1 unless a scale was asked for that the screen
    // does not give).
    double pointsPerPixel() const { return points_; }
    // The pixels of the window's surface (0xFFRRGGBB), as presented.
    Image WindowPixels() const;
    // Runs until the window closes (or the frame limit); returns the number of frames. The
    // loop sleeps until input arrives or the timer's next step is due; a frame limit also
    // wakes it at least every 16 ms.
    int Run();

private:
    void OpenWindow();
    // Waits at most timeoutMs (-1: until input) for an event; false when none came.
    bool WaitEvent(SDL_Event& e, int timeoutMs);
    // Composes the areas that changed into shown_ and presents them.
    void Present();
    // Presents the areas (form pixels) as the shown frame holds them (device pixels).
    void PresentAreas(const std::vector<PixelBox>& areas, const std::vector<PixelBox>& deviceAreas);
    // The drawable's pixels per point now.
    double DrawableRatio() const;
    // Follows the window's drawable scale (or the scale asked for): the form draws again at
    // a new scale, and all of the window is presented again.
    void UpdateScale();
    // Shows a modal form in a window of its own until the form is closed.
    void RunModalForm(ModalForm& form);

    Form& form_;
    Options options_;
    FormInput input_;
    std::unique_ptr<SdlPlayer> player_;
    void* window_ = nullptr; // SDL_Window
    std::string error_;
    Image shown_;
    FormDamage damage_;
    PresentRecord presented_;
    bool repaintAll_ = true; // the window's surface lost what it showed
    std::uint64_t lastTick_ = 0;
    bool started_ = false;
    bool videoInitialised_ = false;
    bool headless_ = false; // the video driver shows nothing (tests, benchmarks)
    double points_ = 1.0;   // window points per form pixel
};

} // namespace nk
