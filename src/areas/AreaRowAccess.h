#pragma once
// The host calls of the area handlers and the area balance whose failure the user must learn of:
// a figure that is not written, or an object the host cannot name, leaves the areas stale.
#include <cstdint>
#include <optional>
#include <string>

namespace aggregate {

// Writes text into a field of the current BtypHtyp row; a write the host refuses is told to the
// user. Returns whether the host took it.
bool WriteRowField(const char* field, const std::string& text);

// Moves to the next BtypHtyp row; a move the host refuses is told to the user, and the walk must
// end, since the same row would otherwise be counted twice.
bool MoveToNextRow();

// The active object and its class; the user is told when the host cannot name them.
struct ActiveObject {
  int32_t id = 0;
  int32_t classCode = 0;
};
std::optional<ActiveObject> GetActiveObjectAndClass();

}  // namespace aggregate
