// What a code basis's verdict is missing, and the sentence that says so.
#include "data/Mancanze.h"

#include "data/Traduzioni.h"

namespace voro {

namespace {

template <class Anello>
bool ResistenzaAnello(const Anello& a) {
  if (a.nVori <= 1) return a.ResistenzaAnello > 0;
  for (int i = 1; i <= a.Vori.size(); ++i)
    if (!(a.Vori(i).Resistenza > 0)) return false;
  return true;
}

}  // namespace

bool ResistenzaOvunque(const DatiProgetto& d) {
  if (!ResistenzaAnello(d)) return false;
  for (const DatiCampata& c : d.Campate)
    if (!ResistenzaAnello(c)) return false;
  return true;
}

MancanzeVerdetto Mancanze(const DatiProgetto& d) {
  MancanzeVerdetto m;
  if (d.Normativa.base == BaseNormativa::Digitata) return m;
  m.livello = !d.Normativa.livello;
  m.gM = !d.Normativa.gMDato;
  m.resistenza = !ResistenzaOvunque(d);
  return m;
}

std::string TestoMancanze(const MancanzeVerdetto& m, const Regional& lingua) {
  if (m.nessuna()) return {};
  std::string cosa;
  auto aggiungi = [&cosa](const std::string& t) { cosa += (cosa.empty() ? "" : "; ") + t; };
  if (m.resistenza)
    aggiungi(lingua.traduci("Voro", "crushing not checked: the masonry's compressive strength fc is not given for "
                                    "every ring"));
  if (m.gM) aggiungi(lingua.traduci("Voro", "the masonry's partial factor γM is not given"));
  if (m.livello) aggiungi(lingua.traduci("Voro", "the knowledge level (LC1, LC2 or LC3) is not given"));
  return Componi(lingua.traduci("Voro", "No verdict: %1. The figures under the stated hypotheses are given "
                                        "below; they are not a verdict of the code."),
                 {cosa});
}

}  // namespace voro
