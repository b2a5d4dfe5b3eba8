// Visible records of a store.
#include "window/row_visibility.h"

#include <numeric>  // std::iota

namespace qarnolog {

std::vector<std::uint32_t> VisibleRecords(const PacketStore& store, const FilterTest& filter,
                                          const FindTest& find) {
  std::vector<std::uint32_t> rows;
  const std::uint32_t size = store.size();
  if (!filter.active() && !find.active()) {
    rows.resize(size);
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
  }
  rows.reserve(size);
  for (std::uint32_t r = 0; r < size; ++r) {
    if (RecordPasses(store, r, filter, find)) rows.push_back(r);
  }
  return rows;
}

}  // namespace qarnolog
