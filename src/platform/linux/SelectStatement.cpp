#include "platform/linux/SelectStatement.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "common/LibraryError.h"

namespace aggregate::platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Words split at blanks; '=' is a word of its own.
std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (isBlank(text[pos])) {
      ++pos;
    } else if (text[pos] == '=') {
      words.push_back(text.substr(pos++, 1));
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && !isBlank(text[pos]) && text[pos] != '=') ++pos;
      words.push_back(text.substr(start, pos - start));
    }
  }
  return words;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameWord(std::string_view word, std::string_view keyword) {
  return std::equal(word.begin(), word.end(), keyword.begin(), keyword.end(),
                    [](char a, char b) { return asciiLower(a) == asciiLower(b); });
}

// Plain names only: anything else could not be handed on to mdbtools safely.
bool isName(std::string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace

SelectStatement parseSelectStatement(std::string_view text) {
  const std::vector<std::string_view> words = wordsOf(text);
  SelectStatement statement;
  const bool shaped = words.size() == 8 && sameWord(words[0], "select") && isName(words[1]) &&
                      sameWord(words[2], "from") && isName(words[3]) && sameWord(words[4], "where") &&
                      sameWord(words[5], "TOLVARID") && words[6] == "=";
  const std::string_view id = shaped ? words[7] : std::string_view();
  const auto parsed = std::from_chars(id.data(), id.data() + id.size(), statement.objectId);
  if (!shaped || parsed.ec != std::errc() || parsed.ptr != id.data() + id.size())
    throw LibraryError("Nicht unterstützte Abfrage: " + std::string(text));
  statement.column = words[1];
  statement.table = words[3];
  return statement;
}

}  // namespace aggregate::platform
