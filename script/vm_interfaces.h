// What the machine runs but does not define: functions and their running instances, processes,
// the factory that makes processes, and the host object that owns a context.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "script/data_queue.h"

class CVirtualMachine;

using CVMArguments = std::map<std::string, std::string>;
using CVMResultQueue = CDataQueue<std::string>;
// Where a call's result goes. The queue belongs to the caller's frame (or to a host); a caller
// that is gone before its callee returns simply no longer receives the result.
using CVMResultReceiver = std::weak_ptr<CVMResultQueue>;

// The status of an execute step that has finished its call; its result string is the call's
// result. Every other status means "not yet": the context waits for the next pass.
constexpr int kVMStatusReturned = 3;

// One running call of a function.
class CVMFunctionInstance {
public:
    virtual ~CVMFunctionInstance() = default;
    // Called once, when the call's frame becomes the current frame; its arguments are already
    // local variables by then.
    virtual void Start() {}
    virtual int Execute(CVirtualMachine& machine, std::string& result) = 0;
};

class CVMFunction {
public:
    virtual ~CVMFunction() = default;
    virtual std::unique_ptr<CVMFunctionInstance> CreateInstance() = 0;
};

// A task the machine updates once per pass until it reports that it has finished; the machine
// then deletes it.
class CVMProcess {
public:
    virtual ~CVMProcess() = default;
    virtual void Update() = 0;
    virtual bool IsFinished() const = 0;
    virtual void Suspend() {}
    virtual void Resume() {}
    virtual void OnSignalA() {}
    virtual void OnSignalB() {}
};

class CVMObjectFactory {
public:
    virtual ~CVMObjectFactory() = default;
    // A new process (the caller takes it) or null.
    virtual CVMProcess* CreateProcess(std::int32_t first, std::int32_t second) = 0;
};

// The owner of a context, reached by the context's running calls through CallHost.
class CVMHostObject {
public:
    virtual ~CVMHostObject() = default;
    virtual void HostCall(const CVMResultReceiver& receiver, std::int32_t first,
                          std::int32_t second) = 0;
};
