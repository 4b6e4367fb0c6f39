// Writes the generated files into the output folder together with the two
// sources that embed them in the program: an assembler file that pulls each
// file in with .incbin, and the index behind embedded::entries().
#pragma once

#include "generated.h"

#include <QString>

namespace art {

// Returns false (after a message on stderr) when a file cannot be written.
bool writeEmbeddedFiles(const QString &outDir, const GeneratedFiles &files);

} // namespace art
