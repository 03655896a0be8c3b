/* The component ABI: the binary shapes through which a host reaches the library's objects without
 * its C++ headers, laid out as the component object model lays them out.
 *
 * An interface pointer points at a structure whose first member is its table of functions; the
 * first three are QueryInterface, AddRef and Release. Strings are length-counted UTF-16 (BSTR: a
 * 32-bit byte count in front of the characters, a NUL after them), Booleans are -1 and 0, and an
 * optional argument that was left out is VT_ERROR with DISP_E_PARAMNOTFOUND. Plain C, so that a
 * host in any language with a C foreign-function interface can use it.
 *
 * Threads: the objects live on the host's user-interface thread. Each object belongs to the thread
 * that made it; a call through any function past IUnknown's three from another thread answers
 * RPC_E_WRONG_THREAD and touches nothing. AddRef, Release and QueryInterface may be called from
 * any thread, and the tables objects share are safe under threads, so that objects made and called
 * on different threads work side by side. An object stays alive for the whole of any call into it,
 * whatever the host releases meanwhile. */
#ifndef TESSERA_FRAME_COMPONENT_COM_ABI_H
#define TESSERA_FRAME_COMPONENT_COM_ABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t HRESULT;
typedef int32_t SCODE;
typedef int32_t DISPID;
typedef uint32_t LCID;
typedef uint16_t VARTYPE;
typedef int16_t VARIANT_BOOL;
#ifdef __cplusplus
typedef char16_t OLECHAR;
#else
typedef uint16_t OLECHAR;
#endif
typedef OLECHAR* BSTR;
typedef double DATE; /* days since 30 December 1899, the time as the fraction */

#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_NOTIMPL ((HRESULT)0x80004001)
#define E_NOINTERFACE ((HRESULT)0x80004002)
#define E_POINTER ((HRESULT)0x80004003)
#define E_FAIL ((HRESULT)0x80004005)
#define E_UNEXPECTED ((HRESULT)0x8000FFFF)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)
#define E_INVALIDARG ((HRESULT)0x80070057)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110)
#define CLASS_E_CLASSNOTAVAILABLE ((HRESULT)0x80040111)
#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154)
#define SELFREG_E_TYPELIB ((HRESULT)0x80040200)
#define SELFREG_E_CLASS ((HRESULT)0x80040201)
#define CONNECT_E_NOCONNECTION ((HRESULT)0x80040200)
#define CONNECT_E_CANNOTCONNECT ((HRESULT)0x80040202)
#define DISP_E_UNKNOWNINTERFACE ((HRESULT)0x80020001)
#define DISP_E_MEMBERNOTFOUND ((HRESULT)0x80020003)
#define DISP_E_PARAMNOTFOUND ((HRESULT)0x80020004)
#define DISP_E_UNKNOWNNAME ((HRESULT)0x80020006)
#define DISP_E_NONAMEDARGS ((HRESULT)0x80020007)
#define DISP_E_BADVARTYPE ((HRESULT)0x80020008)
#define DISP_E_EXCEPTION ((HRESULT)0x80020009)
#define DISP_E_BADINDEX ((HRESULT)0x8002000B)
#define DISP_E_BADPARAMCOUNT ((HRESULT)0x8002000E)
#define RPC_E_WRONG_THREAD ((HRESULT)0x8001010E)
#define TYPE_E_LIBNOTREGISTERED ((HRESULT)0x8002801D)
#define TYPE_E_ELEMENTNOTFOUND ((HRESULT)0x8002802B)
/* A run-time error n of the library arrives in EXCEPINFO.scode as this facility with code n. */
#define TESSERA_RUNTIME_ERROR_SCODE(n) ((SCODE)(0x800A0000u | ((uint32_t)(n)&0xFFFFu)))

#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

enum {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_UI1 = 17,
  VT_VOID = 24,
  VT_HRESULT = 25,
  VT_PTR = 26,
  VT_USERDEFINED = 29,
  VT_BYREF = 0x4000
};

enum { DISPATCH_METHOD = 1, DISPATCH_PROPERTYGET = 2, DISPATCH_PROPERTYPUT = 4, DISPATCH_PROPERTYPUTREF = 8 };

#define DISPID_UNKNOWN ((DISPID)-1)
#define DISPID_PROPERTYPUT ((DISPID)-3)
#define DISPID_VALUE ((DISPID)0)
#define DISPID_NEWENUM ((DISPID)-4)

typedef struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} GUID;
typedef GUID IID;
typedef GUID CLSID;

typedef struct IUnknown IUnknown;
typedef struct IDispatch IDispatch;
typedef struct IClassFactory IClassFactory;
typedef struct IConnectionPointContainer IConnectionPointContainer;
typedef struct IConnectionPoint IConnectionPoint;
typedef struct IEnumVARIANT IEnumVARIANT;
typedef struct ITypeInfo ITypeInfo;
typedef struct ITypeLib ITypeLib;

typedef struct VARIANT {
  VARTYPE vt;
  uint16_t wReserved1;
  uint16_t wReserved2;
  uint16_t wReserved3;
  union {
    uint8_t bVal;
    int16_t iVal;
    int32_t lVal;
    float fltVal;
    double dblVal;
    double date;
    VARIANT_BOOL boolVal;
    SCODE scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    uint8_t* pbVal;
    int16_t* piVal;
    int32_t* plVal;
    float* pfltVal;
    double* pdblVal;
    double* pdate;
    VARIANT_BOOL* pboolVal;
    BSTR* pbstrVal;
    IDispatch** ppdispVal;
    struct VARIANT* pvarVal;
    void* byref;
    void* record[2]; /* keeps the size of the platform's VARIANT */
  };
} VARIANT;
typedef VARIANT VARIANTARG;

typedef struct DISPPARAMS {
  VARIANTARG* rgvarg; /* the arguments, last one first */
  DISPID* rgdispidNamedArgs;
  uint32_t cArgs;
  uint32_t cNamedArgs;
} DISPPARAMS;

typedef struct EXCEPINFO {
  uint16_t wCode;
  uint16_t wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  uint32_t dwHelpContext;
  void* pvReserved;
  HRESULT (*pfnDeferredFillIn)(struct EXCEPINFO*);
  SCODE scode;
} EXCEPINFO;

typedef struct IUnknownVtbl {
  HRESULT (*QueryInterface)(IUnknown* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IUnknown* self);
  uint32_t (*Release)(IUnknown* self);
} IUnknownVtbl;
struct IUnknown {
  const IUnknownVtbl* lpVtbl;
};

typedef struct IDispatchVtbl {
  HRESULT (*QueryInterface)(IDispatch* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IDispatch* self);
  uint32_t (*Release)(IDispatch* self);
  HRESULT (*GetTypeInfoCount)(IDispatch* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(IDispatch* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT(*GetIDsOfNames)
  (IDispatch* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT(*Invoke)
  (IDispatch* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params,
   VARIANT* result, EXCEPINFO* exception, uint32_t* arg_error);
} IDispatchVtbl;
struct IDispatch {
  const IDispatchVtbl* lpVtbl;
};

typedef struct IClassFactoryVtbl {
  HRESULT (*QueryInterface)(IClassFactory* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IClassFactory* self);
  uint32_t (*Release)(IClassFactory* self);
  HRESULT (*CreateInstance)(IClassFactory* self, IUnknown* outer, const IID* riid, void** object);
  HRESULT (*LockServer)(IClassFactory* self, int32_t lock);
} IClassFactoryVtbl;
struct IClassFactory {
  const IClassFactoryVtbl* lpVtbl;
};

/* How a host receives an object's events: it asks the object's container for the connection
 * point of the events interface and advises it of its sink, a dispatch interface whose Invoke
 * receives each event under its position in the events interface, counted from 1. The
 * enumerations are not offered (E_NOTIMPL). */
typedef struct IConnectionPointContainerVtbl {
  HRESULT (*QueryInterface)(IConnectionPointContainer* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IConnectionPointContainer* self);
  uint32_t (*Release)(IConnectionPointContainer* self);
  HRESULT (*EnumConnectionPoints)(IConnectionPointContainer* self, void** points);
  HRESULT (*FindConnectionPoint)(IConnectionPointContainer* self, const IID* riid, IConnectionPoint** point);
} IConnectionPointContainerVtbl;

struct IConnectionPointContainer {
  const IConnectionPointContainerVtbl* lpVtbl;
};

typedef struct IConnectionPointVtbl {
  HRESULT (*QueryInterface)(IConnectionPoint* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IConnectionPoint* self);
  uint32_t (*Release)(IConnectionPoint* self);
  HRESULT (*GetConnectionInterface)(IConnectionPoint* self, IID* iid);
  HRESULT (*GetConnectionPointContainer)(IConnectionPoint* self, IConnectionPointContainer** container);
  HRESULT (*Advise)(IConnectionPoint* self, IUnknown* sink, uint32_t* cookie);
  HRESULT (*Unadvise)(IConnectionPoint* self, uint32_t cookie);
  HRESULT (*EnumConnections)(IConnectionPoint* self, void** connections);
} IConnectionPointVtbl;

struct IConnectionPoint {
  const IConnectionPointVtbl* lpVtbl;
};

/* How a host walks a collection: its _NewEnum (DISPID_NEWENUM) answers this enumerator as
 * VT_UNKNOWN. Next copies up to `count` items into `items` (each to be cleared by the host) and
 * answers S_FALSE when fewer were left. */
typedef struct IEnumVARIANTVtbl {
  HRESULT (*QueryInterface)(IEnumVARIANT* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IEnumVARIANT* self);
  uint32_t (*Release)(IEnumVARIANT* self);
  HRESULT (*Next)(IEnumVARIANT* self, uint32_t count, VARIANT* items, uint32_t* fetched);
  HRESULT (*Skip)(IEnumVARIANT* self, uint32_t count);
  HRESULT (*Reset)(IEnumVARIANT* self);
  HRESULT (*Clone)(IEnumVARIANT* self, IEnumVARIANT** copy);
} IEnumVARIANTVtbl;
struct IEnumVARIANT {
  const IEnumVARIANTVtbl* lpVtbl;
};
/* What a failed call through a dual interface's vtable left for the host: GetErrorInfo answers
 * it once (S_FALSE when there is none), and each call through a vtable entry replaces it. */
typedef struct IErrorInfo IErrorInfo;
typedef struct IErrorInfoVtbl {
  HRESULT (*QueryInterface)(IErrorInfo* self, const IID* riid, void** object);
  uint32_t (*AddRef)(IErrorInfo* self);
  uint32_t (*Release)(IErrorInfo* self);
  HRESULT (*GetGUID)(IErrorInfo* self, GUID* interface_id);
  HRESULT (*GetSource)(IErrorInfo* self, BSTR* source);
  HRESULT (*GetDescription)(IErrorInfo* self, BSTR* description);
  HRESULT (*GetHelpFile)(IErrorInfo* self, BSTR* help_file);
  HRESULT (*GetHelpContext)(IErrorInfo* self, uint32_t* help_context);
} IErrorInfoVtbl;
struct IErrorInfo {
  const IErrorInfoVtbl* lpVtbl;
};

/* An object answers it to say that calls through its default interface leave error information
 * (S_OK for that interface's identity, S_FALSE for any other). */
typedef struct ISupportErrorInfo ISupportErrorInfo;
typedef struct ISupportErrorInfoVtbl {
  HRESULT (*QueryInterface)(ISupportErrorInfo* self, const IID* riid, void** object);
  uint32_t (*AddRef)(ISupportErrorInfo* self);
  uint32_t (*Release)(ISupportErrorInfo* self);
  HRESULT (*InterfaceSupportsErrorInfo)(ISupportErrorInfo* self, const IID* riid);
} ISupportErrorInfoVtbl;
struct ISupportErrorInfo {
  const ISupportErrorInfoVtbl* lpVtbl;
};

/* Type information: what a late-binding host reads to list a class's members and their parameter
 * types. Each class's default interface is described as a dual dispatch interface (TKIND_DISPATCH,
 * one FUNC_DISPATCH function per property read, property write and method, with the member's own
 * result in elemdescFunc); the library's type library holds these interfaces in catalogue order.
 * GetRefTypeOfImplType(-1) and GetRefTypeInfo lead to its interface view (TKIND_INTERFACE,
 * FUNC_PUREVIRTUAL functions answering HRESULT, the result as a last out, retval pointer), which
 * describes the vtable. What a Get... call allocates, the matching Release... call frees. Type
 * compilation, variables, IDispatch's own type information and the module entries are not
 * offered. */
typedef int32_t MEMBERID;
typedef uint32_t HREFTYPE;
typedef int32_t BOOL;
#define MEMBERID_NIL DISPID_UNKNOWN

typedef enum TYPEKIND {
  TKIND_ENUM,
  TKIND_RECORD,
  TKIND_MODULE,
  TKIND_INTERFACE,
  TKIND_DISPATCH,
  TKIND_COCLASS,
  TKIND_ALIAS,
  TKIND_UNION,
  TKIND_MAX
} TYPEKIND;

typedef enum FUNCKIND {
  FUNC_VIRTUAL,
  FUNC_PUREVIRTUAL,
  FUNC_NONVIRTUAL,
  FUNC_STATIC,
  FUNC_DISPATCH
} FUNCKIND;

typedef enum INVOKEKIND {
  INVOKE_FUNC = 1,
  INVOKE_PROPERTYGET = 2,
  INVOKE_PROPERTYPUT = 4,
  INVOKE_PROPERTYPUTREF = 8
} INVOKEKIND;

typedef enum CALLCONV {
  CC_FASTCALL = 0,
  CC_CDECL = 1,
  CC_MSCPASCAL = 2,
  CC_PASCAL = CC_MSCPASCAL,
  CC_MACPASCAL = 3,
  CC_STDCALL = 4,
  CC_FPFASTCALL = 5,
  CC_SYSCALL = 6,
  CC_MPWCDECL = 7,
  CC_MPWPASCAL = 8,
  CC_MAX = 9
} CALLCONV;

typedef enum SYSKIND { SYS_WIN16, SYS_WIN32, SYS_MAC, SYS_WIN64 } SYSKIND;

enum {
  PARAMFLAG_NONE = 0,
  PARAMFLAG_FIN = 0x1,
  PARAMFLAG_FOUT = 0x2,
  PARAMFLAG_FLCID = 0x4,
  PARAMFLAG_FRETVAL = 0x8,
  PARAMFLAG_FOPT = 0x10,
  PARAMFLAG_FHASDEFAULT = 0x20,
  PARAMFLAG_FHASCUSTDATA = 0x40
};

enum {
  TYPEFLAG_FAPPOBJECT = 0x1,
  TYPEFLAG_FCANCREATE = 0x2,
  TYPEFLAG_FLICENSED = 0x4,
  TYPEFLAG_FPREDECLID = 0x8,
  TYPEFLAG_FHIDDEN = 0x10,
  TYPEFLAG_FCONTROL = 0x20,
  TYPEFLAG_FDUAL = 0x40,
  TYPEFLAG_FNONEXTENSIBLE = 0x80,
  TYPEFLAG_FOLEAUTOMATION = 0x100,
  TYPEFLAG_FRESTRICTED = 0x200,
  TYPEFLAG_FAGGREGATABLE = 0x400,
  TYPEFLAG_FREPLACEABLE = 0x800,
  TYPEFLAG_FDISPATCHABLE = 0x1000,
  TYPEFLAG_FREVERSEBIND = 0x2000,
  TYPEFLAG_FPROXY = 0x4000
};

typedef struct ITypeComp ITypeComp; /* not offered */
typedef struct VARDESC VARDESC;     /* not offered: the interfaces have no variables */
typedef struct ARRAYDESC ARRAYDESC; /* not used: no parameter is an array */

/* A type: vt, and for VT_PTR the pointed-to type in lptdesc. */
typedef struct TYPEDESC {
  union {
    struct TYPEDESC* lptdesc;
    ARRAYDESC* lpadesc;
    HREFTYPE hreftype;
  };
  VARTYPE vt;
} TYPEDESC;

typedef struct IDLDESC {
  uintptr_t dwReserved;
  uint16_t wIDLFlags;
} IDLDESC;

typedef struct PARAMDESCEX {
  uint32_t cBytes;
  VARIANTARG varDefaultValue;
} PARAMDESCEX;

typedef struct PARAMDESC {
  PARAMDESCEX* pparamdescex;
  uint16_t wParamFlags; /* PARAMFLAG_* */
} PARAMDESC;

typedef struct ELEMDESC {
  TYPEDESC tdesc;
  union {
    IDLDESC idldesc;
    PARAMDESC paramdesc;
  };
} ELEMDESC;

typedef struct FUNCDESC {
  MEMBERID memid;
  SCODE* lprgscode;
  ELEMDESC* lprgelemdescParam;
  FUNCKIND funckind;
  INVOKEKIND invkind;
  CALLCONV callconv;
  int16_t cParams;
  int16_t cParamsOpt;
  int16_t oVft; /* byte offset of the function in the dual interface's vtable */
  int16_t cScodes;
  ELEMDESC elemdescFunc; /* the result; VT_VOID for none */
  uint16_t wFuncFlags;
} FUNCDESC;

typedef struct TYPEATTR {
  GUID guid;
  LCID lcid;
  uint32_t dwReserved;
  MEMBERID memidConstructor;
  MEMBERID memidDestructor;
  OLECHAR* lpstrSchema;
  uint32_t cbSizeInstance;
  TYPEKIND typekind;
  uint16_t cFuncs;
  uint16_t cVars;
  uint16_t cImplTypes;
  uint16_t cbSizeVft;
  uint16_t cbAlignment;
  uint16_t wTypeFlags; /* TYPEFLAG_* */
  uint16_t wMajorVerNum;
  uint16_t wMinorVerNum;
  TYPEDESC tdescAlias;
  IDLDESC idldescType;
} TYPEATTR;

typedef struct TLIBATTR {
  GUID guid;
  LCID lcid;
  SYSKIND syskind;
  uint16_t wMajorVerNum;
  uint16_t wMinorVerNum;
  uint16_t wLibFlags;
} TLIBATTR;

typedef struct ITypeInfoVtbl {
  HRESULT (*QueryInterface)(ITypeInfo* self, const IID* riid, void** object);
  uint32_t (*AddRef)(ITypeInfo* self);
  uint32_t (*Release)(ITypeInfo* self);
  HRESULT (*GetTypeAttr)(ITypeInfo* self, TYPEATTR** attributes);
  HRESULT (*GetTypeComp)(ITypeInfo* self, ITypeComp** compiler);
  HRESULT (*GetFuncDesc)(ITypeInfo* self, uint32_t index, FUNCDESC** function);
  HRESULT (*GetVarDesc)(ITypeInfo* self, uint32_t index, VARDESC** variable);
  HRESULT(*GetNames)
  (ITypeInfo* self, MEMBERID id, BSTR* names, uint32_t max_names, uint32_t* count);
  HRESULT (*GetRefTypeOfImplType)(ITypeInfo* self, uint32_t index, HREFTYPE* type);
  HRESULT (*GetImplTypeFlags)(ITypeInfo* self, uint32_t index, int32_t* flags);
  HRESULT (*GetIDsOfNames)(ITypeInfo* self, OLECHAR** names, uint32_t count, MEMBERID* ids);
  HRESULT(*Invoke)
  (ITypeInfo* self, void* instance, MEMBERID id, uint16_t flags, DISPPARAMS* params, VARIANT* result,
   EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT(*GetDocumentation)
  (ITypeInfo* self, MEMBERID id, BSTR* name, BSTR* doc, uint32_t* help_context, BSTR* help_file);
  HRESULT(*GetDllEntry)
  (ITypeInfo* self, MEMBERID id, INVOKEKIND kind, BSTR* dll, BSTR* name, uint16_t* ordinal);
  HRESULT (*GetRefTypeInfo)(ITypeInfo* self, HREFTYPE type, ITypeInfo** info);
  HRESULT (*AddressOfMember)(ITypeInfo* self, MEMBERID id, INVOKEKIND kind, void** address);
  HRESULT (*CreateInstance)(ITypeInfo* self, IUnknown* outer, const IID* riid, void** object);
  HRESULT (*GetMops)(ITypeInfo* self, MEMBERID id, BSTR* mops);
  HRESULT (*GetContainingTypeLib)(ITypeInfo* self, ITypeLib** library, uint32_t* index);
  void (*ReleaseTypeAttr)(ITypeInfo* self, TYPEATTR* attributes);
  void (*ReleaseFuncDesc)(ITypeInfo* self, FUNCDESC* function);
  void (*ReleaseVarDesc)(ITypeInfo* self, VARDESC* variable);
} ITypeInfoVtbl;
struct ITypeInfo {
  const ITypeInfoVtbl* lpVtbl;
};

/* GetDocumentation(-1) describes the library itself. The hash arguments of IsName and FindName are
 * not used. */
typedef struct ITypeLibVtbl {
  HRESULT (*QueryInterface)(ITypeLib* self, const IID* riid, void** object);
  uint32_t (*AddRef)(ITypeLib* self);
  uint32_t (*Release)(ITypeLib* self);
  uint32_t (*GetTypeInfoCount)(ITypeLib* self);
  HRESULT (*GetTypeInfo)(ITypeLib* self, uint32_t index, ITypeInfo** info);
  HRESULT (*GetTypeInfoType)(ITypeLib* self, uint32_t index, TYPEKIND* kind);
  HRESULT (*GetTypeInfoOfGuid)(ITypeLib* self, const GUID* guid, ITypeInfo** info);
  HRESULT (*GetLibAttr)(ITypeLib* self, TLIBATTR** attributes);
  HRESULT (*GetTypeComp)(ITypeLib* self, ITypeComp** compiler);
  HRESULT(*GetDocumentation)
  (ITypeLib* self, int32_t index, BSTR* name, BSTR* doc, uint32_t* help_context, BSTR* help_file);
  HRESULT (*IsName)(ITypeLib* self, OLECHAR* name, uint32_t hash, BOOL* found);
  HRESULT(*FindName)
  (ITypeLib* self, OLECHAR* name, uint32_t hash, ITypeInfo** infos, MEMBERID* ids, uint16_t* found);
  void (*ReleaseTLibAttr)(ITypeLib* self, TLIBATTR* attributes);
} ITypeLibVtbl;
struct ITypeLib {
  const ITypeLibVtbl* lpVtbl;
};

/* The well-known identities. */
static const IID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
static const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_ITypeInfo = {0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_ITypeLib = {0x00020402, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_IEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
static const IID IID_IErrorInfo = {
    0x1CF2B120, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
static const IID IID_ISupportErrorInfo = {
    0xDF0B3D60, 0x548F, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
static const IID IID_IConnectionPointContainer = {
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
static const IID IID_IConnectionPoint = {
    0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

/* libtessera.so exports these to a C host, and nothing else of this header. */
#if defined(__GNUC__)
#define TESSERA_ABI __attribute__((visibility("default")))
#else
#define TESSERA_ABI
#endif

/* Strings and variants, as the platform's automation runtime offers them. */
TESSERA_ABI BSTR SysAllocStringLen(const OLECHAR* text, uint32_t length);
TESSERA_ABI void SysFreeString(BSTR text);
TESSERA_ABI uint32_t SysStringLen(BSTR text);
TESSERA_ABI void VariantInit(VARIANT* value);
TESSERA_ABI HRESULT VariantClear(VARIANT* value);
TESSERA_ABI HRESULT GetErrorInfo(uint32_t reserved, IErrorInfo** info);
/* The library's type library when `library` is its identity and major.minor a version it has (the
 * same major version, a minor one up to its own); TYPE_E_LIBNOTREGISTERED otherwise. */
TESSERA_ABI HRESULT LoadRegTypeLib(const GUID* library, uint16_t major, uint16_t minor, LCID lcid,
                                   ITypeLib** out);

/* The library's entry points. */
TESSERA_ABI HRESULT DllRegisterServer(void);
TESSERA_ABI HRESULT DllUnregisterServer(void);
TESSERA_ABI HRESULT DllGetClassObject(const CLSID* clsid, const IID* riid, void** object);
TESSERA_ABI HRESULT DllCanUnloadNow(void);

#ifdef __cplusplus
}
#endif

#endif
