#pragma once

namespace aggregate::platform::win32 {

// True once Windows detaches aggregate.dll (FreeLibrary or the end of the process). Static
// destructors run after that, under the loader lock, when DLLs that were loaded later (ADO, the
// Jet provider) may already be gone: a COM object that lives that long (the change list's
// connection) is then abandoned instead of released.
bool moduleDetaching();

}  // namespace aggregate::platform::win32
