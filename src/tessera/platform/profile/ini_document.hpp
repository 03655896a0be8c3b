// One profile (INI) file parsed into its sections and keys, and the edits the profile calls make.
//
// The file is kept as its bytes (ANSI code page; lines end in CR LF, LF or a bare CR); parsing only
// indexes them, and an edit answers the new bytes with exactly one stretch changed, so that
// comments, blank lines, lines that are not key=value, order, line ends and a UTF-8 byte-order
// mark in front all survive. The mark itself is no part of the first line.
//
// Reading follows Windows: names match without regard to case and without the blanks around them;
// where a section or a key appears twice, the first counts; lines before the first section and
// lines starting with ";" are not keys; a header "[name]" ends at its first "]".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessera::platform {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string bytes);

  const std::string& bytes() const { return bytes_; }

  // The raw value of a key (blanks around it removed, quotes kept), or nullopt.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
  bool HasSection(std::string_view section) const;
  // The section's lines as "key=value" (or the bare line without "="), in file order.
  std::vector<std::string> SectionLines(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;

  // The bytes after each edit. The section, the key and the file are created as needed; new lines
  // take the file's line end (CRLF in a file that has none yet).
  std::string WithValue(std::string_view section, std::string_view key, std::string_view value) const;
  std::string WithoutKey(std::string_view section, std::string_view key) const;
  std::string WithoutSection(std::string_view section) const;
  std::string WithSectionLines(std::string_view section, const std::vector<std::string>& lines) const;

 private:
  struct Line {
    std::size_t begin = 0;  // first byte of the line
    std::size_t end = 0;    // end of its text, before the line end
    std::size_t next = 0;   // first byte of the next line
  };
  struct Entry {
    bool is_key = false;  // false for a line without "="
    std::string folded_key;
    std::string text;  // "key=value" or the bare line, blanks trimmed
    std::size_t key_length = 0;
    std::size_t line = 0;
    std::size_t value_begin = 0;  // byte where the value starts (after "=" and blanks)
  };
  struct Section {
    std::string name;
    std::size_t header = 0;     // line of "[name]"
    std::size_t last_line = 0;  // last line that is not blank, the header if none
    std::size_t end_line = 0;   // the next header's line, or the number of lines
    std::vector<Entry> entries;
  };

  void Parse();
  const Section* Find(std::string_view section) const;
  const Entry* FindEntry(const Section& section, std::string_view key) const;
  std::string LineEnd() const;
  // The bytes with [begin, end) replaced by `text`.
  std::string Spliced(std::size_t begin, std::size_t end, std::string_view text) const;
  // The bytes with whole lines inserted or replaced at [begin, end); at the end of a file whose
  // last line has no line end, one goes first.
  std::string SplicedLines(std::size_t begin, std::size_t end, std::string_view text) const;
  std::string Joined(const std::vector<std::string>& lines) const;

  std::string bytes_;
  std::size_t content_begin_ = 0;  // after a byte-order mark
  std::vector<Line> lines_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> section_index_;  // folded name -> first section
};

// Names compared as Windows does for the ANSI code page: blanks around them removed, letters
// folded, "Ä" and "ä" alike.
std::string FoldAnsiName(std::string_view name);

}  // namespace tessera::platform
