// The explanatory schemas of the geometry and loads forms, drawn to scale of
// the widget, with a zoom that triples them.
#pragma once

#include <QWidget>

namespace voro::ui {

class Schema : public QWidget {
 public:
  enum class Tipo { Geometria, Carichi };
  Schema(Tipo tipo, QWidget* parent = nullptr);
  // Toggles between the size at load and three times that size.
  void Zoom();
  bool ingrandito() const { return zoom_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void geometria(QPainter& p, double w, double h);
  void carichi(QPainter& p, double w, double h);
  Tipo tipo_;
  bool zoom_ = false;
  QSize base_;
};

}  // namespace voro::ui
