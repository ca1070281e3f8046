// A stand-in plug-in for the host's own tests: it reports what the host hands it on standard error
// and drives the host API in ways the real plug-in may not.
#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "TolvarApi.h"

extern "C" {

TL_EXPORT int16_t RecordObject(intptr_t arg1, intptr_t, intptr_t) {
  const auto* info = reinterpret_cast<const TObjectInfo*>(arg1);
  std::fprintf(stderr, "visit %d %s %d\n", info->ObjectID, info->Kennung, info->ClassCode);
  return 1;
}

// Deselects everything while the host iterates the selection.
TL_EXPORT int16_t DeselectingCallback(intptr_t arg1, intptr_t, intptr_t) {
  tlDeselectAll();
  return RecordObject(arg1, 0, 0);
}

// An attribute-change handler that stores the value in upper case.
TL_EXPORT int16_t UpperCaseHandler(intptr_t arg1, intptr_t arg2, intptr_t) {
  const char* value = reinterpret_cast<const char*>(arg1);
  char* destination = reinterpret_cast<char*>(arg2);
  std::fprintf(stderr, "handler %s\n", value);
  std::size_t i = 0;
  for (; value[i] != '\0'; ++i)
    destination[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(value[i])));
  destination[i] = '\0';
  return -1;
}

// Reports the current row's Biotoptyp, then marks it, as the flag handlers do.
TL_EXPORT int16_t MarkCurrentRow(intptr_t arg1, intptr_t arg2, intptr_t) {
  std::strcpy(reinterpret_cast<char*>(arg2), reinterpret_cast<const char*>(arg1));
  char biotoptyp[64] = "";
  tlGetValueByName("BtypHtyp", "Biotoptyp", biotoptyp, 63);
  std::fprintf(stderr, "current %s\n", biotoptyp);
  tlSetValueByName("BtypHtyp", "ist_FFHLRT", "Wahr");
  return -1;
}

TL_EXPORT int16_t WriteOwnOekotyp(intptr_t, intptr_t, intptr_t) {
  tlSetValueByName("BtypHtyp", "Oekotyp", "abc");
  return -1;
}

TL_EXPORT int16_t LeaveUpdateOpen(intptr_t, intptr_t, intptr_t) {
  tlBeginUpdate();
  tlSetValueByName("BtypHtyp", "Bemerkung", "written before the bracket check");
  return -1;
}

TL_EXPORT int16_t CloseUpdateTwice(intptr_t, intptr_t, intptr_t) {
  tlBeginUpdate();
  tlEndUpdate();
  tlEndUpdate();
  return -1;
}

// Reads the project directory and the active object's Kennung into the host's view of stderr.
TL_EXPORT int16_t ReportPaths(intptr_t, intptr_t, intptr_t) {
  char dir[256] = "";
  char db[256] = "";
  tlGetProjectDir(dir, 255);
  tlGetProjectDB(db, 255);
  std::fprintf(stderr, "dir %s\ndb %s\n", dir, db);
  return -1;
}

// The console trace of an error box, as the contract describes it.
TL_EXPORT int16_t ShowErrorBox(intptr_t, intptr_t, intptr_t) {
  std::fprintf(stderr, "[Fehler] Etwas ging schief.\n  Zweite Zeile\n");
  return -1;
}

// A cancellable progress window that the user cancels with Ctrl-C (sent to the whole process).
volatile sig_atomic_t cancelPressed = 0;
void pressCancel(int) { cancelPressed = 1; }
TL_EXPORT int16_t CancelledWindow(intptr_t, intptr_t, intptr_t) {
  struct sigaction cancel {};
  struct sigaction previous {};
  cancel.sa_handler = pressCancel;
  sigaction(SIGINT, &cancel, &previous);
  std::fprintf(stderr, "[Fenster] Lauf\n");
  kill(getpid(), SIGINT);
  for (int i = 0; i < 500 && cancelPressed == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::fprintf(stderr, "[Fenster zu] Lauf\n");
  sigaction(SIGINT, &previous, nullptr);
  return cancelPressed != 0 ? -1 : 0;
}

}  // extern "C"
