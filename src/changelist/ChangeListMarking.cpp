#include "changelist/ChangeListMarking.h"

#include <exception>
#include <memory>

#include "hostdata/AttributeAccess.h"
#include "platform/ConnectionString.h"
#include "platform/FileSystem.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {

constexpr const char* kFileName = "TA_LIST.DBF";

struct CachedConnection {
  std::string directory;
  std::unique_ptr<platform::ChangeListConnection> connection;
};

CachedConnection& cached() {
  static CachedConnection connection;
  return connection;
}

void reportFailure(const std::string& file, const std::string& reason) {
  std::string text = std::string("Die Biotoptypen wurden übertragen, aber die Änderungsliste ") + file +
                     " konnte nicht aktualisiert werden.";
  if (!reason.empty()) text += "\r\n" + reason;
  platform::ui().showMessage(platform::MessageKind::Error, text);
}

void reportUncheckedList(const std::string& reason) {
  platform::ui().showMessage(
      platform::MessageKind::Error,
      std::string("Die Biotoptypen wurden übertragen, aber die Änderungsliste konnte nicht "
                  "geprüft werden: ") +
          reason);
}

}  // namespace

void MarkObjectChanged(int32_t objectId) {
  const std::string projectDirectory = GetProjectDirectory();
  // Only the project directory is ever consulted, never a root or working directory instead.
  if (projectDirectory.empty()) {
    reportUncheckedList("Tolvar nennt kein Projektverzeichnis.");
    return;
  }
  const std::string file = projectDirectory + kFileName;
  if (!platform::fileExists(file)) {
    // A directory that is not there is no project without a change list: its name may have lost
    // characters on its way through the host's 8-bit texts.
    if (!platform::directoryExists(projectDirectory))
      reportUncheckedList(std::string("das Projektverzeichnis ") + projectDirectory +
                          " wurde nicht gefunden.");
    return;
  }
  const std::string kennung = GetObjectKennung(objectId);
  // An entry with a blank Kennung is another object's, or none.
  if (kennung.empty()) {
    reportFailure(file, "Die Kennung des Zielobjekts ließ sich nicht ermitteln.");
    return;
  }
  try {
    platform::ChangeListConnection& connection = GetChangeListConnection(projectDirectory);
    if (GetChangeState(kennung, connection) == "IGNORED") SetChangeStateUpdate(kennung, connection);
  } catch (const std::exception& failure) {
    reportFailure(file, failure.what());
  }
}

platform::ChangeListConnection& GetChangeListConnection(const std::string& projectDirectory) {
  CachedConnection& cache = cached();
  const std::string directory = platform::withoutTrailingDelimiter(projectDirectory);
  if (cache.connection == nullptr || cache.directory != directory) {
    cache.connection.reset();
    cache.connection = platform::connectChangeList(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + platform::connectionStringValue(directory) +
            ";Extended Properties=DBASE III;",
        directory);
    cache.directory = directory;
  }
  return *cache.connection;
}

std::string GetChangeState(const std::string& kennung, platform::ChangeListConnection& connection) {
  return connection.changeState(kennung);
}

void SetChangeStateUpdate(const std::string& kennung, platform::ChangeListConnection& connection) {
  connection.setChangeStateUpdate(kennung);
}

}  // namespace aggregate
