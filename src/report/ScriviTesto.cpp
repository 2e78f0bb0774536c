// Writing the report document as text.
#include "report/ScriviTesto.h"

#include <algorithm>
#include <sstream>

namespace voro {

namespace {

constexpr std::size_t kLarghezza = 78;
// A table's line at most; its columns of words wrap to no less than kColonnaMinima.
constexpr std::size_t kLarghezzaTabella = 100;
constexpr std::size_t kColonnaMinima = 16;

std::string riempi(const std::string& s, std::size_t larghezza, bool destra) {
  const std::size_t n = ColonneTesto(s);
  const std::string spazi(n < larghezza ? larghezza - n : 0, ' ');
  return destra ? spazi + s : s + spazi;
}

void sottolinea(std::ostream& out, const std::string& s, char c) {
  out << s << "\n" << std::string(ColonneTesto(s), c) << "\n";
}

void paragrafo(std::ostream& out, const std::string& testo) {
  std::istringstream parole(testo);
  std::string riga, parola;
  while (parole >> parola) {
    if (!riga.empty() && ColonneTesto(riga) + 1 + ColonneTesto(parola) > kLarghezza) {
      out << riga << "\n";
      riga.clear();
    }
    riga += (riga.empty() ? "" : " ") + parola;
  }
  if (!riga.empty()) out << riga << "\n";
}

// A cell's text broken at spaces into lines of at most larghezza columns (a
// longer word stands alone on its line).
std::vector<std::string> spezza(const std::string& testo, std::size_t larghezza) {
  std::vector<std::string> righe;
  std::istringstream parole(testo);
  std::string riga, parola;
  while (parole >> parola) {
    if (!riga.empty() && ColonneTesto(riga) + 1 + ColonneTesto(parola) > larghezza) {
      righe.push_back(riga);
      riga.clear();
    }
    riga += (riga.empty() ? "" : " ") + parola;
  }
  righe.push_back(riga);
  return righe;
}

void tabella(std::ostream& out, const Tabella& t) {
  std::vector<std::size_t> larghezze;
  for (const Colonna& c : t.colonne) larghezze.push_back(ColonneTesto(c.intestazione()));
  for (const auto& r : t.righe)
    for (std::size_t i = 0; i < r.size() && i < larghezze.size(); ++i)
      larghezze[i] = std::max(larghezze[i], ColonneTesto(r[i]));
  // A table wider than a line wraps its widest columns of words, never a
  // column of numbers, down to a readable width.
  auto totale = [&larghezze] {
    std::size_t n = 1;
    for (std::size_t i = 0; i < larghezze.size(); ++i) n += larghezze[i] + (i ? 2 : 0);
    return n;
  };
  while (totale() > kLarghezzaTabella) {
    std::size_t piu = larghezze.size();
    for (std::size_t i = 0; i < larghezze.size(); ++i)
      if (!t.colonne[i].numerica && larghezze[i] > kColonnaMinima && (piu == larghezze.size() || larghezze[i] > larghezze[piu]))
        piu = i;
    if (piu == larghezze.size()) break;
    // One column at a time, a character at a time: the widest columns of
    // words end equally wide rather than one squeezed to its minimum.
    --larghezze[piu];
  }
  auto riga = [&](const std::vector<std::string>& celle) {
    std::vector<std::vector<std::string>> pezzi;
    std::size_t alte = 1;
    for (std::size_t i = 0; i < larghezze.size(); ++i) {
      const std::string cella = i < celle.size() ? celle[i] : "";
      pezzi.push_back(ColonneTesto(cella) > larghezze[i] ? spezza(cella, larghezze[i]) : std::vector{cella});
      alte = std::max(alte, pezzi.back().size());
    }
    for (std::size_t k = 0; k < alte; ++k) {
      std::string s;
      for (std::size_t i = 0; i < larghezze.size(); ++i)
        s += (i ? "  " : " ") + riempi(k < pezzi[i].size() ? pezzi[i][k] : "", larghezze[i], t.colonne[i].numerica);
      while (!s.empty() && s.back() == ' ') s.pop_back();
      out << s << "\n";
    }
  };
  std::vector<std::string> intestazioni, trattini;
  for (std::size_t i = 0; i < t.colonne.size(); ++i) {
    intestazioni.push_back(t.colonne[i].intestazione());
    trattini.push_back(std::string(larghezze[i], '-'));
  }
  riga(intestazioni);
  riga(trattini);
  for (const auto& r : t.righe) riga(r);
}

}  // namespace

std::size_t ColonneTesto(const std::string& s) {
  return static_cast<std::size_t>(
      std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void ScriviTesto(std::ostream& out, const Documento& doc) {
  int figure = 0;
  bool primo = true;
  for (const Blocco& b : doc.blocchi) {
    if (!primo) out << "\n";
    primo = false;
    if (const auto* t = std::get_if<BloccoTitolo>(&b)) {
      sottolinea(out, t->titolo, '=');
      std::size_t w = 0;
      for (const auto& [k, v] : t->voci) w = std::max(w, ColonneTesto(k));
      for (const Firma& f : t->firme) w = std::max(w, ColonneTesto(f.ruolo));
      if (!t->voci.empty() || !t->firme.empty()) out << "\n";
      for (const auto& [k, v] : t->voci) out << riempi(k + ":", w + 2, false) << v << "\n";
      // The line for signing, and under it who signs; a blank for what is not given.
      for (const Firma& f : t->firme) {
        out << riempi(f.ruolo + ":", w + 2, false) << std::string(40, '_') << "\n";
        for (const auto& [k, v] : f.voci)
          out << std::string(w + 2, ' ') << k << ": " << (v.empty() ? std::string(20, '_') : v) << "\n";
      }
    } else if (const auto* h = std::get_if<Intestazione>(&b)) {
      if (h->livello <= 1) out << "\n";
      sottolinea(out, h->testo, h->livello <= 1 ? '=' : '-');
    } else if (const auto* p = std::get_if<Paragrafo>(&b)) {
      paragrafo(out, p->avviso ? "*** " + p->testo : p->testo);
    } else if (const auto* t = std::get_if<Tabella>(&b)) {
      tabella(out, *t);
    } else if (const auto* f = std::get_if<Figura>(&b)) {
      paragrafo(out, Componi(doc.didascalia, {std::to_string(++figure)}) + f->didascalia + doc.soloNeiDisegni);
    }
  }
}

}  // namespace voro
