// Visible records of a store.
#include "window/row_visibility.h"

#include <algorithm>  // std::upper_bound
#include <numeric>    // std::iota
#include <string>
#include <string_view>
#include <type_traits>

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

// A Latin-1 filter text's characters; empty for a UTF-16 text.
std::string_view Latin1Text(QAnyStringView text) {
  return text.visit([](auto view) -> std::string_view {
    if constexpr (std::is_same_v<decltype(view), QLatin1StringView>) {
      return {view.data(), std::size_t(view.size())};
    } else {
      return {};
    }
  });
}

// Some rows' Latin-1 filter texts, spread over the store: what the filter's searcher is tuned on.
std::string FilterSample(const PacketStore& store) {
  constexpr std::uint64_t kSampleRows = 512;
  const std::uint64_t size = store.size();
  const std::uint64_t step = std::max<std::uint64_t>(1, size / kSampleRows);
  std::string sample;
  for (std::uint64_t r = 0; r < size; r += step)
    sample.append(Latin1Text(store.filterText(std::uint32_t(r))));
  return sample;
}

// The records that pass an active filter, ascending. Rows whose Latin-1 filter texts lie back to
// back in one chunk of the store's Latin-1 filter arena are searched as one region, and each
// match is mapped back to its row by offset; a match that straddles two rows' texts counts for
// neither. Rows with UTF-16 texts and rows without text are tested one by one.
std::vector<std::uint32_t> RecordsPassingFilter(const PacketStore& store,
                                                const FilterTest& filter) {
  std::vector<std::uint32_t> rows;
  const std::uint32_t size = store.size();
  rows.reserve(size);
  if (!filter.latin1Fits()) {
    // No Latin-1 text contains the pattern: nothing to gain from regions.
    for (std::uint32_t r = 0; r < size; ++r) {
      if (filter.passes(store.filterText(r))) rows.push_back(r);
    }
    return rows;
  }
  const bool negate = filter.negated();
  const TextSearcher search(filter.latin1Pattern(), FilterSample(store));
  const std::size_t n = search.pattern().size();
  std::vector<std::size_t> ends;  // ends of the region's texts, from the region's start
  std::uint32_t r = 0;
  while (r < size) {
    const QAnyStringView text = store.filterText(r);
    const std::string_view latin1 = Latin1Text(text);
    if (latin1.empty()) {
      if (filter.passes(text)) rows.push_back(r);
      ++r;
      continue;
    }
    // The region of records r to e - 1: each next text starts where the one before ends, in the
    // same chunk. A record whose flags equal those of the Latin-1 record r keeps its filter text
    // in the same arena, so the records alone tell where the region ends.
    const char* const begin = latin1.data();
    const TIntLogData& head = store.record(r);
    std::size_t length = latin1.size();
    ends.assign(1, length);
    std::uint32_t e = r + 1;
    for (; e < size; ++e) {
      const TIntLogData& next = store.record(e);
      if (next.Flags != head.Flags || next.Filter.chunk != head.Filter.chunk ||
          next.FilterLength == 0 || next.Filter.offset != head.Filter.offset + length)
        break;
      length += next.FilterLength;
      ends.push_back(length);
    }
    const char* const end = begin + length;
    const char* cursor = begin;
    std::size_t row = 0;      // the region's row a match is looked up from
    std::size_t decided = 0;  // the region's rows before this one are reported or hidden
    while (cursor < end) {
      const char* const match = search.find(cursor, end);
      if (match == nullptr) break;
      const auto at = std::size_t(match - begin);
      // The row holding the match: most often the next one or close to it (a common pattern
      // is in nearly every row), else found by halving.
      for (std::size_t step = 0; step < 8 && ends[row] <= at; ++step) ++row;
      if (ends[row] <= at) {
        row = std::size_t(std::upper_bound(ends.begin() + std::ptrdiff_t(row), ends.end(), at) -
                          ends.begin());
      }
      if (at + n > ends[row]) {
        cursor = match + 1;  // runs into the next row's text
        continue;
      }
      if (negate) {
        for (; decided < row; ++decided) rows.push_back(r + std::uint32_t(decided));
      } else {
        rows.push_back(r + std::uint32_t(row));
      }
      decided = row + 1;
      cursor = begin + ends[row];
      ++row;
      if (row == ends.size()) break;
    }
    if (negate) {
      for (; decided < ends.size(); ++decided) rows.push_back(r + std::uint32_t(decided));
    }
    r = e;
  }
  return rows;
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
  return RecordsPassingFilter(store, filter);
}

}  // namespace qarnolog
