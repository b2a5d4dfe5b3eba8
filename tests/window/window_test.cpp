// The log window's packet lists, filter, find, field tree and dump together, driven as a user
// does: typing in the boxes, clicking rows, check boxes and tab headers, pressing keys.
#include <QDir>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "../host/test_records.h"
#include "window/f_proto_log.h"

namespace qarnolog {

using test::bex;
using test::Conn;
using test::Packet;
using test::wtld;

class WindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  std::unique_ptr<TfrmLog> m_w;

  TfrmLog& w() { return *m_w; }

  // Sends a packet of connection `connId` with `col3` as its third host text.
  void send(std::uint32_t connId, std::vector<std::uint8_t> bytes, const QString& col3 = {},
            std::uint8_t direction = 1) {
    Conn conn(m_w.get(), connId, QStringLiteral("Conn %1").arg(connId));
    Packet packet(std::move(bytes), direction, col3);
    w().Packet(conn.rec, packet.rec);
  }

  // The numbers ("#" column) of the rows a tab shows, after pending arrivals are inserted.
  QStringList shownNumbers(int tabIndex) {
    PacketListModel& model = *w().tab(tabIndex)->model();
    model.flush();
    QStringList numbers;
    for (int r = 0; r < model.rowCount(); ++r) numbers << model.index(r, 0).data().toString();
    return numbers;
  }

  void clickRow(int tabIndex, int row) {
    QTableView* list = w().tab(tabIndex)->List();
    list->model()->rowCount();  // flushes nothing; rows were inserted by shownNumbers
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  }

  void clickTab(int index) {
    QTabBar* bar = w().PC()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  static void setText(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  // A BEX of an unknown type whose data holds `data` inside one wTLD.
  static std::vector<std::uint8_t> withData(const std::vector<std::uint8_t>& data) {
    return bex(0x7777, 0x0001, wtld(0x0001, data));
  }

  QModelIndex findNode(const QString& prefix) {
    QAbstractItemModel* model = w().VstPkt()->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, prefix, 1,
                                               Qt::MatchStartsWith | Qt::MatchRecursive);
    return found.isEmpty() ? QModelIndex() : found[0];
  }

  void save(QWidget* widget, const QString& name) {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QVERIFY(widget->grab().save(path));
  }

 private slots:
  void init() {
    m_w = std::make_unique<TfrmLog>(m_dir.filePath("QarnoLog.ini"));
    w().applyName(u"Test");
    w().showLogger();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    // Tab A (connection 1): logins, a logout, a packet that does not parse, plain bytes.
    send(1, withData({0x61, 0x62, 0x63}), "User LOGIN");      // 1
    send(1, withData({0x41, 0x42, 0x43}), "login retry", 0);  // 2
    send(1, withData({0x00, 0x0A, 0x0B, 0x0C}), "logout");    // 3
    send(1, {0x01, 0x02, 0x03});                              // 0: does not parse
    send(1, withData({0x0A, 0x0C}), "Status");                // 5
    // Tab B (connection 2).
    send(2, withData({0x0A, 0x0B}), "other");
    send(2, withData({0x01}), "LOGIN");
    QCOMPARE(shownNumbers(0), QStringList({"1", "2", "3", "0", "5"}));
    QCOMPARE(shownNumbers(1), QStringList({"1", "2"}));
  }

  void cleanup() { m_w.reset(); }

  void filterIsCaseInsensitiveAndNegatable() {
    QTest::keyClicks(w().EditFilter(), "login");
    QCOMPARE(shownNumbers(0), QStringList({"1", "2"}));
    QTest::mouseClick(w().CheckBoxNot(), Qt::LeftButton);
    // The row that does not parse has no texts: hidden by a filter, shown by a negated one.
    QCOMPARE(shownNumbers(0), QStringList({"3", "0", "5"}));
    QTest::mouseClick(w().CheckBoxNot(), Qt::LeftButton);
    setText(w().EditFilter(), "   ");
    QCOMPARE(shownNumbers(0), QStringList({"1", "2", "3", "0", "5"}));
    setText(w().EditFilter(), "LOGIN RE");  // inner spaces count
    QCOMPARE(shownNumbers(0), QStringList({"2"}));
  }

  void hexAndPlainFind() {
    QTest::mouseClick(w().CheckBoxHex(), Qt::LeftButton);
    QTest::keyClicks(w().EditFind(), "0a 0B");
    QCOMPARE(shownNumbers(0), QStringList({"3"}));
    setText(w().EditFind(), "0A0");  // odd number of digits
    QCOMPARE(shownNumbers(0), QStringList());
    setText(w().EditFind(), "0G");  // not a hex digit
    QCOMPARE(shownNumbers(0), QStringList());
    setText(w().EditFind(), "");
    QCOMPARE(shownNumbers(0), QStringList({"1", "2", "3", "0", "5"}));
    QTest::mouseClick(w().CheckBoxHex(), Qt::LeftButton);
    QTest::keyClicks(w().EditFind(), "abc");
    QCOMPARE(shownNumbers(0), QStringList({"1"}));  // case-sensitive: not 41 42 43
    // The filter and the find together.
    setText(w().EditFind(), "BC");
    QTest::keyClicks(w().EditFilter(), "retry");
    QCOMPARE(shownNumbers(0), QStringList({"2"}));
  }

  void otherTabsWaitUntilActivated() {
    QTest::keyClicks(w().EditFilter(), "other");
    QCOMPARE(shownNumbers(0), QStringList());
    QCOMPARE(shownNumbers(1), QStringList({"1", "2"}));
    clickTab(1);
    QCOMPARE(w().PC()->currentIndex(), 1);
    QCOMPARE(shownNumbers(1), QStringList({"1"}));
  }

  void arrivalTestsParsedPacketsOnly() {
    QTest::keyClicks(w().EditFilter(), "login");
    send(1, withData({0x01}), "nothing");
    send(1, withData({0x01}), "Login again");
    send(1, {0x05});  // does not parse: shown until the next apply
    QCOMPARE(shownNumbers(0), QStringList({"1", "2", "7", "0"}));
    QTest::keyClick(w().EditFilter(), Qt::Key_End);
    QTest::keyClicks(w().EditFilter(), " ");  // an apply that changes the pattern by nothing
    QCOMPARE(shownNumbers(0), QStringList({"1", "2", "7"}));
  }

  void clickAndKeyboardShowTheSamePacket() {
    shownNumbers(0);
    clickRow(0, 1);
    const QString clickedDump = w().RichEditDump()->dump().text();
    const int clickedNodes = w().VstPkt()->model()->rowCount(w().VstPkt()->model()->index(0, 0));
    QVERIFY(!clickedDump.isEmpty());
    QVERIFY(findNode("Data Length").isValid());
    // Row 0 by click, then Down: the same as clicking row 1.
    clickRow(0, 0);
    QVERIFY(w().RichEditDump()->dump().text() != clickedDump);
    QTest::keyClick(w().tab(0)->List(), Qt::Key_Down);
    QCOMPARE(w().RichEditDump()->dump().text(), clickedDump);
    QCOMPARE(w().VstPkt()->model()->rowCount(w().VstPkt()->model()->index(0, 0)), clickedNodes);
    QCOMPARE(w().shownRecord(), 1u);
    // A right click selects and shows a row too.
    QTableView* list = w().tab(0)->List();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualRect(list->model()->index(2, 1)).center());
    QCOMPARE(w().shownRecord(), 2u);
    QVERIFY(list->selectionModel()->isRowSelected(2, {}));
    // A row that does not parse shows its bytes and no tree.
    clickRow(0, 3);
    QCOMPARE(w().RichEditDump()->dump().byteCount(), 3u);
    QCOMPARE(w().VstPkt()->model()->rowCount(), 0);
  }

  void fieldFocusAndFindHighlight() {
    shownNumbers(0);
    clickRow(0, 0);
    QVERIFY(w().RichEditDump()->highlightRuns().empty());
    const QModelIndex dataLength = findNode("Data Length");
    QVERIFY(dataLength.isValid());
    w().VstPkt()->setFocus();
    QTest::mouseClick(w().VstPkt()->viewport(), Qt::LeftButton, {},
                      w().VstPkt()->visualRect(dataLength).center());
    const std::vector<DumpRun> lengthRuns{
        {0, 13, 3},
        {1, 0,  1}
    };
    QCOMPARE(w().RichEditDump()->highlightRuns(), lengthRuns);

    // The find marks its first match after the packet is shown, and at every apply.
    QTest::keyClicks(w().EditFind(), "bc");
    const std::vector<DumpRun> matchRuns{
        {1, 10, 2}
    };  // offsets 26 and 27
    QCOMPARE(w().RichEditDump()->highlightRuns(), matchRuns);
    clickRow(0, 0);
    QCOMPARE(w().RichEditDump()->highlightRuns(), matchRuns);
    setText(w().EditFilter(), "lo");
    QCOMPARE(shownNumbers(0), QStringList({"1"}));
    save(m_w.get(), "window_filtered_list.png");
  }

  void decodedPacketWithAFocusedField() {
    // QARNO_BEX_COM_SRV_HELLO with a raw-text key (Cyrillic included) and a host name.
    std::vector<std::uint8_t> data = wtld(0x0002, {'k', 'e', 'y', '-', 0xC0, 0xFF});
    const std::vector<std::uint8_t> host = wtld(0x0003, {'s', 'r', 'v', '.', 'o', 'r', 'g'});
    data.insert(data.end(), host.begin(), host.end());
    send(1, bex(0x0001, 0x0002, data), {}, 0);
    shownNumbers(0);
    clickRow(0, 5);
    QCOMPARE(w().shownRecord(), 5u);
    FieldView* tree = w().VstPkt();
    const QModelIndex root = tree->model()->index(0, 0);
    const QModelIndex dataNode = tree->model()->index(6, 0, root);
    QCOMPARE(dataNode.data().toString(), QStringLiteral("Data"));
    QVERIFY(tree->isExpanded(dataNode));
    // The second wTLD starts at position 18 + 14 = 32; its node spans its 4-byte type, offsets
    // 31 to 34: the last byte of row 1 and three of row 2.
    const QModelIndex second = tree->model()->index(1, 0, dataNode);
    tree->setFocus();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(second).center());
    save(m_w.get(), "window_decoded_packet.png");
    const std::vector<DumpRun> runs{
        {1, 15, 1},
        {2, 0,  3}
    };
    QCOMPARE(w().RichEditDump()->highlightRuns(), runs);
  }

  void doubleClickClosesATab() {
    shownNumbers(0);
    clickRow(0, 0);
    QTabBar* bar = w().PC()->tabBar();
    QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(w().tabCount(), 1);
    QCOMPARE(w().PC()->currentIndex(), 0);
    // The tree and the dump keep what they showed, and no longer refer to the tab.
    QVERIFY(w().RichEditDump()->dump().byteCount() > 0);
    QVERIFY(w().shownTab() == nullptr);
    QTest::keyClicks(w().EditFind(), "bc");
    QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(w().tabCount(), 0);
    QTest::keyClicks(w().EditFilter(), "x");  // an apply without tabs does nothing
    // The connection's next packet opens a new tab, numbered from 1.
    send(1, withData({0x01}), "again");
    QCOMPARE(w().tabCount(), 1);
    QCOMPARE(shownNumbers(0), QStringList());  // hidden by the filter and find on arrival
  }
};

}  // namespace qarnolog

QTEST_MAIN(qarnolog::WindowTest)
#include "window_test.moc"
