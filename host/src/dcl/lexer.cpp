#include "dcl/lexer.h"

#include <cctype>

#include "dcl/dcl_error.h"

namespace dcl {
namespace {

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

const char* describe(Token::Kind kind) {
  switch (kind) {
    case Token::End: return "la fin du fichier";
    case Token::Name: return "un nom";
    case Token::String: return "une chaîne";
    case Token::Number: return "un nombre";
    case Token::Colon: return "':'";
    case Token::Semicolon: return "';'";
    case Token::Equals: return "'='";
    case Token::OpenBrace: return "'{'";
    case Token::CloseBrace: return "'}'";
    case Token::Include: return "@include";
  }
  return "?";
}

Lexer::Lexer(std::string_view text, std::string fileName)
    : text_(text), file_(std::move(fileName)) {}

void Lexer::fail(int line, const std::string& message) const {
  throw DclError(file_, line, message);
}

void Lexer::skipBlanksAndComments() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++pos_;
    } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
      const int startLine = line_;
      pos_ += 2;
      for (;;) {
        if (pos_ + 1 >= text_.size()) fail(startLine, "commentaire /* non terminé");
        if (text_[pos_] == '*' && text_[pos_ + 1] == '/') break;
        if (text_[pos_] == '\n') ++line_;
        ++pos_;
      }
      pos_ += 2;
    } else {
      return;
    }
  }
}

Token Lexer::readString() {
  Token t{Token::String, {}, line_};
  ++pos_;  // opening quote
  for (;;) {
    if (pos_ >= text_.size() || text_[pos_] == '\n') fail(t.line, "chaîne non terminée");
    const char c = text_[pos_++];
    if (c == '"') return t;
    if (c != '\\') {
      t.text += c;
      continue;
    }
    if (pos_ >= text_.size()) fail(t.line, "chaîne non terminée");
    const char e = text_[pos_++];
    switch (e) {
      case '"': t.text += '"'; break;
      case '\\': t.text += '\\'; break;
      case 'n': t.text += '\n'; break;
      case 't': t.text += '\t'; break;
      case '\n': fail(t.line, "chaîne non terminée");
      default:  // kept as written: labels may hold paths with backslashes
        t.text += '\\';
        t.text += e;
    }
  }
}

Token Lexer::readNumber() {
  Token t{Token::Number, {}, line_};
  const size_t start = pos_;
  if (text_[pos_] == '-' || text_[pos_] == '+') ++pos_;
  size_t digits = 0;
  while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_, ++digits;
  if (pos_ < text_.size() && text_[pos_] == '.') {
    ++pos_;
    while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_, ++digits;
  }
  if (digits == 0) fail(line_, "nombre mal formé");
  if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
    size_t p = pos_ + 1;
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) ++p;
    if (p < text_.size() && isDigit(text_[p])) {
      while (p < text_.size() && isDigit(text_[p])) ++p;
      pos_ = p;
    }
  }
  if (pos_ < text_.size() && (isNameChar(text_[pos_]) || text_[pos_] == '.'))
    fail(line_, "nombre mal formé");
  t.text.assign(text_.substr(start, pos_ - start));
  return t;
}

Token Lexer::next() {
  skipBlanksAndComments();
  if (pos_ >= text_.size()) return Token{Token::End, {}, line_};
  const char c = text_[pos_];
  auto single = [&](Token::Kind k) {
    ++pos_;
    return Token{k, std::string(1, c), line_};
  };
  switch (c) {
    case ':': return single(Token::Colon);
    case ';': return single(Token::Semicolon);
    case '=': return single(Token::Equals);
    case '{': return single(Token::OpenBrace);
    case '}': return single(Token::CloseBrace);
    case '"': return readString();
    default: break;
  }
  if (c == '@') {
    size_t p = pos_ + 1;
    while (p < text_.size() && isNameChar(text_[p])) ++p;
    if (text_.substr(pos_ + 1, p - pos_ - 1) != "include")
      fail(line_, "directive inconnue après '@'");
    pos_ = p;
    return Token{Token::Include, "@include", line_};
  }
  if (isDigit(c) || c == '-' || c == '+' || c == '.') return readNumber();
  if (isNameStart(c)) {
    Token t{Token::Name, {}, line_};
    const size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    t.text.assign(text_.substr(start, pos_ - start));
    return t;
  }
  if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f)
    fail(line_, "caractère inattendu (code " + std::to_string(static_cast<unsigned char>(c)) + ")");
  fail(line_, std::string("caractère inattendu '") + c + "'");
}

}  // namespace dcl
