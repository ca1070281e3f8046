#include "areas/AreaHandlers.h"

namespace aggregate {

void HandleFlaechenanteilChanged(const char*, char*) {}
void HandleFlaecheAbsolutChanged(const char*, char*) {}
void HandleFFHValueChanged(const char*, char*) {}
void HandleP62ValueChanged(const char*, char*) {}

}  // namespace aggregate
