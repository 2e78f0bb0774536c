// Writing JSON for the command line: numbers with enough digits to read back
// their exact binary value, strings, null for a figure that does not exist,
// and objects written member by member.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>

#include "cli/Soluzione.h"
#include "data/Scalars.h"

namespace voro::cli {

inline std::string num(Single v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
  return buf;
}
// An input value kept in single precision, as it was typed: the shortest
// text that reads back to the same Single.
inline std::string numDato(Single v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::isfinite(v) ? v : 0.0f);
  return std::string(buf, r.ptr);
}
inline std::string num(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}
inline std::string num(Integer v) { return std::to_string(v); }
inline std::string num(int v) { return std::to_string(v); }
inline std::string num(bool v) { return v ? "true" : "false"; }
template <class T>
std::string num(const std::optional<T>& v) {
  return v ? num(*v) : "null";
}

inline std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// Writes the members of one object, a comma before every member but the first.
class Oggetto {
 public:
  Oggetto(std::ostream& out, int indent)
      : out_(out), pad_(static_cast<std::size_t>(indent) + 2, ' '), end_(static_cast<std::size_t>(indent), ' ') {
    out_ << "{";
  }
  ~Oggetto() { out_ << "\n" << end_ << "}"; }
  std::ostream& chiave(const char* nome) {
    out_ << (first_ ? "\n" : ",\n") << pad_ << '"' << nome << "\": ";
    first_ = false;
    return out_;
  }
  template <class T>
  void campo(const char* nome, T v) {
    chiave(nome) << num(v);
  }
  template <class It>
  void lista(const char* nome, It begin, It end) {
    auto& o = chiave(nome);
    o << "[";
    for (It it = begin; it != end; ++it) o << (it == begin ? "" : ", ") << num(*it);
    o << "]";
  }
  int rientro() const { return static_cast<int>(pad_.size()); }

 private:
  std::ostream& out_;
  std::string pad_, end_;
  bool first_ = true;
};

// The members of a project that could not be solved or assessed: "error"
// with its message and "number" with its error. False, writing nothing,
// when the project has results to write instead.
inline bool ScriviFallimento(Oggetto& o, const Soluzione& s) {
  if (s.esito == Esito::Risolto) return false;
  o.chiave("error") << quoted(s.errore);
  o.chiave("number") << s.numeroErrore;
  return true;
}

}  // namespace voro::cli
