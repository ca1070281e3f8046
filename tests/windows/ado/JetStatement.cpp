#include "ado/JetStatement.h"

#include <cctype>
#include <stdexcept>
#include <vector>

#include "ado/AdoError.h"
#include "ado/Table.h"

namespace adostandin {

namespace {

struct Token {
  enum class Kind { Word, Name, Integer, Text, Marker, Equals } kind;
  std::string text;
};

bool isWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool isWordPart(char c) { return isWordStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

AdoError missingOperator() { return errors::syntax("Syntax error (missing operator) in query expression."); }

std::vector<Token> tokens(const std::string& text) {
  std::vector<Token> found;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++at;
    } else if (isWordStart(c)) {
      std::size_t end = at;
      while (end < text.size() && (isWordPart(text[end]) || text[end] == '.')) ++end;
      found.push_back({Token::Kind::Word, text.substr(at, end - at)});
      at = end;
    } else if (c == '[') {
      const std::size_t end = text.find(']', at);
      if (end == std::string::npos || end == at + 1) throw errors::syntax("Invalid bracketing of name.");
      found.push_back({Token::Kind::Name, text.substr(at + 1, end - at - 1)});
      at = end + 1;
    } else if (isDigit(c) || (c == '-' && at + 1 < text.size() && isDigit(text[at + 1]))) {
      std::size_t end = at + 1;
      while (end < text.size() && isDigit(text[end])) ++end;
      if (end < text.size() && isWordPart(text[end])) throw missingOperator();
      found.push_back({Token::Kind::Integer, text.substr(at, end - at)});
      at = end;
    } else if (c == '\'') {
      std::string value;
      std::size_t end = at + 1;
      for (;; ++end) {
        if (end >= text.size()) throw errors::syntax("Syntax error in string in query expression.");
        if (text[end] != '\'') {
          value += text[end];
        } else if (end + 1 < text.size() && text[end + 1] == '\'') {
          value += '\'';
          ++end;
        } else {
          break;
        }
      }
      found.push_back({Token::Kind::Text, value});
      at = end + 1;
    } else if (c == '?') {
      found.push_back({Token::Kind::Marker, "?"});
      ++at;
    } else if (c == '=') {
      found.push_back({Token::Kind::Equals, "="});
      ++at;
    } else {
      throw missingOperator();
    }
  }
  return found;
}

bool isKeyword(const std::string& word) {
  for (const char* keyword :
       {"SELECT", "FROM",  "WHERE",  "UPDATE", "SET",      "AND",    "OR",     "NOT",  "ORDER",
        "BY",     "GROUP", "INSERT", "DELETE", "INTO",     "VALUES", "AS",     "ON",   "IN",
        "IS",     "NULL",  "LIKE",   "JOIN",   "DISTINCT", "TOP",    "HAVING", "UNION"})
    if (sameName(word, keyword)) return true;
  return false;
}

class Parser {
 public:
  Parser(const std::string& text, bool tablesAreFiles)
      : tokens_(tokens(text)), tablesAreFiles_(tablesAreFiles) {}

  JetStatement statement() {
    JetStatement parsed;
    if (accept("SELECT")) {
      parsed.kind = JetStatement::Kind::Select;
      parsed.column = name();
      if (!accept("FROM")) throw errors::syntax("Syntax error in FROM clause.");
      parsed.table = table();
    } else if (accept("UPDATE")) {
      parsed.kind = JetStatement::Kind::Update;
      parsed.table = table();
      if (!accept("SET")) throw errors::syntax("Syntax error in UPDATE statement.");
      parsed.column = name();
      expectEquals();
      parsed.newValue = operand();
    } else {
      throw errors::syntax(
          "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.");
    }
    if (accept("WHERE")) {
      Condition condition;
      condition.column = name();
      expectEquals();
      condition.value = operand();
      parsed.where = condition;
    }
    if (at_ != tokens_.size()) throw missingOperator();
    return parsed;
  }

 private:
  const Token* peek() const { return at_ < tokens_.size() ? &tokens_[at_] : nullptr; }

  bool accept(const char* keyword) {
    const Token* next = peek();
    if (next == nullptr || next->kind != Token::Kind::Word || !sameName(next->text, keyword)) return false;
    ++at_;
    return true;
  }

  std::string name() {
    const Token* next = peek();
    if (next == nullptr) throw missingOperator();
    if (next->kind == Token::Kind::Name) return tokens_[at_++].text;
    if (next->kind != Token::Kind::Word || isKeyword(next->text) || next->text.find('.') != std::string::npos)
      throw missingOperator();
    return tokens_[at_++].text;
  }

  // A table of a dBase folder is its file name; a name with a dot means nothing to a database.
  std::string table() {
    const Token* next = peek();
    if (next == nullptr || (next->kind != Token::Kind::Word && next->kind != Token::Kind::Name) ||
        (next->kind == Token::Kind::Word && isKeyword(next->text)))
      throw errors::syntax("Syntax error in FROM clause.");
    const std::string& text = next->text;
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos && (!tablesAreFiles_ || dot == 0 || dot + 1 == text.size() ||
                                     text.find('.', dot + 1) != std::string::npos))
      throw errors::syntax("Syntax error in FROM clause.");
    ++at_;
    return text;
  }

  void expectEquals() {
    const Token* next = peek();
    if (next == nullptr || next->kind != Token::Kind::Equals) throw missingOperator();
    ++at_;
  }

  Operand operand() {
    const Token* next = peek();
    if (next == nullptr) throw missingOperator();
    Operand value;
    switch (next->kind) {
      case Token::Kind::Integer:
        value.kind = Operand::Kind::Integer;
        try {
          value.integer = std::stoi(next->text);
        } catch (const std::out_of_range&) {
          throw errors::typeMismatch();
        }
        break;
      case Token::Kind::Text:
        value.kind = Operand::Kind::Text;
        value.text = next->text;
        break;
      case Token::Kind::Marker:
        value.kind = Operand::Kind::Parameter;
        break;
      default:
        throw missingOperator();
    }
    ++at_;
    return value;
  }

  std::vector<Token> tokens_;
  bool tablesAreFiles_;
  std::size_t at_ = 0;
};

}  // namespace

int JetStatement::parameterCount() const {
  int count = kind == Kind::Update && newValue.kind == Operand::Kind::Parameter ? 1 : 0;
  if (where && where->value.kind == Operand::Kind::Parameter) ++count;
  return count;
}

JetStatement JetStatement::parse(const std::string& text, bool tablesAreFiles) {
  return Parser(text, tablesAreFiles).statement();
}

}  // namespace adostandin
