// Index of the files embedded into the program at build time.
// The table itself is written by the picture generator (kestov_art) together
// with an assembler file that pulls every generated file in with .incbin.
#pragma once

#include <cstddef>

namespace embedded {

struct Entry
{
    const char *name; // resource name as the program asks for it, e.g. "FoolCardbg5"
    const unsigned char *data; // the file's bytes, unchanged
    std::size_t size;
};

// All embedded files, in a fixed order.
const Entry *entries();
std::size_t count();

} // namespace embedded
