// Builds QARNO packets for the demo session: the 17-byte header, wTLDs (32-bit type and length)
// and sTLD lists (16-bit type and length), all big-endian, plus the two nested values a server
// sends, a contact list and a list of transports.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace qarnolog::demo {

using Bytes = std::vector<std::uint8_t>;

// Big-endian encodings of single values.
[[nodiscard]] Bytes be8(std::uint8_t v);
[[nodiscard]] Bytes be16(std::uint16_t v);
[[nodiscard]] Bytes be32(std::uint32_t v);
[[nodiscard]] Bytes be64(std::uint64_t v);
// The UTF-8 bytes of `text`, without a terminator.
[[nodiscard]] Bytes utf8(std::string_view text);
// `count` bytes counting up from `first` (hashes, UUIDs and blobs of the sample session).
[[nodiscard]] Bytes sequence(std::uint8_t first, std::size_t count);
[[nodiscard]] Bytes concat(std::initializer_list<Bytes> parts);

// A list of sTLDs, appended in call order. A value longer than 65535 bytes is cut to fit the
// 16-bit length.
class StldList {
 public:
  StldList& add(std::uint16_t type, const Bytes& value);
  StldList& text(std::uint16_t type, std::string_view value) { return add(type, utf8(value)); }
  StldList& byte(std::uint16_t type, std::uint8_t value) { return add(type, be8(value)); }
  StldList& dword(std::uint16_t type, std::uint32_t value) { return add(type, be32(value)); }
  StldList& qword(std::uint16_t type, std::uint64_t value) { return add(type, be64(value)); }
  StldList& flag(std::uint16_t type) { return add(type, {}); }
  [[nodiscard]] const Bytes& bytes() const { return m_bytes; }

 private:
  Bytes m_bytes;
};

// One BEX: header fields and data. The sequence number and the identifier byte are given at
// encoding time, since the session player numbers each connection's packets itself.
class Bex {
 public:
  Bex(std::uint16_t type, std::uint16_t sub, std::uint32_t requestId = 0);

  Bex& wtld(std::uint32_t type, const Bytes& value);
  Bex& text(std::uint32_t type, std::string_view value) { return wtld(type, utf8(value)); }
  Bex& byte(std::uint32_t type, std::uint8_t value) { return wtld(type, be8(value)); }
  Bex& boolean(std::uint32_t type, bool value) { return wtld(type, be8(value ? 1 : 0)); }
  Bex& word(std::uint32_t type, std::uint16_t value) { return wtld(type, be16(value)); }
  Bex& dword(std::uint32_t type, std::uint32_t value) { return wtld(type, be32(value)); }
  Bex& qword(std::uint32_t type, std::uint64_t value) { return wtld(type, be64(value)); }
  // A wTLD whose presence is the information: length 0.
  Bex& flag(std::uint32_t type) { return wtld(type, {}); }
  Bex& stlds(std::uint32_t type, const StldList& list) { return wtld(type, list.bytes()); }

  [[nodiscard]] std::uint16_t type() const { return m_type; }
  [[nodiscard]] std::uint16_t sub() const { return m_sub; }
  [[nodiscard]] const Bytes& data() const { return m_data; }
  // Header and data: Id, Seq, BexType, BexSub, RequestId, DataLength, then the wTLDs.
  [[nodiscard]] Bytes encode(std::uint8_t id, std::uint32_t seq) const;

 private:
  std::uint16_t m_type;
  std::uint16_t m_sub;
  std::uint32_t m_requestId;
  Bytes m_data;
};

// Contact-list item types.
enum class ItemType : std::uint16_t { Group = 1, Contact = 2, Transport = 3, Note = 4 };

struct ContactListItem {
  ItemType type;
  std::uint32_t itemId;
  std::uint32_t groupId;
  StldList properties;
};

struct TransportItem {
  Bytes uuid;  // 16 bytes
  StldList description;
};

// Items count, then per item: type, item ID, group ID, sTLD list length and the list.
[[nodiscard]] Bytes contactList(const std::vector<ContactListItem>& items);
// Items count, then per transport: 16 UUID bytes, sTLD list length and the list.
[[nodiscard]] Bytes transportsData(const std::vector<TransportItem>& items);

}  // namespace qarnolog::demo
