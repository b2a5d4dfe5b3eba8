// QApplication creation and pinning of the Qt libraries.
#include "host/qt_runtime.h"

#include <QThread>

#if !defined(_WIN32)
#include <dlfcn.h>  // dladdr, dlopen
#endif

namespace qarnolog {

namespace {

// Marks the shared object holding `function` as never to be unloaded. dlopen with RTLD_NOLOAD
// only takes another reference to an object already loaded; the reference is never released.
template <typename Function>
void pinLibraryOf(Function function) {
#if !defined(_WIN32)
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(function), &info) != 0 && info.dli_fname != nullptr)
    static_cast<void>(dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE));
#else
  static_cast<void>(function);
#endif
}

bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

}  // namespace

std::unique_ptr<QtRuntime> QtRuntime::acquire() {
  pinLibraryOf(&qVersion);
  pinLibraryOf(&QGuiApplication::platformName);
  pinLibraryOf(&QApplication::style);
  auto runtime = std::make_unique<QtRuntime>();
  if (QCoreApplication* existing = QCoreApplication::instance()) {
    if (qobject_cast<QApplication*>(existing) == nullptr) return nullptr;
    if (existing->thread() != QThread::currentThread()) return nullptr;
    return runtime;
  }
  if (!displayAvailable()) return nullptr;
  runtime->m_app = std::make_unique<QApplication>(runtime->m_argc, runtime->m_argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return runtime;
}

QtRuntime::~QtRuntime() = default;

}  // namespace qarnolog
