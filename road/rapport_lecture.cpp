#include "road/rapport_lecture.h"

#include <ostream>

#include "framework/error_stream.h"

namespace road {
namespace {

// The report of the project being read; null between reads.
RapportLecture* ouvert = nullptr;

}  // namespace

RapportLecture::RapportLecture() : precedent_(ouvert) { ouvert = this; }

RapportLecture::~RapportLecture() { ouvert = precedent_; }

void RapportLecture::note(const std::string& message) {
  if (premier_.empty()) premier_ = message.empty() ? "erreur de lecture" : message;
}

void erreurLecture(const std::string& message) {
  framework::fluxErreur() << message << std::endl;
  if (ouvert) ouvert->note(message);
}

}  // namespace road
