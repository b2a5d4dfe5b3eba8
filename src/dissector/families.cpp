// Dispatch from BEX type to the family's table lookup.
#include "dissector/families.h"

#include <array>

namespace qarnolog {

namespace {

struct Family {
  std::uint16_t bexType;
  FamilyTableFn table;
};

constexpr std::array kFamilies = {
    Family{0x0001, ComTable},    Family{0x0002, ClTable},   Family{0x0003, PresTable},
    Family{0x0004, ImTable},     Family{0x0005, UdTable},   Family{0x0006, UaTable},
    Family{0x0007, FtTable},     Family{0x0008, TpTable},   Family{0x1000, ExtManTable},
    Family{0x1001, ExtTpTable},  Family{0x1002, ExtPgTable}, Family{0xF001, WadmTable},
};

}  // namespace

const WtldRow& FindWtldRow(const BexTable& table, std::uint32_t type) {
  for (const WtldRow& row : table.rows) {
    if (row.type == type) return row;
  }
  for (const WtldRow& row : table.moreRows) {
    if (row.type == type) return row;
  }
  return table.fallback;
}

const BexTable* FindBexTable(std::uint16_t bexType, std::uint16_t bexSub, std::uint16_t extType) {
  for (const Family& family : kFamilies) {
    if (family.bexType == bexType) return family.table(bexSub, extType);
  }
  return nullptr;
}

}  // namespace qarnolog
