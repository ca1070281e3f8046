// Connecting to a database that does not exist fails (the test prefix's ADO refuses it as Jet
// would), and that failure must be clean.
#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>

#include <functional>
#include <utility>

#include "FaceTests.h"
#include "common/LibraryError.h"
#include "platform/ChangeListConnection.h"
#include "platform/ProjectDatabase.h"

namespace facetests {

using namespace aggregate::platform;
using wintest::Checks;

namespace {

const std::string kDatabase = "C:\\Projekt mit Leerzeichen\\Projekt.mdb";
const std::string kDirectory = "C:\\Projekt mit Leerzeichen";

// The message of the LibraryError that connecting throws; empty when it throws nothing.
std::string connectionFailure(const std::function<void()>& connect) {
  try {
    connect();
  } catch (const aggregate::LibraryError& failure) {
    return failure.what();
  }
  return {};
}

void connectProject() {
  connectProjectDatabase(
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + kDatabase + ";Persist Security Info=False",
      kDatabase);
}

void connectChanges() {
  connectChangeList(
      "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + kDirectory + ";Extended Properties=DBASE III;",
      kDirectory);
}

// A thread routine is stdcall on 32-bit x86; a plain lambda would not be.
DWORD WINAPI runBody(void* body) {
  (*static_cast<const std::function<void()>*>(body))();
  return 0;
}

// Each case runs on a thread of its own, so that its COM state starts as the case says.
void onNewThread(const std::function<void()>& body) {
  const HANDLE thread =
      CreateThread(nullptr, 0, runBody, const_cast<std::function<void()>*>(&body), 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
}

// The message is what the user is told: the provider's text with its code, after the German
// reason where the change list has one.
void checkFailure(Checks& checks, const std::string& message,
                  const std::string& lead = "Could not find file") {
  checks.that(!message.empty(), "connecting throws LibraryError");
  checks.that(message.rfind(lead, 0) == 0, "the message begins \"" + lead + "\": " + message);
}

}  // namespace

void adoFailureTests(Context& context) {
  context.run.group("ADO: a data source that does not exist");

  struct Connection {
    const char* name;
    void (*connect)();
    const char* lead;
  };
  const Connection connections[] = {
      {"the project database", connectProject, "Could not find file"},
      {"the change list", connectChanges, "Die Datei ist nicht mehr vorhanden. ("}};
  for (const auto& [name, connect, lead] : connections) {
    context.run.run(std::string(name) + " fails with a message and leaves COM as it was",
                    [&](Checks& checks) {
                      onNewThread([&] {
                        checkFailure(checks, connectionFailure(connect), lead);
                        const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                        checks.that(again == S_OK, "COM is uninitialised again on a thread that had none");
                        if (SUCCEEDED(again)) CoUninitialize();
                      });
                    });
  }

  context.run.run("a host thread already in an apartment keeps it", [&](Checks& checks) {
    onNewThread([&] {
      CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      checkFailure(checks, connectionFailure(connectProject));
      const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      checks.that(again == S_FALSE, "the host's apartment is still there");
      CoUninitialize();
      CoUninitialize();
    });
  });

  context.run.run("a host thread in the multithreaded apartment can connect as well", [&](Checks& checks) {
    onNewThread([&] {
      CoInitializeEx(nullptr, COINIT_MULTITHREADED);
      const std::string message = connectionFailure(connectProject);
      checkFailure(checks, message);
      checks.that(message.find("CoInitializeEx") == std::string::npos, "no complaint about the apartment");
      CoUninitialize();
    });
  });
}

}  // namespace facetests
