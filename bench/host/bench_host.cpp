// ProtoData into a shown log window with its tab active, against a naive store of the same
// packets measured in the same run: packets per second, their ratio, and resident memory per
// packet beyond its bytes and the UTF-16 of its host texts.
#include <benchmark/benchmark.h>

#include <unistd.h>  // sysconf
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <malloc.h>  // malloc_trim

#include "qarnolog/qarnolog.h"

namespace {

constexpr int kPackets = 1'000'000;
constexpr int kBatch = 10'000;
constexpr int kPacketSize = 64;
constexpr int kTextLength = 12;
constexpr double kPayload = kPacketSize + 4.0 * kTextLength * 2;  // bytes + UTF-16 texts

long residentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// The packet every call carries: a BEX header with 47 data bytes.
std::vector<std::uint8_t> makePacket() {
  std::vector<std::uint8_t> p(kPacketSize, 0x41);
  const std::uint8_t header[17] = {
      0x2A, 0, 0, 0, 1, 0x00, 0x05, 0x00, 0x01, 0, 0, 0, 0, 0, 0, 0, kPacketSize - 17};
  std::copy(std::begin(header), std::end(header), p.begin());
  return p;
}

struct Texts {
  std::vector<const QarnoLogWideChar*> wide;
  Texts() {
    for (const char* t : {"peer-alpha-1", "login-reply.", "QARNO_COM_12", "seq 00001234"})
      wide.push_back(QarnoLogAllocWideUtf8(t, std::size_t(kTextLength)));
  }
  ~Texts() {
    for (const QarnoLogWideChar* t : wide) QarnoLogFreeWide(t);
  }
};

// The baseline: one record per packet owning its bytes and texts.
struct NaiveRecord {
  std::uint8_t direction = 0;
  std::vector<std::uint8_t> bytes;
  std::u16string text[4];
};

void BM_ProtoData(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = makePacket();
  const Texts texts;
  TProtoPacketRec packet{};
  packet.Direction = 1;
  packet.Bytes = bytes.data();
  packet.ByteCount = kPacketSize;
  packet.Col1Text = texts.wide[0];
  packet.Col2Text = texts.wide[1];
  packet.Col3Text = texts.wide[2];
  packet.Col4Text = texts.wide[3];

  double ours = 0, baseline = 0, ourOverhead = 0, baselineOverhead = 0;
  for (auto _ : state) {
    {
      const long before = residentBytes();
      const auto start = std::chrono::steady_clock::now();
      std::vector<NaiveRecord> naive;
      for (int done = 0; done < kPackets; done += kBatch) {
        for (int i = 0; i < kBatch; ++i) {
          NaiveRecord& r = naive.emplace_back();
          r.direction = packet.Direction;
          r.bytes.assign(packet.Bytes, packet.Bytes + packet.ByteCount);
          const QarnoLogWideChar* t[4] = {packet.Col1Text, packet.Col2Text, packet.Col3Text,
                                          packet.Col4Text};
          for (int k = 0; k < 4; ++k)
            r.text[k].assign(reinterpret_cast<const char16_t*>(t[k]),
                             QarnoLogWideByteLength(t[k]) / 2);
        }
        QCoreApplication::processEvents();
      }
      baseline = seconds(std::chrono::steady_clock::now() - start);
      baselineOverhead = double(residentBytes() - before) / kPackets - kPayload;
      benchmark::DoNotOptimize(naive.data());
    }
    malloc_trim(0);

    TProtoLoggerRec logger{};
    logger.LoggerName = texts.wide[0];
    if (CreateProtoLogger(&logger) != 1) {
      state.SkipWithError("no window");
      return;
    }
    TProtoConnRec conn{};
    conn.Logger = logger.Logger;
    conn.ConnId = 1;
    ProtoConnected(&conn);
    ProtoData(&conn, &packet);
    QCoreApplication::processEvents();
    const long before = residentBytes();
    const auto start = std::chrono::steady_clock::now();
    for (int done = 1; done < kPackets; done += kBatch) {
      for (int i = 0; i < kBatch && done + i < kPackets; ++i) ProtoData(&conn, &packet);
      QCoreApplication::processEvents();
    }
    ours = seconds(std::chrono::steady_clock::now() - start);
    ourOverhead = double(residentBytes() - before) / (kPackets - 1) - kPayload;
    state.SetIterationTime(ours);
    DeleteProtoLogger(&logger);
    malloc_trim(0);
  }
  state.SetItemsProcessed(state.iterations() * kPackets);
  state.counters["packets_per_s"] = kPackets / ours;
  state.counters["baseline_per_s"] = kPackets / baseline;
  state.counters["ratio_to_baseline"] = baseline / ours;
  state.counters["overhead_B_per_packet"] = ourOverhead;
  state.counters["baseline_overhead_B"] = baselineOverhead;
}
// Three runs: the machine's page-fault cost varies from run to run; the medians are the figures.
BENCHMARK(BM_ProtoData)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
