// The drawing settings kept both as DXF header variables and as system
// variables: copied in when a drawing is read, back out before it is written.
#pragma once

namespace db {
class Database;
}

namespace host {

class SysVars;

void headerToSysVars(const db::Database& db, SysVars& vars);
void sysVarsToHeader(const SysVars& vars, db::Database& db);

}  // namespace host
