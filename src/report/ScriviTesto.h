// The report as plain text: underlined headings, paragraphs wrapped at 78
// columns, tables in aligned columns; drawings are named, not drawn.
#pragma once

#include <ostream>
#include <string>

#include "report/Documento.h"

namespace voro {

void ScriviTesto(std::ostream& out, const Documento& doc);

// Columns a UTF-8 text takes on a terminal (one per character).
std::size_t ColonneTesto(const std::string& s);

}  // namespace voro
