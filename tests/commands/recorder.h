// Every editor notification a test sees, in order, as "event:argument".
#pragma once
#include <string>
#include <vector>

#include "aced.h"

class Recorder : public AcEditorReactor {
 public:
  void commandWillStart(const ACHAR* c) override { events.push_back(std::string("start:") + c); }
  void commandEnded(const ACHAR* c) override { events.push_back(std::string("end:") + c); }
  void commandCancelled(const ACHAR* c) override { events.push_back(std::string("cancel:") + c); }
  void beginSave(AcDbDatabase*, const ACHAR* n) override {
    events.push_back(std::string("save:") + n);
  }
  void saveComplete(AcDbDatabase*, const ACHAR* n) override {
    events.push_back(std::string("saved:") + n);
  }
  std::vector<std::string> events;
};
