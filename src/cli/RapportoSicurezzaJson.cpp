// The JSON form of an assessment.
#include "cli/Json.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

namespace {

const char* faccia(Faccia f) { return f == Faccia::Intradosso ? "\"intrados\"" : "\"extrados\""; }

const char* tipo(TipoCerniera t) {
  switch (t) {
    case TipoCerniera::Schiacciamento: return "\"crushing hinge\"";
    case TipoCerniera::Scorrimento: return "\"sliding\"";
    case TipoCerniera::Cerniera: break;
  }
  return "\"hinge\"";
}

}  // namespace

void ScriviJsonSicurezza(std::ostream& out, const ProgettoValutato& p, int indent) {
  const Soluzione& s = p.soluzione;
  Oggetto o(out, indent);
  if (ScriviFallimento(o, s)) return;
  const RisultatiSicurezza& r = p.sicurezza;
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
      << ", \"kind\": " << tipo(r.meccanismo[k].tipo) << "}";
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
  // The hypotheses: the least strength (MPa; null unlimited), mu (null: no
  // sliding check), the soil's mobilisation (null: passive pressure fixed).
  o.campo("compressiveStrength", r.resistenzaMinima);
  o.campo("friction", r.attrito);
  o.campo("mobilisation", r.mobilitazione);
  o.lista("crushingJoints", r.giuntiSchiacciati.begin(), r.giuntiSchiacciati.end());
  o.lista("slidingJoints", r.giuntiScorrevoli.begin(), r.giuntiScorrevoli.end());
}

}  // namespace voro::cli
