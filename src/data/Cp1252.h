// Conversion between the Windows-1252 code page of the data files and the
// UTF-8 text used inside the program.
#pragma once

#include <optional>
#include <string>

namespace voro {

// UTF-8 from Windows-1252 bytes; every byte maps to one character (the five
// bytes the code page leaves undefined map to the control characters of the
// same code, as the system's own conversion does).
std::string cp1252ToUtf8(const std::string& bytes);

// Windows-1252 bytes from UTF-8; characters the code page lacks, and bytes
// that are not valid UTF-8, become "?".
std::string utf8ToCp1252(const std::string& text);

// Windows-1252 bytes from UTF-8 for the strings of a drawing file:
// characters the code page lacks become the \U+XXXX escapes CAD programs read.
std::string utf8ToCp1252Cad(const std::string& text);

// The first character of the text (one whole UTF-8 sequence, or the byte
// that is not one) the code page lacks; none when every character has its byte.
std::optional<std::string> FuoriCp1252(const std::string& text);

// The code of one UTF-8 character in the code page, or -1 when it has none.
int cp1252Code(const std::string& utf8Character);

}  // namespace voro
