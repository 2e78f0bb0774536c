// A drawing surface the engineer looks into: the mouse wheel zooms about
// the pointer, a drag pans, a double click or Fit to Window shows the whole
// drawing again. The drawing itself is laid out on a rectangle that the view
// scales and moves, so that its lines stay sharp and its texts readable at
// every zoom.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>

namespace voro::ui {

// Fit to Window's key, Ctrl+0, as a menu shows it.
QString TastoAdatta();

class VistaZoom : public QWidget {
  Q_OBJECT
 public:
  explicit VistaZoom(QWidget* parent = nullptr);

  // Where the whole drawing is laid, in this widget's pixels: the widget
  // itself when the drawing fits the window.
  QRectF Riquadro() const;
  double Zoom() const { return zoom_; }
  bool Adattata() const { return zoom_ == 1 && spostamento_.isNull(); }

  // Zooms by the factor keeping the drawing's point under `punto` in place.
  void Ingrandisci(double fattore, QPointF punto);
  void Sposta(QPointF delta);
  // Fit to window: the whole drawing again.
  void Adatta();

  // The context menu's Export Plot command; no command when not set.
  std::function<void()> esporta;

  static constexpr double kZoomMinimo = 0.25, kZoomMassimo = 64;

 protected:
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  double zoom_ = 1;
  QPointF spostamento_;  // the rectangle's top left corner
  QPointF trascinamento_;
  bool trascina_ = false;
};

}  // namespace voro::ui
