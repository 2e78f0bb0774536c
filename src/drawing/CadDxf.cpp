// The in-memory CAD drawing and its DXF (release 2000) file.
#include "drawing/CadDxf.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "data/Cp1252.h"
#include "data/FileAtomico.h"
#include "data/NumberText.h"
#include "data/RuntimeError.h"

namespace voro {

namespace {

enum class Tipo { Linea, Cerchio, Polilinea, Solido, Testo };

class Entita : public EntitaCad {
 public:
  Tipo tipo = Tipo::Linea;
  Long colore = 256;  // by layer until coloured
  std::vector<PuntoCad> punti;
  double raggio = 0, altezza = 0, larghezza = 0;
  std::string testo, stile;

  void Color(Long indice) override { colore = indice; }
  void GetBoundingBox(PuntoCad& a, PuntoCad& b) const override {
    if (tipo == Tipo::Testo) {
      a = punti[0];
      b = {punti[0].x + larghezza, punti[0].y + altezza, 0};
      return;
    }
    if (tipo == Tipo::Cerchio) {
      a = {punti[0].x - raggio, punti[0].y - raggio, 0};
      b = {punti[0].x + raggio, punti[0].y + raggio, 0};
      return;
    }
    a = b = punti.empty() ? PuntoCad{} : punti[0];
    for (const auto& p : punti) {
      a.x = std::min(a.x, p.x), a.y = std::min(a.y, p.y);
      b.x = std::max(b.x, p.x), b.y = std::max(b.y, p.y);
    }
  }
};

class Stile : public StileTestoCad {
 public:
  Stile(std::string n, std::function<std::string(const std::string&)> risolvi)
      : nome(std::move(n)), risolvi_(std::move(risolvi)) {}
  std::string nome;
  std::string font = "txt";  // the CAD program's own simplex font until a file is set
  std::string percorso;      // the local font file, for the text metrics

  void fontFile(const std::string& windows) override {
    const std::string locale = risolvi_ ? risolvi_(windows) : std::string();
    if (locale.empty()) throw RuntimeError(err::FileNotFound);
    percorso = locale;
    font = std::filesystem::path(locale).filename().string();
  }

 private:
  std::function<std::string(const std::string&)> risolvi_;
};

}  // namespace

// The entities of the model space or of one block.
class Contenitore : public ContenitoreCad {
 public:
  explicit Contenitore(ApplicazioneCadDxf::Documento& doc) : doc_(doc) {}
  std::vector<std::unique_ptr<Entita>> entita;

  EntitaCad& AddLine(const PuntoCad& a, const PuntoCad& b) override { return nuova(Tipo::Linea, {a, b}); }
  EntitaCad& AddCircle(const PuntoCad& c, double r) override {
    Entita& e = nuova(Tipo::Cerchio, {c});
    e.raggio = r;
    return e;
  }
  EntitaCad& AddLightWeightPolyline(const std::vector<double>& xy) override {
    std::vector<PuntoCad> p;
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) p.push_back({xy[i], xy[i + 1], 0});
    return nuova(Tipo::Polilinea, p);
  }
  EntitaCad& AddSolid(const PuntoCad& a, const PuntoCad& b, const PuntoCad& c, const PuntoCad& d) override {
    return nuova(Tipo::Solido, {a, b, c, d});
  }
  EntitaCad& AddText(const std::string& testo, const PuntoCad& p, double h) override;

 private:
  Entita& nuova(Tipo t, std::vector<PuntoCad> punti) {
    auto e = std::make_unique<Entita>();
    e->tipo = t;
    e->punti = std::move(punti);
    entita.push_back(std::move(e));
    return *entita.back();
  }
  ApplicazioneCadDxf::Documento& doc_;
};

class ApplicazioneCadDxf::Documento : public DocumentoCad {
 public:
  explicit Documento(const ServiziCad& s) : servizi(s), modello(*this) {}
  const ServiziCad& servizi;
  Contenitore modello;
  std::map<std::string, std::unique_ptr<Contenitore>> blocchi;
  std::vector<std::unique_ptr<Stile>> stili;
  Stile* attivo = nullptr;

  ContenitoreCad& ModelSpace() override { return modello; }
  StileTestoCad& TextStylesAdd(const std::string& nome) override {
    for (auto& s : stili)
      if (s->nome == nome) return *s;
    stili.push_back(std::make_unique<Stile>(nome, servizi.risolviFont));
    return *stili.back();
  }
  void ActiveTextStyle(StileTestoCad& s) override { attivo = static_cast<Stile*>(&s); }
};

EntitaCad& Contenitore::AddText(const std::string& testo, const PuntoCad& p, double h) {
  Entita& e = nuova(Tipo::Testo, {p});
  e.testo = testo;
  e.altezza = h;
  e.stile = doc_.attivo ? doc_.attivo->nome : "Standard";
  const std::string font = doc_.attivo ? doc_.attivo->percorso : std::string();
  if (doc_.servizi.larghezzaTesto) {
    e.larghezza = doc_.servizi.larghezzaTesto(testo, font, h);
  } else {
    std::size_t caratteri = 0;
    for (unsigned char c : testo) caratteri += (c & 0xC0) != 0x80;
    e.larghezza = 0.6 * h * static_cast<double>(caratteri);
  }
  return e;
}

ApplicazioneCadDxf::ApplicazioneCadDxf(ServiziCad servizi)
    : servizi_(std::move(servizi)), doc_(std::make_unique<Documento>(servizi_)) {}

ApplicazioneCadDxf::~ApplicazioneCadDxf() = default;

DocumentoCad& ApplicazioneCadDxf::ActiveDocument() { return *doc_; }

ContenitoreCad& ApplicazioneCadDxf::Blocco(const std::string& nome) {
  auto& b = doc_->blocchi[nome];
  if (!b) b = std::make_unique<Contenitore>(*doc_);
  return *b;
}

namespace {

// Group-code and value lines with handles given in order.
class Scrittore {
 public:
  std::string out;
  unsigned prossimo = 0x20;

  void g(int codice, const std::string& valore) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%3d", codice);
    out += buf;
    out += "\r\n" + valore + "\r\n";
  }
  void g(int codice, double v) { g(codice, numberText(v, kDoubleDigits, ".", true)); }
  void gi(int codice, long v) { g(codice, std::to_string(v)); }
  std::string handle() {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", prossimo++);
    return buf;
  }
  void punto(int codice, const PuntoCad& p) {
    g(codice, p.x);
    g(codice + 10, p.y);
    g(codice + 20, p.z);
  }
};

void estremi(const Contenitore& c, PuntoCad& a, PuntoCad& b, bool& vuoto) {
  for (const auto& e : c.entita) {
    PuntoCad p, q;
    e->GetBoundingBox(p, q);
    if (vuoto) {
      a = p, b = q, vuoto = false;
    } else {
      a.x = std::min(a.x, p.x), a.y = std::min(a.y, p.y);
      b.x = std::max(b.x, q.x), b.y = std::max(b.y, q.y);
    }
  }
}

void scriviEntita(Scrittore& w, const Entita& e, const std::string& owner) {
  static const char* nomi[] = {"LINE", "CIRCLE", "LWPOLYLINE", "SOLID", "TEXT"};
  static const char* classi[] = {"AcDbLine", "AcDbCircle", "AcDbPolyline", "AcDbTrace", "AcDbText"};
  const auto t = static_cast<std::size_t>(e.tipo);
  w.g(0, nomi[t]);
  w.g(5, w.handle());
  w.g(330, owner);
  w.g(100, "AcDbEntity");
  w.g(8, "0");
  w.gi(62, e.colore);
  w.g(100, classi[t]);
  switch (e.tipo) {
    case Tipo::Linea:
      w.punto(10, e.punti[0]);
      w.punto(11, e.punti[1]);
      break;
    case Tipo::Cerchio:
      w.punto(10, e.punti[0]);
      w.g(40, e.raggio);
      break;
    case Tipo::Polilinea:
      w.gi(90, static_cast<long>(e.punti.size()));
      w.gi(70, 0);
      for (const auto& p : e.punti) {
        w.g(10, p.x);
        w.g(20, p.y);
      }
      break;
    case Tipo::Solido:
      for (int k = 0; k < 4; ++k) w.punto(10 + k, e.punti[static_cast<std::size_t>(k)]);
      break;
    case Tipo::Testo:
      w.punto(10, e.punti[0]);
      w.g(40, e.altezza);
      w.g(1, utf8ToCp1252Cad(e.testo));
      w.g(7, e.stile);
      w.g(100, "AcDbText");
      break;
  }
}

}  // namespace

std::string ApplicazioneCadDxf::TestoDxf() const {
  const Documento& doc = *doc_;
  Scrittore w;
  PuntoCad a{0, 0, 0}, b{1, 1, 0};
  bool vuoto = true;
  estremi(doc.modello, a, b, vuoto);
  if (vuoto) a = {0, 0, 0}, b = {1, 1, 0};

  w.g(0, "SECTION");
  w.g(2, "HEADER");
  w.g(9, "$ACADVER");
  w.g(1, "AC1015");
  w.g(9, "$DWGCODEPAGE");
  w.g(3, "ANSI_1252");
  w.g(9, "$INSUNITS");
  w.gi(70, 6);
  w.g(9, "$EXTMIN");
  w.punto(10, a);
  w.g(9, "$EXTMAX");
  w.punto(10, b);
  const std::size_t posSeed = w.out.size();
  w.g(0, "ENDSEC");

  w.g(0, "SECTION");
  w.g(2, "CLASSES");
  w.g(0, "ENDSEC");

  // Handles of the tables and the records the entities refer to.
  w.g(0, "SECTION");
  w.g(2, "TABLES");
  auto tabella = [&](const char* nome, int n, const std::function<void(const std::string&)>& records,
                     bool dimstyle = false) {
    w.g(0, "TABLE");
    w.g(2, nome);
    const std::string h = w.handle();
    w.g(5, h);
    w.g(330, "0");
    w.g(100, "AcDbSymbolTable");
    w.gi(70, n);
    if (dimstyle) w.g(100, "AcDbDimStyleTable");
    records(h);
    w.g(0, "ENDTAB");
  };
  auto record = [&](const char* tipo, const std::string& owner, const char* sottoclasse, bool dimstyle = false) {
    w.g(0, tipo);
    w.g(dimstyle ? 105 : 5, w.handle());
    w.g(330, owner);
    w.g(100, "AcDbSymbolTableRecord");
    w.g(100, sottoclasse);
  };
  tabella("VPORT", 1, [&](const std::string& t) {
    record("VPORT", t, "AcDbViewportTableRecord");
    w.g(2, "*Active");
    w.gi(70, 0);
    w.punto(10, {0, 0, 0});
    w.punto(11, {1, 1, 0});
    w.g(12, (a.x + b.x) / 2);
    w.g(22, (a.y + b.y) / 2);
    w.g(40, std::max(b.y - a.y, (b.x - a.x) / 1.6) * 1.1);
    w.g(41, 1.6);
  });
  tabella("LTYPE", 3, [&](const std::string& t) {
    for (const char* n : {"ByBlock", "ByLayer", "Continuous"}) {
      record("LTYPE", t, "AcDbLinetypeTableRecord");
      w.g(2, n);
      w.gi(70, 0);
      w.g(3, std::string(n) == "Continuous" ? "Solid line" : "");
      w.gi(72, 65);
      w.gi(73, 0);
      w.g(40, 0.0);
    }
  });
  tabella("LAYER", 1, [&](const std::string& t) {
    record("LAYER", t, "AcDbLayerTableRecord");
    w.g(2, "0");
    w.gi(70, 0);
    w.gi(62, 7);
    w.g(6, "Continuous");
  });
  tabella("STYLE", static_cast<int>(doc.stili.size()) + 1, [&](const std::string& t) {
    auto stile = [&](const std::string& nome, const std::string& font) {
      record("STYLE", t, "AcDbTextStyleTableRecord");
      w.g(2, nome);
      w.gi(70, 0);
      w.g(40, 0.0);
      w.g(41, 1.0);
      w.g(50, 0.0);
      w.gi(71, 0);
      w.g(42, 2.5);
      w.g(3, font);
      w.g(4, "");
    };
    stile("Standard", "txt");
    for (const auto& s : doc.stili) stile(s->nome, s->font);
  });
  tabella("VIEW", 0, [](const std::string&) {});
  tabella("UCS", 0, [](const std::string&) {});
  tabella("APPID", 1, [&](const std::string& t) {
    record("APPID", t, "AcDbRegAppTableRecord");
    w.g(2, "ACAD");
    w.gi(70, 0);
  });
  tabella(
      "DIMSTYLE", 1,
      [&](const std::string& t) {
        record("DIMSTYLE", t, "AcDbDimStyleTableRecord", true);
        w.g(2, "Standard");
        w.gi(70, 0);
      },
      true);
  std::vector<std::pair<std::string, const Contenitore*>> blocchi = {{"*Model_Space", &doc.modello},
                                                                      {"*Paper_Space", nullptr}};
  for (const auto& [nome, c] : doc.blocchi) blocchi.emplace_back(nome, c.get());
  std::vector<std::string> recordBlocchi;
  tabella("BLOCK_RECORD", static_cast<int>(blocchi.size()), [&](const std::string& t) {
    for (const auto& bl : blocchi) {
      recordBlocchi.push_back(w.handle());
      w.g(0, "BLOCK_RECORD");
      w.g(5, recordBlocchi.back());
      w.g(330, t);
      w.g(100, "AcDbSymbolTableRecord");
      w.g(100, "AcDbBlockTableRecord");
      w.g(2, bl.first);
    }
  });
  w.g(0, "ENDSEC");

  w.g(0, "SECTION");
  w.g(2, "BLOCKS");
  for (std::size_t i = 0; i < blocchi.size(); ++i) {
    const std::string& owner = recordBlocchi[i];
    w.g(0, "BLOCK");
    w.g(5, w.handle());
    w.g(330, owner);
    w.g(100, "AcDbEntity");
    w.g(8, "0");
    w.g(100, "AcDbBlockBegin");
    w.g(2, blocchi[i].first);
    w.gi(70, 0);
    w.punto(10, {0, 0, 0});
    w.g(3, blocchi[i].first);
    w.g(1, "");
    if (i >= 2)
      for (const auto& e : blocchi[i].second->entita) scriviEntita(w, *e, owner);
    w.g(0, "ENDBLK");
    w.g(5, w.handle());
    w.g(330, owner);
    w.g(100, "AcDbEntity");
    w.g(8, "0");
    w.g(100, "AcDbBlockEnd");
  }
  w.g(0, "ENDSEC");

  w.g(0, "SECTION");
  w.g(2, "ENTITIES");
  for (const auto& e : doc.modello.entita) scriviEntita(w, *e, recordBlocchi[0]);
  w.g(0, "ENDSEC");

  w.g(0, "SECTION");
  w.g(2, "OBJECTS");
  const std::string root = w.handle(), groups = w.handle();
  w.g(0, "DICTIONARY");
  w.g(5, root);
  w.g(330, "0");
  w.g(100, "AcDbDictionary");
  w.gi(281, 1);
  w.g(3, "ACAD_GROUP");
  w.g(350, groups);
  w.g(0, "DICTIONARY");
  w.g(5, groups);
  w.g(330, root);
  w.g(100, "AcDbDictionary");
  w.gi(281, 1);
  w.g(0, "ENDSEC");
  w.g(0, "EOF");

  // The next free handle goes into the header.
  Scrittore seed;
  seed.g(9, "$HANDSEED");
  seed.g(5, w.handle());
  w.out.insert(posSeed, seed.out);
  return w.out;
}

void ApplicazioneCadDxf::ZoomExtents() {
  salvato_ = aperto_ = false;
  ScriviFileAtomico(servizi_.percorso, TestoDxf());
  salvato_ = true;
  aperto_ = servizi_.apri && servizi_.apri(servizi_.percorso);
}

}  // namespace voro
