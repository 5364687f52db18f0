#pragma once
// Readers for the input binding files: word lists that number the keys and
// pad buttons, and action files that pair a composed action name
// ("moveup_1") with one of those words.
#include <istream>
#include <map>
#include <string>

namespace Framework {

using WordNumbers = std::map<std::string, int>;
using ActionBindings = std::map<std::string, int>;

// Numbers the words of a list 0, 1, 2 ... in order. Only the first `limit`
// words are taken, so a list longer than its table never names a row that
// does not exist. A repeated word keeps its first number.
void ReadWordList(std::istream& in, int limit, WordNumbers& words);

// Reads "action word" pairs. A pair whose word is not in `words` binds
// nothing; an action that is already bound keeps its first binding.
void ReadActionBindings(std::istream& in, const WordNumbers& words, ActionBindings& actions);

// The composed name a player's binding is stored under: "moveup" of player 1
// is "moveup_1".
std::string ComposeActionName(const std::string& action, int player);

// The bound number, or -1 when the action has no binding.
int FindBinding(const ActionBindings& actions, const std::string& composedName);

}  // namespace Framework
