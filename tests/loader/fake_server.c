/* Libraries that a registry may name as a server but that do not behave as one. FAKE_KIND picks
 * the fault: 0 no server entry points at all, 1 a class factory answered S_OK but not handed
 * back, 2 an object answered S_OK but not handed back. */
#include "tessera/frame/component/com_abi.h"

#if FAKE_KIND == 0
int fake_server_nothing(void) {
  return 0;
}
#else
static HRESULT Query(IClassFactory* self, const IID* riid, void** object) {
  (void)riid;
  *object = self;
  return S_OK;
}
static uint32_t Count(IClassFactory* self) {
  (void)self;
  return 1;
}
static HRESULT CreateWithoutObject(IClassFactory* self, IUnknown* outer, const IID* riid, void** object) {
  (void)self, (void)outer, (void)riid;
  *object = 0;
  return S_OK;
}
static HRESULT Lock(IClassFactory* self, int32_t lock) {
  (void)self, (void)lock;
  return S_OK;
}
static const IClassFactoryVtbl kFactoryVtbl = {Query, Count, Count, CreateWithoutObject, Lock};
static IClassFactory factory = {&kFactoryVtbl};

HRESULT DllGetClassObject(const CLSID* clsid, const IID* riid, void** object) {
  (void)clsid, (void)riid;
  *object = FAKE_KIND == 1 ? 0 : &factory;
  return S_OK;
}
HRESULT DllCanUnloadNow(void) {
  return S_OK;
}
#endif
