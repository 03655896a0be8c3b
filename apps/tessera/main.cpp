// tessera: the library's classes from the command line. `tessera --help` lists the commands,
// `tessera help COMMAND` says what one takes and answers.
//
// Arguments are passed as text and converted by the member's own parameter types, as a host
// script passing strings would see it. Message boxes appear on stderr as JSON lines. Wrong usage
// is said on stderr with the command's usage and exits with 2; a failure exits with 1.
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch.hpp"
#include "call_answer.hpp"
#include "options.hpp"
#include "render.hpp"
#include "server_library.hpp"
#include "tessera/bindings/c_interfaces.hpp"
#include "tessera/bindings/class_bindings.hpp"
#include "tessera/bindings/component_entry.hpp"
#include "tessera/frame/component/registry.hpp"
#include "tessera/platform/runtime/error.hpp"
#include "tessera/version.hpp"

namespace tessera::cli {

namespace {

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
  if (binding == nullptr)
    throw UsageError("no class for '" + std::string(target) + "' (see: tessera classes)");
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
    const std::filesystem::path server = ServerLibraryFile();
    const auto names = registering ? RegisterServer(registry, server) : UnregisterServer(registry);
    const nlohmann::ordered_json answer{{registering ? "registered" : "unregistered", names},
                                        {"registry", registry.string()},
                                        {"server", server.string()}};
    std::cout << Dump(answer) << '\n';
    return 0;
  } catch (...) {
    std::cout << Dump(ErrorAnswer(platform::ToRuntimeError())) << '\n';
    return 1;
  }
}

using Kind = OptionSyntax::Kind;

struct Command {
  CommandSyntax syntax;
  int (*run)(const ParsedCommand& command);
};

int Registration(bool registering, const ParsedCommand& command) {
  return ChangeRegistration(registering, command.has("--registry")
                                             ? std::filesystem::path(command.text("--registry"))
                                             : frame::DefaultRegistryPath());
}

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands{
      {{"classes", "classes", "Lists every class with its identity and its members in slot order.\n", {}, {}},
       [](const ParsedCommand&) { return ListClasses(); }},
      {{"call",
        "call Class.Member [ARG...] | call --batch",
        "Calls one member on the class's implicit instance (global classes) or on a new object and\n"
        "answers {\"result\":...,\"byref\":{...}} or {\"error\":{\"number\":...,...}}. With --batch,\n"
        "reads JSON requests from stdin and answers each with one line (see the README).\n",
        {"Class.Member"},
        {}},
       nullptr},
      {RenderCommand(), Render},
      {PlaceCommand(), Place},
      {{"header",
        "header",
        "Prints the C declarations of the classes' dual interfaces (tessera_interfaces.h): identities\n"
        "and vtables, for hosts that call members through their slots.\n",
        {},
        {}},
       [](const ParsedCommand&) {
         std::cout << CInterfacesHeader();
         return 0;
       }},
      {{"register",
        "register [--registry FILE]",
        "Records the classes with this library as their server in the registry (default:\n"
        "$TESSERA_REGISTRY, else ~/.config/tessera/registry.ini).\n",
        {},
        {{"--registry", Kind::kText}}},
       [](const ParsedCommand& command) { return Registration(true, command); }},
      {{"unregister",
        "unregister [--registry FILE]",
        "Removes exactly what register recorded.\n",
        {},
        {{"--registry", Kind::kText}}},
       [](const ParsedCommand& command) { return Registration(false, command); }},
  };
  return commands;
}

const Command* FindCommand(std::string_view name) {
  for (const Command& command : Commands()) {
    if (command.syntax.name == name) return &command;
  }
  return nullptr;
}

std::string Overview() {
  std::string text = "usage:";
  for (const Command& command : Commands()) text += "\n  tessera " + std::string(command.syntax.usage);
  return text + "\n  tessera help COMMAND | tessera COMMAND --help\n  tessera --version\n";
}

bool AsksForHelp(std::span<char* const> args) {
  for (const char* arg : args) {
    const std::string_view text(arg);
    if (text == "--help" || text == "-h") return true;
  }
  return false;
}

int WrongUsage(std::string_view context, const std::string& what, const std::string& usage) {
  std::cerr << "tessera" << context << ": " << what << '\n' << usage;
  return kUsageError;
}

// `tessera call`: one member with its arguments as text, or the batch.
int RunCall(std::span<char* const> args) {
  if (args.size() == 1 && std::string_view(args[0]) == "--batch") return RunBatch(std::cin, std::cout);
  if (args.empty()) throw UsageError("missing Class.Member");
  if (std::string_view(args[0]).starts_with("--")) throw UsageError("unknown option " + std::string(args[0]));
  return Call(args[0], args.subspan(1));
}

int RunCommand(const Command& command, std::span<char* const> args) {
  // A member's arguments are the script's own, so `call` takes --help as its first word only.
  if (AsksForHelp(command.run == nullptr ? args.first(std::min<std::size_t>(args.size(), 1)) : args)) {
    std::cout << CommandHelp(command.syntax);
    return 0;
  }
  try {
    if (command.run == nullptr) return RunCall(args);
    return command.run(Parse(command.syntax, args));
  } catch (const UsageError& error) {
    return WrongUsage(" " + std::string(command.syntax.name), error.what(), CommandUsage(command.syntax));
  }
}

int Help(std::span<char* const> args) {
  if (args.empty()) {
    std::cout << Overview();
    return 0;
  }
  const Command* command = FindCommand(args[0]);
  if (command == nullptr || args.size() > 1)
    return WrongUsage(" help", "no command '" + std::string(args[0]) + "'", Overview());
  std::cout << CommandHelp(command->syntax);
  return 0;
}

}  // namespace

int Main(std::span<char* const> argv) {
  const std::span<char* const> args = argv.subspan(std::min<std::size_t>(argv.size(), 2));
  const std::string_view name = argv.size() >= 2 ? std::string_view(argv[1]) : std::string_view();
  if (name == "--help" || name == "-h" || name == "help") return Help(args);
  if (name == "--version") {
    std::cout << "tessera " << Version() << '\n';
    return 0;
  }
  if (const Command* command = FindCommand(name)) return RunCommand(*command, args);
  return WrongUsage("", name.empty() ? "no command given" : "unknown command '" + std::string(name) + "'",
                    Overview());
}

}  // namespace tessera::cli

int main(int argc, char** argv) {
  return tessera::cli::Main(std::span<char* const>(argv, static_cast<std::size_t>(argc)));
}
