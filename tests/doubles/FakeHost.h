#pragma once
// A scripted stand-in for the host API, for unit tests of the building blocks: every host
// function records its call and answers through a hook; without a hook it answers 0, except that
// tlGetActiveGeoObject names the object tlSetActiveObject last named.
#include <functional>
#include <string>
#include <vector>

#include "contract/TolvarApi.h"

namespace fakehost {

struct Hooks {
  std::function<int32_t()> getActiveGeoObject;
  std::function<int32_t(int32_t)> getClassOf;
  std::function<int32_t(int32_t)> getGeoTypeOf;
  std::function<double(int32_t)> getObjectArea;
  std::function<int32_t(const char*)> getIDFromKennung;
  std::function<int16_t(const char*)> kennungExists;
  std::function<int16_t(int32_t)> deleteObject;
  std::function<int16_t(TObjectInfo*)> getObjectData;
  std::function<int16_t(TObjectInfo*)> synchronize;
  std::function<int16_t(int32_t, const char*, const char*)> iterateObjects;
  std::function<int32_t(int32_t, double, int32_t, const TClassFilter*, TIdBuffer*)> queryGeoObjects;
  std::function<intptr_t()> getTolvarWindowHandle;
  std::function<int16_t(char*, int32_t)> getProjectDir;
  std::function<int16_t(char*, int32_t)> getProjectDB;
  std::function<int32_t(const char*)> getRecordCountOf;
  std::function<int16_t(const char*)> tableFirst, tableLast, tableNext, tableEOF, tableBOF;
  std::function<int16_t(const char*)> appendRecord, postRecord;
  std::function<int16_t(const char*, int32_t)> deleteRecord;
  std::function<int16_t(const char*, const char*, char*, int32_t)> getValueByName;
  std::function<int16_t(const char*, const char*, const char*)> setValueByName;
  std::function<int16_t(const char*, const char*, const char*, int16_t)> setValueByNameEx;
  std::function<int16_t(int32_t, const char*, const char*, char*, int32_t)> getValueByPKEY;
  std::function<int16_t(int32_t, const char*, const char*, const char*)> setValueByPKEY;
};

// Hooks of the current test; reset() clears them and the call log.
Hooks& hooks();
// Names of the host functions called since the last reset, in order.
const std::vector<std::string>& calls();
void reset();

// Copies text into a host buffer of count n the way a host must: at most n characters and the zero.
int16_t deliver(const std::string& text, char* buffer, int32_t n);

}  // namespace fakehost
