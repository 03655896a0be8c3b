#include "options.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tessera::cli {

namespace {

constexpr std::string_view kCountWords[] = {"no", "one", "two", "three", "four"};

std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

std::optional<double> Number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::vector<double> Numbers(const OptionSyntax& option, std::string_view text) {
  std::vector<double> numbers;
  bool all_numbers = true;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find(option.separator, start), text.size());
    const auto number = Number(text.substr(start, end - start));
    all_numbers = all_numbers && number.has_value();
    numbers.push_back(number.value_or(0));
    start = end + 1;
  }
  if (all_numbers && numbers.size() == option.count) return numbers;
  const std::string count = option.count < std::size(kCountWords) ? std::string(kCountWords[option.count])
                                                                  : std::to_string(option.count);
  throw UsageError(std::string(option.name) + " needs " + count + " numbers separated by '" +
                   option.separator + "', not " + Quoted(text));
}

const OptionSyntax* FindOption(const CommandSyntax& syntax, std::string_view name) {
  const auto found = std::find_if(syntax.options.begin(), syntax.options.end(),
                                  [&](const OptionSyntax& option) { return option.name == name; });
  return found == syntax.options.end() ? nullptr : &*found;
}

}  // namespace

int32_t WholeNumber(std::string_view what, const std::string& text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size())
    throw UsageError(std::string(what) + ": " + Quoted(text) +
                     (Number(text) ? " is not a whole number" : " is not a number"));
  return value;
}

ParsedCommand Parse(const CommandSyntax& syntax, std::span<char* const> args) {
  ParsedCommand parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg = args[i];
    // A negative number ("-2", a basement floor) is an argument, not an option.
    if (arg.size() < 2 || !arg.starts_with("-") || Number(arg)) {
      parsed.positional_.push_back(arg);
      continue;
    }
    const OptionSyntax* option = FindOption(syntax, arg);
    if (option == nullptr) throw UsageError("unknown option " + arg);
    if (parsed.values_.contains(arg)) throw UsageError(arg + " is given twice");
    if (option->kind == OptionSyntax::Kind::kFlag) {
      parsed.values_[arg] = "";
      continue;
    }
    if (i + 1 == args.size()) throw UsageError(arg + " needs a value");
    const std::string value = args[++i];
    parsed.values_[arg] = value;
    if (option->kind == OptionSyntax::Kind::kWhole) parsed.wholes_[arg] = WholeNumber(arg, value);
    if (option->kind == OptionSyntax::Kind::kNumbers) parsed.numbers_[arg] = Numbers(*option, value);
  }
  for (const OptionSyntax& option : syntax.options) {
    if (option.required && !parsed.has(option.name)) throw UsageError("missing " + std::string(option.name));
  }
  if (parsed.positional_.size() < syntax.positional.size())
    throw UsageError("missing " + std::string(syntax.positional[parsed.positional_.size()]));
  if (parsed.positional_.size() > syntax.positional.size())
    throw UsageError("unexpected argument " + Quoted(parsed.positional_[syntax.positional.size()]));
  return parsed;
}

std::string CommandUsage(const CommandSyntax& syntax) {
  return "usage: tessera " + std::string(syntax.usage) + "\n(more: tessera help " + std::string(syntax.name) +
         ")\n";
}

std::string CommandHelp(const CommandSyntax& syntax) {
  return "usage: tessera " + std::string(syntax.usage) + "\n\n" + std::string(syntax.description);
}

}  // namespace tessera::cli
