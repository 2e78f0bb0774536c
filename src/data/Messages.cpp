// Message recorders and the standard-error message sink.
#include "data/Messages.h"

#include <iostream>

namespace voro {

void RecordingMessages::show(MessageKind kind, const std::string& text, const std::string& title) {
  entries_.push_back({kind, text, title});
}

bool RecordingMessages::askYesNo(const std::string& text, const std::string& title) {
  entries_.push_back({MessageKind::Question, text, title});
  if (answers_.empty()) return defaultAnswer_;
  bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

std::vector<std::string> RecordingMessages::texts() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (const auto& e : entries_) out.push_back(e.text);
  return out;
}

namespace {
const char* kindLabel(MessageKind kind) {
  switch (kind) {
    case MessageKind::Critical: return "error";
    case MessageKind::Information: return "info";
    case MessageKind::Exclamation: return "warning";
    case MessageKind::Question: return "question";
    case MessageKind::Plain: break;
  }
  return "message";
}

// Message texts join their lines with carriage returns; a terminal wants line feeds.
std::string terminalText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}
}  // namespace

void StderrMessages::show(MessageKind kind, const std::string& text, const std::string&) {
  std::cerr << "voro: " << kindLabel(kind) << ": " << terminalText(text) << '\n';
}

bool StderrMessages::askYesNo(const std::string& text, const std::string& title) {
  show(MessageKind::Question, text + " [No]", title);
  return false;
}

}  // namespace voro
