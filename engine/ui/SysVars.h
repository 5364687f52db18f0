#pragma once
// The shared-variable registry: a name mapped to the address of a variable
// owned elsewhere. Each entry keeps the variable's type, so a reader of
// another type answers as if the name were absent instead of reading past
// a bool. Entries are never removed.
#include <map>
#include <string>

namespace Framework {

enum class SysVarType { None, Bool, Int, Float };

struct SysVarEntry {
  void* address = nullptr;
  SysVarType type = SysVarType::None;
};

class SysVarRegistry {
 public:
  // Guarded: a name already present prints "Error: Duplicate sysvar found"
  // on stderr and keeps the first entry.
  void Register(const std::string& name, bool* address) { Guarded(name, {address, SysVarType::Bool}); }
  void Register(const std::string& name, int* address) { Guarded(name, {address, SysVarType::Int}); }
  void Register(const std::string& name, float* address) { Guarded(name, {address, SysVarType::Float}); }
  // Direct: inserts or replaces, silently.
  void RegisterDirect(const std::string& name, bool* address) { entries_[name] = {address, SysVarType::Bool}; }
  void RegisterDirect(const std::string& name, int* address) { entries_[name] = {address, SysVarType::Int}; }
  void RegisterDirect(const std::string& name, float* address) { entries_[name] = {address, SysVarType::Float}; }
  // Lookup for binding: inserts a null entry when the name is absent.
  SysVarEntry& Bind(const std::string& name) { return entries_[name]; }
  // Readers never insert; absent, null or wrongly typed entries read as absent.
  const SysVarEntry* Find(const std::string& name) const;
  bool GetBool(const std::string& name) const;
  int GetInt(const std::string& name) const;
  float GetFloat(const std::string& name) const;
  void* GetPtr(const std::string& name) const;
  const std::map<std::string, SysVarEntry>& Entries() const { return entries_; }

 private:
  void Guarded(const std::string& name, SysVarEntry entry);
  std::map<std::string, SysVarEntry> entries_;
};

// The registry held by the UI system.
SysVarRegistry& SysVars();

template <class T>
T GetSysVar(const std::string& name);
template <>
bool GetSysVar<bool>(const std::string& name);
template <>
float GetSysVar<float>(const std::string& name);
template <>
int GetSysVar<int>(const std::string& name);
void* GetSysVarPtr(const std::string& name);

}  // namespace Framework
