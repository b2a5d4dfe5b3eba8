// The host's side of the boundary: connection records with four host columns ("Peer",
// "Account", "BEX" left empty so the library names the packet, "Note"), and one packet record
// per step.
#include "player.h"

#include <utility>  // std::move

namespace qarnolog::demo {
namespace {

struct Column {
  std::string_view title;
  std::int32_t width;
};

constexpr std::array<Column, 4> kColumns{
    {
     {"Peer", 130},
     {"Account", 90},
     {"BEX", 270},
     {"Note", 200},
     }
};

}  // namespace

SessionPlayer::SessionPlayer(const LoggerLibrary& library, void* logger, std::vector<Step> steps)
    : m_library(library), m_steps(std::move(steps)), m_connections(connections().size()) {
  for (std::size_t i = 0; i < connections().size(); ++i) {
    const Connection& c = connections()[i];
    ConnectionState& s = m_connections[i];
    s.caption = WideString(c.tabCaption);
    for (std::size_t col = 0; col < kColumns.size(); ++col) {
      s.titles[col] = WideString(kColumns[col].title);
    }
    s.address = WideString(c.address);
    s.account = WideString(c.account);
    s.record.Logger = logger;
    s.record.ConnId = c.connId;
    s.record.TabCaption = s.caption.get();
    s.record.Col1Title = s.titles[0].get();
    s.record.Col2Title = s.titles[1].get();
    s.record.Col3Title = s.titles[2].get();
    s.record.Col4Title = s.titles[3].get();
    s.record.Col1Width = kColumns[0].width;
    s.record.Col2Width = kColumns[1].width;
    s.record.Col3Width = kColumns[2].width;
    s.record.Col4Width = kColumns[3].width;
  }
}

SessionPlayer::ConnectionState& SessionPlayer::state(Peer peer) {
  for (std::size_t i = 0; i < connections().size(); ++i) {
    if (connections()[i].peer == peer) return m_connections[i];
  }
  return m_connections.front();  // unreachable: every peer has a row
}

void SessionPlayer::hand(ConnectionState& conn, const Bytes& bytes, std::uint8_t direction,
                         std::string_view note) {
  const WideString noteText(note);
  TProtoPacketRec packet{};
  packet.Direction = direction;
  packet.Bytes = bytes.data();
  packet.ByteCount = static_cast<std::uint32_t>(bytes.size());
  packet.Col1Text = conn.address.get();
  packet.Col2Text = conn.account.get();
  packet.Col3Text = nullptr;
  packet.Col4Text = noteText.get();
  if (m_library.protoData(&conn.record, &packet) == 0) ++m_refused;
}

void SessionPlayer::playNext() {
  if (done()) return;
  const Step& step = m_steps[m_next++];
  ConnectionState& conn = state(step.peer);
  switch (step.action) {
    case Action::Connect:
      m_library.protoConnected(&conn.record);
      break;
    case Action::Disconnect:
      m_library.protoDisconnected(&conn.record);
      break;
    case Action::Receive:
    case Action::ReceiveRaw:
      hand(conn, m_numbering.bytes(step), 0, step.note);
      break;
    case Action::Send:
      hand(conn, m_numbering.bytes(step), 1, step.note);
      break;
  }
}

}  // namespace qarnolog::demo
