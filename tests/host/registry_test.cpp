// The registry, the log window and its tabs driven through the exports' operations, with the
// window's internals in view: tabs, rows, numbers, texts, ExtType, the layout file.
#include <QAbstractItemModelTester>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "host/u_proto_log.h"
#include "test_records.h"
#include "window/layout_file.h"

using namespace qarnolog;
using namespace qarnolog::test;

namespace {

constexpr std::uint16_t kExtMan = 0x1000;
constexpr std::uint16_t kRegister = 0x0001;

}  // namespace

class RegistryTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  std::unique_ptr<TProtoLog> m_log;
  std::vector<Wide> m_names;

  QString iniPath() const { return m_dir.filePath(QStringLiteral("QarnoLog.ini")); }

  // Opens a window through createLogger and returns its handle.
  void* open(const QString& name) {
    m_names.push_back(wide(name));
    TProtoLoggerRec rec{};
    rec.LoggerName = m_names.back().get();
    if (m_log->createLogger(rec) != 1) return nullptr;
    return rec.Logger;
  }
  TfrmLog& window(void* handle) { return *m_log->find(handle); }

 private slots:
  void init() {
    QFile::remove(iniPath());
    m_log = std::make_unique<TProtoLog>(nullptr, iniPath());
  }
  void cleanup() { m_log.reset(); }

  void createTwiceWithOneRecordMakesOneWindow() {
    m_names.push_back(wide(QStringLiteral("Server")));
    TProtoLoggerRec rec{};
    rec.LoggerName = m_names.back().get();
    QCOMPARE(m_log->createLogger(rec), 1);
    void* first = rec.Logger;
    QVERIFY(first != nullptr);
    QCOMPARE(m_log->createLogger(rec), 0);
    QCOMPARE(rec.Logger, first);
    QCOMPARE(m_log->count(), std::size_t(1));
    // A handle that is no longer registered makes a new window.
    QCOMPARE(m_log->deleteLogger(rec), 1);
    QCOMPARE(m_log->createLogger(rec), 1);
    QCOMPARE(m_log->count(), std::size_t(1));
  }

  void windowHasItsControlsAndDefaults() {
    TfrmLog& w = window(open(QStringLiteral("Server")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Server - RUV Analyzer"));
    QVERIFY(w.isVisible());
    QVERIFY(w.isWindow());
    QVERIFY(w.parentWidget() == nullptr);
    for (const char* name :
         {"VstPkt", "RichEditDump", "PC", "EditFilter", "CheckBoxNot", "EditFind", "CheckBoxHex",
          "PanelBottom", "PanelCli", "PanelFind", "Label1", "Label2", "SplitterHor", "SplitterVer"})
      QVERIFY2(w.findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Filter:"));
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Find:"));
    QCOMPARE(w.CheckBoxNot()->text(), QStringLiteral("Not"));
    QCOMPARE(w.CheckBoxHex()->text(), QStringLiteral("Hex"));
    QCOMPARE(w.EditFilter()->geometry(), QRect(88, 4, 209, 21));
    QCOMPARE(w.EditFind()->geometry(), QRect(411, 4, 209, 21));
    QCOMPARE(w.CheckBoxNot()->nextInFocusChain(), w.EditFilter());
    QCOMPARE(w.SplitterHor()->handleWidth(), 3);
    QCOMPARE(w.SplitterVer()->handleWidth(), 5);
    QVERIFY(!w.SplitterHor()->childrenCollapsible());
    QVERIFY(w.RichEditDump()->isReadOnly());
    QCOMPARE(w.RichEditDump()->font().pixelSize(), 11);
    QCOMPARE(w.font().pixelSize(), 11);
    // No layout file: the defaults.
    QCOMPARE(w.frameGeometry(), QRect(100, 100, 800, 700));
    QCOMPARE(w.VstPkt()->width(), 200);
    QCOMPARE(w.PanelBottom()->height(), 300);
  }

  void closeButtonOnlyHides() {
    void* h = open(QStringLiteral("Server"));
    window(h).close();
    QVERIFY(!window(h).isVisible());
    QVERIFY(m_log->isRegistered(h));
    Conn conn(h, 7);
    Packet packet(bex(0x0001, 0x0001));
    QCOMPARE(m_log->data(conn.rec, packet.rec), 1);
  }

  void callsWithUnknownHandlesDoNothing() {
    void* h = open(QStringLiteral("Server"));
    int dummy = 0;
    Conn stranger(&dummy, 1);
    Packet packet(bex(0x0001, 0x0001));
    m_log->connected(stranger.rec);
    m_log->disconnected(stranger.rec);
    QCOMPARE(m_log->data(stranger.rec, packet.rec), 0);
    Conn none(nullptr, 1);
    QCOMPARE(m_log->data(none.rec, packet.rec), 0);
    QCOMPARE(window(h).tabCount(), 0);
  }

  void nullBytesWithCountIsRefused() {
    void* h = open(QStringLiteral("Server"));
    Conn conn(h, 1);
    Packet packet({});
    packet.rec.ByteCount = 5;
    QCOMPARE(m_log->data(conn.rec, packet.rec), 0);
    QCOMPARE(window(h).tabCount(), 0);
    packet.rec.ByteCount = 0;
    QCOMPARE(m_log->data(conn.rec, packet.rec), 1);
    QCOMPARE(window(h).tab(0)->store().size(), 1u);
  }

  void connectedAndDisconnectedKeepOrRemoveTabs() {
    TfrmLog& w = window(open(QStringLiteral("Server")));
    Conn a(&w, 1, QStringLiteral("A")), b(&w, 2, QStringLiteral("B")),
        c(&w, 3, QStringLiteral("C"));
    m_log->connected(a.rec);
    m_log->connected(b.rec);
    m_log->connected(c.rec);
    m_log->connected(a.rec);  // the open tab is found again
    QCOMPARE(w.tabCount(), 3);
    QCOMPARE(w.PC()->currentIndex(), 0);  // the first tab became active, the others did not
    QCOMPARE(w.tab(0)->image(), 1);

    // The active empty tab goes; the one after it becomes active.
    m_log->disconnected(a.rec);
    QCOMPARE(w.tabCount(), 2);
    QCOMPARE(w.PC()->tabText(w.PC()->currentIndex()), QStringLiteral("B"));
    // The active last tab goes: the first becomes active.
    w.PC()->setCurrentIndex(1);
    m_log->disconnected(c.rec);
    QCOMPARE(w.PC()->tabText(w.PC()->currentIndex()), QStringLiteral("B"));
    // A tab with packets stays, closed and red; the next packet opens a new tab.
    Packet packet(bex(0x0001, 0x0001));
    QCOMPARE(m_log->data(b.rec, packet.rec), 1);
    m_log->disconnected(b.rec);
    QCOMPARE(w.tabCount(), 1);
    QVERIFY(w.tab(0)->Closed());
    QCOMPARE(w.tab(0)->image(), 0);
    m_log->disconnected(b.rec);  // no open tab: nothing changes
    QCOMPARE(w.tabCount(), 1);
    QCOMPARE(m_log->data(b.rec, packet.rec), 1);
    QCOMPARE(w.tabCount(), 2);
    QCOMPARE(w.tab(1)->store().number(0), 1u);
    QCOMPARE(w.tab(1)->List()->model()->headerData(3, Qt::Horizontal).toString(),
             QStringLiteral("Host 1"));
    QCOMPARE(w.tab(1)->List()->horizontalHeader()->sectionSize(1), 140);
    QCOMPARE(w.tab(1)->List()->horizontalHeader()->sectionSize(6), 64);
    // The last tab removed leaves none.
    Conn d(&w, 9);
    m_log->connected(d.rec);
    m_log->disconnected(d.rec);
    QCOMPARE(w.tabCount(), 2);
  }

  void packetsAreNumberedNamedAndStamped() {
    TfrmLog& w = window(open(QStringLiteral("Server")));
    Conn conn(&w, 5);
    Packet good(bex(0x0001, 0x0001), 1);
    Packet tooShort({1, 2, 3}, 1);
    std::vector<std::uint8_t> cut = bex(0x0001, 0x0001, {1, 2, 3});
    cut.pop_back();
    Packet truncated(cut, 1);
    Packet empty({}, 1);
    Packet named(bex(0x0001, 0x0001), 0, QStringLiteral("Mine"));
    Packet unknown(bex(0x7777, 0x7777), 0);
    for (Packet* p : {&good, &tooShort, &truncated, &empty, &named, &unknown})
      QCOMPARE(m_log->data(conn.rec, p->rec), 1);

    TLogTab& tab = *w.tab(0);
    PacketListModel& model = *tab.model();
    QAbstractItemModelTester tester(&model);
    QCOMPARE(model.rowCount(), 0);  // rows arrive with the next event-loop turn
    QTRY_COMPARE(model.rowCount(), 6);
    struct Row {
      const char* number;
      const char* length;
      const char* col1;
      const char* col3;
    };
    const Row rows[] = {
        {"1", "17", "one", nullptr  }, // col 3 empty: the BEX name
        {"0", "3",  "",    ""       }, // shorter than a header: bytes only
        {"0", "19", "",    ""       }, // data length larger than what follows
        {"0", "0",  "",    ""       }, // no bytes at all
        {"5", "17", "one", "Mine"   }, // the host's own text wins
        {"6", "17", "one", "UNKNOWN"},
    };
    const QString bexName = model.index(0, 5).data().toString();
    QVERIFY(bexName.startsWith(QStringLiteral("QARNO_BEX_")));
    const QRegularExpression stamp(
        QStringLiteral("^\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d:\\d\\d\\d$"));
    for (int r = 0; r < 6; ++r) {
      const Row& row = rows[r];
      QCOMPARE(model.index(r, 0).data().toString(), QString::fromLatin1(row.number));
      QCOMPARE(model.index(r, 2).data().toString(), QString::fromLatin1(row.length));
      QCOMPARE(model.index(r, 3).data().toString(), QString::fromLatin1(row.col1));
      if (row.col3) QCOMPARE(model.index(r, 5).data().toString(), QString::fromLatin1(row.col3));
      const bool parsed = QString::fromLatin1(row.number) != QStringLiteral("0");
      QCOMPARE(stamp.match(model.index(r, 1).data().toString()).hasMatch(), parsed);
      QCOMPARE(tab.store().direction(std::uint32_t(r)), std::uint8_t(parsed && r < 4 ? 1 : 0));
    }
    QCOMPARE(model.index(0, 6).data().toString(), QStringLiteral("FOUR"));
    QVERIFY(tab.store().filterText(0).toString().endsWith(
        QStringLiteral(" one two ") + bexName.toLower() + QStringLiteral(" four")));
  }

  void extTypeFollowsTheLastRegistration() {
    TfrmLog& w = window(open(QStringLiteral("Server")));
    Conn a(&w, 1), b(&w, 2);
    QCOMPARE(w.ExtType(), std::uint16_t(0));
    Packet reg(bex(kExtMan, kRegister, wtld(1, {0x00, 0x05})));
    QCOMPARE(m_log->data(a.rec, reg.rec), 1);
    QCOMPARE(w.ExtType(), std::uint16_t(5));
    Packet other(bex(kExtMan, 0x0002, wtld(1, {0x00, 0x07})));  // not a registration
    m_log->data(b.rec, other.rec);
    QCOMPARE(w.ExtType(), std::uint16_t(5));
    Packet withoutType(bex(kExtMan, kRegister, wtld(2, {0x00, 0x09})));
    m_log->data(b.rec, withoutType.rec);  // any tab of the window counts
    QCOMPARE(w.ExtType(), std::uint16_t(0));
  }

  void arrivalsReachTheViewInOneInsertion() {
    TfrmLog& w = window(open(QStringLiteral("Server")));
    Conn conn(&w, 1);
    Packet packet(bex(0x0001, 0x0001));
    QCOMPARE(m_log->data(conn.rec, packet.rec), 1);
    PacketListModel& model = *w.tab(0)->model();
    QAbstractItemModelTester tester(&model);
    QTRY_COMPARE(model.rowCount(), 1);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.setArrivalHook([](std::uint32_t record) { return record % 2 == 0; });
    constexpr int kBurst = 1000;
    for (int i = 0; i < kBurst; ++i) m_log->data(conn.rec, packet.rec);
    QTRY_COMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 1 + kBurst / 2);
    QCOMPARE(model.rowOf(2), 1);
    QCOMPARE(model.rowOf(1), -1);
    // A new visible set replaces the rows; pending arrivals count as decided.
    m_log->data(conn.rec, packet.rec);
    model.setVisibleRows({5, 3, 3, 99999});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.recordAt(0), 3u);
    QTest::qWait(10);
    QCOMPARE(model.rowCount(), 2);
  }

  void windowsOfOneNameShareASectionAndTheOldestIsStoredLast() {
    TfrmLog& oldest = window(open(QStringLiteral("Twin")));
    TfrmLog& newest = window(open(QStringLiteral("Twin")));
    QVERIFY(&oldest != &newest);
    oldest.move(111, 112);
    newest.move(333, 334);
    QTest::qWait(1);
    TProtoLoggerRec rec{};
    rec.Logger = &newest;
    QCOMPARE(m_log->deleteLogger(rec), 1);
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto text = DecodeLayoutText(file.readAll());
    QVERIFY(text.has_value());
    QCOMPARE(text->count(QStringLiteral("[Twin]")), 1);
    QCOMPARE(ParseLayout(*text, u"Twin").left, oldest.frameGeometry().x());
    QVERIFY(m_log->isRegistered(&oldest));
  }

  void layoutRoundTripKeepsOtherSections() {
    const QString foreign = QStringLiteral("[Other]\r\nleft=1\r\nKeep=me\r\n");
    {
      QFile file(iniPath());
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(EncodeLayoutText(foreign));
    }
    const QString name = QStringLiteral("Сервер ☃");
    void* h = open(name);
    TfrmLog& w = window(h);
    w.move(120, 130);
    w.resize(900, 650);
    w.SplitterVer()->setSizes({250, 900 - 250 - 5});
    QTest::qWait(1);
    const QRect frame = w.frameGeometry();
    TProtoLoggerRec unknown{};
    int dummy = 0;
    unknown.Logger = &dummy;
    QCOMPARE(m_log->deleteLogger(unknown), 0);  // still writes every layout
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto text = DecodeLayoutText(file.readAll());
    QVERIFY(text.has_value());
    QVERIFY(text->startsWith(foreign));
    const LayoutValues stored = ParseLayout(*text, name);
    QCOMPARE(stored.left, frame.x());
    QCOMPARE(stored.top, frame.y());
    QCOMPARE(stored.width, frame.width());
    QCOMPARE(stored.height, frame.height());
    QCOMPARE(stored.treeWidth, 250);
    // A new window of the same name opens where the old one was.
    TProtoLoggerRec rec{};
    rec.Logger = h;
    QCOMPARE(m_log->deleteLogger(rec), 1);
    TfrmLog& again = window(open(name.toUpper().toLower()));
    QCOMPARE(again.frameGeometry(), frame);
    QCOMPARE(again.VstPkt()->width(), 250);
  }
};

QTEST_MAIN(RegistryTest)
#include "registry_test.moc"
