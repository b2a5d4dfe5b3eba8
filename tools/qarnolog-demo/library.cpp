// dlopen and dlsym of the five exports.
#include "library.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace qarnolog::demo {
namespace {

// dlsym gives an object pointer; the exports are functions of the named types.
template <typename Fn>
bool resolve(void* handle, const char* name, Fn& out, std::string& error) {
  void* symbol = dlsym(handle, name);
  if (symbol == nullptr) {
    error = std::string("missing export ") + name;
    return false;
  }
  out = reinterpret_cast<Fn>(symbol);
  return true;
}

}  // namespace

std::unique_ptr<LoggerLibrary> LoggerLibrary::open(const std::string& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* message = dlerror();
    error = message != nullptr ? message : "cannot load " + path;
    return nullptr;
  }
  std::unique_ptr<LoggerLibrary> library(new LoggerLibrary(handle));
  if (!resolve(handle, "CreateProtoLogger", library->createProtoLogger, error) ||
      !resolve(handle, "DeleteProtoLogger", library->deleteProtoLogger, error) ||
      !resolve(handle, "ProtoConnected", library->protoConnected, error) ||
      !resolve(handle, "ProtoDisconnected", library->protoDisconnected, error) ||
      !resolve(handle, "ProtoData", library->protoData, error)) {
    return nullptr;
  }
  return library;
}

LoggerLibrary::~LoggerLibrary() {
  dlclose(m_handle);
}

std::string defaultLibraryPath() {
  std::error_code ec;
#ifdef QARNOLOG_DEMO_LIBRARY
  if (std::filesystem::exists(QARNOLOG_DEMO_LIBRARY, ec)) return QARNOLOG_DEMO_LIBRARY;
#endif
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path beside = self.parent_path() / "libQarnoLog.so";
    if (std::filesystem::exists(beside, ec)) return beside.string();
  }
  return "libQarnoLog.so";
}

}  // namespace qarnolog::demo
