// Packets the benchmark suites decode and show: big-endian builders for a BEX header, wTLDs
// and a contact list. Header-only, shared by the dissector and window benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wire/bytes.h"

namespace qarnolog::bench {

inline void PutWord(ByteString& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

inline void PutDWord(ByteString& out, std::uint32_t v) {
  PutWord(out, static_cast<std::uint16_t>(v >> 16));
  PutWord(out, static_cast<std::uint16_t>(v));
}

inline void PutText(ByteString& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

inline void PutWtld(ByteString& out, std::uint32_t type, const ByteString& value) {
  PutDWord(out, type);
  PutDWord(out, static_cast<std::uint32_t>(value.size()));
  out.insert(out.end(), value.begin(), value.end());
}

// A whole BEX: identifier 0, sequence 1, request 0, then `data`.
inline ByteString Packet(std::uint16_t type, std::uint16_t sub, const ByteString& data) {
  ByteString packet = {0x00};
  PutDWord(packet, 1);
  PutWord(packet, type);
  PutWord(packet, sub);
  PutDWord(packet, 0);
  PutDWord(packet, static_cast<std::uint32_t>(data.size()));
  packet.insert(packet.end(), data.begin(), data.end());
  return packet;
}

// QARNO_BEX_CL_SRV_REPLY whose contact list holds `items` contacts, each with an account name.
inline ByteString ContactListBex(std::uint32_t items) {
  ByteString value;
  PutDWord(value, items);
  for (std::uint32_t i = 0; i < items; ++i) {
    const std::string account = "user" + std::to_string(1000000 + i) + "@example.org";
    PutWord(value, 2);  // contact
    PutDWord(value, i + 1);
    PutDWord(value, 1);
    PutDWord(value, static_cast<std::uint32_t>(4 + account.size()));
    PutWord(value, 0x0002);  // account name
    PutWord(value, static_cast<std::uint16_t>(account.size()));
    PutText(value, account);
  }
  ByteString data;
  PutWtld(data, 0x0001, value);
  return Packet(0x0002, 0x0004, data);
}

}  // namespace qarnolog::bench
