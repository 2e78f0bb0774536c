// One pass of the hinge search: the threads take the grid's outer steps in
// pieces, in grid order, each evaluating blocks of lanes and keeping its own
// best point; the pieces meet in one choice ordered as the plain scan orders
// its points. A point is dropped only when it is certainly and strictly worse
// than a point already evaluated, and only after a point without fault is
// known earlier in grid order, so the choice and the first-point rule come
// out exactly as in the scan.
#include "analysis/PassoRicerca.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace voro {

namespace {

// Voussoir evaluations a thread takes at once: enough to make the taking
// cheap, few enough to share the last ones evenly and to stop at once.
constexpr std::int64_t kLavoroPezzo = 16384;

}  // namespace

PassoRicerca::PassoRicerca(const AmbienteRicerca& a, const LineeGriglia& linee)
    : a_(a),
      linee_(linee),
      c_(a.conci->corsie()),
      n_(linee.n),
      n2_(static_cast<std::int64_t>(linee.n) * linee.n),
      pezzo_(std::min(n2_, (kLavoroPezzo / std::max(1, a.conci->corsie().n) / kCorsie + 1) * kCorsie)),
      lavoratori_(static_cast<std::size_t>(a.squadra ? a.squadra->thread() : 1)),
      globale_(a.conci->corsie().distanze) {
  for (Lavoratore& w : lavoratori_) w.memoria.assign(2 * static_cast<std::size_t>(c_.n) * kCorsie, 0.0);
}

bool PassoRicerca::fermatoOra() {
  if (fermata_.load(std::memory_order_relaxed)) return true;
  if (a_.fermato && a_.fermato()) {
    fermata_.store(true, std::memory_order_relaxed);
    return true;
  }
  return false;
}

bool PassoRicerca::prendi(Pezzo& p) {
  std::lock_guard<std::mutex> lock(m_);
  if (fermatoOra()) return false;
  if (r_ == n2_) {
    if (i_ + 1 >= n_) return false;
    ++i_;
    r_ = 0;
    // Every outer step shows its caption once, in order, before any of its points.
    if (a_.passo) a_.passo(i_ + 1);
    if (fermatoOra()) return false;
  }
  p.i = i_;
  p.r0 = r_;
  p.r1 = std::min(n2_, r_ + pezzo_);
  r_ = p.r1;
  return true;
}

void PassoRicerca::consegna(const MiglioreRicerca& locale) {
  std::lock_guard<std::mutex> lock(m_);
  globale_.unisci(locale);
  if (globale_.haPunti()) {
    limite_.store(globale_.merito(), std::memory_order_relaxed);
    haLimite_.store(true, std::memory_order_release);
  }
  primo_.store(globale_.primo(), std::memory_order_relaxed);
}

Soglia PassoRicerca::soglia(const MiglioreRicerca& locale, std::int64_t indice) const {
  Soglia s;
  if (senzaLimite_) return s;
  // No point may be dropped before a point without fault is known earlier in
  // grid order: the first such point decides the first-point rule.
  if (std::min(primo_.load(std::memory_order_relaxed), locale.primo()) >= indice) return s;
  if (haLimite_.load(std::memory_order_acquire)) {
    s.attiva = true;
    s.F = limite_.load(std::memory_order_relaxed);
  }
  if (locale.haPunti() && (!s.attiva || MiglioreRicerca::peggiore(s.F, locale.merito(), c_.distanze))) {
    s.attiva = true;
    s.F = locale.merito();
  }
  return s;
}

bool PassoRicerca::riempi(PuntiCorsie& p, int l, std::int64_t indice) const {
  const auto i = static_cast<std::size_t>(indice / n2_);
  const auto j = static_cast<std::size_t>(indice % n2_ / n_);
  const auto k = static_cast<std::size_t>(indice % n_);
  const LineaCerniera &h1 = linee_.h[0], &h2 = linee_.h[1], &h3 = linee_.h[2];
  if (!h1.ok[i] || !h2.ok[j] || !h3.ok[k]) return false;
  p.e1[l] = h1.e[i];
  p.x1[l] = h1.x[i];
  p.y1[l] = h1.y[i];
  p.x2[l] = h2.x[j];
  p.y2[l] = h2.y[j];
  p.M2v[l] = h2.Mv[j];
  p.M2h[l] = h2.Mh[j];
  p.x3[l] = h3.x[k];
  p.y3[l] = h3.y[k];
  p.M3v[l] = h3.Mv[k];
  p.M3h[l] = h3.Mh[k];
  return true;
}

void PassoRicerca::valutaBlocco(Lavoratore& w, const std::int64_t* indici, int conta, MiglioreRicerca& locale) {
  PuntiCorsie& p = w.punti;
  int valida = -1;
  for (int l = 0; l < kCorsie; ++l) {
    // A point whose hinge cannot be placed is no candidate.
    p.usata[l] = l < conta && riempi(p, l, indici[l]);
    if (p.usata[l] && valida < 0) valida = l;
  }
  if (valida < 0) return;
  for (int l = 0; l < kCorsie; ++l) {
    if (p.usata[l]) continue;
    for (double* v : {p.e1, p.x1, p.y1, p.x2, p.y2, p.M2v, p.M2h, p.x3, p.y3, p.M3v, p.M3h}) v[l] = v[valida];
  }
  ValutaCorsie(a_.set, c_, p, soglia(locale, indici[0]), w.memoria.data(), w.esiti);
  for (int l = 0; l < conta; ++l) {
    if (!p.usata[l]) continue;
    if (w.esiti.stato[l] == Valutata) {
      locale.proponi(w.esiti.F[l], indici[l]);
    } else if (w.esiti.stato[l] == DaRivedere) {
      if (!w.piano) w.piano.emplace(*a_.modello, a_.bPrima, c_.sinA, c_.cosA, c_.distanze);
      const auto F = w.piano->valuta(p.e1[l], {p.x1[l], p.x2[l], p.x3[l]}, {p.y1[l], p.y2[l], p.y3[l]}, p.M2v[l],
                                     p.M2h[l], p.M3v[l], p.M3h[l]);
      if (F) locale.proponi(*F, indici[l]);
    }
  }
}

void PassoRicerca::valutaPezzo(Lavoratore& w, const Pezzo& p, MiglioreRicerca& locale) {
  const auto i = static_cast<std::size_t>(p.i);
  if (!linee_.h[0].ok[i]) return;  // hinge 1 cannot be placed: every point of the step faults
  const double distanzaImposta = c_.h1Mezzi - std::fabs(linee_.h[0].e[i]);
  const std::int64_t base = p.i * n2_;
  std::int64_t indici[kCorsie];
  for (std::int64_t r = p.r0; r < p.r1; r += kCorsie) {
    if (fermatoOra()) return;
    const std::int64_t s = base + r;
    if (c_.distanze) {
      // The springing joint's distance alone bounds the distance merit of
      // every point of the outer step.
      const Soglia sg = soglia(locale, s);
      if (sg.attiva &&
          distanzaImposta < std::nextafter(sg.F, -std::numeric_limits<float>::infinity()))
        return;
    }
    const int conta = static_cast<int>(std::min<std::int64_t>(kCorsie, p.r1 - r));
    for (int l = 0; l < conta; ++l) indici[l] = s + l;
    valutaBlocco(w, indici, conta, locale);
  }
}

void PassoRicerca::semina() {
  std::vector<int> posizioni;
  if (n_ >= 9) {
    for (int t = 0; t <= 4; ++t) posizioni.push_back(t * (n_ - 1) / 4);
  } else {
    posizioni.push_back((n_ - 1) / 2);
  }
  std::vector<std::int64_t> semi;
  for (int i : posizioni)
    for (int j : posizioni)
      for (int k : posizioni) semi.push_back((static_cast<std::int64_t>(i) * n_ + j) * n_ + k);
  MiglioreRicerca locale(c_.distanze);
  for (std::size_t q = 0; q < semi.size(); q += kCorsie) {
    const int conta = static_cast<int>(std::min<std::size_t>(kCorsie, semi.size() - q));
    valutaBlocco(lavoratori_[0], semi.data() + q, conta, locale);
  }
  consegna(locale);
}

double PassoRicerca::campiona(bool senzaLimite) {
  senzaLimite_ = senzaLimite;
  // Pieces spread over the grid, each timed twice from the same bound: the
  // shorter time leaves out what other programs took from this thread.
  constexpr int kPezzi = 16;
  double secondi = 0;
  std::int64_t punti = 0;
  for (int q = 0; q < kPezzi; ++q) {
    Pezzo p;
    p.i = q * (n_ - 1) / (kPezzi - 1);
    p.r0 = std::min(n2_ - 1, (q * 7 % kPezzi) * n2_ / kPezzi);
    p.r1 = std::min(n2_, p.r0 + pezzo_);
    double migliore = std::numeric_limits<double>::infinity();
    for (int volta = 0; volta < 2; ++volta) {
      MiglioreRicerca scarto(c_.distanze);
      const auto inizio = std::chrono::steady_clock::now();
      valutaPezzo(lavoratori_[0], p, scarto);
      const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
      migliore = std::min(migliore, durata.count());
    }
    secondi += migliore;
    punti += p.r1 - p.r0;
  }
  senzaLimite_ = false;
  return secondi / static_cast<double>(std::max<std::int64_t>(punti, 1));
}

bool PassoRicerca::percorri() {
  auto compito = [this](int k) {
    Lavoratore& w = lavoratori_[static_cast<std::size_t>(k)];
    Pezzo p;
    while (prendi(p)) {
      MiglioreRicerca locale(c_.distanze);
      valutaPezzo(w, p, locale);
      consegna(locale);
    }
  };
  if (a_.squadra) a_.squadra->esegui(compito);
  else compito(0);
  return !fermata_.load();
}

std::optional<std::array<int, 3>> PassoRicerca::scelta() const {
  const auto indice = globale_.scelta();
  if (!indice) return std::nullopt;
  return std::array<int, 3>{static_cast<int>(*indice / n2_), static_cast<int>(*indice % n2_ / n_),
                            static_cast<int>(*indice % n_)};
}

}  // namespace voro
