/* Binary contract between the plug-in and its host: calling convention, records, the host API
 * the plug-in imports from tlAPI32.dll and the thirteen exports it offers.
 * Valid C as well as C++, so that hosts written in C can include it.
 *
 * Conventions for every function below:
 * - C linkage, calling convention TL_STDCALL; on 32-bit x86 the callee removes the arguments.
 * - Texts are 8-bit and zero-terminated, paths too: on Windows in the user's ANSI code page, on
 *   Linux in Windows-1252. Ids, keys and class codes are signed 32-bit. A flag is an int16_t,
 *   nonzero for yes.
 * - Results the plug-in looks at: ids, class codes, geometry types, areas, counts, the flags of
 *   tlTableEOF, tlTableBOF, tlGetValueByName, tlGetValueByPKEY, tlKennungExists and
 *   tlGetObjectData, the window handle, and the texts a host writes into buffers. Every other
 *   result ("Result: open" below) is declared int16_t and never looked at: a host may return
 *   anything there. Where the plug-in depends on such a call's effect, it confirms the effect with
 *   a result it looks at (tlGetActiveGeoObject after tlSetActiveObject, tlGetRecordCountOf after
 *   tlDeleteRecord).
 * - A buffer of count n holds n characters and the terminating zero: the caller provides n + 1
 *   bytes, the host writes at most n characters and the zero and cuts a longer text.
 * - Texts, records and buffers handed over stay the caller's and are valid during the call
 *   only: the host copies what it keeps, the plug-in copies what the host hands its callbacks.
 * - Failure is a flag of 0, a count below 0 or an id of 0 or below, as each function says. A
 *   host never lets an exception or a longjmp cross the boundary, and neither does the plug-in.
 * - Every call runs on the host's user-interface thread, the plug-in's callbacks included.
 */
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

/* Buffer counts of the contract: a Kennung, a path. */
#define TL_KENNUNG_CAPACITY 128
#define TL_PATH_CAPACITY 255

#ifdef __cplusplus
extern "C" {
#endif

/* An object as tlGetObjectData and iteration callbacks see it. [16 bytes on 32-bit targets] */
typedef struct TObjectInfo {
  int32_t Reserved; /* not used */
  char* Kennung;    /* a buffer of count TL_KENNUNG_CAPACITY, or the host's text in callbacks */
  int32_t ClassCode;
  int32_t ObjectID;
} TObjectInfo;

/* The classes a spatial query may return; Count 0 or no filter at all: every class. */
typedef struct TClassFilter {
  int32_t Count;
  const int32_t* Classes;
} TClassFilter;

/* Room for Capacity ids, provided by the caller. */
typedef struct TIdBuffer {
  int32_t Capacity;
  int32_t* Ids;
} TIdBuffer;

/* lParam of window message TL_MSG_TEMP_OBJECT: build a temporary object named Kennung of class
 * ClassCode from the area the IdCount listed objects share. [24 bytes on 32-bit targets] */
typedef struct TTempObjectRequest {
  uint8_t Kind; /* 3 */
  uint8_t Reserved1;
  uint8_t Flag; /* 1 */
  uint8_t Reserved2;
  const char* Kennung;
  int32_t ClassCode;
  int32_t Reserved3;
  int32_t IdCount;
  const int32_t* Ids;
} TTempObjectRequest;

/* Sent to the window tlGetTolvarWindowHandle names; the result is above 0 when the host built the
 * object, which the plug-in then finds by its Kennung and deletes again. */
#define TL_MSG_TEMP_OBJECT 1202

/* On Linux the window handle is the address of the host window's message procedure. */
typedef intptr_t (*TLWindowProc)(uint32_t msg, uintptr_t wParam, intptr_t lParam);

/* Every export: three pointer-sized arguments, 16-bit result. */
typedef int16_t(TL_STDCALL* TLExportProc)(intptr_t arg1, intptr_t arg2, intptr_t arg3);

/* ==== host API ==== */

/* ---- objects ----
 * An id names an object of the project; an unknown id makes a getter return 0 (0.0 for the area)
 * and an action return 0. */

/* The active object's id; 0 when none is active. */
TL_IMPORT int32_t TL_STDCALL tlGetActiveGeoObject(void);
/* Makes the object active: the table functions below act on its rows; an unknown id changes
 * nothing. The cursors of an object are kept while another one is active. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlSetActiveObject(int32_t id);
/* Loads the object's attribute data if the host holds it lazily. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlEnsureData(int32_t id);
/* The object's class code; 0 for an unknown id. */
TL_IMPORT int32_t TL_STDCALL tlGetClassOf(int32_t id);
/* The geometry type: 3 polygon, 14 multipolygon; other values name other or no geometry. */
TL_IMPORT int32_t TL_STDCALL tlGetGeoTypeOf(int32_t id);
/* The area in hectares; 0 for an object without an area. */
TL_IMPORT double TL_STDCALL tlGetObjectArea(int32_t id);
/* The id of the object with that Kennung (compared as the host compares names); 0 or below when
 * there is none. */
TL_IMPORT int32_t TL_STDCALL tlGetIDFromKennung(const char* kennung);
/* Nonzero when an object has that Kennung. */
TL_IMPORT int16_t TL_STDCALL tlKennungExists(const char* kennung);
/* Deletes the object; an unknown id changes nothing. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlDeleteObject(int32_t id);
/* Copies the Kennung of info->ObjectID into info->Kennung, a buffer of count
 * TL_KENNUNG_CAPACITY. 0, writing nothing, for an unknown id or a null record. */
TL_IMPORT int16_t TL_STDCALL tlGetObjectData(TObjectInfo* info);
/* Brings the host's view of info->ObjectID up to date with its attribute data. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlSynchronize(TObjectInfo* info);

/* ---- selection ---- */

/* Calls the export exportName of the plug-in loaded as module (the plug-in names itself
 * "aggregate.dll") once per selected object, in the selection's order, with arg1 a TObjectInfo
 * valid during that call; returns after the last call. reserved: 0. A callback may change the
 * selection; the iteration goes on over the selection as it was when it began. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlIterateObjects(int32_t reserved, const char* module, const char* exportName);
/* Result: open, as for the next one. */
TL_IMPORT int16_t TL_STDCALL tlDeselectAll(void);
/* Adds the object to the end of the selection; an unknown id changes nothing. */
TL_IMPORT int16_t TL_STDCALL tlAddToSelection(int32_t id);
/* Brackets a series of changes the host may show at once; every begin is followed by one end.
 * Result: open. */
TL_IMPORT int16_t TL_STDCALL tlBeginUpdate(void);
TL_IMPORT int16_t TL_STDCALL tlEndUpdate(void);

/* ---- spatial ---- */

/* Writes the ids of the objects in spatial relation mode (the plug-in passes 0) to the object id,
 * within distance, into ids, at most ids->Capacity of them, filtered by class when filter is
 * given. Returns how many it found, which may exceed the capacity (the plug-in then reads only
 * the capacity's worth); below 0 on failure. */
TL_IMPORT int32_t TL_STDCALL tlQueryGeoObjects(int32_t id, double distance, int32_t mode,
                                               const TClassFilter* filter, TIdBuffer* ids);
/* The host's main window, receiver of TL_MSG_TEMP_OBJECT; the owner of the plug-in's dialogs. */
TL_IMPORT intptr_t TL_STDCALL tlGetTolvarWindowHandle(void);

/* ---- paths ----
 * buffer: count n (the plug-in passes TL_PATH_CAPACITY). A path that does not fit may be cut or
 * left empty. Result: open; the plug-in goes by the text (an empty text: no path). */

/* The project's folder. */
TL_IMPORT int16_t TL_STDCALL tlGetProjectDir(char* buffer, int32_t n);
/* The full path of the project database. */
TL_IMPORT int16_t TL_STDCALL tlGetProjectDB(char* buffer, int32_t n);

/* ---- tables of the active object ----
 * A table is named by its name, compared as the host compares names, and shows the active
 * object's rows; a detail table (Zusatzcodes and Vegetationstyp under BtypHtyp, Schichtung
 * under Vegetationstyp, Pflanzenliste, Tierliste and PlanungRelArten under Schichtung) shows and
 * adds only rows below its parent's current row, and stands on its first one whenever the parent
 * moves. Every table has one cursor, which stands on a row whenever the table has rows.
 *
 * Cursor rules. Every host keeps these:
 *   empty table (or none can be read): BOF and EOF are both nonzero, whatever the move.
 *   tlTableFirst  current: the first row.  EOF 0.
 *   tlTableLast   current: the last row.
 *   tlTableNext   current: the next row, EOF 0; on the last row EOF becomes nonzero and the last
 *                 row stays current.
 *   tlDeleteRecord of the current row: current: the row after it, or the one before it when it
 *                 was the last; BOF 0 and EOF 0 while rows remain. Its detail rows go with it.
 *   tlAppendRecord current: a new, empty row, stored by tlPostRecord. BOF 0, EOF 0.
 * Left to the host, as its datasets differ: BOF after tlTableFirst (a dataset sets it), EOF
 * after tlTableLast (a dataset sets it), BOF after tlTableLast and tlTableNext, and the cursor
 * after deleting a row other than the current one. The plug-in relies on none of these: it walks
 * with "First; while EOF is 0: ...; Next" and empties a table by deleting the current row until
 * tlGetRecordCountOf gives 0, stopping when a delete removes nothing. */

/* The number of rows the table shows; 0 for a table that cannot be read. */
TL_IMPORT int32_t TL_STDCALL tlGetRecordCountOf(const char* table);
/* Cursor moves. Result: open; EOF and BOF tell where the cursor stands. */
TL_IMPORT int16_t TL_STDCALL tlTableFirst(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableLast(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableNext(const char* table);
/* The end and start flags of the rules above. */
TL_IMPORT int16_t TL_STDCALL tlTableEOF(const char* table);
TL_IMPORT int16_t TL_STDCALL tlTableBOF(const char* table);
/* Adds an empty row and makes it current; value writes fill it. A detail table whose parent has
 * no current row gets none. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlAppendRecord(const char* table);
/* Stores the row tlAppendRecord added, with a new PKEY; it stays current. Result: open. */
TL_IMPORT int16_t TL_STDCALL tlPostRecord(const char* table);
/* Deletes the active object's row of the table whose PKEY is key; a key no row of the active
 * object has changes nothing. Result: open; tlGetRecordCountOf tells whether the row went. */
TL_IMPORT int16_t TL_STDCALL tlDeleteRecord(const char* table, int32_t key);

/* ---- values ----
 * A field is named by its name, compared as the host compares names; PKEY reads as decimal text.
 * Reads give 0 for a missing table, row or field (the buffer then holds an empty text or is left
 * as it was) and an empty text with nonzero for a value that is not set. */

/* The field of the table's current row into buffer, count n. */
TL_IMPORT int16_t TL_STDCALL tlGetValueByName(const char* table, const char* field, char* buffer, int32_t n);
/* Writes the field of the table's current row; the host may answer with a change notification,
 * which calls the plug-in's attribute-change export for that field before this returns. A write
 * the host cannot store is the host's to report. Result: open, as for the two writes below. */
TL_IMPORT int16_t TL_STDCALL tlSetValueByName(const char* table, const char* field, const char* value);
/* The same with a mode the host interprets; the plug-in passes 2. */
TL_IMPORT int16_t TL_STDCALL tlSetValueByNameEx(const char* table, const char* field, const char* value,
                                                int16_t mode);
/* The field of the table's row whose PKEY is key, whichever object it belongs to, into buffer,
 * count n. */
TL_IMPORT int16_t TL_STDCALL tlGetValueByPKEY(int32_t key, const char* table, const char* field, char* buffer,
                                              int32_t n);
/* Writes the field of the row whose PKEY is key. */
TL_IMPORT int16_t TL_STDCALL tlSetValueByPKEY(int32_t key, const char* table, const char* field,
                                              const char* value);

/* ==== exports of the plug-in ====
 * Names and ordinals as aggregate.def gives them; nothing else is exported. Commands return -1,
 * iteration callbacks 1, whatever happened; failures are told to the user, in German. Attribute-
 * change handlers get arg1 the value as entered and arg2 a buffer of the host's, at least as long
 * as that value, into which they copy the value before anything else. */
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
