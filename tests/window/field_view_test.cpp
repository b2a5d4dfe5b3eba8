// VstPkt driven as a user does: focus by keyboard and mouse, Ctrl+C, double-click; and its
// model under QAbstractItemModelTester.
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include "window/field_view.h"

namespace qarnolog {

class FieldViewTest : public QObject {
  Q_OBJECT

 private:
  // Root (1-30) with "Seq" (2-5), a "Data" group (18-30) holding a collapsed "Item" with a
  // length leaf, and a node without positions.
  static FieldTree SampleTree() {
    FieldTree tree;
    const NodeId root = tree.append(kNoNode, {"QARNO_BEX_COM_CLI_HELLO", "", 1, 30});
    tree.append(root, {"Seq", "5", 2, 5});
    const NodeId data = tree.append(root, {"Data", "", 18, 30});
    const NodeId item = tree.append(data, {"Item", "", 18, 30}, kMarkGroup);
    tree.append(item, {"Length", "4", 22, 25}, kMarkLength);
    tree.append(root, {"Broken", "", 9, 3});  // LastPos below FirstPos
    tree.setExpanded(root, true);
    tree.setExpanded(data, true);
    return tree;
  }

  static void Focus(FieldView& view, const QString& text) {
    const QModelIndexList found = view.model()->match(view.model()->index(0, 0), Qt::DisplayRole,
                                                      text, 1, Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(found[0]).center());
  }

 private slots:
  void modelPassesTheTester() {
    FieldTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setTree(SampleTree());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.rowCount(model.index(0, 0)), 3);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("QARNO_BEX_COM_CLI_HELLO"));
    QCOMPARE(model.index(0, 0, model.index(0, 0)).data().toString(), QStringLiteral("Seq=5"));
    model.clear();
    QCOMPARE(model.rowCount(), 0);
  }

  void showsTheExpandedStateOfTheTree() {
    FieldView view;
    view.showTree(SampleTree());
    const FieldTreeModel& model = view.fieldModel();
    QVERIFY(view.isExpanded(model.indexOf(0)));
    QVERIFY(view.isExpanded(model.indexOf(2)));
    QVERIFY(!view.isExpanded(model.indexOf(3)));
  }

  void focusReportsTheFieldsBytes() {
    FieldView view;
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.showTree(SampleTree());
    QSignalSpy spy(&view, &FieldView::fieldFocused);
    Focus(view, "Seq=5");
    QCOMPARE(spy.size(), 1);
    const auto range = spy[0][0].value<ByteRange>();
    QCOMPARE(range.first, 1u);
    QCOMPARE(range.last, 4u);
    // Down moves the focus to "Data" just as a click would.
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[1][0].value<ByteRange>().first, 17u);
    // A node whose positions make no range says nothing.
    Focus(view, "Broken");
    QCOMPARE(spy.size(), 2);
  }

  void ctrlCCopiesTheFocusedField() {
    FieldView view;
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.showTree(SampleTree());
    Focus(view, "Seq=5");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("before");
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("before"));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Seq=5"));
    Focus(view, "Data");
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("Data"));
  }

  void tooltipOnlyForCutOffText() {
    FieldView view;
    view.resize(140, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    FieldTree tree;
    const NodeId root = tree.append(kNoNode, {"Root", "", 1, 20});
    tree.append(root, {"Short", "", 1, 1});
    tree.append(root, {"Server key", "a value far too long for a narrow tree", 2, 9});
    tree.setExpanded(root, true);
    view.showTree(std::move(tree));
    const auto tipAt = [&](NodeId node) {
      const QPoint pos = view.visualRect(view.fieldModel().indexOf(node)).center();
      QHelpEvent help(QEvent::ToolTip, pos, view.viewport()->mapToGlobal(pos));
      QCoreApplication::sendEvent(view.viewport(), &help);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(1), QString());
    QCOMPARE(tipAt(2), QStringLiteral("Server key=a value far too long for a narrow tree"));
  }

  void doubleClickExpandsEveryNode() {
    FieldView view;
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.showTree(SampleTree());
    const QModelIndex seq = view.fieldModel().indexOf(1);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(seq).center());
    QVERIFY(view.isExpanded(view.fieldModel().indexOf(3)));
    // Double-clicking an empty tree does nothing.
    view.clearTree();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(view.model()->rowCount(), 0);
  }
};

}  // namespace qarnolog

QTEST_MAIN(qarnolog::FieldViewTest)
#include "field_view_test.moc"
