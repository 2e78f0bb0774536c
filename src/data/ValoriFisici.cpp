// The physical limits of the input values.
#include "data/ValoriFisici.h"

#include <cfloat>
#include <cmath>
#include <type_traits>
#include <utility>

#include "data/NumberText.h"
#include "data/RuntimeError.h"
#include "data/Traduzioni.h"

namespace voro {

namespace {

// The quantities by variable, as an engineer names them.
const std::pair<const char*, const char*> kNomi[] = {
    {"PesoMuratura", VORO_NOOP("Voro", "Peso specifico della muratura γm [kN/m3]")},
    {"hRiempimento", VORO_NOOP("Voro", "Spessore del riempimento in chiave h1 [m]")},
    {"PesoRiempimento", VORO_NOOP("Voro", "Peso specifico del riempimento γ1 [kN/m3]")},
    {"hSoletta", VORO_NOOP("Voro", "Spessore della soletta h2 [m]")},
    {"PesoSoletta", VORO_NOOP("Voro", "Peso specifico della soletta γ2 [kN/m3]")},
    {"Larghezza", VORO_NOOP("Voro", "Larghezza dell'arco [m]")},
    {"LarghezzaChiave", VORO_NOOP("Voro", "Larghezza dell'arco in chiave [m]")},
    {"SporgenzaParete", VORO_NOOP("Voro", "Sporgenza della parete superiore dw [m]")},
    {"hRiempimentoSolido", VORO_NOOP("Voro", "Profondità del rinfianco solido hw [m]")},
    {"nVori", VORO_NOOP("Voro", "Numero dei segmenti di circonferenza")},
    {"LuceAnello", VORO_NOOP("Voro", "Luce dell'arco L [m]")},
    {"FrecciaAnello", VORO_NOOP("Voro", "Freccia dell'arco h [m]")},
    {"SpessoreAnello", VORO_NOOP("Voro", "Spessore dell'anello t [m]")},
    {"nConciAnello", VORO_NOOP("Voro", "Numero dei conci dell'anello")},
    {"EccSinistra", VORO_NOOP("Voro", "Eccentricità iniziale all'imposta sinistra el [mm]")},
    {"EccChiave", VORO_NOOP("Voro", "Eccentricità iniziale in chiave ec [mm]")},
    {"EccDestra", VORO_NOOP("Voro", "Eccentricità iniziale all'imposta destra er [mm]")},
    {"qCarico", VORO_NOOP("Voro", "Carico variabile q [kN/m2]")},
    {"xq1", VORO_NOOP("Voro", "Inizio del carico variabile xq1 [m]")},
    {"xq2", VORO_NOOP("Voro", "Fine del carico variabile xq2 [m]")},
    {"ScalaPlot", VORO_NOOP("Voro", "Scala del diagramma dei carichi 1:")},
    {"Kp", VORO_NOOP("Voro", "Coefficiente di spinta passiva Kp")},
    {"nConciSpinta(0)", VORO_NOOP("Voro", "Numero dei conci con spinta passiva dall'imposta sinistra")},
    {"nConciSpinta(1)", VORO_NOOP("Voro", "Numero dei conci con spinta passiva dall'imposta destra")},
    {"nDivisioni", VORO_NOOP("Voro", "Numero di passi della ricerca della curva delle pressioni")},
    {"ResistenzaAnello", VORO_NOOP("Voro", "Resistenza a compressione della muratura fc [MPa]")},
    {"Attrito", VORO_NOOP("Voro", "Coefficiente d'attrito dei giunti μ")},
    {"Mobilitazione", VORO_NOOP("Voro", "Fattore di mobilitazione della spinta passiva")},
    {"gG1sup", VORO_NOOP("Voro", "Coefficiente parziale γG1,sup dei carichi permanenti strutturali")},
    {"gG1inf", VORO_NOOP("Voro", "Coefficiente parziale γG1,inf dei carichi permanenti strutturali")},
    {"gG2sup", VORO_NOOP("Voro", "Coefficiente parziale γG2,sup dei carichi permanenti non strutturali")},
    {"gG2inf", VORO_NOOP("Voro", "Coefficiente parziale γG2,inf dei carichi permanenti non strutturali")},
    {"gQ", VORO_NOOP("Voro", "Coefficiente parziale γQ dei carichi variabili")},
    {"gM", VORO_NOOP("Voro", "Coefficiente parziale γM della muratura")},
    {"FC", VORO_NOOP("Voro", "Fattore di confidenza FC")},
    {"gR", VORO_NOOP("Voro", "Coefficiente parziale γR della resistenza passiva del terreno")},
    {"gQrail", VORO_NOOP("Voro", "Coefficiente parziale γQ del traffico ferroviario")},
    {"alpha", VORO_NOOP("Voro", "Coefficiente di adattamento α dei carichi ferroviari")},
    {"phi", VORO_NOOP("Voro", "Coefficiente dinamico Φ (0: dalla luce e dal ricoprimento dell'arco)")},
    {"Quota", VORO_NOOP("Voro", "Quota dell'imposta sinistra rispetto alla prima campata [m]")},
    {"Pila.Larghezza", VORO_NOOP("Voro", "Larghezza della pila all'imposta [m]")},
    {"Pila.Altezza", VORO_NOOP("Voro", "Altezza della pila dalla fondazione all'imposta [m]")},
    {"Pila.ScarpaSinistra", VORO_NOOP("Voro", "Scarpa della faccia sinistra della pila")},
    {"Pila.ScarpaDestra", VORO_NOOP("Voro", "Scarpa della faccia destra della pila")},
    {"Pila.PesoUnita", VORO_NOOP("Voro", "Peso specifico della pila [kN/m3]")},
};

// The segment quantities: "Vori(i).<property>" and its name before and after i.
const std::pair<const char*, const char*> kNomiSegmento[] = {
    {"X2", VORO_NOOP("Voro", "Ascissa x2 del segmento %")},        {"Y2", VORO_NOOP("Voro", "Ordinata y2 del segmento %")},
    {"X3", VORO_NOOP("Voro", "Ascissa x3 del segmento %")},        {"Y3", VORO_NOOP("Voro", "Ordinata y3 del segmento %")},
    {"Spessore", VORO_NOOP("Voro", "Spessore t del segmento %")},  {"nConciInput", VORO_NOOP("Voro", "Numero dei conci del segmento %")},
    {"Resistenza", VORO_NOOP("Voro", "Resistenza a compressione fc del segmento %")},
};

enum class Limite { Positivo, NonNegativo, AlmenoUno, Libero };

class Controllo {
 public:
  Controllo(const Regional& r, std::vector<ValoreImpossibile>& trovati) : r_(r), trovati_(trovati) {}

  // The values that follow belong to the span or pier this names ("Campata
  // 2: "), their variables to "Campate(i)." ; empty for the first span.
  void Luogo(std::string chi, std::string variabili) {
    chi_ = std::move(chi);
    prefisso_ = std::move(variabili);
  }

  // A Single is shown with its own seven digits, other values with fifteen.
  template <class T>
  void operator()(const std::string& variabile, T valore, Limite limite) {
    const double x = valore;
    std::string regola;
    if (!std::isfinite(x) || std::fabs(x) > FLT_MAX) {
      trovati_.push_back({prefisso_ + variabile,
                          chi_ + Componi(r_.traduci("Voro", "%1: il valore supera il campo dei numeri Single (%2)."),
                                         {NomeGrandezza(variabile, r_), r_.TestoSingle(FLT_MAX)})});
      return;
    }
    if (limite == Limite::Positivo && !(x > 0)) regola = r_.traduci("Voro", "deve essere maggiore di zero.");
    if (limite == Limite::NonNegativo && x < 0) regola = r_.traduci("Voro", "non può essere minore di zero.");
    // A count of voussoirs is rounded to a whole number before use.
    if (limite == Limite::AlmenoUno && roundHalfEven(x) < 1) regola = r_.traduci("Voro", "deve essere almeno 1.");
    if (regola.empty()) return;
    const std::string testo = std::is_same_v<T, Single> ? r_.TestoSingle(static_cast<Single>(x)) : r_.TestoDouble(x);
    trovati_.push_back({prefisso_ + variabile, chi_ + NomeGrandezza(variabile, r_) + " = " + testo + ": " + regola});
  }

  void Aggiungi(const std::string& variabile, const std::string& messaggio) {
    trovati_.push_back({prefisso_ + variabile, chi_ + messaggio});
  }

 private:
  std::string chi_, prefisso_;
  const Regional& r_;
  std::vector<ValoreImpossibile>& trovati_;
};

// One ring: a circular ring's span, rise, thickness and voussoirs, or each
// segment of a chain.
void Anello(Controllo& c, const Regional& r, Integer nVori, Single luce, Single freccia, Single spessore,
            Single nConci, const Array1<DatiVoro>& vori) {
  if (nVori < 1) {
    c.Aggiungi("nVori", r.traduci("Voro", "Il numero di vori deve essere > 0"));
  } else if (nVori == 1) {
    c("LuceAnello", luce, Limite::Positivo);
    c("FrecciaAnello", freccia, Limite::Positivo);
    c("SpessoreAnello", spessore, Limite::Positivo);
    c("nConciAnello", nConci, Limite::AlmenoUno);
  } else {
    for (int i = 1; i <= nVori; ++i) {
      // A segment the project does not hold is an empty one.
      const DatiVoro v = vori.contains(i) ? vori(i) : DatiVoro{};
      const std::string s = "Vori(" + std::to_string(i) + ").";
      c(s + "X2", v.X2, Limite::Libero);
      c(s + "Y2", v.Y2, Limite::Libero);
      c(s + "X3", v.X3, Limite::Libero);
      c(s + "Y3", v.Y3, Limite::Libero);
      c(s + "Spessore", v.Spessore, Limite::Positivo);
      c(s + "nConciInput", v.nConciInput, Limite::AlmenoUno);
      c(s + "Resistenza", v.Resistenza, Limite::NonNegativo);
    }
  }
}

}  // namespace

std::string NomeGrandezza(const std::string& variabile, const Regional& r) {
  for (const auto& [v, nome] : kNomi)
    if (variabile == v) return r.traduci("Voro", nome);
  const std::string prefisso = "Vori(";
  const std::size_t chiusa = variabile.find(").");
  if (variabile.rfind(prefisso, 0) == 0 && chiusa != std::string::npos) {
    const std::string indice = variabile.substr(prefisso.size(), chiusa - prefisso.size());
    const std::string proprieta = variabile.substr(chiusa + 2);
    for (const auto& [p, modello] : kNomiSegmento) {
      if (proprieta != p) continue;
      std::string nome = r.traduci("Voro", modello);
      nome.replace(nome.find('%'), 1, indice);
      if (proprieta == "nConciInput") return nome;
      return nome + (proprieta == "Resistenza" ? " [MPa]" : " [m]");
    }
  }
  return variabile;
}

std::vector<ValoreImpossibile> ValoriImpossibili(const DatiProgetto& d, const Regional& r) {
  std::vector<ValoreImpossibile> trovati;
  Controllo c(r, trovati);
  c("PesoMuratura", d.PesoMuratura, Limite::NonNegativo);
  c("hRiempimento", d.hRiempimento, Limite::NonNegativo);
  c("PesoRiempimento", d.PesoRiempimento, Limite::NonNegativo);
  c("hSoletta", d.hSoletta, Limite::NonNegativo);
  c("PesoSoletta", d.PesoSoletta, Limite::NonNegativo);
  c("Larghezza", d.Larghezza, Limite::Positivo);
  c("LarghezzaChiave", d.LarghezzaChiave, Limite::Positivo);
  c("SporgenzaParete", d.SporgenzaParete, Limite::NonNegativo);
  c("hRiempimentoSolido", d.hRiempimentoSolido, Limite::NonNegativo);
  Anello(c, r, d.nVori, d.LuceAnello, d.FrecciaAnello, d.SpessoreAnello, d.nConciAnello, d.Vori);
  c("qCarico", d.qCarico, Limite::NonNegativo);
  c("Kp", d.Kp, Limite::NonNegativo);
  c("nConciSpinta(0)", d.nConciSpinta[0], Limite::NonNegativo);
  c("nConciSpinta(1)", d.nConciSpinta[1], Limite::NonNegativo);
  if (d.nVori == 1) c("ResistenzaAnello", d.ResistenzaAnello, Limite::NonNegativo);
  if (d.Attrito) c("Attrito", *d.Attrito, Limite::NonNegativo);
  c("Mobilitazione", d.Mobilitazione, Limite::NonNegativo);
  // The partial factors scale loads (never below zero) and divide the
  // strength and the friction (never by zero).
  const CoefficientiParziali& g = d.Normativa.coefficienti;
  c("gG1sup", g.gG1sup, Limite::NonNegativo);
  c("gG1inf", g.gG1inf, Limite::NonNegativo);
  c("gG2sup", g.gG2sup, Limite::NonNegativo);
  c("gG2inf", g.gG2inf, Limite::NonNegativo);
  c("gQ", g.gQ, Limite::NonNegativo);
  c("gM", g.gM, Limite::Positivo);
  c("FC", g.FC, Limite::Positivo);
  c("gMu", g.gMu, Limite::Positivo);
  c("gR", g.gR, Limite::Positivo);
  c("gQrail", g.gQf, Limite::NonNegativo);
  c("alpha", g.alpha, Limite::Positivo);
  c("phi", g.phi, Limite::NonNegativo);
  for (std::size_t k = 0; k < d.Campate.size(); ++k) {
    const DatiCampata& cc = d.Campate[k];
    const DatiPila& p = cc.Pila;
    const std::string n = std::to_string(k + 2), pila = std::to_string(k + 1);
    c.Luogo(Componi(r.traduci("Voro", "Pila %1: "), {pila}), "Campate(" + n + ").");
    if (p.Larghezza < 0)
      c.Aggiungi("Pila.Larghezza", NomeGrandezza("Pila.Larghezza", r) + " = " + r.TestoSingle(p.Larghezza) + ": " +
                                       r.traduci("Voro", "le campate si sovrappongono."));
    else c("Pila.Larghezza", p.Larghezza, Limite::Positivo);
    c("Pila.Altezza", p.Altezza, Limite::Positivo);
    c("Pila.ScarpaSinistra", p.ScarpaSinistra, Limite::Libero);
    c("Pila.ScarpaDestra", p.ScarpaDestra, Limite::Libero);
    c("Pila.PesoUnita", p.PesoUnita, Limite::NonNegativo);
    const double base = static_cast<double>(p.Larghezza) +
                        static_cast<double>(p.Altezza) * (static_cast<double>(p.ScarpaSinistra) + p.ScarpaDestra);
    if (p.Larghezza > 0 && p.Altezza > 0 && base <= 0)
      c.Aggiungi("Pila.ScarpaSinistra",
                 Componi(r.traduci("Voro", "le scarpe lasciano alla base una larghezza di %1 m: deve essere maggiore di zero."),
                         {r.TestoDouble(base)}));
    c.Luogo(Componi(r.traduci("Voro", "Campata %1: "), {n}), "Campate(" + n + ").");
    c("Quota", cc.Quota, Limite::Libero);
    Anello(c, r, cc.nVori, cc.LuceAnello, cc.FrecciaAnello, cc.SpessoreAnello, cc.nConciAnello, cc.Vori);
    if (cc.nVori == 1) c("ResistenzaAnello", cc.ResistenzaAnello, Limite::NonNegativo);
  }
  return trovati;
}

void ControllaValoriFisici(const DatiProgetto& d, Messages& messaggi) {
  Regional r = Regional::inglese();
  r.setTraduzioni(messaggi.traduzioni());
  const std::vector<ValoreImpossibile> trovati = ValoriImpossibili(d, r);
  if (trovati.empty()) return;
  std::string testo;
  for (const ValoreImpossibile& v : trovati) testo += (testo.empty() ? "" : "\r") + v.messaggio;
  messaggi.critical(testo);
  throw RuntimeError(err::ImpossibleValue, testo);
}

}  // namespace voro
