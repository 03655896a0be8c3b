#include "tessera/frame/component/error_info.hpp"

#include <new>
#include <optional>
#include <string>
#include <utility>

#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_object.hpp"
#include "tessera/frame/component/com_strings.hpp"

namespace tessera::frame {

namespace {

struct KeptError {
  Guid interface_id;
  std::string source;
  std::string description;
};

// Plain data until the host asks, so that a kept error does not hold the library loaded.
thread_local std::optional<KeptError> kept;

struct ErrorInfoObject : ComObject<ErrorInfoObject, IErrorInfo> {
  static constexpr bool kBoundToThread = false;
  explicit ErrorInfoObject(KeptError what);
  static void* InterfaceFor(const IID& id, ErrorInfoObject& self) {
    return SameId(id, IID_IUnknown) || SameId(id, IID_IErrorInfo) ? &self : nullptr;
  }
  KeptError error;
};

HRESULT Answer(const std::string& text, BSTR* out) {
  if (out == nullptr) return E_POINTER;
  try {
    *out = BstrFromUtf8(text);
    return S_OK;
  } catch (const std::bad_alloc&) {
    *out = nullptr;
    return E_OUTOFMEMORY;
  }
}

HRESULT GetGUID(IErrorInfo* self, GUID* interface_id) {
  if (interface_id == nullptr) return E_POINTER;
  *interface_id = ToIid(ErrorInfoObject::Of(self).error.interface_id);
  return S_OK;
}

HRESULT GetSource(IErrorInfo* self, BSTR* source) {
  return Answer(ErrorInfoObject::Of(self).error.source, source);
}

HRESULT GetDescription(IErrorInfo* self, BSTR* description) {
  return Answer(ErrorInfoObject::Of(self).error.description, description);
}

HRESULT GetHelpFile(IErrorInfo*, BSTR* help_file) {
  if (help_file == nullptr) return E_POINTER;
  *help_file = nullptr;  // the library has no help file
  return S_OK;
}

HRESULT GetHelpContext(IErrorInfo*, uint32_t* help_context) {
  if (help_context == nullptr) return E_POINTER;
  *help_context = 0;
  return S_OK;
}

constexpr IErrorInfoVtbl kVtable{ErrorInfoObject::QueryInterface,
                                 ErrorInfoObject::AddRef,
                                 ErrorInfoObject::Release,
                                 ErrorInfoObject::Entry<GetGUID>,
                                 ErrorInfoObject::Entry<GetSource>,
                                 ErrorInfoObject::Entry<GetDescription>,
                                 ErrorInfoObject::Entry<GetHelpFile>,
                                 ErrorInfoObject::Entry<GetHelpContext>};

ErrorInfoObject::ErrorInfoObject(KeptError what) : ComObject(&kVtable), error(std::move(what)) {}

}  // namespace

void KeepErrorInfo(const Guid& interface_id, const EXCEPINFO& exception) noexcept {
  try {
    kept =
        KeptError{interface_id, Utf8FromBstr(exception.bstrSource), Utf8FromBstr(exception.bstrDescription)};
  } catch (const std::bad_alloc&) {
    kept.reset();
  }
}

void ForgetErrorInfo() noexcept {
  kept.reset();
}

}  // namespace tessera::frame

extern "C" HRESULT GetErrorInfo(uint32_t, IErrorInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (!tessera::frame::kept) return S_FALSE;
  return tessera::frame::AnswerUnlessOutOfMemory([&] {
    *info = new tessera::frame::ErrorInfoObject(std::move(*tessera::frame::kept));
    tessera::frame::kept.reset();
    return S_OK;
  });
}
