// Saving a record of several keys into one section of a settings file at once.
//
// The members that save a whole record (a raster's placement, a text attribute's font) write it
// through here rather than key by key, so that a file that cannot take the record fails once, in
// one error, and never keeps a part of it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tessera {

using IniValues = std::vector<std::pair<std::string, std::string>>;

// Writes `values` (key, value) into the section `stTopic` of `stIniPath` in one rewrite of the
// file, in their order: all of them, or none and the profile layer's run-time error raised (70 a
// read-only file, 61 a full disk, 76 a missing directory, 75 a path that is no file, 5 a name or
// value that cannot be stored).
void WriteIniValues(const std::string& stIniPath, const std::string& stTopic, const IniValues& values);

}  // namespace tessera
