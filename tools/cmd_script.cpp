// nuvelkit script [FILE]: drives one control at a time through the recording host and
// prints every request the control makes of its host.
#include "tools/cli.h"
#include "tools/commands.h"

#include "host/loading/library_loader.h"
#include "host/script/script.h"
#include "kit/classes.h"
#include "support/file_io.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <streambuf>
#include <vector>

namespace nk::tools {

namespace {

constexpr const char* kScriptHelp =
    R"HELP(Runs a script of commands against one control at a time and prints, one line
each, every request the control makes of its host ("PropertyChanged Caption",
"Line 0 0 10 10 0x00000000 BF", "RaiseEvent 1 Click()"). Each command is first
echoed as "> <command>". Reads print nothing.

Commands:
  new <Class> [<Name>] [<w> <h>]   create a control (e.g. NuvelCommand, Nuvelkit4.NuvelPad)
  init | read <json> | write       InitProperties / ReadProperties / WriteProperties
  size <w> <h>                     the container resizes the control (pixels)
  send <Notification> [<args>]     Paint, Click, KeyDown <code> <shift>, MouseMove <b> <s> <x> <y>,
                                   a child's: send Picture1.Paint, send Image1(2).MouseUp 1 0 3 3
  set <Member> <value>             assign a property or public field
  get <Member>                     print "= <value>"
  call <Method> [<args>]           call a method; an error reaching the caller prints "! Error ..."
  on <Event> set <Arg> <value>     the container's handler changes a by-reference argument
  on <Event> do <command>          the handler runs a command (re-entrant)
  on <Event> clear                 remove the handlers of an event
  ambient DisplayName <string> | ambient Font <font>
  picture <name> <w> <h> [<colour>] | picture <name> file <string>
  shell <n>                        the shell result of later address openings (default 42)
  dialog <Element> ...             clicks for the next about dialog (Command1, Label1(7), ...)
  pixel <x> <y> | extent           print a composed pixel / the size in pixels
  png <string>                     write the control as shown to a PNG file
  echo <anything>                  print the rest of the line
  quiet <command>                  run a command without printing the control's requests

Values: -12 3.5 0xC00000 &H80000014 True False "text\n" Nothing Empty
        Font("Arial", 8.25, bold) and the names of pictures.
A line that cannot be understood or carried out stops the run with status 2
("error: line N: ..." on standard error); a control that fails stops it with 1.

The full reference is docs/script.md.)HELP";

// Scripts beyond this size are refused: a script is typed or generated commands, and an
// endless input (a device, a pipe that never ends) must not grow without bound.
constexpr std::uint64_t kMaxScriptBytes = std::uint64_t{16} << 20;

// Standard input passed through with a bound: after kMaxScriptBytes it reports the end of
// the input and remembers that the script was cut.
class BoundedInput : public std::streambuf {
public:
    explicit BoundedInput(std::streambuf& source) : source_(source) {}
    bool cut() const { return cut_; }

protected:
    int_type underflow() override {
        if (read_ >= kMaxScriptBytes) {
            cut_ = source_.sgetc() != traits_type::eof();
            return traits_type::eof();
        }
        const std::streamsize want = static_cast<std::streamsize>(
            std::min<std::uint64_t>(sizeof buffer_, kMaxScriptBytes - read_));
        const std::streamsize got = source_.sgetn(buffer_, want);
        if (got <= 0) return traits_type::eof();
        read_ += static_cast<std::uint64_t>(got);
        setg(buffer_, buffer_, buffer_ + got);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    std::streambuf& source_;
    char buffer_[4096];
    std::uint64_t read_ = 0;
    bool cut_ = false;
};

std::string TooLong(const std::string& name) {
    return name + ": the script is longer than " + std::to_string(kMaxScriptBytes >> 20) +
           " MB; it was not run to its end";
}

} // namespace

void RegisterScript(CLI::App& app, const CommonOptions&) {
    auto* cmd =
        app.add_subcommand("script", "Run a script against a control and trace its requests");
    cmd->footer(kScriptHelp);
    auto file = std::make_shared<std::string>("-");
    cmd->add_option("FILE", *file, "The script (standard input when absent or -)");
    auto scale = std::make_shared<double>(1.0);
    AddDeviceScaleOption(*cmd, *scale);
    cmd->callback([file, scale] {
        // The classes come from the libraries' class objects, loaded as a container loads
        // them; the program's own copies stand in only when a library cannot be found.
        std::string loadError;
        KitLibraries kit = OpenKitLibraries(loadError);
        std::vector<const InterfaceTable*> classes = kit.Tables();
        if (kit.libraries.size() != Libraries().size()) {
            classes = AllClasses();
        }
        int status = 0;
        ScriptOptions options;
        options.scale = *scale;
        if (*file == "-") {
            // Read as it comes, so that commands typed at a terminal run as they are typed.
            BoundedInput bounded(*std::cin.rdbuf());
            std::istream in(&bounded);
            options.name = "standard input";
            status = RunScript(in, std::cout, std::cerr, classes, options);
            if (bounded.cut()) Fail(kExitUsage, TooLong("standard input"));
        } else {
            // Only a regular file, read whole: a folder, a FIFO or a device is refused
            // before anything runs.
            const FileBytes script = ReadRegularFile(*file, kMaxScriptBytes, "script");
            if (!script.ok()) Fail(kExitUsage, script.error);
            std::istringstream in(std::string(script.bytes.begin(), script.bytes.end()));
            options.baseDir = std::filesystem::path(*file).parent_path().string();
            options.name = *file;
            status = RunScript(in, std::cout, std::cerr, classes, options);
        }
        std::cout.flush();
        // A control's fault is work that failed; the runner's other statuses mean the same
        // to the program as to the runner.
        if (status == kScriptControlFault) throw CLI::RuntimeError(kExitFailed);
        if (status != kScriptDone) throw CLI::RuntimeError(status);
    });
}

} // namespace nk::tools
