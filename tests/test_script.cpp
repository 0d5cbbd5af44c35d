// Value formats, the script syntax and the runner's errors, files and exit statuses.
#include "host/codec/codec.h"
#include "host/hosts/format.h"
#include "host/script/script.h"
#include "host/script/script_parse.h"
#include "tests/probe_control.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <unistd.h>

namespace nk {

namespace {

namespace fs = std::filesystem;
using script::Lexer;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunText(const std::string& text, const std::string& baseDir = "") {
    std::istringstream in(text);
    std::ostringstream out, err;
    const InterfaceTable* classes[] = {&probe::ProbeClass()};
    ScriptOptions options;
    options.baseDir = baseDir;
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
