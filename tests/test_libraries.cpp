// The control libraries as a container sees them: loaded with dlopen, classes created through
// their class objects, error results for bad requests, the unload check, self-registration
// into a private component registry and the symbol tables of the two files.
#include "framework/com.h"
#include "framework/control.h"
#include "framework/identity.h"
#include "host/hosts/headless_host.h"
#include "host/loading/library_loader.h"
#include "registry/registry.h"
#include "tests/test_folder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>

namespace nk {

namespace {

namespace fs = std::filesystem;

fs::path LibraryFile(std::string_view name) {
    return fs::path(NK_BINARY_DIR) / "lib" / ("lib" + std::string(name) + ".so");
}

std::unique_ptr<LoadedLibrary> Open(std::string_view name) {
    std::string error;
    auto lib = LoadedLibrary::Open(LibraryFile(name), error);
    EXPECT_TRUE(lib) << error;
    return lib;
}

std::string Capture(const std::string& command) {
    std::string out;
    std::FILE* p = ::popen(command.c_str(), "r");
    if (p == nullptr) return out;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        out.append(buf.data(), n);
    ::pclose(p);
    return out;
}

// XDG_DATA_HOME pointed at a fresh folder for the test, restored afterwards.
class PrivateRegistry {
public:
    PrivateRegistry() {
        dir_ = FreshTestFolder("nk_registry_");
        if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
        ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
    }
    ~PrivateRegistry() {
        if (old_)
            ::setenv("XDG_DATA_HOME", old_->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    fs::path file() const { return dir_ / "nuvelkit" / "registry.json"; }
    std::vector<RegisteredLibrary> Read() const {
        std::string error;
        auto libs = ReadRegistry(file(), error);
        EXPECT_TRUE(libs) << error;
        return libs.value_or(std::vector<RegisteredLibrary>{});
    }

private:
    fs::path dir_;
    std::optional<std::string> old_;
};

const RegisteredLibrary* Find(const std::vector<RegisteredLibrary>& libs, std::string_view name) {
    for (const auto& l : libs)
        if (l.name == name) return &l;
    return nullptr;
}

} // namespace

TEST(Identity, EveryIdentifierIsDistinctAndRoundTripsThroughText) {
    std::set<std::string> seen;
    auto add = [&](const Guid& g) {
        std::string text = ToString(g);
        EXPECT_TRUE(seen.insert(text).second) << "used twice: " << text;
        std::optional<Guid> back = ParseGuid(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, g);
    };
    for (const auto& l : Libraries())
        add(l.libraryId);
    for (const auto& c : ClassIdentities()) {
        add(c.classId);
        add(c.interfaceId);
        add(c.eventsId);
        EXPECT_NE(FindLibrary(c.library), nullptr) << c.className;
    }
    add(kIID_ControlObject);
    EXPECT_EQ(ProgramId(*FindClass("NuvelCommand")), "Nuvelkit3.NuvelCommand");
    EXPECT_EQ(ProgramId(*FindClass("NuvelPad")), "Nuvelkit4.NuvelPad");
    // These values are what saved registrations refer to; they must never change.
    EXPECT_EQ(ToString(FindLibrary("nuvset1")->libraryId),
              "{96784440-10D4-4F90-910E-ED6D6BA27D89}");
    EXPECT_EQ(ToString(FindClass("NuvelFill")->classId), "{ED4CA504-4C5A-4450-9592-216A9A0C13B7}");
}

TEST(Identity, MalformedIdentifiersAreRefused) {
    EXPECT_TRUE(ParseGuid("96784440-10d4-4f90-910e-ed6d6ba27d89"));
    for (const char* bad :
         {"", "{}", "{96784440-10D4-4F90-910E-ED6D6BA27D8}",
          "{96784440-10D4-4F90-910E+ED6D6BA27D89}", "{96784440-10D4-4F90-910E-ED6D6BA27DZ9}",
          "96784440-10D4-4F90-910E-ED6D6BA27D89}"})
        EXPECT_FALSE(ParseGuid(bad)) << bad;
}

TEST(Libraries, CreateAndDestroyEveryClassThroughItsFactory) {
    int created = 0;
    for (const auto& id : Libraries()) {
        auto lib = Open(id.name);
        ASSERT_TRUE(lib);
        EXPECT_EQ(lib->name(), id.name);
        for (const ClassIdentity* c : lib->Classes()) {
            SCOPED_TRACE(std::string(c->className));
            EXPECT_EQ(c->library, id.name);
            ComRef<ClassFactory> factory = lib->ClassObject(c->classId);
            ASSERT_TRUE(factory);
            const InterfaceTable& table = factory->ClassInterface();
            EXPECT_EQ(table.className, c->className);
            EXPECT_EQ(table.typeLibrary, id.typeLibrary);
            HeadlessHost host(table);
            HResult hr = E_FAIL;
            ComRef<ControlObject> obj = CreateControl(*factory, host, &hr);
            ASSERT_EQ(hr, S_OK);
            ASSERT_TRUE(obj);
            host.Attach(&obj->GetControl());
            EXPECT_EQ(&obj->GetControl().Interface(), &table);
            EXPECT_TRUE(host.Deliver("InitProperties", [](Control& c) { c.InitProperties(); }));
            EXPECT_TRUE(host.Deliver("Paint", [](Control& c) { c.Paint(); }));
            // The class's own programmable interface answers; its event interface is the
            // container's to implement.
            ComRef<Unknown> same;
            EXPECT_EQ(obj->QueryInterface(c->interfaceId, same.Out()), S_OK);
            EXPECT_EQ(same.get(), static_cast<Unknown*>(obj.get()));
            ComRef<Unknown> none;
            EXPECT_EQ(obj->QueryInterface(c->eventsId, none.Out()), E_NOINTERFACE);
            EXPECT_FALSE(none);
            EXPECT_EQ(lib->CanUnloadNow(), S_FALSE);
            host.Attach(nullptr);
            ++created;
        }
        EXPECT_EQ(lib->CanUnloadNow(), S_OK);
    }
    // Every class the kit names is served by its own library and no other.
    EXPECT_EQ(created, static_cast<int>(Open("nuvset1")->Classes().size() +
                                        Open("nuvset2")->Classes().size()));
    EXPECT_GE(created, 6);
}

TEST(Libraries, BadRequestsGiveTheStandardResults) {
    auto one = Open("nuvset1");
    auto two = Open("nuvset2");
    ASSERT_TRUE(one && two);
    const Guid unknown = *ParseGuid("{01234567-89AB-CDEF-0123-456789ABCDEF}");
    const Guid command = FindClass("NuvelCommand")->classId;
    const Guid fill = FindClass("NuvelFill")->classId;
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(one->GetClassObject(&unknown, &kIID_ClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    // Each library serves only its own classes.
    EXPECT_EQ(one->GetClassObject(&fill, &kIID_ClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(two->GetClassObject(&command, &kIID_ClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(one->GetClassObject(&command, &unknown, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(one->GetClassObject(&command, &kIID_ClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(one->GetClassObject(nullptr, &kIID_ClassFactory, &out), E_POINTER);
    EXPECT_EQ(one->GetClassObject(&command, nullptr, &out), E_POINTER);

    ComRef<ClassFactory> factory = one->ClassObject(command);
    ASSERT_TRUE(factory);
    HeadlessHost host(factory->ClassInterface());
    EXPECT_EQ(factory->CreateInstance(nullptr, &host, unknown, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, nullptr, kIID_ControlObject, &out), E_POINTER);
    EXPECT_EQ(factory->CreateInstance(nullptr, &host, kIID_ControlObject, nullptr), E_POINTER);
    EXPECT_EQ(factory->CreateInstance(factory.get(), &host, kIID_ControlObject, &out),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->QueryInterface(kIID_ControlObject, &out), E_NOINTERFACE);
    EXPECT_EQ(factory->QueryInterface(kIID_Unknown, nullptr), E_POINTER);
    // Another class's programmable interface is not this class's.
    ComRef<Unknown> wrong;
    EXPECT_EQ(
        factory->CreateInstance(nullptr, &host, FindClass("NuvelCheck")->interfaceId, wrong.Out()),
        E_NOINTERFACE);
    factory.Reset();
    EXPECT_EQ(one->CanUnloadNow(), S_OK) << "a refused request left an object alive";
}

TEST(Libraries, CanUnloadOnlyWithoutObjectsAndLocks) {
    auto lib = Open("nuvset2");
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->CanUnloadNow(), S_OK);
    ComRef<ClassFactory> factory = lib->ClassObject(FindClass("NuvelPad")->classId);
    ASSERT_TRUE(factory);
    EXPECT_EQ(lib->CanUnloadNow(), S_FALSE) << "a held class object";
    HeadlessHost host(factory->ClassInterface());
    ComRef<ControlObject> pad = CreateControl(*factory, host);
    ASSERT_TRUE(pad);
    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.Reset();
    EXPECT_EQ(lib->CanUnloadNow(), S_FALSE) << "a live control and a lock";
    ComRef<ControlObject> second = pad;
    pad.Reset();
    EXPECT_EQ(lib->CanUnloadNow(), S_FALSE) << "a second reference to the control";
    second.Reset();
    EXPECT_EQ(lib->CanUnloadNow(), S_FALSE) << "the lock alone";
    factory = lib->ClassObject(FindClass("NuvelFill")->classId);
    ASSERT_TRUE(factory);
    EXPECT_EQ(factory->LockServer(false), S_OK);
    // An unbalanced unlock must not hide a later lock.
    EXPECT_EQ(factory->LockServer(false), S_OK);
    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.Reset();
    EXPECT_EQ(lib->CanUnloadNow(), S_FALSE);
    factory = lib->ClassObject(FindClass("NuvelFill")->classId);
    factory->LockServer(false);
    factory.Reset();
    EXPECT_EQ(lib->CanUnloadNow(), S_OK);
}

TEST(Libraries, LoadAndUnloadManyTimes) {
    // Run under the leak checker in the sanitizer build: every round creates a control and
    // lets the library go.
    for (const auto& id : Libraries()) {
        for (int i = 0; i < 100; ++i) {
            auto lib = Open(id.name);
            ASSERT_TRUE(lib);
            std::vector<const ClassIdentity*> classes = lib->Classes();
            ASSERT_FALSE(classes.empty());
            ComRef<ClassFactory> factory = lib->ClassObject(classes.front()->classId);
            ASSERT_TRUE(factory);
            {
                HeadlessHost host(factory->ClassInterface());
                ComRef<ControlObject> obj = CreateControl(*factory, host);
                ASSERT_TRUE(obj);
            }
            factory.Reset();
            ASSERT_EQ(lib->CanUnloadNow(), S_OK);
        }
    }
}

TEST(Libraries, OpeningSomethingElseNamesTheProblem) {
    std::string error;
    EXPECT_FALSE(LoadedLibrary::Open("/nonexistent/libnuvset1.so", error));
    EXPECT_NE(error.find("/nonexistent/libnuvset1.so"), std::string::npos) << error;
    // A shared library without the exports is refused by name of the missing export.
    std::string libc = Capture("ldd /bin/sh | awk '/libc.so/ {print $3}'");
    while (!libc.empty() && (libc.back() == '\n' || libc.back() == ' '))
        libc.pop_back();
    ASSERT_FALSE(libc.empty());
    error.clear();
    EXPECT_FALSE(LoadedLibrary::Open(libc, error));
    EXPECT_NE(error.find("DllGetClassObject"), std::string::npos) << error;
}

TEST(Libraries, SymbolTablesShowTheExportsAndNothingOfTheOtherLibrary) {
    const std::set<std::string> exports = {"DllCanUnloadNow", "DllGetClassObject",
                                           "DllRegisterServer", "DllUnregisterServer"};
    for (const auto& [self, other] :
         {std::pair{"nuvset1", "nuvset2"}, std::pair{"nuvset2", "nuvset1"}}) {
        SCOPED_TRACE(self);
        fs::path file = LibraryFile(self);
        std::string defined =
            Capture("nm -D --defined-only --format=just-symbols '" + file.string() + "'");
        ASSERT_FALSE(defined.empty()) << "nm gave nothing for " << file;
        std::set<std::string> names;
        std::istringstream in(defined);
        for (std::string line; std::getline(in, line);)
            if (!line.empty()) names.insert(line);
        EXPECT_EQ(names, exports);
        std::string needed = Capture("readelf -d '" + file.string() + "'");
        EXPECT_NE(needed.find("NEEDED"), std::string::npos);
        EXPECT_EQ(needed.find(other), std::string::npos) << needed;
        // No symbol of either table, local or dynamic, names the other library.
        std::string all =
            Capture("nm -C '" + file.string() + "' 2>/dev/null; nm -D -C '" + file.string() + "'");
        std::string otherTitle = std::string("Nuvset") + std::string(other).back();
        EXPECT_EQ(all.find(other), std::string::npos);
        EXPECT_EQ(all.find(otherTitle + "Resources"), std::string::npos);
        EXPECT_EQ(all.find(otherTitle + "Classes"), std::string::npos);
    }
}

TEST(Registry, RegisterListAndUnregisterKeepOtherEntries) {
    PrivateRegistry reg;
    // Someone else's library is already recorded, with a field this kit does not know.
    fs::create_directories(reg.file().parent_path());
    {
        std::ofstream f(reg.file());
        f << R"({"format":"nuvelkit-registry","version":1,"libraries":{"acme":)"
             R"({"path":"/opt/acme/libacme.so","vendor":"acme","classes":[]}}})";
    }
    auto one = Open("nuvset1");
    auto two = Open("nuvset2");
    ASSERT_TRUE(one && two);
    ASSERT_EQ(one->RegisterServer(), S_OK);
    ASSERT_EQ(two->RegisterServer(), S_OK);
    std::vector<RegisteredLibrary> libs = reg.Read();
    ASSERT_EQ(libs.size(), 3u);
    const RegisteredLibrary* set1 = Find(libs, "nuvset1");
    ASSERT_NE(set1, nullptr);
    EXPECT_EQ(fs::path(set1->path), fs::canonical(LibraryFile("nuvset1")));
    EXPECT_EQ(set1->typeLibrary, "Nuvelkit3");
    EXPECT_EQ(set1->version, "1.0");
    EXPECT_EQ(set1->libraryId, ToString(FindLibrary("nuvset1")->libraryId));
    EXPECT_EQ(set1->classes.size(), one->Classes().size());
    auto hit = FindRegisteredClass(libs, "Nuvelkit4.NuvelFill");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->library.name, "nuvset2");
    EXPECT_EQ(hit->cls.classId, ToString(FindClass("NuvelFill")->classId));
    EXPECT_EQ(hit->cls.eventsId, ToString(FindClass("NuvelFill")->eventsId));
    EXPECT_FALSE(FindRegisteredClass(libs, "Nuvelkit3.NuvelFill"));

    // Registering again replaces the entry instead of adding a second one.
    ASSERT_EQ(one->RegisterServer(), S_OK);
    EXPECT_EQ(reg.Read().size(), 3u);

    ASSERT_EQ(one->UnregisterServer(), S_OK);
    libs = reg.Read();
    EXPECT_EQ(Find(libs, "nuvset1"), nullptr);
    EXPECT_NE(Find(libs, "nuvset2"), nullptr);
    ASSERT_NE(Find(libs, "acme"), nullptr);
    EXPECT_EQ(Find(libs, "acme")->path, "/opt/acme/libacme.so");
    std::ifstream in(reg.file());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\"vendor\""), std::string::npos) << "an unknown field was dropped";
    // Unregistering what is not there is not an error; no temporary file stays behind.
    EXPECT_EQ(one->UnregisterServer(), S_OK);
    ASSERT_EQ(two->UnregisterServer(), S_OK);
    int files = 0;
    for (const auto& e : fs::directory_iterator(reg.file().parent_path()))
        if (e.path().filename() != "registry.json.lock") ++files;
    EXPECT_EQ(files, 1);
}

TEST(Registry, ADamagedRegistryIsNamedAndLeftAlone) {
    PrivateRegistry reg;
    fs::create_directories(reg.file().parent_path());
    const std::string damaged = "{\"format\":\"nuvelkit-registry\",\n \"libraries\": [1,";
    {
        std::ofstream f(reg.file());
        f << damaged;
    }
    std::string error;
    EXPECT_FALSE(ReadRegistry(reg.file(), error));
    EXPECT_NE(error.find(reg.file().string()), std::string::npos) << error;
    EXPECT_NE(error.find("line 2, column 18"), std::string::npos) << error;
    auto lib = Open("nuvset1");
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->RegisterServer(), SELFREG_E_CLASS);
    std::ifstream in(reg.file());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, damaged) << "a damaged registry was overwritten";

    {
        std::ofstream f(reg.file());
        f << R"({"format":"something-else","libraries":{}})";
    }
    EXPECT_FALSE(ReadRegistry(reg.file(), error));
    EXPECT_NE(error.find("format"), std::string::npos) << error;
}

TEST(Registry, FindsTheFolderFromTheEnvironment) {
    PrivateRegistry reg;
    auto path = RegistryPath();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, reg.file());
    // A relative XDG_DATA_HOME is ignored in favour of HOME.
    ::setenv("XDG_DATA_HOME", "relative/dir", 1);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        path = RegistryPath();
        ASSERT_TRUE(path);
        EXPECT_EQ(*path, fs::path(home) / ".local/share/nuvelkit/registry.json");
    }
}

TEST(Registry, FindsLibrariesByVersionedNameThenThroughTheRegistry) {
    PrivateRegistry reg;
    fs::create_directories(reg.file().parent_path());
    {
        std::ofstream f(reg.file());
        f << R"({"format":"nuvelkit-registry","version":1,"libraries":{"acme":)"
             R"({"path":"/opt/acme/libacme.so.3","classes":[]}}})";
    }
    const fs::path libDir = (fs::path(NK_BINARY_DIR) / "lib").lexically_normal();
    struct Case {
        std::string name;
        std::optional<fs::path> found;
        std::vector<std::string> message; // parts of the error when nothing is found
    };
    const std::vector<Case> cases = {
        {"nuvset1", libDir / "libnuvset1.so.1", {}},
        {"nuvset2", libDir / "libnuvset2.so.1", {}},
        {"acme", fs::path("/opt/acme/libacme.so.3"), {}},
        {"nosuch",
         std::nullopt,
         {"libnosuch.so.1: not in ", libDir.string(), "not in the component registry",
          reg.file().string()}},
    };
    for (const Case& c : cases) {
        std::string error;
        const std::optional<fs::path> file = FindLibraryFile(c.name, error);
        EXPECT_EQ(file, c.found) << c.name << ": " << error;
        for (const std::string& part : c.message)
            EXPECT_NE(error.find(part), std::string::npos) << c.name << ": " << error;
    }
    // The kit's classes for an application come from those files.
    std::string error;
    const KitLibraries kit = OpenKitLibraries(error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(kit.libraries.size(), 2u);
    EXPECT_EQ(kit.libraries[0]->path(), libDir / "libnuvset1.so.1");
    EXPECT_EQ(kit.Tables().size(), ClassIdentities().size());
}

} // namespace nk
