// Output files that are either the complete new file or the untouched old one.
#pragma once

#include <string>
#include <string_view>

namespace voro {

// Writes contenuto to percorso through a temporary file in the same folder:
// every write, the flush to the disk and the close are checked, and only then
// does a rename put the new file in place of the old one (which keeps its
// permissions; a new file gets the usual ones; a file that cannot be written
// is not replaced). A symbolic link is written
// through to the file it names. On failure the old file is untouched, no
// temporary file is left, and a RuntimeError carries the system's reason
// ("No space left on device") as its description and the number of the
// matching run-time error (61 disk full, 70 permission denied, 76 path not
// found, 75 otherwise).
void ScriviFileAtomico(const std::string& percorso, std::string_view contenuto);

// The run-time error for a system error code (errno) met while writing.
int NumeroErroreScrittura(int codice);

}  // namespace voro
