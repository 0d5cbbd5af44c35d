// nk_apigen: writes the typed C++ API, its reference and its checks from the controls'
// interface tables. It runs as a build step, linked with the control libraries, so what it
// writes cannot drift from the tables.
//
//     nk_apigen OUTDIR [EMITTER...]      (emitters: cpp docs checks qt sip; all when none is named)
//
// How it is built, for whoever adds an output:
// - The model (model.h) is the only thing emitters see: ApiModel holds ClassModel per class
//   (name, library, type library, design size) with PropertyModel (name, ValueType, kind,
//   writable, enumeration name, help, initial value after InitProperties, bag key and read
//   and write defaults when the rows carry them), MethodModel (name, ParamModel list, help,
//   reportsErrors), EventModel (number, name, EventArgModel list with type and byRef, help),
//   and the EnumModel list (name, members with values) that properties refer to by name.
//   BuildModel fills it from the InterfaceTables and refuses what C++ cannot express.
// - An emitter (emitter.h) is `std::vector<OutputFile> Emit(const ApiModel&) const`; each
//   OutputFile is a path relative to OUTDIR and its text. cpp_names.h spells model types in
//   C++ for every emitter that needs them.
// - To add one: write Make<Name>Emitter() next to the others and add it to kEmitters below.
// A file is rewritten only when its text changes, so an unchanged table rebuilds nothing.
#include "api/gen/emitter.h"
#include "kit/classes.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string_view>

namespace {

struct NamedEmitter {
    std::string_view name;
    std::unique_ptr<nk::apigen::Emitter> (*make)();
};

constexpr NamedEmitter kEmitters[] = {
    {"cpp", nk::apigen::MakeTypedApiEmitter},  {"docs", nk::apigen::MakeDocsEmitter},
    {"checks", nk::apigen::MakeChecksEmitter}, {"qt", nk::apigen::MakeQtEmitter},
    {"sip", nk::apigen::MakeSipEmitter},       {"quick", nk::apigen::MakeQuickEmitter},
};

bool Selected(std::string_view name, int argc, char** argv) {
    if (argc <= 2) return true;
    for (int i = 2; i < argc; ++i)
        if (name == argv[i]) return true;
    return false;
}

// Writes `text` to `path` unless it holds that already; "" or an error naming the file.
std::string WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (in) {
        std::ostringstream old;
        old << in.rdbuf();
        if (old.str() == text) return "";
    }
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return path.parent_path().string() + ": " + ec.message();
    const std::filesystem::path temp = path.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) return temp.string() + ": cannot write";
    }
    std::filesystem::rename(temp, path, ec);
    return ec ? path.string() + ": " + ec.message() : "";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: nk_apigen OUTDIR [cpp] [docs] [checks] [qt] [sip] [quick]\n";
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        bool known = false;
        for (const NamedEmitter& e : kEmitters)
            known = known || e.name == argv[i];
        if (!known) {
            std::cerr << "nk_apigen: unknown emitter " << argv[i] << "\n";
            return 2;
        }
    }
    const std::vector<const nk::InterfaceTable*> tables = nk::AllClasses();
    std::string error;
    const auto model = nk::apigen::BuildModel(tables, error);
    if (!model) {
        std::cerr << "nk_apigen: " << error << "\n";
        return 1;
    }
    const std::filesystem::path out = argv[1];
    for (const NamedEmitter& e : kEmitters) {
        if (!Selected(e.name, argc, argv)) continue;
        for (const nk::apigen::OutputFile& f : e.make()->Emit(*model)) {
            const std::string problem = WriteIfChanged(out / f.path, f.text);
            if (!problem.empty()) {
                std::cerr << "nk_apigen: " << problem << "\n";
                return 1;
            }
        }
    }
    return 0;
}
