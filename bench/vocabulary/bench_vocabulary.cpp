// Naming a packet: ParseBexHeader plus BexName on a 64-byte packet, against ParseBexHeader alone
// and against copying the packet's 64 bytes, all measured in the same run.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>  // std::memcpy
#include <string_view>

#include "vocabulary/bex_names.h"
#include "vocabulary/name_tables.h"
#include "wire/bytes.h"
#include "wire/header.h"

namespace qarnolog {
namespace {

constexpr std::size_t kPacketSize = 64;
constexpr std::size_t kDataSize = kPacketSize - kBexHeaderSize;

// (type, sub-type) pairs the packets cycle through: names early and late in the families,
// both file-transfer runs and two unknown pairs.
constexpr std::array<std::array<std::uint16_t, 2>, 8> kPairs = {
    {
     {0x0001, 0x0006},
     {0x0002, 0x0015},
     {0x0004, 0x0007},
     {0x0007, 0x0105},
     {0x1001, 0x0020},
     {0xF001, 0x0011},
     {0x0009, 0x0001},
     {0x0003, 0x00FF},
     }
};

using Packet = std::array<std::uint8_t, kPacketSize>;

// A 17-byte header whose data length covers the rest of the 64 bytes.
Packet MakePacket(std::uint16_t type, std::uint16_t sub) {
  Packet p{};
  p[0] = 0x23;
  p[5] = static_cast<std::uint8_t>(type >> 8);
  p[6] = static_cast<std::uint8_t>(type);
  p[7] = static_cast<std::uint8_t>(sub >> 8);
  p[8] = static_cast<std::uint8_t>(sub);
  p[16] = static_cast<std::uint8_t>(kDataSize);
  for (std::size_t i = kBexHeaderSize; i < kPacketSize; ++i) p[i] = static_cast<std::uint8_t>(i);
  return p;
}

std::array<Packet, kPairs.size()> MakePackets() {
  std::array<Packet, kPairs.size()> packets{};
  for (std::size_t i = 0; i < kPairs.size(); ++i)
    packets[i] = MakePacket(kPairs[i][0], kPairs[i][1]);
  return packets;
}

const std::array<Packet, kPairs.size()> kPackets = MakePackets();

constexpr std::size_t kBatch = 4096;  // packets per timed loop, so the clock's cost is noise

using Clock = std::chrono::steady_clock;

// Nanoseconds per packet of `work` applied to kBatch packets in turn.
template <typename Work>
double NsPerPacket(Work&& work) {
  const auto start = Clock::now();
  for (std::size_t i = 0; i < kBatch; ++i) work(kPackets[i % kPackets.size()]);
  const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
  return elapsed.count() / kBatch;
}

// Baseline 1: copy the packet's bytes, the least the logger does with every packet.
void CopyPacket(const Packet& p) {
  Packet copy;
  benchmark::DoNotOptimize(p.data());
  std::memcpy(copy.data(), p.data(), kPacketSize);
  benchmark::DoNotOptimize(copy.data());
  benchmark::ClobberMemory();
}

// Baseline 2: the header parse alone.
void ParseHeader(const Packet& p) {
  TQarnoHeader header;
  const bool ok = ParseBexHeader(ByteView(p), header);
  benchmark::DoNotOptimize(ok);
  benchmark::DoNotOptimize(header);
}

// Measured: what the packet list does for a packet the host left unnamed: parse and name it.
void ParseHeaderAndName(const Packet& p) {
  TQarnoHeader header;
  std::string_view name = kUnknownName;
  if (ParseBexHeader(ByteView(p), header)) name = BexName(header.BexType, header.BexSub);
  benchmark::DoNotOptimize(name);
}

// The three loops run in turn in every iteration, so clock drift touches them alike; the
// counters are the mean ns per packet of each and the ratios of parse-and-name to the baselines.
void BM_ParseAndNamePacket(benchmark::State& state) {
  double copyNs = 0;
  double parseNs = 0;
  double nameNs = 0;
  for (auto _ : state) {
    copyNs += NsPerPacket(CopyPacket);
    parseNs += NsPerPacket(ParseHeader);
    nameNs += NsPerPacket(ParseHeaderAndName);
  }
  const auto rounds = static_cast<double>(state.iterations());
  state.counters["copy_ns"] = copyNs / rounds;
  state.counters["parse_ns"] = parseNs / rounds;
  state.counters["parse_name_ns"] = nameNs / rounds;
  state.counters["vs_parse"] = nameNs / parseNs;
  state.counters["vs_copy"] = nameNs / copyNs;
}

// The lookups alone, for the record.
void BM_BexNameOnly(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& pair = kPairs[i++ % kPairs.size()];
    benchmark::DoNotOptimize(BexName(pair[0], pair[1]));
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace
}  // namespace qarnolog

BENCHMARK(qarnolog::BM_ParseAndNamePacket);
BENCHMARK(qarnolog::BM_BexNameOnly);

BENCHMARK_MAIN();
