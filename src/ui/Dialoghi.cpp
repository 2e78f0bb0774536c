// The platform's file and print dialogs.
#include "ui/Dialoghi.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeView>
#include <QRegularExpression>

#include "ui/FormLingua.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

std::optional<QString> dialogo(QWidget* parent, QFileDialog::AcceptMode modo, const QString& cartella,
                               const QString& filtri, const QString& preselezionato, const QString& proposto) {
  QFileDialog d(parent,
                modo == QFileDialog::AcceptOpen ? QCoreApplication::translate("Dialoghi", "Open")
                                                : QCoreApplication::translate("Dialoghi", "Save As"),
                cartella, filtri);
  d.setAcceptMode(modo);
  d.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  d.selectNameFilter(preselezionato);
  if (!proposto.isEmpty() && !proposto.startsWith('*')) d.selectFile(proposto);
  // A name typed without extension gets the one of the preselected entry.
  const QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(preselezionato);
  if (modo == QFileDialog::AcceptSave && m.hasMatch()) d.setDefaultSuffix(m.captured(1));
  // Wide enough for long file names and the filter, and wholly on the screen;
  // the names, sizes and dates in columns as wide as they need.
  DimensionaSulloSchermo(d, QSize(820, 520));
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setViewMode(QFileDialog::Detail);
  if (auto* vista = d.findChild<QTreeView*>("treeView"))
    vista->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The overwrite prompt is on by default for saving.
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().front();
}

}  // namespace

std::optional<QString> DialoghiQt::apri(QWidget* parent, const QString& cartella, const QString& filtri,
                                        const QString& preselezionato, const QString& proposto) {
  return dialogo(parent, QFileDialog::AcceptOpen, cartella, filtri, preselezionato, proposto);
}

std::optional<QString> DialoghiQt::salva(QWidget* parent, const QString& cartella, const QString& filtri,
                                         const QString& preselezionato, const QString& proposto) {
  return dialogo(parent, QFileDialog::AcceptSave, cartella, filtri, preselezionato, proposto);
}

bool DialoghiQt::stampa(QWidget* parent, QPrinter& printer) {
  QPrintDialog d(&printer, parent);
  return d.exec() == QDialog::Accepted;
}

bool DialoghiQt::anteprima(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& disegna) {
  QPrintPreviewDialog d(&printer, parent);
  QObject::connect(&d, &QPrintPreviewDialog::paintRequested, &d, [&](QPrinter* p) { disegna(*p); });
  return d.exec() == QDialog::Accepted;
}

std::optional<int> DialoghiQt::sceltaLingua(QWidget* parent) {
  FormLingua f(parent);
  if (f.exec() != QDialog::Accepted) return std::nullopt;
  return f.indice();
}

Dialoghi::Modifiche DialoghiQt::salvareModifiche(QWidget* parent, const QString& nome) {
  QMessageBox box(QMessageBox::Warning, "Voro", DomandaModifiche(nome),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return Modifiche::Salva;
    case QMessageBox::Discard: return Modifiche::Scarta;
    default: return Modifiche::Annulla;
  }
}

QString DomandaModifiche(const QString& nome) {
  return nome.isEmpty() ? QCoreApplication::translate("Dialoghi", "Save changes to the new project?")
                        : QCoreApplication::translate("Dialoghi", "Save changes to %1?").arg(nome);
}

QString FiltroDialogo(const QString& filtro) {
  const QStringList parti = filtro.split('|');
  QStringList voci;
  for (int i = 0; i + 1 < parti.size(); i += 2) {
    QString desc = parti[i];
    if (!desc.contains('(')) desc += " (" + parti[i + 1] + ")";
    voci << desc;
  }
  return voci.join(";;");
}

QString VoceFiltro(const QString& filtro, int n) {
  const QStringList voci = FiltroDialogo(filtro).split(";;");
  return n >= 1 && n <= voci.size() ? voci[n - 1] : QString();
}

}  // namespace voro::ui
