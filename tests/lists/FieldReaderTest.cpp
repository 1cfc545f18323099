#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/FieldReader.h"

namespace tessivo::lists {
namespace {

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> fields;
};

TEST(FieldReader, FollowsTheQuotedFieldRules) {
    const std::vector<ReaderCase> cases = {
        {"empty file", "", {}},
        {"only line ends and spaces", "\r\n  \r\n ", {}},
        {"trailing CR LF adds nothing", "\"a\"\r\n", {"a"}},
        {"last line without CR LF", "\"a\"\r\n\"b\"", {"a", "b"}},
        {"trailing blank lines add nothing", "\"a\"\r\n\r\n\r\n", {"a"}},
        {"blank line inside is an empty field", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"leading spaces skipped, trailing trimmed", "   a b  ,  c  \r\n", {"a b", "c"}},
        {"spaces inside quotes kept", "\"  a  \",\" \"", {"  a  ", " "}},
        {"comma inside quotes", "\"a,b\",c", {"a,b", "c"}},
        {"rest after closing quote skipped", "\"ab\"cd ,e\r\n\"f\"  x\r\ng", {"ab", "e", "f", "g"}},
        {"quoted field spans a line end", "\"a\r\nb\",c", {"a\r\nb", "c"}},
        {"unclosed quote runs to the end", "\"open\r\nx", {"open\r\nx"}},
        {"lone CR and lone LF end fields", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"LF then CR are two line ends", "a\n\rb", {"a", "", "b"}},
        {"comma at the very end promises a field", "a,", {"a", ""}},
        {"empty unquoted fields", ",\r\n", {"", ""}},
        {"comma splits an unquoted banner line", "SALE, NOW\r\n", {"SALE", "NOW"}},
        {"quote inside an unquoted field is text", "ab\"c\r\n", {"ab\"c"}},
        {"tab is not a space", "\ta\t", {"\ta\t"}},
        {"seven empty fields",
         "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n",
         {"", "", "", "", "", "", ""}},
        {"fields taken across lines", "\"a\",\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}},
        {"Windows-1252 bytes pass through", "\"Jos\xE9\"", {"Jos\xE9"}},
        {"NUL is an ordinary byte", std::string("\"a\0b\"", 5), {std::string("a\0b", 3)}},
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(ReadFields(c.bytes), c.fields) << c.name;
    }
}

}  // namespace
}  // namespace tessivo::lists
