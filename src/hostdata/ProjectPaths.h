#pragma once
// The project's folder and database as the host names them.
#include <string>

namespace aggregate {

// Ends with the platform's path delimiter; empty when the host gives no text (its flag says
// nothing).
std::string GetProjectDirectory();
std::string GetProjectDatabasePath();

}  // namespace aggregate
