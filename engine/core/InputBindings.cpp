#include "engine/core/InputBindings.h"

namespace Framework {

void ReadWordList(std::istream& in, int limit, WordNumbers& words) {
  std::string word;
  for (int number = 0; number < limit && in >> word; ++number) words.emplace(word, number);
}

void ReadActionBindings(std::istream& in, const WordNumbers& words, ActionBindings& actions) {
  std::string action, word;
  while (in >> action >> word) {
    auto found = words.find(word);
    if (found == words.end()) continue;
    actions.emplace(action, found->second);
  }
}

std::string ComposeActionName(const std::string& action, int player) {
  return action + "_" + std::to_string(player);
}

int FindBinding(const ActionBindings& actions, const std::string& composedName) {
  auto found = actions.find(composedName);
  return found == actions.end() ? -1 : found->second;
}

}  // namespace Framework
