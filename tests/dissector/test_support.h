// Helpers of the dissector tests: packets from hex literals and rendered trees.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dissector/field_tree.h"
#include "dissector/tree_format.h"
#include "wire/bytes.h"
#include "wire/hex.h"

namespace qarnolog::test {

// The bytes of a hex literal that may hold spaces for readability.
inline ByteString Hex(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c != ' ') digits += c;
  }
  const ByteString bytes = HexToBytes(digits);
  EXPECT_FALSE(bytes.empty() && !digits.empty()) << "bad hex literal: " << text;
  return bytes;
}

// The first top-level node's descendant reached by following child rows. A path that leads
// nowhere fails the test and gives node 0, so that the caller does not index past the tree.
inline NodeId At(const FieldTree& tree, std::initializer_list<std::size_t> rows) {
  NodeId node = tree.child(kNoNode, 0);
  for (const std::size_t row : rows) {
    if (node == kNoNode) break;
    node = tree.child(node, row);
  }
  if (node == kNoNode) {
    ADD_FAILURE() << "no node at that path";
    return 0;
  }
  return node;
}

}  // namespace qarnolog::test
