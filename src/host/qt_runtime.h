// The Qt application the windows need: the host's own when it has one, otherwise one that the
// library creates and later destroys. Also keeps the Qt libraries loaded for the process's
// lifetime, so that unloading this library never unloads Qt under a live application.
#pragma once

#include <QApplication>
#include <memory>

namespace qarnolog {

class QtRuntime {
 public:
  // A runtime for the calling thread, or null when no window can be made on it: the host's
  // application is not a QApplication or lives on another thread, or there is no display to
  // show windows on (creating a QApplication then would abort the process).
  [[nodiscard]] static std::unique_ptr<QtRuntime> acquire();

  QtRuntime() = default;
  ~QtRuntime();
  QtRuntime(const QtRuntime&) = delete;
  QtRuntime& operator=(const QtRuntime&) = delete;

  // True when the application was created by the library.
  [[nodiscard]] bool ownsApplication() const { return m_app != nullptr; }

 private:
  // QCoreApplication keeps references to argc and argv for its whole life.
  int m_argc = 1;
  char m_arg0[9] = "QarnoLog";
  char* m_argv[2] = {m_arg0, nullptr};
  std::unique_ptr<QApplication> m_app;
};

}  // namespace qarnolog
