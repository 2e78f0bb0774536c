// The verdict first, with what it rests on; the references last.
#include "report/SezioneConclusioni.h"

#include "arch/ImposteArco.h"
#include "data/Mancanze.h"
#include "data/Normative.h"
#include "data/TrafficoFerroviario.h"
#include "data/Traduzioni.h"
#include "report/SezioneValutazione.h"
#include "report/SezioniCalcolo.h"

namespace voro {

namespace {

std::string Cerniere(const ModelloArco& m, const std::vector<Cerniera>& c, const NumeriRapporto& num) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k)
    t += (k ? ", " : "") + NomeSezione(m, c[k].giunto, num) + " " + NomeFaccia(c[k].faccia, num);
  return t;
}

// A bridge's mechanism: the spans its hinges lie in, and the piers whose
// base is among them with the edge each rocks about (or that it slides).
void SpanEPile(const ModelloArco& m, const std::vector<Cerniera>& c, const NumeriRapporto& num, std::string& campate,
               std::string& pile) {
  std::vector<int> inCampata(m.Campate.size(), 0);
  for (const Cerniera& h : c) {
    ModelloArco::LuogoGiunto l;
    if (!m.Luogo(h.giunto, l)) continue;
    if (l.campata >= 0) {
      inCampata[static_cast<std::size_t>(l.campata)] = 1;
      continue;
    }
    const std::string come = h.tipo == TipoCerniera::Scorrimento ? num.traduci("Rapporto", "slides")
                             : h.faccia == Faccia::Intradosso    ? num.traduci("Rapporto", "rocks about its left edge")
                                                                 : num.traduci("Rapporto", "rocks about its right edge");
    pile += (pile.empty() ? "" : ", ") +
            voro::Componi(num.traduci("Rapporto", "pier %1 %2"), {num.intero(l.pila + 1), come});
  }
  for (std::size_t k = 0; k < inCampata.size(); ++k)
    if (inCampata[k]) campate += (campate.empty() ? "" : ", ") + num.intero(static_cast<long>(k + 1));
  if (pile.empty()) pile = num.traduci("Rapporto", "none: every pier stands as a rigid support");
}

std::string DescriviCombinazione(Combinazione c, const NumeriRapporto& num) {
  switch (c) {
    case Combinazione::Inf: return num.traduci("Rapporto", "inf: permanent loads favourable");
    case Combinazione::Sup: return num.traduci("Rapporto", "sup: permanent loads unfavourable");
    case Combinazione::G1SupG2Inf:
      return num.traduci("Rapporto", "G1 sup, G2 inf: structural permanent loads unfavourable, slab and surfacing "
                                     "favourable");
    case Combinazione::G1InfG2Sup:
      return num.traduci("Rapporto", "G1 inf, G2 sup: structural permanent loads favourable, slab and surfacing "
                                     "unfavourable");
  }
  return {};
}

// The combination in words, with its factors on the permanent loads: a
// factor 0 on the slab and surfacing leaves them out altogether.
std::string NomeEsteso(Combinazione c, const CoefficientiParziali& k, const NumeriRapporto& num) {
  const auto [g1, g2] = FattoriPermanenti(k, c);
  std::string fattori = voro::Componi(num.traduci("Rapporto", " (γG1 = %1, γG2 = %2"), {num.dato(g1), num.dato(g2)});
  if (g2 == 0) fattori += num.traduci("Rapporto", ": the slab and surfacing left out");
  return DescriviCombinazione(c, num) + fattori + ")";
}


// The hypotheses the verdict rests on, one sentence each.
std::string Ipotesi(const DatiProgetto& d, const ModelloArco* m, const RisultatiSicurezza& r, const Adeguatezza& a,
                    const NumeriRapporto& num) {
  const CoefficientiParziali& c = a.coefficienti;
  const std::string resistenza =
      r.resistenzaFinita
          ? voro::Componi(num.traduci("Rapporto",
                                      "the masonry's compressive strength at its design value fd = fc / (γM FC), "
                                      "γM = %1 and FC = %2%3"),
                          {num.dato(c.gM), num.dato(c.FC),
                           d.nVori <= 1 && d.Campate.empty()
                               ? voro::Componi(num.traduci("Rapporto", ", fd = %1 MPa"),
                                               {num.MPa(1000.0 * d.ResistenzaAnello / (c.gM * c.FC))})
                               : std::string()})
          : num.traduci("Rapporto", "unlimited compressive strength (Heyman's hypothesis: crushing is not checked)");
  const std::string giunti = d.Attrito
                                 ? voro::Componi(num.traduci("Rapporto", "joints with the design friction coefficient "
                                                                         "μ / γμ = %1 / %2 = %3"),
                                                 {num.dato(*d.Attrito), num.dato(c.gMu),
                                                  num.fattore(*d.Attrito / c.gMu)})
                                 : num.traduci("Rapporto", "joints that never slide");
  std::string s = voro::Componi(num.traduci("Rapporto",
                                            "The verdict rests on the limit analysis of rigid voussoirs: no "
                                            "tensile strength; %1; %2."),
                                {resistenza, giunti});
  s += num.traduci("Rapporto", " The design loads are the unit weights of masonry and fill times γG1, of the slab "
                               "times γG2, and the variable load times γQ, in every combination of γG1 and γG2 each "
                               "at its inf or its sup value; the smallest live-load factor governs. ");
  if (d.VeicoloCarico && d.VeicoloCarico->Ferroviario())
    s += voro::Componi(num.traduci("Rapporto",
                                   "The rail vehicle's axle loads are taken at γQ,rail α Φ = %1 times their "
                                   "characteristic values instead of γQ; the strip load keeps γQ. The vehicle's own "
                                   "live-load factor is of its axle loads as listed, without α and Φ. "),
                       {num.fattore(FattoreVeicolo(d, c))});
  if (r.posizioni.empty())
    s += num.traduci("Rapporto", "The strip load stands where the project puts it.");
  else if (r.posizioni.size() == 1)
    s += num.traduci("Rapporto", "The strip load covers the whole structure.");
  else
    s += voro::Componi(num.traduci("Rapporto",
                                   "The strip load is moved across the structure in %1 positions and the least "
                                   "factor of all of them counts."),
                       {num.intero(static_cast<long>(r.posizioni.size()))});
  s += num.traduci("Rapporto", " The thickness factor t/tmin is found for the project's own loads under the "
                               "hypotheses of the assessment, every segment's thickness scaled alike while the road "
                               "surface, the slab and the loads above stay where the project puts them.");
  if (d.SpintaPassiva && d.Kp != 0)
    s += voro::Componi(num.traduci("Rapporto",
                                   " The soil's passive pressure on the voussoirs next to the springings (Kp = "
                                   "%1) is a resistance bounded by the characteristic vertical loads resting on them, "
                                   "divided by γR = %2."),
                       {num.dato(d.Kp), num.dato(c.gR)});
  if (m) {
    const std::string rialzo = FraseImposte(ImposteSuPareti(*m), num);
    if (!rialzo.empty()) s += " " + rialzo;
  }
  return s;
}

// What the adequacy factor means, and the characteristic variable load the
// arch carries at adequacy 1: the governing load times the factor, since the
// factor multiplies only the variable loads.
std::string SensoFattore(const DatiProgetto& d, const RisultatiSicurezza& r, const Adeguatezza& a,
                         const NumeriRapporto& num) {
  const double f = *a.fattore();
  const CaricoGovernante& g = *a.governante().governante;
  const std::string resistenza = r.resistenzaFinita
                                     ? num.traduci("Rapporto", "the masonry's strength at its design value")
                                     : num.traduci("Rapporto", "unlimited compressive strength");
  // The vehicle as the design sweep drove it, its axles at P times the
  // vehicle's factor: gQ for road traffic, gQf alpha Phi for rail.
  const std::optional<RisultatiVeicolo>& v = a.governante().veicolo;
  const double fattoreVeicolo = FattoreVeicolo(d, a.coefficienti);
  const bool ferroviario = d.VeicoloCarico && d.VeicoloCarico->Ferroviario();
  const std::string fattori =
      ferroviario ? voro::Componi(num.traduci("Rapporto", "γQ %1, the rail axles × γQ,rail α Φ %2"),
                                  {num.dato(a.coefficienti.gQ), num.fattore(fattoreVeicolo)})
                  : "γQ " + num.dato(a.coefficienti.gQ);
  std::string carico;
  if (g.veicolo && v && fattoreVeicolo > 0) {
    std::string assi;
    for (const AsseVeicolo& asse : v->veicolo.Assi)
      assi += (assi.empty() ? "" : " + ") + num.kN(f * asse.P / fattoreVeicolo);
    carico = voro::Componi(num.traduci("Rapporto", "the vehicle \"%1\" with axles of %2 kN and the strip load "
                                                   "of %3 kN/m²"),
                           {g.nomeVeicolo, assi, num.kN(f * d.qCarico)});
  } else {
    carico = voro::Componi(num.traduci("Rapporto", "the strip load of %1 kN/m²"), {num.kN(f * d.qCarico)});
  }
  return voro::Componi(num.traduci("Rapporto",
                                   "An adequacy factor of %1 means that the arch collapses under %1 times the "
                                   "design variable loads (the characteristic ones × %2), with the permanent "
                                   "loads at their design values and %3. At adequacy 1 the arch carries %1 times "
                                   "the characteristic variable load: %4, its permissible load. Its ratio to the "
                                   "code's demand, ζ_V in the sense of NTC 2018, 8.3, is %1."),
                       {num.fattore(f), fattori, resistenza, carico});
}

}  // namespace

void SezioneConclusioni::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "Conclusions"));
  if (!m_) {
    doc.paragrafo(num.traduci("Rapporto", "No verdict: the voussoirs could not be built from the data, so the arch was "
                                          "neither solved nor assessed."),
                  true);
    return;
  }
  if (!a_ || !r_) {
    doc.paragrafo(richiesta_
                      ? num.traduci("Rapporto", "No verdict: the safety assessment of the arch could not be completed.")
                      : num.traduci("Rapporto",
                                    "No safety assessment was made for this report. The thrust "
                                    "line through three imposed points that the results show is "
                                    "one state of equilibrium among many: by itself it proves "
                                    "neither that the arch is safe nor that it fails. Assess the "
                                    "arch for a verdict."),
                  true);
    return;
  }
  const Adeguatezza& a = *a_;
  const EsitoCombinazione& g = a.governante();
  const std::string base = num.traduci("Voro", NomeNormativa(d_.Normativa.base).c_str());
  const std::string rigaNormativa =
      d_.Normativa.base == BaseNormativa::Digitata
          ? base
          : voro::Componi(num.traduci("Rapporto", "%1, knowledge level %2"),
                          {base, d_.Normativa.livello ? NomeLivello(*d_.Normativa.livello)
                                                      : num.traduci("Rapporto", "not given")});
  if (!a.verdetto()) {
    doc.paragrafo(TestoMancanze(a.mancanze, num.regional()), true);
    auto& t = doc.tabella({{num.traduci("Rapporto", "Item"), "", false}, {num.traduci("Rapporto", "Value"), "", false}});
    t.righe.push_back({num.traduci("Rapporto", "Verdict"), num.traduci("Rapporto", "no verdict")});
    t.righe.push_back({num.traduci("Rapporto", "Code basis"), rigaNormativa});
    TabellaCoefficienti(doc, num);
    return;
  }
  std::string verdetto;
  if (a.fattore())
    verdetto = voro::Componi(a.adeguato() ? num.traduci("Rapporto",
                                                        "The arch is adequate under the partial factors of the "
                                                        "code basis \"%1\": its adequacy factor is %2 ≥ 1.")
                                          : num.traduci("Rapporto",
                                                        "The arch is not adequate under the partial factors of "
                                                        "the code basis \"%1\": its adequacy factor is %2 < 1."),
                             {base, num.fattore(*a.fattore())});
  else if (g.esito == EsitoCarico::Illimitato)
    verdetto = voro::Componi(a.adeguato() ? num.traduci("Rapporto",
                                                        "The arch is adequate under the partial factors of the "
                                                        "code basis \"%1\": no design variable load, however "
                                                        "large, can turn it into a mechanism.")
                                          : num.traduci("Rapporto",
                                                        "The arch is not adequate under the partial factors of "
                                                        "the code basis \"%1\": no design variable load, "
                                                        "however large, can turn it into a mechanism."),
                             {base});
  else if (g.esito == EsitoCarico::NessunCarico)
    verdetto = voro::Componi(a.adeguato() ? num.traduci("Rapporto",
                                                        "The arch is adequate under the partial factors of the "
                                                        "code basis \"%1\": it has no variable load, and a "
                                                        "thrust line fits under the design permanent loads.")
                                          : num.traduci("Rapporto",
                                                        "The arch is not adequate under the partial factors of "
                                                        "the code basis \"%1\": it has no variable load, and no "
                                                        "thrust line fits under the design permanent loads."),
                             {base});
  else
    verdetto = voro::Componi(a.adeguato() ? num.traduci("Rapporto",
                                                        "The arch is adequate under the partial factors of the "
                                                        "code basis \"%1\": not even the design permanent loads "
                                                        "alone find a thrust line within the masonry.")
                                          : num.traduci("Rapporto",
                                                        "The arch is not adequate under the partial factors of "
                                                        "the code basis \"%1\": not even the design permanent "
                                                        "loads alone find a thrust line within the masonry."),
                             {base});
  if (!ResistenzaOvunque(d_))
    verdetto += " " + num.traduci("Rapporto", "The verdict keeps Heyman's hypothesis of a masonry that never "
                                              "crushes: crushing is not checked.");
  doc.paragrafo(verdetto, !a.adeguato());
  if (a.fattore() && g.governante) doc.paragrafo(SensoFattore(d_, *r_, a, num));

  auto& t = doc.tabella({{num.traduci("Rapporto", "Item"), "", false}, {num.traduci("Rapporto", "Value"), "", false}});
  t.righe.push_back({num.traduci("Rapporto", "Verdict"),
                     a.adeguato() ? num.traduci("Rapporto", "adequate") : num.traduci("Rapporto", "not adequate")});
  t.righe.push_back({num.traduci("Rapporto", "Adequacy factor (design live-load factor)"),
                     a.fattore() ? num.fattore(*a.fattore())
                     : g.esito == EsitoCarico::Illimitato ? num.traduci("Rapporto", "no finite factor")
                                                          : num.traduci("Rapporto", "none")});
  t.righe.push_back({num.traduci("Rapporto", "Governing combination"), NomeEsteso(g.combinazione, a.coefficienti, num)});
  // A combination whose factors are the governing one's is the same design
  // project: it would only repeat the governing figures.
  for (const EsitoCombinazione& e : a.combinazioni)
    if (&e != &g && e.fattore &&
        FattoriPermanenti(a.coefficienti, e.combinazione) != FattoriPermanenti(a.coefficienti, g.combinazione)) {
      std::string dove = num.fattore(*e.fattore);
      if (e.governante)
        dove += "; " + voro::Componi(num.traduci("Rapporto", "x = %1 to %2 m"),
                                     {num.metri(e.governante->x1), num.metri(e.governante->x2)});
      if (!e.meccanismo.empty()) dove += "; " + Cerniere(*m_, e.meccanismo, num);
      t.righe.push_back({voro::Componi(num.traduci("Rapporto", "Adequacy factor, other combination (%1)"),
                                       {NomeCombinazione(e.combinazione)}),
                         dove});
    }
  const bool ferroviario = d_.VeicoloCarico && d_.VeicoloCarico->Ferroviario();
  if (g.governante && g.governante->veicolo && ferroviario)
    t.righe.push_back(
        {num.traduci("Rapporto", "Governing load"),
         voro::Componi(num.traduci("Rapporto", "%1 × γQ,rail α Φ = %2 × %3 × %4 with the strip load × γQ %5, axles at "
                                               "x = %6 to %7 m"),
                       {TestoCarico(*g.governante, num.regional()), num.dato(a.coefficienti.gQf),
                        num.dato(a.coefficienti.alpha), num.fattore(PhiDelProgetto(d_, a.coefficienti)),
                        num.dato(a.coefficienti.gQ), num.metri(g.governante->x1), num.metri(g.governante->x2)})});
  else if (g.governante && g.governante->veicolo)
    t.righe.push_back({num.traduci("Rapporto", "Governing load"),
                       voro::Componi(num.traduci("Rapporto", "%1 × γQ %2 with the strip load, axles at x = %3 to %4 m"),
                                     {TestoCarico(*g.governante, num.regional()), num.dato(a.coefficienti.gQ),
                                      num.metri(g.governante->x1), num.metri(g.governante->x2)})});
  else if (g.governante)
    t.righe.push_back(
        {num.traduci("Rapporto", "Governing load"),
         voro::Componi(num.traduci("Rapporto", "%1 %2 kN/m² × γQ %3, x = %4 to %5 m"),
                       {TestoCarico(*g.governante, num.regional()), num.dato(d_.qCarico), num.dato(a.coefficienti.gQ),
                        num.metri(g.governante->x1), num.metri(g.governante->x2)})});
  if (!g.meccanismo.empty())
    t.righe.push_back({num.traduci("Rapporto", "Mechanism: hinges at sections"), Cerniere(*m_, g.meccanismo, num)});
  if (!g.meccanismo.empty() && m_->ponte()) {
    std::string campate, pile;
    SpanEPile(*m_, g.meccanismo, num, campate, pile);
    t.righe.push_back({num.traduci("Rapporto", "Governing span (the mechanism's hinges)"), campate});
    t.righe.push_back({num.traduci("Rapporto", "Piers in the mechanism"), pile});
  }
  if (r_->fattoreSpessore)
    t.righe.push_back({!r_->resistenzaFinita && !d_.Attrito
                           ? num.traduci("Rapporto", "Geometric factor of safety t/tmin (Heyman)")
                           : num.traduci("Rapporto", "Thickness factor t/tmin (the assessment's hypotheses)"),
                       num.fattore(*r_->fattoreSpessore)});
  t.righe.push_back({num.traduci("Rapporto", "Code basis"), rigaNormativa});

  doc.paragrafo(Ipotesi(d_, m_, *r_, a, num));
  TabellaCoefficienti(doc, num);
}

void SezioneConclusioni::TabellaCoefficienti(Documento& doc, const NumeriRapporto& num) const {
  doc.sottosezione(num.traduci("Rapporto", "Partial factors"));
  auto& f = doc.tabella({{num.traduci("Rapporto", "Factor"), "", false},
                         {num.traduci("Rapporto", "Value"), ""},
                         {num.traduci("Rapporto", "Source"), "", false}});
  for (const ClausolaFattore& c : ClausoleNormativa(d_.Normativa, &num.regional()))
    f.righe.push_back({c.fattore, c.dato ? num.fattore(c.valore) : "-", c.fonte});
  // A rail vehicle's own factors; γQ above stays on the strip load and road vehicles.
  for (const ClausolaFattore& c : ClausoleFerroviarie(d_, a_->coefficienti, &num.regional()))
    f.righe.push_back({c.fattore, num.fattore(c.valore), c.fonte});
}

void SezioneRiferimenti::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "References"));
  for (const std::string& r : RiferimentiNormativa(d_.Normativa.base)) doc.paragrafo(r);
  doc.paragrafo("Heyman J. (1966). The stone skeleton. International Journal of Solids and Structures 2, 249-279.");
  doc.paragrafo("Heyman J. (1982). The Masonry Arch. Ellis Horwood, Chichester.");
  // The limit analysis of rigid blocks by linear programming, with finite
  // strength and friction, and the spread of wheel loads through the fill.
  doc.paragrafo("Livesley R.K. (1978). Limit analysis of structures formed from rigid blocks. International Journal "
                "for Numerical Methods in Engineering 12, 1853-1871.");
  doc.paragrafo("Gilbert M., Casapulla C., Ahmed H.M. (2006). Limit analysis of masonry block structures with "
                "non-associative frictional joints using linear programming. Computers & Structures 84, 873-887.");
  if (d_.VeicoloCarico)
    doc.paragrafo("Highways Agency (2001). Design Manual for Roads and Bridges, BD 21/01 The assessment of highway "
                  "bridges and structures (dispersal of wheel loads through the fill of masonry arches); now "
                  "CS 454.");
}

}  // namespace voro
