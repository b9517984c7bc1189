// Writing the drawn picture to the path the user named.
#pragma once

#include <cstddef>
#include <string>

// Writes Data to Path without losing what stood there when the write fails.
// A regular file (or a link to one) is replaced only once the new picture is
// written whole: the picture goes to a new file in the same folder, which is
// renamed over it.  A device, FIFO or terminal (/dev/stdout) is written in
// place and never created, truncated or removed.  When the folder cannot take
// a new file, a writable file in it is overwritten in place.  Only what this
// call created is removed on failure.
bool WriteOutputFile(const std::string& Path, const char* Data, std::size_t Length);
