#include "engine/ui/SysVars.h"

#include <iostream>

namespace Framework {

void SysVarRegistry::Guarded(const std::string& name, SysVarEntry entry) {
  if (entries_.count(name) != 0) {
    std::cerr << "Error: Duplicate sysvar found" << std::endl;
    return;
  }
  entries_[name] = entry;
}

const SysVarEntry* SysVarRegistry::Find(const std::string& name) const {
  auto it = entries_.find(name);
  if (it == entries_.end() || it->second.address == nullptr) return nullptr;
  return &it->second;
}

bool SysVarRegistry::GetBool(const std::string& name) const {
  const SysVarEntry* e = Find(name);
  return (e && e->type == SysVarType::Bool) ? *static_cast<bool*>(e->address) : false;
}

int SysVarRegistry::GetInt(const std::string& name) const {
  const SysVarEntry* e = Find(name);
  return (e && e->type == SysVarType::Int) ? *static_cast<int*>(e->address) : 0;
}

float SysVarRegistry::GetFloat(const std::string& name) const {
  const SysVarEntry* e = Find(name);
  return (e && e->type == SysVarType::Float) ? *static_cast<float*>(e->address) : 0.0f;
}

void* SysVarRegistry::GetPtr(const std::string& name) const {
  const SysVarEntry* e = Find(name);
  return e ? e->address : nullptr;
}

SysVarRegistry& SysVars() {
  static SysVarRegistry registry;
  return registry;
}

template <>
bool GetSysVar<bool>(const std::string& name) { return SysVars().GetBool(name); }
template <>
float GetSysVar<float>(const std::string& name) { return SysVars().GetFloat(name); }
template <>
int GetSysVar<int>(const std::string& name) { return SysVars().GetInt(name); }
void* GetSysVarPtr(const std::string& name) { return SysVars().GetPtr(name); }

}  // namespace Framework
