// wTLD tables that BEXs of different families list with the same rows, held once so that the
// copies cannot drift apart. Each use names its BEX and says which shared table it takes.
#pragma once

#include <array>

#include "dissector/bex_table.h"

namespace qarnolog {

// clang-format off

// An account and the transport it is reached through
inline constexpr std::array<WtldRow, 2> kAccountTranspIdRows = {{
    {0x0001, "Account",  ValueKind::Utf8Text},
    {0x1001, "TranspID", ValueKind::DWordDec},
}};

// clang-format on

}  // namespace qarnolog
