// Splits DCL text into tokens, skipping blanks and // and /* */ comments.
#pragma once
#include <string>
#include <string_view>

namespace dcl {

struct Token {
  enum Kind { End, Name, String, Number, Colon, Semicolon, Equals, OpenBrace, CloseBrace, Include };
  Kind kind = End;
  std::string text;  // names and numbers as written; strings without quotes, escapes resolved
  int line = 1;
};

const char* describe(Token::Kind kind);

class Lexer {
 public:
  Lexer(std::string_view text, std::string fileName);
  // Throws DclError on an unterminated string or comment or a stray character.
  Token next();

 private:
  void skipBlanksAndComments();
  Token readString();
  Token readNumber();
  [[noreturn]] void fail(int line, const std::string& message) const;

  std::string_view text_;
  std::string file_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace dcl
