// Variants as the command-line tool writes them in JSON: strings, numbers and Booleans as they
// are, Empty as null, a date as {"date": serial}, an object as {"object": "<type name>"}, a left-out
// optional as {"missing": true}.
#pragma once

#include <nlohmann/json.hpp>

#include "tessera/platform/runtime/variant.hpp"

namespace tessera::cli {

nlohmann::ordered_json ToJson(const platform::Variant& value);

}  // namespace tessera::cli
