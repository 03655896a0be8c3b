// ResbankStrings: numbered user-interface texts of the resource-text companion library.
//
// Attach(file) binds the reader to a resource library by name ("Resbank.dll"). On this platform the
// texts live in catalogues of our own format beside it: for the name "Resbank.dll" and the user's
// locale de-AT the reader takes the first of "Resbank.de-AT.txt" and "Resbank.de.txt" that exists,
// looked for in the directory the name itself gives, then in each directory of
// $TESSERA_RESBANK_PATH (colon-separated), then beside libtessera.so, then in the installed share
// directory. No catalogue leaves every text empty, so the callers' built-in texts hold.
//
// Catalogue format (UTF-8): one text per line as "<id> = <text>", the text running to the line's
// end with "\n", "\r", "\t" and "\\" as escapes; blank lines and lines starting with "#" are
// skipped. A malformed line, a duplicate id or an unreadable file makes Attach raise run-time
// error 5 (source "Resbank") naming the file and line, and leaves the earlier binding in force.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "tessera/platform/runtime/object.hpp"

namespace resbank {

class ResbankStrings : public tessera::platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "ResbankStrings"; }

  void Attach(std::string_view file_name);

  // The text of `id`, "" when the bound catalogue has none (or nothing is bound).
  std::string GetText(int32_t id) const;

  // Replaces the text of `id` until the next Attach, as a host or a script that tries other
  // wordings does; "" makes the reader have no text for it.
  void SetText(int32_t id, std::string text) { texts_[id] = std::move(text); }

  // The catalogue Attach bound, empty when none was found.
  const std::filesystem::path& CatalogueFile() const { return catalogue_; }

 private:
  std::filesystem::path catalogue_;
  std::unordered_map<int32_t, std::string> texts_;
};

// The texts of one catalogue file, as Attach reads it (exposed for the fuzz target and tests).
std::unordered_map<int32_t, std::string> ParseCatalogue(std::string_view content,
                                                        std::string_view file_label);

}  // namespace resbank
