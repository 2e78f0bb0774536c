// The help window: an HTML help file with its contents and a search over its
// sections.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QWidget>

namespace voro::ui {

class Aiuto : public QWidget {
  Q_OBJECT
 public:
  explicit Aiuto(QWidget* parent = nullptr);

  // Shows the file; false when it cannot be read.
  bool Apri(const QString& percorso);
  // The sections whose text holds every word of the query.
  void Cerca(const QString& testo);

  QTreeWidget* indice;
  QLineEdit* ricerca;
  QListWidget* trovati;
  QTextBrowser* pagina;

 private:
  struct Sezione {
    QString ancora;
    QString titolo;
    QString testo;
  };
  QList<Sezione> sezioni_;
};

// The help file of a language: the HTML file named after the help file name.
QString PercorsoAiuto(const QString& cartellaProgramma, const std::string& lingua);

}  // namespace voro::ui
