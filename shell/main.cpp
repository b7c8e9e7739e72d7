// The reader's entry point: the font map and the page engine's settings
// must be in place before the toolkit and the page view start.
#include <wx/app.h>

#include <cstdlib>

#include "shell/VersiloApp.h"

wxIMPLEMENT_APP_NO_MAIN(versilo::CVersiloApp);

int main(int argc, char** argv) {
  versilo::CVersiloApp::UseReaderFonts();
  // A reader of static pages gains nothing from GPU compositing: without it
  // the first page paints sooner and the page process needs less memory.
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
  return wxEntry(argc, argv);
}
