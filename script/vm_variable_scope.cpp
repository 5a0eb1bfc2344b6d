#include "script/vm_variable_scope.h"

void CVMVariableScope::Set(const std::string& name, const std::string& value) {
    values_[name] = value;
}

bool CVMVariableScope::Has(const std::string& name) const { return values_.count(name) != 0; }

std::string CVMVariableScope::Get(const std::string& name) const {
    const auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
}

void CVMVariableScope::Clear() { values_.clear(); }
