#include "areas/AreaRowAccess.h"

#include "areas/AreaFields.h"
#include "contract/TolvarApi.h"
#include "hostdata/AttributeAccess.h"
#include "platform/UserInterface.h"

namespace aggregate {

namespace {
void reportHostFailure(const std::string& text) {
  platform::ui().showMessage(platform::MessageKind::Error, text);
}
}  // namespace

bool WriteRowField(const char* field, const std::string& text) {
  if (tlSetValueByName(areas::kBtypHtyp, field, ToHostText(text).c_str()) != 0) return true;
  reportHostFailure(std::string("Der Wert \"") + text + "\" konnte nicht in das Feld " + field +
                    " geschrieben werden.");
  return false;
}

bool MoveToNextRow() {
  if (tlTableNext(areas::kBtypHtyp) != 0) return true;
  reportHostFailure(
      "Die nächste Zeile von BtypHtyp ließ sich nicht lesen; die Flächenbilanz ist "
      "unvollständig.");
  return false;
}

std::optional<ActiveObject> GetActiveObjectAndClass() {
  ActiveObject object;
  object.id = tlGetActiveGeoObject();
  if (object.id > 0) object.classCode = tlGetClassOf(object.id);
  if (object.classCode != 0) return object;
  reportHostFailure(
      "Das aktive Objekt oder seine Objektklasse ließ sich nicht ermitteln; die "
      "Flächen wurden nicht bearbeitet.");
  return std::nullopt;
}

}  // namespace aggregate
