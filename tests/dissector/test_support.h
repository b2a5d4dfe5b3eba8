// Helpers of the dissector tests: packets from hex literals (the shared builders) and nodes of
// rendered trees.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

#include "dissector/field_tree.h"
#include "dissector/tree_format.h"
#include "support/bex_builder.h"

namespace qarnolog::test {

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
