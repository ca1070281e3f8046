#pragma once
// Marking a changed object in the project's change list TA_LIST.DBF: an entry in state
// "IGNORED" becomes "UPDATE"; every other state, and an object without an entry, stays.
#include <cstdint>
#include <optional>
#include <string>

namespace aggregate {

// Why an object could not be marked.
struct UnmarkedObject {
  enum class Why {
    NoProjectDirectory,       // the host gave no project directory
    ProjectDirectoryMissing,  // the directory the host named does not exist (where: the directory)
    ListNotUpdated,           // the list could not be read or updated (where: the file; reason)
  };
  Why why;
  std::string where;
  std::string reason;
};

// Does nothing in a project without a change list; what kept the object from being marked, if
// anything. Never throws for a failure of the list.
std::optional<UnmarkedObject> MarkObjectChanged(int32_t objectId);

}  // namespace aggregate
