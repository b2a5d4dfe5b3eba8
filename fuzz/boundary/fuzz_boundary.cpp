// Fuzzes the five exported functions as a hostile host would call them: random sequences of
// create, connect, disconnect, packet and delete calls with records built from the input (known,
// stale and invented handles, random connection ids, null and odd-length wide strings, packets of
// any shape), mixed with what a user does in a window (focus a row or a field, type filter and
// find texts, tick the boxes, switch and double-click tabs, close the window). The exports'
// results are checked against the contract; every window is deleted at the end of each input.
#include <fuzzer/FuzzedDataProvider.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdint>
#include <cstdlib>  // std::abort, setenv
#include <cstring>  // std::memcpy
#include <memory>
#include <vector>

#include "host/library_path.h"
#include "qarnolog/qarnolog.h"

namespace {

constexpr std::size_t kMaxOps = 48;
constexpr std::size_t kMaxLiveWindows = 3;
constexpr std::size_t kMaxPacket = 4096;
constexpr std::size_t kMaxTextUnits = 64;

// Everything one input allocates for the records; freed when the input ends.
class Arena {
 public:
  // A wide string whose length prefix is `byteLength` (odd lengths included) over `units`.
  const QarnoLogWideChar* wide(const std::vector<std::uint16_t>& units, std::uint32_t byteLength) {
    auto block = std::make_unique<std::uint8_t[]>(4 + std::size_t(byteLength) + 2);
    std::memcpy(block.get(), &byteLength, 4);
    if (byteLength > 0) std::memcpy(block.get() + 4, units.data(), byteLength);
    auto* text = reinterpret_cast<const QarnoLogWideChar*>(block.get() + 4);
    m_blocks.push_back(std::move(block));
    return text;
  }
  const std::uint8_t* bytes(const std::vector<std::uint8_t>& data) {
    auto block = std::make_unique<std::uint8_t[]>(data.size() + 1);
    if (!data.empty()) std::memcpy(block.get(), data.data(), data.size());
    m_blocks.push_back(std::move(block));
    return m_blocks.back().get();
  }

 private:
  std::vector<std::unique_ptr<std::uint8_t[]>> m_blocks;
};

class Session {
 public:
  explicit Session(FuzzedDataProvider& in) : m_in(in) {}

  void run() {
    for (std::size_t op = 0; op < kMaxOps && m_in.remaining_bytes() > 0; ++op) step();
    for (void* handle : m_live) {
      TProtoLoggerRec rec{};
      rec.Logger = handle;
      if (DeleteProtoLogger(&rec) != 1) std::abort();
    }
    m_live.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

 private:
  void step() {
    switch (m_in.ConsumeIntegralInRange<int>(0, 13)) {
      case 0:
        create();
        break;
      case 1:
        remove();
        break;
      case 2:
        ProtoConnected(connRecord());
        break;
      case 3:
        ProtoDisconnected(connRecord());
        break;
      case 4:
      case 5:
        data();
        break;
      case 6:
        focusRow();
        break;
      case 7:
        focusField();
        break;
      case 8:
        typeInto("EditFilter");
        break;
      case 9:
        typeInto("EditFind");
        break;
      case 10:
        toggle(m_in.ConsumeBool() ? "CheckBoxNot" : "CheckBoxHex");
        break;
      case 11:
        tabAction();
        break;
      case 12:
        nullRecords();
        break;
      default:
        QCoreApplication::processEvents();
        break;
    }
  }

  const QarnoLogWideChar* text() {
    switch (m_in.ConsumeIntegralInRange<int>(0, 3)) {
      case 0:
        return nullptr;
      case 1: {  // printable ASCII, the usual host text
        const std::string s = m_in.ConsumeRandomLengthString(kMaxTextUnits);
        std::vector<std::uint16_t> units(s.begin(), s.end());
        return m_arena.wide(units, std::uint32_t(units.size() * 2));
      }
      default: {  // any UTF-16 units (lone surrogates, controls, NULs), odd byte lengths too
        const std::size_t count = m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxTextUnits);
        std::vector<std::uint16_t> units(count);
        for (auto& u : units) u = m_in.ConsumeIntegral<std::uint16_t>();
        const std::uint32_t bytes = std::uint32_t(count * 2) - (count > 0 && m_in.ConsumeBool());
        return m_arena.wide(units, bytes);
      }
    }
  }

  // A live, stale, null or invented handle.
  void* handle() {
    switch (m_in.ConsumeIntegralInRange<int>(0, 5)) {
      case 0:
        return nullptr;
      case 1:
        if (!m_stale.empty())
          return m_stale[m_in.ConsumeIntegralInRange<std::size_t>(0, m_stale.size() - 1)];
        [[fallthrough]];
      case 2:
        return reinterpret_cast<void*>(m_in.ConsumeIntegral<std::uintptr_t>());
      default:
        if (m_live.empty()) return nullptr;
        return m_live[m_in.ConsumeIntegralInRange<std::size_t>(0, m_live.size() - 1)];
    }
  }

  [[nodiscard]] bool isLive(const void* h) const {
    for (const void* live : m_live)
      if (live == h) return true;
    return false;
  }

  void create() {
    if (m_live.size() >= kMaxLiveWindows) return;
    TProtoLoggerRec rec{};
    rec.Logger = handle();
    rec.Reserved2 = m_in.ConsumeIntegral<std::uint8_t>();
    rec.LoggerName = text();
    const bool wasLive = isLive(rec.Logger);
    const std::int32_t result = CreateProtoLogger(&rec);
    if (result != (wasLive ? 0 : 1)) std::abort();
    if (result == 1) {
      if (rec.Logger == nullptr || isLive(rec.Logger)) std::abort();
      m_live.push_back(rec.Logger);
    }
  }

  void remove() {
    TProtoLoggerRec rec{};
    rec.Logger = handle();
    const bool wasLive = isLive(rec.Logger);
    if (DeleteProtoLogger(&rec) != (wasLive ? 1 : 0)) std::abort();
    if (!wasLive) return;
    std::erase(m_live, rec.Logger);
    m_stale.push_back(rec.Logger);
  }

  TProtoConnRec* connRecord() {
    auto& conn = m_conns.emplace_back(std::make_unique<TProtoConnRec>());
    conn->Logger = handle();
    conn->ConnId = m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<std::uint32_t>(0, 3)
                                      : m_in.ConsumeIntegral<std::uint32_t>();
    conn->TabCaption = text();
    conn->Col1Title = text();
    conn->Col2Title = text();
    conn->Col3Title = text();
    conn->Col4Title = text();
    conn->Col1Width = m_in.ConsumeIntegralInRange<std::int32_t>(-10, 400);
    conn->Col2Width = m_in.ConsumeIntegral<std::int32_t>();
    conn->Col3Width = m_in.ConsumeIntegralInRange<std::int32_t>(0, 100000);
    conn->Col4Width = m_in.ConsumeIntegralInRange<std::int32_t>(0, 200);
    return conn.get();
  }

  // Packet bytes: a well-formed BEX of any type and sub-type, one whose length field lies, or
  // bytes of any shape.
  std::vector<std::uint8_t> packetBytes() {
    const int shape = m_in.ConsumeIntegralInRange<int>(0, 2);
    std::vector<std::uint8_t> data =
        m_in.ConsumeBytes<std::uint8_t>(m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxPacket));
    if (shape == 2) return data;
    std::vector<std::uint8_t> p = {0x2A, 0, 0, 0, 1};
    const auto type = m_in.ConsumeIntegral<std::uint16_t>();
    const auto sub = m_in.ConsumeIntegral<std::uint16_t>();
    std::uint32_t length = std::uint32_t(data.size());
    if (shape == 1) length = m_in.ConsumeIntegral<std::uint32_t>();
    for (const std::uint64_t v : {std::uint64_t(type) << 16 | sub, std::uint64_t(0)})
      for (int i = 3; i >= 0; --i) p.push_back(std::uint8_t(v >> (8 * i)));
    for (int i = 3; i >= 0; --i) p.push_back(std::uint8_t(length >> (8 * i)));
    p.insert(p.end(), data.begin(), data.end());
    return p;
  }

  void data() {
    TProtoConnRec* conn = connRecord();
    auto& packet = m_packets.emplace_back(std::make_unique<TProtoPacketRec>());
    packet->Direction = m_in.ConsumeIntegral<std::uint8_t>();
    const std::vector<std::uint8_t> bytes = packetBytes();
    packet->ByteCount = std::uint32_t(bytes.size());
    packet->Bytes = bytes.empty() && m_in.ConsumeBool() ? nullptr : m_arena.bytes(bytes);
    packet->Col1Text = text();
    packet->Col2Text = text();
    packet->Col3Text = text();
    packet->Col4Text = text();
    const std::int32_t expected = isLive(conn->Logger) ? 1 : 0;
    if (ProtoData(conn, packet.get()) != expected) std::abort();
  }

  void nullRecords() {
    if (CreateProtoLogger(nullptr) != 0 || DeleteProtoLogger(nullptr) != 0) std::abort();
    ProtoConnected(nullptr);
    ProtoDisconnected(nullptr);
    if (ProtoData(nullptr, nullptr) != 0) std::abort();
    TProtoConnRec* conn = connRecord();
    if (ProtoData(conn, nullptr) != 0) std::abort();
    // Bytes promised but not given: refused.
    TProtoPacketRec packet{};
    packet.ByteCount = m_in.ConsumeIntegralInRange<std::uint32_t>(1, 0xFFFFFFFFu);
    if (ProtoData(conn, &packet) != 0) std::abort();
  }

  // One of the live windows, found among the application's top-level widgets by its handle.
  QWidget* window() {
    if (m_live.empty()) return nullptr;
    void* h = m_live[m_in.ConsumeIntegralInRange<std::size_t>(0, m_live.size() - 1)];
    for (QWidget* w : QApplication::topLevelWidgets())
      if (static_cast<void*>(w) == h) return w;
    std::abort();  // a live handle without its window
  }

  static QModelIndex pick(FuzzedDataProvider& in, const QAbstractItemModel* model,
                          QModelIndex parent, int depth) {
    const int rows = model->rowCount(parent);
    if (rows <= 0) return parent;
    const QModelIndex child = model->index(
        in.ConsumeIntegralInRange<int>(0, rows - 1),
        in.ConsumeIntegralInRange<int>(0, qMax(0, model->columnCount(parent) - 1)), parent);
    if (depth <= 0 || !in.ConsumeBool()) return child;
    return pick(in, model, model->index(child.row(), 0, parent), depth - 1);
  }

  void focusRow() {
    QWidget* w = window();
    if (w == nullptr) return;
    QCoreApplication::processEvents();  // lets the lists insert the packets that arrived
    auto* pc = w->findChild<QTabWidget*>(QStringLiteral("PC"));
    if (pc == nullptr || pc->currentWidget() == nullptr) return;
    auto* list = pc->currentWidget()->findChild<QAbstractItemView*>();
    if (list == nullptr || list->model() == nullptr) return;
    const QModelIndex index = pick(m_in, list->model(), {}, 0);
    if (index.isValid()) list->setCurrentIndex(index);
    QCoreApplication::processEvents();
  }

  void focusField() {
    QWidget* w = window();
    if (w == nullptr) return;
    auto* tree = w->findChild<QAbstractItemView*>(QStringLiteral("VstPkt"));
    if (tree == nullptr || tree->model() == nullptr) return;
    const QModelIndex index = pick(m_in, tree->model(), {}, 6);
    if (index.isValid()) tree->setCurrentIndex(index);
    QCoreApplication::processEvents();
  }

  void typeInto(const char* name) {
    QWidget* w = window();
    if (w == nullptr) return;
    auto* edit = w->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (edit == nullptr) return;
    QString typed;
    if (m_in.ConsumeBool()) {  // hex digits, spaces and the odd stray character
      static constexpr char kHexish[] = "0123456789abcdefABCDEF  x";
      const std::string picks = m_in.ConsumeRandomLengthString(kMaxTextUnits);
      for (const char c : picks) typed += QChar::fromLatin1(kHexish[std::uint8_t(c) % 25]);
    } else {
      const std::size_t count = m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxTextUnits);
      for (std::size_t i = 0; i < count; ++i) typed += QChar(m_in.ConsumeIntegral<char16_t>());
    }
    edit->setText(typed);
    QCoreApplication::processEvents();
  }

  void toggle(const char* name) {
    QWidget* w = window();
    if (w == nullptr) return;
    if (auto* box = w->findChild<QCheckBox*>(QString::fromLatin1(name))) box->click();
    QCoreApplication::processEvents();
  }

  void tabAction() {
    QWidget* w = window();
    if (w == nullptr) return;
    auto* pc = w->findChild<QTabWidget*>(QStringLiteral("PC"));
    if (pc == nullptr) return;
    switch (m_in.ConsumeIntegralInRange<int>(0, 2)) {
      case 0:
        if (pc->count() > 0) pc->setCurrentIndex(m_in.ConsumeIntegralInRange(0, pc->count() - 1));
        break;
      case 1:
        if (pc->count() > 0) {
          QTabBar* bar = pc->tabBar();
          const int index = m_in.ConsumeIntegralInRange(0, pc->count() - 1);
          QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        }
        break;
      default:
        w->close();
        break;  // only hides the window
    }
    QCoreApplication::processEvents();
  }

  FuzzedDataProvider& m_in;
  Arena m_arena;
  std::vector<std::unique_ptr<TProtoConnRec>> m_conns;
  std::vector<std::unique_ptr<TProtoPacketRec>> m_packets;
  std::vector<void*> m_live;
  std::vector<void*> m_stale;
};

QString g_layoutFile;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The platform's notes about fonts and window hints say nothing about the library.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // The fuzzer plays a host with an application of its own, kept to the process's end: Qt
  // does not support destroying an application from a static destructor at exit, which is
  // where an application made by the library would go.
  static QApplication* app = new QApplication(*argc, *argv);
  static_cast<void>(app);
  g_layoutFile = qarnolog::LibraryLayoutFilePath();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Session(in).run();
  // Every input starts without a layout file, so sections do not pile up across inputs.
  if (!g_layoutFile.isEmpty()) QFile::remove(g_layoutFile);
  return 0;
}
