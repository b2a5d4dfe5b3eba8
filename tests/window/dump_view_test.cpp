// RichEditDump driven as a user does: highlight, scroll, mouse selection and copy.
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

#include "window/hex_dump_view.h"

namespace qarnolog {

class DumpViewTest : public QObject {
  Q_OBJECT

 private:
  static ByteString Bytes(std::size_t n) {
    ByteString bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
  }

  using Style = HexDumpView::CellStyle;

 private slots:
  void highlightColoursExactlyTheCells() {
    HexDumpView view;
    view.setDump(HexDumpText(Bytes(40)));
    view.highlight({13, 16});  // "Data Length"
    QCOMPARE(view.highlightRuns().size(), 2u);
    // Row 0: hex of bytes 13-15 at 39..46, the separator after 15 plain; characters 63..65.
    QCOMPARE(view.styleAt(38), Style::Plain);
    for (std::size_t p = 39; p < 47; ++p) QCOMPARE(view.styleAt(p), Style::HexHighlight);
    QCOMPARE(view.styleAt(47), Style::Plain);
    QCOMPARE(view.styleAt(62), Style::Plain);
    for (std::size_t p = 63; p < 66; ++p) QCOMPARE(view.styleAt(p), Style::CharHighlight);
    // Row 1: byte 16 only.
    QCOMPARE(view.styleAt(68), Style::HexHighlight);
    QCOMPARE(view.styleAt(69), Style::HexHighlight);
    QCOMPARE(view.styleAt(70), Style::Plain);
    QCOMPARE(view.styleAt(118), Style::CharHighlight);
    QCOMPARE(view.styleAt(119), Style::Plain);
    QCOMPARE(HexDumpView::colorOf(Style::HexHighlight), QColor(0, 0, 255));
    QCOMPARE(HexDumpView::colorOf(Style::CharHighlight), QColor(255, 0, 0));

    // A new highlight replaces the old one; an empty or out-of-packet one keeps it.
    view.highlight({14, 33});
    QCOMPARE(view.highlightRuns().size(), 3u);
    view.highlight({5, 4});
    view.highlight({40, 41});
    QCOMPARE(view.highlightRuns().size(), 3u);
    QCOMPARE(view.styleAt(68 * 2), Style::HexHighlight);
    // A new packet starts without highlight.
    view.setDump(HexDumpText(Bytes(40)));
    QVERIFY(view.highlightRuns().empty());
  }

  void highlightScrollsByTheRule() {
    HexDumpView view;
    view.resize(500, 120);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setDump(HexDumpText(Bytes(16 * 200)));
    const std::size_t visible = view.visibleLines();
    QVERIFY(visible < 10);
    view.highlight({16 * 10, 16 * 10 + 3});
    QCOMPARE(view.topRow(), HighlightScrollTop(0, visible, 10, view.linesPerRow()));
    QVERIFY(view.topRow() <= 10 && 10 < view.topRow() + visible);
    view.highlight({16 * 150, 16 * 150});
    QVERIFY(view.topRow() <= 150 && 150 < view.topRow() + visible);
    view.highlight({16 * 5, 16 * 5});  // rows 0 to 5 go to the top
    QCOMPARE(view.topRow(), 0u);
  }

  void mouseSelectionAndCopy() {
    HexDumpView view;
    view.resize(600, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setDump(HexDumpText(ByteString{'a', 'b', 'c', 'd', 'e'}));
    const qreal cw = QFontMetricsF(view.font()).horizontalAdvance('0');
    const int y = view.fontMetrics().height() / 2;
    const auto at = [&](int column) { return QPoint(qRound(column * cw + 1), y); };
    QWidget* vp = view.viewport();
    // Drag over the characters "bcd" (columns 51 to 53).
    QTest::mousePress(vp, Qt::LeftButton, {}, at(51));
    QTest::mouseMove(vp, at(54));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, at(54));
    QCOMPARE(view.selectedText(), QStringLiteral("bcd"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("bcd"));
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view.selectedText(), view.dump().text());
    // Double-click takes one hex cell.
    QTest::mouseDClick(vp, Qt::LeftButton, {}, at(3));
    QCOMPARE(view.selectedText(), QStringLiteral("62"));
  }
};

}  // namespace qarnolog

QTEST_MAIN(qarnolog::DumpViewTest)
#include "dump_view_test.moc"
