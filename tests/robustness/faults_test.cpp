// Faults around the exports: calls from a thread that does not own the windows, a layout file
// that cannot be read or written, memory running out while a huge packet is stored, and a
// thousand windows created and deleted.
#include <sys/mman.h>      // mmap
#include <sys/resource.h>  // setrlimit
#include <sys/stat.h>      // mkfifo

#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include "host/u_proto_log.h"
#include "robust_support.h"
#include "window/layout_file.h"

using namespace qarnolog;
using namespace qarnolog::robust;

namespace {

// Runs `call` on a new thread and waits for it.
template <typename Call>
void onOtherThread(Call call) {
  std::thread thread(call);
  thread.join();
}

// The record of one stored packet, for comparing a tab before and after a fault.
struct Stored {
  std::vector<std::uint8_t> bytes;
  std::uint32_t number;
  QString col1;
  friend bool operator==(const Stored&, const Stored&) = default;
};

std::vector<Stored> contents(const TLogTab& tab) {
  std::vector<Stored> out;
  const PacketStore& store = tab.store();
  for (std::uint32_t r = 0; r < store.size(); ++r) {
    const ByteView b = store.bytes(r);
    out.push_back({std::vector<std::uint8_t>(b.begin(), b.end()), store.number(r),
                   store.colText(r, 0).toString()});
  }
  return out;
}

// An address-space limit for the calling process, lifted again when it goes.
class AddressSpaceLimit {
 public:
  explicit AddressSpaceLimit(std::size_t headroom) {
    m_ok = getrlimit(RLIMIT_AS, &m_saved) == 0;
    rlimit lowered = m_saved;
    lowered.rlim_cur = rlim_t(virtualBytes() + headroom);
    m_ok = m_ok && setrlimit(RLIMIT_AS, &lowered) == 0;
  }
  ~AddressSpaceLimit() {
    if (m_ok) setrlimit(RLIMIT_AS, &m_saved);
  }
  AddressSpaceLimit(const AddressSpaceLimit&) = delete;
  AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;
  [[nodiscard]] bool ok() const { return m_ok; }

 private:
  rlimit m_saved{};
  bool m_ok = false;
};

}  // namespace

class FaultsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;

 private slots:
  void initTestCase() { quietPlatformNotes(); }
  // Runs first, while no window exists: a first call from a thread other than the
  // application's must not make the registry (nor an application) there.
  void firstCallFromAnotherThreadCreatesNothing() {
    Logger logger(QStringLiteral("Foreign"));
    std::int32_t created = -1;
    onOtherThread([&] { created = CreateProtoLogger(&logger.rec); });
    QCOMPARE(created, 0);
    QVERIFY(logger.rec.Logger == nullptr);
    QCOMPARE(windowCount(), 0);
    // The owning thread can still open windows afterwards.
    QCOMPARE(CreateProtoLogger(&logger.rec), 1);
    QCOMPARE(DeleteProtoLogger(&logger.rec), 1);
    settle();
  }

  void callsFromAnotherThreadAreIgnored() {
    Logger logger(QStringLiteral("Owner"));
    QCOMPARE(CreateProtoLogger(&logger.rec), 1);
    Conn conn(logger.rec.Logger, 5);
    auto packets = samplePackets();
    QCOMPARE(ProtoData(&conn.rec, &packets[0]->rec), 1);
    settle();
    TfrmLog* w = windowOf(logger.rec.Logger);
    QVERIFY(w != nullptr);
    const std::vector<Stored> before = contents(*w->tab(0));

    Logger other(QStringLiteral("Other"));
    Conn fresh(logger.rec.Logger, 6);
    std::array<std::int32_t, 4> results{-1, -1, -1, -1};
    onOtherThread([&] {
      results[0] = CreateProtoLogger(&other.rec);
      results[1] = ProtoData(&conn.rec, &packets[1]->rec);
      ProtoConnected(&fresh.rec);
      ProtoDisconnected(&conn.rec);
      results[2] = ProtoData(&fresh.rec, &packets[2]->rec);
      results[3] = DeleteProtoLogger(&logger.rec);
    });
    QCOMPARE(results, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    QVERIFY(other.rec.Logger == nullptr);
    // The window, its one tab and its packets are as they were.
    QCOMPARE(windowOf(logger.rec.Logger), w);
    QCOMPARE(w->tabCount(), 1);
    QVERIFY(!w->tab(0)->Closed());
    QCOMPARE(contents(*w->tab(0)), before);
    QCOMPARE(ProtoData(&conn.rec, &packets[1]->rec), 1);
    QCOMPARE(w->tab(0)->store().size(), 2u);
    QCOMPARE(DeleteProtoLogger(&logger.rec), 1);
    settle();
  }

  // A layout file that cannot be read or written: the window opens with the defaults and
  // deleting it still succeeds. Permission bits do not stop root, so each case makes the
  // path unusable in a way that holds for every user.
  void unusableLayoutFileGivesDefaults_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a directory named like the file") << "directory";
    QTest::newRow("parent is a regular file") << "parent-file";
    QTest::newRow("read-only file system") << "proc";
    QTest::newRow("a FIFO that no one writes") << "fifo";
    QTest::newRow("a character device") << "device";
    QTest::newRow("no byte-order mark") << "no-bom";
    QTest::newRow("larger than any layout file") << "huge";
  }
  void unusableLayoutFileGivesDefaults() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("QarnoLog.ini"));
    QByteArray kept;  // what a file that must be left alone holds
    if (kind == u"directory") {
      QVERIFY(QDir().mkdir(path));
    } else if (kind == u"parent-file") {
      QFile parent(dir.filePath(QStringLiteral("parent")));
      QVERIFY(parent.open(QIODevice::WriteOnly));
      path = parent.fileName() + QStringLiteral("/QarnoLog.ini");
    } else if (kind == u"proc") {
      path = QStringLiteral("/proc/QarnoLog.ini");
    } else if (kind == u"fifo") {
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"device") {
      QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else {
      kept = kind == u"no-bom" ? QByteArray("[Server]\r\nleft=5\r\n")
                               : EncodeLayoutText(QStringLiteral("[Server]\r\nleft=5\r\n") +
                                                  QString(9 * 1024 * 1024, u'x'));
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QCOMPARE(file.write(kept), kept.size());
    }

    TProtoLog log(nullptr, path);
    Logger logger(QStringLiteral("Server"));
    QCOMPARE(log.createLogger(logger.rec), 1);
    TfrmLog* w = log.find(logger.rec.Logger);
    QVERIFY(w != nullptr);
    QCOMPARE(w->frameGeometry(), QRect(100, 100, 800, 700));
    QCOMPARE(log.deleteLogger(logger.rec), 1);
    QCOMPARE(log.count(), std::size_t(0));
    if (!kept.isEmpty()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY(file.readAll() == kept);
    }
    settle();
  }

  // The file is replaced by a directory while the window is open: deleting the window still
  // succeeds and leaves the directory alone.
  void layoutFileReplacedWhileOpen() {
    const QString path = m_dir.filePath(QStringLiteral("replaced/QarnoLog.ini"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    TProtoLog log(nullptr, path);
    Logger logger(QStringLiteral("Server"));
    QCOMPARE(log.createLogger(logger.rec), 1);
    QVERIFY(QDir().mkdir(path));
    QCOMPARE(log.deleteLogger(logger.rec), 1);
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QDir(path).isEmpty());
    settle();
  }

  // Memory runs out while a 1 GiB packet is stored: the packet is dropped, ProtoData returns
  // 0, and the tab keeps every packet it had, numbered as before; the next packet is stored
  // as if the failed one had never come.
  void hugePacketWithoutMemoryIsDropped_data() {
    QTest::addColumn<bool>("parses");
    QTest::newRow("a BEX whose data is 1 GiB") << true;
    QTest::newRow("1 GiB that does not parse") << false;
  }
  void hugePacketWithoutMemoryIsDropped() {
    if (kSanitized) QSKIP("address-space limits and the address sanitizer do not mix");
    QFETCH(bool, parses);
    constexpr std::size_t kHuge = 1024 * kMiB;
    Logger logger(QStringLiteral("Huge"));
    QCOMPARE(CreateProtoLogger(&logger.rec), 1);
    Conn conn(logger.rec.Logger, 1);
    auto packets = samplePackets();
    for (auto& p : packets) QCOMPARE(ProtoData(&conn.rec, &p->rec), 1);
    settle();
    TfrmLog* w = windowOf(logger.rec.Logger);
    QVERIFY(w != nullptr);
    const std::vector<Stored> before = contents(*w->tab(0));

    // The host's buffer: untouched pages cost no memory.
    void* block = mmap(nullptr, kHuge, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    QVERIFY(block != MAP_FAILED);
    auto* bytes = static_cast<std::uint8_t*>(block);
    if (parses) {
      const std::vector<std::uint8_t> header =
          bex(0x0004, 0x0002, {}, 9);  // data length patched to fill the block
      std::copy(header.begin(), header.end(), bytes);
      const auto length = std::uint32_t(kHuge - header.size());
      for (int i = 0; i < 4; ++i) bytes[13 + i] = std::uint8_t(length >> (8 * (3 - i)));
    }
    TProtoPacketRec huge = packets[0]->rec;
    huge.Bytes = bytes;
    huge.ByteCount = std::uint32_t(kHuge);
    std::int32_t taken = -1;
    {
      AddressSpaceLimit limit(256 * kMiB);
      QVERIFY(limit.ok());
      taken = ProtoData(&conn.rec, &huge);
    }
    munmap(block, kHuge);
    QCOMPARE(taken, 0);
    QCOMPARE(w->tabCount(), 1);
    QCOMPARE(contents(*w->tab(0)), before);

    QCOMPARE(ProtoData(&conn.rec, &packets[0]->rec), 1);
    const PacketStore& store = w->tab(0)->store();
    QCOMPARE(store.size(), std::uint32_t(before.size() + 1));
    QCOMPARE(store.number(store.size() - 1), store.size());
    const ByteView last = store.bytes(store.size() - 1);
    QVERIFY(
        std::equal(last.begin(), last.end(), packets[0]->bytes.begin(), packets[0]->bytes.end()));
    settle();
    QCOMPARE(w->tab(0)->model()->rowCount(), int(store.size()));
    QCOMPARE(DeleteProtoLogger(&logger.rec), 1);
    settle();
  }

  // A thousand windows, each with tabs and packets, created and deleted: the heap in use and
  // the resident memory stay within a few MiB of where they were after the first hundred. What
  // does grow, about 3 KiB a window, is Qt's own: the key strings of the style's pixmap cache (each
  // window has its own icons and palette, so its tab bar, headers and scroll bars get keys of their
  // own). A window, a tab or a packet store that was not freed would cost far more per window.
  void thousandWindowsLeaveNothingBehind() {
    const long cycles = countFromEnv("QARNOLOG_CYCLES", 1000);
    auto packets = samplePackets();
    auto cycle = [&packets](long i) {
      Logger logger(QStringLiteral("Cycle %1").arg(i % 7));
      QCOMPARE(CreateProtoLogger(&logger.rec), 1);
      for (std::uint32_t c = 0; c < 3; ++c) {
        Conn conn(logger.rec.Logger, c);
        ProtoConnected(&conn.rec);
        for (auto& p : packets) QCOMPARE(ProtoData(&conn.rec, &p->rec), 1);
        if (c == 1) ProtoDisconnected(&conn.rec);
      }
      settle();
      QCOMPARE(DeleteProtoLogger(&logger.rec), 1);
      settle();
    };
    // Qt's pixmap cache (bounded by Qt at 10 MiB) is emptied before each measurement, so that
    // its filling up does not count as growth.
    const long warm = qMin(100L, cycles / 10);
    for (long i = 0; i < warm; ++i) cycle(i);
    QPixmapCache::clear();
    const Resident start = resident();
    const std::size_t startHeap = heapInUse();
    for (long i = warm; i < cycles; ++i) cycle(i);
    QPixmapCache::clear();
    const Resident end = resident();
    const std::size_t endHeap = heapInUse();
    QCOMPARE(windowCount(), 0);
    qInfo(
        "%ld windows; after %ld and after all, resident MiB: %.1f, %.1f; not file-backed: "
        "%.1f, %.1f; heap in use: %.1f, %.1f",
        cycles, warm, double(start.all) / kMiB, double(end.all) / kMiB,
        double(start.anonymous) / kMiB, double(end.anonymous) / kMiB, double(startHeap) / kMiB,
        double(endHeap) / kMiB);
    if (measurable(startHeap)) {
      QVERIFY(endHeap <= startHeap + 6 * kMiB);
      QVERIFY(end.anonymous <= start.anonymous + 16 * kMiB);
    }
  }
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
