// Plays the sample session into one log window: announces each peer's connection, hands over
// its packets with the host's four columns, and closes connections, one step at a time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "library.h"
#include "session.h"

namespace qarnolog::demo {

class SessionPlayer {
 public:
  // `library` and the window `logger` must outlive the player.
  SessionPlayer(const LoggerLibrary& library, void* logger, std::vector<Step> steps);

  [[nodiscard]] bool done() const { return m_next >= m_steps.size(); }
  [[nodiscard]] std::size_t played() const { return m_next; }
  [[nodiscard]] std::size_t size() const { return m_steps.size(); }
  // Packets that the library did not take (ProtoData returned 0).
  [[nodiscard]] std::size_t refused() const { return m_refused; }

  // Plays the next step; does nothing when all are played.
  void playNext();

 private:
  // One peer's record and the strings it points to, kept for the whole session.
  struct ConnectionState {
    WideString caption;
    std::array<WideString, 4> titles;
    WideString address;
    WideString account;
    TProtoConnRec record{};
  };

  ConnectionState& state(Peer peer);
  void hand(ConnectionState& conn, const Bytes& bytes, std::uint8_t direction,
            std::string_view note);

  const LoggerLibrary& m_library;
  std::vector<Step> m_steps;
  std::vector<ConnectionState> m_connections;
  PacketNumbering m_numbering;
  std::size_t m_next = 0;
  std::size_t m_refused = 0;
};

}  // namespace qarnolog::demo
