// Visible records of a store.
#include "window/row_visibility.h"

#include <numeric>  // std::iota

namespace qarnolog {

namespace {

// The records whose bytes hold the find pattern, ascending. Records whose bytes lie back to
// back in memory (the store packs them so) are searched as one region, so the searcher runs
// over long stretches instead of being called once per short packet; a match that straddles
// two records counts for neither.
std::vector<std::uint32_t> RecordsWithPattern(const PacketStore& store,
                                              const ByteSearcher& search) {
  std::vector<std::uint32_t> found;
  const std::size_t n = search.pattern().size();
  const std::uint32_t size = store.size();
  if (n == 0) return found;
  std::uint32_t r = 0;
  while (r < size) {
    // The region of records r to e - 1.
    const std::uint8_t* const begin = store.bytes(r).data();
    const std::uint8_t* end = begin + store.bytes(r).size();
    std::uint32_t e = r + 1;
    while (e < size && store.bytes(e).data() == end) end += store.bytes(e++).size();
    if (begin == nullptr) {  // only empty records
      r = e;
      continue;
    }
    const std::uint8_t* cursor = begin;
    std::uint32_t rec = r;
    while (cursor < end) {
      const auto at = search.find(ByteView(cursor, static_cast<std::size_t>(end - cursor)));
      if (!at) break;
      const std::uint8_t* const match = cursor + *at;
      while (store.bytes(rec).data() + store.bytes(rec).size() <= match) ++rec;
      const std::uint8_t* const recordEnd = store.bytes(rec).data() + store.bytes(rec).size();
      if (match + n <= recordEnd) {
        found.push_back(rec);
        cursor = recordEnd;
        ++rec;
      } else {
        cursor = match + 1;
      }
    }
    r = e;
  }
  return found;
}

}  // namespace

std::vector<std::uint32_t> VisibleRecords(const PacketStore& store, const FilterTest& filter,
                                          const FindTest& find) {
  std::vector<std::uint32_t> rows;
  const std::uint32_t size = store.size();
  if (!filter.active() && !find.active()) {
    rows.resize(size);
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
  }
  if (find.active()) {
    rows = RecordsWithPattern(store, find.searcher());
    if (filter.active()) {
      std::erase_if(rows, [&](std::uint32_t r) { return !filter.passes(store.filterText(r)); });
    }
    return rows;
  }
  rows.reserve(size);
  for (std::uint32_t r = 0; r < size; ++r) {
    if (filter.passes(store.filterText(r))) rows.push_back(r);
  }
  return rows;
}

}  // namespace qarnolog
