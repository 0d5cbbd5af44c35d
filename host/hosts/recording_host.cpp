#include "host/hosts/recording_host.h"

#include "host/hosts/format.h"
#include "host/surface/forwarding_canvas.h"

#include <ostream>
#include <string>

namespace nk {

void TraceSink::Line(const std::string& line) {
    if (muted_) return;
    *out_ << line << '\n';
}

namespace {

std::string N(double v) {
    return FormatNumber(v);
}

// The operations every surface shares, forwarded to the headless surface; those that draw
// or change a setting are printed first, with a prefix ("" for the control's own surface,
// "Picture1." for a child picture box). Reads print nothing.
template <class Base, class Inner> class RecordingCanvas : public ForwardingCanvas<Base, Inner> {
public:
    RecordingCanvas(Inner& inner, TraceSink& sink, std::string prefix)
        : ForwardingCanvas<Base, Inner>(inner), inner_(inner), sink_(sink),
          prefix_(std::move(prefix)) {}

    void SetForeColor(OleColor c) override {
        Out("ForeColor " + FormatColor(c));
        inner_.SetForeColor(c);
    }
    void SetBackColor(OleColor c) override {
        Out("BackColor " + FormatColor(c));
        inner_.SetBackColor(c);
    }
    void SetFont(const Font& f) override {
        Out("Font " + FormatFont(f));
        inner_.SetFont(f);
    }
    void SetDrawWidth(int width) override {
        Out("DrawWidth " + std::to_string(width));
        inner_.SetDrawWidth(width);
    }
    bool Cls() override {
        Out("Cls");
        return inner_.Cls();
    }
    bool Line(double x1, double y1, double x2, double y2, OleColor c, LineKind kind) override {
        std::string line =
            "Line " + N(x1) + " " + N(y1) + " " + N(x2) + " " + N(y2) + " " + FormatColor(c);
        if (kind == LineKind::Box) line += " B";
        if (kind == LineKind::FilledBox) line += " BF";
        Out(line);
        return inner_.Line(x1, y1, x2, y2, c, kind);
    }
    bool Circle(double x, double y, double r, OleColor c) override {
        Out("Circle " + N(x) + " " + N(y) + " " + N(r) + " " + FormatColor(c));
        return inner_.Circle(x, y, r, c);
    }
    bool Arc(double x, double y, double r, OleColor c, double start, double end) override {
        Out("Circle " + N(x) + " " + N(y) + " " + N(r) + " " + FormatColor(c) + " " + N(start) +
            " " + N(end));
        return inner_.Arc(x, y, r, c, start, end);
    }
    bool PaintPicture(const Picture& p, double x, double y) override {
        Out("PaintPicture " + FormatPicture(p) + " " + N(x) + " " + N(y));
        return inner_.PaintPicture(p, x, y);
    }
    bool PaintPicture(const Picture& p, double x, double y, double w, double h) override {
        Out("PaintPicture " + FormatPicture(p) + " " + N(x) + " " + N(y) + " " + N(w) + " " + N(h));
        return inner_.PaintPicture(p, x, y, w, h);
    }
    bool Print(std::string_view text) override {
        Out("Print " + QuoteString(text) + " " + N(inner_.CurrentX()) + " " + N(inner_.CurrentY()));
        return inner_.Print(text);
    }
    bool DrawText(std::string_view text, const Rect& r, unsigned flags) override {
        Out("DrawText " + QuoteString(text) + " " + std::to_string(r.left) + " " +
            std::to_string(r.top) + " " + std::to_string(r.right) + " " + std::to_string(r.bottom) +
            " " + std::to_string(flags));
        return inner_.DrawText(text, r, flags);
    }
    void Refresh() override {
        Out("Refresh");
        inner_.Refresh();
    }

protected:
    void Out(const std::string& line) { sink_.Line(prefix_ + line); }

    Inner& inner_;
    TraceSink& sink_;
    std::string prefix_;
};

class RecordingPictureBox : public RecordingCanvas<PictureBox, HeadlessPictureBox> {
public:
    RecordingPictureBox(HeadlessPictureBox& inner, TraceSink& sink)
        : RecordingCanvas(inner, sink, std::string(inner.name()) + ".") {}

    bool Move(double left, double top, double width, double height) override {
        Out("Move " + N(left) + " " + N(top) + " " + N(width) + " " + N(height));
        return inner_.Move(left, top, width, height);
    }
    void SetAutoRedraw(bool on) override {
        Out("AutoRedraw " + FormatBoolean(ToVBool(on)));
        inner_.SetAutoRedraw(on);
    }
    Picture Image() override { return inner_.Image(); }
    HeadlessPictureBox& inner() { return inner_; }
};

class RecordingShape : public Shape {
public:
    RecordingShape(HeadlessShape& inner, TraceSink& sink)
        : inner_(inner), sink_(sink), prefix_(std::string(inner.name()) + ".") {}

    bool Move(double left, double top, double width, double height) override {
        Out("Move " + N(left) + " " + N(top) + " " + N(width) + " " + N(height));
        return inner_.Move(left, top, width, height);
    }
    void SetVisible(bool visible) override {
        Out("Visible " + FormatBoolean(ToVBool(visible)));
        inner_.SetVisible(visible);
    }
    bool Visible() const override { return inner_.Visible(); }
    void SetFillColor(OleColor c) override {
        Out("FillColor " + FormatColor(c));
        inner_.SetFillColor(c);
    }
    HeadlessShape& inner() { return inner_; }

private:
    void Out(const std::string& line) { sink_.Line(prefix_ + line); }
    HeadlessShape& inner_;
    TraceSink& sink_;
    std::string prefix_;
};

class RecordingZone : public ImageZone {
public:
    RecordingZone(HeadlessZone& inner, TraceSink& sink)
        : inner_(inner), sink_(sink),
          prefix_(std::string(inner.name()) + "(" + std::to_string(inner.index()) + ").") {}

    bool Move(double left, double top, double width, double height) override {
        Out("Move " + N(left) + " " + N(top) + " " + N(width) + " " + N(height));
        return inner_.Move(left, top, width, height);
    }
    void SetToolTipText(const std::string& text) override {
        Out("ToolTipText " + QuoteString(text));
        inner_.SetToolTipText(text);
    }
    HeadlessZone& inner() { return inner_; }

private:
    void Out(const std::string& line) { sink_.Line(prefix_ + line); }
    HeadlessZone& inner_;
    TraceSink& sink_;
    std::string prefix_;
};

class RecordingHost : public RecordingCanvas<Host, HeadlessHost> {
public:
    RecordingHost(HeadlessHost& inner, TraceSink& sink) : RecordingCanvas(inner, sink, "") {
        for (const auto& b : inner.pictureBoxes())
            boxes_.push_back(std::make_unique<RecordingPictureBox>(*b, sink));
        for (const auto& s : inner.shapes())
            shapes_.push_back(std::make_unique<RecordingShape>(*s, sink));
        for (const auto& z : inner.zones())
            zones_.push_back(std::make_unique<RecordingZone>(*z, sink));
    }

    bool Enabled() const override { return inner_.Enabled(); }
    void SetEnabled(bool on) override {
        Out("Enabled " + FormatBoolean(ToVBool(on)));
        inner_.SetEnabled(on);
    }
    std::int16_t BorderStyle() const override { return inner_.BorderStyle(); }
    void SetBorderStyle(std::int16_t style) override {
        Out("BorderStyle " + std::to_string(style));
        inner_.SetBorderStyle(style);
    }
    std::int16_t MousePointer() const override { return inner_.MousePointer(); }
    void SetMousePointer(std::int16_t pointer) override {
        Out("MousePointer " + std::to_string(pointer));
        inner_.SetMousePointer(pointer);
    }
    Picture MouseIcon() const override { return inner_.MouseIcon(); }
    void SetMouseIcon(const Picture& icon) override {
        Out("MouseIcon " + FormatPicture(icon));
        inner_.SetMouseIcon(icon);
    }
    void SetMaskPicture(const Picture& mask) override {
        Out("MaskPicture " + FormatPicture(mask));
        inner_.SetMaskPicture(mask);
    }
    void SetAccessKeys(const std::string& keys) override {
        Out("AccessKeys " + QuoteString(keys));
        inner_.SetAccessKeys(keys);
    }
    double Width() const override { return inner_.Width(); }
    double Height() const override { return inner_.Height(); }
    bool SetWidth(double twips) override {
        Out("Width " + N(twips));
        return inner_.SetWidth(twips);
    }
    bool SetHeight(double twips) override {
        Out("Height " + N(twips));
        return inner_.SetHeight(twips);
    }
    std::string AmbientDisplayName() const override { return inner_.AmbientDisplayName(); }
    Font AmbientFont() const override { return inner_.AmbientFont(); }
    void PropertyChanged(std::string_view name) override {
        Out("PropertyChanged " + std::string(name));
        inner_.PropertyChanged(name);
    }
    void RaiseEvent(int number, std::span<const EventArg> args) override {
        Out(FormatRaiseEvent(inner_.table().FindEvent(number), number, args));
        inner_.RaiseEvent(number, args);
    }
    bool SetCapture() override {
        Out("SetCapture");
        return inner_.SetCapture();
    }
    void ReleaseCapture() override {
        Out("ReleaseCapture");
        inner_.ReleaseCapture();
    }
    Picture LoadResPicture(int id) override { return inner_.LoadResPicture(id); }
    std::shared_ptr<const std::vector<std::uint8_t>> LoadResData(int id) override {
        return inner_.LoadResData(id);
    }
    Picture LoadPicture() override { return inner_.LoadPicture(); }
    void PlayWaveImage(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) override {
        Out("Sound " + std::to_string(id));
        inner_.PlayWaveImage(std::move(image), id);
    }
    void ShowModal(ModalForm& form) override {
        Out("About show");
        inner_.ShowModal(form);
    }
    void CloseModal(ModalForm& form) override {
        Out("About close");
        inner_.CloseModal(form);
    }
    int ShellExecute(const std::string& address) override {
        Out("ShellExecute " + QuoteString(address));
        return inner_.ShellExecute(address);
    }
    void MessageBox(int style, const std::string& title, const std::string& text) override {
        Out("MessageBox " + std::to_string(style) + " " + QuoteString(title) + " " +
            QuoteString(text));
        inner_.MessageBox(style, title, text);
    }
    FileError OpenFileForRead(const std::string& name) override {
        return inner_.OpenFileForRead(name);
    }
    PictureBox* PictureBoxChild(std::string_view name) override {
        for (auto& b : boxes_)
            if (b->inner().name() == name) return b.get();
        return nullptr;
    }
    Shape* ShapeChild(std::string_view name) override {
        for (auto& s : shapes_)
            if (s->inner().name() == name) return s.get();
        return nullptr;
    }
    ImageZone* ZoneChild(std::string_view name, int index) override {
        for (auto& z : zones_)
            if (z->inner().name() == name && z->inner().index() == index) return z.get();
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<RecordingPictureBox>> boxes_;
    std::vector<std::unique_ptr<RecordingShape>> shapes_;
    std::vector<std::unique_ptr<RecordingZone>> zones_;
};

std::string FormatArg(const EventArg& arg, ValueType type) {
    if (const auto* p = std::get_if<std::int16_t*>(&arg)) {
        if (!*p) return "?";
        return type == ValueType::Boolean ? FormatBoolean(**p) : std::to_string(**p);
    }
    if (const auto* p = std::get_if<std::int32_t*>(&arg)) {
        if (!*p) return "?";
        if (type == ValueType::Color) return FormatColor(static_cast<OleColor>(**p));
        if (type == ValueType::Boolean) return FormatBoolean(static_cast<VBool>(**p));
        return std::to_string(**p);
    }
    if (const auto* p = std::get_if<float*>(&arg)) {
        if (!*p) return "?";
        return FormatNumber(**p);
    }
    return "?";
}

} // namespace

std::string FormatRaiseEvent(const EventInfo* info, int number, std::span<const EventArg> args) {
    std::string line = "RaiseEvent " + std::to_string(number) + " ";
    line += info ? std::string(info->name) : std::string("?");
    line += "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) line += ", ";
        const bool declared = info && i < info->args.size();
        line += declared ? std::string(info->args[i].name) : "Arg" + std::to_string(i + 1);
        line += "=";
        line += FormatArg(args[i], declared ? info->args[i].type : ValueType::Long);
    }
    return line + ")";
}

std::unique_ptr<Host> MakeRecordingHost(HeadlessHost& inner, TraceSink& sink) {
    return std::make_unique<RecordingHost>(inner, sink);
}

} // namespace nk
