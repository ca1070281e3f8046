#pragma once
// The first page of a Jet 4 database file: what tells Jet the file is one of its databases.
#include <string>

namespace wintest {

// An empty Jet 4 database file: its signature page, nothing else the stand-in reads.
void createJetDatabaseFile(const std::wstring& path);
// True when the file begins with Jet's signature (a 0-byte file does not).
bool isJetDatabaseFile(const std::wstring& path);

}  // namespace wintest
