// The analysed arch beside the input arch.
#include "report/SezioneArcoAnalizzato.h"

#include <algorithm>

#include "data/Traduzioni.h"

namespace voro {

namespace {

double IntradossoMassimo(const ModelloArco& m, int primo, int ultimo) {
  double y = m.Conci(primo).y(1);
  for (int i = primo; i <= ultimo; ++i) y = std::max({y, m.Conci(i).y(1), m.Conci(i).y(2)});
  return y;
}

}  // namespace

std::optional<ProfiloArco> ArcoDato(const ModelloArco& m, const DatiProgetto& d) {
  if (m.ponte() || m.nConciTot < 1 || m.Vori.empty()) return std::nullopt;
  ProfiloArco p;
  p.xSinistra = m.Vori(1).X1;
  p.ySinistra = m.Vori(1).Y1;
  p.xDestra = m.Vori(m.Vori.size()).X3;
  p.yDestra = m.Vori(m.Vori.size()).Y3;
  // The ring's end joints: the lowest extrados corners of the voussoirs the walls took.
  p.yEstradossoSinistra = m.Conci(1).y(4);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i)
    p.yEstradossoSinistra = std::min({p.yEstradossoSinistra, m.ConciPareteSinistra(i).y(3), m.ConciPareteSinistra(i).y(4)});
  p.yEstradossoDestra = m.Conci(m.nConciTot).y(3);
  for (int i = 1; i <= m.nConciPareteDestra; ++i)
    p.yEstradossoDestra = std::min({p.yEstradossoDestra, m.ConciPareteDestra(i).y(3), m.ConciPareteDestra(i).y(4)});
  p.yChiave = IntradossoMassimo(m, 1, m.nConciTot);
  p.conci = d.nConciAnello > 0 ? static_cast<int>(d.nConciAnello)
                               : m.nConciTot + m.nConciPareteSinistra + m.nConciPareteDestra;
  return p;
}

std::optional<ProfiloArco> ArcoAnalizzato(const ModelloArco& m) {
  if (m.ponte() || m.nConciTot < 1) return std::nullopt;
  const Concio& a = m.Conci(1);
  const Concio& b = m.Conci(m.nConciTot);
  ProfiloArco p;
  p.xSinistra = a.x(1);
  p.ySinistra = a.y(1);
  p.xDestra = b.x(2);
  p.yDestra = b.y(2);
  p.yEstradossoSinistra = a.y(4);
  p.yEstradossoDestra = b.y(3);
  p.yChiave = IntradossoMassimo(m, 1, m.nConciTot);
  p.conci = m.nConciTot;
  return p;
}

void SezioneArcoAnalizzato::Componi(Documento& doc, const NumeriRapporto& num) const {
  if (!f_.modello) return;
  const auto dato = ArcoDato(*f_.modello, *f_.dati);
  const auto analizzato = ArcoAnalizzato(*f_.modello);
  if (!dato || !analizzato) return;
  doc.sottosezione(num.traduci("Rapporto", "Analysed arch"));
  const bool tagliato = f_.modello->nConciPareteSinistra > 0 || f_.modello->nConciPareteDestra > 0;
  doc.paragrafo(
      tagliato
          ? num.traduci("Rapporto", "The arch analysed is not the whole ring of the input: each springing is cut "
                                    "where the extrados meets the solid backing, the voussoirs below it belong to "
                                    "the backing and the rest of the ring is cut again into the voussoirs of the "
                                    "model. The solid backing and the abutments are taken as rigid supports that "
                                    "neither move nor fail; the arch's springing joints rest on them.")
          : num.traduci("Rapporto", "The arch analysed is the whole ring of the input, cut into the voussoirs of "
                                    "the model. The abutments are taken as rigid supports that neither move nor "
                                    "fail; the arch's springing joints rest on them."));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Quantity"), "", false},
                         {num.traduci("Rapporto", "Input ring"), ""},
                         {num.traduci("Rapporto", "Analysed arch"), ""},
                         {num.traduci("Rapporto", "Unit"), "", false}});
  auto riga = [&](const char* nome, double a, double b) {
    t.righe.push_back({num.traduci("Rapporto", nome), num.metri(a), num.metri(b), "m"});
  };
  riga(VORO_NOOP("Rapporto", "Span between the intrados springings"), dato->luce(), analizzato->luce());
  riga(VORO_NOOP("Rapporto", "Rise of the intrados"), dato->freccia(), analizzato->freccia());
  riga(VORO_NOOP("Rapporto", "Left springing, intrados x"), dato->xSinistra, analizzato->xSinistra);
  riga(VORO_NOOP("Rapporto", "Left springing, intrados y"), dato->ySinistra, analizzato->ySinistra);
  riga(VORO_NOOP("Rapporto", "Left springing, extrados y"), dato->yEstradossoSinistra,
       analizzato->yEstradossoSinistra);
  riga(VORO_NOOP("Rapporto", "Right springing, intrados x"), dato->xDestra, analizzato->xDestra);
  riga(VORO_NOOP("Rapporto", "Right springing, intrados y"), dato->yDestra, analizzato->yDestra);
  riga(VORO_NOOP("Rapporto", "Right springing, extrados y"), dato->yEstradossoDestra, analizzato->yEstradossoDestra);
  t.righe.push_back({num.traduci("Rapporto", "Voussoirs"), num.intero(dato->conci), num.intero(analizzato->conci), ""});
}

}  // namespace voro
