// Geometry form texts to the project and back.
#include "data/ModuloGeometria.h"

#include <optional>
#include <type_traits>

#include "data/LetturaCaselle.h"
#include "data/UnitConversions.h"
#include "data/ValoriFisici.h"

namespace voro {

std::string TestiGeometria::cella(int i, int c) const {
  if (i < 1 || i > static_cast<int>(griglia.size()) || c < 0 || c > 6) return "";
  return griglia[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(c)];
}

namespace {

// The quantities read by the other data forms: their limits are not this form's.
bool DiAltriForm(const std::string& variabile) {
  return variabile == "qCarico" || variabile == "Kp" || variabile.rfind("nConciSpinta", 0) == 0;
}

// Reads the boxes one by one into a project; the first that fails stops the
// reading with its message and variable.
class Lettore {
 public:
  explicit Lettore(const Regional& r) : r_(r) {}

  // Reads the box into the slot unless an earlier box failed.
  template <class T>
  void operator()(T& slot, const std::string& testo, const std::string& variabile, double divisore = 1) {
    if (!errore.empty()) return;
    constexpr TipoCasella tipo = std::is_same_v<T, Integer>  ? TipoCasella::Integer
                                 : std::is_same_v<T, Single> ? TipoCasella::Single
                                                             : TipoCasella::Double;
    const std::optional<double> v = LeggiCasella(r_, testo, variabile, tipo, errore, divisore);
    if (v) slot = static_cast<T>(*v);
    else campo = variabile;
  }

  std::string errore;
  std::string campo;

 private:
  const Regional& r_;
};

}  // namespace

bool LeggeDatiGeom(const TestiGeometria& f, DatiProgetto& d, const Regional& r, Messages& msg, std::string* campo) {
  DatiProgetto n = d;
  Lettore leggi(r);
  n.Titolo = f.txtTitolo;
  leggi(n.hRiempimento, f.txtDati[1], "hRiempimento");
  leggi(n.hSoletta, f.txtDati[2], "hSoletta");
  leggi(n.PesoMuratura, f.txtDati[3], "PesoMuratura");
  leggi(n.PesoRiempimento, f.txtDati[4], "PesoRiempimento");
  leggi(n.PesoSoletta, f.txtDati[5], "PesoSoletta");
  leggi(n.Larghezza, f.txtLarg[0], "Larghezza");
  n.LarghezzaChiave = n.Larghezza;  // the crown width box is hidden: one width for the whole vault
  leggi(n.SporgenzaParete, f.txtDati[6], "SporgenzaParete");
  leggi(n.hRiempimentoSolido, f.txtDati[7], "hRiempimentoSolido");
  leggi(n.nVori, f.txtNvori, "nVori");
  if (leggi.errore.empty() && n.nVori >= 1) {
    n.dimensionaVori(n.nVori);
    n.Vori(1).X1 = 0;
    n.Vori(1).Y1 = 0;
    if (n.nVori == 1) {
      leggi(n.LuceAnello, f.txt1Voro[0], "LuceAnello");
      leggi(n.FrecciaAnello, f.txt1Voro[1], "FrecciaAnello");
      leggi(n.SpessoreAnello, f.txt1Voro[2], "SpessoreAnello");
      leggi(n.nConciAnello, f.txt1Voro[3], "nConciAnello");
    } else {
      for (int i = 1; i <= n.nVori; ++i) {
        DatiVoro& v = n.Vori(i);
        const std::string s = "Vori(" + std::to_string(i) + ").";
        leggi(v.X2, f.cella(i, 1), s + "X2");
        leggi(v.Y2, f.cella(i, 2), s + "Y2");
        leggi(v.X3, f.cella(i, 3), s + "X3");
        leggi(v.Y3, f.cella(i, 4), s + "Y3");
        leggi(v.Spessore, f.cella(i, 5), s + "Spessore");
        leggi(v.nConci, f.cella(i, 6), s + "nConciInput");
        v.nConciInput = v.nConci;
      }
      if (leggi.errore.empty()) n.LuceAnello = toSingle(n.Vori(n.nVori).X3 - n.Vori(1).X1);
    }
  }
  leggi(n.EccSinistra, f.txtDati[9], "EccSinistra", 1000);
  leggi(n.EccChiave, f.txtDati[10], "EccChiave", 1000);
  leggi(n.EccDestra, f.txtDati[11], "EccDestra", 1000);

  if (leggi.errore.empty()) {
    for (const ValoreImpossibile& v : ValoriImpossibili(n, r)) {
      if (DiAltriForm(v.variabile)) continue;
      leggi.errore = v.messaggio;
      leggi.campo = v.variabile;
      break;
    }
  }
  if (!leggi.errore.empty()) {
    // The segment count keeps the message of its own rule alone.
    msg.critical(leggi.campo == "nVori" && n.nVori < 1 ? leggi.errore
                                                      : msg.traduci("Voro", "Error: Check Geometry") + "\r" + leggi.errore);
    if (campo) *campo = leggi.campo;
    return false;
  }
  d = std::move(n);
  return true;
}

bool ScriveDatiInForm(DatiProgetto& d, StatoInterfaccia& stato, const Regional& r, Messages& msg,
                      TestiGeometria& f) {
  Datidefault(d, stato);
  f.txtTitolo = d.Titolo;
  f.txtDati[1] = r.TestoSingle(d.hRiempimento);
  f.txtDati[2] = r.TestoSingle(d.hSoletta);
  f.txtDati[3] = r.TestoSingle(d.PesoMuratura);
  f.txtDati[4] = r.TestoSingle(d.PesoRiempimento);
  f.txtDati[5] = r.TestoSingle(d.PesoSoletta);
  f.txtLarg[0] = r.TestoSingle(d.Larghezza);
  f.txtLarg[1] = r.TestoSingle(d.LarghezzaChiave);
  f.txtDati[6] = r.TestoSingle(d.SporgenzaParete);
  f.txtDati[7] = r.TestoSingle(d.hRiempimentoSolido);
  f.txtNvori = std::to_string(d.nVori);
  if (d.nVori < 1) {
    msg.critical(msg.traduci("Voro", "Il numero di vori deve essere > 0"));
    return false;
  }
  if (d.nVori == 1) {
    f.txt1Voro = {r.TestoSingle(d.LuceAnello), r.TestoSingle(d.FrecciaAnello), r.TestoSingle(d.SpessoreAnello),
                  r.TestoSingle(d.nConciAnello)};
  } else {
    d.dimensionaVori(d.nVori);
    f.griglia.assign(static_cast<std::size_t>(d.nVori), {});
    for (int i = 1; i <= d.nVori; ++i) {
      const DatiVoro& v = d.Vori(i);
      f.griglia[static_cast<std::size_t>(i - 1)] = {" Segm. " + std::to_string(i), r.TestoDouble(v.X2),
                                                    r.TestoDouble(v.Y2), r.TestoDouble(v.X3), r.TestoDouble(v.Y3),
                                                    r.TestoDouble(v.Spessore), std::to_string(v.nConciInput)};
    }
  }
  f.txtDati[9] = FormattaMillimetri(r, d.EccSinistra);
  f.txtDati[10] = FormattaMillimetri(r, d.EccChiave);
  f.txtDati[11] = FormattaMillimetri(r, d.EccDestra);
  return true;
}

}  // namespace voro
