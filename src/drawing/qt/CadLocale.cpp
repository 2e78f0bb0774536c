// The CAD drawing of this desktop.
#include "drawing/qt/CadLocale.h"

#include <QDesktopServices>
#include <QUrl>

#include "drawing/CadDxf.h"
#include "drawing/qt/SuperficieQt.h"

namespace voro {

CollegaCad CollegaCadLocale(const std::string& percorso, bool apri) {
  return [percorso, apri](const std::string&) -> std::unique_ptr<ApplicazioneCad> {
    ServiziCad s;
    s.percorso = percorso;
    s.risolviFont = RisolviFontWindows;
    s.larghezzaTesto = LarghezzaTestoFont;
    if (apri) {
      s.apri = [](const std::string& p) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(p)));
      };
    }
    return std::make_unique<ApplicazioneCadDxf>(std::move(s));
  };
}

}  // namespace voro
