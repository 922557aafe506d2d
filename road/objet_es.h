// The base of every record of the road project file.
#pragma once
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace road {

class OBJET_ES {
 public:
  virtual ~OBJET_ES() = default;  // destroy: a record owns its whole subtree

  // The kind's tag: the very pointer that the registry holds.
  virtual const char* identifiant() const = 0;
  // Writes the record (its tag line first); true while the stream stays good.
  virtual bool ecrit(std::ostream& sortie) const = 0;
  // Reads the record's body, its tag already consumed. `anticipe` is the word
  // buffer shared with the caller: a container that meets the tag of another
  // record hands it back there.
  virtual bool ES(std::istream& entree, OBJET_ES* parent, std::string& anticipe) = 0;
  // A new record of the same kind holding a deep copy.
  virtual std::unique_ptr<OBJET_ES> duplique() const = 0;
  // Copies another record of the same kind; false, changing nothing, otherwise.
  virtual bool affecte(const OBJET_ES& autre) = 0;
  // True when what `ecrit` writes reads back as this record: every word set
  // and without blanks, no name that a reader would take for a tag, an end
  // word or a number, finite reals, quoted texts that fit. Nothing else is
  // ever saved.
  virtual bool relisible() const = 0;
  // Moves the record's abscissas by d when it has any (an alignment's start
  // moves); the other kinds stay as they are.
  virtual void decale(double) {}
};

// `duplique` and `affecte` of the record kind T, written once from T's own
// copy constructor and assignment (deep copies).
template <class T>
class OBJET_ES_COPIABLE : public OBJET_ES {
 public:
  std::unique_ptr<OBJET_ES> duplique() const override {
    return std::make_unique<T>(static_cast<const T&>(*this));
  }
  bool affecte(const OBJET_ES& autre) override {
    const auto* source = dynamic_cast<const T*>(&autre);
    if (!source) return false;
    if (source != this) static_cast<T&>(*this) = *source;
    return true;
  }
};

// A copy of a list of owned entries, each one copied.
template <class T>
std::vector<std::unique_ptr<T>> copieProfonde(const std::vector<std::unique_ptr<T>>& source) {
  std::vector<std::unique_ptr<T>> copie;
  copie.reserve(source.size());
  for (const auto& entree : source) copie.push_back(std::make_unique<T>(*entree));
  return copie;
}

}  // namespace road
