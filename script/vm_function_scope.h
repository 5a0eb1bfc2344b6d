// Named functions of a context or of the machine. The scope owns its function objects.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "script/vm_interfaces.h"

class CVMFunctionScope {
public:
    virtual ~CVMFunctionScope() = default;

    // Replacing a name deletes the function object it held.
    virtual void Set(const std::string& name, std::unique_ptr<CVMFunction> function);
    virtual bool Has(const std::string& name) const;
    // Null when the name is not held.
    virtual CVMFunction* Get(const std::string& name) const;
    virtual void Clear();

    std::size_t Size() const { return functions_.size(); }

private:
    std::map<std::string, std::unique_ptr<CVMFunction>> functions_;
};
