#include "shell/window_commands.h"

#include <QImage>
#include <QString>

#include "ed/aced.h"
#include "ed/command_line.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"
#include "view/drawing_view.h"

namespace gui {
namespace {

const wchar_t* const kGroup = L"CADHOST_FENETRE";
const wchar_t* const kImagePrompt = L"\nNom du fichier image PNG: ";
const wchar_t* const kImageWritten = L"\nImage enregistrée : %s\n";
const wchar_t* const kImageNotWritten = L"impossible d'écrire l'image ";

DrawingView* g_view = nullptr;

void pngOutCommand() {
  ACHAR name[kAcedGetStringBufferLength];
  if (acedGetString(1, kImagePrompt, name) != RTNORM || name[0] == L'\0' || g_view == nullptr) return;
  // A script does not let the window redraw between its lines: the view catches up first.
  AcApDocument* current = acDocManager->curDocument();
  if (g_view->document() != current)
    g_view->setDocument(current);
  else
    g_view->updateFromChanges();
  QString file = QString::fromWCharArray(name);
  if (!file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) file += QStringLiteral(".png");
  if (!g_view->renderImage().save(file, "PNG")) {
    std::wstring message = kImageNotWritten + file.toStdWString();
    acutPrintf(L"\n%s\n", message.c_str());
    ed::noteCommandError(message);
    return;
  }
  acutPrintf(kImageWritten, file.toStdWString().c_str());
}

}  // namespace

void registerWindowCommands(DrawingView* view) {
  g_view = view;
  acedRegCmds()->addCommand(kGroup, L"PNGOUT", L"IMAGEPNG", ACRX_CMD_MODAL, pngOutCommand);
}

void removeWindowCommands() {
  acedRegCmds()->removeGroup(kGroup);
  g_view = nullptr;
}

}  // namespace gui
