// Support for the robustness tests: wide strings and records that own their memory, packets of
// several BEX families, the process's memory figures, and the windows behind the handles.
#pragma once

#include <malloc.h>  // malloc_trim
#include <unistd.h>  // sysconf

#include <QApplication>
#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "../host/test_records.h"
#include "qarnolog/qarnolog.h"
#include "window/f_proto_log.h"

#if defined(__SANITIZE_ADDRESS__)
#define QARNOLOG_ROBUST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QARNOLOG_ROBUST_ASAN 1
#endif
#endif
#ifndef QARNOLOG_ROBUST_ASAN
#define QARNOLOG_ROBUST_ASAN 0
#endif

namespace qarnolog::robust {

// True in the sanitized build: resident memory figures mean nothing there (shadow memory and
// the quarantine of freed blocks), and address-space limits cannot be set.
inline constexpr bool kSanitized = QARNOLOG_ROBUST_ASAN != 0;

// Owned wide strings and packet builders shared with the host tests.
using test::bex;
using test::wide;
using test::Wide;
using test::WideDeleter;
using test::wtld;

inline std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a,
                                           const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A window name and its logger record.
struct Logger {
  Wide name;
  TProtoLoggerRec rec{};
  explicit Logger(const QString& text) : name(wide(text)) { rec.LoggerName = name.get(); }
};

// A connection record whose strings stay alive with it.
struct Conn {
  Wide caption, t1, t2, t3, t4;
  TProtoConnRec rec{};
  Conn(void* logger, std::uint32_t connId)
      : caption(wide(QStringLiteral("Peer %1").arg(connId))),
        t1(wide(QStringLiteral("Account"))),
        t2(wide(QStringLiteral("Peer"))),
        t3(wide(QStringLiteral("Message"))),
        t4(wide(QStringLiteral("Note"))) {
    rec.Logger = logger;
    rec.ConnId = connId;
    rec.TabCaption = caption.get();
    rec.Col1Title = t1.get();
    rec.Col2Title = t2.get();
    rec.Col3Title = t3.get();
    rec.Col4Title = t4.get();
    rec.Col1Width = 80;
    rec.Col2Width = 80;
    rec.Col3Width = 200;
    rec.Col4Width = 60;
  }
};

// A packet record over bytes and texts that it owns.
struct Packet {
  std::vector<std::uint8_t> bytes;
  Wide c1, c2, c3, c4;
  TProtoPacketRec rec{};
  Packet(std::vector<std::uint8_t> data, std::uint8_t direction, const QString& col1,
         const QString& col3 = {})
      : bytes(std::move(data)),
        c1(wide(col1)),
        c2(wide(QStringLiteral("peer-7"))),
        c3(wide(col3)),
        c4(wide(QStringLiteral("ok"))) {
    rec.Direction = direction;
    rec.Bytes = bytes.empty() ? nullptr : bytes.data();
    rec.ByteCount = std::uint32_t(bytes.size());
    rec.Col1Text = c1.get();
    rec.Col2Text = c2.get();
    rec.Col3Text = c3.get();
    rec.Col4Text = c4.get();
  }
};

// A mix of what a session carries: several families, texts in and out of Latin-1, a packet
// that does not parse, and an empty one.
inline std::vector<std::unique_ptr<Packet>> samplePackets() {
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
  std::vector<std::unique_ptr<Packet>> p;
  p.push_back(std::make_unique<Packet>(bex(0x0001, 0x0001, wtld(1, {0, 0, 0, 7}) + wtld(2, text)),
                                       1, QStringLiteral("alice")));
  p.push_back(std::make_unique<Packet>(bex(0x0004, 0x0002, wtld(1, text) + wtld(3, text)), 0,
                                       QStringLiteral("bob"), QStringLiteral("message")));
  p.push_back(std::make_unique<Packet>(bex(0x0003, 0x0001, wtld(1, {0, 0, 0, 1})), 1,
                                       QStringLiteral("Сергей")));
  p.push_back(std::make_unique<Packet>(bex(0x0002, 0x0004, std::vector<std::uint8_t>(200, 0x41)), 0,
                                       QStringLiteral("carol")));
  p.push_back(std::make_unique<Packet>(bex(0x7777, 0x7777), 1, QStringLiteral("dave")));
  p.push_back(
      std::make_unique<Packet>(std::vector<std::uint8_t>{0x2A, 1, 2}, 0, QStringLiteral("short")));
  p.push_back(std::make_unique<Packet>(std::vector<std::uint8_t>{}, 0, QStringLiteral("empty")));
  return p;
}

// Resident memory from /proc/self/statm, after glibc has handed freed heap pages back to the
// system: all of it, and the part that is not backed by files (heap, stacks, anonymous maps),
// which leaves out the library code that a run pages in as it reaches new paths.
struct Resident {
  std::size_t all = 0;
  std::size_t anonymous = 0;
};

inline Resident resident() {
  malloc_trim(0);
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return {};
  unsigned long size = 0, pages = 0, shared = 0;
  const int read = std::fscanf(statm, "%lu %lu %lu", &size, &pages, &shared);
  std::fclose(statm);
  if (read != 3) return {};
  const auto page = std::size_t(sysconf(_SC_PAGESIZE));
  return {pages * page, (pages - shared) * page};
}

// Bytes of heap in use (allocated and not freed), from glibc.
inline std::size_t heapInUse() {
  return mallinfo2().uordblks;
}

// Whether memory figures say anything: not in the sanitized build, and not when the heap is
// not glibc's (under valgrind the heap in use reads as 0).
inline bool measurable(std::size_t heapAtStart) {
  return !kSanitized && heapAtStart > 0;
}

// The address space in use, from /proc/self/statm.
inline std::size_t virtualBytes() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  unsigned long size = 0;
  const int read = std::fscanf(statm, "%lu", &size);
  std::fclose(statm);
  return read == 1 ? std::size_t(size) * std::size_t(sysconf(_SC_PAGESIZE)) : 0;
}

inline constexpr std::size_t kMiB = 1024 * 1024;

// The window behind a handle the exports issued, found among the top-level widgets.
inline TfrmLog* windowOf(const void* handle) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (static_cast<const void*>(w) == handle) return qobject_cast<TfrmLog*>(w);
  return nullptr;
}

// Runs the events that the calls left: list flushes, deferred deletes, paints.
inline void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// The number of TfrmLog windows alive.
inline int windowCount() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<TfrmLog*>(w) != nullptr) ++n;
  return n;
}

// A count from the environment variable `name`, or `fallback`.
inline long countFromEnv(const char* name, long fallback) {
  bool ok = false;
  const long value = qEnvironmentVariable(name).toLong(&ok);
  return ok && value > 0 ? value : fallback;
}

// Drops the offscreen platform's notes on window hints and fonts, thousands in a long run, so
// that the test's own output stays readable and within QtTest's warning limit; everything else
// goes on to the handler installed before (QtTest's, when called from initTestCase).
inline void quietPlatformNotes() {
  static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg &&
            (text.startsWith(QLatin1StringView("This plugin does not support")) ||
             text.contains(QLatin1StringView("OpenType support missing"))))
          return;
        previous(type, context, text);
      });
}

}  // namespace qarnolog::robust
