// Refusing, and naming, the characters a project file cannot keep.
#include "ui/TestoCodicePagina.h"

#include <QToolTip>

#include "data/Cp1252.h"

namespace voro::ui {

QValidator::State ValidatoreCodicePagina::validate(QString& testo, int&) const {
  for (const char32_t c : testo.toUcs4()) {
    const QString carattere = QString::fromUcs4(&c, 1);
    if (cp1252Code(carattere.toStdString()) < 0) {
      rifiutato_ = carattere;
      return Invalid;
    }
  }
  return Acceptable;
}

QString ValidatoreCodicePagina::Messaggio() const {
  const unsigned codice = rifiutato_.isEmpty() ? 0u : static_cast<unsigned>(rifiutato_.toUcs4().value(0));
  return tr("\"%1\" (U+%2) cannot be kept in the project file, whose code page (Windows-1252) lacks it: "
            "type another letter.")
      .arg(rifiutato_, QString("%1").arg(codice, 4, 16, QChar('0')).toUpper());
}

void SoloCodicePagina(QLineEdit* box) {
  auto* v = new ValidatoreCodicePagina(box);
  box->setValidator(v);
  QObject::connect(box, &QLineEdit::inputRejected, box, [box, v] {
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), v->Messaggio(), box);
  });
}

}  // namespace voro::ui
