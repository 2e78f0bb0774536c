// The JSON form of an assessment.
#include "cli/Json.h"
#include "cli/RapportiSicurezza.h"
#include "data/Normative.h"
#include "data/SezioniFile.h"

namespace voro::cli {

namespace {

const char* faccia(Faccia f) { return f == Faccia::Intradosso ? "\"intrados\"" : "\"extrados\""; }

}  // namespace

void ScriviJsonSicurezza(std::ostream& out, const ProgettoValutato& p, int indent) {
  const Soluzione& s = p.soluzione;
  Oggetto o(out, indent);
  if (ScriviFallimento(o, s)) return;
  const RisultatiSicurezza& r = p.sicurezza;
  if (p.adeguatezza) {
    const Adeguatezza& a = *p.adeguatezza;
    o.campo("adequacyFactor", a.fattore());
    o.campo("adequate", a.adeguato());
    o.chiave("combination") << quoted(NomeCombinazione(a.governante().combinazione));
    const DatiNormativa& n = s.dati.Normativa;
    Oggetto f(o.chiave("partialFactors"), o.rientro());
    f.chiave("code") << quoted(NomeNormativa(n.base));
    f.chiave("knowledgeLevel") << quoted(NomeLivello(n.livello));
    // The factors as typed: the shortest number that reads back to each.
    const CoefficientiParziali& c = a.coefficienti;
    f.chiave("gG1sup") << CampoNumero(c.gG1sup);
    f.chiave("gG1inf") << CampoNumero(c.gG1inf);
    f.chiave("gG2sup") << CampoNumero(c.gG2sup);
    f.chiave("gG2inf") << CampoNumero(c.gG2inf);
    f.chiave("gQ") << CampoNumero(c.gQ);
    f.chiave("gM") << CampoNumero(c.gM);
    f.chiave("FC") << CampoNumero(c.FC);
  }
  o.campo("admissible", r.ammissibile);
  o.campo("thicknessRatio", r.rapportoSpessore);
  o.campo("geometricSafetyFactor", r.fattoreGeometrico);
  o.campo("thrustMin", r.spintaMinima);
  o.campo("thrustMax", r.spintaMassima);
  o.campo("liveLoadFactor", r.fattoreCarico);
  auto& m = o.chiave("mechanism");
  m << "[";
  for (std::size_t k = 0; k < r.meccanismo.size(); ++k)
    m << (k ? ", " : "") << "{\"joint\": " << r.meccanismo[k].giunto << ", \"face\": " << faccia(r.meccanismo[k].faccia)
      << "}";
  m << "]";
  auto& sw = o.chiave("sweep");
  sw << "[";
  const std::string pad(static_cast<std::size_t>(o.rientro()) + 2, ' ');
  for (std::size_t k = 0; k < r.posizioni.size(); ++k) {
    const PosizioneCarico& q = r.posizioni[k];
    sw << (k ? ",\n" : "\n") << pad << "{\"xq1\": " << num(q.xq1) << ", \"xq2\": " << num(q.xq2)
       << ", \"liveLoadFactor\": " << num(q.fattore) << "}";
  }
  if (!r.posizioni.empty()) sw << "\n" << std::string(static_cast<std::size_t>(o.rientro()), ' ');
  sw << "]";
  o.campo("worstLiveLoadFactor", r.fattorePeggiore);
  o.campo("worstXq1", r.xq1Peggiore);
  o.campo("minimumThickness", r.spessoreMinimo);
  o.campo("thicknessFactor", r.fattoreSpessore);
  const std::vector<double>& e = r.rapportoSpessore ? r.lineaMinima.e : std::vector<double>{};
  o.lista("eccentricities", e.begin(), e.end());
}

}  // namespace voro::cli
