// The title block and the input data of the report.
#include "report/SezioniProgetto.h"

#include "data/Traduzioni.h"

namespace voro {

namespace {

// A bridge: every span's ring and the pier on its left.
void Campate(Documento& doc, const DatiProgetto& d, const NumeriRapporto& num) {
  doc.sottosezione(num.traduci("Rapporto", "Spans and piers"));
  doc.paragrafo(num.traduci("Rapporto", "The first span is the ring above; each further span stands on the pier on its "
                                        "left. A ring of segments gives its overall span only. The springing level y "
                                        "is the span's left springing above the first span's; the pier's height H "
                                        "runs from the top of its foundation to the higher springing, its batters "
                                        "are horizontal over vertical."));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Span"), ""}, {"L", "m"}, {"f", "m"}, {"t", "m"},
                         {"n", ""}, {"fc", "MPa"}, {"y", "m"}, {num.traduci("Rapporto", "Pier b"), "m"},
                         {"H", "m"}, {num.traduci("Rapporto", "Batter L"), ""}, {num.traduci("Rapporto", "Batter R"), ""},
                         {"γ", "kN/m³"}});
  auto anello = [&num](int k, Integer nVori, Single L, Single h, Single s, Single n, Single fc, Single y) {
    const bool uno = nVori <= 1;
    return std::vector<std::string>{num.intero(k),      num.dato(L),  uno ? num.dato(h) : "-", uno ? num.dato(s) : "-",
                                    uno ? num.dato(n) : "-", num.dato(fc), num.dato(y)};
  };
  std::vector<std::string> prima =
      anello(1, d.nVori, d.LuceAnello, d.FrecciaAnello, d.SpessoreAnello, d.nConciAnello, d.ResistenzaAnello, 0);
  prima.insert(prima.end(), {"-", "-", "-", "-", "-"});
  t.righe.push_back(prima);
  for (std::size_t k = 0; k < d.Campate.size(); ++k) {
    const DatiCampata& c = d.Campate[k];
    std::vector<std::string> r = anello(static_cast<int>(k) + 2, c.nVori, c.LuceAnello, c.FrecciaAnello,
                                        c.SpessoreAnello, c.nConciAnello, c.ResistenzaAnello, c.Quota);
    const DatiPila& p = c.Pila;
    r.insert(r.end(), {num.dato(p.Larghezza), num.dato(p.Altezza), num.dato(p.ScarpaSinistra),
                       num.dato(p.ScarpaDestra), num.dato(p.PesoUnita)});
    t.righe.push_back(r);
  }
}

// The masonry's strength, the joints' friction and the soil's mobilisation
// as typed, and under a code basis their design values.
void Resistenze(Documento& doc, const DatiProgetto& d, const NumeriRapporto& num) {
  doc.sottosezione(num.traduci("Rapporto", "Strength, friction and soil"));
  doc.paragrafo(num.traduci("Rapporto", "fc is the masonry's mean compressive strength as the engineer typed it, "
                                        "with its source (tests, or the tables for the knowledge level); 0 stands "
                                        "for unlimited strength. Under a code basis the confidence factor FC and "
                                        "the partial factor γM divide it into the design strength fd, as the "
                                        "Circolare of 21 January 2019 n. 7, §C8.5.4, reads for existing masonry; the "
                                        "friction coefficient μ is divided by γμ."));
  auto& t = doc.tabella(ColonneValori(num));
  auto resistenza = [&num](Single fc) {
    return fc > 0 ? num.dato(fc) : std::string(num.traduci("Rapporto", "unlimited"));
  };
  const CoefficientiParziali& c = d.Normativa.coefficienti;
  const bool progetto = d.Normativa.base != BaseNormativa::Digitata || c.gM * c.FC != 1 || c.gMu != 1;
  auto righeResistenza = [&](const std::string& nome, Single fc) {
    t.righe.push_back({nome, "fc", resistenza(fc), "MPa"});
    if (progetto && fc > 0)
      t.righe.push_back({num.traduci("Rapporto", "Design strength fd = fc / (γM FC)"), "fd",
                         num.MPa(1000.0 * fc / (c.gM * c.FC)), "MPa"});
  };
  if (d.nVori <= 1)
    righeResistenza(num.traduci("Rapporto", "Compressive strength of the masonry (mean)"), d.ResistenzaAnello);
  else
    for (int i = 1; i <= d.nVori && d.Vori.contains(i); ++i)
      righeResistenza(voro::Componi(num.traduci("Rapporto", "Compressive strength of segment %1 (mean)"),
                                    {num.intero(i)}),
                      d.Vori(i).Resistenza);
  t.righe.push_back({num.traduci("Rapporto", "Friction coefficient of the joints"), "μ",
                     d.Attrito ? num.dato(*d.Attrito) : std::string(num.traduci("Rapporto", "no sliding")), "-"});
  if (progetto && d.Attrito)
    t.righe.push_back({num.traduci("Rapporto", "Design friction coefficient μ / γμ"), "μd",
                       num.fattore(*d.Attrito / c.gMu), "-"});
  t.righe.push_back({num.traduci("Rapporto", "Share of the passive pressure the soil may mobilise"), "",
                     num.dato(d.Mobilitazione), "-"});
}

}  // namespace

void SezioneTitolo::Componi(Documento& doc, const NumeriRapporto& num) const {
  const DatiProgetto& d = *f_.dati;
  const Cartiglio& c = d.Cartiglio;
  BloccoTitolo b;
  b.titolo = titolo_;
  auto voce = [&b](const std::string& k, const std::string& v) { b.voci.emplace_back(k, v); };
  voce(num.traduci("Rapporto", "Project"), d.Titolo.empty() ? num.traduci("Rapporto", "(untitled)") : d.Titolo);
  if (firme_) {
    voce(num.traduci("Rapporto", "Document number"), c.numeroDocumento);
    voce(num.traduci("Rapporto", "Structure"), c.riferimento);
    voce(num.traduci("Rapporto", "Location"), c.localita);
    voce(num.traduci("Rapporto", "Owner"), c.proprietario);
    voce(num.traduci("Rapporto", "Client"), c.committente);
    voce(num.traduci("Rapporto", "Purpose"), c.scopo);
  }
  voce(num.traduci("Rapporto", "File"), f_.file.empty() ? num.traduci("Rapporto", "(not saved)") : f_.file);
  if (f_.momento) voce(num.traduci("Rapporto", "Date"), DataOra(*f_.momento));
  if (!f_.programma.empty()) voce(num.traduci("Rapporto", "Program"), f_.programma);
  if (firme_) {
    voce(num.traduci("Rapporto", "Revision"), c.revisione);
    voce(num.traduci("Rapporto", "Status"), c.stato);
    // Each role with who signs, the register and the date beside the line
    // for signing; what the project leaves empty is written by hand.
    auto firma = [&num](const std::string& ruolo, const std::string& nome, const std::string& iscrizione,
                        const std::string& data) {
      return Firma{ruolo,
                   {{num.traduci("Rapporto", "Name"), nome},
                    {num.traduci("Rapporto", "Registration"), iscrizione},
                    {num.traduci("Rapporto", "Date"), data}}};
    };
    b.firme = {firma(num.traduci("Rapporto", "Engineer"), c.progettista, c.iscrizioneProgettista, c.dataProgettista),
               firma(num.traduci("Rapporto", "Checker"), c.verificatore, c.iscrizioneVerificatore, c.dataVerificatore),
               firma(num.traduci("Rapporto", "Approver"), c.approvatore, c.iscrizioneApprovatore, c.dataApprovatore)};
  }
  doc.titolo(std::move(b));
}

void SezioneDati::Componi(Documento& doc, const NumeriRapporto& num) const {
  const DatiProgetto& d = *f_.dati;
  doc.sezione(num.traduci("Rapporto", "Input data"));

  if (d.nVori <= 1) {
    doc.sottosezione(num.traduci("Rapporto", "Ring"));
    doc.paragrafo(num.traduci("Rapporto", "One circular ring, its intrados from the left springing at the origin."));
    auto& t = doc.tabella(ColonneValori(num));
    t.righe = {{num.traduci("Rapporto", "Span"), "L", num.dato(d.LuceAnello), "m"},
               {num.traduci("Rapporto", "Rise"), "f", num.dato(d.FrecciaAnello), "m"},
               {num.traduci("Rapporto", "Thickness"), "t", num.dato(d.SpessoreAnello), "m"},
               {num.traduci("Rapporto", "Voussoirs"), "n", num.dato(d.nConciAnello), "-"}};
  } else {
    doc.sottosezione(num.traduci("Rapporto", "Segments"));
    doc.paragrafo(num.traduci("Rapporto", "A chain of ") + num.intero(d.nVori) +
                  num.traduci("Rapporto", " circular segments of the intrados, each through an intermediate point (x2, y2) to its end "
                  "point (x3, y3); the first starts at the origin, every other one where the previous ends."));
    auto& t = doc.tabella({{num.traduci("Rapporto", "Segm."), ""}, {"x2", "m"}, {"y2", "m"}, {"x3", "m"}, {"y3", "m"}, {"t", "m"},
                           {num.traduci("Rapporto", "Voussoirs"), ""}});
    for (int i = 1; i <= d.nVori && d.Vori.contains(i); ++i) {
      const DatiVoro& v = d.Vori(i);
      t.righe.push_back({num.intero(i), num.dato(v.X2), num.dato(v.Y2), num.dato(v.X3), num.dato(v.Y3),
                         num.dato(v.Spessore), num.intero(v.nConciInput)});
    }
    auto& s = doc.tabella(ColonneValori(num));
    s.righe = {{num.traduci("Rapporto", "Overall span"), "L", num.dato(d.LuceAnello), "m"}};
  }

  if (!d.Campate.empty()) Campate(doc, d, num);

  doc.sottosezione(num.traduci("Rapporto", "Fill, slab, weights, widths and walls"));
  auto& p = doc.tabella(ColonneValori(num));
  p.righe = {{num.traduci("Rapporto", "Unit weight of the masonry"), "γm", num.dato(d.PesoMuratura), "kN/m³"},
             {num.traduci("Rapporto", "Fill above the crown"), "h1", num.dato(d.hRiempimento), "m"},
             {num.traduci("Rapporto", "Unit weight of the fill"), "γ1", num.dato(d.PesoRiempimento), "kN/m³"},
             {num.traduci("Rapporto", "Slab on the fill"), "h2", num.dato(d.hSoletta), "m"},
             {num.traduci("Rapporto", "Unit weight of the slab"), "γ2", num.dato(d.PesoSoletta), "kN/m³"},
             {num.traduci("Rapporto", "Width of the vault"), "b", num.dato(d.Larghezza), "m"},
             {num.traduci("Rapporto", "Width at the crown"), "bc", num.dato(d.LarghezzaChiave), "m"},
             {num.traduci("Rapporto", "Protrusion of the upper walls"), "dw", num.dato(d.SporgenzaParete), "m"},
             {num.traduci("Rapporto", "Depth of the solid backing"), "hw", num.dato(d.hRiempimentoSolido), "m"}};
  doc.paragrafo(num.traduci("Rapporto", "The vault's width varies linearly from b at the springings to bc at the "
                                        "crown; each joint takes the width at its position."));

  doc.sottosezione(num.traduci("Rapporto", "Live load"));
  doc.paragrafo(num.traduci("Rapporto", "A uniformly distributed load on top of the slab between the abscissae xq1 and xq2."));
  auto& q = doc.tabella(ColonneValori(num));
  q.righe = {{num.traduci("Rapporto", "Distributed load"), "q", num.dato(d.qCarico), "kN/m²"},
             {num.traduci("Rapporto", "Load from"), "xq1", num.dato(d.xq1), "m"},
             {num.traduci("Rapporto", "Load to"), "xq2", num.dato(d.xq2), "m"},
             {d.ScalaManuale ? num.traduci("Rapporto", "Drawing scale of the load (typed; not a calculation input)")
                             : num.traduci("Rapporto", "Drawing scale of the load (automatic; not a calculation input)"),
              "1:N",
              num.dato(d.ScalaPlot), "-"}};

  doc.sottosezione(num.traduci("Rapporto", "Passive pressure"));
  auto& k = doc.tabella(ColonneValori(num));
  k.righe = {{num.traduci("Rapporto", "Passive pressures applied"), "", num.siNo(d.SpintaPassiva), "-"},
             {num.traduci("Rapporto", "Coefficient of passive pressure"), "Kp", num.dato(d.Kp), "-"},
             {num.traduci("Rapporto", "Voussoirs from the left springing"), "", num.intero(d.nConciSpinta[0]), "-"},
             {num.traduci("Rapporto", "Voussoirs from the right springing"), "", num.intero(d.nConciSpinta[1]), "-"}};

  Resistenze(doc, d, num);

  doc.sottosezione(num.traduci("Rapporto", "Thrust line and search options"));
  auto& e = doc.tabella(ColonneValori(num));
  e.righe = {{num.traduci("Rapporto", "Start eccentricity, left springing"), "el", num.datoMm(d.EccSinistra), "mm"},
             {num.traduci("Rapporto", "Start eccentricity, crown"), "ec", num.datoMm(d.EccChiave), "mm"},
             {num.traduci("Rapporto", "Start eccentricity, right springing"), "er", num.datoMm(d.EccDestra), "mm"},
             {num.traduci("Rapporto", "Optimise the thrust line"), "", num.siNo(d.OttimizzaCerniere), "-"},
             {num.traduci("Rapporto", "Steps of the search"), "n", num.intero(d.nDivisioni), "-"},
             {num.traduci("Rapporto", "Optimise the eccentricities (distance from the edges)"), "", num.siNo(d.OttimizzaEccentricita),
              "-"}};
}

}  // namespace voro
