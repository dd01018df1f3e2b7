// The selection prompt: each answer adds (or removes) entities until Enter.
#include "ed/selection_prompt.h"

#include <algorithm>
#include <cwctype>

#include "ed/aced.h"
#include "ed/editor.h"
#include "ed/point_input.h"
#include "ed/selection_messages.h"
#include "os/case_map.h"

namespace ed {

namespace {

void say(const std::wstring& text) { Editor::instance().transcript().write(text); }

// Prints the prompt, reads one answer (up to a blank; the rest is the next answer) and echoes it.
// False on a cancel.
bool readAnswer(const wchar_t* prompt, std::wstring& answer) {
  Editor& editor = Editor::instance();
  // Restrictions armed for someone else do not apply to this prompt.
  editor.takeInitGet();
  say(prompt);
  RequestScope scope(InputRequest::kSelection);
  std::wstring line;
  if (!editor.readLine(line) || line == L"^C") {
    say(std::wstring(selmsg::kCancel) + L"\n");
    return false;
  }
  answer = editor.takeFirstWord(line);
  say(answer + L"\n");
  return true;
}

// The options of the prompt, by the words that stand for them. A word is typed in full or cut
// after at least the letters of its abbreviation; accents and case do not matter.
enum class Option { kNone, kWindow, kCrossing, kAll, kLast, kPrevious, kAdd, kRemove };

struct OptionWord {
  const wchar_t* word;  // compared without accents
  size_t shortest;      // the abbreviation's length
  Option option;
};

const OptionWord kOptions[] = {
    {L"fenetre", 1, Option::kWindow},
    {L"capture", 1, Option::kCrossing},
    {L"tout", 4, Option::kAll},
    {L"dernier", 1, Option::kLast},
    {L"precedent", 1, Option::kPrevious},
    {L"ajouter", 1, Option::kAdd},
    {L"retirer", 1, Option::kRemove},
    // The global words, after "_".
    {L"_window", 2, Option::kWindow},
    {L"_crossing", 2, Option::kCrossing},
    {L"_all", 4, Option::kAll},
    {L"_last", 2, Option::kLast},
    {L"_previous", 2, Option::kPrevious},
    {L"_add", 2, Option::kAdd},
    {L"_remove", 2, Option::kRemove},
};

Option optionOf(const std::wstring& typed) {
  std::wstring folded;
  for (wchar_t c : typed) folded += baseLetterLower(c);
  for (const OptionWord& o : kOptions) {
    std::wstring word = o.word;
    if (folded.size() >= o.shortest && folded.size() <= word.size() &&
        word.compare(0, folded.size(), folded) == 0)
      return o.option;
  }
  return Option::kNone;
}

void printCount(const wchar_t* format, int a, int b = 0, int c = 0) {
  if (!Editor::instance().transcript().atLineStart()) say(L"\n");
  acutPrintf(format, a, b, c);
}

}  // namespace

int askWindowCorners(AcGePoint3d& corner1, AcGePoint3d& corner2) {
  ads_point first, second;
  int code = acedGetPoint(nullptr, selmsg::kFirstCorner, first);
  if (code != RTNORM) return code == RTCAN ? int(RTCAN) : int(RTNONE);
  code = acedGetCorner(first, selmsg::kOppositeCorner, second);
  if (code != RTNORM) return code == RTCAN ? int(RTCAN) : int(RTNONE);
  corner1.set(first[0], first[1], first[2]);
  corner2.set(second[0], second[1], second[2]);
  return RTNORM;
}

int promptSelection(const SelectionContext& context, bool single, std::vector<AcDbObjectId>& ids) {
  bool removing = false;
  Editor& editor = Editor::instance();
  for (;;) {
    std::wstring answer;
    if (!readAnswer(removing ? selmsg::kRemoveObjects : selmsg::kSelectObjects, answer))
      return RTCAN;
    if (answer.empty()) return RTNORM;
    std::vector<AcDbObjectId> found;
    bool understood = true;
    ads_point p;
    if (answer[0] == L'#') {
      found = entityByHandle(context, answer);
    } else if (parsePointInput(answer, nullptr, editor.lastPoint(), p)) {
      editor.setLastPoint(p);
      found = entityAt(context, AcGePoint3d(p[0], p[1], p[2]));
    } else {
      switch (optionOf(answer)) {
        case Option::kWindow:
        case Option::kCrossing: {
          AcGePoint3d a, b;
          int code = askWindowCorners(a, b);
          if (code == RTCAN) return RTCAN;
          if (code != RTNORM) continue;
          found = windowEntities(context, a, b, optionOf(answer) == Option::kCrossing);
          break;
        }
        case Option::kAll:
          found = allEntities(context, false);
          break;
        case Option::kLast:
          found = lastEntity(context);
          break;
        case Option::kPrevious:
          found = previousEntities(context);
          break;
        case Option::kAdd:
          removing = false;
          continue;
        case Option::kRemove:
          removing = true;
          continue;
        case Option::kNone:
          understood = false;
          break;
      }
    }
    if (!understood) {
      say(std::wstring(selmsg::kInvalidSelection) + L"\n");
      continue;
    }
    int count = static_cast<int>(found.size());
    if (removing) {
      int removed = 0;
      for (const AcDbObjectId& id : found) {
        auto it = std::find(ids.begin(), ids.end(), id);
        if (it != ids.end()) {
          ids.erase(it);
          ++removed;
        }
      }
      printCount(selmsg::kFoundRemoved, count, removed, static_cast<int>(ids.size()));
    } else {
      bool hadSome = !ids.empty();
      int duplicates = 0;
      for (const AcDbObjectId& id : found) {
        if (std::find(ids.begin(), ids.end(), id) != ids.end())
          ++duplicates;
        else
          ids.push_back(id);
      }
      int total = static_cast<int>(ids.size());
      if (duplicates > 0)
        printCount(selmsg::kFoundDuplicates, count, duplicates, total);
      else if (hadSome)
        printCount(selmsg::kFoundTotal, count, total);
      else
        printCount(selmsg::kFound, count);
    }
    if (single && !found.empty()) return RTNORM;
  }
}

}  // namespace ed
