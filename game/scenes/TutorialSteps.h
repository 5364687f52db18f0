#pragma once
// The tutorial's fourteen steps in the order they run, and the panels each
// one shows. A teaching step shows its explanation until it is confirmed,
// then a hint ("_controller" or "_keyboard" variant) until the players have
// done what it teaches.
#include <string>
#include <vector>

namespace TutorialSteps {

enum Step : int {
  kIntro = 0,
  kWalking,
  kInteract,
  kSabo,
  kCalm,
  kHack,
  kCatchWrong,
  kCatch,
  kSeqTwo,
  kSeqTwoInit,
  kAlarmSpeech,
  kRunTeach,
  kSeqTwoCatch,
  kDone,
  kStepCount
};

// The intro's pages: the first follows the first game pad.
extern const char* const kIntroController;
extern const char* const kIntroKeyboard;
extern const char* const kIntroOne;
extern const char* const kIntroTwo;

// True for the steps with an explanation and a hint.
bool IsTeaching(int step);
// The explanation of a teaching step, or the single panel of steps 1, 8, 9
// and 13; empty for the intro and for numbers outside the table.
std::string ExplanationPanel(int step);
// The hint of a teaching step in the pad or keyboard variant; empty for the others.
std::string HintPanel(int step, bool pad);
// Every panel the tutorial owns, the pause panel excepted.
std::vector<std::string> AllPanels();

}  // namespace TutorialSteps
