#pragma once
#include <string>

#include "platform/ChangeListConnection.h"

namespace aggregate {

// The connection to the change list of projectDirectory (with its trailing path delimiter), kept
// for later calls of the same project as long as the library is loaded; another project gets its
// own, so an entry of one project is never marked in the list of another. A connection that
// failed to open is not kept. Throws LibraryError when it cannot be opened.
platform::ChangeListConnection& ChangeListConnectionOf(const std::string& projectDirectory);

}  // namespace aggregate
