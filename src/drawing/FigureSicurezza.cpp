// The formats and the warning of the assessment's figures.
#include "drawing/FigureSicurezza.h"

#include <algorithm>
#include <array>

#include "data/CifreCoerenti.h"
#include "data/Traduzioni.h"
#include "drawing/Tavola.h"
#include "limite/IpotesiMuratura.h"

namespace voro {

std::string TestoFattore(const Regional& reg, double v) {
  return reg.Formatta(v, FormatoDecimali(DecimaliCoerenti(v, 3)));
}
std::string TestoMetri(const Regional& reg, double v) { return reg.Formatta(v, "0.000"); }
std::string TestoKn(const Regional& reg, double v) { return reg.Formatta(v, "0.00"); }

std::string TestoResistenza(const DatiProgetto& d, const ModelloArco& m, const RisultatiSicurezza& r,
                            const std::string& numero) {
  bool uniforme = true;
  for (int i = 1; i <= m.nConciTot && uniforme; ++i)
    uniforme = r.resistenzaMinima && ResistenzaConcio(d, m, i) == *r.resistenzaMinima;
  return (uniforme ? "fc = " : "fc >= ") + numero;
}

std::string GiuntoBreve(int giunto, const ModelloArco* m) {
  ModelloArco::LuogoGiunto l;
  if (!m || !m->ponte() || !m->Luogo(giunto, l)) return std::to_string(giunto);
  if (l.pila >= 0) return "P" + std::to_string(l.pila + 1);
  return std::to_string(l.campata + 1) + "/" + std::to_string(l.indice + 1);
}

std::string TestoCerniere(const std::vector<Cerniera>& cerniere, const ModelloArco* m) {
  std::string t;
  for (const Cerniera& h : cerniere) {
    if (!t.empty()) t += ", ";
    t += GiuntoBreve(h.giunto, m) + " ";
    t += h.tipo == TipoCerniera::Scorrimento ? "s" : h.faccia == Faccia::Intradosso ? "i" : "e";
    if (h.tipo == TipoCerniera::Schiacciamento) t += "c";
  }
  return t;
}

double AltoGrafico(double massimo, std::optional<double> minimo) {
  if (minimo) massimo = std::min(massimo, std::max(8 * *minimo, *minimo + 1));
  return std::max(massimo, 1.0);
}

std::optional<std::string> AvvisoSicurezza(const RisultatiSicurezza& r, const Regional& reg, bool breve) {
  if (!r.ammissibile)
    return breve ? reg.traduci("Voro", "NOT ADMISSIBLE: no thrust line fits within the masonry")
                 : reg.traduci("Voro",
                               "NOT ADMISSIBLE: no thrust line fits within the masonry under the project's loads");
  // The least factor of the project's own position and of the sweep.
  std::optional<double> minimo = r.fattoreCarico;
  bool spostato = false;
  if (r.fattorePeggiore && (!minimo || *r.fattorePeggiore < *minimo)) {
    minimo = r.fattorePeggiore;
    spostato = true;
  }
  if (minimo && *minimo < 1) {
    const std::string fattore = TestoFattore(reg, *minimo);
    if (breve) return Componi(reg.traduci("Voro", "UNSAFE: live-load factor %1 below 1"), {fattore});
    if (!spostato)
      return Componi(reg.traduci("Voro", "UNSAFE: live-load factor %1 below 1 at the project's position of the load: "
                                         "the arch cannot carry the project's variable load"),
                     {fattore});
    return Componi(reg.traduci("Voro", "UNSAFE: live-load factor %1 below 1 with the strip load from x = %2 to %3 m: "
                                       "the arch cannot carry the project's variable load"),
                   {fattore, TestoMetri(reg, *r.xq1Peggiore), TestoMetri(reg, *r.xq2Peggiore)});
  }
  return std::nullopt;
}

double DisegnaAvviso(Disegno& g, const std::string& testo, double x0, double x1, double yAlto, double altezza) {
  const double h = 1.6 * (g.superficie ? g.superficie->AltezzaTesto(testo) : altezza);
  // As wide as its words where the surface can measure them.
  const double margine = (x1 - x0) / 100;
  if (g.superficie) x1 = std::max(x1, x0 + g.superficie->LarghezzaTesto(testo) + 2 * margine);
  const std::array<double, 4> X{x0, x1, x1, x0}, Y{yAlto, yAlto, yAlto - h, yAlto - h};
  g.ImpostaColore(kColoreAvviso);
  g.Solido(X, Y, 1);
  g.ImpostaColore(0);
  g.Testo(x0 + margine, yAlto - 0.2 * h, altezza, testo, 1, true);
  return h;
}

}  // namespace voro
