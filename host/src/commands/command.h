// A host command fed one argument at a time, as the command line feeds it.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

#include "base/coords.h"

namespace host {

class Document;
class CommandProcessor;

// One argument of (command ...) / acedCommandS.
struct CmdToken {
  enum Kind { Enter, Text, Number, Point, Entity, Set, Pause };
  Kind kind = Enter;
  std::string text;
  double number = 0;
  double point[3] = {0, 0, 0};
  int64_t name[2] = {0, 0};
  bool hasPoint = false;  // an entity picked at a point

  static CmdToken enter() { return {}; }
  static CmdToken ofText(std::string s);  // "" is Enter, "\" a pause for the user
};

// How the command line shows an argument after its prompt.
std::string describeToken(const CmdToken& t);

class Command {
 public:
  enum class Step { More, Done, Cancel };

  Command(Document& doc, CommandProcessor& processor) : doc_(doc), processor_(processor) {}
  virtual ~Command() = default;
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  // Global name, upper-case, without "_": what reactors are told.
  virtual const char* name() const = 0;
  virtual std::string prompt() const = 0;
  // Runs when the command starts; a command that needs no argument finishes here.
  virtual Step begin() { return Step::More; }
  virtual Step input(const CmdToken& t) = 0;
  // Called when the command is cancelled, to keep what the host keeps.
  virtual void onCancel() {}

 protected:
  // Prints why the argument does not fit and cancels the command.
  Step reject(const CmdToken& t, const std::string& expected);
  // A point argument (a point, or text "x,y[,z]" / "@dx,dy" from `base`), in
  // user coordinates; false for anything else.
  bool pointOf(const CmdToken& t, const double* base, double out[3]) const;
  geo::Vec3 toWorld(const double* ucsPoint) const;
  // The argument is one of these option spellings (upper-case, no "_"); a
  // leading "_" marks the global spelling and is ignored.
  static bool isOption(const CmdToken& t, std::initializer_list<const char*> spellings);
  // Remembers the last point entered (system variable LASTPOINT).
  void setLastPoint(const double* p);
  bool echo() const;

  Document& doc_;
  CommandProcessor& processor_;
};

}  // namespace host
