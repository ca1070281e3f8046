#include "platform/UserInterface.h"

namespace aggregate::platform {

UserInterface& faceUserInterface();  // defined by each face

namespace {
UserInterface* replacementUi = nullptr;
}

UserInterface& ui() { return replacementUi != nullptr ? *replacementUi : faceUserInterface(); }

UserInterface* replaceUserInterface(UserInterface* replacement) {
  UserInterface* previous = replacementUi;
  replacementUi = replacement;
  return previous;
}

}  // namespace aggregate::platform
