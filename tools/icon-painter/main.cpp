// icon-painter: draws the log window's ten icons and writes them as <dir>/1001.ico ..
// <dir>/1010.ico. With --preview it reads the written files back through Qt's ICO reader (the
// way the library loads them) and renders them into one PNG: 8x enlarged on a checkerboard, so
// every pixel and its alpha can be judged, and at their real size on light and dark grounds.
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <vector>

#include "ico_file.h"
#include "icons.h"

namespace {

using qarnolog::icons::iconPictures;
using qarnolog::icons::kIconSize;

constexpr int kZoom = 8;
constexpr int kGap = 8;
constexpr int kCell = kIconSize * kZoom;

int usage() {
  std::fprintf(stderr, "usage: icon-painter [--preview out.png] <resources-dir>\n");
  return 2;
}

QString iconPath(const QString& dir, int resource) {
  return dir + QLatin1Char('/') + QString::number(resource) + QStringLiteral(".ico");
}

bool writeIcons(const QString& dir) {
  for (const auto& picture : iconPictures()) {
    const QByteArray bytes = qarnolog::icons::icoBytes(picture.paint());
    QFile file(iconPath(dir, picture.resource));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
      std::fprintf(stderr, "icon-painter: cannot write %s\n", qPrintable(file.fileName()));
      return false;
    }
  }
  return true;
}

void drawCheckerboard(QPainter& p, const QRect& area) {
  constexpr int square = kZoom * 2;
  for (int y = area.top(); y <= area.bottom(); y += square) {
    for (int x = area.left(); x <= area.right(); x += square) {
      const bool dark = (((x - area.left()) / square + (y - area.top()) / square) % 2) != 0;
      p.fillRect(QRect(x, y, square, square).intersected(area),
                 dark ? QColor(0xC8, 0xC8, 0xC8) : QColor(0xF8, 0xF8, 0xF8));
    }
  }
}

bool writePreview(const QString& dir, const QString& out) {
  std::vector<QImage> images;
  for (const auto& picture : iconPictures()) {
    QImageReader reader(iconPath(dir, picture.resource), "ico");
    QImage image = reader.read();
    if (image.isNull() || image.size() != QSize(kIconSize, kIconSize)) {
      std::fprintf(stderr, "icon-painter: %s does not read back as a %dx%d icon: %s\n",
                   qPrintable(reader.fileName()), kIconSize, kIconSize,
                   qPrintable(reader.errorString()));
      return false;
    }
    images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }
  const int n = static_cast<int>(images.size());
  const int width = kGap + n * (kCell + kGap);
  const int realRow = kIconSize + 2 * kGap;
  QImage sheet(width, kGap + kCell + 3 * realRow, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(0x60, 0x60, 0x60));
  QPainter p(&sheet);
  const QColor grounds[] = {QColor(0xF0, 0xF0, 0xF0), Qt::white, QColor(0x30, 0x30, 0x30)};
  for (int i = 0; i < n; ++i) {
    const int x = kGap + i * (kCell + kGap);
    const QRect zoomed(x, kGap, kCell, kCell);
    drawCheckerboard(p, zoomed);
    p.drawImage(zoomed, images[static_cast<std::size_t>(i)]);
    for (int g = 0; g < 3; ++g) {
      const int top = kGap + kCell + g * realRow;
      p.fillRect(QRect(x, top, kCell, realRow), grounds[g]);
      p.drawImage(x + (kCell - kIconSize) / 2, top + kGap, images[static_cast<std::size_t>(i)]);
    }
  }
  p.end();
  if (!sheet.save(out, "PNG")) {
    std::fprintf(stderr, "icon-painter: cannot write %s\n", qPrintable(out));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // image format plug-ins (ICO, PNG) are found through it
  QString preview;
  QString dir;
  const QStringList args = app.arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--preview") && i + 1 < args.size()) {
      preview = args[++i];
    } else if (dir.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
      dir = args[i];
    } else {
      return usage();
    }
  }
  if (dir.isEmpty()) return usage();
  if (!writeIcons(dir)) return 1;
  if (!preview.isEmpty() && !writePreview(dir, preview)) return 1;
  return 0;
}
