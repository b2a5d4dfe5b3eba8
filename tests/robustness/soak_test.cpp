// Soak through the five exports: ten windows with twenty connections each take a long stream of
// packets while filters and finds are typed, connections close and reopen, and closed tabs are
// double-clicked away. Every packet a window took must be in its tabs (or in a tab the user
// removed), the newest packet of every open tab must be the one sent last, and after every
// window is deleted the resident memory must come back to where it started.
//
// QARNOLOG_SOAK_PACKETS sets the number of packets (default: a bounded run for `make test`).
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmapCache>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <array>

#include "robust_support.h"

using namespace qarnolog;
using namespace qarnolog::robust;

namespace {

constexpr int kWindows = 10;
constexpr int kConnsPerWindow = 20;
constexpr long kDefaultPackets = kSanitized ? 40000 : 200000;
// How often (in packets) the user does something in one window.
constexpr long kUserEvery = 5000;
// How often a connection closes (its tab stays with its packets) and a new one opens.
constexpr long kReconnectEvery = 20000;
// What may stay after every window is gone: heap blocks still allocated (Qt's style cache keys
// and the like), and resident memory not backed by files (that plus the free heap glibc keeps
// in fragments it cannot give back).
constexpr std::size_t kHeapSlack = 4 * kMiB;
constexpr std::size_t kResidentSlack = 16 * kMiB;

struct WindowState {
  std::unique_ptr<Logger> logger;
  std::vector<std::unique_ptr<Conn>> conns;
  std::vector<const Packet*> last;  // per connection: the packet sent last to its open tab
  long sent = 0;                    // packets ProtoData took for this window
  long removed = 0;                 // packets in tabs that the user removed
};

// Packets held by every tab of a window.
long storedPackets(const TfrmLog& w) {
  long n = 0;
  for (int i = 0; i < w.tabCount(); ++i) n += long(w.tab(i)->store().size());
  return n;
}

}  // namespace

class SoakTest : public QObject {
  Q_OBJECT

 private:
  // One create, packet and delete, so that Qt's caches and the first window's one-time costs
  // are paid before the baseline is taken.
  static void warmUp() {
    Logger logger(QStringLiteral("warm-up"));
    QCOMPARE(CreateProtoLogger(&logger.rec), 1);
    Conn conn(logger.rec.Logger, 1);
    auto packets = samplePackets();
    for (auto& p : packets) QCOMPARE(ProtoData(&conn.rec, &p->rec), 1);
    settle();
    QCOMPARE(DeleteProtoLogger(&logger.rec), 1);
    settle();
  }

  // What the user does in one window: filter and find texts, the two boxes, and a
  // double-click on the header of a closed tab, which removes it.
  static void userActs(WindowState& state, long round) {
    TfrmLog* w = windowOf(state.logger->rec.Logger);
    QVERIFY(w != nullptr);
    static const std::array<QString, 4> kFilters = {
        QStringLiteral("alice"), QStringLiteral("UNKNOWN"), QStringLiteral("сергей"), QString()};
    static const std::array<QString, 4> kFinds = {QStringLiteral("2A 00"), QStringLiteral("hello"),
                                                  QStringLiteral("41 41 41"), QString()};
    auto* filter = w->findChild<QLineEdit*>(QStringLiteral("EditFilter"));
    auto* find = w->findChild<QLineEdit*>(QStringLiteral("EditFind"));
    auto* notBox = w->findChild<QCheckBox*>(QStringLiteral("CheckBoxNot"));
    auto* hexBox = w->findChild<QCheckBox*>(QStringLiteral("CheckBoxHex"));
    QVERIFY(filter && find && notBox && hexBox);
    filter->setText(kFilters[std::size_t(round) % kFilters.size()]);
    find->setText(kFinds[std::size_t(round / 2) % kFinds.size()]);
    hexBox->setChecked(find->text().contains(u' '));
    if (round % 3 == 0) notBox->click();
    settle();

    QTabWidget* pc = w->PC();
    for (int i = 0; i < pc->count(); ++i) {
      if (!w->tab(i)->Closed()) continue;
      std::vector<std::pair<const TLogTab*, long>> before;
      for (int k = 0; k < pc->count(); ++k)
        before.emplace_back(w->tab(k), long(w->tab(k)->store().size()));
      pc->setCurrentIndex(i);  // brings the tab's header into view
      QTabBar* bar = pc->tabBar();
      QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
      settle();
      for (const auto& [tab, held] : before) {
        bool kept = false;
        for (int k = 0; k < pc->count() && !kept; ++k) kept = w->tab(k) == tab;
        if (!kept) state.removed += held;
      }
      break;
    }
  }

 private slots:
  void initTestCase() { quietPlatformNotes(); }
  void manyWindowsManyPacketsComeBackToTheStart() {
    const long total = countFromEnv("QARNOLOG_SOAK_PACKETS", kDefaultPackets);
    warmUp();
    // Qt's pixmap cache (bounded by Qt at 10 MiB) is emptied before the two measurements, so
    // that its filling up does not count as memory the windows kept.
    QPixmapCache::clear();
    const Resident startResident = resident();
    const std::size_t startHeap = heapInUse();

    std::vector<WindowState> windows(kWindows);
    auto packets = samplePackets();
    for (int w = 0; w < kWindows; ++w) {
      WindowState& state = windows[std::size_t(w)];
      state.logger = std::make_unique<Logger>(QStringLiteral("Soak %1").arg(w));
      QCOMPARE(CreateProtoLogger(&state.logger->rec), 1);
      for (int c = 0; c < kConnsPerWindow; ++c) {
        state.conns.push_back(std::make_unique<Conn>(state.logger->rec.Logger, std::uint32_t(c)));
        ProtoConnected(&state.conns.back()->rec);
      }
      state.last.assign(kConnsPerWindow, nullptr);
    }

    std::size_t peakResident = 0;  // all resident bytes
    for (long n = 0; n < total; ++n) {
      WindowState& state = windows[std::size_t(n % kWindows)];
      const long perWindow = n / kWindows;
      const auto c = std::size_t(perWindow % kConnsPerWindow);
      Conn& conn = *state.conns[c];
      Packet& packet = *packets[std::size_t((n / 7) % long(packets.size()))];
      if (ProtoData(&conn.rec, &packet.rec) != 1) QFAIL("a registered window refused a packet");
      ++state.sent;
      state.last[c] = &packet;
      if (n % 1000 == 999) settle();
      if (perWindow % kUserEvery == kUserEvery - 1) userActs(state, perWindow / kUserEvery);
      if (perWindow % kReconnectEvery == kReconnectEvery - 1) {
        ProtoDisconnected(&conn.rec);  // keeps the tab with its packets
        ProtoConnected(&conn.rec);     // and opens a new one for the same ConnId
        state.last[c] = nullptr;
      }
      if (n % 100000 == 99999) peakResident = qMax(peakResident, resident().all);
    }
    settle();
    peakResident = qMax(peakResident, resident().all);

    long stored = 0;
    for (WindowState& state : windows) {
      TfrmLog* w = windowOf(state.logger->rec.Logger);
      QVERIFY(w != nullptr);
      QCOMPARE(storedPackets(*w) + state.removed, state.sent);
      stored += storedPackets(*w);
      // The newest packet of every open tab is the one its connection sent last.
      for (std::size_t c = 0; c < state.conns.size(); ++c) {
        const TLogTab* tab = w->findOpenTab(std::uint32_t(c));
        if (tab == nullptr || state.last[c] == nullptr) continue;
        const PacketStore& store = tab->store();
        QVERIFY(!store.empty());
        const ByteView last = store.bytes(store.size() - 1);
        const std::vector<std::uint8_t>& sent = state.last[c]->bytes;
        QVERIFY(std::equal(last.begin(), last.end(), sent.begin(), sent.end()));
      }
    }

    for (WindowState& state : windows) QCOMPARE(DeleteProtoLogger(&state.logger->rec), 1);
    settle();
    QCOMPARE(windowCount(), 0);
    QPixmapCache::clear();
    const Resident endResident = resident();
    const std::size_t endHeap = heapInUse();
    qInfo(
        "packets %ld, stored at the end %ld; resident MiB: start %.1f, peak %.1f, end %.1f; "
        "not file-backed: start %.1f, end %.1f; heap in use MiB: start %.1f, end %.1f",
        total, stored, double(startResident.all) / kMiB, double(peakResident) / kMiB,
        double(endResident.all) / kMiB, double(startResident.anonymous) / kMiB,
        double(endResident.anonymous) / kMiB, double(startHeap) / kMiB, double(endHeap) / kMiB);
    if (measurable(startHeap)) {
      QVERIFY(endHeap <= startHeap + kHeapSlack);
      QVERIFY(endResident.anonymous <= startResident.anonymous + kResidentSlack);
    }
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
