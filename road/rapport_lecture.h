// The problems met while a project file is read. Reading a project opens a
// report; every record reports its read errors through `erreurLecture`, which
// writes the message to the error stream and keeps the first one in the open
// report. A project whose report holds a problem is never written back: what
// was not read would be lost.
#pragma once
#include <string>

namespace road {

class RapportLecture {
 public:
  // Becomes the open report until it goes (reports nest).
  RapportLecture();
  ~RapportLecture();
  RapportLecture(const RapportLecture&) = delete;
  RapportLecture& operator=(const RapportLecture&) = delete;

  void note(const std::string& message);
  bool sain() const { return premier_.empty(); }
  const std::string& premierProbleme() const { return premier_; }

 private:
  std::string premier_;
  RapportLecture* precedent_;
};

// The message on the error stream, and into the open report if any.
void erreurLecture(const std::string& message);

}  // namespace road
