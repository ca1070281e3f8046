#include "hostdata/AttributeValues.h"

#include "contract/TolvarApi.h"
#include "hostdata/HostBuffer.h"
#include "hostdata/HostText.h"
#include "hostdata/TextConventions.h"

namespace aggregate {

namespace {

constexpr int32_t kStringValueCount = 4095;
constexpr int32_t kIntValueCount = 1023;
constexpr int32_t kValueByKeyCount = 4096;
// The longest value read again after a full buffer.
constexpr int32_t kLongestValue = 1 << 20;

}  // namespace

std::optional<std::string> GetUntrimmedValue(const std::string& table, const std::string& field,
                                             int32_t count) {
  return ReadGrowing(count, kLongestValue, false, [&](HostBuffer& buffer) {
    return tlGetValueByName(ToHostText(table).c_str(), ToHostText(field).c_str(), buffer.data(),
                            buffer.count()) != 0;
  });
}

std::string GetStringValue(const std::string& table, const std::string& field) {
  return Trim(GetUntrimmedValue(table, field, kStringValueCount).value_or(""));
}

int32_t GetIntValue(const std::string& table, const std::string& field) {
  const auto text = GetUntrimmedValue(table, field, kIntValueCount);
  return text ? ParseIntegerText(*text).value_or(-1) : -1;
}

std::string GetValueByPKey(const std::string& table, const std::string& field, int32_t key) {
  return ReadGrowing(kValueByKeyCount, kLongestValue, false,
                     [&](HostBuffer& buffer) {
                       return tlGetValueByPKEY(key, ToHostText(table).c_str(), ToHostText(field).c_str(),
                                               buffer.data(), buffer.count()) != 0;
                     })
      .value_or("");
}

schema::BiotoptypCodes ReadCodesOfCurrentRow() {
  const auto& table = schema::kBtypHtyp;
  return {GetStringValue(table.name, table.biotoptyp), GetStringValue(table.name, table.oekotyp),
          GetStringValue(table.name, table.p62Typ)};
}

schema::BiotoptypCodes ReadCodesByKey(int32_t key) {
  const auto& table = schema::kBtypHtyp;
  return {GetValueByPKey(table.name, table.biotoptyp, key), GetValueByPKey(table.name, table.oekotyp, key),
          GetValueByPKey(table.name, table.p62Typ, key)};
}

void SetStringValue(const std::string& table, const std::string& field, const std::string& value) {
  tlSetValueByName(ToHostText(table).c_str(), ToHostText(field).c_str(), ToHostText(value).c_str());
}

void SetStringValueEx(const std::string& table, const std::string& field, const std::string& value,
                      int16_t mode) {
  tlSetValueByNameEx(ToHostText(table).c_str(), ToHostText(field).c_str(), ToHostText(value).c_str(), mode);
}

}  // namespace aggregate
