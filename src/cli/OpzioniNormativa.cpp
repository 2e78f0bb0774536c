// Reading and applying --code, --knowledge and --factor.
#include "cli/OpzioniNormativa.h"

#include "data/Normative.h"
#include "data/SezioniFile.h"

namespace voro::cli {

SceltaNormativa LeggiSceltaNormativa(const Argomenti& a) {
  SceltaNormativa s;
  if (const auto code = a.valore("--code")) {
    s.base = LeggiBaseNormativa(*code);
    if (!s.base) throw ErroreUso("--code is en, ntc or typed");
  }
  if (const auto lc = a.valore("--knowledge")) {
    s.livello = LeggiLivello(*lc);
    if (!s.livello) throw ErroreUso("--knowledge is LC1, LC2 or LC3");
  }
  if (const auto t = a.valore("--track")) {
    if (*t != "careful" && *t != "standard") throw ErroreUso("--track is careful or standard");
    s.manutenzione = *t == "careful" ? ManutenzioneBinario::Accurata : ManutenzioneBinario::Standard;
  }
  for (const std::string& f : a.valori("--factor")) {
    const auto uguale = f.find('=');
    const std::string nome = f.substr(0, uguale);
    CoefficientiParziali prova;
    if (uguale == std::string::npos || !FattorePerNome(prova, nome))
      throw ErroreUso("--factor takes NAME=VALUE with NAME one of gG1sup, gG1inf, gG2sup, gG2inf, gQ, gM, FC, gMu, gR, gQrail, alpha, phi: " + f);
    float valore = 0;
    const std::string testo = f.substr(uguale + 1);
    if (testo.find_first_not_of(" \t") == std::string::npos || !LeggiNumero(testo, valore))
      throw ErroreUso("--factor " + nome + " needs a number: " + f);
    s.fattori.emplace_back(nome, valore);
  }
  return s;
}

void ApplicaSceltaNormativa(const SceltaNormativa& s, DatiNormativa& n) {
  if (s.base) ApplicaNormativa(n, *s.base);
  if (s.livello) ApplicaLivello(n, *s.livello);
  if (s.manutenzione) n.manutenzione = *s.manutenzione;
  for (const auto& [nome, valore] : s.fattori) {
    *FattorePerNome(n.coefficienti, nome) = valore;
    if (nome == "gM") n.gMDato = true;
  }
}

}  // namespace voro::cli
