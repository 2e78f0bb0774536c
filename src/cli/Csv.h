// A cell of a comma-separated table, quoted when it holds a comma, a quote
// or a line break.
#pragma once

#include <string>

namespace voro::cli {

inline std::string cella(const std::string& s) {
  if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace voro::cli
