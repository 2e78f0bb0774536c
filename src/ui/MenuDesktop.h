// The main window's habits of a desktop program: the Edit menu with Undo and
// Redo of the project's data, the Window menu with Tile, Cascade and the open
// windows, and in the Plot menu Export Plot and Fit to Window for the
// drawing in front.
#pragma once

namespace voro::ui {

class FinestraPrincipale;
class StoriaProgetto;

void CreaMenuDesktop(FinestraPrincipale& f, StoriaProgetto& storia);

}  // namespace voro::ui
