// The drawing primitives and their dispatch to the targets.
#include "drawing/Disegno.h"

#include <algorithm>

#include "drawing/Colori.h"
#include "drawing/SimboliGreci.h"
#include "geometry/Grafica.h"
#include "numerics/Matematica.h"

namespace voro {

Disegno::Disegno(Messages& msg) : msg_(msg) { geo.messaggi = &msg; }

void Disegno::ImpostaDestinazione(double fattore, const std::string& destinazione, Superficie* s, ContenitoreCad* b) {
  FattoreY = fattore;
  Destinazione = destinazione;
  superficie = s;
  blocco = b;
}

void Disegno::ImpostaColore(Long indice) {
  ColoreCorrente = (Destinazione == "DXF" || cad()) ? indice : ValoreColore(ColoreIndice(indice));
}

void Disegno::SpessoreLinea(int larghezza) {
  if (!superficie) return;
  if (Destinazione == "VIDEO") {
    superficie->DrawWidth(larghezza);
  } else if (Destinazione == "STAMPANTE") {
    // 5.67 twips in 0.1 mm: one screen pixel becomes 0.2 mm on paper.
    superficie->DrawWidth(toInteger(larghezza * 2 * 5.67 / superficie->TwipsPerPixelX()));
  }
}

double Disegno::trasformaY(double y, double fattore) const { return checked(OffsetY + divide(y, fattore)); }

ContenitoreCad& Disegno::contenitore() const {
  ContenitoreCad* c = Destinazione == "BLOCCO" ? blocco : ModelSpaceCad;
  if (!c) throw RuntimeError(err::InvalidCall);
  return *c;
}

void Disegno::colora(EntitaCad& e) { e.Color(ColoreCorrente); }

void Disegno::Linea(double x1, double y1, double x2, double y2, double fattore) {
  checked(x1), checked(x2);
  const double a = trasformaY(y1, fattore), b = trasformaY(y2, fattore);
  if (Destinazione == "DXF") dxf.Linea(x1, a, x2, b, ColoreCorrente);
  else if (cad()) colora(contenitore().AddLine({x1, a, 0}, {x2, b, 0}));
  else if (superficie) superficie->Linea(x1, a, x2, b, ColoreCorrente);
}

void Disegno::Cerchio(double xc, double yc, double r, double fattore) {
  checked(xc), checked(r);
  const double y = trasformaY(yc, fattore);
  if (Destinazione == "DXF") dxf.Cerchio(xc, y, r, ColoreCorrente);
  else if (cad()) colora(contenitore().AddCircle({xc, y, 0}, r));
  else if (superficie) superficie->Cerchio(xc, y, r, ColoreCorrente);
}

namespace {

void puntiTrasformati(int n, Punti X, Punti Y, std::vector<double>& xs, std::vector<double>& ys,
                      const std::function<double(double)>& t) {
  xs.resize(static_cast<std::size_t>(n));
  ys.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    xs[static_cast<std::size_t>(i)] = checked(X[static_cast<std::size_t>(i)]);
    ys[static_cast<std::size_t>(i)] = t(Y[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

void Disegno::Poligonale(int n, Punti X, Punti Y, double fattore) {
  std::vector<double> xs, ys;
  puntiTrasformati(n, X, Y, xs, ys, [&](double y) { return trasformaY(y, fattore); });
  if (Destinazione == "DXF") {
    dxf.PoligonaleChiusa(n, xs, ys, ColoreCorrente);
  } else if (cad()) {
    std::vector<double> flat;
    for (int i = 0; i <= n && n > 0; ++i) {
      flat.push_back(xs[static_cast<std::size_t>(i % n)]);
      flat.push_back(ys[static_cast<std::size_t>(i % n)]);
    }
    colora(contenitore().AddLightWeightPolyline(flat));
  } else if (superficie) {
    for (int i = 0; i < n; ++i) {
      const auto a = static_cast<std::size_t>(i), b = static_cast<std::size_t>((i + 1) % n);
      superficie->Linea(xs[a], ys[a], xs[b], ys[b], ColoreCorrente);
    }
  }
}

void Disegno::PoligonaleAperta(int n, Punti X, Punti Y, double fattore) {
  std::vector<double> xs, ys;
  puntiTrasformati(n, X, Y, xs, ys, [&](double y) { return trasformaY(y, fattore); });
  if (Destinazione == "DXF") {
    dxf.PoligonaleAperta(n, xs, ys, ColoreCorrente);
  } else if (cad()) {
    std::vector<double> flat;
    for (int i = 0; i < n; ++i) {
      flat.push_back(xs[static_cast<std::size_t>(i)]);
      flat.push_back(ys[static_cast<std::size_t>(i)]);
    }
    colora(contenitore().AddLightWeightPolyline(flat));
  } else if (superficie) {
    for (int i = 0; i + 1 < n; ++i) {
      const auto a = static_cast<std::size_t>(i);
      superficie->Linea(xs[a], ys[a], xs[a + 1], ys[a + 1], ColoreCorrente);
    }
  }
}

void Disegno::Solido(Punti X, Punti Y, double fattore) {
  const int n = static_cast<int>(std::min(X.size(), Y.size()));
  if (cad()) {
    if (n != 4) {
      msg_.critical(msg_.traduci("Voro", "Errore in Sub SolidDwg - I punti devono essere 4"));
      return;
    }
    std::array<PuntoCad, 4> p;
    for (std::size_t i = 0; i < 4; ++i) p[i] = {checked(X[i]), trasformaY(Y[i], fattore), 0};
    if (!ModelSpaceCad) throw RuntimeError(err::InvalidCall);
    colora(ModelSpaceCad->AddSolid(p[0], p[1], p[2], p[3]));
    return;
  }
  if (Destinazione == "DXF") {
    Poligonale(n, X, Y, fattore);
    return;
  }
  if (!superficie) return;
  std::vector<double> xs, ys;
  puntiTrasformati(n, X, Y, xs, ys, [&](double y) { return trasformaY(y, fattore); });
  superficie->Riempi(xs, ys, ColoreCorrente);
  Poligonale(n, X, Y, fattore);
}

void Disegno::Rettangolo(double x1, double y1, double x2, double y2, double fattore, bool tratteggiato, double passo,
                         double angolo) {
  Coordinate X(4), Y(4);
  RettangoloPunti(x1, y1, x2, y2, X, Y);
  if (tratteggiato) Tratteggio(4, X, Y, passo, angolo, fattore);
  else Poligonale(4, X, Y, fattore);
}

void Disegno::Tratteggio(int n, Punti X, Punti Y, double passo, double angolo, double fattore) {
  if (n < 3 || !(passo > 0)) return;
  Coordinate xs(X.begin(), X.begin() + n), ys(Y.begin(), Y.begin() + n);
  ImpostaZeroMaxDimen(geo, ZeroDaDimensioni(xs, ys, n, 1000000));
  const double theta = angolo * kPi / 180;
  Matrice M, Minv;
  MatriciRiferimento(0, 0, theta, M, Minv);
  Coordinate xr, yr;
  TrasformaPunti(xs, ys, M, xr, yr, n);
  double xmin, xmax, ymin, ymax;
  EstremiPunti(n, xr, yr, xmin, xmax, ymin, ymax);
  // Hatch lines from the lower edge at multiples of the spacing; a drawing
  // never needs more than a few thousand of them.
  const double count = (ymax - ymin) / passo;
  if (!(count < 100000)) return;
  const double limite = (ymax - ymin) * (1 - 1e-9);  // no line along the top edge itself
  for (int k = 1; k * passo < limite; ++k) {
    const double y = ymin + k * passo;
    Coordinate xi, yi;
    std::vector<int> lati;
    int nInt = 0, rimossi = 0;
    IntersezioniRettaPoligonale(0, 1, -y, xr, yr, n, xi, yi, lati, nInt, geo, &rimossi);
    if (nInt % 2 != 0) continue;
    std::sort(xi.begin(), xi.end());
    for (int k = 0; k + 1 < nInt; k += 2) {
      double xa, ya, xb, yb;
      TrasformaPunto(xi[static_cast<std::size_t>(k)], y, Minv, xa, ya);
      TrasformaPunto(xi[static_cast<std::size_t>(k + 1)], y, Minv, xb, yb);
      Linea(xa, ya, xb, yb, fattore);
    }
  }
}

void Disegno::Testo(double x, double y, double altezza, const std::string& testo, double fattore, bool alto) {
  checked(x);
  double yt = trasformaY(y, fattore);
  if (Destinazione == "DXF" || Destinazione == "DWG") {
    if (alto) yt -= 1.5 * altezza;
    if (Destinazione == "DXF") {
      dxf.Testo(x, yt, altezza, testo, ColoreCorrente);
    } else {
      UltimaEntita = &contenitore().AddText(testo, {x, yt, 0}, altezza);
      colora(*UltimaEntita);
    }
  } else if (Destinazione == "BLOCCO") {
    UltimaEntita = &contenitore().AddText(testo, {x, yt, 0}, altezza);
    colora(*UltimaEntita);
  } else if (superficie) {
    superficie->Stampa(x, yt, testo, ColoreCorrente);
  }
}

std::string Disegno::testoSlot(const std::string& pezzo, int slot) const {
  const bool simbolo = slot >= 1 && slot <= 10 && NomiFont[static_cast<std::size_t>(slot - 1)] == "Symbol";
  return simbolo ? SimboliGreci(pezzo) : pezzo;
}

void Disegno::TestoComposto(double x, double y, double altezza, const std::vector<std::string>& pezzi,
                            const std::vector<int>& slot, double fattore) {
  auto slotDi = [&](std::size_t i) { return i < slot.size() ? slot[i] : 1; };
  if (Destinazione == "DXF") {
    std::string tutto;
    for (std::size_t i = 0; i < pezzi.size(); ++i) tutto += testoSlot(pezzi[i], slotDi(i));
    dxf.Testo(checked(x), trasformaY(y, fattore), altezza, tutto, ColoreCorrente);
    return;
  }
  double xc = x;
  for (std::size_t i = 0; i < pezzi.size(); ++i) {
    SelezionaFont(slotDi(i));
    const std::string t = testoSlot(pezzi[i], slotDi(i));
    if (cad()) {
      if (!ModelSpaceCad) throw RuntimeError(err::InvalidCall);
      UltimaEntita = &ModelSpaceCad->AddText(t, {checked(xc), trasformaY(y, fattore), 0}, altezza);
      colora(*UltimaEntita);
      PuntoCad a, b;
      UltimaEntita->GetBoundingBox(a, b);
      xc += b.x - a.x;
    } else if (superficie) {
      Testo(xc, y, altezza, t, fattore);
      xc += superficie->LarghezzaTesto(t);
    }
  }
  SelezionaFont(1);
}

void Disegno::Freccia(int testa, const std::array<Single, 2>& X, const std::array<Single, 2>& Y, double valore,
                      double minimo, const std::string& etichetta, double fattore, double dimensione) {
  if (!(std::fabs(valore) > minimo)) return;
  Linea(X[0], Y[0], X[1], Y[1], fattore);
  const std::size_t t = testa == 1 ? 0 : 1, o = 1 - t;
  // The head lies along the arrow as it is seen, with the vertical factor and
  // the ratio of the scales applied to its ordinates.
  const double dx = static_cast<double>(X[t]) - X[o];
  const double dy = divide(static_cast<double>(Y[t]) - Y[o], fattore) * ScalaMantieneProporzioni;
  const double a = ArcTan2(dy, dx);
  const double L = dimensione, w = dimensione / 3;
  const double ca = std::cos(a), sa = std::sin(a);
  auto punto = [&](double u, double v, double& px, double& py) {
    const double ux = -L * u * ca - w * v * sa;
    const double uy = -L * u * sa + w * v * ca;
    px = X[t] + ux;
    py = Y[t] + divide(uy, ScalaMantieneProporzioni) * fattore;
  };
  double xs[4], ys[4];
  xs[0] = X[t], ys[0] = Y[t];
  punto(1, 1, xs[1], ys[1]);
  punto(1, -1, xs[2], ys[2]);
  xs[3] = xs[2], ys[3] = ys[2];
  Solido(std::span<const double>(xs, 4), std::span<const double>(ys, 4), fattore);
  if (!etichetta.empty()) Testo(X[o], Y[o], dimensione, etichetta, fattore);
}

void Disegno::DefinisciFont(int k, const std::string& nome, const std::string& fileFont) {
  if (k < 1 || k > 10) throw RuntimeError(err::SubscriptOutOfRange);
  NomiFont[static_cast<std::size_t>(k - 1)] = nome;
  if (Destinazione != "DWG" || !DocumentoCad_) return;
  StileTestoCad& stile = DocumentoCad_->TextStylesAdd(nome);
  StiliTesto[static_cast<std::size_t>(k - 1)] = &stile;
  const std::string percorso = CartellaFont + fileFont + ".ttf";
  try {
    stile.fontFile(percorso);
  } catch (const RuntimeError&) {
    msg_.information(Componi(msg_.traduci("Voro", "Font file %1 not found"), {percorso}));
  }
}

void Disegno::SelezionaFont(int k) {
  if (k < 1 || k > 10) throw RuntimeError(err::SubscriptOutOfRange);
  fontCorrente_ = k;
  if (cad()) {
    StileTestoCad* s = StiliTesto[static_cast<std::size_t>(k - 1)];
    if (s && DocumentoCad_) DocumentoCad_->ActiveTextStyle(*s);
  } else if (Destinazione != "DXF" && superficie) {
    const std::string& nome = NomiFont[static_cast<std::size_t>(k - 1)];
    if (!nome.empty()) superficie->FontName(nome);
  }
}

bool Disegno::ApriCad(const CollegaCad& collega, const AttivaFinestraCad& attiva) {
  std::unique_ptr<ApplicazioneCad> app;
  if (collega) {
    app = collega("AutoCAD.Application.17");
    if (!app) app = collega("AutoCAD.Application");
  }
  if (!app) {
    msg_.critical(msg_.traduci("Voro", "Impossibile aprire Autocad.\rControllare che la versione di Autocad non sia LT"));
    return false;
  }
  app->Visible(true);
  DocumentoCad_ = &app->ActiveDocument();
  ModelSpaceCad = &DocumentoCad_->ModelSpace();
  if (attiva) attiva(app->Caption());
  AppCad = std::move(app);
  return true;
}

}  // namespace voro
