// The host API of the test host: every call is logged, then answered from the test project.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "TestProject.h"

using testhost::testProject;

namespace {

std::string text(const char* value) { return value != nullptr ? value : "(null)"; }

// A buffer of count n holds n characters and the terminating zero.
int16_t copyText(const std::string& value, char* buffer, int32_t n) {
  if (buffer == nullptr || n < 0) return 0;
  const std::size_t length = std::min(value.size(), static_cast<std::size_t>(n));
  std::memcpy(buffer, value.data(), length);
  buffer[length] = '\0';
  return 1;
}

int16_t flag(bool value) { return value ? 1 : 0; }

template <class Result>
Result logged(const std::string& line, Result result) {
  testProject().log(line);
  return result;
}

}  // namespace

extern "C" {

int32_t TL_STDCALL tlGetActiveGeoObject(void) {
  return logged("tlGetActiveGeoObject", testProject().activeObject());
}
int16_t TL_STDCALL tlSetActiveObject(int32_t id) {
  const bool done = testProject().setActive(id);
  return logged("tlSetActiveObject " + std::to_string(id), flag(done));
}
int16_t TL_STDCALL tlEnsureData(int32_t id) {
  return logged("tlEnsureData " + std::to_string(id), int16_t{1});
}
int32_t TL_STDCALL tlGetClassOf(int32_t id) {
  return logged("tlGetClassOf " + std::to_string(id), testProject().classOf(id));
}
int32_t TL_STDCALL tlGetGeoTypeOf(int32_t id) {
  return logged("tlGetGeoTypeOf " + std::to_string(id), testProject().geoTypeOf(id));
}
double TL_STDCALL tlGetObjectArea(int32_t id) {
  return logged("tlGetObjectArea " + std::to_string(id), testProject().areaOf(id));
}
int32_t TL_STDCALL tlGetIDFromKennung(const char* kennung) {
  return logged("tlGetIDFromKennung " + text(kennung), testProject().idOf(text(kennung)));
}
int16_t TL_STDCALL tlKennungExists(const char* kennung) {
  return logged("tlKennungExists " + text(kennung), flag(testProject().idOf(text(kennung)) > 0));
}
int16_t TL_STDCALL tlDeleteObject(int32_t id) {
  const bool done = testProject().deleteObject(id);
  return logged("tlDeleteObject " + std::to_string(id), flag(done));
}
int16_t TL_STDCALL tlGetObjectData(TObjectInfo* info) {
  if (info == nullptr) return logged("tlGetObjectData (null)", int16_t{0});
  const std::string* kennung = testProject().kennungOf(info->ObjectID);
  // The plug-in's buffers take 128 characters.
  const int16_t done = kennung != nullptr ? copyText(*kennung, info->Kennung, 127) : int16_t{0};
  return logged("tlGetObjectData " + std::to_string(info->ObjectID), done);
}
int16_t TL_STDCALL tlSynchronize(TObjectInfo* info) {
  return logged("tlSynchronize " + std::to_string(info != nullptr ? info->ObjectID : 0), int16_t{1});
}

int16_t TL_STDCALL tlIterateObjects(int32_t reserved, const char* module, const char* exportName) {
  testProject().log("tlIterateObjects " + std::to_string(reserved) + " " + text(module) + " " +
                    text(exportName));
  return flag(testProject().iterateSelection(text(module).c_str(), text(exportName).c_str()));
}
int16_t TL_STDCALL tlDeselectAll(void) {
  testProject().deselectAll();
  return logged("tlDeselectAll", int16_t{1});
}
int16_t TL_STDCALL tlAddToSelection(int32_t id) {
  testProject().addToSelection(id);
  return logged("tlAddToSelection " + std::to_string(id), int16_t{1});
}
int16_t TL_STDCALL tlBeginUpdate(void) { return logged("tlBeginUpdate", int16_t{1}); }
int16_t TL_STDCALL tlEndUpdate(void) { return logged("tlEndUpdate", int16_t{1}); }

// What lies on an object is what the test said lies on it.
int32_t TL_STDCALL tlQueryGeoObjects(int32_t id, double, int32_t mode, const TClassFilter* filter,
                                     TIdBuffer* ids) {
  std::vector<int32_t> classes;
  if (filter != nullptr && filter->Classes != nullptr)
    classes.assign(filter->Classes, filter->Classes + std::max(filter->Count, int32_t{0}));
  const std::vector<int32_t> found = testProject().objectsOn(id, classes);
  if (ids != nullptr && ids->Ids != nullptr)
    std::copy_n(found.begin(), std::min<std::size_t>(found.size(), std::max(ids->Capacity, int32_t{0})),
                ids->Ids);
  return logged("tlQueryGeoObjects " + std::to_string(id) + " " + std::to_string(mode),
                static_cast<int32_t>(found.size()));
}
intptr_t TL_STDCALL tlGetTolvarWindowHandle(void) {
  return logged("tlGetTolvarWindowHandle", testProject().window());
}

int16_t TL_STDCALL tlGetProjectDir(char* buffer, int32_t n) {
  return logged("tlGetProjectDir", copyText(testProject().projectDirectory(), buffer, n));
}
int16_t TL_STDCALL tlGetProjectDB(char* buffer, int32_t n) {
  return logged("tlGetProjectDB", copyText(testProject().projectDatabase(), buffer, n));
}

int32_t TL_STDCALL tlGetRecordCountOf(const char* table) {
  return logged("tlGetRecordCountOf " + text(table), testProject().recordCount(text(table)));
}
int16_t TL_STDCALL tlTableFirst(const char* table) {
  const bool done = testProject().first(text(table));
  return logged("tlTableFirst " + text(table), flag(done));
}
int16_t TL_STDCALL tlTableLast(const char* table) {
  const bool done = testProject().last(text(table));
  return logged("tlTableLast " + text(table), flag(done));
}
int16_t TL_STDCALL tlTableNext(const char* table) {
  const bool done = testProject().next(text(table));
  return logged("tlTableNext " + text(table), flag(done));
}
int16_t TL_STDCALL tlTableEOF(const char* table) {
  return logged("tlTableEOF " + text(table), flag(testProject().atEnd(text(table))));
}
int16_t TL_STDCALL tlTableBOF(const char* table) {
  return logged("tlTableBOF " + text(table), flag(testProject().atStart(text(table))));
}
int16_t TL_STDCALL tlAppendRecord(const char* table) {
  const bool done = testProject().append(text(table));
  return logged("tlAppendRecord " + text(table), flag(done));
}
int16_t TL_STDCALL tlPostRecord(const char* table) {
  return logged("tlPostRecord " + text(table), int16_t{1});
}
int16_t TL_STDCALL tlDeleteRecord(const char* table, int32_t key) {
  const bool done = testProject().deleteRecord(text(table), key);
  return logged("tlDeleteRecord " + text(table) + " " + std::to_string(key), flag(done));
}

int16_t TL_STDCALL tlGetValueByName(const char* table, const char* field, char* buffer, int32_t n) {
  const auto value = testProject().value(text(table), text(field));
  const int16_t done = value ? copyText(*value, buffer, n) : int16_t{0};
  return logged("tlGetValueByName " + text(table) + " " + text(field), done);
}
int16_t TL_STDCALL tlSetValueByName(const char* table, const char* field, const char* value) {
  const bool done = testProject().setValue(text(table), text(field), text(value));
  return logged("tlSetValueByName " + text(table) + " " + text(field) + " " + text(value), flag(done));
}
int16_t TL_STDCALL tlSetValueByNameEx(const char* table, const char* field, const char* value, int16_t mode) {
  const bool done = testProject().setValue(text(table), text(field), text(value));
  return logged("tlSetValueByNameEx " + text(table) + " " + text(field) + " " + text(value) + " " +
                    std::to_string(mode),
                flag(done));
}
int16_t TL_STDCALL tlGetValueByPKEY(int32_t key, const char* table, const char* field, char* buffer,
                                    int32_t n) {
  const auto value = testProject().valueByKey(key, text(table), text(field));
  const int16_t done = value ? copyText(*value, buffer, n) : int16_t{0};
  return logged("tlGetValueByPKEY " + std::to_string(key) + " " + text(table) + " " + text(field), done);
}
int16_t TL_STDCALL tlSetValueByPKEY(int32_t key, const char* table, const char* field, const char* value) {
  const bool done = testProject().setValueByKey(key, text(table), text(field), text(value));
  return logged(
      "tlSetValueByPKEY " + std::to_string(key) + " " + text(table) + " " + text(field) + " " + text(value),
      flag(done));
}

}  // extern "C"
