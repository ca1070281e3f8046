#include "changelist/ChangeListMarking.h"

#include <exception>

#include "changelist/ChangeListConnectionCache.h"
#include "hostdata/ObjectData.h"
#include "hostdata/ProjectPaths.h"
#include "platform/FileSystem.h"

namespace aggregate {

namespace {
constexpr const char* kFileName = "TA_LIST.DBF";
constexpr const char* kIgnored = "IGNORED";
}  // namespace

std::optional<UnmarkedObject> MarkObjectChanged(int32_t objectId) {
  const std::string projectDirectory = GetProjectDirectory();
  // Only the project directory is ever consulted, never a root or working directory instead.
  if (projectDirectory.empty()) return UnmarkedObject{UnmarkedObject::Why::NoProjectDirectory, {}, {}};
  const std::string file = projectDirectory + kFileName;
  if (!platform::fileExists(file)) {
    // A directory that is not there is no project without a change list: its name may have lost
    // characters on its way through the host's 8-bit texts.
    if (!platform::directoryExists(projectDirectory))
      return UnmarkedObject{UnmarkedObject::Why::ProjectDirectoryMissing, projectDirectory, {}};
    return std::nullopt;
  }
  const std::string kennung = GetObjectKennung(objectId);
  // An entry with a blank Kennung is another object's, or none.
  if (kennung.empty())
    return UnmarkedObject{UnmarkedObject::Why::ListNotUpdated, file,
                          "Die Kennung des Zielobjekts ließ sich nicht ermitteln."};
  try {
    platform::ChangeListConnection& connection = ChangeListConnectionOf(projectDirectory);
    if (connection.changeState(kennung) == kIgnored) connection.setChangeStateUpdate(kennung);
  } catch (const std::exception& failure) {
    return UnmarkedObject{UnmarkedObject::Why::ListNotUpdated, file, failure.what()};
  }
  return std::nullopt;
}

}  // namespace aggregate
