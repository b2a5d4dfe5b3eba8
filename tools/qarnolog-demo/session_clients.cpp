// The client side of the sample session: alice uses every client family, bob chats with her
// and is logged out, zoe tries to register a taken account, and a stray peer sends something
// that is not a BEX.
#include "session.h"

namespace qarnolog::demo {
namespace {

// Moments of the session (Unix seconds, UTC).
constexpr std::uint64_t kToday = 1765324800;               // 2025-12-10 00:00:00
constexpr std::uint64_t kAliceOnline = kToday + 34200;     // 09:30:00
constexpr std::uint64_t kBobOnline = kToday + 33125;       // 09:12:05
constexpr std::uint64_t kBobRegistered = 1551398400;       // 2019-03-01
constexpr std::uint64_t kBobBirthday = 639878400;          // 1990-04-12
constexpr std::uint64_t kNoteWritten = 1764547200 + 3600;  // 2025-12-01 01:00:00

// Client capabilities: UTF-8 messages, typing notifications, avatars, file transfer,
// transports.
const Bytes kCaps = concat({be16(1), be16(5), be16(6), be16(7), be16(8)});

Bytes version(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
  return concat({be16(a), be16(b), be16(c), be16(d)});
}

const Bytes kJabberUuid = sequence(0xA0, 16);
const Bytes kIrcUuid = sequence(0xC0, 16);

Bytes aliceContactList() {
  // clang-format off
  return contactList({
      {ItemType::Group, 1, 0, StldList().text(0x0001, "Friends")},
      {ItemType::Group, 2, 0, StldList().text(0x0001, "Work")},
      {ItemType::Contact, 10, 1,
       StldList().text(0x0002, "bob").text(0x0003, "Bob Smith").byte(0x0004, 0)},
      {ItemType::Contact, 11, 2,
       StldList()
           .text(0x0002, "carol")
           .text(0x0003, "Carol")
           .byte(0x0004, 1)
           .byte(0x0005, 1)
           .add(0x8001, utf8("sales-team"))},
      {ItemType::Transport, 20, 0,
       StldList()
           .add(0x1002, kJabberUuid)
           .text(0x1003, "alice@jabber.example.org")
           .text(0x1004, "Jabber")},
      {ItemType::Contact, 21, 1,
       StldList().text(0x0002, "dave@jabber.example.org").text(0x0003, "Dave").dword(0x1001, 20)},
      {ItemType::Note, 30, 1,
       StldList()
           .text(0x2001, "Wi-Fi")
           .byte(0x2002, 0)
           .text(0x2003, "Guest network: qarno-guest")
           .qword(0x2004, kNoteWritten)
           .add(0x2005, sequence(0x10, 16))},
  });
  // clang-format on
}

Bytes offeredTransports() {
  // clang-format off
  return transportsData({
      {kJabberUuid,
       StldList()
           .text(0x0001, "Jabber (XMPP)")
           .text(0x0002, "XMPP")
           .text(0x0003, "JID")
           .text(0x0004, "jabber.example.org")
           .dword(0x0005, 5222)
           .add(0x0006, concat({be32(0), be32(7), be32(0xFFFF)}))
           .byte(0x0007, 0)
           .byte(0x0009, 1)
           .byte(0x000A, 1)
           .byte(0x000B, 1)
           .byte(0x0010, 1)
           .byte(0x0017, 1)
           .byte(0x1001, 1)
           .byte(0x2001, 1)},
      {kIrcUuid,
       StldList()
           .text(0x0001, "IRC gateway")
           .text(0x0002, "IRC")
           .text(0x0003, "Nick")
           .text(0x0004, "irc.example.net")
           .dword(0x0005, 6697)
           .byte(0x0008, 0)
           .byte(0x0012, 0)
           .byte(0x0019, 0)},
  });
  // clang-format on
}

}  // namespace

std::vector<Step> aliceScript() {
  constexpr Peer a = Peer::Alice;
  return {
      connect(a),
      receive(a, Bex(kCom, 0x0001).text(0x0001, "alice"), "hello"),
      send(a,
           Bex(kCom, 0x0002)
               .wtld(0x0002, utf8("k7Fq2mZx"))
               .boolean(0x0005, true)
               .text(0x0006, "https://im.example.org/register")
               .dword(0x0008, 3),
           "server key"),
      receive(a, Bex(kCom, 0x0003).text(0x0001, "alice").text(0x0003, "c2VjcmV0LXBhc3M="), "login"),
      send(a,
           Bex(kCom, 0x0004)
               .wtld(0x0002, concat({be16(kCom), be16(kCl), be16(kPres), be16(kIm), be16(kUd),
                                     be16(kUa), be16(kFt), be16(kTp)}
                ))
               .dword(0x0003, 0x00100000)
               .wtld(0x0006, sequence(0x30, 16))
               .text(0x0007, "https://im.example.org/remind")
               .wtld(0x0008, concat({be16(kCl), be16(2), be16(kIm), be16(3)}
                )),
           "logged in"),
      receive(a, Bex(kCl, 0x0001), "contact list limits?"),
      send(a,
           Bex(kCl, 0x0002)
               .dword(0x0001, 50)
               .dword(0x0002, 64)
               .dword(0x0003, 1000)
               .dword(0x0004, 64)
               .dword(0x0005, 64)
               .dword(0x0006, 255)
               .dword(0x0007, 16)
               .dword(0x0008, 1024)
               .dword(0x0009, 1)
               .boolean(0x000A, true)
               .dword(0x000B, 100)
               .dword(0x000C, 64)
               .dword(0x000D, 4096),
           "limits"),
      receive(a, Bex(kCl, 0x0003), "send my contact list"),
      send(a, Bex(kCl, 0x0004).wtld(0x0001, aliceContactList()), "contact list"),
      receive(a,
              Bex(kPres, 0x0003)
                  .wtld(0x0001, kCaps)
                  .word(0x0002, 1)
                  .text(0x0003, "QarnoChat")
                  .wtld(0x0004, version(1, 4, 2, 310))
                  .word(0x0005, 1033)
                  .text(0x0006, "Linux 6.1 x86_64")
                  .text(0x0007, "desktop")
                  .dword(0x0008, 0x00000003)
                  .text(0x0009, "alice-laptop"),
              "client info"),
      receive(a, Bex(kPres, 0x0004).dword(0x0001, 0).text(0x0002, "Online"), "status"),
      receive(a, Bex(kPres, 0x0005), "activate"),
      send(a,
           Bex(kPres, 0x0006)
               .text(0x0001, "bob")
               .dword(0x0002, 6)
               .text(0x0003, "Out for lunch")
               .wtld(0x0006, kCaps)
               .word(0x0007, 1)
               .text(0x0008, "QarnoChat Mobile")
               .wtld(0x0009, version(2, 0, 10, 256))
               .qword(0x000A, kBobOnline)
               .qword(0x000B, kBobRegistered)
               .text(0x000D, "192.168.1.35"),
           "bob is online"),
      receive(a, Bex(kIm, 0x0001), "message limits?"),
      send(a,
           Bex(kIm, 0x0002)
               .dword(0x0001, 64)
               .dword(0x0002, 8192)
               .dword(0x0003, 0)
               .boolean(0x0004, true),
           "limits"),
      receive(a,
              Bex(kIm, 0x0006, 0x51)
                  .text(0x0001, "bob")
                  .dword(0x0002, 1)
                  .dword(0x0003, 1)
                  .text(0x0004, "Hi Bob! Lunch at noon? \xE2\x98\x95")
                  .flag(0x0005),
              "to bob"),
      send(a, Bex(kIm, 0x0008, 0x51).text(0x0001, "bob").dword(0x0002, 1), "delivered"),
      send(a, Bex(kIm, 0x0009).text(0x0001, "bob").dword(0x0002, 1).dword(0x0003, 1),
           "bob is typing"),
      send(a,
           Bex(kIm, 0x0007)
               .text(0x0001, "bob")
               .dword(0x0002, 7)
               .dword(0x0003, 1)
               .text(0x0004, "Sure, see you at the canteen")
               .flag(0x0005),
           "from bob"),
      receive(a,
              Bex(kCl, 0x0007, 0x61)
                  .word(0x0001, 2)
                  .dword(0x0002, 2)
                  .stlds(0x0003, StldList().text(0x0002, "erin").text(0x0003, "Erin")),
              "add erin to Work"),
      send(a, Bex(kCl, 0x0008, 0x61).word(0x0001, 0).dword(0x0002, 12), "added"),
      receive(a, Bex(kCl, 0x000D).text(0x0001, "erin").text(0x0002, "Hi Erin, it's Alice"),
              "ask erin"),
      receive(a,
              Bex(kCl, 0x000B, 0x62)
                  .dword(0x0001, 11)
                  .dword(0x0002, 1)
                  .stlds(0x0003, StldList().text(0x0003, "Carol (Sales)")),
              "rename carol"),
      send(a, Bex(kCl, 0x000C, 0x62).word(0x0001, 0), "renamed"),
      receive(a, Bex(kCl, 0x0009, 0x63).dword(0x0001, 30), "delete note"),
      send(a, Bex(kCl, 0x000A, 0x63).word(0x0001, 0), "deleted"),
      send(a,
           Bex(kCl, 0x0013)
               .word(0x0001, 1)
               .word(0x0002, 2)
               .dword(0x0003, 22)
               .dword(0x0004, 1)
               .stlds(0x0005, StldList()
                                  .text(0x0002, "frank@jabber.example.org")
                                  .text(0x0003, "Frank")
                                  .dword(0x1001, 20)),
           "transport added frank"),
      receive(a, Bex(kUd, 0x0003, 0x71).text(0x0001, "bob"), "bob's details?"),
      send(a,
           Bex(kUd, 0x0004, 0x71)
               .word(0x0001, 0)
               .text(0x0002, "bob")
               .text(0x0004, "bobby")
               .text(0x0005, "Bob")
               .text(0x0006, "Smith")
               .word(0x0007, 826)
               .text(0x0009, "Leeds")
               .word(0x000C, 1033)
               .byte(0x000E, 1)
               .qword(0x000F, kBobBirthday)
               .text(0x0010, "https://bob.example.org")
               .text(0x0011, "Coffee, climbing, C++")
               .text(0x0013, "bob@example.org"),
           "details"),
      receive(a, Bex(kUd, 0x0007, 0x72).text(0x0003, "car").flag(0x000E), "search"),
      send(a,
           Bex(kUd, 0x0008, 0x72)
               .word(0x0001, 0)
               .text(0x0002, "carol")
               .text(0x0003, "carol")
               .text(0x0004, "Carol")
               .byte(0x0006, 2)
               .byte(0x0007, 31)
               .flag(0x0008)
               .flag(0x0009)
               .dword(0x000A, 1)
               .dword(0x000B, 0x00010003),
           "1 found"),
      receive(a, Bex(kUa, 0x0001), "avatar limits?"),
      send(a, Bex(kUa, 0x0002).dword(0x0001, 65536).wtld(0x0002, sequence(0x40, 16)), "limits"),
      receive(a, Bex(kUa, 0x0003).wtld(0x0001, sequence(0x50, 16)), "bob's avatar?"),
      send(a,
           Bex(kUa, 0x0004)
               .word(0x0001, 0)
               .wtld(0x0002, sequence(0x50, 16))
               .wtld(0x0003, concat({Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
                                     sequence(0x00, 120)}
                )),
           "avatar"),
      receive(a, Bex(kFt, 0x0001), "file transfer limits?"),
      send(a,
           Bex(kFt, 0x0002)
               .dword(0x0001, 64)
               .dword(0x0002, 255)
               .dword(0x0003, 255)
               .dword(0x0004, 1024)
               .boolean(0x0005, true)
               .boolean(0x0006, true)
               .text(0x0007, "files.example.org")
               .dword(0x0008, 7051),
           "limits"),
      receive(a,
              Bex(kFt, 0x0003)
                  .text(0x0001, "bob")
                  .qword(0x0002, 0x5A17C0DE00000001)
                  .dword(0x0003, 1)
                  .qword(0x0004, 48213)
                  .text(0x0005, "canteen-menu.pdf")
                  .text(0x0006, "192.168.1.20")
                  .dword(0x0007, 50400),
              "send a file to bob"),
      send(a,
           Bex(kFt, 0x0004)
               .text(0x0001, "bob")
               .qword(0x0002, 0x5A17C0DE00000001)
               .word(0x0003, 1)
               .text(0x0004, "192.168.1.35")
               .dword(0x0005, 50500),
           "bob accepts"),
      send(a,
           Bex(kFt, 0x0005).text(0x0001, "bob").qword(0x0002, 0x5A17C0DE00000001).word(0x0003, 6),
           "ready"),
      receive(a, Bex(kTp, 0x0001), "transports?"),
      send(a, Bex(kTp, 0x0002).dword(0x0001, 5).wtld(0x0002, offeredTransports()),
           "Jabber and IRC"),
      send(a, Bex(kTp, 0x0003).dword(0x0001, 20).wtld(0x0002, Bytes{0x00,  0x01   }
                ), "item ready"),
      receive(a,
              Bex(kTp, 0x0004)
                  .dword(0x0001, 20)
                  .wtld(0x0002, utf8("amFiYmVyLXNlY3JldA=="))
                  .text(0x0003, "jabber.example.org")
                  .dword(0x0004, 5222),
              "transport settings"),
      send(a, Bex(kTp, 0x0005).dword(0x0001, 20).word(0x0002, 0), "saved"),
      receive(a, Bex(kTp, 0x0006).dword(0x0001, 20).word(0x0002, 1).dword(0x0003, 0),
              "connect transport"),
      send(a, Bex(kTp, 0x0007).dword(0x0001, 20).word(0x0002, 0), "transport logged in"),
      send(a,
           Bex(kTp, 0x0008)
               .dword(0x0001, 20)
               .boolean(0x0002, true)
               .boolean(0x0003, false)
               .text(0x0004, "Jabber")
               .text(0x0005, "Connected as alice@jabber.example.org"),
           "notification"),
      send(a, Bex(kTp, 0x0009).dword(0x0001, 20).wtld(0x0002, sequence(0x60, 16)), "avatar hash"),
      send(a,
           Bex(kPres, 0x000A)
               .dword(0x0001, 3)
               .boolean(0x0002, true)
               .text(0x0003, "alice@example.org")
               .text(0x0004, "Newsletter")
               .text(0x0006, "Your weekly digest")
               .text(0x0008, "https://mail.example.org/")
               .dword(0x1001, 20),
           "new mail"),
      receive(a, Bex(kCom, 0x0006), "ping"),
      send(a, Bex(kCom, 0x0007), "pong"),
  };
}

std::vector<Step> bobScript() {
  constexpr Peer b = Peer::Bob;
  return {
      connect(b),
      receive(b, Bex(kCom, 0x0001).text(0x0001, "bob").wtld(0x0002, sequence(0x30, 16)),
              "hello with cookie"),
      send(b, Bex(kCom, 0x0002).wtld(0x0002, utf8("p9Rt4wQe")).boolean(0x0005, true), "server key"),
      receive(b, Bex(kCom, 0x0003).text(0x0001, "bob").text(0x0003, "d3Jvbmc="), "login"),
      send(b, Bex(kCom, 0x0004).word(0x0001, 4), "wrong password"),
      receive(b, Bex(kCom, 0x0003).text(0x0001, "bob").text(0x0003, "Ym9iLXBhc3M="), "login again"),
      send(b, Bex(kCom, 0x0004).dword(0x0003, 0x00100000).wtld(0x0006, sequence(0x31, 16)),
           "logged in"),
      receive(b,
              Bex(kPres, 0x0004)
                  .dword(0x0001, 6)
                  .text(0x0002, "Out for lunch")
                  .dword(0x0003, 2)
                  .text(0x0004, "sandwich"),
              "status"),
      send(b,
           Bex(kPres, 0x0006)
               .text(0x0001, "alice")
               .dword(0x0002, 0)
               .text(0x0003, "Online")
               .wtld(0x0006, kCaps)
               .word(0x0007, 1)
               .text(0x0008, "QarnoChat")
               .wtld(0x0009, version(1, 4, 2, 310))
               .qword(0x000A, kAliceOnline)
               .text(0x000F, "Linux 6.1 x86_64"),
           "alice is online"),
      send(b,
           Bex(kIm, 0x0007)
               .text(0x0001, "alice")
               .dword(0x0002, 1)
               .dword(0x0003, 1)
               .text(0x0004, "Hi Bob! Lunch at noon? \xE2\x98\x95")
               .flag(0x0005),
           "from alice"),
      receive(b, Bex(kIm, 0x0008).text(0x0001, "alice").dword(0x0002, 1), "read"),
      receive(b, Bex(kIm, 0x0009).text(0x0001, "alice").dword(0x0002, 1).dword(0x0003, 1),
              "typing"),
      receive(b,
              Bex(kIm, 0x0006)
                  .text(0x0001, "alice")
                  .dword(0x0002, 7)
                  .dword(0x0003, 1)
                  .text(0x0004, "Sure, see you at the canteen")
                  .flag(0x0005),
              "to alice"),
      receive(b, Bex(kIm, 0x000A).text(0x0001, "alice"), "alice's key?"),
      send(b,
           Bex(kIm, 0x000B).text(0x0001, "alice").dword(0x0002, 1).wtld(0x0003, sequence(0x80, 32)),
           "key"),
      receive(b,
              Bex(kIm, 0x000C)
                  .stlds(0x0001, StldList().text(0x0001, "alice").text(0x0001, "carol"))
                  .text(0x0002, "Team meeting moved to 15:00"),
              "to alice and carol"),
      send(b, Bex(kPres, 0x0007).text(0x0001, "carol"), "carol went offline"),
      receive(b, Bex(kCom, 0x0006), "ping"),
      send(b, Bex(kCom, 0x0007), "pong"),
      send(b, Bex(kCom, 0x0005).word(0x0001, 2), "logged in elsewhere"),
      disconnect(b),
  };
}

std::vector<Step> zoeScript() {
  constexpr Peer z = Peer::Zoe;
  return {
      connect(z),
      receive(z, Bex(kCom, 0x0001).flag(0x0003), "hello, to register"),
      send(z,
           Bex(kCom, 0x0002)
               .wtld(0x0002, utf8("Zr81LmQ0"))
               .boolean(0x0005, true)
               .text(0x0006, "https://im.example.org/register"),
           "server key"),
      receive(z,
              Bex(kCom, 0x0008)
                  .text(0x0001, "alice")
                  .text(0x0002, "zoe-pass")
                  .text(0x0003, "zoe@example.org")
                  .wtld(0x0004, utf8("Zr81LmQ0")),
              "register \"alice\""),
      send(z,
           Bex(kCom, 0x0009)
               .word(0x0001, 2)
               .text(0x0002, "abcdefghijklmnopqrstuvwxyz0123456789-_.")
               .text(0x0003, "-_.")
               .text(0x0004, "-_.")
               .dword(0x0005, 3),
           "account exists"),
      send(z, Bex(kCom, 0x0005).word(0x0001, 10), "bye"),
      disconnect(z),
  };
}

std::vector<Step> strangerScript() {
  constexpr Peer s = Peer::Stranger;
  return {
      connect(s),
      receiveRaw(s, utf8("GET / HTTP/1.1\r\n"), "not a BEX"),
      disconnect(s),
  };
}

}  // namespace qarnolog::demo
