// Message boxes.
#include "ui/MessaggiQt.h"

#include <QCheckBox>
#include <QMessageBox>

namespace voro::ui {

namespace {

// Message texts join their lines with carriage returns.
QString testo(const std::string& t) {
  QString s = QString::fromStdString(t);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

QMessageBox::Icon icona(MessageKind kind) {
  switch (kind) {
    case MessageKind::Critical: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Exclamation: return QMessageBox::Warning;
    case MessageKind::Question: return QMessageBox::Question;
    case MessageKind::Plain: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void MessaggiQt::show(MessageKind kind, const std::string& text, const std::string& title) {
  QMessageBox box(icona(kind), QString::fromStdString(title), testo(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool MessaggiQt::showOptOut(MessageKind kind, const std::string& text, const std::string& title,
                            const std::string& optOut) {
  QMessageBox box(icona(kind), QString::fromStdString(title), testo(text), QMessageBox::Ok, parent_);
  auto* mai = new QCheckBox(QString::fromStdString(optOut), &box);
  box.setCheckBox(mai);
  box.exec();
  return mai->isChecked();
}

bool MessaggiQt::askYesNo(const std::string& text, const std::string& title) {
  return QMessageBox::question(parent_, QString::fromStdString(title), testo(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessaggiDifferiti::show(MessageKind kind, const std::string& text, const std::string& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  registro_.show(kind, text, title);
}

bool MessaggiDifferiti::askYesNo(const std::string& text, const std::string& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  return registro_.askYesNo(text, title);
}

void MessaggiDifferiti::riproduci(Messages& destinazione) {
  RecordingMessages copia;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    copia = registro_;
    registro_.clear();
  }
  for (const auto& e : copia.entries())
    if (e.kind != MessageKind::Question) destinazione.show(e.kind, e.text, e.title);
}

}  // namespace voro::ui
