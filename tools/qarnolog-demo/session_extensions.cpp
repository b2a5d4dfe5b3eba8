// The extension side of the sample session: a plug-in registers and receives a text message;
// a transport registers, is configured, creates an account object and relays alice's
// Jabber traffic, then destroys the object.
#include "session.h"

namespace qarnolog::demo {
namespace {

constexpr std::uint16_t kExtensionTransport = 1;
constexpr std::uint16_t kExtensionPlugin = 2;
constexpr std::uint32_t kObject = 501;  // the transport's object for alice's Jabber account

const Bytes kTransportUuid = sequence(0xA0, 16);
const Bytes kPluginUuid = sequence(0xE0, 16);

constexpr std::uint64_t kOfflineAuthSent = 1765324800 + 7 * 3600;  // 2025-12-10 07:00:00

}  // namespace

std::vector<Step> pluginScript() {
  constexpr Peer p = Peer::Plugin;
  return {
      connect(p),
      receive(p, Bex(kExtMan, 0x0001).word(0x0001, kExtensionPlugin).wtld(0x0002, kPluginUuid),
              "register plug-in"),
      send(p,
           Bex(kExtMan, 0x0002)
               .word(0x0001, 0)
               .text(0x0002, "/var/lib/qarno/users")
               .text(0x0003, "/var/log/qarno"),
           "registered"),
      receive(p,
              Bex(kExtMan, 0x0003)
                  .text(0x0001, "Echo bot")
                  .text(0x0002, "0.9.1")
                  .text(0x0003, "Example Labs")
                  .text(0x0004, "https://example.org/echo"),
              "plug-in info"),
      send(p,
           Bex(kExtPg, 0x0001)
               .text(0x0001, "alice")
               .text(0x0002, "echo")
               .dword(0x0003, 1)
               .wtld(0x0004, utf8("ping from alice"))
               .flag(0x0005)
               .text(0x000B, "alice")
               .wtld(0x000C, kTransportUuid),
           "text for the bot"),
  };
}

std::vector<Step> transportScript() {
  constexpr Peer t = Peer::Transport;
  return {
      connect(t),
      receive(t,
              Bex(kExtMan, 0x0001).word(0x0001, kExtensionTransport).wtld(0x0002, kTransportUuid),
              "register transport"),
      send(t,
           Bex(kExtMan, 0x0002)
               .word(0x0001, 0)
               .text(0x0002, "/var/lib/qarno/users")
               .text(0x0003, "/var/log/qarno")
               .dword(0x0004, 65536),
           "registered"),
      receive(t,
              Bex(kExtMan, 0x0003)
                  .text(0x0001, "Jabber transport")
                  .text(0x0002, "2.1.0")
                  .text(0x0003, "Example Labs")
                  .text(0x0004, "https://example.org/jabber")
                  .text(0x0010, "Jabber (XMPP)")
                  .text(0x0011, "XMPP")
                  .text(0x0012, "JID")
                  .text(0x0013, "jabber.example.org")
                  .dword(0x0014, 5222)
                  .boolean(0x0016, false)
                  .boolean(0x0017, true)
                  .boolean(0x001E, true)
                  .boolean(0x0025, true)
                  .byte(0x0027, 0)
                  .boolean(0x1001, true)
                  .boolean(0x2001, true),
              "transport info"),
      send(t,
           Bex(kExtMan, 0x0004, 0x0901)
               .word(0x0001, 1033)
               .text(0x0002, "QarnoChat")
               .qword(0x0003, 0x0001000400020136)
               .text(0x0004, "Linux 6.1 x86_64"),
           "create object for alice"),
      receive(t,
              Bex(kExtMan, 0x0005, 0x0901)
                  .word(0x0001, 0)
                  .dword(0x0002, kObject)
                  .wtld(0x0003, Bytes{0x00, 0x01}),
              "created"),
      send(t,
           Bex(kExtTp, 0x0001)
               .dword(0x0001, kObject)
               .text(0x0002, "alice@jabber.example.org")
               .wtld(0x0003, utf8("amFiYmVyLXNlY3JldA=="))
               .text(0x0004, "jabber.example.org")
               .dword(0x0005, 5222),
           "settings"),
      receive(t, Bex(kExtTp, 0x0002).dword(0x0001, kObject).word(0x0002, 0), "settings taken"),
      send(t,
           Bex(kExtTp, 0x0003)
               .dword(0x0001, kObject)
               .word(0x0002, 1)
               .dword(0x0003, 0)
               .text(0x0005, "at my desk"),
           "connect"),
      receive(t, Bex(kExtTp, 0x0004).dword(0x0001, kObject).word(0x0002, 0), "logged in"),
      receive(t,
              Bex(kExtTp, 0x0005)
                  .dword(0x0001, kObject)
                  .wtld(0x0002, utf8("dave@jabber.example.org"))
                  .boolean(0x0003, false),
              "roster"),
      receive(t,
              Bex(kExtTp, 0x000F)
                  .dword(0x0001, kObject)
                  .text(0x0002, "dave@jabber.example.org")
                  .dword(0x0003, 3)
                  .text(0x0004, "Free for chat")
                  .word(0x0007, 1)
                  .text(0x0008, "Gajim")
                  .wtld(0x0009, Bytes{0x00, 0x01, 0x00, 0x03, 0x00, 0x04, 0x00, 0x00}),
              "dave online"),
      receive(t,
              Bex(kExtTp, 0x0010)
                  .dword(0x0001, kObject)
                  .text(0x0002, "dave@jabber.example.org")
                  .dword(0x0003, 9001)
                  .text(0x0004, "Hello from the XMPP side")
                  .boolean(0x0005, true),
              "message from dave"),
      send(t,
           Bex(kExtTp, 0x0011)
               .dword(0x0001, kObject)
               .text(0x0002, "dave@jabber.example.org")
               .dword(0x0003, 9001),
           "delivered to alice"),
      receive(t,
              Bex(kExtTp, 0x0012)
                  .dword(0x0001, kObject)
                  .text(0x0002, "dave@jabber.example.org")
                  .dword(0x0003, 1)
                  .dword(0x0004, 2),
              "dave stopped typing"),
      send(t, Bex(kExtTp, 0x0013).dword(0x0001, kObject).text(0x0002, "dave@jabber.example.org"),
           "dave's details?"),
      receive(t,
              Bex(kExtTp, 0x0014)
                  .dword(0x0001, kObject)
                  .word(0x0002, 0)
                  .text(0x0003, "dave@jabber.example.org")
                  .text(0x0004, "dave")
                  .text(0x0005, "Dave")
                  .text(0x0006, "Jones")
                  .text(0x0009, "Bristol"),
              "details"),
      receive(t,
              Bex(kExtTp, 0x000C)
                  .dword(0x0001, kObject)
                  .text(0x0002, "frank@jabber.example.org")
                  .text(0x0003, "Please add me")
                  .boolean(0x0004, true)
                  .qword(0x0005, kOfflineAuthSent),
              "frank asks"),
      send(t,
           Bex(kExtTp, 0x000D)
               .dword(0x0001, kObject)
               .text(0x0002, "frank@jabber.example.org")
               .word(0x0003, 1),
           "granted"),
      receive(t,
              Bex(kExtTp, 0x0008)
                  .dword(0x0001, kObject)
                  .text(0x0002, "frank@jabber.example.org")
                  .text(0x0003, "Frank")
                  .text(0x0004, "Friends")
                  .byte(0x0005, 0),
              "add frank"),
      receive(t,
              Bex(kExtTp, 0x001E)
                  .dword(0x0001, kObject)
                  .dword(0x0002, 3)
                  .boolean(0x0003, true)
                  .text(0x0004, "alice@jabber.example.org")
                  .text(0x0005, "Dave")
                  .text(0x0006, "dave@jabber.example.org")
                  .text(0x0007, "Photos from Saturday")
                  .text(0x0009, "https://mail.jabber.example.org/"),
              "mail"),
      send(t, Bex(kExtMan, 0x0006, 0x0902).dword(0x0001, kObject), "destroy object"),
      receive(t, Bex(kExtMan, 0x0007, 0x0902).word(0x0001, 0).dword(0x0002, kObject), "destroyed"),
  };
}

}  // namespace qarnolog::demo
