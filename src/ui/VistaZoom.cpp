// Zoom and pan of a drawing surface.
#include "ui/VistaZoom.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace voro::ui {

QString TastoAdatta() { return QKeySequence(Qt::CTRL | Qt::Key_0).toString(QKeySequence::NativeText); }

VistaZoom::VistaZoom(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::WheelFocus);
  setCursor(Qt::OpenHandCursor);
  auto* adatta = new QAction(tr("&Fit to Window"), this);
  adatta->setObjectName("azioneAdatta");
  adatta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  adatta->setShortcutContext(Qt::WidgetShortcut);
  connect(adatta, &QAction::triggered, this, &VistaZoom::Adatta);
  addAction(adatta);
}

QRectF VistaZoom::Riquadro() const { return QRectF(spostamento_, QSizeF(size()) * zoom_); }

void VistaZoom::Ingrandisci(double fattore, QPointF punto) {
  const double nuovo = std::clamp(zoom_ * fattore, kZoomMinimo, kZoomMassimo);
  if (nuovo == zoom_) return;
  // The fraction of the drawing under the point stays under it.
  const QPointF frazione = (punto - spostamento_) / zoom_;
  spostamento_ = punto - frazione * nuovo;
  zoom_ = nuovo;
  if (std::fabs(zoom_ - 1) < 1e-9 && spostamento_.manhattanLength() < 0.5) Adatta();
  update();
}

void VistaZoom::Sposta(QPointF delta) {
  spostamento_ += delta;
  update();
}

void VistaZoom::Adatta() {
  zoom_ = 1;
  spostamento_ = {};
  update();
}

void VistaZoom::wheelEvent(QWheelEvent* e) {
  // One notch of the wheel (120 eighths of a degree) zooms by a fifth.
  const double notches = e->angleDelta().y() / 120.0;
  if (notches == 0) return QWidget::wheelEvent(e);
  Ingrandisci(std::pow(1.2, notches), e->position());
  e->accept();
}

void VistaZoom::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton && e->button() != Qt::MiddleButton) return QWidget::mousePressEvent(e);
  trascina_ = true;
  trascinamento_ = e->position();
  setCursor(Qt::ClosedHandCursor);
}

void VistaZoom::mouseMoveEvent(QMouseEvent* e) {
  if (!trascina_) return QWidget::mouseMoveEvent(e);
  Sposta(e->position() - trascinamento_);
  trascinamento_ = e->position();
}

void VistaZoom::mouseReleaseEvent(QMouseEvent* e) {
  if (!trascina_) return QWidget::mouseReleaseEvent(e);
  trascina_ = false;
  setCursor(Qt::OpenHandCursor);
}

void VistaZoom::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) Adatta();
}

void VistaZoom::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menu(this);
  menu.addActions(actions());
  if (esporta) menu.addAction(tr("&Export Plot..."), this, [this] { esporta(); });
  menu.exec(e->globalPos());
}

}  // namespace voro::ui
