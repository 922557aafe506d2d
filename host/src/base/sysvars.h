// System variables of one drawing.
#pragma once
#include <map>
#include <string>
#include <string_view>

struct resbuf;

namespace host {

struct SysVar {
  short type = 0;  // RTSHORT, RTLONG, RTREAL, RTSTR, RTPOINT, RT3DPOINT
  double r = 0;
  int i = 0;
  double p[3] = {0, 0, 0};
  std::string s;
  bool readOnly = false;
};

class SysVars {
 public:
  SysVars();  // the variables a new drawing has, with their defaults
  // Host status codes; failures set ERRNO as the host does.
  int get(std::string_view name, resbuf* out) const;
  int set(std::string_view name, const resbuf* value);
  // Host-side access, ignoring the read-only flag.
  SysVar* find(std::string_view name);
  const SysVar* find(std::string_view name) const;
  void setText(std::string_view name, std::string value, bool readOnly = false);
  void setInt(std::string_view name, int value, bool readOnly = false);
  void setReal(std::string_view name, double value, bool readOnly = false);
  void setPoint(std::string_view name, double x, double y, double z, bool readOnly = false);
  int getInt(std::string_view name, int fallback = 0) const;

 private:
  std::map<std::string, SysVar> vars_;  // upper-case names
};

}  // namespace host
