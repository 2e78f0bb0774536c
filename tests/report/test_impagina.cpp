// The report on A4 pages: rows never split, short tables whole, drawings
// painted, the PDF and SVG files. The page count growing with the voussoirs
// and the repeatable PDF are read from voro-cli's files (cli/test_report.py).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "analysis/ProgettiProva.h"
#include "report/ComponiRapporto.h"
#include "report/qt/FileRapporto.h"
#include "report/qt/ImpaginaRapporto.h"

using namespace voro;

namespace {

// A PDF writer on A4 with the report's margins.
struct Pdf {
  QBuffer buffer;
  QPdfWriter writer{&buffer};
  Pdf() {
    buffer.open(QIODevice::WriteOnly);
    writer.setResolution(300);
    writer.setPageLayout(PaginaRapporto());
  }
};

Documento RapportoAnello(prova::Caso& c, FontiRapporto& f) {
  c.risolvi();
  f.dati = &c.dati;
  f.modello = &c.modello;
  f.risultati = &c.risultati;
  return ComponiRapporto(f, NumeriRapporto(Regional::inglese()));
}

}  // namespace

TEST(ImpaginaRapporto, EveryRowOnceOnOnePageInOrder) {
  Documento doc;
  doc.sezione("Long table");
  auto& t = doc.tabella({{"Sect.", ""}, {"Quantity", "", false}, {"Value", "kN"}});
  for (int i = 1; i <= 300; ++i) t.righe.push_back({std::to_string(i), "row", std::to_string(i * 2)});
  Pdf pdf;
  ImpaginaRapporto pagine(doc, pdf.writer);
  ASSERT_GE(pagine.pagine(), 5);
  int atteso = 0;
  for (int k = 0; k < pagine.pagine(); ++k) {
    EXPECT_FALSE(pagine.righePagina(k).empty()) << "page " << k;
    for (const auto& [tabella, riga] : pagine.righePagina(k)) {
      EXPECT_EQ(tabella, 0);
      EXPECT_EQ(riga, atteso++);
    }
  }
  EXPECT_EQ(atteso, 300);
}

TEST(ImpaginaRapporto, ShortTablesStandWholeOnAPage) {
  Documento doc;
  std::string lungo;
  for (int i = 0; i < 120; ++i) lungo += "filling text ";
  for (int k = 0; k < 12; ++k) {
    doc.paragrafo(lungo);
    auto& t = doc.tabella({{"Quantity", "", false}, {"Value", ""}});
    for (int i = 0; i < 8; ++i) t.righe.push_back({"q", std::to_string(i)});
  }
  Pdf pdf;
  ImpaginaRapporto pagine(doc, pdf.writer);
  ASSERT_GT(pagine.pagine(), 2);
  std::map<int, std::set<int>> paginaDi;  // table -> pages
  for (int k = 0; k < pagine.pagine(); ++k)
    for (const auto& [tabella, riga] : pagine.righePagina(k)) paginaDi[tabella].insert(k);
  ASSERT_EQ(paginaDi.size(), 12u);
  for (const auto& [tabella, pagineTabella] : paginaDi) EXPECT_EQ(pagineTabella.size(), 1u) << "table " << tabella;
}

TEST(FileRapporto, PdfAndHtmlOfASolvedArch) {
  prova::Caso c(prova::ponte());
  FontiRapporto f;
  const Documento doc = RapportoAnello(c, f);
  RecordingMessages msg;
  bool ok = false;
  const QByteArray pdf = RapportoPdf(doc, msg, &ok);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(msg.empty());
  const QByteArray html = RapportoHtml(doc, msg, &ok);
  EXPECT_TRUE(ok);
  QXmlStreamReader xml(html);
  int svg = 0, testi = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) ++svg;
    if (xml.name() == QLatin1String("text")) ++testi;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(svg, 2);
  EXPECT_GT(testi, 5);  // the drawings' labels stay text
  EXPECT_FALSE(html.contains("<?xml"));
}

// A repeatable report: the creation date rewritten in place, at the same
// length whatever zone Qt wrote.
TEST(FileRapporto, TheEpochDatesThePdfAndTwoRunsGiveTheSameBytes) {
  const struct {
    const char* scritto;
    const char* atteso;
  } casi[] = {{"(D:20261207235329Z)", "(D:20231114221320Z)"},
              {"(D:20261208005331+01'00')", "(D:20231114221320+00'00')"},
              {"(D:20261207185331-04'30')", "(D:20231114221320+00'00')"}};
  for (const auto& caso : casi) {
    QByteArray pdf = QByteArray("1 0 obj\n<<\n/CreationDate ") + caso.scritto + "\n>>\nxref";
    const qsizetype lunghezza = pdf.size();
    ASSERT_TRUE(DataCreazionePdf(pdf, 1700000000));
    EXPECT_TRUE(pdf.contains(caso.atteso)) << pdf.toStdString();
    EXPECT_EQ(pdf.size(), lunghezza);
  }
  QByteArray senza("%PDF-1.4\n/Title (x)\n");
  EXPECT_FALSE(DataCreazionePdf(senza, 1700000000));
  EXPECT_EQ(senza, QByteArray("%PDF-1.4\n/Title (x)\n"));
}

TEST(FileRapporto, AFailedDrawingIsReportedNotHidden) {
  Documento doc;
  doc.figura({"broken", 0.5, [](Superficie&, Messages& m) {
                m.critical("Error in PlottaVoro");
                return false;
              }});
  RecordingMessages msg;
  bool ok = true;
  const QByteArray pdf = RapportoPdf(doc, msg, &ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  ASSERT_EQ(msg.texts(), std::vector<std::string>{"Error in PlottaVoro"});
  EXPECT_EQ(SvgFigura(std::get<Figura>(doc.blocchi.back()), msg), "");
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
