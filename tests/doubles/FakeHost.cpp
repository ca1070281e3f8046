#include "doubles/FakeHost.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace fakehost {

namespace {
Hooks currentHooks;
std::vector<std::string> callLog;
int32_t activeObject = 0;

template <class Result, class Hook, class... Args>
Result answer(const char* name, const Hook& hook, Args... args) {
  callLog.emplace_back(name);
  if constexpr (std::is_same_v<Hook, std::nullptr_t>) {
    return Result{};
  } else {
    if (hook) return hook(args...);
    return Result{};
  }
}
}  // namespace

Hooks& hooks() { return currentHooks; }
const std::vector<std::string>& calls() { return callLog; }

void reset() {
  currentHooks = Hooks{};
  callLog.clear();
  activeObject = 0;
}

int16_t deliver(const std::string& text, char* buffer, int32_t n) {
  const auto count = std::min<std::size_t>(text.size(), static_cast<std::size_t>(n));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return 1;
}

}  // namespace fakehost

using fakehost::answer;

using fakehost::currentHooks;

extern "C" {
// Any id names an object here, and the last one made active is the active one.
int32_t TL_STDCALL tlGetActiveGeoObject(void) {
  const int32_t active = answer<int32_t>("tlGetActiveGeoObject", currentHooks.getActiveGeoObject);
  return currentHooks.getActiveGeoObject ? active : fakehost::activeObject;
}
int16_t TL_STDCALL tlSetActiveObject(int32_t id) {
  fakehost::activeObject = id;
  return answer<int16_t>("tlSetActiveObject", nullptr);
}
int16_t TL_STDCALL tlEnsureData(int32_t) { return answer<int16_t>("tlEnsureData", nullptr); }
int32_t TL_STDCALL tlGetClassOf(int32_t id) {
  return answer<int32_t>("tlGetClassOf", currentHooks.getClassOf, id);
}
int32_t TL_STDCALL tlGetGeoTypeOf(int32_t id) {
  return answer<int32_t>("tlGetGeoTypeOf", currentHooks.getGeoTypeOf, id);
}
double TL_STDCALL tlGetObjectArea(int32_t id) {
  return answer<double>("tlGetObjectArea", currentHooks.getObjectArea, id);
}
int32_t TL_STDCALL tlGetIDFromKennung(const char* kennung) {
  return answer<int32_t>("tlGetIDFromKennung", currentHooks.getIDFromKennung, kennung);
}
int16_t TL_STDCALL tlKennungExists(const char* kennung) {
  return answer<int16_t>("tlKennungExists", currentHooks.kennungExists, kennung);
}
int16_t TL_STDCALL tlDeleteObject(int32_t id) {
  return answer<int16_t>("tlDeleteObject", currentHooks.deleteObject, id);
}
int16_t TL_STDCALL tlGetObjectData(TObjectInfo* info) {
  return answer<int16_t>("tlGetObjectData", currentHooks.getObjectData, info);
}
int16_t TL_STDCALL tlSynchronize(TObjectInfo* info) {
  return answer<int16_t>("tlSynchronize", currentHooks.synchronize, info);
}
int16_t TL_STDCALL tlIterateObjects(int32_t reserved, const char* module, const char* exportName) {
  return answer<int16_t>("tlIterateObjects", currentHooks.iterateObjects, reserved, module, exportName);
}
int16_t TL_STDCALL tlDeselectAll(void) { return answer<int16_t>("tlDeselectAll", nullptr); }
int16_t TL_STDCALL tlAddToSelection(int32_t) { return answer<int16_t>("tlAddToSelection", nullptr); }
int16_t TL_STDCALL tlBeginUpdate(void) { return answer<int16_t>("tlBeginUpdate", nullptr); }
int16_t TL_STDCALL tlEndUpdate(void) { return answer<int16_t>("tlEndUpdate", nullptr); }
int32_t TL_STDCALL tlQueryGeoObjects(int32_t id, double distance, int32_t mode, const TClassFilter* filter,
                                     TIdBuffer* ids) {
  return answer<int32_t>("tlQueryGeoObjects", currentHooks.queryGeoObjects, id, distance, mode, filter, ids);
}
intptr_t TL_STDCALL tlGetTolvarWindowHandle(void) {
  return answer<intptr_t>("tlGetTolvarWindowHandle", currentHooks.getTolvarWindowHandle);
}
int16_t TL_STDCALL tlGetProjectDir(char* buffer, int32_t n) {
  return answer<int16_t>("tlGetProjectDir", currentHooks.getProjectDir, buffer, n);
}
int16_t TL_STDCALL tlGetProjectDB(char* buffer, int32_t n) {
  return answer<int16_t>("tlGetProjectDB", currentHooks.getProjectDB, buffer, n);
}
int32_t TL_STDCALL tlGetRecordCountOf(const char* table) {
  return answer<int32_t>("tlGetRecordCountOf", currentHooks.getRecordCountOf, table);
}
int16_t TL_STDCALL tlTableFirst(const char* table) {
  return answer<int16_t>("tlTableFirst", currentHooks.tableFirst, table);
}
int16_t TL_STDCALL tlTableLast(const char* table) {
  return answer<int16_t>("tlTableLast", currentHooks.tableLast, table);
}
int16_t TL_STDCALL tlTableNext(const char* table) {
  return answer<int16_t>("tlTableNext", currentHooks.tableNext, table);
}
int16_t TL_STDCALL tlTableEOF(const char* table) {
  return answer<int16_t>("tlTableEOF", currentHooks.tableEOF, table);
}
int16_t TL_STDCALL tlTableBOF(const char* table) {
  return answer<int16_t>("tlTableBOF", currentHooks.tableBOF, table);
}
int16_t TL_STDCALL tlAppendRecord(const char* table) {
  return answer<int16_t>("tlAppendRecord", currentHooks.appendRecord, table);
}
int16_t TL_STDCALL tlPostRecord(const char* table) {
  return answer<int16_t>("tlPostRecord", currentHooks.postRecord, table);
}
int16_t TL_STDCALL tlDeleteRecord(const char* table, int32_t key) {
  return answer<int16_t>("tlDeleteRecord", currentHooks.deleteRecord, table, key);
}
int16_t TL_STDCALL tlGetValueByName(const char* table, const char* field, char* buffer, int32_t n) {
  return answer<int16_t>("tlGetValueByName", currentHooks.getValueByName, table, field, buffer, n);
}
int16_t TL_STDCALL tlSetValueByName(const char* table, const char* field, const char* value) {
  return answer<int16_t>("tlSetValueByName", currentHooks.setValueByName, table, field, value);
}
int16_t TL_STDCALL tlSetValueByNameEx(const char* table, const char* field, const char* value, int16_t mode) {
  return answer<int16_t>("tlSetValueByNameEx", currentHooks.setValueByNameEx, table, field, value, mode);
}
int16_t TL_STDCALL tlGetValueByPKEY(int32_t key, const char* table, const char* field, char* buffer,
                                    int32_t n) {
  return answer<int16_t>("tlGetValueByPKEY", currentHooks.getValueByPKEY, key, table, field, buffer, n);
}
int16_t TL_STDCALL tlSetValueByPKEY(int32_t key, const char* table, const char* field, const char* value) {
  return answer<int16_t>("tlSetValueByPKEY", currentHooks.setValueByPKEY, key, table, field, value);
}
}
