<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ComandiRapporto</name>
    <message>
        <source>%1 - calculation report</source>
        <translation>%1 - calculation report</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Text Files (*.txt)|*.txt</source>
        <translation>All Files (*.*)|*.*|Text Files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>the geometry has not been read: enter it and press Next on the geometry form.</source>
        <translation>the geometry has not been read: enter it and press Next on the geometry form.</translation>
    </message>
    <message>
        <source>the project has not been solved: use Solve.</source>
        <translation>the project has not been solved: use Solve.</translation>
    </message>
    <message>
        <source>the calculation failed: %1</source>
        <translation>the calculation failed: %1</translation>
    </message>
    <message>
        <source>the data have changed since the last solution: solve the project again.</source>
        <translation>the data have changed since the last solution: solve the project again.</translation>
    </message>
</context>
<context>
    <name>Dialoghi</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Save changes to the new project?</source>
        <translation>Save changes to the new project?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>Diffusione</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>EsportaPlot</name>
    <message>
        <source>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</source>
        <translation>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>While printing, this error occurred: %1<byte value="xd"/>%2</source>
        <translation>While printing, this error occurred: %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf</source>
        <translation>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: </source>
        <translation>Cannot write the file %1: </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Close &amp;All</translation>
    </message>
    <message>
        <source>Non c&apos;è nessun disegno: risolvere l&apos;arco o tracciarne la geometria.</source>
        <translation>There is no drawing: solve the arch or draw its geometry.</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Export &amp;Plot...</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Loads</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Start eccentricities</source>
        <translation>Start eccentricities</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>Rapporto</name>
    <message>
        <source>Calculation report</source>
        <translation>Calculation report</translation>
    </message>
    <message>
        <source>Figure %1: </source>
        <translation>Figure %1: </translation>
    </message>
    <message>
        <source> (drawn in the PDF and HTML reports).</source>
        <translation> (drawn in the PDF and HTML reports).</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>The drawing could not be made.</translation>
    </message>
    <message>
        <source>Drawings</source>
        <translation>Drawings</translation>
    </message>
    <message>
        <source>Voro - arch assessment by limit analysis</source>
        <translation>Voro - arch assessment by limit analysis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>intrados</source>
        <translation>intrados</translation>
    </message>
    <message>
        <source>extrados</source>
        <translation>extrados</translation>
    </message>
    <message>
        <source>Hinge</source>
        <translation>Hinge</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Safety assessment</source>
        <translation>Safety assessment</translation>
    </message>
    <message>
        <source>Geometric safety</source>
        <translation>Geometric safety</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression: the arch cannot stand under its loads.</source>
        <translation>No thrust line keeps every joint in compression: the arch cannot stand under its loads.</translation>
    </message>
    <message>
        <source>Thickness ratio of the line of least eccentricity</source>
        <translation>Thickness ratio of the line of least eccentricity</translation>
    </message>
    <message>
        <source>The thrust line follows the centre of every joint (s = 0): the ring is the funicular of its loads.</source>
        <translation>The thrust line follows the centre of every joint (s = 0): the ring is the funicular of its loads.</translation>
    </message>
    <message>
        <source> That line is approached only as the thrust grows without limit.</source>
        <translation> That line is approached only as the thrust grows without limit.</translation>
    </message>
    <message>
        <source> It touches the reduced section at sections </source>
        <translation> It touches the reduced section at sections </translation>
    </message>
    <message>
        <source>Thrust range</source>
        <translation>Thrust range</translation>
    </message>
    <message>
        <source>None: no thrust line fits within the masonry.</source>
        <translation>None: no thrust line fits within the masonry.</translation>
    </message>
    <message>
        <source>The horizontal force of the left support on the arch over all thrust lines within the masonry: the least is what the arch needs when its supports spread apart, the largest what a tie or an abutment may have to take when they are pushed together.</source>
        <translation>The horizontal force of the left support on the arch over all thrust lines within the masonry: the least is what the arch needs when its supports spread apart, the largest what a tie or an abutment may have to take when they are pushed together.</translation>
    </message>
    <message>
        <source>Least thrust</source>
        <translation>Least thrust</translation>
    </message>
    <message>
        <source>Largest thrust</source>
        <translation>Largest thrust</translation>
    </message>
    <message>
        <source>no upper limit</source>
        <translation>no upper limit</translation>
    </message>
    <message>
        <source>Live-load factor</source>
        <translation>Live-load factor</translation>
    </message>
    <message>
        <source>Live-load factor at collapse</source>
        <translation>Live-load factor at collapse</translation>
    </message>
    <message>
        <source>No finite factor: the variable load alone can never turn the arch into a mechanism.</source>
        <translation>No finite factor: the variable load alone can never turn the arch into a mechanism.</translation>
    </message>
    <message>
        <source>None: the project has no variable load.</source>
        <translation>None: the project has no variable load.</translation>
    </message>
    <message>
        <source>None: not even without the variable load does a thrust line fit.</source>
        <translation>None: not even without the variable load does a thrust line fit.</translation>
    </message>
    <message>
        <source>Worst load position</source>
        <translation>Worst load position</translation>
    </message>
    <message>
        <source>Not computed: the project has no strip load.</source>
        <translation>Not computed: the project has no strip load.</translation>
    </message>
    <message>
        <source>Not computed: no positions asked for.</source>
        <translation>Not computed: no positions asked for.</translation>
    </message>
    <message>
        <source>The strip of </source>
        <translation>The strip of </translation>
    </message>
    <message>
        <source> m moved across the structure in </source>
        <translation> m moved across the structure in </translation>
    </message>
    <message>
        <source> positions, the loads and passive pressure computed afresh at each: </source>
        <translation> positions, the loads and passive pressure computed afresh at each: </translation>
    </message>
    <message>
        <source>the least live-load factor is </source>
        <translation>the least live-load factor is </translation>
    </message>
    <message>
        <source> with the strip from x = </source>
        <translation> with the strip from x = </translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Minimum thickness</source>
        <translation>Minimum thickness</translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation>Not computed.</translation>
    </message>
    <message>
        <source>Not found between a thousandth and a thousand times the project&apos;s thickness.</source>
        <translation>Not found between a thousandth and a thousand times the project&apos;s thickness.</translation>
    </message>
    <message>
        <source>Thinnest segment at the least thickness</source>
        <translation>Thinnest segment at the least thickness</translation>
    </message>
    <message>
        <source>Least thickness factor</source>
        <translation>Least thickness factor</translation>
    </message>
    <message>
        <source>Hinges at the least thickness: sections </source>
        <translation>Hinges at the least thickness: sections </translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity</source>
        <translation>Thrust line of least eccentricity</translation>
    </message>
    <message>
        <source>Section by section: the normal force, the eccentricity and the part of the half depth it uses.</source>
        <translation>Section by section: the normal force, the eccentricity and the part of the half depth it uses.</translation>
    </message>
    <message>
        <source>Sect.</source>
        <translation>Sect.</translation>
    </message>
    <message>
        <source>largest distance from the edges</source>
        <translation>largest distance from the edges</translation>
    </message>
    <message>
        <source>smallest peak compression</source>
        <translation>smallest peak compression</translation>
    </message>
    <message>
        <source>Thrust line through the given eccentricities.</source>
        <translation>Thrust line through the given eccentricities.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>No voussoir model: </source>
        <translation>No voussoir model: </translation>
    </message>
    <message>
        <source>Voussoirs of the ring</source>
        <translation>Voussoirs of the ring</translation>
    </message>
    <message>
        <source>Sections (joints)</source>
        <translation>Sections (joints)</translation>
    </message>
    <message>
        <source>Crown voussoir</source>
        <translation>Crown voussoir</translation>
    </message>
    <message>
        <source>Wall voussoirs, left</source>
        <translation>Wall voussoirs, left</translation>
    </message>
    <message>
        <source>Wall voussoirs, right</source>
        <translation>Wall voussoirs, right</translation>
    </message>
    <message>
        <source>Left end of the structure</source>
        <translation>Left end of the structure</translation>
    </message>
    <message>
        <source>Right end of the structure</source>
        <translation>Right end of the structure</translation>
    </message>
    <message>
        <source>Lowest intrados</source>
        <translation>Lowest intrados</translation>
    </message>
    <message>
        <source>Highest extrados</source>
        <translation>Highest extrados</translation>
    </message>
    <message>
        <source>Top of the fill</source>
        <translation>Top of the fill</translation>
    </message>
    <message>
        <source>Top of the slab</source>
        <translation>Top of the slab</translation>
    </message>
    <message>
        <source>Depth of the joint, left springing</source>
        <translation>Depth of the joint, left springing</translation>
    </message>
    <message>
        <source>Depth of the joint, crown</source>
        <translation>Depth of the joint, crown</translation>
    </message>
    <message>
        <source>Depth of the joint, right springing</source>
        <translation>Depth of the joint, right springing</translation>
    </message>
    <message>
        <source>Total weights</source>
        <translation>Total weights</translation>
    </message>
    <message>
        <source>The vertical loads the voussoirs of the ring carry, summed over the whole ring.</source>
        <translation>The vertical loads the voussoirs of the ring carry, summed over the whole ring.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Masonry of the ring</source>
        <translation>Masonry of the ring</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>Slab</translation>
    </message>
    <message>
        <source>Live load</source>
        <translation>Live load</translation>
    </message>
    <message>
        <source>Total vertical load</source>
        <translation>Total vertical load</translation>
    </message>
    <message>
        <source>Geometry: voussoirs, walls, fill, slab, live load and plan view (lengths in m)</source>
        <translation>Geometry: voussoirs, walls, fill, slab, live load and plan view (lengths in m)</translation>
    </message>
    <message>
        <source>Rigid voussoirs. The ring is a chain of rigid voussoirs that bear on each other at plane joints; the walls beside the outer springings and the solid backing are the supports. The voussoirs do not slide on each other.</source>
        <translation>Rigid voussoirs. The ring is a chain of rigid voussoirs that bear on each other at plane joints; the walls beside the outer springings and the solid backing are the supports. The voussoirs do not slide on each other.</translation>
    </message>
    <message>
        <source>No tension. The masonry takes no tension and its compressive strength is not limited by the calculation: a joint whose thrust point lies within its middle third is compressed over its whole depth with a linear distribution; beyond it, over three times the distance of the thrust point from the nearer edge, with a triangular distribution. The stresses are to be compared with the strength of the masonry by the engineer.</source>
        <translation>No tension. The masonry takes no tension and its compressive strength is not limited by the calculation: a joint whose thrust point lies within its middle third is compressed over its whole depth with a linear distribution; beyond it, over three times the distance of the thrust point from the nearer edge, with a triangular distribution. The stresses are to be compared with the strength of the masonry by the engineer.</translation>
    </message>
    <message>
        <source>Loads. Each voussoir carries its own weight, the fill and the slab over the vertical strip between its extrados corners, and the live load q over the part of that strip between xq1 and xq2, all over the width of the vault.</source>
        <translation>Loads. Each voussoir carries its own weight, the fill and the slab over the vertical strip between its extrados corners, and the live load q over the part of that strip between xq1 and xq2, all over the width of the vault.</translation>
    </message>
    <message>
        <source> The voussoirs next to the springings (</source>
        <translation> The voussoirs next to the springings (</translation>
    </message>
    <message>
        <source> on the left, </source>
        <translation> on the left, </translation>
    </message>
    <message>
        <source> on the right) also carry a horizontal passive pressure: Kp times the slope of their extrados times the vertical load resting on it.</source>
        <translation> on the right) also carry a horizontal passive pressure: Kp times the slope of their extrados times the vertical load resting on it.</translation>
    </message>
    <message>
        <source>Placing the hinges. The hinges lie at the start eccentricities given with the data (el, ec, er).</source>
        <translation>Placing the hinges. The hinges lie at the start eccentricities given with the data (el, ec, er).</translation>
    </message>
    <message>
        <source>Placing the hinges. The search was asked for with no steps (n = </source>
        <translation>Placing the hinges. The search was asked for with no steps (n = </translation>
    </message>
    <message>
        <source>): it has no grid on which to place the hinges.</source>
        <translation>): it has no grid on which to place the hinges.</translation>
    </message>
    <message>
        <source>Placing the hinges. An exhaustive search over a grid of </source>
        <translation>Placing the hinges. An exhaustive search over a grid of </translation>
    </message>
    <message>
        <source> hinge eccentricities across the three joint depths, followed by a finer grid one step on either side of the best point. Figure of merit: </source>
        <translation> hinge eccentricities across the three joint depths, followed by a finer grid one step on either side of the best point. Figure of merit: </translation>
    </message>
    <message>
        <source>the largest distance of the thrust line from the nearer edge of any joint.</source>
        <translation>the largest distance of the thrust line from the nearer edge of any joint.</translation>
    </message>
    <message>
        <source>the smallest peak compression at the joint edges, a thrust line that keeps every joint compressed being preferred to one with tension, and among those with tension the one whose largest tension is least.</source>
        <translation>the smallest peak compression at the joint edges, a thrust line that keeps every joint compressed being preferred to one with tension, and among those with tension the one whose largest tension is least.</translation>
    </message>
    <message>
        <source> Grid precision reached: </source>
        <translation> Grid precision reached: </translation>
    </message>
    <message>
        <source> mm.</source>
        <translation> mm.</translation>
    </message>
    <message>
        <source>Signs and units. Lengths in m, forces in kN, stresses in MPa with compression positive; eccentricities in mm along the joint from its centre, positive toward the extrados; x to the right, y upward; reactions are the forces of the supports on the arch.</source>
        <translation>Signs and units. Lengths in m, forces in kN, stresses in MPa with compression positive; eccentricities in mm along the joint from its centre, positive toward the extrados; x to the right, y upward; reactions are the forces of the supports on the arch.</translation>
    </message>
    <message>
        <source>No results: </source>
        <translation>No results: </translation>
    </message>
    <message>
        <source>Eccentricities used</source>
        <translation>Eccentricities used</translation>
    </message>
    <message>
        <source>left springing el</source>
        <translation>left springing el</translation>
    </message>
    <message>
        <source>crown ec</source>
        <translation>crown ec</translation>
    </message>
    <message>
        <source>right springing er</source>
        <translation>right springing er</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Worst values</source>
        <translation>Worst values</translation>
    </message>
    <message>
        <source>A worst stress is the largest compression when no joint edge is in tension, otherwise the largest tension (negative); a compressed part below 100 % means the joint opens on one side.</source>
        <translation>A worst stress is the largest compression when no joint edge is in tension, otherwise the largest tension (negative); a compressed part below 100 % means the joint opens on one side.</translation>
    </message>
    <message>
        <source>Extrados stress</source>
        <translation>Extrados stress</translation>
    </message>
    <message>
        <source>Intrados stress</source>
        <translation>Intrados stress</translation>
    </message>
    <message>
        <source>Smallest compressed part</source>
        <translation>Smallest compressed part</translation>
    </message>
    <message>
        <source>Reactions at springings</source>
        <translation>Reactions at springings</translation>
    </message>
    <message>
        <source>Horizontal force, left springing</source>
        <translation>Horizontal force, left springing</translation>
    </message>
    <message>
        <source>Vertical force, left springing</source>
        <translation>Vertical force, left springing</translation>
    </message>
    <message>
        <source>Horizontal force, right springing</source>
        <translation>Horizontal force, right springing</translation>
    </message>
    <message>
        <source>Vertical force, right springing</source>
        <translation>Vertical force, right springing</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(not saved)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Input data</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>One circular ring, its intrados from the left springing at the origin.</source>
        <translation>One circular ring, its intrados from the left springing at the origin.</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Rise</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Voussoirs</source>
        <translation>Voussoirs</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segments</translation>
    </message>
    <message>
        <source>A chain of </source>
        <translation>A chain of </translation>
    </message>
    <message>
        <source> circular segments of the intrados, each through an intermediate point (x2, y2) to its end point (x3, y3); the first starts at the origin, every other one where the previous ends.</source>
        <translation> circular segments of the intrados, each through an intermediate point (x2, y2) to its end point (x3, y3); the first starts at the origin, every other one where the previous ends.</translation>
    </message>
    <message>
        <source>Segm.</source>
        <translation>Segm.</translation>
    </message>
    <message>
        <source>Overall span</source>
        <translation>Overall span</translation>
    </message>
    <message>
        <source>Fill, slab, weights, widths and walls</source>
        <translation>Fill, slab, weights, widths and walls</translation>
    </message>
    <message>
        <source>Unit weight of the masonry</source>
        <translation>Unit weight of the masonry</translation>
    </message>
    <message>
        <source>Fill above the crown</source>
        <translation>Fill above the crown</translation>
    </message>
    <message>
        <source>Unit weight of the fill</source>
        <translation>Unit weight of the fill</translation>
    </message>
    <message>
        <source>Slab on the fill</source>
        <translation>Slab on the fill</translation>
    </message>
    <message>
        <source>Unit weight of the slab</source>
        <translation>Unit weight of the slab</translation>
    </message>
    <message>
        <source>Width of the vault</source>
        <translation>Width of the vault</translation>
    </message>
    <message>
        <source>Width at the crown</source>
        <translation>Width at the crown</translation>
    </message>
    <message>
        <source>Protrusion of the upper walls</source>
        <translation>Protrusion of the upper walls</translation>
    </message>
    <message>
        <source>Depth of the solid backing</source>
        <translation>Depth of the solid backing</translation>
    </message>
    <message>
        <source>A uniformly distributed load on top of the slab between the abscissae xq1 and xq2.</source>
        <translation>A uniformly distributed load on top of the slab between the abscissae xq1 and xq2.</translation>
    </message>
    <message>
        <source>Distributed load</source>
        <translation>Distributed load</translation>
    </message>
    <message>
        <source>Load from</source>
        <translation>Load from</translation>
    </message>
    <message>
        <source>Load to</source>
        <translation>Load to</translation>
    </message>
    <message>
        <source>Passive pressure</source>
        <translation>Passive pressure</translation>
    </message>
    <message>
        <source>Passive pressures applied</source>
        <translation>Passive pressures applied</translation>
    </message>
    <message>
        <source>Coefficient of passive pressure</source>
        <translation>Coefficient of passive pressure</translation>
    </message>
    <message>
        <source>Voussoirs from the left springing</source>
        <translation>Voussoirs from the left springing</translation>
    </message>
    <message>
        <source>Voussoirs from the right springing</source>
        <translation>Voussoirs from the right springing</translation>
    </message>
    <message>
        <source>Thrust line and search options</source>
        <translation>Thrust line and search options</translation>
    </message>
    <message>
        <source>Start eccentricity, left springing</source>
        <translation>Start eccentricity, left springing</translation>
    </message>
    <message>
        <source>Start eccentricity, crown</source>
        <translation>Start eccentricity, crown</translation>
    </message>
    <message>
        <source>Start eccentricity, right springing</source>
        <translation>Start eccentricity, right springing</translation>
    </message>
    <message>
        <source>Optimise the thrust line</source>
        <translation>Optimise the thrust line</translation>
    </message>
    <message>
        <source>Steps of the search</source>
        <translation>Steps of the search</translation>
    </message>
    <message>
        <source>Optimise the eccentricities (distance from the edges)</source>
        <translation>Optimise the eccentricities (distance from the edges)</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>inf: permanent loads favourable</source>
        <translation>inf: permanent loads favourable</translation>
    </message>
    <message>
        <source>sup: permanent loads unfavourable</source>
        <translation>sup: permanent loads unfavourable</translation>
    </message>
    <message>
        <source>joints that never slide</source>
        <translation>joints that never slide</translation>
    </message>
    <message>
        <source>The verdict rests on the limit analysis of rigid voussoirs: no tensile strength; %1; %2.</source>
        <translation>The verdict rests on the limit analysis of rigid voussoirs: no tensile strength; %1; %2.</translation>
    </message>
    <message>
        <source>The strip load stands where the project puts it.</source>
        <translation>The strip load stands where the project puts it.</translation>
    </message>
    <message>
        <source>The strip load covers the whole structure.</source>
        <translation>The strip load covers the whole structure.</translation>
    </message>
    <message>
        <source>The strip load is moved across the structure in %1 positions and the least factor of all of them counts.</source>
        <translation>The strip load is moved across the structure in %1 positions and the least factor of all of them counts.</translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>No verdict: the voussoirs could not be built from the data, so the arch was neither solved nor assessed.</source>
        <translation>No verdict: the voussoirs could not be built from the data, so the arch was neither solved nor assessed.</translation>
    </message>
    <message>
        <source>No verdict: the safety assessment of the arch could not be completed.</source>
        <translation>No verdict: the safety assessment of the arch could not be completed.</translation>
    </message>
    <message>
        <source>No safety assessment was made for this report. The thrust line through three imposed points that the results show is one state of equilibrium among many: by itself it proves neither that the arch is safe nor that it fails. Assess the arch for a verdict.</source>
        <translation>No safety assessment was made for this report. The thrust line through three imposed points that the results show is one state of equilibrium among many: by itself it proves neither that the arch is safe nor that it fails. Assess the arch for a verdict.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 &lt; 1.</source>
        <translation>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 &lt; 1.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</source>
        <translation>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</source>
        <translation>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and a thrust line fits under the design permanent loads.</source>
        <translation>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and a thrust line fits under the design permanent loads.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and no thrust line fits under the design permanent loads.</source>
        <translation>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and no thrust line fits under the design permanent loads.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</source>
        <translation>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</source>
        <translation>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>adequate</source>
        <translation>adequate</translation>
    </message>
    <message>
        <source>not adequate</source>
        <translation>not adequate</translation>
    </message>
    <message>
        <source>Adequacy factor (design live-load factor)</source>
        <translation>Adequacy factor (design live-load factor)</translation>
    </message>
    <message>
        <source>no finite factor</source>
        <translation>no finite factor</translation>
    </message>
    <message>
        <source>Governing combination</source>
        <translation>Governing combination</translation>
    </message>
    <message>
        <source>Adequacy factor, other combination (%1)</source>
        <translation>Adequacy factor, other combination (%1)</translation>
    </message>
    <message>
        <source>Governing load</source>
        <translation>Governing load</translation>
    </message>
    <message>
        <source>%1 × γQ %2 with the strip load, axles at x = %3 to %4 m</source>
        <translation>%1 × γQ %2 with the strip load, axles at x = %3 to %4 m</translation>
    </message>
    <message>
        <source>Mechanism: hinges at sections</source>
        <translation>Mechanism: hinges at sections</translation>
    </message>
    <message>
        <source>Code basis</source>
        <translation>Code basis</translation>
    </message>
    <message>
        <source>%1, knowledge level %2</source>
        <translation>%1, knowledge level %2</translation>
    </message>
    <message>
        <source>Partial factors</source>
        <translation>Partial factors</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>References</source>
        <translation>References</translation>
    </message>
    <message>
        <source>crushing hinge</source>
        <translation>crushing hinge</translation>
    </message>
    <message>
        <source>sliding</source>
        <translation>sliding</translation>
    </message>
    <message>
        <source>hinge</source>
        <translation>hinge</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>no tensile strength; </source>
        <translation>no tensile strength; </translation>
    </message>
    <message>
        <source>unlimited compressive strength (rigid voussoirs)</source>
        <translation>unlimited compressive strength (rigid voussoirs)</translation>
    </message>
    <message>
        <source>; no sliding</source>
        <translation>; no sliding</translation>
    </message>
    <message>
        <source>; passive pressure as a resistance the soil mobilises between 0 and %1 times its full value, only as far as the ring pushes into it</source>
        <translation>; passive pressure as a resistance the soil mobilises between 0 and %1 times its full value, only as far as the ring pushes into it</translation>
    </message>
    <message>
        <source>Safety: </source>
        <translation>Safety: </translation>
    </message>
    <message>
        <source>the thrust line of least eccentricity (s = %1)</source>
        <translation>the thrust line of least eccentricity (s = %1)</translation>
    </message>
    <message>
        <source> touching the reduced section at 1 joint</source>
        <translation> touching the reduced section at 1 joint</translation>
    </message>
    <message>
        <source> touching the reduced section at %1 joints</source>
        <translation> touching the reduced section at %1 joints</translation>
    </message>
    <message>
        <source>the arch; no thrust line keeps every joint in compression</source>
        <translation>the arch; no thrust line keeps every joint in compression</translation>
    </message>
    <message>
        <source>; the collapse thrust line at %1 times the live load with its %2 hinges</source>
        <translation>; the collapse thrust line at %1 times the live load with its %2 hinges</translation>
    </message>
    <message>
        <source>; no collapse line: the live load at the project&apos;s strip alone can never make a mechanism</source>
        <translation>; no collapse line: the live load at the project&apos;s strip alone can never make a mechanism</translation>
    </message>
    <message>
        <source> (lengths in m)</source>
        <translation> (lengths in m)</translation>
    </message>
    <message>
        <source>These figures assume masonry of unlimited compressive strength: they do not check crushing.</source>
        <translation>These figures assume masonry of unlimited compressive strength: they do not check crushing.</translation>
    </message>
    <message>
        <source>Depth ratio: joint depth to the depth the line needs</source>
        <translation>Depth ratio: joint depth to the depth the line needs</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry (the hypotheses above)</source>
        <translation>A thrust line fits within the masonry (the hypotheses above)</translation>
    </message>
    <message>
        <source>The thrust line of least eccentricity needs the part s = %1 of every joint&apos;s depth about its centre: each joint is 1/s = %2 times as deep as that line needs.</source>
        <translation>The thrust line of least eccentricity needs the part s = %1 of every joint&apos;s depth about its centre: each joint is 1/s = %2 times as deep as that line needs.</translation>
    </message>
    <message>
        <source> A thrust line fits within the masonry under the hypotheses above: by the safe theorem the arch stands under its loads.</source>
        <translation> A thrust line fits within the masonry under the hypotheses above: by the safe theorem the arch stands under its loads.</translation>
    </message>
    <message>
        <source> No thrust line fits within the masonry under the hypotheses above, whatever the hinges: the arch cannot stand under its loads.</source>
        <translation> No thrust line fits within the masonry under the hypotheses above, whatever the hinges: the arch cannot stand under its loads.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism.</source>
        <translation>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</source>
        <translation>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</translation>
    </message>
    <message>
        <source>The collapse mechanism: %1 joints, each a hinge where the collapse thrust line touches an edge of the masonry or, where the masonry crushes, the edge of its stress block, or a joint that slides.</source>
        <translation>The collapse mechanism: %1 joints, each a hinge where the collapse thrust line touches an edge of the masonry or, where the masonry crushes, the edge of its stress block, or a joint that slides.</translation>
    </message>
    <message>
        <source>at no position can the variable load alone make the arch collapse, so no chart of the factor is drawn.</source>
        <translation>at no position can the variable load alone make the arch collapse, so no chart of the factor is drawn.</translation>
    </message>
    <message>
        <source>Geometric factor of safety (Heyman)</source>
        <translation>Geometric factor of safety (Heyman)</translation>
    </message>
    <message>
        <source>Heyman&apos;s geometric factor of safety t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads.</source>
        <translation>Heyman&apos;s geometric factor of safety t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads.</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the strip load (its left end xq1, m), the least factor %1 marked</source>
        <translation>Live-load factor against the position of the strip load (its left end xq1, m), the least factor %1 marked</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Vehicle: %1</translation>
    </message>
    <message>
        <source>Wheel track</source>
        <translation>Wheel track</translation>
    </message>
    <message>
        <source>Contact width across</source>
        <translation>Contact width across</translation>
    </message>
    <message>
        <source>Spread through the fill</source>
        <translation>Spread through the fill</translation>
    </message>
    <message>
        <source>%1 (%2 degrees)</source>
        <translation>%1 (%2 degrees)</translation>
    </message>
    <message>
        <source>Step of the sweep</source>
        <translation>Step of the sweep</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Axle</translation>
    </message>
    <message>
        <source>At no position can the variable load make the arch collapse.</source>
        <translation>At no position can the variable load make the arch collapse.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>backward</translation>
    </message>
    <message>
        <source>Moved in %1 positions, both ways, the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m, driven %4.</source>
        <translation>Moved in %1 positions, both ways, the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m, driven %4.</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the vehicle&apos;s first axle (m), each way it is driven, the least factor marked</source>
        <translation>Live-load factor against the position of the vehicle&apos;s first axle (m), each way it is driven, the least factor marked</translation>
    </message>
    <message>
        <source>The vehicle at its worst position: the axles&apos; loads at collapse, their spread through the fill and the collapse thrust line with its four hinges (lengths in m)</source>
        <translation>The vehicle at its worst position: the axles&apos; loads at collapse, their spread through the fill and the collapse thrust line with its four hinges (lengths in m)</translation>
    </message>
    <message>
        <source>inside the joint</source>
        <translation>inside the joint</translation>
    </message>
    <message>
        <source>hinge, extrados edge</source>
        <translation>hinge, extrados edge</translation>
    </message>
    <message>
        <source>hinge, intrados edge</source>
        <translation>hinge, intrados edge</translation>
    </message>
    <message>
        <source>The upper walls move the springing above the ring&apos;s end:</source>
        <translation>The upper walls move the springing above the ring&apos;s end:</translation>
    </message>
    <message>
        <source> the left wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> the left wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</translation>
    </message>
    <message>
        <source> the left wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> the left wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</translation>
    </message>
    <message>
        <source> the right wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> the right wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</translation>
    </message>
    <message>
        <source> the right wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> the right wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</translation>
    </message>
    <message>
        <source>. The calculation and the assessment hold for the arch between these springings.</source>
        <translation>. The calculation and the assessment hold for the arch between these springings.</translation>
    </message>
    <message>
        <source>Thrust line through the three points found by the search (figure of merit: %1; grid precision %2 mm).</source>
        <translation>Thrust line through the three points found by the search (figure of merit: %1; grid precision %2 mm).</translation>
    </message>
    <message>
        <source>Thrust line through the three points found by the search (figure of merit: %1).</source>
        <translation>Thrust line through the three points found by the search (figure of merit: %1).</translation>
    </message>
    <message>
        <source>The ring is cut into rigid voussoirs numbered from left to right; section 1 is the left springing, section i + 1 the right joint of voussoir i. The crown point of the thrust line lies on the right joint of the crown voussoir, the first whose extrados reaches the top of the ring.</source>
        <translation>The ring is cut into rigid voussoirs numbered from left to right; section 1 is the left springing, section i + 1 the right joint of voussoir i. The crown point of the thrust line lies on the right joint of the crown voussoir, the first whose extrados reaches the top of the ring.</translation>
    </message>
    <message>
        <source>Crown section (crown point)</source>
        <translation>Crown section (crown point)</translation>
    </message>
    <message>
        <source>Three points. The thrust line is made to pass through three points: at the left springing, at the crown joint and at the right springing. With the three points fixed the arch is statically determinate, as a three-hinged arch: the reactions follow from equilibrium and the thrust line is carried joint by joint. A point is a true hinge only where it lies on an edge of its joint.</source>
        <translation>Three points. The thrust line is made to pass through three points: at the left springing, at the crown joint and at the right springing. With the three points fixed the arch is statically determinate, as a three-hinged arch: the reactions follow from equilibrium and the thrust line is carried joint by joint. A point is a true hinge only where it lies on an edge of its joint.</translation>
    </message>
    <message>
        <source>The three points the calculation imposes on the thrust line, at the left springing, the crown joint and the right springing: their eccentricity from the centre of the joint (positive toward the extrados) and their position. A point is a hinge only where it lies on an edge of its joint; inside the joint the masonry there stays compressed over part of its depth.</source>
        <translation>The three points the calculation imposes on the thrust line, at the left springing, the crown joint and the right springing: their eccentricity from the centre of the joint (positive toward the extrados) and their position. A point is a hinge only where it lies on an edge of its joint; inside the joint the masonry there stays compressed over part of its depth.</translation>
    </message>
    <message>
        <source>Thrust-line point</source>
        <translation>Thrust-line point</translation>
    </message>
    <message>
        <source>The resultants of the horizontal (passive) pressures on the voussoirs next to each springing, positive toward the crown, and their moments about the extrados ends of the ring.</source>
        <translation>The resultants of the horizontal (passive) pressures on the voussoirs next to each springing, positive toward the crown, and their moments about the extrados ends of the ring.</translation>
    </message>
    <message>
        <source>Passive pressure resultant, left</source>
        <translation>Passive pressure resultant, left</translation>
    </message>
    <message>
        <source>Passive pressure resultant, right</source>
        <translation>Passive pressure resultant, right</translation>
    </message>
    <message>
        <source>Moment about the left extrados end</source>
        <translation>Moment about the left extrados end</translation>
    </message>
    <message>
        <source>Moment about the right extrados end</source>
        <translation>Moment about the right extrados end</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Checker</translation>
    </message>
    <message>
        <source>Approver</source>
        <translation>Approver</translation>
    </message>
    <message>
        <source>Not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Not certified: no solver gave an answer that passes both theorems&apos; checks.</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>not certified</translation>
    </message>
    <message>
        <source> Whether a thrust line fits under the hypotheses above is not certified.</source>
        <translation> Whether a thrust line fits under the hypotheses above is not certified.</translation>
    </message>
    <message>
        <source>no solver certified the answer at %1 positions, so no least factor is given.</source>
        <translation>no solver certified the answer at %1 positions, so no least factor is given.</translation>
    </message>
    <message>
        <source>, refined between its neighbouring positions.</source>
        <translation>, refined between its neighbouring positions.</translation>
    </message>
    <message>
        <source>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</source>
        <translation>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificates</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap. The static side is checked voussoir by voussoir (equilibrium to 1e-9 of the total load) and joint by joint against the stated domain; the kinematic side by the mechanism&apos;s virtual work, or by a proof that no line fits.</source>
        <translation>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap. The static side is checked voussoir by voussoir (equilibrium to 1e-9 of the total load) and joint by joint against the stated domain; the kinematic side by the mechanism&apos;s virtual work, or by a proof that no line fits.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Certified</source>
        <translation>Certified</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solver</translation>
    </message>
    <message>
        <source>dense simplex</source>
        <translation>dense simplex</translation>
    </message>
    <message>
        <source>The collapse mechanism at the worst position:</source>
        <translation>The collapse mechanism at the worst position:</translation>
    </message>
    <message>
        <source>G1 sup, G2 inf: structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>G1 sup, G2 inf: structural permanent loads unfavourable, slab and surfacing favourable</translation>
    </message>
    <message>
        <source>G1 inf, G2 sup: structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>G1 inf, G2 sup: structural permanent loads favourable, slab and surfacing unfavourable</translation>
    </message>
    <message>
        <source>slides</source>
        <translation>slides</translation>
    </message>
    <message>
        <source>rocks about its left edge</source>
        <translation>rocks about its left edge</translation>
    </message>
    <message>
        <source>rocks about its right edge</source>
        <translation>rocks about its right edge</translation>
    </message>
    <message>
        <source>pier %1 %2</source>
        <translation>pier %1 %2</translation>
    </message>
    <message>
        <source>none: every pier stands as a rigid support</source>
        <translation>none: every pier stands as a rigid support</translation>
    </message>
    <message>
        <source>Governing span (the mechanism&apos;s hinges)</source>
        <translation>Governing span (the mechanism&apos;s hinges)</translation>
    </message>
    <message>
        <source>Piers in the mechanism</source>
        <translation>Piers in the mechanism</translation>
    </message>
    <message>
        <source>span %1 joint %2</source>
        <translation>span %1 joint %2</translation>
    </message>
    <message>
        <source>pier %1 base</source>
        <translation>pier %1 base</translation>
    </message>
    <message>
        <source>A bridge of several spans: the three-hinge calculation holds for one span at a time, each on rigid springings at its piers, and is not reported for the bridge as a whole. The safety assessment analyses the whole bridge, its piers included.</source>
        <translation>A bridge of several spans: the three-hinge calculation holds for one span at a time, each on rigid springings at its piers, and is not reported for the bridge as a whole. The safety assessment analyses the whole bridge, its piers included.</translation>
    </message>
    <message>
        <source>A bridge of %1 spans on %2 piers. The voussoirs of every span are numbered from left to right across the bridge, %3 in all; each pier is one rigid block from its foundation to the springings of the two rings it carries, with the masonry above it.</source>
        <translation>A bridge of %1 spans on %2 piers. The voussoirs of every span are numbered from left to right across the bridge, %3 in all; each pier is one rigid block from its foundation to the springings of the two rings it carries, with the masonry above it.</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Spans and piers</translation>
    </message>
    <message>
        <source>The first span is the ring above; each further span stands on the pier on its left. A ring of segments gives its overall span only. The springing level y is the span&apos;s left springing above the first span&apos;s; the pier&apos;s height H runs from the top of its foundation to the higher springing, its batters are horizontal over vertical.</source>
        <translation>The first span is the ring above; each further span stands on the pier on its left. A ring of segments gives its overall span only. The springing level y is the span&apos;s left springing above the first span&apos;s; the pier&apos;s height H runs from the top of its foundation to the higher springing, its batters are horizontal over vertical.</translation>
    </message>
    <message>
        <source>Pier b</source>
        <translation>Pier b</translation>
    </message>
    <message>
        <source>Batter L</source>
        <translation>Batter L</translation>
    </message>
    <message>
        <source>Batter R</source>
        <translation>Batter R</translation>
    </message>
    <message>
        <source>Each span alone on rigid springings</source>
        <translation>Each span alone on rigid springings</translation>
    </message>
    <message>
        <source>Span %1: %2</source>
        <translation>Span %1: %2</translation>
    </message>
    <message>
        <source>Span no.</source>
        <translation>Span no.</translation>
    </message>
    <message>
        <source> (γG1 = %1, γG2 = %2</source>
        <translation> (γG1 = %1, γG2 = %2</translation>
    </message>
    <message>
        <source>: the slab and surfacing left out</source>
        <translation>: the slab and surfacing left out</translation>
    </message>
    <message>
        <source>the masonry&apos;s compressive strength at its design value fd = fc / (γM FC), γM = %1 and FC = %2%3</source>
        <translation>the masonry&apos;s compressive strength at its design value fd = fc / (γM FC), γM = %1 and FC = %2%3</translation>
    </message>
    <message>
        <source>, fd = %1 MPa</source>
        <translation>, fd = %1 MPa</translation>
    </message>
    <message>
        <source>unlimited compressive strength (Heyman&apos;s hypothesis: crushing is not checked)</source>
        <translation>unlimited compressive strength (Heyman&apos;s hypothesis: crushing is not checked)</translation>
    </message>
    <message>
        <source>joints with the design friction coefficient μ / γμ = %1 / %2 = %3</source>
        <translation>joints with the design friction coefficient μ / γμ = %1 / %2 = %3</translation>
    </message>
    <message>
        <source> The design loads are the unit weights of masonry and fill times γG1, of the slab times γG2, and the variable load times γQ, in every combination of γG1 and γG2 each at its inf or its sup value; the smallest live-load factor governs. </source>
        <translation> The design loads are the unit weights of masonry and fill times γG1, of the slab times γG2, and the variable load times γQ, in every combination of γG1 and γG2 each at its inf or its sup value; the smallest live-load factor governs. </translation>
    </message>
    <message>
        <source> The thickness factor t/tmin is found for the project&apos;s own loads under the hypotheses of the assessment, every segment&apos;s thickness scaled alike while the road surface, the slab and the loads above stay where the project puts them.</source>
        <translation> The thickness factor t/tmin is found for the project&apos;s own loads under the hypotheses of the assessment, every segment&apos;s thickness scaled alike while the road surface, the slab and the loads above stay where the project puts them.</translation>
    </message>
    <message>
        <source> The soil&apos;s passive pressure on the voussoirs next to the springings (Kp = %1) is a resistance bounded by the characteristic vertical loads resting on them, divided by γR = %2.</source>
        <translation> The soil&apos;s passive pressure on the voussoirs next to the springings (Kp = %1) is a resistance bounded by the characteristic vertical loads resting on them, divided by γR = %2.</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>no verdict</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 ≥ 1.</source>
        <translation>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 ≥ 1.</translation>
    </message>
    <message>
        <source>The verdict keeps Heyman&apos;s hypothesis of a masonry that never crushes: crushing is not checked.</source>
        <translation>The verdict keeps Heyman&apos;s hypothesis of a masonry that never crushes: crushing is not checked.</translation>
    </message>
    <message>
        <source>x = %1 to %2 m</source>
        <translation>x = %1 to %2 m</translation>
    </message>
    <message>
        <source>%1 %2 kN/m² × γQ %3, x = %4 to %5 m</source>
        <translation>%1 %2 kN/m² × γQ %3, x = %4 to %5 m</translation>
    </message>
    <message>
        <source>Geometric factor of safety t/tmin (Heyman)</source>
        <translation>Geometric factor of safety t/tmin (Heyman)</translation>
    </message>
    <message>
        <source>Thickness factor t/tmin (the assessment&apos;s hypotheses)</source>
        <translation>Thickness factor t/tmin (the assessment&apos;s hypotheses)</translation>
    </message>
    <message>
        <source>compressive strength %1 MPa, a joint of depth h and width b carrying N ≤ fc b h and |M| ≤ N (h/2 - N/(2 fc b)) (a rectangular stress block), the domain approached from inside by chords so that the live-load factor lies within %2% below the exact one</source>
        <translation>compressive strength %1 MPa, a joint of depth h and width b carrying N ≤ fc b h and |M| ≤ N (h/2 - N/(2 fc b)) (a rectangular stress block), the domain approached from inside by chords so that the live-load factor lies within %2% below the exact one</translation>
    </message>
    <message>
        <source>; joints that slide beyond |T| = μ N, μ = %1</source>
        <translation>; joints that slide beyond |T| = μ N, μ = %1</translation>
    </message>
    <message>
        <source>At the least thickness the walls take %1 voussoirs of the ring on the left and %2 on the right (%3 and %4 at the project&apos;s thickness): the arch analysed there springs elsewhere and has another shape than the project&apos;s.</source>
        <translation>At the least thickness the walls take %1 voussoirs of the ring on the left and %2 on the right (%3 and %4 at the project&apos;s thickness): the arch analysed there springs elsewhere and has another shape than the project&apos;s.</translation>
    </message>
    <message>
        <source>Exact limit analysis of the same voussoirs and loads. Unlike the three-hinged thrust line above, it considers every thrust line in equilibrium with the loads, whatever its hinges. The geometric safety rests on Heyman&apos;s hypotheses (rigid voussoirs, no tensile strength, unlimited compressive strength, no sliding, passive pressure as a fixed load); a thrust line lies within the fraction s of the joints when at every joint |e| ≤ s h/2. The thrust range, the live-load factor, the worst load position and the minimum thickness rest on these hypotheses: %1. The figures of this section are those of the project&apos;s own (characteristic) loads; the conclusions give the adequacy under the design values of the code basis.</source>
        <translation>Exact limit analysis of the same voussoirs and loads. Unlike the three-hinged thrust line above, it considers every thrust line in equilibrium with the loads, whatever its hinges. The geometric safety rests on Heyman&apos;s hypotheses (rigid voussoirs, no tensile strength, unlimited compressive strength, no sliding, passive pressure as a fixed load); a thrust line lies within the fraction s of the joints when at every joint |e| ≤ s h/2. The thrust range, the live-load factor, the worst load position and the minimum thickness rest on these hypotheses: %1. The figures of this section are those of the project&apos;s own (characteristic) loads; the conclusions give the adequacy under the design values of the code basis.</translation>
    </message>
    <message>
        <source> kN/m² over </source>
        <translation> kN/m² over </translation>
    </message>
    <message>
        <source>Thickness factor (the hypotheses above)</source>
        <translation>Thickness factor (the hypotheses above)</translation>
    </message>
    <message>
        <source>The thickness factor t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads and the hypotheses above. With a finite strength or friction it is not Heyman&apos;s geometric factor of safety, which holds for rigid masonry that never slides.</source>
        <translation>The thickness factor t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads and the hypotheses above. With a finite strength or friction it is not Heyman&apos;s geometric factor of safety, which holds for rigid masonry that never slides.</translation>
    </message>
    <message>
        <source>Three-hinged thrust line: hypotheses</source>
        <translation>Three-hinged thrust line: hypotheses</translation>
    </message>
    <message>
        <source>This section and the next show one thrust line through three imposed points, under rigid hypotheses of their own: the voussoirs never slide and the strength is not limited. It illustrates one state of equilibrium; it is not the assessment, and the verdict does not rest on it. The assessment and the conclusions state their own hypotheses (strength, friction, soil, partial factors).</source>
        <translation>This section and the next show one thrust line through three imposed points, under rigid hypotheses of their own: the voussoirs never slide and the strength is not limited. It illustrates one state of equilibrium; it is not the assessment, and the verdict does not rest on it. The assessment and the conclusions state their own hypotheses (strength, friction, soil, partial factors).</translation>
    </message>
    <message>
        <source>Three-hinged thrust line: results</source>
        <translation>Three-hinged thrust line: results</translation>
    </message>
    <message>
        <source>For every section: the edge stresses at the extrados (σe) and at the intrados (σi), compression positive; the mean shear stress (τ); the compressed part of the joint depth; the normal and shear force (N, T) and the eccentricity of the thrust line (e). N and T are the components of the force that the part of the arch left of the section applies to the part on its right: N across the joint, compression positive; T and τ along the joint, positive toward the extrados.</source>
        <translation>For every section: the edge stresses at the extrados (σe) and at the intrados (σi), compression positive; the mean shear stress (τ); the compressed part of the joint depth; the normal and shear force (N, T) and the eccentricity of the thrust line (e). N and T are the components of the force that the part of the arch left of the section applies to the part on its right: N across the joint, compression positive; T and τ along the joint, positive toward the extrados.</translation>
    </message>
    <message>
        <source>These elastic stresses are not compared with the masonry&apos;s strength fc: they belong to one illustrative thrust line. The assessment checks crushing at every joint through the stress block of the design strength.</source>
        <translation>These elastic stresses are not compared with the masonry&apos;s strength fc: they belong to one illustrative thrust line. The assessment checks crushing at every joint through the stress block of the design strength.</translation>
    </message>
    <message>
        <source>The forces of the supports on the arch: H positive toward the arch (toward +x at the left springing, toward -x at the right one), V positive upward. The model has no tie: the last row is the force a tie between the springings would have to carry, positive in tension.</source>
        <translation>The forces of the supports on the arch: H positive toward the arch (toward +x at the left springing, toward -x at the right one), V positive upward. The model has no tie: the last row is the force a tie between the springings would have to carry, positive in tension.</translation>
    </message>
    <message>
        <source>Force a tie at the springings would carry (none in the model)</source>
        <translation>Force a tie at the springings would carry (none in the model)</translation>
    </message>
    <message>
        <source>Passive pressure resultants</source>
        <translation>Passive pressure resultants</translation>
    </message>
    <message>
        <source>Results: the thrust line through its three imposed points and the reactions; below, the voussoirs exploded with the thrust line and the edge stresses (σe, σi)</source>
        <translation>Results: the thrust line through its three imposed points and the reactions; below, the voussoirs exploded with the thrust line and the edge stresses (σe, σi)</translation>
    </message>
    <message>
        <source>Strength, friction and soil</source>
        <translation>Strength, friction and soil</translation>
    </message>
    <message>
        <source>fc is the masonry&apos;s mean compressive strength as the engineer typed it, with its source (tests, or the tables for the knowledge level); 0 stands for unlimited strength. Under a code basis the confidence factor FC and the partial factor γM divide it into the design strength fd, as the Circolare of 21 January 2019 n. 7, §C8.5.4, reads for existing masonry; the friction coefficient μ is divided by γμ.</source>
        <translation>fc is the masonry&apos;s mean compressive strength as the engineer typed it, with its source (tests, or the tables for the knowledge level); 0 stands for unlimited strength. Under a code basis the confidence factor FC and the partial factor γM divide it into the design strength fd, as the Circolare of 21 January 2019 n. 7, §C8.5.4, reads for existing masonry; the friction coefficient μ is divided by γμ.</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>unlimited</translation>
    </message>
    <message>
        <source>Design strength fd = fc / (γM FC)</source>
        <translation>Design strength fd = fc / (γM FC)</translation>
    </message>
    <message>
        <source>Compressive strength of the masonry (mean)</source>
        <translation>Compressive strength of the masonry (mean)</translation>
    </message>
    <message>
        <source>Compressive strength of segment %1 (mean)</source>
        <translation>Compressive strength of segment %1 (mean)</translation>
    </message>
    <message>
        <source>Friction coefficient of the joints</source>
        <translation>Friction coefficient of the joints</translation>
    </message>
    <message>
        <source>no sliding</source>
        <translation>no sliding</translation>
    </message>
    <message>
        <source>Design friction coefficient μ / γμ</source>
        <translation>Design friction coefficient μ / γμ</translation>
    </message>
    <message>
        <source>Share of the passive pressure the soil may mobilise</source>
        <translation>Share of the passive pressure the soil may mobilise</translation>
    </message>
    <message>
        <source>Analysed arch</source>
        <translation>Analysed arch</translation>
    </message>
    <message>
        <source>The arch analysed is not the whole ring of the input: each springing is cut where the extrados meets the solid backing, the voussoirs below it belong to the backing and the rest of the ring is cut again into the voussoirs of the model. The solid backing and the abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</source>
        <translation>The arch analysed is not the whole ring of the input: each springing is cut where the extrados meets the solid backing, the voussoirs below it belong to the backing and the rest of the ring is cut again into the voussoirs of the model. The solid backing and the abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</translation>
    </message>
    <message>
        <source>The arch analysed is the whole ring of the input, cut into the voussoirs of the model. The abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</source>
        <translation>The arch analysed is the whole ring of the input, cut into the voussoirs of the model. The abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</translation>
    </message>
    <message>
        <source>Input ring</source>
        <translation>Input ring</translation>
    </message>
    <message>
        <source>Span between the intrados springings</source>
        <translation>Span between the intrados springings</translation>
    </message>
    <message>
        <source>Rise of the intrados</source>
        <translation>Rise of the intrados</translation>
    </message>
    <message>
        <source>Left springing, intrados x</source>
        <translation>Left springing, intrados x</translation>
    </message>
    <message>
        <source>Left springing, intrados y</source>
        <translation>Left springing, intrados y</translation>
    </message>
    <message>
        <source>Left springing, extrados y</source>
        <translation>Left springing, extrados y</translation>
    </message>
    <message>
        <source>Right springing, intrados x</source>
        <translation>Right springing, intrados x</translation>
    </message>
    <message>
        <source>Right springing, intrados y</source>
        <translation>Right springing, intrados y</translation>
    </message>
    <message>
        <source>Right springing, extrados y</source>
        <translation>Right springing, extrados y</translation>
    </message>
    <message>
        <source>the masonry&apos;s design strength fd = fc / (γM FC) = %1 / (%2 × %3) = %4 MPa</source>
        <translation>the masonry&apos;s design strength fd = fc / (γM FC) = %1 / (%2 × %3) = %4 MPa</translation>
    </message>
    <message>
        <source>each segment&apos;s design strength fd = fc / (γM FC), γM = %1 and FC = %2</source>
        <translation>each segment&apos;s design strength fd = fc / (γM FC), γM = %1 and FC = %2</translation>
    </message>
    <message>
        <source>unlimited compressive strength</source>
        <translation>unlimited compressive strength</translation>
    </message>
    <message>
        <source>Voussoir</source>
        <translation>Voussoir</translation>
    </message>
    <message>
        <source>Vertical at collapse</source>
        <translation>Vertical at collapse</translation>
    </message>
    <message>
        <source>Horizontal at collapse</source>
        <translation>Horizontal at collapse</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Joint</source>
        <translation>Joint</translation>
    </message>
    <message>
        <source>Governing design case</source>
        <translation>Governing design case</translation>
    </message>
    <message>
        <source>The verdict rests on this case: the combination %1, G1 × %2 (masonry and fill) and G2 × %3 (slab), the variable loads × γQ %4, and %5. The arch collapses when the design variable loads Qd are multiplied by %6, the adequacy factor. Below, the design loads of every voussoir, the collapse mechanism and the forces of every joint at collapse.</source>
        <translation>The verdict rests on this case: the combination %1, G1 × %2 (masonry and fill) and G2 × %3 (slab), the variable loads × γQ %4, and %5. The arch collapses when the design variable loads Qd are multiplied by %6, the adequacy factor. Below, the design loads of every voussoir, the collapse mechanism and the forces of every joint at collapse.</translation>
    </message>
    <message>
        <source>The design loads of every voussoir (kN): G1 and G2 at their factors, Qd the design variable load (strip load and axles, γQ included), λ Qd at collapse; the horizontal loads toward +x.</source>
        <translation>The design loads of every voussoir (kN): G1 and G2 at their factors, Qd the design variable load (strip load and axles, γQ included), λ Qd at collapse; the horizontal loads toward +x.</translation>
    </message>
    <message>
        <source>The collapse mechanism of the design case:</source>
        <translation>The collapse mechanism of the design case:</translation>
    </message>
    <message>
        <source>The forces of every joint at collapse (joint 1 the left springing): the point of the thrust line, the normal force N (compression positive), the force T along the joint, the eccentricity e from the joint&apos;s centre (positive toward the extrados), and the same force as H (toward +x) and V (upward), passed by the part left of the joint to the part on its right.</source>
        <translation>The forces of every joint at collapse (joint 1 the left springing): the point of the thrust line, the normal force N (compression positive), the force T along the joint, the eccentricity e from the joint&apos;s centre (positive toward the extrados), and the same force as H (toward +x) and V (upward), passed by the part left of the joint to the part on its right.</translation>
    </message>
    <message>
        <source>The governing design case: the design variable loads at collapse, the collapse thrust line and its hinges (lengths in m)</source>
        <translation>The governing design case: the design variable loads at collapse, the collapse thrust line and its hinges (lengths in m)</translation>
    </message>
    <message>
        <source>the masonry&apos;s strength at its design value</source>
        <translation>the masonry&apos;s strength at its design value</translation>
    </message>
    <message>
        <source>Calculation software (NTC 2018, 10.2)</source>
        <translation>Calculation software (NTC 2018, 10.2)</translation>
    </message>
    <message>
        <source>Type of analysis</source>
        <translation>Type of analysis</translation>
    </message>
    <message>
        <source>Limit analysis of the arch as rigid voussoirs with no tensile strength (Heyman), on a plane model of the ring&apos;s width. Each figure of the assessment is the optimum of a linear program over the thrust line&apos;s unknowns, bounded from both sides: by a thrust line that stands under the stated hypotheses (static theorem) and by a mechanism or a proof that no line fits (kinematic theorem). The three-hinged thrust line of the results is one state of equilibrium, not a proof of safety.</source>
        <translation>Limit analysis of the arch as rigid voussoirs with no tensile strength (Heyman), on a plane model of the ring&apos;s width. Each figure of the assessment is the optimum of a linear program over the thrust line&apos;s unknowns, bounded from both sides: by a thrust line that stands under the stated hypotheses (static theorem) and by a mechanism or a proof that no line fits (kinematic theorem). The three-hinged thrust line of the results is one state of equilibrium, not a proof of safety.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Linear programming</source>
        <translation>Linear programming</translation>
    </message>
    <message>
        <source>the program&apos;s dense simplex, COIN-OR CLP where it fails</source>
        <translation>the program&apos;s dense simplex, COIN-OR CLP where it fails</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Licence: %1</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Validation</translation>
    </message>
    <message>
        <source>Every version passes the program&apos;s test suite, which compares its results with: closed forms (the three-hinged arch&apos;s statics, the equilibrium of every voussoir, the virtual work of every mechanism, the mirror image of every symmetric case, factors that never fall as strength or fill grow); published values (Milankovitch&apos;s least thickness of the semicircular arch under its own weight, t/R = 0.1075); and an independent reference calculation, written apart from the program, which solves the same projects joint by joint.</source>
        <translation>Every version passes the program&apos;s test suite, which compares its results with: closed forms (the three-hinged arch&apos;s statics, the equilibrium of every voussoir, the virtual work of every mechanism, the mirror image of every symmetric case, factors that never fall as strength or fill grow); published values (Milankovitch&apos;s least thickness of the semicircular arch under its own weight, t/R = 0.1075); and an independent reference calculation, written apart from the program, which solves the same projects joint by joint.</translation>
    </message>
    <message>
        <source>Judgement of the results</source>
        <translation>Judgement of the results</translation>
    </message>
    <message>
        <source>The checks the program made itself: %1 of the %2 figures of the assessment are certified by both theorems (the list is in the safety assessment); the design combinations of the verdict are %3.</source>
        <translation>The checks the program made itself: %1 of the %2 figures of the assessment are certified by both theorems (the list is in the safety assessment); the design combinations of the verdict are %3.</translation>
    </message>
    <message>
        <source>all certified</source>
        <translation>all certified</translation>
    </message>
    <message>
        <source>not all certified</source>
        <translation>not all certified</translation>
    </message>
    <message>
        <source>No assessment was made: the program certified no figure of this report.</source>
        <translation>No assessment was made: the program certified no figure of this report.</translation>
    </message>
    <message>
        <source>The engineer&apos;s judgement of the reliability of the results, their agreement with simple checks and with the behaviour expected of the structure:</source>
        <translation>The engineer&apos;s judgement of the reliability of the results, their agreement with simple checks and with the behaviour expected of the structure:</translation>
    </message>
    <message>
        <source>Date and signature: ______________________________</source>
        <translation>Date and signature: ______________________________</translation>
    </message>
    <message>
        <source>The spread of one horizontal to two vertical is the dispersal through the fill of UK masonry arch assessment (CS 454, formerly BD 21).</source>
        <translation>The spread of one horizontal to two vertical is the dispersal through the fill of UK masonry arch assessment (CS 454, formerly BD 21).</translation>
    </message>
    <message>
        <source>The spread at 45 degrees is the dispersal through pavement and concrete slab of EN 1991-2, 4.3.6, taken here through the fill.</source>
        <translation>The spread at 45 degrees is the dispersal through pavement and concrete slab of EN 1991-2, 4.3.6, taken here through the fill.</translation>
    </message>
    <message>
        <source>Without spread each axle bears on the ring over its contact alone, on the safe side.</source>
        <translation>Without spread each axle bears on the ring over its contact alone, on the safe side.</translation>
    </message>
    <message>
        <source>The angle of spread is the engineer&apos;s choice; no code of the basis gives it for the fill of an arch.</source>
        <translation>The angle of spread is the engineer&apos;s choice; no code of the basis gives it for the fill of an arch.</translation>
    </message>
    <message>
        <source>Applied: the %1 axles of &quot;%2&quot;, %3 kN in all, each as the load P b / b_e over its spread length, the vehicle moved across the bridge in one lane;</source>
        <translation>Applied: the %1 axles of &quot;%2&quot;, %3 kN in all, each as the load P b / b_e over its spread length, the vehicle moved across the bridge in one lane;</translation>
    </message>
    <message>
        <source> no strip load. Nothing else of the traffic is applied.</source>
        <translation> no strip load. Nothing else of the traffic is applied.</translation>
    </message>
    <message>
        <source>Whatever else the code&apos;s load model of this vehicle contains (distributed loads, vehicles in other lanes) is not applied unless the strip load stands for it.</source>
        <translation>Whatever else the code&apos;s load model of this vehicle contains (distributed loads, vehicles in other lanes) is not applied unless the strip load stands for it.</translation>
    </message>
    <message>
        <source>The effective width b_e is the same spread taken across the bridge from the two wheels&apos; contacts, a rule of this program, stated for the checker to judge.</source>
        <translation>The effective width b_e is the same spread taken across the bridge from the two wheels&apos; contacts, a rule of this program, stated for the checker to judge.</translation>
    </message>
    <message>
        <source>Moved in %1 positions (the vehicle is its own mirror image), the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m.</source>
        <translation>Moved in %1 positions (the vehicle is its own mirror image), the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m.</translation>
    </message>
    <message>
        <source>The vehicle &quot;%1&quot; with its first axle at x = %2 m; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</source>
        <translation>The vehicle &quot;%1&quot; with its first axle at x = %2 m; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</translation>
    </message>
    <message>
        <source>The vehicle &quot;%1&quot; with its first axle at x = %2 m, driven %6; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</source>
        <translation>The vehicle &quot;%1&quot; with its first axle at x = %2 m, driven %6; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</translation>
    </message>
    <message>
        <source>The strip load of %1 kN/m² × γQ from x = %2 to %3 m.</source>
        <translation>The strip load of %1 kN/m² × γQ from x = %2 to %3 m.</translation>
    </message>
    <message>
        <source>the vehicle &quot;%1&quot; with axles of %2 kN and the strip load of %3 kN/m²</source>
        <translation>the vehicle &quot;%1&quot; with axles of %2 kN and the strip load of %3 kN/m²</translation>
    </message>
    <message>
        <source>the strip load of %1 kN/m²</source>
        <translation>the strip load of %1 kN/m²</translation>
    </message>
    <message>
        <source> with them the strip load of %1 kN/m² over the ring&apos;s width from x = %2 to %3 m, standing there while the vehicle moves. Nothing else of the traffic is applied.</source>
        <translation> with them the strip load of %1 kN/m² over the ring&apos;s width from x = %2 to %3 m, standing there while the vehicle moves. Nothing else of the traffic is applied.</translation>
    </message>
    <message>
        <source>Load Model 1 (EN 1991-2, 4.3.2; NTC 2018, 5.1.3.3.5, load scheme 1) also contains, not applied here: the uniformly distributed load of 9 kN/m² in lane 1 and of 2.5 kN/m² on the other lanes and the remaining area, and the tandems of lane 2 (2 × 200 kN) and lane 3 (2 × 100 kN). Where they bear on the ring the strip load has to stand for them.</source>
        <translation>Load Model 1 (EN 1991-2, 4.3.2; NTC 2018, 5.1.3.3.5, load scheme 1) also contains, not applied here: the uniformly distributed load of 9 kN/m² in lane 1 and of 2.5 kN/m² on the other lanes and the remaining area, and the tandems of lane 2 (2 × 200 kN) and lane 3 (2 × 100 kN). Where they bear on the ring the strip load has to stand for them.</translation>
    </message>
    <message>
        <source>The rail vehicle&apos;s axle loads are taken at γQ,rail α Φ = %1 times their characteristic values instead of γQ; the strip load keeps γQ. The vehicle&apos;s own live-load factor is of its axle loads as listed, without α and Φ. </source>
        <translation>The rail vehicle&apos;s axle loads are taken at γQ,rail α Φ = %1 times their characteristic values instead of γQ; the strip load keeps γQ. The vehicle&apos;s own live-load factor is of its axle loads as listed, without α and Φ. </translation>
    </message>
    <message>
        <source>%1 × γQ,rail α Φ = %2 × %3 × %4 with the strip load × γQ %5, axles at x = %6 to %7 m</source>
        <translation>%1 × γQ,rail α Φ = %2 × %3 × %4 with the strip load × γQ %5, axles at x = %6 to %7 m</translation>
    </message>
    <message>
        <source>The face is where the collapse thrust line touches the joint: a hinge at the intrados opens at the extrados, and one at the extrados opens at the intrados. A crushing hinge turns about the edge of the stress block instead of the face; a sliding joint slips along itself.</source>
        <translation>The face is where the collapse thrust line touches the joint: a hinge at the intrados opens at the extrados, and one at the extrados opens at the intrados. A crushing hinge turns about the edge of the stress block instead of the face; a sliding joint slips along itself.</translation>
    </message>
    <message>
        <source>The vault&apos;s width varies linearly from b at the springings to bc at the crown; each joint takes the width at its position.</source>
        <translation>The vault&apos;s width varies linearly from b at the springings to bc at the crown; each joint takes the width at its position.</translation>
    </message>
    <message>
        <source>Drawing scale of the load (typed; not a calculation input)</source>
        <translation>Drawing scale of the load (typed; not a calculation input)</translation>
    </message>
    <message>
        <source>Drawing scale of the load (automatic; not a calculation input)</source>
        <translation>Drawing scale of the load (automatic; not a calculation input)</translation>
    </message>
    <message>
        <source>Document number</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Purpose</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>Every segment&apos;s thickness scaled by one factor k, the voussoirs and walls rebuilt at each trial while the road surface, the slab and the loads above stay where the project puts them: the least k for which a thrust line still fits under the project&apos;s loads.</source>
        <translation>Every segment&apos;s thickness scaled by one factor k, the voussoirs and walls rebuilt at each trial while the road surface, the slab and the loads above stay where the project puts them: the least k for which a thrust line still fits under the project&apos;s loads.</translation>
    </message>
    <message>
        <source>The vehicle is driven across the bridge, its first axle at x and its other axles at x + d (forward) or x - d (backward). Each axle&apos;s contact length a spreads through the fill at the angle θ on each side, down to the extrados, over a + 2 z tan(θ) along the span (z the depth from the road surface to the extrados at the axle); across the bridge over the effective width b_e = c + w + 2 z tan(θ), never wider than the ring&apos;s width b, so that the ring takes P b / b_e. The live-load factor multiplies the strip load and the vehicle together, dead loads and passive pressure as given.</source>
        <translation>The vehicle is driven across the bridge, its first axle at x and its other axles at x + d (forward) or x - d (backward). Each axle&apos;s contact length a spreads through the fill at the angle θ on each side, down to the extrados, over a + 2 z tan(θ) along the span (z the depth from the road surface to the extrados at the axle); across the bridge over the effective width b_e = c + w + 2 z tan(θ), never wider than the ring&apos;s width b, so that the ring takes P b / b_e. The live-load factor multiplies the strip load and the vehicle together, dead loads and passive pressure as given.</translation>
    </message>
    <message>
        <source>Each axle at the worst position: the depth z of fill above the extrados; the spread length a + 2 z tan(θ) it loads along the span, from x1 to x2; the widths b and b_e; the equivalent load P b / b_e that the full-width model carries; and at collapse the axle&apos;s own load times the live-load factor, λ P.</source>
        <translation>Each axle at the worst position: the depth z of fill above the extrados; the spread length a + 2 z tan(θ) it loads along the span, from x1 to x2; the widths b and b_e; the equivalent load P b / b_e that the full-width model carries; and at collapse the axle&apos;s own load times the live-load factor, λ P.</translation>
    </message>
    <message>
        <source>γQ %1, the rail axles × γQ,rail α Φ %2</source>
        <translation>γQ %1, the rail axles × γQ,rail α Φ %2</translation>
    </message>
    <message>
        <source>An adequacy factor of %1 means that the arch collapses under %1 times the design variable loads (the characteristic ones × %2), with the permanent loads at their design values and %3. At adequacy 1 the arch carries %1 times the characteristic variable load: %4, its permissible load. Its ratio to the code&apos;s demand, ζ_V in the sense of NTC 2018, 8.3, is %1.</source>
        <translation>An adequacy factor of %1 means that the arch collapses under %1 times the design variable loads (the characteristic ones × %2), with the permanent loads at their design values and %3. At adequacy 1 the arch carries %1 times the characteristic variable load: %4, its permissible load. Its ratio to the code&apos;s demand, ζ_V in the sense of NTC 2018, 8.3, is %1.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>Geometry of the arch: the symbols of the boxes</source>
        <translation>Geometry of the arch: the symbols of the boxes</translation>
    </message>
    <message>
        <source>The variable load q between the abscissae xq1 and xq2</source>
        <translation>The variable load q between the abscissae xq1 and xq2</translation>
    </message>
</context>
<context>
    <name>Veicoli</name>
    <message>
        <source>LM1 tandem</source>
        <translation>LM1 tandem</translation>
    </message>
    <message>
        <source>LM2 single axle</source>
        <translation>LM2 single axle</translation>
    </message>
    <message>
        <source>LM71 axles</source>
        <translation>LM71 axles</translation>
    </message>
    <message>
        <source>11.5 t single axle</source>
        <translation>11.5 t single axle</translation>
    </message>
    <message>
        <source>2 × 10 t bogie at 1.8 m</source>
        <translation>2 × 10 t bogie at 1.8 m</translation>
    </message>
    <message>
        <source>3 × 8 t bogie at 1.3 m</source>
        <translation>3 × 8 t bogie at 1.3 m</translation>
    </message>
</context>
<context>
    <name>Voro</name>
    <message>
        <source>Error: %1 in CalcoloMain</source>
        <translation>Error: %1 in CalcoloMain</translation>
    </message>
    <message>
        <source>Sub ForzaConcio. Errore %1 - %2</source>
        <translation>Sub ForzaConcio. Error %1 - %2</translation>
    </message>
    <message>
        <source>Cerniera anomala</source>
        <translation>Anomalous hinge</translation>
    </message>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Error: Check Geometry</translation>
    </message>
    <message>
        <source>Anello</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Segmento %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>la freccia supera la metà della luce: l&apos;arco sarebbe maggiore di una semicirconferenza</source>
        <translation>the rise exceeds half the span: the arch would be more than a half circle</translation>
    </message>
    <message>
        <source>l&apos;arco per il punto intermedio sarebbe maggiore di una semicirconferenza</source>
        <translation>the arc through the middle point would be more than a half circle</translation>
    </message>
    <message>
        <source>la freccia deve essere positiva</source>
        <translation>the rise must be positive</translation>
    </message>
    <message>
        <source>il punto intermedio sta sotto la corda: l&apos;arco è rovesciato</source>
        <translation>the middle point lies below the chord: the arch is upside down</translation>
    </message>
    <message>
        <source>Impossibile raccordare gli vori parziali</source>
        <translation>Cannot join the partial segments</translation>
    </message>
    <message>
        <source>%1: la casella è vuota.</source>
        <translation>%1: the box is empty.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; non è un numero.<byte value="xd"/>Il separatore decimale è &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; is not a number.<byte value="xd"/>The decimal separator is &quot;%3&quot;</translation>
    </message>
    <message>
        <source>; il separatore delle migliaia &quot;%1&quot; separa solo gruppi di tre cifre</source>
        <translation>; the thousands separator &quot;%1&quot; separates only groups of three digits</translation>
    </message>
    <message>
        <source>%1: %2 supera il campo dei numeri interi (da -32768 a 32767).</source>
        <translation>%1: %2 exceeds the range of whole numbers (from -32768 to 32767).</translation>
    </message>
    <message>
        <source>%1: %2 supera il campo dei numeri Single (%3).</source>
        <translation>%1: %2 exceeds the range of Single numbers (%3).</translation>
    </message>
    <message>
        <source>Il numero di vori deve essere &gt; 0</source>
        <translation>The number of segments must be &gt; 0</translation>
    </message>
    <message>
        <source>Lettura incompleta del file</source>
        <translation>Incomplete reading of the file</translation>
    </message>
    <message>
        <source>Errore nella Sub FileInOut</source>
        <translation>Error in Sub FileInOut</translation>
    </message>
    <message>
        <source>Scrittura incompleta del file</source>
        <translation>Incomplete writing of the file</translation>
    </message>
    <message>
        <source>Errore nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Il separatore decimale è stato impostato come &quot;%1&quot;<byte value="xd"/>E&apos; stato impostato lo stesso carattere per il simbolo raggruppamento cifre.<byte value="xd"/>Cambiare il simbolo raggruppamento cifre e riavviare il programma.</source>
        <translation>Error in the regional settings of the control panel.<byte value="xd"/>The decimal separator has been set to &quot;%1&quot;<byte value="xd"/>The same character has been set as the digit grouping symbol.<byte value="xd"/>Change the digit grouping symbol and restart the program.</translation>
    </message>
    <message>
        <source>ERRORE</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Provare a cambiare i simboli del separatore decimale<byte value="xd"/>e del raggruppamento cifre e riavviare il programma.</source>
        <translation>Unknown error in the regional settings of the control panel.<byte value="xd"/>Try changing the decimal separator<byte value="xd"/>and the digit grouping symbols and restart the program.</translation>
    </message>
    <message>
        <source>E&apos; impostato come separatore decimale &quot;%1&quot; e come separatore delle migliaia &quot;%2&quot;<byte value="xd"/>
Se la lingua è Italiano è meglio usare la  &quot;,&quot; come separatore decimale.<byte value="xd"/>
Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo spazio,<byte value="xd"/>
impostazione consigliata perchè elimina qualunque ambiguità.<byte value="xd"/>
Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.</source>
        <translation>The decimal separator is set to &quot;%1&quot; and the thousands separator to &quot;%2&quot;<byte value="xd"/>
For Italian, the &quot;,&quot; is the better decimal separator.<byte value="xd"/>
The program works correctly all the same if the space is the thousands separator,<byte value="xd"/>
the recommended setting because it removes any ambiguity.<byte value="xd"/>
The numeric keypad types the decimal separator chosen in the regional settings.</translation>
    </message>
    <message>
        <source>ATTENZIONE </source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Do not show this again</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>User interrupt occurred</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Bad file name or number</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Input past end of file</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Path/File access error</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Path not found</translation>
    </message>
    <message>
        <source>File di dati incompleto o non valido</source>
        <translation>Data file incomplete or not valid</translation>
    </message>
    <message>
        <source>Dati della geometria non validi</source>
        <translation>Geometry data not valid</translation>
    </message>
    <message>
        <source>Impossibile costruire il modello dell&apos;arco</source>
        <translation>Cannot build the model of the arch</translation>
    </message>
    <message>
        <source>Il calcolo non si è concluso</source>
        <translation>The calculation did not end</translation>
    </message>
    <message>
        <source>Valore fisicamente impossibile</source>
        <translation>Physically impossible value</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Cancel was selected.</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Application-defined or object-defined error</translation>
    </message>
    <message>
        <source>Peso specifico della muratura γm [kN/m3]</source>
        <translation>Masonry unit weight γm [kN/m3]</translation>
    </message>
    <message>
        <source>Spessore del riempimento in chiave h1 [m]</source>
        <translation>Fill thickness at the crown h1 [m]</translation>
    </message>
    <message>
        <source>Peso specifico del riempimento γ1 [kN/m3]</source>
        <translation>Fill unit weight γ1 [kN/m3]</translation>
    </message>
    <message>
        <source>Spessore della soletta h2 [m]</source>
        <translation>Slab thickness h2 [m]</translation>
    </message>
    <message>
        <source>Peso specifico della soletta γ2 [kN/m3]</source>
        <translation>Slab unit weight γ2 [kN/m3]</translation>
    </message>
    <message>
        <source>Larghezza dell&apos;arco [m]</source>
        <translation>Width of the arch [m]</translation>
    </message>
    <message>
        <source>Larghezza dell&apos;arco in chiave [m]</source>
        <translation>Width of the arch at the crown [m]</translation>
    </message>
    <message>
        <source>Sporgenza della parete superiore dw [m]</source>
        <translation>Protrusion of the upper wall dw [m]</translation>
    </message>
    <message>
        <source>Profondità del rinfianco solido hw [m]</source>
        <translation>Depth of the solid backing hw [m]</translation>
    </message>
    <message>
        <source>Numero dei segmenti di circonferenza</source>
        <translation>Number of segments of circles</translation>
    </message>
    <message>
        <source>Luce dell&apos;arco L [m]</source>
        <translation>Span of the arch L [m]</translation>
    </message>
    <message>
        <source>Freccia dell&apos;arco h [m]</source>
        <translation>Rise of the arch h [m]</translation>
    </message>
    <message>
        <source>Spessore dell&apos;anello t [m]</source>
        <translation>Thickness of the ring t [m]</translation>
    </message>
    <message>
        <source>Numero dei conci dell&apos;anello</source>
        <translation>Number of voussoirs of the ring</translation>
    </message>
    <message>
        <source>Eccentricità iniziale all&apos;imposta sinistra el [mm]</source>
        <translation>Start eccentricity at the left springing el [mm]</translation>
    </message>
    <message>
        <source>Eccentricità iniziale in chiave ec [mm]</source>
        <translation>Start eccentricity at the crown ec [mm]</translation>
    </message>
    <message>
        <source>Eccentricità iniziale all&apos;imposta destra er [mm]</source>
        <translation>Start eccentricity at the right springing er [mm]</translation>
    </message>
    <message>
        <source>Carico variabile q [kN/m2]</source>
        <translation>Variable load q [kN/m2]</translation>
    </message>
    <message>
        <source>Inizio del carico variabile xq1 [m]</source>
        <translation>Start of the variable load xq1 [m]</translation>
    </message>
    <message>
        <source>Fine del carico variabile xq2 [m]</source>
        <translation>End of the variable load xq2 [m]</translation>
    </message>
    <message>
        <source>Scala del diagramma dei carichi 1:</source>
        <translation>Scale of the load diagram 1:</translation>
    </message>
    <message>
        <source>Coefficiente di spinta passiva Kp</source>
        <translation>Coefficient of passive pressure Kp</translation>
    </message>
    <message>
        <source>Numero dei conci con spinta passiva dall&apos;imposta sinistra</source>
        <translation>Number of voussoirs with passive pressure from the left springing</translation>
    </message>
    <message>
        <source>Numero dei conci con spinta passiva dall&apos;imposta destra</source>
        <translation>Number of voussoirs with passive pressure from the right springing</translation>
    </message>
    <message>
        <source>Numero di passi della ricerca della curva delle pressioni</source>
        <translation>Number of steps of the thrust-line search</translation>
    </message>
    <message>
        <source>Resistenza a compressione della muratura fc [MPa]</source>
        <translation>Compressive strength of the masonry fc [MPa]</translation>
    </message>
    <message>
        <source>Coefficiente d&apos;attrito dei giunti μ</source>
        <translation>Friction coefficient of the joints μ</translation>
    </message>
    <message>
        <source>Fattore di mobilitazione della spinta passiva</source>
        <translation>Mobilisation factor of the passive pressure</translation>
    </message>
    <message>
        <source>Ascissa x2 del segmento %</source>
        <translation>Abscissa x2 of segment %</translation>
    </message>
    <message>
        <source>Ordinata y2 del segmento %</source>
        <translation>Ordinate y2 of segment %</translation>
    </message>
    <message>
        <source>Ascissa x3 del segmento %</source>
        <translation>Abscissa x3 of segment %</translation>
    </message>
    <message>
        <source>Ordinata y3 del segmento %</source>
        <translation>Ordinate y3 of segment %</translation>
    </message>
    <message>
        <source>Spessore t del segmento %</source>
        <translation>Thickness t of segment %</translation>
    </message>
    <message>
        <source>Numero dei conci del segmento %</source>
        <translation>Number of voussoirs of segment %</translation>
    </message>
    <message>
        <source>Resistenza a compressione fc del segmento %</source>
        <translation>Compressive strength fc of segment %</translation>
    </message>
    <message>
        <source>%1: il valore supera il campo dei numeri Single (%2).</source>
        <translation>%1: the value exceeds the range of Single numbers (%2).</translation>
    </message>
    <message>
        <source>deve essere maggiore di zero.</source>
        <translation>must be greater than zero.</translation>
    </message>
    <message>
        <source>non può essere minore di zero.</source>
        <translation>cannot be less than zero.</translation>
    </message>
    <message>
        <source>deve essere almeno 1.</source>
        <translation>must be at least 1.</translation>
    </message>
    <message>
        <source>Errore in Sub SolidDwg - I punti devono essere 4</source>
        <translation>Error in Sub SolidDwg - There must be 4 points</translation>
    </message>
    <message>
        <source>Font file %1 not found</source>
        <translation>Font file %1 not found</translation>
    </message>
    <message>
        <source>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT</source>
        <translation>Cannot open Autocad.<byte value="xd"/>Check that the version of Autocad is not LT</translation>
    </message>
    <message>
        <source>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT<byte value="xd"/>Il disegno è stato salvato in %1</source>
        <translation>Cannot open Autocad.<byte value="xd"/>Check that the version of Autocad is not LT<byte value="xd"/>The drawing has been saved in %1</translation>
    </message>
    <message>
        <source>Error in PlottaVoro</source>
        <translation>Error in PlottaVoro</translation>
    </message>
    <message>
        <source>ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista</source>
        <translation>ERROR! Plottaggio.AdattaAfinestra - Unexpected output</translation>
    </message>
    <message>
        <source>Error in %1</source>
        <translation>Error in %1</translation>
    </message>
    <message>
        <source>zero=0 in PuntiCoincidenti</source>
        <translation>zero=0 in PuntiCoincidenti</translation>
    </message>
    <message>
        <source>zero=0 in PuntiCoincidentiXY</source>
        <translation>zero=0 in PuntiCoincidentiXY</translation>
    </message>
    <message>
        <source>ERROR in sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti</source>
        <translation>ERROR in sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti</translation>
    </message>
    <message>
        <source>Error: %1 in ValutaSicurezza</source>
        <translation>Error: %1 in ValutaSicurezza</translation>
    </message>
    <message>
        <source>Errore %1 in ArcCos</source>
        <translation>Error %1 in ArcCos</translation>
    </message>
    <message>
        <source>ERRORE! Procedimento non convergente!<byte value="xd"/>RISULTATI ERRATI!</source>
        <translation>ERROR! The procedure does not converge!<byte value="xd"/>WRONG RESULTS!</translation>
    </message>
    <message>
        <source>ERRORE! La funzione non cambia segno fra x1 e x2</source>
        <translation>ERROR! The function does not change sign between x1 and x2</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the strip load (%1 m long)</source>
        <translation>Live-load factor against the position of the strip load (%1 m long)</translation>
    </message>
    <message>
        <source>left end of the strip xq1 [m]</source>
        <translation>left end of the strip xq1 [m]</translation>
    </message>
    <message>
        <source>1: the project&apos;s variable load</source>
        <translation>1: the project&apos;s variable load</translation>
    </message>
    <message>
        <source>marks on top: factor beyond the chart (blue), no collapse by the variable load alone (grey)</source>
        <translation>marks on top: factor beyond the chart (blue), no collapse by the variable load alone (grey)</translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity: within s = %1 of the half depth</source>
        <translation>Thrust line of least eccentricity: within s = %1 of the half depth</translation>
    </message>
    <message>
        <source> (fits within the masonry)</source>
        <translation> (fits within the masonry)</translation>
    </message>
    <message>
        <source> (no thrust line fits within the masonry)</source>
        <translation> (no thrust line fits within the masonry)</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression</source>
        <translation>No thrust line keeps every joint in compression</translation>
    </message>
    <message>
        <source>Collapse thrust line: variable load x %1 (live-load factor)</source>
        <translation>Collapse thrust line: variable load x %1 (live-load factor)</translation>
    </message>
    <message>
        <source>hinge at the intrados</source>
        <translation>hinge at the intrados</translation>
    </message>
    <message>
        <source>hinge at the extrados</source>
        <translation>hinge at the extrados</translation>
    </message>
    <message>
        <source>the variable load alone can never make it collapse</source>
        <translation>the variable load alone can never make it collapse</translation>
    </message>
    <message>
        <source>the project has no variable load</source>
        <translation>the project has no variable load</translation>
    </message>
    <message>
        <source>no multiplier of the variable load lets a thrust line fit</source>
        <translation>no multiplier of the variable load lets a thrust line fit</translation>
    </message>
    <message>
        <source>No live-load factor: %1</source>
        <translation>No live-load factor: %1</translation>
    </message>
    <message>
        <source>Thrust range of the left support: %1 to %2 kN</source>
        <translation>Thrust range of the left support: %1 to %2 kN</translation>
    </message>
    <message>
        <source>Thrust range of the left support: %1 to no upper limit</source>
        <translation>Thrust range of the left support: %1 to no upper limit</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG1,sup dei carichi permanenti strutturali</source>
        <translation>Partial factor γG1,sup of the structural permanent loads</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG1,inf dei carichi permanenti strutturali</source>
        <translation>Partial factor γG1,inf of the structural permanent loads</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG2,sup dei carichi permanenti non strutturali</source>
        <translation>Partial factor γG2,sup of the non-structural permanent loads</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG2,inf dei carichi permanenti non strutturali</source>
        <translation>Partial factor γG2,inf of the non-structural permanent loads</translation>
    </message>
    <message>
        <source>Coefficiente parziale γQ dei carichi variabili</source>
        <translation>Partial factor γQ of the variable loads</translation>
    </message>
    <message>
        <source>Coefficiente parziale γM della muratura</source>
        <translation>Partial factor γM of the masonry</translation>
    </message>
    <message>
        <source>Fattore di confidenza FC</source>
        <translation>Confidence factor FC</translation>
    </message>
    <message>
        <source>NOT ADMISSIBLE: no thrust line fits within the masonry</source>
        <translation>NOT ADMISSIBLE: no thrust line fits within the masonry</translation>
    </message>
    <message>
        <source>NOT ADMISSIBLE: no thrust line fits within the masonry under the project&apos;s loads</source>
        <translation>NOT ADMISSIBLE: no thrust line fits within the masonry under the project&apos;s loads</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1</source>
        <translation>UNSAFE: live-load factor %1 below 1</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1 at the project&apos;s position of the load: the arch cannot carry the project&apos;s variable load</source>
        <translation>UNSAFE: live-load factor %1 below 1 at the project&apos;s position of the load: the arch cannot carry the project&apos;s variable load</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1 with the strip load from x = %2 to %3 m: the arch cannot carry the project&apos;s variable load</source>
        <translation>UNSAFE: live-load factor %1 below 1 with the strip load from x = %2 to %3 m: the arch cannot carry the project&apos;s variable load</translation>
    </message>
    <message>
        <source>No sweep: the project has no strip load to move across the structure</source>
        <translation>No sweep: the project has no strip load to move across the structure</translation>
    </message>
    <message>
        <source>No sweep: no position of the strip load was assessed</source>
        <translation>No sweep: no position of the strip load was assessed</translation>
    </message>
    <message>
        <source>No sweep chart: at none of the %1 positions can the strip load alone make the arch collapse</source>
        <translation>No sweep chart: at none of the %1 positions can the strip load alone make the arch collapse</translation>
    </message>
    <message>
        <source>Mechanism at the worst position:</source>
        <translation>Mechanism at the worst position:</translation>
    </message>
    <message>
        <source>strip from x = %1 to %2 m, live-load factor %3</source>
        <translation>strip from x = %1 to %2 m, live-load factor %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Live-load factor against the position of %1 (spread %2)</source>
        <translation>Live-load factor against the position of %1 (spread %2)</translation>
    </message>
    <message>
        <source>first axle x [m]</source>
        <translation>first axle x [m]</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>backward</translation>
    </message>
    <message>
        <source>No positions: the project has no vehicle</source>
        <translation>No positions: the project has no vehicle</translation>
    </message>
    <message>
        <source>PLAN VIEW</source>
        <translation>PLAN VIEW</translation>
    </message>
    <message>
        <source>, depth ratio 1/s = %1</source>
        <translation>, depth ratio 1/s = %1</translation>
    </message>
    <message>
        <source>Collapse thrust line: variable load x %1 (live-load factor, masonry of unlimited strength)</source>
        <translation>Collapse thrust line: variable load x %1 (live-load factor, masonry of unlimited strength)</translation>
    </message>
    <message>
        <source>Double ring: the masonry crushes, the hinge at the stress block&apos;s edge; bar along a joint: it slides</source>
        <translation>Double ring: the masonry crushes, the hinge at the stress block&apos;s edge; bar along a joint: it slides</translation>
    </message>
    <message>
        <source>Minimum thickness %1 m (geometric factor of safety t/tmin %2)</source>
        <translation>Minimum thickness %1 m (geometric factor of safety t/tmin %2)</translation>
    </message>
    <message>
        <source>%1, first axle at x = %2 m</source>
        <translation>%1, first axle at x = %2 m</translation>
    </message>
    <message>
        <source>%1: live-load factor %2, loads at collapse</source>
        <translation>%1: live-load factor %2, loads at collapse</translation>
    </message>
    <message>
        <source>%1: no collapse by the variable load at this position</source>
        <translation>%1: no collapse by the variable load at this position</translation>
    </message>
    <message>
        <source>%1: no vehicle (--vehicle NAME): the vehicle&apos;s plots are not written</source>
        <translation>%1: no vehicle (--vehicle NAME): the vehicle&apos;s plots are not written</translation>
    </message>
    <message>
        <source>intrados</source>
        <translation>intrados</translation>
    </message>
    <message>
        <source>extrados</source>
        <translation>extrados</translation>
    </message>
    <message>
        <source>, crushing</source>
        <translation>, crushing</translation>
    </message>
    <message>
        <source>, sliding</source>
        <translation>, sliding</translation>
    </message>
    <message>
        <source>no tensile strength, </source>
        <translation>no tensile strength, </translation>
    </message>
    <message>
        <source>unlimited compressive strength (rigid voussoirs)</source>
        <translation>unlimited compressive strength (rigid voussoirs)</translation>
    </message>
    <message>
        <source>, friction mu = %1</source>
        <translation>, friction μ = %1</translation>
    </message>
    <message>
        <source>, no sliding</source>
        <translation>, no sliding</translation>
    </message>
    <message>
        <source>,
  passive pressure a resistance up to %1 times its full value</source>
        <translation>,
  passive pressure a resistance up to %1 times its full value</translation>
    </message>
    <message>
        <source>Springing raised: the left wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Springing raised: the left wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</translation>
    </message>
    <message>
        <source>Springing raised: the left wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Springing raised: the left wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</translation>
    </message>
    <message>
        <source>Springing raised: the right wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Springing raised: the right wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</translation>
    </message>
    <message>
        <source>Springing raised: the right wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Springing raised: the right wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</translation>
    </message>
    <message>
        <source>Voro - how safe is the arch: exact limit analysis</source>
        <translation>Voro - how safe is the arch: exact limit analysis</translation>
    </message>
    <message>
        <source>File:    %1</source>
        <translation>File:    %1</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Project: %1</translation>
    </message>
    <message>
        <source>No assessment: %1</source>
        <translation>No assessment: %1</translation>
    </message>
    <message>
        <source>Model: %1 voussoirs, %2 joints (1 = left springing, i + 1 = right joint of voussoir i), loads as for the calculation.</source>
        <translation>Model: %1 voussoirs, %2 joints (1 = left springing, i + 1 = right joint of voussoir i), loads as for the calculation.</translation>
    </message>
    <message>
        <source>Hypotheses of figures 2 to 5: %1.</source>
        <translation>Hypotheses of figures 2 to 5: %1.</translation>
    </message>
    <message>
        <source>The geometric safety (1) is Heyman&apos;s: rigid voussoirs, no tensile strength, unlimited
compressive strength, no sliding, passive pressure as a fixed load. A thrust line fits
when, at every joint, it passes within the joint&apos;s depth; it lies within the fraction s
when |e| &lt;= s h/2.</source>
        <translation>The geometric safety (1) is Heyman&apos;s: rigid voussoirs, no tensile strength, unlimited
compressive strength, no sliding, passive pressure as a fixed load. A thrust line fits
when, at every joint, it passes within the joint&apos;s depth; it lies within the fraction s
when |e| &lt;= s h/2.</translation>
    </message>
    <message>
        <source>1. Geometric safety</source>
        <translation>1. Geometric safety</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression: the arch cannot stand.</source>
        <translation>No thrust line keeps every joint in compression: the arch cannot stand.</translation>
    </message>
    <message>
        <source>The thrust line of least eccentricity needs s = %1 of each joint&apos;s half depth.</source>
        <translation>The thrust line of least eccentricity needs s = %1 of each joint&apos;s half depth.</translation>
    </message>
    <message>
        <source>Depth ratio 1/s = %1: each joint is that many times as deep as this thrust line needs.</source>
        <translation>Depth ratio 1/s = %1: each joint is that many times as deep as this thrust line needs.</translation>
    </message>
    <message>
        <source>It follows the centre line of every joint (s = 0): the ring is the funicular of its loads.</source>
        <translation>It follows the centre line of every joint (s = 0): the ring is the funicular of its loads.</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry: the arch stands under its loads (safe theorem).</source>
        <translation>A thrust line fits within the masonry: the arch stands under its loads (safe theorem).</translation>
    </message>
    <message>
        <source>No thrust line fits within the masonry, whatever the hinges: the arch cannot stand.</source>
        <translation>No thrust line fits within the masonry, whatever the hinges: the arch cannot stand.</translation>
    </message>
    <message>
        <source>(Whether a line fits is judged under the hypotheses above, not the rigid ones of s.)</source>
        <translation>(Whether a line fits is judged under the hypotheses above, not the rigid ones of s.)</translation>
    </message>
    <message>
        <source>(That line is approached only as the thrust grows without limit.)</source>
        <translation>(That line is approached only as the thrust grows without limit.)</translation>
    </message>
    <message>
        <source>It touches the reduced section at joints %1.</source>
        <translation>It touches the reduced section at joints %1.</translation>
    </message>
    <message>
        <source>2. Thrust range [kN] (horizontal force of the left support on the arch, toward the arch)</source>
        <translation>2. Thrust range [kN] (horizontal force of the left support on the arch, toward the arch)</translation>
    </message>
    <message>
        <source>None: no thrust line fits within the masonry.</source>
        <translation>None: no thrust line fits within the masonry.</translation>
    </message>
    <message>
        <source>least   %1   (the least the arch needs: its supports spreading apart)</source>
        <translation>least   %1   (the least the arch needs: its supports spreading apart)</translation>
    </message>
    <message>
        <source>largest %1   (the most a tie or an abutment may have to take: supports pushed together)</source>
        <translation>largest %1   (the most a tie or an abutment may have to take: supports pushed together)</translation>
    </message>
    <message>
        <source>largest    no upper limit (a straight thrust line fits the arch)</source>
        <translation>largest    no upper limit (a straight thrust line fits the arch)</translation>
    </message>
    <message>
        <source>3. Live-load factor (dead loads as given)</source>
        <translation>3. Live-load factor (dead loads as given)</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 before the arch becomes a mechanism.</source>
        <translation>The variable load can be multiplied by %1 before the arch becomes a mechanism.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 before the arch becomes a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</source>
        <translation>The variable load can be multiplied by %1 before the arch becomes a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</translation>
    </message>
    <message>
        <source>Collapse mechanism, %1 hinges at joints %2.</source>
        <translation>Collapse mechanism, %1 hinges at joints %2.</translation>
    </message>
    <message>
        <source>(A factor of rigid masonry of unlimited strength.)</source>
        <translation>(A factor of rigid masonry of unlimited strength.)</translation>
    </message>
    <message>
        <source>No finite factor: the variable load alone can never turn the arch into a mechanism.</source>
        <translation>No finite factor: the variable load alone can never turn the arch into a mechanism.</translation>
    </message>
    <message>
        <source>None: the project has no variable load.</source>
        <translation>None: the project has no variable load.</translation>
    </message>
    <message>
        <source>None: not even without the variable load does a thrust line fit.</source>
        <translation>None: not even without the variable load does a thrust line fit.</translation>
    </message>
    <message>
        <source>4. Worst position of the strip load</source>
        <translation>4. Worst position of the strip load</translation>
    </message>
    <message>
        <source>Not computed: the project has no strip load.</source>
        <translation>Not computed: the project has no strip load.</translation>
    </message>
    <message>
        <source>Not computed: no positions asked for.</source>
        <translation>Not computed: no positions asked for.</translation>
    </message>
    <message>
        <source>The strip of %1 kN/m2 over %2 m moved across the structure in %3 positions:</source>
        <translation>The strip of %1 kN/m2 over %2 m moved across the structure in %3 positions:</translation>
    </message>
    <message>
        <source>at no position can the variable load alone make the arch collapse.</source>
        <translation>at no position can the variable load alone make the arch collapse.</translation>
    </message>
    <message>
        <source>     xq1 [m]    xq2 [m]      factor   (none: no collapse by the variable load alone)</source>
        <translation>     xq1 [m]    xq2 [m]      factor   (none: no collapse by the variable load alone)</translation>
    </message>
    <message>
        <source>5. Minimum thickness (every segment&apos;s thickness scaled by one factor f, the road,
   slab and loads kept where the project puts them)</source>
        <translation>5. Minimum thickness (every segment&apos;s thickness scaled by one factor f, the road,
   slab and loads kept where the project puts them)</translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation>Not computed.</translation>
    </message>
    <message>
        <source>Not found between a thousandth and a thousand times the project&apos;s thickness.</source>
        <translation>Not found between a thousandth and a thousand times the project&apos;s thickness.</translation>
    </message>
    <message>
        <source>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  geometric factor of safety (Heyman) t/tmin = %3: the ring is that many times as thick as the
  thinnest ring of the same shape that still holds a thrust line under these loads.</source>
        <translation>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  geometric factor of safety (Heyman) t/tmin = %3: the ring is that many times as thick as the
  thinnest ring of the same shape that still holds a thrust line under these loads.</translation>
    </message>
    <message>
        <source>Hinges at the least thickness: joints %1.</source>
        <translation>Hinges at the least thickness: joints %1.</translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity, joint by joint</source>
        <translation>Thrust line of least eccentricity, joint by joint</translation>
    </message>
    <message>
        <source> Joint      N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)</source>
        <translation> Joint      N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)</translation>
    </message>
    <message>
        <source>6. Vehicle: %1 (track s %2 m, contact width w %3 m)</source>
        <translation>6. Vehicle: %1 (track s %2 m, contact width w %3 m)</translation>
    </message>
    <message>
        <source>axle %1: P = %2 kN at d = %3 m, contact a = %4 m</source>
        <translation>axle %1: P = %2 kN at d = %3 m, contact a = %4 m</translation>
    </message>
    <message>
        <source>Spread through the fill: %1 (theta = %2 degrees from the vertical on each side); across the bridge over
  b_e = s + w + 2 h tan(theta), at most the ring&apos;s width b: the ring takes P b / b_e.
  The live-load factor multiplies the strip load and the vehicle together.</source>
        <translation>Spread through the fill: %1 (θ = %2 degrees from the vertical on each side); across the bridge over
  b_e = s + w + 2 h tan(θ), at most the ring&apos;s width b: the ring takes P b / b_e.
  The live-load factor multiplies the strip load and the vehicle together.</translation>
    </message>
    <message>
        <source>Swept in %1 positions (steps of at most %2 m), one way (symmetric vehicle).</source>
        <translation>Swept in %1 positions (steps of at most %2 m), one way (symmetric vehicle).</translation>
    </message>
    <message>
        <source>Swept in %1 positions (steps of at most %2 m), both ways.</source>
        <translation>Swept in %1 positions (steps of at most %2 m), both ways.</translation>
    </message>
    <message>
        <source>At no position can the variable load make the arch collapse.</source>
        <translation>At no position can the variable load make the arch collapse.</translation>
    </message>
    <message>
        <source>Least live-load factor %1 with the first axle at x = %2 m, driven forward.</source>
        <translation>Least live-load factor %1 with the first axle at x = %2 m, driven forward.</translation>
    </message>
    <message>
        <source>Least live-load factor %1 with the first axle at x = %2 m, driven backward.</source>
        <translation>Least live-load factor %1 with the first axle at x = %2 m, driven backward.</translation>
    </message>
    <message>
        <source> (intrados)</source>
        <translation> (intrados)</translation>
    </message>
    <message>
        <source> (extrados)</source>
        <translation> (extrados)</translation>
    </message>
    <message>
        <source>Collapse mechanism, four hinges at joints %1.</source>
        <translation>Collapse mechanism, four hinges at joints %1.</translation>
    </message>
    <message>
        <source>  Axle     x [m]    h [m]  from [m]    to [m]    b [m]  b_e [m]  on ring [kN]  at collapse [kN]</source>
        <translation>  Axle     x [m]    h [m]  from [m]    to [m]    b [m]  b_e [m]  on ring [kN]  at collapse [kN]</translation>
    </message>
    <message>
        <source>every permanent load at its favourable factor</source>
        <translation>every permanent load at its favourable factor</translation>
    </message>
    <message>
        <source>every permanent load at its unfavourable factor</source>
        <translation>every permanent load at its unfavourable factor</translation>
    </message>
    <message>
        <source>Verdict: adequate</source>
        <translation>Verdict: adequate</translation>
    </message>
    <message>
        <source>Verdict: not adequate</source>
        <translation>Verdict: not adequate</translation>
    </message>
    <message>
        <source>Verdict: adequate (adequacy factor %1 &gt;= 1)</source>
        <translation>Verdict: adequate (adequacy factor %1 &gt;= 1)</translation>
    </message>
    <message>
        <source>Verdict: not adequate (adequacy factor %1 &lt; 1)</source>
        <translation>Verdict: not adequate (adequacy factor %1 &lt; 1)</translation>
    </message>
    <message>
        <source>Code basis: %1, knowledge level %2.</source>
        <translation>Code basis: %1, knowledge level %2.</translation>
    </message>
    <message>
        <source>Partial factors: gG1 %1 / %2, gG2 %3 / %4 (unfavourable / favourable), gQ %5, gM %6, FC %7.</source>
        <translation>Partial factors: gG1 %1 / %2, gG2 %3 / %4 (unfavourable / favourable), gQ %5, gM %6, FC %7.</translation>
    </message>
    <message>
        <source>The design variable load can be multiplied by %1 before the arch becomes a mechanism
  (%2).</source>
        <translation>The design variable load can be multiplied by %1 before the arch becomes a mechanism
  (%2).</translation>
    </message>
    <message>
        <source>With %1: %2.</source>
        <translation>With %1: %2.</translation>
    </message>
    <message>
        <source>Governing load: the %1 from x = %2 to %3 m.</source>
        <translation>Governing load: the %1 from x = %2 to %3 m.</translation>
    </message>
    <message>
        <source>Mechanism: hinges at joints %1.</source>
        <translation>Mechanism: hinges at joints %1.</translation>
    </message>
    <message>
        <source>No design variable load, however large, can turn the arch into a mechanism.</source>
        <translation>No design variable load, however large, can turn the arch into a mechanism.</translation>
    </message>
    <message>
        <source>The project has no variable load; a thrust line fits under the design permanent loads.</source>
        <translation>The project has no variable load; a thrust line fits under the design permanent loads.</translation>
    </message>
    <message>
        <source>The project has no variable load, and no thrust line fits under the design permanent loads.</source>
        <translation>The project has no variable load, and no thrust line fits under the design permanent loads.</translation>
    </message>
    <message>
        <source>Not even the design permanent loads alone find a thrust line within the masonry
  (%1).</source>
        <translation>Not even the design permanent loads alone find a thrust line within the masonry
  (%1).</translation>
    </message>
    <message>
        <source>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO)</source>
        <translation>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO)</translation>
    </message>
    <message>
        <source>NTC 2018, Table 5.1.V (ultimate limit states of bridges)</source>
        <translation>NTC 2018, Table 5.1.V (ultimate limit states of bridges)</translation>
    </message>
    <message>
        <source>Circolare 21.01.2019 n. 7, §C8.5.4 (knowledge levels and confidence factors)</source>
        <translation>Circolare 21.01.2019 n. 7, §C8.5.4 (knowledge levels and confidence factors)</translation>
    </message>
    <message>
        <source>EN 1998-3:2005, §3.3.1, Table 3.1 (confidence factor CF)</source>
        <translation>EN 1998-3:2005, §3.3.1, Table 3.1 (confidence factor CF)</translation>
    </message>
    <message>
        <source>typed by the engineer</source>
        <translation>typed by the engineer</translation>
    </message>
    <message>
        <source>NTC 2018 (Italy)</source>
        <translation>NTC 2018 (Italy)</translation>
    </message>
    <message>
        <source>as typed</source>
        <translation>as typed</translation>
    </message>
    <message>
        <source>strip load</source>
        <translation>strip load</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; driven forward</source>
        <translation>vehicle &quot;%1&quot; driven forward</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; driven backward</source>
        <translation>vehicle &quot;%1&quot; driven backward</translation>
    </message>
    <message>
        <source>a vehicle has no name</source>
        <translation>a vehicle has no name</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no axle</source>
        <translation>vehicle &quot;%1&quot; has no axle</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: track s = %2 m is not a length &gt;= 0</source>
        <translation>vehicle &quot;%1&quot;: track s = %2 m is not a length &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: contact width w = %2 m is not a length &gt;= 0</source>
        <translation>vehicle &quot;%1&quot;: contact width w = %2 m is not a length &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; carries no load</source>
        <translation>vehicle &quot;%1&quot; carries no load</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is not a load &gt;= 0</source>
        <translation>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is not a load &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is not a distance &gt;= 0</source>
        <translation>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is not a distance &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is not a length &gt;= 0</source>
        <translation>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is not a length &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no &apos;end&apos; before the next vehicle</source>
        <translation>vehicle &quot;%1&quot; has no &apos;end&apos; before the next vehicle</translation>
    </message>
    <message>
        <source>a vehicle needs a name</source>
        <translation>a vehicle needs a name</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; is named twice</source>
        <translation>vehicle &quot;%1&quot; is named twice</translation>
    </message>
    <message>
        <source>&apos;%1&apos; outside a vehicle (a block opens with &apos;vehicle NAME&apos;)</source>
        <translation>&apos;%1&apos; outside a vehicle (a block opens with &apos;vehicle NAME&apos;)</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: &apos;%2&apos; takes one number, not &apos;%3&apos;</source>
        <translation>vehicle &quot;%1&quot;: &apos;%2&apos; takes one number, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: &apos;axle&apos; takes the load P, the distance d and the contact a, not &apos;%3&apos;</source>
        <translation>vehicle &quot;%1&quot;, axle %2: &apos;axle&apos; takes the load P, the distance d and the contact a, not &apos;%3&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no &apos;end&apos;</source>
        <translation>vehicle &quot;%1&quot; has no &apos;end&apos;</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>%1 (the file is left as it is)</source>
        <translation>%1 (the file is left as it is)</translation>
    </message>
    <message>
        <source>Analisi limite: le righe non fissano tutte le incognite</source>
        <translation>Limit analysis: the rows do not fix every unknown</translation>
    </message>
    <message>
        <source>Analisi limite: base singolare</source>
        <translation>Limit analysis: singular basis</translation>
    </message>
    <message>
        <source>Analisi limite: troppe iterazioni del simplesso</source>
        <translation>Limit analysis: too many simplex iterations</translation>
    </message>
    <message>
        <source>track s %1 m, contact width w %2 m, symmetric</source>
        <translation>track s %1 m, contact width w %2 m, symmetric</translation>
    </message>
    <message>
        <source>track s %1 m, contact width w %2 m, driven both ways</source>
        <translation>track s %1 m, contact width w %2 m, driven both ways</translation>
    </message>
    <message>
        <source>axle %1: P %2 kN at d %3 m, contact a %4 m</source>
        <translation>axle %1: P %2 kN at d %3 m, contact a %4 m</translation>
    </message>
    <message>
        <source>%1: first axle at mid-span, x = %2 m, driven forward</source>
        <translation>%1: first axle at mid-span, x = %2 m, driven forward</translation>
    </message>
    <message>
        <source>%1: not certified (static %2, kinematic %3).</source>
        <translation>%1: not certified (static %2, kinematic %3).</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1: certified, gap %2 (stated %3), %4.</source>
        <translation>%1: certified, gap %2 (stated %3), %4.</translation>
    </message>
    <message>
        <source>COIN-OR CLP</source>
        <translation>COIN-OR CLP</translation>
    </message>
    <message>
        <source>dense simplex</source>
        <translation>dense simplex</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificates</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe),
  and the two agree within the stated gap.</source>
        <translation>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe),
  and the two agree within the stated gap.</translation>
    </message>
    <message>
        <source>Not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Not certified: no solver gave an answer that passes both theorems&apos; checks.</translation>
    </message>
    <message>
        <source>Whether a thrust line fits under the hypotheses above is not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Whether a thrust line fits under the hypotheses above is not certified: no solver gave an answer that passes both theorems&apos; checks.</translation>
    </message>
    <message>
        <source>not certified at %1 positions: no least factor is given.</source>
        <translation>not certified at %1 positions: no least factor is given.</translation>
    </message>
    <message>
        <source>least live-load factor %1 with the strip from x = %2 to %3 m (refined between its neighbouring positions).</source>
        <translation>least live-load factor %1 with the strip from x = %2 to %3 m (refined between its neighbouring positions).</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>not certified</translation>
    </message>
    <message>
        <source>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</source>
        <translation>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</translation>
    </message>
    <message>
        <source>Not certified at %1 positions: no least factor is given.</source>
        <translation>Not certified at %1 positions: no least factor is given.</translation>
    </message>
    <message>
        <source>Verdict: not certified (a figure it rests on has no certified answer)</source>
        <translation>Verdict: not certified (a figure it rests on has no certified answer)</translation>
    </message>
    <message>
        <source>The design live-load factor is not certified.</source>
        <translation>The design live-load factor is not certified.</translation>
    </message>
    <message>
        <source>geometric safety</source>
        <translation>geometric safety</translation>
    </message>
    <message>
        <source>whether a line fits</source>
        <translation>whether a line fits</translation>
    </message>
    <message>
        <source>thrust range</source>
        <translation>thrust range</translation>
    </message>
    <message>
        <source>live-load factor</source>
        <translation>live-load factor</translation>
    </message>
    <message>
        <source>worst position of the strip load</source>
        <translation>worst position of the strip load</translation>
    </message>
    <message>
        <source>minimum thickness</source>
        <translation>minimum thickness</translation>
    </message>
    <message>
        <source>worst position of the vehicle</source>
        <translation>worst position of the vehicle</translation>
    </message>
    <message>
        <source>Analisi limite: la prima fase del simplesso non ha un minimo</source>
        <translation>Limit analysis: the simplex&apos;s first phase has no minimum</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: track s = %2 m and contact width w = %3 m may not exceed %4 m, more than any road or rail vehicle has</source>
        <translation>vehicle &quot;%1&quot;: track s = %2 m and contact width w = %3 m may not exceed %4 m, more than any road or rail vehicle has</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has %2 axles, more than the %3 of any train</source>
        <translation>vehicle &quot;%1&quot; has %2 axles, more than the %3 of any train</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is above %4 kN, more than any road or rail axle carries</source>
        <translation>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is above %4 kN, more than any road or rail axle carries</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is above %4 m, longer than any train</source>
        <translation>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is above %4 m, longer than any train</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is above %4 m, longer than any wheel, track or distributed rail load</source>
        <translation>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is above %4 m, longer than any wheel, track or distributed rail load</translation>
    </message>
    <message>
        <source>%1. The thrust line and the stresses drawn leave the vehicle out: the Safety window assesses it</source>
        <translation>%1. The thrust line and the stresses drawn leave the vehicle out: the Safety window assesses it</translation>
    </message>
    <message>
        <source>%1: worst position of the safety assessment, first axle at x = %2 m, driven forward (live-load factor %3 under the characteristic loads)</source>
        <translation>%1: worst position of the safety assessment, first axle at x = %2 m, driven forward (live-load factor %3 under the characteristic loads)</translation>
    </message>
    <message>
        <source>%1: worst position of the safety assessment, first axle at x = %2 m, driven backward (live-load factor %3 under the characteristic loads)</source>
        <translation>%1: worst position of the safety assessment, first axle at x = %2 m, driven backward (live-load factor %3 under the characteristic loads)</translation>
    </message>
    <message>
        <source>My vehicles for Voro: one block per vehicle (see the help).</source>
        <translation>My vehicles for Voro: one block per vehicle (see the help).</translation>
    </message>
    <message>
        <source>compressive strength %1 MPa (chords within %2% of the live-load factor)</source>
        <translation>compressive strength %1 MPa (chords within %2% of the live-load factor)</translation>
    </message>
    <message>
        <source>structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>structural permanent loads unfavourable, slab and surfacing favourable</translation>
    </message>
    <message>
        <source>structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>structural permanent loads favourable, slab and surfacing unfavourable</translation>
    </message>
    <message>
        <source>Pila %1</source>
        <translation>Pier %1</translation>
    </message>
    <message>
        <source>la larghezza %1 m è minore di quella delle due imposte che porta (%2 m)</source>
        <translation>its width %1 m is less than that of the two springings it carries (%2 m)</translation>
    </message>
    <message>
        <source>Campata %1</source>
        <translation>Span %1</translation>
    </message>
    <message>
        <source>l&apos;imposta a quota %1 m non poggia sulla pila %2, la cui base è a quota %3 m</source>
        <translation>its springing at level %1 m does not rest on pier %2, whose base is at level %3 m</translation>
    </message>
    <message>
        <source>le scarpe lasciano alla base una larghezza di %1 m</source>
        <translation>the batters leave a base width of %1 m</translation>
    </message>
    <message>
        <source>Il progetto ha %1 campate: non c&apos;è la campata %2</source>
        <translation>The project has %1 spans: there is no span %2</translation>
    </message>
    <message>
        <source>pier %1 base</source>
        <translation>pier %1 base</translation>
    </message>
    <message>
        <source>span %1 joint %2</source>
        <translation>span %1 joint %2</translation>
    </message>
    <message>
        <source>the pier slides</source>
        <translation>the pier slides</translation>
    </message>
    <message>
        <source>the pier rocks about its %1 edge</source>
        <translation>the pier rocks about its %1 edge</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>Model: a bridge of %1 spans on %2 piers, %3 voussoirs; the joints of each span numbered from its left springing (1), each pier resting on its base joint; the whole bridge in one analysis, its mechanism free to take adjacent spans and the piers.</source>
        <translation>Model: a bridge of %1 spans on %2 piers, %3 voussoirs; the joints of each span numbered from its left springing (1), each pier resting on its base joint; the whole bridge in one analysis, its mechanism free to take adjacent spans and the piers.</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Spans and piers</translation>
    </message>
    <message>
        <source>Span %1: thrust from %2 to %3 kN.</source>
        <translation>Span %1: thrust from %2 to %3 kN.</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>unbounded</translation>
    </message>
    <message>
        <source>Pier %1 base, on the line of least eccentricity: N = %2 kN, T = %3 kN, M = %4 kNm.</source>
        <translation>Pier %1 base, on the line of least eccentricity: N = %2 kN, T = %3 kN, M = %4 kNm.</translation>
    </message>
    <message>
        <source>Quota dell&apos;imposta sinistra rispetto alla prima campata [m]</source>
        <translation>Level of the left springing above the first span&apos;s [m]</translation>
    </message>
    <message>
        <source>Larghezza della pila all&apos;imposta [m]</source>
        <translation>Width of the pier at the springings [m]</translation>
    </message>
    <message>
        <source>Altezza della pila dalla fondazione all&apos;imposta [m]</source>
        <translation>Height of the pier from its foundation to the springings [m]</translation>
    </message>
    <message>
        <source>Scarpa della faccia sinistra della pila</source>
        <translation>Batter of the pier&apos;s left face</translation>
    </message>
    <message>
        <source>Scarpa della faccia destra della pila</source>
        <translation>Batter of the pier&apos;s right face</translation>
    </message>
    <message>
        <source>Peso specifico della pila [kN/m3]</source>
        <translation>Unit weight of the pier [kN/m3]</translation>
    </message>
    <message>
        <source>Pila %1: </source>
        <translation>Pier %1: </translation>
    </message>
    <message>
        <source>le campate si sovrappongono.</source>
        <translation>the spans overlap.</translation>
    </message>
    <message>
        <source>le scarpe lasciano alla base una larghezza di %1 m: deve essere maggiore di zero.</source>
        <translation>the batters leave a base width of %1 m: it must be greater than zero.</translation>
    </message>
    <message>
        <source>Campata %1: </source>
        <translation>Span %1: </translation>
    </message>
    <message>
        <source>The three-hinge thrust lines are each span&apos;s own, on rigid springings; the safety assessment draws the bridge&apos;s collapse mechanism</source>
        <translation>The three-hinge thrust lines are each span&apos;s own, on rigid springings; the safety assessment draws the bridge&apos;s collapse mechanism</translation>
    </message>
    <message>
        <source>Span %1 of %2 of the bridge, solved alone on rigid springings: the three hinges belong to one ring.</source>
        <translation>Span %1 of %2 of the bridge, solved alone on rigid springings: the three hinges belong to one ring.</translation>
    </message>
    <message>
        <source>Coefficiente parziale γR della resistenza passiva del terreno</source>
        <translation>Partial factor γR of the soil&apos;s passive resistance</translation>
    </message>
    <message>
        <source>Il calcolo a tre cerniere vale per un solo anello: per un ponte di più campate si calcola una campata alla volta (voro-cli solve); la verifica analizza il ponte intero.</source>
        <translation>The three-hinge calculation holds for one ring: a bridge of several spans is solved one span at a time (voro-cli solve); the assessment analyses the whole bridge.</translation>
    </message>
    <message>
        <source>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  thickness factor t/tmin = %3 under these hypotheses (with a finite strength or friction it is
  not Heyman&apos;s geometric factor of safety, which holds for rigid masonry).</source>
        <translation>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  thickness factor t/tmin = %3 under these hypotheses (with a finite strength or friction it is
  not Heyman&apos;s geometric factor of safety, which holds for rigid masonry).</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>crushing not checked: the masonry&apos;s compressive strength fc is not given for every ring</source>
        <translation>crushing not checked: the masonry&apos;s compressive strength fc is not given for every ring</translation>
    </message>
    <message>
        <source>the masonry&apos;s partial factor γM is not given</source>
        <translation>the masonry&apos;s partial factor γM is not given</translation>
    </message>
    <message>
        <source>the knowledge level (LC1, LC2 or LC3) is not given</source>
        <translation>the knowledge level (LC1, LC2 or LC3) is not given</translation>
    </message>
    <message>
        <source>No verdict: %1. The figures under the stated hypotheses are given below; they are not a verdict of the code.</source>
        <translation>No verdict: %1. The figures under the stated hypotheses are given below; they are not a verdict of the code.</translation>
    </message>
    <message>
        <source>not given: no verdict without it</source>
        <translation>not given: no verdict without it</translation>
    </message>
    <message>
        <source>default (no reduction)</source>
        <translation>default (no reduction)</translation>
    </message>
    <message>
        <source>live-load factor λ</source>
        <translation>live-load factor λ</translation>
    </message>
    <message>
        <source>least %1 at xq1 = %2 m (the cross)</source>
        <translation>least %1 at xq1 = %2 m (the cross)</translation>
    </message>
    <message>
        <source>curves cut at the top: largest factor %1</source>
        <translation>curves cut at the top: largest factor %1</translation>
    </message>
    <message>
        <source>least %1 at x = %2 m (the cross)</source>
        <translation>least %1 at x = %2 m (the cross)</translation>
    </message>
    <message>
        <source>rail traffic</source>
        <translation>rail traffic</translation>
    </message>
    <message>
        <source>road traffic</source>
        <translation>road traffic</translation>
    </message>
    <message>
        <source>Rail vehicle: gQ,rail %1, alpha %2, Phi %3; its design axle loads %4 times the characteristic ones (the strip load gQ).</source>
        <translation>Rail vehicle: gQ,rail %1, alpha %2, Phi %3; its design axle loads %4 times the characteristic ones (the strip load gQ).</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: &apos;category&apos; is road or rail, not &apos;%2&apos;</source>
        <translation>vehicle &quot;%1&quot;: &apos;category&apos; is road or rail, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: unknown keyword &apos;%2&apos; (vehicle, track, width, axle, category, end)</source>
        <translation>vehicle &quot;%1&quot;: unknown keyword &apos;%2&apos; (vehicle, track, width, axle, category, end)</translation>
    </message>
    <message>
        <source>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO), rail traffic (LM71)</source>
        <translation>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO), rail traffic (LM71)</translation>
    </message>
    <message>
        <source>NTC 2018, Table 5.2.V (ultimate limit states of railway bridges)</source>
        <translation>NTC 2018, Table 5.2.V (ultimate limit states of railway bridges)</translation>
    </message>
    <message>
        <source>EN 1991-2:2003, §6.3.2(3) (Load Model 71 as defined)</source>
        <translation>EN 1991-2:2003, §6.3.2(3) (Load Model 71 as defined)</translation>
    </message>
    <message>
        <source>NTC 2018, §5.2.2.2.1.1 (LM71 on ordinary railways)</source>
        <translation>NTC 2018, §5.2.2.2.1.1 (LM71 on ordinary railways)</translation>
    </message>
    <message>
        <source>EN 1991-2:2003, §6.4.5: LΦ = 2 × clear span %1 m = %2 m (arch with fill), %3; cover h = %4 m, %5</source>
        <translation>EN 1991-2:2003, §6.4.5: LΦ = 2 × clear span %1 m = %2 m (arch with fill), %3; cover h = %4 m, %5</translation>
    </message>
    <message>
        <source>NTC 2018, §5.2.2.2.3: LΦ = 2 × clear span %1 m = %2 m (Table 5.2.II, arches with fill), %3; cover h = %4 m, %5</source>
        <translation>NTC 2018, §5.2.2.2.3: LΦ = 2 × clear span %1 m = %2 m (Table 5.2.II, arches with fill), %3; cover h = %4 m, %5</translation>
    </message>
    <message>
        <source>(carefully maintained track)</source>
        <translation>(carefully maintained track)</translation>
    </message>
    <message>
        <source>(standard maintenance)</source>
        <translation>(standard maintenance)</translation>
    </message>
    <message>
        <source>more than 2.50 m: Φ = 1</source>
        <translation>more than 2.50 m: Φ = 1</translation>
    </message>
    <message>
        <source>reduced by (h - 1.00)/10 = %1, not below 1.0</source>
        <translation>reduced by (h - 1.00)/10 = %1, not below 1.0</translation>
    </message>
    <message>
        <source>not above 1.00 m: no reduction</source>
        <translation>not above 1.00 m: no reduction</translation>
    </message>
    <message>
        <source>Coefficiente parziale γQ del traffico ferroviario</source>
        <translation>Partial factor γQ of rail traffic</translation>
    </message>
    <message>
        <source>Coefficiente di adattamento α dei carichi ferroviari</source>
        <translation>Classification factor α of rail loads</translation>
    </message>
    <message>
        <source>Coefficiente dinamico Φ (0: dalla luce e dal ricoprimento dell&apos;arco)</source>
        <translation>Dynamic factor Φ (0: from the arch&apos;s span and cover)</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;</source>
        <translation>vehicle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Minimum thickness %1 m (thickness factor t/tmin %2, not Heyman&apos;s: finite strength or friction)</source>
        <translation>Minimum thickness %1 m (thickness factor t/tmin %2, not Heyman&apos;s: finite strength or friction)</translation>
    </message>
</context>
<context>
    <name>voro::ui::Aiuto</name>
    <message>
        <source>Voro Help</source>
        <translation>Voro Help</translation>
    </message>
    <message>
        <source>Search / Cerca</source>
        <translation>Search / Cerca</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoAnello</name>
    <message>
        <source>Span L [m]</source>
        <translation>Span L [m]</translation>
    </message>
    <message>
        <source>Rise h [m]</source>
        <translation>Rise h [m]</translation>
    </message>
    <message>
        <source>Thickness t [m]</source>
        <translation>Thickness t [m]</translation>
    </message>
    <message>
        <source>Voussoirs n°</source>
        <translation>Voussoirs n°</translation>
    </message>
    <message>
        <source>fc [MPa]</source>
        <translation>fc [MPa]</translation>
    </message>
    <message>
        <source>Ring of span %1</source>
        <translation>Ring of span %1</translation>
    </message>
    <message>
        <source>One circular ring</source>
        <translation>One circular ring</translation>
    </message>
    <message>
        <source>Each segment&apos;s intermediate and end point of the intrados, from the span&apos;s own left springing at (0, 0); each segment starts where the one before ends.</source>
        <translation>Each segment&apos;s intermediate and end point of the intrados, from the span&apos;s own left springing at (0, 0); each segment starts where the one before ends.</translation>
    </message>
    <message>
        <source>Segments n.</source>
        <translation>Segments n.</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: not a number</translation>
    </message>
    <message>
        <source>Segment %1, %2: not a number</source>
        <translation>Segment %1, %2: not a number</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoMuratura</name>
    <message>
        <source>Masonry and Soil</source>
        <translation>Masonry and Soil</translation>
    </message>
    <message>
        <source>Compressive strength of the masonry fc [MPa] (0: unlimited, rigid voussoirs)</source>
        <translation>Compressive strength of the masonry fc [MPa] (0: unlimited, rigid voussoirs)</translation>
    </message>
    <message>
        <source>fc [MPa]</source>
        <translation>fc [MPa]</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segment %1</translation>
    </message>
    <message>
        <source>Check sliding of the joints</source>
        <translation>Check sliding of the joints</translation>
    </message>
    <message>
        <source>Friction coefficient mu (|T| &lt;= mu N)</source>
        <translation>Friction coefficient μ (|T| &lt;= μ N)</translation>
    </message>
    <message>
        <source>Mobilisation factor of the passive pressure</source>
        <translation>Mobilisation factor of the passive pressure</translation>
    </message>
    <message>
        <source>Typical mean compressive strengths: rubble masonry 1-2 MPa, roughly dressed stone 2-4 MPa, solid brickwork in lime mortar 2.5-4.5 MPa (more with cement mortar), ashlar of squared blocks 6-8 MPa and above. Friction of dry or lime-mortar joints: mu 0.4-0.7. The soil behind the haunches pushes back only where the ring moves into it, up to the mobilisation factor times the full passive pressure.</source>
        <translation>Typical mean compressive strengths: rubble masonry 1-2 MPa, roughly dressed stone 2-4 MPa, solid brickwork in lime mortar 2.5-4.5 MPa (more with cement mortar), ashlar of squared blocks 6-8 MPa and above. Friction of dry or lime-mortar joints: μ 0.4-0.7. The soil behind the haunches pushes back only where the ring moves into it, up to the mobilisation factor times the full passive pressure.</translation>
    </message>
    <message>
        <source>The compressive strength must be a number from 0 up.</source>
        <translation>The compressive strength must be a number from 0 up.</translation>
    </message>
    <message>
        <source>The friction coefficient must be a number from 0 up.</source>
        <translation>The friction coefficient must be a number from 0 up.</translation>
    </message>
    <message>
        <source>The mobilisation factor must be a number from 0 up.</source>
        <translation>The mobilisation factor must be a number from 0 up.</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoNormativa</name>
    <message>
        <source>Code basis and title block</source>
        <translation>Code basis and title block</translation>
    </message>
    <message>
        <source>Code basis and partial factors</source>
        <translation>Code basis and partial factors</translation>
    </message>
    <message>
        <source>Code basis</source>
        <translation>Code basis</translation>
    </message>
    <message>
        <source>Knowledge level</source>
        <translation>Knowledge level</translation>
    </message>
    <message>
        <source>γG1,sup structural permanent loads, unfavourable</source>
        <translation>γG1,sup structural permanent loads, unfavourable</translation>
    </message>
    <message>
        <source>γG1,inf structural permanent loads, favourable</source>
        <translation>γG1,inf structural permanent loads, favourable</translation>
    </message>
    <message>
        <source>γG2,sup slab and surfacing, unfavourable</source>
        <translation>γG2,sup slab and surfacing, unfavourable</translation>
    </message>
    <message>
        <source>γG2,inf slab and surfacing, favourable</source>
        <translation>γG2,inf slab and surfacing, favourable</translation>
    </message>
    <message>
        <source>γM masonry</source>
        <translation>γM masonry</translation>
    </message>
    <message>
        <source>FC confidence factor</source>
        <translation>FC confidence factor</translation>
    </message>
    <message>
        <source>Title block of the report (empty fields stay blank for signing by hand)</source>
        <translation>Title block of the report (empty fields stay blank for signing by hand)</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Engineer</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Checker</translation>
    </message>
    <message>
        <source>Approver</source>
        <translation>Approver</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>γμ friction of the joints</source>
        <translation>γμ friction of the joints</translation>
    </message>
    <message>
        <source>γR passive resistance of the soil</source>
        <translation>γR passive resistance of the soil</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>γQ variable loads (strip and road vehicle)</source>
        <translation>γQ variable loads (strip and road vehicle)</translation>
    </message>
    <message>
        <source>γQ,rail rail vehicle</source>
        <translation>γQ,rail rail vehicle</translation>
    </message>
    <message>
        <source>α classification factor of rail loads</source>
        <translation>α classification factor of rail loads</translation>
    </message>
    <message>
        <source>Φ dynamic factor of rail loads</source>
        <translation>Φ dynamic factor of rail loads</translation>
    </message>
    <message>
        <source>from the span and cover</source>
        <translation>from the span and cover</translation>
    </message>
    <message>
        <source>Carefully maintained (Φ2)</source>
        <translation>Carefully maintained (Φ2)</translation>
    </message>
    <message>
        <source>Standard maintenance (Φ3)</source>
        <translation>Standard maintenance (Φ3)</translation>
    </message>
    <message>
        <source>Track over the arch</source>
        <translation>Track over the arch</translation>
    </message>
    <message>
        <source>Design strength fc / (γM FC), design friction μ / γμ, the soil&apos;s passive resistance from the characteristic loads over γR; a rail vehicle&apos;s axles at γQ,rail α Φ. The adequacy factor is the live-load factor of the design loads, the smallest of the combinations.</source>
        <translation>Design strength fc / (γM FC), design friction μ / γμ, the soil&apos;s passive resistance from the characteristic loads over γR; a rail vehicle&apos;s axles at γQ,rail α Φ. The adequacy factor is the live-load factor of the design loads, the smallest of the combinations.</translation>
    </message>
    <message>
        <source>Document number</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Purpose</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoVeicolo</name>
    <message>
        <source>Vehicle on the fill</source>
        <translation>Vehicle on the fill</translation>
    </message>
    <message>
        <source>(no vehicle)</source>
        <translation>(no vehicle)</translation>
    </message>
    <message>
        <source>Typed below</source>
        <translation>Typed below</translation>
    </message>
    <message>
        <source>Wheel track, centre to centre [m]</source>
        <translation>Wheel track, centre to centre [m]</translation>
    </message>
    <message>
        <source>Contact width of a wheel across the road [m]</source>
        <translation>Contact width of a wheel across the road [m]</translation>
    </message>
    <message>
        <source>P [kN]</source>
        <translation>P [kN]</translation>
    </message>
    <message>
        <source>d [m]</source>
        <translation>d [m]</translation>
    </message>
    <message>
        <source>a [m]</source>
        <translation>a [m]</translation>
    </message>
    <message>
        <source>Load of the whole axle</source>
        <translation>Load of the whole axle</translation>
    </message>
    <message>
        <source>Distance from the first axle</source>
        <translation>Distance from the first axle</translation>
    </message>
    <message>
        <source>Contact length along the span</source>
        <translation>Contact length along the span</translation>
    </message>
    <message>
        <source>&amp;Add axle</source>
        <translation>&amp;Add axle</translation>
    </message>
    <message>
        <source>&amp;Remove axle</source>
        <translation>&amp;Remove axle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1 horizontal : 2 vertical</source>
        <translation>1 horizontal : 2 vertical</translation>
    </message>
    <message>
        <source>30°</source>
        <translation>30°</translation>
    </message>
    <message>
        <source>45°</source>
        <translation>45°</translation>
    </message>
    <message>
        <source>Angle typed</source>
        <translation>Angle typed</translation>
    </message>
    <message>
        <source>Angle of spread from the vertical, 0 to 60 degrees</source>
        <translation>Angle of spread from the vertical, 0 to 60 degrees</translation>
    </message>
    <message>
        <source>Save in &amp;my library</source>
        <translation>Save in &amp;my library</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Track s [m]</source>
        <translation>Track s [m]</translation>
    </message>
    <message>
        <source>Contact width w [m]</source>
        <translation>Contact width w [m]</translation>
    </message>
    <message>
        <source>Spread through the fill</source>
        <translation>Spread through the fill</translation>
    </message>
    <message>
        <source>Angle θ [°]</source>
        <translation>Angle θ [°]</translation>
    </message>
    <message>
        <source>Choose or type a vehicle first.</source>
        <translation>Choose or type a vehicle first.</translation>
    </message>
    <message>
        <source>The vehicle library %1 was left out: %2</source>
        <translation>The vehicle library %1 was left out: %2</translation>
    </message>
    <message>
        <source>Vehicle &quot;%1&quot;: %2 &quot;%3&quot; is not a number</source>
        <translation>Vehicle &quot;%1&quot;: %2 &quot;%3&quot; is not a number</translation>
    </message>
    <message>
        <source>track s</source>
        <translation>track s</translation>
    </message>
    <message>
        <source>contact width w</source>
        <translation>contact width w</translation>
    </message>
    <message>
        <source>load P</source>
        <translation>load P</translation>
    </message>
    <message>
        <source>distance d</source>
        <translation>distance d</translation>
    </message>
    <message>
        <source>contact length a</source>
        <translation>contact length a</translation>
    </message>
    <message>
        <source>axle %1, %2</source>
        <translation>axle %1, %2</translation>
    </message>
    <message>
        <source>The angle of spread &quot;%1&quot; is not an angle from 0° to 60°</source>
        <translation>The angle of spread &quot;%1&quot; is not an angle from 0° to 60°</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved in your vehicle library %2.</source>
        <translation>&quot;%1&quot; is saved in your vehicle library %2.</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Road</translation>
    </message>
    <message>
        <source>Rail</source>
        <translation>Rail</translation>
    </message>
    <message>
        <source>The code basis takes the partial factor of the vehicle&apos;s traffic; a rail vehicle&apos;s axles also carry α and Φ</source>
        <translation>The code basis takes the partial factor of the vehicle&apos;s traffic; a rail vehicle&apos;s axles also carry α and Φ</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Traffic</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraPlot</name>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Export DXF</translation>
    </message>
    <message>
        <source>&amp;Draw in Autocad</source>
        <translation>&amp;Draw in Autocad</translation>
    </message>
    <message>
        <source>&lt;-- &amp;Previous</source>
        <translation>&lt;-- &amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Next --&gt;</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Export &amp;Plot...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraPrincipale</name>
    <message>
        <source>All Files (*.*)|*.*|Voro Files (*.vro)|*.vro</source>
        <translation>All Files (*.*)|*.*|Voro Files (*.vro)|*.vro</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Estimated time: %1</source>
        <translation>Estimated time: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sa&amp;ve</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Save As...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Output File (&amp;TXT)...</source>
        <translation>Output File (&amp;TXT)...</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>&amp;Export Report...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometry</translation>
    </message>
    <message>
        <source>&amp;Loads</source>
        <translation>&amp;Loads</translation>
    </message>
    <message>
        <source>Solve &amp;Options</source>
        <translation>Solve &amp;Options</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>S&amp;olve</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>&amp;Assess</source>
        <translation>&amp;Assess</translation>
    </message>
    <message>
        <source>&amp;Assess Safety</source>
        <translation>&amp;Assess Safety</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>Show &amp;Report</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Export DXF</translation>
    </message>
    <message>
        <source>&amp;Draw in Autocad</source>
        <translation>&amp;Draw in Autocad</translation>
    </message>
    <message>
        <source>There is no drawing: solve the arch or plot its geometry.</source>
        <translation>There is no drawing: solve the arch or plot its geometry.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Discretization</source>
        <translation>&amp;Discretization</translation>
    </message>
    <message>
        <source>&amp;Vertical forces</source>
        <translation>&amp;Vertical forces</translation>
    </message>
    <message>
        <source>&amp;Horizontal forces</source>
        <translation>&amp;Horizontal forces</translation>
    </message>
    <message>
        <source>&amp;Resultants</source>
        <translation>&amp;Resultants</translation>
    </message>
    <message>
        <source>&amp;White Background</source>
        <translation>&amp;White Background</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Example Files...</source>
        <translation>&amp;Example Files...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Loads</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Solve Options</source>
        <translation>Solve Options</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Assess</source>
        <translation>Assess</translation>
    </message>
    <message>
        <source>The project has no results: solve the arch with Solve.</source>
        <translation>The project has no results: solve the arch with Solve.</translation>
    </message>
    <message>
        <source>Error: Check Geometry<byte value="xd"/>The geometry has not been read: complete the Geometry form and press Next.</source>
        <translation>Error: Check Geometry<byte value="xd"/>The geometry has not been read: complete the Geometry form and press Next.</translation>
    </message>
    <message>
        <source>The calculation is running: wait for it to end or press Stop.</source>
        <translation>The calculation is running: wait for it to end or press Stop.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Solving...</translation>
    </message>
    <message>
        <source>The input changed during the calculation: results discarded, solve again</source>
        <translation>The input changed during the calculation: results discarded, solve again</translation>
    </message>
    <message>
        <source>Search stopped: the results are those of the best point found so far</source>
        <translation>Search stopped: the results are those of the best point found so far</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Calculation failed</source>
        <translation>Calculation failed</translation>
    </message>
    <message>
        <source>Cannot open the help file %1</source>
        <translation>Cannot open the help file %1</translation>
    </message>
    <message>
        <source>Arch assessment - File: </source>
        <translation>Arch assessment - File: </translation>
    </message>
    <message>
        <source>P&amp;lot</source>
        <translation>P&amp;lot</translation>
    </message>
    <message>
        <source>%1 - search stopped: best point so far</source>
        <translation>%1 - search stopped: best point so far</translation>
    </message>
    <message>
        <source>&amp;Masonry and Soil...</source>
        <translation>&amp;Masonry and Soil...</translation>
    </message>
    <message>
        <source>&amp;Code Basis and Title Block...</source>
        <translation>&amp;Code Basis and Title Block...</translation>
    </message>
    <message>
        <source>%1 - out of date: the data on screen have changed</source>
        <translation>%1 - out of date: the data on screen have changed</translation>
    </message>
    <message>
        <source>The project is not saved: &quot;%1&quot; in &quot;%2&quot; cannot be kept in the project file, whose code page (Windows-1252) lacks it. Change it and save again.</source>
        <translation>The project is not saved: &quot;%1&quot; in &quot;%2&quot; cannot be kept in the project file, whose code page (Windows-1252) lacks it. Change it and save again.</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraSicurezza</name>
    <message>
        <source>Safety</source>
        <translation>Safety</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Export DXF</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>What it means</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Load position %1 of %2</source>
        <translation>Load position %1 of %2</translation>
    </message>
    <message>
        <source>Minimum thickness...</source>
        <translation>Minimum thickness...</translation>
    </message>
    <message>
        <source>Assessing...</source>
        <translation>Assessing...</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>No assessment: %1</source>
        <translation>No assessment: %1</translation>
    </message>
    <message>
        <source>Admissible</source>
        <translation>Admissible</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry: the arch stands (safe theorem)</source>
        <translation>A thrust line fits within the masonry: the arch stands (safe theorem)</translation>
    </message>
    <message>
        <source>No thrust line fits within the masonry, whatever the hinges</source>
        <translation>No thrust line fits within the masonry, whatever the hinges</translation>
    </message>
    <message>
        <source>Thickness ratio s</source>
        <translation>Thickness ratio s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>The least fraction of each joint&apos;s half depth a thrust line needs</source>
        <translation>The least fraction of each joint&apos;s half depth a thrust line needs</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Joints where that line touches the reduced section (i intrados, e extrados)</source>
        <translation>Joints where that line touches the reduced section (i intrados, e extrados)</translation>
    </message>
    <message>
        <source>Least thrust [kN]</source>
        <translation>Least thrust [kN]</translation>
    </message>
    <message>
        <source>Least horizontal force of the left support on the arch among the lines that fit</source>
        <translation>Least horizontal force of the left support on the arch among the lines that fit</translation>
    </message>
    <message>
        <source>Largest thrust [kN]</source>
        <translation>Largest thrust [kN]</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>The most a tie or an abutment may have to take</source>
        <translation>The most a tie or an abutment may have to take</translation>
    </message>
    <message>
        <source>no collapse</source>
        <translation>no collapse</translation>
    </message>
    <message>
        <source>no variable load</source>
        <translation>no variable load</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>none fits</translation>
    </message>
    <message>
        <source>Live-load factor</source>
        <translation>Live-load factor</translation>
    </message>
    <message>
        <source>Mechanism</source>
        <translation>Mechanism</translation>
    </message>
    <message>
        <source>Worst live-load factor</source>
        <translation>Worst live-load factor</translation>
    </message>
    <message>
        <source>The strip load covers the whole structure: one position</source>
        <translation>The strip load covers the whole structure: one position</translation>
    </message>
    <message>
        <source>Least factor over %1 positions of the strip load</source>
        <translation>Least factor over %1 positions of the strip load</translation>
    </message>
    <message>
        <source>Worst position [m]</source>
        <translation>Worst position [m]</translation>
    </message>
    <message>
        <source>Where the strip load is worst</source>
        <translation>Where the strip load is worst</translation>
    </message>
    <message>
        <source>Minimum thickness [m]</source>
        <translation>Minimum thickness [m]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</source>
        <translation>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Export &amp;Plot...</translation>
    </message>
    <message>
        <source>Export Sweep &amp;Chart...</source>
        <translation>Export Sweep &amp;Chart...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>✔ ADEQUATE</source>
        <translation>✔ ADEQUATE</translation>
    </message>
    <message>
        <source>✘ NOT ADEQUATE</source>
        <translation>✘ NOT ADEQUATE</translation>
    </message>
    <message>
        <source>no design variable load can make a mechanism</source>
        <translation>no design variable load can make a mechanism</translation>
    </message>
    <message>
        <source>no thrust line fits under the design permanent loads</source>
        <translation>no thrust line fits under the design permanent loads</translation>
    </message>
    <message>
        <source>Code basis: %1</source>
        <translation>Code basis: %1</translation>
    </message>
    <message>
        <source>knowledge level %1</source>
        <translation>knowledge level %1</translation>
    </message>
    <message>
        <source>permanent loads at their favourable factors</source>
        <translation>permanent loads at their favourable factors</translation>
    </message>
    <message>
        <source>permanent loads at their unfavourable factors</source>
        <translation>permanent loads at their unfavourable factors</translation>
    </message>
    <message>
        <source>%1 from x = %2 to %3 m</source>
        <translation>%1 from x = %2 to %3 m</translation>
    </message>
    <message>
        <source>no sliding</source>
        <translation>no sliding</translation>
    </message>
    <message>
        <source>soil resisting up to %1 of the passive pressure</source>
        <translation>soil resisting up to %1 of the passive pressure</translation>
    </message>
    <message>
        <source>Hypotheses</source>
        <translation>Hypotheses</translation>
    </message>
    <message>
        <source>Of every figure below but the geometric factor, which is Heyman&apos;s (rigid)</source>
        <translation>Of every figure below but the geometric factor, which is Heyman&apos;s (rigid)</translation>
    </message>
    <message>
        <source>Rigid masonry of unlimited strength: crushing is not checked; the geometric factor is Heyman&apos;s</source>
        <translation>Rigid masonry of unlimited strength: crushing is not checked; the geometric factor is Heyman&apos;s</translation>
    </message>
    <message>
        <source>Depth ratio 1/s</source>
        <translation>Depth ratio 1/s</translation>
    </message>
    <message>
        <source>Each joint&apos;s depth over the depth the thrust line of least eccentricity needs</source>
        <translation>Each joint&apos;s depth over the depth the thrust line of least eccentricity needs</translation>
    </message>
    <message>
        <source>Largest multiplier of the variable load before collapse (dead loads as given)</source>
        <translation>Largest multiplier of the variable load before collapse (dead loads as given)</translation>
    </message>
    <message>
        <source>The joints of the collapse (i intrados, e extrados, c crushing, s sliding)</source>
        <translation>The joints of the collapse (i intrados, e extrados, c crushing, s sliding)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Thinnest segment when every thickness is scaled down until no thrust line fits, the road, slab and loads kept where the project puts them</source>
        <translation>Thinnest segment when every thickness is scaled down until no thrust line fits, the road, slab and loads kept where the project puts them</translation>
    </message>
    <message>
        <source>Geometric factor of safety t/tmin</source>
        <translation>Geometric factor of safety t/tmin</translation>
    </message>
    <message>
        <source>Heyman: the ring&apos;s thickness over the least thickness that still holds a thrust line</source>
        <translation>Heyman: the ring&apos;s thickness over the least thickness that still holds a thrust line</translation>
    </message>
    <message>
        <source>%1 voussoirs, y = %2 m (%3 m above the ring&apos;s end)</source>
        <translation>%1 voussoirs, y = %2 m (%3 m above the ring&apos;s end)</translation>
    </message>
    <message>
        <source>Springing raised, left</source>
        <translation>Springing raised, left</translation>
    </message>
    <message>
        <source>The upper wall takes these voussoirs off the ring: the arch springs higher</source>
        <translation>The upper wall takes these voussoirs off the ring: the arch springs higher</translation>
    </message>
    <message>
        <source>Springing raised, right</source>
        <translation>Springing raised, right</translation>
    </message>
    <message>
        <source>? NOT CERTIFIED</source>
        <translation>? NOT CERTIFIED</translation>
    </message>
    <message>
        <source>a figure the verdict rests on has no certified answer</source>
        <translation>a figure the verdict rests on has no certified answer</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>not certified</translation>
    </message>
    <message>
        <source>Assessed: exact limit analysis (%1)</source>
        <translation>Assessed: exact limit analysis (%1)</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <source>Driven across the bridge in %1 positions, the least factor refined between them</source>
        <translation>Driven across the bridge in %1 positions, the least factor refined between them</translation>
    </message>
    <message>
        <source>Vehicle&apos;s worst live-load factor</source>
        <translation>Vehicle&apos;s worst live-load factor</translation>
    </message>
    <message>
        <source>Largest multiplier of the strip load and the vehicle together, at the vehicle&apos;s worst position (the project&apos;s characteristic loads)</source>
        <translation>Largest multiplier of the strip load and the vehicle together, at the vehicle&apos;s worst position (the project&apos;s characteristic loads)</translation>
    </message>
    <message>
        <source>Vehicle&apos;s worst position [m]</source>
        <translation>Vehicle&apos;s worst position [m]</translation>
    </message>
    <message>
        <source>x = %1, forward</source>
        <translation>x = %1, forward</translation>
    </message>
    <message>
        <source>x = %1, backward</source>
        <translation>x = %1, backward</translation>
    </message>
    <message>
        <source>The first axle&apos;s position; forward: the other axles at x + d, backward: at x - d</source>
        <translation>The first axle&apos;s position; forward: the other axles at x + d, backward: at x - d</translation>
    </message>
    <message>
        <source>Vehicle&apos;s mechanism</source>
        <translation>Vehicle&apos;s mechanism</translation>
    </message>
    <message>
        <source>Vehicle&apos;s axle loads at collapse [kN]</source>
        <translation>Vehicle&apos;s axle loads at collapse [kN]</translation>
    </message>
    <message>
        <source>Each axle&apos;s load times the worst factor, axle 1 first</source>
        <translation>Each axle&apos;s load times the worst factor, axle 1 first</translation>
    </message>
    <message>
        <source>Vehicle&apos;s effective widths b_e [m]</source>
        <translation>Vehicle&apos;s effective widths b_e [m]</translation>
    </message>
    <message>
        <source>The width of ring that carries each axle: the ring takes P b / b_e</source>
        <translation>The width of ring that carries each axle: the ring takes P b / b_e</translation>
    </message>
    <message>
        <source>rigid voussoirs of unlimited strength</source>
        <translation>rigid voussoirs of unlimited strength</translation>
    </message>
    <message>
        <source>no tension</source>
        <translation>no tension</translation>
    </message>
    <message>
        <source>friction μ = %1</source>
        <translation>friction μ = %1</translation>
    </message>
    <message>
        <source>Strip load</source>
        <translation>Strip load</translation>
    </message>
    <message>
        <source>adequacy factor %1 (%2 1), design loads and strength</source>
        <translation>adequacy factor %1 (%2 1), design loads and strength</translation>
    </message>
    <message>
        <source>%1 MPa</source>
        <translation>%1 MPa</translation>
    </message>
    <message>
        <source>not certified: %1</source>
        <translation>not certified: %1</translation>
    </message>
    <message>
        <source>all (dense simplex and COIN-OR CLP)</source>
        <translation>all (dense simplex and COIN-OR CLP)</translation>
    </message>
    <message>
        <source>all (dense simplex)</source>
        <translation>all (dense simplex)</translation>
    </message>
    <message>
        <source>Certified</source>
        <translation>Certified</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap</source>
        <translation>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap</translation>
    </message>
    <message>
        <source>structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>structural permanent loads unfavourable, slab and surfacing favourable</translation>
    </message>
    <message>
        <source>structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>structural permanent loads favourable, slab and surfacing unfavourable</translation>
    </message>
    <message>
        <source>NO VERDICT</source>
        <translation>NO VERDICT</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormCarichi</name>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>q [kN/m2]</source>
        <translation>q [kN/m2]</translation>
    </message>
    <message>
        <source>xq1</source>
        <translation>xq1</translation>
    </message>
    <message>
        <source>xq2</source>
        <translation>xq2</translation>
    </message>
    <message>
        <source>Distributed variable load [kN/m2]</source>
        <translation>Distributed variable load [kN/m2]</translation>
    </message>
    <message>
        <source>Abscissa where the load begins [m]</source>
        <translation>Abscissa where the load begins [m]</translation>
    </message>
    <message>
        <source>Abscissa where the load ends [m]</source>
        <translation>Abscissa where the load ends [m]</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Plot scale</source>
        <translation>Plot scale</translation>
    </message>
    <message>
        <source>Denominator of the scale of the load diagram</source>
        <translation>Denominator of the scale of the load diagram</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>&lt;-- &amp;Previous</source>
        <translation>&lt;-- &amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Next --&gt;</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Ve&amp;hicle...</source>
        <translation>Ve&amp;hicle...</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormGeometria</name>
    <message>
        <source>Title of the project</source>
        <translation>Title of the project</translation>
    </message>
    <message>
        <source>Number of segments of circles</source>
        <translation>Number of segments of circles</translation>
    </message>
    <message>
        <source>Ring geometry</source>
        <translation>Ring geometry</translation>
    </message>
    <message>
        <source>Span         L</source>
        <translation>Span         L</translation>
    </message>
    <message>
        <source>Rise           h</source>
        <translation>Rise           h</translation>
    </message>
    <message>
        <source>Thickness  t</source>
        <translation>Thickness  t</translation>
    </message>
    <message>
        <source>Voussoirs n°</source>
        <translation>Voussoirs n°</translation>
    </message>
    <message>
        <source>Span of the arch [m]</source>
        <translation>Span of the arch [m]</translation>
    </message>
    <message>
        <source>Rise of the arch [m]</source>
        <translation>Rise of the arch [m]</translation>
    </message>
    <message>
        <source>Thickness of the ring [m]</source>
        <translation>Thickness of the ring [m]</translation>
    </message>
    <message>
        <source>Number of voussoirs (masonry units) </source>
        <translation>Number of voussoirs (masonry units) </translation>
    </message>
    <message>
        <source>Coordinates of the points that define the segments of circles.</source>
        <translation>Coordinates of the points that define the segments of circles.</translation>
    </message>
    <message>
        <source>Fill thickness at crown [m]</source>
        <translation>Fill thickness at crown [m]</translation>
    </message>
    <message>
        <source>Slab thickness [m]</source>
        <translation>Slab thickness [m]</translation>
    </message>
    <message>
        <source>Masonry unit weight [kN/m3]</source>
        <translation>Masonry unit weight [kN/m3]</translation>
    </message>
    <message>
        <source>Fill unit weight [kN/m3]</source>
        <translation>Fill unit weight [kN/m3]</translation>
    </message>
    <message>
        <source>Slab unit weight [kN/m3]</source>
        <translation>Slab unit weight [kN/m3]</translation>
    </message>
    <message>
        <source>Protrusion of the upper wall [m]</source>
        <translation>Protrusion of the upper wall [m]</translation>
    </message>
    <message>
        <source>Depth of solid fill [m]</source>
        <translation>Depth of solid fill [m]</translation>
    </message>
    <message>
        <source>Width of the arch [m]</source>
        <translation>Width of the arch [m]</translation>
    </message>
    <message>
        <source>Ring width</source>
        <translation>Ring width</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Start eccentricities [mm]</source>
        <translation>Start eccentricities [mm]</translation>
    </message>
    <message>
        <source>Eccentricities of the thrust-line to be used without optimization</source>
        <translation>Eccentricities of the thrust-line to be used without optimization</translation>
    </message>
    <message>
        <source>Left springing el</source>
        <translation>Left springing el</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the left springing [mm]</source>
        <translation>Eccentricity of the thrust line at the left springing [mm]</translation>
    </message>
    <message>
        <source>Crown          ec</source>
        <translation>Crown          ec</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the crown [mm]</source>
        <translation>Eccentricity of the thrust line at the crown [mm]</translation>
    </message>
    <message>
        <source>Right springing er</source>
        <translation>Right springing er</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the right springing [mm]</source>
        <translation>Eccentricity of the thrust line at the right springing [mm]</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Next --&gt;</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Title :</translation>
    </message>
    <message>
        <source>Units kN - m</source>
        <translation>Units kN - m</translation>
    </message>
    <message>
        <source>Segments n.</source>
        <translation>Segments n.</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometry</translation>
    </message>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Error: Check Geometry</translation>
    </message>
    <message>
        <source>%1: the wall takes %2 voussoirs, the arch springs at y = %3 m (%4 m above the ring&apos;s end)</source>
        <translation>%1: the wall takes %2 voussoirs, the arch springs at y = %3 m (%4 m above the ring&apos;s end)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Springings raised by the upper walls.</source>
        <translation>Springings raised by the upper walls.</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormInfo</name>
    <message>
        <source>About Program Voro</source>
        <translation>About Program Voro</translation>
    </message>
    <message>
        <source>Assessment of masonry arches and vaults</source>
        <translation>Assessment of masonry arches and vaults</translation>
    </message>
    <message>
        <source>Voro, version %1</source>
        <translation>Voro, version %1</translation>
    </message>
    <message>
        <source>Limit analysis by three-hinged thrust lines</source>
        <translation>Limit analysis by three-hinged thrust lines</translation>
    </message>
    <message>
        <source>The Voro developers</source>
        <translation>The Voro developers</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cannot open the browser for %1</source>
        <translation>Cannot open the browser for %1</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormOpzioni</name>
    <message>
        <source>Solve options</source>
        <translation>Solve options</translation>
    </message>
    <message>
        <source>Optimize thrust-line</source>
        <translation>Optimize thrust-line</translation>
    </message>
    <message>
        <source>Number of divisions of the ring thickness for the optimization</source>
        <translation>Number of divisions of the ring thickness for the optimization</translation>
    </message>
    <message>
        <source>Approximation of the thrust-line optimization [mm]</source>
        <translation>Approximation of the thrust-line optimization [mm]</translation>
    </message>
    <message>
        <source>Optimize eccentricity</source>
        <translation>Optimize eccentricity</translation>
    </message>
    <message>
        <source>Steps n.</source>
        <translation>Steps n.</translation>
    </message>
    <message>
        <source>Approx. [mm]</source>
        <translation>Approx. [mm]</translation>
    </message>
    <message>
        <source>Passive pressures</source>
        <translation>Passive pressures</translation>
    </message>
    <message>
        <source>Coefficient of passive pressure</source>
        <translation>Coefficient of passive pressure</translation>
    </message>
    <message>
        <source>Number of voussoirs to which apply passive pressures starting from left springing</source>
        <translation>Number of voussoirs to which apply passive pressures starting from left springing</translation>
    </message>
    <message>
        <source>Number of voussoirs to which apply passive pressures starting from right springing</source>
        <translation>Number of voussoirs to which apply passive pressures starting from right springing</translation>
    </message>
    <message>
        <source>Kp</source>
        <translation>Kp</translation>
    </message>
    <message>
        <source>first</source>
        <translation>first</translation>
    </message>
    <message>
        <source>voussoirs</source>
        <translation>voussoirs</translation>
    </message>
    <message>
        <source>last</source>
        <translation>last</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Estimated time of the search</source>
        <translation>Estimated time of the search</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop optimization</source>
        <translation>Stop optimization</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormRisultati</name>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Max compression stress at extrados (negative if traction)</source>
        <translation>Max compression stress at extrados (negative if traction)</translation>
    </message>
    <message>
        <source>Section number</source>
        <translation>Section number</translation>
    </message>
    <message>
        <source>Max compression stress at intrados (negative if traction)</source>
        <translation>Max compression stress at intrados (negative if traction)</translation>
    </message>
    <message>
        <source>Min percent of compressed section (0 if traction)</source>
        <translation>Min percent of compressed section (0 if traction)</translation>
    </message>
    <message>
        <source>sig_e [MPa]</source>
        <translation>sig_e [MPa]</translation>
    </message>
    <message>
        <source>sig_i [MPa]</source>
        <translation>sig_i [MPa]</translation>
    </message>
    <message>
        <source>%comp</source>
        <translation>%comp</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Sect.</source>
        <translation>Sect.</translation>
    </message>
    <message>
        <source>Horizontal force of the left support on the arch, positive toward the arch</source>
        <translation>Horizontal force of the left support on the arch, positive toward the arch</translation>
    </message>
    <message>
        <source>Horizontal force of the right support on the arch, positive toward the arch</source>
        <translation>Horizontal force of the right support on the arch, positive toward the arch</translation>
    </message>
    <message>
        <source>Vertical force at the left springing</source>
        <translation>Vertical force at the left springing</translation>
    </message>
    <message>
        <source>Vertical force at the right springing</source>
        <translation>Vertical force at the right springing</translation>
    </message>
    <message>
        <source>Tie thrust (if tie is positioned at springers)</source>
        <translation>Tie thrust (if tie is positioned at springers)</translation>
    </message>
    <message>
        <source>Hl [kN]</source>
        <translation>Hl [kN]</translation>
    </message>
    <message>
        <source>Hr [kN]</source>
        <translation>Hr [kN]</translation>
    </message>
    <message>
        <source>Vl [kN]</source>
        <translation>Vl [kN]</translation>
    </message>
    <message>
        <source>Vr [kN]</source>
        <translation>Vr [kN]</translation>
    </message>
    <message>
        <source>[kN]</source>
        <translation>[kN]</translation>
    </message>
    <message>
        <source>Resultant of the passive pressures next to the left springing, positive toward the crown</source>
        <translation>Resultant of the passive pressures next to the left springing, positive toward the crown</translation>
    </message>
    <message>
        <source>Resultant of the passive pressures next to the right springing, positive toward the crown</source>
        <translation>Resultant of the passive pressures next to the right springing, positive toward the crown</translation>
    </message>
    <message>
        <source>Moment of the passive pressures about the left extrados end of the ring</source>
        <translation>Moment of the passive pressures about the left extrados end of the ring</translation>
    </message>
    <message>
        <source>Moment of the passive pressures about the right extrados end of the ring</source>
        <translation>Moment of the passive pressures about the right extrados end of the ring</translation>
    </message>
    <message>
        <source>Ml [kNm]</source>
        <translation>Ml [kNm]</translation>
    </message>
    <message>
        <source>Mr [kNm]</source>
        <translation>Mr [kNm]</translation>
    </message>
    <message>
        <source>Pl [kN]</source>
        <translation>Pl [kN]</translation>
    </message>
    <message>
        <source>Pr [kN]</source>
        <translation>Pr [kN]</translation>
    </message>
    <message>
        <source>Optimal eccentricities [mm]</source>
        <translation>Optimal eccentricities [mm]</translation>
    </message>
    <message>
        <source>Left springing el</source>
        <translation>Left springing el</translation>
    </message>
    <message>
        <source>Crown           ec</source>
        <translation>Crown           ec</translation>
    </message>
    <message>
        <source>Right spring.  er</source>
        <translation>Right spring.  er</translation>
    </message>
    <message>
        <source>Set as start values</source>
        <translation>Set as start values</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Enlarge</translation>
    </message>
    <message>
        <source>Worst values</source>
        <translation>Worst values</translation>
    </message>
    <message>
        <source>Reactions at springings</source>
        <translation>Reactions at springings</translation>
    </message>
    <message>
        <source>Walls reactions</source>
        <translation>Walls reactions</translation>
    </message>
    <message>
        <source>Tie thrust</source>
        <translation>Tie thrust</translation>
    </message>
    <message>
        <source>N [kN]</source>
        <translation>N [kN]</translation>
    </message>
    <message>
        <source>T [kN]</source>
        <translation>T [kN]</translation>
    </message>
    <message>
        <source>e [mm]</source>
        <translation>e [mm]</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Reduce</translation>
    </message>
    <message>
        <source>The search was stopped before its end: the hinges are the best point found so far, on a grid of %1 mm.</source>
        <translation>The search was stopped before its end: the hinges are the best point found so far, on a grid of %1 mm.</translation>
    </message>
</context>
<context>
    <name>voro::ui::GrigliaSegmenti</name>
    <message>
        <source> Segm.</source>
        <translation> Segm.</translation>
    </message>
    <message>
        <source>vouss. n°</source>
        <translation>vouss. n°</translation>
    </message>
    <message>
        <source> Segm. %1</source>
        <translation> Segm. %1</translation>
    </message>
</context>
<context>
    <name>voro::ui::PannelloVeicolo</name>
    <message>
        <source>Drive the vehicle along the bridge: the position of its first axle</source>
        <translation>Drive the vehicle along the bridge: the position of its first axle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Forward: the other axles at x + d; backward: at x - d</source>
        <translation>Forward: the other axles at x + d; backward: at x - d</translation>
    </message>
    <message>
        <source>&amp;Worst position</source>
        <translation>&amp;Worst position</translation>
    </message>
    <message>
        <source>live-load factor %1, mechanism %2</source>
        <translation>live-load factor %1, mechanism %2</translation>
    </message>
    <message>
        <source>no collapse by the variable load at this position</source>
        <translation>no collapse by the variable load at this position</translation>
    </message>
    <message>
        <source> — worst %1 at x = %2 m (%3)</source>
        <translation> — worst %1 at x = %2 m (%3)</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>backward</translation>
    </message>
    <message>
        <source>Characteristic loads, first axle at x = %1 m: </source>
        <translation>Characteristic loads, first axle at x = %1 m: </translation>
    </message>
</context>
<context>
    <name>voro::ui::TabellaCampate</name>
    <message>
        <source>L [m]</source>
        <translation>L [m]</translation>
    </message>
    <message>
        <source>h [m]</source>
        <translation>h [m]</translation>
    </message>
    <message>
        <source>t [m]</source>
        <translation>t [m]</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>fc [MPa]</source>
        <translation>fc [MPa]</translation>
    </message>
    <message>
        <source>Level [m]</source>
        <translation>Level [m]</translation>
    </message>
    <message>
        <source>Pier b [m]</source>
        <translation>Pier b [m]</translation>
    </message>
    <message>
        <source>Pier H [m]</source>
        <translation>Pier H [m]</translation>
    </message>
    <message>
        <source>Batter left</source>
        <translation>Batter left</translation>
    </message>
    <message>
        <source>Batter right</source>
        <translation>Batter right</translation>
    </message>
    <message>
        <source>Pier γ [kN/m³]</source>
        <translation>Pier γ [kN/m³]</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Spans and piers</translation>
    </message>
    <message>
        <source>One row a span: the first is the ring above; each further span has its ring, the level of its left springing above the first span&apos;s and the pier on its left (width at the springings, height from its foundation, batters horizontal over vertical, unit weight).</source>
        <translation>One row a span: the first is the ring above; each further span has its ring, the level of its left springing above the first span&apos;s and the pier on its left (width at the springings, height from its foundation, batters horizontal over vertical, unit weight).</translation>
    </message>
    <message>
        <source>Add span</source>
        <translation>Add span</translation>
    </message>
    <message>
        <source>Remove span</source>
        <translation>Remove span</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>The span moves with the pier on its left</source>
        <translation>The span moves with the pier on its left</translation>
    </message>
    <message>
        <source>segments</source>
        <translation>segments</translation>
    </message>
    <message>
        <source>Span %1</source>
        <translation>Span %1</translation>
    </message>
    <message>
        <source>Span %1, %2: not a number</source>
        <translation>Span %1, %2: not a number</translation>
    </message>
    <message>
        <source>Ring...</source>
        <translation>Ring...</translation>
    </message>
    <message>
        <source>The ring of the current span: one circle, or a chain of segments</source>
        <translation>The ring of the current span: one circle, or a chain of segments</translation>
    </message>
</context>
<context>
    <name>voro::ui::ValidatoreCodicePagina</name>
    <message>
        <source>&quot;%1&quot; (U+%2) cannot be kept in the project file, whose code page (Windows-1252) lacks it: type another letter.</source>
        <translation>&quot;%1&quot; (U+%2) cannot be kept in the project file, whose code page (Windows-1252) lacks it: type another letter.</translation>
    </message>
</context>
<context>
    <name>voro::ui::ValutatoreSicurezza</name>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Error: Check Geometry</translation>
    </message>
</context>
<context>
    <name>voro::ui::VistaZoom</name>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>&amp;Export Plot...</source>
        <translation>&amp;Export Plot...</translation>
    </message>
</context>
</TS>
