#include "hostdata/ProjectPaths.h"

#include "contract/TolvarApi.h"
#include "hostdata/HostBuffer.h"
#include "platform/FileSystem.h"

namespace aggregate {

namespace {

constexpr int32_t kPathCount = 255;
// The longest path Windows knows.
constexpr int32_t kLongestPath = 32767;

std::string readPath(int16_t(TL_STDCALL* read)(char*, int32_t)) {
  return *ReadGrowing(kPathCount, kLongestPath, true, [read](HostBuffer& buffer) {
    read(buffer.data(), buffer.count());  // its result is the host's to choose: the text decides
    return true;
  });
}

}  // namespace

std::string GetProjectDirectory() {
  std::string directory = readPath(tlGetProjectDir);
  if (!directory.empty() && directory.back() != platform::pathDelimiter())
    directory += platform::pathDelimiter();
  return directory;
}

std::string GetProjectDatabasePath() { return readPath(tlGetProjectDB); }

}  // namespace aggregate
