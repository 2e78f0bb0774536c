// The graphics toolkit for the commands that draw into files: the offscreen
// platform, so that no display or X server is ever needed, and its notices
// kept off standard error.
#pragma once

#include <memory>
#include <string>

class QGuiApplication;

namespace voro::cli {

// Lives while a command draws. The toolkit's warnings and notices are
// dropped; its critical messages are shown as voro-cli's own. A runtime
// folder of its own is made when the session has none, and removed at the
// end.
class AmbienteGrafico {
 public:
  AmbienteGrafico();
  ~AmbienteGrafico();
  AmbienteGrafico(const AmbienteGrafico&) = delete;
  AmbienteGrafico& operator=(const AmbienteGrafico&) = delete;

 private:
  std::string cartellaRuntime_;
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace voro::cli
