#include <cstdio>
#include <cstdlib>

#include "platform/crt_random.h"
#include "platform/platform.h"

namespace platform {

namespace {
Services* g_services = nullptr;
CrtRandom g_random;
}  // namespace

void Install(Services* services) { g_services = services; }

bool IsInstalled() { return g_services != nullptr; }

Services& Current() {
    if (!g_services) {
        std::fputs("vemu: no platform backend is installed\n", stderr);
        std::abort();
    }
    return *g_services;
}

CrtRandom& GameRandom() { return g_random; }
void Srand(std::uint32_t seed) { g_random.Seed(seed); }
int Rand() { return g_random.Next(); }

}  // namespace platform
