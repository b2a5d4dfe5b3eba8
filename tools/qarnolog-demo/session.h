// The demo's sample session: the connections a QARNO server announces to its log window and
// the packets it exchanges with them, as a table of steps in playing order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "bex_builder.h"

namespace qarnolog::demo {

// BEX types of the twelve families.
inline constexpr std::uint16_t kCom = 0x0001;
inline constexpr std::uint16_t kCl = 0x0002;
inline constexpr std::uint16_t kPres = 0x0003;
inline constexpr std::uint16_t kIm = 0x0004;
inline constexpr std::uint16_t kUd = 0x0005;
inline constexpr std::uint16_t kUa = 0x0006;
inline constexpr std::uint16_t kFt = 0x0007;
inline constexpr std::uint16_t kTp = 0x0008;
inline constexpr std::uint16_t kExtMan = 0x1000;
inline constexpr std::uint16_t kExtTp = 0x1001;
inline constexpr std::uint16_t kExtPg = 0x1002;
inline constexpr std::uint16_t kWadm = 0xF001;

// The peers of the sample server.
enum class Peer : std::uint8_t { Alice, Bob, Zoe, Stranger, Transport, Plugin, Admin };
inline constexpr std::size_t kPeerCount = 7;

struct Connection {
  Peer peer;
  std::uint32_t connId;
  std::string_view tabCaption;
  std::string_view address;  // host column "Peer"
  std::string_view account;  // host column "Account"
};

[[nodiscard]] const std::array<Connection, kPeerCount>& connections();

enum class Action : std::uint8_t {
  Connect,     // the peer connected
  Receive,     // a packet from the peer (direction flag 0)
  Send,        // a packet to the peer (direction flag 1)
  ReceiveRaw,  // bytes from the peer that are not a BEX
  Disconnect,  // the connection closed
};

struct Step {
  Peer peer;
  Action action;
  Bex bex{0, 0};
  Bytes raw;              // ReceiveRaw only
  std::string_view note;  // host column "Note"
};

[[nodiscard]] Step connect(Peer peer);
[[nodiscard]] Step disconnect(Peer peer);
[[nodiscard]] Step receive(Peer peer, const Bex& bex, std::string_view note);
[[nodiscard]] Step send(Peer peer, const Bex& bex, std::string_view note);
[[nodiscard]] Step receiveRaw(Peer peer, Bytes raw, std::string_view note);

// Each peer's own conversation, in order.
[[nodiscard]] std::vector<Step> aliceScript();
[[nodiscard]] std::vector<Step> bobScript();
[[nodiscard]] std::vector<Step> zoeScript();
[[nodiscard]] std::vector<Step> strangerScript();
[[nodiscard]] std::vector<Step> transportScript();
[[nodiscard]] std::vector<Step> pluginScript();
[[nodiscard]] std::vector<Step> adminScript();

// Turns packet steps into wire bytes, numbering each peer's packets from 1 in each direction.
class PacketNumbering {
 public:
  // The bytes that `step` hands over; empty for Connect and Disconnect.
  [[nodiscard]] Bytes bytes(const Step& step);

 private:
  static constexpr std::uint8_t kQarnoId = 0x51;  // identifier byte of the sample server
  std::array<std::uint32_t, kPeerCount> m_in{};   // last Seq received from each peer
  std::array<std::uint32_t, kPeerCount> m_out{};  // last Seq sent to each peer
};

// All conversations interleaved, one step of each in turn, so that the tabs fill side by
// side. Each conversation keeps its own order.
[[nodiscard]] std::vector<Step> sampleSession();

}  // namespace qarnolog::demo
