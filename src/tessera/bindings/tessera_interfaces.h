/* The library's classes as a C host sees them: each class's identity, its default interface's
 * identity and vtable (IDispatch's seven slots, then the members; each returns an HRESULT and
 * stores its result through the last parameter), and its events interface's identity.
 * Written by `tessera header` from the classes' dispatch tables; not to be edited by hand. */
#ifndef TESSERA_INTERFACES_H
#define TESSERA_INTERFACES_H

/* clang-format off */
#include "tessera/frame/component/com_abi.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Tessera.CDrawRect (creatable) */
static const CLSID CLSID_CDrawRect = {0x7DC35525, 0x9A64, 0x44FA, {0x8E, 0xB4, 0x4C, 0xC1, 0xE1, 0x9D, 0x25, 0x8F}};
static const IID IID__CDrawRect = {0x4791C502, 0xED8A, 0x4F97, {0x87, 0xF5, 0xDC, 0xCF, 0xB5, 0x0D, 0x5A, 0xAF}};
typedef struct _CDrawRect _CDrawRect;
typedef struct _CDrawRectVtbl {
  HRESULT (*QueryInterface)(_CDrawRect* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CDrawRect* self);
  uint32_t (*Release)(_CDrawRect* self);
  HRESULT (*GetTypeInfoCount)(_CDrawRect* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CDrawRect* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CDrawRect* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CDrawRect* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_m_Rect)(_CDrawRect* self, IDispatch** result);
  HRESULT (*put_m_Rect)(_CDrawRect* self, IDispatch* rect);
  HRESULT (*Init)(_CDrawRect* self);
  HRESULT (*CopyFrom)(_CDrawRect* self, IDispatch* o);
  HRESULT (*Draw)(_CDrawRect* self, IDispatch* pb);
} _CDrawRectVtbl;
struct _CDrawRect {
  const _CDrawRectVtbl* lpVtbl;
};

/* Tessera.CFont (creatable) */
static const CLSID CLSID_CFont = {0x9A47969B, 0x4B05, 0x4ACD, {0x8E, 0xD0, 0xA8, 0x4C, 0x6E, 0x43, 0x10, 0xAE}};
static const IID IID__CFont = {0x961022DE, 0x4117, 0x4C81, {0x9B, 0xAC, 0xC5, 0xC9, 0x8A, 0x6B, 0x22, 0x5E}};
typedef struct _CFont _CFont;
typedef struct _CFontVtbl {
  HRESULT (*QueryInterface)(_CFont* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CFont* self);
  uint32_t (*Release)(_CFont* self);
  HRESULT (*GetTypeInfoCount)(_CFont* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CFont* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CFont* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CFont* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*ChangeFont)(_CFont* self, IDispatch** DC, int32_t lDcHeight, int32_t lEscapement, VARIANT_BOOL bBold, VARIANT_BOOL bItalic, VARIANT_BOOL bUnderline, VARIANT_BOOL bStrikeOut, BSTR stFontName, VARIANT_BOOL* result);
  HRESULT (*ChangeFontByHDC)(_CFont* self, BSTR stType, int32_t hDC, int32_t lDcHeight, int32_t lEscapement, VARIANT_BOOL bBold, VARIANT_BOOL bItalic, VARIANT_BOOL bUnderline, VARIANT_BOOL bStrikeOut, BSTR stFontName, VARIANT_BOOL* result);
  HRESULT (*Reset)(_CFont* self);
} _CFontVtbl;
struct _CFont {
  const _CFontVtbl* lpVtbl;
};

/* Tessera.CTextFile (creatable) */
static const CLSID CLSID_CTextFile = {0xA934EB1D, 0x410F, 0x4C1D, {0xB7, 0x88, 0xF0, 0xF3, 0xAA, 0x42, 0x6A, 0x14}};
static const IID IID__CTextFile = {0x2B2C4CE1, 0x7F8F, 0x406D, {0x84, 0xEF, 0xB3, 0x97, 0xBA, 0xEB, 0x1E, 0x17}};
typedef struct _CTextFile _CTextFile;
typedef struct _CTextFileVtbl {
  HRESULT (*QueryInterface)(_CTextFile* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CTextFile* self);
  uint32_t (*Release)(_CTextFile* self);
  HRESULT (*GetTypeInfoCount)(_CTextFile* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CTextFile* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CTextFile* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CTextFile* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_FilePath)(_CTextFile* self, BSTR* result);
  HRESULT (*put_FilePath)(_CTextFile* self, BSTR stPath);
  HRESULT (*get_FileNr)(_CTextFile* self, int16_t* result);
  HRESULT (*get_IsOpen)(_CTextFile* self, VARIANT_BOOL* result);
  HRESULT (*CloseFile)(_CTextFile* self);
  HRESULT (*OpenFile)(_CTextFile* self, int32_t eOpenMode, VARIANT_BOOL* result);
  HRESULT (*ReadLine)(_CTextFile* self, BSTR* stLine, VARIANT_BOOL* result);
  HRESULT (*ReadBlock)(_CTextFile* self, int32_t lPos, int16_t iAnz, BSTR* stBlock, VARIANT_BOOL* result);
  HRESULT (*ReadLineA)(_CTextFile* self, BSTR* stLine, VARIANT_BOOL* result);
  HRESULT (*WriteLine)(_CTextFile* self, BSTR* stLine, VARIANT_BOOL* result);
  HRESULT (*WriteBlock)(_CTextFile* self, int32_t lPos, BSTR* stBlock, VARIANT_BOOL* result);
  HRESULT (*FileLen)(_CTextFile* self, int32_t* result);
  HRESULT (*EndOfFile)(_CTextFile* self, VARIANT_BOOL* result);
  HRESULT (*IsUnixFile)(_CTextFile* self, VARIANT_BOOL* result);
  HRESULT (*Unix2Dos)(_CTextFile* self, VARIANT_BOOL* result);
} _CTextFileVtbl;
struct _CTextFile {
  const _CTextFileVtbl* lpVtbl;
};

/* Tessera.CDrawLine (creatable) */
static const CLSID CLSID_CDrawLine = {0x9CF490EB, 0xC773, 0x408C, {0x93, 0xAB, 0xA1, 0xD4, 0x8D, 0x9D, 0xFA, 0xD1}};
static const IID IID__CDrawLine = {0x47D10843, 0xA4C9, 0x46D8, {0x94, 0xC2, 0x92, 0xBB, 0x06, 0xBE, 0xB2, 0x58}};
typedef struct _CDrawLine _CDrawLine;
typedef struct _CDrawLineVtbl {
  HRESULT (*QueryInterface)(_CDrawLine* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CDrawLine* self);
  uint32_t (*Release)(_CDrawLine* self);
  HRESULT (*GetTypeInfoCount)(_CDrawLine* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CDrawLine* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CDrawLine* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CDrawLine* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_m_P0)(_CDrawLine* self, IDispatch** result);
  HRESULT (*put_m_P0)(_CDrawLine* self, IDispatch* point);
  HRESULT (*get_m_P1)(_CDrawLine* self, IDispatch** result);
  HRESULT (*put_m_P1)(_CDrawLine* self, IDispatch* point);
  HRESULT (*get_m_bDraw)(_CDrawLine* self, VARIANT_BOOL* result);
  HRESULT (*put_m_bDraw)(_CDrawLine* self, VARIANT_BOOL draw);
  HRESULT (*Init)(_CDrawLine* self);
  HRESULT (*CopyFrom)(_CDrawLine* self, IDispatch* o);
  HRESULT (*Draw)(_CDrawLine* self, IDispatch* pb, IDispatch* Trans);
} _CDrawLineVtbl;
struct _CDrawLine {
  const _CDrawLineVtbl* lpVtbl;
};

/* Tessera.GTool (global) */
static const CLSID CLSID_GTool = {0x48EAA08A, 0x0781, 0x4C11, {0xBF, 0xD0, 0x25, 0x3E, 0x0B, 0x6B, 0xBB, 0x4C}};
static const IID IID__GTool = {0xF309D3C7, 0x1A1C, 0x4317, {0xA6, 0x8D, 0xC2, 0x2A, 0x96, 0xBE, 0x03, 0x28}};
typedef struct _GTool _GTool;
typedef struct _GToolVtbl {
  HRESULT (*QueryInterface)(_GTool* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_GTool* self);
  uint32_t (*Release)(_GTool* self);
  HRESULT (*GetTypeInfoCount)(_GTool* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_GTool* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_GTool* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_GTool* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_RasterSubDir)(_GTool* self, BSTR* result);
  HRESULT (*get_RasterIniFileExt)(_GTool* self, BSTR* result);
  HRESULT (*ParaAnz)(_GTool* self, BSTR TxT, BSTR trz, int16_t* result);
  HRESULT (*ParaGib)(_GTool* self, BSTR TxT, BSTR trz, int16_t nr, BSTR* result);
  HRESULT (*RInStr)(_GTool* self, BSTR stZeichenk, BSTR stSuche, VARIANT* vPos, BSTR* result);
  HRESULT (*SortString)(_GTool* self, BSTR stZeichenk, BSTR* result);
  HRESULT (*DateiName)(_GTool* self, BSTR stVollstaendig, BSTR* result);
  HRESULT (*Pfad)(_GTool* self, BSTR stVollstaendig, BSTR* result);
  HRESULT (*Kennung)(_GTool* self, BSTR stDateiName, BSTR* result);
  HRESULT (*NameOhneKennung)(_GTool* self, BSTR stDateiName, BSTR* result);
  HRESULT (*GetIniString)(_GTool* self, BSTR stIniPath, BSTR stTopic, BSTR stItem, BSTR stDefault, BSTR* result);
  HRESULT (*WriteIniString)(_GTool* self, BSTR stIniPath, BSTR stTopic, BSTR stItem, BSTR stString);
  HRESULT (*GetIniSection)(_GTool* self, BSTR stIniPath, BSTR stTopic, IDispatch** coll, VARIANT_BOOL* result);
  HRESULT (*WriteIniSection)(_GTool* self, BSTR stIniPath, BSTR stTopic, IDispatch* coll);
  HRESULT (*GetIniTopics)(_GTool* self, BSTR stIniPath, IDispatch* Topics);
  HRESULT (*RasterBgrdFromIni)(_GTool* self, int32_t lEtId, int32_t lEtHeight, BSTR stRasterDir, IDispatch** result);
  HRESULT (*RasterBgrdFromIniSo)(_GTool* self, int32_t lSoId, int32_t lSoHeight, BSTR stRasterDir, IDispatch** result);
  HRESULT (*RasterBgrdCopyIniData)(_GTool* self, int32_t lFromEtId, int32_t lToEtId, BSTR stRasterDir);
  HRESULT (*RasterBgrdCopyIniDataSo)(_GTool* self, int32_t lFromSoId, int32_t lToSoId, BSTR stRasterDir);
  HRESULT (*IncName)(_GTool* self, BSTR stName, BSTR* result);
  HRESULT (*SQLDate)(_GTool* self, DATE datChange, BSTR* result);
  HRESULT (*DatumAusStrings)(_GTool* self, BSTR stDay, BSTR stMonth, BSTR stYear, DATE* result);
  HRESULT (*ZeitAusStrings)(_GTool* self, BSTR stHours, BSTR stMinutes, BSTR stSeconds, DATE* result);
  HRESULT (*RNrByFormat)(_GTool* self, BSTR stIniPath, VARIANT stNormal, BSTR stB, BSTR str, VARIANT_BOOL bSoNotwendig, VARIANT_BOOL bGebNotwendig, BSTR* result);
  HRESULT (*ExistsFile)(_GTool* self, BSTR stFilepath, VARIANT_BOOL* result);
  HRESULT (*KopiereFile)(_GTool* self, BSTR stSourcePath, BSTR stTargetPath, VARIANT_BOOL* result);
  HRESULT (*GetCur)(_GTool* self, BSTR* result);
  HRESULT (*ShortDate)(_GTool* self, BSTR* result);
  HRESULT (*LongDate)(_GTool* self, BSTR* result);
  HRESULT (*LongDateSpace)(_GTool* self, BSTR* result);
  HRESULT (*ShortDateSpace)(_GTool* self, BSTR* result);
  HRESULT (*LongTime)(_GTool* self, BSTR* result);
  HRESULT (*ShortTime)(_GTool* self, BSTR* result);
  HRESULT (*ReplaceH)(_GTool* self, BSTR stString, BSTR* result);
  HRESULT (*ReplaceGermanSonderzeichen)(_GTool* self, BSTR* stString, BSTR* result);
  HRESULT (*RGBReverse)(_GTool* self, int32_t lFarbe, int16_t* R, int16_t* G, int16_t* b);
} _GToolVtbl;
struct _GTool {
  const _GToolVtbl* lpVtbl;
};

/* Tessera.CTextAttribut (creatable) */
static const CLSID CLSID_CTextAttribut = {0xC42E414C, 0x0D0E, 0x43C5, {0x89, 0x48, 0x1F, 0x5B, 0x79, 0x98, 0xB9, 0x3F}};
static const IID IID__CTextAttribut = {0x96DD4D46, 0x4449, 0x4354, {0xA6, 0x6E, 0xD0, 0x17, 0xF5, 0x9E, 0x11, 0x07}};
typedef struct _CTextAttribut _CTextAttribut;
typedef struct _CTextAttributVtbl {
  HRESULT (*QueryInterface)(_CTextAttribut* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CTextAttribut* self);
  uint32_t (*Release)(_CTextAttribut* self);
  HRESULT (*GetTypeInfoCount)(_CTextAttribut* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CTextAttribut* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CTextAttribut* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CTextAttribut* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_FontName)(_CTextAttribut* self, BSTR* result);
  HRESULT (*put_FontName)(_CTextAttribut* self, BSTR stFontName);
  HRESULT (*get_FontSize)(_CTextAttribut* self, int16_t* result);
  HRESULT (*put_FontSize)(_CTextAttribut* self, int16_t iFontSize);
  HRESULT (*get_FontColor)(_CTextAttribut* self, int32_t* result);
  HRESULT (*put_FontColor)(_CTextAttribut* self, int32_t lFontColor);
  HRESULT (*get_FontBold)(_CTextAttribut* self, VARIANT_BOOL* result);
  HRESULT (*put_FontBold)(_CTextAttribut* self, VARIANT_BOOL bFontBold);
  HRESULT (*get_FontItalic)(_CTextAttribut* self, VARIANT_BOOL* result);
  HRESULT (*put_FontItalic)(_CTextAttribut* self, VARIANT_BOOL bFontItalic);
  HRESULT (*get_FontStrikeThrough)(_CTextAttribut* self, VARIANT_BOOL* result);
  HRESULT (*put_FontStrikeThrough)(_CTextAttribut* self, VARIANT_BOOL bFontStrikeThrough);
  HRESULT (*get_FontUnderline)(_CTextAttribut* self, VARIANT_BOOL* result);
  HRESULT (*put_FontUnderline)(_CTextAttribut* self, VARIANT_BOOL bFontUnderline);
  HRESULT (*get_IniSection)(_CTextAttribut* self, BSTR* result);
  HRESULT (*put_IniSection)(_CTextAttribut* self, BSTR stIniSection);
  HRESULT (*Init)(_CTextAttribut* self);
  HRESULT (*CopyFrom)(_CTextAttribut* self, IDispatch* obj);
  HRESULT (*ReadFromIni)(_CTextAttribut* self, BSTR stIniPath);
  HRESULT (*Write2Ini)(_CTextAttribut* self, BSTR stIniPath);
} _CTextAttributVtbl;
struct _CTextAttribut {
  const _CTextAttributVtbl* lpVtbl;
};

/* Tessera.CRasterBgrd (creatable) */
static const CLSID CLSID_CRasterBgrd = {0xF97399A7, 0xDE9C, 0x48C9, {0xB3, 0x11, 0x05, 0x01, 0xD4, 0xE1, 0x23, 0xDE}};
static const IID IID__CRasterBgrd = {0x3B7A1309, 0xE676, 0x48A7, {0x97, 0xE6, 0x4B, 0x4C, 0x9A, 0x81, 0xDF, 0xA9}};
static const IID DIID___CRasterBgrd = {0x5CC6462E, 0xBAEC, 0x48E9, {0xB3, 0x5C, 0x18, 0xE2, 0xF9, 0xCE, 0x27, 0x80}};
typedef struct _CRasterBgrd _CRasterBgrd;
typedef struct _CRasterBgrdVtbl {
  HRESULT (*QueryInterface)(_CRasterBgrd* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CRasterBgrd* self);
  uint32_t (*Release)(_CRasterBgrd* self);
  HRESULT (*GetTypeInfoCount)(_CRasterBgrd* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CRasterBgrd* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CRasterBgrd* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CRasterBgrd* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_Dx)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_Dy)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_Zoom)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_EtId)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_EtHeight)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_Height)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_Width)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_hBitmap)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*get_FilePath)(_CRasterBgrd* self, BSTR* result);
  HRESULT (*get_EditTransActive)(_CRasterBgrd* self, VARIANT_BOOL* result);
  HRESULT (*get_Visible)(_CRasterBgrd* self, VARIANT_BOOL* result);
  HRESULT (*put_Visible)(_CRasterBgrd* self, VARIANT_BOOL b);
  HRESULT (*get_RasterTransEditMode)(_CRasterBgrd* self, int32_t* result);
  HRESULT (*Init)(_CRasterBgrd* self);
  HRESULT (*LoadRasterFile)(_CRasterBgrd* self, BSTR stFile, int32_t lId, int32_t lHeight, VARIANT_BOOL bVisible, BSTR* stInitDir, VARIANT_BOOL* result);
  HRESULT (*GenTrans)(_CRasterBgrd* self, int32_t lLogWidth);
  HRESULT (*EditTrans)(_CRasterBgrd* self);
  HRESULT (*SetTrans)(_CRasterBgrd* self, int32_t lDx, int32_t lDy, double dFactor);
  HRESULT (*Draw)(_CRasterBgrd* self, IDispatch* Ctrl, IDispatch* Trans, IDispatch* LogClipRect);
  HRESULT (*MouseDown)(_CRasterBgrd* self, int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY, IDispatch* PCtrl, IDispatch* Trans);
  HRESULT (*MouseMove)(_CRasterBgrd* self, int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY, IDispatch* PCtrl, IDispatch* Trans);
  HRESULT (*ShowTransDlg)(_CRasterBgrd* self);
  HRESULT (*ClearIni)(_CRasterBgrd* self);
} _CRasterBgrdVtbl;
struct _CRasterBgrd {
  const _CRasterBgrdVtbl* lpVtbl;
};

/* Tessera.CRasterBgrdSo (creatable) */
static const CLSID CLSID_CRasterBgrdSo = {0x0C687C0C, 0x7656, 0x4FB6, {0xA7, 0xA4, 0xAE, 0x0C, 0xEA, 0x68, 0x97, 0x11}};
static const IID IID__CRasterBgrdSo = {0x5C7517A6, 0xE712, 0x4509, {0xBB, 0xDA, 0x5C, 0xC6, 0xFA, 0xBB, 0x99, 0x67}};
static const IID DIID___CRasterBgrdSo = {0xD3A285FA, 0xE4BB, 0x4538, {0x83, 0x90, 0x88, 0x1C, 0xA1, 0x3F, 0xB3, 0xD4}};
typedef struct _CRasterBgrdSo _CRasterBgrdSo;
typedef struct _CRasterBgrdSoVtbl {
  HRESULT (*QueryInterface)(_CRasterBgrdSo* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CRasterBgrdSo* self);
  uint32_t (*Release)(_CRasterBgrdSo* self);
  HRESULT (*GetTypeInfoCount)(_CRasterBgrdSo* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CRasterBgrdSo* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CRasterBgrdSo* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CRasterBgrdSo* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*get_Dx)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_Dy)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_Zoom)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_id)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_EtId)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_EtHeight)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_Height)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_Width)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_hBitmap)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*get_FilePath)(_CRasterBgrdSo* self, BSTR* result);
  HRESULT (*get_EditTransActive)(_CRasterBgrdSo* self, VARIANT_BOOL* result);
  HRESULT (*get_Visible)(_CRasterBgrdSo* self, VARIANT_BOOL* result);
  HRESULT (*put_Visible)(_CRasterBgrdSo* self, VARIANT_BOOL b);
  HRESULT (*get_RasterTransEditMode)(_CRasterBgrdSo* self, int32_t* result);
  HRESULT (*Init)(_CRasterBgrdSo* self);
  HRESULT (*LoadRasterFile)(_CRasterBgrdSo* self, BSTR stFile, int32_t lEtId, int32_t lEtHeight, VARIANT_BOOL bVisible, BSTR* stInitDir, VARIANT_BOOL* result);
  HRESULT (*GenTrans)(_CRasterBgrdSo* self, int32_t lLogWidth);
  HRESULT (*EditTrans)(_CRasterBgrdSo* self);
  HRESULT (*SetTrans)(_CRasterBgrdSo* self, int32_t lDx, int32_t lDy, double dFactor);
  HRESULT (*Draw)(_CRasterBgrdSo* self, IDispatch* Ctrl, IDispatch* Trans, IDispatch* LogClipRect);
  HRESULT (*MouseDown)(_CRasterBgrdSo* self, int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY, IDispatch* PCtrl, IDispatch* Trans);
  HRESULT (*MouseMove)(_CRasterBgrdSo* self, int16_t iButton, int16_t iShift, int32_t lLogX, int32_t lLogY, IDispatch* PCtrl, IDispatch* Trans);
  HRESULT (*ShowTransDlg)(_CRasterBgrdSo* self);
  HRESULT (*ClearIni)(_CRasterBgrdSo* self);
} _CRasterBgrdSoVtbl;
struct _CRasterBgrdSo {
  const _CRasterBgrdSoVtbl* lpVtbl;
};

/* Tessera.CKalFKt (global) */
static const CLSID CLSID_CKalFKt = {0xD109A38A, 0xAC21, 0x4701, {0xAA, 0xD0, 0x96, 0xA6, 0xB0, 0xFC, 0x25, 0x98}};
static const IID IID__CKalFKt = {0x1EF50865, 0xAC83, 0x4888, {0x86, 0xBE, 0x36, 0x54, 0x67, 0xE3, 0x86, 0x8B}};
typedef struct _CKalFKt _CKalFKt;
typedef struct _CKalFKtVtbl {
  HRESULT (*QueryInterface)(_CKalFKt* self, const IID* riid, void** object);
  uint32_t (*AddRef)(_CKalFKt* self);
  uint32_t (*Release)(_CKalFKt* self);
  HRESULT (*GetTypeInfoCount)(_CKalFKt* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(_CKalFKt* self, uint32_t index, LCID lcid, ITypeInfo** type_info);
  HRESULT (*GetIDsOfNames)(_CKalFKt* self, const IID* riid, OLECHAR** names, uint32_t count, LCID lcid, DISPID* ids);
  HRESULT (*Invoke)(_CKalFKt* self, DISPID id, const IID* riid, LCID lcid, uint16_t flags, DISPPARAMS* params, VARIANT* result,
                    EXCEPINFO* exception, uint32_t* arg_error);
  HRESULT (*AnzTageProMonat)(_CKalFKt* self, uint8_t byMonat, VARIANT stJahr, uint8_t* result);
  HRESULT (*AnzWochenProJahr)(_CKalFKt* self, BSTR stJahr, DATE* MonDate, uint8_t* result);
  HRESULT (*IdentWocheByDatum)(_CKalFKt* self, DATE aDatum, uint8_t* result);
  HRESULT (*IdentDatumByWoche)(_CKalFKt* self, uint8_t byWoche, int32_t lJahr, DATE* aDatum, DATE* eDatum);
} _CKalFKtVtbl;
struct _CKalFKt {
  const _CKalFKtVtbl* lpVtbl;
};

#ifdef __cplusplus
}
#endif
/* clang-format on */

#endif
