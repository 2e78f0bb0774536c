// Recording doubles of a drawing surface and of a CAD container, for
// checking what a drawing sends to its target.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "drawing/Cad.h"
#include "drawing/Superficie.h"

namespace voro::prova {

struct Tratto {
  std::string tipo;  // "linea", "cerchio", "riempi", "testo"
  std::vector<double> v;
  Long colore;
  int spessore;
  std::string testo;
};

class SuperficieRegistrata : public Superficie {
 public:
  std::vector<Tratto> tratti;
  std::vector<std::string> fonts;
  double W = 1000, H = 800;
  double l = 0, t = 0, w = 1000, h = 800;
  int spessore = 1;

  void ScalaPredefinita() override { l = 0, t = 0, w = W, h = H; }
  double ScaleLeft() const override { return l; }
  double ScaleTop() const override { return t; }
  double ScaleWidth() const override { return w; }
  double ScaleHeight() const override { return h; }
  void ImpostaScala(double a, double b, double c, double d) override { l = a, t = b, w = c, h = d; }
  void Linea(double x1, double y1, double x2, double y2, Long c) override {
    tratti.push_back({"linea", {x1, y1, x2, y2}, c, spessore, ""});
  }
  void Cerchio(double xc, double yc, double r, Long c) override { tratti.push_back({"cerchio", {xc, yc, r}, c, spessore, ""}); }
  void Riempi(const std::vector<double>& X, const std::vector<double>& Y, Long c) override {
    std::vector<double> v;
    for (std::size_t i = 0; i < X.size(); ++i) v.push_back(X[i]), v.push_back(Y[i]);
    tratti.push_back({"riempi", v, c, spessore, ""});
  }
  void Stampa(double x, double y, const std::string& s, Long c) override { tratti.push_back({"testo", {x, y}, c, spessore, s}); }
  double LarghezzaTesto(const std::string& s) const override { return 0.1 * static_cast<double>(s.size()); }
  double AltezzaTesto(const std::string&) const override { return 0.2; }
  void DrawWidth(int p) override { spessore = p; }
  double TwipsPerPixelX() const override { return 15; }
  void FontName(const std::string& n) override { fonts.push_back(n); }
  void FontSize(double) override {}

  int conta(const std::string& tipo, Long colore = -1) const {
    int n = 0;
    for (const auto& x : tratti) n += x.tipo == tipo && (colore < 0 || x.colore == colore);
    return n;
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
    auto& e = add("TEXT", {p.x, p.y, h});
    static_cast<EntitaRegistrata&>(e).testo = s;
    return e;
  }
  int conta(const std::string& tipo) const {
    int n = 0;
    for (const auto& e : entita) n += e->tipo == tipo;
    return n;
  }

 private:
  EntitaCad& add(const std::string& tipo, std::vector<double> v) {
    auto e = std::make_unique<EntitaRegistrata>();
    e->tipo = tipo;
    e->v = std::move(v);
    entita.push_back(std::move(e));
    return *entita.back();
  }
};

}  // namespace voro::prova
