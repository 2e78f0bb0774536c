// Laying out and painting the report's pages.
#include "report/qt/ImpaginaRapporto.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <algorithm>
#include <numeric>

#include "drawing/qt/SuperficieQt.h"

namespace voro {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const QColor kGrigioChiaro(0xE8, 0xE8, 0xE8);
const QColor kGrigioLinea(0xB0, 0xB0, 0xB0);
const QColor kAvviso(0xA0, 0x00, 0x00);

// Sizes in points of the texts of the page.
// Tables of up to this many rows are not split across pages.
constexpr std::size_t kRigheUnite = 10;
constexpr double kCorpo = 9.5, kTabella = 8.5, kSezione = 13, kSottosezione = 10.5, kTitolo = 18, kMargine = 8;

}  // namespace

ImpaginaRapporto::ImpaginaRapporto(const Documento& doc, QPagedPaintDevice& device) : doc_(doc), device_(device) {
  dpi_ = device.logicalDpiY();
  const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
  larghezza_ = area.width();
  altezza_ = area.height();
  const double testata = QFontMetricsF(carattere(kMargine), &device_).height();
  cima_ = testata + mm(6);
  fondo_ = altezza_ - testata - mm(5);
  nuovaPagina();
  for (const Blocco& b : doc.blocchi) {
    if (const auto* t = std::get_if<BloccoTitolo>(&b)) titolo(*t);
    else if (const auto* h = std::get_if<Intestazione>(&b)) intestazione(*h);
    else if (const auto* p = std::get_if<Paragrafo>(&b)) paragrafo(*p);
    else if (const auto* t = std::get_if<Tabella>(&b)) tabella(*t);
    else if (const auto* f = std::get_if<Figura>(&b)) figura(*f);
  }
  // Headings with nothing after them still stand at the end.
  if (!attese_.empty()) colloca(0, 0, [](double) { return Elemento([](QPainter&, Messages&) { return true; }); });
}

QFont ImpaginaRapporto::carattere(double punti, bool grassetto, bool corsivo) const {
  QFont f(SuperficieQt::famiglia("Arial"));
  f.setPointSizeF(punti);
  f.setBold(grassetto);
  f.setItalic(corsivo);
  return QFont(f, &device_);
}

double ImpaginaRapporto::altezzaTesto(const QFont& f, const QString& testo, double larghezza) const {
  QFontMetricsF fm(f, &device_);
  return fm.boundingRect(QRectF(0, 0, larghezza, 1e9), Qt::TextWordWrap, testo).height();
}

void ImpaginaRapporto::nuovaPagina() {
  pagine_.emplace_back();
  righe_.emplace_back();
  y_ = cima_;
}

void ImpaginaRapporto::colloca(double prima, double h, const std::function<Elemento(double y)>& crea,
                               double seguito) {
  auto spazio = [&](double s) { return y_ > cima_ ? s : 0.0; };
  double serve = 0;
  bool primo = true;
  for (const Attesa& a : attese_) {
    serve += (primo ? spazio(a.prima) : a.prima) + a.altezza;
    primo = false;
  }
  serve += (primo ? spazio(prima) : prima) + h + std::max(seguito, 0.0);
  if (y_ + serve > fondo_ && y_ > cima_) nuovaPagina();
  for (const Attesa& a : attese_) {
    y_ += spazio(a.prima);
    pagine_.back().push_back(a.colloca(y_));
    y_ += a.altezza;
  }
  attese_.clear();
  y_ += spazio(prima);
  pagine_.back().push_back(crea(y_));
  y_ += h;
}

void ImpaginaRapporto::titolo(const BloccoTitolo& b) {
  const QFont grande = carattere(kTitolo, true), etichetta = carattere(kCorpo, true), testo = carattere(kCorpo);
  const double hTitolo = QFontMetricsF(grande, &device_).height();
  const double pad = mm(1.5), colonna = mm(30);
  std::vector<double> righe;
  for (const auto& [k, v] : b.voci)
    righe.push_back(altezzaTesto(testo, q(v), larghezza_ - colonna - 2 * pad) + 2 * pad);
  // A signature: name, registration and date stacked on the left of the
  // value column, the line for signing on its right.
  const double hLinea = QFontMetricsF(testo, &device_).height();
  for (const Firma& f : b.firme) righe.push_back(std::max(mm(11), f.voci.size() * hLinea + 2 * pad));
  const double tabella = std::accumulate(righe.begin(), righe.end(), 0.0);
  const double h = hTitolo + mm(4) + tabella;
  colloca(0, h + mm(6), [=, this, &b](double y) {
    return Elemento([=, this, &b](QPainter& p, Messages&) {
      p.setPen(Qt::black);
      p.setFont(grande);
      p.drawText(QRectF(0, y, larghezza_, hTitolo), Qt::AlignLeft | Qt::AlignVCenter, q(b.titolo));
      double yr = y + hTitolo + mm(4);
      std::size_t i = 0;
      const double valori = larghezza_ - colonna - 2 * pad, dettagli = valori * 0.55;
      auto riga = [&](const std::string& k, const std::function<void(double hr)>& valore) {
        const double hr = righe[i++];
        p.setFont(etichetta);
        p.drawText(QRectF(pad, yr + pad, colonna - 2 * pad, hr - 2 * pad), Qt::AlignLeft | Qt::AlignTop, q(k));
        p.setFont(testo);
        valore(hr);
        yr += hr;
        p.setPen(QPen(kGrigioLinea, mm(0.15)));
        if (i < righe.size()) p.drawLine(QPointF(0, yr), QPointF(larghezza_, yr));
        p.setPen(Qt::black);
      };
      for (const auto& [k, v] : b.voci)
        riga(k, [&](double hr) {
          p.drawText(QRectF(colonna + pad, yr + pad, valori, hr - 2 * pad),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, q(v));
        });
      for (const Firma& f : b.firme)
        riga(f.ruolo, [&](double hr) {
          const QFontMetricsF fm(testo, &device_);
          double yv = yr + pad;
          for (const auto& [k, v] : f.voci) {
            p.drawText(QRectF(colonna + pad, yv, dettagli, hLinea), Qt::AlignLeft | Qt::AlignTop,
                       fm.elidedText(q(k + ": " + v), Qt::ElideRight, dettagli));
            yv += hLinea;
          }
          const double yFirma = yr + hr - pad - mm(1);
          p.setPen(QPen(Qt::black, mm(0.2)));
          p.drawLine(QPointF(colonna + pad + dettagli + mm(4), yFirma), QPointF(larghezza_ - pad, yFirma));
        });
      p.setPen(QPen(Qt::black, mm(0.3)));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(0, y + hTitolo + mm(4), larghezza_, tabella));
      p.drawLine(QPointF(colonna, y + hTitolo + mm(4)), QPointF(colonna, y + hTitolo + mm(4) + tabella));
      return true;
    });
  });
}

void ImpaginaRapporto::intestazione(const Intestazione& h) {
  const bool sezione = h.livello <= 1;
  const QFont f = carattere(sezione ? kSezione : kSottosezione, true);
  const double alto = QFontMetricsF(f, &device_).height() + (sezione ? mm(1.2) : 0);
  const QString testo = q(h.testo);
  attese_.push_back({sezione ? mm(6) : mm(3.5), alto + mm(2), [=, this](double y) {
                       return Elemento([=, this](QPainter& p, Messages&) {
                         p.setFont(f);
                         p.setPen(Qt::black);
                         p.drawText(QRectF(0, y, larghezza_, alto), Qt::AlignLeft | Qt::AlignTop, testo);
                         if (sezione) {
                           p.setPen(QPen(Qt::black, mm(0.3)));
                           p.drawLine(QPointF(0, y + alto), QPointF(larghezza_, y + alto));
                         }
                         return true;
                       });
                     }});
}

void ImpaginaRapporto::paragrafo(const Paragrafo& par) {
  const QFont f = carattere(kCorpo, par.avviso);
  const QString testo = q(par.testo);
  const double h = altezzaTesto(f, testo, larghezza_);
  const bool avviso = par.avviso;
  colloca(mm(1), h + mm(1.5), [=, this](double y) {
    return Elemento([=, this](QPainter& p, Messages&) {
      p.setFont(f);
      p.setPen(avviso ? kAvviso : QColor(Qt::black));
      p.drawText(QRectF(0, y, larghezza_, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, testo);
      return true;
    });
  });
}

void ImpaginaRapporto::tabella(const Tabella& t) {
  const int indice = tabelle_++;
  const QFont testo = carattere(kTabella), grassetto = carattere(kTabella, true);
  const QFontMetricsF fm(testo, &device_), fmg(grassetto, &device_);
  const double padX = mm(1.5), padY = mm(0.7);
  const std::size_t n = t.colonne.size();
  if (n == 0) return;

  // Natural widths; the table spans the text width, taking the room it
  // lacks from the columns of words, which then wrap.
  std::vector<double> w(n);
  for (std::size_t c = 0; c < n; ++c) {
    w[c] = fmg.horizontalAdvance(q(t.colonne[c].intestazione()));
    for (const auto& r : t.righe)
      if (c < r.size()) w[c] = std::max(w[c], fm.horizontalAdvance(q(r[c])));
    w[c] += 2 * padX + 1;
  }
  const double naturale = std::accumulate(w.begin(), w.end(), 0.0);
  const auto parola = std::find_if(t.colonne.begin(), t.colonne.end(), [](const Colonna& c) { return !c.numerica; });
  if (naturale <= larghezza_) {
    // The room to spare widens the first column of words (the quantity
    // names), keeping the values beside their symbols and units.
    if (parola != t.colonne.end()) w[static_cast<std::size_t>(parola - t.colonne.begin())] += larghezza_ - naturale;
    else for (double& x : w) x *= larghezza_ / naturale;
  } else {
    double parole = 0;
    for (std::size_t c = 0; c < n; ++c)
      if (!t.colonne[c].numerica) parole += w[c];
    const double resta = larghezza_ - (naturale - parole);
    for (std::size_t c = 0; c < n; ++c) {
      if (parole > 0 && resta > 0 && !t.colonne[c].numerica) w[c] *= resta / parole;
      else if (parole <= 0 || resta <= 0) w[c] *= larghezza_ / naturale;
    }
  }
  std::vector<double> x(n + 1, 0.0);
  for (std::size_t c = 0; c < n; ++c) x[c + 1] = x[c] + w[c];

  auto altezzaRiga = [&](const std::vector<std::string>& celle, const QFont& f) {
    double h = QFontMetricsF(f, &device_).height();
    for (std::size_t c = 0; c < n && c < celle.size(); ++c)
      h = std::max(h, altezzaTesto(f, q(celle[c]), w[c] - 2 * padX));
    return h + 2 * padY;
  };
  auto dipingiRiga = [=, this](QPainter& p, double y, double h, const std::vector<std::string>& celle, bool testa) {
    if (testa) p.fillRect(QRectF(0, y, larghezza_, h), kGrigioChiaro);
    p.setFont(testa ? grassetto : testo);
    p.setPen(Qt::black);
    for (std::size_t c = 0; c < n && c < celle.size(); ++c) {
      const Qt::Alignment a = (t.colonne[c].numerica ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
      p.drawText(QRectF(x[c] + padX, y + padY, w[c] - 2 * padX, h - 2 * padY), a | Qt::TextWordWrap, q(celle[c]));
    }
    p.setPen(QPen(testa ? QColor(Qt::black) : kGrigioLinea, mm(testa ? 0.25 : 0.12)));
    p.drawLine(QPointF(0, y + h), QPointF(larghezza_, y + h));
    if (testa) p.drawLine(QPointF(0, y), QPointF(larghezza_, y));
  };

  std::vector<std::string> intestazioni;
  for (const Colonna& c : t.colonne) intestazioni.push_back(c.intestazione());
  const double hTesta = altezzaRiga(intestazioni, grassetto);
  auto testa = [=](double y) {
    return Elemento([=](QPainter& p, Messages&) {
      dipingiRiga(p, y, hTesta, intestazioni, true);
      return true;
    });
  };
  std::vector<double> alte;
  for (const auto& r : t.righe) alte.push_back(altezzaRiga(r, testo));
  // The heading row waits for the first row, so that the two stand together;
  // a short table stands whole on one page.
  attese_.push_back({mm(1.5), hTesta, testa});
  const double resto = t.righe.size() <= kRigheUnite ? std::accumulate(alte.begin(), alte.end(), 0.0) : 0.0;
  for (std::size_t r = 0; r < t.righe.size(); ++r) {
    const std::vector<std::string> celle = t.righe[r];
    const double h = alte[r];
    if (attese_.empty() && y_ + h > fondo_) {
      nuovaPagina();
      attese_.push_back({0, hTesta, testa});
    }
    colloca(0, h, [=](double y) {
      return Elemento([=](QPainter& p, Messages&) {
        dipingiRiga(p, y, h, celle, false);
        return true;
      });
    }, r == 0 ? resto - h : 0.0);
    righe_.back().emplace_back(indice, static_cast<int>(r));
  }
  if (t.righe.empty()) colloca(0, 0, [](double) { return Elemento([](QPainter&, Messages&) { return true; }); });
  y_ += mm(3);
}

void ImpaginaRapporto::figura(const Figura& f) {
  const int numero = ++figure_;
  const QFont corsivo = carattere(kTabella, false, true);
  const QString didascalia = q(Componi(doc_.didascalia, {std::to_string(numero)})) + q(f.didascalia);
  const double hDidascalia = altezzaTesto(corsivo, didascalia, larghezza_);
  double w = larghezza_, h = larghezza_ * f.proporzione;
  const double massima = fondo_ - cima_ - hDidascalia - mm(8);
  if (h > massima) {
    w *= massima / h;
    h = massima;
  }
  // A drawing made smaller keeps its proportions, texts included; its texts
  // stand a little smaller than the page's so that the labels beside the
  // arch fit in the drawing.
  const double x0 = (larghezza_ - w) / 2, dpi = dpi_ * 0.85 * w / larghezza_;
  colloca(mm(3), h + mm(2) + hDidascalia + mm(3), [=, this, &f](double y) {
    return Elemento([=, this, &f](QPainter& p, Messages& msg) {
      p.save();
      p.translate(x0, y);
      bool ok = true;
      {
        SuperficieQt s(p, w, h, dpi);
        ok = f.disegna && f.disegna(s, msg);
      }
      p.restore();
      p.setPen(QPen(kGrigioLinea, mm(0.15)));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(x0, y, w, h));
      p.setFont(corsivo);
      p.setPen(Qt::black);
      p.drawText(QRectF(0, y + h + mm(2), larghezza_, hDidascalia), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                 didascalia);
      return ok;
    });
  });
}

bool ImpaginaRapporto::Dipingi(QPainter& p, Messages& msg) const {
  const QFont f = carattere(kMargine);
  const double hMargine = QFontMetricsF(f, &device_).height();
  const int n = pagine();
  bool ok = true;
  for (int k = 0; k < n; ++k) {
    if (k > 0) device_.newPage();
    p.setFont(f);
    p.setPen(Qt::black);
    const QFontMetricsF fm(f, &device_);
    p.drawText(QRectF(0, 0, larghezza_ * 0.7, hMargine), Qt::AlignLeft | Qt::AlignTop,
               fm.elidedText(q(doc_.testata), Qt::ElideRight, larghezza_ * 0.7));
    p.drawText(QRectF(0, 0, larghezza_, hMargine), Qt::AlignRight | Qt::AlignTop, q(doc_.nome));
    p.setPen(QPen(Qt::black, mm(0.2)));
    p.drawLine(QPointF(0, hMargine + mm(1)), QPointF(larghezza_, hMargine + mm(1)));
    p.drawLine(QPointF(0, altezza_ - hMargine - mm(1)), QPointF(larghezza_, altezza_ - hMargine - mm(1)));
    p.drawText(QRectF(0, altezza_ - hMargine, larghezza_ * 0.7, hMargine), Qt::AlignLeft | Qt::AlignBottom,
               fm.elidedText(q(doc_.piede), Qt::ElideMiddle, larghezza_ * 0.7));
    p.drawText(QRectF(0, altezza_ - hMargine, larghezza_, hMargine), Qt::AlignRight | Qt::AlignBottom,
               q(Componi(doc_.pagina, {std::to_string(k + 1), std::to_string(n)})));
    for (const Elemento& e : pagine_[static_cast<std::size_t>(k)]) ok = e(p, msg) && ok;
  }
  return ok;
}

}  // namespace voro
