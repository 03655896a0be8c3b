// The Windows profile-file calls on INI files, with their buffer contracts.
//
// Strings are bytes in the ANSI code page, as the "A" calls take them; callers convert library
// text with ToAnsi and FromAnsi. File names follow the path rule of the host ("\\" separates
// directories). A missing file is no failure: reads give the default, writes create it. A write
// that cannot be made raises a run-time error (5 for a name that cannot be stored, 76 for a
// missing directory, 70 for denied access, 75 otherwise) and leaves the file as it was.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tessera::platform {

// Copies the value of `key` in `section` (blanks around it removed, matching quotes too), or
// `default_value` (trailing blanks removed; nullptr means ""), into `buffer`, cut to size - 1
// characters and NUL-terminated; answers the characters copied. With `key` nullptr it copies the
// section's key names, with `section` nullptr the file's section names, each followed by a NUL
// and the list by a further NUL; a list cut short ends in two NULs and answers size - 2.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* default_value,
                                  char* buffer, uint32_t size, const char* file);

// Sets the value of `key` in `section`, creating the file, the section and the key as needed; a
// nullptr `value` removes the key and a nullptr `key` the whole section. Answers 1.
int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* file);

// Sets several keys of `section` in one rewrite of the file, in their order, creating the file,
// the section and the keys as needed: the file takes all of them or, raising, none. No Windows
// call does this; it is for a record of several keys that must not be saved in part.
void WriteProfileValues(const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& values,
                        const std::string& file);

// Copies the section's lines ("key=value", or the line itself when it has no "="), each followed
// by a NUL and the list by a further NUL; answers the characters copied without the final NUL, 0
// when the section is missing or empty. A list cut short ends in two NULs and answers size - 2.
uint32_t GetPrivateProfileSectionA(const char* section, char* buffer, uint32_t size, const char* file);

// Replaces every line of the section by `lines` (each ended by a NUL, the list by a further NUL),
// creating the section and the file as needed. Answers 1.
int32_t WritePrivateProfileSectionA(const char* section, const char* lines, const char* file);

}  // namespace tessera::platform
