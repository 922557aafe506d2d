#include "base/keywords.h"

#include <cctype>

namespace host {

namespace {

std::string upper(std::string_view s) {
  std::string u;
  for (char c : s) u.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  return u;
}

}  // namespace

KeywordList::Keyword KeywordList::parse(const std::string& word) {
  Keyword k;
  const size_t comma = word.find(',');
  k.spelled = word.substr(0, comma);
  k.full = upper(k.spelled);
  if (comma != std::string::npos) {
    // "LTYPE,LT": the part after the comma is the abbreviation.
    k.abbrev = upper(word.substr(comma + 1));
    k.required =
        k.full.compare(0, k.abbrev.size(), k.abbrev) == 0 ? k.abbrev.size() : k.full.size();
    return k;
  }
  size_t lastCapital = std::string::npos;
  bool lower = false;
  for (size_t i = 0; i < k.spelled.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(k.spelled[i]);
    if (std::isupper(c)) {
      k.abbrev.push_back(static_cast<char>(c));
      lastCapital = i;
    } else if (std::islower(c)) {
      lower = true;
    }
  }
  if (lastCapital == std::string::npos || !lower) {
    // no capitals, or nothing but capitals: the whole word is required
    k.abbrev = k.full;
    k.required = k.full.size();
  } else {
    k.required = lastCapital + 1;
  }
  return k;
}

bool KeywordList::accepts(const Keyword& k, const std::string& t) {
  if (t.empty()) return false;
  if (t == k.full || t == k.abbrev) return true;
  return t.size() >= k.required && t.size() <= k.full.size() && k.full.compare(0, t.size(), t) == 0;
}

KeywordList::KeywordList(std::string_view spec) {
  bool global = false;
  size_t i = 0;
  while (i < spec.size()) {
    while (i < spec.size() && (spec[i] == ' ' || spec[i] == '\t')) ++i;
    size_t j = i;
    while (j < spec.size() && spec[j] != ' ' && spec[j] != '\t') ++j;
    if (j > i) {
      std::string word(spec.substr(i, j - i));
      if (!global && word[0] == '_') {
        global = true;
        word.erase(0, 1);
      }
      if (!word.empty()) (global ? global_ : local_).push_back(parse(word));
    }
    i = j;
  }
  if (local_.empty()) local_.swap(global_);  // "_Yes No" alone: they are the keywords
}

std::optional<std::string> KeywordList::match(std::string_view typed) const {
  std::string t = upper(typed);
  while (!t.empty() && t.back() == ' ') t.pop_back();
  while (!t.empty() && t.front() == ' ') t.erase(0, 1);
  if (!t.empty() && t[0] == '_') {
    const std::vector<Keyword>& globals = global_.empty() ? local_ : global_;
    t.erase(0, 1);
    for (const Keyword& k : globals)
      if (accepts(k, t)) return k.spelled;
    return std::nullopt;
  }
  for (size_t i = 0; i < local_.size(); ++i) {
    if (!accepts(local_[i], t)) continue;
    return i < global_.size() ? global_[i].spelled : local_[i].spelled;
  }
  return std::nullopt;
}

}  // namespace host
