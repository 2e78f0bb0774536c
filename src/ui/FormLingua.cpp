// The language form.
#include "ui/FormLingua.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace voro::ui {

FormLingua::FormLingua(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLingua");
  setWindowTitle("Scelta lingua - Choose language");
  auto* l = new QVBoxLayout(this);
  // Asked before any language is chosen: the form speaks both, and names each
  // language in its own words.
  l->addWidget(new QLabel("Lingua del programma - Program language", this));
  Option1[0] = new QRadioButton("Italiano", this);
  Option1[1] = new QRadioButton("English", this);
  Option1[0]->setChecked(true);
  l->addWidget(Option1[0]);
  l->addWidget(Option1[1]);
  auto* OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  l->addWidget(OKButton, 0, Qt::AlignRight);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  // Wide enough for the window manager to show the whole two-language title
  // beside its icon and buttons.
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) * 5 / 4 + 140);
}

}  // namespace voro::ui
