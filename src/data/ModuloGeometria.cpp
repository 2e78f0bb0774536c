// Geometry form texts to the project and back.
#include "data/ModuloGeometria.h"

#include "data/UnitConversions.h"

namespace voro {

std::string TestiGeometria::cella(int i, int c) const {
  if (i < 1 || i > static_cast<int>(griglia.size()) || c < 0 || c > 6) return "";
  return griglia[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(c)];
}

bool LeggeDatiGeom(const TestiGeometria& f, DatiProgetto& d, const Regional& r, Messages& msg) {
  auto val = [&](const std::string& s) { return toSingle(r.ValInternazionale(s)); };
  d.Titolo = f.txtTitolo;
  d.hRiempimento = val(f.txtDati[1]);
  d.hSoletta = val(f.txtDati[2]);
  d.PesoMuratura = val(f.txtDati[3]);
  d.PesoRiempimento = val(f.txtDati[4]);
  d.PesoSoletta = val(f.txtDati[5]);
  d.Larghezza = val(f.txtLarg[0]);
  d.LarghezzaChiave = val(f.txtLarg[1]);
  d.LarghezzaChiave = d.Larghezza;  // the crown width box is hidden: one width for the whole vault
  d.SporgenzaParete = val(f.txtDati[6]);
  d.hRiempimentoSolido = val(f.txtDati[7]);
  d.nVori = r.CIntTesto(f.txtNvori);
  if (d.nVori < 1) {
    msg.critical("Il numero di vori deve essere > 0");
    return false;
  }
  d.dimensionaVori(d.nVori);
  d.Vori(1).X1 = 0;
  d.Vori(1).Y1 = 0;
  if (d.nVori == 1) {
    d.LuceAnello = val(f.txt1Voro[0]);
    d.FrecciaAnello = val(f.txt1Voro[1]);
    d.SpessoreAnello = val(f.txt1Voro[2]);
    d.nConciAnello = r.CSngTesto(f.txt1Voro[3]);
  } else {
    for (int i = 1; i <= d.nVori; ++i) {
      DatiVoro& v = d.Vori(i);
      v.X2 = r.ValInternazionale(f.cella(i, 1));
      v.Y2 = r.ValInternazionale(f.cella(i, 2));
      v.X3 = r.ValInternazionale(f.cella(i, 3));
      v.Y3 = r.ValInternazionale(f.cella(i, 4));
      v.Spessore = r.ValInternazionale(f.cella(i, 5));
      v.nConci = toInteger(r.ValInternazionale(f.cella(i, 6)));
      v.nConciInput = v.nConci;
    }
    d.LuceAnello = toSingle(d.Vori(d.nVori).X3 - d.Vori(1).X1);
  }
  d.EccSinistra = toSingle(LeggeDivisoMille(r, f.txtDati[9]));
  d.EccChiave = toSingle(LeggeDivisoMille(r, f.txtDati[10]));
  d.EccDestra = toSingle(LeggeDivisoMille(r, f.txtDati[11]));
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
    msg.critical("Il numero di vori deve essere > 0");
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
  f.txtDati[9] = FormattaPerMilleZero(r, d.EccSinistra);
  f.txtDati[10] = FormattaPerMilleZero(r, d.EccChiave);
  f.txtDati[11] = FormattaPerMilleZero(r, d.EccDestra);
  return true;
}

}  // namespace voro
