#include "tessera/frame/catalogue/catalogue.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "tessera/platform/runtime/text_case.hpp"

namespace tessera::frame {

namespace {

using enum Instancing;

constexpr std::array kPublicClasses{
    ClassInfo{"CDrawRect", kCreatable, "_CDrawRect", "", "{7DC35525-9A64-44FA-8EB4-4CC1E19D258F}"_guid,
              "{4791C502-ED8A-4F97-87F5-DCCFB50D5AAF}"_guid, std::nullopt},
    ClassInfo{"CFont", kCreatable, "_CFont", "", "{9A47969B-4B05-4ACD-8ED0-A84C6E4310AE}"_guid,
              "{961022DE-4117-4C81-9BAC-C5C98A6B225E}"_guid, std::nullopt},
    ClassInfo{"CTextFile", kCreatable, "_CTextFile", "", "{A934EB1D-410F-4C1D-B788-F0F3AA426A14}"_guid,
              "{2B2C4CE1-7F8F-406D-84EF-B397BAEB1E17}"_guid, std::nullopt},
    ClassInfo{"CDrawLine", kCreatable, "_CDrawLine", "", "{9CF490EB-C773-408C-93AB-A1D48D9DFAD1}"_guid,
              "{47D10843-A4C9-46D8-94C2-92BB06BEB258}"_guid, std::nullopt},
    ClassInfo{"GTool", kGlobal, "_GTool", "", "{48EAA08A-0781-4C11-BFD0-253E0B6BBB4C}"_guid,
              "{F309D3C7-1A1C-4317-A68D-C22A96BE0328}"_guid, std::nullopt},
    ClassInfo{"CTextAttribut", kCreatable, "_CTextAttribut", "",
              "{C42E414C-0D0E-43C5-8948-1F5B7998B93F}"_guid, "{96DD4D46-4449-4354-A66E-D017F59E1107}"_guid,
              std::nullopt},
    ClassInfo{"CRasterBgrd", kCreatable, "_CRasterBgrd", "__CRasterBgrd",
              "{F97399A7-DE9C-48C9-B311-0501D4E123DE}"_guid, "{3B7A1309-E676-48A7-97E6-4B4C9A81DFA9}"_guid,
              "{5CC6462E-BAEC-48E9-B35C-18E2F9CE2780}"_guid},
    ClassInfo{"CRasterBgrdSo", kCreatable, "_CRasterBgrdSo", "__CRasterBgrdSo",
              "{0C687C0C-7656-4FB6-A7A4-AE0CEA689711}"_guid, "{5C7517A6-E712-4509-BBDA-5CC6FABB9967}"_guid,
              "{D3A285FA-E4BB-4538-8390-881CA13FB3D4}"_guid},
    ClassInfo{"CKalFKt", kGlobal, "_CKalFKt", "", "{D109A38A-AC21-4701-AAD0-96A6B0FC2598}"_guid,
              "{1EF50865-AC83-4888-86BE-365467E3868B}"_guid, std::nullopt},
};

std::string_view WithoutLibraryPrefix(std::string_view name) {
  const std::size_t dot = kLibraryName.size();
  if (name.size() > dot && name[dot] == '.' &&
      platform::EqualsIgnoringCase(name.substr(0, dot), kLibraryName)) {
    return name.substr(dot + 1);
  }
  return name;
}

}  // namespace

std::span<const ClassInfo> PublicClasses() {
  return kPublicClasses;
}

const ClassInfo* FindClass(std::string_view name) {
  const std::string_view bare = WithoutLibraryPrefix(name);
  const auto found =
      std::find_if(kPublicClasses.begin(), kPublicClasses.end(),
                   [bare](const ClassInfo& info) { return platform::EqualsIgnoringCase(info.name, bare); });
  return found == kPublicClasses.end() ? nullptr : &*found;
}

const ClassInfo* FindClass(const Guid& class_id) {
  const auto found = std::find_if(kPublicClasses.begin(), kPublicClasses.end(),
                                  [&class_id](const ClassInfo& info) { return info.class_id == class_id; });
  return found == kPublicClasses.end() ? nullptr : &*found;
}

std::string ProgId(const ClassInfo& info) {
  return std::string(kLibraryName) + "." + std::string(info.name);
}

}  // namespace tessera::frame
