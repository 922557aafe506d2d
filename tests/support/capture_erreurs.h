// What the framework writes on its error stream during a test.
#pragma once
#include <sstream>
#include <streambuf>
#include <string>

#include "framework/error_stream.h"

class CaptureErreurs {
 public:
  CaptureErreurs() : ancien_(framework::fluxErreur().rdbuf(texte_.rdbuf())) {}
  ~CaptureErreurs() { framework::fluxErreur().rdbuf(ancien_); }
  CaptureErreurs(const CaptureErreurs&) = delete;
  CaptureErreurs& operator=(const CaptureErreurs&) = delete;

  std::string texte() const { return texte_.str(); }

 private:
  std::ostringstream texte_;
  std::streambuf* ancien_;
};
