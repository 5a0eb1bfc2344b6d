#include <cstdio>
#include <cstdlib>
#include <ctime>

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

std::optional<LocalTime> Clock::ToLocalTime(std::int64_t seconds) const {
    const auto moment = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&moment, &local)) return std::nullopt;
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

CrtRandom& GameRandom() { return g_random; }
void Srand(std::uint32_t seed) { g_random.Seed(seed); }
int Rand() { return g_random.Next(); }

}  // namespace platform
