// Loading the icon resources eagerly, so that no icon reads resource data later.
#include "window/image_list.h"

#include <QImageReader>
#include <QPixmap>

// The resources live in a static library: registering them explicitly pulls them into the
// final binary. Registering twice is harmless.
static void initIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace qarnolog {

namespace {

QIcon loadIcon(int resource) {
  QIcon icon;
  QImageReader reader(QStringLiteral(":/qarnolog/%1.ico").arg(resource));
  for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

ImageList::ImageList() {
  initIconResources();
  m_windowIcon = loadIcon(1001);
  for (int i = 0; i < kCount; ++i) m_images[std::size_t(i)] = loadIcon(1002 + i);
}

const QIcon& ImageList::image(int index) const {
  if (index < 0 || index >= kCount) return m_none;
  return m_images[std::size_t(index)];
}

}  // namespace qarnolog
