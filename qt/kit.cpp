#include "qt/kit.h"

#include "qt/sound_player.h"

#include "framework/font.h"
#include "framework/identity.h"
#include "framework/interface_table.h"
#include "framework/picture.h"
#include "framework/values.h"
#include "framework/variant.h"
#include "host/desktop/shell.h"
#include "host/loading/library_loader.h"

#include <QDesktopServices>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>
#include <mutex>

namespace nk::qt {

namespace {

// The libraries the widgets opened, kept loaded for the life of the process: the interface
// tables and the controls made from them live inside.
struct OpenedLibraries {
    QString folder;
    std::map<std::string, std::unique_ptr<LoadedLibrary>, std::less<>> byName;
};

OpenedLibraries& Opened() {
    static OpenedLibraries opened;
    return opened;
}

const LoadedLibrary* OpenLibrary(std::string_view name, std::string& error) {
    OpenedLibraries& opened = Opened();
    if (auto it = opened.byName.find(name); it != opened.byName.end()) return it->second.get();
    std::optional<std::filesystem::path> file;
    if (!opened.folder.isEmpty()) {
        const std::filesystem::path folder(opened.folder.toStdString());
        for (const std::string& base : LibraryFileNames(name)) {
            std::error_code ec;
            if (std::filesystem::exists(folder / base, ec)) {
                file = folder / base;
                break;
            }
        }
    }
    if (!file) file = FindLibraryFile(name, error);
    if (!file) return nullptr;
    std::unique_ptr<LoadedLibrary> lib = LoadedLibrary::Open(*file, error);
    if (!lib) return nullptr;
    return opened.byName.emplace(std::string(name), std::move(lib)).first->second.get();
}

} // namespace

void setControlFolder(const QString& folder) {
    Opened().folder = folder;
}

const InterfaceTable* findClass(const QString& className, QString* error) {
    auto fail = [error](const std::string& why) -> const InterfaceTable* {
        if (error) *error = QString::fromStdString(why);
        return nullptr;
    };
    const std::string name = className.toStdString();
    const ClassIdentity* id = FindClass(name);
    if (!id) return fail("Nuvelkit has no control class " + name);
    std::string why;
    const LoadedLibrary* lib = OpenLibrary(id->library, why);
    if (!lib) return fail(why);
    ComRef<ClassFactory> factory = lib->ClassObject(id->classId);
    if (!factory) return fail(lib->path().string() + " does not serve the class " + name);
    return &factory->ClassInterface();
}

void playSound(std::shared_ptr<const std::vector<std::uint8_t>> image, int id) {
    Sounds().Play(std::move(image), id);
}

int openAddress(const std::string& address) {
    // An address the opener would take for one of its options is refused, as the kit's own
    // shell does.
    if (address.empty() || address.front() == '-') return kShellAddressNotFound;
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid()) return kShellAddressNotFound;
    return QDesktopServices::openUrl(url) ? kShellStarted : kShellNoAssociation;
}

int vkFromQt(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int shiftFromQt(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= 1;
    if (modifiers & Qt::ControlModifier) shift |= 2;
    if (modifiers & Qt::AltModifier) shift |= 4;
    return shift;
}

int buttonsFromQt(Qt::MouseButtons buttons) {
    int out = 0;
    if (buttons & Qt::LeftButton) out |= 1;
    if (buttons & Qt::RightButton) out |= 2;
    if (buttons & Qt::MiddleButton) out |= 4;
    return out;
}

Font fontFromQt(const QFont& font) {
    Font f;
    f.name = font.family().toStdString();
    f.size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikethru = font.strikeOut();
    return f;
}

QFont fontToQt(const Font& font) {
    QFont f(fromUtf8(font.name));
    if (font.size > 0) f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethru);
    return f;
}

QColor colorToQt(OleColor color) {
    return QColor::fromRgb(ResolveColor(color) | 0xFF000000u);
}

OleColor colorFromQt(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPixmap pictureToQt(const Picture& picture) {
    if (!HasImage(picture)) return {};
    const Image& image = *picture->image();
    // A copy of the pixels: the pixmap may be kept (a change signal keeps the last value) after
    // the picture it came from is gone.
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels.data()),
                                     image.width, image.height, image.width * 4,
                                     QImage::Format_ARGB32)
                                  .copy());
}

bool pictureWithinLimits(const QPixmap& pixmap) {
    return pixmap.isNull() || WithinPictureLimits(pixmap.width(), pixmap.height());
}

namespace {

// The pictures made from pixmaps still in use, by the pixmap's cache key (which Qt changes
// whenever a pixmap's pixels change): one pixmap given to many widgets is one picture.
class PixmapPictures {
public:
    Picture Find(qint64 key) {
        const std::lock_guard hold(lock_);
        const auto known = made_.find(key);
        return known == made_.end() ? nullptr : known->second.lock();
    }
    void Keep(qint64 key, const Picture& picture) {
        const std::lock_guard hold(lock_);
        std::erase_if(made_, [](const auto& e) { return e.second.expired(); });
        made_[key] = picture;
    }

private:
    std::mutex lock_;
    std::map<qint64, std::weak_ptr<const PictureObject>> made_;
};

PixmapPictures& MadeFromPixmaps() {
    static PixmapPictures made;
    return made;
}

Picture ConvertPixmap(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    Image out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(), out.pixels.begin() + std::ptrdiff_t(y) * out.width);
    }
    const std::string label =
        "pixmap:" + std::to_string(out.width) + "x" + std::to_string(out.height);
    return MakePicture(std::move(out), label);
}

} // namespace

Picture pictureFromQt(const QPixmap& pixmap) {
    if (pixmap.isNull() || !pictureWithinLimits(pixmap)) return nullptr;
    if (Picture known = MadeFromPixmaps().Find(pixmap.cacheKey())) return known;
    Picture made = ConvertPixmap(pixmap);
    MadeFromPixmaps().Keep(pixmap.cacheKey(), made);
    return made;
}

bool boolToQt(const std::optional<Variant>& v) {
    const std::optional<VBool> b = v ? v->ToBoolean() : std::nullopt;
    return b && *b != kFalse;
}

int intToQt(const std::optional<Variant>& v) {
    return v ? v->ToLong().value_or(0) : 0;
}

double doubleToQt(const std::optional<Variant>& v) {
    return v ? v->ToDouble().value_or(0) : 0;
}

QString stringToQt(const std::optional<Variant>& v) {
    return v ? fromUtf8(v->ToText().value_or("")) : QString();
}

QColor colorToQt(const std::optional<Variant>& v) {
    const std::optional<OleColor> c = v ? v->ToColor() : std::nullopt;
    return c ? colorToQt(*c) : QColor();
}

QPixmap pictureToQt(const std::optional<Variant>& v) {
    return v && v->kind() == VariantKind::Picture ? pictureToQt(v->picture()) : QPixmap();
}

QVariant variantToQt(const std::optional<Variant>& v) {
    if (!v) return {};
    switch (v->kind()) {
    case VariantKind::Empty:
        return {};
    case VariantKind::Boolean:
        return v->number() != 0;
    case VariantKind::String:
        return fromUtf8(v->text());
    case VariantKind::Picture:
        return pictureToQt(v->picture());
    case VariantKind::Font:
        return fontToQt(v->font());
    default:
        return v->number();
    }
}

Variant boolFromQt(bool v) {
    return Variant::Boolean(v ? kTrue : kFalse);
}

Variant stringFromQt(const QString& v) {
    return Variant::String(v.toStdString());
}

Variant colorValueFromQt(const QColor& v) {
    return Variant::Long(static_cast<std::int32_t>(colorFromQt(v)));
}

std::optional<Variant> pictureValueFromQt(const QPixmap& v) {
    if (!pictureWithinLimits(v)) {
        qWarning("Nuvelkit: a picture of %d x %d pixels was refused: pictures have at most %d "
                 "pixels a side and %llu pixels in all",
                 v.width(), v.height(), kMaxPictureSide,
                 static_cast<unsigned long long>(kMaxPicturePixels));
        return std::nullopt;
    }
    return Variant::OfPicture(pictureFromQt(v));
}

std::optional<Variant> variantFromQt(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Bool:
        return boolFromQt(v.toBool());
    case QMetaType::QString:
        return stringFromQt(v.toString());
    case QMetaType::QPixmap:
        return pictureValueFromQt(v.value<QPixmap>());
    case QMetaType::QFont:
        return Variant::OfFont(fontFromQt(v.value<QFont>()));
    default:
        return v.canConvert<double>() ? Variant::Double(v.toDouble()) : Variant();
    }
}

std::optional<Variant> numberFromQt(double v, std::string_view member) {
    if (std::isfinite(v)) return Variant::Double(v);
    qWarning("Nuvelkit: %.*s: %g is not a number the member takes; the value stays",
             static_cast<int>(member.size()), member.data(), v);
    return std::nullopt;
}

std::optional<Variant> percentFromQt(double v, std::string_view member) {
    if (std::isfinite(v) && v >= 0 && v <= 100) return Variant::Double(v);
    qWarning("Nuvelkit: %.*s: %g is outside 0 to 100; the value stays",
             static_cast<int>(member.size()), member.data(), v);
    return std::nullopt;
}

double singleToQt(const std::optional<Variant>& v) {
    const double d = doubleToQt(v);
    if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) return d;
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<float>(d));
    double shortest = d;
    std::from_chars(text, written.ptr, shortest);
    return shortest;
}

std::optional<Variant> singleFromQt(double v, std::string_view member) {
    // Below half a step past the largest single a number rounds to the largest single (as the
    // largest single's own shortest form, 3.4028235e+38, does); from there on it is beyond.
    constexpr double most = std::numeric_limits<float>::max();
    const double beyond = most + std::ldexp(1.0, 103);
    if (!std::isfinite(v)) return Variant::Single(static_cast<float>(v));
    if (std::fabs(v) < beyond)
        return Variant::Single(static_cast<float>(std::clamp(v, -most, most)));
    qWarning("Nuvelkit: %.*s: %g is beyond what the member holds; the value stays",
             static_cast<int>(member.size()), member.data(), v);
    return std::nullopt;
}

} // namespace nk::qt
