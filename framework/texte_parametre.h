// A text setting with its own assignment (registered kind 4): the module
// reads it as a text and sets it from any text.
#pragma once
#include <string>
#include <string_view>

namespace framework {

class TEXTE_PARAMETRE {
 public:
  TEXTE_PARAMETRE() = default;
  explicit TEXTE_PARAMETRE(std::string_view texte) : texte_(texte) {}

  TEXTE_PARAMETRE& operator=(std::string_view texte) {
    texte_.assign(texte.data(), texte.size());
    return *this;
  }
  const std::string& texte() const { return texte_; }
  const char* c_str() const { return texte_.c_str(); }
  bool vide() const { return texte_.empty(); }
  operator std::string_view() const { return texte_; }

 private:
  std::string texte_;
};

}  // namespace framework
