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
    if (!out) throw HostError(temporary.string() + " lässt sich nicht schreiben");
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) throw HostError(file.string() + " lässt sich nicht ersetzen: " + error.message());
}

}  // namespace host
