// The host's ADS functions: LISP exchange, system variables, entities, tables,
// selection sets, commands, user input and geometry helpers.
#pragma once
#include <cstddef>

#include "adsdef.h"

extern "C" {

// Result buffers. Who owns a list: a list the host hands out (acedGetArgs,
// acedGetSym, acdbEntGet, acdbTblNext, acdbTblSearch, acutBuildList, acedInvoke's
// result) belongs to the caller, who releases it with acutRelRb; a list the
// caller passes in (acedRetList, acedPutSym, acdbEntMake ...) stays the
// caller's, the host keeps a copy. Texts in buffers are malloc'd: acutRelRb
// frees them, and so must a caller that frees a single buffer's text itself
// (acedGetVar of a string).
HOST_API struct resbuf* acutNewRb(int type);
HOST_API int acutRelRb(struct resbuf* rb);
// Builds a list from (type, value) pairs ended by 0. Values: RTREAL and real
// group codes take a double, points a const ads_real*, RTSHORT/RTLONG and
// integer groups an int, strings a const char*, RTENAME/RTPICKS a const int64_t*.
HOST_API struct resbuf* acutBuildList(int rtype, ...);
HOST_API int acutPrintf(const ACHAR* format, ...);
HOST_API int acedPrompt(const ACHAR* text);
HOST_API int acedAlert(const ACHAR* text);

// LISP functions defined by an application.
HOST_API int acedDefun(const ACHAR* name, int funcNumber);
HOST_API int acedUndef(const ACHAR* name, int funcNumber);
HOST_API int acedGetFunCode(void);
// A copy of the running function's arguments: the caller releases it.
HOST_API struct resbuf* acedGetArgs(void);
HOST_API int acedRetList(const struct resbuf* rbuf);
HOST_API int acedRetVoid(void);
HOST_API int acedRetNil(void);
HOST_API int acedRetT(void);
HOST_API int acedRetReal(ads_real value);
HOST_API int acedRetInt(int value);
HOST_API int acedRetStr(const ACHAR* value);
HOST_API int acedRetPoint(const ads_point value);
HOST_API int acedRetName(const ads_name value, int type);
// *value gets a list the caller releases (nullptr for nil or an unbound symbol).
HOST_API int acedGetSym(const ACHAR* name, struct resbuf** value);
HOST_API int acedPutSym(const ACHAR* name, struct resbuf* value);
HOST_API int acedInvoke(const struct resbuf* args, struct resbuf** result);

// System variables.
// Fills the caller's buffer; a string value is a malloc'd text the caller frees.
HOST_API int acedGetVar(const ACHAR* name, struct resbuf* result);
HOST_API int acedSetVar(const ACHAR* name, const struct resbuf* value);

// Entities.
HOST_API int acdbEntMake(const struct resbuf* ent);
HOST_API int acdbEntMakeX(const struct resbuf* ent, ads_name result);
// The entity's list, which the caller releases.
HOST_API struct resbuf* acdbEntGet(const ads_name ent);
// The same with, after a -3 group, the extended data of the applications named
// in `apps` (RTSTR buffers, wildcards allowed).
HOST_API struct resbuf* acdbEntGetX(const ads_name ent, const struct resbuf* apps);
HOST_API int acdbEntNext(const ads_name ent, ads_name result);
HOST_API int acdbEntLast(ads_name result);
HOST_API int acdbEntDel(const ads_name ent);
HOST_API int acdbEntMod(const struct resbuf* ent);
HOST_API int acdbEntUpd(const ads_name ent);
HOST_API int acdbHandEnt(const ACHAR* handle, ads_name entres);
HOST_API struct resbuf* acdbTblNext(const ACHAR* tblname, int rewind);
HOST_API struct resbuf* acdbTblSearch(const ACHAR* tblname, const ACHAR* sym, int setnext);
// The name of a table record (acdbEntGet gives its list), of the drawing's
// root dictionary, and the list of a dictionary's entry, which the caller releases.
HOST_API int acdbTblObjName(const ACHAR* tblname, const ACHAR* sym, ads_name result);
HOST_API int acdbNamedObjDict(ads_name result);
HOST_API struct resbuf* acdbDictSearch(const ads_name dict, const ACHAR* sym, int setnext);

// Extended data: registering an application (RTERROR when it is already
// registered or its name is not valid), the size of a list of extended data,
// and the room left on an entity.
HOST_API int acdbRegApp(const ACHAR* appname);
HOST_API int acdbXdSize(const struct resbuf* rb, int32_t* size);
HOST_API int acdbXdRoom(const ads_name ent, int32_t* result);

// Selection sets.
HOST_API int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2,
                       const struct resbuf* filter, ads_name ss);
HOST_API int acedSSLength(const ads_name ss, int32_t* len);
HOST_API int acedSSName(const ads_name ss, int32_t i, ads_name entres);
HOST_API int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
HOST_API int acedSSDel(const ads_name ename, const ads_name ss);
HOST_API int acedSSMemb(const ads_name ename, const ads_name ss);
HOST_API int acedSSFree(const ads_name sname);

// Host commands: (type, value) pairs ended by RTNONE, as acutBuildList.
HOST_API int acedCommandS(int rtype, ...);
HOST_API int acedCmdS(const struct resbuf* rb);

// User input.
HOST_API int acedInitGet(int val, const ACHAR* kwl);
HOST_API int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
HOST_API int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result);
HOST_API int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
// Radians, counterclockwise: getangle from ANGBASE, getorient from the east.
HOST_API int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result);
HOST_API int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result);
HOST_API int acedGetReal(const ACHAR* prompt, ads_real* result);
HOST_API int acedGetInt(const ACHAR* prompt, int* result);
HOST_API int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);
HOST_API int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen);
HOST_API int acedGetInput(ACHAR* str, size_t bufLen);
HOST_API int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres);
HOST_API int acedGetFileD(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext, int flags,
                          struct resbuf* result);
HOST_API int acedUsrBrk(void);

// Geometry and display.
HOST_API int acedTrans(const ads_point pt, const struct resbuf* from, const struct resbuf* to,
                       int disp, ads_point result);
HOST_API int acedGrDraw(const ads_point from, const ads_point to, int color, int hl);
HOST_API int acedOsnap(const ads_point pt, const ACHAR* mode, ads_point result);
HOST_API void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result);
HOST_API ads_real acutDistance(const ads_point p1, const ads_point p2);
HOST_API ads_real acutAngle(const ads_point p1, const ads_point p2);
HOST_API int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
                        const ads_point to2, int teston, ads_point result);
HOST_API int acedRedraw(const ads_name ent, int mode);

}  // extern "C"

// ADS spellings of the same functions, as older application code writes them.
#define ads_ssname acedSSName
#define ads_entget acdbEntGet
#define ads_printf acutPrintf
#define ads_relrb acutRelRb
#define ads_buildlist acutBuildList
