// Encoding of the demo's packets; every multi-byte number is written most significant byte
// first, as on the wire.
#include "bex_builder.h"

#include <algorithm>  // std::min
#include <limits>

namespace qarnolog::demo {
namespace {

void append(Bytes& out, const Bytes& part) {
  out.insert(out.end(), part.begin(), part.end());
}

std::uint32_t size32(const Bytes& bytes) {
  return static_cast<std::uint32_t>(bytes.size());
}

}  // namespace

Bytes be8(std::uint8_t v) {
  return {v};
}

Bytes be16(std::uint16_t v) {
  return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v & 0xFF)};
}

Bytes be32(std::uint32_t v) {
  return concat(
      {be16(static_cast<std::uint16_t>(v >> 16)), be16(static_cast<std::uint16_t>(v & 0xFFFF))});
}

Bytes be64(std::uint64_t v) {
  return concat({be32(static_cast<std::uint32_t>(v >> 32)),
                 be32(static_cast<std::uint32_t>(v & 0xFFFFFFFF))});
}

Bytes utf8(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

Bytes sequence(std::uint8_t first, std::size_t count) {
  Bytes out(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(first + i);
  return out;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) append(out, part);
  return out;
}

StldList& StldList::add(std::uint16_t type, const Bytes& value) {
  constexpr std::size_t maxLength = std::numeric_limits<std::uint16_t>::max();
  const std::size_t length = std::min(value.size(), maxLength);
  append(m_bytes, be16(type));
  append(m_bytes, be16(static_cast<std::uint16_t>(length)));
  m_bytes.insert(m_bytes.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length));
  return *this;
}

Bex::Bex(std::uint16_t type, std::uint16_t sub, std::uint32_t requestId)
    : m_type(type), m_sub(sub), m_requestId(requestId) {}

Bex& Bex::wtld(std::uint32_t type, const Bytes& value) {
  append(m_data, be32(type));
  append(m_data, be32(size32(value)));
  append(m_data, value);
  return *this;
}

Bytes Bex::encode(std::uint8_t id, std::uint32_t seq) const {
  return concat({be8(id), be32(seq), be16(m_type), be16(m_sub), be32(m_requestId),
                 be32(size32(m_data)), m_data});
}

Bytes contactList(const std::vector<ContactListItem>& items) {
  Bytes out = be32(static_cast<std::uint32_t>(items.size()));
  for (const ContactListItem& item : items) {
    const Bytes& list = item.properties.bytes();
    append(out, be16(static_cast<std::uint16_t>(item.type)));
    append(out, be32(item.itemId));
    append(out, be32(item.groupId));
    append(out, be32(size32(list)));
    append(out, list);
  }
  return out;
}

Bytes transportsData(const std::vector<TransportItem>& items) {
  Bytes out = be32(static_cast<std::uint32_t>(items.size()));
  for (const TransportItem& item : items) {
    Bytes uuid = item.uuid;
    uuid.resize(16);
    const Bytes& list = item.description.bytes();
    append(out, uuid);
    append(out, be32(size32(list)));
    append(out, list);
  }
  return out;
}

}  // namespace qarnolog::demo
