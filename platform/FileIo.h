// Whole-file reading and crash-safe replacing of a file.
#pragma once
#include <cstddef>
#include <string>

// Reads the whole file into bytes. False when it cannot be opened or read, is not a regular
// file, or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::size_t maxBytes = 16 * 1024 * 1024);

// Replaces the file at path with bytes so that it holds either its old or its new content
// whatever happens meanwhile: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the target. A symbolic link is followed; an existing
// file keeps its permissions, owner and group, and one the user may not write is refused. On
// failure the target is untouched, the temporary file removed and error tells why. Only where
// the folder takes no new file, the new file could not keep the owner, or the file cannot be
// replaced by another, are the bytes written into the file itself; a failure there too leaves
// the old bytes.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);
