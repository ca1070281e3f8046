// Windows face of the change list: TA_LIST.DBF through ADO and the provider's dBase driver. A
// failure is told with the same German reason as on Linux, found from the file itself, followed
// by the provider's own text and code.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "platform/ChangeListConnection.h"
#include "platform/ChangeListReasons.h"
#include "platform/windows/AdoConnection.h"
#include "platform/windows/ComError.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32Handles.h"

namespace aggregate::platform {

namespace {

constexpr std::size_t kDbaseHeaderSize = 32;
constexpr unsigned char kDbaseVersionMask = 0x07;
constexpr unsigned char kDbaseIII = 0x03;

long long littleEndian(const std::array<unsigned char, kDbaseHeaderSize>& header, std::size_t at,
                       std::size_t size) {
  long long value = 0;
  for (std::size_t i = size; i > 0; --i) value = (value << 8) | header[at + i - 1];
  return value;
}

// What the header of a file that opens says against its size: damage, or nothing.
std::string damageOf(HANDLE file) {
  std::array<unsigned char, kDbaseHeaderSize> header{};
  DWORD read = 0;
  LARGE_INTEGER size{};
  if (ReadFile(file, header.data(), static_cast<DWORD>(header.size()), &read, nullptr) == FALSE ||
      read != header.size() || (header[0] & kDbaseVersionMask) != kDbaseIII ||
      GetFileSizeEx(file, &size) == FALSE)
    return changelist::notDbase();
  return changelist::cutShort(littleEndian(header, 4, 4), littleEndian(header, 8, 2),
                              littleEndian(header, 10, 2), size.QuadPart);
}

// The German reason for a failed access, from the file as it is now; empty when the file looks
// sound and the provider's text must speak for itself.
std::string reasonOf(const std::string& path, bool writing) {
  const std::wstring wide = win32::wideFromUtf8(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return changelist::missing();
  if (writing && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return changelist::writeProtected();
  const win32::UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ | (writing ? GENERIC_WRITE : 0),
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                           nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    switch (error) {
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION:
        return changelist::inUse();
      case ERROR_ACCESS_DENIED:
      case ERROR_WRITE_PROTECT:
        return writing ? changelist::writeProtected() : changelist::readProtected();
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
        return changelist::missing();
      default:
        return changelist::notOpened(static_cast<long>(error));
    }
  }
  return damageOf(file.get());
}

class AdoChangeList final : public ChangeListConnection {
 public:
  AdoChangeList(const std::string& connectionString, std::string file)
      : file_(std::move(file)),
        connection_(told(false, [&] { return win32::AdoConnection(connectionString); })) {}

  std::string changeState(const std::string& kennung) override {
    const auto states = told(false, [&] {
      return connection_.query("select CHANGED from TA_LIST.DBF where KENNUNG = ?", kennung).firstColumn(1);
    });
    return states.empty() ? std::string() : states.front();
  }

  void setChangeStateUpdate(const std::string& kennung) override {
    told(true, [&] {
      connection_.execute("update TA_LIST.DBF set CHANGED = 'UPDATE' where KENNUNG = ?", kennung);
      return 0;
    });
  }

 private:
  // Runs an access; a failure becomes the German reason with the provider's text and code.
  template <class Access>
  auto told(bool writing, const Access& access) const -> decltype(access()) {
    try {
      return access();
    } catch (const win32::ComFailure& failure) {
      const std::string reason = reasonOf(file_, writing);
      if (reason.empty()) throw LibraryError(failure.forUser());
      throw LibraryError(reason + " (" + failure.description() + ", " + failure.codeText() + ")");
    }
  }

  std::string file_;
  win32::AdoConnection connection_;
};

}  // namespace

std::unique_ptr<ChangeListConnection> connectChangeList(const std::string& connectionString,
                                                        const std::string& directory) {
  const bool endsWithDelimiter = !directory.empty() && directory.back() == '\\';
  return std::make_unique<AdoChangeList>(connectionString,
                                         directory + (endsWithDelimiter ? "" : "\\") + "TA_LIST.DBF");
}

}  // namespace aggregate::platform
