// Drawing the schemas: the ring with its dimensions and the variable load.
#include "ui/Schemi.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace voro::ui {

Schema::Schema(Tipo tipo, QWidget* parent) : QWidget(parent), tipo_(tipo) {
  base_ = QSize(300, 190);
  setFixedSize(base_);
  setToolTip(tipo == Tipo::Geometria
                 ? QCoreApplication::translate("Schema", "Geometry of the arch: the symbols of the boxes")
                 : QCoreApplication::translate("Schema", "The variable load q between the abscissae xq1 and xq2"));
}

QSize Schema::sizeHint() const { return zoom_ ? base_ * 3 : base_; }

void Schema::Zoom() {
  zoom_ = !zoom_;
  setFixedSize(sizeHint());
  update();
}

namespace {

// A dimension line with arrow ticks and its label in the middle.
void quota(QPainter& p, QPointF a, QPointF b, const QString& testo, QPointF offset = {0, 0}) {
  p.drawLine(a, b);
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0) return;
  const QPointF u = d / len, n(-u.y(), u.x());
  const double s = 4;
  for (const QPointF& q : {a, b}) p.drawLine(q - n * s, q + n * s);
  p.drawText(QRectF((a + b) / 2 + offset - QPointF(20, 9), QSizeF(40, 18)), Qt::AlignCenter, testo);
}

}  // namespace

void Schema::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  p.setPen(QPen(Qt::darkGray, 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  const double k = zoom_ ? 3 : 1;
  p.scale(k, k);
  QFont f = font();
  f.setPixelSize(11);
  p.setFont(f);
  if (tipo_ == Tipo::Geometria) geometria(p, base_.width(), base_.height());
  else carichi(p, base_.width(), base_.height());
}

void Schema::geometria(QPainter& p, double w, double) {
  // Ring: intrados radius R centred below the springing line.
  const double x0 = 60, x1 = w - 60, yS = 150;  // springings
  const double L = x1 - x0, rise = 70;
  const double R = (L * L / 4 + rise * rise) / (2 * rise);
  const QPointF c((x0 + x1) / 2, yS - rise + R);
  const double t = 16;
  const double a0 = std::asin((L / 2) / R);
  auto punto = [&](double r, double a) { return QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a)); };

  // Fill, slab and walls.
  const double yCrown = yS - rise - t;
  const double yFill = yCrown - 16, ySlab = yFill - 12;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(235, 225, 200));
  p.drawRect(QRectF(x0 - 25, yFill, L + 50, yS - yFill));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(x0 - 25, ySlab, L + 50, yFill - ySlab));
  p.setBrush(QColor(180, 170, 160));
  p.drawRect(QRectF(x0 - 45, ySlab, 20, yS - ySlab + 20));
  p.drawRect(QRectF(x1 + 25, ySlab, 20, yS - ySlab + 20));
  // Solid backing at the haunches.
  p.setBrush(QColor(205, 190, 160));
  const double hw = 28;
  p.drawRect(QRectF(x0 - 25, yS - hw, 30, hw));
  p.drawRect(QRectF(x1 - 5, yS - hw, 30, hw));

  // The ring.
  QPainterPath ring;
  const int n = 40;
  for (int i = 0; i <= n; ++i) {
    const double a = -a0 + 2 * a0 * i / n;
    if (i == 0) ring.moveTo(punto(R + t, a));
    else ring.lineTo(punto(R + t, a));
  }
  for (int i = n; i >= 0; --i) ring.lineTo(punto(R, -a0 + 2 * a0 * i / n));
  ring.closeSubpath();
  p.setBrush(QColor(220, 120, 90));
  p.setPen(QPen(Qt::darkRed, 1));
  p.drawPath(ring);

  // The thrust line and its three hinges.
  p.setPen(QPen(Qt::blue, 1.5));
  p.setBrush(Qt::NoBrush);
  QPainterPath thrust;
  for (int i = 0; i <= n; ++i) {
    const double a = -a0 + 2 * a0 * i / n;
    const double r = R + t / 2 + t * 0.3 * std::cos(3 * a * 3.14159 / (2 * a0));
    if (i == 0) thrust.moveTo(punto(r, a));
    else thrust.lineTo(punto(r, a));
  }
  p.drawPath(thrust);
  for (double a : {-a0, 0.0, a0}) p.drawEllipse(punto(R + t / 2 + t * 0.3 * std::cos(3 * a * 3.14159 / (2 * a0)), a), 3, 3);

  p.setPen(QPen(Qt::black, 1));
  quota(p, {x0, yS + 18}, {x1, yS + 18}, "L");
  quota(p, {(x0 + x1) / 2 + 18, yS}, {(x0 + x1) / 2 + 18, yS - rise}, "h", {10, 0});
  quota(p, {(x0 + x1) / 2 - 10, yS - rise}, {(x0 + x1) / 2 - 10, yCrown}, "t", {-12, 0});
  quota(p, {x1 - 30, yCrown}, {x1 - 30, yFill}, "h1", {-14, 0});
  quota(p, {x1 - 8, yFill}, {x1 - 8, ySlab}, "h2", {14, 0});
  quota(p, {x0 - 25, yS + 6}, {x0, yS + 6}, "dw", {0, 10});
  quota(p, {x0 - 32, yS}, {x0 - 32, yS - hw}, "hw", {-16, 0});
  p.setPen(QPen(Qt::blue, 1));
  p.drawText(QPointF(x0 - 8, yS - 22), "el");
  p.drawText(QPointF((x0 + x1) / 2 - 6, yCrown - 3), "ec");
  p.drawText(QPointF(x1 - 4, yS - 22), "er");
}

void Schema::carichi(QPainter& p, double w, double) {
  const double x0 = 40, x1 = w - 40, yS = 150, rise = 60;
  const double L = x1 - x0, R = (L * L / 4 + rise * rise) / (2 * rise);
  const QPointF c((x0 + x1) / 2, yS - rise + R);
  const double a0 = std::asin((L / 2) / R);
  QPainterPath arc;
  for (int i = 0; i <= 40; ++i) {
    const double a = -a0 + 2 * a0 * i / 40;
    const QPointF q(c.x() + R * std::sin(a), c.y() - R * std::cos(a));
    if (i == 0) arc.moveTo(q);
    else arc.lineTo(q);
  }
  p.setPen(QPen(Qt::darkRed, 2));
  p.drawPath(arc);
  const double yTop = yS - rise - 30;
  p.setPen(QPen(Qt::gray, 1));
  p.drawLine(QPointF(x0 - 20, yTop), QPointF(x1 + 20, yTop));
  // The load block between xq1 and xq2 with its arrows.
  const double q1 = x0 + 0.25 * L, q2 = x0 + 0.65 * L, hq = 30;
  p.setPen(QPen(Qt::magenta, 1));
  p.setBrush(QColor(255, 220, 255));
  p.drawRect(QRectF(q1, yTop - hq, q2 - q1, hq));
  for (double x = q1 + 8; x < q2; x += 12) {
    p.drawLine(QPointF(x, yTop - hq + 4), QPointF(x, yTop - 2));
    p.drawLine(QPointF(x, yTop - 2), QPointF(x - 3, yTop - 7));
    p.drawLine(QPointF(x, yTop - 2), QPointF(x + 3, yTop - 7));
  }
  p.setPen(Qt::black);
  p.drawText(QPointF(q2 + 6, yTop - hq / 2), "q [kN/m2]");
  // The abscissae from the start of the intrados.
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(QPointF(x0, yS + 5), QPointF(x0, yS + 40));
  quota(p, {x0, yS + 14}, {q1, yS + 14}, "xq1");
  quota(p, {x0, yS + 32}, {q2, yS + 32}, "xq2");
  p.drawText(QPointF(x0 - 10, yS + 52), "x = 0");
}

}  // namespace voro::ui
