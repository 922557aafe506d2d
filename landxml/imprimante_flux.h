// The XML library's printer, writing to a C++ stream instead of a C file, so
// that a document can go through an all-or-nothing file replacement.
#pragma once
#include <tinyxml2.h>

#include <ostream>

namespace landxml {

class IMPRIMANTE_FLUX : public tinyxml2::XMLPrinter {
 public:
  explicit IMPRIMANTE_FLUX(std::ostream& sortie) : XMLPrinter(nullptr), sortie_(sortie) {}

 protected:
  void Print(const char* format, ...) override;
  void Write(const char* data, size_t taille) override {
    sortie_.write(data, static_cast<std::streamsize>(taille));
  }
  void Putc(char c) override { sortie_.put(c); }

 private:
  std::ostream& sortie_;
};

}  // namespace landxml
