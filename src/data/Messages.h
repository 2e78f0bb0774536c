// The message boxes of the program, as an interface the core reports through.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "data/Traduzioni.h"

namespace voro {

enum class MessageKind { Critical, Information, Exclamation, Plain, Question };

// The title a message box carries when its caller gives none.
inline constexpr const char* kDefaultMessageTitle = "Voro";

// Message boxes: the program shows them as dialogs, the command line on
// standard error, the tests record them.
class Messages {
 public:
  virtual ~Messages() = default;

  // Shows a message with an OK button.
  virtual void show(MessageKind kind, const std::string& text, const std::string& title) = 0;
  // Asks a Yes/No question; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
  // Shows an advisory the user may ask never to see again, with a tick box
  // captioned optOut; true when it was ticked. Where nobody can tick it the
  // message is shown as any other.
  virtual bool showOptOut(MessageKind kind, const std::string& text, const std::string& title, const std::string&) {
    show(kind, text, title);
    return false;
  }

  void critical(const std::string& text, const std::string& title = kDefaultMessageTitle) {
    show(MessageKind::Critical, text, title);
  }
  void information(const std::string& text, const std::string& title = kDefaultMessageTitle) {
    show(MessageKind::Information, text, title);
  }
  void exclamation(const std::string& text, const std::string& title = kDefaultMessageTitle) {
    show(MessageKind::Exclamation, text, title);
  }
  void plain(const std::string& text, const std::string& title = kDefaultMessageTitle) {
    show(MessageKind::Plain, text, title);
  }

  // The language of the texts the core shows through these messages: the
  // program's translations, or the texts as written when none were given.
  void setTraduzioni(const Traduzioni* t) { traduzioni_ = t; }
  const Traduzioni* traduzioni() const { return traduzioni_; }
  std::string traduci(const char* contesto, const char* testo) const {
    return traduzioni_ ? traduzioni_->Traduci(contesto, testo) : std::string(testo);
  }

 private:
  const Traduzioni* traduzioni_ = nullptr;
};

// Keeps every message; answers questions from a queue, then with a default.
class RecordingMessages : public Messages {
 public:
  struct Entry {
    MessageKind kind;
    std::string text;
    std::string title;
  };

  void show(MessageKind kind, const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;

  const std::vector<Entry>& entries() const { return entries_; }
  // Texts of all messages in order.
  std::vector<std::string> texts() const;
  bool empty() const { return entries_.empty(); }
  void clear() { entries_.clear(); }
  void queueAnswer(bool yes) { answers_.push_back(yes); }
  void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
  // Records the advisory; ticks "never again" as told by setOptOut.
  bool showOptOut(MessageKind kind, const std::string& text, const std::string& title, const std::string&) override {
    show(kind, text, title);
    return optOut_;
  }
  void setOptOut(bool tick) { optOut_ = tick; }

 private:
  std::vector<Entry> entries_;
  std::deque<bool> answers_;
  bool defaultAnswer_ = false;
  bool optOut_ = false;
};

// Writes messages to standard error; questions are answered No, as a script
// cannot answer them.
class StderrMessages : public Messages {
 public:
  void show(MessageKind kind, const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title) override;
};

// Discards every message; questions are answered No.
class SilentMessages : public Messages {
 public:
  void show(MessageKind, const std::string&, const std::string&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return false; }
};

}  // namespace voro
