// A test-only window probe for the C host test: it inspects the log windows through Qt's
// public API (the same Qt the viewer library uses) and is never part of the product.
#include <QAbstractItemModel>
#include <QApplication>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>
#include <cstring>

namespace {

constexpr auto kSuffix = " - RUV Analyzer";

QWidget* windowNamed(const char* utf8Name) {
  if (QApplication::instance() == nullptr) return nullptr;
  const QString title = QString::fromUtf8(utf8Name) + QLatin1StringView(kSuffix);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle() == title) return w;
  return nullptr;
}

QTabWidget* pcOf(const char* name) {
  QWidget* w = windowNamed(name);
  return w ? w->findChild<QTabWidget*>(QStringLiteral("PC")) : nullptr;
}

QAbstractItemModel* listModel(const char* name, int tab) {
  QTabWidget* pc = pcOf(name);
  if (!pc || tab < 0 || tab >= pc->count()) return nullptr;
  auto* list = pc->widget(tab)->findChild<QTableView*>(QStringLiteral("List"));
  return list ? list->model() : nullptr;
}

// Counts paint events of the log windows and their children.
class PaintCounter : public QObject {
 public:
  using QObject::QObject;
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
      QWidget* top = static_cast<QWidget*>(watched)->window();
      if (top->windowTitle().endsWith(QLatin1StringView(kSuffix))) ++count;
    }
    return false;
  }
};

PaintCounter* counter() {
  if (QApplication::instance() == nullptr) return nullptr;
  return QApplication::instance()->findChild<PaintCounter*>(QStringLiteral("probePaintCounter"));
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int probe_has_application(void) {
  return QApplication::instance() != nullptr ? 1 : 0;
}

// Log windows that exist (visible or not).
__attribute__((visibility("default"))) int probe_window_count(void) {
  if (QApplication::instance() == nullptr) return 0;
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle().endsWith(QLatin1StringView(kSuffix))) ++n;
  return n;
}

__attribute__((visibility("default"))) int probe_window_visible(const char* name) {
  QWidget* w = windowNamed(name);
  return w == nullptr ? -1 : (w->isVisible() ? 1 : 0);
}

__attribute__((visibility("default"))) int probe_tab_count(const char* name) {
  QTabWidget* pc = pcOf(name);
  return pc ? pc->count() : -1;
}

__attribute__((visibility("default"))) int probe_current_tab(const char* name) {
  QTabWidget* pc = pcOf(name);
  return pc ? pc->currentIndex() : -2;
}

__attribute__((visibility("default"))) int probe_row_count(const char* name, int tab) {
  QAbstractItemModel* model = listModel(name, tab);
  return model ? model->rowCount() : -1;
}

// The cell's text in UTF-8 into `out` (NUL-terminated); 0 when there is no such cell.
__attribute__((visibility("default"))) int probe_cell(const char* name, int tab, int row,
                                                      int column, char* out, int size) {
  QAbstractItemModel* model = listModel(name, tab);
  if (!model || row < 0 || row >= model->rowCount() || size <= 0) return 0;
  const QByteArray text = model->index(row, column).data().toString().toUtf8();
  const int n = qMin(int(text.size()), size - 1);
  std::memcpy(out, text.constData(), std::size_t(n));
  out[n] = '\0';
  return 1;
}

__attribute__((visibility("default"))) void probe_start_paint_count(void) {
  if (QApplication::instance() == nullptr || counter() != nullptr) return;
  auto* c = new PaintCounter(QApplication::instance());
  c->setObjectName(QStringLiteral("probePaintCounter"));
  QApplication::instance()->installEventFilter(c);
}

__attribute__((visibility("default"))) int probe_paint_count(void) {
  PaintCounter* c = counter();
  return c ? c->count : -1;
}

}  // extern "C"
