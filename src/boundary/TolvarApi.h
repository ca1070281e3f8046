/* Binary contract between the plug-in and its host: calling convention, records,
 * the host API the plug-in imports and the thirteen exports it offers.
 * Valid C as well as C++, so that hosts written in C can include it. */
#ifndef AGGREGATE_TOLVAR_API_H
#define AGGREGATE_TOLVAR_API_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TL_STDCALL __stdcall
#elif defined(__i386__)
#define TL_STDCALL __attribute__((stdcall))
#else
#define TL_STDCALL
#endif

#if defined(_WIN32)
#define TL_EXPORT
#if defined(TL_BUILDING_HOST_API)
#define TL_IMPORT __declspec(dllexport)
#else
#define TL_IMPORT __declspec(dllimport)
#endif
#else
#define TL_EXPORT __attribute__((visibility("default")))
#define TL_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TObjectInfo {
  int32_t Reserved;
  char* Kennung;
  int32_t ClassCode;
  int32_t ObjectID;
} TObjectInfo;

typedef struct TClassFilter {
  int32_t Count;
  const int32_t* Classes;
} TClassFilter;

typedef struct TIdBuffer {
  int32_t Capacity;
  int32_t* Ids;
} TIdBuffer;

/* lParam of window message TL_MSG_TEMP_OBJECT */
typedef struct TTempObjectRequest {
  uint8_t Kind;
  uint8_t Reserved1;
  uint8_t Flag;
  uint8_t Reserved2;
  const char* Kennung;
  int32_t ClassCode;
  int32_t Reserved3;
  int32_t IdCount;
  const int32_t* Ids;
} TTempObjectRequest;

#define TL_MSG_TEMP_OBJECT 1202

/* On Linux the window handle is the address of the host window's message procedure. */
typedef intptr_t (*TLWindowProc)(uint32_t msg, uintptr_t wParam, intptr_t lParam);

/* Every export: three pointer-sized arguments, 16-bit result. */
typedef int16_t(TL_STDCALL* TLExportProc)(intptr_t arg1, intptr_t arg2, intptr_t arg3);

/* ---- host API ---- */
/* objects */
TL_IMPORT int32_t TL_STDCALL tlGetActiveGeoObject(void);
TL_IMPORT int16_t TL_STDCALL tlSetActiveObject(int32_t id);
TL_IMPORT int16_t TL_STDCALL tlEnsureData(int32_t id);
TL_IMPORT int32_t TL_STDCALL tlGetClassOf(int32_t id);
TL_IMPORT int32_t TL_STDCALL tlGetGeoTypeOf(int32_t id);
TL_IMPORT double TL_STDCALL tlGetObjectArea(int32_t id);
TL_IMPORT int32_t TL_STDCALL tlGetIDFromKennung(const char* kennung);
TL_IMPORT int16_t TL_STDCALL tlKennungExists(const char* kennung);
TL_IMPORT int16_t TL_STDCALL tlDeleteObject(int32_t id);
TL_IMPORT int16_t TL_STDCALL tlGetObjectData(TObjectInfo* info);
TL_IMPORT int16_t TL_STDCALL tlSynchronize(TObjectInfo* info);
/* selection */
TL_IMPORT int16_t TL_STDCALL tlIterateObjects(int32_t reserved, const char* module, const char* exportName);
TL_IMPORT int16_t TL_STDCALL tlDeselectAll(void);
TL_IMPORT int16_t TL_STDCALL tlAddToSelection(int32_t id);
TL_IMPORT int16_t TL_STDCALL tlBeginUpdate(void);
TL_IMPORT int16_t TL_STDCALL tlEndUpdate(void);
/* spatial */
TL_IMPORT int32_t TL_STDCALL tlQueryGeoObjects(int32_t id, double distance, int32_t mode,
                                               const TClassFilter* filter, TIdBuffer* ids);
TL_IMPORT intptr_t TL_STDCALL tlGetTolvarWindowHandle(void);
/* paths */
TL_IMPORT int16_t TL_STDCALL tlGetProjectDir(char* buffer, int32_t n);
TL_IMPORT int16_t TL_STDCALL tlGetProjectDB(char* buffer, int32_t n);
/* tables of the active object */
TL_IMPORT int32_t TL_STDCALL tlGetRecordCountOf(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableFirst(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableLast(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableNext(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableEOF(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableBOF(const char* table);
TL_IMPORT int16_t TL_STDCALL tlAppendRecord(const char* table);
TL_IMPORT int16_t TL_STDCALL tlPostRecord(const char* table);
TL_IMPORT int16_t TL_STDCALL tlDeleteRecord(const char* table, int32_t key);
/* values */
TL_IMPORT int16_t TL_STDCALL tlGetValueByName(const char* table, const char* field, char* buffer, int32_t n);
TL_IMPORT int16_t TL_STDCALL tlSetValueByName(const char* table, const char* field, const char* value);
TL_IMPORT int16_t TL_STDCALL tlSetValueByNameEx(const char* table, const char* field, const char* value,
                                                int16_t mode);
TL_IMPORT int16_t TL_STDCALL tlGetValueByPKEY(int32_t key, const char* table, const char* field, char* buffer,
                                              int32_t n);
TL_IMPORT int16_t TL_STDCALL tlSetValueByPKEY(int32_t key, const char* table, const char* field,
                                              const char* value);

/* ---- exports of the plug-in ---- */
#define TL_DECLARE_EXPORT(name) TL_EXPORT int16_t TL_STDCALL name(intptr_t arg1, intptr_t arg2, intptr_t arg3)
TL_DECLARE_EXPORT(SetP62Flag);
TL_DECLARE_EXPORT(deleteObject);
TL_DECLARE_EXPORT(SetFFHFlag);
TL_DECLARE_EXPORT(BerechneBTFlaechen);
TL_DECLARE_EXPORT(FlaecheAbsolutChanged);
TL_DECLARE_EXPORT(FlaechenanteilChanged);
TL_DECLARE_EXPORT(FindSelectedMAS);
TL_DECLARE_EXPORT(CheckObjectSelection);
TL_DECLARE_EXPORT(BT_FT_FPToMAS);
TL_DECLARE_EXPORT(BTToFSN);
TL_DECLARE_EXPORT(BTToBK);
TL_DECLARE_EXPORT(GBToBK);
TL_DECLARE_EXPORT(BTToGB);

#ifdef __cplusplus
}
#endif

#endif
