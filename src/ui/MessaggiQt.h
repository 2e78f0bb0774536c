// Message boxes of the desktop program, and a sink that keeps the messages of
// a calculation running off the window thread until it ends.
#pragma once

#include <QWidget>
#include <mutex>

#include "data/Messages.h"

namespace voro::ui {

// Qt message boxes with the icon of each kind.
class MessaggiQt : public Messages {
 public:
  explicit MessaggiQt(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void show(MessageKind kind, const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  bool showOptOut(MessageKind kind, const std::string& text, const std::string& title,
                  const std::string& optOut) override;

 private:
  QWidget* parent_;
};

// Keeps messages in order, from any thread, and shows them later on the
// window thread; questions are answered No.
class MessaggiDifferiti : public Messages {
 public:
  void show(MessageKind kind, const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
  void riproduci(Messages& destinazione);

 private:
  std::mutex mutex_;
  RecordingMessages registro_;
};

}  // namespace voro::ui
