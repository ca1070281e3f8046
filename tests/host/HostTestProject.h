// A small project for the host's own tests, opened in a fresh directory, with helpers that read
// through the C API as the plug-in does.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClassCodes.h"
#include "Host.h"
#include "ProjectBuilder.h"
#include "TempDir.h"
#include "TolvarApi.h"

namespace hosttest {

// Objects: 1 BT-1 (0..100 x 0..100 m), 2 BT-2 (100..200 x 0..100, touches BT-1), 3 GB-1 (50..150 x
// 0..100), 4 MAS-1 (0..200 x 0..100), 5 FT-1 (point in BT-1), 6 BK-ohne (no geometry), 7 FSN-1
// (multipolygon), 8 BT-fern (far away).
// BT-1 rows: WBA (Zusatzcodes h, m; Vegetationstyp Luzulo-Fagetum > Schichtung B1 > Pflanzenliste
// Fagus sylvatica), xGMF (Zusatzcode x), OZ. BT-2 row: NSS. FT-1: Tierliste Lacerta agilis with NULL
// MASTERKEY. BK-ohne: LINFOS2 OffFlaech 12,5.
struct Keys {
  std::int64_t wba, xgmf, oz, h, m, x, luzulo, b1, fagus, nss, lacerta, linfos;
};

class HostTest : public ::testing::Test {
 protected:
  HostTest();

  testsupport::TempDir temp;
  std::filesystem::path dir;
  Keys keys{};
  host::Host host;

  void activate(const std::string& kennung) { ASSERT_NE(tlSetActiveObject(host.idOf(kennung)), 0); }
  void loadTestPlugin() { host.loadPlugin(HOST_TEST_PLUGIN_PATH); }
};

// The text of a field of the current row; "<none>" when the host reports no value.
std::string value(const char* table, const char* field);
std::string valueByKey(std::int64_t key, const char* table, const char* field);
// A field of every row from First to EOF.
std::vector<std::string> column(const char* table, const char* field);

}  // namespace hosttest
