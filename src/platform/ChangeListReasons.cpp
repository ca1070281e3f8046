#include "platform/ChangeListReasons.h"

#include "platform/TextEncoding.h"

namespace aggregate::platform::changelist {

std::string inUse() { return Ansi("Die Datei wird von einem anderen Programm benutzt."); }

std::string writeProtected() { return Ansi("Die Datei ist schreibgeschützt."); }

std::string readProtected() { return Ansi("Die Datei darf nicht gelesen werden."); }

std::string missing() { return Ansi("Die Datei ist nicht mehr vorhanden."); }

std::string notDbase() { return Ansi("Die Datei lässt sich nicht als dBase-Tabelle öffnen."); }

std::string notOpened(long systemError) {
  return Ansi("Die Datei lässt sich nicht öffnen (Fehler ") + std::to_string(systemError) + ").";
}

std::string cutShort(long long claimedRecords, long long headerLength, long long recordLength,
                     long long fileSize) {
  if (recordLength <= 0) return notDbase();
  const long long held = (fileSize - headerLength) / recordLength;
  if (claimedRecords <= held) return {};
  return Ansi("Die Datei ist beschädigt: ihr Kopf nennt ") + std::to_string(claimedRecords) +
         Ansi(" Einträge, sie enthält aber nur ") + std::to_string(held < 0 ? 0 : held) + ".";
}

}  // namespace aggregate::platform::changelist
