/* A host written in C that loads libQarnoLog.so with dlopen and drives the five exports the way
 * a real host does, running a plain GLib main loop between calls. It observes the windows
 * through a test-only probe library and through the layout file beside the library.
 *
 * Usage: c_host_test <libQarnoLog.so> <probe.so> [exit]
 * With "exit" the process ends with windows open and without unloading the library. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <glib.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "qarnolog/qarnolog.h"

static int g_failures = 0;
#define CHECK(cond)                                                            \
  do {                                                                         \
    if (!(cond)) {                                                             \
      fprintf(stderr, "%s:%d: CHECK failed: %s\n", __FILE__, __LINE__, #cond); \
      ++g_failures;                                                            \
    }                                                                          \
  } while (0)

typedef struct Library {
  void* handle;
  QarnoLogProtoDataFn data;
  QarnoLogProtoDisconnectedFn disconnected;
  QarnoLogProtoConnectedFn connected;
  QarnoLogDeleteProtoLoggerFn remove;
  QarnoLogCreateProtoLoggerFn create;
} Library;

typedef struct Probe {
  int (*has_application)(void);
  int (*window_count)(void);
  int (*window_visible)(const char*);
  int (*tab_count)(const char*);
  int (*current_tab)(const char*);
  int (*row_count)(const char*, int);
  int (*cell)(const char*, int, int, int, char*, int);
  void (*start_paint_count)(void);
  int (*paint_count)(void);
} Probe;

static Probe g_probe;
static char g_dir[64];
static char g_library[4096];
static char g_ini[4096];

static void* symbol(void* handle, const char* name) {
  void* s = dlsym(handle, name);
  if (s == NULL) {
    fprintf(stderr, "missing symbol %s\n", name);
    exit(2);
  }
  return s;
}

/* Function pointers from dlsym: copied bytewise, since ISO C does not convert void* to them. */
#define RESOLVE(target, handle, name)       \
  do {                                      \
    void* s_ = symbol(handle, name);        \
    memcpy(&(target), &s_, sizeof(target)); \
  } while (0)

static int load(Library* lib) {
  lib->handle = dlopen(g_library, RTLD_NOW | RTLD_LOCAL);
  if (lib->handle == NULL) {
    fprintf(stderr, "dlopen: %s\n", dlerror());
    return 0;
  }
  RESOLVE(lib->data, lib->handle, "ProtoData");
  RESOLVE(lib->disconnected, lib->handle, "ProtoDisconnected");
  RESOLVE(lib->connected, lib->handle, "ProtoConnected");
  RESOLVE(lib->remove, lib->handle, "DeleteProtoLogger");
  RESOLVE(lib->create, lib->handle, "CreateProtoLogger");
  return 1;
}

static void loadProbe(const char* path) {
  void* h = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (h == NULL) {
    fprintf(stderr, "dlopen probe: %s\n", dlerror());
    exit(2);
  }
  RESOLVE(g_probe.has_application, h, "probe_has_application");
  RESOLVE(g_probe.window_count, h, "probe_window_count");
  RESOLVE(g_probe.window_visible, h, "probe_window_visible");
  RESOLVE(g_probe.tab_count, h, "probe_tab_count");
  RESOLVE(g_probe.current_tab, h, "probe_current_tab");
  RESOLVE(g_probe.row_count, h, "probe_row_count");
  RESOLVE(g_probe.cell, h, "probe_cell");
  RESOLVE(g_probe.start_paint_count, h, "probe_start_paint_count");
  RESOLVE(g_probe.paint_count, h, "probe_paint_count");
}

static int copyFile(const char* from, const char* to) {
  FILE* in = fopen(from, "rb");
  FILE* out = fopen(to, "wb");
  char buffer[65536];
  size_t n;
  int ok = in != NULL && out != NULL;
  while (ok && (n = fread(buffer, 1, sizeof buffer, in)) > 0) ok = fwrite(buffer, 1, n, out) == n;
  if (in) fclose(in);
  if (out) fclose(out);
  return ok;
}

/* The whole file; NULL when it does not exist. */
static unsigned char* readFile(const char* path, size_t* size) {
  FILE* f = fopen(path, "rb");
  unsigned char* data;
  long n;
  if (f == NULL) return NULL;
  fseek(f, 0, SEEK_END);
  n = ftell(f);
  fseek(f, 0, SEEK_SET);
  data = (unsigned char*)malloc((size_t)n + 1);
  *size = fread(data, 1, (size_t)n, f);
  fclose(f);
  return data;
}

/* Writes UTF-8 text as UTF-16LE with a byte-order mark. */
static void writeUtf16File(const char* path, const char* utf8) {
  QarnoLogWideChar* text = QarnoLogAllocWideUtf8(utf8, (size_t)-1);
  uint32_t bytes = QarnoLogWideByteLength(text);
  FILE* f = fopen(path, "wb");
  fwrite("\xFF\xFE", 1, 2, f);
  fwrite(text, 1, bytes, f);
  fclose(f);
  QarnoLogFreeWide(text);
}

/* True when the file holds the UTF-8 text's UTF-16LE form. */
static int fileHasText(const char* path, const char* utf8) {
  size_t size = 0, i;
  unsigned char* data = readFile(path, &size);
  QarnoLogWideChar* text = QarnoLogAllocWideUtf8(utf8, (size_t)-1);
  uint32_t bytes = QarnoLogWideByteLength(text);
  int found = 0;
  for (i = 0; data != NULL && i + bytes <= size && !found; ++i)
    found = memcmp(data + i, text, bytes) == 0;
  free(data);
  QarnoLogFreeWide(text);
  return found;
}

static gboolean quitLoop(gpointer loop) {
  g_main_loop_quit((GMainLoop*)loop);
  return G_SOURCE_REMOVE;
}

/* Runs a plain GLib main loop on the default context for a while. */
static void runMainLoop(guint milliseconds) {
  GMainLoop* loop = g_main_loop_new(NULL, FALSE);
  g_timeout_add(milliseconds, quitLoop, loop);
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
}

typedef struct Conn {
  TProtoConnRec rec;
} Conn;

static void makeConn(TProtoConnRec* rec, void* logger, uint32_t connId, const char* caption) {
  memset(rec, 0, sizeof *rec);
  rec->Logger = logger;
  rec->ConnId = connId;
  rec->TabCaption = QarnoLogAllocWideUtf8(caption, (size_t)-1);
  rec->Col1Title = QarnoLogAllocWideUtf8("Peer", (size_t)-1);
  rec->Col1Width = 80;
}

static void freeConn(TProtoConnRec* rec) {
  QarnoLogFreeWide(rec->TabCaption);
  QarnoLogFreeWide(rec->Col1Title);
}

/* A BEX of the given type with `dataLength` data bytes (all zero). */
static size_t makeBex(unsigned char* out, uint16_t type, uint16_t sub, uint32_t dataLength) {
  memset(out, 0, 17 + dataLength);
  out[5] = (unsigned char)(type >> 8);
  out[6] = (unsigned char)type;
  out[7] = (unsigned char)(sub >> 8);
  out[8] = (unsigned char)sub;
  out[13] = (unsigned char)(dataLength >> 24);
  out[14] = (unsigned char)(dataLength >> 16);
  out[15] = (unsigned char)(dataLength >> 8);
  out[16] = (unsigned char)dataLength;
  return 17 + dataLength;
}

static int32_t sendPacket(Library* lib, TProtoConnRec* conn, const unsigned char* bytes,
                          uint32_t count) {
  TProtoPacketRec packet;
  int32_t result;
  memset(&packet, 0, sizeof packet);
  packet.Direction = 1;
  packet.Bytes = bytes;
  packet.ByteCount = count;
  packet.Col1Text = QarnoLogAllocWideUtf8("peer-1", (size_t)-1);
  result = lib->data(conn, &packet);
  QarnoLogFreeWide(packet.Col1Text);
  return result;
}

static void* openLogger(Library* lib, const char* name) {
  TProtoLoggerRec rec;
  memset(&rec, 0, sizeof rec);
  rec.LoggerName = QarnoLogAllocWideUtf8(name, (size_t)-1);
  if (lib->create(&rec) != 1) rec.Logger = NULL;
  QarnoLogFreeWide(rec.LoggerName);
  return rec.Logger;
}

static int32_t closeLogger(Library* lib, void* handle) {
  TProtoLoggerRec rec;
  memset(&rec, 0, sizeof rec);
  rec.Logger = handle;
  return lib->remove(&rec);
}

/* Calls from a thread other than the windows' are ignored. */
typedef struct ForeignCall {
  Library* lib;
  TProtoConnRec* conn;
  int32_t dataResult;
  int32_t createResult;
} ForeignCall;

static void* foreignThread(void* arg) {
  ForeignCall* call = (ForeignCall*)arg;
  unsigned char bytes[17];
  TProtoLoggerRec rec;
  makeBex(bytes, 1, 1, 0);
  call->dataResult = sendPacket(call->lib, call->conn, bytes, sizeof bytes);
  call->lib->connected(call->conn);
  memset(&rec, 0, sizeof rec);
  call->createResult = call->lib->create(&rec);
  return NULL;
}

static void testBeforeAnyCreate(Library* lib) {
  TProtoConnRec conn;
  TProtoLoggerRec rec;
  unsigned char bytes[17];
  int dummy = 0;
  makeConn(&conn, &dummy, 1, "x");
  memset(&rec, 0, sizeof rec);
  rec.Logger = &dummy;
  makeBex(bytes, 1, 1, 0);
  CHECK(lib->remove(&rec) == 0);
  CHECK(sendPacket(lib, &conn, bytes, sizeof bytes) == 0);
  lib->connected(&conn);
  lib->disconnected(&conn);
  CHECK(lib->create(NULL) == 0);
  CHECK(g_probe.has_application() == 0); /* nothing was created */
  CHECK(access(g_ini, F_OK) != 0);
  freeConn(&conn);
}

static void testSession(Library* lib) {
  TProtoConnRec a, b, c;
  TProtoLoggerRec rec;
  unsigned char good[64], bad[8];
  char text[64];
  size_t goodSize = makeBex(good, 0x0001, 0x0001, 4);
  void* server;
  int i;
  ForeignCall call;
  pthread_t thread;

  /* A null name is the empty name; one record created twice makes one window. */
  memset(&rec, 0, sizeof rec);
  CHECK(lib->create(&rec) == 1);
  CHECK(rec.Logger != NULL);
  CHECK(lib->create(&rec) == 0);
  CHECK(g_probe.window_count() == 1);
  CHECK(g_probe.window_visible("") == 1);

  server = openLogger(lib, "Server");
  CHECK(server != NULL && server != rec.Logger);
  g_probe.start_paint_count();

  /* Null records are refused without harm. */
  CHECK(lib->data(NULL, NULL) == 0);
  makeConn(&a, server, 1, "A");
  CHECK(lib->data(&a, NULL) == 0);
  lib->connected(NULL);
  lib->disconnected(NULL);
  CHECK(lib->remove(NULL) == 0);
  CHECK(sendPacket(lib, &a, NULL, 5) == 0); /* bytes promised but absent */
  CHECK(g_probe.tab_count("Server") == 0);

  /* Numbering goes on across a packet that does not parse. */
  memset(bad, 0, sizeof bad);
  CHECK(sendPacket(lib, &a, good, (uint32_t)goodSize) == 1);
  CHECK(sendPacket(lib, &a, bad, sizeof bad) == 1);
  CHECK(sendPacket(lib, &a, good, (uint32_t)goodSize) == 1);
  CHECK(sendPacket(lib, &a, NULL, 0) == 1);
  for (i = 0; i < 500; ++i) sendPacket(lib, &a, good, (uint32_t)goodSize);
  CHECK(g_probe.row_count("Server", 0) == 0); /* rows wait for the event loop */
  runMainLoop(300);
  CHECK(g_probe.row_count("Server", 0) == 504);
  CHECK(g_probe.paint_count() > 0);
  CHECK(g_probe.cell("Server", 0, 1, 0, text, sizeof text) && strcmp(text, "0") == 0);
  CHECK(g_probe.cell("Server", 0, 1, 2, text, sizeof text) && strcmp(text, "8") == 0);
  CHECK(g_probe.cell("Server", 0, 2, 0, text, sizeof text) && strcmp(text, "3") == 0);
  CHECK(g_probe.cell("Server", 0, 2, 3, text, sizeof text) && strcmp(text, "peer-1") == 0);
  CHECK(g_probe.cell("Server", 0, 2, 5, text, sizeof text) && strncmp(text, "QARNO_BEX_", 10) == 0);

  /* Calls from another thread are ignored. */
  call.lib = lib;
  call.conn = &a;
  call.dataResult = call.createResult = -1;
  pthread_create(&thread, NULL, foreignThread, &call);
  pthread_join(thread, NULL);
  CHECK(call.dataResult == 0);
  CHECK(call.createResult == 0);
  CHECK(g_probe.window_count() == 2);

  /* Disconnected: a tab with packets stays; an empty active tab goes and the next is active. */
  makeConn(&b, server, 2, "B");
  makeConn(&c, server, 3, "C");
  lib->connected(&b);
  lib->connected(&c);
  CHECK(g_probe.tab_count("Server") == 3);
  lib->disconnected(&a);
  CHECK(g_probe.tab_count("Server") == 3);
  CHECK(sendPacket(lib, &a, good, (uint32_t)goodSize) == 1); /* a new tab for A */
  CHECK(g_probe.tab_count("Server") == 4);
  CHECK(g_probe.current_tab("Server") == 0);
  lib->disconnected(&a); /* the new tab A holds a packet: stays */
  lib->disconnected(&b); /* empty: removed */
  CHECK(g_probe.tab_count("Server") == 3);
  runMainLoop(50);
  CHECK(g_probe.row_count("Server", 2) == 1);
  CHECK(g_probe.cell("Server", 2, 0, 0, text, sizeof text) && strcmp(text, "1") == 0);

  CHECK(closeLogger(lib, server) == 1);
  CHECK(closeLogger(lib, server) == 0);
  CHECK(g_probe.window_count() == 1);
  CHECK(closeLogger(lib, rec.Logger) == 1);
  CHECK(g_probe.window_count() == 0);
  freeConn(&a);
  freeConn(&b);
  freeConn(&c);
}

static void testLayoutFile(Library* lib) {
  void* first;
  void* second;
  int dummy = 0;
  writeUtf16File(g_ini, "[Other]\r\nleft=1\r\nKeep=me\r\n");
  first = openLogger(lib, "\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 \xE2\x98\x83");
  second = openLogger(lib, "Client");
  runMainLoop(20);
  CHECK(closeLogger(lib, &dummy) == 0); /* an unknown handle still writes every layout */
  CHECK(fileHasText(g_ini, "[Other]\r\nleft=1\r\nKeep=me\r\n"));
  CHECK(fileHasText(g_ini, "[\xD0\xA1\xD0\xB5\xD1\x80\xD0\xB2\xD0\xB5\xD1\x80 \xE2\x98\x83]"));
  CHECK(
      fileHasText(g_ini, "[Client]\r\nleft=100\r\ntop=100\r\nw=800\r\nh=700\r\nw1=200\r\nh1=300"));
  CHECK(closeLogger(lib, second) == 1);
  CHECK(closeLogger(lib, first) == 1);
}

/* Unloading with windows open destroys them and writes nothing; loading again works. */
static void testUnloadAndReload(Library* lib) {
  size_t before = 0, after = 0;
  unsigned char* old;
  unsigned char* now;
  TProtoConnRec conn;
  unsigned char bytes[17];
  void* w = openLogger(lib, "Moved");
  makeBex(bytes, 1, 1, 0);
  makeConn(&conn, w, 1, "c");
  CHECK(sendPacket(lib, &conn, bytes, sizeof bytes) == 1);
  openLogger(lib, "Another");
  runMainLoop(20);
  CHECK(g_probe.window_count() == 2);
  old = readFile(g_ini, &before);
  CHECK(dlclose(lib->handle) == 0);
  now = readFile(g_ini, &after);
  CHECK(old != NULL && now != NULL && before == after && memcmp(old, now, before) == 0);
  CHECK(g_probe.window_count() == 0);
  CHECK(g_probe.has_application() == 0); /* the library's own application went with it */
  free(old);
  free(now);
  runMainLoop(20); /* the default context holds nothing of the unloaded library */

  CHECK(load(lib));
  w = openLogger(lib, "Moved");
  CHECK(w != NULL);
  conn.Logger = w;
  g_probe.start_paint_count();
  CHECK(sendPacket(lib, &conn, bytes, sizeof bytes) == 1);
  runMainLoop(100);
  CHECK(g_probe.row_count("Moved", 0) == 1);
  CHECK(g_probe.paint_count() > 0);
  CHECK(closeLogger(lib, w) == 1);
  CHECK(fileHasText(g_ini, "[Moved]"));
  CHECK(dlclose(lib->handle) == 0);
  freeConn(&conn);
}

int main(int argc, char** argv) {
  Library lib;
  char pattern[] = "/tmp/qarnolog-c-host-XXXXXX";
  if (argc < 3) {
    fprintf(stderr, "usage: %s <libQarnoLog.so> <probe.so> [exit]\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  /* The layout file lies beside the library: each run loads its own copy from a fresh folder. */
  if (mkdtemp(pattern) == NULL) return 2;
  snprintf(g_dir, sizeof g_dir, "%s", pattern);
  snprintf(g_library, sizeof g_library, "%s/libQarnoLog.so", g_dir);
  snprintf(g_ini, sizeof g_ini, "%s/QarnoLog.ini", g_dir);
  if (!copyFile(argv[1], g_library)) return 2;
  loadProbe(argv[2]);
  if (!load(&lib)) return 2;

  if (argc > 3 && strcmp(argv[3], "exit") == 0) {
    /* Ends the process with windows open and packets stored, the library still loaded. */
    TProtoConnRec conn;
    unsigned char bytes[17];
    void* w = openLogger(&lib, "Open at exit");
    makeBex(bytes, 1, 1, 0);
    makeConn(&conn, w, 1, "c");
    sendPacket(&lib, &conn, bytes, sizeof bytes);
    openLogger(&lib, "Second");
    runMainLoop(50);
    CHECK(g_probe.window_count() == 2);
    unlink(g_library);
    freeConn(&conn);
    if (g_failures == 0) CHECK(access(g_ini, F_OK) != 0);
    rmdir(g_dir);
    exit(g_failures == 0 ? 0 : 1);
  }

  testBeforeAnyCreate(&lib);
  testSession(&lib);
  testLayoutFile(&lib);
  testUnloadAndReload(&lib);

  unlink(g_ini);
  unlink(g_library);
  rmdir(g_dir);
  if (g_failures != 0) fprintf(stderr, "%d check(s) failed\n", g_failures);
  return g_failures == 0 ? 0 : 1;
}
