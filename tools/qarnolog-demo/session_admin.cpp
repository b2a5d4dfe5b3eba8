// The administration tool's side of the sample session: login, server parameters with the
// general contact list, a settings change, a broadcast, user and list queries, extensions.
#include "session.h"

namespace qarnolog::demo {
namespace {

const Bytes kTransportUuid = sequence(0xA0, 16);

constexpr std::uint64_t kBobRegistered = 1551398400;          // 2019-03-01
constexpr std::uint64_t kBobLastSeen = 1765324800 + 33125;    // 2025-12-10 09:12:05
constexpr std::uint64_t kAliceLastSeen = 1765324800 + 34200;  // 2025-12-10 09:30:00

Bytes generalContactList() {
  // clang-format off
  return contactList({
      {ItemType::Group, 1000, 0, StldList().text(0x0001, "Company")},
      {ItemType::Contact, 1001, 1000,
       StldList().text(0x0002, "helpdesk").text(0x0003, "Help desk").byte(0x0004, 0)},
      {ItemType::Note, 1002, 1000,
       StldList().text(0x2001, "Intranet").byte(0x2002, 2).text(0x2003, "https://intra.example.org")},
  });
  // clang-format on
}

}  // namespace

std::vector<Step> adminScript() {
  constexpr Peer w = Peer::Admin;
  return {
      connect(w),
      receive(w, Bex(kWadm, 0x0001).wtld(0x0001, utf8("Xk29-PLm3-77aQ")), "admin login"),
      send(w, Bex(kWadm, 0x0002).word(0x0001, 0).wtld(0x0002, Bytes{0x00, 0x03, 0x00, 0x02}),
           "welcome"),
      receive(w, Bex(kWadm, 0x0003), "parameters?"),
      send(w,
           Bex(kWadm, 0x0004)
               .text(0x0001, "/var/lib/qarno/users")
               .dword(0x0002, 7000)
               .dword(0x0003, 7001)
               .boolean(0x0004, true)
               .boolean(0x0005, true)
               .boolean(0x0006, true)
               .boolean(0x0007, true)
               .dword(0x000A, 500)
               .dword(0x000B, 6)
               .dword(0x000C, 1289)
               .dword(0x000E, 60)
               .boolean(0x001E, true)
               .text(0x001F, "https://im.example.org/register")
               .wtld(0x002D, generalContactList())
               .boolean(0x002E, true)
               .text(0x0030, "files.example.org")
               .dword(0x0031, 7051),
           "parameters"),
      receive(w, Bex(kWadm, 0x0005).dword(0x000A, 750).boolean(0x001E, false), "change two"),
      send(w, Bex(kWadm, 0x0006).word(0x000A, 0).word(0x001E, 1), "one refused"),
      receive(w,
              Bex(kWadm, 0x0007)
                  .word(0x0001, 2)
                  .text(0x0002, "The server restarts at 23:00 for maintenance.")
                  .byte(0x0003, 0),
              "broadcast"),
      send(w, Bex(kWadm, 0x0008).word(0x0001, 0), "sent"),
      receive(w, Bex(kWadm, 0x0009).word(0x0001, 7).text(0x0002, "bob"), "bob?"),
      send(w,
           Bex(kWadm, 0x000A)
               .word(0x0001, 0)
               .text(0x0002, "bob")
               .text(0x0003, "bob@example.org")
               .text(0x0004, "bobby")
               .text(0x0005, "Bob")
               .text(0x0006, "Smith")
               .qword(0x001A, kBobRegistered)
               .dword(0x001B, 6)
               .qword(0x001C, kBobLastSeen)
               .text(0x001D, "192.168.1.35")
               .boolean(0x001E, false)
               .qword(0x0021, 412),
           "bob"),
      send(w, Bex(kWadm, 0x000B).dword(0x0001, 6).dword(0x0002, 1289), "state"),
      receive(w, Bex(kWadm, 0x000C).word(0x0001, 1).dword(0x0002, 0), "who is connected?"),
      send(w,
           Bex(kWadm, 0x000D)
               .word(0x0001, 0)
               .dword(0x0002, 1)
               .text(0x0003, "alice")
               .text(0x0004, "192.168.1.20")
               .qword(0x0005, 1730)
               .text(0x0007, "ally")
               .qword(0x000A, kAliceLastSeen)
               .text(0x000B, "QarnoChat")
               .wtld(0x000C, Bytes{0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x01, 0x36}),
           "alice"),
      receive(w, Bex(kWadm, 0x000E).word(0x0001, 1), "transports?"),
      send(w, Bex(kWadm, 0x000F).word(0x0001, 1).wtld(0x0002, kTransportUuid), "one"),
      receive(w,
              Bex(kWadm, 0x0010)
                  .wtld(0x0001, kTransportUuid)
                  .boolean(0x0002, true)
                  .boolean(0x0003, false)
                  .byte(0x00A0, 4)
                  .text(0x00A1, "proxy.example.org")
                  .dword(0x00A2, 1080),
              "proxy for Jabber"),
      send(w, Bex(kWadm, 0x0011).wtld(0x0001, kTransportUuid).word(0x0002, 0), "updated"),
  };
}

}  // namespace qarnolog::demo
