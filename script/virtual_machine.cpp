#include "script/virtual_machine.h"

#include "engine/common/system.h"

namespace {
const char kNoRunningContext[] = "実行中のVMコンテキストがありません。[";
}  // namespace

CVirtualMachine::CVirtualMachine() = default;

CVirtualMachine::~CVirtualMachine() {
    for (CVMContext* context : contexts_.Snapshot()) DestroyContext(context);
    // A process may take itself out of the set from its destructor; the copy keeps the walk
    // safe from that.
    for (CVMProcess* process : processes_.Snapshot()) {
        if (processes_.Erase(process)) delete process;
    }
    global_variables_.Clear();
    global_functions_.Clear();
    contexts_.Clear();
    active_.Clear();
    processes_.Clear();
    current_ = nullptr;
}

CVMContext* CVirtualMachine::CreateContext(const std::string& name) {
    if (CVMContext* existing = FindContext(name)) return existing;
    CVMContext* context = new CVMContext(name);
    contexts_.Insert(context, ++context_serial_);
    return context;
}

void CVirtualMachine::DestroyContext(CVMContext* context) {
    // Only the machine's own contexts are deleted here, each once.
    if (!contexts_.Erase(context)) return;
    active_.Erase(context);
    if (current_ == context && context != serving_) current_ = nullptr;
    if (context == serving_) {
        serving_destroyed_ = true;
        return;
    }
    delete context;
}

CVMContext* CVirtualMachine::FindContext(const std::string& name) const {
    for (CVMContext* context : contexts_.Snapshot()) {
        if (context->GetName() == name) return context;
    }
    return nullptr;
}

void CVirtualMachine::ActivateContext(CVMContext* context) {
    if (!context) return;
    // Served in the order the contexts were created, whatever the order of activation.
    const std::uint64_t key = contexts_.KeyOf(context);
    active_.Insert(context, key ? key : ++context_serial_);
}

void CVirtualMachine::DeactivateContext(CVMContext* context) { active_.Erase(context); }

void CVirtualMachine::CreateProcess(std::int32_t first, std::int32_t second) {
    if (!factory_) return;
    if (CVMProcess* process = factory_->CreateProcess(first, second)) AddProcess(process);
}

void CVirtualMachine::AddProcess(CVMProcess* process) {
    processes_.Insert(process, ++process_serial_);
}

void CVirtualMachine::RemoveProcess(CVMProcess* process) { processes_.Erase(process); }

void CVirtualMachine::SetVariable(const std::string& name, const std::string& value) {
    if (current_) {
        if (CVMVariableScope* locals = current_->GetLocalVariables(); locals && locals->Has(name)) {
            locals->Set(name, value);
            return;
        }
        if (current_->GetVariables().Has(name)) {
            current_->GetVariables().Set(name, value);
            return;
        }
    }
    if (global_variables_.Has(name)) {
        global_variables_.Set(name, value);
        return;
    }
    // A new name belongs to the running call; with no call running there is no frame to hold
    // it, so it goes to the context, or to the machine when no context runs either.
    if (!current_) {
        global_variables_.Set(name, value);
    } else if (CVMVariableScope* locals = current_->GetLocalVariables()) {
        locals->Set(name, value);
    } else {
        current_->GetVariables().Set(name, value);
    }
}

std::string CVirtualMachine::GetVariable(const std::string& name) const {
    if (current_) {
        if (const CVMVariableScope* locals = current_->GetLocalVariables();
            locals && locals->Has(name)) {
            return locals->Get(name);
        }
        if (current_->GetVariables().Has(name)) return current_->GetVariables().Get(name);
    }
    return global_variables_.Get(name);
}

CVMFunction* CVirtualMachine::FindFunction(const std::string& name) const {
    // A context that holds the name hides the machine's function of that name, even when it
    // holds no object under it.
    if (current_ && current_->GetFunctions().Has(name)) return current_->GetFunctions().Get(name);
    return global_functions_.Get(name);
}

void CVirtualMachine::Serve(CVMContext* context) {
    serving_ = context;
    serving_destroyed_ = false;
    current_ = context;
    while (true) {
        CVMFunctionInstance* work = context->ProcessRequest();
        if (serving_destroyed_ || !work) break;
        std::string result;
        const int status = work->Execute(*this, result);
        if (serving_destroyed_ || status != kVMStatusReturned) break;
        context->Return(result);
        if (serving_destroyed_) break;
    }
    serving_ = nullptr;
    if (serving_destroyed_) {
        serving_destroyed_ = false;
        delete context;
    }
}

void CVirtualMachine::Run() {
    // One step may destroy or deactivate another context, or end another process: each is
    // checked for membership right before its visit.
    for (CVMContext* context : active_.Snapshot()) {
        if (active_.Contains(context)) Serve(context);
    }
    current_ = nullptr;

    for (CVMProcess* process : processes_.Snapshot()) {
        if (!processes_.Contains(process)) continue;
        process->Update();
        if (processes_.Contains(process) && process->IsFinished()) {
            processes_.Erase(process);
            delete process;
        }
    }
}

void CVirtualMachine::CallHost(std::int32_t first, std::int32_t second) {
    if (!current_) {
        DebugOutput(std::string(kNoRunningContext) + "CallHost]");
        return;
    }
    CVMHostObject* owner = current_->GetOwner();
    if (!owner) {
        DebugOutput("VMコンテキストのホストがありません。[" + current_->GetName() + "]");
        return;
    }
    owner->HostCall(current_->GetResultReceiver(), first, second);
}

void CVirtualMachine::CallObjectMethod(const std::string& context_name,
                                       const std::string& function_name,
                                       const CVMArguments& arguments) {
    CVMContext* target = FindContext(context_name);
    if (!target) {
        DebugOutput("オブジェクトがみつからない[" + context_name + "]");
        return;
    }
    if (!current_) {
        DebugOutput(std::string(kNoRunningContext) + "CallObjectMethod]");
        return;
    }
    // The result comes back to the calling frame; the caller's frame id lets a call back into
    // a context of the same call chain start at once.
    target->PostRequest(function_name, arguments, current_->GetResultQueue(),
                        current_->GetFrameId());
}

void CVirtualMachine::Suspend() {
    suspended_ = 1;
    for (CVMProcess* process : processes_.Snapshot()) {
        if (processes_.Contains(process)) process->Suspend();
    }
}

void CVirtualMachine::Resume() {
    suspended_ = 0;
    for (CVMProcess* process : processes_.Snapshot()) {
        if (processes_.Contains(process)) process->Resume();
    }
}

bool CVirtualMachine::IsDrained() const {
    if (!suspended_ || !active_.IsEmpty()) return false;
    for (CVMContext* context : contexts_.Snapshot()) {
        if (context->IsBusy()) return false;
    }
    return true;
}

void CVirtualMachine::SignalProcessesA() {
    for (CVMProcess* process : processes_.Snapshot()) {
        if (processes_.Contains(process)) process->OnSignalA();
    }
}

void CVirtualMachine::SignalProcessesB() {
    for (CVMProcess* process : processes_.Snapshot()) {
        if (processes_.Contains(process)) process->OnSignalB();
    }
}
