// The command line of each tool command: what it takes, its usage text, and the parsing that
// checks every argument before the command runs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::cli {

inline constexpr int kUsageError = 2;

// Wrong usage, with the sentence that says what is wrong ("--height: 'abc' is not a number").
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSyntax {
  enum class Kind { kFlag, kText, kWhole, kNumbers };
  std::string_view name;  // "--height"
  Kind kind;
  std::size_t count = 1;  // kNumbers: how many
  char separator = ',';   // kNumbers: between them
  bool required = false;
};

struct CommandSyntax {
  std::string_view name;
  std::string_view usage;                    // the synopsis after "tessera "
  std::string_view description;              // what it does, a few lines
  std::vector<std::string_view> positional;  // their names, for messages ("RASTERDIR", ...)
  std::vector<OptionSyntax> options;
};

class ParsedCommand {
 public:
  const std::string& positional(std::size_t index) const { return positional_.at(index); }
  bool has(std::string_view option) const { return values_.contains(std::string(option)); }
  const std::string& text(std::string_view option) const { return values_.at(std::string(option)); }
  int32_t whole(std::string_view option) const { return wholes_.at(std::string(option)); }
  const std::vector<double>& numbers(std::string_view option) const {
    return numbers_.at(std::string(option));
  }

 private:
  friend ParsedCommand Parse(const CommandSyntax& syntax, std::span<char* const> args);
  std::vector<std::string> positional_;
  std::map<std::string, std::string> values_;  // every option given, flags with ""
  std::map<std::string, int32_t> wholes_;
  std::map<std::string, std::vector<double>> numbers_;
};

// Checks `args` (what follows the command's name) against `syntax`; throws UsageError.
ParsedCommand Parse(const CommandSyntax& syntax, std::span<char* const> args);

// A whole number within 32 bits, or UsageError naming `what`.
int32_t WholeNumber(std::string_view what, const std::string& text);

// "usage: tessera <usage>" with the description, as `tessera help COMMAND` prints it.
std::string CommandHelp(const CommandSyntax& syntax);

// The usage line alone and where to read more, as wrong usage is answered.
std::string CommandUsage(const CommandSyntax& syntax);

}  // namespace tessera::cli
