// A named context of the machine: it receives requests to call named functions, runs them as
// a stack of call frames and passes their results back to whoever asked.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "script/data_queue.h"
#include "script/vm_function_scope.h"
#include "script/vm_interfaces.h"
#include "script/vm_variable_scope.h"

class CVMContext {
public:
    // Asks the machine for a fresh id.
    static constexpr std::uint32_t kNewRequestId = 0xFFFFFFFFu;
    // The frame id of a context that runs no call; request ids start at 1.
    static constexpr std::uint32_t kNoFrameId = 0;

    struct ST_REQUEST_DATA {
        std::string function_name;
        CVMArguments arguments;
        CVMResultReceiver result_queue;
        std::uint32_t request_id = 0;
    };

    struct ST_FRAME_DATA {
        std::unique_ptr<CVMFunctionInstance> instance;
        CVMArguments arguments;
        CVMResultReceiver result_receiver;
        // Shared with the requests this frame makes, so that a callee can outlive it.
        std::shared_ptr<CVMResultQueue> result_queue;
        std::uint32_t frame_id = kNoFrameId;
        CVMVariableScope locals;
    };

    explicit CVMContext(std::string name);
    virtual ~CVMContext();
    CVMContext(const CVMContext&) = delete;
    CVMContext& operator=(const CVMContext&) = delete;

    // A request whose id is the id of the running frame belongs to the running call chain and
    // starts at once on top of it; any other request waits in the queue.
    virtual void PostRequest(const std::string& function_name, const CVMArguments& arguments,
                             const CVMResultReceiver& result_queue,
                             std::uint32_t request_id = kNewRequestId);
    virtual void SetOwner(CVMHostObject* owner) { owner_ = owner; }
    virtual CVMHostObject* GetOwner() const { return owner_; }
    virtual CVMVariableScope& GetVariables() { return variables_; }
    // Null while no call runs.
    virtual CVMVariableScope* GetLocalVariables();
    virtual CVMFunctionScope& GetFunctions() { return functions_; }
    virtual std::string GetName() const { return name_; }
    // The queue that receives the results of the calls the current frame makes; null while no
    // call runs.
    virtual std::shared_ptr<CVMResultQueue> GetResultQueue() const;
    // The instance to run one more step of, or null when there is no work.
    virtual CVMFunctionInstance* ProcessRequest();
    virtual void Return(const std::string& result);
    virtual std::uint32_t GetFrameId() const;
    virtual bool IsBusy() const { return !frames_.empty() || !requests_.IsEmpty(); }
    virtual ST_FRAME_DATA& TakeRequest(ST_FRAME_DATA& frame);
    virtual void CallFunction(ST_FRAME_DATA& frame, const ST_REQUEST_DATA& request);
    virtual void PushFrame(ST_FRAME_DATA&& frame);
    // Returns the number of frames left.
    virtual std::size_t PopFrame();

    // Where the current call's result goes (empty while no call runs).
    CVMResultReceiver GetResultReceiver() const;
    std::size_t FrameCount() const { return frames_.size(); }

private:
    std::string name_;
    CVMHostObject* owner_ = nullptr;
    CDataQueue<ST_REQUEST_DATA> requests_;
    std::list<ST_FRAME_DATA> frames_;
    CVMVariableScope variables_;
    CVMFunctionScope functions_;
};
