// Writes the dissector fuzzer's seed corpus: one valid packet for every decoded BEX sub-type
// (per extension type where the table depends on it), each holding one wTLD for every row of
// its table with a short value of the row's kind. Usage: make_seeds <corpus directory>.
// Files are named <type>_<sub>[_ext<n>]; the first two bytes of each are the extension type.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "dissector/families.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint64_t value, int width) {
  for (int i = width - 1; i >= 0; --i) out.push_back(std::uint8_t(value >> (8 * i)));
}

// A contact list with one group, a transports list with one transport, an sTLD list with two
// sTLDs: the smallest values that reach the nested decoders' inner loops.
const Bytes kContactList = {0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,
                            0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08,
                            0x00, 0x01, 0x00, 0x04, 'W',  'o',  'r',  'k'};
const Bytes kTransports = {0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                           0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, 0x00, 0x00,
                           0x00, 0x07, 0x00, 0x01, 0x00, 0x03, 'A',  'B',  'C'};
const Bytes kStlds = {0x00, 0x01, 0x00, 0x04, 'W', 'o', 'r', 'k', 0x10, 0x03, 0x00, 0x01, 'x'};

Bytes valueOf(const qarnolog::WtldRow& row) {
  using qarnolog::Nested;
  using qarnolog::ValueKind;
  switch (row.nested) {
    case Nested::ContactList:
      return kContactList;
    case Nested::TransportsData:
      return kTransports;
    case Nested::StldList:
      return kStlds;
    case Nested::None:
      break;
  }
  switch (row.kind) {
    case ValueKind::RawText:
    case ValueKind::Utf8Text:
      return {'a', 'b', 'c'};
    case ValueKind::WordDec:
      return {0x00, 0x02};
    case ValueKind::DWordDec:
      return {0x00, 0x00, 0x00, 0x02};
    case ValueKind::NoValue:
      return {};
    case ValueKind::ByteDec:
    case ValueKind::Bool:
      return {0x01};
    case ValueKind::UnixTimeUtc:
    case ValueKind::UnixTimeOrNotSet:
    case ValueKind::QWordDec:
      return {0x00, 0x00, 0x00, 0x00, 0x5F, 0x5E, 0x10, 0x00};
    case ValueKind::HexBytes:
      return {0xDE, 0xAD, 0xBE};
  }
  return {0x01};
}

Bytes packet(std::uint16_t extType, std::uint16_t type, std::uint16_t sub,
             const qarnolog::BexTable& table) {
  Bytes data;
  for (const auto rows : {table.rows, table.moreRows}) {
    for (const qarnolog::WtldRow& row : rows) {
      const Bytes value = valueOf(row);
      put(data, row.type, 4);
      put(data, value.size(), 4);
      data.insert(data.end(), value.begin(), value.end());
    }
  }
  Bytes out;
  put(out, extType, 2);
  put(out, 0x2A, 1);
  put(out, 1, 4);
  put(out, type, 2);
  put(out, sub, 2);
  put(out, 0, 4);
  put(out, data.size(), 4);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
    return 2;
  }
  constexpr std::uint16_t kTypes[] = {0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006,
                                      0x0007, 0x0008, 0x1000, 0x1001, 0x1002, 0xF001};
  constexpr std::uint16_t kExtTypes[] = {0, 1, 2};
  int written = 0;
  for (const std::uint16_t type : kTypes) {
    for (std::uint32_t sub = 0; sub <= 0xFFFF; ++sub) {
      std::set<const qarnolog::BexTable*> seen;
      for (const std::uint16_t ext : kExtTypes) {
        const qarnolog::BexTable* table = qarnolog::FindBexTable(type, std::uint16_t(sub), ext);
        if (table == nullptr || !seen.insert(table).second) continue;
        char name[64];
        std::snprintf(name, sizeof name, "%s/%04x_%04x%s", argv[1], type, sub,
                      ext == 0   ? ""
                      : ext == 1 ? "_ext1"
                                 : "_ext2");
        const Bytes bytes = packet(ext, type, std::uint16_t(sub), *table);
        std::FILE* file = std::fopen(name, "wb");
        if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
          std::fprintf(stderr, "cannot write %s\n", name);
          return 1;
        }
        std::fclose(file);
        ++written;
      }
    }
  }
  std::printf("%d seed packets\n", written);
  return 0;
}
