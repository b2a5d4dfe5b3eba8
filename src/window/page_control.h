// TPageControl: the window's tab strip. Besides the standard tab widget it reports a left
// double-click on a tab header, so the window can close that tab.
#pragma once

#include <QRect>
#include <QTabWidget>
#include <vector>

namespace qarnolog {

// The tab whose header rectangle is the first, in order, to contain `point`; -1 when none
// does. Null rectangles stand for tabs that are not visible in the strip. In a single-row
// strip the first visible header is taken to start one pixel further right.
int HitTestTabHeaders(const std::vector<QRect>& headers, QPoint point, bool singleRow);

class TPageControl : public QTabWidget {
  Q_OBJECT

 public:
  explicit TPageControl(QWidget* parent = nullptr);

 signals:
  // A left double-click hit the header of tab `index` (after the strip's standard handling).
  void headerDoubleClicked(int index);
};

}  // namespace qarnolog
