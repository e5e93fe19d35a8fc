#include "core/md5_digest.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<unsigned char> Input(std::size_t size) {
    std::vector<unsigned char> input(size);
    for (std::size_t i = 0; i < size; ++i) {
        input[i] = static_cast<unsigned char>(i * 131 + 7);
    }
    return input;
}

void TessalyMd5Hex(benchmark::State& state) {
    const auto input = Input(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tessaly::Md5Digest::Md5Hex(input.data(), static_cast<std::uint32_t>(input.size())));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void OpenSslMd5(benchmark::State& state) {
    const auto input = Input(static_cast<std::size_t>(state.range(0)));
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    for (auto _ : state) {
        EVP_Digest(input.data(), input.size(), digest, &length, EVP_md5(), nullptr);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK(TessalyMd5Hex)->Arg(64)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK(OpenSslMd5)->Arg(64)->Arg(4 << 10)->Arg(1 << 20);
BENCHMARK_MAIN();
