#pragma once
// What the host tells of an object by its id, and the host's active object, on which every table
// function acts.
#include <cstdint>
#include <string>

namespace aggregate {

// Empty when the host cannot give it.
std::string GetObjectKennung(int32_t objectId);
// Has the host bring its view of the object up to date, when it knows the object.
void SynchronizeObject(int32_t objectId);

// Makes the object the host's active object and tells whether it now is: tlSetActiveObject says
// nothing of its effect, so the active object is read back. Table work after a false answer would
// act on whichever object is active instead.
bool MakeActive(int32_t objectId);

// The active object and its class code; id 0 when none is active, class 0 when the host cannot
// name it.
struct ActiveObject {
  int32_t id = 0;
  int32_t classCode = 0;
};
ActiveObject GetActiveObject();

}  // namespace aggregate
