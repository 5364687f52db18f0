#include "game/scenes/TutorialSteps.h"

namespace TutorialSteps {

const char* const kIntroController = "Intro_controller";
const char* const kIntroKeyboard = "Intro_keyboard";
const char* const kIntroOne = "Intro_1";
const char* const kIntroTwo = "Intro_2";

namespace {

struct StepPanels {
  const char* explanation;  // null for the intro
  const char* hints;        // stem of the two hint panels; null when the step has none
};

// Indexed by Step.
const StepPanels kTable[kStepCount] = {
    {nullptr, nullptr},              // Intro: its own pages
    {"Walking", nullptr},            // both players walk right
    {"Interact", "Interact"},        // the Killer uses the jukebox
    {"Sabo", "Sabo"},                // the Killer rigs it
    {"Calm", "Calm"},                // the Detective calms a panicking guest
    {"Hack", "Hack"},                // the Detective clears the body
    {"Catch_Wrong", "Catch_Wrong"},  // the Detective punches a guest
    {"Catch", "Catch"},              // the Detective arrests the Killer
    {"SeqTwo", nullptr},             // announces the second part
    {"SeqTwoInit", nullptr},         // the room rearranged
    {"Alarm_speech", "Alarm"},       // the Detective raises the alarm
    {"RunTeach", "RunTeach"},        // the Killer's disguise
    {"SeqTwoCatch", "SeqTwoCatch"},  // the arrest in a crowd
    {"Done", nullptr},               // back to the main menu
};

bool InTable(int step) { return step >= 0 && step < kStepCount; }

}  // namespace

bool IsTeaching(int step) { return InTable(step) && kTable[step].hints != nullptr; }

std::string ExplanationPanel(int step) {
  return InTable(step) && kTable[step].explanation ? kTable[step].explanation : "";
}

std::string HintPanel(int step, bool pad) {
  if (!IsTeaching(step)) return "";
  return std::string(kTable[step].hints) + (pad ? "_controller" : "_keyboard");
}

std::vector<std::string> AllPanels() {
  std::vector<std::string> panels = {kIntroController, kIntroKeyboard, kIntroOne, kIntroTwo};
  for (int step = 0; step < kStepCount; ++step) {
    if (!ExplanationPanel(step).empty()) panels.push_back(ExplanationPanel(step));
    if (!IsTeaching(step)) continue;
    panels.push_back(HintPanel(step, true));
    panels.push_back(HintPanel(step, false));
  }
  return panels;
}

}  // namespace TutorialSteps
