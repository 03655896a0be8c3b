#include "tessera/bindings/c_interfaces.hpp"

#include <cstdio>
#include <string_view>

#include "tessera/bindings/class_bindings.hpp"

namespace tessera {

namespace {

using frame::MemberKind;
using frame::MemberRow;
using frame::ValueType;

std::string GuidInitialiser(const frame::Guid& guid) {
  char text[96];
  std::snprintf(text, sizeof text,
                "{0x%08X, 0x%04X, 0x%04X, {0x%02X, 0x%02X, 0x%02X, 0x%02X, 0x%02X, 0x%02X, 0x%02X, 0x%02X}}",
                guid.data1, guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2],
                guid.data4[3], guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
  return text;
}

// "get_Name" and "put_Name" for a property's read and write, as the interfaces are known on the
// platform; a method keeps its name.
std::string EntryName(const MemberRow& row) {
  if (row.kind == MemberKind::kPropertyGet) return "get_" + std::string(row.name);
  if (row.kind == MemberKind::kPropertyPut) return "put_" + std::string(row.name);
  return std::string(row.name);
}

std::string Entry(const std::string& self, const MemberRow& row) {
  std::string line = "  HRESULT (*" + EntryName(row) + ")(" + self + "* self";
  for (const frame::ParamInfo& param : row.params) {
    line += ", " + std::string(frame::AbiShapeOf(param.type).c_type) + (param.by_ref ? "* " : " ") +
            std::string(param.name);
  }
  if (row.result != ValueType::kNone)
    line += ", " + std::string(frame::AbiShapeOf(row.result).c_type) + "* result";
  return line + ");\n";
}

// IDispatch's seven, typed on the interface itself as C hosts call them.
std::string DispatchEntries(const std::string& self) {
  return "  HRESULT (*QueryInterface)(" + self + "* self, const IID* riid, void** object);\n" +
         "  uint32_t (*AddRef)(" + self + "* self);\n" + "  uint32_t (*Release)(" + self + "* self);\n" +
         "  HRESULT (*GetTypeInfoCount)(" + self + "* self, uint32_t* count);\n" +
         "  HRESULT (*GetTypeInfo)(" + self + "* self, uint32_t index, LCID lcid, ITypeInfo** type_info);\n" +
         "  HRESULT (*GetIDsOfNames)(" + self +
         "* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);\n" +
         "  HRESULT (*Invoke)(" + self +
         "* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* "
         "result,\n"
         "                    EXCEPINFO* exception, uint32_t* arg_error);\n";
}

std::string ClassDeclarations(const ClassBinding& binding) {
  const frame::ClassInfo& info = binding.info;
  const std::string self(info.default_interface);
  std::string text = "/* " + frame::ProgId(info) + (info.IsGlobal() ? " (global)" : " (creatable)") + " */\n";
  text +=
      "static const CLSID CLSID_" + std::string(info.name) + " = " + GuidInitialiser(info.class_id) + ";\n";
  text += "static const IID IID_" + self + " = " + GuidInitialiser(info.interface_id) + ";\n";
  if (info.events_id)
    text += "static const IID DIID_" + std::string(info.events_interface) + " = " +
            GuidInitialiser(*info.events_id) + ";\n";
  text += "typedef struct " + self + " " + self + ";\n";
  text += "typedef struct " + self + "Vtbl {\n" + DispatchEntries(self);
  const auto entries = binding.served.table().vtable();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    text += entries[i] != nullptr ? Entry(self, *entries[i])
                                  : "  HRESULT (*reserved" + std::to_string(frame::kDispatchSlots + i) +
                                        ")(" + self + "* self);\n";
  }
  text += "} " + self + "Vtbl;\n";
  text += "struct " + self + " {\n  const " + self + "Vtbl* lpVtbl;\n};\n\n";
  return text;
}

}  // namespace

std::string CInterfacesHeader() {
  std::string text =
      "/* The library's classes as a C host sees them: each class's identity, its default interface's\n"
      " * identity and vtable (IDispatch's seven slots, then the members; each returns an HRESULT and\n"
      " * stores its result through the last parameter), and its events interface's identity.\n"
      " * Written by `tessera header` from the classes' dispatch tables; not to be edited by hand. */\n"
      "#ifndef TESSERA_INTERFACES_H\n#define TESSERA_INTERFACES_H\n\n/* clang-format off */\n"
      "#include \"tessera/frame/component/com_abi.h\"\n\n"
      "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n";
  for (const frame::ClassInfo& info : frame::PublicClasses()) {
    if (const ClassBinding* binding = FindClassBinding(info.name)) text += ClassDeclarations(*binding);
  }
  return text + "#ifdef __cplusplus\n}\n#endif\n/* clang-format on */\n\n#endif\n";
}

}  // namespace tessera
