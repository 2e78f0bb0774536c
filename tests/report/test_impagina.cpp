// The report on A4 pages (rows never split, short tables whole) and the PDF, HTML and SVG files.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "Rapporto.h"
#include "report/qt/FileRapporto.h"
#include "report/qt/ImpaginaRapporto.h"

using namespace voro;

namespace {

// The pages of a document on A4 with the report's margins: table -> row -> page.
std::map<int, std::map<int, int>> Pagine(const Documento& doc, int& pagine) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(300);
  writer.setPageLayout(PaginaRapporto());
  ImpaginaRapporto impaginato(doc, writer);
  pagine = impaginato.pagine();
  std::map<int, std::map<int, int>> pagina;
  for (int k = 0; k < pagine; ++k) {
    EXPECT_FALSE(impaginato.righePagina(k).empty()) << "page " << k;
    for (const auto& [tabella, riga] : impaginato.righePagina(k)) {
      EXPECT_FALSE(pagina[tabella].count(riga)) << "row " << riga << " twice";
      pagina[tabella][riga] = k;
    }
  }
  return pagina;
}

}  // namespace

TEST(ImpaginaRapporto, EveryRowOnceInOrderAndShortTablesWholeOnAPage) {
  Documento lunga;
  lunga.sezione("Long table");
  auto& t = lunga.tabella({{"Sect.", ""}, {"Quantity", "", false}, {"Value", "kN"}});
  for (int i = 1; i <= 300; ++i) t.righe.push_back({std::to_string(i), "row", std::to_string(i * 2)});
  int pagine = 0;
  const auto righe = Pagine(lunga, pagine);
  ASSERT_GE(pagine, 5);
  ASSERT_EQ(righe.size(), 1u);
  ASSERT_EQ(righe.at(0).size(), 300u);
  EXPECT_TRUE(righe.at(0).begin()->first == 0 && righe.at(0).rbegin()->first == 299);
  int prima = 0;
  for (const auto& [riga, pagina] : righe.at(0)) {
    EXPECT_LE(prima, pagina) << riga;
    prima = pagina;
  }
  // Twelve short tables among long paragraphs: each on one page.
  Documento brevi;
  std::string lungo;
  for (int i = 0; i < 120; ++i) lungo += "filling text ";
  for (int k = 0; k < 12; ++k) {
    brevi.paragrafo(lungo);
    auto& b = brevi.tabella({{"Quantity", "", false}, {"Value", ""}});
    for (int i = 0; i < 8; ++i) b.righe.push_back({"q", std::to_string(i)});
  }
  const auto tabelle = Pagine(brevi, pagine);
  ASSERT_GT(pagine, 2);
  ASSERT_EQ(tabelle.size(), 12u);
  for (const auto& [tabella, righeTabella] : tabelle) {
    std::set<int> su;
    for (const auto& [riga, pagina] : righeTabella) su.insert(pagina);
    EXPECT_EQ(su.size(), 1u) << "table " << tabella;
  }
}

TEST(FileRapporto, PdfAndHtmlOfASolvedArch) {
  const Progetto p(prova::ponte());
  const Documento doc = p.Componi();
  RecordingMessages msg;
  bool ok = false;
  EXPECT_TRUE(RapportoPdf(doc, msg, &ok).startsWith("%PDF-") && ok && msg.empty());
  const QByteArray html = RapportoHtml(doc, msg, &ok);
  EXPECT_TRUE(ok);
  QXmlStreamReader xml(html);
  int svg = 0, testi = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement)
      svg += xml.name() == QLatin1String("svg"), testi += xml.name() == QLatin1String("text");
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(svg, 2);
  EXPECT_GT(testi, 5);  // the drawings' labels stay text
  EXPECT_FALSE(html.contains("<?xml"));
}

// A repeatable report: the creation date rewritten in place, at the same length whatever zone Qt wrote.
TEST(FileRapporto, TheEpochDatesThePdfAndTwoRunsGiveTheSameBytes) {
  for (const auto& [scritto, atteso] : {std::pair{"(D:20261207235329Z)", "(D:20231114221320Z)"},
                                        std::pair{"(D:20261208005331+01'00')", "(D:20231114221320+00'00')"},
                                        std::pair{"(D:20261207185331-04'30')", "(D:20231114221320+00'00')"}}) {
    QByteArray pdf = QByteArray("1 0 obj\n<<\n/CreationDate ") + scritto + "\n>>\nxref";
    const qsizetype lunghezza = pdf.size();
    ASSERT_TRUE(DataCreazionePdf(pdf, 1700000000));
    EXPECT_TRUE(pdf.contains(atteso)) << pdf.toStdString();
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
  EXPECT_TRUE(RapportoPdf(doc, msg, &ok).startsWith("%PDF-"));
  EXPECT_FALSE(ok);
  ASSERT_EQ(msg.texts(), std::vector<std::string>{"Error in PlottaVoro"});
  EXPECT_EQ(SvgFigura(std::get<Figura>(doc.blocchi.back()), msg), "");
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
