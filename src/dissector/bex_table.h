// BEX tables: for one BEX sub-type, how each wTLD type is shown. Tables are data, one row per
// wTLD type in the protocol's order; the wTLD loop walks them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "dissector/value_kind.h"

namespace qarnolog {

// What the wTLD loop does with a wTLD besides AddWtldNodes.
enum class Nested : std::uint8_t {
  None,            // AddWtldNodes with the row's name and kind
  ContactList,     // AddContactListNodes adds the wTLD's nodes
  TransportsData,  // AddTransportsDataNodes adds the wTLD's nodes
  StldList,        // AddWtldNodes as "sTLDs"/NoValue, then AddStldList (direct) on the value
};

struct WtldRow {
  std::uint32_t type;
  std::string_view name;  // the exact display name
  ValueKind kind;
  Nested nested = Nested::None;
};

// Display name and kind of a wTLD type that a table does not hold.
inline constexpr WtldRow kUnknownWtld = {0, "Unknown", ValueKind::NoValue};

struct BexTable {
  std::span<const WtldRow> rows;
  // Searched when `rows` has no row for the type (a table made of two parts).
  std::span<const WtldRow> moreRows = {};
  // Used when neither part has a row for the type (its `type` is ignored).
  WtldRow fallback = kUnknownWtld;
};

// The row for `type`: from `rows`, else `moreRows`, else the fallback.
[[nodiscard]] const WtldRow& FindWtldRow(const BexTable& table, std::uint32_t type);

// One row of a family's sub-type map: the table that decodes a BEX sub-type.
struct SubTypeRow {
  std::uint16_t sub;
  const BexTable* table;
};

// The table of `sub` in `rows`, or nullptr when the sub-type is not decoded.
[[nodiscard]] constexpr const BexTable* FindSubTypeTable(std::span<const SubTypeRow> rows,
                                                         std::uint16_t sub) {
  for (const SubTypeRow& row : rows) {
    if (row.sub == sub) return row.table;
  }
  return nullptr;
}

// True when the sub-types rise strictly and so do the wTLD types of every table they name:
// nothing is held twice and a row in the wrong place shows. For static_assert over a family.
[[nodiscard]] constexpr bool IsStrictlyOrdered(std::span<const SubTypeRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0 && rows[i - 1].sub >= rows[i].sub) return false;
    const std::span<const WtldRow> wtlds = rows[i].table->rows;
    for (std::size_t j = 1; j < wtlds.size(); ++j) {
      if (wtlds[j - 1].type >= wtlds[j].type) return false;
    }
  }
  return true;
}

}  // namespace qarnolog
