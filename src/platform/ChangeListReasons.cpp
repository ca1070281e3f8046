#include "platform/ChangeListReasons.h"

namespace aggregate::platform::changelist {

std::string inUse() { return "Die Datei wird von einem anderen Programm benutzt."; }

std::string writeProtected() { return "Die Datei ist schreibgeschützt."; }

std::string readProtected() { return "Die Datei darf nicht gelesen werden."; }

std::string missing() { return "Die Datei ist nicht mehr vorhanden."; }

std::string notDbase() { return "Die Datei lässt sich nicht als dBase-Tabelle öffnen."; }

std::string notOpened(long systemError) {
  return std::string("Die Datei lässt sich nicht öffnen (Fehler ") + std::to_string(systemError) + ").";
}

std::string cutShort(long long claimedRecords, long long headerLength, long long recordLength,
                     long long fileSize) {
  if (recordLength <= 0) return notDbase();
  const long long held = (fileSize - headerLength) / recordLength;
  if (claimedRecords <= held) return {};
  return std::string("Die Datei ist beschädigt: ihr Kopf nennt ") + std::to_string(claimedRecords) +
         " Einträge, sie enthält aber nur " + std::to_string(held < 0 ? 0 : held) + ".";
}

}  // namespace aggregate::platform::changelist
