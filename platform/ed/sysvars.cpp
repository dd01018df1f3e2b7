// The system variables the platform knows. Drawing settings are read from and written to the
// current drawing; the others are session settings kept here.
#include "ed/sysvars.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <memory>

#include "db/acutads.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "db/database_state.h"
#include "db/symbol_lookup.h"
#include "ed/aced.h"
#include "ed/editor.h"
#include "ed/view.h"
#include "ed/view_header.h"
#include "os/case_map.h"

namespace ed {

namespace {

std::wstring upper(const std::wstring& text) { return toUpperLatin(text); }

constexpr double kTwoPi = 6.28318530717958647692;

AcDbDatabase* database() { return Editor::instance().currentDatabase(); }

int giveShort(resbuf& r, int value) {
  r.restype = RTSHORT;
  r.resval.rint = static_cast<short>(value);
  return RTNORM;
}

int giveReal(resbuf& r, double value) {
  r.restype = RTREAL;
  r.resval.rreal = value;
  return RTNORM;
}

int giveString(resbuf& r, const std::wstring& text) {
  r.restype = RTSTR;
  r.resval.rstring = acutNewString(text.c_str());
  return RTNORM;
}

int givePoint(resbuf& r, double x, double y, double z = 0.0, int type = RTPOINT) {
  r.restype = static_cast<short>(type);
  r.resval.rpoint[0] = x;
  r.resval.rpoint[1] = y;
  r.resval.rpoint[2] = z;
  return RTNORM;
}

int give3dPoint(resbuf& r, const AcGePoint3d& p) { return givePoint(r, p.x, p.y, p.z, RT3DPOINT); }

// An integer value given as RTSHORT, RTLONG or a whole real.
bool integerOf(const resbuf& v, long& out) {
  if (v.restype == RTSHORT) out = v.resval.rint;
  else if (v.restype == RTLONG) out = v.resval.rlong;
  else return false;
  return true;
}

bool realOf(const resbuf& v, double& out) {
  long i;
  if (integerOf(v, i)) out = static_cast<double>(i);
  else if (v.restype == RTREAL || v.restype == RTANG) out = v.resval.rreal;
  else return false;
  return true;
}

bool stringOf(const resbuf& v, std::wstring& out) {
  if (v.restype != RTSTR || !v.resval.rstring) return false;
  out = v.resval.rstring;
  return true;
}

// Session settings kept by the editor, with their allowed range.
struct IntSetting {
  int value;
  int min;
  int max;
};

void addInt(SysVarRegistry& registry, const wchar_t* name, int initial, int min, int max) {
  auto setting = std::make_shared<IntSetting>(IntSetting{initial, min, max});
  registry.add(
      name, [setting](resbuf& r) { return giveShort(r, setting->value); },
      [setting](const resbuf& v) {
        long i;
        if (!integerOf(v, i) || i < setting->min || i > setting->max) return int(RTERROR);
        setting->value = static_cast<int>(i);
        return int(RTNORM);
      });
}

// Unit settings the database keeps as plain header variables ($LUNITS…, code 70).
int headerInt(const char* name, int fallback) {
  AcDbDatabase* db = database();
  if (!db) return fallback;
  for (const HeaderVariable& v : db->state().otherHeaderVariables)
    if (v.name == name && !v.items.empty()) return static_cast<int>(v.items[0].integer);
  return fallback;
}

bool setHeaderInt(const char* name, int value) {
  AcDbDatabase* db = database();
  if (!db) return false;
  for (HeaderVariable& v : db->state().otherHeaderVariables) {
    if (v.name == name) {
      v.items = {DxfItem::makeInt(70, value)};
      return true;
    }
  }
  db->state().otherHeaderVariables.push_back(HeaderVariable{name, {DxfItem::makeInt(70, value)}});
  return true;
}

void addHeaderInt(SysVarRegistry& registry, const wchar_t* name, const char* headerName,
                  int initial, int min, int max) {
  registry.add(
      name, [=](resbuf& r) { return giveShort(r, headerInt(headerName, initial)); },
      [=](const resbuf& v) {
        long i;
        if (!integerOf(v, i) || i < min || i > max) return int(RTERROR);
        return setHeaderInt(headerName, static_cast<int>(i)) ? int(RTNORM) : int(RTERROR);
      });
}

// A current symbol (layer, text style, linetype) read and set by name.
void addCurrentRecord(SysVarRegistry& registry, const wchar_t* name,
                      AcDbObjectId (AcDbDatabase::*tableId)() const,
                      AcDbObjectId (AcDbDatabase::*current)() const,
                      Acad::ErrorStatus (AcDbDatabase::*setCurrent)(AcDbObjectId)) {
  registry.add(
      name,
      [=](resbuf& r) {
        AcDbDatabase* db = database();
        if (!db) return int(RTERROR);
        return giveString(r, symbolRecordName((db->*current)()));
      },
      [=](const resbuf& v) {
        AcDbDatabase* db = database();
        std::wstring text;
        if (!db || !stringOf(v, text)) return int(RTERROR);
        AcDbObjectId id = findSymbolRecord(db, (db->*tableId)(), text);
        if (id.isNull() || (db->*setCurrent)(id) != Acad::eOk) return int(RTERROR);
        return int(RTNORM);
      });
}

// LIMMIN/LIMMAX: 2D points of the drawing header.
void addLimit(SysVarRegistry& registry, const wchar_t* name, const char* headerName, bool lower) {
  registry.add(
      name,
      [=](resbuf& r) {
        AcGePoint2d min, max;
        drawingLimits(database(), min, max);
        const AcGePoint2d& p = lower ? min : max;
        return givePoint(r, p.x, p.y);
      },
      [=](const resbuf& v) {
        if (!database() || (v.restype != RTPOINT && v.restype != RT3DPOINT)) return int(RTERROR);
        const double* p = v.resval.rpoint;
        if (!std::isfinite(p[0]) || !std::isfinite(p[1])) return int(RTERROR);
        setHeaderPoint(database(), headerName, AcGePoint3d(p[0], p[1], 0.0), 2);
        return int(RTNORM);
      });
}

struct LocalTime {
  int year, month, day, hour, minute, second, millisecond;
};

LocalTime localNow() {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     static_cast<int>(ms)};
}

// DATE: the Julian day number, the time of day as its fraction (the day starting at midnight,
// as the host counts it).
double julianDate(const LocalTime& t) {
  // Day number of the Gregorian date (Fliegel and Van Flandern, CACM 11, 1968).
  long a = (14 - t.month) / 12;
  long y = t.year + 4800 - a;
  long m = t.month + 12 * a - 3;
  long day = t.day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
  double fraction = (t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
  return static_cast<double>(day) + fraction;
}

// CDATE: yyyymmdd.hhmmsscc as one real.
double calendarDate(const LocalTime& t) {
  double date = t.year * 10000.0 + t.month * 100.0 + t.day;
  double time = t.hour * 10000.0 + t.minute * 100.0 + t.second + (t.millisecond / 10) / 100.0;
  return date + time / 1000000.0;
}

// DWGNAME and DWGPREFIX: the current drawing's file, split into its name and folder (with the
// trailing separator). A drawing never saved is "Dessin1.dwg" in the working folder.
std::wstring drawingPath() {
  std::wstring path = Editor::instance().currentFileName();
  if (path.empty()) {
    const ACHAR* name = nullptr;
    if (AcDbDatabase* db = database(); db && db->getFilename(name) == Acad::eOk && name) path = name;
  }
  return path;
}

std::wstring cecolorText(int index) {
  if (index == 256) return L"BYLAYER";
  if (index == 0) return L"BYBLOCK";
  return std::to_wstring(index);
}

bool parseCecolor(const std::wstring& text, int& index) {
  std::wstring up = upper(text);
  if (up == L"BYLAYER" || up == L"DUCALQUE") index = 256;
  else if (up == L"BYBLOCK" || up == L"DUBLOC") index = 0;
  else {
    wchar_t* end = nullptr;
    long value = std::wcstol(up.c_str(), &end, 10);
    if (up.empty() || *end != L'\0' || value < 1 || value > 255) return false;
    index = static_cast<int>(value);
  }
  return true;
}

// The view of the current drawing (read-only: zooms change them) and the drawing's extents,
// limits and angle conventions.
void registerViewVariables(SysVarRegistry& r) {
  r.add(L"VIEWCTR", [](resbuf& v) { return give3dPoint(v, View::current().center()); });
  r.add(L"VIEWSIZE", [](resbuf& v) { return giveReal(v, View::current().height()); });
  r.add(L"SCREENSIZE", [](resbuf& v) {
    View view = View::current();
    return givePoint(v, view.screenWidth(), view.screenHeight());
  });
  // Plan view only: the view looks down the Z axis.
  r.add(L"VIEWDIR", [](resbuf& v) { return givePoint(v, 0.0, 0.0, 1.0, RT3DPOINT); });
  addInt(r, L"PICKBOX", 3, 0, 50);
  // The extents of what model space holds now, or the inverted box of an empty drawing.
  r.add(L"EXTMIN", [](resbuf& v) {
    AcGePoint3d min(1e20, 1e20, 1e20), max;
    modelSpaceExtents(database(), min, max);
    return give3dPoint(v, min);
  });
  r.add(L"EXTMAX", [](resbuf& v) {
    AcGePoint3d min, max(-1e20, -1e20, -1e20);
    modelSpaceExtents(database(), min, max);
    return give3dPoint(v, max);
  });
  addLimit(r, L"LIMMIN", "$LIMMIN", true);
  addLimit(r, L"LIMMAX", "$LIMMAX", false);
  // ANGBASE is kept in radians, as the variable gives it.
  r.add(
      L"ANGBASE", [](resbuf& v) { return giveReal(v, headerReal(database(), "$ANGBASE", 0.0)); },
      [](const resbuf& v) {
        double angle;
        if (!database() || !realOf(v, angle) || !std::isfinite(angle)) return int(RTERROR);
        angle = std::fmod(angle, kTwoPi);
        if (angle < 0.0) angle += kTwoPi;
        setHeaderReal(database(), "$ANGBASE", 50, angle);
        return int(RTNORM);
      });
  addHeaderInt(r, L"ANGDIR", "$ANGDIR", 0, 0, 1);
  r.add(L"DATE", [](resbuf& v) { return giveReal(v, julianDate(localNow())); });
  r.add(L"CDATE", [](resbuf& v) { return giveReal(v, calendarDate(localNow())); });
}

void registerStandardVariables(SysVarRegistry& r) {
  r.add(L"DWGNAME", [](resbuf& v) {
    std::wstring path = drawingPath();
    if (path.empty()) return giveString(v, L"Dessin1.dwg");
    size_t slash = path.find_last_of(L"/\\");
    return giveString(v, slash == std::wstring::npos ? path : path.substr(slash + 1));
  });
  r.add(L"DWGPREFIX", [](resbuf& v) {
    std::wstring path = drawingPath();
    size_t slash = path.find_last_of(L"/\\");
    if (slash != std::wstring::npos) return giveString(v, path.substr(0, slash + 1));
    std::error_code error;
    std::wstring folder = std::filesystem::current_path(error).wstring();
    if (!folder.empty() && folder.back() != L'/') folder += L'/';
    return giveString(v, folder);
  });
  addInt(r, L"CVPORT", 2, 1, 32767);
  addInt(r, L"ERRNO", 0, -32768, 32767);
  registerViewVariables(r);
  addInt(r, L"OSMODE", 0, 0, 32767);
  addInt(r, L"CMDECHO", 1, 0, 1);
  addInt(r, L"FILEDIA", 1, 0, 1);
  addHeaderInt(r, L"LUNITS", "$LUNITS", 2, 1, 5);
  addHeaderInt(r, L"LUPREC", "$LUPREC", 4, 0, 8);
  addHeaderInt(r, L"AUNITS", "$AUNITS", 0, 0, 4);
  addHeaderInt(r, L"AUPREC", "$AUPREC", 0, 0, 8);
  addCurrentRecord(r, L"CLAYER", &AcDbDatabase::layerTableId, &AcDbDatabase::clayer,
                   &AcDbDatabase::setClayer);
  addCurrentRecord(r, L"TEXTSTYLE", &AcDbDatabase::textStyleTableId, &AcDbDatabase::textstyle,
                   &AcDbDatabase::setTextstyle);
  addCurrentRecord(r, L"CELTYPE", &AcDbDatabase::linetypeTableId, &AcDbDatabase::celtype,
                   &AcDbDatabase::setCeltype);
  r.add(
      L"TEXTSIZE",
      [](resbuf& v) {
        AcDbDatabase* db = database();
        return db ? giveReal(v, db->textsize()) : int(RTERROR);
      },
      [](const resbuf& v) {
        AcDbDatabase* db = database();
        double size;
        if (!db || !realOf(v, size) || size <= 0.0) return int(RTERROR);
        return db->setTextsize(size) == Acad::eOk ? int(RTNORM) : int(RTERROR);
      });
  r.add(
      L"CECOLOR",
      [](resbuf& v) {
        AcDbDatabase* db = database();
        return db ? giveString(v, cecolorText(db->cecolorIndex())) : int(RTERROR);
      },
      [](const resbuf& v) {
        AcDbDatabase* db = database();
        std::wstring text;
        int index;
        if (!db || !stringOf(v, text) || !parseCecolor(text, index)) return int(RTERROR);
        db->setCecolorIndex(index);
        return int(RTNORM);
      });
}

}  // namespace

SysVarRegistry& SysVarRegistry::instance() {
  static SysVarRegistry registry;
  return registry;
}

SysVarRegistry::SysVarRegistry() { registerStandardVariables(*this); }

void SysVarRegistry::add(const std::wstring& name, Getter get, Setter set) {
  std::wstring key = upper(name);
  variables_[key] = Variable{key, std::move(get), std::move(set)};
}

const SysVarRegistry::Variable* SysVarRegistry::find(const std::wstring& name) const {
  auto it = variables_.find(upper(name));
  return it == variables_.end() ? nullptr : &it->second;
}

std::vector<std::wstring> SysVarRegistry::names() const {
  std::vector<std::wstring> result;
  for (const auto& [key, variable] : variables_) result.push_back(key);
  return result;
}

}  // namespace ed

int acedGetVar(const ACHAR* name, resbuf* result) {
  if (!name || !result) return RTERROR;
  const ed::SysVarRegistry::Variable* variable = ed::SysVarRegistry::instance().find(name);
  if (!variable) return RTERROR;
  result->rbnext = nullptr;
  return variable->get(*result);
}

int acedSetVar(const ACHAR* name, const resbuf* value) {
  if (!name || !value) return RTERROR;
  const ed::SysVarRegistry::Variable* variable = ed::SysVarRegistry::instance().find(name);
  if (!variable || !variable->set) return RTERROR;
  return variable->set(*value);
}

namespace ed {

void setErrno(int value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(value);
  acedSetVar(L"ERRNO", &rb);
}

}  // namespace ed
