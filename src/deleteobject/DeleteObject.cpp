#include "deleteobject/DeleteObject.h"

#include <string>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/TextConventions.h"
#include "platform/UserInterface.h"

namespace aggregate {

void DeleteBiotopTypRowByKey() {
  const std::string preset = "0";
  const std::string answer = platform::ui().askText("PKey", "Jau", preset).value_or(preset);
  const auto key = ParseIntegerText(answer);
  if (!key) throw LibraryError("'" + answer + "' ist kein gültiger Ganzzahlwert.");
  // A key that no row of the active object has deletes nothing, and nothing is said either way.
  tlDeleteRecord("BtypHtyp", *key);
}

}  // namespace aggregate
