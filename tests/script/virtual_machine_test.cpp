#include "script/virtual_machine.h"

#include <gtest/gtest.h>

#include "engine/common/sjis.h"
#include "tests/script/script_world.h"

namespace script_test {
namespace {

class VirtualMachineTest : public ScriptWorld, public ::testing::Test {};

TEST_F(VirtualMachineTest, RuntimeAccessorReachesItsMachine) {
    EXPECT_EQ(GetVirtualMachine(), &vm);
    EXPECT_EQ(ScriptRuntime::Current(), &script);
}

TEST_F(VirtualMachineTest, ContextsAreMadeOncePerNameAndIdsCountFromOne) {
    CVMContext* first = vm.CreateContext("npc");
    EXPECT_EQ(vm.CreateContext("npc"), first);
    CVMContext* other = vm.CreateContext("door");
    EXPECT_NE(other, first);
    EXPECT_EQ(vm.FindContext("npc"), first);
    EXPECT_EQ(vm.FindContext("NPC"), nullptr);
    EXPECT_EQ(vm.ContextCount(), 2u);

    EXPECT_EQ(vm.NewRequestId(), 1u);
    EXPECT_EQ(vm.NewRequestId(), 2u);
    // A posted request takes the next id.
    first->PostRequest("f", {}, {});
    EXPECT_EQ(vm.NewRequestId(), 4u);
}

// Where a name lives (in the running call, its context, the machine or nowhere) decides what
// GetVariable reads and which scope SetVariable changes.
TEST_F(VirtualMachineTest, VariablesAreLookedUpLocalThenContextThenGlobal) {
    struct Case {
        const char* label;
        bool local, context, global;
        const char* read;
        const char* local_after;
        const char* context_after;
        const char* global_after;
    };
    const Case cases[] = {
        {"local only", true, false, false, "L", "new", nullptr, nullptr},
        {"context only", false, true, false, "C", nullptr, "new", nullptr},
        {"global only", false, false, true, "G", nullptr, nullptr, "new"},
        {"nowhere", false, false, false, "", "new", nullptr, nullptr},
        {"local shadows all", true, true, true, "L", "new", "C", "G"},
        {"context shadows global", false, true, true, "C", nullptr, "new", "G"},
    };
    Define("f", [](CVirtualMachine&, std::string&, int) { return 0; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CVMContext* context = vm.CreateContext(c.label);
        context->PostRequest("f", {}, {});
        ASSERT_NE(context->ProcessRequest(), nullptr);
        CVMVariableScope& locals = *context->GetLocalVariables();
        vm.GetGlobalVariables().Clear();
        if (c.local) locals.Set("v", "L");
        if (c.context) context->GetVariables().Set("v", "C");
        if (c.global) vm.GetGlobalVariables().Set("v", "G");
        vm.SetCurrentContext(context);

        EXPECT_EQ(vm.GetVariable("v"), c.read);
        EXPECT_EQ(locals.Has("v"), c.local) << "a read defines nothing";
        vm.SetVariable("v", "new");

        const auto expect_in = [](const CVMVariableScope& scope, const char* value) {
            if (value) {
                EXPECT_EQ(scope.Get("v"), value);
            } else {
                EXPECT_FALSE(scope.Has("v"));
            }
        };
        expect_in(locals, c.local_after);
        expect_in(context->GetVariables(), c.context_after);
        expect_in(vm.GetGlobalVariables(), c.global_after);
        EXPECT_EQ(vm.GetVariable("v"), "new");
    }
}

TEST_F(VirtualMachineTest, WithoutRunningContextNewVariablesGoToTheMachine) {
    vm.SetVariable("score", "10");
    EXPECT_EQ(vm.GetGlobalVariables().Get("score"), "10");
    EXPECT_EQ(vm.GetVariable("score"), "10");
    EXPECT_EQ(vm.GetVariable("unknown"), "");
    EXPECT_FALSE(vm.GetGlobalVariables().Has("unknown"));
}

TEST_F(VirtualMachineTest, FunctionsAreFoundInTheContextBeforeTheMachine) {
    Define("f", [](CVirtualMachine&, std::string&, int) { return 0; });
    CVirtualMachine& machine = vm;
    CVMFunction* global = machine.FindFunction("f");
    ASSERT_NE(global, nullptr);
    CVMContext* context = vm.CreateContext("npc");
    context->GetFunctions().Set("f", std::make_unique<ScriptedFunction>(
                                         [](CVirtualMachine&, std::string&, int) { return 0; }));
    EXPECT_EQ(vm.FindFunction("f"), global) << "outside the context";
    vm.SetCurrentContext(context);
    EXPECT_EQ(vm.FindFunction("f"), context->GetFunctions().Get("f"));
    EXPECT_EQ(vm.FindFunction("g"), nullptr);
    context->GetFunctions().Set("f", nullptr);
    EXPECT_EQ(vm.FindFunction("f"), nullptr) << "the context's name hides the machine's";
}

// A function that returns at once with its argument "n": queued requests are served oldest
// first in one pass, each result going to its own receiver.
TEST_F(VirtualMachineTest, QueuedRequestsDrainOldestFirstIntoTheirQueues) {
    std::vector<std::string> served;
    Define("echo", [&](CVirtualMachine& machine, std::string& result, int) {
        result = machine.GetVariable("n");
        served.push_back(result);
        return kVMStatusReturned;
    });
    CVMContext* context = vm.CreateContext("shop");
    std::vector<std::shared_ptr<CVMResultQueue>> queues;
    for (const char* n : {"1", "2", "3"}) {
        queues.push_back(std::make_shared<CVMResultQueue>());
        context->PostRequest("echo", {{"n", n}}, queues.back());
    }
    EXPECT_TRUE(context->IsBusy());
    vm.ActivateContext(context);
    vm.Run();

    EXPECT_EQ(served, (std::vector<std::string>{"1", "2", "3"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Drain(*queues[i]), std::vector<std::string>{std::to_string(i + 1)});
    }
    EXPECT_FALSE(context->IsBusy());
    EXPECT_EQ(vm.GetCurrentContext(), nullptr);
    // An idle active context is passed over quietly.
    vm.Run();
    EXPECT_TRUE(DebugLines().empty());
}

// "outer" calls "inner" on its own context with its own frame id: the call nests on top at
// once and runs before the request queued behind "outer"; its result reaches outer's queue.
TEST_F(VirtualMachineTest, NestedCallRunsBeforeQueuedRequests) {
    std::vector<std::string> log;
    Define("outer", [&](CVirtualMachine& machine, std::string& result, int step) {
        log.push_back("outer" + std::to_string(step));
        if (step == 0) {
            machine.CallObjectMethod("shop", "inner", {{"x", "7"}});
            return 0;
        }
        std::string inner;
        EXPECT_TRUE(machine.GetCurrentContext()->GetResultQueue()->Pop(inner));
        result = "outer saw " + inner;
        return kVMStatusReturned;
    });
    Define("inner", [&](CVirtualMachine& machine, std::string& result, int) {
        log.push_back("inner");
        result = machine.GetVariable("x");
        return kVMStatusReturned;
    });
    Define("plain", [&](CVirtualMachine&, std::string&, int) {
        log.push_back("plain");
        return kVMStatusReturned;
    });
    CVMContext* context = vm.CreateContext("shop");
    auto outer_result = std::make_shared<CVMResultQueue>();
    context->PostRequest("outer", {}, outer_result);
    context->PostRequest("plain", {}, {});
    vm.ActivateContext(context);

    vm.Run();
    EXPECT_EQ(log, std::vector<std::string>{"outer0"});
    EXPECT_EQ(context->FrameCount(), 2u);
    vm.Run();
    EXPECT_EQ(log, (std::vector<std::string>{"outer0", "inner", "outer1", "plain"}));
    EXPECT_EQ(Drain(*outer_result), std::vector<std::string>{"outer saw 7"});
}

TEST_F(VirtualMachineTest, UnknownFunctionAndObjectWriteTheirDebugLines) {
    CVMContext* context = vm.CreateContext("npc");
    auto result = std::make_shared<CVMResultQueue>();
    context->PostRequest("nothing_here", {}, result);
    Define("calls_nobody", [](CVirtualMachine& machine, std::string&, int) {
        machine.CallObjectMethod("nobody", "f", {});
        return kVMStatusReturned;
    });
    context->PostRequest("calls_nobody", {}, {});
    vm.ActivateContext(context);
    vm.Run();
    EXPECT_EQ(Drain(*result), std::vector<std::string>{""}) << "the caller gets an empty result";
    EXPECT_EQ(DebugLines(),
              std::vector<std::string>{sjis::ToUtf8("VM関数はありません。[nothing_here]")});
    EXPECT_TRUE(context->IsBusy()) << "a call that could not start ends the context's pass";

    vm.Run();
    EXPECT_EQ(DebugLines(), (std::vector<std::string>{
                                sjis::ToUtf8("VM関数はありません。[nothing_here]"),
                                sjis::ToUtf8("オブジェクトがみつからない[nobody]"),
                            }));
    EXPECT_FALSE(context->IsBusy());
}

// Outside Run there is no running context: the calls that need one only say so.
TEST_F(VirtualMachineTest, CallsThatNeedARunningContextDoNothingWithoutOne) {
    CVMContext* target = vm.CreateContext("npc");
    vm.CallHost(1, 2);
    vm.CallObjectMethod("npc", "f", {});
    EXPECT_FALSE(target->IsBusy());
    ASSERT_EQ(DebugLines().size(), 2u);
    EXPECT_NE(DebugLines()[0].find("CallHost"), std::string::npos);
    EXPECT_NE(DebugLines()[1].find("CallObjectMethod"), std::string::npos);
}

class RecordingHost : public CVMHostObject {
public:
    void HostCall(const CVMResultReceiver& receiver, std::int32_t first,
                  std::int32_t second) override {
        calls.push_back({first, second});
        if (auto queue = receiver.lock()) queue->Push("from host");
    }
    std::vector<std::pair<int, int>> calls;
};

TEST_F(VirtualMachineTest, CallHostReachesTheOwnerWithTheCallsReceiver) {
    RecordingHost host;
    Define("ask", [](CVirtualMachine& machine, std::string&, int) {
        machine.CallHost(3, -4);
        return kVMStatusReturned;
    });
    CVMContext* context = vm.CreateContext("npc");
    context->SetOwner(&host);
    auto result = std::make_shared<CVMResultQueue>();
    context->PostRequest("ask", {}, result);
    vm.ActivateContext(context);
    vm.Run();
    EXPECT_EQ(host.calls, (std::vector<std::pair<int, int>>{{3, -4}}));
    EXPECT_EQ(Drain(*result), (std::vector<std::string>{"from host", ""}));
}

TEST_F(VirtualMachineTest, ContextsAreServedInCreationOrder) {
    std::vector<std::string> served;
    Define("who", [&](CVirtualMachine& machine, std::string&, int) {
        served.push_back(machine.GetCurrentContext()->GetName());
        return kVMStatusReturned;
    });
    const char* names[] = {"c", "a", "d", "b"};
    std::vector<CVMContext*> contexts;
    for (const char* name : names) contexts.push_back(vm.CreateContext(name));
    for (auto it = contexts.rbegin(); it != contexts.rend(); ++it) {
        (*it)->PostRequest("who", {}, {});
        vm.ActivateContext(*it);
    }
    vm.Run();
    EXPECT_EQ(served, (std::vector<std::string>{"c", "a", "d", "b"}));
}

TEST_F(VirtualMachineTest, IsDrainedOnlyWhenSuspendedIdleAndInactive) {
    struct Row {
        bool suspended, active, busy, drained;
    };
    const Row rows[] = {
        {false, false, false, false}, {false, false, true, false}, {false, true, false, false},
        {false, true, true, false},   {true, false, false, true},  {true, false, true, false},
        {true, true, false, false},   {true, true, true, false},
    };
    CVMContext* context = vm.CreateContext("npc");
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.suspended << row.active << row.busy);
        row.suspended ? vm.Suspend() : vm.Resume();
        row.active ? vm.ActivateContext(context) : vm.DeactivateContext(context);
        if (row.busy) context->PostRequest("queued", {}, {});
        EXPECT_EQ(vm.IsDrained(), row.drained);
        EXPECT_EQ(vm.IsSuspended(), row.suspended);
        // Empties the queue again (the unknown function returns at once).
        vm.ActivateContext(context);
        vm.Run();
    }
}

TEST_F(VirtualMachineTest, FinishedProcessIsDeletedAndNeverTouchedAgain) {
    auto quick = std::make_shared<ProcessLog>();
    auto lasting = std::make_shared<ProcessLog>();
    vm.AddProcess(new RecordingProcess(quick, 1));
    auto* stays = new RecordingProcess(lasting, -1);
    vm.AddProcess(stays);
    vm.AddProcess(stays);
    vm.Run();
    EXPECT_TRUE(quick->deleted);
    EXPECT_EQ(vm.ProcessCount(), 1u);
    vm.Run();
    EXPECT_EQ(quick->updates, 1);
    EXPECT_EQ(lasting->updates, 2) << "added twice, updated once per pass";
    vm.RemoveProcess(stays);
    vm.Run();
    EXPECT_EQ(lasting->updates, 2);
    EXPECT_FALSE(lasting->deleted);
    delete stays;
}

TEST_F(VirtualMachineTest, ProcessEndedByAnotherDuringThePassIsSkipped) {
    auto first_log = std::make_shared<ProcessLog>();
    auto second_log = std::make_shared<ProcessLog>();
    auto* first = new RecordingProcess(first_log, -1);
    auto* second = new RecordingProcess(second_log, -1);
    first->on_update = [this, second] {
        vm.RemoveProcess(second);
        delete second;
    };
    vm.AddProcess(first);
    vm.AddProcess(second);
    vm.Run();
    EXPECT_TRUE(second_log->deleted);
    EXPECT_EQ(second_log->updates, 0);
    EXPECT_EQ(vm.ProcessCount(), 1u);
    first->on_update = nullptr;
}

class OneShotFactory : public CVMObjectFactory {
public:
    explicit OneShotFactory(std::shared_ptr<ProcessLog> log) : log_(std::move(log)) {}
    CVMProcess* CreateProcess(std::int32_t first, std::int32_t second) override {
        args.push_back({first, second});
        return first > 0 ? new RecordingProcess(log_, -1) : nullptr;
    }
    std::vector<std::pair<int, int>> args;

private:
    std::shared_ptr<ProcessLog> log_;
};

TEST_F(VirtualMachineTest, FactoryProcessesGetTheBroadcasts) {
    auto log = std::make_shared<ProcessLog>();
    OneShotFactory factory(log);
    vm.CreateProcess(1, 2);
    EXPECT_EQ(vm.ProcessCount(), 0u) << "no factory yet";
    vm.SetObjectFactory(&factory);
    vm.CreateProcess(0, 5);
    vm.CreateProcess(1, 2);
    EXPECT_EQ(factory.args, (std::vector<std::pair<int, int>>{{0, 5}, {1, 2}}));
    ASSERT_EQ(vm.ProcessCount(), 1u);

    vm.Suspend();
    vm.Resume();
    vm.SignalProcessesA();
    vm.SignalProcessesB();
    EXPECT_EQ(log->calls, (std::vector<std::string>{"suspend", "resume", "a", "b"}));
}

TEST_F(VirtualMachineTest, MachineDeletesWhatItStillHolds) {
    auto log = std::make_shared<ProcessLog>();
    auto alive = std::make_shared<int>(0);
    {
        ScriptRuntime inner;
        EXPECT_EQ(GetVirtualMachine(), &inner.machine);
        inner.machine.AddProcess(new RecordingProcess(log, -1));
        inner.machine.GetGlobalFunctions().Set(
            "f", std::make_unique<ScriptedFunction>(
                     [](CVirtualMachine&, std::string&, int) { return 0; }, alive));
        CVMContext* context = inner.machine.CreateContext("npc");
        context->PostRequest("f", {}, {});
        ASSERT_NE(context->ProcessRequest(), nullptr);
        EXPECT_EQ(*alive, 1);
    }
    EXPECT_TRUE(log->deleted);
    EXPECT_EQ(*alive, 0);
    EXPECT_EQ(GetVirtualMachine(), &vm);
}

TEST_F(VirtualMachineTest, DestroyedActiveContextIsNotServed) {
    int steps = 0;
    Define("f", [&](CVirtualMachine&, std::string&, int) {
        ++steps;
        return kVMStatusReturned;
    });
    CVMContext* context = vm.CreateContext("npc");
    context->PostRequest("f", {}, {});
    vm.ActivateContext(context);
    vm.DestroyContext(context);
    EXPECT_FALSE(vm.IsActive(context));
    EXPECT_EQ(vm.FindContext("npc"), nullptr);
    vm.Run();
    EXPECT_EQ(steps, 0);
    vm.DestroyContext(context);  // not the machine's any more: ignored
}

// One step destroys its own context (which must live to the end of the step) and another
// context further on (which must not be visited).
TEST_F(VirtualMachineTest, ContextsDestroyedDuringAStepAreHandledSafely) {
    std::vector<std::string> log;
    auto alive = std::make_shared<int>(0);
    vm.GetGlobalFunctions().Set("quit",
                                std::make_unique<ScriptedFunction>(
                                    [&](CVirtualMachine& machine, std::string& result, int) {
                                        CVMContext* self = machine.GetCurrentContext();
                                        machine.DestroyContext(machine.FindContext("later"));
                                        machine.DestroyContext(self);
                                        log.push_back(self->GetName());
                                        machine.SetVariable("after", "1");
                                        result = "done";
                                        return kVMStatusReturned;
                                    },
                                    alive));
    Define("never", [&](CVirtualMachine&, std::string&, int) {
        log.push_back("never");
        return kVMStatusReturned;
    });
    CVMContext* self = vm.CreateContext("self");
    CVMContext* later = vm.CreateContext("later");
    auto result = std::make_shared<CVMResultQueue>();
    self->PostRequest("quit", {}, result);
    self->PostRequest("never", {}, {});
    later->PostRequest("never", {}, {});
    vm.ActivateContext(later);
    vm.ActivateContext(self);
    vm.Run();

    EXPECT_EQ(log, std::vector<std::string>{"self"});
    EXPECT_EQ(vm.ContextCount(), 0u);
    EXPECT_EQ(*alive, 0) << "the running instance went with its context";
    EXPECT_TRUE(result->IsEmpty()) << "a destroyed context returns nothing";
    vm.Run();
}

// The caller returns while its callee (in another context) still runs: the callee's result
// has nowhere to go and is dropped.
TEST_F(VirtualMachineTest, CalleeOutlivingItsCallerDropsItsResult) {
    std::weak_ptr<CVMResultQueue> caller_queue;
    Define("caller", [&](CVirtualMachine& machine, std::string&, int) {
        caller_queue = machine.GetCurrentContext()->GetResultQueue();
        machine.CallObjectMethod("callee", "slow", {});
        return kVMStatusReturned;
    });
    int slow_steps = 0;
    Define("slow", [&](CVirtualMachine&, std::string& result, int step) {
        ++slow_steps;
        result = "late";
        return step == 1 ? kVMStatusReturned : 0;
    });
    CVMContext* caller = vm.CreateContext("caller");
    CVMContext* callee = vm.CreateContext("callee");
    caller->PostRequest("caller", {}, {});
    vm.ActivateContext(caller);
    vm.ActivateContext(callee);
    vm.Run();
    EXPECT_TRUE(caller_queue.expired());
    EXPECT_TRUE(callee->IsBusy());
    vm.DestroyContext(caller);
    vm.Run();
    EXPECT_EQ(slow_steps, 2);
    EXPECT_FALSE(callee->IsBusy());
}

}  // namespace
}  // namespace script_test
