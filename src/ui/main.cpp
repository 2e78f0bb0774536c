// voro: the desktop program, optionally opening the project file named on
// its command line.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "data/Versione.h"
#include "ui/FinestraPrincipale.h"

namespace {

// The folder of the examples and the help: the installed share folder beside
// the program, else the source tree it was built from.
QString CartellaProgramma() {
  const QDir bin(QCoreApplication::applicationDirPath());
  const QString installata = bin.absoluteFilePath("../share/voro");
  if (QFileInfo(installata + "/examples").isDir()) return QDir::cleanPath(installata);
  return QStringLiteral(VORO_SOURCE_DIR);
}

}  // namespace

int main(int argc, char* argv[]) {
  // The two answers every program gives without opening a window.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("voro (Voro) %s\n", voro::kVersioneVoro);
    return std::fflush(stdout) == 0 ? 0 : 3;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf("Usage: voro [FILE.vro]\n\n"
                "Opens the desktop program for the assessment of masonry arches and vaults,\n"
                "with the project FILE.vro when one is given (a name with blanks needs no\n"
                "quotes). See voro(1) and voro-cli(1).\n");
    return std::fflush(stdout) == 0 ? 0 : 3;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("voro");
  QApplication::setOrganizationName("voro");
  QApplication::setApplicationVersion(voro::kVersioneVoro);
  QApplication::setDesktopFileName("voro");
  // Qt adopts the user's locale for the C library too; the core's file and
  // report numbers always use the point.
  std::setlocale(LC_NUMERIC, "C");

  const QString utente = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  voro::ui::FinestraPrincipale finestra(CartellaProgramma(), utente);
  finestra.show();
  finestra.Avvio(QApplication::arguments().mid(1));
  return QApplication::exec();
}
