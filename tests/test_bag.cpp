// The JSON property bag: keys without regard to case, defaults, conversions of stored
// values, the value kinds of the JSON form and its errors.
#include "host/forms/json_bag.h"

#include <gtest/gtest.h>

#include <cmath>

namespace nk {
namespace {

Picture Logo() {
    static const Picture logo = MakePicture(Image(4, 3), "logo");
    return logo;
}

Picture Resolve(const std::string& name) {
    return name == "logo" ? Logo() : nullptr;
}

JsonBag Parsed(const std::string& json) {
    JsonBag bag;
    std::string error;
    EXPECT_TRUE(bag.Parse(json, Resolve, error)) << error;
    return bag;
}

std::string ParseError(const std::string& json) {
    JsonBag bag;
    std::string error;
    EXPECT_FALSE(bag.Parse(json, Resolve, error)) << "accepted " << json;
    return error;
}

TEST(BagKeys, MatchWithoutRegardToCaseAndKeepTheirPlace) {
    JsonBag bag;
    bag.Store("Caption", Variant::String("a"));
    bag.Store("Enabled", Variant::Boolean(kTrue));
    ASSERT_TRUE(bag.Find("CAPTION"));
    EXPECT_EQ(bag.Find("caption")->text(), "a");
    EXPECT_FALSE(bag.Find("Captio"));
    // A later store under another spelling replaces the value where it stands.
    bag.Store("CAPTION", Variant::String("b"));
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].first, "CAPTION");
    EXPECT_EQ(bag.entries()[0].second.text(), "b");
    EXPECT_EQ(bag.ToJson(), R"({"CAPTION":"b","Enabled":true})");
    // Reading a document matches keys the same way.
    JsonBag read = Parsed(R"({"coolbutton":false})");
    EXPECT_EQ(ReadBoolean(read, "CoolButton", kTrue), kFalse);
}

TEST(BagDefaults, DefaultsAreNotStoredAndTheReadDefaultMayDiffer) {
    JsonBag bag;
    WriteSingle(bag, "FontSize", 0, 0);
    WriteString(bag, "Caption", "", "");
    WriteColor(bag, "BackColor", kButtonFace, kButtonFace);
    WritePicture(bag, "PictureNormal", nullptr);
    EXPECT_TRUE(bag.entries().empty());
    EXPECT_EQ(bag.ToJson(), "{}");
    // Written with default 0, read with default 20: the read default wins.
    EXPECT_EQ(ReadSingle(bag, "FontSize", 20), 20.0f);
    WriteSingle(bag, "FontSize", 12, 0);
    EXPECT_EQ(ReadSingle(bag, "fontsize", 20), 12.0f);
    // An empty picture is not "no picture": it is stored.
    WritePicture(bag, "PictureHover", MakeEmptyPicture());
    EXPECT_EQ(bag.ToJson(), R"({"FontSize":12,"PictureHover":{"picture":""}})");
}

TEST(BagConversions, StoredValuesOfTheWrongKindConvertOrGiveNothing) {
    JsonBag bag = Parsed(R"({"A":"12","B":"abc","C":2147483666,"D":true,"E":"True",)"
                         R"("F":{"picture":"logo"},"G":3.5,"H":40000})");
    EXPECT_EQ(ReadInteger(bag, "A", 0), 12);
    EXPECT_FALSE(ReadInteger(bag, "B", 0));
    EXPECT_EQ(ReadString(bag, "B", ""), "abc");
    EXPECT_EQ(ReadColor(bag, "C", 0), 0x80000012u);
    EXPECT_FALSE(ReadInteger(bag, "C", 0)); // too large for 16 bits
    EXPECT_EQ(ReadInteger(bag, "D", 0), -1);
    EXPECT_EQ(ReadBoolean(bag, "E", kFalse), kTrue);
    EXPECT_FALSE(ReadString(bag, "F", ""));
    EXPECT_FALSE(ReadInteger(bag, "F", 0));
    EXPECT_EQ(ReadInteger(bag, "G", 0), 4); // halves to even
    EXPECT_FALSE(ReadInteger(bag, "H", 0));
    EXPECT_EQ(ReadLong(bag, "H", 0), 40000);
    EXPECT_EQ(ReadPicture(bag, "F"), Logo());
    EXPECT_FALSE(ReadFont(bag, "A", Font{}));
}

TEST(BagParse, NumbersTakeTheKindTheirRangeNeeds) {
    JsonBag bag = Parsed(R"({"a":32767,"b":-32768,"c":32768,"d":-2147483648,"e":2147483648,)"
                         R"("f":4294967295,"g":1.5,"h":-3000000000,"i":true,"j":false})");
    auto kind = [&](const char* k) { return bag.Find(k)->kind(); };
    EXPECT_EQ(kind("a"), VariantKind::Integer);
    EXPECT_EQ(kind("b"), VariantKind::Integer);
    EXPECT_EQ(kind("c"), VariantKind::Long);
    EXPECT_EQ(kind("d"), VariantKind::Long);
    EXPECT_EQ(kind("e"), VariantKind::Double);
    EXPECT_EQ(bag.Find("f")->number(), 4294967295.0);
    EXPECT_EQ(kind("g"), VariantKind::Double);
    EXPECT_EQ(kind("h"), VariantKind::Double);
    EXPECT_EQ(kind("i"), VariantKind::Boolean);
    EXPECT_EQ(bag.Find("i")->number(), -1);
    EXPECT_EQ(bag.Find("j")->number(), 0);
}

TEST(BagParse, PicturesAndFonts) {
    JsonBag bag =
        Parsed(R"({"P1":{"picture":""},"P2":{"picture":"nothing"},)"
               R"("P3":{"picture":"logo"},"F":{"font":{"name":"Arial","size":8.25}},)"
               R"("G":{"font":{"size":20,"name":"Tahoma","bold":true,"strikethru":true}}})");
    Picture p1 = bag.Find("P1")->picture();
    ASSERT_TRUE(p1);
    EXPECT_FALSE(p1->HasImage());
    EXPECT_EQ(bag.Find("P2")->kind(), VariantKind::Picture);
    EXPECT_FALSE(bag.Find("P2")->picture());
    EXPECT_EQ(bag.Find("P3")->picture(), Logo());
    EXPECT_EQ(bag.Find("F")->font(), (Font{"Arial", 8.25, false, false, false, false}));
    EXPECT_EQ(bag.Find("G")->font(), (Font{"Tahoma", 20, true, false, false, true}));
}

TEST(BagParse, ValuesABagCannotHoldNameTheKey) {
    EXPECT_EQ(ParseError(R"({"Pic":{"picture":"missing"}})"),
              R"(key "Pic": unknown picture "missing")");
    EXPECT_NE(ParseError(R"({"List":[1,2]})").find(R"(key "List": an array)"), std::string::npos);
    EXPECT_NE(ParseError(R"({"N":null})").find(R"(key "N": null)"), std::string::npos);
    EXPECT_NE(ParseError(R"({"O":{"x":1}})").find(R"(key "O": an object)"), std::string::npos);
    EXPECT_NE(ParseError(R"({"O":{"picture":"logo","x":1}})").find(R"(key "O")"),
              std::string::npos);
    EXPECT_NE(ParseError(R"({"F":{"font":{"name":"Arial"}}})").find("without \"size\""),
              std::string::npos);
    EXPECT_NE(ParseError(R"({"F":{"font":{"size":8}}})").find("without \"name\""),
              std::string::npos);
    EXPECT_NE(ParseError(R"({"F":{"font":{"name":"A","size":8,"bold":1}}})").find("\"bold\""),
              std::string::npos);
    EXPECT_NE(ParseError(R"({"F":{"font":{"name":"A","size":8,"colour":1}}})")
                  .find("unknown font field \"colour\""),
              std::string::npos);
    EXPECT_NE(ParseError(R"({"P":{"picture":7}})").find(R"(key "P")"), std::string::npos);
}

TEST(BagParse, MalformedDocumentsGiveLineAndColumn) {
    std::string e = ParseError("{\n  \"a\": 1,\n  \"b\": }");
    EXPECT_EQ(e.rfind("line 3, column 8: ", 0), 0u) << e;
    // The column is that of the last character read: the end of the unexpected "b".
    e = ParseError(R"({"a":1 "b":2})");
    EXPECT_EQ(e.rfind("line 1, column 10: ", 0), 0u) << e;
    e = ParseError("{\"a\":");
    EXPECT_EQ(e.rfind("line 1, column ", 0), 0u) << e;
    e = ParseError("\n\n  [1, 2]");
    EXPECT_EQ(e, "line 3, column 3: a bag must be a JSON object");
    e = ParseError("");
    EXPECT_EQ(e.rfind("line 1, column 1: ", 0), 0u) << e;
}

TEST(BagParse, AFailedParseLeavesTheBagAsItWas) {
    JsonBag bag = Parsed(R"({"Kept":1})");
    std::string error;
    EXPECT_FALSE(bag.Parse(R"({"New":2,"Bad":null})", Resolve, error));
    EXPECT_EQ(bag.ToJson(), R"({"Kept":1})");
    // A successful parse replaces the contents.
    EXPECT_TRUE(bag.Parse(R"({"New":2})", Resolve, error));
    EXPECT_EQ(bag.ToJson(), R"({"New":2})");
}

TEST(BagJson, EveryKindIsWrittenInItsForm) {
    JsonBag bag;
    bag.Store("T", Variant::Boolean(kTrue));
    bag.Store("F", Variant::Boolean(kFalse));
    bag.Store("B", Variant::Boolean(5));
    bag.Store("I", Variant::Integer(-7));
    bag.Store("L", Variant::Long(100000));
    bag.Store("S", Variant::Single(8.25f));
    bag.Store("S2", Variant::Single(0.1f));
    bag.Store("D", Variant::Double(2147483666.0));
    bag.Store("D2", Variant::Double(0.1));
    bag.Store("D3", Variant::Double(20.0));
    bag.Store("Str", Variant::String("say \"hi\"\n"));
    bag.Store("P0", Variant::OfPicture(nullptr));
    bag.Store("P1", Variant::OfPicture(MakeEmptyPicture()));
    bag.Store("P2", Variant::OfPicture(Logo()));
    bag.Store("Fnt", Variant::OfFont(Font{"Arial", 8.25, true, false, true, false}));
    EXPECT_EQ(bag.ToJson(),
              R"({"T":true,"F":false,"B":5,"I":-7,"L":100000,"S":8.25,"S2":0.1,)"
              R"("D":2147483666,"D2":0.1,"D3":20,"Str":"say \"hi\"\n",)"
              R"("P0":{"picture":"nothing"},"P1":{"picture":""},"P2":{"picture":"logo"},)"
              R"("Fnt":{"font":{"name":"Arial","size":8.25,"bold":true,"italic":false,)"
              R"("underline":true,"strikethru":false}}})");
}

TEST(BagJson, WrittenBagsReadBackToTheSameValues) {
    JsonBag bag;
    bag.Store("T", Variant::Boolean(kTrue));
    bag.Store("B", Variant::Boolean(5));
    bag.Store("I", Variant::Integer(-32768));
    bag.Store("L", Variant::Long(-2147483647 - 1));
    bag.Store("S", Variant::Single(0.3f));
    bag.Store("D", Variant::Double(1.0 / 3.0));
    bag.Store("C", Variant::Double(4294967295.0));
    bag.Store("Str", Variant::String("tab\tand \xC3\xA9"));
    bag.Store("P0", Variant::OfPicture(nullptr));
    bag.Store("P1", Variant::OfPicture(MakeEmptyPicture()));
    bag.Store("P2", Variant::OfPicture(Logo()));
    bag.Store("Fnt", Variant::OfFont(Font{"Courier New", 9.75, false, true, false, true}));
    bag.Store("NaN", Variant::Double(std::nan("")));
    JsonBag back = Parsed(bag.ToJson());
    ASSERT_EQ(back.entries().size(), bag.entries().size());
    for (std::size_t i = 0; i < bag.entries().size(); ++i) {
        const auto& [key, value] = bag.entries()[i];
        const auto& [key2, value2] = back.entries()[i];
        EXPECT_EQ(key, key2);
        if (key == "NaN") {
            EXPECT_TRUE(std::isnan(*value2.ToDouble()));
        } else if (key == "S") {
            EXPECT_EQ(value2.ToSingle(), 0.3f); // read back as the Double 0.3
        } else if (key == "P1") {               // a new empty picture: present, without an image
            ASSERT_TRUE(value2.picture());
            EXPECT_FALSE(value2.picture()->HasImage());
        } else {
            EXPECT_TRUE(value.SameValue(value2)) << key << " -> " << back.ToJson();
        }
    }
    EXPECT_EQ(back.ToJson().find('\n'), std::string::npos);
}

} // namespace
} // namespace nk
