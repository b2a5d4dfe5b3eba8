// Tab header hit-testing for the double-click that closes a tab.
#include "window/page_control.h"

#include <QMouseEvent>
#include <QTabBar>

namespace qarnolog {

namespace {

class PageTabBar : public QTabBar {
 public:
  explicit PageTabBar(TPageControl* control) : QTabBar(control), m_control(control) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTabBar::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    std::vector<QRect> headers;
    headers.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) headers.push_back(isTabVisible(i) ? tabRect(i) : QRect());
    // A tab bar lays its headers out in one row.
    const int hit = HitTestTabHeaders(headers, event->position().toPoint(), true);
    if (hit >= 0) emit m_control->headerDoubleClicked(hit);
  }

 private:
  TPageControl* m_control;
};

}  // namespace

int HitTestTabHeaders(const std::vector<QRect>& headers, QPoint point, bool singleRow) {
  bool first = true;
  for (std::size_t i = 0; i < headers.size(); ++i) {
    QRect header = headers[i];
    if (header.isNull()) continue;
    if (first && singleRow) header.setLeft(header.left() + 1);
    first = false;
    if (header.contains(point)) return static_cast<int>(i);
  }
  return -1;
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("PC"));
  setTabBar(new PageTabBar(this));
  setMovable(false);
  setDocumentMode(false);
}

}  // namespace qarnolog
