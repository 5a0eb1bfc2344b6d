// A world with the script runtime on top of the engine's, and scripted functions and processes
// that record what the machine does with them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "script/script_runtime.h"
#include "tests/support/engine_world.h"

namespace script_test {

// The step a scripted instance runs: (machine, result, step number from 0) -> status.
using Step = std::function<int(CVirtualMachine&, std::string&, int)>;

class ScriptedInstance : public CVMFunctionInstance {
public:
    ScriptedInstance(Step step, std::shared_ptr<int> alive)
        : step_(std::move(step)), alive_(alive) {
        ++*alive_;
    }
    ~ScriptedInstance() override { --*alive_; }
    int Execute(CVirtualMachine& machine, std::string& result) override {
        return step_(machine, result, steps_++);
    }

private:
    Step step_;
    std::shared_ptr<int> alive_;
    int steps_ = 0;
};

class ScriptedFunction : public CVMFunction {
public:
    explicit ScriptedFunction(Step step, std::shared_ptr<int> alive = std::make_shared<int>(0))
        : step_(std::move(step)), alive_(alive) {}
    std::unique_ptr<CVMFunctionInstance> CreateInstance() override {
        return std::make_unique<ScriptedInstance>(step_, alive_);
    }

private:
    Step step_;
    std::shared_ptr<int> alive_;
};

// What a process lived through; it outlives the process so tests can look after deletion.
struct ProcessLog {
    int updates = 0;
    bool deleted = false;
    std::vector<std::string> calls;
};

class RecordingProcess : public CVMProcess {
public:
    RecordingProcess(std::shared_ptr<ProcessLog> log, int finish_after)
        : log_(std::move(log)), finish_after_(finish_after) {}
    ~RecordingProcess() override { log_->deleted = true; }
    void Update() override {
        ++log_->updates;
        log_->calls.push_back("update");
        if (on_update) on_update();
    }
    bool IsFinished() const override {
        return finish_after_ >= 0 && log_->updates >= finish_after_;
    }
    void Suspend() override { log_->calls.push_back("suspend"); }
    void Resume() override { log_->calls.push_back("resume"); }
    void OnSignalA() override { log_->calls.push_back("a"); }
    void OnSignalB() override { log_->calls.push_back("b"); }

    std::function<void()> on_update;

private:
    std::shared_ptr<ProcessLog> log_;
    int finish_after_;  // updates until it reports finished; -1 never
};

class ScriptWorld : public testing_support::EngineWorld {
public:
    ScriptRuntime script;
    CVirtualMachine& vm = script.machine;

    // Registers a global function.
    void Define(const std::string& name, Step step) {
        vm.GetGlobalFunctions().Set(name, std::make_unique<ScriptedFunction>(std::move(step)));
    }
    std::vector<std::string>& DebugLines() { return backend.debug.lines; }
};

// The results a queue holds, oldest first (emptying it).
inline std::vector<std::string> Drain(CVMResultQueue& queue) {
    std::vector<std::string> results;
    std::string result;
    while (queue.Pop(result)) results.push_back(result);
    return results;
}

}  // namespace script_test
