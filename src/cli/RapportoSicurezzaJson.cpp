// The JSON form of an assessment.
#include "cli/Json.h"
#include "cli/RapportiSicurezza.h"
#include "data/Normative.h"
#include "data/SezioniFile.h"
#include "data/TrafficoFerroviario.h"
#include "limite/ElencoCertificati.h"

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

// How a figure is proven: a line that stands, a mechanism (or a proof that
// no line fits) on the other side, their relative gap and the solver.
void scriviCertificato(Oggetto& o, const char* figura, const Certificato& c) {
  Oggetto f(o.chiave(figura), o.rientro());
  f.campo("static", c.statico);
  f.campo("kinematic", c.cinematico);
  f.campo("gap", c.scarto);
  f.campo("tolerance", c.tolleranza);
  f.chiave("solver") << (c.solutore == Solutore::Clp ? "\"clp\"" : "\"dense\"");
  f.campo("certified", c.valido());
}

// The joints of a mechanism with how they give way and their rates; in a
// bridge each by its span and its number there, or as a pier that rocks
// about an edge of its base or slides on it.
void scriviMeccanismo(std::ostream& m, const std::vector<Cerniera>& meccanismo, const RisultatiSicurezza& r) {
  m << "[";
  for (std::size_t k = 0; k < meccanismo.size(); ++k) {
    const Cerniera& c = meccanismo[k];
    const auto j = static_cast<std::size_t>(c.giunto - 1);
    m << (k ? ", " : "") << "{";
    if (r.nCampate > 1 && j < r.posti.size() && r.posti[j].pila > 0) {
      m << "\"pier\": " << r.posti[j].pila << ", \"face\": " << faccia(c.faccia) << ", \"kind\": "
        << (c.tipo == TipoCerniera::Scorrimento ? "\"pier sliding\"" : "\"pier rocking\"");
    } else {
      if (r.nCampate > 1 && j < r.posti.size())
        m << "\"span\": " << r.posti[j].campata << ", \"joint\": " << r.posti[j].giunto;
      else
        m << "\"joint\": " << c.giunto;
      m << ", \"face\": " << faccia(c.faccia) << ", \"kind\": " << tipo(c.tipo);
    }
    m << ", \"rotation\": " << num(c.rotazione) << "}";
  }
  m << "]";
}

// A bridge's spans with their thrust ranges and its piers' base forces.
void scriviPonte(Oggetto& o, const RisultatiSicurezza& r) {
  auto& sp = o.chiave("spans");
  sp << "[";
  for (std::size_t k = 0; k < r.campiCampate.size(); ++k)
    sp << (k ? ", " : "") << "{\"span\": " << r.campiCampate[k].campata << ", \"thrustMin\": "
       << num(r.campiCampate[k].minima) << ", \"thrustMax\": " << num(r.campiCampate[k].massima) << "}";
  sp << "]";
  auto& pi = o.chiave("piers");
  pi << "[";
  for (std::size_t k = 0; k < r.basiPile.size(); ++k)
    pi << (k ? ", " : "") << "{\"pier\": " << r.basiPile[k].pila << ", \"baseN\": " << num(r.basiPile[k].N)
       << ", \"baseT\": " << num(r.basiPile[k].T) << ", \"baseM\": " << num(r.basiPile[k].M) << "}";
  pi << "]";
}

// The vehicle, its spread and its sweep, when the project has a vehicle.
void scriviVeicolo(Oggetto& o, const RisultatiVeicolo& r, const RisultatiSicurezza& sicurezza) {
  const Veicolo& v = r.veicolo;
  auto& ve = o.chiave("vehicle");
  ve << "{\"name\": " << quoted(v.Nome) << ", \"trafficCategory\": \"" << TestoCategoria(v.Categoria)
     << "\", \"track\": " << numDato(v.Carreggiata)
     << ", \"contactWidth\": " << numDato(v.LarghezzaImpronta) << ", \"axles\": [";
  for (std::size_t k = 0; k < v.Assi.size(); ++k)
    ve << (k ? ", " : "") << "{\"load\": " << numDato(v.Assi[k].P) << ", \"distance\": " << numDato(v.Assi[k].d)
       << ", \"contactLength\": " << numDato(v.Assi[k].a) << "}";
  ve << "]}";
  o.chiave("spread") << "{\"rule\": " << quoted(r.diffusione.Testo()) << ", \"angle\": " << num(r.diffusione.Angolo())
                     << "}";
  std::vector<double> be;
  for (const ImprontaAsse& a : r.assiPeggiori) be.push_back(a.be);
  o.lista("effectiveWidth", be.begin(), be.end());
  auto& sw = o.chiave("vehicleSweep");
  sw << "[";
  const std::string pad(static_cast<std::size_t>(o.rientro()) + 2, ' ');
  for (std::size_t k = 0; k < r.posizioni.size(); ++k) {
    const PosizioneVeicolo& q = r.posizioni[k];
    sw << (k ? ",\n" : "\n") << pad << "{\"x\": " << num(q.x) << ", \"direction\": \"" << TestoVerso(q.verso)
       << "\", \"liveLoadFactor\": " << num(q.fattore) << "}";
  }
  if (!r.posizioni.empty()) sw << "\n" << std::string(static_cast<std::size_t>(o.rientro()), ' ');
  sw << "]";
  o.campo("worstVehicleFactor", r.fattorePeggiore);
  if (r.fattorePeggiore) {
    o.campo("worstVehicleX", r.xPeggiore);
    o.chiave("worstVehicleDirection") << "\"" << TestoVerso(r.versoPeggiore) << "\"";
  } else {
    o.chiave("worstVehicleX") << "null";
    o.chiave("worstVehicleDirection") << "null";
  }
  scriviMeccanismo(o.chiave("vehicleMechanism"), r.meccanismo, sicurezza);
  auto& a = o.chiave("vehicleAxles");
  a << "[";
  for (std::size_t k = 0; k < r.assiPeggiori.size(); ++k) {
    const ImprontaAsse& p = r.assiPeggiori[k];
    const double P = k < v.Assi.size() ? v.Assi[k].P : 0;
    a << (k ? ",\n" : "\n") << pad << "{\"x\": " << num(p.x) << ", \"depth\": " << num(p.h) << ", \"from\": " << num(p.x1)
      << ", \"to\": " << num(p.x2) << ", \"ringWidth\": " << num(p.b) << ", \"effectiveWidth\": " << num(p.be)
      << ", \"modelLoad\": " << num(p.F) << ", \"collapseLoad\": " << num(r.fattorePeggiore ? *r.fattorePeggiore * P : 0.0)
      << "}";
  }
  if (!r.assiPeggiori.empty()) a << "\n" << std::string(static_cast<std::size_t>(o.rientro()), ' ');
  a << "]";
  scriviCertificato(o, "vehicleCertificate", r.certificato);
}

}  // namespace

void ScriviJsonSicurezza(std::ostream& out, const ProgettoValutato& p, int indent) {
  const Soluzione& s = p.soluzione;
  Oggetto o(out, indent);
  if (ScriviFallimento(o, s)) return;
  const RisultatiSicurezza& r = p.sicurezza;
  if (p.adeguatezza) {
    const Adeguatezza& a = *p.adeguatezza;
    o.campo("adequacyFactor", a.verdetto() ? a.fattore() : std::nullopt);
    if (a.verdetto() && a.certificata()) o.campo("adequate", a.adeguato());
    else o.chiave("adequate") << "null";
    if (a.verdetto()) o.chiave("combination") << quoted(NomeCombinazione(a.governante().combinazione));
    else o.chiave("combination") << "null";
    // What the code basis needs for a verdict and the project does not state.
    std::string manca;
    for (const auto& [nome, si] : {std::pair{"compressiveStrength", a.mancanze.resistenza},
                                   std::pair{"gM", a.mancanze.gM}, std::pair{"knowledgeLevel", a.mancanze.livello}})
      if (si) manca += std::string(manca.empty() ? "" : ", ") + quoted(nome);
    o.chiave("noVerdict") << "[" << manca << "]";
    const DatiNormativa& n = s.dati.Normativa;
    Oggetto f(o.chiave("partialFactors"), o.rientro());
    f.chiave("code") << quoted(NomeNormativa(n.base));
    if (n.livello) f.chiave("knowledgeLevel") << quoted(NomeLivello(*n.livello));
    else f.chiave("knowledgeLevel") << "null";
    // The factors as typed: the shortest number that reads back to each.
    const CoefficientiParziali& c = a.coefficienti;
    f.chiave("gG1sup") << CampoNumero(c.gG1sup);
    f.chiave("gG1inf") << CampoNumero(c.gG1inf);
    f.chiave("gG2sup") << CampoNumero(c.gG2sup);
    f.chiave("gG2inf") << CampoNumero(c.gG2inf);
    f.chiave("gQ") << CampoNumero(c.gQ);
    if (a.mancanze.gM) f.chiave("gM") << "null";
    else f.chiave("gM") << CampoNumero(c.gM);
    f.chiave("FC") << CampoNumero(c.FC);
    // A rail vehicle's own factors, and how Phi was found (null when typed).
    if (s.dati.VeicoloCarico && s.dati.VeicoloCarico->Ferroviario()) {
      f.chiave("gQrail") << CampoNumero(c.gQf);
      f.chiave("alpha") << CampoNumero(c.alpha);
      const auto phi = FattoreDinamicoArco(s.dati, c);
      f.campo("phi", phi ? std::optional<double>(phi->phi) : std::nullopt);
      if (phi && !phi->digitato) {
        Oggetto t(f.chiave("phiFound"), f.rientro());
        t.campo("clearSpan", phi->luce);
        t.campo("LPhi", phi->LPhi);
        t.chiave("track") << (n.manutenzione == ManutenzioneBinario::Accurata ? "\"careful\"" : "\"standard\"");
        t.campo("phiBase", phi->phiBase);
        t.campo("cover", phi->copertura);
        t.campo("reduction", phi->coperturaAlta ? phi->phiBase - 1 : phi->riduzione);
      } else {
        f.chiave("phiFound") << "null";
      }
    }
  }
  o.campo("admissible", r.ammissibile);
  o.campo("thicknessRatio", r.rapportoSpessore);
  // 1/s under the name it always had, kept for the scripts that read it,
  // and under the name of what it is.
  o.campo("geometricSafetyFactor", r.fattoreGeometrico);
  o.campo("depthRatio", r.fattoreGeometrico);
  o.campo("thrustMin", r.spintaMinima);
  o.campo("thrustMax", r.spintaMassima);
  o.campo("liveLoadFactor", r.fattoreCarico);
  scriviMeccanismo(o.chiave("mechanism"), r.meccanismo, r);
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
  o.campo("geometricFactorOfSafety", r.fattoreSpessore);
  const std::vector<double>& e = r.rapportoSpessore ? r.lineaMinima.e : std::vector<double>{};
  o.lista("eccentricities", e.begin(), e.end());
  // The hypotheses: the least strength (MPa; null unlimited), mu (null: no
  // sliding check), the soil's mobilisation (null: passive pressure fixed).
  o.campo("compressiveStrength", r.resistenzaMinima);
  o.campo("friction", r.attrito);
  o.campo("mobilisation", r.mobilitazione);
  o.lista("crushingJoints", r.giuntiSchiacciati.begin(), r.giuntiSchiacciati.end());
  o.lista("slidingJoints", r.giuntiScorrevoli.begin(), r.giuntiScorrevoli.end());
  {
    Oggetto c(o.chiave("certificate"), o.rientro());
    for (const FiguraCertificata& f : ElencoCertificati(r, nullptr)) scriviCertificato(c, f.chiave, f.certificato);
  }
  if (p.veicolo) scriviVeicolo(o, *p.veicolo, r);
  if (r.nCampate > 1) scriviPonte(o, r);
}

}  // namespace voro::cli
