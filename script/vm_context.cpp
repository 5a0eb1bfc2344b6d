#include "script/vm_context.h"

#include "engine/common/system.h"
#include "script/virtual_machine.h"

namespace {
// The receiver may be gone: its caller ended first, and nobody is left to read the result.
void Deliver(const CVMResultReceiver& receiver, const std::string& result) {
    if (const std::shared_ptr<CVMResultQueue> queue = receiver.lock()) queue->Push(result);
}
}  // namespace

CVMContext::CVMContext(std::string name) : name_(std::move(name)) {}

CVMContext::~CVMContext() {
    // Innermost call first, as the calls would have ended.
    while (!frames_.empty()) frames_.pop_back();
}

void CVMContext::PostRequest(const std::string& function_name, const CVMArguments& arguments,
                             const CVMResultReceiver& result_queue, std::uint32_t request_id) {
    if (request_id == kNewRequestId) request_id = GetVirtualMachine()->NewRequestId();
    ST_REQUEST_DATA request{function_name, arguments, result_queue, request_id};
    if (!frames_.empty() && request_id == GetFrameId()) {
        ST_FRAME_DATA frame;
        CallFunction(frame, request);
        if (frame.instance) PushFrame(std::move(frame));
        return;
    }
    requests_.Push(request);
}

CVMVariableScope* CVMContext::GetLocalVariables() {
    return frames_.empty() ? nullptr : &frames_.back().locals;
}

std::shared_ptr<CVMResultQueue> CVMContext::GetResultQueue() const {
    return frames_.empty() ? nullptr : frames_.back().result_queue;
}

CVMResultReceiver CVMContext::GetResultReceiver() const {
    return frames_.empty() ? CVMResultReceiver() : frames_.back().result_receiver;
}

CVMFunctionInstance* CVMContext::ProcessRequest() {
    if (!frames_.empty()) return frames_.back().instance.get();
    if (requests_.IsEmpty()) return nullptr;
    ST_FRAME_DATA frame;
    TakeRequest(frame);
    if (!frame.instance) return nullptr;
    PushFrame(std::move(frame));
    return frames_.empty() ? nullptr : frames_.back().instance.get();
}

void CVMContext::Return(const std::string& result) {
    if (frames_.empty()) return;
    Deliver(frames_.back().result_receiver, result);
    PopFrame();
}

std::uint32_t CVMContext::GetFrameId() const {
    return frames_.empty() ? kNoFrameId : frames_.back().frame_id;
}

CVMContext::ST_FRAME_DATA& CVMContext::TakeRequest(ST_FRAME_DATA& frame) {
    ST_REQUEST_DATA request;
    if (requests_.Pop(request)) CallFunction(frame, request);
    return frame;
}

void CVMContext::CallFunction(ST_FRAME_DATA& frame, const ST_REQUEST_DATA& request) {
    CVMFunction* function = GetVirtualMachine()->FindFunction(request.function_name);
    if (!function) {
        DebugOutput("VM関数はありません。[" + request.function_name + "]");
        Deliver(request.result_queue, "");
        frame.instance.reset();
        return;
    }
    frame.instance = function->CreateInstance();
    frame.arguments = request.arguments;
    frame.result_receiver = request.result_queue;
    frame.result_queue = std::make_shared<CVMResultQueue>();
    frame.frame_id = request.request_id;
    frame.locals.Clear();
}

void CVMContext::PushFrame(ST_FRAME_DATA&& frame) {
    frames_.push_back(std::move(frame));
    ST_FRAME_DATA& current = frames_.back();
    for (const auto& [name, value] : current.arguments) current.locals.Set(name, value);
    if (current.instance) current.instance->Start();
}

std::size_t CVMContext::PopFrame() {
    if (frames_.empty()) return 0;
    // Taken off the stack before the instance goes, so that its destructor sees the frame
    // below as current.
    ST_FRAME_DATA ended = std::move(frames_.back());
    frames_.pop_back();
    ended.instance.reset();
    return frames_.size();
}
