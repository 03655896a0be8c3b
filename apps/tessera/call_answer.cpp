#include "call_answer.hpp"

#include "json_values.hpp"

namespace tessera::cli {

nlohmann::ordered_json CallAnswer(platform::Object& self, const frame::DispatchTable& table,
                                  std::string_view member, std::vector<platform::Variant>& args,
                                  platform::Variant* result) {
  const frame::MemberRow& row = table.Callable(table.SlotOf(member));
  const auto& params = row.params;
  while (args.size() < params.size() && params[args.size()].by_ref && !params[args.size()].optional) {
    args.emplace_back();
  }
  const platform::Variant value = row.invoke(self, args, params);
  nlohmann::ordered_json byref = nlohmann::ordered_json::object();
  for (std::size_t i = 0; i < params.size() && i < args.size(); ++i) {
    if (params[i].by_ref) byref[std::string(params[i].name)] = ToJson(args[i]);
  }
  nlohmann::ordered_json answer;
  answer["result"] = ToJson(value);
  if (result != nullptr) *result = value;
  answer["byref"] = std::move(byref);
  return answer;
}

nlohmann::ordered_json ErrorAnswer(const platform::RuntimeError& error) {
  nlohmann::ordered_json details;
  details["number"] = error.number();
  details["source"] = error.source();
  details["description"] = error.description();
  nlohmann::ordered_json answer;
  answer["error"] = std::move(details);
  return answer;
}

std::string Dump(const nlohmann::ordered_json& value) {
  return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace tessera::cli
