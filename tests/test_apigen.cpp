// The typed API's generator: the model it builds from tables, and the tables it refuses
// with a message naming the class, the member and the problem.
#include "api/gen/emitter.h"
#include "api/gen/model.h"
#include "set1/classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace nk::apigen {
namespace {

constexpr EnumMember kShapes[] = {{"Round", 0}, {"Square", 1}};
constexpr EnumMember kOtherShapes[] = {{"Round", 0}, {"Oval", 1}};
constexpr EnumInfo kShapeEnum{"Shapes", kShapes};
constexpr EnumInfo kOtherShapeEnum{"Shapes", kOtherShapes};

Variant NoValue(Control&) {
    return {};
}
void NoSet(Control&, const Variant&) {}

// A class without instances (no initial values) with the given members.
InterfaceTable Table(std::string_view name, std::vector<PropertyInfo> properties,
                     std::vector<EventInfo> events = {}) {
    InterfaceTable t;
    t.className = name;
    t.library = "nuvtest";
    t.typeLibrary = "NuvelkitTest";
    t.properties = std::move(properties);
    t.events = std::move(events);
    return t;
}

TEST(ApiModel, RefusesTablesThatCppCannotExpress) {
    struct Case {
        const char* what;
        std::vector<InterfaceTable> tables;
        std::string error;
    };
    std::vector<Case> cases;
    cases.push_back({"an event argument of a type events do not carry",
                     {Table("Probe", {}, {{1, "Say", {{"Text", ValueType::String}}}})},
                     "Probe.Say: the argument Text is String, and events carry only Integer, "
                     "Long and Single"});
    cases.push_back({"a property and an event that give one C++ name",
                     {Table("Probe", {{"Click", ValueType::Long, MemberKind::Own, NoValue, NoSet}},
                            {{1, "ClickChanged", {}}})},
                     "Probe.OnClickChanged: two members give the same C++ name OnClickChanged"});
    cases.push_back(
        {"an enumeration declared again with other members",
         {Table("A",
                {{"Shape", ValueType::Long, MemberKind::Own, NoValue, NoSet, {}, &kShapeEnum}}),
          Table(
              "B",
              {{"Shape", ValueType::Long, MemberKind::Own, NoValue, NoSet, {}, &kOtherShapeEnum}})},
         "B.Shape: the enumeration Shapes is declared again with other members"});
    cases.push_back(
        {"an enumeration on a text property",
         {Table("A",
                {{"Shape", ValueType::String, MemberKind::Own, NoValue, NoSet, {}, &kShapeEnum}})},
         "A.Shape: an enumeration member must be Integer or Long, not String"});
    constexpr static EnumMember kUnnamed[] = {{"1st", 0}};
    constexpr static EnumInfo kUnnamedEnum{"Places", kUnnamed};
    cases.push_back(
        {"an enumeration member that gives no C++ name",
         {Table("A",
                {{"Place", ValueType::Long, MemberKind::Own, NoValue, NoSet, {}, &kUnnamedEnum}})},
         "A.Place: the member \"1st\" of Places gives no C++ name of its own"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<const InterfaceTable*> tables;
        for (const InterfaceTable& t : c.tables)
            tables.push_back(&t);
        std::string error;
        EXPECT_FALSE(BuildModel(tables, error).has_value());
        EXPECT_EQ(error, c.error);
    }
}

TEST(ApiModel, NamesGettersFieldsAndEnumerationsAsCppNeeds) {
    const InterfaceTable a =
        Table("Probe",
              {{"Probe", ValueType::Long, MemberKind::Own, NoValue, NoSet},
               {"Raw", ValueType::Boolean, MemberKind::Field, NoValue, NoSet},
               {"Shape", ValueType::Integer, MemberKind::Own, NoValue, nullptr, {}, &kShapeEnum}});
    const InterfaceTable b = Table(
        "Other", {{"Shape", ValueType::Long, MemberKind::Own, NoValue, NoSet, {}, &kShapeEnum}});
    const InterfaceTable* tables[] = {&a, &b};
    std::string error;
    const auto model = BuildModel(tables, error);
    ASSERT_TRUE(model) << error;
    const auto& p = model->classes[0].properties;
    ASSERT_EQ(p.size(), 3u);
    // A member function cannot take its class's name.
    EXPECT_EQ(p[0].getter, "GetProbe");
    EXPECT_TRUE(p[0].notifies);
    EXPECT_FALSE(p[1].notifies); // a plain field reports no changes
    EXPECT_FALSE(p[2].writable);
    EXPECT_EQ(p[2].enumeration, "Shapes");
    // Two classes taking one enumeration share it.
    ASSERT_EQ(model->enums.size(), 1u);
    EXPECT_EQ(model->enums[0].members.size(), 2u);

    // The handle follows the model: no setter for the read-only member, no change
    // notification for the field.
    const auto files = MakeTypedApiEmitter()->Emit(*model);
    const auto header = std::find_if(files.begin(), files.end(), [](const OutputFile& f) {
        return f.path == "include/nuvelkit/Probe.h";
    });
    ASSERT_NE(header, files.end());
    EXPECT_NE(header->text.find("GetProbe()"), std::string::npos);
    EXPECT_EQ(header->text.find("SetShape"), std::string::npos);
    EXPECT_EQ(header->text.find("OnRawChanged"), std::string::npos);
    EXPECT_NE(header->text.find("OnShapeChanged"), std::string::npos);
}

TEST(ApiModel, ReadsInitialValuesFromAFreshControl) {
    std::string error;
    const auto model = BuildModel(Nuvset1Classes(), error);
    ASSERT_TRUE(model) << error;
    const ClassModel& command = model->classes.front();
    ASSERT_EQ(command.name, "NuvelCommand");
    const auto caption = std::find_if(command.properties.begin(), command.properties.end(),
                                      [](const PropertyModel& p) { return p.name == "Caption"; });
    ASSERT_NE(caption, command.properties.end());
    EXPECT_EQ(caption->initial, "\"NuvelCommand1\"");
}

// The lines of `text` that contain `what`.
std::vector<std::string> LinesWith(const std::string& text, std::string_view what) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find(what) != std::string::npos) out.push_back(line);
    return out;
}

std::string HeaderOf(const Emitter& e, const ApiModel& model) {
    for (const OutputFile& f : e.Emit(model))
        if (f.path.size() > 2 && f.path.substr(f.path.size() - 2) == ".h") return f.text;
    return {};
}

// The Qt Quick items are the widget classes' members: the same properties, and the events'
// signals with their arguments by value (QML takes no references), one QML type per class.
TEST(ApiEmitters, TheItemsHaveTheWidgetsMembersWithEventsByValue) {
    std::string error;
    const auto model = BuildModel(Nuvset1Classes(), error);
    ASSERT_TRUE(model) << error;
    const std::string widgets = HeaderOf(*MakeQtEmitter(), *model);
    const std::string items = HeaderOf(*MakeQuickEmitter(), *model);
    EXPECT_EQ(LinesWith(widgets, "Q_PROPERTY("), LinesWith(items, "Q_PROPERTY("));
    EXPECT_EQ(LinesWith(items, "QML_ELEMENT").size(), model->classes.size());
    const std::vector<std::string> byReference = LinesWith(widgets, "    void mouseDown(short& ");
    ASSERT_EQ(byReference.size(), LinesWith(items, "    void mouseDown(short ").size());
    EXPECT_FALSE(byReference.empty());
    for (std::string_view reference : {"short&", "int&", "float&"})
        EXPECT_TRUE(LinesWith(items, reference).empty()) << reference;
}

} // namespace
} // namespace nk::apigen
