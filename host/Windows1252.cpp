#include "Windows1252.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace host {

namespace {

// One conversion descriptor of glibc's iconv, closed again on every path.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("iconv kann nicht aus " + std::string(from) + " umwandeln");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Returns the descriptor to its initial state, so that one converter serves many texts.
  void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

  // Converts as much of in as iconv accepts and appends it to out; in keeps the rest. False when
  // iconv stopped at a sequence it cannot convert.
  bool convert(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* inPointer = const_cast<char*>(in.data());
      std::size_t inLeft = in.size();
      char* outPointer = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &inPointer, &inLeft, &outPointer, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPointer - buffer));
      in.remove_prefix(in.size() - inLeft);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

bool isUnassigned(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Continuation bytes a UTF-8 lead byte announces; 0 for a byte that leads nothing.
std::size_t announcedContinuations(unsigned char lead) {
  if ((lead & 0xE0) == 0xC0) return 1;
  if ((lead & 0xF0) == 0xE0) return 2;
  if ((lead & 0xF8) == 0xF0) return 3;
  return 0;
}

}  // namespace

std::string ansiToUtf8(std::string_view ansi) {
  // Opening a descriptor costs more than most conversions; every host call converts texts.
  thread_local Converter converter("UTF-8", "WINDOWS-1252");
  converter.reset();
  std::string out;
  out.reserve(ansi.size());
  while (!converter.convert(ansi, out)) {
    const auto byte = static_cast<unsigned char>(ansi.front());
    if (isUnassigned(byte)) {
      out.push_back(static_cast<char>(0xC2));  // U+0080..U+00BF: 0xC2 and the byte itself
      out.push_back(static_cast<char>(byte));
    } else {
      out.push_back('?');
    }
    ansi.remove_prefix(1);
  }
  return out;
}

std::string utf8ToAnsi(std::string_view utf8) {
  thread_local Converter converter("WINDOWS-1252", "UTF-8");
  converter.reset();
  std::string out;
  out.reserve(utf8.size());
  while (!converter.convert(utf8, out)) {
    const auto lead = static_cast<unsigned char>(utf8.front());
    const bool c1Control =
        utf8.size() >= 2 && lead == 0xC2 && isUnassigned(static_cast<unsigned char>(utf8[1]));
    if (c1Control) {
      out.push_back(utf8[1]);
      utf8.remove_prefix(2);
      continue;
    }
    out.push_back('?');
    std::size_t skip = 1;
    for (std::size_t i = 0; i < announcedContinuations(lead) && skip < utf8.size() &&
                            isContinuation(static_cast<unsigned char>(utf8[skip]));
         ++i)
      ++skip;
    utf8.remove_prefix(skip);
  }
  return out;
}

}  // namespace host
