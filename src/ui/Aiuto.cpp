// The help window.
#include "ui/Aiuto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "data/Lingua.h"

namespace voro::ui {

QString PercorsoAiuto(const QString& cartellaProgramma, const std::string& lingua) {
  QString nome = QString::fromStdString(NomeFileAiuto(lingua));
  nome.replace(QRegularExpression(R"(\.HLP$)"), ".html");
  return QDir(cartellaProgramma).filePath("docs/" + nome);
}

Aiuto::Aiuto(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Aiuto");
  setWindowTitle(tr("Voro Help"));
  indice = new QTreeWidget(this);
  indice->setHeaderHidden(true);
  auto* cerca = new QWidget(this);
  ricerca = new QLineEdit(cerca);
  ricerca->setPlaceholderText(tr("Search / Cerca"));
  ricerca->setClearButtonEnabled(true);
  trovati = new QListWidget(cerca);
  auto* lc = new QVBoxLayout(cerca);
  lc->addWidget(ricerca);
  lc->addWidget(trovati, 1);
  auto* schede = new QTabWidget(this);
  schede->addTab(indice, tr("Contents"));
  schede->addTab(cerca, tr("Search"));
  pagina = new QTextBrowser(this);
  pagina->setOpenExternalLinks(true);
  auto* divisore = new QSplitter(this);
  divisore->addWidget(schede);
  divisore->addWidget(pagina);
  divisore->setStretchFactor(1, 3);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(divisore);
  resize(900, 640);

  auto vai = [this](const QString& ancora) { pagina->scrollToAnchor(ancora); };
  connect(indice, &QTreeWidget::itemClicked, this,
          [vai](QTreeWidgetItem* item) { vai(item->data(0, Qt::UserRole).toString()); });
  connect(trovati, &QListWidget::itemClicked, this,
          [vai](QListWidgetItem* item) { vai(item->data(Qt::UserRole).toString()); });
  connect(ricerca, &QLineEdit::textChanged, this, &Aiuto::Cerca);
}

bool Aiuto::Apri(const QString& percorso) {
  QFile f(percorso);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QString html = QString::fromUtf8(f.readAll());
  pagina->setSearchPaths({QFileInfo(percorso).absolutePath()});
  pagina->setHtml(html);
  indice->clear();
  sezioni_.clear();
  // Every h1/h2 with an id is an entry; its section runs to the next heading.
  static const QRegularExpression titolo(R"re(<h([12])[^>]*\bid="([^"]+)"[^>]*>(.*?)</h\1>)re",
                                         QRegularExpression::DotMatchesEverythingOption);
  QList<QRegularExpressionMatch> trovatiTitoli;
  for (auto it = titolo.globalMatch(html); it.hasNext();) trovatiTitoli << it.next();
  QTreeWidgetItem* capitolo = nullptr;
  for (int i = 0; i < trovatiTitoli.size(); ++i) {
    const auto& m = trovatiTitoli[i];
    const int fine = i + 1 < trovatiTitoli.size() ? trovatiTitoli[i + 1].capturedStart() : html.size();
    Sezione s{m.captured(2), QTextDocumentFragment::fromHtml(m.captured(3)).toPlainText(),
              QTextDocumentFragment::fromHtml(html.mid(m.capturedStart(), fine - m.capturedStart())).toPlainText()};
    auto* item = (m.captured(1) == "1" || !capitolo) ? new QTreeWidgetItem(indice) : new QTreeWidgetItem(capitolo);
    if (m.captured(1) == "1") capitolo = item;
    item->setText(0, s.titolo);
    item->setData(0, Qt::UserRole, s.ancora);
    sezioni_ << s;
  }
  indice->expandAll();
  Cerca(ricerca->text());
  return true;
}

void Aiuto::Cerca(const QString& testo) {
  trovati->clear();
  const QStringList parole = testo.simplified().split(' ', Qt::SkipEmptyParts);
  if (parole.isEmpty()) return;
  for (const Sezione& s : sezioni_) {
    bool tutte = true;
    for (const QString& p : parole) tutte = tutte && s.testo.contains(p, Qt::CaseInsensitive);
    if (!tutte) continue;
    auto* item = new QListWidgetItem(s.titolo, trovati);
    item->setData(Qt::UserRole, s.ancora);
  }
}

}  // namespace voro::ui
