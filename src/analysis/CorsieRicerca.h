// Grid points of the hinge search evaluated side by side: one lane per grid
// point, the voussoirs as arrays, every lane equal bit for bit to the plain
// procedures (hinge reactions, thrust line, merit and their arithmetic faults).
#pragma once

namespace voro {

// Grid points evaluated together.
inline constexpr int kCorsie = 16;

// The instruction sets the evaluation is compiled for; each gives the same bits.
enum class Istruzioni { Base, Avx2 };

// Whether this processor runs the evaluation compiled for the set.
bool IstruzioniDisponibili(Istruzioni set);
// The fastest set this processor runs.
Istruzioni IstruzioniMigliori();

// The loaded voussoirs as the thrust line and the merit read them; element v
// of each array belongs to voussoir v + 1 and its right joint.
struct ConciCorsie {
  int n = 0;
  const double* Ftot = nullptr;
  const double* FOrizzontale = nullptr;
  const double* SinAlfa = nullptr;
  const double* CosAlfa = nullptr;
  const double* xMedio = nullptr;
  const double* yMedio = nullptr;
  const double* momentoFtot = nullptr;   // Ftot (xMedio - xFtot)
  const double* momentoFOriz = nullptr;  // FOrizzontale (yMedio - yFOrizzontale)
  const double* h = nullptr;             // hSezioneEff
  const double* hMezzi = nullptr;        // h / 2
  const double* hSesto = nullptr;        // h / 6
  const double* b = nullptr;             // the width the stresses use
  const double* invH = nullptr;          // 1 / h and 1 / (h b): only for the bounds
  const double* invHB = nullptr;
  // The springing section (joint 1): the split of the springing force and
  // the section's own depth and width.
  double sinA = 0, cosA = 0;
  double h1 = 0, h1Mezzi = 0, h1Sesto = 0, b1 = 0, invH1 = 0, invHB1 = 0;
  bool distanze = false;      // the distance merit, else the stress merit
  bool limiti = false;        // the stress bounds hold for these sections
  double limiteTaglio = 0;    // largest |V| + |H| of the springing force whose shear stresses stay finite
};

// One block of grid points: the eccentricity and the point of hinge 1 and the
// points of hinges 2 and 3 with the load moments about them.
struct PuntiCorsie {
  alignas(32) double e1[kCorsie];
  alignas(32) double x1[kCorsie];
  alignas(32) double y1[kCorsie];
  alignas(32) double x2[kCorsie];
  alignas(32) double y2[kCorsie];
  alignas(32) double M2v[kCorsie];
  alignas(32) double M2h[kCorsie];
  alignas(32) double x3[kCorsie];
  alignas(32) double y3[kCorsie];
  alignas(32) double M3v[kCorsie];
  alignas(32) double M3h[kCorsie];
  bool usata[kCorsie] = {};
};

enum StatoCorsia : signed char {
  Scartata,   // unused, or dropped: certainly worse than the bound
  Guasta,     // the plain procedures meet an arithmetic fault
  Valutata,   // F holds the merit
  DaRivedere  // a shear stress might overflow: left to the plain procedures
};

struct EsitiCorsie {
  float F[kCorsie];
  signed char stato[kCorsie];
};

// Drop the lanes whose merit is certainly and strictly worse than F.
struct Soglia {
  bool attiva = false;
  float F = 0;
};

// Evaluates a block with the given instruction set; memoria holds 2 n kCorsie doubles.
void ValutaCorsie(Istruzioni set, const ConciCorsie& c, const PuntiCorsie& p, Soglia s, double* memoria,
                  EsitiCorsie& esiti);

}  // namespace voro
