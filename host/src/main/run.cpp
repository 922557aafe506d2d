// cadhost: the headless CAD host. Opens a drawing, loads the modules, runs
// AutoLISP expressions and scripts, and saves the drawing.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "main/run.h"

#include "core/module_loader.h"
#include "core/session.h"
#include "db/drawing_settings.h"
#include "dxf/dxf.h"
#include "lisp/interpreter.h"
#include "map/map_service.h"
#include "platform.h"
#include "platform/support_path.h"
#include "plot/plot_file.h"
#include "rxapi.h"

namespace {

constexpr const char* kUsage =
    "usage: cadhost [--drawing FILE] [--save FILE] [--plot FILE] [--load MODULE]...\n"
    "               [--sans-carto] [-e EXPR]... [SCRIPT]...\n";

// The modules the build makes, loaded in this order when none is named.
constexpr const char* kDefaultModules[] = {"quoril", "brenix", "dremet", "omvala", "talvex"};

struct Step {
  bool expression;  // -e EXPR, else a script file
  std::string text;
  std::string shown;  // a script's name as given, for messages
};

struct Options {
  std::string drawing, save, plot;
  plot::Format plotFormat = plot::Format::Png;
  std::vector<std::string> modules;
  std::vector<Step> steps;
  bool mapService = true;  // --sans-carto: run as a host without the mapping service
};

bool parseArgs(int argc, char** argv, Options& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        error = a + " attend une valeur";
        return false;
      }
      out = argv[++i];
      // An empty name is a slip (an unset shell variable), never a file or a module.
      if (out.empty() && a != "-e") {
        error = a + " attend une valeur non vide";
        return false;
      }
      return true;
    };
    if (a == "--drawing") {
      if (!value(o.drawing)) return false;
    } else if (a == "--save") {
      if (!value(o.save)) return false;
    } else if (a == "--plot") {
      if (!value(o.plot)) return false;
      if (!plot::formatOf(o.plot, o.plotFormat)) {
        error = "--plot: format de tracé inconnu pour " + o.plot + " (.png, .svg ou .pdf attendu)";
        return false;
      }
    } else if (a == "--load") {
      std::string m;
      if (!value(m)) return false;
      o.modules.push_back(m);
    } else if (a == "-e") {
      std::string e;
      if (!value(e)) return false;
      o.steps.push_back({true, e, {}});
    } else if (a == "--sans-carto") {
      o.mapService = false;
    } else if (a == "-h" || a == "--help") {
      error.clear();
      return false;
    } else if (a.size() > 1 && a[0] == '-') {
      error = "option inconnue " + a;
      return false;
    } else {
      o.steps.push_back({false, a, a});
    }
  }
  return true;
}

void absolutePaths(Options& o) {
  auto absolute = [](std::string& path) {
    if (path.empty()) return;
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::absolute(host::toFsPath(path), ec);
    if (!ec) path = p.string();
  };
  absolute(o.drawing);
  absolute(o.save);
  absolute(o.plot);
  for (Step& s : o.steps)
    if (!s.expression) absolute(s.text);
}

void loadModules(const Options& o) {
  host::ModuleLoader& loader = host::session().modules();
  std::vector<std::string> wanted = o.modules;
  if (wanted.empty()) {
    for (const char* name : kDefaultModules) {
      const std::string path = host::ModuleLoader::resolve(name);
      std::ifstream probe(path);
      if (probe) wanted.push_back(path);
    }
  }
  for (const auto& m : wanted) {
    std::string error;
    if (!loader.load(m, error))
      host::session().print("cadhost: module " + m + " non chargé: " + error + "\n");
  }
}

// The text of a script file, or why it cannot be had.
bool readScript(const std::string& file, std::string& text, std::string& error) {
  const std::string path = host::toFsPath(file);
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    error = errno == ENOENT || errno == ENOTDIR
                ? std::string("script introuvable")
                : std::string("script illisible (") + std::strerror(errno) + ")";
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    error = "c'est un répertoire, pas un script";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  if (in) content << in.rdbuf();
  if (!in || in.bad()) {
    error = std::string("script illisible (") + std::strerror(errno) + ")";
    return false;
  }
  text = content.str();
  return true;
}

enum class Outcome { Done, LispError, BadScript };

Outcome runScript(const std::string& file, const std::string& shown) {
  std::string text, error;
  if (!readScript(file, text, error)) {
    std::fprintf(stderr, "cadhost: %s: %s\n", shown.c_str(), error.c_str());
    return Outcome::BadScript;
  }
  return host::session().current().lisp().run(text, shown) ? Outcome::Done : Outcome::LispError;
}

// Reads expressions typed at a terminal until end of input.
void interactive() {
  host::session().user().setInteractive(true);
  std::string pending, line;
  int depth = 0;
  std::cout << "Commande: " << std::flush;
  while (std::getline(std::cin, line)) {
    pending += line + "\n";
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (inString) {
        if (c == '\\')
          ++i;
        else if (c == '"')
          inString = false;
      } else if (c == '"')
        inString = true;
      else if (c == ';')
        break;
      else if (c == '(')
        ++depth;
      else if (c == ')')
        --depth;
    }
    if (depth <= 0) {
      host::session().current().lisp().run(pending, "<terminal>", true);
      pending.clear();
      depth = 0;
      std::cout << "Commande: " << std::flush;
    }
  }
  std::cout << "\n";
}

void shutdown() {
  host::ModuleLoader& loader = host::session().modules();
  loader.quit();
  loader.unloadAll();
}

}  // namespace

namespace host {

int runCadhost(int argc, char** argv) {
  Options options;
  std::string error;
  if (!parseArgs(argc, argv, options, error)) {
    if (!error.empty()) std::fprintf(stderr, "cadhost: %s\n", error.c_str());
    std::fputs(kUsage, stderr);
    return error.empty() ? 0 : 2;
  }

  // A module may change the current directory as it loads (a framework module
  // goes to its client's): the command line's files are taken from here first.
  absolutePaths(options);
  host::Session& session = host::session();
  if (!options.drawing.empty()) {
    std::vector<std::string> notes;
    auto db = dxf::read(host::toFsPath(options.drawing), error, &notes);
    if (!db) {
      std::fprintf(stderr, "cadhost: %s: %s\n", options.drawing.c_str(), error.c_str());
      return 2;
    }
    for (const auto& n : notes) session.print(n + "\n");
    session.current().replaceDatabase(std::move(db));
    session.current().setPath(options.drawing);
  }

  if (options.mapService) acrxServiceRegister(&host::map::mapService());
  loadModules(options);

  Outcome outcome = Outcome::Done;
  for (const auto& step : options.steps) {
    if (step.expression) {
      outcome =
          session.current().lisp().run(step.text, "-e", true) ? Outcome::Done : Outcome::LispError;
    } else {
      outcome = runScript(step.text, step.shown);
    }
    if (outcome != Outcome::Done) break;
  }
  const bool ok = outcome == Outcome::Done;
  if (ok && options.steps.empty() && isatty(STDIN_FILENO)) interactive();

  int status = ok ? 0 : outcome == Outcome::BadScript ? 2 : 1;
  if (ok && !options.save.empty()) {
    host::sysVarsToHeader(session.current().vars(), session.current().db());
    if (!dxf::write(session.current().db(), host::toFsPath(options.save), error)) {
      session.print("cadhost: enregistrement impossible de " + options.save + ": " + error + "\n");
      status = 1;
    }
  }
  if (ok && !options.plot.empty()) {
    error.clear();
    const bool plotted = platform::replaceFile(options.plot, [&](std::ostream& out) {
      return plot::writePlot(session.current().db(), options.plotFormat, out, error);
    });
    if (!plotted) {
      if (error.empty())
        error = std::string("impossible d'écrire le fichier (") + std::strerror(errno) + ")";
      session.print("cadhost: tracé impossible de " + options.plot + ": " + error + "\n");
      status = 1;
    }
  }
  shutdown();
  std::fflush(stdout);
  return status;
}

}  // namespace host
