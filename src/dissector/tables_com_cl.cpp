// BEX tables of the COM family (connection: hello, login, bye, registration) and of the CL
// family (contact list).
#include <array>

#include "dissector/families.h"

namespace qarnolog {

namespace {

using enum ValueKind;

// clang-format off

// QARNO_BEX_COM_CLI_HELLO
constexpr std::array<WtldRow, 3> kComCliHello = {{
    {0x0001, "Account",              Utf8Text},
    {0x0002, "Cookie",               NoValue},
    {0x0003, "Registration attempt", NoValue},
}};

// clang-format on

constexpr BexTable kComCliHelloTable = {kComCliHello};

}  // namespace

const BexTable* ComTable(std::uint16_t bexSub, std::uint16_t) {
  return bexSub == 0x0001 ? &kComCliHelloTable : nullptr;
}

const BexTable* ClTable(std::uint16_t, std::uint16_t) { return nullptr; }

}  // namespace qarnolog
