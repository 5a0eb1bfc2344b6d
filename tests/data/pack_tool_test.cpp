#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "tests/data/data_fixture.h"

namespace data_test {
namespace {

// The tool lives in the build tree beside the game folder's contents.
const std::string kTool = std::string(VEMU_GAME_DIR) + "/tools/pack/vemu-pack";

class PackToolTest : public DataTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::FileExists(kTool)) << "build the vemu-pack target first: " << kTool;
    }
    int Run(const std::string& arguments) {
        const std::string command = kTool + " " + arguments + " 2>" + Path("stderr.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(PackToolTest, PacksWhatTheEngineReadsAndUnpacksWhatItWrites) {
    const Bytes plain = Text("1,卵,2\n3,肉,4\n");
    SetFileBytes(Path("plain.csv"), plain);
    ASSERT_EQ(Run("pack " + Path("plain.csv") + " " + Path("dat/packed.edt")), 0);
    int result = -1;
    EXPECT_EQ(ReadPayload(Path("dat/packed.edt"), &result), plain);
    EXPECT_EQ(result, kCipherOk);

    ASSERT_TRUE(WritePayload(Path("engine.edt"), plain));
    ASSERT_EQ(Run("unpack " + Path("engine.edt") + " " + Path("back.csv")), 0);
    EXPECT_EQ(FileBytes(Path("back.csv")), plain);
}

TEST_F(PackToolTest, FailuresExitNonZeroWithAMessageAndWriteNothing) {
    SetFileBytes(Path("plain.csv"), Text("a"));
    const std::string cases[] = {
        "unpack " + Path("plain.csv") + " " + Path("out"),          // not a container
        "unpack " + Path("missing") + " " + Path("out"),            // no input
        "pack " + Path("missing") + " " + Path("out"),              //
        "pack " + Path("plain.csv") + " " + Path("plain.csv/out"),  // cannot create
    };
    for (const std::string& arguments : cases) {
        EXPECT_EQ(Run(arguments), 1) << arguments;
        EXPECT_FALSE(FileBytes(Path("stderr.txt")).empty()) << arguments;
        EXPECT_FALSE(platform::FileExists(Path("out"))) << arguments;
    }
    EXPECT_EQ(Run("frob a b"), 2);
    EXPECT_EQ(Run(""), 2);
}

}  // namespace
}  // namespace data_test
