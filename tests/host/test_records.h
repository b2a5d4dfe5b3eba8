// Helpers for tests that drive the host interface: owned wide strings, records and packets.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "qarnolog/qarnolog.h"

namespace qarnolog::test {

// A wide string built with the header's helper, freed with it.
struct WideDeleter {
  void operator()(const QarnoLogWideChar* text) const { QarnoLogFreeWide(text); }
};
using Wide = std::unique_ptr<const QarnoLogWideChar, WideDeleter>;

inline Wide wide(const QString& text) {
  return Wide(QarnoLogAllocWideUtf16(reinterpret_cast<const uint16_t*>(text.utf16()),
                                     std::size_t(text.size())));
}

// A whole BEX: the 17-byte header (big-endian) and its data.
inline std::vector<std::uint8_t> bex(std::uint16_t type, std::uint16_t sub,
                                     const std::vector<std::uint8_t>& data = {},
                                     std::uint32_t seq = 1) {
  std::vector<std::uint8_t> p;
  auto put = [&p](std::uint64_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) p.push_back(std::uint8_t(v >> (8 * i)));
  };
  put(0x2A, 1);
  put(seq, 4);
  put(type, 2);
  put(sub, 2);
  put(0, 4);
  put(data.size(), 4);
  p.insert(p.end(), data.begin(), data.end());
  return p;
}

// A wTLD: 32-bit type, 32-bit length, value.
inline std::vector<std::uint8_t> wtld(std::uint32_t type, const std::vector<std::uint8_t>& value) {
  std::vector<std::uint8_t> p;
  const auto n = std::uint32_t(value.size());
  for (int i = 3; i >= 0; --i) p.push_back(std::uint8_t(type >> (8 * i)));
  for (int i = 3; i >= 0; --i) p.push_back(std::uint8_t(n >> (8 * i)));
  p.insert(p.end(), value.begin(), value.end());
  return p;
}

// A connection record whose strings stay alive with it.
struct Conn {
  Wide caption, t1, t2, t3, t4;
  TProtoConnRec rec{};
  Conn(void* logger, std::uint32_t connId, const QString& tabCaption = QStringLiteral("conn"))
      : caption(wide(tabCaption)),
        t1(wide(QStringLiteral("Host 1"))),
        t2(wide(QStringLiteral("Host 2"))),
        t3(wide(QStringLiteral("Host 3"))),
        t4(wide(QStringLiteral("Host 4"))) {
    rec.Logger = logger;
    rec.ConnId = connId;
    rec.TabCaption = caption.get();
    rec.Col1Title = t1.get();
    rec.Col2Title = t2.get();
    rec.Col3Title = t3.get();
    rec.Col4Title = t4.get();
    rec.Col1Width = 61;
    rec.Col2Width = 62;
    rec.Col3Width = 63;
    rec.Col4Width = 64;
  }
};

// A packet record with its bytes and texts kept alive.
struct Packet {
  std::vector<std::uint8_t> bytes;
  Wide c1, c2, c3, c4;
  TProtoPacketRec rec{};
  explicit Packet(std::vector<std::uint8_t> data, std::uint8_t direction = 1,
                  const QString& col3 = QString())
      : bytes(std::move(data)),
        c1(wide(QStringLiteral("one"))),
        c2(wide(QStringLiteral("Two"))),
        c3(wide(col3)),
        c4(wide(QStringLiteral("FOUR"))) {
    rec.Direction = direction;
    rec.Bytes = bytes.empty() ? nullptr : bytes.data();
    rec.ByteCount = std::uint32_t(bytes.size());
    rec.Col1Text = c1.get();
    rec.Col2Text = c2.get();
    rec.Col3Text = c3.get();
    rec.Col4Text = c4.get();
  }
};

}  // namespace qarnolog::test
