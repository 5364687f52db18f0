#include "engine/core/ObjectNames.h"

namespace Framework {

namespace {

std::string SeriesOf(const std::string& base, const std::string& separator) {
  return base + '\0' + separator;
}

}  // namespace

void ObjectNames::Add(const std::string& name) { ++counts[name]; }

void ObjectNames::Remove(const std::string& name) {
  auto found = counts.find(name);
  if (found == counts.end()) return;
  if (--found->second > 0) return;
  counts.erase(found);
  Reopen(name);
}

void ObjectNames::Clear() {
  counts.clear();
  searchStart.clear();
}

std::string ObjectNames::FirstFree(const std::string& base, const std::string& separator) {
  if (!Contains(base)) return base;
  const std::string series = SeriesOf(base, separator);
  auto start = searchStart.emplace(series, 1).first;
  unsigned long number = start->second;
  std::string candidate = base + separator + std::to_string(number);
  while (Contains(candidate)) candidate = base + separator + std::to_string(++number);
  start->second = number;
  return candidate;
}

void ObjectNames::Reopen(const std::string& name) {
  // Only numbers this class hands out matter: no leading zero, and short
  // enough to fit an unsigned long.
  const std::size_t digits = name.find_last_not_of("0123456789") + 1;
  if (digits == name.size() || name[digits] == '0' || name.size() - digits > 18) return;
  const unsigned long number = std::stoul(name.substr(digits));
  const std::string prefix = name.substr(0, digits);
  LowerStart(SeriesOf(prefix, ""), number);
  if (!prefix.empty() && prefix.back() == '_') LowerStart(SeriesOf(prefix.substr(0, digits - 1), "_"), number);
}

void ObjectNames::LowerStart(const std::string& series, unsigned long number) {
  auto start = searchStart.find(series);
  if (start != searchStart.end() && number < start->second) start->second = number;
}

}  // namespace Framework
