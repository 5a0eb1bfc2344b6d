// Typed record reads over an arbitrary payload. The first byte tells how many of the following
// bytes choose the reads; the rest is the payload.
#include "engine/data/qz_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t ops = std::min<std::size_t>(data[0] % 32, size - 1);
    const std::uint8_t* program = data + 1;
    const std::string path = fuzz::Path("record.edt");
    fuzz::WriteContainer(path, data + 1 + ops, size - 1 - ops);

    CQZFile file;
    if (!file.Open(path.c_str(), CQZFile::kRead, fuzz::Key())) abort();
    for (std::size_t i = 0; i < 4 * ops + 4; ++i) {
        const int before = file.Remaining();
        const unsigned op = ops ? program[i % ops] : static_cast<unsigned>(i);
        bool ok = true;
        switch (op % 5) {
            case 0: {
                int v;
                ok = file.ReadInt(&v);
                break;
            }
            case 1: {
                std::string s;
                ok = file.ReadString(s);
                if (ok && static_cast<int>(s.size()) > before) abort();
                break;
            }
            case 2: {
                bool b;
                ok = file.ReadBool(&b);
                break;
            }
            case 3: {
                unsigned char c;
                ok = file.ReadByte(&c);
                break;
            }
            default: {
                unsigned char block[64];
                int delivered = 0;
                ok = file.Read(block, static_cast<int>(op % 64), &delivered);
                if (delivered < 0 || delivered > static_cast<int>(op % 64)) abort();
                break;
            }
        }
        (void)ok;
        if (file.Remaining() > before || file.Remaining() < 0) abort();
    }
    file.Close();
    if (file.Result() != kCipherOk) abort();  // the container itself is sound
    return 0;
}
