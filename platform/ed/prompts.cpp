// The prompts: each prints its text, reads one answer, echoes it, and either returns a value, a
// keyword (RTKWORD), nothing (RTNONE on Enter), a cancel (RTCAN), or says why the answer is refused
// and asks again.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cwchar>
#include <cwctype>
#include <optional>

#include "ed/aced.h"
#include "ed/editor.h"
#include "ed/keywords.h"
#include "ed/messages.h"
#include "ed/point_input.h"
#include "ui/afxstr.h"

using ed::Editor;
namespace msg = ed::msg;

namespace {

constexpr double kPi = 3.14159265358979323846;

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

// One prompt in progress: the restrictions armed by acedInitGet for it.
class Prompt {
 public:
  explicit Prompt(const ACHAR* text) : text_(text ? text : L"") {
    Editor::InitGet armed = Editor::instance().takeInitGet();
    flags_ = armed.flags;
    keywords_ = ed::parseKeywordList(armed.keywords);
  }

  bool has(int flag) const { return (flags_ & flag) != 0; }

  // The prompt asks for a point (from a base when one is given); other prompts ask for text.
  void askPoint(const ads_real* base, bool corner) {
    request_.kind = ed::InputRequest::kPoint;
    request_.hasBase = base != nullptr;
    request_.corner = corner && base != nullptr;
    if (base) request_.base.set(base[0], base[1], base[2]);
  }

  // Shows the prompt and reads the answer. False on a cancel (^C, or no input left). keepBlanks
  // keeps the whole line; otherwise a blank ends the answer and the rest is the next one.
  bool read(std::wstring& answer, bool keepBlanks = false) {
    Editor& editor = Editor::instance();
    say(text_);
    // A pick that asks through a point prompt stays a pick.
    bool outerKind = editor.request().kind != ed::InputRequest::kText;
    ed::RequestScope scope(outerKind ? editor.request() : request_);
    std::wstring line;
    if (!editor.readLine(line) || line == L"^C") {
      say(std::wstring(msg::kCancel) + L"\n");
      return false;
    }
    if (!keepBlanks) line = editor.takeFirstWord(line);
    say(line + L"\n");
    answer = line;
    return true;
  }

  // An answer that is not a value: a keyword, or any text when RSG_OTHER allows it. Gives RTKWORD
  // with the text kept for acedGetInput, or 0 when the answer is neither.
  int keywordOrOther(const std::wstring& answer) {
    std::wstring keyword = ed::matchKeyword(keywords_, answer);
    if (keyword.empty() && has(RSG_OTHER)) keyword = answer;
    if (keyword.empty()) return 0;
    Editor::instance().setLastInput(keyword);
    return RTKWORD;
  }

  // The checks of RSG_NOZERO and RSG_NONEG; the message when the value is refused, else null.
  const wchar_t* refuseNumber(double value) const {
    if (has(RSG_NOZERO) && value == 0.0) return msg::kNotZero;
    if (has(RSG_NONEG) && value < 0.0) return msg::kNotNegative;
    return nullptr;
  }

  // What Enter gives: RTNONE, or with RSG_NONULL a refusal (0) unless RSG_OTHER takes it as an
  // empty arbitrary input.
  int emptyAnswer() {
    if (!has(RSG_NONULL)) return RTNONE;
    if (!has(RSG_OTHER)) return 0;
    Editor::instance().setLastInput(std::wstring());
    return RTKWORD;
  }

  bool hasKeywords() const { return !keywords_.local.empty(); }
  const ed::KeywordList& keywords() const { return keywords_; }

 private:
  std::wstring text_;
  int flags_ = 0;
  ed::KeywordList keywords_;
  ed::InputRequest request_;
};

void complain(const wchar_t* message) { say(std::wstring(message) + L"\n"); }

std::optional<double> parseReal(const std::wstring& text) {
  if (text.empty()) return std::nullopt;
  wchar_t* end = nullptr;
  double value = std::wcstod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// Reads a point answer to a prompt: the point, a keyword, Enter or a cancel.
int readPoint(Prompt& prompt, const ads_real* base, ads_point result, bool corner = false) {
  Editor& editor = Editor::instance();
  prompt.askPoint(base, corner);
  for (;;) {
    std::wstring answer;
    if (!prompt.read(answer)) return RTCAN;
    if (answer.empty()) {
      if (int code = prompt.emptyAnswer()) return code;
      complain(msg::kInvalidPoint);
      continue;
    }
    ads_point p;
    if (ed::parsePointInput(answer, base, editor.lastPoint(), p)) {
      if (prompt.has(RSG_2D)) p[2] = base ? base[2] : 0.0;
      ads_point_set(p, result);
      editor.setLastPoint(p);
      return RTNORM;
    }
    if (int code = prompt.keywordOrOther(answer)) return code;
    complain(prompt.hasKeywords() ? msg::kPointOrKeyword : msg::kInvalidPoint);
  }
}

double distanceBetween(const ads_real* a, const ads_real* b, bool flat) {
  double dx = b[0] - a[0], dy = b[1] - a[1], dz = flat ? 0.0 : b[2] - a[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Shared by acedGetDist and acedGetAngle: a number, or a point that with the base (or a second
// point asked for) gives the value.
template <typename FromText, typename FromPoints>
int readMeasure(const ads_point base, const ACHAR* text, ads_real* result, const wchar_t* refusal,
                FromText fromText, FromPoints fromPoints, bool signedValue) {
  Prompt prompt(text);
  prompt.askPoint(base, false);
  Editor& editor = Editor::instance();
  for (;;) {
    std::wstring answer;
    if (!prompt.read(answer)) return RTCAN;
    if (answer.empty()) {
      if (int code = prompt.emptyAnswer()) return code;
      complain(refusal);
      continue;
    }
    std::optional<double> value = fromText(answer);
    if (!value) {
      ads_point first;
      if (ed::parsePointInput(answer, base, editor.lastPoint(), first)) {
        editor.setLastPoint(first);
        if (base) {
          value = fromPoints(base, first, prompt.has(RSG_2D));
        } else {
          Prompt second(msg::kSecondPoint);
          ads_point other;
          int code = readPoint(second, first, other);
          if (code == RTCAN) return RTCAN;
          if (code != RTNORM) {
            complain(refusal);
            continue;
          }
          value = fromPoints(first, other, prompt.has(RSG_2D));
        }
      }
    }
    if (value) {
      if (const wchar_t* refused = signedValue ? prompt.refuseNumber(*value) : nullptr) {
        complain(refused);
        continue;
      }
      *result = *value;
      return RTNORM;
    }
    if (int code = prompt.keywordOrOther(answer)) return code;
    complain(refusal);
  }
}

int copyOut(const std::wstring& text, ACHAR* result, size_t bufLen) {
  if (!result || bufLen == 0) return RTERROR;
  size_t n = std::min(text.size(), bufLen - 1);
  std::wmemcpy(result, text.data(), n);
  result[n] = L'\0';
  return n < text.size() ? RTINPUTTRUNCATED : RTNORM;
}

}  // namespace

int acutPrintf(const ACHAR* format, ...) {
  if (!format) return 0;
  CString text;
  va_list args;
  va_start(args, format);
  text.FormatV(format, args);
  va_end(args);
  say(std::wstring(text.GetString(), text.GetLength()));
  return text.GetLength();
}

int acedPrompt(const ACHAR* text) {
  if (text) say(text);
  return RTNORM;
}

int acedInitGet(int flags, const ACHAR* keywordList) {
  Editor::instance().setInitGet(flags, keywordList ? keywordList : L"");
  return RTNORM;
}

int acedGetPoint(const ads_point base, const ACHAR* text, ads_point result) {
  Prompt prompt(text);
  return readPoint(prompt, base, result);
}

int acedGetCorner(const ads_point base, const ACHAR* text, ads_point result) {
  Prompt prompt(text);
  return readPoint(prompt, base, result, true);
}

int acedGetDist(const ads_point base, const ACHAR* text, ads_real* result) {
  return readMeasure(base, text, result, msg::kNeedDistance, parseReal, distanceBetween, true);
}

namespace {

// Angles are typed in degrees (AUNITS 0) in the drawing's angle frame: zero towards ANGBASE,
// counter-clockwise unless ANGDIR is 1. Results are in radians within [0, 2π).
double normalizedAngle(double radians) {
  double a = std::fmod(radians, 2.0 * kPi);
  return a < 0.0 ? a + 2.0 * kPi : a;
}

struct AngleFrame {
  double base = 0.0;  // ANGBASE (radians, from east)
  bool clockwise = false;
};

AngleFrame currentAngleFrame() {
  AngleFrame frame;
  resbuf value{};
  if (acedGetVar(L"ANGBASE", &value) == RTNORM && value.restype == RTREAL) frame.base = value.resval.rreal;
  if (acedGetVar(L"ANGDIR", &value) == RTNORM && value.restype == RTSHORT) frame.clockwise = value.resval.rint == 1;
  return frame;
}

// The direction an answer gives, as an angle from east, counter-clockwise (radians).
int readDirection(const ads_point base, const ACHAR* text, ads_real* direction) {
  const AngleFrame frame = currentAngleFrame();
  auto fromText = [&frame](const std::wstring& typed) -> std::optional<double> {
    std::optional<double> degrees = parseReal(typed);
    if (!degrees) return std::nullopt;
    const double angle = *degrees * kPi / 180.0;
    return normalizedAngle(frame.base + (frame.clockwise ? -angle : angle));
  };
  auto fromPoints = [](const ads_real* from, const ads_real* to, bool) {
    return normalizedAngle(std::atan2(to[1] - from[1], to[0] - from[0]));
  };
  return readMeasure(base, text, direction, msg::kNeedAngle, fromText, fromPoints, false);
}

}  // namespace

// Counter-clockwise from ANGBASE, whatever ANGDIR says, as the host gives it.
int acedGetAngle(const ads_point base, const ACHAR* text, ads_real* result) {
  ads_real direction = 0.0;
  const int code = readDirection(base, text, &direction);
  if (code == RTNORM) *result = normalizedAngle(direction - currentAngleFrame().base);
  return code;
}

// From east, counter-clockwise, whatever ANGBASE and ANGDIR say.
int acedGetOrient(const ads_point base, const ACHAR* text, ads_real* result) {
  return readDirection(base, text, result);
}

namespace {

// What a typed answer is as a number: a value, a complaint (a number that cannot be taken), or
// neither (then it may be a keyword).
struct NumberReading {
  std::optional<double> value;
  const wchar_t* complaint = nullptr;
};

NumberReading readInteger(const std::wstring& answer) {
  wchar_t* end = nullptr;
  errno = 0;
  long value = std::wcstol(answer.c_str(), &end, 10);
  bool whole = end == answer.c_str() + answer.size() && std::iswdigit(answer.back());
  if (!whole) return {};
  if (errno == ERANGE || value < -32768 || value > 32767) return {std::nullopt, msg::kIntegerRange};
  return {static_cast<double>(value), nullptr};
}

NumberReading readRealNumber(const std::wstring& answer) { return {parseReal(answer), nullptr}; }

// The prompt loop of the number requests: re-prompts with `need` until a number the armed
// restrictions accept, a keyword, Enter where allowed, or a cancel.
int readNumber(const ACHAR* text, const wchar_t* need, NumberReading (*parse)(const std::wstring&),
               double& result) {
  Prompt prompt(text);
  for (;;) {
    std::wstring answer;
    if (!prompt.read(answer)) return RTCAN;
    if (answer.empty()) {
      if (int code = prompt.emptyAnswer()) return code;
      complain(need);
      continue;
    }
    NumberReading reading = parse(answer);
    if (reading.complaint != nullptr) {
      complain(reading.complaint);
      continue;
    }
    if (reading.value) {
      if (const wchar_t* refused = prompt.refuseNumber(*reading.value)) {
        complain(refused);
        continue;
      }
      result = *reading.value;
      return RTNORM;
    }
    if (int code = prompt.keywordOrOther(answer)) return code;
    complain(need);
  }
}

}  // namespace

int acedGetInt(const ACHAR* text, int* result) {
  double value = 0.0;
  int code = readNumber(text, msg::kNeedInteger, readInteger, value);
  if (code == RTNORM) *result = static_cast<int>(value);
  return code;
}

int acedGetReal(const ACHAR* text, ads_real* result) {
  return readNumber(text, msg::kNeedNumber, readRealNumber, *result);
}

int acedGetString(int cronly, const ACHAR* text, ACHAR* result, size_t bufLen) {
  // acedGetString takes no keywords; the restrictions armed before it are dropped all the same.
  Prompt prompt(text);
  std::wstring answer;
  if (!prompt.read(answer, cronly != 0)) return RTCAN;
  return copyOut(answer, result, bufLen);
}

int acedGetString(int cronly, const ACHAR* text, ACHAR* result) {
  int code = acedGetString(cronly, text, result, kAcedGetStringBufferLength);
  return code == RTINPUTTRUNCATED ? RTNORM : code;
}

int acedGetKword(const ACHAR* text, ACHAR* result, size_t bufLen) {
  Prompt prompt(text);
  for (;;) {
    std::wstring answer;
    if (!prompt.read(answer)) return RTCAN;
    if (answer.empty()) {
      if (!prompt.has(RSG_NONULL)) {
        if (result && bufLen) result[0] = L'\0';
        return RTNONE;
      }
      complain(msg::kNeedAnswer);
      continue;
    }
    if (prompt.keywordOrOther(answer)) return copyOut(Editor::instance().lastInput(), result, bufLen);
    complain(msg::kInvalidKeyword);
  }
}

int acedGetKword(const ACHAR* text, ACHAR* result) {
  return acedGetKword(text, result, kAcedGetStringBufferLength);
}

int acedGetInput(ACHAR* result, size_t bufLen) {
  return copyOut(Editor::instance().lastInput(), result, bufLen);
}

int acedGetInput(ACHAR* result) { return acedGetInput(result, kAcedGetStringBufferLength); }
