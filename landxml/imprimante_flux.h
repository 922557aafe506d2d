// The XML library's printer, writing to a C++ stream instead of a C file, so
// that a document can go through an all-or-nothing file replacement. The
// printer hands out many small pieces: they are gathered here first.
#pragma once
#include <tinyxml2.h>

#include <ostream>
#include <string>

namespace landxml {

class IMPRIMANTE_FLUX : public tinyxml2::XMLPrinter {
 public:
  explicit IMPRIMANTE_FLUX(std::ostream& sortie);
  ~IMPRIMANTE_FLUX() override { vide(); }
  IMPRIMANTE_FLUX(const IMPRIMANTE_FLUX&) = delete;
  IMPRIMANTE_FLUX& operator=(const IMPRIMANTE_FLUX&) = delete;

  // Hands what was gathered to the stream.
  void vide();

 protected:
  // One blank per level: a large surface's points sit four deep.
  void PrintSpace(int profondeur) override;
  void Print(const char* format, ...) override;
  void Write(const char* data, size_t taille) override;
  void Putc(char c) override;

 private:
  static constexpr size_t kCapacite = 64 * 1024;
  std::ostream& sortie_;
  std::string tampon_;
};

}  // namespace landxml
