// Names of the scalar input variables and their setting from text.
#include "data/CampiScalari.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace voro {

namespace {

#define VORO_CAMPO(name) {#name, [](DatiProgetto& d) -> CampoFile { return &d.name; }}

const std::vector<CampoScalare> kCampi = {
    VORO_CAMPO(Titolo),
    VORO_CAMPO(Riservato),
    VORO_CAMPO(PesoMuratura),
    VORO_CAMPO(hRiempimento),
    VORO_CAMPO(PesoRiempimento),
    VORO_CAMPO(hSoletta),
    VORO_CAMPO(PesoSoletta),
    VORO_CAMPO(Larghezza),
    VORO_CAMPO(LarghezzaChiave),
    VORO_CAMPO(SporgenzaParete),
    VORO_CAMPO(hRiempimentoSolido),
    VORO_CAMPO(nVori),
    VORO_CAMPO(LuceAnello),
    VORO_CAMPO(FrecciaAnello),
    VORO_CAMPO(SpessoreAnello),
    VORO_CAMPO(nConciAnello),
    VORO_CAMPO(qCarico),
    VORO_CAMPO(xq1),
    VORO_CAMPO(xq2),
    VORO_CAMPO(EccSinistra),
    VORO_CAMPO(EccChiave),
    VORO_CAMPO(EccDestra),
    VORO_CAMPO(ScalaPlot),
    VORO_CAMPO(Kp),
    {"nConciSpinta(0)", [](DatiProgetto& d) -> CampoFile { return &d.nConciSpinta[0]; }},
    {"nConciSpinta(1)", [](DatiProgetto& d) -> CampoFile { return &d.nConciSpinta[1]; }},
    VORO_CAMPO(SpintaPassiva),
    VORO_CAMPO(OttimizzaCerniere),
    VORO_CAMPO(nDivisioni),
    VORO_CAMPO(OttimizzaEccentricita),
    VORO_CAMPO(ScalaManuale),
    // The assessment's hypotheses, stored after the data file's own fields.
    VORO_CAMPO(ResistenzaAnello),
    VORO_CAMPO(Mobilitazione),
};

#undef VORO_CAMPO

// "nConciSpinta[0]" and "nConciSpinta0" name the same variable as "nConciSpinta(0)".
std::string canonico(const std::string& nome) {
  for (const char* base : {"nConciSpinta[", "nConciSpinta"}) {
    std::string b(base);
    if (nome.rfind(b, 0) == 0 && nome.size() > b.size()) {
      std::string rest = nome.substr(b.size());
      if (!rest.empty() && rest.back() == ']' && b.back() == '[') rest.pop_back();
      if (rest == "0" || rest == "1") return "nConciSpinta(" + rest + ")";
    }
  }
  return nome;
}

bool numero(const std::string& testo, double& v) {
  if (testo.empty() || std::isspace(static_cast<unsigned char>(testo.front()))) return false;
  char* end = nullptr;
  v = std::strtod(testo.c_str(), &end);
  return end == testo.c_str() + testo.size() && std::isfinite(v);
}

}  // namespace

const std::vector<CampoScalare>& CampiScalari() { return kCampi; }

bool ImpostaCampo(DatiProgetto& d, const std::string& nome, const std::string& valore, std::string& errore) {
  const std::string key = canonico(nome);
  // The friction may be absent (joints that never slide): "none" says so.
  if (key == "Attrito") {
    double v = 0;
    if (valore == "none") {
      d.Attrito.reset();
      return true;
    }
    if (!numero(valore, v) || !(v >= 0) || v > 3.4e38) {
      errore = "bad value '" + valore + "' for Attrito (a number from 0 up, or none)";
      return false;
    }
    d.Attrito = static_cast<Single>(v);
    return true;
  }
  auto it = std::find_if(kCampi.begin(), kCampi.end(), [&](const CampoScalare& c) { return key == c.nome; });
  if (it == kCampi.end()) {
    errore = "unknown variable '" + nome + "'";
    return false;
  }
  CampoFile slot = it->variabile(d);
  if (auto* s = std::get_if<std::string*>(&slot)) {
    **s = valore;
    return true;
  }
  if (auto* b = std::get_if<bool*>(&slot)) {
    std::string t = valore;
    for (auto& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "true" || t == "1" || t == "yes" || t == "#true#") **b = true;
    else if (t == "false" || t == "0" || t == "no" || t == "#false#") **b = false;
    else {
      errore = "bad value '" + valore + "' for " + it->nome + " (a Boolean: true or false)";
      return false;
    }
    return true;
  }
  double v = 0;
  if (auto* i = std::get_if<Integer*>(&slot)) {
    if (!numero(valore, v) || v != std::floor(v) || v < -32768 || v > 32767) {
      errore = "bad value '" + valore + "' for " + it->nome + " (an integer from -32768 to 32767)";
      return false;
    }
    **i = static_cast<Integer>(v);
    return true;
  }
  auto* f = std::get_if<Single*>(&slot);
  if (!numero(valore, v) || std::fabs(v) > 3.4e38) {
    errore = "bad value '" + valore + "' for " + it->nome + " (a number, with the point as decimal separator)";
    return false;
  }
  **f = toSingle(v);
  return true;
}

}  // namespace voro
