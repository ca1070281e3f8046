#pragma once
// The Massnahmen aggregation's connection to the project database the host names: the rows of
// other objects are found there and read through the host by key.
#include <memory>

#include "platform/ProjectDatabase.h"
#include "platform/UserInterface.h"

namespace aggregate {

// Connects, checks the tables and fields the queries read, and opens the tables the run writes
// to. Tells the user and gives none when no connection could be made or a queried table or field
// is missing; gives the connection when a table written to is missing (told too).
std::unique_ptr<platform::ProjectDatabase> ConnectProjectDatabase(platform::UserInterface& ui);

}  // namespace aggregate
