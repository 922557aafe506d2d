// Operating-system services for modules: the module's own path, the current
// directory, files and directories, registry values, programs, the shell,
// desktop shortcuts, the machine's name and address, environment variables
// and message boxes.
//
// Paths are host texts: "\" and "/" are accepted alike and mapped to "/" when
// the file system is touched. Nothing here throws: failures are answered with
// false, an empty optional or a documented error value.
#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adsdef.h"

// Message box styles (low bits: the buttons; then the icon and the default
// button), with the values ported code already uses.
#ifndef MB_OK
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_ABORTRETRYIGNORE 0x00000002u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_RETRYCANCEL 0x00000005u
#define MB_ICONERROR 0x00000010u
#define MB_ICONHAND MB_ICONERROR
#define MB_ICONSTOP MB_ICONERROR
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONWARNING 0x00000030u
#define MB_ICONEXCLAMATION MB_ICONWARNING
#define MB_ICONINFORMATION 0x00000040u
#define MB_ICONASTERISK MB_ICONINFORMATION
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#endif

// Answers of message boxes and dialogs.
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#endif

// Failure values of shellExecute (success is any value above 32).
#ifndef SE_ERR_FNF
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31
#endif

namespace platform {

// ---- The calling module -------------------------------------------------

// Full path of the shared library (or program) that holds `addressInModule`,
// e.g. the address of one of the caller's own functions. Empty when unknown.
HOST_API std::string modulePath(const void* addressInModule);
// Full path of the running program's file. Empty when unknown.
HOST_API std::string programPath();

// ---- Current directory --------------------------------------------------

HOST_API std::string currentDirectory();
HOST_API bool setCurrentDirectory(std::string_view path);

// ---- Files and directories ----------------------------------------------

// The path as the file system takes it ("\" becomes "/"), for the C and C++ file calls.
HOST_API std::string systemPath(std::string_view path);

struct FileInfo {
  bool isDirectory = false;
  bool readOnly = false;  // the owner may not write it (file mode bits)
  uint64_t size = 0;      // bytes; 0 for a directory
  int64_t modified = 0;   // seconds since 1970-01-01 UTC
};

struct DirEntry {
  std::string name;  // without directory
  FileInfo info;
};

HOST_API bool pathExists(std::string_view path);
HOST_API bool fileExists(std::string_view path);  // exists and is not a directory
HOST_API bool directoryExists(std::string_view path);
HOST_API std::optional<FileInfo> fileInfo(std::string_view path);
HOST_API bool isReadOnly(std::string_view path);
// Read-only clears every write bit; writable gives the owner the write bit back.
HOST_API bool setReadOnly(std::string_view path, bool readOnly);

// One directory level: false when it exists already or its parent is missing.
HOST_API bool createDirectory(std::string_view path);
// Only an empty directory is removed.
HOST_API bool removeDirectory(std::string_view path);
// A read-only destination is never overwritten, as the Windows shell refuses it.
HOST_API bool copyFile(std::string_view from, std::string_view to, bool failIfExists);
// Renames, or copies then deletes across file systems. Fails when `to` exists.
HOST_API bool moveFile(std::string_view from, std::string_view to);
// Refuses a read-only file (clear the attribute first), whoever runs the host.
HOST_API bool deleteFile(std::string_view path);
// Entries of a directory whose names match the last part of `pattern`
// ("dir\\*.dcl", "dir/a?c.txt", "dir\\*"): '*' and '?' wildcards, letters
// matched case-insensitively, "*.*" meaning every name. Sorted by name,
// without "." and "..".
HOST_API std::vector<DirEntry> listDirectory(std::string_view pattern);

// Replaces the file at `path` all or nothing with what `write` puts in the stream: the text
// goes to a new temporary file of a unique name beside the file (beside the final target when
// `path` is a symbolic link, which stays a link), gets the old file's permissions (a new
// file gets the usual ones), and takes the file's place only when `write` returned true and
// the stream stayed good. Nothing is changed on failure. False on failure, with errno saying
// why when the system refused.
HOST_API bool replaceFile(std::string_view path, const std::function<bool(std::ostream&)>& write);
// Copies `from` over `to` all or nothing, the way replaceFile saves: the bytes go to a new
// temporary file beside `to` (beside its final target when `to` is a symbolic link), which gets
// the source's permissions and modification time and then takes the place of `to` in one rename.
// Refused as copyFile refuses: a source that is not a file, a destination that is a directory, is
// read-only or is the source itself. Nothing is changed on failure.
HOST_API bool copyFileReplacing(std::string_view from, std::string_view to);
// Appends `text` to the file (made when missing) in one write at its end, so that texts appended
// by several processes at once never interleave. False when it could not be written whole.
HOST_API bool appendToFile(std::string_view path, std::string_view text);

// ---- Locks between processes ------------------------------------------------
//
// An exclusive advisory lock on a file (flock): it keeps out only those who ask for the same
// lock, and goes with the process if it dies holding it.

// Takes the lock of the file at `path`, made when missing, without waiting: a handle for
// unlockFile, or -1 when someone else holds it or the file cannot be opened.
HOST_API int tryLockFile(std::string_view path);
// Releases a lock taken by tryLockFile (the file stays).
HOST_API void unlockFile(int handle);

// ---- Registry values -----------------------------------------------------
//
// Keys are written "ROOT\\Sub\\Key" with ROOT one of HKEY_CURRENT_USER (HKCU),
// HKEY_LOCAL_MACHINE (HKLM), HKEY_CLASSES_ROOT (HKCR), HKEY_USERS (HKU),
// HKEY_CURRENT_CONFIG; key and value names are case-insensitive and the value
// name "" is the key's default value. The values live in a text file: the
// path in $CADHOST_REGISTRY, else ~/.cadhost/registry.txt. Lines of that file
// that cannot be read are left out (with one message) and the rest is kept.

HOST_API std::string registryFilePath();
HOST_API std::optional<std::string> readRegistryString(std::string_view key, std::string_view name);
HOST_API std::optional<uint32_t> readRegistryDword(std::string_view key, std::string_view name);
// Creates the key as needed. A value keeps one type: writing replaces it.
HOST_API bool writeRegistryString(std::string_view key, std::string_view name,
                                  std::string_view value);
HOST_API bool writeRegistryDword(std::string_view key, std::string_view name, uint32_t value);
HOST_API bool deleteRegistryValue(std::string_view key, std::string_view name);
// Removes the key with its values and subkeys.
HOST_API bool deleteRegistryKey(std::string_view key);
HOST_API bool registryKeyExists(std::string_view key);
HOST_API std::vector<std::string> registryValueNames(std::string_view key);
HOST_API std::vector<std::string> registrySubkeys(std::string_view key);

// ---- Programs ------------------------------------------------------------

struct ProcessResult {
  bool started = false;
  int processId = 0;
  // When waited: the program's exit status (128 + signal number when it was
  // killed). -1 when not waited or not started.
  int exitCode = -1;
  std::string error;  // why it did not start
};

// Starts `program` (a path, or a name looked up in PATH) with `arguments`,
// in `workingDirectory` when given; waits for its end when `wait` is true.
HOST_API ProcessResult startProgram(std::string_view program,
                                    const std::vector<std::string>& arguments, bool wait,
                                    std::string_view workingDirectory = {});
// The same with one command line, split as the Windows command line is:
// blanks separate arguments, double quotes group them, \" is a quote.
HOST_API ProcessResult startCommandLine(std::string_view commandLine, bool wait);
// Waits at most `timeoutMs` (negative: without limit) for a program started
// without waiting. Its exit code once it has ended, nothing while it runs.
HOST_API std::optional<int> waitForProgram(int processId, int timeoutMs);
// Splits a command line the way startCommandLine does.
HOST_API std::vector<std::string> splitCommandLine(std::string_view commandLine);

// ---- Shell ------------------------------------------------------------------
//
// Associations come from the registry: HKEY_CLASSES_ROOT\\.ext holds as
// default value either a program path or a type name TYPE, whose command is
// the default value of HKEY_CLASSES_ROOT\\TYPE\\shell\\<verb>\\command ("%1"
// stands for the file; without it the file is added at the end).

// Verbs "open" (also the empty verb), "print", "explore". "open" runs an
// executable file itself, otherwise the associated program, otherwise
// xdg-open when installed; "explore" opens a directory. Does not wait.
// Returns a value above 32 on success, else SE_ERR_FNF, SE_ERR_PNF,
// SE_ERR_ACCESSDENIED or SE_ERR_NOASSOC.
HOST_API int shellExecute(std::string_view verb, std::string_view file,
                          std::string_view parameters = {}, std::string_view directory = {});
// The program that opens files like `fileOrExtension` ("plan.dxf" or ".dxf").
HOST_API std::optional<std::string> associatedProgram(std::string_view fileOrExtension);

// ---- Desktop shortcuts ---------------------------------------------------
//
// A shortcut is a launcher file "<name>.desktop" in $CADHOST_DESKTOP, else
// ~/Desktop (made when missing).

struct Shortcut {
  std::string name;    // shown name and file name
  std::string target;  // the program
  std::vector<std::string> arguments;
  std::string workingDirectory;  // optional
  std::string icon;              // optional
  std::string description;       // optional
};

HOST_API std::string desktopDirectory();
HOST_API bool createDesktopShortcut(const Shortcut& shortcut);
HOST_API bool removeDesktopShortcut(std::string_view name);
HOST_API bool desktopShortcutExists(std::string_view name);
// The launcher file's path for `name` (whether it exists or not).
HOST_API std::string desktopShortcutPath(std::string_view name);

// ---- The machine -----------------------------------------------------------

HOST_API std::string hostName();
// The first IPv4 address of an active interface other than loopback, else the
// host name's address, else "127.0.0.1".
HOST_API std::string ipv4Address();

// ---- Environment -----------------------------------------------------------

HOST_API std::optional<std::string> environmentVariable(std::string_view name);
HOST_API bool setEnvironmentVariable(std::string_view name, std::string_view value);
HOST_API bool removeEnvironmentVariable(std::string_view name);

// ---- The process's standard output ----------------------------------------
//
// What a module writes to its own standard output. The host's command line
// is not that stream (modules reach it through acutPrintf); cadhost appends
// this text to the file named by $CADHOST_CONSOLE, or drops it.
HOST_API void writeProcessOutput(std::string_view text);

// ---- Message boxes ---------------------------------------------------------
//
// Prints "[message] <caption>: <text> [buttons]" and takes the scripted
// user's answer: a text naming a button ("OK", "Oui", "Non", "Annuler",
// "Abandonner", "Recommencer", "Ignorer" or "Yes", "No", "Cancel", "Abort",
// "Retry", "Ignore", in any case); Enter presses the default button (the first
// unless MB_DEFBUTTON2/3); Escape, or any other answer, gives IDCANCEL, or
// when the box has no Cancel button IDNO (Yes/No), IDABORT (Abort/Retry/
// Ignore) or IDOK (OK). `owner` is accepted and ignored.
HOST_API int messageBox(void* owner, const char* text, const char* caption, unsigned type);

}  // namespace platform
