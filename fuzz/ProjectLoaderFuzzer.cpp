// The simulated host's project files: objects.geojson and tolvar.json. A malformed file is refused
// with an exception the host reports, never a crash. The first byte picks the file.
#include <cstddef>
#include <cstdint>
#include <exception>

#include "FuzzFile.h"
#include "Geometry.h"
#include "HostConfig.h"
#include "ObjectsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool objects = data[0] % 2 == 0;
  const fuzz::FuzzFile file(objects ? "objects.geojson" : "tolvar.json", data + 1, size - 1);
  try {
    if (objects) {
      static const host::GeosContext geos;
      host::loadObjects(file.path(), geos);
    } else {
      host::loadHostConfig(file.path());
    }
  } catch (const std::exception&) {
  }
  return 0;
}
