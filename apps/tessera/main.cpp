// tessera: the library's classes from the command line.
//
//   tessera classes                      every class with its members in slot order
//   tessera call Class.Member ARG...     one call on the class's implicit instance (global
//                                        classes) or on a new object; prints one JSON object
//   tessera call --batch                 JSON requests on stdin, one answer line each
//   tessera render RASTERDIR FLOOR --height H --width W [--so] [--view L,T,R,B] [--size WxH]
//                  [--printer] -o OUT.png   draws a floor's raster background with its outline
//   tessera place RASTERDIR FLOOR FILE --height H --width W [--so]
//                                        fits a raster file to a floor and records it
//   tessera register [--registry FILE]   records the classes with this library as their server
//   tessera unregister [--registry FILE] removes exactly those records again
//
// Arguments are passed as text and converted by the member's own parameter types, as a host
// script passing strings would see it. Message boxes appear on stderr as JSON lines.
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch.hpp"
#include "call_answer.hpp"
#include "render.hpp"
#include "tessera/class_bindings.hpp"
#include "tessera/component_entry.hpp"
#include "tessera/frame/component/registry.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::cli {

namespace {

constexpr int kUsageError = 2;

std::string Signature(const frame::MemberRow& row) {
  std::string text(row.name);
  text += '(';
  for (std::size_t i = 0; i < row.params.size(); ++i) {
    const frame::ParamInfo& param = row.params[i];
    if (i > 0) text += ", ";
    if (param.optional) text += "[";
    if (param.by_ref) text += "ByRef ";
    text += std::string(param.name) + " As " + std::string(frame::ValueTypeName(param.type));
    if (param.optional) text += "]";
  }
  text += ')';
  if (row.result != frame::ValueType::kNone) text += " As " + std::string(frame::ValueTypeName(row.result));
  return text;
}

// A slot's rows (a property's read and write share one), or its name when nothing is built there.
std::string SlotLine(const frame::DispatchTable& table, int slot) {
  std::string line;
  for (const frame::MemberRow& row : table.rows()) {
    if (row.slot != slot) continue;
    line += (line.empty() ? "" : " / ") + Signature(row);
  }
  if (line.empty()) line = std::string(table.members()[static_cast<std::size_t>(slot)]) + " (not built yet)";
  return line;
}

int ListClasses() {
  for (const frame::ClassInfo& info : frame::PublicClasses()) {
    std::cout << frame::ProgId(info) << "  " << frame::ToString(info.class_id)
              << (info.IsGlobal() ? "  global" : "  creatable") << '\n';
    const ClassBinding* binding = FindClassBinding(info.name);
    if (binding == nullptr) {
      std::cout << "  (not built yet)\n";
      continue;
    }
    const frame::DispatchTable& table = binding->served.table();
    for (int slot = 0; slot < static_cast<int>(table.members().size()); ++slot) {
      std::cout << "  " << slot << "  " << SlotLine(table, slot) << '\n';
    }
  }
  return 0;
}

int Call(std::string_view target, std::span<char* const> texts) {
  const std::size_t dot = target.rfind('.');
  const ClassBinding* binding =
      dot == std::string_view::npos ? nullptr : FindClassBinding(target.substr(0, dot));
  if (binding == nullptr) {
    std::cerr << "tessera: no class for \"" << target << "\" (try: tessera classes)\n";
    return kUsageError;
  }
  std::vector<platform::Variant> args(texts.begin(), texts.end());
  try {
    const platform::ObjectRef self = ClassCallTarget(*binding);
    std::cout << Dump(CallAnswer(*self, binding->served.table(), target.substr(dot + 1), args)) << '\n';
    return 0;
  } catch (...) {
    std::cout << Dump(ErrorAnswer(platform::ToRuntimeError())) << '\n';
    return 1;
  }
}

// `tessera register` and `tessera unregister`: one JSON line naming the registry, the server and
// the classes, or the error that stopped the change.
int ChangeRegistration(bool registering, const std::filesystem::path& registry) {
  try {
    const auto names = registering ? RegisterServer(registry) : UnregisterServer(registry);
    const nlohmann::ordered_json answer{{registering ? "registered" : "unregistered", names},
                                        {"registry", registry.string()},
                                        {"server", ServerFile().string()}};
    std::cout << Dump(answer) << '\n';
    return 0;
  } catch (...) {
    std::cout << Dump(ErrorAnswer(platform::ToRuntimeError())) << '\n';
    return 1;
  }
}

int Registration(std::string_view command, std::span<char* const> options) {
  if (options.empty()) return ChangeRegistration(command == "register", frame::DefaultRegistryPath());
  if (options.size() == 2 && std::string_view(options[0]) == "--registry")
    return ChangeRegistration(command == "register", options[1]);
  return kUsageError;
}

int Usage() {
  std::cerr << "usage: tessera classes\n"
               "       tessera call Class.Member [ARG...]\n"
               "       tessera call --batch < requests.jsonl\n"
               "       tessera render RASTERDIR FLOOR --height H --width W [--so] [--view L,T,R,B]\n"
               "                      [--size WxH] [--printer] [--label TEXT] [--font NAME,POINTS]\n"
               "                      -o OUT.png\n"
               "       tessera place RASTERDIR FLOOR FILE --height H --width W [--so]\n"
               "       tessera register [--registry FILE]\n"
               "       tessera unregister [--registry FILE]\n";
  return kUsageError;
}

}  // namespace

int Main(std::span<char* const> argv) {
  if (argv.size() == 2 && std::string_view(argv[1]) == "classes") return ListClasses();
  if (argv.size() == 3 && std::string_view(argv[1]) == "call" && std::string_view(argv[2]) == "--batch") {
    return RunBatch(std::cin, std::cout);
  }
  if (argv.size() >= 3 && std::string_view(argv[1]) == "call") return Call(argv[2], argv.subspan(3));
  const std::string_view command = argv.size() >= 2 ? std::string_view(argv[1]) : std::string_view();
  if (command == "render") {
    if (const int answer = Render(argv.subspan(2)); answer != kUsageError) return answer;
  }
  if (command == "place") {
    if (const int answer = Place(argv.subspan(2)); answer != kUsageError) return answer;
  }
  if (command == "register" || command == "unregister") {
    if (const int answer = Registration(argv[1], argv.subspan(2)); answer != kUsageError) return answer;
  }
  return Usage();
}

}  // namespace tessera::cli

int main(int argc, char** argv) {
  return tessera::cli::Main(std::span<char* const>(argv, static_cast<std::size_t>(argc)));
}
