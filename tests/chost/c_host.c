/* A host written in plain C that reaches the library the way a component host does: it finds the
 * server of a class in the registry by the class's name, loads it with dlopen and calls it only
 * through the exported entry points and the ABI's interfaces. It needs nothing of the library but
 * tessera_interfaces.h (and the component ABI it includes).
 *
 *   c_host LIBRARY SCRATCH_DIRECTORY
 *
 * Each check that fails is printed; the exit status is 0 when all hold. */
#define _POSIX_C_SOURCE 200809L

#include <dlfcn.h>
#include <pthread.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tessera/bindings/tessera_interfaces.h"

static int failures;

#define CHECK(condition)                                                      \
  do {                                                                        \
    if (!(condition)) {                                                       \
      fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                             \
    }                                                                         \
  } while (0)

/* The automation runtime's calls, as the library exports them. */
static struct {
  BSTR (*alloc)(const OLECHAR* text, uint32_t length);
  void (*free)(BSTR text);
  uint32_t (*length)(BSTR text);
  HRESULT (*clear)(VARIANT* value);
  HRESULT (*can_unload)(void);
  HRESULT (*error_info)(uint32_t reserved, IErrorInfo** info);
} runtime;

static void* Symbol(void* library, const char* name) {
  void* address = dlsym(library, name);
  if (address == NULL) {
    fprintf(stderr, "c_host: %s is not exported\n", name);
    exit(2);
  }
  return address;
}

static void TakeRuntime(void* library) {
  *(void**)&runtime.alloc = Symbol(library, "SysAllocStringLen");
  *(void**)&runtime.free = Symbol(library, "SysFreeString");
  *(void**)&runtime.length = Symbol(library, "SysStringLen");
  *(void**)&runtime.clear = Symbol(library, "VariantClear");
  *(void**)&runtime.can_unload = Symbol(library, "DllCanUnloadNow");
  *(void**)&runtime.error_info = Symbol(library, "GetErrorInfo");
}

/* Text in ASCII, which is all this host uses, to and from BSTRs. */
static BSTR Text(const char* ascii) {
  OLECHAR units[512];
  const size_t length = strlen(ascii);
  for (size_t i = 0; i < length && i < 512; ++i) units[i] = (OLECHAR)(unsigned char)ascii[i];
  return runtime.alloc(units, (uint32_t)length);
}

static int TextIs(BSTR text, const char* ascii) {
  const uint32_t length = text == NULL ? 0 : runtime.length(text);
  if (length != strlen(ascii)) return 0;
  for (uint32_t i = 0; i < length; ++i)
    if (text[i] != (OLECHAR)(unsigned char)ascii[i]) return 0;
  return 1;
}

/* The value of `key` in `[section]` of the registry, an INI file; 0 when there is none. */
static int RegistryValue(const char* registry, const char* section, const char* key, char* value,
                         size_t size) {
  FILE* file = fopen(registry, "r");
  if (file == NULL) return 0;
  char line[4096];
  int inside = 0, found = 0;
  const size_t key_length = strlen(key);
  while (!found && fgets(line, sizeof line, file) != NULL) {
    line[strcspn(line, "\r\n")] = '\0';
    if (line[0] == '[') {
      inside = strncmp(line + 1, section, strlen(section)) == 0 && line[1 + strlen(section)] == ']';
    } else if (inside && strncmp(line, key, key_length) == 0 && line[key_length] == '=') {
      snprintf(value, size, "%s", line + key_length + 1);
      found = 1;
    }
  }
  fclose(file);
  return found;
}

static int ParseGuid(const char* text, GUID* guid) {
  unsigned int d4[8];
  if (sscanf(text, "{%8x-%4hx-%4hx-%2x%2x-%2x%2x%2x%2x%2x%2x}", &guid->Data1, &guid->Data2, &guid->Data3,
             &d4[0], &d4[1], &d4[2], &d4[3], &d4[4], &d4[5], &d4[6], &d4[7]) != 11)
    return 0;
  for (int i = 0; i < 8; ++i) guid->Data4[i] = (uint8_t)d4[i];
  return 1;
}

/* A new object of the class registered as `prog_id`, answering interface `iid`; NULL on failure. */
static void* CreateObject(const char* registry, const char* prog_id, const IID* iid) {
  char section[256], class_id[64], server[4096];
  snprintf(section, sizeof section, "ProgID\\%s", prog_id);
  GUID clsid;
  if (!RegistryValue(registry, section, "CLSID", class_id, sizeof class_id) || !ParseGuid(class_id, &clsid))
    return NULL;
  snprintf(section, sizeof section, "CLSID\\%s", class_id);
  if (!RegistryValue(registry, section, "InprocServer", server, sizeof server)) return NULL;
  void* library = dlopen(server, RTLD_NOW); /* the objects live in it: it stays loaded */
  if (library == NULL) return NULL;
  HRESULT (*get_class_object)(const CLSID*, const IID*, void**);
  *(void**)&get_class_object = Symbol(library, "DllGetClassObject");
  IClassFactory* factory = NULL;
  void* object = NULL;
  if (get_class_object(&clsid, &IID_IClassFactory, (void**)&factory) != S_OK) return NULL;
  factory->lpVtbl->CreateInstance(factory, NULL, iid, &object);
  factory->lpVtbl->Release(factory);
  return object;
}

/* Member `name` through IDispatch::Invoke with `count` arguments, last one first. */
static HRESULT InvokeByName(IDispatch* object, const char* name, VARIANT* args, uint32_t count,
                            VARIANT* result) {
  BSTR text = Text(name);
  OLECHAR* names[] = {text};
  DISPID id = 0;
  const HRESULT found = object->lpVtbl->GetIDsOfNames(object, &IID_NULL, names, 1, 0, &id);
  runtime.free(text);
  if (found != S_OK) return DISP_E_UNKNOWNNAME;
  DISPPARAMS params = {args, NULL, count, 0};
  EXCEPINFO exception;
  memset(&exception, 0, sizeof exception);
  const HRESULT answer = object->lpVtbl->Invoke(
      object, id, &IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params, result, &exception, NULL);
  runtime.free(exception.bstrSource);
  runtime.free(exception.bstrDescription);
  return answer;
}

static VARIANT TextArgument(const char* ascii) {
  VARIANT value;
  memset(&value, 0, sizeof value);
  value.vt = VT_BSTR;
  value.bstrVal = Text(ascii);
  return value;
}

/* A method and a property through their vtable slots. */
static void CheckParaGib(_GTool* tool) {
  BSTR text = Text("Erdgeschoss;1. OG;2. OG"), separator = Text(";"), field = NULL, directory = NULL;
  CHECK(tool->lpVtbl->ParaGib(tool, text, separator, 2, &field) == S_OK && TextIs(field, "1. OG"));
  CHECK(tool->lpVtbl->get_RasterSubDir(tool, &directory) == S_OK && TextIs(directory, "Raster"));
  runtime.free(directory);
  runtime.free(field);
  runtime.free(text);
  runtime.free(separator);
}

/* GTool's members listed through its type information, as a late-binding host lists them; the
 * slots it names for ParaGib and RGBReverse are the ones the C declarations call. */
static void CheckTypeInfo(_GTool* tool) {
  uint32_t count = 0;
  ITypeInfo* info = NULL;
  CHECK(tool->lpVtbl->GetTypeInfoCount(tool, &count) == S_OK && count == 1);
  CHECK(tool->lpVtbl->GetTypeInfo(tool, 0, 0, &info) == S_OK && info != NULL);
  if (info == NULL) return;
  TYPEATTR* attributes = NULL;
  CHECK(info->lpVtbl->GetTypeAttr(info, &attributes) == S_OK);
  CHECK(memcmp(&attributes->guid, &IID__GTool, sizeof(GUID)) == 0 && attributes->typekind == TKIND_DISPATCH);
  CHECK(attributes->cFuncs == 36);
  int found = 0;
  for (uint16_t i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = NULL;
    BSTR name = NULL;
    if (info->lpVtbl->GetFuncDesc(info, i, &function) != S_OK) {
      CHECK(!"GetFuncDesc answers every function");
      continue;
    }
    CHECK(info->lpVtbl->GetDocumentation(info, function->memid, &name, NULL, NULL, NULL) == S_OK);
    if (TextIs(name, "ParaGib")) {
      found |= 1;
      CHECK(function->cParams == 3 && function->lprgelemdescParam[2].tdesc.vt == VT_I2 &&
            function->elemdescFunc.tdesc.vt == VT_BSTR);
      CHECK((size_t)function->oVft == offsetof(_GToolVtbl, ParaGib));
    }
    if (TextIs(name, "RGBReverse")) {
      found |= 2;
      CHECK(function->cParams == 4 && function->lprgelemdescParam[1].tdesc.vt == VT_PTR &&
            function->elemdescFunc.tdesc.vt == VT_VOID);
      CHECK((size_t)function->oVft == offsetof(_GToolVtbl, RGBReverse));
    }
    runtime.free(name);
    info->lpVtbl->ReleaseFuncDesc(info, function);
  }
  CHECK(found == 3);
  info->lpVtbl->ReleaseTypeAttr(info, attributes);

  info->lpVtbl->Release(info);
}

/* A call through the vtable that fails leaves its description for GetErrorInfo: a GTool where a
 * collection belongs is a type mismatch (13). */
static void CheckErrorInfo(_GTool* tool) {
  ISupportErrorInfo* support = NULL;
  CHECK(tool->lpVtbl->QueryInterface(tool, &IID_ISupportErrorInfo, (void**)&support) == S_OK);
  if (support != NULL) {
    CHECK(support->lpVtbl->InterfaceSupportsErrorInfo(support, &IID__GTool) == S_OK);
    support->lpVtbl->Release(support);
  }
  BSTR file = Text("rooms.ini"), topic = Text("Raum");
  CHECK(tool->lpVtbl->WriteIniSection(tool, file, topic, (IDispatch*)tool) ==
        TESSERA_RUNTIME_ERROR_SCODE(13));
  IErrorInfo* error = NULL;
  BSTR description = NULL;
  CHECK(runtime.error_info(0, &error) == S_OK && error != NULL);
  if (error != NULL) {
    CHECK(error->lpVtbl->GetDescription(error, &description) == S_OK && TextIs(description, "Type mismatch"));
    error->lpVtbl->Release(error);
  }
  CHECK(runtime.error_info(0, &error) == S_FALSE); /* taken once */
  runtime.free(description);
  runtime.free(file);
  runtime.free(topic);
}

static void WriteFile(const char* path, const void* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (file == NULL || fwrite(bytes, 1, size, file) != size) {
    fprintf(stderr, "c_host: cannot write %s\n", path);
    exit(2);
  }
  fclose(file);
}

/* The whole of a small file, NUL-terminated, in `text`. */
static void ReadFile(const char* path, char* text, size_t size) {
  FILE* file = fopen(path, "rb");
  const size_t length = file == NULL ? 0 : fread(text, 1, size - 1, file);
  text[length] = '\0';
  if (file != NULL) fclose(file);
}

/* A section read into a collection that the call creates, written back under another name. The
 * host's Nothing is a null object by reference, or through Invoke an empty variant by reference. */
static void CheckIniSection(_GTool* tool, const char* directory) {
  char path[4096], written[8192];
  snprintf(path, sizeof path, "%s/rooms.ini", directory);
  const char ini[] = "[Raum]\r\nNummer=0.101\r\nFlaeche=12,5\r\n";
  WriteFile(path, ini, sizeof ini - 1);
  BSTR file = Text(path), topic = Text("Raum"), copy = Text("Kopie");
  IDispatch* rooms = NULL;
  VARIANT_BOOL read = VARIANT_FALSE;
  CHECK(tool->lpVtbl->GetIniSection(tool, file, topic, &rooms, &read) == S_OK);
  CHECK(read == VARIANT_TRUE && rooms != NULL);
  if (rooms != NULL) {
    CHECK(tool->lpVtbl->WriteIniSection(tool, file, copy, rooms) == S_OK);
    rooms->lpVtbl->Release(rooms);
  }
  ReadFile(path, written, sizeof written);
  const char* section = strstr(written, "[Kopie]");
  CHECK(section != NULL && strstr(section, "Nummer=0.101") != NULL &&
        strstr(section, "Flaeche=12,5") != NULL);

  VARIANT args[3], holder, answer, count;
  memset(args, 0, sizeof args);
  memset(&answer, 0, sizeof answer);
  memset(&count, 0, sizeof count);
  args[2] = TextArgument(path);
  args[1] = TextArgument("Raum");
  for (int with_nothing = 0; with_nothing < 2; ++with_nothing) { /* an empty variant, or Nothing */
    memset(&holder, 0, sizeof holder);
    holder.vt = with_nothing ? VT_DISPATCH : VT_EMPTY;
    args[0].vt = VT_VARIANT | VT_BYREF;
    args[0].pvarVal = &holder;
    CHECK(InvokeByName((IDispatch*)tool, "GetIniSection", args, 3, &answer) == S_OK &&
          answer.boolVal == VARIANT_TRUE);
    CHECK(holder.vt == VT_DISPATCH && InvokeByName(holder.pdispVal, "Count", NULL, 0, &count) == S_OK &&
          count.vt == VT_I4 && count.lVal == 2);
    runtime.clear(&holder);
  }
  runtime.clear(&args[1]);
  runtime.clear(&args[2]);
  runtime.free(file);
  runtime.free(topic);
  runtime.free(copy);
}

/* A careless host's events sink: on TransEnd it takes note of whether the placement was saved and
 * drops the host's only reference to the raster. */
typedef struct Sink {
  IDispatch dispatch;
  uint32_t references;
  int ends;
  VARIANT_BOOL saved;
  IUnknown* raster;
} Sink;

static HRESULT SinkQueryInterface(IDispatch* self, const IID* iid, void** object) {
  const int known = memcmp(iid, &IID_IUnknown, sizeof(IID)) == 0 ||
                    memcmp(iid, &IID_IDispatch, sizeof(IID)) == 0 ||
                    memcmp(iid, &DIID___CRasterBgrd, sizeof(IID)) == 0;
  *object = known ? self : NULL;
  if (!known) return E_NOINTERFACE;
  ++((Sink*)self)->references;
  return S_OK;
}
static uint32_t SinkAddRef(IDispatch* self) {
  return ++((Sink*)self)->references;
}
static uint32_t SinkRelease(IDispatch* self) {
  return --((Sink*)self)->references; /* lives on the host's stack */
}
static HRESULT SinkInvoke(IDispatch* self, DISPID id, const IID* iid, LCID lcid, uint16_t flags,
                          DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, uint32_t* arg_error) {
  (void)iid, (void)lcid, (void)flags, (void)result, (void)exception, (void)arg_error;
  Sink* sink = (Sink*)self;
  if (id != 2) return S_OK;
  ++sink->ends;
  if (params->cArgs == 1) sink->saved = params->rgvarg[0].boolVal;
  IUnknown* last = sink->raster;
  sink->raster = NULL;
  if (last != NULL) last->lpVtbl->Release(last);
  return S_OK;
}
static const IDispatchVtbl kSinkVtable = {SinkQueryInterface, SinkAddRef, SinkRelease, NULL, NULL, NULL,
                                          SinkInvoke};

/* A 2 x 2 white 24-bit BMP. */
static void WritePlan(const char* path) {
  static const uint8_t bmp[70] = {'B',  'M',  70,  0,   0, 0, 0,   0,   0,   0,   54,   0,    0,   0,
                                  40,   0,    0,   0,   2, 0, 0,   0,   2,   0,   0,    0,    1,   0,
                                  24,   0,    0,   0,   0, 0, 16,  0,   0,   0,   0x13, 0x0B, 0,   0,
                                  0x13, 0x0B, 0,   0,   0, 0, 0,   0,   0,   0,   0,    0,    255, 255,
                                  255,  255,  255, 255, 0, 0, 255, 255, 255, 255, 255,  255,  0,   0};
  WriteFile(path, bmp, sizeof bmp);
}

/* A raster object's events reach an advised sink: ending an open alignment with Init is a cancel,
 * and the sink drops the host's only reference in TransEnd, while Init runs. */
static void CheckRasterEvents(const char* registry, const char* directory) {
  _CRasterBgrd* raster = CreateObject(registry, "Tessera.CRasterBgrd", &IID__CRasterBgrd);
  CHECK(raster != NULL);
  if (raster == NULL) return;
  IConnectionPointContainer* container = NULL;
  IConnectionPoint* point = NULL;
  Sink sink = {{&kSinkVtable}, 1, 0, VARIANT_TRUE, (IUnknown*)raster};
  uint32_t cookie = 0;
  CHECK(raster->lpVtbl->QueryInterface(raster, &IID_IConnectionPointContainer, (void**)&container) == S_OK);
  CHECK(container->lpVtbl->FindConnectionPoint(container, &DIID___CRasterBgrd, &point) == S_OK);
  CHECK(point->lpVtbl->Advise(point, (IUnknown*)&sink.dispatch, &cookie) == S_OK);
  point->lpVtbl->Release(point);
  container->lpVtbl->Release(container);

  char path[4096];
  snprintf(path, sizeof path, "%s/plan.bmp", directory);
  WritePlan(path);
  BSTR file = Text(path), raster_directory = Text(directory);
  VARIANT_BOOL loaded = VARIANT_FALSE;
  CHECK(raster->lpVtbl->LoadRasterFile(raster, file, 5, 20000, VARIANT_TRUE, &raster_directory, &loaded) ==
        S_OK);
  CHECK(loaded == VARIANT_TRUE);
  CHECK(raster->lpVtbl->SetTrans(raster, 100, -200, 2.5) == S_OK);
  CHECK(raster->lpVtbl->EditTrans(raster) == S_OK);
  CHECK(raster->lpVtbl->Init(raster) == S_OK);
  CHECK(sink.ends == 1 && sink.saved == VARIANT_FALSE);
  CHECK(sink.references == 1); /* the raster went at the end of Init, its sink with it */
  runtime.free(file);
  runtime.free(raster_directory);
}

/* By-reference arguments that hold the host's only reference to the object called: the call
 * replaces each with a new reference and releases the old one while the object is still at work. */
static void CheckCarelessArguments(const char* registry) {
  _GTool* tool = CreateObject(registry, "Tessera.GTool", &IID__GTool);
  BSTR text = Text("abcabc"), wanted = Text("b"), found = NULL;
  VARIANT position; /* no number: RInStr searches from the end and leaves it as it is */
  memset(&position, 0, sizeof position);
  position.vt = VT_DISPATCH;
  position.pdispVal = (IDispatch*)tool;
  CHECK(tool->lpVtbl->RInStr(tool, text, wanted, &position, &found) == S_OK && TextIs(found, "5"));
  CHECK(position.vt == VT_DISPATCH && position.pdispVal != NULL);
  runtime.clear(&position);
  runtime.free(found);

  _CFont* font = CreateObject(registry, "Tessera.CFont", &IID__CFont);
  IDispatch* dc = (IDispatch*)font;
  VARIANT_BOOL changed = VARIANT_FALSE;
  font->lpVtbl->ChangeFont(font, &dc, 12, 0, 0, 0, 0, 0, text, &changed);
  CHECK(dc != NULL); /* the font again, which the host now holds in place of its old reference */
  if (dc != NULL) dc->lpVtbl->Release(dc);
  runtime.free(text);
  runtime.free(wanted);
}

/* CDrawRect.m_Rect leaves as the rectangle itself: what is written through it is the drawing's. */
static void CheckCompanion(const char* registry) {
  _CDrawRect* box = CreateObject(registry, "Tessera.CDrawRect", &IID__CDrawRect);
  IDispatch* rect = NULL;
  CHECK(box->lpVtbl->get_m_Rect(box, &rect) == S_OK && rect != NULL);
  BSTR name = Text("Right");
  OLECHAR* names[] = {name};
  DISPID right = 0, named = DISPID_PROPERTYPUT;
  CHECK(rect->lpVtbl->GetIDsOfNames(rect, &IID_NULL, names, 1, 0, &right) == S_OK);
  VARIANT value;
  memset(&value, 0, sizeof value);
  value.vt = VT_I4;
  value.lVal = 110;
  DISPPARAMS put = {&value, &named, 1, 1};
  CHECK(rect->lpVtbl->Invoke(rect, right, &IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, NULL, NULL, NULL) ==
        S_OK);
  rect->lpVtbl->Release(rect);
  CHECK(box->lpVtbl->get_m_Rect(box, &rect) == S_OK && rect != NULL);
  VARIANT read;
  memset(&read, 0, sizeof read);
  CHECK(InvokeByName(rect, "Right", NULL, 0, &read) == S_OK && read.vt == VT_I4 && read.lVal == 110);
  /* Nothing is read of a DISPID far from every member, nor of a name that is not there. */
  DISPPARAMS none = {NULL, NULL, 0, 0};
  CHECK(rect->lpVtbl->Invoke(rect, (DISPID)0x80000000, &IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL,
                             NULL) == DISP_E_MEMBERNOTFOUND);
  names[0] = NULL;
  CHECK(rect->lpVtbl->GetIDsOfNames(rect, &IID_NULL, names, 1, 0, &right) == DISP_E_UNKNOWNNAME);
  runtime.free(name);
  rect->lpVtbl->Release(rect);
  box->lpVtbl->Release(box);
}

/* Threads with a text file each write and read it back; an object is its thread's alone. */
typedef struct TextJob {
  const char* registry;
  char path[4096];
  int failed;
  _CTextFile* foreign; /* another thread's object */
} TextJob;

static void* WriteAndRead(void* argument) {
  TextJob* job = argument;
  _CTextFile* file = CreateObject(job->registry, "Tessera.CTextFile", &IID__CTextFile);
  BSTR path = Text(job->path);
  VARIANT_BOOL done = VARIANT_FALSE;
  int16_t number = 0;
  job->failed |= job->foreign->lpVtbl->get_FileNr(job->foreign, &number) != RPC_E_WRONG_THREAD;
  file->lpVtbl->put_FilePath(file, path);
  for (int round = 0; round < 200; ++round) {
    BSTR line = Text(job->path), back = NULL;
    job->failed |= file->lpVtbl->OpenFile(file, 1, &done) != S_OK || done != VARIANT_TRUE;
    job->failed |= file->lpVtbl->WriteLine(file, &line, &done) != S_OK || done != VARIANT_TRUE;
    file->lpVtbl->CloseFile(file);
    job->failed |= file->lpVtbl->OpenFile(file, 0, &done) != S_OK || done != VARIANT_TRUE;
    job->failed |= file->lpVtbl->ReadLine(file, &back, &done) != S_OK || !TextIs(back, job->path);
    file->lpVtbl->CloseFile(file);
    runtime.free(line);
    runtime.free(back);
  }
  runtime.free(path);
  file->lpVtbl->Release(file);
  return NULL;
}

static void CheckThreads(const char* registry, const char* directory) {
  enum { kThreads = 4 };
  _CTextFile* mine = CreateObject(registry, "Tessera.CTextFile", &IID__CTextFile);
  TextJob jobs[kThreads];
  pthread_t threads[kThreads];
  for (int i = 0; i < kThreads; ++i) {
    jobs[i].registry = registry;
    snprintf(jobs[i].path, sizeof jobs[i].path, "%s/thread%d.txt", directory, i);
    jobs[i].failed = 0;
    jobs[i].foreign = mine;
    CHECK(pthread_create(&threads[i], NULL, WriteAndRead, &jobs[i]) == 0);
  }
  for (int i = 0; i < kThreads; ++i) {
    pthread_join(threads[i], NULL);
    CHECK(!jobs[i].failed);
  }
  mine->lpVtbl->Release(mine);
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: c_host LIBRARY SCRATCH_DIRECTORY\n");
    return 2;
  }
  char registry[4096];
  snprintf(registry, sizeof registry, "%s/registry.ini", argv[2]);
  remove(registry);
  setenv("TESSERA_REGISTRY", registry, 1);

  /* Registering, as an installer does. */
  void* library = dlopen(argv[1], RTLD_NOW);
  if (library == NULL) {
    fprintf(stderr, "c_host: %s\n", dlerror());
    return 2;
  }
  TakeRuntime(library);
  HRESULT (*register_server)(void);
  *(void**)&register_server = Symbol(library, "DllRegisterServer");
  CHECK(register_server() == S_OK);

  _GTool* tool = CreateObject(registry, "Tessera.GTool", &IID__GTool);
  CHECK(tool != NULL);
  if (tool != NULL) {
    CheckParaGib(tool);
    CheckTypeInfo(tool);
    CheckErrorInfo(tool);
    CheckIniSection(tool, argv[2]);
    tool->lpVtbl->Release(tool);
  }
  CheckRasterEvents(registry, argv[2]);
  CheckCarelessArguments(registry);
  CheckCompanion(registry);
  CheckThreads(registry, argv[2]);
  CHECK(runtime.can_unload() == S_OK);
  dlclose(library);
  if (failures == 0) printf("c_host: every check holds\n");
  return failures == 0 ? 0 : 1;
}
