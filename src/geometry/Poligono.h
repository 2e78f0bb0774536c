// A closed plane polygon with its static properties: area, centroid, first
// and second moments, principal axes, elastic and plastic moduli; its cuts by
// a line, its parts of given area, its transformations and its discretisation
// into strips of small rectangles.
#pragma once

#include <array>
#include <vector>

#include "data/Messages.h"
#include "data/Scalars.h"
#include "geometry/ContestoGeometrico.h"
#include "geometry/Grafica.h"

namespace voro {

class Poligono {
 public:
  double Area = 0;
  double xG = 0, yG = 0;
  double stat_x = 0, stat_y = 0;
  double jota_x = 0, jota_y = 0, jota_xy = 0;
  double jota_xG = 0, jota_yG = 0, jota_xyG = 0;
  double jota_IG = 0, jota_IIG = 0;
  double AngoloJotaI = 0, AngoloJotaII = 0;
  double iX = 0, iY = 0;
  double WxSuperiore = 0, WxInferiore = 0, WyDestra = 0, WySinistra = 0;
  double Wplx = 0, Wply = 0;
  Integer nRettangolini_ = 0;
  bool NumerazioneVerticiAntioraria = false;

  // A new polygon with the same vertices and properties (not the discretisation).
  Poligono Copia() const;

  int nVertici() const { return n_; }
  // Setting n > 0 re-dimensions the vertices and clears them.
  void setNVertici(int n);
  const voro::Coordinate& CoordX() const { return x_; }
  const voro::Coordinate& CoordY() const { return y_; }
  void setCoordX(const voro::Coordinate& X);
  void setCoordY(const voro::Coordinate& Y);
  void Coordinate(const voro::Coordinate& X, const voro::Coordinate& Y, int n);
  // Vertex i, 1-based (Subscript out of range otherwise).
  double x(int i) const { return x_[index(i)]; }
  double y(int i) const { return y_[index(i)]; }
  void setX(int i, double v) { x_[index(i)] = v; }
  void setY(int i, double v) { y_[index(i)] = v; }

  // Area and orientation; needs three vertices.
  void AreaCalcola();
  // Fields of a circular ring of outer radius R and inner radius r.
  void CaratteristicheStaticheCerchio(double R, double r);
  // All static fields (the closed formulas of a ring when cerchio is set);
  // an arithmetic fault shows its message and leaves the fields as far as computed.
  void CaratteristicheStatiche(Messages& msg, bool cerchio = false, double R = 0, double r = 0);

  // Where the outline meets the line, and the side (1-based) of each point.
  void IntersezioneConRetta(double a, double b, double c, voro::Coordinate& Xint, voro::Coordinate& Yint, int& nInt,
                            std::vector<int>& iLato, const ContestoGeometrico& ctx, int* rimossi = nullptr) const;
  // A new polygon with the intersection points inserted after the vertices of their sides.
  Poligono PoligonoConIntersezioni(const voro::Coordinate& Xint, const voro::Coordinate& Yint,
                                   const std::vector<int>& iLato, int nInt, std::vector<bool>& inseriti) const;
  // The vertices with sign * y > 0 (x with usaX), and the flagged ones.
  Poligono PoligonoSenzaPuntiOpposti(double segno, const std::vector<bool>& inseriti, bool usaX = false) const;
  // The part of the polygon on the side of the line where (x, y, w) lies, with
  // its properties; false when nothing reacts.
  bool PoligonoReagente(double x, double y, double w, double a, double b, double c, Poligono& reagente,
                        const ContestoGeometrico& ctx) const;
  // The intersection of the polygon with the half-plane of (x, y, w).
  bool PoligonoIntersezione(double x, double y, double w, double a, double b, double c, Poligono& parte,
                            const ContestoGeometrico& ctx) const {
    return PoligonoReagente(x, y, w, a, b, c, parte, ctx);
  }

  void RotoTraslaVertici(const Matrice& M, Messages& msg);
  void RuotaVertici(double xc, double yc, double angle, Messages& msg);
  // The origin moves to (dx, dy).
  void Trasla(double dx, double dy);
  void MaxMin(double& xmin, double& xmax, double& ymin, double& ymax) const;
  double MaxDimensione() const;
  // xmin, ymin, xmax, ymax.
  std::array<double, 4> BoundingBox() const;
  bool PuntoInBoundingBox(double x, double y, double tolleranza) const;
  // 1 inside, -1 outside (also for a point at infinity).
  int PuntoInPoligono(double x, double y, double w, double zero, const ContestoGeometrico& ctx) const;
  // Point j after vertex posizioni[j] as numbered before the insertion.
  void InseriscePunti(const voro::Coordinate& xs, const voro::Coordinate& ys, int quanti,
                      const std::vector<int>& posizioni);
  // Where the outline meets the segment.
  void IntersezioneConSegmento(const Coppia& X, const Coppia& Y, voro::Coordinate& Xint, voro::Coordinate& Yint,
                               int& nInt, const ContestoGeometrico& ctx) const;
  // The parts above and below the line y = c (right and left of x = c with verticale).
  void DividiY(double c, Poligono& superiore, Poligono& inferiore, const ContestoGeometrico& ctx,
               bool verticale = false) const;
  // The line that leaves the fraction of the area on the side of larger
  // coordinates, and the two parts; returns the line's ordinate (abscissa).
  double Dividi(double frazione, Poligono& superiore, Poligono& inferiore, bool verticale,
                const ContestoGeometrico& ctx) const;
  // Area above y = c (right of x = c) less the required fraction of the area.
  double yEquazione(double c, double frazione, bool verticale, const ContestoGeometrico& ctx) const;

  static double WplasticoCerchio(double R, double r) { return (R * R * R - r * r * r) * 8 / 6; }
  // Plastic modulus for bending with a horizontal (vertical) neutral axis;
  // the axis position through posizione.
  double Wplastico(bool verticale, const ContestoGeometrico& ctx, double* posizione = nullptr, bool cerchio = false,
                   double R = 0, double r = 0) const;
  void Wplastici(const ContestoGeometrico& ctx);

  // The polygon moved parallel to itself so that one side passes through (x, y).
  bool OffsetPerPunto(double x, double y, Poligono& spostato, ContestoGeometrico& ctx) const;

  // n horizontal strips of equal height, numbered from the bottom, each cut
  // into the rectangles between pairs of crossings of its mid line (at most 20).
  void DiscretizzaPoligono(int n, const ContestoGeometrico& ctx);
  // n strips of equal angle pi/n from the top of a circle of radius R.
  void DiscretizzaCerchio(int n, double R);
  struct Rettangolino {
    Single larghezza = 0;  // width
    Single xCentro = 0;    // abscissa of its middle
  };
  struct Striscia {
    Single altezza = 0, yMedio = 0;
    std::vector<Rettangolino> rettangoli;
  };
  const std::vector<Striscia>& Strisce() const { return strisce_; }
  // Area and mid ordinate of strip k (1-based) from its bottom up to the
  // current ordinate advanced by the strip height and clamped at yLimite.
  void RettangolinoArea(double& yCorrente, double yLimite, int k, double& yMedio, double& area) const;
  // The same with the static moment and the second moment about y = 0.
  void RettangolinoMomenti(double& yCorrente, double yLimite, int k, double& area, double& momento,
                           double& inerzia) const;

  // The convex polygon circumscribing this one (gift wrapping).
  Poligono PoligonoConvessoCircoscritto() const;
  // The polygon seen from the right: mirrored about the y axis.
  Poligono VistaDaDestra() const;
  // Mirror: y := -(y + c) with yFlag, else x := -(x + c).
  void SpecchiaXY(double c, bool yFlag);

 private:
  std::size_t index(int i) const {
    if (i < 1 || i > n_) throw RuntimeError(err::SubscriptOutOfRange);
    return static_cast<std::size_t>(i - 1);
  }
  void statiche();

  voro::Coordinate x_, y_;
  int n_ = 0;
  std::vector<Striscia> strisce_;
};

}  // namespace voro
