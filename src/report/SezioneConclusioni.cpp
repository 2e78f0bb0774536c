// The verdict first, with what it rests on; the references last.
#include "report/SezioneConclusioni.h"

#include "arch/ImposteArco.h"
#include "data/Normative.h"
#include "report/SezioniCalcolo.h"

namespace voro {

namespace {

std::string NomeFaccia(Faccia f) { return f == Faccia::Intradosso ? "intrados" : "extrados"; }

std::string Cerniere(const std::vector<Cerniera>& c, const NumeriRapporto& num) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k)
    t += (k ? ", " : "") + num.intero(c[k].giunto) + " " + NomeFaccia(c[k].faccia);
  return t;
}

std::string NomeEsteso(Combinazione c) {
  return c == Combinazione::Inf ? "inf: permanent loads favourable" : "sup: permanent loads unfavourable";
}

bool ResistenzaFinita(const DatiProgetto& d) {
  if (d.ResistenzaAnello > 0) return true;
  for (int i = 1; i <= d.Vori.size(); ++i)
    if (d.Vori(i).Resistenza > 0) return true;
  return false;
}

// The hypotheses the verdict rests on, one sentence each.
std::string Ipotesi(const DatiProgetto& d, const ModelloArco* m, const RisultatiSicurezza& r, const Adeguatezza& a,
                    const NumeriRapporto& num) {
  const CoefficientiParziali& c = a.coefficienti;
  std::string s = "The verdict rests on the limit analysis of rigid voussoirs: no tensile strength; ";
  s += ResistenzaFinita(d) ? "the masonry's compressive strength at its design value fc / (γM FC), γM = " +
                                 num.dato(c.gM) + " and FC = " + num.dato(c.FC)
                           : "unlimited compressive strength";
  s += d.Attrito ? "; joints with the friction coefficient μ = " + num.dato(*d.Attrito) : "; joints that never slide";
  s += ". The design loads are the unit weights of masonry and fill times γG1, of the slab times γG2, and the "
       "variable load times γQ, in two combinations (every permanent load at its inf factors, then at its sup "
       "factors); the smaller live-load factor governs. ";
  if (r.posizioni.empty())
    s += "The strip load stands where the project puts it.";
  else if (r.posizioni.size() == 1)
    s += "The strip load covers the whole structure.";
  else
    s += "The strip load is moved across the structure in " + num.intero(static_cast<long>(r.posizioni.size())) +
         " positions and the least factor of all of them counts.";
  s += " Heyman's geometric factor of safety t/tmin is found for the project's own "
       "loads, every segment's thickness scaled alike while the road surface, the slab and the loads above stay where "
       "the project puts them.";
  if (d.SpintaPassiva && d.Kp != 0)
    s += " The soil's passive pressure on the voussoirs next to the springings (Kp = " + num.dato(d.Kp) +
         ") follows the design vertical loads resting on them in each combination.";
  if (m) {
    const std::string rialzo = FraseImposte(ImposteSuPareti(*m), num);
    if (!rialzo.empty()) s += " " + rialzo;
  }
  return s;
}

}  // namespace

void SezioneConclusioni::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione("Conclusions");
  if (!m_) {
    doc.paragrafo("No verdict: the voussoirs could not be built from the data, so the arch was neither solved nor "
                  "assessed.",
                  true);
    return;
  }
  if (!a_ || !r_) {
    doc.paragrafo(richiesta_ ? "No verdict: the safety assessment of the arch could not be completed."
                             : "No safety assessment was made for this report. The thrust line through three "
                               "imposed points that the results show is one state of equilibrium among many: by "
                               "itself it proves neither that the arch is safe nor that it fails. Assess the arch "
                               "for a verdict.",
                  true);
    return;
  }
  const Adeguatezza& a = *a_;
  const EsitoCombinazione& g = a.governante();
  const std::string base = NomeNormativa(d_.Normativa.base);
  std::string verdetto = a.adeguato() ? "The arch is adequate" : "The arch is not adequate";
  verdetto += " under the partial factors of the code basis \"" + base + "\"";
  if (a.fattore())
    verdetto += ": its adequacy factor is " + num.fattore(*a.fattore()) + (a.adeguato() ? " >= 1." : " < 1.");
  else if (g.esito == EsitoCarico::Illimitato)
    verdetto += ": no design variable load, however large, can turn it into a mechanism.";
  else if (g.esito == EsitoCarico::NessunCarico)
    verdetto += a.adeguato() ? ": it has no variable load, and a thrust line fits under the design permanent loads."
                             : ": it has no variable load, and no thrust line fits under the design permanent loads.";
  else
    verdetto += ": not even the design permanent loads alone find a thrust line within the masonry.";
  doc.paragrafo(verdetto, !a.adeguato());

  auto& t = doc.tabella({{"Item", "", false}, {"Value", "", false}});
  t.righe.push_back({"Verdict", a.adeguato() ? "adequate" : "not adequate"});
  t.righe.push_back({"Adequacy factor (design live-load factor)",
                     a.fattore() ? num.fattore(*a.fattore())
                                 : std::string(g.esito == EsitoCarico::Illimitato ? "no finite factor" : "none")});
  t.righe.push_back({"Governing combination", NomeEsteso(g.combinazione)});
  for (const EsitoCombinazione& e : a.combinazioni)
    if (&e != &g && e.fattore)
      t.righe.push_back({"Adequacy factor, other combination (" + NomeCombinazione(e.combinazione) + ")",
                         num.fattore(*e.fattore)});
  if (g.governante && g.governante->veicolo)
    t.righe.push_back({"Governing load", g.governante->carico + " × γQ " + num.dato(a.coefficienti.gQ) +
                                             " with the strip load, axles at x = " + num.metri(g.governante->x1) +
                                             " to " + num.metri(g.governante->x2) + " m"});
  else if (g.governante)
    t.righe.push_back({"Governing load", g.governante->carico + " " + num.dato(d_.qCarico) + " kN/m2 × γQ " +
                                             num.dato(a.coefficienti.gQ) + ", x = " + num.metri(g.governante->x1) +
                                             " to " + num.metri(g.governante->x2) + " m"});
  if (!g.meccanismo.empty())
    t.righe.push_back({"Mechanism: hinges at sections", Cerniere(g.meccanismo, num)});
  if (r_->fattoreSpessore)
    t.righe.push_back({"Geometric factor of safety t/tmin", num.fattore(*r_->fattoreSpessore)});
  t.righe.push_back({"Code basis", base + (d_.Normativa.base == BaseNormativa::Digitata
                                               ? ""
                                               : ", knowledge level " + NomeLivello(d_.Normativa.livello))});

  doc.paragrafo(Ipotesi(d_, m_, *r_, a, num));

  doc.sottosezione("Partial factors");
  auto& f = doc.tabella({{"Factor", "", false}, {"Value", ""}, {"Source", "", false}});
  for (const ClausolaFattore& c : ClausoleNormativa(d_.Normativa))
    f.righe.push_back({c.fattore, num.fattore(c.valore), c.fonte});
}

void SezioneRiferimenti::Componi(Documento& doc, const NumeriRapporto&) const {
  doc.sezione("References");
  for (const std::string& r : RiferimentiNormativa(d_.Normativa.base)) doc.paragrafo(r);
  doc.paragrafo("Heyman J. (1966). The stone skeleton. International Journal of Solids and Structures 2, 249-279.");
  doc.paragrafo("Heyman J. (1982). The Masonry Arch. Ellis Horwood, Chichester.");
}

}  // namespace voro
