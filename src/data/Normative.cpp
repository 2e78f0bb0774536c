// The partial factors of EN 1990 Annex A2 and of NTC 2018 with the
// Circolare 2019, and where each comes from.
#include "data/Normative.h"

namespace voro {

namespace {

// The confidence factor of each knowledge level of an existing structure.
Single FattoreConfidenza(LivelloConoscenza l) {
  switch (l) {
    case LivelloConoscenza::LC1: return 1.35f;
    case LivelloConoscenza::LC2: return 1.20f;
    case LivelloConoscenza::LC3: return 1.00f;
  }
  return 1;
}

// The clauses, in the language of the report that cites them.
constexpr const char* kTabellaEN = VORO_NOOP("Voro", "EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO)");
constexpr const char* kTabellaNTC = VORO_NOOP("Voro", "NTC 2018, Table 5.1.V (ultimate limit states of bridges)");
constexpr const char* kFCNTC =
    VORO_NOOP("Voro", "Circolare 21.01.2019 n. 7, §C8.5.4 (knowledge levels and confidence factors)");
constexpr const char* kFCEN = VORO_NOOP("Voro", "EN 1998-3:2005, §3.3.1, Table 3.1 (confidence factor CF)");
constexpr const char* kDigitato = VORO_NOOP("Voro", "typed by the engineer");
constexpr const char* kNonDato = VORO_NOOP("Voro", "not given: no verdict without it");
constexpr const char* kNessunaRiduzione = VORO_NOOP("Voro", "default (no reduction)");

}  // namespace

std::string NomeNormativa(BaseNormativa b) {
  switch (b) {
    case BaseNormativa::Eurocodice: return "EN 1990 / EN 1991-2";
    case BaseNormativa::Ntc2018: return VORO_NOOP("Voro", "NTC 2018 (Italy)");
    case BaseNormativa::Digitata: return VORO_NOOP("Voro", "as typed");
  }
  return VORO_NOOP("Voro", "as typed");
}

std::string NomeLivello(LivelloConoscenza l) {
  switch (l) {
    case LivelloConoscenza::LC1: return "LC1";
    case LivelloConoscenza::LC2: return "LC2";
    case LivelloConoscenza::LC3: return "LC3";
  }
  return "LC3";
}

std::optional<BaseNormativa> LeggiBaseNormativa(const std::string& nome) {
  if (nome == "en") return BaseNormativa::Eurocodice;
  if (nome == "ntc") return BaseNormativa::Ntc2018;
  if (nome == "typed") return BaseNormativa::Digitata;
  return std::nullopt;
}

std::optional<LivelloConoscenza> LeggiLivello(const std::string& nome) {
  if (nome == "LC1") return LivelloConoscenza::LC1;
  if (nome == "LC2") return LivelloConoscenza::LC2;
  if (nome == "LC3") return LivelloConoscenza::LC3;
  return std::nullopt;
}

CoefficientiParziali CoefficientiNormativa(const DatiNormativa& n) {
  CoefficientiParziali c = n.coefficienti;
  switch (n.base) {
    case BaseNormativa::Digitata:
      return c;
    case BaseNormativa::Eurocodice:
      // Every permanent action, structural or not, 1.35 unfavourable and
      // 1.00 favourable; road traffic 1.35, rail traffic 1.45; Load Model
      // 71 as defined (alpha 1).
      c.gG1sup = c.gG2sup = 1.35f;
      c.gG1inf = c.gG2inf = 1.00f;
      c.gQ = 1.35f;
      c.gQf = 1.45f;
      c.alpha = 1.00f;
      break;
    case BaseNormativa::Ntc2018:
      // Non-structural permanent loads may be absent: 0 where favourable.
      c.gG1sup = 1.35f;
      c.gG1inf = 1.00f;
      c.gG2sup = 1.50f;
      c.gG2inf = 0.00f;
      c.gQ = 1.35f;
      // Rail traffic 1.45; LM71 on ordinary railways with alpha 1.1.
      c.gQf = 1.45f;
      c.alpha = 1.10f;
      break;
  }
  if (n.livello) c.FC = FattoreConfidenza(*n.livello);
  return c;
}

std::vector<ClausolaFattore> ClausoleNormativa(const DatiNormativa& n, const Regional* lingua) {
  const CoefficientiParziali& c = n.coefficienti;
  const CoefficientiParziali p = CoefficientiNormativa(n);
  const bool digitata = n.base == BaseNormativa::Digitata;
  auto testo = [lingua](const char* t) { return lingua ? lingua->traduci("Voro", t) : std::string(t); };
  const std::string tabella = testo(n.base == BaseNormativa::Eurocodice ? kTabellaEN : kTabellaNTC);
  const std::string digitato = testo(kDigitato);
  // A value the engineer changed from the code's own is theirs, not the code's.
  auto voce = [digitata, &digitato](const char* nome, Single valore, Single codice, const std::string& fonte) {
    return ClausolaFattore{nome, valore, !digitata && valore == codice ? fonte : digitato};
  };
  // The resistances' factors the engineer left at 1 reduce nothing: a default, not a choice.
  auto riduzione = [&](const char* nome, Single valore) {
    return ClausolaFattore{nome, valore, valore == 1 ? testo(kNessunaRiduzione) : digitato};
  };
  ClausolaFattore gM{"γM", c.gM, digitato};
  if (!n.gMDato) gM = digitata ? riduzione("γM", c.gM) : ClausolaFattore{"γM", c.gM, testo(kNonDato), false};
  ClausolaFattore fc = voce("FC", c.FC, p.FC,
                            testo(n.base == BaseNormativa::Eurocodice ? kFCEN : kFCNTC) + ", " +
                                (n.livello ? NomeLivello(*n.livello) : std::string()));
  if (!n.livello) fc = digitata ? riduzione("FC", c.FC) : ClausolaFattore{"FC", c.FC, testo(kNonDato), false};
  return {voce("γG1,sup", c.gG1sup, p.gG1sup, tabella), voce("γG1,inf", c.gG1inf, p.gG1inf, tabella),
          voce("γG2,sup", c.gG2sup, p.gG2sup, tabella), voce("γG2,inf", c.gG2inf, p.gG2inf, tabella),
          voce("γQ", c.gQ, p.gQ, tabella),              gM,
          fc,                                           riduzione("γμ", c.gMu),
          riduzione("γR", c.gR)};
}

void FattoriFerroviariPredefiniti(BaseNormativa b, CoefficientiParziali& c) {
  if (b == BaseNormativa::Digitata) {
    // The typed table had one factor for every variable load.
    c.gQf = c.gQ;
    c.alpha = 1;
  } else {
    DatiNormativa n;
    n.base = b;
    const CoefficientiParziali p = CoefficientiNormativa(n);
    c.gQf = p.gQf;
    c.alpha = p.alpha;
  }
  c.phi = 0;
}

void ApplicaNormativa(DatiNormativa& n, BaseNormativa b) {
  n.base = b;
  n.coefficienti = CoefficientiNormativa(n);
}

void ApplicaLivello(DatiNormativa& n, LivelloConoscenza l) {
  n.livello = l;
  n.coefficienti.FC = FattoreConfidenza(l);
}

std::vector<std::string> RiferimentiNormativa(BaseNormativa b) {
  switch (b) {
    case BaseNormativa::Eurocodice:
      return {"EN 1990:2002+A1:2005, Eurocode - Basis of structural design, Annex A2: Application for bridges.",
              "EN 1991-2:2003, Eurocode 1 - Actions on structures - Part 2: Traffic loads on bridges.",
              "EN 1998-3:2005, Eurocode 8 - Part 3: Assessment and retrofitting of buildings (knowledge levels "
              "and confidence factors)."};
    case BaseNormativa::Ntc2018:
      return {"D.M. 17 gennaio 2018, Aggiornamento delle Norme tecniche per le costruzioni (NTC 2018): §5.1.3.3.5 "
              "(schemi di carico dei ponti stradali), §5.2 (ponti ferroviari), Cap. 8 (costruzioni esistenti).",
              "Circolare 21 gennaio 2019 n. 7 C.S.LL.PP., Istruzioni per l'applicazione dell'Aggiornamento delle "
              "Norme tecniche per le costruzioni: §C8.3 (valutazione della sicurezza), §C8.5.4 (livelli di "
              "conoscenza e fattori di confidenza).",
              "C.S.LL.PP. (2020). Linee guida per la classificazione e gestione del rischio, la valutazione della "
              "sicurezza ed il monitoraggio dei ponti esistenti (D.M. 578/2020, aggiornate dal D.M. 204/2022).",
              "EN 1991-2:2003, Eurocode 1 - Actions on structures - Part 2: Traffic loads on bridges (the load "
              "models that NTC 2018 §5.1.3.3.5 takes over)."};
    case BaseNormativa::Digitata:
      return {};
  }
  return {};
}

Single* FattorePerNome(CoefficientiParziali& c, const std::string& nome) {
  if (nome == "gG1sup") return &c.gG1sup;
  if (nome == "gG1inf") return &c.gG1inf;
  if (nome == "gG2sup") return &c.gG2sup;
  if (nome == "gG2inf") return &c.gG2inf;
  if (nome == "gQ") return &c.gQ;
  if (nome == "gM") return &c.gM;
  if (nome == "FC") return &c.FC;
  if (nome == "gMu") return &c.gMu;
  if (nome == "gR") return &c.gR;
  if (nome == "gQrail") return &c.gQf;
  if (nome == "alpha") return &c.alpha;
  if (nome == "phi") return &c.phi;
  return nullptr;
}

}  // namespace voro
