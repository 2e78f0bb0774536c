// Static properties, cuts and transformations of a polygon.
#include "geometry/Poligono.h"

#include <algorithm>

#include "numerics/Matematica.h"

namespace voro {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i - 1); }

// Signed area of a triangle, summed over its vertices in order as for any polyline.
double areaTriangolo(double x1, double y1, double x2, double y2, double x3, double y3) {
  double s = 0;
  s = s + y1 * (x3 - x2);
  s = s + y2 * (x1 - x3);
  s = s + y3 * (x2 - x1);
  return s / 2;
}

}  // namespace

Poligono Poligono::Copia() const {
  Poligono p = *this;
  p.nRettangolini_ = 0;
  p.strisce_.clear();
  return p;
}

void Poligono::setNVertici(int n) {
  if (n <= 0) return;
  n_ = n;
  x_.assign(at(n + 1), 0);
  y_.assign(at(n + 1), 0);
}

void Poligono::setCoordX(const voro::Coordinate& X) {
  x_ = X;
  n_ = static_cast<int>(X.size());
  y_.resize(X.size());
}

void Poligono::setCoordY(const voro::Coordinate& Y) {
  y_ = Y;
  n_ = static_cast<int>(Y.size());
  x_.resize(Y.size());
}

void Poligono::Coordinate(const voro::Coordinate& X, const voro::Coordinate& Y, int n) {
  x_.assign(X.begin(), X.begin() + n);
  y_.assign(Y.begin(), Y.begin() + n);
  n_ = n;
}

void Poligono::AreaCalcola() {
  if (n_ < 3) return;
  Area = 0;
  for (int i = 1; i <= n_ - 2; ++i)
    Area += areaTriangolo(x_[0], y_[0], x_[at(i + 1)], y_[at(i + 1)], x_[at(i + 2)], y_[at(i + 2)]);
  NumerazioneVerticiAntioraria = Area > 0;
  Area = std::fabs(Area);
}

void Poligono::CaratteristicheStaticheCerchio(double R, double r) {
  Area = kPi * (R * R - r * r);
  jota_xG = kPi * (R * R * R * R - r * r * r * r) / 4;
  WxSuperiore = divide(jota_xG, R);
  WxInferiore = WxSuperiore;
}

void Poligono::CaratteristicheStatiche(Messages& msg, bool cerchio, double R, double r) {
  try {
    if (cerchio) {
      CaratteristicheStaticheCerchio(R, r);
      return;
    }
    if (n_ < 3) return;
    statiche();
  } catch (const RuntimeError& e) {
    msg.critical(msg.traduci("Voro", "Errore nella sub CaratteristicheStatiche.") + msg.traduci("Voro", e.description().c_str()));
  }
}

void Poligono::statiche() {
  Area = stat_x = stat_y = jota_x = jota_y = jota_xy = 0;
  const double x1 = x_[0], y1 = y_[0];
  for (int i = 1; i <= n_ - 2; ++i) {
    const double x2 = x_[at(i + 1)], y2 = y_[at(i + 1)];
    const double x3 = x_[at(i + 2)], y3 = y_[at(i + 2)];
    const double At = areaTriangolo(x1, y1, x2, y2, x3, y3);
    Area += At;
    stat_x += At * (y1 + y2 + y3) / 3;
    stat_y += At * (x1 + x2 + x3) / 3;
    const double sy12 = y1 + y2, sy23 = y2 + y3, sy31 = y3 + y1;
    const double sx12 = x1 + x2, sx23 = x2 + x3, sx31 = x3 + x1;
    jota_x += At / 12 * (sy12 * sy12 + sy23 * sy23 + sy31 * sy31);
    jota_y += At / 12 * (sx12 * sx12 + sx23 * sx23 + sx31 * sx31);
    jota_xy += At / 12 * (sx12 * sy12 + sx23 * sy23 + sx31 * sy31);
  }
  if (Area < 0) {
    Area = -Area, stat_x = -stat_x, stat_y = -stat_y;
    jota_x = -jota_x, jota_y = -jota_y, jota_xy = -jota_xy;
  }
  if (Area == 0) {
    // No area: a representative point, the mean of the vertices.
    double sx = 0, sy = 0;
    for (int i = 0; i < n_; ++i) sx += x_[static_cast<std::size_t>(i)], sy += y_[static_cast<std::size_t>(i)];
    xG = sx / n_;
    yG = sy / n_;
  } else {
    xG = stat_y / Area;
    yG = stat_x / Area;
  }
  // Centroidal second moments cannot be negative: on a sliver of a polygon the
  // transfer to the centroid can leave them a rounding error below zero.
  jota_xG = std::max(0.0, jota_x - yG * yG * Area);
  jota_yG = std::max(0.0, jota_y - xG * xG * Area);
  jota_xyG = jota_xy - xG * Area * yG;

  const double d = jota_xG - jota_yG;
  const double theta = ArcTan2(2 * jota_xyG, d) / 2;
  const double s = -2 * d * std::cos(2 * theta) + 4 * jota_xyG * std::sin(2 * theta);
  if (s > 0) {
    AngoloJotaII = theta;
    AngoloJotaI = theta + kPi / 2;
  } else {
    AngoloJotaI = theta;
    AngoloJotaII = theta + kPi / 2;
  }
  const double m = (jota_xG + jota_yG) / 2;
  const double q = squareRoot(d * d + 4 * jota_xyG * jota_xyG) / 2;
  jota_IG = m + q;
  jota_IIG = std::max(0.0, m - q);

  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  if (Area == 0) {
    WxSuperiore = WxInferiore = WyDestra = WySinistra = iX = iY = Wplx = Wply = 0;
    return;
  }
  WxSuperiore = divide(jota_xG, ymax - yG);
  WxInferiore = divide(jota_xG, yG - ymin);
  WyDestra = divide(jota_yG, xmax - xG);
  WySinistra = divide(jota_yG, xG - xmin);
  iX = squareRoot(jota_IG / Area);
  iY = squareRoot(jota_IIG / Area);
}

void Poligono::IntersezioneConRetta(double a, double b, double c, voro::Coordinate& Xint, voro::Coordinate& Yint,
                                    int& nInt, std::vector<int>& iLato, const ContestoGeometrico& ctx,
                                    int* rimossi) const {
  IntersezioniRettaPoligonale(a, b, c, x_, y_, n_, Xint, Yint, iLato, nInt, ctx, rimossi);
}

Poligono Poligono::PoligonoConIntersezioni(const voro::Coordinate& Xint, const voro::Coordinate& Yint,
                                           const std::vector<int>& iLato, int nInt,
                                           std::vector<bool>& inseriti) const {
  voro::Coordinate X, Y;
  inseriti.clear();
  int j = 0;
  for (int i = 1; i <= n_; ++i) {
    X.push_back(x_[at(i)]);
    Y.push_back(y_[at(i)]);
    inseriti.push_back(false);
    if (j < nInt && iLato[static_cast<std::size_t>(j)] == i) {
      X.push_back(Xint[static_cast<std::size_t>(j)]);
      Y.push_back(Yint[static_cast<std::size_t>(j)]);
      inseriti.push_back(true);
      ++j;
    }
  }
  Poligono p;
  p.Coordinate(X, Y, static_cast<int>(X.size()));
  return p;
}

Poligono Poligono::PoligonoSenzaPuntiOpposti(double segno, const std::vector<bool>& inseriti, bool usaX) const {
  voro::Coordinate X, Y;
  for (int i = 1; i <= n_; ++i) {
    const double v = segno * (usaX ? x_[at(i)] : y_[at(i)]);
    const bool flagged = at(i) < inseriti.size() && inseriti[at(i)];
    if (v > 0 || flagged) {
      X.push_back(x_[at(i)]);
      Y.push_back(y_[at(i)]);
    }
  }
  Poligono p;
  p.Coordinate(X, Y, static_cast<int>(X.size()));
  return p;
}

bool Poligono::PoligonoReagente(double x, double y, double w, double a, double b, double c, Poligono& reagente,
                                const ContestoGeometrico& ctx) const {
  voro::Coordinate Xi, Yi;
  std::vector<int> lati;
  int nInt = 0, rimossi = 0;
  IntersezioneConRetta(a, b, c, Xi, Yi, nInt, lati, ctx, &rimossi);
  if (nInt == 0) {
    if (w < 0) return false;
    reagente = Copia();
    return true;
  }
  const double angle = ArcTan2(-a, b);
  std::vector<bool> inseriti;
  Poligono tagliato = PoligonoConIntersezioni(Xi, Yi, lati, nInt, inseriti);
  Matrice M, Minv;
  MatriciRiferimento(Xi[0], Yi[0], angle, M, Minv);
  double xl, yl;
  TrasformaPunto(x, y, M, xl, yl, w);
  tagliato.RotoTraslaVertici(M, ctx.msg());
  Poligono parte = tagliato.PoligonoSenzaPuntiOpposti(yl, inseriti);
  if (parte.nVertici() == 0) return false;
  parte.RotoTraslaVertici(Minv, ctx.msg());
  reagente = parte;
  return true;
}

void Poligono::RotoTraslaVertici(const Matrice& M, Messages& msg) {
  for (int i = 0; i < n_; ++i) {
    double xo, yo;
    TrasformaPunto(x_[static_cast<std::size_t>(i)], y_[static_cast<std::size_t>(i)], M, xo, yo);
    x_[static_cast<std::size_t>(i)] = xo;
    y_[static_cast<std::size_t>(i)] = yo;
  }
  CaratteristicheStatiche(msg);
}

void Poligono::RuotaVertici(double xc, double yc, double angle, Messages& msg) {
  RuotaPunti(n_, x_, y_, xc, yc, angle);
  CaratteristicheStatiche(msg);
}

void Poligono::Trasla(double dx, double dy) {
  for (int i = 0; i < n_; ++i) {
    x_[static_cast<std::size_t>(i)] -= dx;
    y_[static_cast<std::size_t>(i)] -= dy;
  }
}

void Poligono::MaxMin(double& xmin, double& xmax, double& ymin, double& ymax) const {
  EstremiPunti(n_, x_, y_, xmin, xmax, ymin, ymax);
}

double Poligono::MaxDimensione() const {
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  return std::max(xmax - xmin, ymax - ymin);
}

std::array<double, 4> Poligono::BoundingBox() const {
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  return {xmin, ymin, xmax, ymax};
}

bool Poligono::PuntoInBoundingBox(double x, double y, double tolleranza) const {
  const auto b = BoundingBox();
  return x >= b[0] - tolleranza && x <= b[2] + tolleranza && y >= b[1] - tolleranza && y <= b[3] + tolleranza;
}

int Poligono::PuntoInPoligono(double x, double y, double w, double zero, const ContestoGeometrico& ctx) const {
  if (std::fabs(w) < zero || w == 0) return -1;
  const double x0 = x / w, y0 = y / w;
  Array1<double> ascisse(1, 1);
  ascisse(1) = x0;
  for (int i = 1; i <= n_; ++i) {
    const int j = i < n_ ? i + 1 : 1;
    const bool a = y_[at(i)] >= y0, b = y_[at(j)] >= y0;
    if (a == b) continue;
    double xi, yi;
    if (IntersezioneRettaSegmento(0, 1, -y0, {x_[at(i)], x_[at(j)]}, {y_[at(i)], y_[at(j)]}, xi, yi, ctx.msg())) {
      ascisse.redimPreserve(ascisse.size() + 1);
      ascisse(ascisse.size()) = xi;
    }
  }
  const int count = ascisse.size();
  Ordina(ascisse, count);
  const int p = IndiceVettore(ascisse, x0, count);
  const int nLeft = p - 1, nRight = (count + 1) - p;
  return (nLeft % 2 == 1 && nRight % 2 == 1) ? 1 : -1;
}

void Poligono::InseriscePunti(const voro::Coordinate& xs, const voro::Coordinate& ys, int quanti,
                              const std::vector<int>& posizioni) {
  for (int j = 0; j < quanti; ++j) {
    const int pos = posizioni[static_cast<std::size_t>(j)] + 1 + j;
    int nx = n_, ny = n_;
    InserisciInVettore(x_, nx, xs[static_cast<std::size_t>(j)], pos);
    InserisciInVettore(y_, ny, ys[static_cast<std::size_t>(j)], pos);
    n_ = nx;
  }
}

void Poligono::IntersezioneConSegmento(const Coppia& X, const Coppia& Y, voro::Coordinate& Xint,
                                       voro::Coordinate& Yint, int& nInt, const ContestoGeometrico& ctx) const {
  Xint.clear();
  Yint.clear();
  nInt = 0;
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  if (std::max(X[0], X[1]) < xmin || std::min(X[0], X[1]) > xmax || std::max(Y[0], Y[1]) < ymin ||
      std::min(Y[0], Y[1]) > ymax)
    return;
  for (int i = 1; i <= n_; ++i) {
    const int j = i < n_ ? i + 1 : 1;
    double x, y;
    if (IntersezioneSegmenti({x_[at(i)], x_[at(j)]}, {y_[at(i)], y_[at(j)]}, X, Y, x, y, false, ctx)) {
      Xint.push_back(x);
      Yint.push_back(y);
      ++nInt;
    }
  }
}

void Poligono::DividiY(double c, Poligono& superiore, Poligono& inferiore, const ContestoGeometrico& ctx,
                       bool verticale) const {
  voro::Coordinate Xi, Yi;
  std::vector<int> lati;
  int nInt = 0;
  IntersezioneConRetta(verticale ? 1 : 0, verticale ? 0 : 1, -c, Xi, Yi, nInt, lati, ctx);
  std::vector<bool> inseriti;
  Poligono tagliato = PoligonoConIntersezioni(Xi, Yi, lati, nInt, inseriti);
  const double dx = verticale ? c : 0, dy = verticale ? 0 : c;
  tagliato.Trasla(dx, dy);
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  const double alto = (verticale ? xmax : ymax) - c, basso = (verticale ? xmin : ymin) - c;
  superiore = tagliato.PoligonoSenzaPuntiOpposti(alto, inseriti, verticale);
  inferiore = tagliato.PoligonoSenzaPuntiOpposti(basso, inseriti, verticale);
  superiore.Trasla(-dx, -dy);
  inferiore.Trasla(-dx, -dy);
}

double Poligono::yEquazione(double c, double frazione, bool verticale, const ContestoGeometrico& ctx) const {
  Poligono sup, inf;
  DividiY(c, sup, inf, ctx, verticale);
  sup.AreaCalcola();
  const double a = sup.nVertici() >= 3 ? sup.Area : 0;
  return a - frazione * Area;
}

double Poligono::Dividi(double frazione, Poligono& superiore, Poligono& inferiore, bool verticale,
                        const ContestoGeometrico& ctx) const {
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  double c1 = verticale ? xmin : ymin, c2 = verticale ? xmax : ymax;
  const double tol = 1e-12 * std::max(Area, 1e-300);
  const double c = RadiceEquazione([&](double v) { return yEquazione(v, frazione, verticale, ctx); }, c1, c2, tol,
                                   ctx.msg());
  DividiY(c, superiore, inferiore, ctx, verticale);
  return c;
}

double Poligono::Wplastico(bool verticale, const ContestoGeometrico& ctx, double* posizione, bool cerchio, double R,
                           double r) const {
  if (cerchio) return WplasticoCerchio(R, r);
  Poligono intero = Copia();
  intero.AreaCalcola();
  Poligono sup, inf;
  const double c = intero.Dividi(0.5, sup, inf, verticale, ctx);
  if (posizione) *posizione = c;
  sup.CaratteristicheStatiche(ctx.msg());
  inf.CaratteristicheStatiche(ctx.msg());
  const double d = verticale ? sup.xG - inf.xG : sup.yG - inf.yG;
  return intero.Area / 2 * d;
}

void Poligono::Wplastici(const ContestoGeometrico& ctx) {
  if (Area == 0) {
    Wplx = Wply = 0;
    return;
  }
  Wplx = Wplastico(false, ctx);
  Wply = Wplastico(true, ctx);
}

bool Poligono::OffsetPerPunto(double x, double y, Poligono& spostato, ContestoGeometrico& ctx) const {
  ImpostaZeroMaxDimen(ctx, MaxDimensione() / 1e6);
  voro::Coordinate Xo, Yo;
  if (!OffsetPerPuntoPoligonale(x_, y_, Xo, Yo, n_, x, y, ctx)) return false;
  spostato = Poligono();
  spostato.Coordinate(Xo, Yo, n_);
  return true;
}

void Poligono::DiscretizzaPoligono(int n, const ContestoGeometrico& ctx) {
  strisce_.clear();
  if (n < 1 || n_ < 3) return;
  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  const double h = (ymax - ymin) / n;
  nRettangolini_ = toInteger(n);
  for (int k = 1; k <= n; ++k) {
    Striscia s;
    s.altezza = toSingle(h);
    s.yMedio = toSingle(ymin + (k - 0.5) * h);
    voro::Coordinate Xi, Yi;
    std::vector<int> lati;
    int nInt = 0, rimossi = 0;
    IntersezioniRettaPoligonale(0, 1, -static_cast<double>(s.yMedio), x_, y_, n_, Xi, Yi, lati, nInt, ctx, &rimossi);
    std::sort(Xi.begin(), Xi.end());
    for (std::size_t i = 0; i + 1 < Xi.size() && s.rettangoli.size() < 20; i += 2)
      s.rettangoli.push_back({toSingle(Xi[i + 1] - Xi[i]), toSingle((Xi[i] + Xi[i + 1]) / 2)});
    strisce_.push_back(std::move(s));
  }
}

void Poligono::DiscretizzaCerchio(int n, double R) {
  strisce_.clear();
  if (n < 1) return;
  nRettangolini_ = toInteger(n);
  const double passo = kPi / n;
  for (int k = 1; k <= n; ++k) {
    const double t1 = kPi / 2 - (k - 1) * passo, t2 = kPi / 2 - k * passo;
    const double tm = (t1 + t2) / 2;
    Striscia s;
    s.altezza = toSingle(R * (std::sin(t1) - std::sin(t2)));
    s.yMedio = toSingle(R * std::sin(tm));
    s.rettangoli.push_back({toSingle(2 * R * std::cos(tm)), 0});
    strisce_.push_back(std::move(s));
  }
}

void Poligono::RettangolinoArea(double& yCorrente, double yLimite, int k, double& yMedio, double& area) const {
  double dummyMomento, dummyInerzia;
  const double inizio = yCorrente;
  RettangolinoMomenti(yCorrente, yLimite, k, area, dummyMomento, dummyInerzia);
  yMedio = (inizio + yCorrente) / 2;
}

void Poligono::RettangolinoMomenti(double& yCorrente, double yLimite, int k, double& area, double& momento,
                                   double& inerzia) const {
  const Striscia& s = strisce_.at(at(k));
  const double y0 = yCorrente;
  double y1 = y0 + s.altezza;
  if (y1 > yLimite) y1 = yLimite;
  if (y1 < y0) y1 = y0;
  double larghezza = 0;
  for (const auto& r : s.rettangoli) larghezza += r.larghezza;
  const double h = y1 - y0, ym = (y0 + y1) / 2;
  area = larghezza * h;
  momento = area * ym;
  inerzia = area * ym * ym + larghezza * h * h * h / 12;
  yCorrente = y1;
}

Poligono Poligono::PoligonoConvessoCircoscritto() const {
  Poligono hull;
  if (n_ < 1) return hull;
  Array1<double> ys(1, n_);
  for (int i = 1; i <= n_; ++i) ys(i) = y_[at(i)];
  int start = 1;
  MinVettore(n_, ys, start);
  voro::Coordinate X, Y;
  int current = start;
  double direzione = 0;
  for (int guard = 0; guard <= n_; ++guard) {
    X.push_back(x_[at(current)]);
    Y.push_back(y_[at(current)]);
    Matrice M, Minv;
    MatriciRiferimento(x_[at(current)], y_[at(current)], direzione, M, Minv);
    int next = 0;
    double bestAngle = 0, bestR = 0;
    for (int i = 1; i <= n_; ++i) {
      double xl, yl, r, a;
      TrasformaPunto(x_[at(i)], y_[at(i)], M, xl, yl);
      CoordinatePolari(xl, yl, r, a);
      if (r == 0) continue;
      // Of two vertices in the same direction the farther is on the hull.
      if (next == 0 || a < bestAngle || (a == bestAngle && r > bestR)) next = i, bestAngle = a, bestR = r;
    }
    if (next == 0 || next == start) break;
    direzione = ArcTan2(y_[at(next)] - y_[at(current)], x_[at(next)] - x_[at(current)]);
    current = next;
  }
  hull.Coordinate(X, Y, static_cast<int>(X.size()));
  return hull;
}

Poligono Poligono::VistaDaDestra() const {
  Poligono p = Copia();
  p.SpecchiaXY(0, false);
  return p;
}

void Poligono::SpecchiaXY(double c, bool yFlag) {
  auto& v = yFlag ? y_ : x_;
  for (int i = 0; i < n_; ++i) v[static_cast<std::size_t>(i)] = -(v[static_cast<std::size_t>(i)] + c);
}

}  // namespace voro
