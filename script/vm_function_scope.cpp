#include "script/vm_function_scope.h"

void CVMFunctionScope::Set(const std::string& name, std::unique_ptr<CVMFunction> function) {
    functions_[name] = std::move(function);
}

bool CVMFunctionScope::Has(const std::string& name) const { return functions_.count(name) != 0; }

CVMFunction* CVMFunctionScope::Get(const std::string& name) const {
    const auto found = functions_.find(name);
    return found == functions_.end() ? nullptr : found->second.get();
}

void CVMFunctionScope::Clear() { functions_.clear(); }
