// The host of the script-like cooperative tasks: named contexts that serve queues of call
// requests, a set of running processes, and variable and function lookup through three levels
// (the running call, its context, the machine). One pass of Run per frame drives it all.
#pragma once

#include <cstdint>
#include <string>

#include "script/creation_ordered_set.h"
#include "script/vm_context.h"
#include "script/vm_function_scope.h"
#include "script/vm_interfaces.h"
#include "script/vm_variable_scope.h"

class CVirtualMachine {
public:
    CVirtualMachine();
    virtual ~CVirtualMachine();
    CVirtualMachine(const CVirtualMachine&) = delete;
    CVirtualMachine& operator=(const CVirtualMachine&) = delete;

    // One context per name: asking again gives the first one.
    virtual CVMContext* CreateContext(const std::string& name);
    // Also deactivates it. The context that Run is serving goes once its step is over.
    virtual void DestroyContext(CVMContext* context);
    virtual CVMContext* FindContext(const std::string& name) const;
    virtual void ActivateContext(CVMContext* context);
    virtual void DeactivateContext(CVMContext* context);
    virtual CVMContext* GetCurrentContext() const { return current_; }
    virtual void SetObjectFactory(CVMObjectFactory* factory) { factory_ = factory; }
    virtual void CreateProcess(std::int32_t first, std::int32_t second);
    // The machine takes the process and deletes it once it has finished.
    virtual void AddProcess(CVMProcess* process);
    // Hands the process back to the caller, undeleted.
    virtual void RemoveProcess(CVMProcess* process);
    virtual std::uint32_t NewRequestId() { return ++request_id_; }
    virtual CVMVariableScope& GetGlobalVariables() { return global_variables_; }
    virtual CVMFunctionScope& GetGlobalFunctions() { return global_functions_; }
    virtual void SetVariable(const std::string& name, const std::string& value);
    virtual std::string GetVariable(const std::string& name) const;
    virtual CVMFunction* FindFunction(const std::string& name) const;
    virtual void Run();
    virtual void CallHost(std::int32_t first, std::int32_t second);
    virtual void CallObjectMethod(const std::string& context_name, const std::string& function_name,
                                  const CVMArguments& arguments);
    virtual void Suspend();
    virtual void Resume();
    virtual bool IsDrained() const;
    virtual void SignalProcessesA();
    virtual void SignalProcessesB();
    virtual void SetCurrentContext(CVMContext* context) { current_ = context; }

    bool IsSuspended() const { return suspended_ != 0; }
    bool HasProcess(CVMProcess* process) const { return processes_.Contains(process); }
    std::size_t ProcessCount() const { return processes_.Size(); }
    std::size_t ContextCount() const { return contexts_.Size(); }
    bool IsActive(CVMContext* context) const { return active_.Contains(context); }

private:
    void Serve(CVMContext* context);

    CreationOrderedSet<CVMContext> contexts_;
    CreationOrderedSet<CVMContext> active_;
    CreationOrderedSet<CVMProcess> processes_;
    CVMContext* current_ = nullptr;
    std::uint32_t request_id_ = 0;
    CVMVariableScope global_variables_;
    CVMFunctionScope global_functions_;
    std::uint8_t suspended_ = 0;
    CVMObjectFactory* factory_ = nullptr;

    std::uint64_t context_serial_ = 0;
    std::uint64_t process_serial_ = 0;
    // The context Run is serving, and whether it was destroyed during its step.
    CVMContext* serving_ = nullptr;
    bool serving_destroyed_ = false;
};

// The machine of the live script runtime.
CVirtualMachine* GetVirtualMachine();
