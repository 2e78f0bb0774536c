// Numbers typed in the boxes of the data forms: read strictly under the
// regional settings, every failure a message that names the box's quantity,
// so that no typed text silently becomes 0 or another number.
#pragma once

#include <optional>
#include <string>

#include "data/Regional.h"

namespace voro {

// The type of the variable a box is stored in.
enum class TipoCasella { Single, Double, Integer };

// The value of the text typed for the project's `variabile` (named in the
// message as NomeGrandezza names it), divided by `divisore` (mm typed, m stored) and rounded to
// the type (an Integer to the nearest, a half to the even neighbour).
// Nothing, with the reason in `errore`, when the box is empty, its text is
// not a number under the settings (a grouping symbol only between groups of
// three digits left of the decimal separator), or the value lies beyond the
// type: a Single's range for Single and Double boxes.
std::optional<double> LeggiCasella(const Regional& r, const std::string& testo, const std::string& variabile,
                                   TipoCasella tipo, std::string& errore, double divisore = 1);

}  // namespace voro
