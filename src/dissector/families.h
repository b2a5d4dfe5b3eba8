// The BEX families the dissector decodes. Each family group's table file defines its
// family's lookup; FindBexTable dispatches on the BEX type.
#pragma once

#include <cstdint>

#include "dissector/bex_table.h"

namespace qarnolog {

// The table of a sub-type, or nullptr when the sub-type is not decoded. `extType` is the
// window's extension type; only the extension-manager family looks at it.
using FamilyTableFn = const BexTable* (*)(std::uint16_t bexSub, std::uint16_t extType);

// tables_com_cl.cpp
const BexTable* ComTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* ClTable(std::uint16_t bexSub, std::uint16_t extType);
// tables_pres_im.cpp
const BexTable* PresTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* ImTable(std::uint16_t bexSub, std::uint16_t extType);
// tables_ud_ua_ft_tp.cpp
const BexTable* UdTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* UaTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* FtTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* TpTable(std::uint16_t bexSub, std::uint16_t extType);
// tables_ext_man.cpp
const BexTable* ExtManTable(std::uint16_t bexSub, std::uint16_t extType);
// tables_ext_tp.cpp
const BexTable* ExtTpTable(std::uint16_t bexSub, std::uint16_t extType);
// tables_ext_pg_wadm.cpp
const BexTable* ExtPgTable(std::uint16_t bexSub, std::uint16_t extType);
const BexTable* WadmTable(std::uint16_t bexSub, std::uint16_t extType);

// The table for a BEX, or nullptr when its type or sub-type is not decoded.
const BexTable* FindBexTable(std::uint16_t bexType, std::uint16_t bexSub, std::uint16_t extType);

}  // namespace qarnolog
