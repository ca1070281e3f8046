#pragma once
// Marking a changed object in the project's change list TA_LIST.DBF: an entry in state
// "IGNORED" becomes "UPDATE"; every other state, and an object without an entry, stays.
#include <cstdint>
#include <string>

#include "platform/ChangeListConnection.h"

namespace aggregate {

// Does nothing in a project without a change list. A failing access is told to the user and
// ends the marking; it never reaches the caller.
void MarkObjectChanged(int32_t objectId);

// The connection to the change list of projectDirectory (with its trailing path delimiter).
// Kept for later calls of the same project; another project gets its own, so an entry of one
// project is never marked in the list of another. A connection that failed to open is not kept.
platform::ChangeListConnection& GetChangeListConnection(const std::string& projectDirectory);
// CHANGED of the first entry of the Kennung; empty when it has none.
std::string GetChangeState(const std::string& kennung, platform::ChangeListConnection& connection);
// CHANGED := "UPDATE" in every entry of the Kennung.
void SetChangeStateUpdate(const std::string& kennung, platform::ChangeListConnection& connection);

}  // namespace aggregate
