// Which records of a tab's store are shown: the filter first, then (for rows it passes) the
// find. Widget-free; the window hands the result to the list model in one reset.
#pragma once

#include <cstdint>
#include <vector>

#include "host/packet_store.h"
#include "window/filter_find.h"

namespace qarnolog {

// Whether one record passes the filter and then the find.
[[nodiscard]] inline bool RecordPasses(const PacketStore& store, std::uint32_t record,
                                       const FilterTest& filter, const FindTest& find) {
  return filter.passes(store.filterText(record)) && find.passes(store.bytes(record));
}

// The records that pass, in ascending order.
[[nodiscard]] std::vector<std::uint32_t> VisibleRecords(const PacketStore& store,
                                                        const FilterTest& filter,
                                                        const FindTest& find);

}  // namespace qarnolog
