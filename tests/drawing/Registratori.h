// Recording doubles of a drawing surface and of a CAD container: what a drawing sends to its target.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/Cad.h"
#include "drawing/Colori.h"
#include "drawing/Superficie.h"

namespace voro::prova {

// The colour a drawing sends to its target for a colour index.
inline Long rgb(Long indice) { return ValoreColore(ColoreIndice(indice)); }

struct Tratto {
  std::string tipo;  // "linea", "cerchio", "riempi", "testo"
  std::vector<double> v;
  Long colore;
  std::string testo;
};

class SuperficieRegistrata : public Superficie {
 public:
  std::vector<Tratto> tratti;
  double W = 1000, H = 800;
  double l = 0, t = 0, w = 1000, h = 800;

  void ScalaPredefinita() override { l = 0, t = 0, w = W, h = H; }
  double ScaleLeft() const override { return l; }
  double ScaleTop() const override { return t; }
  double ScaleWidth() const override { return w; }
  double ScaleHeight() const override { return h; }
  void ImpostaScala(double a, double b, double c, double d) override { l = a, t = b, w = c, h = d; }
  void Linea(double x1, double y1, double x2, double y2, Long c) override {
    tratti.push_back({"linea", {x1, y1, x2, y2}, c, ""});
  }
  void Cerchio(double xc, double yc, double r, Long c) override { tratti.push_back({"cerchio", {xc, yc, r}, c, ""}); }
  void Riempi(const std::vector<double>& X, const std::vector<double>& Y, Long c) override {
    std::vector<double> v;
    for (std::size_t i = 0; i < X.size(); ++i) v.push_back(X[i]), v.push_back(Y[i]);
    tratti.push_back({"riempi", v, c, ""});
  }
  void Stampa(double x, double y, const std::string& s, Long c) override { tratti.push_back({"testo", {x, y}, c, s}); }
  double LarghezzaTesto(const std::string& s) const override { return 0.1 * static_cast<double>(s.size()); }
  double AltezzaTesto(const std::string&) const override { return 0.2; }
  void DrawWidth(int) override {}
  double TwipsPerPixelX() const override { return 15; }
  void FontName(const std::string&) override {}
  void FontSize(double) override {}

  int conta(const std::string& tipo, Long colore = -1) const {
    int n = 0;
    for (const auto& x : tratti) n += x.tipo == tipo && (colore < 0 || x.colore == colore);
    return n;
  }
  // How many texts are exactly t; whether one contains it.
  int contaTesto(const std::string& t) const {
    int n = 0;
    for (const auto& x : tratti) n += x.tipo == "testo" && x.testo == t;
    return n;
  }
  bool haTesto(const std::string& parte) const {
    for (const auto& x : tratti)
      if (x.tipo == "testo" && x.testo.find(parte) != std::string::npos) return true;
    return false;
  }
};

struct EntitaRegistrata : EntitaCad {
  std::string tipo;
  std::vector<double> v;
  std::string testo;
  Long colore = -1;
  void Color(Long c) override { colore = c; }
  void GetBoundingBox(PuntoCad& a, PuntoCad& b) const override {
    a = {v[0], v[1], 0};
    b = {v[0] + 0.5 * static_cast<double>(testo.size()), v[1] + 1, 0};
  }
};

class ContenitoreRegistrato : public ContenitoreCad {
 public:
  std::vector<std::unique_ptr<EntitaRegistrata>> entita;
  EntitaCad& AddLine(const PuntoCad& a, const PuntoCad& b) override { return add("LINE", {a.x, a.y, b.x, b.y}); }
  EntitaCad& AddCircle(const PuntoCad& c, double r) override { return add("CIRCLE", {c.x, c.y, r}); }
  EntitaCad& AddLightWeightPolyline(const std::vector<double>& xy) override { return add("LWPOLYLINE", xy); }
  EntitaCad& AddSolid(const PuntoCad& a, const PuntoCad& b, const PuntoCad& c, const PuntoCad& d) override {
    return add("SOLID", {a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y});
  }
  EntitaCad& AddText(const std::string& s, const PuntoCad& p, double h) override {
    return add("TEXT", {p.x, p.y, h}, s);
  }
  int conta(const std::string& tipo) const {
    int n = 0;
    for (const auto& e : entita) n += e->tipo == tipo;
    return n;
  }

 private:
  EntitaCad& add(const std::string& tipo, std::vector<double> v, const std::string& testo = "") {
    entita.push_back(std::make_unique<EntitaRegistrata>());
    entita.back()->tipo = tipo, entita.back()->v = std::move(v), entita.back()->testo = testo;
    return *entita.back();
  }
};

}  // namespace voro::prova

namespace voro {
using prova::ContenitoreRegistrato, prova::rgb, prova::SuperficieRegistrata;
}  // namespace voro
