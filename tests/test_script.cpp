// Value formats, the script syntax and the runner's errors, files and exit statuses.
#include "host/codec/codec.h"
#include "host/hosts/format.h"
#include "host/script/script.h"
#include "host/script/script_parse.h"
#include "host/script/script_pictures.h"
#include "tests/probe_control.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace nk {

namespace {

namespace fs = std::filesystem;
using script::Lexer;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunText(const std::string& text, const std::string& baseDir = "",
                std::uint64_t picturePixels = ScriptOptions{}.picturePixels) {
    std::istringstream in(text);
    std::ostringstream out, err;
    const InterfaceTable* classes[] = {&probe::ProbeClass()};
    ScriptOptions options;
    options.baseDir = baseDir;
    options.picturePixels = picturePixels;
    const int status = RunScript(in, out, err, classes, options);
    return {status, out.str(), err.str()};
}

fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() / ("nk_script_" + std::to_string(::getpid()) + "_" + name);
}

} // namespace

TEST(Format, NumbersAreWholeOrHaveAtMostFourDecimals) {
    EXPECT_EQ(FormatNumber(-7), "-7");
    EXPECT_EQ(FormatNumber(250), "250");
    EXPECT_EQ(FormatNumber(87.8f), "87.8");
    EXPECT_EQ(FormatNumber(1.0 / 3), "0.3333");
    EXPECT_EQ(FormatNumber(2.5), "2.5");
    EXPECT_EQ(FormatNumber(0.99999), "1");
    EXPECT_EQ(FormatNumber(0.00001), "0");
    EXPECT_EQ(FormatNumber(-0.00001), "0");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(-1.23456), "-1.2346");
    EXPECT_EQ(FormatNumber(1e20), "100000000000000000000");
    EXPECT_EQ(FormatNumber(std::nan("")), "NaN");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), "Inf");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity()), "-Inf");
}

TEST(Format, ColoursBooleansStringsPicturesAndFonts) {
    EXPECT_EQ(FormatColor(0x00C00000), "0x00C00000");
    EXPECT_EQ(FormatColor(0x80000014), "0x80000014");
    EXPECT_EQ(FormatColor(0xabcdef), "0x00ABCDEF");
    EXPECT_EQ(FormatBoolean(kTrue), "True");
    EXPECT_EQ(FormatBoolean(kFalse), "False");
    EXPECT_EQ(FormatBoolean(5), "5");
    EXPECT_EQ(QuoteString("a\"b\\c\nd\re\tf"), "\"a\\\"b\\\\c\\nd\\re\\tf\"");
    EXPECT_EQ(FormatPicture(nullptr), "nothing");
    EXPECT_EQ(FormatPicture(MakeEmptyPicture()), "empty");
    EXPECT_EQ(FormatPicture(MakePicture(Image(2, 3), "image:2x3")), "image:2x3");
    EXPECT_EQ(FormatFont(Font{}), "Font(\"Arial\", 8.25)");
    EXPECT_EQ(FormatFont(Font{"Courier New", 10, true, true, true, true}),
              "Font(\"Courier New\", 10, bold, italic, underline, strikethru)");
    // A colour-typed value prints as a colour whatever kind carries it; Booleans by type.
    EXPECT_EQ(FormatValue(ValueType::Color, Variant::Long(-2147483628)), "0x80000014");
    EXPECT_EQ(FormatValue(ValueType::Color, Variant::Double(255)), "0x000000FF");
    EXPECT_EQ(FormatValue(ValueType::Boolean, Variant::Integer(7)), "7");
    EXPECT_EQ(FormatValue(ValueType::Boolean, Variant::Boolean(kTrue)), "True");
    EXPECT_EQ(FormatValue(ValueType::Single, Variant::Single(0.1f)), "0.1");
    EXPECT_EQ(FormatValue(ValueType::String, Variant::String("x")), "\"x\"");
}

TEST(ScriptSyntax, TokensKeepStringsAndFontsWhole) {
    Lexer lx("  set Font Font(\"Times (New), Roman\", 8.25, bold)  \"a b\\\" c\" tail end ");
    EXPECT_EQ(lx.Next(), "set");
    EXPECT_EQ(lx.Next(), "Font");
    EXPECT_EQ(lx.Next(), "Font(\"Times (New), Roman\", 8.25, bold)");
    EXPECT_EQ(lx.Next(), "\"a b\\\" c\"");
    EXPECT_EQ(lx.Rest(), "tail end");
    EXPECT_EQ(lx.Next(), "tail");
    EXPECT_EQ(lx.Next(), "end");
    EXPECT_FALSE(lx.Next());
    EXPECT_TRUE(lx.AtEnd());

    Lexer open("echo \"never closed");
    open.Next();
    EXPECT_THROW(open.Next(), script::SyntaxError);
    Lexer font("set Font Font(\"Arial\", 8");
    font.Next();
    font.Next();
    EXPECT_THROW(font.Next(), script::SyntaxError);
    Lexer glued("\"a\"b");
    EXPECT_THROW(glued.Next(), script::SyntaxError);
}

TEST(ScriptSyntax, StringsResolveTheirEscapes) {
    EXPECT_EQ(script::Unquote(R"("a\"b\\c\nd\re\tf")"), "a\"b\\c\nd\re\tf");
    EXPECT_EQ(script::Unquote("\"\""), "");
    EXPECT_THROW(script::Unquote(R"("bad \q")"), script::SyntaxError);
    EXPECT_THROW(script::Unquote("plain"), script::SyntaxError);
}

TEST(ScriptSyntax, NumbersInDecimalAndHex) {
    auto n = [](std::string_view t) { return script::ParseNumber(t); };
    EXPECT_EQ(n("-12")->value.number(), -12);
    EXPECT_EQ(n("-12")->value.kind(), VariantKind::Long);
    EXPECT_EQ(n("3.5")->value.number(), 3.5);
    EXPECT_EQ(n("1e3")->value.number(), 1000);
    EXPECT_EQ(n("+7")->value.number(), 7);
    EXPECT_EQ(n(".5")->value.number(), 0.5);
    EXPECT_EQ(n("0xC00000")->value.number(), 0xC00000);
    EXPECT_TRUE(n("0xC00000")->hex);
    EXPECT_EQ(n("&H80000014")->value.number(), 2147483668.0);
    EXPECT_EQ(n("&hff")->value.number(), 255);
    EXPECT_FALSE(n("0x"));
    EXPECT_FALSE(n("0xG1"));
    EXPECT_FALSE(n("1.5.2"));
    EXPECT_FALSE(n("12abc"));
    EXPECT_FALSE(n("abc"));
    EXPECT_FALSE(n("-"));
    EXPECT_FALSE(n("nan"));
    EXPECT_FALSE(n("inf"));
}

TEST(ScriptSyntax, HexFillsTheBitsOfIntegerTargetsAndStaysUnsignedForColours) {
    const auto word = *script::ParseNumber("&HFFFF");
    const auto dword = *script::ParseNumber("0xFFFFFFFF");
    EXPECT_EQ(script::ConvertLiteral(ValueType::Integer, word)->number(), -1);
    EXPECT_EQ(script::ConvertLiteral(ValueType::Long, word)->number(), 65535);
    EXPECT_EQ(script::ConvertLiteral(ValueType::Long, dword)->number(), -1);
    EXPECT_EQ(script::ConvertLiteral(ValueType::Color, dword)->ToColor(), 0xFFFFFFFFu);
    EXPECT_FALSE(script::ConvertLiteral(ValueType::Integer, dword));
    // Decimal values keep their value: 65535 does not fit an Integer.
    EXPECT_FALSE(script::ConvertLiteral(ValueType::Integer, *script::ParseNumber("65535")));
}

TEST(ScriptSyntax, LiteralsAndFonts) {
    using script::ParseLiteral;
    EXPECT_EQ(ParseLiteral("true")->value.number(), kTrue);
    EXPECT_EQ(ParseLiteral("FALSE")->value.kind(), VariantKind::Boolean);
    EXPECT_EQ(ParseLiteral("Nothing")->value.picture(), nullptr);
    EXPECT_TRUE(IsPresent(ParseLiteral("Empty")->value.picture()));
    EXPECT_FALSE(HasImage(ParseLiteral("Empty")->value.picture()));
    EXPECT_EQ(ParseLiteral("\"x y\"")->value.text(), "x y");
    EXPECT_FALSE(ParseLiteral("Logo"));

    const Font f = script::ParseFont("Font(\"Arial\", 8.25, bold, Italic)");
    EXPECT_EQ(f, (Font{"Arial", 8.25, true, true, false, false}));
    EXPECT_THROW(script::ParseFont("Font(\"Arial\")"), script::SyntaxError);
    EXPECT_THROW(script::ParseFont("Font(\"Arial\", 0)"), script::SyntaxError);
    EXPECT_THROW(script::ParseFont("Font(\"Arial\", big)"), script::SyntaxError);
    EXPECT_THROW(script::ParseFont("Font(\"Arial\", 8, heavy)"), script::SyntaxError);
    EXPECT_THROW(script::ParseFont("Font(Arial, 8)"), script::SyntaxError);
}

TEST(ScriptSyntax, PicturesAndFontsOnlyGoToTheirOwnTypes) {
    const script::Literal none{Variant::OfPicture(nullptr), false};
    const script::Literal five{Variant::Long(5), false};
    EXPECT_TRUE(script::ConvertLiteral(ValueType::Picture, none));
    EXPECT_FALSE(script::ConvertLiteral(ValueType::Picture, five));
    EXPECT_FALSE(script::ConvertLiteral(ValueType::Long, none));
    EXPECT_FALSE(script::ConvertLiteral(ValueType::Font, five));
    EXPECT_EQ(script::ConvertLiteral(ValueType::String, five)->text(), "5");
}

TEST(ScriptRun, TheEndOfTheScriptExitsZero) {
    const Outcome r = RunText("new NuvelProbe\n\n# done\n");
    EXPECT_EQ(r.status, kScriptDone);
    EXPECT_EQ(r.out, "> new NuvelProbe\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(RunText("").status, kScriptDone);
    // A file written on another system: a UTF-8 mark and carriage returns.
    EXPECT_EQ(RunText("\xEF\xBB\xBF"
                      "echo hi\r\necho there\r\n")
                  .out,
              "> echo hi\nhi\n> echo there\nthere\n");
}

TEST(ScriptRun, LinesThatCannotBeCarriedOutStopTheRunWithStatusTwo) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"init", "error: line 1: no control yet"},
        {"new NuvelProbe\nsend Image1(4).MouseDown 1 0 1 1",
         "error: line 2: Image1 needs an index 0 to 3"},
        {"new NuvelProbe\nsend Image1.MouseDown 1 0 1 1", "error: line 2: Image1 needs an index"},
        {"new NuvelProbe\nsend Picture1(0).Paint",
         "error: line 2: Picture1 is not a control array"},
        {"new NuvelProbe\nsend Picture1.GotFocus",
         "error: line 2: a child does not deliver GotFocus"},
        {"new NuvelProbe\nsend Frame1.Paint", "error: line 2: NuvelProbe has no child Frame1"},
        {"new NuvelProbe\nsend MouseDown 1 0 5", "error: line 2: MouseDown takes 4 arguments"},
        {"new NuvelProbe\nsend KeyDown 70000 0", "error: line 2: bad value 70000 for KeyCode"},
        {"new NuvelProbe\nsize -1 5", "error: line 2: a size must be 0 to 16384"},
        {"new NuvelProbe\non Click do new NuvelProbe", "error: line 2: new cannot run in an event"},
        {"new NuvelProbe\non Click do fly", "error: line 2: unknown command fly"},
        {"new NuvelProbe\non Click bounce", "error: line 2: expected set, do or clear"},
        {"new NuvelProbe\non KeyDown set Key 1", "error: line 2: KeyDown has no argument Key"},
        {"new NuvelProbe\non KeyDown set KeyCode \"x\"",
         "error: line 2: bad value \"x\" for KeyCode"},
        {"new NuvelProbe\nset LastKey 3", "error: line 2: LastKey is read-only"},
        {"new NuvelProbe\nset Mask Logo", "error: line 2: cannot understand the value Logo"},
        {"new NuvelProbe\nset Mask 5", "error: line 2: bad value 5 for Mask (Picture)"},
        {"new NuvelProbe\ncall Twice", "error: line 2: Twice takes 1 arguments"},
        {"new NuvelProbe\nget Value extra", "error: line 2: unexpected extra"},
        {"new NuvelProbe\nread {\"Caption\": }", "error: line 2: bad bag: "},
        {"new NuvelProbe\nread [1, 2]", "error: line 2: bad bag: "},
        {"new NuvelProbe\ndialog Label1(11)", "error: line 2: unknown dialog element Label1(11)"},
        {"new NuvelProbe\nambient Colour 1", "error: line 2: unknown ambient property Colour"},
        {"picture True 2 2", "error: line 1: bad picture name True"},
        {"picture P 0 2", "error: line 1: a picture must be 1 to 16384"},
        {"new Nuvelkit4.NuvelProbe", "error: line 1: unknown class Nuvelkit4.NuvelProbe"},
        {"new NuvelProbe P 10", "error: line 1: expected new <Class> [<Name>] [<w> <h>]"},
        {"new NuvelProbe\nset Caption \"unterminated", "error: line 2: unterminated string"},
    };
    for (const Case& c : cases) {
        const Outcome r = RunText(c.script);
        EXPECT_EQ(r.status, kScriptError) << c.script;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.script << "\n -> " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one error line: " << r.err;
    }
}

TEST(ScriptRun, TheBagErrorGivesTheLineAndColumnOfTheJson) {
    const Outcome r = RunText("new NuvelProbe\nread {\"Caption\": }\n");
    EXPECT_NE(r.err.find("line 1, column"), std::string::npos) << r.err;
}

TEST(ScriptRun, CommandsAndNamesMatchWithoutRegardToLetterCase) {
    const Outcome r =
        RunText("NEW nuvelprobe\nSet caption \"x\"\nGET CAPTION\nnew NUVELKIT3.NuvelProbe\n");
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    EXPECT_NE(r.out.find("= \"x\"\n"), std::string::npos) << r.out;
}

TEST(ScriptRun, PngWritesTheComposedControlWithSeeThroughPixels) {
    const fs::path png = TempPath("shown.png");
    fs::remove(png);
    const Outcome r = RunText("new NuvelProbe P 6 4\npicture M 3 4 0x00000000\nset Mask M\npng \"" +
                              png.string() + "\"\n");
    ASSERT_EQ(r.status, kScriptDone) << r.err;
    const DecodeResult d = LoadPictureFile(png.string());
    ASSERT_TRUE(d.ok()) << d.error;
    ASSERT_EQ(d.image.width, 6);
    ASSERT_EQ(d.image.height, 4);
    EXPECT_EQ(d.image.At(0, 0), 0xFFD4D0C8u);
    EXPECT_EQ(d.image.At(4, 1) >> 24, 0u);
    fs::remove(png);

    const Outcome bad = RunText("new NuvelProbe\npng \"/no/such/folder/x.png\"\n");
    EXPECT_EQ(bad.status, kScriptError);
    EXPECT_NE(bad.err.find("/no/such/folder/x.png"), std::string::npos) << bad.err;
}

TEST(ScriptRun, PictureFilesAreFoundBesideTheScript) {
    const fs::path dir = TempPath("pictures");
    fs::create_directories(dir);
    ASSERT_EQ(WritePng(Image(3, 2, 0xFF0000FFu), (dir / "blue.png").string()), "");
    const Outcome r = RunText("new NuvelProbe\npicture B file \"blue.png\"\nset Mask B\nget Mask\n",
                              dir.string());
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    EXPECT_NE(r.out.find("MaskPicture B\n"), std::string::npos) << r.out;

    const Outcome missing = RunText("picture B file \"gone.png\"\n", dir.string());
    EXPECT_EQ(missing.status, kScriptError);
    EXPECT_NE(missing.err.find("gone.png"), std::string::npos) << missing.err;
    fs::remove_all(dir);
}

TEST(ScriptRun, NothingPrintsAfterTheRunStops) {
    // The handler fails on the first Click; the second handler and the lines the control
    // makes afterwards are not printed.
    const Outcome r = RunText("new NuvelProbe\non Click do get Nope\non Click do echo late\n"
                              "on Click do set Caption \"x\"\nsend Click\necho after\n");
    EXPECT_EQ(r.status, kScriptError);
    EXPECT_EQ(r.out, "> new NuvelProbe\n> on Click do get Nope\n> on Click do echo late\n"
                     "> on Click do set Caption \"x\"\n> send Click\nRaiseEvent 1 Click()\n");
}

TEST(ScriptRun, ResourcePicturesCanBeNamedInValuesAndBags) {
    const Outcome r = RunText("new NuvelProbe\nset Mask res:7\nget Mask\n"
                              "read {\"Mask\":{\"picture\":\"res:7\"}}\nget Mask\nwrite\n");
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    EXPECT_NE(r.out.find("> get Mask\n= res:7\n> read"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"Mask\":{\"picture\":\"res:7\"}"), std::string::npos) << r.out;
}

} // namespace nk

namespace nk {

namespace {

struct RunCase {
    const char* what;
    std::string script;
    std::string out; // all of standard output
    std::string err; // the start of the error line ("" for none)
};

void ExpectRuns(const std::vector<RunCase>& cases) {
    for (const RunCase& c : cases) {
        const Outcome r = RunText(c.script);
        EXPECT_EQ(r.out, c.out) << c.what;
        if (c.err.empty()) {
            EXPECT_EQ(r.status, kScriptDone) << c.what << ": " << r.err;
        } else {
            EXPECT_EQ(r.status, kScriptError) << c.what;
            EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << c.what << "\n -> " << r.err;
        }
    }
}

} // namespace

TEST(ScriptQuiet, MutesTheControlsRequestsAndKeepsWhatTheCommandPrints) {
    const std::string probe = "new NuvelProbe\n";
    const std::string made = "> new NuvelProbe\n";
    ExpectRuns({
        {"requests and raised events are muted",
         probe + "quiet set Caption \"x\"\nquiet send Click\n",
         made + "> quiet set Caption \"x\"\n> quiet send Click\n", ""},
        {"the next command prints again", probe + "quiet send Click\nsend Click\n",
         made + "> quiet send Click\n> send Click\nRaiseEvent 1 Click()\n", ""},
        {"echo, values and bags still print",
         probe + "quiet echo set up\nquiet set Value 2\nquiet get Value\nquiet write\n",
         made + "> quiet echo set up\nset up\n> quiet set Value 2\n> quiet get Value\n= 2\n"
                "> quiet write\nbag {\"Caption\":\"\",\"Value\":2}\n",
         ""},
        {"a method's error and result still print",
         probe + "quiet call OpenData \"no-such-file.dat\"\nquiet call Twice 4\n",
         made + "> quiet call OpenData \"no-such-file.dat\"\n! Error 53 \"File not found\"\n"
                "> quiet call Twice 4\n= 8\n",
         ""},
        {"a handler's own prints show, its requests do not",
         probe + "on Click do echo clicked\non Click do set Caption \"y\"\nquiet send Click\n",
         made + "> on Click do echo clicked\n> on Click do set Caption \"y\"\n> quiet send Click\n"
                "clicked\n",
         ""},
        {"a quiet handler mutes only what it runs",
         probe + "on Click do quiet set Caption \"y\"\nsend Click\nget Caption\n",
         made + "> on Click do quiet set Caption \"y\"\n> send Click\nRaiseEvent 1 Click()\n"
                "> get Caption\n= \"y\"\n",
         ""},
        {"quiet nests", probe + "quiet quiet send Click\nsend DblClick\n",
         made + "> quiet quiet send Click\n> send DblClick\nRaiseEvent 2 DblClick()\n", ""},
        {"letter case", probe + "QUIET send Click\n", made + "> QUIET send Click\n", ""},
        {"errors still stop the run", probe + "quiet set Nope 1\necho after\n",
         made + "> quiet set Nope 1\n", "error: line 2: NuvelProbe has no property or field Nope"},
        {"a command is needed", probe + "quiet\n", made + "> quiet\n",
         "error: line 2: missing command after quiet"},
        {"a handler's quiet needs a command", probe + "on Click do quiet quiet\n",
         made + "> on Click do quiet quiet\n", "error: line 2: missing command after quiet"},
        {"a handler's quiet command is checked", probe + "on Click do quiet new NuvelProbe\n",
         made + "> on Click do quiet new NuvelProbe\n",
         "error: line 2: new cannot run in an event handler"},
        {"a handler's unknown quiet command", probe + "on Click do quiet fly\n",
         made + "> on Click do quiet fly\n", "error: line 2: unknown command fly"},
    });
    // A line of many prefixes runs its command once, without nesting a call for each.
    std::string prefixes;
    for (int i = 0; i < 200000; ++i)
        prefixes += "quiet ";
    const Outcome r = RunText(probe + prefixes + "send Click\nsend Click\n");
    EXPECT_EQ(r.status, kScriptDone) << r.err;
    EXPECT_EQ(r.out.substr(r.out.rfind("> send Click\n")), "> send Click\nRaiseEvent 1 Click()\n");
    EXPECT_EQ(r.out.find("RaiseEvent"), r.out.rfind("RaiseEvent")) << "one loud Click";
}

TEST(ScriptBounds, PicturesAreBoundedInNumberAndPixels) {
    std::string many;
    for (size_t i = 0; i <= script::kMaxScriptPictures; ++i)
        many += "picture P" + std::to_string(i) + " 1 1\n";
    // Giving a name again replaces its picture: no bound is reached.
    std::string again;
    for (size_t i = 0; i <= script::kMaxScriptPictures; ++i)
        again += "picture P 2 2\n";
    // Four pictures of 25 pixels fill a budget of 100.
    const std::string full = "picture A 5 5\npicture B 5 5\npicture C 5 5\npicture D 25 1\n";
    struct Case {
        std::string script;
        std::uint64_t budget;
        std::string message; // "" when the run ends well
    };
    const Case cases[] = {
        {many, 1 << 20,
         "error: line 1025: the script already holds 1024 pictures, the most a script may hold; "
         "picture P1024 would be one more"},
        {again, 1 << 20, ""},
        {full, 100, ""},
        {full + "picture E 1 1\n", 100,
         "error: line 5: picture E would bring the pictures of the script to 101 pixels; they "
         "may hold 100 together"},
        // A picture given again gives back the pixels of the one it replaces.
        {full + "picture A 1 1\npicture E 4 6\n", 100, ""},
        {full + "picture A 5 6\n", 100,
         "error: line 5: picture A would bring the pictures of the script to 105 pixels; they "
         "may hold 100 together"},
    };
    for (const Case& c : cases) {
        const Outcome r = RunText(c.script, "", c.budget);
        if (c.message.empty()) {
            EXPECT_EQ(r.status, kScriptDone) << r.err;
        } else {
            EXPECT_EQ(r.status, kScriptError);
            EXPECT_EQ(r.err, c.message + "\n");
        }
    }
    // One picture may not pass the largest picture any entrance takes, whatever the budget.
    const Outcome huge = RunText("picture P 16384 16384\n");
    EXPECT_EQ(huge.err, "error: line 1: picture P: size 16384 x 16384 is 268435456 pixels, more "
                        "than the 67108864 pixels a picture may hold\n");
}

TEST(ScriptBounds, MessagesQuoteOnlyAnExcerptOfAHugeWord) {
    const std::string huge(4 << 20, 'w');
    const std::string excerpt = "\"" + std::string(80, 'w') + "\u2026\"";
    struct Case {
        std::string script;
        std::string message;
    };
    const Case cases[] = {
        {huge, "error: line 1: unknown command " + excerpt},
        {"new NuvelProbe\nset " + huge + " 1",
         "error: line 2: NuvelProbe has no property or field " + excerpt},
        {"new NuvelProbe\nget Caption " + huge, "error: line 2: unexpected " + excerpt},
        {"new NuvelProbe\nset Value " + huge,
         "error: line 2: cannot understand the value " + excerpt},
        {"new NuvelProbe\ncall " + huge, "error: line 2: NuvelProbe has no method " + excerpt},
        {"new NuvelProbe\non " + huge + " clear",
         "error: line 2: NuvelProbe has no event " + excerpt},
        {"new NuvelProbe\nsend " + huge + ".Paint",
         "error: line 2: NuvelProbe has no child " + excerpt},
        {"new NuvelProbe\nsend " + huge, "error: line 2: unknown notification " + excerpt},
        {"new " + huge, "error: line 1: unknown class " + excerpt},
        {"picture " + huge + " 1 1", "error: line 1: bad picture name " + excerpt},
        {"picture P file \"" + huge + "\"", "error: line 1: the file name " + excerpt},
        {"new NuvelProbe\nset Font Font(\"Arial\", " + huge + ")",
         "error: line 2: bad font size " + excerpt},
        // A short word with a terminal escape in it is quoted, the escape written out.
        {"\x1b[2Jwipe", "error: line 1: unknown command \"\\u001b[2Jwipe\""},
    };
    for (const Case& c : cases) {
        const Outcome r = RunText(c.script);
        EXPECT_EQ(r.status, kScriptError) << c.message.substr(0, 60);
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err.substr(0, 300);
        EXPECT_LT(r.err.size(), 400u);
        // The echo of the huge line is cut too.
        EXPECT_LT(r.out.size(), 4096u + 200u);
    }
    const Outcome echoed = RunText("echo " + huge + "\n");
    EXPECT_EQ(echoed.status, kScriptDone);
    const std::string echoLine = echoed.out.substr(0, echoed.out.find('\n'));
    EXPECT_EQ(echoLine, "> echo " + std::string(4096 - 5, 'w') + "\u2026 (" +
                            std::to_string(huge.size() + 5) + " bytes in all)");
    // echo itself prints what it was asked to.
    EXPECT_EQ(echoed.out.substr(echoLine.size() + 1), huge + "\n");
}

} // namespace nk
