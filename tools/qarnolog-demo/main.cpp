// qarnolog-demo: a QARNO server host in miniature. It knows nothing of the viewer's toolkit:
// it loads libQarnoLog.so, opens a log window named "Server", plays a sample session with
// seven peers into it at a pace a person can follow, and runs the GLib main loop, which also
// dispatches the window's events. Ctrl+C (or --seconds) closes the window through
// DeleteProtoLogger, which saves its layout, and the program exits 0.
//
//   qarnolog-demo [--fast] [--seconds N] [--library PATH]
//   qarnolog-demo --hex    prints the session's packets as hex lines and loads nothing
#include <glib-unix.h>  // g_unix_signal_add
#include <glib.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>  // std::strtol
#include <memory>
#include <string>
#include <string_view>

#include "library.h"
#include "player.h"
#include "session.h"

namespace {

using qarnolog::demo::LoggerLibrary;
using qarnolog::demo::SessionPlayer;

struct Options {
  bool fast = false;
  bool hex = false;
  long seconds = 0;  // 0: until Ctrl+C
  std::string library;
};

int usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s [--fast] [--seconds N] [--library PATH] | --hex\n"
               "  --fast        hand over the whole session at once\n"
               "  --seconds N   close the window and quit after N seconds\n"
               "  --library P   the libQarnoLog.so to load\n"
               "  --hex         print every packet of the session as one line of hex digits\n"
               "                and exit, without loading the library\n",
               program);
  return 2;
}

// False on an unknown option or a missing or malformed value.
bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--fast") {
      options.fast = true;
    } else if (arg == "--hex") {
      options.hex = true;
    } else if (arg == "--seconds" && i + 1 < argc) {
      char* end = nullptr;
      options.seconds = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || options.seconds <= 0 || options.seconds > 86400) return false;
    } else if (arg == "--library" && i + 1 < argc) {
      options.library = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

struct Demo {
  GMainLoop* loop = nullptr;
  SessionPlayer* player = nullptr;
};

// A step every 150 to 390 ms, varied so that the log does not tick like a metronome.
guint stepDelayMs(std::size_t step) {
  return static_cast<guint>(150 + (step * 97) % 241);
}

gboolean playOne(gpointer data) {
  auto* demo = static_cast<Demo*>(data);
  demo->player->playNext();
  if (demo->player->done()) {
    std::printf("qarnolog-demo: session played (%zu steps)\n", demo->player->size());
    std::fflush(stdout);
  } else {
    g_timeout_add(stepDelayMs(demo->player->played()), playOne, demo);
  }
  return G_SOURCE_REMOVE;
}

gboolean quit(gpointer data) {
  g_main_loop_quit(static_cast<Demo*>(data)->loop);
  return G_SOURCE_REMOVE;
}

// One line per packet step, upper-case hex; 0 unless writing failed.
int printHex() {
  qarnolog::demo::PacketNumbering numbering;
  for (const qarnolog::demo::Step& step : qarnolog::demo::sampleSession()) {
    const qarnolog::demo::Bytes bytes = numbering.bytes(step);
    if (bytes.empty()) continue;
    for (std::uint8_t b : bytes) std::printf("%02X", b);
    std::printf("\n");
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) return usage(argv[0]);
  if (options.hex) return printHex();
  if (options.library.empty()) options.library = qarnolog::demo::defaultLibraryPath();

  std::string error;
  const std::unique_ptr<LoggerLibrary> library = LoggerLibrary::open(options.library, error);
  if (!library) {
    std::fprintf(stderr, "qarnolog-demo: %s\n", error.c_str());
    return 1;
  }

  const qarnolog::demo::WideString name("Server");
  TProtoLoggerRec logger{};
  logger.LoggerName = name.get();
  if (library->createProtoLogger(&logger) != 1 || logger.Logger == nullptr) {
    std::fprintf(stderr, "qarnolog-demo: CreateProtoLogger opened no window\n");
    return 1;
  }

  SessionPlayer player(*library, logger.Logger, qarnolog::demo::sampleSession());
  Demo demo{g_main_loop_new(nullptr, FALSE), &player};
  g_unix_signal_add(SIGINT, quit, &demo);
  g_unix_signal_add(SIGTERM, quit, &demo);
  if (options.seconds > 0) {
    g_timeout_add(static_cast<guint>(options.seconds * 1000), quit, &demo);
  }
  if (options.fast) {
    while (!player.done()) player.playNext();
    std::printf("qarnolog-demo: session handed over (%zu steps)\n", player.size());
  } else {
    g_timeout_add(stepDelayMs(0), playOne, &demo);
    std::printf("qarnolog-demo: playing %zu steps into window \"Server\"; Ctrl+C quits\n",
                player.size());
  }
  std::fflush(stdout);

  g_main_loop_run(demo.loop);
  g_main_loop_unref(demo.loop);

  const bool closed = library->deleteProtoLogger(&logger) == 1;
  if (!closed) std::fprintf(stderr, "qarnolog-demo: DeleteProtoLogger closed no window\n");
  if (player.refused() != 0) {
    std::fprintf(stderr, "qarnolog-demo: %zu packets were refused\n", player.refused());
  }
  return closed && player.refused() == 0 ? 0 : 1;
}
