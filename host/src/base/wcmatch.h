// The host's wildcard patterns, as LISP wcmatch and selection filters use them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Matches `text` against `pattern`: alternatives separated by commas, each
// optionally starting with "~" (anything but this alternative); "*" any run,
// "?" any character, "#" a digit, "@" a letter, "." a character that is neither
// letter nor digit, "[..]" / "[~..]" a class with ranges a-z, "`" escapes the
// next character. Texts are UTF-8 and compared by character. LISP's wcmatch is
// case-sensitive; selection filters ignore case.
bool wcmatch(std::string_view text, std::string_view pattern, bool ignoreCase = false);

// A pattern parsed once, for matching many texts (layer and type filters).
class WcPattern {
 public:
  WcPattern(std::string_view pattern, bool ignoreCase);
  bool matches(std::string_view text) const;

 private:
  struct Element {
    enum Kind { Literal, AnyOne, Digit, Alpha, NonAlnum, Star, Class } kind = Literal;
    char32_t c = 0;
    bool negated = false;  // for Class
    std::vector<std::pair<char32_t, char32_t>> ranges;
    bool accepts(char32_t ch, bool ignoreCase) const;
  };
  struct Alternative {
    bool negated = false;
    std::vector<Element> elements;
  };
  bool matchAlternative(const Alternative& alt, const std::u32string& text) const;

  std::vector<Alternative> alternatives_;
  bool ignoreCase_;
};

// UTF-8 to code points; a malformed byte stands for itself.
std::u32string decodeUtf8(std::string_view text);

}  // namespace host
