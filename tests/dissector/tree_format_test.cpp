// The text and JSON renderings of a field tree.
#include "dissector/tree_format.h"

#include <gtest/gtest.h>

namespace qarnolog {
namespace {

TEST(FormatTree, TextAndJsonOfASmallTree) {
  FieldTree tree;
  const NodeId root = tree.append(kNoNode, {"Root", {}, 1, 20});
  tree.append(root, {"Length", "4", 2, 5}, kMarkLength);
  tree.append(root, {"Name", "x", 6, 5});
  tree.setExpanded(root, true);
  EXPECT_EQ(FormatTreeText(tree),
            "Root [1-20]\n"
            "  Length=4 [2-5] mark=1\n"
            "  Name=x [6-5]\n");
  EXPECT_EQ(FormatTreeJson(tree),
            R"({"nodes":[{"name":"Root","value":"","first":1,"last":20,"mark":0,"expanded":true,)"
            R"("children":[{"name":"Length","value":"4","first":2,"last":5,"mark":1,)"
            R"("expanded":false,"children":[]},{"name":"Name","value":"x","first":6,"last":5,)"
            R"("mark":0,"expanded":false,"children":[]}]}]})");
  EXPECT_EQ(FormatTreeText(FieldTree{}), "");
  EXPECT_EQ(FormatTreeJson(FieldTree{}), R"({"nodes":[]})");
}

TEST(FormatTree, TextKeepsOneLinePerNode) {
  FieldTree tree;
  tree.append(kNoNode, {"n", std::string("a\nb\r\t\x00\x7F\\c", 9), 1, 2});
  EXPECT_EQ(FormatTreeText(tree), "n=a\\nb\\r\\t\\x00\\x7F\\c [1-2]\n");
}

TEST(FormatTree, JsonStringsAreEscaped) {
  struct Case {
    std::string text;
    const char* json;
  };
  const Case kCases[] = {
      {"a\"b\\c",                      R"("a\"b\\c")"},
      {std::string("\x00\x01\n\t\x1F", 5),             R"("\u0000\u0001\u000a\u0009\u001f")"},
      {"/\x7F",                              "\"/\x7F\""                                     }, // only controls below 0x20 are escaped
      {"\xD0\x9F\xF0\x9F\x98\x80",                              "\"\xD0\x9F\xF0\x9F\x98\x80\""}, // valid UTF-8 stays
      {"a\xFF"
       "b",                              "\"a\xEF\xBF\xBD"
       "b\""                                                     }, // a stray byte becomes U+FFFD
      {"\xC3",                              "\"\xEF\xBF\xBD\""}, // a cut sequence too
  };
  for (const Case& c : kCases) {
    FieldTree tree;
    tree.append(kNoNode, {"n", c.text, -5, 0});
    const std::string expected =
        std::string(R"({"nodes":[{"name":"n","value":)") + c.json +
        R"(,"first":-5,"last":0,"mark":0,"expanded":false,"children":[]}]})";
    EXPECT_EQ(FormatTreeJson(tree), expected);
  }
}

}  // namespace
}  // namespace qarnolog
