// The offscreen graphics toolkit of the command line.
#include "cli/AmbienteGrafico.h"

#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/Flussi.h"

namespace voro::cli {

namespace {

void messaggioQt(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
  if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
    std::cerr << "voro-cli: " << TestoTerminale(testo.toStdString()) << "\n";
}

int gArgc = 1;
char gNome[] = "voro-cli";
char* gArgv[] = {gNome, nullptr};

}  // namespace

AmbienteGrafico::AmbienteGrafico() {
  qInstallMessageHandler(messaggioQt);
  // Files are drawn, never shown: no window system is asked for.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    std::string modello = (std::filesystem::temp_directory_path() / "voro-cli-XXXXXX").string();
    if (::mkdtemp(modello.data())) {
      cartellaRuntime_ = modello;
      qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(cartellaRuntime_));
    }
  }
  app_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
}

AmbienteGrafico::~AmbienteGrafico() {
  app_.reset();
  if (!cartellaRuntime_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(cartellaRuntime_, ec);
    qunsetenv("XDG_RUNTIME_DIR");
  }
  qInstallMessageHandler(nullptr);
}

}  // namespace voro::cli
