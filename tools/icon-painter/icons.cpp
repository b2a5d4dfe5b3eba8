// Painting of the ten icons. Shapes are antialiased; coordinates are in pixels, with x.5 on a
// pixel's centre so that one-pixel outlines stay sharp. Letters come from the pixel font.
#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "pixel_font.h"

namespace qarnolog::icons {
namespace {

QImage blank() {
  QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
}

QLinearGradient vertical(double top, double bottom, const QColor& from, const QColor& to) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, from);
  g.setColorAt(1, to);
  return g;
}

// 1001: rounded green badge with RUV in white.
QImage paintBadge() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  p.setPen(QPen(QColor(0x1B, 0x5E, 0x20), 1));
  p.setBrush(vertical(1, 15, QColor(0x66, 0xCC, 0x55), QColor(0x20, 0x88, 0x2A)));
  p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 3, 3);
  drawPixelText(p, (kIconSize - textWidth("RUV")) / 2 + 1, 6, "RUV", Qt::white);
  return image;
}

// 1002 and 1003: a shaded ball lit from the upper left.
QImage paintBall(const QColor& light, const QColor& body, const QColor& rim) {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  QRadialGradient g(QPointF(8, 8), 7, QPointF(5.5, 5));
  g.setColorAt(0, light);
  g.setColorAt(0.55, body);
  g.setColorAt(1, rim);
  p.setPen(QPen(rim.darker(130), 1));
  p.setBrush(g);
  p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
  return image;
}

QImage paintRedBall() {
  return paintBall(QColor(0xFF, 0xB0, 0xA8), QColor(0xE5, 0x25, 0x1E), QColor(0x90, 0x08, 0x08));
}

QImage paintGreenBall() {
  return paintBall(QColor(0xC8, 0xFF, 0xB8), QColor(0x35, 0xC0, 0x30), QColor(0x10, 0x70, 0x10));
}

// 1004 and 1005: a broad arrow, shaft and head, pointing right or (mirrored) left.
QImage paintArrow(bool right, const QColor& top, const QColor& bottom, const QColor& outline) {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  QPolygonF arrow;
  arrow << QPointF(1.5, 5.5) << QPointF(8.5, 5.5) << QPointF(8.5, 1.5) << QPointF(15, 8)
        << QPointF(8.5, 14.5) << QPointF(8.5, 10.5) << QPointF(1.5, 10.5);
  if (!right) {
    for (QPointF& pt : arrow) pt.setX(kIconSize - pt.x());
  }
  p.setPen(QPen(outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(vertical(1.5, 14.5, top, bottom));
  p.drawPolygon(arrow);
  return image;
}

QImage paintRedArrow() {
  return paintArrow(true, QColor(0xFF, 0x70, 0x60), QColor(0xC0, 0x10, 0x10),
                    QColor(0x80, 0x00, 0x00));
}

QImage paintGreenArrow() {
  return paintArrow(false, QColor(0x80, 0xE8, 0x70), QColor(0x18, 0x98, 0x18),
                    QColor(0x0A, 0x5A, 0x0A));
}

const QColor kFolderLine(0xA0, 0x70, 0x00);

// The folder's back: a tab at the upper left joined to the body.
void drawFolderBack(QPainter& p, const QBrush& fill) {
  QPainterPath back;
  back.moveTo(1.5, 3.5);
  back.lineTo(6.5, 3.5);
  back.lineTo(7.5, 4.5);
  back.lineTo(14.5, 4.5);
  back.lineTo(14.5, 13.5);
  back.lineTo(1.5, 13.5);
  back.closeSubpath();
  p.setPen(QPen(kFolderLine, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(fill);
  p.drawPath(back);
}

// 1006: closed yellow folder.
QImage paintClosedFolder() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  drawFolderBack(p, vertical(3.5, 13.5, QColor(0xFF, 0xE8, 0x80), QColor(0xF0, 0xB8, 0x20)));
  p.setPen(QPen(QColor(0xFF, 0xF6, 0xC8), 1));
  p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 6.5));
  return image;
}

// 1007: open yellow folder, the front flap tilted forward over a darker back.
QImage paintOpenFolder() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  drawFolderBack(p, QColor(0xE0, 0xA8, 0x18));
  p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5, 5.5, 9, 5));
  QPolygonF flap;
  flap << QPointF(4.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
  p.setPen(QPen(kFolderLine, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(vertical(7.5, 13.5, QColor(0xFF, 0xF0, 0x98), QColor(0xF8, 0xC8, 0x38)));
  p.drawPolygon(flap);
  return image;
}

// 1008: a white sheet with a folded corner and list lines with bullets.
QImage paintSheet() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  QPolygonF page;
  page << QPointF(2.5, 0.5) << QPointF(10.5, 0.5) << QPointF(13.5, 3.5) << QPointF(13.5, 15.5)
       << QPointF(2.5, 15.5);
  p.setPen(QPen(QColor(0x70, 0x70, 0x78), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(vertical(0.5, 15.5, Qt::white, QColor(0xE4, 0xE8, 0xF0)));
  p.drawPolygon(page);
  QPolygonF ear;
  ear << QPointF(10.5, 0.5) << QPointF(10.5, 3.5) << QPointF(13.5, 3.5);
  p.setBrush(QColor(0xD0, 0xD4, 0xDC));
  p.drawPolygon(ear);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int y : {5, 8, 11}) {
    p.fillRect(4, y, 2, 2, QColor(0x30, 0x60, 0xC0));
    p.fillRect(7, y + 1, 5, 1, QColor(0x80, 0x80, 0x88));
  }
  return image;
}

// 1009: yellow box with PKT, the lid a lighter band.
QImage paintPacketBox() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  const QColor line(0x8A, 0x60, 0x00);
  p.setPen(QPen(line, 1));
  p.setBrush(vertical(2.5, 14.5, QColor(0xFF, 0xE0, 0x50), QColor(0xF0, 0xB0, 0x10)));
  p.drawRoundedRect(QRectF(0.5, 2.5, 15, 12), 1.5, 1.5);
  p.setPen(QPen(QColor(0xFF, 0xF4, 0xB0), 1));
  p.drawLine(QPointF(1.5, 3.5), QPointF(14.5, 3.5));
  drawPixelText(p, (kIconSize - textWidth("PKT")) / 2 + 1, 6, "PKT", QColor(0x40, 0x24, 0x00));
  return image;
}

// 1010: a pale blue box with a large L.
QImage paintLengthBox() {
  QImage image = blank();
  QPainter p(&image);
  smooth(p);
  p.setPen(QPen(QColor(0x30, 0x50, 0x90), 1));
  p.setBrush(vertical(0.5, 15.5, QColor(0xF4, 0xF8, 0xFF), QColor(0xC8, 0xD8, 0xF0)));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
  drawPixelText(p, 5, 3, "L", QColor(0x10, 0x30, 0x90), 2);
  return image;
}

}  // namespace

const std::array<IconPicture, 10>& iconPictures() {
  static const std::array<IconPicture, 10> pictures{
      {
       {1001, "green badge with RUV (window icon)", paintBadge},
       {1002, "red ball (closed connection)", paintRedBall},
       {1003, "green ball (open connection)", paintGreenBall},
       {1004, "red arrow pointing right", paintRedArrow},
       {1005, "green arrow pointing left", paintGreenArrow},
       {1006, "closed yellow folder", paintClosedFolder},
       {1007, "open yellow folder", paintOpenFolder},
       {1008, "list sheet", paintSheet},
       {1009, "yellow box with PKT", paintPacketBox},
       {1010, "box with L", paintLengthBox},
       }
  };
  return pictures;
}

}  // namespace qarnolog::icons
