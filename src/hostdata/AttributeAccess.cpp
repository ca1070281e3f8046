#include "hostdata/AttributeAccess.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "contract/TolvarApi.h"
#include "hostdata/TextConventions.h"
#include "platform/FileSystem.h"
#include "platform/RegionalSettings.h"
#include "platform/TextEncoding.h"

namespace aggregate {

namespace {

constexpr int32_t kStringValueCount = 4095;
constexpr int32_t kIntValueCount = 1023;
constexpr int32_t kValueByKeyCount = 4096;
constexpr int32_t kPathCount = 255;
// The longest value read again after a full buffer, and the longest path Windows knows.
constexpr int32_t kLongestValue = 1 << 20;
constexpr int32_t kLongestPath = 32767;

// A buffer for n characters and the terminating zero, starting as an empty text.
class HostBuffer {
 public:
  explicit HostBuffer(int32_t count) : count_(count), data_(static_cast<std::size_t>(count) + 1, '\0') {}
  char* data() { return data_.data(); }
  int32_t count() const { return count_; }
  // The host never writes more than n characters and the zero; the last byte stays a guard.
  std::string text() {
    data_.back() = '\0';
    return FromHostText(data_.data());
  }
  // How many of the n characters the host wrote, counted in its own code page.
  std::size_t hostLength() {
    data_.back() = '\0';
    return std::strlen(data_.data());
  }

 private:
  int32_t count_;
  std::vector<char> data_;
};

// Reads through a buffer of count characters first, as the host is asked everywhere. A text that
// fills it may have been cut, and a path that did not fit may have been left out altogether
// (retryEmpty), so it is read again with a buffer sixteen times as large, up to limit. nullopt
// when read() reports that the host has no value.
template <class Read>
std::optional<std::string> readGrowing(int32_t count, int32_t limit, bool retryEmpty, Read&& read) {
  for (;;) {
    HostBuffer buffer(count);
    if (!read(buffer)) return std::nullopt;
    const std::size_t length = buffer.hostLength();
    const bool maybeCut = length == static_cast<std::size_t>(count) || (retryEmpty && length == 0);
    if (!maybeCut || count >= limit) return buffer.text();
    count = std::min(count * 16, limit);
  }
}

std::string readPath(int16_t(TL_STDCALL* read)(char*, int32_t)) {
  return *readGrowing(kPathCount, kLongestPath, true, [read](HostBuffer& buffer) {
    read(buffer.data(), buffer.count());  // its result is the host's to choose: the text decides
    return true;
  });
}

std::string readObjectData(int32_t objectId, HostBuffer& kennung, bool synchronize) {
  TObjectInfo info{};
  info.ObjectID = objectId;
  info.Kennung = kennung.data();
  const int16_t found = tlGetObjectData(&info);
  if (synchronize && found != 0) tlSynchronize(&info);
  return kennung.text();
}

}  // namespace

std::string FromHostText(const char* hostText) {
  return hostText != nullptr ? platform::hostTextToUtf8(hostText) : std::string();
}

std::string ToHostText(const std::string& text) { return platform::utf8ToHostText(text); }

std::optional<std::string> GetUntrimmedValue(const std::string& table, const std::string& field,
                                             int32_t count) {
  return readGrowing(count, kLongestValue, false, [&](HostBuffer& buffer) {
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

void SetStringValue(const std::string& table, const std::string& field, const std::string& value) {
  tlSetValueByName(ToHostText(table).c_str(), ToHostText(field).c_str(), ToHostText(value).c_str());
}

void SetStringValueEx(const std::string& table, const std::string& field, const std::string& value,
                      int16_t mode) {
  tlSetValueByNameEx(ToHostText(table).c_str(), ToHostText(field).c_str(), ToHostText(value).c_str(), mode);
}

void SetValueByPKey(int32_t key, const std::string& table, const std::string& field,
                    const std::string& value) {
  if (value.empty()) return;
  tlSetValueByPKEY(key, ToHostText(table).c_str(), ToHostText(field).c_str(), ToHostText(value).c_str());
}

std::string GetValueByPKey(const std::string& table, const std::string& field, int32_t key) {
  return readGrowing(kValueByKeyCount, kLongestValue, false,
                     [&](HostBuffer& buffer) {
                       return tlGetValueByPKEY(key, ToHostText(table).c_str(), ToHostText(field).c_str(),
                                               buffer.data(), buffer.count()) != 0;
                     })
      .value_or("");
}

std::string GetObjectKennung(int32_t objectId) {
  HostBuffer kennung(TL_KENNUNG_CAPACITY);
  return readObjectData(objectId, kennung, false);
}

void SynchronizeObject(int32_t objectId) {
  HostBuffer kennung(TL_KENNUNG_CAPACITY);
  readObjectData(objectId, kennung, true);
}

std::string GetProjectDirectory() {
  std::string directory = readPath(tlGetProjectDir);
  if (!directory.empty() && directory.back() != platform::pathDelimiter())
    directory += platform::pathDelimiter();
  return directory;
}

std::string GetProjectDatabasePath() { return readPath(tlGetProjectDB); }

namespace {

// The text with the other decimal separator: every point a comma, or else every comma a point.
std::string withOtherSeparator(std::string text) {
  if (text.find('.') != std::string::npos) {
    std::replace(text.begin(), text.end(), '.', ',');
  } else {
    std::replace(text.begin(), text.end(), ',', '.');
  }
  return text;
}

}  // namespace

std::optional<double> ParseFloatTolerant(const std::string& text) {
  const char separator = platform::decimalSeparator();
  if (const auto value = ParseUserNumber(text, separator)) return value;
  return ParseUserNumber(withOtherSeparator(text), separator);
}

}  // namespace aggregate
