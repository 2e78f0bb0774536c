// Drawing on a QPainter with a user scale.
#include "drawing/qt/SuperficieQt.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPolygonF>
#include <QRawFont>
#include <cmath>
#include <filesystem>
#include <map>

#include "drawing/Colori.h"

namespace voro {

SuperficieQt::SuperficieQt(QPainter& painter, double width, double height, double dpi)
    : p_(painter), devW_(width), devH_(height), dpi_(dpi), family_(famiglia("MS Sans Serif")) {
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  ScalaPredefinita();
  applicaFont();
}

void SuperficieQt::ScalaPredefinita() { left_ = 0, top_ = 0, width_ = devW_, height_ = devH_; }

void SuperficieQt::ImpostaScala(double left, double top, double width, double height) {
  left_ = left, top_ = top, width_ = width, height_ = height;
}

QPointF SuperficieQt::mappa(double x, double y) const {
  return {(x - left_) / width_ * devW_, (y - top_) / height_ * devH_};
}

QColor SuperficieQt::colore(Long v) const {
  const Rgb c = ComponentiColore(v);
  return QColor(c.r, c.g, c.b);
}

void SuperficieQt::Linea(double x1, double y1, double x2, double y2, Long c) {
  p_.setPen(QPen(colore(c), penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p_.drawLine(mappa(x1, y1), mappa(x2, y2));
}

void SuperficieQt::Cerchio(double xc, double yc, double r, Long c) {
  p_.setPen(QPen(colore(c), penWidth_));
  p_.setBrush(Qt::NoBrush);
  p_.drawEllipse(mappa(xc, yc), std::fabs(r / width_ * devW_), std::fabs(r / height_ * devH_));
}

void SuperficieQt::Riempi(const std::vector<double>& X, const std::vector<double>& Y, Long c) {
  QPolygonF poly;
  for (std::size_t i = 0; i < X.size() && i < Y.size(); ++i) poly << mappa(X[i], Y[i]);
  p_.setPen(Qt::NoPen);
  p_.setBrush(colore(c));
  p_.drawPolygon(poly);
  p_.setBrush(Qt::NoBrush);
}

void SuperficieQt::Stampa(double x, double y, const std::string& testo, Long c) {
  p_.setPen(colore(c));
  const QPointF at = mappa(x, y);
  QFontMetricsF fm(p_.font());
  p_.drawText(QPointF(at.x(), at.y() + fm.ascent()), QString::fromStdString(testo));
}

double SuperficieQt::LarghezzaTesto(const std::string& testo) const {
  QFontMetricsF fm(p_.font());
  return fm.horizontalAdvance(QString::fromStdString(testo)) * std::fabs(width_) / devW_;
}

double SuperficieQt::AltezzaTesto(const std::string&) const {
  QFontMetricsF fm(p_.font());
  return fm.height() * std::fabs(height_) / devH_;
}

QString SuperficieQt::famiglia(const std::string& nome) {
  // Metric-compatible families where the system has them; Symbol text
  // arrives as Unicode Greek and needs a font with Greek letters.
  static const std::map<std::string, QStringList> mappa = {
      {"Times", {"Liberation Serif", "DejaVu Serif", "serif"}},
      {"Times New Roman", {"Liberation Serif", "DejaVu Serif", "serif"}},
      {"Arial", {"Liberation Sans", "DejaVu Sans", "sans-serif"}},
      {"MS Sans Serif", {"DejaVu Sans", "Liberation Sans", "sans-serif"}},
      {"Symbol", {"DejaVu Sans", "Liberation Sans", "sans-serif"}}};
  auto it = mappa.find(nome);
  if (it == mappa.end()) return QString::fromStdString(nome);
  const QStringList installate = QFontDatabase::families();
  for (const QString& f : it->second)
    if (installate.contains(f)) return f;
  return it->second.back();
}

void SuperficieQt::FontName(const std::string& nome) {
  family_ = famiglia(nome);
  applicaFont();
}

void SuperficieQt::FontSize(double punti) {
  points_ = punti;
  applicaFont();
}

void SuperficieQt::applicaFont() {
  QFont f(family_);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points_ * dpi_ / 72.0))));
  p_.setFont(f);
}

namespace {

// Font files of this system by file name, lower case.
const std::map<std::string, std::string>& fontFiles() {
  static const std::map<std::string, std::string> files = [] {
    std::map<std::string, std::string> out;
    std::error_code ec;
    for (const char* root : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
      for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
           !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        out.emplace(name, it->path().string());
      }
    }
    return out;
  }();
  return files;
}

}  // namespace

std::string RisolviFontWindows(const std::string& fileWindows) {
  std::string base = fileWindows.substr(fileWindows.find_last_of("\\/") + 1);
  for (auto& c : base) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  static const std::map<std::string, std::vector<std::string>> sostituti = {
      {"arial.ttf", {"arial.ttf", "liberationsans-regular.ttf", "dejavusans.ttf"}},
      {"times.ttf", {"times.ttf", "liberationserif-regular.ttf", "dejavuserif.ttf"}},
      {"timesnewroman.ttf", {"liberationserif-regular.ttf", "dejavuserif.ttf"}},
      {"symbol.ttf", {"dejavusans.ttf", "liberationsans-regular.ttf"}}};
  const auto& files = fontFiles();
  auto it = sostituti.find(base);
  const std::vector<std::string> candidati = it != sostituti.end() ? it->second : std::vector<std::string>{base};
  for (const auto& c : candidati) {
    auto f = files.find(c);
    if (f != files.end()) return f->second;
  }
  return "";
}

double LarghezzaTestoFont(const std::string& testo, const std::string& fileFont, double altezza) {
  // CAD text height is the capital height; the advance scales with it.
  const double pixel = 1000;
  QRawFont raw(QString::fromStdString(fileFont), pixel);
  if (fileFont.empty() || !raw.isValid()) {
    QFont f(SuperficieQt::famiglia("Arial"));
    f.setPixelSize(static_cast<int>(pixel));
    QFontMetricsF fm(f);
    return fm.horizontalAdvance(QString::fromStdString(testo)) / fm.capHeight() * altezza;
  }
  const QString s = QString::fromStdString(testo);
  const QVector<quint32> glyphs = raw.glyphIndexesForString(s);
  double w = 0;
  for (const QPointF& a : raw.advancesForGlyphIndexes(glyphs)) w += a.x();
  const double cap = raw.capHeight() > 0 ? raw.capHeight() : pixel * 0.7;
  return w / cap * altezza;
}

}  // namespace voro
