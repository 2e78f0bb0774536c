// The report as one self-contained HTML file (well-formed XML as well): the
// tables as HTML tables, the drawings inline as SVG.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "report/Documento.h"

namespace voro {

// The SVG element of a drawing, "" when it could not be drawn.
using SvgDisegno = std::function<std::string(const Figura&)>;

void ScriviHtml(std::ostream& out, const Documento& doc, const SvgDisegno& svg);

// Text with the characters that HTML and XML reserve replaced by entities.
std::string EscapeHtml(const std::string& s);

}  // namespace voro
