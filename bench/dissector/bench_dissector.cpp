// Dissection speed: a typical 100-byte BEX and a 10,000-item contact list, each against a
// baseline measured in the same run (the "ratio" counter is dissection time / baseline time).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>  // clock_gettime
#include <string>
#include <string_view>

#include "../support/bex_packets.h"
#include "dissector/dissect.h"
#include "wire/bytes.h"
#include "wire/readers.h"

namespace qarnolog {
namespace {

// CPU time of this thread: on a machine shared with other work, wall time would count the
// time other processes hold the core.
struct ThreadCpuClock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<ThreadCpuClock, duration>;
  static time_point now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return time_point(std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec));
  }
};
using Clock = ThreadCpuClock;

using bench::ContactListBex;
using bench::Packet;
using bench::PutText;
using bench::PutWtld;

// QARNO_BEX_COM_SRV_HELLO with six wTLDs: a code, a raw-text key, a host, a port, a flag and a
// version; 100 bytes in all.
ByteString TypicalBex() {
  ByteString data;
  PutWtld(data, 0x0001, {0x00, 0x00});
  PutWtld(data, 0x0002, ByteString{'k', 'e', 'y', '-', 0xC0, 0xC1, '1', '2', '3'});
  ByteString host;
  PutText(host, "srv.example.org");
  PutWtld(data, 0x0003, host);
  PutWtld(data, 0x0004, {0x00, 0x00, 0x1F, 0x90});
  PutWtld(data, 0x0005, {0x01});
  PutWtld(data, 0x0008, {0x00, 0x00, 0x00, 0x02});
  return Packet(0x0001, 0x0002, data);
}

// Runs `work` and `baseline` `batch` times each per iteration; the benchmark's time is that of
// the batch of `work`. Counters: ratio of the two times, and nodes (as `work` returns them) per
// second.
template <typename Work, typename Baseline>
void Measure(benchmark::State& state, int batch, Work work, Baseline baseline) {
  Clock::duration workTime{};
  Clock::duration baseTime{};
  std::size_t nodes = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    for (int i = 0; i < batch; ++i) nodes = work();
    const auto t1 = Clock::now();
    for (int i = 0; i < batch; ++i) baseline();
    const auto t2 = Clock::now();
    workTime += t1 - t0;
    baseTime += t2 - t1;
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  const double work_s = std::chrono::duration<double>(workTime).count();
  const double base_s = std::chrono::duration<double>(baseTime).count();
  const double packets = static_cast<double>(state.iterations()) * batch;
  state.counters["ns_per_packet"] = work_s * 1e9 / packets;
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["nodes_per_s"] = static_cast<double>(nodes) * packets / work_s;
  state.counters["ratio"] = base_s > 0 ? work_s / base_s : 0;
}

// Baseline: the same number of empty nodes appended to a tree (what building costs at least).
std::size_t AppendEmptyNodes(std::size_t count) {
  FieldTree tree;
  for (std::size_t i = 0; i < count; ++i) tree.append(i == 0 ? kNoNode : 0, TVstData{});
  benchmark::DoNotOptimize(tree.size());
  return tree.size();
}

// Baseline: a walk of the wTLDs that reads every header and value and builds nothing.
std::uint32_t WalkWtlds(ByteView data) {
  std::uint32_t sum = 0;
  while (!data.empty()) {
    sum += ReadDWord(data, 4);
    const std::uint32_t length = ReadDWord(data, 4);
    const ByteView value = ReadBytes(data, AsCount(length), AsCount(length));
    sum += value.empty() ? 0 : value.front();
  }
  return sum;
}

std::size_t DissectOnce(const ByteString& packet) {
  FieldTree tree;
  DissectBex(tree, packet, 0);
  benchmark::DoNotOptimize(tree.size());
  return tree.size();
}

void BM_TypicalBex(benchmark::State& state) {
  const ByteString packet = TypicalBex();
  const ByteView data = ByteView(packet).subspan(17);
  Measure(
      state, 1000, [&] { return DissectOnce(packet); },
      [&] { benchmark::DoNotOptimize(WalkWtlds(data)); });
  state.counters["bytes"] = static_cast<double>(packet.size());
}
BENCHMARK(BM_TypicalBex)->UseManualTime()->Unit(benchmark::kNanosecond);

void BM_ContactList10k(benchmark::State& state) {
  const ByteString packet = ContactListBex(10'000);
  const std::size_t nodes = DissectOnce(packet);
  Measure(
      state, 1, [&] { return DissectOnce(packet); }, [&] { AppendEmptyNodes(nodes); });
  state.counters["bytes"] = static_cast<double>(packet.size());
}
BENCHMARK(BM_ContactList10k)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qarnolog

BENCHMARK_MAIN();
