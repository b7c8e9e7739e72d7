#pragma once
// Command and timer ids. The reader's commands are numbered 32771 to 32796
// and the bar toggles 59392/59393; wx keeps menu ids below 32767, so each is
// used with 30000 taken off (32771 is 2771 here). The framework's commands use
// wx's standard ids.
namespace versilo::cmd {

inline constexpr int kOffset = 30000;

enum : int {
  kSpeechParameters = 32771 - kOffset,
  kStartReading = 32772 - kOffset,
  kStopReading = 32773 - kOffset,
  kPauseReading = 32774 - kOffset,
  kSpeechLoop = 32775 - kOffset,
  kSpeechItems = 32776 - kOffset,
  kBookmarks = 32780 - kOffset,
  kPoemsByAuthor = 32784 - kOffset,
  kMusicSettings = 32785 - kOffset,
  kToggleMusic = 32786 - kOffset,
  kTogglePageTurning = 32787 - kOffset,
  kShowPinyin = 32788 - kOffset,
  kShowAuthor = 32789 - kOffset,
  kSearch = 32790 - kOffset,
  kHomePage = 32793 - kOffset,
  kBack = 32794 - kOffset,
  kForward = 32795 - kOffset,
  kPageTurningSettings = 32796 - kOffset,
  kToggleToolBar = 59392 - kOffset,
  kToggleStatusBar = 59393 - kOffset,
  kNextPane = 57680 - kOffset,
  kPreviousPane = 57681 - kOffset,
};

enum : int {
  kPageTurnTimer = 4001,
  kMusicStartTimer = 4004,
};

}  // namespace versilo::cmd
