// The README's form file opens as it says: it loads, holds the controls it shows, and draws.
// (Its C++ application is compiled against the installed package by package_test.sh.)
#include "host/forms/form.h"
#include "kit/classes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace nk {
namespace {

// The fenced block that follows the marker comment `<!-- marker -->` in the README.
std::string ReadmeBlock(const std::string& marker) {
    std::ifstream in(std::string(NK_SOURCE_DIR) + "/README.md");
    std::ostringstream text;
    text << in.rdbuf();
    const std::string readme = text.str();
    const size_t at = readme.find("<!-- " + marker + " -->");
    if (at == std::string::npos) return {};
    const size_t open = readme.find("```", at);
    const size_t body = readme.find('\n', open);
    const size_t close = readme.find("\n```", body);
    if (open == std::string::npos || body == std::string::npos || close == std::string::npos)
        return {};
    return readme.substr(body + 1, close - body);
}

TEST(Readme, TheFormFileLoadsAndDraws) {
    const std::string text = ReadmeBlock("readme-form");
    ASSERT_FALSE(text.empty()) << "no form file after <!-- readme-form --> in README.md";
    const std::vector<const InterfaceTable*> classes = AllClasses();
    std::string error;
    auto form = Form::FromJson(text, "README.md", classes, error);
    ASSERT_TRUE(form) << error;
    ASSERT_EQ(form->controls().size(), 2u);
    EXPECT_EQ(form->settings().width, 300);
    FormControl* button = form->Find("Command1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Get("Caption").value().text(), "Hello");
    EXPECT_EQ(button->width(), 160);
    const Image shown = form->Compose();
    EXPECT_EQ(shown.width, 300);
    EXPECT_EQ(shown.height, 120);
}

} // namespace
} // namespace nk
