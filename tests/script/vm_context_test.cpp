#include "script/vm_context.h"

#include <gtest/gtest.h>

#include "tests/script/script_world.h"

namespace script_test {
namespace {

class VMContextTest : public ScriptWorld, public ::testing::Test {
protected:
    VMContextTest() {
        Define("wait", [](CVirtualMachine&, std::string&, int) { return 0; });
    }
    CVMContext& context = *vm.CreateContext("npc");
};

TEST(DataQueueTest, PopsOldestFirstAndLeavesTheOutValueWhenEmpty) {
    CDataQueue<std::string> queue;
    EXPECT_TRUE(queue.IsEmpty());
    queue.Push("a");
    queue.Push("b");
    std::string out = "kept";
    ASSERT_TRUE(queue.Pop(out));
    EXPECT_EQ(out, "a");
    ASSERT_TRUE(queue.Pop(out));
    EXPECT_EQ(out, "b");
    out = "kept";
    EXPECT_FALSE(queue.Pop(out));
    EXPECT_EQ(out, "kept");
}

TEST(FunctionScopeTest, ReplacingOrClearingDeletesTheFunctionObjects) {
    auto first = std::make_shared<int>(0);
    auto second = std::make_shared<int>(0);
    struct Counted : CVMFunction {
        explicit Counted(std::shared_ptr<int> alive) : alive(std::move(alive)) { ++*this->alive; }
        ~Counted() override { --*alive; }
        std::unique_ptr<CVMFunctionInstance> CreateInstance() override { return nullptr; }
        std::shared_ptr<int> alive;
    };
    CVMFunctionScope scope;
    scope.Set("f", std::make_unique<Counted>(first));
    EXPECT_TRUE(scope.Has("f"));
    scope.Set("f", std::make_unique<Counted>(second));
    EXPECT_EQ(*first, 0);
    EXPECT_EQ(*second, 1);
    EXPECT_EQ(scope.Get("g"), nullptr);
    scope.Clear();
    EXPECT_EQ(*second, 0);
    EXPECT_FALSE(scope.Has("f"));
}

TEST_F(VMContextTest, NewRequestToAnIdleContextIsQueuedWithAFreshId) {
    EXPECT_EQ(context.GetFrameId(), CVMContext::kNoFrameId);
    EXPECT_FALSE(context.IsBusy());
    context.PostRequest("wait", {}, {});
    EXPECT_TRUE(context.IsBusy());
    EXPECT_EQ(context.FrameCount(), 0u);

    CVMContext::ST_FRAME_DATA frame;
    context.TakeRequest(frame);
    EXPECT_EQ(frame.frame_id, 1u);
    EXPECT_NE(frame.instance, nullptr);
    EXPECT_FALSE(context.IsBusy());
}

// Even a request carrying the idle context's frame id waits: only a running call chain takes
// calls at once.
TEST_F(VMContextTest, RequestWithTheIdleFrameIdIsQueued) {
    context.PostRequest("wait", {}, {}, CVMContext::kNoFrameId);
    EXPECT_EQ(context.FrameCount(), 0u);
    EXPECT_TRUE(context.IsBusy());
}

TEST_F(VMContextTest, ArgumentsBecomeLocalsThatEndWithTheirFrame) {
    context.PostRequest("wait", {{"b", "2"}, {"a", "1"}}, {});
    ASSERT_NE(context.ProcessRequest(), nullptr);
    const std::uint32_t outer_id = context.GetFrameId();
    EXPECT_EQ(context.GetLocalVariables()->Get("a"), "1");
    EXPECT_EQ(context.GetLocalVariables()->Get("b"), "2");

    context.PostRequest("wait", {{"c", "3"}}, {}, outer_id);
    ASSERT_EQ(context.FrameCount(), 2u);
    EXPECT_EQ(context.GetFrameId(), outer_id);
    EXPECT_FALSE(context.GetLocalVariables()->Has("a"));
    EXPECT_EQ(context.GetLocalVariables()->Get("c"), "3");

    EXPECT_EQ(context.PopFrame(), 1u);
    EXPECT_EQ(context.GetLocalVariables()->Get("a"), "1");
    EXPECT_FALSE(context.GetLocalVariables()->Has("c"));
    EXPECT_EQ(context.PopFrame(), 0u);
    EXPECT_EQ(context.GetLocalVariables(), nullptr);
    EXPECT_EQ(context.GetResultQueue(), nullptr);
    EXPECT_EQ(context.PopFrame(), 0u) << "nothing to pop";
    EXPECT_EQ(context.GetFrameId(), CVMContext::kNoFrameId);
}

TEST_F(VMContextTest, ReturningFromTheLastFrameTakesTheNextRequest) {
    auto first = std::make_shared<CVMResultQueue>();
    context.PostRequest("wait", {{"n", "1"}}, first);
    context.PostRequest("wait", {{"n", "2"}}, {});
    CVMFunctionInstance* running = context.ProcessRequest();
    ASSERT_NE(running, nullptr);
    EXPECT_EQ(context.ProcessRequest(), running) << "the running call keeps the context";
    context.Return("ok");
    EXPECT_EQ(Drain(*first), std::vector<std::string>{"ok"});
    EXPECT_EQ(context.FrameCount(), 0u);
    ASSERT_NE(context.ProcessRequest(), nullptr);
    EXPECT_EQ(context.GetLocalVariables()->Get("n"), "2");
    context.Return("dropped");  // no receiver: nothing to deliver to
    EXPECT_EQ(context.ProcessRequest(), nullptr);
    EXPECT_FALSE(context.IsBusy());
}

}  // namespace
}  // namespace script_test
