// Visible records of a store.
#include "window/row_visibility.h"

#include <numeric>  // std::iota

namespace qarnolog {

namespace {

// The records whose bytes hold the find pattern, ascending. Records whose bytes lie back to
// back in one chunk of the store's byte arena are searched as one region, so the searcher runs
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
    // An empty record has no place in the arena: it starts no region.
    if (store.record(r).ByteCount == 0) {
      ++r;
      continue;
    }
    // The region of records r to e - 1: each next record starts where the one before ends,
    // in the same chunk of the byte arena.
    const std::uint8_t* const begin = store.bytes(r).data();
    ArenaLocation next = store.record(r).Bytes;
    next.offset += store.record(r).ByteCount;
    std::uint32_t e = r + 1;
    for (; e < size; ++e) {
      const TIntLogData& record = store.record(e);
      if (record.Bytes.chunk != next.chunk || record.Bytes.offset != next.offset) break;
      next.offset += record.ByteCount;
    }
    const std::uint8_t* const end = store.bytes(e - 1).data() + store.bytes(e - 1).size();
    const std::uint8_t* cursor = begin;
    std::uint32_t rec = r;
    const std::uint8_t* recordEnd = begin + store.record(rec).ByteCount;
    while (cursor < end) {
      const auto at = search.find(ByteView(cursor, static_cast<std::size_t>(end - cursor)));
      if (!at) break;
      const std::uint8_t* const match = cursor + *at;
      while (recordEnd <= match) recordEnd += store.record(++rec).ByteCount;
      if (match + n <= recordEnd) {
        found.push_back(rec);
        if (++rec == e) break;
        cursor = recordEnd;
        recordEnd += store.record(rec).ByteCount;
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
