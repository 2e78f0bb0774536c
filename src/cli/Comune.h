// Small helpers the commands of the command line share: a number through a
// printf format, a table cell, a file name's extension.
#pragma once

#include <cctype>
#include <cstdio>
#include <string>

#include "data/CifreCoerenti.h"

namespace voro::cli {

inline std::string fmt(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

// A safety or load factor with at least minimo decimals, more where fewer
// would round it onto 1 from either side.
inline std::string fmtFattore(double v, int minimo) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", DecimaliCoerenti(v, minimo), v);
  return buf;
}

// The same texts with the decimal separator of the reader's language, for the
// reports a person reads (the JSON and CSV files keep the point).
inline std::string ConDecimale(std::string t, const std::string& decimale) {
  if (decimale == ".") return t;
  std::string out;
  for (char c : t) out += c == '.' ? decimale : std::string(1, c);
  return out;
}
inline std::string fmt(const std::string& decimale, const char* format, double v) {
  return ConDecimale(fmt(format, v), decimale);
}
inline std::string fmtFattore(const std::string& decimale, double v, int minimo) {
  return ConDecimale(fmtFattore(v, minimo), decimale);
}

// A cell of a comma-separated table, quoted when it holds a comma, a quote
// or a line break.
inline std::string cella(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

// The extension of a file name, lower case, without the dot; empty when none.
inline std::string EstensioneFile(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto sep = path.find_last_of("/\\");
  if (dot == std::string::npos || (sep != std::string::npos && sep > dot)) return "";
  std::string e = path.substr(dot + 1);
  for (auto& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e;
}

}  // namespace voro::cli
