// Field node texts, images and paint styles.
#include <gtest/gtest.h>

#include "treegrid/field_node_rules.h"

namespace qarnolog {
namespace {

TEST(FieldNodeRules, TextAndCopyText) {
  struct Case {
    TVstData data;
    std::string text;
    std::string copy;
  };
  const Case cases[] = {
      {{"Seq", "5", 2, 5},   "Seq=5", "Seq=5"},
      {{"Data", "", 18, 40}, "Data",  "Data" },
      {{"", "x", 1, 1},      "=x",    "x"    }, // no name: the copy takes the value alone
      {{"", "", 1, 1},       "",      ""     },
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NodeText(c.data), c.text);
    EXPECT_EQ(NodeCopyText(c.data), c.copy);
  }
}

TEST(FieldNodeRules, Images) {
  struct Case {
    bool firstTop, hasChildren, expanded;
    std::uint8_t mark;
    int image;
  };
  const Case cases[] = {
      {true,  true,  true,  kMarkNone,   kImagePacket      },
      {true,  false, false, kMarkNone,   kImagePacket      },
      {false, true,  true,  kMarkNone,   kImageFolderOpen  },
      {false, true,  false, kMarkLength, kImageFolderClosed}, // the mark counts for leaves only
      {false, false, false, kMarkLength, kImageLength      },
      {false, false, false, kMarkGroup,  kImageSheet       },
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NodeImageIndex(c.firstTop, c.hasChildren, c.expanded, c.mark), c.image);
  }
}

TEST(FieldNodeRules, PaintStyles) {
  struct Case {
    int level;
    std::uint8_t mark;
    bool focused;
    NodeStyle style;
  };
  const Case cases[] = {
      {0, kMarkNone,      false, {false, NodeColor::Blue}      },
      {1, kMarkNone,      false, {false, NodeColor::WindowText}},
      {2, kMarkNone,      false, {true, NodeColor::Navy}       },
      {2, kMarkTransport, false, {true, NodeColor::Navy}       }, // the level's colour wins
      {3, kMarkTransport, false, {false, NodeColor::Purple}    },
      {4, kMarkNote,      false, {false, NodeColor::Green}     },
      {3, kMarkGroup,     false, {true, NodeColor::Normal}     },
      {0, kMarkNone,      true,  {false, NodeColor::Normal}    }, // focused: no level colour
      {1, kMarkNote,      true,  {false, NodeColor::Green}     },
      {2, kMarkNone,      true,  {true, NodeColor::Normal}     },
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NodePaintStyle(c.level, c.mark, c.focused), c.style) << c.level << int(c.mark);
  }
}

}  // namespace
}  // namespace qarnolog
