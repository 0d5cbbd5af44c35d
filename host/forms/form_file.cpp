// Form files: the form model as JSON, written atomically and read with every damage reported
// by file, place and problem.
#include "host/codec/codec.h"
#include "host/forms/form.h"
#include "host/forms/form_check.h"
#include "host/forms/json_bag.h"
#include "support/file_io.h"
#include "support/json_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <set>
#include <stdexcept>

namespace nk {

namespace {

using Json = nlohmann::ordered_json;

// ---------------------------------------------------------------------------------------
// base64

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64Encode(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const std::uint32_t b0 = bytes[i];
        const std::uint32_t b1 = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        const std::uint32_t b2 = i + 2 < bytes.size() ? bytes[i + 2] : 0;
        const std::uint32_t v = (b0 << 16) | (b1 << 8) | b2;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[v & 63] : '=';
    }
    return out;
}

int Base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Strict: length a multiple of 4, padding only at the end.
std::optional<std::vector<std::uint8_t>> Base64Decode(const std::string& text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::vector<std::uint8_t> out;
    out.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + k];
            if (c == '=' && last && k >= 2) {
                ++pad;
                v[k] = 0;
                continue;
            }
            if (pad > 0) return std::nullopt;
            v[k] = Base64Value(c);
            if (v[k] < 0) return std::nullopt;
        }
        const std::uint32_t n = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        out.push_back(static_cast<std::uint8_t>(n >> 16));
        if (pad < 2) out.push_back(static_cast<std::uint8_t>(n >> 8));
        if (pad < 1) out.push_back(static_cast<std::uint8_t>(n));
    }
    return out;
}

// ---------------------------------------------------------------------------------------
// Writing

int ToTwips(int pixels) {
    return pixels * static_cast<int>(kTwipsPerPixel);
}

// The picture table being built while the bags are written: each picture once.
class PictureTable {
public:
    std::string IdOf(const Picture& p) {
        if (auto it = byObject_.find(p.get()); it != byObject_.end()) return it->second;
        const Image& image = *p->image();
        std::string png = Base64Encode(EncodePng(image));
        // Two objects with the same pixels, depth and label are one picture of the file.
        const std::string key = std::to_string(image.bitsPerPixel) + ":" + p->label() + ":" + png;
        std::string id;
        if (auto it = byContent_.find(key); it != byContent_.end()) {
            id = it->second;
        } else {
            id = "pic" + std::to_string(entries_.size() + 1);
            Json entry;
            entry["id"] = id;
            entry["label"] = p->label();
            entry["bits"] = image.bitsPerPixel;
            entry["png"] = std::move(png);
            entries_.push_back(std::move(entry));
            byContent_.emplace(key, id);
        }
        byObject_.emplace(p.get(), id);
        return id;
    }
    Json ToJson() const { return Json(entries_); }

private:
    std::map<const PictureObject*, std::string> byObject_;
    std::map<std::string, std::string> byContent_;
    std::vector<Json> entries_;
};

Json FontToJson(const Font& f) {
    Json j;
    j["name"] = f.name;
    j["size"] = f.size;
    j["bold"] = f.bold;
    j["italic"] = f.italic;
    j["underline"] = f.underline;
    j["strikethru"] = f.strikethru;
    return j;
}

Json ValueToJson(const Variant& v, PictureTable& pictures) {
    switch (v.kind()) {
    case VariantKind::Empty:
        return nullptr;
    case VariantKind::Boolean:
        if (v.number() == 0) return false;
        if (v.number() == -1) return true;
        return Json{{"boolean", static_cast<int>(v.number())}};
    case VariantKind::Integer:
    case VariantKind::Long:
        return static_cast<std::int64_t>(v.number());
    case VariantKind::Single:
    case VariantKind::Double:
        if (!std::isfinite(v.number())) return Json{{"double", std::to_string(v.number())}};
        return v.number();
    case VariantKind::String:
        return v.text();
    case VariantKind::Picture: {
        const Picture& p = v.picture();
        if (!p) return Json{{"picture", nullptr}};
        if (!p->HasImage()) return Json{{"picture", ""}};
        return Json{{"picture", pictures.IdOf(p)}};
    }
    case VariantKind::Font:
        return Json{{"font", FontToJson(v.font())}};
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// Reading

// A problem at a place of the file.
struct FormFileError : std::runtime_error {
    FormFileError(std::string place, const std::string& problem)
        : std::runtime_error(problem), where(std::move(place)) {}
    std::string where;
};

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
    throw FormFileError(path.empty() ? "/" : path, problem);
}

const Json& Member(const Json& obj, const std::string& path, const char* key) {
    auto it = obj.find(key);
    if (it == obj.end()) Fail(path, std::string("the field \"") + key + "\" is missing");
    return *it;
}

std::string TypeName(const Json& j) {
    return j.type_name();
}

std::int64_t IntegerAt(const Json& j, const std::string& path, std::int64_t lo, std::int64_t hi) {
    if (!j.is_number_integer())
        Fail(path, "expected a whole number, found " +
                       (j.is_number() ? DescribeJsonValue(j) : TypeName(j)));
    const std::int64_t v =
        j.is_number_unsigned() && j.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)
            ? INT64_MAX
            : j.get<std::int64_t>();
    if (v < lo || v > hi)
        Fail(path, "the value " + DescribeJsonValue(j) + " is outside " + std::to_string(lo) +
                       " to " + std::to_string(hi));
    return v;
}

std::string StringAt(const Json& j, const std::string& path) {
    if (!j.is_string()) Fail(path, "expected a string, found " + TypeName(j));
    return j.get<std::string>();
}

bool BoolAt(const Json& j, const std::string& path) {
    if (!j.is_boolean()) Fail(path, "expected true or false, found " + TypeName(j));
    return j.get<bool>();
}

// A position or size: twips, or pixels when the form says `"units": "pixels"`.
int PixelsAt(const Json& obj, const std::string& path, const char* key, bool size,
             bool pixels = false) {
    const std::string here = path + "/" + key;
    const Json& j = Member(obj, path, key);
    const std::int64_t limit = static_cast<std::int64_t>(kMaxExtent) * (pixels ? 1 : 15);
    const std::int64_t value = IntegerAt(j, here, size ? 0 : -limit, limit);
    if (pixels) return static_cast<int>(value);
    return static_cast<int>(std::llround(static_cast<double>(value) / kTwipsPerPixel));
}

// The unit of the file's positions and sizes: true for "pixels", false for "twips" (the
// default, and what the writer writes).
bool UnitsArePixels(const Json& root) {
    auto form = root.find("form");
    if (form == root.end() || !form->is_object() || !form->contains("units")) return false;
    const Json& units = (*form)["units"];
    if (units == "pixels") return true;
    if (units == "twips") return false;
    Fail("/form/units", "expected \"twips\" or \"pixels\", found " + units.dump());
}

using PictureIds = std::map<std::string, Picture>;

// A picture entry of the file, read but not yet decoded.
struct StoredPicture {
    std::string path;
    std::string id;
    std::string label;
    int bits = 32;
    std::vector<std::uint8_t> png;
};

// The pixels a PNG's header claims; 0 when it has no readable header (the decoder says why).
std::uint64_t ClaimedPixels(const std::vector<std::uint8_t>& png) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 24 || std::memcmp(png.data(), kSignature, 8) != 0) return 0;
    auto be32 = [&](std::size_t at) {
        return (std::uint64_t{png[at]} << 24) | (std::uint64_t{png[at + 1]} << 16) |
               (std::uint64_t{png[at + 2]} << 8) | png[at + 3];
    };
    return be32(16) * be32(20);
}

StoredPicture ReadPictureEntry(const Json& e, const std::string& path) {
    if (!e.is_object()) Fail(path, "expected an object, found " + TypeName(e));
    StoredPicture p;
    p.path = path;
    p.id = StringAt(Member(e, path, "id"), path + "/id");
    if (p.id.empty()) Fail(path + "/id", "a picture id may not be empty");
    p.label = e.contains("label") ? StringAt(e["label"], path + "/label") : p.id;
    p.bits =
        e.contains("bits") ? static_cast<int>(IntegerAt(e["bits"], path + "/bits", 1, 32)) : 32;
    auto bytes = Base64Decode(StringAt(Member(e, path, "png"), path + "/png"));
    if (!bytes) Fail(path + "/png", "not valid base64");
    p.png = std::move(*bytes);
    return p;
}

PictureIds ReadPictures(const Json& root, const std::string& source) {
    PictureIds ids;
    auto it = root.find("pictures");
    if (it == root.end()) return ids;
    if (!it->is_array()) Fail("/pictures", "expected an array, found " + TypeName(*it));
    // Every picture's claimed size counts against the form's budget before any of them
    // is decoded, so that a form of many large pictures is refused without decoding any.
    std::vector<StoredPicture> stored;
    std::set<std::string> seen;
    std::uint64_t pixels = 0;
    for (size_t i = 0; i < it->size(); ++i) {
        StoredPicture p = ReadPictureEntry((*it)[i], "/pictures/" + std::to_string(i));
        if (!seen.insert(p.id).second)
            Fail(p.path + "/id", "the picture id " + QuoteCut(p.id) + " is used twice");
        pixels += std::min(ClaimedPixels(p.png), kMaxPicturePixels + 1);
        if (pixels > kMaxFormPicturePixels)
            Fail(p.path, "the pictures up to here hold " + std::to_string(pixels) +
                             " pixels, more than the " + std::to_string(kMaxFormPicturePixels) +
                             " pixels the pictures of one form may hold together");
        stored.push_back(std::move(p));
    }
    for (StoredPicture& p : stored) {
        DecodeResult decoded = DecodePng(p.png, source + " picture " + QuoteCut(p.id));
        if (!decoded.ok()) Fail(p.path + "/png", decoded.error);
        p.png = {};
        decoded.image.bitsPerPixel = p.bits;
        ids.emplace(p.id, MakePicture(std::move(decoded.image), p.label));
    }
    return ids;
}

Font FontAt(const Json& j, const std::string& path) {
    if (!j.is_object()) Fail(path, "expected a font object, found " + TypeName(j));
    Font f;
    if (j.contains("name")) f.name = StringAt(j["name"], path + "/name");
    if (j.contains("size")) {
        if (!j["size"].is_number()) Fail(path + "/size", "expected a number");
        f.size = j["size"].get<double>();
        if (!(f.size >= 0 && f.size <= 16384))
            Fail(path + "/size", "a font size is 0 to 16384 points");
    }
    if (j.contains("bold")) f.bold = BoolAt(j["bold"], path + "/bold");
    if (j.contains("italic")) f.italic = BoolAt(j["italic"], path + "/italic");
    if (j.contains("underline")) f.underline = BoolAt(j["underline"], path + "/underline");
    if (j.contains("strikethru")) f.strikethru = BoolAt(j["strikethru"], path + "/strikethru");
    return f;
}

Variant ValueAt(const Json& j, const std::string& path, const PictureIds& pictures) {
    if (j.is_null()) return Variant();
    if (j.is_boolean()) return Variant::Boolean(j.get<bool>() ? kTrue : kFalse);
    if (j.is_number_integer()) {
        const std::int64_t v = IntegerAt(j, path, INT32_MIN, UINT32_MAX);
        if (v > INT32_MAX) return Variant::Double(static_cast<double>(v));
        return Variant::Long(static_cast<std::int32_t>(v));
    }
    if (j.is_number()) return Variant::Double(j.get<double>());
    if (j.is_string()) return Variant::String(j.get<std::string>());
    if (j.is_object() && j.size() == 1) {
        if (j.contains("picture")) {
            const Json& p = j["picture"];
            if (p.is_null()) return Variant::OfPicture(nullptr);
            const std::string id = StringAt(p, path + "/picture");
            if (id.empty()) return Variant::OfPicture(MakeEmptyPicture());
            auto it = pictures.find(id);
            if (it == pictures.end())
                Fail(path + "/picture", "no picture with the id " + QuoteCut(id) + " in /pictures");
            return Variant::OfPicture(it->second);
        }
        if (j.contains("font")) return Variant::OfFont(FontAt(j["font"], path + "/font"));
        if (j.contains("boolean"))
            return Variant::Boolean(
                static_cast<VBool>(IntegerAt(j["boolean"], path + "/boolean", -32768, 32767)));
        if (j.contains("double")) {
            const std::string text = StringAt(j["double"], path + "/double");
            char* end = nullptr;
            const double d = std::strtod(text.c_str(), &end);
            if (text.empty() || *end) Fail(path + "/double", "not a number: " + QuoteCut(text));
            return Variant::Double(d);
        }
    }
    Fail(path, "a bag value is null, true, false, a number, a string, {\"picture\": id}, "
               "{\"font\": {...}}; found " +
                   DescribeJsonValue(j));
}

// What reading a file carries along: the member checks and where their findings go.
struct FormReading {
    FormChecker checker;
    FormReadOptions options;
    std::string source;
    bool pixels = false; // positions and sizes in pixels rather than twips
    // When strict: every member problem of the file, one line each, for one refusal at the end.
    std::vector<std::string> refusals = {};
};

void Report(FormReading& reading, const std::vector<FormIssue>& issues) {
    for (const FormIssue& issue : issues) {
        std::string line = reading.source + ": " + issue.path + ": " + issue.problem;
        if (reading.options.strict)
            reading.refusals.push_back(std::move(line));
        else if (reading.options.warnings)
            reading.options.warnings->push_back(std::move(line));
    }
}

// Every refusal of a strict reading, one line each; empty when there is none.
std::string Refusals(const std::vector<std::string>& refusals) {
    std::string text;
    for (const std::string& line : refusals)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

// A colour: an OLE colour number, "#RRGGBB" or a system colour's name.
OleColor ColorAt(const Json& j, const std::string& path) {
    if (j.is_string()) {
        if (std::optional<OleColor> c = ParseColorText(j.get<std::string>())) return *c;
        Fail(path, "expected a colour (a number, \"#RRGGBB\" or a system colour's name such as "
                   "\"ButtonFace\"), found " +
                       j.dump());
    }
    return static_cast<OleColor>(IntegerAt(j, path, 0, UINT32_MAX));
}

void ReadSettings(const Json& root, FormSettings& s, bool pixels) {
    auto it = root.find("form");
    if (it == root.end()) return;
    const Json& f = *it;
    if (!f.is_object()) Fail("/form", "expected an object, found " + TypeName(f));
    if (f.contains("caption")) s.caption = StringAt(f["caption"], "/form/caption");
    if (f.contains("width")) s.width = PixelsAt(f, "/form", "width", true, pixels);
    if (f.contains("height")) s.height = PixelsAt(f, "/form", "height", true, pixels);
    if (f.contains("backColor")) s.backColor = ColorAt(f["backColor"], "/form/backColor");
    if (f.contains("timerInterval"))
        s.timerInterval =
            static_cast<int>(IntegerAt(f["timerInterval"], "/form/timerInterval", 0, 3600000));
}

// Checked before any control is placed: how many controls the file holds and what the form
// would draw with them at its scale. A size that does not read is left to the control's own
// reading, which says what is wrong with it.
void CheckBudget(const Json& root, const FormSettings& s, double scale, bool pixels) {
    const Json* list =
        root.contains("controls") && root["controls"].is_array() ? &root["controls"] : nullptr;
    std::uint64_t surfaces = 0;
    for (size_t i = 0; list && i < list->size(); ++i) {
        const Json& e = (*list)[i];
        if (!e.is_object()) continue;
        try {
            surfaces += DevicePixels(PixelsAt(e, "", "width", true, pixels),
                                     PixelsAt(e, "", "height", true, pixels), scale);
        } catch (const FormFileError&) {
        }
    }
    const std::size_t count = list ? list->size() : 0;
    if (std::string problem = FormBudgetProblem(s.width, s.height, scale, count, surfaces);
        !problem.empty())
        Fail(count ? "/controls" : "/form", problem);
}

void ReadControl(Form& form, const Json& e, const std::string& path, const PictureIds& pictures,
                 FormReading& reading) {
    if (!e.is_object()) Fail(path, "expected an object, found " + TypeName(e));
    const std::string cls = StringAt(Member(e, path, "class"), path + "/class");
    const InterfaceTable* table = form.FindClass(cls);
    if (!table) Fail(path + "/class", "unknown control class " + QuoteCut(cls));
    const std::string name = StringAt(Member(e, path, "name"), path + "/name");
    const int left = PixelsAt(e, path, "left", false, reading.pixels);
    const int top = PixelsAt(e, path, "top", false, reading.pixels);
    const int w = PixelsAt(e, path, "width", true, reading.pixels);
    const int h = PixelsAt(e, path, "height", true, reading.pixels);
    const int tab = e.contains("tabIndex")
                        ? static_cast<int>(IntegerAt(e["tabIndex"], path + "/tabIndex", 0, 1000000))
                        : static_cast<int>(form.controls().size());
    JsonBag bag;
    if (e.contains("bag")) {
        const Json& b = e["bag"];
        if (!b.is_object()) Fail(path + "/bag", "expected an object, found " + TypeName(b));
        for (const auto& [key, value] : b.items()) {
            const std::string here = path + "/bag/" + MessageName(key);
            std::vector<FormIssue> issues;
            const Json checked = reading.checker.BagEntry(*table, key, value, here, issues);
            Report(reading, issues);
            bag.Store(key, ValueAt(checked, here, pictures));
        }
    }
    std::string error;
    if (!form.AddLoaded(*table, name, left, top, w, h, tab, bag, &error))
        Fail(path + "/name", error);
}

} // namespace

// ---------------------------------------------------------------------------------------

std::string Form::ToJson() {
    PictureTable pictures;
    Json controls = Json::array();
    for (const auto& c : controls_) {
        JsonBag bag;
        c->site().WriteProperties(bag);
        Json jbag = Json::object();
        for (const auto& [key, value] : bag.entries())
            jbag[key] = ValueToJson(value, pictures);
        Json e;
        e["class"] = std::string(c->table().className);
        e["name"] = c->name();
        e["left"] = ToTwips(c->left());
        e["top"] = ToTwips(c->top());
        e["width"] = ToTwips(c->width());
        e["height"] = ToTwips(c->height());
        e["tabIndex"] = c->tabIndex();
        e["bag"] = std::move(jbag);
        controls.push_back(std::move(e));
    }
    Json root;
    root["format"] = std::string(kFormFormat);
    root["version"] = kFormVersion;
    Json f;
    f["caption"] = settings_.caption;
    f["width"] = ToTwips(settings_.width);
    f["height"] = ToTwips(settings_.height);
    f["backColor"] = settings_.backColor;
    f["timerInterval"] = settings_.timerInterval;
    root["form"] = std::move(f);
    root["controls"] = std::move(controls);
    root["pictures"] = pictures.ToJson();
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string Form::Save(const std::string& path) {
    std::string text;
    try {
        text = ToJson();
    } catch (const std::exception& e) {
        return path + ": cannot write the form: " + e.what();
    }
    return ReplaceFile(path, text);
}

std::unique_ptr<Form> Form::FromJson(const std::string& text, const std::string& source,
                                     std::span<const InterfaceTable* const> classes,
                                     std::string& error) {
    return FromJson(text, source, classes, error, FormReadOptions{});
}

std::unique_ptr<Form> Form::FromJson(const std::string& text, const std::string& source,
                                     std::span<const InterfaceTable* const> classes,
                                     std::string& error, const FormReadOptions& options) {
    Json root;
    if (std::string problem = ParseJsonText(text, root); !problem.empty()) {
        error = source + ": " + problem;
        return nullptr;
    }
    try {
        if (!root.is_object()) Fail("/", "a form file is a JSON object, found " + TypeName(root));
        const std::string format = StringAt(Member(root, "", "format"), "/format");
        if (format != kFormFormat)
            Fail("/format",
                 "expected \"" + std::string(kFormFormat) + "\", found " + QuoteCut(format));
        const std::int64_t version =
            IntegerAt(Member(root, "", "version"), "/version", 1, INT32_MAX);
        if (version > kFormVersion)
            Fail("/version", "version " + std::to_string(version) +
                                 " is newer than this program reads (" +
                                 std::to_string(kFormVersion) + ")");
        auto form = std::make_unique<Form>(classes);
        form->SetScale(options.scale);
        const bool pixels = UnitsArePixels(root);
        ReadSettings(root, form->settings_, pixels);
        CheckBudget(root, form->settings_, options.scale, pixels);
        const PictureIds pictures = ReadPictures(root, source);
        if (root.contains("controls")) {
            const Json& list = root["controls"];
            if (!list.is_array()) Fail("/controls", "expected an array, found " + TypeName(list));
            FormReading reading{FormChecker{}, options, source, pixels};
            for (size_t i = 0; i < list.size(); ++i)
                ReadControl(*form, list[i], "/controls/" + std::to_string(i), pictures, reading);
            if (!reading.refusals.empty()) {
                error = Refusals(reading.refusals);
                return nullptr;
            }
        }
        return form;
    } catch (const FormFileError& e) {
        error = source + ": " + e.where + ": " + e.what();
    } catch (const std::bad_alloc&) {
        error = source + ": not enough memory to read the form";
    } catch (const std::exception& e) {
        error = source + ": " + e.what();
    }
    return nullptr;
}

std::unique_ptr<Form> Form::Load(const std::string& path,
                                 std::span<const InterfaceTable* const> classes,
                                 std::string& error) {
    return Load(path, classes, error, FormReadOptions{});
}

std::unique_ptr<Form> Form::Load(const std::string& path,
                                 std::span<const InterfaceTable* const> classes, std::string& error,
                                 const FormReadOptions& options) {
    FileBytes file = ReadRegularFile(path, kMaxFormFileBytes, "form file");
    if (!file.ok()) {
        error = std::move(file.error);
        return nullptr;
    }
    return FromJson(std::string(file.bytes.begin(), file.bytes.end()), path, classes, error,
                    options);
}

} // namespace nk
