// The container reader on arbitrary file bytes: lengths, lanes and salt counts from the file.
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Path("reader.edt");
    if (!platform::WriteWholeFile(path, data, size)) abort();
    for (int kind : {kDigestTiger, kDigestMD5}) {
        CQZCipherReader reader(path.c_str(), fuzz::Key(), kind);
        const int opened = reader.Open();
        unsigned char buffer[700];
        int pieces = 0;
        for (;;) {
            int count = static_cast<int>(1 + (pieces * 97) % sizeof buffer);
            reader.Read(buffer, &count);
            if (count == 0 || ++pieces > 100000) break;
        }
        if (reader.PayloadRemaining() != 0) abort();
        const int closed = reader.Close();
        if (opened != kCipherOk && closed == kCipherOk) abort();  // a failed Open never validates
    }
    return 0;
}
