#include "simtool/reader.h"

#include <gtest/gtest.h>

namespace joyvane::simtool {
namespace {

template <typename T>
const T& body(const ReadResult& result, std::size_t index) {
    return std::get<T>(result.commands.at(index).body);
}

// The scenarios show the commands at work; here, the forms they do not use.
TEST(Reader, ByteOrderMarkEmptyLanguagesAndFocusWithoutRole) {
    ReadResult r = readScenario(
        "\xEF\xBB\xBF"
        "languages\n"
        "front app 3 none\n"
        "front none\n");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_TRUE(body<LanguagesCommand>(r, 0).tags.empty());
    ASSERT_TRUE(body<FrontCommand>(r, 1).app->focused);
    EXPECT_FALSE(body<FrontCommand>(r, 1).app->focused->role) << "none: an element without role";
    EXPECT_FALSE(body<FrontCommand>(r, 2).app);
}

}  // namespace
}  // namespace joyvane::simtool
