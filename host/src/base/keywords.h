// Keyword lists of acedInitGet: "Oui Non", "LType,LT eXit", and local
// keywords followed by their global spellings after "_": "Oui Non _Yes No".
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class KeywordList {
 public:
  KeywordList() = default;
  explicit KeywordList(std::string_view spec);
  bool empty() const { return local_.empty(); }

  // The keyword `typed` stands for, as the list spells it (the global
  // spelling when the list has one), or nothing. Case is ignored; the capital
  // letters of a keyword are what must be typed at least ("LType": "LT",
  // "LTY" ...; "eXit": "X" or "EX"...); "_name" looks among the global ones.
  std::optional<std::string> match(std::string_view typed) const;

 private:
  struct Keyword {
    std::string spelled;  // as written in the list
    std::string full;     // upper-case
    std::string abbrev;   // upper-case: what may be typed alone
    size_t required = 0;  // shortest prefix of `full` accepted
  };
  static Keyword parse(const std::string& word);
  static bool accepts(const Keyword& k, const std::string& typed);

  std::vector<Keyword> local_, global_;
};

}  // namespace host
