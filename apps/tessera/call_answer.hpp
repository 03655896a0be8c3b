// One call through a dispatch table, answered as the command-line tool prints it:
// {"result":…,"byref":{name:value,…}} or {"error":{"number":…,"source":"…","description":"…"}}.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "tessera/frame/dispatch/dispatch_table.hpp"
#include "tessera/platform/runtime/error.hpp"

namespace tessera::cli {

// Calls `member` (a method or property read) on `self`. By-reference parameters left out at the
// end get an empty variable, as a host passes its own; `args` holds their values afterwards.
// Errors of the call are thrown, for the caller to answer with ErrorAnswer. The result itself is
// left in `result` when given.
nlohmann::ordered_json CallAnswer(platform::Object& self, const frame::DispatchTable& table,
                                  std::string_view member, std::vector<platform::Variant>& args,
                                  platform::Variant* result = nullptr);

nlohmann::ordered_json ErrorAnswer(const platform::RuntimeError& error);

// One line of JSON; text that is not UTF-8 is replaced rather than refused.
std::string Dump(const nlohmann::ordered_json& value);

}  // namespace tessera::cli
