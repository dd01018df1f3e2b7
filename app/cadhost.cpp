// cadhost: the host executable. Opens a drawing (or starts a new one) and saves it; later steps
// (scripts, modules) hang off runHost.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"

namespace {

// What the host says, in the product's language.
namespace text {
const char* const kUsage =
    "Usage : cadhost DESSIN.dxf [--save SORTIE.dxf]\n"
    "        cadhost --new [--save SORTIE.dxf]\n";
const char* const kErrorPrefix = "Erreur : ";
const char* const kWarningPrefix = "Avertissement : ";
const char* const kUnknownOption = "option inconnue \"%s\"\n";
const char* const kMissingValue = "valeur manquante après \"%s\"\n";
const char* const kNoDrawing = "aucun dessin à ouvrir (donner un fichier ou --new)\n";
}  // namespace text

struct HostOptions {
  std::string drawing;  // file to open (UTF-8), empty with --new
  bool newDrawing = false;
  std::string saveAs;   // file to save to, empty for none
};

// Arguments are UTF-8; the database takes wide names.
std::wstring widen(const std::string& utf8) {
  std::wstring out;
  for (size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3 ? (c & 0x07u) : extra == 2 ? (c & 0x0Fu) : extra == 1 ? (c & 0x1Fu) : c;
    for (int k = 1; k <= extra && i + static_cast<size_t>(k) < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]) & 0x3Fu);
    }
    out.push_back(static_cast<wchar_t>(code));
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

bool parseArguments(int argc, char** argv, HostOptions& options) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--new") {
      options.newDrawing = true;
    } else if (arg == "--save") {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "%s", text::kErrorPrefix);
        std::fprintf(stderr, text::kMissingValue, arg.c_str());
        return false;
      }
      options.saveAs = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "%s", text::kErrorPrefix);
      std::fprintf(stderr, text::kUnknownOption, arg.c_str());
      return false;
    } else {
      options.drawing = arg;
    }
  }
  if (options.drawing.empty() && !options.newDrawing) {
    std::fprintf(stderr, "%s%s", text::kErrorPrefix, text::kNoDrawing);
    return false;
  }
  return true;
}

// Opens the drawing of the options (or a new one). Prints one error and returns null when the file
// cannot be read; prints the repairs of a drawing that was read with damage.
std::unique_ptr<AcDbDatabase> openDrawing(const HostOptions& options) {
  if (options.newDrawing) return std::make_unique<AcDbDatabase>(true, false);
  auto database = std::make_unique<AcDbDatabase>(false, false);
  if (database->readDwgFile(widen(options.drawing).c_str()) != Acad::eOk) {
    std::fprintf(stderr, "%s%s\n", text::kErrorPrefix, database->lastError().c_str());
    return nullptr;
  }
  for (const std::string& warning : database->readReport().warnings) {
    std::printf("%s%s\n", text::kWarningPrefix, warning.c_str());
  }
  return database;
}

bool saveDrawing(AcDbDatabase* database, const std::string& fileName) {
  if (database->saveAs(widen(fileName).c_str()) == Acad::eOk) return true;
  std::fprintf(stderr, "%s%s\n", text::kErrorPrefix, database->lastError().c_str());
  return false;
}

int runHost(const HostOptions& options) {
  std::unique_ptr<AcDbDatabase> database = openDrawing(options);
  if (!database) return 1;
  acdbHostApplicationServices()->setWorkingDatabase(database.get());
  int status = 0;
  if (!options.saveAs.empty() && !saveDrawing(database.get(), options.saveAs)) status = 1;
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  HostOptions options;
  if (!parseArguments(argc, argv, options)) {
    std::fprintf(stderr, "%s", text::kUsage);
    return 2;
  }
  return runHost(options);
}
