// The windowed host's SDL side: the form's window, its frame loop and timer, the player,
// modal forms and message boxes.
#include "host/window/window_host.h"

#include "host/desktop/shell.h"
#include "host/hosts/compose.h"
#include "host/surface/surface_canvas.h"
#include "host/window/sdl_player.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace nk {

namespace {

SDL_Window* AsWindow(void* w) {
    return static_cast<SDL_Window*>(w);
}

// An image (0xAARRGGBB) as an SDL surface over its pixels, copied without blending.
struct SourceSurface {
    explicit SourceSurface(const Image& image)
        : surface(SDL_CreateRGBSurfaceWithFormatFrom(
              const_cast<std::uint32_t*>(image.pixels.data()), image.width, image.height, 32,
              image.width * 4, SDL_PIXELFORMAT_ARGB8888)) {
        if (surface) SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
    }
    ~SourceSurface() { SDL_FreeSurface(surface); }
    SourceSurface(const SourceSurface&) = delete;
    SourceSurface& operator=(const SourceSurface&) = delete;
    SDL_Surface* surface;
};

SDL_Rect ToSdl(const PixelBox& b) {
    return {b.left, b.top, b.Width(), b.Height()};
}

// A box scaled by (kx, ky), widened to whole pixels.
PixelBox ScaledBox(const PixelBox& b, double kx, double ky) {
    const auto down = [](double v) { return static_cast<int>(std::floor(v)); };
    const auto up = [](double v) { return static_cast<int>(std::ceil(v)); };
    return {down(b.left * kx), down(b.top * ky), up(b.right * kx), up(b.bottom * ky)};
}

// Device pixels per point of a drawable of dw x dh pixels in a window of ww x wh points: the
// smaller side's, 0 for an empty window.
double RatioOf(int dw, int dh, int ww, int wh) {
    if (ww <= 0 || wh <= 0) return 0;
    return std::min(static_cast<double>(dw) / ww, static_cast<double>(dh) / wh);
}

// Copies the areas of an image (0xAARRGGBB) onto a window's surface and presents them; each
// image pixel covers `pointsPerPixel` points of the window, so as many of the surface's
// pixels as that many points hold (a plain copy where that is one). With `fill`, the rest of
// the surface beyond the image is filled with that colour first and all of the surface is
// presented.
void Show(SDL_Window* window, const Image& image, const std::vector<PixelBox>& areas,
          std::optional<std::uint32_t> fill, double pointsPerPixel) {
    if (!window) return;
    SDL_Surface* target = SDL_GetWindowSurface(window);
    if (!target) return;
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window, &ww, &wh);
    const double kx = (ww > 0 ? static_cast<double>(target->w) / ww : 1.0) * pointsPerPixel;
    const double ky = (wh > 0 ? static_cast<double>(target->h) / wh : 1.0) * pointsPerPixel;
    const PixelBox whole = ScaledBox({0, 0, image.width, image.height}, kx, ky);
    if (fill) {
        const Uint32 back =
            SDL_MapRGB(target->format, (*fill >> 16) & 0xFF, (*fill >> 8) & 0xFF, *fill & 0xFF);
        const SDL_Rect right{whole.right, 0, target->w, target->h};
        const SDL_Rect below{0, whole.bottom, target->w, target->h};
        SDL_FillRect(target, &right, back);
        SDL_FillRect(target, &below, back);
    }
    const SourceSurface source(image);
    if (!source.surface) return;
    std::vector<SDL_Rect> rects;
    for (const PixelBox& area : areas) {
        SDL_Rect from = ToSdl(area);
        SDL_Rect to = ToSdl(ScaledBox(area, kx, ky));
        if (to.w == from.w && to.h == from.h)
            SDL_BlitSurface(source.surface, &from, target, &to);
        else
            SDL_BlitScaled(source.surface, &from, target, &to);
        rects.push_back(ToSdl(Intersect(ScaledBox(area, kx, ky), {0, 0, target->w, target->h})));
    }
    if (fill)
        SDL_UpdateWindowSurface(window);
    else if (!rects.empty())
        SDL_UpdateWindowSurfaceRects(window, rects.data(), static_cast<int>(rects.size()));
}

void ShowAll(SDL_Window* window, const Image& image, std::uint32_t fill) {
    Show(window, image, {{0, 0, image.width, image.height}}, fill, 1.0);
}

bool VideoDriverAsked() {
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return asked && *asked;
}

int ButtonFromSdl(std::uint8_t button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return kLeftButton;
    case SDL_BUTTON_RIGHT:
        return kRightButton;
    case SDL_BUTTON_MIDDLE:
        return kMiddleButton;
    default:
        return 0;
    }
}

int ButtonsFromSdlState(std::uint32_t state) {
    int buttons = 0;
    if (state & SDL_BUTTON_LMASK) buttons |= kLeftButton;
    if (state & SDL_BUTTON_RMASK) buttons |= kRightButton;
    if (state & SDL_BUTTON_MMASK) buttons |= kMiddleButton;
    return buttons;
}

} // namespace

bool IsHeadlessVideoDriver(std::string_view driver) {
    return driver == "dummy" || driver == "offscreen" || driver == "evdev";
}

double DrawableScale(int drawableW, int drawableH, int windowW, int windowH) {
    return NearestDeviceScale(RatioOf(drawableW, drawableH, windowW, windowH));
}

double PointsPerPixel(double askedScale, double ratio) {
    if (!(askedScale > 0) || !(ratio >= 1.0)) ratio = 1.0;
    return askedScale > ratio ? askedScale / ratio : 1.0;
}

int VkFromSdl(std::int32_t key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    switch (key) {
    case SDLK_BACKSPACE:
        return vk::kBack;
    case SDLK_TAB:
        return vk::kTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return vk::kReturn;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return vk::kShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return vk::kControl;
    case SDLK_LALT:
    case SDLK_RALT:
        return vk::kMenu;
    case SDLK_ESCAPE:
        return vk::kEscape;
    case SDLK_SPACE:
        return vk::kSpace;
    case SDLK_PAGEUP:
        return 33;
    case SDLK_PAGEDOWN:
        return 34;
    case SDLK_END:
        return 35;
    case SDLK_HOME:
        return 36;
    case SDLK_LEFT:
        return vk::kLeft;
    case SDLK_UP:
        return vk::kUp;
    case SDLK_RIGHT:
        return vk::kRight;
    case SDLK_DOWN:
        return vk::kDown;
    case SDLK_INSERT:
        return 45;
    case SDLK_DELETE:
        return 46;
    default:
        return 0;
    }
}

int ShiftFromSdl(std::uint32_t mod) {
    int shift = 0;
    if (mod & KMOD_SHIFT) shift |= kShiftMask;
    if (mod & KMOD_CTRL) shift |= kCtrlMask;
    if (mod & KMOD_ALT) shift |= kAltMask;
    return shift;
}

WindowHost::WindowHost(Form& form, Options options)
    : form_(form), options_(options), input_(form),
      player_(std::make_unique<SdlPlayer>(SdlPlayer::Options{options.startSound})) {
    ContainerHooks hooks;
    hooks.player = [this](std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
        player_->Play(std::move(image), id);
    };
    hooks.shell = [](const std::string& address) { return OpenWithDesktop(address); };
    hooks.messageBox = [](int, const std::string& title, const std::string& text) {
        // Style 16 is the critical-error icon with an OK button.
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
    };
    hooks.runDialog = [this](ModalForm& modal) { RunModalForm(modal); };
    form_.SetHooks(hooks);
    if (options_.scale > 0) options_.scale = NearestDeviceScale(options_.scale);

    OpenWindow();
}

void WindowHost::OpenWindow() {
    // The window's pixels are a plain software surface: no GL context, no renderer threads.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const bool asked = VideoDriverAsked();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = asked ? std::string("cannot start SDL video: ") + SDL_GetError()
                       : std::string(kNoDisplayMessage);
        return;
    }
    videoInitialised_ = true;
    // Left to itself, SDL falls back to a driver that draws nowhere: nobody would see the form.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!asked && (!driver || IsHeadlessVideoDriver(driver))) {
        error_ = std::string(kNoDisplayMessage);
        return;
    }
    headless_ = driver && IsHeadlessVideoDriver(driver);
    const FormSettings& s = form_.settings();
    const int w = std::max(s.width, 1), h = std::max(s.height, 1);
    window_ = SDL_CreateWindow(s.caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w,
                               h, SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
        error_ = std::string("cannot open the form's window: ") + SDL_GetError();
        return;
    }
    SDL_SetWindowMinimumSize(AsWindow(window_), w, h);
    if (options_.scale > 0) {
        // A screen that does not scale windows itself gets a window large enough for the
        // device pixels asked for.
        points_ = PointsPerPixel(options_.scale, DrawableRatio());
        if (points_ != 1.0) {
            const int pw = static_cast<int>(std::lround(w * points_));
            const int ph = static_cast<int>(std::lround(h * points_));
            SDL_SetWindowMinimumSize(AsWindow(window_), pw, ph);
            SDL_SetWindowSize(AsWindow(window_), pw, ph);
        }
    }
    UpdateScale();
}

double WindowHost::DrawableRatio() const {
    if (!window_) return 1.0;
    int ww = 0, wh = 0, pw = 0, ph = 0;
    SDL_GetWindowSize(AsWindow(window_), &ww, &wh);
    SDL_GetWindowSizeInPixels(AsWindow(window_), &pw, &ph);
    const double ratio = RatioOf(pw, ph, ww, wh);
    return ratio > 0 ? ratio : 1.0;
}

void WindowHost::UpdateScale() {
    const double scale = options_.scale > 0 ? options_.scale : NearestDeviceScale(DrawableRatio());
    if (scale != form_.scale()) {
        form_.SetScale(scale);
        damage_.Reset();
    }
    repaintAll_ = true;
}

WindowHost::~WindowHost() {
    // The hooks point at this host: the form outlives it without them.
    form_.SetHooks({});
    if (window_) SDL_DestroyWindow(AsWindow(window_));
    if (videoInitialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint32_t WindowHost::windowId() const {
    return window_ ? SDL_GetWindowID(AsWindow(window_)) : 0;
}

bool WindowHost::HandleEvent(const SDL_Event& e) {
    const std::uint32_t id = windowId();
    switch (e.type) {
    case SDL_QUIT:
        return false;
    case SDL_WINDOWEVENT:
        if (e.window.windowID == id && e.window.event == SDL_WINDOWEVENT_CLOSE) return false;
        if (e.window.windowID != id) return true;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            // Presented with the next frame, which follows every batch of events.
            repaintAll_ = true;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_DISPLAY_CHANGED:
            // The window may now lie on a screen of another scale.
            UpdateScale();
            break;
        default:
            break;
        }
        return true;
    case SDL_MOUSEBUTTONDOWN: {
        const int button = ButtonFromSdl(e.button.button);
        if (button == 0 || e.button.windowID != id) return true;
        const int clicks = e.button.clicks >= 2 && e.button.clicks % 2 == 0 ? 2 : 1;
        input_.MouseDown(button, ShiftFromSdl(SDL_GetModState()), e.button.x / points_,
                         e.button.y / points_, clicks);
        return true;
    }
    case SDL_MOUSEBUTTONUP: {
        const int button = ButtonFromSdl(e.button.button);
        if (button == 0 || e.button.windowID != id) return true;
        input_.MouseUp(button, ShiftFromSdl(SDL_GetModState()), e.button.x / points_,
                       e.button.y / points_);
        return true;
    }
    case SDL_MOUSEMOTION:
        if (e.motion.windowID != id) return true;
        input_.MouseMove(ButtonsFromSdlState(e.motion.state), ShiftFromSdl(SDL_GetModState()),
                         e.motion.x / points_, e.motion.y / points_);
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int code = VkFromSdl(e.key.keysym.sym);
        if (code == 0) return true;
        const int shift = ShiftFromSdl(e.key.keysym.mod);
        if (e.type == SDL_KEYDOWN)
            input_.KeyDown(code, shift);
        else
            input_.KeyUp(code, shift);
        return true;
    }
    default:
        return true;
    }
}

void WindowHost::PostMouseButton(bool down, int sdlButton, int x, int y, int clicks) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = windowId();
    e.button.button = static_cast<std::uint8_t>(sdlButton);
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = static_cast<std::uint8_t>(clicks);
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void WindowHost::PostKey(bool down, std::int32_t sdlKey, std::uint16_t sdlMod) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = windowId();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sdlKey;
    e.key.keysym.mod = sdlMod;
    SDL_PushEvent(&e);
}

void WindowHost::PostMouseMotion(int x, int y, std::uint32_t state) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = windowId();
    e.motion.state = state;
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
}

void WindowHost::PostQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

bool WindowHost::Pump() {
    // Every event in the queue, not only those before the mark SDL's polling leaves in it.
    SDL_PumpEvents();
    bool open = true;
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        open = HandleEvent(e) && open;
    return open;
}

void WindowHost::Frame(std::uint64_t nowMs) {
    const int interval = form_.settings().timerInterval;
    if (!started_) {
        started_ = true;
        lastTick_ = nowMs;
        input_.FocusFirst();
    } else if (interval > 0) {
        // A late frame catches up a few steps, not an unbounded backlog.
        int steps = 0;
        while (nowMs - lastTick_ >= static_cast<std::uint64_t>(interval) && steps < 4) {
            form_.Tick();
            lastTick_ += static_cast<std::uint64_t>(interval);
            ++steps;
        }
        if (steps == 4) lastTick_ = nowMs;
    }
    Present();
}

int WindowHost::UntilNextTick(std::uint64_t nowMs) const {
    const int interval = form_.settings().timerInterval;
    if (interval <= 0) return -1;
    if (!started_) return 0;
    const std::uint64_t due = lastTick_ + static_cast<std::uint64_t>(interval);
    return due > nowMs ? static_cast<int>(due - nowMs) : 0;
}

void WindowHost::Invalidate() {
    damage_.Reset();
    repaintAll_ = true;
}

void WindowHost::Present() {
    const FormSettings& s = form_.settings();
    const double scale = form_.scale();
    const int w = std::max(s.width, 0), h = std::max(s.height, 0);
    const PixelBox device{0, 0, static_cast<int>(std::lround(w * scale)),
                          static_cast<int>(std::lround(h * scale))};
    if (shown_.width != device.right || shown_.height != device.bottom) {
        shown_ = Image(device.right, device.bottom);
        damage_.Reset();
    }
    std::vector<PixelBox> areas = damage_.Collect(form_);
    std::vector<PixelBox> deviceAreas;
    for (const PixelBox& area : areas) {
        deviceAreas.push_back(Intersect(ScaledBox(area, scale, scale), device));
        ComposeFormArea(form_, shown_, deviceAreas.back());
    }
    if (repaintAll_) {
        areas = {{0, 0, w, h}};
        deviceAreas = {device};
    }
    PresentAreas(areas, deviceAreas);
}

void WindowHost::PresentAreas(const std::vector<PixelBox>& areas,
                              const std::vector<PixelBox>& deviceAreas) {
    if (areas.empty()) return;
    std::optional<std::uint32_t> fill;
    if (repaintAll_) fill = ResolveColor(form_.settings().backColor);
    repaintAll_ = false;
    Show(AsWindow(window_), shown_, deviceAreas, fill, points_ / form_.scale());
    ++presented_.count;
    presented_.last = areas;
}

void WindowHost::SetWindowSize(int w, int h) {
    if (!window_) return;
    SDL_SetWindowSize(AsWindow(window_), w, h);
    repaintAll_ = true;
}

Image WindowHost::WindowPixels() const {
    SDL_Surface* target = window_ ? SDL_GetWindowSurface(AsWindow(window_)) : nullptr;
    if (!target) return {};
    Image out(target->w, target->h);
    SDL_ConvertPixels(target->w, target->h, target->format->format, target->pixels, target->pitch,
                      SDL_PIXELFORMAT_ARGB8888, out.pixels.data(), target->w * 4);
    for (std::uint32_t& px : out.pixels)
        px |= 0xFF000000u;
    return out;
}

bool WindowHost::WaitEvent(SDL_Event& e, int timeoutMs) {
    if (!headless_) return SDL_WaitEventTimeout(&e, timeoutMs) != 0;
    // SDL's headless drivers cannot sleep until input arrives and would poll SDL's queue every
    // millisecond; nothing but posted events can arrive there, so sleep in longer slices.
    constexpr int kHeadlessSliceMs = 50;
    if (SDL_PollEvent(&e)) return true;
    const int slice = timeoutMs < 0 ? kHeadlessSliceMs : std::min(timeoutMs, kHeadlessSliceMs);
    if (slice > 0) SDL_Delay(static_cast<std::uint32_t>(slice));
    return SDL_PollEvent(&e) != 0;
}

int WindowHost::Run() {
    if (!ok()) return 0;
    constexpr int kScriptedFrameMs = 16;
    Frame(SDL_GetTicks64());
    int frames = 1;
    bool running = true;
    while (running && (options_.frames < 0 || frames < options_.frames)) {
        int wait = UntilNextTick(SDL_GetTicks64());
        if (options_.frames >= 0 && (wait < 0 || wait > kScriptedFrameMs)) wait = kScriptedFrameMs;
        SDL_Event e;
        if (WaitEvent(e, wait)) running = HandleEvent(e) && Pump();
        if (!running) break;
        Frame(SDL_GetTicks64());
        ++frames;
    }
    return frames;
}

// A modal form as a window of its own: the main window takes no input while it is shown.
// Closing the window closes the form.
void WindowHost::RunModalForm(ModalForm& modal) {
    SDL_Window* dialog = SDL_CreateWindow(modal.Caption().c_str(), SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, modal.Width(), modal.Height(), 0);
    if (!dialog) {
        modal.Close();
        return;
    }
    const std::uint32_t id = SDL_GetWindowID(dialog);
    bool quit = false;
    auto draw = [&] {
        SurfaceCanvas canvas(modal.Width(), modal.Height(), kButtonFace, kButtonText, Font{});
        modal.Draw(canvas);
        ShowAll(dialog, canvas.pixels(), ResolveColor(kButtonFace));
    };
    draw();
    while (!modal.Closed()) {
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, 100)) continue;
        if (e.type == SDL_QUIT) {
            quit = true;
            modal.Close();
        } else if (e.type == SDL_WINDOWEVENT && e.window.windowID == id) {
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) modal.Close();
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) draw();
        } else if (e.type == SDL_KEYDOWN) {
            // The form is modal: every key while it is shown is the form's.
            if (const int key = VkFromSdl(e.key.keysym.sym)) modal.KeyDown(key);
        } else if (e.type == SDL_MOUSEBUTTONDOWN && e.button.windowID == id &&
                   e.button.button == SDL_BUTTON_LEFT) {
            modal.MouseDown(e.button.x, e.button.y);
            draw();
        } else if (e.type == SDL_MOUSEBUTTONUP && e.button.windowID == id &&
                   e.button.button == SDL_BUTTON_LEFT) {
            const std::string clicked = modal.MouseUp(e.button.x, e.button.y);
            draw();
            if (!clicked.empty()) modal.Click(clicked);
        }
    }
    SDL_DestroyWindow(dialog);
    if (quit) { // the application was asked to end while the dialog was up
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    }
}

} // namespace nk
