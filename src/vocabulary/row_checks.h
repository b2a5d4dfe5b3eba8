// Compile-time checks and the lookup shared by the vocabulary's name tables.
#pragma once

#include <algorithm>  // std::lower_bound
#include <cstddef>
#include <span>

namespace qarnolog::vocabulary {

// True when key(row) rises strictly from row to row: the codes are unique and a binary search
// over them is sound.
template <typename Row, typename Key>
constexpr bool StrictlyAscending(std::span<const Row> rows, Key key) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (!(key(rows[i - 1]) < key(rows[i]))) return false;
  }
  return true;
}

// The row whose key(row) equals `code` in rows sorted by key, or nullptr.
template <typename Row, typename Code, typename Key>
constexpr const Row* FindSortedRow(std::span<const Row> rows, Code code, Key key) {
  const auto it = std::lower_bound(rows.begin(), rows.end(), code,
                                   [&key](const Row& row, Code c) { return key(row) < c; });
  if (it == rows.end() || key(*it) != code) return nullptr;
  return &*it;
}

}  // namespace qarnolog::vocabulary
