// The five exported functions. Each one checks its thread and its pointers, forwards to the
// registry, and lets no exception out: a failure inside the library returns 0.
#include "host/library_path.h"
#include "host/u_proto_log.h"
#include "qarnolog/qarnolog.h"

namespace {

// The registry, the one global of the library: null until the first CreateProtoLogger.
//
// Unloading (dlclose) runs unloadLibrary below before any C++ static destructor of the
// library: the reference is cleared first, then the registry destroys every window. At process
// exit the C++ static destructors of all libraries run first, Qt's among them, and the
// finalizer only afterwards; windows can then no longer be destroyed safely, so ~RegistryHolder
// leaves them to the ending process (nothing of them is written anywhere).
struct RegistryHolder {
  std::unique_ptr<qarnolog::TProtoLog> registry;
  ~RegistryHolder();
};
RegistryHolder g_protoLog;
bool g_processExiting = false;
// What the ending process keeps, reachable so that leak checkers see it was kept on purpose.
const qarnolog::TProtoLog* g_keptAtExit = nullptr;

RegistryHolder::~RegistryHolder() {
  g_processExiting = true;
  g_keptAtExit = registry.release();
}

__attribute__((destructor)) void unloadLibrary() {
  if (g_processExiting) return;
  std::unique_ptr<qarnolog::TProtoLog> doomed = std::move(g_protoLog.registry);
}

// The registry for a call, or null before the first window or on a foreign thread.
qarnolog::TProtoLog* registryForCall() {
  qarnolog::TProtoLog* registry = g_protoLog.registry.get();
  if (registry == nullptr || !registry->onOwnThread()) return nullptr;
  return registry;
}

}  // namespace

extern "C" {

QARNOLOG_API int32_t QARNOLOG_CALL CreateProtoLogger(TProtoLoggerRec* rec) {
  try {
    if (rec == nullptr) return 0;
    if (g_protoLog.registry == nullptr) {
      std::unique_ptr<qarnolog::QtRuntime> runtime = qarnolog::QtRuntime::acquire();
      if (runtime == nullptr) return 0;
      g_protoLog.registry = std::make_unique<qarnolog::TProtoLog>(
          std::move(runtime), qarnolog::LibraryLayoutFilePath());
    }
    qarnolog::TProtoLog* registry = registryForCall();
    return registry != nullptr ? registry->createLogger(*rec) : 0;
  } catch (...) {
    return 0;
  }
}

QARNOLOG_API int32_t QARNOLOG_CALL DeleteProtoLogger(const TProtoLoggerRec* rec) {
  try {
    qarnolog::TProtoLog* registry = registryForCall();
    if (registry == nullptr || rec == nullptr) return 0;
    return registry->deleteLogger(*rec);
  } catch (...) {
    return 0;
  }
}

QARNOLOG_API void QARNOLOG_CALL ProtoConnected(const TProtoConnRec* conn) {
  try {
    qarnolog::TProtoLog* registry = registryForCall();
    if (registry != nullptr && conn != nullptr) registry->connected(*conn);
  } catch (...) {
  }
}

QARNOLOG_API void QARNOLOG_CALL ProtoDisconnected(const TProtoConnRec* conn) {
  try {
    qarnolog::TProtoLog* registry = registryForCall();
    if (registry != nullptr && conn != nullptr) registry->disconnected(*conn);
  } catch (...) {
  }
}

QARNOLOG_API int32_t QARNOLOG_CALL ProtoData(const TProtoConnRec* conn,
                                             const TProtoPacketRec* packet) {
  try {
    qarnolog::TProtoLog* registry = registryForCall();
    if (registry == nullptr || conn == nullptr || packet == nullptr) return 0;
    return registry->data(*conn, *packet);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
