// tolvar <dir> import <source> --class BT|GB|BK|FSN|MAS|FT|FP --kennung FIELD [--layer NAME]: the
// features of any vector source GDAL/OGR reads become objects of one class, one object per feature,
// with the attributes that match fields of the class's tables as one row in each such table.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Host.h"

namespace tolvar {

struct ImportOptions {
  std::filesystem::path source;
  std::int32_t classCode = 0;
  std::string kennungField;
  std::optional<std::string> layer;
};

// The arguments after "import"; throws UsageError.
ImportOptions parseImportOptions(const std::vector<std::string>& args);

class GisImporter {
 public:
  // Progress goes to err, redrawn in place when it is a terminal.
  GisImporter(host::Host& host, std::ostream& err, bool terminal);

  // All or nothing: a source with a geographic coordinate system, empty or repeated Kennungen, or
  // Kennungen the project has already is refused (HostError) before anything is written. Returns
  // what was imported, in one line.
  std::string run(const ImportOptions& options);

 private:
  host::Host& host_;
  std::ostream& err_;
  bool terminal_;
};

}  // namespace tolvar
