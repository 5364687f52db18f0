#pragma once
// The names the factory's objects carry, counted, so that a free name is
// found without listing every object: loading a scene of N objects, or
// cloning one object N times, stays linear in N.
#include <string>
#include <unordered_map>

namespace Framework {

class ObjectNames {
 public:
  void Add(const std::string& name);
  void Remove(const std::string& name);
  bool Contains(const std::string& name) const { return counts.count(name) > 0; }
  void Clear();

  // base when no object carries it; otherwise the first of base + separator
  // + 1, base + separator + 2, ... that no object carries.
  std::string FirstFree(const std::string& base, const std::string& separator);

 private:
  // A freed numbered name lowers the search start of its series.
  void Reopen(const std::string& name);
  void LowerStart(const std::string& series, unsigned long number);

  std::unordered_map<std::string, std::size_t> counts;
  // Per series (base and separator): every number below this one is taken.
  std::unordered_map<std::string, unsigned long> searchStart;
};

}  // namespace Framework
