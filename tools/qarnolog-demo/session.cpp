// The connection table of the sample session and the interleaving of its conversations.
#include "session.h"

#include <utility>  // std::move

namespace qarnolog::demo {

const std::array<Connection, kPeerCount>& connections() {
  // clang-format off
  static const std::array<Connection, kPeerCount> table{{
      // peer            connId  tab caption          address                account
      {Peer::Alice,      101,    "alice",             "192.168.1.20:50112",  "alice"},
      {Peer::Bob,        102,    "bob",               "192.168.1.35:49731",  "bob"},
      {Peer::Zoe,        103,    "New user",          "203.0.113.7:61022",   "zoe"},
      {Peer::Stranger,   104,    "10.0.0.99",         "10.0.0.99:40002",     ""},
      {Peer::Transport,  201,    "Jabber transport",  "127.0.0.1:52210",     "ext:jabber"},
      {Peer::Plugin,     202,    "Echo plug-in",      "127.0.0.1:52214",     "ext:echo"},
      {Peer::Admin,      301,    "Administration",    "192.168.1.2:52001",   "admin"},
  }};
  // clang-format on
  return table;
}

Step connect(Peer peer) {
  return {peer, Action::Connect, Bex(0, 0), {}, "connected"};
}

Step disconnect(Peer peer) {
  return {peer, Action::Disconnect, Bex(0, 0), {}, "closed"};
}

Step receive(Peer peer, const Bex& bex, std::string_view note) {
  return {peer, Action::Receive, bex, {}, note};
}

Step send(Peer peer, const Bex& bex, std::string_view note) {
  return {peer, Action::Send, bex, {}, note};
}

Step receiveRaw(Peer peer, Bytes raw, std::string_view note) {
  return {peer, Action::ReceiveRaw, Bex(0, 0), std::move(raw), note};
}

Bytes PacketNumbering::bytes(const Step& step) {
  const auto peer = static_cast<std::size_t>(step.peer);
  switch (step.action) {
    case Action::Receive:
      return step.bex.encode(kQarnoId, ++m_in.at(peer));
    case Action::Send:
      return step.bex.encode(kQarnoId, ++m_out.at(peer));
    case Action::ReceiveRaw:
      return step.raw;
    case Action::Connect:
    case Action::Disconnect:
      break;
  }
  return {};
}

std::vector<Step> sampleSession() {
  // The plug-in registers before the transport, so the window's extension type ends up
  // "transport" and the transport's parameters decode with their transport names.
  std::vector<std::vector<Step>> scripts{aliceScript(),     bobScript(),   pluginScript(),
                                         transportScript(), adminScript(), zoeScript(),
                                         strangerScript()};
  std::vector<Step> merged;
  for (std::size_t round = 0;; ++round) {
    bool any = false;
    for (std::vector<Step>& script : scripts) {
      if (round < script.size()) {
        merged.push_back(std::move(script[round]));
        any = true;
      }
    }
    if (!any) break;
  }
  return merged;
}

}  // namespace qarnolog::demo
