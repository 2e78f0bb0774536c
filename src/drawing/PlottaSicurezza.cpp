// Drawing the arch with its thrust line of least eccentricity and its
// collapse mechanism.
#include "drawing/PlottaSicurezza.h"

#include <algorithm>
#include <cmath>

#include "data/CifreCoerenti.h"
#include "data/Traduzioni.h"
#include "drawing/DisegniElementi.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/StrutturaPonte.h"

namespace voro {

PlottaSicurezza::PlottaSicurezza(const DatiProgetto& dati, const ModelloArco& modello,
                                 const RisultatiSicurezza& risultati, const Regional& regional, Disegno& disegno)
    : TavolaProtetta(disegno, "PlottaSicurezza"), d_(dati), m_(modello), r_(risultati), reg_(regional) {}

void PlottaSicurezza::linea(const LineaSpinte& l) { PlottaLinea(m_, l, m_.Conci(m_.iChiave).hSezione / 10, g_); }

void PlottaSicurezza::cerniera(const LineaSpinte& l, const Cerniera& c, double r, bool piena) {
  PlottaCerniera(m_, l, c, r, piena, g_);
}

// A symbol in the colour of what the line stands for (a line, the two
// hinges, or none), and its text.
struct VoceLegenda {
  enum class Simbolo { Nessuno, Linea, Cerniere, Schiacciamento };
  Simbolo simbolo = Simbolo::Nessuno;
  Long colore = 1;
  std::string testo;
  std::string secondo;  // the extrados hinge's text beside the intrados one
};

namespace {

// The text cut at blanks into lines no wider than larghezza on the surface
// (one line where nothing measures it).
std::vector<std::string> Spezza(const std::string& testo, double larghezza, const Superficie* s) {
  if (!s || !(larghezza > 0) || s->LarghezzaTesto(testo) <= larghezza) return {testo};
  std::vector<std::string> righe;
  std::string riga;
  std::size_t i = 0;
  while (i < testo.size()) {
    const std::size_t fine = std::min(testo.find(' ', i + 1), testo.size());
    const std::string parola = testo.substr(i, fine - i);
    if (!riga.empty() && s->LarghezzaTesto(riga + parola) > larghezza) {
      righe.push_back(riga);
      riga = parola.substr(parola.find_first_not_of(' ') == std::string::npos ? parola.size() : parola.find_first_not_of(' '));
    } else {
      riga += parola;
    }
    i = fine;
  }
  if (!riga.empty()) righe.push_back(riga);
  return righe;
}

}  // namespace

void PlottaSicurezza::disegna() {
  const ModelloArco& m = m_;
  const double yB = LivelloBase(m);
  const double qS = d_.qCarico == 0 ? 0 : std::min<double>(d_.ScalaPlot == 0 ? d_.qCarico : d_.qCarico / d_.ScalaPlot,
                                                             (m.yEstradossoMax - m.yIntradossoMin) / 3.0);
  const double yT = m.ySoletta + qS;
  hTesto = toSingle((yT - yB) / 30);
  const double r = m.Conci(m.iChiave).hSezione / 5;
  const std::vector<VoceLegenda> voci = legenda();
  // Room below the arch for the legend and the warning of an arch that does
  // not stand or cannot carry its load, and the title above it. On a screen
  // or a printer the legend takes the lines its text needs at the surface's
  // own font: the arch gives up height until they fit.
  const std::optional<std::string> avviso = AvvisoSicurezza(r_, reg_);
  xMinPlt = m.xMinStruttura;
  xMaxPlt = m.xMaxStruttura;
  yMaxPlt = toSingle(yT + 2 * hTesto);
  yMinPlt = toSingle(yB - (avviso ? 17 : 14) * hTesto);
  if (destinazione_ == "VIDEO") finestra_.EstremiFinestra(0.05f, 0.05f, 0.95f, 0.92f);
  else if (destinazione_ == "STAMPANTE") finestra_.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
  if (destinazione_ == "STAMPANTE" && superficie_) {
    superficie_->FontName("Times New Roman");
    superficie_->FontSize(8);
  }
  const double xt = xMinPlt + 6 * r;
  const bool misura = superficie_ && (destinazione_ == "VIDEO" || destinazione_ == "STAMPANTE");
  double passo = 2 * hTesto;
  std::vector<std::vector<std::string>> righe;
  for (int volta = 0; volta < 12; ++volta) {
    finestra_.Inizializza(xMinPlt, xMaxPlt, yMinPlt, yMaxPlt, destinazione_, superficie_, blocco_, 1, true, 0, g_);
    g_.DefinisciFont(1, "Times", "Arial");
    g_.SelezionaFont(1);
    const double destra = misura ? superficie_->ScaleLeft() + std::fabs(superficie_->ScaleWidth()) : xMaxPlt;
    if (misura) passo = std::max(2.0 * hTesto, 1.3 * superficie_->AltezzaTesto("Ag"));
    righe.clear();
    std::size_t n = 0;
    for (const VoceLegenda& v : voci) {
      righe.push_back(Spezza(v.testo, destra - xt - hTesto, misura ? superficie_ : nullptr));
      n += righe.back().size();
    }
    const double serve = (static_cast<double>(n) + (avviso ? 1.5 : 0) + 1.5) * passo;
    // The title hangs from the top, above the load's label.
    const double sopra = yT + std::max(2.0 * hTesto, passo);
    if (!misura || (yB - yMinPlt >= serve && yMaxPlt >= sopra)) break;
    yMinPlt = toSingle(std::min<double>(yMinPlt, yB - serve));
    yMaxPlt = toSingle(std::max<double>(yMaxPlt, sopra));
  }

  // The structure: walls, voussoirs, fill and slab levels, the variable load.
  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) Plotta(m.ConciPareteSinistra(i), g_);
  for (int i = 1; i <= m.nConciPareteDestra; ++i) Plotta(m.ConciPareteDestra(i), g_);
  g_.Linea(m.xMinStruttura, m.yRiempimento, m.xMaxStruttura, m.yRiempimento, 1);
  if (d_.hSoletta != 0) g_.Linea(m.xMinStruttura, m.ySoletta, m.xMaxStruttura, m.ySoletta, 1);
  g_.ImpostaColore(1);
  for (int i = 1; i <= m.nConciTot; ++i) Plotta(m.Conci(i), g_);
  PlottaPile(m, g_);
  if (d_.qCarico != 0 && d_.xq2 > d_.xq1) {
    g_.ImpostaColore(8);
    g_.Rettangolo(d_.xq1, m.ySoletta, d_.xq2, m.ySoletta + qS, 1, true, (static_cast<double>(xMaxPlt) - xMinPlt) / 60,
                  90);
    g_.Rettangolo(d_.xq1, m.ySoletta, d_.xq2, m.ySoletta + qS, 1);
    g_.Testo(d_.xq2 + hTesto, m.ySoletta + qS, hTesto, "q = " + Spoglio(reg_.TestoSingle(d_.qCarico)) + " kN/m²", 1,
             true);
  }
  g_.ImpostaColore(1);
  g_.Testo(xMinPlt, misura ? static_cast<double>(yMaxPlt) : yMaxPlt + hTesto, hTesto, d_.Titolo, 1, true);

  // The thrust line of least eccentricity, its contacts as small marks.
  if (r_.rapportoSpessore) {
    g_.ImpostaColore(colori_sicurezza::Minima);
    g_.SpessoreLinea(2);
    linea(r_.lineaMinima);
    g_.SpessoreLinea(1);
    for (const Cerniera& c : r_.contatti) {
      const auto j = static_cast<std::size_t>(c.giunto - 1);
      g_.Cerchio(r_.lineaMinima.x[j], r_.lineaMinima.y[j], r / 2, 1);
    }
  }
  // The collapse thrust line at the factored variable load and its hinges.
  if (r_.esitoCarico == EsitoCarico::Finito) {
    g_.ImpostaColore(colori_sicurezza::Collasso);
    g_.SpessoreLinea(2);
    linea(r_.lineaCollasso);
    for (const Cerniera& c : r_.meccanismo) cerniera(r_.lineaCollasso, c, r, true);
    g_.SpessoreLinea(1);
  }

  // The legend: a symbol in the colour of what it stands for, the text in
  // the colour of the other texts, so that both read on either background.
  const double xs = xMinPlt;
  double y = yB - passo;
  if (avviso) y -= DisegnaAvviso(g_, *avviso, xMinPlt, xMaxPlt, y + hTesto, hTesto) + passo / 2;
  for (std::size_t k = 0; k < voci.size(); ++k) {
    const VoceLegenda& v = voci[k];
    const double yc = y - hTesto / 2;
    g_.SpessoreLinea(2);
    if (v.simbolo == VoceLegenda::Simbolo::Linea) {
      g_.ImpostaColore(v.colore);
      g_.Linea(xs, yc, xs + 4 * r, yc, 1);
    } else if (v.simbolo == VoceLegenda::Simbolo::Schiacciamento) {
      // The crushing hinge as the arch shows it: a ring within a ring.
      g_.ImpostaColore(colori_sicurezza::Intradosso);
      g_.Cerchio(xs + 2 * r, yc, r, 1);
      g_.Cerchio(xs + 2 * r, yc, 1.5 * r, 1);
    } else if (v.simbolo == VoceLegenda::Simbolo::Cerniere) {
      // The extrados hinge after the intrados one's text, however wide.
      const double largo = misura ? superficie_->LarghezzaTesto(v.testo) : (xMaxPlt - xMinPlt) / 3 - 6 * r;
      const double xe = xt + largo + 2 * r;
      g_.ImpostaColore(colori_sicurezza::Intradosso);
      g_.Cerchio(xs + 2 * r, yc, r, 1);
      g_.ImpostaColore(colori_sicurezza::Estradosso);
      g_.Cerchio(xe + 2 * r, yc, r, 1);
      g_.ImpostaColore(1);
      g_.SpessoreLinea(1);
      g_.Testo(xe + 6 * r, y, hTesto, v.secondo, 1, true);
    }
    g_.SpessoreLinea(1);
    g_.ImpostaColore(1);
    for (const std::string& t : righe[k]) {
      g_.Testo(xt, y, hTesto, t, 1, true);
      y -= passo;
    }
  }
}

std::vector<VoceLegenda> PlottaSicurezza::legenda() const {
  std::vector<VoceLegenda> voci;
  using S = VoceLegenda::Simbolo;
  if (r_.rapportoSpessore) {
    std::string t = Componi(reg_.traduci("Voro", "Thrust line of least eccentricity: within s = %1 of the half depth"),
                            {TestoFattore(reg_, *r_.rapportoSpessore)});
    if (r_.fattoreGeometrico)
      t += Componi(reg_.traduci("Voro", ", depth ratio 1/s = %1"), {TestoFattore(reg_, *r_.fattoreGeometrico)});
    t += r_.ammissibile ? reg_.traduci("Voro", " (fits within the masonry)")
                        : reg_.traduci("Voro", " (no thrust line fits within the masonry)");
    voci.push_back({S::Linea, colori_sicurezza::Minima, t, ""});
  } else {
    voci.push_back({S::Linea, 1, reg_.traduci("Voro", "No thrust line keeps every joint in compression"), ""});
  }
  if (r_.esitoCarico == EsitoCarico::Finito) {
    voci.push_back({S::Linea, colori_sicurezza::Collasso,
                    Componi(r_.resistenzaFinita
                                ? reg_.traduci("Voro", "Collapse thrust line: variable load x %1 (live-load factor)")
                                : reg_.traduci("Voro", "Collapse thrust line: variable load x %1 (live-load factor, "
                                                       "masonry of unlimited strength)"),
                            {TestoFattore(reg_, *r_.fattoreCarico)}),
                    ""});
    voci.push_back({S::Cerniere, 1, reg_.traduci("Voro", "hinge at the intrados"),
                    reg_.traduci("Voro", "hinge at the extrados")});
    if (!r_.giuntiSchiacciati.empty() || !r_.giuntiScorrevoli.empty())
      voci.push_back({S::Schiacciamento, 1,
                      reg_.traduci("Voro", "Double ring: the masonry crushes, the hinge at the stress block's edge; "
                                           "bar along a joint: it slides"),
                      ""});
  } else {
    const char* perche = r_.esitoCarico == EsitoCarico::Illimitato ? VORO_NOOP("Voro", "the variable load alone can never make it collapse")
                         : r_.esitoCarico == EsitoCarico::NessunCarico ? VORO_NOOP("Voro", "the project has no variable load")
                                                                        : VORO_NOOP("Voro", "no multiplier of the variable load lets a thrust line fit");
    voci.push_back(
        {S::Nessuno, 1, Componi(reg_.traduci("Voro", "No live-load factor: %1"), {reg_.traduci("Voro", perche)}), ""});
  }
  if (r_.spintaMinima)
    voci.push_back({S::Nessuno, 1,
                    r_.spintaMassima
                        ? Componi(reg_.traduci("Voro", "Thrust range of the left support: %1 to %2 kN"),
                                  {TestoKn(reg_, *r_.spintaMinima), TestoKn(reg_, *r_.spintaMassima)})
                        : Componi(reg_.traduci("Voro", "Thrust range of the left support: %1 to no upper limit"),
                                  {TestoKn(reg_, *r_.spintaMinima)}),
                    ""});
  if (r_.spessoreMinimo)
    voci.push_back({S::Nessuno, 1,
                    Componi(!r_.resistenzaFinita && !r_.attrito
                                ? reg_.traduci("Voro", "Minimum thickness %1 m (geometric factor of safety t/tmin %2)")
                                : reg_.traduci("Voro", "Minimum thickness %1 m (thickness factor t/tmin %2, not Heyman's: "
                                                       "finite strength or friction)"),
                            {TestoMetri(reg_, *r_.spessoreMinimo), TestoFattore(reg_, *r_.fattoreSpessore)}),
                    ""});
  return voci;
}

}  // namespace voro
