// Dissection speed: a typical 100-byte BEX and a 10,000-item contact list, each against a
// baseline measured in the same run (the "ratio" counter is dissection time / baseline time).
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>  // clock_gettime
#include <string>
#include <string_view>

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

void PutWord(ByteString& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}
void PutDWord(ByteString& out, std::uint32_t v) {
  PutWord(out, static_cast<std::uint16_t>(v >> 16));
  PutWord(out, static_cast<std::uint16_t>(v));
}
void PutText(ByteString& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}
void PutWtld(ByteString& out, std::uint32_t type, const ByteString& value) {
  PutDWord(out, type);
  PutDWord(out, static_cast<std::uint32_t>(value.size()));
  out.insert(out.end(), value.begin(), value.end());
}

ByteString Packet(std::uint16_t type, std::uint16_t sub, const ByteString& data) {
  ByteString packet = {0x00};
  PutDWord(packet, 1);
  PutWord(packet, type);
  PutWord(packet, sub);
  PutDWord(packet, 0);
  PutDWord(packet, static_cast<std::uint32_t>(data.size()));
  packet.insert(packet.end(), data.begin(), data.end());
  return packet;
}

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

// QARNO_BEX_CL_SRV_REPLY whose contact list holds `items` contacts, each with an account name.
ByteString ContactListBex(std::uint32_t items) {
  ByteString value;
  PutDWord(value, items);
  for (std::uint32_t i = 0; i < items; ++i) {
    const std::string account = "user" + std::to_string(1000000 + i) + "@example.org";
    PutWord(value, 2);  // contact
    PutDWord(value, i + 1);
    PutDWord(value, 1);
    PutDWord(value, static_cast<std::uint32_t>(4 + account.size()));
    PutWord(value, 0x0002);  // account name
    PutWord(value, static_cast<std::uint16_t>(account.size()));
    PutText(value, account);
  }
  ByteString data;
  PutWtld(data, 0x0001, value);
  return Packet(0x0002, 0x0004, data);
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
