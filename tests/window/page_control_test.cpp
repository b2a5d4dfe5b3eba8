// TPageControl: which header a double-click hits.
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

#include "window/page_control.h"

namespace qarnolog {

class PageControlTest : public QObject {
  Q_OBJECT

 private slots:
  void hitTestTable() {
    const std::vector<QRect> headers{QRect(0, 0, 50, 20), QRect(), QRect(50, 0, 40, 20)};
    struct Case {
      QPoint point;
      bool singleRow;
      int hit;
    };
    const Case cases[] = {
        {{10, 5},  true,  0 },
        {{0, 5},   true,  -1}, // the first header starts a pixel further
        {{0, 5},   false, 0 },
        {{50, 5},  true,  2 }, // the hidden tab is skipped
        {{95, 5},  true,  -1},
        {{10, 25}, true,  -1},
    };
    for (const Case& c : cases) QCOMPARE(HitTestTabHeaders(headers, c.point, c.singleRow), c.hit);
    // When the first tab is hidden, the shift applies to the first visible one.
    QCOMPARE(HitTestTabHeaders({QRect(), QRect(0, 0, 50, 20)}, {0, 5}, true), -1);
  }

  void leftDoubleClickOnAHeaderIsReported() {
    TPageControl pc;
    pc.addTab(new QWidget, "one");
    pc.addTab(new QWidget, "two");
    pc.resize(400, 200);
    pc.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pc));
    QSignalSpy spy(&pc, &TPageControl::headerDoubleClicked);
    QTabBar* bar = pc.tabBar();
    QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].toInt(), 1);
    QTest::mouseDClick(bar, Qt::RightButton, {}, bar->tabRect(0).center());
    QCOMPARE(spy.size(), 1);
  }
};

}  // namespace qarnolog

QTEST_MAIN(qarnolog::PageControlTest)
#include "page_control_test.moc"
