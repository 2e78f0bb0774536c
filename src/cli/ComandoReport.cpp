// The report command.
#include "cli/ComandoReport.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/Rapporti.h"
#include "cli/Risolutore.h"
#include "data/CampiScalari.h"
#include "report/ComponiRapporto.h"
#include "report/qt/FileRapporto.h"

namespace voro::cli {

namespace {

int usage(const std::string& what) {
  std::cerr << "voro-cli: " << what << "\nTry 'voro-cli --help'.\n";
  return 2;
}

std::string formato(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && slash > dot)) return "";
  std::string e = path.substr(dot + 1);
  for (auto& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e == "htm" ? "html" : e;
}

void stampaMessaggi(const std::string& file, const RecordingMessages& m) {
  for (const auto& e : m.entries()) {
    std::string t = e.text;
    for (auto& c : t)
      if (c == '\r') c = '\n';
    std::cerr << "voro-cli: " << file << ": " << t << "\n";
  }
}

// Local date and time of the report; SOURCE_DATE_EPOCH (UTC) makes it repeatable.
std::string DataOra() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  if (const char* epoca = std::getenv("SOURCE_DATE_EPOCH")) {
    t = static_cast<std::time_t>(std::strtoll(epoca, nullptr, 10));
    gmtime_r(&t, &tm);
  } else {
    localtime_r(&t, &tm);
  }
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
  return buf;
}

}  // namespace

bool ScriviUscita(const std::string& percorso, const std::string& byte, std::string& motivo) {
  namespace fs = std::filesystem;
  const fs::path destinazione(percorso);
  fs::path temporaneo = destinazione;
  temporaneo += ".part";
  {
    std::ofstream out(temporaneo, std::ios::binary | std::ios::trunc);
    if (out) out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
    if (!out || !out.flush()) {
      motivo = std::strerror(errno ? errno : EIO);
      std::error_code ec;
      fs::remove(temporaneo, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporaneo, destinazione, ec);
  if (ec) {
    motivo = ec.message();
    fs::remove(temporaneo, ec);
    return false;
  }
  return true;
}

int Report(const std::vector<std::string>& args, int argc, char** argv) {
  std::string file, out;
  Regional regional = Regional::inglese();
  OpzioniSoluzione opzioni;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto valore = [&](std::string& v) {
      if (i + 1 >= args.size()) return false;
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "--out") {
      if (!valore(out)) return usage("--out needs a file name");
    } else if (a == "--locale") {
      if (!valore(v) || (v != "it" && v != "en")) return usage("--locale is it or en");
      regional = v == "it" ? Regional::italiano() : Regional::inglese();
    } else if (a == "--set") {
      if (!valore(v)) return usage("--set needs NAME=VALUE");
      const auto eq = v.find('=');
      DatiProgetto prova;
      std::string motivo;
      if (eq == std::string::npos || !ImpostaCampo(prova, v.substr(0, eq), v.substr(eq + 1), motivo))
        return usage("--set: " + (eq == std::string::npos ? "needs NAME=VALUE, got '" + v + "'" : motivo));
      opzioni.impostazioni.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a.size() > 1 && a[0] == '-') {
      return usage("unknown option '" + a + "'");
    } else if (file.empty()) {
      file = a;
    } else {
      return usage("report takes one project file");
    }
  }
  if (file.empty()) return usage("report needs a project file");
  const std::string tipo = formato(out);
  if (out.empty()) return usage("report needs --out REPORT.pdf|.html|.txt");
  if (tipo != "pdf" && tipo != "html" && tipo != "txt") return usage("--out must end in .pdf, .html or .txt");

  Soluzione s;
  s.file = file;
  Risolvi(s, opzioni);
  stampaMessaggi(file, s.messaggi);
  if (s.esito == Esito::FileIllegibile) {
    std::cerr << "voro-cli: cannot read " << file << ": " << s.errore << "\n";
    return 3;
  }

  FontiRapporto fonti = FontiDaSoluzione(s);
  fonti.dataOra = DataOra();
  fonti.programma = std::string("Voro ") + VORO_VERSION;
  const NumeriRapporto numeri(regional);
  Documento doc = ComponiRapporto(fonti, numeri);
  doc.lingua = regional.decimale() == "," ? "it" : "en";

  RecordingMessages disegni;
  bool ok = true;
  QByteArray byte;
  if (tipo == "txt") {
    byte = RapportoTesto(doc);
  } else {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    byte = tipo == "pdf" ? RapportoPdf(doc, disegni, &ok) : RapportoHtml(doc, disegni, &ok);
  }
  stampaMessaggi(file, disegni);
  std::string motivo;
  if (byte.isEmpty() || !ScriviUscita(out, byte.toStdString(), motivo)) {
    std::cerr << "voro-cli: cannot write " << out << ": " << (motivo.empty() ? "the report could not be made" : motivo)
              << "\n";
    return 3;
  }
  return s.esito == Esito::Risolto && ok ? 0 : 1;
}

}  // namespace voro::cli
