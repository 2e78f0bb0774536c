// The figures of an assessment as the Safety window, its drawings and the
// sweep chart show them: one format for each kind of number, and the warning
// an engineer must not miss when the arch does not stand or cannot carry its
// variable load.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// A factor or a ratio: three decimals, no digit groups (1276.017, 0.886).
std::string TestoFattore(const Regional& reg, double v);
// A length in metres: three decimals (-0.300, 4.700).
std::string TestoMetri(const Regional& reg, double v);
// A force in kN: two decimals, as the report's sections.
std::string TestoKn(const Regional& reg, double v);

// The masonry's strength as the hypotheses state it, numero its figure
// already formatted: "fc = 5" where every voussoir has the least strength
// r found, "fc >= 5" where segments of different masonry make it the least.
std::string TestoResistenza(const DatiProgetto& d, const ModelloArco& m, const RisultatiSicurezza& r,
                            const std::string& numero);

// A mechanism's hinges as "6 ic, 16 ec, 33 e": the joint, i intrados or e
// extrados, c where the masonry crushes, s for a sliding joint.
// A joint in few characters: its number, or in a bridge "2/5" for joint 5
// of span 2 and "P1" for pier 1's base.
std::string GiuntoBreve(int giunto, const ModelloArco* m);
std::string TestoCerniere(const std::vector<Cerniera>& cerniere, const ModelloArco* m);

// The top of a chart of factors: the largest factor, unless it soars beyond
// eight times the least (a load nearly off the bridge), where the chart stops
// so that the least and its neighbours stay readable.
double AltoGrafico(double massimo, std::optional<double> minimo);

// The warning of an arch that does not stand (no thrust line within the
// masonry) or whose least live-load factor is below 1; none for an arch that
// carries its loads. Breve: its first words only, for a narrow drawing.
std::optional<std::string> AvvisoSicurezza(const RisultatiSicurezza& r, const Regional& reg, bool breve = false);

// Colour-index number of the warning's band.
constexpr Long kColoreAvviso = 1;

// The warning as white words on a red band from x0 to x1 hanging from yAlto,
// as tall as the surface's text (altezza where the target has no text
// metrics); the band's height.
double DisegnaAvviso(Disegno& g, const std::string& testo, double x0, double x1, double yAlto, double altezza);

}  // namespace voro
