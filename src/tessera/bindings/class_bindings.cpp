#include "tessera/bindings/class_bindings.hpp"

#include <algorithm>
#include <array>
#include <memory>

#include "tessera/bindings/ckalfkt_dispatch.hpp"
#include "tessera/bindings/draw_dispatch.hpp"
#include "tessera/bindings/gtool_dispatch.hpp"
#include "tessera/bindings/library_types.hpp"
#include "tessera/bindings/raster_dispatch.hpp"
#include "tessera/bindings/text_dispatch.hpp"
#include "tessera/dates/ckalfkt.hpp"
#include "tessera/draw/cdraw_line.hpp"
#include "tessera/draw/cdraw_rect.hpp"
#include "tessera/raster/crasterbgrd.hpp"
#include "tessera/text/cfont.hpp"
#include "tessera/text/ctextattribut.hpp"
#include "tessera/text/ctextfile.hpp"
#include "tessera/tool/gtool.hpp"

namespace tessera {

namespace {

const frame::ClassInfo& Info(std::string_view name) {
  const frame::ClassInfo* info = frame::FindClass(name);
  if (info == nullptr) throw std::logic_error("class missing from the catalogue");
  return *info;
}

const std::array<ClassBinding, 9>& Bindings() {
  static const std::array bindings{
      ClassBinding{Info("GTool"),
                   {GToolDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<GTool>()); },
                   []() -> platform::Object* { return &ImplicitGTool(); }},
      ClassBinding{Info("CKalFKt"),
                   {CKalFKtDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CKalFKt>()); },
                   []() -> platform::Object* { return &ImplicitCKalFKt(); }},
      ClassBinding{Info("CDrawLine"),
                   {CDrawLineDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CDrawLine>()); },
                   nullptr},
      ClassBinding{Info("CDrawRect"),
                   {CDrawRectDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CDrawRect>()); },
                   nullptr},
      ClassBinding{Info("CRasterBgrd"),
                   {CRasterBgrdDispatch, &CRasterBgrdEventBridge(), LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CRasterBgrd>()); },
                   nullptr},
      ClassBinding{Info("CRasterBgrdSo"),
                   {CRasterBgrdSoDispatch, &CRasterBgrdSoEventBridge(), LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CRasterBgrdSo>()); },
                   nullptr},
      ClassBinding{Info("CTextFile"),
                   {CTextFileDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CTextFile>()); },
                   nullptr},
      ClassBinding{Info("CFont"),
                   {CFontDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CFont>()); },
                   nullptr},
      ClassBinding{Info("CTextAttribut"),
                   {CTextAttributDispatch, nullptr, LibraryTypeInfo},
                   [] { return platform::ObjectRef(std::make_shared<CTextAttribut>()); },
                   nullptr},
  };
  return bindings;
}

}  // namespace

std::span<const ClassBinding> ClassBindings() {
  return Bindings();
}

const ClassBinding* FindClassBinding(std::string_view name) {
  const frame::ClassInfo* info = frame::FindClass(name);
  const auto& bindings = Bindings();
  const auto found = std::find_if(bindings.begin(), bindings.end(),
                                  [info](const ClassBinding& binding) { return &binding.info == info; });
  return found == bindings.end() ? nullptr : &*found;
}

platform::ObjectRef ClassCallTarget(const ClassBinding& binding) {
  if (binding.implicit_instance == nullptr) return binding.create();
  return platform::ObjectRef(platform::ObjectRef(), binding.implicit_instance());
}

}  // namespace tessera
