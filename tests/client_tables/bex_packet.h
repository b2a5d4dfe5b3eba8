// Test helpers of the client-family tables: look at what the dissector makes of a BEX built
// from wTLDs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/bex_builder.h"
#include "vocabulary/name_tables.h"

namespace qarnolog::test {

// The packet's tree after DissectBex (extension type 0) as indented text.
std::string DissectText(const ByteString& packet);

// How the `index`-th wTLD under "Data" shows: "Name=Value" of its value node ("Name" alone for
// an empty value), or the wTLD node's own name when it has no value node.
std::string WtldShown(const ByteString& packet, std::size_t index = 0);

// One row of a "how does this wTLD show" case table.
struct ShownCase {
  std::uint16_t type;
  std::uint16_t sub;
  std::uint32_t wtld;
  ByteString value;
  std::string shown;  // as WtldShown gives it
};

// Dissects a BEX holding the case's wTLD alone and expects WtldShown to give `shown`.
void ExpectShown(const ShownCase& c);

// One row of a "this display name selects that name table" case table.
struct SelectingCase {
  std::uint16_t type;
  std::uint16_t sub;
  std::uint32_t wtld;
  int width;  // bytes of the code in the value
  const char* name;
  NameTable table;
};

// Dissects a BEX holding the case's wTLD with code 1 (known to every table) as a `width`-byte
// number and expects the value node to read "Name=" + the table's constant: a display name
// written differently from the selection list would show the bare number instead.
void ExpectSelectsTable(const SelectingCase& c);

struct TypeAndSub {
  std::uint16_t type;
  std::uint16_t sub;
};

// Expects a BEX of that type and sub-type carrying a wTLD to show a "Data" node without
// children.
void ExpectEmptyData(const TypeAndSub& bex);

}  // namespace qarnolog::test
