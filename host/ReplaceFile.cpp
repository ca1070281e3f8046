#include "ReplaceFile.h"

#include <fstream>

#include "Host.h"

namespace host {

void replaceFile(const std::filesystem::path& file, const std::string& content) {
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << content;
    out.flush();
    if (!out) throw HostError("cannot write " + temporary.string());
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) throw HostError("cannot replace " + file.string() + ": " + error.message());
}

}  // namespace host
