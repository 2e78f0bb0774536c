// Writing the report document as HTML.
#include "report/ScriviHtml.h"

namespace voro {

namespace {

constexpr const char* kStile = R"(
body { font-family: "Liberation Sans", "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #000;
       background: #fff; max-width: 180mm; margin: 1em auto; padding: 0 1em; }
h1 { font-size: 18pt; margin: 0 0 0.5em 0; }
h2 { font-size: 13pt; border-bottom: 1px solid #000; margin-top: 1.6em; }
h3 { font-size: 11pt; margin-top: 1.2em; }
p.avviso { font-weight: bold; color: #a00000; }
table { border-collapse: collapse; margin: 0.5em 0 1em 0; }
th, td { padding: 0.15em 0.6em; border-bottom: 1px solid #ccc; vertical-align: top; }
th { background: #e8e8e8; border-bottom: 1px solid #000; text-align: left; }
th.n, td.n { text-align: right; }
table.titolo { border: 1px solid #000; min-width: 60%; }
table.titolo th { background: none; border-bottom: 1px solid #ccc; width: 8em; }
table.titolo td.firma div.linea { border-bottom: 1px solid #000; width: 60%; height: 2.2em; }
figure { margin: 1em 0; }
figure svg { width: 100%; height: auto; border: 1px solid #ccc; }
figcaption { font-style: italic; margin-top: 0.3em; }
@page { size: A4 portrait; margin: 15mm 15mm 15mm 20mm; }
@media print { tr, figure, table.titolo { break-inside: avoid; } thead { display: table-header-group; }
               h2, h3 { break-after: avoid; } body { max-width: none; } }
)";

void tabella(std::ostream& out, const Tabella& t) {
  out << "<table>\n<thead><tr>";
  for (const Colonna& c : t.colonne)
    out << (c.numerica ? "<th class=\"n\">" : "<th>") << EscapeHtml(c.intestazione()) << "</th>";
  out << "</tr></thead>\n<tbody>\n";
  for (const auto& r : t.righe) {
    out << "<tr>";
    for (std::size_t i = 0; i < t.colonne.size(); ++i)
      out << (t.colonne[i].numerica ? "<td class=\"n\">" : "<td>") << EscapeHtml(i < r.size() ? r[i] : "")
          << "</td>";
    out << "</tr>\n";
  }
  out << "</tbody>\n</table>\n";
}

}  // namespace

std::string EscapeHtml(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

void ScriviHtml(std::ostream& out, const Documento& doc, const SvgDisegno& svg) {
  out << "<!DOCTYPE html>\n<html lang=\"" << EscapeHtml(doc.lingua) << "\">\n<head>\n<meta charset=\"utf-8\"/>\n"
      << "<title>" << EscapeHtml(doc.nome) << " - " << EscapeHtml(doc.testata) << "</title>\n<style>" << kStile
      << "</style>\n</head>\n<body>\n";
  int figure = 0;
  for (const Blocco& b : doc.blocchi) {
    if (const auto* t = std::get_if<BloccoTitolo>(&b)) {
      out << "<h1>" << EscapeHtml(t->titolo) << "</h1>\n<table class=\"titolo\">\n";
      for (const auto& [k, v] : t->voci)
        out << "<tr><th>" << EscapeHtml(k) << "</th><td>" << EscapeHtml(v) << "</td></tr>\n";
      for (const Firma& f : t->firme) {
        out << "<tr><th>" << EscapeHtml(f.ruolo) << "</th><td class=\"firma\">";
        for (const auto& [k, v] : f.voci) out << "<div>" << EscapeHtml(k) << ": " << EscapeHtml(v) << "</div>";
        out << "<div class=\"linea\"></div></td></tr>\n";
      }
      out << "</table>\n";
    } else if (const auto* h = std::get_if<Intestazione>(&b)) {
      const char* tag = h->livello <= 1 ? "h2" : "h3";
      out << "<" << tag << ">" << EscapeHtml(h->testo) << "</" << tag << ">\n";
    } else if (const auto* p = std::get_if<Paragrafo>(&b)) {
      out << (p->avviso ? "<p class=\"avviso\">" : "<p>") << EscapeHtml(p->testo) << "</p>\n";
    } else if (const auto* t = std::get_if<Tabella>(&b)) {
      tabella(out, *t);
    } else if (const auto* f = std::get_if<Figura>(&b)) {
      const std::string disegno = svg ? svg(*f) : std::string();
      out << "<figure>\n"
          << (disegno.empty() ? "<p class=\"avviso\">" + EscapeHtml(doc.disegnoMancato) + "</p>" : disegno)
          << "\n<figcaption>" << EscapeHtml(Componi(doc.didascalia, {std::to_string(++figure)}))
          << EscapeHtml(f->didascalia) << "</figcaption>\n</figure>\n";
    }
  }
  out << "</body>\n</html>\n";
}

}  // namespace voro
