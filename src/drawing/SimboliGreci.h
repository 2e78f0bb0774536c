// The Greek letters that the Symbol font shows for Latin letters (g is gamma,
// s is sigma), as Unicode text, so that they appear on every target.
#pragma once

#include <string>

namespace voro {

inline std::string SimboliGreci(const std::string& latino) {
  static const char* const minuscole[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
                                            "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
  static const char* const maiuscole[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
                                            "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
  std::string out;
  for (char c : latino) {
    if (c >= 'a' && c <= 'z') out += minuscole[c - 'a'];
    else if (c >= 'A' && c <= 'Z') out += maiuscole[c - 'A'];
    else out += c;
  }
  return out;
}

}  // namespace voro
