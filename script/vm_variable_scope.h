// Named text variables of one level of the machine: a call frame, a context or the machine.
#pragma once

#include <map>
#include <string>

class CVMVariableScope {
public:
    virtual ~CVMVariableScope() = default;

    virtual void Set(const std::string& name, const std::string& value);
    virtual bool Has(const std::string& name) const;
    // "" when the name is not held.
    virtual std::string Get(const std::string& name) const;
    virtual void Clear();

    std::size_t Size() const { return values_.size(); }

private:
    std::map<std::string, std::string> values_;
};
