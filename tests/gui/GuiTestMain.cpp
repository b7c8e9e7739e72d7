// The GUI tests' entry: the toolkit is started once for all tests, under
// the display the test script provides (a private Xvfb).
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (ctest does it at build time) needs no display.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
  const auto config = std::filesystem::temp_directory_path() / "versilo-gui-test-config";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 2;
  wxInitAllImageHandlers();
  const int result = RUN_ALL_TESTS();
  wxEntryCleanup();
  return result;
}
