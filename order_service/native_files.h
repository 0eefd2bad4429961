// Whole-file reading and writing on the real file system, for the hosts and
// the kvx tool (never for the core, which goes through Host).
#pragma once

#include <string>

#include "order_service/host.h"

namespace order_service {

// The file at path when it is a normal file: not a folder and, on Windows, not
// marked hidden or system. Paths use "\" as on Windows; elsewhere each "\" is
// taken as "/".
FileContents ReadNormalFileFrom(const Text& path);

// Any readable file, whatever its attributes (scripts given to kvx).
FileContents ReadAnyFile(const Text& path);

// Replaces the file at path with bytes; on failure returns false and sets error.
bool WriteWholeFile(const Text& path, const std::string& bytes, std::string& error);

}  // namespace order_service
