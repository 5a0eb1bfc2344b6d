// The WAVE reader over arbitrary bytes, then the conversion of what it finds at the mixer's
// rate and at an odd one. The samples it points at lie inside the bytes, in whole frames.
#include <cstdlib>

#include "engine/sound/wave_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sound::WaveView view;
    if (!sound::ParseWave(data, size, view)) return 0;
    if (view.data_offset > size || view.data_size > size - view.data_offset ||
        view.data_size == 0 || view.format.block_align == 0 ||
        view.data_size % view.format.block_align != 0)
        abort();
    for (int rate : {44100, 11025, static_cast<int>(view.format.samples_per_second)}) {
        const std::vector<float> stereo =
            sound::ConvertToStereo(view.format, data + view.data_offset, view.data_size, rate);
        if (stereo.size() % 2 != 0) abort();
        for (float v : stereo)
            if (!(v >= -1.0f && v <= 1.0f)) abort();
    }
    return 0;
}
