#include "deleteobject/DeleteObject.h"

#include <string>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/Schema.h"
#include "hostdata/TextConventions.h"

namespace aggregate {

void DeleteBiotoptypRowByKey(platform::UserInterface& ui) {
  const std::string preset = "0";
  const std::string answer = ui.askText("PKey", "Jau", preset).value_or(preset);
  const auto key = ParseIntegerText(answer);
  if (!key) throw LibraryError("'" + answer + "' ist kein gültiger Ganzzahlwert.");
  // A key that no row of the active object has deletes nothing, and nothing is said either way.
  tlDeleteRecord(schema::kBtypHtyp.name, *key);
}

}  // namespace aggregate
