// Bridges of several spans on piers against the physics of rigid springings, rocking piers and symmetry.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <set>
#include <tuple>

#include "analysis/Calcolo.h"
#include "analysis/ProgettiCasuali.h"
#include "arch/Ponte.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutato.h"
#include "limite/VerificaStatica.h"

namespace voro {
namespace {

// The bundled road bridge's 12 m span three times, on piers b wide, 6 m high.
DatiProgetto TreCampate(Single larghezza, Single peso) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  DatiCampata c;
  c.Pila = {larghezza, 6, 0, 0, peso};
  c.LuceAnello = 12, c.FrecciaAnello = 3.5f, c.SpessoreAnello = 0.6f, c.nConciAnello = 36;
  d.Campate = {c, c};
  return d;
}

// The factor a mechanism's virtual work gives from its hinges alone: rigid bodies between hinges, the
// ground still, each hinge a point its bodies share (a sliding joint neither turns nor opens). None
// when the hinges leave not one degree of freedom.
std::optional<double> FattoreCinematico(const StaticaGiunti& st, const std::vector<Cerniera>& meccanismo) {
  using std::size_t;
  const auto& conci = st.conci();
  const auto& giunti = st.giunti();
  const size_t nb = conci.size(), ng = giunti.size();
  // Which block passes each joint on (its left or upper side), which takes it; nb is the ground.
  std::vector<size_t> passa(ng, nb), prende(ng, nb), capo(nb + 1);
  for (size_t b = 0; b < nb; ++b) {
    prende[static_cast<size_t>(conci[b].riceve)] = passa[static_cast<size_t>(conci[b].passa)] = b;
    if (conci[b].passa2 >= 0) passa[static_cast<size_t>(conci[b].passa2)] = b;
  }
  // Bodies: blocks joined by the joints that do not give way.
  std::iota(capo.begin(), capo.end(), size_t{0});
  std::function<size_t(size_t)> trova = [&](size_t b) { return capo[b] == b ? b : capo[b] = trova(capo[b]); };
  std::vector<char> cerniera(ng, 0);
  for (const Cerniera& c : meccanismo) cerniera[static_cast<size_t>(c.giunto - 1)] = 1;
  for (size_t j = 0; j < ng; ++j)
    if (!cerniera[j]) capo[trova(passa[j])] = trova(prende[j]);
  std::vector<int> corpo(nb + 1, -1);
  int nc = 0;
  for (size_t b = 0; b < nb; ++b)
    if (trova(b) != trova(nb) && corpo[trova(b)] < 0) corpo[trova(b)] = nc++;
  auto indice = [&](size_t b) { return trova(b) == trova(nb) ? -1 : corpo[trova(b)]; };
  // Rows of the constraints on each body's (u, v, w); a point (x, y) moves at (u - w y, v + w x).
  const size_t n = 3 * static_cast<size_t>(nc);
  std::vector<std::vector<double>> A;
  auto riga = [&](int a, int b, const std::array<double, 3>& k) {
    std::vector<double> r(n, 0);
    for (size_t i = 0; i < 3; ++i) {
      if (a >= 0) r[3 * static_cast<size_t>(a) + i] += k[i];
      if (b >= 0) r[3 * static_cast<size_t>(b) + i] -= k[i];
    }
    A.push_back(r);
  };
  for (const Cerniera& c : meccanismo) {
    const size_t j = static_cast<size_t>(c.giunto - 1);
    const GiuntoLineare& g = giunti[j];
    const int a = indice(passa[j]), b = indice(prende[j]);
    const double lato = c.faccia == Faccia::Estradosso ? 0.5 : -0.5;
    const double x = g.xM + lato * g.h * g.ux, y = g.yM + lato * g.h * g.uy;
    // A sliding joint neither turns apart nor opens across (its normal (uy, -ux)).
    const bool scorre = c.tipo == TipoCerniera::Scorrimento;
    riga(a, b, scorre ? std::array<double, 3>{0, 0, 1} : std::array<double, 3>{1, 0, -y});
    riga(a, b, scorre ? std::array<double, 3>{g.uy, -g.ux, -g.uy * g.yM - g.ux * g.xM} : std::array<double, 3>{0, 1, x});
  }
  // The null space by Gauss-Jordan with full pivoting: one free unknown.
  const size_t m = A.size();
  std::vector<size_t> colonna(n);
  for (size_t k = 0; k < n; ++k) colonna[k] = k;
  size_t rango = 0;
  for (; rango < std::min(m, n); ++rango) {
    size_t pr = m, pc = n;
    double mx = 1e-10;
    for (size_t i = rango; i < m; ++i)
      for (size_t k = rango; k < n; ++k)
        if (std::fabs(A[i][k]) > mx) mx = std::fabs(A[i][k]), pr = i, pc = k;
    if (pr == m) break;
    std::swap(A[rango], A[pr]);
    for (auto& r : A) std::swap(r[rango], r[pc]);
    std::swap(colonna[rango], colonna[pc]);
    auto& p = A[rango];
    const double piv = p[rango];
    for (double& v : p) v /= piv;
    for (size_t i = 0; i < m; ++i) {
      const double f = A[i][rango];
      if (i == rango || f == 0) continue;
      for (size_t k = 0; k < n; ++k) A[i][k] -= f * p[k];
    }
  }
  if (n - rango != 1) return std::nullopt;
  std::vector<double> z(n, 0);
  z[colonna[rango]] = 1;
  for (size_t i = 0; i < rango; ++i) z[colonna[i]] = -A[i][rango];
  // The loads' work: a load P down at x with moment Px, F along +x with Fy.
  double lavoroP = 0, lavoroQ = 0;
  for (size_t b = 0; b < nb; ++b) {
    const int k = indice(b);
    if (k < 0) continue;
    const size_t i = 3 * static_cast<size_t>(k);
    const double u = z[i], v = z[i + 1], w = z[i + 2];
    const CaricoConcio& c = conci[b];
    lavoroP += -(c.P * v + c.Px * w) + c.F * u - c.Fy * w;
    lavoroQ += -(c.Q * v + c.Qx * w);
  }
  if (lavoroQ == 0) return std::nullopt;
  return -lavoroP / lavoroQ;
}

// The live-load factor of the project's own strip load, with its mechanism.
MoltiplicatoreCarico Fattore(DatiProgetto d, Single xq1, Single xq2) {
  d.xq1 = xq1, d.xq2 = xq2;
  const ModelloCaricato c(d);
  const StaticaGiunti st(c.m);
  const MoltiplicatoreCarico mc = AnalisiLimite(st).Moltiplicatore({});
  // Every block in equilibrium on the collapse line, the piers included, and
  // the mechanism's virtual work, the piers' rocking and sliding counted.
  if (mc.esito == EsitoCarico::Finito) {
    EXPECT_LE(Squilibrio(st, mc.reazione), 1e-9);
    Vicini(FattoreCinematico(st, mc.meccanismo), mc.lambda, 1e-7);
  }
  return mc;
}

// The spans and the piers a mechanism takes (each 0 the first).
std::pair<std::set<int>, std::set<int>> Presi(const MoltiplicatoreCarico& mc, const DatiProgetto& d) {
  const StaticaGiunti st(ModelloCaricato(d).m);
  std::set<int> campate, pile;
  for (const Cerniera& c : mc.meccanismo) {
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(c.giunto - 1)];
    if (g.pila >= 0) pile.insert(g.pila);
    else campate.insert(g.campata);
  }
  return {campate, pile};
}

TEST(Ponte, PileRigideComeLeImpostePileSnelleCedono) {
  for (const int k : {0, 1, 2}) {
    SCOPED_TRACE(k);
    // The span alone on rigid springings, the strip where it stands on it.
    const DatiProgetto rigide = TreCampate(50, 1e4f), snelle = TreCampate(1.2f, 20);
    RecordingMessages msg;
    const DatiProgetto sola = ProgettoCampata(rigide, k, msg), su = ProgettoCampata(snelle, k, msg);
    const MoltiplicatoreCarico alone = Fattore(sola, sola.xq1, sola.xq2), ponte = Fattore(rigide, sola.xq1, sola.xq2);
    ASSERT_TRUE(alone.esito == EsitoCarico::Finito && ponte.esito == EsitoCarico::Finito);
    EXPECT_NEAR(ponte.lambda, alone.lambda, 1e-9 * alone.lambda);
    // A slender pier beside the loaded span rocks, and the next span rises.
    const MoltiplicatoreCarico cede = Fattore(snelle, su.xq1, su.xq2);
    ASSERT_EQ(cede.esito, EsitoCarico::Finito);
    EXPECT_LT(cede.lambda, 0.5 * alone.lambda);
    // The loaded span, a pier beside it and the span beyond that pier.
    const auto [campate, pile] = Presi(cede, snelle);
    ASSERT_EQ(pile.size(), 1u);
    const int pila = *pile.begin();
    EXPECT_TRUE(pila == k - 1 || pila == k);
    EXPECT_EQ(campate, (std::set<int>{pila, pila + 1}));
    EXPECT_TRUE(cede.certificato.valido());
  }
}

TEST(Ponte, SimmetricoRispondeSpecchiato) {
  const DatiProgetto d = TreCampate(1.2f, 20);
  const ModelloCaricato c(d);
  const double mezzo = (static_cast<double>(c.m.xMinStruttura) + c.m.xMaxStruttura) / 2;
  for (const Single a : {1.0f, 5.5f, 14.0f}) {
    const MoltiplicatoreCarico sinistra = Fattore(d, a, a + 3);
    const MoltiplicatoreCarico destra = Fattore(d, toSingle(2 * mezzo - a - 3), toSingle(2 * mezzo - a));
    ASSERT_EQ(sinistra.esito, EsitoCarico::Finito);
    EXPECT_NEAR(sinistra.lambda, destra.lambda, 1e-5 * sinistra.lambda) << a;
  }
}

// Every weight, load and resistance of a bridge is per metre of its width: a bridge twice as wide
// collapses at the same factor, its rocking piers and the fill over them included.
TEST(Ponte, LaLarghezzaEUnFattoreComune) {
  const DatiProgetto d = TreCampate(1.2f, 20);
  DatiProgetto largo = d;
  largo.Larghezza *= 2, largo.LarghezzaChiave *= 2;
  for (const Single a : {1.0f, 11.0f}) {
    const MoltiplicatoreCarico uno = Fattore(d, a, a + 3), due = Fattore(largo, a, a + 3);
    ASSERT_TRUE(uno.esito == EsitoCarico::Finito && due.esito == EsitoCarico::Finito);
    EXPECT_NEAR(due.lambda, uno.lambda, 1e-6 * uno.lambda) << a;
  }
}

// Three brickwork spans of 3 m on slender piers, like the bridges load-tested to collapse: the line load
// is worst nearer the crown than the quarter span, and the collapse takes the next span too.
TEST(Ponte, TreCampateInMattoniComeLeProveAlCollasso) {
  DatiProgetto d;
  d.PesoMuratura = 20, d.hRiempimento = 0.3f, d.PesoRiempimento = 18, d.Larghezza = 2.9f, d.LarghezzaChiave = 2.9f;
  d.LuceAnello = 3, d.FrecciaAnello = 0.75f, d.SpessoreAnello = 0.215f, d.nConciAnello = 30;
  d.SporgenzaParete = 0.3f, d.hRiempimentoSolido = 0.2f, d.qCarico = 1000;
  DatiCampata c;
  c.Pila = {0.44f, 3, 0, 0, 20};
  c.LuceAnello = 3, c.FrecciaAnello = 0.75f, c.SpessoreAnello = 0.215f, c.nConciAnello = 30;
  d.Campate = {c, c};
  double peggiore = 1e300, xPeggiore = 0;
  MoltiplicatoreCarico mPeggiore;
  for (Single x = 0.05f; x <= 1.6f; x += 0.05f) {
    const MoltiplicatoreCarico mc = Fattore(d, x - 0.05f, x + 0.05f);
    ASSERT_EQ(mc.esito, EsitoCarico::Finito) << x;
    if (mc.lambda < peggiore) peggiore = mc.lambda, xPeggiore = x, mPeggiore = mc;
  }
  EXPECT_GT(xPeggiore, 3 * 3.0 / 8) << "worst line load at " << xPeggiore;
  EXPECT_EQ(Presi(mPeggiore, d).first, (std::set<int>{0, 1}));
}

// Random bridges of two to four spans: the dense simplex and CLP alone reach one factor, the two in
// turn certify it, and a mechanism of one degree of freedom does the work it should.
TEST(Ponte, DueSolutoriSuPontiCasuali) {
  int confrontati = 0, lavori = 0;
  for (std::uint64_t seme = 1; seme <= 150; ++seme) {
    prova::Dado r(seme * 7919);
    DatiProgetto d = prova::ProgettoCasuale(seme);
    const int n = r.intero(1, 3);
    for (int k = 0; k < n; ++k) {
      const DatiProgetto a = prova::ProgettoCasuale(seme * 1000 + static_cast<std::uint64_t>(k));
      DatiCampata c;
      c.Pila = {static_cast<Single>(r.uniforme(0.6, 4)), static_cast<Single>(r.uniforme(1, 10)),
                static_cast<Single>(r.uniforme(0, 0.05)), static_cast<Single>(r.uniforme(0, 0.05)),
                static_cast<Single>(r.uniforme(16, 24))};
      c.nVori = a.nVori, c.Vori = a.Vori;
      c.LuceAnello = a.LuceAnello, c.FrecciaAnello = a.FrecciaAnello;
      c.SpessoreAnello = a.SpessoreAnello, c.nConciAnello = a.nConciAnello;
      c.Quota = static_cast<Single>(r.uniforme(-0.5, 0.5));
      d.Campate.push_back(c);
    }
    d.SpintaPassiva = false;
    RecordingMessages msg;
    ModelloArco m;
    try {
      CostruisciModello(d, m, msg);
    } catch (const RuntimeError&) {
      continue;  // a pier too narrow for its springings: refused, as it should be
    }
    CaricaConci(d, m, msg);
    const StaticaGiunti st(m);
    if (!(st.Qtot() > 0)) continue;
    SCOPED_TRACE(seme);
    const MoltiplicatoreCarico entrambi = AnalisiLimite(st).Moltiplicatore({});
    EXPECT_TRUE(entrambi.certificato.valido());
    const MoltiplicatoreCarico denso = AnalisiLimite(st, {}, SceltaSolutori::SoloDenso).Moltiplicatore({});
    const MoltiplicatoreCarico clp = AnalisiLimite(st, {}, SceltaSolutori::SoloClp).Moltiplicatore({});
    if (denso.esito != EsitoCarico::Finito || clp.esito != EsitoCarico::Finito) continue;
    EXPECT_NEAR(denso.lambda, clp.lambda, 1e-7 * clp.lambda);
    EXPECT_NEAR(entrambi.lambda, clp.lambda, 1e-7 * clp.lambda);
    const std::optional<double> cinematico = FattoreCinematico(st, entrambi.meccanismo);
    EXPECT_NEAR(cinematico.value_or(entrambi.lambda), entrambi.lambda, 1e-6 * entrambi.lambda);
    lavori += cinematico.has_value();
    ++confrontati;
  }
  EXPECT_GE(confrontati, 30);
  EXPECT_GE(lavori, confrontati / 2);
}

// A pier that cannot carry its springings is refused by name; the three-hinge calculation on a whole
// bridge with its reason: its hinges belong to one ring.
TEST(Ponte, PilaCheNonPortaLeImposteRifiutataPerNome) {
  RecordingMessages msg;
  ModelloArco m;
  for (const auto& [larghezza, quota, parola] :
       {std::tuple{0.3f, 0.0f, "Pila 1"}, std::tuple{1.2f, -7.0f, "Campata 2"}}) {
    DatiProgetto d = TreCampate(larghezza, 20);
    d.Campate[0].Quota = quota;
    try {
      CostruisciModello(d, m, msg);
      ADD_FAILURE() << parola;
    } catch (const RuntimeError& e) {
      EXPECT_NE(e.description().find(parola), std::string::npos) << e.description();
    }
  }
  DatiProgetto d = TreCampate(1.2f, 20);
  ModelloArco ponte;
  RecordingMessages perche;
  CostruisciModello(d, ponte, perche);
  RisultatiCalcolo r;
  EXPECT_THROW(Calcolo(d, ponte, r, perche).CalcoloMain(), RuntimeError);
  ASSERT_FALSE(perche.entries().empty());
  EXPECT_NE(perche.entries().back().text.find("campata alla volta"), std::string::npos);
}

TEST(Ponte, FileRiletto) {
  DatiProgetto d = TreCampate(1.2f, 20);
  d.Campate[1].nVori = 2;
  d.Campate[1].Vori.redim(1, 2);
  d.Campate[1].Vori(1) = {0, 0, 3, 2.5, 6, 3.5, 0.6, 18, 18, 5};
  d.Campate[1].Vori(2) = {0, 0, 9, 2.5, 12, 0, 0.6, 18, 18, 0};
  d.Campate[1].Quota = 0.5f;
  const std::string f = ::testing::TempDir() + "ponte.vro";
  RecordingMessages msg;
  ASSERT_TRUE(ScriviFileProgetto(f, d, msg));
  DatiProgetto r;
  LeggiFileProgetto(f, r, msg);
  ASSERT_EQ(r.Campate.size(), 2u);
  EXPECT_EQ(r.Campate[0].Pila, d.Campate[0].Pila);
  EXPECT_TRUE(r.Campate[1].nVori == 2 && r.Campate[1].Vori(1).X3 == 6.0 && r.Campate[1].Vori(1).Resistenza == 5.0f &&
              r.Campate[1].Quota == 0.5f);
  std::ifstream a(f, std::ios::binary);
  const std::string scritto(std::istreambuf_iterator<char>(a), {});
  ASSERT_TRUE(ScriviFileProgetto(f, r, msg));
  std::ifstream b(f, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(b), {}), scritto);
}

}  // namespace
}  // namespace voro
