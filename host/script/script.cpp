#include "host/script/script.h"

#include "host/script/script_commands.h"
#include "host/script/script_session.h"

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace nk {

namespace {

// Lines longer than this echo as an excerpt: the echo tells where the run is, and a line of
// megabytes would only flood the output a second time.
constexpr std::size_t kMaxEchoBytes = 4096;

std::string EchoOf(std::string_view text) {
    if (text.size() <= kMaxEchoBytes) return "> " + std::string(text);
    std::size_t at = kMaxEchoBytes; // cut on a character boundary of UTF-8
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return "> " + std::string(text.substr(0, at)) + "\u2026 (" + std::to_string(text.size()) +
           " bytes in all)";
}

} // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err,
              std::span<const InterfaceTable* const> classes, const ScriptOptions& options) {
    script::Session s(out, classes, options);
    std::string raw;
    while (std::getline(in, raw)) {
        ++s.line;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (s.line == 1 && raw.rfind("\xEF\xBB\xBF", 0) == 0) raw.erase(0, 3); // a UTF-8 mark
        const std::string_view text = script::Lexer(raw).Rest();
        if (text.empty() || text.front() == '#') continue;
        s.printer.Line(EchoOf(text));
        try {
            script::RunCommand(s, text, false);
        } catch (const script::ScriptError& e) {
            s.Stop(s.line, e.what(), kScriptError);
        } catch (const std::exception& e) {
            s.Stop(s.line, std::string("cannot carry out the line: ") + e.what(), kScriptError);
        }
        if (s.stopped()) break;
    }
    // The control goes before the run reports, so its last requests are still recorded.
    s.site.reset();
    if (!s.stopped()) return kScriptDone;
    err << "error: line " << s.errorLine() << ": " << s.error() << '\n';
    return s.status();
}

} // namespace nk
