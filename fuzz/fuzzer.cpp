// The libFuzzer entry point of one target, chosen at build time by CANTRIX_FUZZ_TARGET.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString broken = FuzzTargets::CANTRIX_FUZZ_TARGET(data, size);
    if (!broken.isEmpty()) {
        // A broken invariant is a finding like a crash: abort so the fuzzer keeps the input.
        std::fprintf(stderr, "invariant broken: %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
