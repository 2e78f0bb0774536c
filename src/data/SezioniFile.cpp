// The tagged lines of the project file and their fields.
#include "data/SezioniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "data/Cp1252.h"
#include "data/Normative.h"
#include "data/ProjectFile.h"

namespace voro {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && isBlank(s[a])) ++a;
  while (b > a && isBlank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

template <typename T>
std::string shortest(T x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, res.ptr);
}

}  // namespace

namespace {

// "Resistenza",fc of the ring,mu (empty: none),mobilisation,fc of segment 1,...
// The segments' strengths are written up to the last one that is not 0.
SezioneFile sezioneResistenza() {
  SezioneFile s;
  s.etichetta = "Resistenza";
  s.scrivi = [](const DatiProgetto& d) {
    std::vector<std::string> segmenti;
    for (int i = 1; i <= d.Vori.size(); ++i) segmenti.push_back(CampoNumero(d.Vori(i).Resistenza));
    while (!segmenti.empty() && segmenti.back() == CampoNumero(0.0f)) segmenti.pop_back();
    if (d.ResistenzaAnello == 0 && !d.Attrito && d.Mobilitazione == 1 && segmenti.empty())
      return std::vector<std::string>{};
    std::vector<std::string> v{CampoNumero(d.ResistenzaAnello), d.Attrito ? CampoNumero(*d.Attrito) : "",
                               CampoNumero(d.Mobilitazione)};
    v.insert(v.end(), segmenti.begin(), segmenti.end());
    return v;
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni*, std::string&) {
    if (v.size() < 3) return false;
    float fc = 0, mu = 0, mob = 0;
    if (!LeggiNumero(v[0], fc) || !LeggiNumero(v[2], mob)) return false;
    std::optional<Single> attrito;
    if (v[1].find_first_not_of(" \t") != std::string::npos) {
      if (!LeggiNumero(v[1], mu)) return false;
      attrito = mu;
    }
    std::vector<float> segmenti(v.size() - 3);
    for (std::size_t i = 3; i < v.size(); ++i)
      if (!LeggiNumero(v[i], segmenti[i - 3])) return false;
    d.ResistenzaAnello = fc;
    d.Attrito = attrito;
    d.Mobilitazione = mob;
    for (std::size_t i = 0; i < segmenti.size() && static_cast<int>(i) + 1 <= d.Vori.size(); ++i)
      d.Vori(static_cast<int>(i) + 1).Resistenza = segmenti[i];
    return true;
  };
  return s;
}

// "Veicolo","name",track s,contact width w,P1,d1,a1,P2,d2,a2,...[,"rail"]:
// the category only for a rail vehicle, so that a road vehicle is written as
// the files before the category have it.
SezioneFile sezioneVeicolo() {
  SezioneFile s;
  s.etichetta = "Veicolo";
  s.scrivi = [](const DatiProgetto& d) {
    std::vector<std::string> v;
    if (!d.VeicoloCarico) return v;
    const Veicolo& w = *d.VeicoloCarico;
    v = {CampoTesto(w.Nome), CampoNumero(w.Carreggiata), CampoNumero(w.LarghezzaImpronta)};
    for (const AsseVeicolo& a : w.Assi) {
      v.push_back(CampoNumero(a.P));
      v.push_back(CampoNumero(a.d));
      v.push_back(CampoNumero(a.a));
    }
    if (w.Ferroviario()) v.push_back(CampoTesto(TestoCategoria(w.Categoria)));
    return v;
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni* lingua, std::string& perche) {
    const bool categoria = v.size() >= 7 && (v.size() - 3) % 3 == 1;
    if (v.size() < 6 || ((v.size() - 3) % 3 != 0 && !categoria)) return false;
    Veicolo w;
    if (!LeggiTesto(v[0], w.Nome) || !LeggiNumero(v[1], w.Carreggiata) || !LeggiNumero(v[2], w.LarghezzaImpronta))
      return false;
    if (categoria) {
      std::string testo;
      LeggiTesto(v.back(), testo);
      const auto c = LeggiCategoria(testo);
      if (!c) return false;
      w.Categoria = *c;
    }
    for (std::size_t k = 3; k + 2 < v.size(); k += 3) {
      AsseVeicolo a;
      if (!LeggiNumero(v[k], a.P) || !LeggiNumero(v[k + 1], a.d) || !LeggiNumero(v[k + 2], a.a)) return false;
      w.Assi.push_back(a);
    }
    // A vehicle that could not be driven is a damaged file, not a load.
    if (auto e = ErroreVeicolo(w, lingua)) {
      perche = *e;
      return false;
    }
    d.VeicoloCarico = std::move(w);
    return true;
  };
  return s;
}

// "Normativa",code basis (0 as typed, 1 EN, 2 NTC),knowledge level (1..3, 0
// not given),gG1sup,gG1inf,gG2sup,gG2inf,gQ,gM (empty: not given),FC[,gMu[,gR
// [,gQf[,alpha[,phi[,track]]]]]]: the later fields only up to the last that
// differs from its default (gMu, gR 1; gQf, alpha the code's, or gQ and 1 as
// typed; phi 0, found from the arch; track 0 carefully maintained, 1
// standard), so that the files written before them read and write alike.
SezioneFile sezioneNormativa() {
  SezioneFile s;
  s.etichetta = "Normativa";
  s.scrivi = [](const DatiProgetto& d) {
    const DatiNormativa& n = d.Normativa;
    if (n == DatiNormativa{}) return std::vector<std::string>{};
    const CoefficientiParziali& c = n.coefficienti;
    const bool gMDato = n.gMDato || c.gM != 1;
    std::vector<std::string> v{std::to_string(static_cast<int>(n.base)),
                               std::to_string(n.livello ? static_cast<int>(*n.livello) + 1 : 0),
                               CampoNumero(c.gG1sup), CampoNumero(c.gG1inf), CampoNumero(c.gG2sup),
                               CampoNumero(c.gG2inf), CampoNumero(c.gQ), gMDato ? CampoNumero(c.gM) : std::string(),
                               CampoNumero(c.FC)};
    CoefficientiParziali p = c;
    FattoriFerroviariPredefiniti(n.base, p);
    const bool standard = n.manutenzione == ManutenzioneBinario::Standard;
    const std::string coda[] = {CampoNumero(c.gMu), CampoNumero(c.gR), CampoNumero(c.gQf), CampoNumero(c.alpha),
                                CampoNumero(c.phi), standard ? "1" : "0"};
    const bool diversi[] = {c.gMu != 1, c.gR != 1, c.gQf != p.gQf, c.alpha != p.alpha, c.phi != 0, standard};
    std::size_t n0 = 6;
    while (n0 > 0 && !diversi[n0 - 1]) --n0;
    v.insert(v.end(), coda, coda + n0);
    return v;
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni*, std::string&) {
    if (v.size() < 9) return false;
    float base = 0, livello = 0;
    CoefficientiParziali c;
    if (!LeggiNumero(v[0], base) || !LeggiNumero(v[1], livello)) return false;
    if (!(base == 0 || base == 1 || base == 2) || !(livello == 0 || livello == 1 || livello == 2 || livello == 3))
      return false;
    const bool gMDato = !v[7].empty();
    float* fattori[] = {&c.gG1sup, &c.gG1inf, &c.gG2sup, &c.gG2inf, &c.gQ, &c.gM, &c.FC};
    for (std::size_t k = 0; k < 7; ++k)
      if ((k != 5 || gMDato) && !LeggiNumero(v[k + 2], *fattori[k])) return false;
    const auto b = static_cast<BaseNormativa>(static_cast<int>(base));
    FattoriFerroviariPredefiniti(b, c);
    float traccia = 0;
    if (v.size() > 9 && (!LeggiNumero(v[9], c.gMu) || !(c.gMu > 0))) return false;
    if (v.size() > 10 && (!LeggiNumero(v[10], c.gR) || !(c.gR > 0))) return false;
    if (v.size() > 11 && (!LeggiNumero(v[11], c.gQf) || c.gQf < 0)) return false;
    if (v.size() > 12 && (!LeggiNumero(v[12], c.alpha) || !(c.alpha > 0))) return false;
    if (v.size() > 13 && (!LeggiNumero(v[13], c.phi) || c.phi < 0)) return false;
    if (v.size() > 14 && (!LeggiNumero(v[14], traccia) || !(traccia == 0 || traccia == 1))) return false;
    d.Normativa.base = b;
    d.Normativa.livello = livello == 0 ? std::nullopt
                                       : std::optional(static_cast<LivelloConoscenza>(static_cast<int>(livello) - 1));
    d.Normativa.gMDato = gMDato;
    d.Normativa.coefficienti = c;
    d.Normativa.manutenzione = traccia == 1 ? ManutenzioneBinario::Standard : ManutenzioneBinario::Accurata;
    return true;
  };
  return s;
}

// "Diffusione",rule ("1:2", "30", "45" or the degrees typed)
SezioneFile sezioneDiffusione() {
  SezioneFile s;
  s.etichetta = "Diffusione";
  s.scrivi = [](const DatiProgetto& d) {
    if (d.DiffusioneCarico == Diffusione{}) return std::vector<std::string>{};
    return std::vector<std::string>{CampoTesto(d.DiffusioneCarico.Testo())};
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni*, std::string&) {
    std::string testo;
    if (v.size() != 1 || !LeggiTesto(v[0], testo)) return false;
    const auto r = LeggiDiffusione(testo);
    if (!r) return false;
    d.DiffusioneCarico = *r;
    return true;
  };
  return s;
}

// "Cartiglio","structure reference","client","engineer","checker","approver","revision","status"
// then, only when one of them is given: "document number","location","owner","purpose" and
// each signature's "registration","date" (engineer, checker, approver).
SezioneFile sezioneCartiglio() {
  SezioneFile s;
  s.etichetta = "Cartiglio";
  s.scrivi = [](const DatiProgetto& d) {
    std::vector<std::string> v;
    const auto campi = CampiCartiglio(d.Cartiglio);
    for (const std::string* c : campi) v.push_back(CampoTesto(*c));
    // A project that names none of the later fields keeps the line it always had.
    const bool nuovi = std::any_of(campi.begin() + kCampiCartiglioPrimi, campi.end(),
                                   [](const std::string* c) { return !c->empty(); });
    if (!nuovi) v.resize(d.Cartiglio == Cartiglio{} ? 0 : kCampiCartiglioPrimi);
    return v;
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni*, std::string&) {
    if (v.size() < kCampiCartiglioPrimi) return false;
    Cartiglio c;
    const auto campi = CampiCartiglio(c);
    for (std::size_t k = 0; k < std::min(v.size(), campi.size()); ++k) LeggiTesto(v[k], *campi[k]);
    d.Cartiglio = c;
    return true;
  };
  return s;
}

// "Campate", then for each span after the first: its pier's width, height,
// left and right batter and unit weight; the span's level, fc and segment
// count; then its ring's span, rise, thickness and voussoirs, or for each
// segment x2,y2,x3,y3,thickness,voussoirs,fc. Absent for a single arch.
SezioneFile sezioneCampate() {
  SezioneFile s;
  s.etichetta = "Campate";
  s.scrivi = [](const DatiProgetto& d) {
    std::vector<std::string> v;
    for (const DatiCampata& c : d.Campate) {
      const DatiPila& p = c.Pila;
      for (const Single x : {p.Larghezza, p.Altezza, p.ScarpaSinistra, p.ScarpaDestra, p.PesoUnita, c.Quota,
                             c.ResistenzaAnello})
        v.push_back(CampoNumero(x));
      v.push_back(std::to_string(c.nVori));
      if (c.nVori <= 1) {
        for (const Single x : {c.LuceAnello, c.FrecciaAnello, c.SpessoreAnello, c.nConciAnello})
          v.push_back(CampoNumero(x));
        continue;
      }
      for (int i = 1; i <= c.nVori; ++i) {
        const DatiVoro w = c.Vori.contains(i) ? c.Vori(i) : DatiVoro{};
        for (const double x : {w.X2, w.Y2, w.X3, w.Y3, w.Spessore}) v.push_back(CampoNumero(x));
        v.push_back(std::to_string(w.nConciInput));
        v.push_back(CampoNumero(w.Resistenza));
      }
    }
    return v;
  };
  s.leggi = [](const std::vector<std::string>& v, DatiProgetto& d, const Traduzioni*, std::string&) {
    std::vector<DatiCampata> campate;
    std::size_t k = 0;
    auto numero = [&](auto& x) { return k < v.size() && LeggiNumero(v[k++], x); };
    while (k < v.size()) {
      DatiCampata c;
      DatiPila& p = c.Pila;
      float n = 0;
      for (Single* x : {&p.Larghezza, &p.Altezza, &p.ScarpaSinistra, &p.ScarpaDestra, &p.PesoUnita, &c.Quota,
                        &c.ResistenzaAnello})
        if (!numero(*x)) return false;
      if (!numero(n) || n != std::floor(n) || n < 1 || n > 100) return false;
      c.nVori = static_cast<Integer>(n);
      if (c.nVori == 1) {
        for (Single* x : {&c.LuceAnello, &c.FrecciaAnello, &c.SpessoreAnello, &c.nConciAnello})
          if (!numero(*x)) return false;
      } else {
        c.Vori.redim(1, c.nVori);
        for (int i = 1; i <= c.nVori; ++i) {
          DatiVoro& w = c.Vori(i);
          float nc = 0;
          for (double* x : {&w.X2, &w.Y2, &w.X3, &w.Y3, &w.Spessore})
            if (!numero(*x)) return false;
          if (!numero(nc) || nc != std::floor(nc) || std::fabs(nc) > 32767) return false;
          if (!numero(w.Resistenza)) return false;
          w.nConciInput = w.nConci = static_cast<Integer>(nc);
        }
      }
      campate.push_back(std::move(c));
      // A bridge has at most 20 spans.
      if (campate.size() > kMaxCampate - 1) return false;
    }
    d.Campate = std::move(campate);
    return true;
  };
  return s;
}

}  // namespace

const std::vector<SezioneFile>& SezioniFile() {
  static const std::vector<SezioneFile> sezioni{sezioneResistenza(), sezioneVeicolo(), sezioneDiffusione(),
                                                sezioneNormativa(), sezioneCartiglio(), sezioneCampate()};
  return sezioni;
}

std::string CampoNumero(double x) { return shortest(std::isfinite(x) ? x : 0.0); }
std::string CampoNumero(float x) { return shortest(std::isfinite(x) ? x : 0.0f); }
std::string CampoTesto(const std::string& s) { return "\"" + utf8ToCp1252(TitoloPerFile(s)) + "\""; }

// Optional sign, digits with an optional decimal point (the leading zero may
// be missing), optional exponent; an empty field reads 0.
bool LeggiNumero(const std::string& campo, double& x) {
  std::string s = trimmed(campo);
  if (s.empty()) {
    x = 0;
    return true;
  }
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    s[i] = 'E';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  const double v = std::strtod(s.c_str(), nullptr);
  if (!std::isfinite(v)) return false;
  x = v;
  return true;
}

bool LeggiNumero(const std::string& campo, float& x) {
  double v = 0;
  if (!LeggiNumero(campo, v)) return false;
  const float f = static_cast<float>(v);
  if (!std::isfinite(f)) return false;
  x = f;
  return true;
}

bool LeggiVero(const std::string& campo, bool& b) {
  std::string t = trimmed(campo);
  for (auto& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (t != "#TRUE#" && t != "#FALSE#") return false;
  b = t == "#TRUE#";
  return true;
}

bool LeggiTesto(const std::string& campo, std::string& s) {
  std::string t = trimmed(campo);
  if (!t.empty() && t.front() == '"') {
    t.erase(0, 1);
    if (!t.empty() && t.back() == '"') t.pop_back();
  }
  s = cp1252ToUtf8(t);
  return true;
}

}  // namespace voro
