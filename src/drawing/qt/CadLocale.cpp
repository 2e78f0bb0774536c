// The CAD drawing of this desktop.
#include "drawing/qt/CadLocale.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include "drawing/CadDxf.h"
#include "drawing/qt/SuperficieQt.h"

namespace voro {

namespace {

// Opens the drawing in the program the desktop associates with DXF files.
// Without a window system (the command line draws offscreen) the desktop's
// opener is started directly, and only when there is a display to show the
// CAD program on.
bool ApriNelProgrammaCad(const std::string& percorso) {
  const QString file = QString::fromStdString(percorso);
  if (QGuiApplication::platformName() != "offscreen") return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return false;
  QProcess opener;
  opener.setProgram("xdg-open");
  opener.setArguments({file});
  opener.setStandardOutputFile(QProcess::nullDevice());
  opener.setStandardErrorFile(QProcess::nullDevice());
  return opener.startDetached();
}

}  // namespace

CollegaCad CollegaCadLocale(const std::string& percorso, bool apri) {
  return [percorso, apri](const std::string&) -> std::unique_ptr<ApplicazioneCad> {
    ServiziCad s;
    s.percorso = percorso;
    s.risolviFont = RisolviFontWindows;
    s.larghezzaTesto = LarghezzaTestoFont;
    if (apri) s.apri = ApriNelProgrammaCad;
    return std::make_unique<ApplicazioneCadDxf>(std::move(s));
  };
}

}  // namespace voro
