// The calculation software section: the program's own texts from the build.
#include "report/SezioneSoftware.h"

#include "data/Traduzioni.h"
#include "data/Versione.h"
#include "limite/ElencoCertificati.h"

namespace voro {

void SezioneSoftware::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "Calculation software (NTC 2018, 10.2)"));

  doc.sottosezione(num.traduci("Rapporto", "Type of analysis"));
  doc.paragrafo(num.traduci("Rapporto",
                            "Limit analysis of the arch as rigid voussoirs with no tensile strength (Heyman), on "
                            "a plane model of the ring's width. Each figure of the assessment is the optimum of a "
                            "linear program over the thrust line's unknowns, bounded from both sides: by a thrust "
                            "line that stands under the stated hypotheses (static theorem) and by a mechanism or a "
                            "proof that no line fits (kinematic theorem). The three-hinged thrust line of the "
                            "results is one state of equilibrium, not a proof of safety."));

  doc.sottosezione(num.traduci("Rapporto", "Program"));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Item"), "", false}, {num.traduci("Rapporto", "Value"), "", false}});
  t.righe.push_back({num.traduci("Rapporto", "Program"), "Voro"});
  t.righe.push_back({num.traduci("Rapporto", "Version"), kVersioneVoro});
  t.righe.push_back({num.traduci("Rapporto", "Producer"), kProduttoreVoro});
  t.righe.push_back({num.traduci("Rapporto", "Linear programming"),
                     num.traduci("Rapporto", "the program's dense simplex, COIN-OR CLP where it fails")});
  // The licence in its own words, as the package states it.
  doc.paragrafo(voro::Componi(num.traduci("Rapporto", "Licence: %1"), {kLicenzaVoro}));

  doc.sottosezione(num.traduci("Rapporto", "Validation"));
  doc.paragrafo(num.traduci("Rapporto",
                            "Every version passes the program's test suite, which compares its results with: closed "
                            "forms (the three-hinged arch's statics, the equilibrium of every voussoir, the virtual "
                            "work of every mechanism, the mirror image of every symmetric case, factors that never "
                            "fall as strength or fill grow); published values (Milankovitch's least thickness of "
                            "the semicircular arch under its own weight, t/R = 0.1075); and an independent reference "
                            "calculation, written apart from the program, which solves the same projects joint by "
                            "joint."));

  doc.sottosezione(num.traduci("Rapporto", "Judgement of the results"));
  if (r_) {
    int certificate = 0, figure = 0;
    for (const FiguraCertificata& f : ElencoCertificati(*r_, v_)) {
      ++figure;
      if (f.certificato.valido()) ++certificate;
    }
    doc.paragrafo(voro::Componi(num.traduci("Rapporto",
                                      "The checks the program made itself: %1 of the %2 figures of the assessment "
                                      "are certified by both theorems (the list is in the safety assessment); the "
                                      "design combinations of the verdict are %3."),
                          {num.intero(certificate), num.intero(figure),
                           a_ && a_->certificata() ? num.traduci("Rapporto", "all certified")
                                                   : num.traduci("Rapporto", "not all certified")}),
                  certificate < figure || (a_ && !a_->certificata()));
  } else {
    doc.paragrafo(num.traduci("Rapporto", "No assessment was made: the program certified no figure of this report."),
                  true);
  }
  doc.paragrafo(num.traduci("Rapporto",
                            "The engineer's judgement of the reliability of the results, their agreement with "
                            "simple checks and with the behaviour expected of the structure:"));
  doc.paragrafo("______________________________________________________________________");
  doc.paragrafo("______________________________________________________________________");
  doc.paragrafo(num.traduci("Rapporto", "Date and signature: ______________________________"));
}

}  // namespace voro
