// Which view the editor works in: the current document's, or for a drawing given to the editor
// without a document, one kept here. A view is set up from its drawing when the document is
// created, and loses its transient vectors when another document becomes current, since the
// screen is then redrawn.
#include "ed/editor.h"
#include "ed/view.h"

namespace ed {

namespace {

struct ViewWithoutDocument {
  AcDbDatabase* database = nullptr;
  AcApViewState state;
};

ViewWithoutDocument& viewWithoutDocument() {
  static ViewWithoutDocument view;
  return view;
}

class ViewReactor : public AcApDocManagerReactor {
 public:
  void documentCreated(AcApDocument* document) override { View::of(document); }
  void documentBecameCurrent(AcApDocument* document) override {
    document->viewState().transients.clear();
    viewWithoutDocument().state.transients.clear();
  }
  void documentToBeDeactivated(AcApDocument* document) override {
    document->viewState().transients.clear();
  }
};

// Never destroyed: the document manager may call its reactors during static destruction. The
// pointer keeps it reachable once the manager has let its list go.
ViewReactor* const g_viewReactor = [] {
  auto* reactor = new ViewReactor;
  acDocManager->addReactor(reactor);
  return reactor;
}();

}  // namespace

View View::of(AcApDocument* document) {
  View view(document->viewState(), document->database());
  if (!document->viewState().initialized) view.resetToDrawing();
  return view;
}

View View::current() {
  AcDbDatabase* database = Editor::instance().currentDatabase();
  if (AcApDocument* document = acDocManager->document(database)) return of(document);
  ViewWithoutDocument& own = viewWithoutDocument();
  if (own.database != database || !own.state.initialized) {
    own.state = AcApViewState();
    own.database = database;
    View(own.state, database).resetToDrawing();
  }
  return View(own.state, database);
}

const std::vector<AcApViewState::TransientVector>& transientVectors() {
  return View::current().transients();
}

void resetViewWithoutDocument() {
  ViewWithoutDocument& own = viewWithoutDocument();
  own.database = nullptr;
  own.state = AcApViewState();
}

}  // namespace ed
