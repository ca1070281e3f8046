#include "deleteobject/DeleteObject.h"

#include <string>

#include "common/LibraryError.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "hostdata/TextConventions.h"
#include "platform/UserInterface.h"

namespace aggregate {

void DeleteBiotopTypRowByKey() {
  const std::string preset = "0";
  const std::string answer = platform::ui().askText("PKey", "Jau", preset).value_or(preset);
  const auto key = ParseIntegerText(answer);
  if (!key) throw LibraryError("'" + answer + "' ist kein gültiger Ganzzahlwert.");
  // A key that no row has deletes nothing and stays unsaid; a row that stays was refused.
  if (tlDeleteRecord("BtypHtyp", *key) == 0 && !GetValueByPKey("BtypHtyp", "PKEY", *key).empty())
    throw LibraryError(std::string("Die Zeile mit PKey ") + std::to_string(*key) +
                       " der Tabelle BtypHtyp lässt sich nicht löschen.");
}

}  // namespace aggregate
