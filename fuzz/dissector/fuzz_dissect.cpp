// Fuzzes the whole dissection of one packet: the header parse, DissectBex with an extension
// type, and the JSON rendering of the tree. Input: 2 bytes of extension type (big-endian),
// then the packet.
#include <cstddef>
#include <cstdint>
#include <cstdlib>  // std::abort

#include "dissector/dissect.h"
#include "dissector/tree_format.h"
#include "wire/header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto extType = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
  const qarnolog::ByteView packet(data + 2, size - 2);

  qarnolog::TQarnoHeader header;
  const bool parses = qarnolog::ParseBexHeader(packet, header);

  qarnolog::FieldTree tree;
  qarnolog::DissectBex(tree, packet, extType);
  // A packet that parses always has its root and six header fields; one that does not, none.
  if (parses != !tree.empty()) std::abort();
  if (parses && tree.size() < 7) std::abort();

  const std::string json = qarnolog::FormatTreeJson(tree);
  for (const char c : json) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();  // controls must be escaped
  }
  return 0;
}
