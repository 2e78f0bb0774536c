<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ComandiRapporto</name>
    <message>
        <source>%1 - calculation report</source>
        <translation>%1 - relazione di calcolo</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Text Files (*.txt)|*.txt</source>
        <translation>Tutti i file (*.*)|*.*|File di testo (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>the geometry has not been read: enter it and press Next on the geometry form.</source>
        <translation>la geometria non è stata letta: inserirla e premere Avanti nel form della geometria.</translation>
    </message>
    <message>
        <source>the project has not been solved: use Solve.</source>
        <translation>il progetto non è stato risolto: usare Risolvi.</translation>
    </message>
    <message>
        <source>the calculation failed: %1</source>
        <translation>il calcolo è fallito: %1</translation>
    </message>
    <message>
        <source>the data have changed since the last solution: solve the project again.</source>
        <translation>i dati sono cambiati dall&apos;ultima soluzione: risolvere di nuovo il progetto.</translation>
    </message>
</context>
<context>
    <name>Dialoghi</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Save changes to the new project?</source>
        <translation>Salvare le modifiche al nuovo progetto?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
</context>
<context>
    <name>Diffusione</name>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>EsportaPlot</name>
    <message>
        <source>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</source>
        <translation>Tutti i file (*.*)|*.*|File per Autocad (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>While printing, this error occurred: %1<byte value="xd"/>%2</source>
        <translation>Si è verificato durante il processo di stampa il seguente errore: %1<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf</source>
        <translation>Immagine PNG (*.png)|*.png|Disegno SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: </source>
        <translation>Impossibile scrivere il file %1: </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla modifica: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti modifica: %1</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Sovrapponi</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>Chiudi &amp;tutte</translation>
    </message>
    <message>
        <source>Non c&apos;è nessun disegno: risolvere l&apos;arco o tracciarne la geometria.</source>
        <translation>Non c&apos;è nessun disegno: risolvere l&apos;arco o tracciarne la geometria.</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Esporta il &amp;disegno...</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Loads</source>
        <translation>Carichi</translation>
    </message>
    <message>
        <source>Start eccentricities</source>
        <translation>Eccentricità iniziali</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dati</translation>
    </message>
</context>
<context>
    <name>Rapporto</name>
    <message>
        <source>Calculation report</source>
        <translation>Relazione di calcolo</translation>
    </message>
    <message>
        <source>Figure %1: </source>
        <translation>Figura %1: </translation>
    </message>
    <message>
        <source> (drawn in the PDF and HTML reports).</source>
        <translation> (disegnata nelle relazioni PDF e HTML).</translation>
    </message>
    <message>
        <source>The drawing could not be made.</source>
        <translation>Non è stato possibile fare il disegno.</translation>
    </message>
    <message>
        <source>Drawings</source>
        <translation>Disegni</translation>
    </message>
    <message>
        <source>Voro - arch assessment by limit analysis</source>
        <translation>Voro - verifica di archi con l&apos;analisi limite</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandezza</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>intrados</source>
        <translation>intradosso</translation>
    </message>
    <message>
        <source>extrados</source>
        <translation>estradosso</translation>
    </message>
    <message>
        <source>Hinge</source>
        <translation>Cerniera</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>Faccia</translation>
    </message>
    <message>
        <source>Safety assessment</source>
        <translation>Verifica di sicurezza</translation>
    </message>
    <message>
        <source>Geometric safety</source>
        <translation>Sicurezza geometrica</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression: the arch cannot stand under its loads.</source>
        <translation>Nessuna curva delle pressioni tiene compresso ogni giunto: l&apos;arco non può stare in piedi sotto i suoi carichi.</translation>
    </message>
    <message>
        <source>Thickness ratio of the line of least eccentricity</source>
        <translation>Rapporto di spessore della curva di minima eccentricità</translation>
    </message>
    <message>
        <source>The thrust line follows the centre of every joint (s = 0): the ring is the funicular of its loads.</source>
        <translation>La curva delle pressioni segue il centro di ogni giunto (s = 0): l&apos;anello è la funicolare dei suoi carichi.</translation>
    </message>
    <message>
        <source> That line is approached only as the thrust grows without limit.</source>
        <translation> Quella curva si raggiunge solo al crescere illimitato della spinta.</translation>
    </message>
    <message>
        <source> It touches the reduced section at sections </source>
        <translation> Tocca la sezione ridotta alle sezioni </translation>
    </message>
    <message>
        <source>Thrust range</source>
        <translation>Campo della spinta</translation>
    </message>
    <message>
        <source>None: no thrust line fits within the masonry.</source>
        <translation>Nessuno: nessuna curva delle pressioni sta nella muratura.</translation>
    </message>
    <message>
        <source>The horizontal force of the left support on the arch over all thrust lines within the masonry: the least is what the arch needs when its supports spread apart, the largest what a tie or an abutment may have to take when they are pushed together.</source>
        <translation>La forza orizzontale dell&apos;appoggio sinistro sull&apos;arco su tutte le curve delle pressioni nella muratura: la minima è quella che serve all&apos;arco quando gli appoggi si allontanano, la massima quella che una catena o una spalla può dover portare quando si avvicinano.</translation>
    </message>
    <message>
        <source>Least thrust</source>
        <translation>Spinta minima</translation>
    </message>
    <message>
        <source>Largest thrust</source>
        <translation>Spinta massima</translation>
    </message>
    <message>
        <source>no upper limit</source>
        <translation>nessun limite superiore</translation>
    </message>
    <message>
        <source>Live-load factor</source>
        <translation>Moltiplicatore del carico variabile</translation>
    </message>
    <message>
        <source>Live-load factor at collapse</source>
        <translation>Moltiplicatore del carico variabile al collasso</translation>
    </message>
    <message>
        <source>No finite factor: the variable load alone can never turn the arch into a mechanism.</source>
        <translation>Nessun moltiplicatore finito: il solo carico variabile non può mai trasformare l&apos;arco in un meccanismo.</translation>
    </message>
    <message>
        <source>None: the project has no variable load.</source>
        <translation>Nessuno: il progetto non ha carico variabile.</translation>
    </message>
    <message>
        <source>None: not even without the variable load does a thrust line fit.</source>
        <translation>Nessuno: nemmeno senza il carico variabile una curva delle pressioni sta nella muratura.</translation>
    </message>
    <message>
        <source>Worst load position</source>
        <translation>Posizione peggiore del carico</translation>
    </message>
    <message>
        <source>Not computed: the project has no strip load.</source>
        <translation>Non calcolato: il progetto non ha carico a striscia.</translation>
    </message>
    <message>
        <source>Not computed: no positions asked for.</source>
        <translation>Non calcolato: nessuna posizione richiesta.</translation>
    </message>
    <message>
        <source>The strip of </source>
        <translation>La striscia di </translation>
    </message>
    <message>
        <source> m moved across the structure in </source>
        <translation> m spostata lungo la struttura in </translation>
    </message>
    <message>
        <source> positions, the loads and passive pressure computed afresh at each: </source>
        <translation> posizioni, i carichi e la spinta passiva ricalcolati a ciascuna: </translation>
    </message>
    <message>
        <source>the least live-load factor is </source>
        <translation>il minimo moltiplicatore del carico variabile è </translation>
    </message>
    <message>
        <source> with the strip from x = </source>
        <translation> con la striscia da x = </translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Coefficiente</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Minimum thickness</source>
        <translation>Spessore minimo</translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation>Non calcolato.</translation>
    </message>
    <message>
        <source>Not found between a thousandth and a thousand times the project&apos;s thickness.</source>
        <translation>Non trovato fra un millesimo e mille volte lo spessore del progetto.</translation>
    </message>
    <message>
        <source>Thinnest segment at the least thickness</source>
        <translation>Segmento più sottile allo spessore minimo</translation>
    </message>
    <message>
        <source>Least thickness factor</source>
        <translation>Fattore di spessore minimo</translation>
    </message>
    <message>
        <source>Hinges at the least thickness: sections </source>
        <translation>Cerniere allo spessore minimo: sezioni </translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity</source>
        <translation>Curva delle pressioni di minima eccentricità</translation>
    </message>
    <message>
        <source>Section by section: the normal force, the eccentricity and the part of the half depth it uses.</source>
        <translation>Sezione per sezione: lo sforzo normale, l&apos;eccentricità e la parte della semialtezza che essa usa.</translation>
    </message>
    <message>
        <source>Sect.</source>
        <translation>Sez.</translation>
    </message>
    <message>
        <source>largest distance from the edges</source>
        <translation>massima distanza dai bordi</translation>
    </message>
    <message>
        <source>smallest peak compression</source>
        <translation>minima compressione di picco</translation>
    </message>
    <message>
        <source>Thrust line through the given eccentricities.</source>
        <translation>Curva delle pressioni per le eccentricità date.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>No voussoir model: </source>
        <translation>Nessun modello a conci: </translation>
    </message>
    <message>
        <source>Voussoirs of the ring</source>
        <translation>Conci dell&apos;anello</translation>
    </message>
    <message>
        <source>Sections (joints)</source>
        <translation>Sezioni (giunti)</translation>
    </message>
    <message>
        <source>Crown voussoir</source>
        <translation>Concio in chiave</translation>
    </message>
    <message>
        <source>Wall voussoirs, left</source>
        <translation>Conci di parete, sinistra</translation>
    </message>
    <message>
        <source>Wall voussoirs, right</source>
        <translation>Conci di parete, destra</translation>
    </message>
    <message>
        <source>Left end of the structure</source>
        <translation>Estremo sinistro della struttura</translation>
    </message>
    <message>
        <source>Right end of the structure</source>
        <translation>Estremo destro della struttura</translation>
    </message>
    <message>
        <source>Lowest intrados</source>
        <translation>Intradosso più basso</translation>
    </message>
    <message>
        <source>Highest extrados</source>
        <translation>Estradosso più alto</translation>
    </message>
    <message>
        <source>Top of the fill</source>
        <translation>Sommità del riempimento</translation>
    </message>
    <message>
        <source>Top of the slab</source>
        <translation>Sommità della soletta</translation>
    </message>
    <message>
        <source>Depth of the joint, left springing</source>
        <translation>Altezza del giunto, imposta sinistra</translation>
    </message>
    <message>
        <source>Depth of the joint, crown</source>
        <translation>Altezza del giunto, chiave</translation>
    </message>
    <message>
        <source>Depth of the joint, right springing</source>
        <translation>Altezza del giunto, imposta destra</translation>
    </message>
    <message>
        <source>Total weights</source>
        <translation>Pesi totali</translation>
    </message>
    <message>
        <source>The vertical loads the voussoirs of the ring carry, summed over the whole ring.</source>
        <translation>I carichi verticali portati dai conci dell&apos;anello, sommati su tutto l&apos;anello.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carichi</translation>
    </message>
    <message>
        <source>Masonry of the ring</source>
        <translation>Muratura dell&apos;anello</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>Soletta</translation>
    </message>
    <message>
        <source>Live load</source>
        <translation>Carico variabile</translation>
    </message>
    <message>
        <source>Total vertical load</source>
        <translation>Carico verticale totale</translation>
    </message>
    <message>
        <source>Geometry: voussoirs, walls, fill, slab, live load and plan view (lengths in m)</source>
        <translation>Geometria: conci, pareti, riempimento, soletta, carico variabile e pianta (lunghezze in m)</translation>
    </message>
    <message>
        <source>Rigid voussoirs. The ring is a chain of rigid voussoirs that bear on each other at plane joints; the walls beside the outer springings and the solid backing are the supports. The voussoirs do not slide on each other.</source>
        <translation>Conci rigidi. L&apos;anello è una catena di conci rigidi che si appoggiano l&apos;uno sull&apos;altro in giunti piani; le pareti accanto alle imposte esterne e il rinfianco solido sono gli appoggi. I conci non scorrono l&apos;uno sull&apos;altro.</translation>
    </message>
    <message>
        <source>No tension. The masonry takes no tension and its compressive strength is not limited by the calculation: a joint whose thrust point lies within its middle third is compressed over its whole depth with a linear distribution; beyond it, over three times the distance of the thrust point from the nearer edge, with a triangular distribution. The stresses are to be compared with the strength of the masonry by the engineer.</source>
        <translation>Nessuna trazione. La muratura non resiste a trazione e la sua resistenza a compressione non è limitata dal calcolo: un giunto il cui centro di pressione sta nel terzo medio è compresso su tutta l&apos;altezza con distribuzione lineare; fuori da esso, su tre volte la distanza del centro di pressione dal bordo più vicino, con distribuzione triangolare. Le tensioni vanno confrontate dall&apos;ingegnere con la resistenza della muratura.</translation>
    </message>
    <message>
        <source>Loads. Each voussoir carries its own weight, the fill and the slab over the vertical strip between its extrados corners, and the live load q over the part of that strip between xq1 and xq2, all over the width of the vault.</source>
        <translation>Carichi. Ogni concio porta il proprio peso, il riempimento e la soletta sopra la striscia verticale fra i suoi spigoli d&apos;estradosso, e il carico variabile q sulla parte di quella striscia fra xq1 e xq2, il tutto sulla larghezza della volta.</translation>
    </message>
    <message>
        <source> The voussoirs next to the springings (</source>
        <translation> I conci vicini alle imposte (</translation>
    </message>
    <message>
        <source> on the left, </source>
        <translation> a sinistra, </translation>
    </message>
    <message>
        <source> on the right) also carry a horizontal passive pressure: Kp times the slope of their extrados times the vertical load resting on it.</source>
        <translation> a destra) portano anche una spinta passiva orizzontale: Kp per la pendenza del loro estradosso per il carico verticale che vi grava.</translation>
    </message>
    <message>
        <source>Placing the hinges. The hinges lie at the start eccentricities given with the data (el, ec, er).</source>
        <translation>Posizione delle cerniere. Le cerniere stanno alle eccentricità iniziali date con i dati (el, ec, er).</translation>
    </message>
    <message>
        <source>Placing the hinges. The search was asked for with no steps (n = </source>
        <translation>Posizione delle cerniere. La ricerca è stata chiesta senza passi (n = </translation>
    </message>
    <message>
        <source>): it has no grid on which to place the hinges.</source>
        <translation>): non ha una griglia su cui porre le cerniere.</translation>
    </message>
    <message>
        <source>Placing the hinges. An exhaustive search over a grid of </source>
        <translation>Posizione delle cerniere. Una ricerca esaustiva su una griglia di </translation>
    </message>
    <message>
        <source> hinge eccentricities across the three joint depths, followed by a finer grid one step on either side of the best point. Figure of merit: </source>
        <translation> eccentricità delle cerniere sulle altezze dei tre giunti, seguita da una griglia più fine di un passo attorno al punto migliore. Criterio di merito: </translation>
    </message>
    <message>
        <source>the largest distance of the thrust line from the nearer edge of any joint.</source>
        <translation>la massima distanza della curva delle pressioni dal bordo più vicino di ogni giunto.</translation>
    </message>
    <message>
        <source>the smallest peak compression at the joint edges, a thrust line that keeps every joint compressed being preferred to one with tension, and among those with tension the one whose largest tension is least.</source>
        <translation>la minima compressione di picco ai bordi dei giunti, preferendo una curva che tiene compresso ogni giunto a una con trazione, e fra quelle con trazione quella la cui massima trazione è minore.</translation>
    </message>
    <message>
        <source> Grid precision reached: </source>
        <translation> Precisione della griglia raggiunta: </translation>
    </message>
    <message>
        <source> mm.</source>
        <translation> mm.</translation>
    </message>
    <message>
        <source>Signs and units. Lengths in m, forces in kN, stresses in MPa with compression positive; eccentricities in mm along the joint from its centre, positive toward the extrados; x to the right, y upward; reactions are the forces of the supports on the arch.</source>
        <translation>Segni e unità. Lunghezze in m, forze in kN, tensioni in MPa con compressione positiva; eccentricità in mm lungo il giunto dal suo centro, positive verso l&apos;estradosso; x verso destra, y verso l&apos;alto; le reazioni sono le forze degli appoggi sull&apos;arco.</translation>
    </message>
    <message>
        <source>No results: </source>
        <translation>Nessun risultato: </translation>
    </message>
    <message>
        <source>Eccentricities used</source>
        <translation>Eccentricità usate</translation>
    </message>
    <message>
        <source>left springing el</source>
        <translation>imposta sinistra el</translation>
    </message>
    <message>
        <source>crown ec</source>
        <translation>chiave ec</translation>
    </message>
    <message>
        <source>right springing er</source>
        <translation>imposta destra er</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sezioni</translation>
    </message>
    <message>
        <source>Worst values</source>
        <translation>Valori peggiori</translation>
    </message>
    <message>
        <source>A worst stress is the largest compression when no joint edge is in tension, otherwise the largest tension (negative); a compressed part below 100 % means the joint opens on one side.</source>
        <translation>La tensione peggiore è la massima compressione quando nessun bordo di giunto è teso, altrimenti la massima trazione (negativa); una parte compressa sotto il 100 % significa che il giunto si apre da un lato.</translation>
    </message>
    <message>
        <source>Extrados stress</source>
        <translation>Tensione all&apos;estradosso</translation>
    </message>
    <message>
        <source>Intrados stress</source>
        <translation>Tensione all&apos;intradosso</translation>
    </message>
    <message>
        <source>Smallest compressed part</source>
        <translation>Minima parte compressa</translation>
    </message>
    <message>
        <source>Reactions at springings</source>
        <translation>Reazioni alle imposte</translation>
    </message>
    <message>
        <source>Horizontal force, left springing</source>
        <translation>Forza orizzontale, imposta sinistra</translation>
    </message>
    <message>
        <source>Vertical force, left springing</source>
        <translation>Forza verticale, imposta sinistra</translation>
    </message>
    <message>
        <source>Horizontal force, right springing</source>
        <translation>Forza orizzontale, imposta destra</translation>
    </message>
    <message>
        <source>Vertical force, right springing</source>
        <translation>Forza verticale, imposta destra</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>(untitled)</source>
        <translation>(senza titolo)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>(not saved)</source>
        <translation>(non salvato)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Redatto</translation>
    </message>
    <message>
        <source>Input data</source>
        <translation>Dati di ingresso</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>One circular ring, its intrados from the left springing at the origin.</source>
        <translation>Un anello circolare, il suo intradosso dall&apos;imposta sinistra nell&apos;origine.</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Voussoirs</source>
        <translation>Conci</translation>
    </message>
    <message>
        <source>Segments</source>
        <translation>Segmenti</translation>
    </message>
    <message>
        <source>A chain of </source>
        <translation>Una catena di </translation>
    </message>
    <message>
        <source> circular segments of the intrados, each through an intermediate point (x2, y2) to its end point (x3, y3); the first starts at the origin, every other one where the previous ends.</source>
        <translation> segmenti circolari dell&apos;intradosso, ciascuno per un punto intermedio (x2, y2) fino al suo punto finale (x3, y3); il primo parte dall&apos;origine, ogni altro dove finisce il precedente.</translation>
    </message>
    <message>
        <source>Segm.</source>
        <translation>Segm.</translation>
    </message>
    <message>
        <source>Overall span</source>
        <translation>Luce complessiva</translation>
    </message>
    <message>
        <source>Fill, slab, weights, widths and walls</source>
        <translation>Riempimento, soletta, pesi, larghezze e pareti</translation>
    </message>
    <message>
        <source>Unit weight of the masonry</source>
        <translation>Peso specifico della muratura</translation>
    </message>
    <message>
        <source>Fill above the crown</source>
        <translation>Riempimento sopra la chiave</translation>
    </message>
    <message>
        <source>Unit weight of the fill</source>
        <translation>Peso specifico del riempimento</translation>
    </message>
    <message>
        <source>Slab on the fill</source>
        <translation>Soletta sul riempimento</translation>
    </message>
    <message>
        <source>Unit weight of the slab</source>
        <translation>Peso specifico della soletta</translation>
    </message>
    <message>
        <source>Width of the vault</source>
        <translation>Larghezza della volta</translation>
    </message>
    <message>
        <source>Width at the crown</source>
        <translation>Larghezza in chiave</translation>
    </message>
    <message>
        <source>Protrusion of the upper walls</source>
        <translation>Sporgenza delle pareti superiori</translation>
    </message>
    <message>
        <source>Depth of the solid backing</source>
        <translation>Profondità del rinfianco solido</translation>
    </message>
    <message>
        <source>A uniformly distributed load on top of the slab between the abscissae xq1 and xq2.</source>
        <translation>Un carico uniformemente distribuito sulla soletta fra le ascisse xq1 e xq2.</translation>
    </message>
    <message>
        <source>Distributed load</source>
        <translation>Carico distribuito</translation>
    </message>
    <message>
        <source>Load from</source>
        <translation>Carico da</translation>
    </message>
    <message>
        <source>Load to</source>
        <translation>Carico a</translation>
    </message>
    <message>
        <source>Passive pressure</source>
        <translation>Spinta passiva</translation>
    </message>
    <message>
        <source>Passive pressures applied</source>
        <translation>Spinte passive applicate</translation>
    </message>
    <message>
        <source>Coefficient of passive pressure</source>
        <translation>Coefficiente di spinta passiva</translation>
    </message>
    <message>
        <source>Voussoirs from the left springing</source>
        <translation>Conci dall&apos;imposta sinistra</translation>
    </message>
    <message>
        <source>Voussoirs from the right springing</source>
        <translation>Conci dall&apos;imposta destra</translation>
    </message>
    <message>
        <source>Thrust line and search options</source>
        <translation>Curva delle pressioni e opzioni della ricerca</translation>
    </message>
    <message>
        <source>Start eccentricity, left springing</source>
        <translation>Eccentricità iniziale, imposta sinistra</translation>
    </message>
    <message>
        <source>Start eccentricity, crown</source>
        <translation>Eccentricità iniziale, chiave</translation>
    </message>
    <message>
        <source>Start eccentricity, right springing</source>
        <translation>Eccentricità iniziale, imposta destra</translation>
    </message>
    <message>
        <source>Optimise the thrust line</source>
        <translation>Ottimizza la curva delle pressioni</translation>
    </message>
    <message>
        <source>Steps of the search</source>
        <translation>Passi della ricerca</translation>
    </message>
    <message>
        <source>Optimise the eccentricities (distance from the edges)</source>
        <translation>Ottimizza le eccentricità (distanza dai bordi)</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>pagina %1 di %2</translation>
    </message>
    <message>
        <source>inf: permanent loads favourable</source>
        <translation>inf: carichi permanenti favorevoli</translation>
    </message>
    <message>
        <source>sup: permanent loads unfavourable</source>
        <translation>sup: carichi permanenti sfavorevoli</translation>
    </message>
    <message>
        <source>joints that never slide</source>
        <translation>giunti che non scorrono mai</translation>
    </message>
    <message>
        <source>The verdict rests on the limit analysis of rigid voussoirs: no tensile strength; %1; %2.</source>
        <translation>L&apos;esito si fonda sull&apos;analisi limite di conci rigidi: nessuna resistenza a trazione; %1; %2.</translation>
    </message>
    <message>
        <source>The strip load stands where the project puts it.</source>
        <translation>Il carico a striscia sta dove lo pone il progetto.</translation>
    </message>
    <message>
        <source>The strip load covers the whole structure.</source>
        <translation>Il carico a striscia copre l&apos;intera struttura.</translation>
    </message>
    <message>
        <source>The strip load is moved across the structure in %1 positions and the least factor of all of them counts.</source>
        <translation>Il carico a striscia è spostato lungo la struttura in %1 posizioni e conta il minimo moltiplicatore fra tutte.</translation>
    </message>
    <message>
        <source>Conclusions</source>
        <translation>Conclusioni</translation>
    </message>
    <message>
        <source>No verdict: the voussoirs could not be built from the data, so the arch was neither solved nor assessed.</source>
        <translation>Nessun esito: i conci non si sono potuti costruire dai dati, quindi l&apos;arco non è stato né calcolato né verificato.</translation>
    </message>
    <message>
        <source>No verdict: the safety assessment of the arch could not be completed.</source>
        <translation>Nessun esito: la verifica di sicurezza dell&apos;arco non si è potuta completare.</translation>
    </message>
    <message>
        <source>No safety assessment was made for this report. The thrust line through three imposed points that the results show is one state of equilibrium among many: by itself it proves neither that the arch is safe nor that it fails. Assess the arch for a verdict.</source>
        <translation>Per questa relazione non è stata fatta alcuna verifica di sicurezza. La curva delle pressioni per tre punti imposti che i risultati mostrano è uno fra molti stati di equilibrio: da sola non prova né che l&apos;arco sia sicuro né che collassi. Verificare l&apos;arco per avere un giudizio.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 &lt; 1.</source>
        <translation>Esito: verifica non soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: il suo fattore di adeguatezza è %2 &lt; 1.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</source>
        <translation>Esito: verifica soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: nessun carico variabile di progetto, per quanto grande, può trasformarlo in un meccanismo.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: no design variable load, however large, can turn it into a mechanism.</source>
        <translation>Esito: verifica non soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: nessun carico variabile di progetto, per quanto grande, può trasformarlo in un meccanismo.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and a thrust line fits under the design permanent loads.</source>
        <translation>Esito: verifica soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: non ha carico variabile, e una curva delle pressioni sta nella muratura sotto i carichi permanenti di progetto.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: it has no variable load, and no thrust line fits under the design permanent loads.</source>
        <translation>Esito: verifica non soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: non ha carico variabile, e nessuna curva delle pressioni sta nella muratura sotto i carichi permanenti di progetto.</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</source>
        <translation>Esito: verifica soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: nemmeno i soli carichi permanenti di progetto trovano una curva delle pressioni nella muratura.</translation>
    </message>
    <message>
        <source>The arch is not adequate under the partial factors of the code basis &quot;%1&quot;: not even the design permanent loads alone find a thrust line within the masonry.</source>
        <translation>Esito: verifica non soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: nemmeno i soli carichi permanenti di progetto trovano una curva delle pressioni nella muratura.</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>adequate</source>
        <translation>verifica soddisfatta</translation>
    </message>
    <message>
        <source>not adequate</source>
        <translation>verifica non soddisfatta</translation>
    </message>
    <message>
        <source>Adequacy factor (design live-load factor)</source>
        <translation>Fattore di adeguatezza (moltiplicatore del carico variabile di progetto)</translation>
    </message>
    <message>
        <source>no finite factor</source>
        <translation>nessun fattore finito</translation>
    </message>
    <message>
        <source>Governing combination</source>
        <translation>Combinazione più gravosa</translation>
    </message>
    <message>
        <source>Adequacy factor, other combination (%1)</source>
        <translation>Fattore di adeguatezza, altra combinazione (%1)</translation>
    </message>
    <message>
        <source>Governing load</source>
        <translation>Carico che governa</translation>
    </message>
    <message>
        <source>%1 × γQ %2 with the strip load, axles at x = %3 to %4 m</source>
        <translation>%1 × γQ %2 con il carico a striscia, assi da x = %3 a %4 m</translation>
    </message>
    <message>
        <source>Mechanism: hinges at sections</source>
        <translation>Meccanismo: cerniere alle sezioni</translation>
    </message>
    <message>
        <source>Code basis</source>
        <translation>Riferimento normativo</translation>
    </message>
    <message>
        <source>%1, knowledge level %2</source>
        <translation>%1, livello di conoscenza %2</translation>
    </message>
    <message>
        <source>Partial factors</source>
        <translation>Coefficienti parziali</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Normativa e bibliografia</translation>
    </message>
    <message>
        <source>crushing hinge</source>
        <translation>cerniera per schiacciamento</translation>
    </message>
    <message>
        <source>sliding</source>
        <translation>scorrimento</translation>
    </message>
    <message>
        <source>hinge</source>
        <translation>cerniera</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>no tensile strength; </source>
        <translation>nessuna resistenza a trazione; </translation>
    </message>
    <message>
        <source>unlimited compressive strength (rigid voussoirs)</source>
        <translation>resistenza a compressione illimitata (conci rigidi)</translation>
    </message>
    <message>
        <source>; no sliding</source>
        <translation>; nessuno scorrimento</translation>
    </message>
    <message>
        <source>; passive pressure as a resistance the soil mobilises between 0 and %1 times its full value, only as far as the ring pushes into it</source>
        <translation>; spinta passiva come resistenza che il terreno mobilita fra 0 e %1 volte il suo valore pieno, solo dove l&apos;anello vi spinge contro</translation>
    </message>
    <message>
        <source>Safety: </source>
        <translation>Sicurezza: </translation>
    </message>
    <message>
        <source>the thrust line of least eccentricity (s = %1)</source>
        <translation>la curva delle pressioni di minima eccentricità (s = %1)</translation>
    </message>
    <message>
        <source> touching the reduced section at 1 joint</source>
        <translation> che tocca la sezione ridotta in 1 giunto</translation>
    </message>
    <message>
        <source> touching the reduced section at %1 joints</source>
        <translation> che tocca la sezione ridotta in %1 giunti</translation>
    </message>
    <message>
        <source>the arch; no thrust line keeps every joint in compression</source>
        <translation>l&apos;arco; nessuna curva delle pressioni mantiene compresso ogni giunto</translation>
    </message>
    <message>
        <source>; the collapse thrust line at %1 times the live load with its %2 hinges</source>
        <translation>; la curva delle pressioni di collasso a %1 volte il carico variabile con le sue %2 cerniere</translation>
    </message>
    <message>
        <source>; no collapse line: the live load at the project&apos;s strip alone can never make a mechanism</source>
        <translation>; nessuna curva di collasso: il solo carico variabile sulla striscia del progetto non può mai produrre un meccanismo</translation>
    </message>
    <message>
        <source> (lengths in m)</source>
        <translation> (lunghezze in m)</translation>
    </message>
    <message>
        <source>These figures assume masonry of unlimited compressive strength: they do not check crushing.</source>
        <translation>Questi valori presuppongono una muratura di resistenza a compressione illimitata: non verificano lo schiacciamento.</translation>
    </message>
    <message>
        <source>Depth ratio: joint depth to the depth the line needs</source>
        <translation>Rapporto fra l&apos;altezza del giunto e quella richiesta dalla curva</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry (the hypotheses above)</source>
        <translation>Una curva delle pressioni sta nella muratura (con le ipotesi sopra)</translation>
    </message>
    <message>
        <source>The thrust line of least eccentricity needs the part s = %1 of every joint&apos;s depth about its centre: each joint is 1/s = %2 times as deep as that line needs.</source>
        <translation>La curva delle pressioni di minima eccentricità usa la parte s = %1 dell&apos;altezza di ogni giunto attorno al suo centro: ogni giunto è 1/s = %2 volte più alto di quanto la curva richieda.</translation>
    </message>
    <message>
        <source> A thrust line fits within the masonry under the hypotheses above: by the safe theorem the arch stands under its loads.</source>
        <translation> Una curva delle pressioni sta nella muratura con le ipotesi sopra: per il teorema statico l&apos;arco sta in piedi sotto i suoi carichi.</translation>
    </message>
    <message>
        <source> No thrust line fits within the masonry under the hypotheses above, whatever the hinges: the arch cannot stand under its loads.</source>
        <translation> Nessuna curva delle pressioni sta nella muratura con le ipotesi sopra, quali che siano le cerniere: l&apos;arco non può stare in piedi sotto i suoi carichi.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism.</source>
        <translation>Il carico variabile può essere moltiplicato per %1 (pesi propri come dati) prima che la muratura non contenga più alcuna curva delle pressioni e l&apos;arco diventi un meccanismo.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 (dead loads as given) before a thrust line no longer fits and the arch turns into a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</source>
        <translation>Il carico variabile può essere moltiplicato per %1 (pesi propri come dati) prima che la muratura non contenga più alcuna curva delle pressioni e l&apos;arco diventi un meccanismo: meno di 1, l&apos;arco non può portare il carico variabile del progetto.</translation>
    </message>
    <message>
        <source>The collapse mechanism: %1 joints, each a hinge where the collapse thrust line touches an edge of the masonry or, where the masonry crushes, the edge of its stress block, or a joint that slides.</source>
        <translation>Il meccanismo di collasso: %1 giunti, ciascuno una cerniera dove la curva delle pressioni di collasso tocca un bordo della muratura o, dove la muratura si schiaccia, il bordo del suo blocco delle tensioni, oppure un giunto che scorre.</translation>
    </message>
    <message>
        <source>at no position can the variable load alone make the arch collapse, so no chart of the factor is drawn.</source>
        <translation>in nessuna posizione il solo carico variabile può far collassare l&apos;arco, quindi non si disegna il grafico del moltiplicatore.</translation>
    </message>
    <message>
        <source>Geometric factor of safety (Heyman)</source>
        <translation>Coefficiente di sicurezza geometrico (Heyman)</translation>
    </message>
    <message>
        <source>Heyman&apos;s geometric factor of safety t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads.</source>
        <translation>Coefficiente di sicurezza geometrico di Heyman t/tmin = %1: l&apos;anello è altrettante volte più spesso dell&apos;anello più sottile della stessa forma che contiene ancora una curva delle pressioni sotto gli stessi carichi.</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the strip load (its left end xq1, m), the least factor %1 marked</source>
        <translation>Moltiplicatore del carico variabile in funzione della posizione del carico a striscia (il suo estremo sinistro xq1, m), segnato il minimo %1</translation>
    </message>
    <message>
        <source>Vehicle: %1</source>
        <translation>Veicolo: %1</translation>
    </message>
    <message>
        <source>Wheel track</source>
        <translation>Interasse delle ruote</translation>
    </message>
    <message>
        <source>Contact width across</source>
        <translation>Larghezza d&apos;impronta trasversale</translation>
    </message>
    <message>
        <source>Spread through the fill</source>
        <translation>Diffusione nel riempimento</translation>
    </message>
    <message>
        <source>%1 (%2 degrees)</source>
        <translation>%1 (%2 gradi)</translation>
    </message>
    <message>
        <source>Step of the sweep</source>
        <translation>Passo dello spostamento</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>At no position can the variable load make the arch collapse.</source>
        <translation>In nessuna posizione il carico variabile può far collassare l&apos;arco.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>in avanti</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>all&apos;indietro</translation>
    </message>
    <message>
        <source>Moved in %1 positions, both ways, the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m, driven %4.</source>
        <translation>Spostato in %1 posizioni, nei due sensi, il minimo moltiplicatore affinato a 0,1 mm di posizione: il moltiplicatore del carico variabile è %2 con il primo asse in x = %3 m, percorso %4.</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the vehicle&apos;s first axle (m), each way it is driven, the least factor marked</source>
        <translation>Moltiplicatore del carico variabile in funzione della posizione del primo asse del veicolo (m), in ciascun senso di marcia, segnato il minimo</translation>
    </message>
    <message>
        <source>The vehicle at its worst position: the axles&apos; loads at collapse, their spread through the fill and the collapse thrust line with its four hinges (lengths in m)</source>
        <translation>Il veicolo nella posizione peggiore: i carichi degli assi al collasso, la loro diffusione nel riempimento e la curva delle pressioni di collasso con le sue quattro cerniere (lunghezze in m)</translation>
    </message>
    <message>
        <source>inside the joint</source>
        <translation>interno al giunto</translation>
    </message>
    <message>
        <source>hinge, extrados edge</source>
        <translation>cerniera, bordo d&apos;estradosso</translation>
    </message>
    <message>
        <source>hinge, intrados edge</source>
        <translation>cerniera, bordo d&apos;intradosso</translation>
    </message>
    <message>
        <source>The upper walls move the springing above the ring&apos;s end:</source>
        <translation>Le pareti superiori (la muratura piena sopra le imposte) alzano l&apos;imposta sopra l&apos;estremo dell&apos;anello:</translation>
    </message>
    <message>
        <source> the left wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> la parete sinistra prende %1 concio dell&apos;anello e l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello</translation>
    </message>
    <message>
        <source> the left wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> la parete sinistra prende %1 conci dell&apos;anello e l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello</translation>
    </message>
    <message>
        <source> the right wall takes %1 voussoir of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> la parete destra prende %1 concio dell&apos;anello e l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello</translation>
    </message>
    <message>
        <source> the right wall takes %1 voussoirs of the ring and the arch springs at y = %2 m, %3 m above the ring&apos;s end</source>
        <translation> la parete destra prende %1 conci dell&apos;anello e l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello</translation>
    </message>
    <message>
        <source>. The calculation and the assessment hold for the arch between these springings.</source>
        <translation>. Il calcolo e la verifica valgono per l&apos;arco fra queste imposte.</translation>
    </message>
    <message>
        <source>Thrust line through the three points found by the search (figure of merit: %1; grid precision %2 mm).</source>
        <translation>Curva delle pressioni per i tre punti trovati dalla ricerca (criterio di merito: %1; precisione della griglia %2 mm).</translation>
    </message>
    <message>
        <source>Thrust line through the three points found by the search (figure of merit: %1).</source>
        <translation>Curva delle pressioni per i tre punti trovati dalla ricerca (criterio di merito: %1).</translation>
    </message>
    <message>
        <source>The ring is cut into rigid voussoirs numbered from left to right; section 1 is the left springing, section i + 1 the right joint of voussoir i. The crown point of the thrust line lies on the right joint of the crown voussoir, the first whose extrados reaches the top of the ring.</source>
        <translation>L&apos;anello è diviso in conci rigidi numerati da sinistra a destra; la sezione 1 è l&apos;imposta sinistra, la sezione i + 1 il giunto destro del concio i. Il punto in chiave della curva delle pressioni sta sul giunto destro del concio di chiave, il primo il cui estradosso raggiunge la sommità dell&apos;anello.</translation>
    </message>
    <message>
        <source>Crown section (crown point)</source>
        <translation>Sezione di chiave (punto in chiave)</translation>
    </message>
    <message>
        <source>Three points. The thrust line is made to pass through three points: at the left springing, at the crown joint and at the right springing. With the three points fixed the arch is statically determinate, as a three-hinged arch: the reactions follow from equilibrium and the thrust line is carried joint by joint. A point is a true hinge only where it lies on an edge of its joint.</source>
        <translation>Tre punti. La curva delle pressioni è fatta passare per tre punti: all&apos;imposta sinistra, al giunto di chiave e all&apos;imposta destra. Fissati i tre punti l&apos;arco è isostatico, come un arco a tre cerniere: le reazioni seguono dall&apos;equilibrio e la curva delle pressioni è costruita giunto per giunto. Un punto è una vera cerniera solo dove sta su un bordo del suo giunto.</translation>
    </message>
    <message>
        <source>The three points the calculation imposes on the thrust line, at the left springing, the crown joint and the right springing: their eccentricity from the centre of the joint (positive toward the extrados) and their position. A point is a hinge only where it lies on an edge of its joint; inside the joint the masonry there stays compressed over part of its depth.</source>
        <translation>I tre punti che il calcolo impone alla curva delle pressioni, all&apos;imposta sinistra, al giunto di chiave e all&apos;imposta destra: la loro eccentricità dal centro del giunto (positiva verso l&apos;estradosso) e la loro posizione. Un punto è una cerniera solo dove sta su un bordo del suo giunto; all&apos;interno del giunto la muratura resta lì compressa su parte della sua altezza.</translation>
    </message>
    <message>
        <source>Thrust-line point</source>
        <translation>Punto della curva delle pressioni</translation>
    </message>
    <message>
        <source>The resultants of the horizontal (passive) pressures on the voussoirs next to each springing, positive toward the crown, and their moments about the extrados ends of the ring.</source>
        <translation>Le risultanti delle spinte orizzontali (passive) sui conci vicini a ciascuna imposta, positive verso la chiave, e i loro momenti rispetto agli estremi d&apos;estradosso dell&apos;anello.</translation>
    </message>
    <message>
        <source>Passive pressure resultant, left</source>
        <translation>Risultante della spinta passiva, sinistra</translation>
    </message>
    <message>
        <source>Passive pressure resultant, right</source>
        <translation>Risultante della spinta passiva, destra</translation>
    </message>
    <message>
        <source>Moment about the left extrados end</source>
        <translation>Momento rispetto all&apos;estremo sinistro d&apos;estradosso</translation>
    </message>
    <message>
        <source>Moment about the right extrados end</source>
        <translation>Momento rispetto all&apos;estremo destro d&apos;estradosso</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Committente</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Verificato</translation>
    </message>
    <message>
        <source>Approver</source>
        <translation>Approvato</translation>
    </message>
    <message>
        <source>Not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Non certificato: nessun risolutore ha dato una risposta che superi le verifiche di entrambi i teoremi.</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>non certificato</translation>
    </message>
    <message>
        <source> Whether a thrust line fits under the hypotheses above is not certified.</source>
        <translation> Che una curva delle pressioni stia nella muratura sotto le ipotesi sopra non è certificato.</translation>
    </message>
    <message>
        <source>no solver certified the answer at %1 positions, so no least factor is given.</source>
        <translation>nessun risolutore ha certificato la risposta in %1 posizioni, quindi non si dà il moltiplicatore minimo.</translation>
    </message>
    <message>
        <source>, refined between its neighbouring positions.</source>
        <translation>, affinato fra le posizioni vicine.</translation>
    </message>
    <message>
        <source>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</source>
        <translation>Che una curva stia nella muratura cambia più di una volta attorno a questo spessore: un anello più spesso potrebbe non stare in piedi, o uno più sottile sì.</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificati</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap. The static side is checked voussoir by voussoir (equilibrium to 1e-9 of the total load) and joint by joint against the stated domain; the kinematic side by the mechanism&apos;s virtual work, or by a proof that no line fits.</source>
        <translation>Ogni valore sta fra una curva delle pressioni ammissibile (lato sicuro) e un meccanismo di collasso (lato non sicuro), e i due concordano entro lo scarto dichiarato. Il lato statico è verificato concio per concio (equilibrio a 1e-9 del carico totale) e giunto per giunto sul dominio dichiarato; il lato cinematico con il lavoro virtuale del meccanismo, o con la prova che nessuna curva sta nella muratura.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Certified</source>
        <translation>Certificato</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Risolutore</translation>
    </message>
    <message>
        <source>dense simplex</source>
        <translation>simplesso denso</translation>
    </message>
    <message>
        <source>The collapse mechanism at the worst position:</source>
        <translation>Il meccanismo di collasso nella posizione peggiore:</translation>
    </message>
    <message>
        <source>G1 sup, G2 inf: structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>G1 sup, G2 inf: carichi permanenti strutturali sfavorevoli, soletta e pavimentazione favorevoli</translation>
    </message>
    <message>
        <source>G1 inf, G2 sup: structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>G1 inf, G2 sup: carichi permanenti strutturali favorevoli, soletta e pavimentazione sfavorevoli</translation>
    </message>
    <message>
        <source>slides</source>
        <translation>scorre</translation>
    </message>
    <message>
        <source>rocks about its left edge</source>
        <translation>ruota attorno al suo spigolo sinistro</translation>
    </message>
    <message>
        <source>rocks about its right edge</source>
        <translation>ruota attorno al suo spigolo destro</translation>
    </message>
    <message>
        <source>pier %1 %2</source>
        <translation>pila %1: %2</translation>
    </message>
    <message>
        <source>none: every pier stands as a rigid support</source>
        <translation>nessuna: ogni pila resta un appoggio rigido</translation>
    </message>
    <message>
        <source>Governing span (the mechanism&apos;s hinges)</source>
        <translation>Campata determinante (le cerniere del meccanismo)</translation>
    </message>
    <message>
        <source>Piers in the mechanism</source>
        <translation>Pile nel meccanismo</translation>
    </message>
    <message>
        <source>span %1 joint %2</source>
        <translation>campata %1 giunto %2</translation>
    </message>
    <message>
        <source>pier %1 base</source>
        <translation>base della pila %1</translation>
    </message>
    <message>
        <source>A bridge of several spans: the three-hinge calculation holds for one span at a time, each on rigid springings at its piers, and is not reported for the bridge as a whole. The safety assessment analyses the whole bridge, its piers included.</source>
        <translation>Ponte a più campate: il calcolo a tre cerniere vale per una campata alla volta, ciascuna su imposte rigide sulle sue pile, e non è riportato per il ponte intero. La verifica di sicurezza analizza il ponte intero, pile comprese.</translation>
    </message>
    <message>
        <source>A bridge of %1 spans on %2 piers. The voussoirs of every span are numbered from left to right across the bridge, %3 in all; each pier is one rigid block from its foundation to the springings of the two rings it carries, with the masonry above it.</source>
        <translation>Ponte di %1 campate su %2 pile. I conci di tutte le campate sono numerati da sinistra a destra lungo il ponte, %3 in tutto; ogni pila è un blocco rigido dalla fondazione alle imposte dei due anelli che porta, con la muratura sopra di essa.</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Campate e pile</translation>
    </message>
    <message>
        <source>The first span is the ring above; each further span stands on the pier on its left. A ring of segments gives its overall span only. The springing level y is the span&apos;s left springing above the first span&apos;s; the pier&apos;s height H runs from the top of its foundation to the higher springing, its batters are horizontal over vertical.</source>
        <translation>La prima campata è l&apos;anello sopra; ogni altra campata poggia sulla pila alla sua sinistra. Di un anello a segmenti si dà solo la luce complessiva. La quota y è quella dell&apos;imposta sinistra della campata rispetto alla prima; l&apos;altezza H della pila va dalla sommità della fondazione all&apos;imposta più alta, le scarpe sono in orizzontale per verticale.</translation>
    </message>
    <message>
        <source>Pier b</source>
        <translation>Pila b</translation>
    </message>
    <message>
        <source>Batter L</source>
        <translation>Scarpa sx</translation>
    </message>
    <message>
        <source>Batter R</source>
        <translation>Scarpa dx</translation>
    </message>
    <message>
        <source>Each span alone on rigid springings</source>
        <translation>Ogni campata da sola su imposte rigide</translation>
    </message>
    <message>
        <source>Span %1: %2</source>
        <translation>Campata %1: %2</translation>
    </message>
    <message>
        <source>Span no.</source>
        <translation>Campata n.</translation>
    </message>
    <message>
        <source> (γG1 = %1, γG2 = %2</source>
        <translation> (γG1 = %1, γG2 = %2</translation>
    </message>
    <message>
        <source>: the slab and surfacing left out</source>
        <translation>: soletta e pavimentazione escluse</translation>
    </message>
    <message>
        <source>the masonry&apos;s compressive strength at its design value fd = fc / (γM FC), γM = %1 and FC = %2%3</source>
        <translation>la resistenza a compressione della muratura al suo valore di progetto fd = fc / (γM FC), γM = %1 e FC = %2%3</translation>
    </message>
    <message>
        <source>, fd = %1 MPa</source>
        <translation>, fd = %1 MPa</translation>
    </message>
    <message>
        <source>unlimited compressive strength (Heyman&apos;s hypothesis: crushing is not checked)</source>
        <translation>resistenza a compressione illimitata (ipotesi di Heyman: lo schiacciamento non è verificato)</translation>
    </message>
    <message>
        <source>joints with the design friction coefficient μ / γμ = %1 / %2 = %3</source>
        <translation>giunti con il coefficiente d&apos;attrito di progetto μ / γμ = %1 / %2 = %3</translation>
    </message>
    <message>
        <source> The design loads are the unit weights of masonry and fill times γG1, of the slab times γG2, and the variable load times γQ, in every combination of γG1 and γG2 each at its inf or its sup value; the smallest live-load factor governs. </source>
        <translation> I carichi di progetto sono i pesi specifici della muratura e del riempimento per γG1, della soletta per γG2, e il carico variabile per γQ, in ogni combinazione di γG1 e γG2 ciascuno al suo valore inf o sup; governa il minore dei coefficienti del carico variabile. </translation>
    </message>
    <message>
        <source> The thickness factor t/tmin is found for the project&apos;s own loads under the hypotheses of the assessment, every segment&apos;s thickness scaled alike while the road surface, the slab and the loads above stay where the project puts them.</source>
        <translation> Il rapporto di spessore t/tmin è calcolato per i carichi del progetto con le ipotesi della verifica, scalando allo stesso modo lo spessore di ogni segmento mentre il piano stradale, la soletta e i carichi sovrastanti restano dove li pone il progetto.</translation>
    </message>
    <message>
        <source> The soil&apos;s passive pressure on the voussoirs next to the springings (Kp = %1) is a resistance bounded by the characteristic vertical loads resting on them, divided by γR = %2.</source>
        <translation> La spinta passiva del terreno sui conci vicini alle imposte (Kp = %1) è una resistenza limitata dai carichi verticali caratteristici che vi gravano, divisi per γR = %2.</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non assegnato</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>nessun esito</translation>
    </message>
    <message>
        <source>The arch is adequate under the partial factors of the code basis &quot;%1&quot;: its adequacy factor is %2 ≥ 1.</source>
        <translation>Esito: verifica soddisfatta con i coefficienti parziali del riferimento normativo &quot;%1&quot;: il suo fattore di adeguatezza è %2 ≥ 1.</translation>
    </message>
    <message>
        <source>The verdict keeps Heyman&apos;s hypothesis of a masonry that never crushes: crushing is not checked.</source>
        <translation>L&apos;esito mantiene l&apos;ipotesi di Heyman di una muratura che non si schiaccia mai: lo schiacciamento non è verificato.</translation>
    </message>
    <message>
        <source>x = %1 to %2 m</source>
        <translation>x = da %1 a %2 m</translation>
    </message>
    <message>
        <source>%1 %2 kN/m² × γQ %3, x = %4 to %5 m</source>
        <translation>%1 %2 kN/m² × γQ %3, da x = %4 a %5 m</translation>
    </message>
    <message>
        <source>Geometric factor of safety t/tmin (Heyman)</source>
        <translation>Coefficiente di sicurezza geometrico t/tmin (Heyman)</translation>
    </message>
    <message>
        <source>Thickness factor t/tmin (the assessment&apos;s hypotheses)</source>
        <translation>Rapporto di spessore t/tmin (ipotesi della verifica)</translation>
    </message>
    <message>
        <source>compressive strength %1 MPa, a joint of depth h and width b carrying N ≤ fc b h and |M| ≤ N (h/2 - N/(2 fc b)) (a rectangular stress block), the domain approached from inside by chords so that the live-load factor lies within %2% below the exact one</source>
        <translation>resistenza a compressione %1 MPa, un giunto di altezza h e larghezza b che porta N ≤ fc b h e |M| ≤ N (h/2 - N/(2 fc b)) (un blocco rettangolare delle tensioni), il dominio approssimato dall&apos;interno con corde così che il moltiplicatore del carico variabile sia al più %2% sotto quello esatto</translation>
    </message>
    <message>
        <source>; joints that slide beyond |T| = μ N, μ = %1</source>
        <translation>; giunti che scorrono oltre |T| = μ N, μ = %1</translation>
    </message>
    <message>
        <source>At the least thickness the walls take %1 voussoirs of the ring on the left and %2 on the right (%3 and %4 at the project&apos;s thickness): the arch analysed there springs elsewhere and has another shape than the project&apos;s.</source>
        <translation>Allo spessore minimo le pareti prendono %1 conci dell&apos;anello a sinistra e %2 a destra (%3 e %4 allo spessore del progetto): l&apos;arco analizzato lì ha le imposte altrove e una forma diversa da quella del progetto.</translation>
    </message>
    <message>
        <source>Exact limit analysis of the same voussoirs and loads. Unlike the three-hinged thrust line above, it considers every thrust line in equilibrium with the loads, whatever its hinges. The geometric safety rests on Heyman&apos;s hypotheses (rigid voussoirs, no tensile strength, unlimited compressive strength, no sliding, passive pressure as a fixed load); a thrust line lies within the fraction s of the joints when at every joint |e| ≤ s h/2. The thrust range, the live-load factor, the worst load position and the minimum thickness rest on these hypotheses: %1. The figures of this section are those of the project&apos;s own (characteristic) loads; the conclusions give the adequacy under the design values of the code basis.</source>
        <translation>Analisi limite esatta degli stessi conci e carichi. A differenza della curva delle pressioni per tre cerniere qui sopra, considera ogni curva delle pressioni in equilibrio con i carichi, quali che siano le sue cerniere. La sicurezza geometrica si fonda sulle ipotesi di Heyman (conci rigidi, nessuna resistenza a trazione, resistenza a compressione illimitata, nessuno scorrimento, spinta passiva come carico fisso); una curva delle pressioni sta nella frazione s dei giunti quando in ogni giunto |e| ≤ s h/2. Il campo della spinta, il moltiplicatore del carico variabile, la posizione peggiore del carico e lo spessore minimo si fondano su queste ipotesi: %1. I valori di questa sezione sono quelli dei carichi del progetto (caratteristici); le conclusioni danno l&apos;adeguatezza con i valori di progetto del riferimento normativo.</translation>
    </message>
    <message>
        <source> kN/m² over </source>
        <translation> kN/m² su </translation>
    </message>
    <message>
        <source>Thickness factor (the hypotheses above)</source>
        <translation>Rapporto di spessore (ipotesi sopra)</translation>
    </message>
    <message>
        <source>The thickness factor t/tmin = %1: the ring is that many times as thick as the thinnest ring of the same shape that still holds a thrust line under the same loads and the hypotheses above. With a finite strength or friction it is not Heyman&apos;s geometric factor of safety, which holds for rigid masonry that never slides.</source>
        <translation>Il rapporto di spessore t/tmin = %1: l&apos;anello è altrettante volte più spesso dell&apos;anello più sottile della stessa forma che contiene ancora una curva delle pressioni sotto gli stessi carichi e con le ipotesi sopra. Con una resistenza finita o con l&apos;attrito non è il coefficiente di sicurezza geometrico di Heyman, che vale per una muratura rigida che non scorre.</translation>
    </message>
    <message>
        <source>Three-hinged thrust line: hypotheses</source>
        <translation>Curva delle pressioni per tre cerniere: ipotesi</translation>
    </message>
    <message>
        <source>This section and the next show one thrust line through three imposed points, under rigid hypotheses of their own: the voussoirs never slide and the strength is not limited. It illustrates one state of equilibrium; it is not the assessment, and the verdict does not rest on it. The assessment and the conclusions state their own hypotheses (strength, friction, soil, partial factors).</source>
        <translation>Questa sezione e la successiva mostrano una curva delle pressioni per tre punti imposti, con ipotesi rigide proprie: i conci non scorrono mai e la resistenza non è limitata. Illustrano uno stato di equilibrio; non sono la verifica, e l&apos;esito non si fonda su di esse. La verifica e le conclusioni dichiarano le proprie ipotesi (resistenza, attrito, terreno, coefficienti parziali).</translation>
    </message>
    <message>
        <source>Three-hinged thrust line: results</source>
        <translation>Curva delle pressioni per tre cerniere: risultati</translation>
    </message>
    <message>
        <source>For every section: the edge stresses at the extrados (σe) and at the intrados (σi), compression positive; the mean shear stress (τ); the compressed part of the joint depth; the normal and shear force (N, T) and the eccentricity of the thrust line (e). N and T are the components of the force that the part of the arch left of the section applies to the part on its right: N across the joint, compression positive; T and τ along the joint, positive toward the extrados.</source>
        <translation>Per ogni sezione: le tensioni di bordo all&apos;estradosso (σe) e all&apos;intradosso (σi), positive di compressione; la tensione tangenziale media (τ); la parte compressa dell&apos;altezza del giunto; lo sforzo normale e il taglio (N, T) e l&apos;eccentricità della curva delle pressioni (e). N e T sono le componenti della forza che la parte d&apos;arco a sinistra della sezione applica alla parte alla sua destra: N normale al giunto, positivo di compressione; T e τ lungo il giunto, positivi verso l&apos;estradosso.</translation>
    </message>
    <message>
        <source>These elastic stresses are not compared with the masonry&apos;s strength fc: they belong to one illustrative thrust line. The assessment checks crushing at every joint through the stress block of the design strength.</source>
        <translation>Queste tensioni elastiche non sono confrontate con la resistenza fc della muratura: appartengono a una curva delle pressioni illustrativa. La verifica controlla lo schiacciamento in ogni giunto con il blocco rettangolare delle tensioni alla resistenza di progetto.</translation>
    </message>
    <message>
        <source>The forces of the supports on the arch: H positive toward the arch (toward +x at the left springing, toward -x at the right one), V positive upward. The model has no tie: the last row is the force a tie between the springings would have to carry, positive in tension.</source>
        <translation>Le forze degli appoggi sull&apos;arco: H positiva verso l&apos;arco (verso +x all&apos;imposta sinistra, verso -x a quella destra), V positiva verso l&apos;alto. Il modello non ha catena: l&apos;ultima riga è la forza che dovrebbe portare una catena fra le imposte, positiva di trazione.</translation>
    </message>
    <message>
        <source>Force a tie at the springings would carry (none in the model)</source>
        <translation>Forza che porterebbe una catena alle imposte (assente nel modello)</translation>
    </message>
    <message>
        <source>Passive pressure resultants</source>
        <translation>Risultanti della spinta passiva</translation>
    </message>
    <message>
        <source>Results: the thrust line through its three imposed points and the reactions; below, the voussoirs exploded with the thrust line and the edge stresses (σe, σi)</source>
        <translation>Risultati: la curva delle pressioni per i suoi tre punti imposti e le reazioni; sotto, i conci esplosi con la curva delle pressioni e le tensioni di bordo (σe, σi)</translation>
    </message>
    <message>
        <source>Strength, friction and soil</source>
        <translation>Resistenza, attrito e terreno</translation>
    </message>
    <message>
        <source>fc is the masonry&apos;s mean compressive strength as the engineer typed it, with its source (tests, or the tables for the knowledge level); 0 stands for unlimited strength. Under a code basis the confidence factor FC and the partial factor γM divide it into the design strength fd, as the Circolare of 21 January 2019 n. 7, §C8.5.4, reads for existing masonry; the friction coefficient μ is divided by γμ.</source>
        <translation>fc è la resistenza media a compressione della muratura assunta dal progettista, con la sua fonte (prove, o le tabelle per il livello di conoscenza); 0 indica resistenza illimitata. Con un riferimento normativo il fattore di confidenza FC e il coefficiente parziale γM la dividono nella resistenza di progetto fd, come la Circolare 21 gennaio 2019 n. 7, §C8.5.4, prevede per la muratura esistente; il coefficiente d&apos;attrito μ è diviso per γμ.</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>illimitata</translation>
    </message>
    <message>
        <source>Design strength fd = fc / (γM FC)</source>
        <translation>Resistenza di progetto fd = fc / (γM FC)</translation>
    </message>
    <message>
        <source>Compressive strength of the masonry (mean)</source>
        <translation>Resistenza a compressione della muratura (media)</translation>
    </message>
    <message>
        <source>Compressive strength of segment %1 (mean)</source>
        <translation>Resistenza a compressione del segmento %1 (media)</translation>
    </message>
    <message>
        <source>Friction coefficient of the joints</source>
        <translation>Coefficiente d&apos;attrito dei giunti</translation>
    </message>
    <message>
        <source>no sliding</source>
        <translation>nessuno scorrimento</translation>
    </message>
    <message>
        <source>Design friction coefficient μ / γμ</source>
        <translation>Coefficiente d&apos;attrito di progetto μ / γμ</translation>
    </message>
    <message>
        <source>Share of the passive pressure the soil may mobilise</source>
        <translation>Quota della spinta passiva che il terreno può mobilitare</translation>
    </message>
    <message>
        <source>Analysed arch</source>
        <translation>Arco analizzato</translation>
    </message>
    <message>
        <source>The arch analysed is not the whole ring of the input: each springing is cut where the extrados meets the solid backing, the voussoirs below it belong to the backing and the rest of the ring is cut again into the voussoirs of the model. The solid backing and the abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</source>
        <translation>L&apos;arco analizzato non è l&apos;intero anello dei dati: ogni imposta è tagliata dove l&apos;estradosso incontra il rinfianco solido, i conci sotto di essa appartengono al rinfianco e il resto dell&apos;anello è suddiviso di nuovo nei conci del modello. Il rinfianco solido e le spalle sono assunti come appoggi rigidi che non si spostano né cedono; su di essi poggiano i giunti d&apos;imposta dell&apos;arco.</translation>
    </message>
    <message>
        <source>The arch analysed is the whole ring of the input, cut into the voussoirs of the model. The abutments are taken as rigid supports that neither move nor fail; the arch&apos;s springing joints rest on them.</source>
        <translation>L&apos;arco analizzato è l&apos;intero anello dei dati, suddiviso nei conci del modello. Le spalle sono assunte come appoggi rigidi che non si spostano né cedono; su di esse poggiano i giunti d&apos;imposta dell&apos;arco.</translation>
    </message>
    <message>
        <source>Input ring</source>
        <translation>Anello dei dati</translation>
    </message>
    <message>
        <source>Span between the intrados springings</source>
        <translation>Luce fra le imposte all&apos;intradosso</translation>
    </message>
    <message>
        <source>Rise of the intrados</source>
        <translation>Freccia all&apos;intradosso</translation>
    </message>
    <message>
        <source>Left springing, intrados x</source>
        <translation>Imposta sinistra, x all&apos;intradosso</translation>
    </message>
    <message>
        <source>Left springing, intrados y</source>
        <translation>Imposta sinistra, y all&apos;intradosso</translation>
    </message>
    <message>
        <source>Left springing, extrados y</source>
        <translation>Imposta sinistra, y all&apos;estradosso</translation>
    </message>
    <message>
        <source>Right springing, intrados x</source>
        <translation>Imposta destra, x all&apos;intradosso</translation>
    </message>
    <message>
        <source>Right springing, intrados y</source>
        <translation>Imposta destra, y all&apos;intradosso</translation>
    </message>
    <message>
        <source>Right springing, extrados y</source>
        <translation>Imposta destra, y all&apos;estradosso</translation>
    </message>
    <message>
        <source>the masonry&apos;s design strength fd = fc / (γM FC) = %1 / (%2 × %3) = %4 MPa</source>
        <translation>la resistenza di progetto della muratura fd = fc / (γM FC) = %1 / (%2 × %3) = %4 MPa</translation>
    </message>
    <message>
        <source>each segment&apos;s design strength fd = fc / (γM FC), γM = %1 and FC = %2</source>
        <translation>la resistenza di progetto di ogni segmento fd = fc / (γM FC), γM = %1 e FC = %2</translation>
    </message>
    <message>
        <source>unlimited compressive strength</source>
        <translation>resistenza a compressione illimitata</translation>
    </message>
    <message>
        <source>Voussoir</source>
        <translation>Concio</translation>
    </message>
    <message>
        <source>Vertical at collapse</source>
        <translation>Verticale al collasso</translation>
    </message>
    <message>
        <source>Horizontal at collapse</source>
        <translation>Orizzontale al collasso</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Joint</source>
        <translation>Giunto</translation>
    </message>
    <message>
        <source>Governing design case</source>
        <translation>Caso di progetto che governa</translation>
    </message>
    <message>
        <source>The verdict rests on this case: the combination %1, G1 × %2 (masonry and fill) and G2 × %3 (slab), the variable loads × γQ %4, and %5. The arch collapses when the design variable loads Qd are multiplied by %6, the adequacy factor. Below, the design loads of every voussoir, the collapse mechanism and the forces of every joint at collapse.</source>
        <translation>L&apos;esito si fonda su questo caso: la combinazione %1, G1 × %2 (muratura e riempimento) e G2 × %3 (soletta), i carichi variabili × γQ %4, e %5. L&apos;arco collassa quando i carichi variabili di progetto Qd sono moltiplicati per %6, il fattore di adeguatezza. Di seguito i carichi di progetto di ogni concio, il meccanismo di collasso e le forze di ogni giunto al collasso.</translation>
    </message>
    <message>
        <source>The design loads of every voussoir (kN): G1 and G2 at their factors, Qd the design variable load (strip load and axles, γQ included), λ Qd at collapse; the horizontal loads toward +x.</source>
        <translation>I carichi di progetto di ogni concio (kN): G1 e G2 ai loro coefficienti, Qd il carico variabile di progetto (carico a striscia e assi, γQ compreso), λ Qd al collasso; i carichi orizzontali verso +x.</translation>
    </message>
    <message>
        <source>The collapse mechanism of the design case:</source>
        <translation>Il meccanismo di collasso del caso di progetto:</translation>
    </message>
    <message>
        <source>The forces of every joint at collapse (joint 1 the left springing): the point of the thrust line, the normal force N (compression positive), the force T along the joint, the eccentricity e from the joint&apos;s centre (positive toward the extrados), and the same force as H (toward +x) and V (upward), passed by the part left of the joint to the part on its right.</source>
        <translation>Le forze di ogni giunto al collasso (giunto 1 l&apos;imposta sinistra): il punto della curva delle pressioni, lo sforzo normale N (positivo di compressione), la forza T lungo il giunto, l&apos;eccentricità e dal centro del giunto (positiva verso l&apos;estradosso), e la stessa forza come H (verso +x) e V (verso l&apos;alto), trasmessa dalla parte a sinistra del giunto a quella alla sua destra.</translation>
    </message>
    <message>
        <source>The governing design case: the design variable loads at collapse, the collapse thrust line and its hinges (lengths in m)</source>
        <translation>Il caso di progetto che governa: i carichi variabili di progetto al collasso, la curva delle pressioni di collasso e le sue cerniere (lunghezze in m)</translation>
    </message>
    <message>
        <source>the masonry&apos;s strength at its design value</source>
        <translation>la resistenza della muratura al suo valore di progetto</translation>
    </message>
    <message>
        <source>Calculation software (NTC 2018, 10.2)</source>
        <translation>Codici di calcolo (NTC 2018, 10.2)</translation>
    </message>
    <message>
        <source>Type of analysis</source>
        <translation>Tipo di analisi</translation>
    </message>
    <message>
        <source>Limit analysis of the arch as rigid voussoirs with no tensile strength (Heyman), on a plane model of the ring&apos;s width. Each figure of the assessment is the optimum of a linear program over the thrust line&apos;s unknowns, bounded from both sides: by a thrust line that stands under the stated hypotheses (static theorem) and by a mechanism or a proof that no line fits (kinematic theorem). The three-hinged thrust line of the results is one state of equilibrium, not a proof of safety.</source>
        <translation>Analisi limite dell&apos;arco come insieme di conci rigidi senza resistenza a trazione (Heyman), su un modello piano della larghezza dell&apos;anello. Ogni valore della verifica è l&apos;ottimo di un programma lineare nelle incognite della curva delle pressioni, limitato da entrambi i lati: da una curva delle pressioni ammissibile sotto le ipotesi dichiarate (teorema statico) e da un meccanismo o dalla prova che nessuna curva sta nella muratura (teorema cinematico). La curva delle pressioni per tre cerniere dei risultati è uno stato di equilibrio, non una prova di sicurezza.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Linear programming</source>
        <translation>Programmazione lineare</translation>
    </message>
    <message>
        <source>the program&apos;s dense simplex, COIN-OR CLP where it fails</source>
        <translation>il simplesso denso del programma, COIN-OR CLP dove questo non riesce</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Licenza (testo originale): %1</translation>
    </message>
    <message>
        <source>Validation</source>
        <translation>Validazione</translation>
    </message>
    <message>
        <source>Every version passes the program&apos;s test suite, which compares its results with: closed forms (the three-hinged arch&apos;s statics, the equilibrium of every voussoir, the virtual work of every mechanism, the mirror image of every symmetric case, factors that never fall as strength or fill grow); published values (Milankovitch&apos;s least thickness of the semicircular arch under its own weight, t/R = 0.1075); and an independent reference calculation, written apart from the program, which solves the same projects joint by joint.</source>
        <translation>Ogni versione supera la batteria di prove del programma, che ne confronta i risultati con: soluzioni in forma chiusa (la statica dell&apos;arco a tre cerniere, l&apos;equilibrio di ogni concio, il lavoro virtuale di ogni meccanismo, l&apos;immagine speculare di ogni caso simmetrico, coefficienti che non diminuiscono mai al crescere della resistenza o del riempimento); valori pubblicati (lo spessore minimo di Milankovitch dell&apos;arco semicircolare sotto il peso proprio, t/R = 0,1075); e un calcolo di riferimento indipendente, scritto separatamente dal programma, che risolve gli stessi progetti giunto per giunto.</translation>
    </message>
    <message>
        <source>Judgement of the results</source>
        <translation>Giudizio sui risultati</translation>
    </message>
    <message>
        <source>The checks the program made itself: %1 of the %2 figures of the assessment are certified by both theorems (the list is in the safety assessment); the design combinations of the verdict are %3.</source>
        <translation>I controlli svolti dal programma stesso: %1 dei %2 valori della verifica sono certificati da entrambi i teoremi (l&apos;elenco è nella verifica di sicurezza); le combinazioni di progetto dell&apos;esito sono %3.</translation>
    </message>
    <message>
        <source>all certified</source>
        <translation>tutte certificate</translation>
    </message>
    <message>
        <source>not all certified</source>
        <translation>non tutte certificate</translation>
    </message>
    <message>
        <source>No assessment was made: the program certified no figure of this report.</source>
        <translation>Non è stata fatta alcuna verifica: il programma non ha certificato alcun valore di questa relazione.</translation>
    </message>
    <message>
        <source>The engineer&apos;s judgement of the reliability of the results, their agreement with simple checks and with the behaviour expected of the structure:</source>
        <translation>Giudizio motivato del progettista sull&apos;affidabilità dei risultati, sul loro accordo con calcoli semplificati e con il comportamento atteso della struttura:</translation>
    </message>
    <message>
        <source>Date and signature: ______________________________</source>
        <translation>Data e firma: ______________________________</translation>
    </message>
    <message>
        <source>The spread of one horizontal to two vertical is the dispersal through the fill of UK masonry arch assessment (CS 454, formerly BD 21).</source>
        <translation>La diffusione di uno in orizzontale su due in verticale è quella nel riempimento della verifica britannica degli archi in muratura (CS 454, già BD 21).</translation>
    </message>
    <message>
        <source>The spread at 45 degrees is the dispersal through pavement and concrete slab of EN 1991-2, 4.3.6, taken here through the fill.</source>
        <translation>La diffusione a 45 gradi è quella attraverso la pavimentazione e la soletta in calcestruzzo della EN 1991-2, 4.3.6, assunta qui nel riempimento.</translation>
    </message>
    <message>
        <source>Without spread each axle bears on the ring over its contact alone, on the safe side.</source>
        <translation>Senza diffusione ogni asse grava sull&apos;anello solo sulla sua impronta, a favore di sicurezza.</translation>
    </message>
    <message>
        <source>The angle of spread is the engineer&apos;s choice; no code of the basis gives it for the fill of an arch.</source>
        <translation>L&apos;angolo di diffusione è una scelta del progettista; nessuna norma del riferimento lo dà per il riempimento di un arco.</translation>
    </message>
    <message>
        <source>Applied: the %1 axles of &quot;%2&quot;, %3 kN in all, each as the load P b / b_e over its spread length, the vehicle moved across the bridge in one lane;</source>
        <translation>Applicati: i %1 assi di &quot;%2&quot;, %3 kN in tutto, ciascuno come carico P b / b_e sulla sua lunghezza di diffusione, il veicolo spostato lungo il ponte in una corsia;</translation>
    </message>
    <message>
        <source> no strip load. Nothing else of the traffic is applied.</source>
        <translation> nessun carico a striscia. Nessun altro carico da traffico è applicato.</translation>
    </message>
    <message>
        <source>Whatever else the code&apos;s load model of this vehicle contains (distributed loads, vehicles in other lanes) is not applied unless the strip load stands for it.</source>
        <translation>Quanto altro contiene lo schema di carico della norma a cui il veicolo appartiene (carichi distribuiti, veicoli in altre corsie) non è applicato, se non lo rappresenta il carico a striscia.</translation>
    </message>
    <message>
        <source>The effective width b_e is the same spread taken across the bridge from the two wheels&apos; contacts, a rule of this program, stated for the checker to judge.</source>
        <translation>La larghezza efficace b_e è la stessa diffusione presa trasversalmente a partire dalle impronte delle due ruote, una regola di questo programma, dichiarata perché il verificatore la giudichi.</translation>
    </message>
    <message>
        <source>Moved in %1 positions (the vehicle is its own mirror image), the least factor refined to 0.1 mm of position: the live-load factor is %2 with the first axle at x = %3 m.</source>
        <translation>Spostato in %1 posizioni (il veicolo è simmetrico di sé stesso), il minimo moltiplicatore affinato a 0,1 mm di posizione: il moltiplicatore del carico variabile è %2 con il primo asse in x = %3 m.</translation>
    </message>
    <message>
        <source>The vehicle &quot;%1&quot; with its first axle at x = %2 m; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</source>
        <translation>Il veicolo &quot;%1&quot; con il primo asse in x = %2 m; il carico di progetto γQ P b / b_e di ogni asse sull&apos;anello, sull&apos;intervallo da x1 a x2 caricato dalla sua diffusione, e al collasso, con il carico a striscia di %3 kN/m² × γQ da x = %4 a %5 m:</translation>
    </message>
    <message>
        <source>The vehicle &quot;%1&quot; with its first axle at x = %2 m, driven %6; each axle&apos;s design load γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:</source>
        <translation>Il veicolo &quot;%1&quot; con il primo asse in x = %2 m, percorso %6; il carico di progetto γQ P b / b_e di ogni asse sull&apos;anello, sull&apos;intervallo da x1 a x2 caricato dalla sua diffusione, e al collasso, con il carico a striscia di %3 kN/m² × γQ da x = %4 a %5 m:</translation>
    </message>
    <message>
        <source>The strip load of %1 kN/m² × γQ from x = %2 to %3 m.</source>
        <translation>Il carico a striscia di %1 kN/m² × γQ da x = %2 a %3 m.</translation>
    </message>
    <message>
        <source>the vehicle &quot;%1&quot; with axles of %2 kN and the strip load of %3 kN/m²</source>
        <translation>il veicolo &quot;%1&quot; con assi da %2 kN e il carico a striscia di %3 kN/m²</translation>
    </message>
    <message>
        <source>the strip load of %1 kN/m²</source>
        <translation>il carico a striscia di %1 kN/m²</translation>
    </message>
    <message>
        <source> with them the strip load of %1 kN/m² over the ring&apos;s width from x = %2 to %3 m, standing there while the vehicle moves. Nothing else of the traffic is applied.</source>
        <translation> con essi il carico a striscia di %1 kN/m² sulla larghezza dell&apos;anello da x = %2 a %3 m, fermo lì mentre il veicolo si sposta. Nessun altro carico da traffico è applicato.</translation>
    </message>
    <message>
        <source>Load Model 1 (EN 1991-2, 4.3.2; NTC 2018, 5.1.3.3.5, load scheme 1) also contains, not applied here: the uniformly distributed load of 9 kN/m² in lane 1 and of 2.5 kN/m² on the other lanes and the remaining area, and the tandems of lane 2 (2 × 200 kN) and lane 3 (2 × 100 kN). Where they bear on the ring the strip load has to stand for them.</source>
        <translation>Lo schema di carico 1 (NTC 2018, 5.1.3.3.5; EN 1991-2, 4.3.2, Load Model 1) comprende anche, qui non applicati: il carico uniformemente distribuito di 9 kN/m² sulla corsia 1 e di 2,5 kN/m² sulle altre corsie e sulla parte rimanente, e i carichi tandem della corsia 2 (2 × 200 kN) e della corsia 3 (2 × 100 kN). Dove gravano sull&apos;anello, il carico a striscia deve rappresentarli.</translation>
    </message>
    <message>
        <source>The rail vehicle&apos;s axle loads are taken at γQ,rail α Φ = %1 times their characteristic values instead of γQ; the strip load keeps γQ. The vehicle&apos;s own live-load factor is of its axle loads as listed, without α and Φ. </source>
        <translation>I carichi d&apos;asse del veicolo ferroviario sono assunti pari a γQ,rail α Φ = %1 volte i loro valori caratteristici invece di γQ; il carico a striscia mantiene γQ. Il moltiplicatore proprio del veicolo è riferito ai carichi d&apos;asse elencati, senza α e Φ. </translation>
    </message>
    <message>
        <source>%1 × γQ,rail α Φ = %2 × %3 × %4 with the strip load × γQ %5, axles at x = %6 to %7 m</source>
        <translation>%1 × γQ,rail α Φ = %2 × %3 × %4 con il carico a striscia × γQ %5, assi da x = %6 a %7 m</translation>
    </message>
    <message>
        <source>The face is where the collapse thrust line touches the joint: a hinge at the intrados opens at the extrados, and one at the extrados opens at the intrados. A crushing hinge turns about the edge of the stress block instead of the face; a sliding joint slips along itself.</source>
        <translation>La faccia è quella in cui la curva delle pressioni di collasso tocca il giunto: una cerniera all&apos;intradosso si apre all&apos;estradosso, e una all&apos;estradosso si apre all&apos;intradosso. Una cerniera per schiacciamento ruota attorno al bordo del blocco rettangolare delle tensioni invece che alla faccia; un giunto che scorre slitta lungo sé stesso.</translation>
    </message>
    <message>
        <source>The vault&apos;s width varies linearly from b at the springings to bc at the crown; each joint takes the width at its position.</source>
        <translation>La larghezza della volta varia linearmente da b alle imposte a bc in chiave; ogni giunto ha la larghezza che compete alla sua posizione.</translation>
    </message>
    <message>
        <source>Drawing scale of the load (typed; not a calculation input)</source>
        <translation>Scala del disegno del carico (assegnata; non è un dato del calcolo)</translation>
    </message>
    <message>
        <source>Drawing scale of the load (automatic; not a calculation input)</source>
        <translation>Scala del disegno del carico (automatica; non è un dato del calcolo)</translation>
    </message>
    <message>
        <source>Document number</source>
        <translation>N. documento</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Scopo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Iscrizione all&apos;albo</translation>
    </message>
    <message>
        <source>Every segment&apos;s thickness scaled by one factor k, the voussoirs and walls rebuilt at each trial while the road surface, the slab and the loads above stay where the project puts them: the least k for which a thrust line still fits under the project&apos;s loads.</source>
        <translation>Lo spessore di ogni segmento scalato di uno stesso fattore k, i conci e le pareti ricostruiti a ogni prova mentre il piano stradale, la soletta e i carichi sovrastanti restano dove li pone il progetto: il minimo k per cui una curva delle pressioni sta ancora nella muratura sotto i carichi del progetto.</translation>
    </message>
    <message>
        <source>The vehicle is driven across the bridge, its first axle at x and its other axles at x + d (forward) or x - d (backward). Each axle&apos;s contact length a spreads through the fill at the angle θ on each side, down to the extrados, over a + 2 z tan(θ) along the span (z the depth from the road surface to the extrados at the axle); across the bridge over the effective width b_e = c + w + 2 z tan(θ), never wider than the ring&apos;s width b, so that the ring takes P b / b_e. The live-load factor multiplies the strip load and the vehicle together, dead loads and passive pressure as given.</source>
        <translation>Il veicolo percorre il ponte, con il primo asse in x e gli altri assi in x + d (in avanti) o x - d (all&apos;indietro). La lunghezza d&apos;impronta a di ogni asse si diffonde nel riempimento con l&apos;angolo θ da ciascun lato, fino all&apos;estradosso, su a + 2 z tan(θ) lungo la luce (z la profondità dal piano stradale all&apos;estradosso in corrispondenza dell&apos;asse); trasversalmente sulla larghezza efficace b_e = c + w + 2 z tan(θ), mai maggiore della larghezza b dell&apos;anello, così che l&apos;anello porta P b / b_e. Il moltiplicatore del carico variabile moltiplica insieme il carico a striscia e il veicolo, pesi propri e spinta passiva come dati.</translation>
    </message>
    <message>
        <source>Each axle at the worst position: the depth z of fill above the extrados; the spread length a + 2 z tan(θ) it loads along the span, from x1 to x2; the widths b and b_e; the equivalent load P b / b_e that the full-width model carries; and at collapse the axle&apos;s own load times the live-load factor, λ P.</source>
        <translation>Ogni asse nella posizione peggiore: la profondità z del riempimento sopra l&apos;estradosso; la lunghezza di diffusione a + 2 z tan(θ) che carica lungo la luce, da x1 a x2; le larghezze b e b_e; il carico equivalente P b / b_e che porta il modello a tutta larghezza; e al collasso il carico dell&apos;asse per il moltiplicatore del carico variabile, λ P.</translation>
    </message>
    <message>
        <source>γQ %1, the rail axles × γQ,rail α Φ %2</source>
        <translation>γQ %1, gli assi ferroviari × γQ,rail α Φ %2</translation>
    </message>
    <message>
        <source>An adequacy factor of %1 means that the arch collapses under %1 times the design variable loads (the characteristic ones × %2), with the permanent loads at their design values and %3. At adequacy 1 the arch carries %1 times the characteristic variable load: %4, its permissible load. Its ratio to the code&apos;s demand, ζ_V in the sense of NTC 2018, 8.3, is %1.</source>
        <translation>Un fattore di adeguatezza pari a %1 significa che l&apos;arco collassa sotto %1 volte i carichi variabili di progetto (quelli caratteristici × %2), con i carichi permanenti ai loro valori di progetto e %3. Con adeguatezza 1 l&apos;arco porta %1 volte il carico variabile caratteristico: %4, il suo carico ammissibile. Il rapporto con la domanda della norma, ζ_V nel senso delle NTC 2018, 8.3, è %1.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>Geometry of the arch: the symbols of the boxes</source>
        <translation>Geometria dell&apos;arco: i simboli delle caselle</translation>
    </message>
    <message>
        <source>The variable load q between the abscissae xq1 and xq2</source>
        <translation>Il carico variabile q fra le ascisse xq1 e xq2</translation>
    </message>
</context>
<context>
    <name>Veicoli</name>
    <message>
        <source>LM1 tandem</source>
        <translation>Schema di carico 1 (tandem)</translation>
    </message>
    <message>
        <source>LM2 single axle</source>
        <translation>LM2 asse singolo</translation>
    </message>
    <message>
        <source>LM71 axles</source>
        <translation>LM71 assi</translation>
    </message>
    <message>
        <source>11.5 t single axle</source>
        <translation>asse singolo da 11,5 t</translation>
    </message>
    <message>
        <source>2 × 10 t bogie at 1.8 m</source>
        <translation>carrello 2 × 10 t a 1,8 m</translation>
    </message>
    <message>
        <source>3 × 8 t bogie at 1.3 m</source>
        <translation>carrello 3 × 8 t a 1,3 m</translation>
    </message>
</context>
<context>
    <name>Voro</name>
    <message>
        <source>Error: %1 in CalcoloMain</source>
        <translation>Errore: %1 in CalcoloMain</translation>
    </message>
    <message>
        <source>Sub ForzaConcio. Errore %1 - %2</source>
        <translation>Sub ForzaConcio. Errore %1 - %2</translation>
    </message>
    <message>
        <source>Cerniera anomala</source>
        <translation>Cerniera anomala</translation>
    </message>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Errore: controllare la geometria</translation>
    </message>
    <message>
        <source>Anello</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>Segmento %1</source>
        <translation>Segmento %1</translation>
    </message>
    <message>
        <source>la freccia supera la metà della luce: l&apos;arco sarebbe maggiore di una semicirconferenza</source>
        <translation>la freccia supera la metà della luce: l&apos;arco sarebbe maggiore di una semicirconferenza</translation>
    </message>
    <message>
        <source>l&apos;arco per il punto intermedio sarebbe maggiore di una semicirconferenza</source>
        <translation>l&apos;arco per il punto intermedio sarebbe maggiore di una semicirconferenza</translation>
    </message>
    <message>
        <source>la freccia deve essere positiva</source>
        <translation>la freccia deve essere positiva</translation>
    </message>
    <message>
        <source>il punto intermedio sta sotto la corda: l&apos;arco è rovesciato</source>
        <translation>il punto intermedio sta sotto la corda: l&apos;arco è rovesciato</translation>
    </message>
    <message>
        <source>Impossibile raccordare gli vori parziali</source>
        <translation>Impossibile raccordare gli vori parziali</translation>
    </message>
    <message>
        <source>%1: la casella è vuota.</source>
        <translation>%1: la casella è vuota.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; non è un numero.<byte value="xd"/>Il separatore decimale è &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; non è un numero.<byte value="xd"/>Il separatore decimale è &quot;%3&quot;</translation>
    </message>
    <message>
        <source>; il separatore delle migliaia &quot;%1&quot; separa solo gruppi di tre cifre</source>
        <translation>; il separatore delle migliaia &quot;%1&quot; separa solo gruppi di tre cifre</translation>
    </message>
    <message>
        <source>%1: %2 supera il campo dei numeri interi (da -32768 a 32767).</source>
        <translation>%1: %2 supera il campo dei numeri interi (da -32768 a 32767).</translation>
    </message>
    <message>
        <source>%1: %2 supera il campo dei numeri Single (%3).</source>
        <translation>%1: %2 supera il campo dei numeri Single (%3).</translation>
    </message>
    <message>
        <source>Il numero di vori deve essere &gt; 0</source>
        <translation>Il numero di vori deve essere &gt; 0</translation>
    </message>
    <message>
        <source>Lettura incompleta del file</source>
        <translation>Lettura incompleta del file</translation>
    </message>
    <message>
        <source>Errore nella Sub FileInOut</source>
        <translation>Errore nella Sub FileInOut</translation>
    </message>
    <message>
        <source>Scrittura incompleta del file</source>
        <translation>Scrittura incompleta del file</translation>
    </message>
    <message>
        <source>Errore nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Il separatore decimale è stato impostato come &quot;%1&quot;<byte value="xd"/>E&apos; stato impostato lo stesso carattere per il simbolo raggruppamento cifre.<byte value="xd"/>Cambiare il simbolo raggruppamento cifre e riavviare il programma.</source>
        <translation>Errore nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Il separatore decimale è stato impostato come &quot;%1&quot;<byte value="xd"/>E&apos; stato impostato lo stesso carattere per il simbolo raggruppamento cifre.<byte value="xd"/>Cambiare il simbolo raggruppamento cifre e riavviare il programma.</translation>
    </message>
    <message>
        <source>ERRORE</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Provare a cambiare i simboli del separatore decimale<byte value="xd"/>e del raggruppamento cifre e riavviare il programma.</source>
        <translation>Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.<byte value="xd"/>Provare a cambiare i simboli del separatore decimale<byte value="xd"/>e del raggruppamento cifre e riavviare il programma.</translation>
    </message>
    <message>
        <source>E&apos; impostato come separatore decimale &quot;%1&quot; e come separatore delle migliaia &quot;%2&quot;<byte value="xd"/>
Se la lingua è Italiano è meglio usare la  &quot;,&quot; come separatore decimale.<byte value="xd"/>
Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo spazio,<byte value="xd"/>
impostazione consigliata perchè elimina qualunque ambiguità.<byte value="xd"/>
Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.</source>
        <translation>E&apos; impostato come separatore decimale &quot;%1&quot; e come separatore delle migliaia &quot;%2&quot;<byte value="xd"/>
Se la lingua è Italiano è meglio usare la  &quot;,&quot; come separatore decimale.<byte value="xd"/>
Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo spazio,<byte value="xd"/>
impostazione consigliata perchè elimina qualunque ambiguità.<byte value="xd"/>
Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.</translation>
    </message>
    <message>
        <source>ATTENZIONE </source>
        <translation>ATTENZIONE </translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Non mostrare più questo avviso</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Interruzione da parte dell&apos;utente</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome o numero di file non valido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco pieno</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Input oltre la fine del file</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso o al file</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>File di dati incompleto o non valido</source>
        <translation>File di dati incompleto o non valido</translation>
    </message>
    <message>
        <source>Dati della geometria non validi</source>
        <translation>Dati della geometria non validi</translation>
    </message>
    <message>
        <source>Impossibile costruire il modello dell&apos;arco</source>
        <translation>Impossibile costruire il modello dell&apos;arco</translation>
    </message>
    <message>
        <source>Il calcolo non si è concluso</source>
        <translation>Il calcolo non si è concluso</translation>
    </message>
    <message>
        <source>Valore fisicamente impossibile</source>
        <translation>Valore fisicamente impossibile</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>È stato scelto Annulla.</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall&apos;applicazione o dall&apos;oggetto</translation>
    </message>
    <message>
        <source>Peso specifico della muratura γm [kN/m3]</source>
        <translation>Peso specifico della muratura γm [kN/m3]</translation>
    </message>
    <message>
        <source>Spessore del riempimento in chiave h1 [m]</source>
        <translation>Spessore del riempimento in chiave h1 [m]</translation>
    </message>
    <message>
        <source>Peso specifico del riempimento γ1 [kN/m3]</source>
        <translation>Peso specifico del riempimento γ1 [kN/m3]</translation>
    </message>
    <message>
        <source>Spessore della soletta h2 [m]</source>
        <translation>Spessore della soletta h2 [m]</translation>
    </message>
    <message>
        <source>Peso specifico della soletta γ2 [kN/m3]</source>
        <translation>Peso specifico della soletta γ2 [kN/m3]</translation>
    </message>
    <message>
        <source>Larghezza dell&apos;arco [m]</source>
        <translation>Larghezza dell&apos;arco [m]</translation>
    </message>
    <message>
        <source>Larghezza dell&apos;arco in chiave [m]</source>
        <translation>Larghezza dell&apos;arco in chiave [m]</translation>
    </message>
    <message>
        <source>Sporgenza della parete superiore dw [m]</source>
        <translation>Sporgenza della parete superiore dw [m]</translation>
    </message>
    <message>
        <source>Profondità del rinfianco solido hw [m]</source>
        <translation>Profondità del rinfianco solido hw [m]</translation>
    </message>
    <message>
        <source>Numero dei segmenti di circonferenza</source>
        <translation>Numero dei segmenti di circonferenza</translation>
    </message>
    <message>
        <source>Luce dell&apos;arco L [m]</source>
        <translation>Luce dell&apos;arco L [m]</translation>
    </message>
    <message>
        <source>Freccia dell&apos;arco h [m]</source>
        <translation>Freccia dell&apos;arco h [m]</translation>
    </message>
    <message>
        <source>Spessore dell&apos;anello t [m]</source>
        <translation>Spessore dell&apos;anello t [m]</translation>
    </message>
    <message>
        <source>Numero dei conci dell&apos;anello</source>
        <translation>Numero dei conci dell&apos;anello</translation>
    </message>
    <message>
        <source>Eccentricità iniziale all&apos;imposta sinistra el [mm]</source>
        <translation>Eccentricità iniziale all&apos;imposta sinistra el [mm]</translation>
    </message>
    <message>
        <source>Eccentricità iniziale in chiave ec [mm]</source>
        <translation>Eccentricità iniziale in chiave ec [mm]</translation>
    </message>
    <message>
        <source>Eccentricità iniziale all&apos;imposta destra er [mm]</source>
        <translation>Eccentricità iniziale all&apos;imposta destra er [mm]</translation>
    </message>
    <message>
        <source>Carico variabile q [kN/m2]</source>
        <translation>Carico variabile q [kN/m2]</translation>
    </message>
    <message>
        <source>Inizio del carico variabile xq1 [m]</source>
        <translation>Inizio del carico variabile xq1 [m]</translation>
    </message>
    <message>
        <source>Fine del carico variabile xq2 [m]</source>
        <translation>Fine del carico variabile xq2 [m]</translation>
    </message>
    <message>
        <source>Scala del diagramma dei carichi 1:</source>
        <translation>Scala del diagramma dei carichi 1:</translation>
    </message>
    <message>
        <source>Coefficiente di spinta passiva Kp</source>
        <translation>Coefficiente di spinta passiva Kp</translation>
    </message>
    <message>
        <source>Numero dei conci con spinta passiva dall&apos;imposta sinistra</source>
        <translation>Numero dei conci con spinta passiva dall&apos;imposta sinistra</translation>
    </message>
    <message>
        <source>Numero dei conci con spinta passiva dall&apos;imposta destra</source>
        <translation>Numero dei conci con spinta passiva dall&apos;imposta destra</translation>
    </message>
    <message>
        <source>Numero di passi della ricerca della curva delle pressioni</source>
        <translation>Numero di passi della ricerca della curva delle pressioni</translation>
    </message>
    <message>
        <source>Resistenza a compressione della muratura fc [MPa]</source>
        <translation>Resistenza a compressione della muratura fc [MPa]</translation>
    </message>
    <message>
        <source>Coefficiente d&apos;attrito dei giunti μ</source>
        <translation>Coefficiente d&apos;attrito dei giunti μ</translation>
    </message>
    <message>
        <source>Fattore di mobilitazione della spinta passiva</source>
        <translation>Fattore di mobilitazione della spinta passiva</translation>
    </message>
    <message>
        <source>Ascissa x2 del segmento %</source>
        <translation>Ascissa x2 del segmento %</translation>
    </message>
    <message>
        <source>Ordinata y2 del segmento %</source>
        <translation>Ordinata y2 del segmento %</translation>
    </message>
    <message>
        <source>Ascissa x3 del segmento %</source>
        <translation>Ascissa x3 del segmento %</translation>
    </message>
    <message>
        <source>Ordinata y3 del segmento %</source>
        <translation>Ordinata y3 del segmento %</translation>
    </message>
    <message>
        <source>Spessore t del segmento %</source>
        <translation>Spessore t del segmento %</translation>
    </message>
    <message>
        <source>Numero dei conci del segmento %</source>
        <translation>Numero dei conci del segmento %</translation>
    </message>
    <message>
        <source>Resistenza a compressione fc del segmento %</source>
        <translation>Resistenza a compressione fc del segmento %</translation>
    </message>
    <message>
        <source>%1: il valore supera il campo dei numeri Single (%2).</source>
        <translation>%1: il valore supera il campo dei numeri Single (%2).</translation>
    </message>
    <message>
        <source>deve essere maggiore di zero.</source>
        <translation>deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>non può essere minore di zero.</source>
        <translation>non può essere minore di zero.</translation>
    </message>
    <message>
        <source>deve essere almeno 1.</source>
        <translation>deve essere almeno 1.</translation>
    </message>
    <message>
        <source>Errore in Sub SolidDwg - I punti devono essere 4</source>
        <translation>Errore in Sub SolidDwg - I punti devono essere 4</translation>
    </message>
    <message>
        <source>Font file %1 not found</source>
        <translation>File del carattere %1 non trovato</translation>
    </message>
    <message>
        <source>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT</source>
        <translation>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT</translation>
    </message>
    <message>
        <source>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT<byte value="xd"/>Il disegno è stato salvato in %1</source>
        <translation>Impossibile aprire Autocad.<byte value="xd"/>Controllare che la versione di Autocad non sia LT<byte value="xd"/>Il disegno è stato salvato in %1</translation>
    </message>
    <message>
        <source>Error in PlottaVoro</source>
        <translation>Errore in PlottaVoro</translation>
    </message>
    <message>
        <source>ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista</source>
        <translation>ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista</translation>
    </message>
    <message>
        <source>Error in %1</source>
        <translation>Errore in %1</translation>
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
        <translation>ERRORE nella sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti</translation>
    </message>
    <message>
        <source>Error: %1 in ValutaSicurezza</source>
        <translation>Errore: %1 in ValutaSicurezza</translation>
    </message>
    <message>
        <source>Errore %1 in ArcCos</source>
        <translation>Errore %1 in ArcCos</translation>
    </message>
    <message>
        <source>ERRORE! Procedimento non convergente!<byte value="xd"/>RISULTATI ERRATI!</source>
        <translation>ERRORE! Procedimento non convergente!<byte value="xd"/>RISULTATI ERRATI!</translation>
    </message>
    <message>
        <source>ERRORE! La funzione non cambia segno fra x1 e x2</source>
        <translation>ERRORE! La funzione non cambia segno fra x1 e x2</translation>
    </message>
    <message>
        <source>Live-load factor against the position of the strip load (%1 m long)</source>
        <translation>Moltiplicatore del carico variabile secondo la posizione del carico a striscia (lungo %1 m)</translation>
    </message>
    <message>
        <source>left end of the strip xq1 [m]</source>
        <translation>estremo sinistro della striscia xq1 [m]</translation>
    </message>
    <message>
        <source>1: the project&apos;s variable load</source>
        <translation>1: il carico variabile del progetto</translation>
    </message>
    <message>
        <source>marks on top: factor beyond the chart (blue), no collapse by the variable load alone (grey)</source>
        <translation>segni in alto: moltiplicatore oltre il grafico (blu), nessun collasso per il solo carico variabile (grigio)</translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity: within s = %1 of the half depth</source>
        <translation>Curva delle pressioni di minima eccentricità: entro s = %1 della semialtezza</translation>
    </message>
    <message>
        <source> (fits within the masonry)</source>
        <translation> (sta nella muratura)</translation>
    </message>
    <message>
        <source> (no thrust line fits within the masonry)</source>
        <translation> (nessuna curva delle pressioni sta nella muratura)</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression</source>
        <translation>Nessuna curva delle pressioni tiene compresso ogni giunto</translation>
    </message>
    <message>
        <source>Collapse thrust line: variable load x %1 (live-load factor)</source>
        <translation>Curva delle pressioni di collasso: carico variabile x %1 (moltiplicatore del carico variabile)</translation>
    </message>
    <message>
        <source>hinge at the intrados</source>
        <translation>cerniera all&apos;intradosso</translation>
    </message>
    <message>
        <source>hinge at the extrados</source>
        <translation>cerniera all&apos;estradosso</translation>
    </message>
    <message>
        <source>the variable load alone can never make it collapse</source>
        <translation>il solo carico variabile non può mai farlo collassare</translation>
    </message>
    <message>
        <source>the project has no variable load</source>
        <translation>il progetto non ha carico variabile</translation>
    </message>
    <message>
        <source>no multiplier of the variable load lets a thrust line fit</source>
        <translation>nessun moltiplicatore del carico variabile lascia stare una curva delle pressioni nella muratura</translation>
    </message>
    <message>
        <source>No live-load factor: %1</source>
        <translation>Nessun moltiplicatore del carico variabile: %1</translation>
    </message>
    <message>
        <source>Thrust range of the left support: %1 to %2 kN</source>
        <translation>Campo della spinta dell&apos;appoggio sinistro: da %1 a %2 kN</translation>
    </message>
    <message>
        <source>Thrust range of the left support: %1 to no upper limit</source>
        <translation>Campo della spinta dell&apos;appoggio sinistro: da %1 senza limite superiore</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG1,sup dei carichi permanenti strutturali</source>
        <translation>Coefficiente parziale γG1,sup dei carichi permanenti strutturali</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG1,inf dei carichi permanenti strutturali</source>
        <translation>Coefficiente parziale γG1,inf dei carichi permanenti strutturali</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG2,sup dei carichi permanenti non strutturali</source>
        <translation>Coefficiente parziale γG2,sup dei carichi permanenti non strutturali</translation>
    </message>
    <message>
        <source>Coefficiente parziale γG2,inf dei carichi permanenti non strutturali</source>
        <translation>Coefficiente parziale γG2,inf dei carichi permanenti non strutturali</translation>
    </message>
    <message>
        <source>Coefficiente parziale γQ dei carichi variabili</source>
        <translation>Coefficiente parziale γQ dei carichi variabili</translation>
    </message>
    <message>
        <source>Coefficiente parziale γM della muratura</source>
        <translation>Coefficiente parziale γM della muratura</translation>
    </message>
    <message>
        <source>Fattore di confidenza FC</source>
        <translation>Fattore di confidenza FC</translation>
    </message>
    <message>
        <source>NOT ADMISSIBLE: no thrust line fits within the masonry</source>
        <translation>NON AMMISSIBILE: nessuna curva delle pressioni sta nella muratura</translation>
    </message>
    <message>
        <source>NOT ADMISSIBLE: no thrust line fits within the masonry under the project&apos;s loads</source>
        <translation>NON AMMISSIBILE: nessuna curva delle pressioni sta nella muratura sotto i carichi del progetto</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1</source>
        <translation>NON SICURO: moltiplicatore del carico variabile %1 minore di 1</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1 at the project&apos;s position of the load: the arch cannot carry the project&apos;s variable load</source>
        <translation>NON SICURO: moltiplicatore del carico variabile %1 minore di 1 nella posizione del carico data dal progetto: l&apos;arco non può portare il carico variabile del progetto</translation>
    </message>
    <message>
        <source>UNSAFE: live-load factor %1 below 1 with the strip load from x = %2 to %3 m: the arch cannot carry the project&apos;s variable load</source>
        <translation>NON SICURO: moltiplicatore del carico variabile %1 minore di 1 con il carico a striscia da x = %2 a %3 m: l&apos;arco non può portare il carico variabile del progetto</translation>
    </message>
    <message>
        <source>No sweep: the project has no strip load to move across the structure</source>
        <translation>Nessuno spostamento: il progetto non ha un carico a striscia da spostare lungo la struttura</translation>
    </message>
    <message>
        <source>No sweep: no position of the strip load was assessed</source>
        <translation>Nessuno spostamento: non è stata verificata alcuna posizione del carico a striscia</translation>
    </message>
    <message>
        <source>No sweep chart: at none of the %1 positions can the strip load alone make the arch collapse</source>
        <translation>Nessun grafico dello spostamento: in nessuna delle %1 posizioni il solo carico a striscia può far collassare l&apos;arco</translation>
    </message>
    <message>
        <source>Mechanism at the worst position:</source>
        <translation>Meccanismo nella posizione peggiore:</translation>
    </message>
    <message>
        <source>strip from x = %1 to %2 m, live-load factor %3</source>
        <translation>striscia da x = %1 a %2 m, moltiplicatore del carico variabile %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Live-load factor against the position of %1 (spread %2)</source>
        <translation>Moltiplicatore del carico variabile in funzione della posizione di %1 (diffusione %2)</translation>
    </message>
    <message>
        <source>first axle x [m]</source>
        <translation>primo asse x [m]</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>in avanti</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>all&apos;indietro</translation>
    </message>
    <message>
        <source>No positions: the project has no vehicle</source>
        <translation>Nessuna posizione: il progetto non ha un veicolo</translation>
    </message>
    <message>
        <source>PLAN VIEW</source>
        <translation>PIANTA</translation>
    </message>
    <message>
        <source>, depth ratio 1/s = %1</source>
        <translation>, rapporto fra le altezze 1/s = %1</translation>
    </message>
    <message>
        <source>Collapse thrust line: variable load x %1 (live-load factor, masonry of unlimited strength)</source>
        <translation>Curva delle pressioni di collasso: carico variabile x %1 (moltiplicatore del carico variabile, muratura di resistenza illimitata)</translation>
    </message>
    <message>
        <source>Double ring: the masonry crushes, the hinge at the stress block&apos;s edge; bar along a joint: it slides</source>
        <translation>Doppio cerchio: la muratura si schiaccia, la cerniera al bordo del blocco delle tensioni; barra lungo un giunto: il giunto scorre</translation>
    </message>
    <message>
        <source>Minimum thickness %1 m (geometric factor of safety t/tmin %2)</source>
        <translation>Spessore minimo %1 m (coefficiente di sicurezza geometrico t/tmin %2)</translation>
    </message>
    <message>
        <source>%1, first axle at x = %2 m</source>
        <translation>%1, primo asse in x = %2 m</translation>
    </message>
    <message>
        <source>%1: live-load factor %2, loads at collapse</source>
        <translation>%1: moltiplicatore del carico variabile %2, carichi al collasso</translation>
    </message>
    <message>
        <source>%1: no collapse by the variable load at this position</source>
        <translation>%1: nessun collasso per il carico variabile in questa posizione</translation>
    </message>
    <message>
        <source>%1: no vehicle (--vehicle NAME): the vehicle&apos;s plots are not written</source>
        <translation>%1: nessun veicolo (--vehicle NOME): i disegni del veicolo non sono scritti</translation>
    </message>
    <message>
        <source>intrados</source>
        <translation>intradosso</translation>
    </message>
    <message>
        <source>extrados</source>
        <translation>estradosso</translation>
    </message>
    <message>
        <source>, crushing</source>
        <translation>, schiacciamento</translation>
    </message>
    <message>
        <source>, sliding</source>
        <translation>, scorrimento</translation>
    </message>
    <message>
        <source>no tensile strength, </source>
        <translation>nessuna resistenza a trazione, </translation>
    </message>
    <message>
        <source>unlimited compressive strength (rigid voussoirs)</source>
        <translation>resistenza a compressione illimitata (conci rigidi)</translation>
    </message>
    <message>
        <source>, friction mu = %1</source>
        <translation>, attrito μ = %1</translation>
    </message>
    <message>
        <source>, no sliding</source>
        <translation>, nessuno scorrimento</translation>
    </message>
    <message>
        <source>,
  passive pressure a resistance up to %1 times its full value</source>
        <translation>,
  spinta passiva come resistenza fino a %1 volte il suo valore pieno</translation>
    </message>
    <message>
        <source>Springing raised: the left wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Imposta rialzata: la parete sinistra prende %1 concio; l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello.</translation>
    </message>
    <message>
        <source>Springing raised: the left wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Imposta rialzata: la parete sinistra prende %1 conci; l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello.</translation>
    </message>
    <message>
        <source>Springing raised: the right wall takes %1 voussoir; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Imposta rialzata: la parete destra prende %1 concio; l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello.</translation>
    </message>
    <message>
        <source>Springing raised: the right wall takes %1 voussoirs; the arch springs at y = %2 m, %3 m above the ring&apos;s end.</source>
        <translation>Imposta rialzata: la parete destra prende %1 conci; l&apos;imposta dell&apos;arco è a quota y = %2 m, %3 m sopra l&apos;estremo dell&apos;anello.</translation>
    </message>
    <message>
        <source>Voro - how safe is the arch: exact limit analysis</source>
        <translation>Voro - quanto è sicuro l&apos;arco: analisi limite esatta</translation>
    </message>
    <message>
        <source>File:    %1</source>
        <translation>File:     %1</translation>
    </message>
    <message>
        <source>Project: %1</source>
        <translation>Progetto: %1</translation>
    </message>
    <message>
        <source>No assessment: %1</source>
        <translation>Nessuna verifica: %1</translation>
    </message>
    <message>
        <source>Model: %1 voussoirs, %2 joints (1 = left springing, i + 1 = right joint of voussoir i), loads as for the calculation.</source>
        <translation>Modello: %1 conci, %2 giunti (1 = imposta sinistra, i + 1 = giunto destro del concio i), carichi come per il calcolo.</translation>
    </message>
    <message>
        <source>Hypotheses of figures 2 to 5: %1.</source>
        <translation>Ipotesi dei valori da 2 a 5: %1.</translation>
    </message>
    <message>
        <source>The geometric safety (1) is Heyman&apos;s: rigid voussoirs, no tensile strength, unlimited
compressive strength, no sliding, passive pressure as a fixed load. A thrust line fits
when, at every joint, it passes within the joint&apos;s depth; it lies within the fraction s
when |e| &lt;= s h/2.</source>
        <translation>La sicurezza geometrica (1) è quella di Heyman: conci rigidi, nessuna resistenza a trazione,
resistenza a compressione illimitata, nessuno scorrimento, spinta passiva come carico fisso.
Una curva delle pressioni sta nella muratura quando in ogni giunto passa entro l&apos;altezza del
giunto; sta nella frazione s quando |e| &lt;= s h/2.</translation>
    </message>
    <message>
        <source>1. Geometric safety</source>
        <translation>1. Sicurezza geometrica</translation>
    </message>
    <message>
        <source>No thrust line keeps every joint in compression: the arch cannot stand.</source>
        <translation>Nessuna curva delle pressioni mantiene compresso ogni giunto: l&apos;arco non può stare in piedi.</translation>
    </message>
    <message>
        <source>The thrust line of least eccentricity needs s = %1 of each joint&apos;s half depth.</source>
        <translation>La curva delle pressioni di minima eccentricità usa s = %1 della semialtezza di ogni giunto.</translation>
    </message>
    <message>
        <source>Depth ratio 1/s = %1: each joint is that many times as deep as this thrust line needs.</source>
        <translation>Rapporto fra le altezze 1/s = %1: ogni giunto è altrettante volte più alto di quanto questa curva richieda.</translation>
    </message>
    <message>
        <source>It follows the centre line of every joint (s = 0): the ring is the funicular of its loads.</source>
        <translation>Segue la linea media di ogni giunto (s = 0): l&apos;anello è la funicolare dei suoi carichi.</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry: the arch stands under its loads (safe theorem).</source>
        <translation>Una curva delle pressioni sta nella muratura: l&apos;arco sta in piedi sotto i suoi carichi (teorema statico).</translation>
    </message>
    <message>
        <source>No thrust line fits within the masonry, whatever the hinges: the arch cannot stand.</source>
        <translation>Nessuna curva delle pressioni sta nella muratura, quali che siano le cerniere: l&apos;arco non può stare in piedi.</translation>
    </message>
    <message>
        <source>(Whether a line fits is judged under the hypotheses above, not the rigid ones of s.)</source>
        <translation>(Se una curva stia nella muratura si giudica con le ipotesi sopra, non con quelle rigide di s.)</translation>
    </message>
    <message>
        <source>(That line is approached only as the thrust grows without limit.)</source>
        <translation>(Quella curva si raggiunge solo al crescere illimitato della spinta.)</translation>
    </message>
    <message>
        <source>It touches the reduced section at joints %1.</source>
        <translation>Tocca la sezione ridotta ai giunti %1.</translation>
    </message>
    <message>
        <source>2. Thrust range [kN] (horizontal force of the left support on the arch, toward the arch)</source>
        <translation>2. Campo della spinta [kN] (forza orizzontale dell&apos;appoggio sinistro sull&apos;arco, verso l&apos;arco)</translation>
    </message>
    <message>
        <source>None: no thrust line fits within the masonry.</source>
        <translation>Nessuno: nessuna curva delle pressioni sta nella muratura.</translation>
    </message>
    <message>
        <source>least   %1   (the least the arch needs: its supports spreading apart)</source>
        <translation>minima  %1   (il minimo che serve all&apos;arco: appoggi che si allontanano)</translation>
    </message>
    <message>
        <source>largest %1   (the most a tie or an abutment may have to take: supports pushed together)</source>
        <translation>massima %1   (il massimo che una catena o una spalla può dover portare: appoggi che si avvicinano)</translation>
    </message>
    <message>
        <source>largest    no upper limit (a straight thrust line fits the arch)</source>
        <translation>massima   nessun limite superiore (una curva delle pressioni rettilinea sta nell&apos;arco)</translation>
    </message>
    <message>
        <source>3. Live-load factor (dead loads as given)</source>
        <translation>3. Moltiplicatore del carico variabile (pesi propri come dati)</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 before the arch becomes a mechanism.</source>
        <translation>Il carico variabile può essere moltiplicato per %1 prima che l&apos;arco diventi un meccanismo.</translation>
    </message>
    <message>
        <source>The variable load can be multiplied by %1 before the arch becomes a mechanism: less than 1, the arch cannot carry the project&apos;s variable load.</source>
        <translation>Il carico variabile può essere moltiplicato per %1 prima che l&apos;arco diventi un meccanismo: meno di 1, l&apos;arco non può portare il carico variabile del progetto.</translation>
    </message>
    <message>
        <source>Collapse mechanism, %1 hinges at joints %2.</source>
        <translation>Meccanismo di collasso, %1 cerniere ai giunti %2.</translation>
    </message>
    <message>
        <source>(A factor of rigid masonry of unlimited strength.)</source>
        <translation>(Un moltiplicatore di muratura rigida di resistenza illimitata.)</translation>
    </message>
    <message>
        <source>No finite factor: the variable load alone can never turn the arch into a mechanism.</source>
        <translation>Nessun moltiplicatore finito: il solo carico variabile non può mai trasformare l&apos;arco in un meccanismo.</translation>
    </message>
    <message>
        <source>None: the project has no variable load.</source>
        <translation>Nessuno: il progetto non ha carico variabile.</translation>
    </message>
    <message>
        <source>None: not even without the variable load does a thrust line fit.</source>
        <translation>Nessuno: nemmeno senza il carico variabile una curva delle pressioni sta nella muratura.</translation>
    </message>
    <message>
        <source>4. Worst position of the strip load</source>
        <translation>4. Posizione peggiore del carico a striscia</translation>
    </message>
    <message>
        <source>Not computed: the project has no strip load.</source>
        <translation>Non calcolato: il progetto non ha carico a striscia.</translation>
    </message>
    <message>
        <source>Not computed: no positions asked for.</source>
        <translation>Non calcolato: nessuna posizione richiesta.</translation>
    </message>
    <message>
        <source>The strip of %1 kN/m2 over %2 m moved across the structure in %3 positions:</source>
        <translation>La striscia di %1 kN/m2 su %2 m spostata lungo la struttura in %3 posizioni:</translation>
    </message>
    <message>
        <source>at no position can the variable load alone make the arch collapse.</source>
        <translation>in nessuna posizione il solo carico variabile può far collassare l&apos;arco.</translation>
    </message>
    <message>
        <source>     xq1 [m]    xq2 [m]      factor   (none: no collapse by the variable load alone)</source>
        <translation>     xq1 [m]    xq2 [m] moltiplic.   (nessuno: nessun collasso per il solo carico variabile)</translation>
    </message>
    <message>
        <source>5. Minimum thickness (every segment&apos;s thickness scaled by one factor f, the road,
   slab and loads kept where the project puts them)</source>
        <translation>5. Spessore minimo (lo spessore di ogni segmento scalato di uno stesso fattore f, strada,
   soletta e carichi tenuti dove li pone il progetto)</translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation>Non calcolato.</translation>
    </message>
    <message>
        <source>Not found between a thousandth and a thousand times the project&apos;s thickness.</source>
        <translation>Non trovato fra un millesimo e mille volte lo spessore del progetto.</translation>
    </message>
    <message>
        <source>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  geometric factor of safety (Heyman) t/tmin = %3: the ring is that many times as thick as the
  thinnest ring of the same shape that still holds a thrust line under these loads.</source>
        <translation>Una curva delle pressioni sta ancora nella muratura, con le ipotesi sopra, con il segmento più sottile
  spesso %1 m (f = %2); coefficiente di sicurezza geometrico (Heyman) t/tmin = %3: l&apos;anello è
  altrettante volte più spesso dell&apos;anello più sottile della stessa forma che contiene ancora
  una curva delle pressioni sotto questi carichi.</translation>
    </message>
    <message>
        <source>Hinges at the least thickness: joints %1.</source>
        <translation>Cerniere allo spessore minimo: giunti %1.</translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity, joint by joint</source>
        <translation>Curva delle pressioni di minima eccentricità, giunto per giunto</translation>
    </message>
    <message>
        <source> Joint      N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)</source>
        <translation> Giunto     N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)</translation>
    </message>
    <message>
        <source>6. Vehicle: %1 (track s %2 m, contact width w %3 m)</source>
        <translation>6. Veicolo: %1 (interasse s %2 m, larghezza d&apos;impronta w %3 m)</translation>
    </message>
    <message>
        <source>axle %1: P = %2 kN at d = %3 m, contact a = %4 m</source>
        <translation>asse %1: P = %2 kN a d = %3 m, impronta a = %4 m</translation>
    </message>
    <message>
        <source>Spread through the fill: %1 (theta = %2 degrees from the vertical on each side); across the bridge over
  b_e = s + w + 2 h tan(theta), at most the ring&apos;s width b: the ring takes P b / b_e.
  The live-load factor multiplies the strip load and the vehicle together.</source>
        <translation>Diffusione nel riempimento: %1 (θ = %2 gradi dalla verticale per lato); trasversalmente su
  b_e = s + w + 2 h tan(θ), al più la larghezza b dell&apos;anello: l&apos;anello porta P b / b_e.
  Il moltiplicatore del carico variabile moltiplica insieme il carico a striscia e il veicolo.</translation>
    </message>
    <message>
        <source>Swept in %1 positions (steps of at most %2 m), one way (symmetric vehicle).</source>
        <translation>Spostato in %1 posizioni (passi di al più %2 m), in un senso (veicolo simmetrico).</translation>
    </message>
    <message>
        <source>Swept in %1 positions (steps of at most %2 m), both ways.</source>
        <translation>Spostato in %1 posizioni (passi di al più %2 m), nei due sensi.</translation>
    </message>
    <message>
        <source>At no position can the variable load make the arch collapse.</source>
        <translation>In nessuna posizione il carico variabile può far collassare l&apos;arco.</translation>
    </message>
    <message>
        <source>Least live-load factor %1 with the first axle at x = %2 m, driven forward.</source>
        <translation>Minimo moltiplicatore del carico variabile %1 con il primo asse in x = %2 m, in avanti.</translation>
    </message>
    <message>
        <source>Least live-load factor %1 with the first axle at x = %2 m, driven backward.</source>
        <translation>Minimo moltiplicatore del carico variabile %1 con il primo asse in x = %2 m, all&apos;indietro.</translation>
    </message>
    <message>
        <source> (intrados)</source>
        <translation> (intradosso)</translation>
    </message>
    <message>
        <source> (extrados)</source>
        <translation> (estradosso)</translation>
    </message>
    <message>
        <source>Collapse mechanism, four hinges at joints %1.</source>
        <translation>Meccanismo di collasso, quattro cerniere ai giunti %1.</translation>
    </message>
    <message>
        <source>  Axle     x [m]    h [m]  from [m]    to [m]    b [m]  b_e [m]  on ring [kN]  at collapse [kN]</source>
        <translation>  Asse     x [m]    h [m]    da [m]     a [m]    b [m]  b_e [m] su anello [kN]  al collasso [kN]</translation>
    </message>
    <message>
        <source>every permanent load at its favourable factor</source>
        <translation>ogni carico permanente al suo coefficiente favorevole</translation>
    </message>
    <message>
        <source>every permanent load at its unfavourable factor</source>
        <translation>ogni carico permanente al suo coefficiente sfavorevole</translation>
    </message>
    <message>
        <source>Verdict: adequate</source>
        <translation>Esito: verifica soddisfatta</translation>
    </message>
    <message>
        <source>Verdict: not adequate</source>
        <translation>Esito: verifica non soddisfatta</translation>
    </message>
    <message>
        <source>Verdict: adequate (adequacy factor %1 &gt;= 1)</source>
        <translation>Esito: verifica soddisfatta (fattore di adeguatezza %1 &gt;= 1)</translation>
    </message>
    <message>
        <source>Verdict: not adequate (adequacy factor %1 &lt; 1)</source>
        <translation>Esito: verifica non soddisfatta (fattore di adeguatezza %1 &lt; 1)</translation>
    </message>
    <message>
        <source>Code basis: %1, knowledge level %2.</source>
        <translation>Riferimento normativo: %1, livello di conoscenza %2.</translation>
    </message>
    <message>
        <source>Partial factors: gG1 %1 / %2, gG2 %3 / %4 (unfavourable / favourable), gQ %5, gM %6, FC %7.</source>
        <translation>Coefficienti parziali: gG1 %1 / %2, gG2 %3 / %4 (sfavorevole / favorevole), gQ %5, gM %6, FC %7.</translation>
    </message>
    <message>
        <source>The design variable load can be multiplied by %1 before the arch becomes a mechanism
  (%2).</source>
        <translation>Il carico variabile di progetto può essere moltiplicato per %1 prima che l&apos;arco diventi un meccanismo
  (%2).</translation>
    </message>
    <message>
        <source>With %1: %2.</source>
        <translation>Con %1: %2.</translation>
    </message>
    <message>
        <source>Governing load: the %1 from x = %2 to %3 m.</source>
        <translation>Carico che governa: %1 da x = %2 a %3 m.</translation>
    </message>
    <message>
        <source>Mechanism: hinges at joints %1.</source>
        <translation>Meccanismo: cerniere ai giunti %1.</translation>
    </message>
    <message>
        <source>No design variable load, however large, can turn the arch into a mechanism.</source>
        <translation>Nessun carico variabile di progetto, per quanto grande, può trasformare l&apos;arco in un meccanismo.</translation>
    </message>
    <message>
        <source>The project has no variable load; a thrust line fits under the design permanent loads.</source>
        <translation>Il progetto non ha carico variabile; una curva delle pressioni sta nella muratura sotto i carichi permanenti di progetto.</translation>
    </message>
    <message>
        <source>The project has no variable load, and no thrust line fits under the design permanent loads.</source>
        <translation>Il progetto non ha carico variabile, e nessuna curva delle pressioni sta nella muratura sotto i carichi permanenti di progetto.</translation>
    </message>
    <message>
        <source>Not even the design permanent loads alone find a thrust line within the masonry
  (%1).</source>
        <translation>Nemmeno i soli carichi permanenti di progetto trovano una curva delle pressioni nella muratura
  (%1).</translation>
    </message>
    <message>
        <source>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO)</source>
        <translation>EN 1990:2002+A1, Allegato A2, Tabella A2.4(B), insieme B (STR/GEO)</translation>
    </message>
    <message>
        <source>NTC 2018, Table 5.1.V (ultimate limit states of bridges)</source>
        <translation>NTC 2018, Tabella 5.1.V (stati limite ultimi dei ponti)</translation>
    </message>
    <message>
        <source>Circolare 21.01.2019 n. 7, §C8.5.4 (knowledge levels and confidence factors)</source>
        <translation>Circolare 21.01.2019 n. 7, §C8.5.4 (livelli di conoscenza e fattori di confidenza)</translation>
    </message>
    <message>
        <source>EN 1998-3:2005, §3.3.1, Table 3.1 (confidence factor CF)</source>
        <translation>EN 1998-3:2005, §3.3.1, Tabella 3.1 (fattore di confidenza CF)</translation>
    </message>
    <message>
        <source>typed by the engineer</source>
        <translation>assunto dal progettista</translation>
    </message>
    <message>
        <source>NTC 2018 (Italy)</source>
        <translation>NTC 2018 (Italia)</translation>
    </message>
    <message>
        <source>as typed</source>
        <translation>valori digitati</translation>
    </message>
    <message>
        <source>strip load</source>
        <translation>carico a striscia</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; driven forward</source>
        <translation>veicolo &quot;%1&quot; in avanti</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; driven backward</source>
        <translation>veicolo &quot;%1&quot; all&apos;indietro</translation>
    </message>
    <message>
        <source>a vehicle has no name</source>
        <translation>un veicolo non ha nome</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no axle</source>
        <translation>il veicolo &quot;%1&quot; non ha assi</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: track s = %2 m is not a length &gt;= 0</source>
        <translation>veicolo &quot;%1&quot;: l&apos;interasse s = %2 m non è una lunghezza &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: contact width w = %2 m is not a length &gt;= 0</source>
        <translation>veicolo &quot;%1&quot;: la larghezza d&apos;impronta w = %2 m non è una lunghezza &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; carries no load</source>
        <translation>il veicolo &quot;%1&quot; non porta alcun carico</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is not a load &gt;= 0</source>
        <translation>veicolo &quot;%1&quot;, asse %2: il carico P = %3 kN non è un carico &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is not a distance &gt;= 0</source>
        <translation>veicolo &quot;%1&quot;, asse %2: la distanza d = %3 m non è una distanza &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is not a length &gt;= 0</source>
        <translation>veicolo &quot;%1&quot;, asse %2: la lunghezza d&apos;impronta a = %3 m non è una lunghezza &gt;= 0</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no &apos;end&apos; before the next vehicle</source>
        <translation>il veicolo &quot;%1&quot; non ha &apos;end&apos; prima del veicolo successivo</translation>
    </message>
    <message>
        <source>a vehicle needs a name</source>
        <translation>un veicolo deve avere un nome</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; is named twice</source>
        <translation>il veicolo &quot;%1&quot; è nominato due volte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; outside a vehicle (a block opens with &apos;vehicle NAME&apos;)</source>
        <translation>&apos;%1&apos; fuori da un veicolo (un blocco si apre con &apos;vehicle NOME&apos;)</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: &apos;%2&apos; takes one number, not &apos;%3&apos;</source>
        <translation>veicolo &quot;%1&quot;: &apos;%2&apos; vuole un numero, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: &apos;axle&apos; takes the load P, the distance d and the contact a, not &apos;%3&apos;</source>
        <translation>veicolo &quot;%1&quot;, asse %2: &apos;axle&apos; vuole il carico P, la distanza d e l&apos;impronta a, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has no &apos;end&apos;</source>
        <translation>il veicolo &quot;%1&quot; non ha &apos;end&apos;</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non si può leggere</translation>
    </message>
    <message>
        <source>%1 (the file is left as it is)</source>
        <translation>%1 (il file è lasciato com&apos;è)</translation>
    </message>
    <message>
        <source>Analisi limite: le righe non fissano tutte le incognite</source>
        <translation>Analisi limite: le righe non fissano tutte le incognite</translation>
    </message>
    <message>
        <source>Analisi limite: base singolare</source>
        <translation>Analisi limite: base singolare</translation>
    </message>
    <message>
        <source>Analisi limite: troppe iterazioni del simplesso</source>
        <translation>Analisi limite: troppe iterazioni del simplesso</translation>
    </message>
    <message>
        <source>track s %1 m, contact width w %2 m, symmetric</source>
        <translation>interasse s %1 m, larghezza d&apos;impronta w %2 m, simmetrico</translation>
    </message>
    <message>
        <source>track s %1 m, contact width w %2 m, driven both ways</source>
        <translation>interasse s %1 m, larghezza d&apos;impronta w %2 m, percorso nei due sensi</translation>
    </message>
    <message>
        <source>axle %1: P %2 kN at d %3 m, contact a %4 m</source>
        <translation>asse %1: P %2 kN a d %3 m, impronta a %4 m</translation>
    </message>
    <message>
        <source>%1: first axle at mid-span, x = %2 m, driven forward</source>
        <translation>%1: primo asse in mezzeria, x = %2 m, percorso in avanti</translation>
    </message>
    <message>
        <source>%1: not certified (static %2, kinematic %3).</source>
        <translation>%1: non certificato (statico %2, cinematico %3).</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1: certified, gap %2 (stated %3), %4.</source>
        <translation>%1: certificato, scarto %2 (dichiarato %3), %4.</translation>
    </message>
    <message>
        <source>COIN-OR CLP</source>
        <translation>COIN-OR CLP</translation>
    </message>
    <message>
        <source>dense simplex</source>
        <translation>simplesso denso</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificati</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe),
  and the two agree within the stated gap.</source>
        <translation>Ogni valore sta fra una curva delle pressioni ammissibile (lato sicuro) e un meccanismo di collasso
  (lato non sicuro), e i due concordano entro lo scarto dichiarato.</translation>
    </message>
    <message>
        <source>Not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Non certificato: nessun risolutore ha dato una risposta che superi le verifiche di entrambi i teoremi.</translation>
    </message>
    <message>
        <source>Whether a thrust line fits under the hypotheses above is not certified: no solver gave an answer that passes both theorems&apos; checks.</source>
        <translation>Che una curva delle pressioni stia nella muratura sotto le ipotesi sopra non è certificato: nessun risolutore ha dato una risposta che superi le verifiche di entrambi i teoremi.</translation>
    </message>
    <message>
        <source>not certified at %1 positions: no least factor is given.</source>
        <translation>non certificato in %1 posizioni: non si dà il moltiplicatore minimo.</translation>
    </message>
    <message>
        <source>least live-load factor %1 with the strip from x = %2 to %3 m (refined between its neighbouring positions).</source>
        <translation>minimo moltiplicatore del carico variabile %1 con la striscia da x = %2 a %3 m (affinato fra le posizioni vicine).</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>non certificato</translation>
    </message>
    <message>
        <source>Whether a line fits changes more than once about this thickness: a thicker ring may not stand, or a thinner one may.</source>
        <translation>Che una curva stia nella muratura cambia più di una volta attorno a questo spessore: un anello più spesso potrebbe non stare in piedi, o uno più sottile sì.</translation>
    </message>
    <message>
        <source>Not certified at %1 positions: no least factor is given.</source>
        <translation>Non certificato in %1 posizioni: non si dà il moltiplicatore minimo.</translation>
    </message>
    <message>
        <source>Verdict: not certified (a figure it rests on has no certified answer)</source>
        <translation>Esito: non certificato (un valore su cui si fonda non ha una risposta certificata)</translation>
    </message>
    <message>
        <source>The design live-load factor is not certified.</source>
        <translation>Il moltiplicatore di progetto del carico variabile non è certificato.</translation>
    </message>
    <message>
        <source>geometric safety</source>
        <translation>sicurezza geometrica</translation>
    </message>
    <message>
        <source>whether a line fits</source>
        <translation>se una curva sta nella muratura</translation>
    </message>
    <message>
        <source>thrust range</source>
        <translation>campo della spinta</translation>
    </message>
    <message>
        <source>live-load factor</source>
        <translation>moltiplicatore del carico variabile</translation>
    </message>
    <message>
        <source>worst position of the strip load</source>
        <translation>posizione peggiore del carico a striscia</translation>
    </message>
    <message>
        <source>minimum thickness</source>
        <translation>spessore minimo</translation>
    </message>
    <message>
        <source>worst position of the vehicle</source>
        <translation>posizione peggiore del veicolo</translation>
    </message>
    <message>
        <source>Analisi limite: la prima fase del simplesso non ha un minimo</source>
        <translation>Analisi limite: la prima fase del simplesso non ha un minimo</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: track s = %2 m and contact width w = %3 m may not exceed %4 m, more than any road or rail vehicle has</source>
        <translation>veicolo &quot;%1&quot;: interasse s = %2 m e larghezza d&apos;impronta w = %3 m non possono superare %4 m, più di qualunque veicolo stradale o ferroviario</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot; has %2 axles, more than the %3 of any train</source>
        <translation>il veicolo &quot;%1&quot; ha %2 assi, più dei %3 di qualunque treno</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: load P = %3 kN is above %4 kN, more than any road or rail axle carries</source>
        <translation>veicolo &quot;%1&quot;, asse %2: il carico P = %3 kN supera %4 kN, più di quanto porti qualunque asse stradale o ferroviario</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: distance d = %3 m is above %4 m, longer than any train</source>
        <translation>veicolo &quot;%1&quot;, asse %2: la distanza d = %3 m supera %4 m, più lunga di qualunque treno</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;, axle %2: contact length a = %3 m is above %4 m, longer than any wheel, track or distributed rail load</source>
        <translation>veicolo &quot;%1&quot;, asse %2: la lunghezza d&apos;impronta a = %3 m supera %4 m, più lunga di qualunque ruota, cingolo o carico ferroviario ripartito</translation>
    </message>
    <message>
        <source>%1. The thrust line and the stresses drawn leave the vehicle out: the Safety window assesses it</source>
        <translation>%1. La curva delle pressioni e le tensioni disegnate non considerano il veicolo: lo verifica la finestra Sicurezza</translation>
    </message>
    <message>
        <source>%1: worst position of the safety assessment, first axle at x = %2 m, driven forward (live-load factor %3 under the characteristic loads)</source>
        <translation>%1: posizione peggiore della verifica di sicurezza, primo asse in x = %2 m, percorso in avanti (moltiplicatore del carico variabile %3 con i carichi caratteristici)</translation>
    </message>
    <message>
        <source>%1: worst position of the safety assessment, first axle at x = %2 m, driven backward (live-load factor %3 under the characteristic loads)</source>
        <translation>%1: posizione peggiore della verifica di sicurezza, primo asse in x = %2 m, percorso all&apos;indietro (moltiplicatore del carico variabile %3 con i carichi caratteristici)</translation>
    </message>
    <message>
        <source>My vehicles for Voro: one block per vehicle (see the help).</source>
        <translation>I miei veicoli per Voro: un blocco per veicolo (vedere la guida).</translation>
    </message>
    <message>
        <source>compressive strength %1 MPa (chords within %2% of the live-load factor)</source>
        <translation>resistenza a compressione %1 MPa (corde entro il %2% del moltiplicatore del carico variabile)</translation>
    </message>
    <message>
        <source>structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>carichi permanenti strutturali sfavorevoli, soletta e pavimentazione favorevoli</translation>
    </message>
    <message>
        <source>structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>carichi permanenti strutturali favorevoli, soletta e pavimentazione sfavorevoli</translation>
    </message>
    <message>
        <source>Pila %1</source>
        <translation>Pila %1</translation>
    </message>
    <message>
        <source>la larghezza %1 m è minore di quella delle due imposte che porta (%2 m)</source>
        <translation>la larghezza %1 m è minore di quella delle due imposte che porta (%2 m)</translation>
    </message>
    <message>
        <source>Campata %1</source>
        <translation>Campata %1</translation>
    </message>
    <message>
        <source>l&apos;imposta a quota %1 m non poggia sulla pila %2, la cui base è a quota %3 m</source>
        <translation>l&apos;imposta a quota %1 m non poggia sulla pila %2, la cui base è a quota %3 m</translation>
    </message>
    <message>
        <source>le scarpe lasciano alla base una larghezza di %1 m</source>
        <translation>le scarpe lasciano alla base una larghezza di %1 m</translation>
    </message>
    <message>
        <source>Il progetto ha %1 campate: non c&apos;è la campata %2</source>
        <translation>Il progetto ha %1 campate: non c&apos;è la campata %2</translation>
    </message>
    <message>
        <source>pier %1 base</source>
        <translation>base della pila %1</translation>
    </message>
    <message>
        <source>span %1 joint %2</source>
        <translation>campata %1 giunto %2</translation>
    </message>
    <message>
        <source>the pier slides</source>
        <translation>la pila scorre</translation>
    </message>
    <message>
        <source>the pier rocks about its %1 edge</source>
        <translation>la pila ruota attorno allo spigolo %1</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destro</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistro</translation>
    </message>
    <message>
        <source>Model: a bridge of %1 spans on %2 piers, %3 voussoirs; the joints of each span numbered from its left springing (1), each pier resting on its base joint; the whole bridge in one analysis, its mechanism free to take adjacent spans and the piers.</source>
        <translation>Modello: un ponte di %1 campate su %2 pile, %3 conci; i giunti di ogni campata numerati dalla sua imposta sinistra (1), ogni pila poggiata sul suo giunto di base; tutto il ponte in una sola analisi, il cui meccanismo può coinvolgere le campate adiacenti e le pile.</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Campate e pile</translation>
    </message>
    <message>
        <source>Span %1: thrust from %2 to %3 kN.</source>
        <translation>Campata %1: spinta da %2 a %3 kN.</translation>
    </message>
    <message>
        <source>unbounded</source>
        <translation>illimitata</translation>
    </message>
    <message>
        <source>Pier %1 base, on the line of least eccentricity: N = %2 kN, T = %3 kN, M = %4 kNm.</source>
        <translation>Base della pila %1, sulla curva di minima eccentricità: N = %2 kN, T = %3 kN, M = %4 kNm.</translation>
    </message>
    <message>
        <source>Quota dell&apos;imposta sinistra rispetto alla prima campata [m]</source>
        <translation>Quota dell&apos;imposta sinistra rispetto alla prima campata [m]</translation>
    </message>
    <message>
        <source>Larghezza della pila all&apos;imposta [m]</source>
        <translation>Larghezza della pila all&apos;imposta [m]</translation>
    </message>
    <message>
        <source>Altezza della pila dalla fondazione all&apos;imposta [m]</source>
        <translation>Altezza della pila dalla fondazione all&apos;imposta [m]</translation>
    </message>
    <message>
        <source>Scarpa della faccia sinistra della pila</source>
        <translation>Scarpa della faccia sinistra della pila</translation>
    </message>
    <message>
        <source>Scarpa della faccia destra della pila</source>
        <translation>Scarpa della faccia destra della pila</translation>
    </message>
    <message>
        <source>Peso specifico della pila [kN/m3]</source>
        <translation>Peso specifico della pila [kN/m3]</translation>
    </message>
    <message>
        <source>Pila %1: </source>
        <translation>Pila %1: </translation>
    </message>
    <message>
        <source>le campate si sovrappongono.</source>
        <translation>le campate si sovrappongono.</translation>
    </message>
    <message>
        <source>le scarpe lasciano alla base una larghezza di %1 m: deve essere maggiore di zero.</source>
        <translation>le scarpe lasciano alla base una larghezza di %1 m: deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>Campata %1: </source>
        <translation>Campata %1: </translation>
    </message>
    <message>
        <source>The three-hinge thrust lines are each span&apos;s own, on rigid springings; the safety assessment draws the bridge&apos;s collapse mechanism</source>
        <translation>Le curve delle pressioni a tre cerniere sono di ciascuna campata, su imposte rigide; la verifica di sicurezza disegna il meccanismo di collasso del ponte</translation>
    </message>
    <message>
        <source>Span %1 of %2 of the bridge, solved alone on rigid springings: the three hinges belong to one ring.</source>
        <translation>Campata %1 di %2 del ponte, calcolata da sola su imposte rigide: le tre cerniere appartengono a un solo anello.</translation>
    </message>
    <message>
        <source>Coefficiente parziale γR della resistenza passiva del terreno</source>
        <translation>Coefficiente parziale γR della resistenza passiva del terreno</translation>
    </message>
    <message>
        <source>Il calcolo a tre cerniere vale per un solo anello: per un ponte di più campate si calcola una campata alla volta (voro-cli solve); la verifica analizza il ponte intero.</source>
        <translation>Il calcolo a tre cerniere vale per un solo anello: per un ponte di più campate si calcola una campata alla volta (voro-cli solve); la verifica analizza il ponte intero.</translation>
    </message>
    <message>
        <source>A thrust line still fits, under the hypotheses above, with the thinnest segment %1 m thick (f = %2);
  thickness factor t/tmin = %3 under these hypotheses (with a finite strength or friction it is
  not Heyman&apos;s geometric factor of safety, which holds for rigid masonry).</source>
        <translation>Una curva delle pressioni sta ancora nella muratura, con le ipotesi sopra, con il segmento più sottile
  spesso %1 m (f = %2); rapporto di spessore t/tmin = %3 con queste ipotesi (con una resistenza
  finita o con l&apos;attrito non è il coefficiente di sicurezza geometrico di Heyman, che vale per la muratura rigida).</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non assegnato</translation>
    </message>
    <message>
        <source>crushing not checked: the masonry&apos;s compressive strength fc is not given for every ring</source>
        <translation>schiacciamento non verificato: la resistenza a compressione fc della muratura non è assegnata per ogni anello</translation>
    </message>
    <message>
        <source>the masonry&apos;s partial factor γM is not given</source>
        <translation>il coefficiente parziale γM della muratura non è assegnato</translation>
    </message>
    <message>
        <source>the knowledge level (LC1, LC2 or LC3) is not given</source>
        <translation>il livello di conoscenza (LC1, LC2 o LC3) non è assegnato</translation>
    </message>
    <message>
        <source>No verdict: %1. The figures under the stated hypotheses are given below; they are not a verdict of the code.</source>
        <translation>Nessun esito: %1. I valori con le ipotesi dichiarate sono riportati di seguito; non costituiscono un esito di verifica normativa.</translation>
    </message>
    <message>
        <source>not given: no verdict without it</source>
        <translation>non assegnato: senza di esso nessun esito</translation>
    </message>
    <message>
        <source>default (no reduction)</source>
        <translation>predefinito (nessuna riduzione)</translation>
    </message>
    <message>
        <source>live-load factor λ</source>
        <translation>coefficiente del carico variabile λ</translation>
    </message>
    <message>
        <source>least %1 at xq1 = %2 m (the cross)</source>
        <translation>minimo %1 a xq1 = %2 m (la croce)</translation>
    </message>
    <message>
        <source>curves cut at the top: largest factor %1</source>
        <translation>curve tagliate in alto: coefficiente massimo %1</translation>
    </message>
    <message>
        <source>least %1 at x = %2 m (the cross)</source>
        <translation>minimo %1 in x = %2 m (la croce)</translation>
    </message>
    <message>
        <source>rail traffic</source>
        <translation>traffico ferroviario</translation>
    </message>
    <message>
        <source>road traffic</source>
        <translation>traffico stradale</translation>
    </message>
    <message>
        <source>Rail vehicle: gQ,rail %1, alpha %2, Phi %3; its design axle loads %4 times the characteristic ones (the strip load gQ).</source>
        <translation>Veicolo ferroviario: gQ,rail %1, alfa %2, Phi %3; i suoi carichi d&apos;asse di progetto sono %4 volte quelli caratteristici (il carico a striscia gQ).</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: &apos;category&apos; is road or rail, not &apos;%2&apos;</source>
        <translation>veicolo &quot;%1&quot;: &apos;category&apos; è road (stradale) o rail (ferroviario), non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;: unknown keyword &apos;%2&apos; (vehicle, track, width, axle, category, end)</source>
        <translation>veicolo &quot;%1&quot;: parola chiave sconosciuta &apos;%2&apos; (vehicle, track, width, axle, category, end)</translation>
    </message>
    <message>
        <source>EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO), rail traffic (LM71)</source>
        <translation>EN 1990:2002+A1, Appendice A2, Prospetto A2.4(B), insieme B (STR/GEO), traffico ferroviario (LM71)</translation>
    </message>
    <message>
        <source>NTC 2018, Table 5.2.V (ultimate limit states of railway bridges)</source>
        <translation>NTC 2018, Tab. 5.2.V (stati limite ultimi dei ponti ferroviari)</translation>
    </message>
    <message>
        <source>EN 1991-2:2003, §6.3.2(3) (Load Model 71 as defined)</source>
        <translation>EN 1991-2:2003, §6.3.2(3) (modello di carico 71 come definito)</translation>
    </message>
    <message>
        <source>NTC 2018, §5.2.2.2.1.1 (LM71 on ordinary railways)</source>
        <translation>NTC 2018, §5.2.2.2.1.1 (LM71 sulle ferrovie ordinarie)</translation>
    </message>
    <message>
        <source>EN 1991-2:2003, §6.4.5: LΦ = 2 × clear span %1 m = %2 m (arch with fill), %3; cover h = %4 m, %5</source>
        <translation>EN 1991-2:2003, §6.4.5: LΦ = 2 × luce libera %1 m = %2 m (arco con riempimento), %3; ricoprimento h = %4 m, %5</translation>
    </message>
    <message>
        <source>NTC 2018, §5.2.2.2.3: LΦ = 2 × clear span %1 m = %2 m (Table 5.2.II, arches with fill), %3; cover h = %4 m, %5</source>
        <translation>NTC 2018, §5.2.2.2.3: LΦ = 2 × luce libera %1 m = %2 m (Tab. 5.2.II, archi con riempimento), %3; ricoprimento h = %4 m, %5</translation>
    </message>
    <message>
        <source>(carefully maintained track)</source>
        <translation>(binario con elevato standard manutentivo)</translation>
    </message>
    <message>
        <source>(standard maintenance)</source>
        <translation>(binario con ridotto standard manutentivo)</translation>
    </message>
    <message>
        <source>more than 2.50 m: Φ = 1</source>
        <translation>oltre 2,50 m: Φ = 1</translation>
    </message>
    <message>
        <source>reduced by (h - 1.00)/10 = %1, not below 1.0</source>
        <translation>ridotto di (h - 1,00)/10 = %1, non sotto 1,0</translation>
    </message>
    <message>
        <source>not above 1.00 m: no reduction</source>
        <translation>non oltre 1,00 m: nessuna riduzione</translation>
    </message>
    <message>
        <source>Coefficiente parziale γQ del traffico ferroviario</source>
        <translation>Coefficiente parziale γQ del traffico ferroviario</translation>
    </message>
    <message>
        <source>Coefficiente di adattamento α dei carichi ferroviari</source>
        <translation>Coefficiente di adattamento α dei carichi ferroviari</translation>
    </message>
    <message>
        <source>Coefficiente dinamico Φ (0: dalla luce e dal ricoprimento dell&apos;arco)</source>
        <translation>Coefficiente dinamico Φ (0: dalla luce e dal ricoprimento dell&apos;arco)</translation>
    </message>
    <message>
        <source>vehicle &quot;%1&quot;</source>
        <translation>veicolo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Minimum thickness %1 m (thickness factor t/tmin %2, not Heyman&apos;s: finite strength or friction)</source>
        <translation>Spessore minimo %1 m (rapporto di spessore t/tmin %2, non di Heyman: resistenza finita o attrito)</translation>
    </message>
</context>
<context>
    <name>voro::ui::Aiuto</name>
    <message>
        <source>Voro Help</source>
        <translation>Guida di Voro</translation>
    </message>
    <message>
        <source>Search / Cerca</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoAnello</name>
    <message>
        <source>Span L [m]</source>
        <translation>Luce L [m]</translation>
    </message>
    <message>
        <source>Rise h [m]</source>
        <translation>Freccia h [m]</translation>
    </message>
    <message>
        <source>Thickness t [m]</source>
        <translation>Spessore t [m]</translation>
    </message>
    <message>
        <source>Voussoirs n°</source>
        <translation>Conci n°</translation>
    </message>
    <message>
        <source>fc [MPa]</source>
        <translation>fc [MPa]</translation>
    </message>
    <message>
        <source>Ring of span %1</source>
        <translation>Anello della campata %1</translation>
    </message>
    <message>
        <source>One circular ring</source>
        <translation>Un solo arco di cerchio</translation>
    </message>
    <message>
        <source>Each segment&apos;s intermediate and end point of the intrados, from the span&apos;s own left springing at (0, 0); each segment starts where the one before ends.</source>
        <translation>Il punto intermedio e il punto finale dell&apos;intradosso di ogni segmento, dall&apos;imposta sinistra della campata in (0, 0); ogni segmento comincia dove finisce il precedente.</translation>
    </message>
    <message>
        <source>Segments n.</source>
        <translation>Segmenti n.</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: non è un numero</translation>
    </message>
    <message>
        <source>Segment %1, %2: not a number</source>
        <translation>Segmento %1, %2: non è un numero</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoMuratura</name>
    <message>
        <source>Masonry and Soil</source>
        <translation>Muratura e terreno</translation>
    </message>
    <message>
        <source>Compressive strength of the masonry fc [MPa] (0: unlimited, rigid voussoirs)</source>
        <translation>Resistenza a compressione della muratura fc [MPa] (0: illimitata, conci rigidi)</translation>
    </message>
    <message>
        <source>fc [MPa]</source>
        <translation>fc [MPa]</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Anello</translation>
    </message>
    <message>
        <source>Segment %1</source>
        <translation>Segmento %1</translation>
    </message>
    <message>
        <source>Check sliding of the joints</source>
        <translation>Verifica lo scorrimento dei giunti</translation>
    </message>
    <message>
        <source>Friction coefficient mu (|T| &lt;= mu N)</source>
        <translation>Coefficiente d&apos;attrito μ (|T| &lt;= μ N)</translation>
    </message>
    <message>
        <source>Mobilisation factor of the passive pressure</source>
        <translation>Fattore di mobilitazione della spinta passiva</translation>
    </message>
    <message>
        <source>Typical mean compressive strengths: rubble masonry 1-2 MPa, roughly dressed stone 2-4 MPa, solid brickwork in lime mortar 2.5-4.5 MPa (more with cement mortar), ashlar of squared blocks 6-8 MPa and above. Friction of dry or lime-mortar joints: mu 0.4-0.7. The soil behind the haunches pushes back only where the ring moves into it, up to the mobilisation factor times the full passive pressure.</source>
        <translation>Resistenze medie a compressione tipiche: muratura in pietrame disordinato 1-2 MPa, pietra sbozzata 2-4 MPa, mattoni pieni e malta di calce 2,5-4,5 MPa (di più con malta cementizia), conci squadrati 6-8 MPa e oltre. Attrito dei giunti a secco o con malta di calce: μ 0,4-0,7. Il terreno dietro le reni reagisce solo dove l&apos;anello vi spinge contro, fino al fattore di mobilitazione per la spinta passiva piena.</translation>
    </message>
    <message>
        <source>The compressive strength must be a number from 0 up.</source>
        <translation>La resistenza a compressione deve essere un numero da 0 in su.</translation>
    </message>
    <message>
        <source>The friction coefficient must be a number from 0 up.</source>
        <translation>Il coefficiente d&apos;attrito deve essere un numero da 0 in su.</translation>
    </message>
    <message>
        <source>The mobilisation factor must be a number from 0 up.</source>
        <translation>Il fattore di mobilitazione deve essere un numero da 0 in su.</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoNormativa</name>
    <message>
        <source>Code basis and title block</source>
        <translation>Riferimento normativo e cartiglio</translation>
    </message>
    <message>
        <source>Code basis and partial factors</source>
        <translation>Riferimento normativo e coefficienti parziali</translation>
    </message>
    <message>
        <source>Code basis</source>
        <translation>Riferimento normativo</translation>
    </message>
    <message>
        <source>Knowledge level</source>
        <translation>Livello di conoscenza</translation>
    </message>
    <message>
        <source>γG1,sup structural permanent loads, unfavourable</source>
        <translation>γG1,sup carichi permanenti strutturali, sfavorevoli</translation>
    </message>
    <message>
        <source>γG1,inf structural permanent loads, favourable</source>
        <translation>γG1,inf carichi permanenti strutturali, favorevoli</translation>
    </message>
    <message>
        <source>γG2,sup slab and surfacing, unfavourable</source>
        <translation>γG2,sup soletta e pavimentazione, sfavorevoli</translation>
    </message>
    <message>
        <source>γG2,inf slab and surfacing, favourable</source>
        <translation>γG2,inf soletta e pavimentazione, favorevoli</translation>
    </message>
    <message>
        <source>γM masonry</source>
        <translation>γM muratura</translation>
    </message>
    <message>
        <source>FC confidence factor</source>
        <translation>FC fattore di confidenza</translation>
    </message>
    <message>
        <source>Title block of the report (empty fields stay blank for signing by hand)</source>
        <translation>Cartiglio della relazione (i campi vuoti restano in bianco per la firma a mano)</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Committente</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Redatto</translation>
    </message>
    <message>
        <source>Checker</source>
        <translation>Verificato</translation>
    </message>
    <message>
        <source>Approver</source>
        <translation>Approvato</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>γμ friction of the joints</source>
        <translation>γμ attrito dei giunti</translation>
    </message>
    <message>
        <source>γR passive resistance of the soil</source>
        <translation>γR resistenza passiva del terreno</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non assegnato</translation>
    </message>
    <message>
        <source>γQ variable loads (strip and road vehicle)</source>
        <translation>γQ carichi variabili (striscia e veicolo stradale)</translation>
    </message>
    <message>
        <source>γQ,rail rail vehicle</source>
        <translation>γQ,rail veicolo ferroviario</translation>
    </message>
    <message>
        <source>α classification factor of rail loads</source>
        <translation>α coefficiente di adattamento dei carichi ferroviari</translation>
    </message>
    <message>
        <source>Φ dynamic factor of rail loads</source>
        <translation>Φ coefficiente dinamico dei carichi ferroviari</translation>
    </message>
    <message>
        <source>from the span and cover</source>
        <translation>dalla luce e dal ricoprimento</translation>
    </message>
    <message>
        <source>Carefully maintained (Φ2)</source>
        <translation>Elevato standard manutentivo (Φ2)</translation>
    </message>
    <message>
        <source>Standard maintenance (Φ3)</source>
        <translation>Ridotto standard manutentivo (Φ3)</translation>
    </message>
    <message>
        <source>Track over the arch</source>
        <translation>Binario sull&apos;arco</translation>
    </message>
    <message>
        <source>Design strength fc / (γM FC), design friction μ / γμ, the soil&apos;s passive resistance from the characteristic loads over γR; a rail vehicle&apos;s axles at γQ,rail α Φ. The adequacy factor is the live-load factor of the design loads, the smallest of the combinations.</source>
        <translation>Resistenza di progetto fc / (γM FC), attrito di progetto μ / γμ, resistenza passiva del terreno dai carichi caratteristici divisa per γR; gli assi di un veicolo ferroviario per γQ,rail α Φ. Il fattore di adeguatezza è il moltiplicatore del carico variabile dei carichi di progetto, il minore delle combinazioni.</translation>
    </message>
    <message>
        <source>Document number</source>
        <translation>N. documento</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Purpose</source>
        <translation>Scopo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Iscrizione all&apos;albo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>voro::ui::DialogoVeicolo</name>
    <message>
        <source>Vehicle on the fill</source>
        <translation>Veicolo sul riempimento</translation>
    </message>
    <message>
        <source>(no vehicle)</source>
        <translation>(nessun veicolo)</translation>
    </message>
    <message>
        <source>Typed below</source>
        <translation>Digitato sotto</translation>
    </message>
    <message>
        <source>Wheel track, centre to centre [m]</source>
        <translation>Interasse delle ruote, da centro a centro [m]</translation>
    </message>
    <message>
        <source>Contact width of a wheel across the road [m]</source>
        <translation>Larghezza d&apos;impronta di una ruota trasversale alla strada [m]</translation>
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
        <translation>Carico dell&apos;intero asse</translation>
    </message>
    <message>
        <source>Distance from the first axle</source>
        <translation>Distanza dal primo asse</translation>
    </message>
    <message>
        <source>Contact length along the span</source>
        <translation>Lunghezza d&apos;impronta lungo la luce</translation>
    </message>
    <message>
        <source>&amp;Add axle</source>
        <translation>&amp;Aggiungi asse</translation>
    </message>
    <message>
        <source>&amp;Remove axle</source>
        <translation>&amp;Rimuovi asse</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>1 horizontal : 2 vertical</source>
        <translation>1 orizzontale : 2 verticale</translation>
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
        <translation>Angolo digitato</translation>
    </message>
    <message>
        <source>Angle of spread from the vertical, 0 to 60 degrees</source>
        <translation>Angolo di diffusione dalla verticale, da 0 a 60 gradi</translation>
    </message>
    <message>
        <source>Save in &amp;my library</source>
        <translation>Salva nella &amp;mia libreria</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Track s [m]</source>
        <translation>Interasse s [m]</translation>
    </message>
    <message>
        <source>Contact width w [m]</source>
        <translation>Larghezza d&apos;impronta w [m]</translation>
    </message>
    <message>
        <source>Spread through the fill</source>
        <translation>Diffusione nel riempimento</translation>
    </message>
    <message>
        <source>Angle θ [°]</source>
        <translation>Angolo θ [°]</translation>
    </message>
    <message>
        <source>Choose or type a vehicle first.</source>
        <translation>Scegliere o digitare prima un veicolo.</translation>
    </message>
    <message>
        <source>The vehicle library %1 was left out: %2</source>
        <translation>La libreria dei veicoli %1 è stata tralasciata: %2</translation>
    </message>
    <message>
        <source>Vehicle &quot;%1&quot;: %2 &quot;%3&quot; is not a number</source>
        <translation>Veicolo &quot;%1&quot;: %2 &quot;%3&quot; non è un numero</translation>
    </message>
    <message>
        <source>track s</source>
        <translation>interasse s</translation>
    </message>
    <message>
        <source>contact width w</source>
        <translation>larghezza d&apos;impronta w</translation>
    </message>
    <message>
        <source>load P</source>
        <translation>carico P</translation>
    </message>
    <message>
        <source>distance d</source>
        <translation>distanza d</translation>
    </message>
    <message>
        <source>contact length a</source>
        <translation>lunghezza d&apos;impronta a</translation>
    </message>
    <message>
        <source>axle %1, %2</source>
        <translation>asse %1, %2</translation>
    </message>
    <message>
        <source>The angle of spread &quot;%1&quot; is not an angle from 0° to 60°</source>
        <translation>L&apos;angolo di diffusione &quot;%1&quot; non è un angolo da 0° a 60°</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is saved in your vehicle library %2.</source>
        <translation>&quot;%1&quot; è salvato nella tua libreria dei veicoli %2.</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Stradale</translation>
    </message>
    <message>
        <source>Rail</source>
        <translation>Ferroviario</translation>
    </message>
    <message>
        <source>The code basis takes the partial factor of the vehicle&apos;s traffic; a rail vehicle&apos;s axles also carry α and Φ</source>
        <translation>Il riferimento normativo assume il coefficiente parziale del traffico del veicolo; gli assi di un veicolo ferroviario portano anche α e Φ</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Traffico</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraPlot</name>
    <message>
        <source>Plot</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Esporta DXF</translation>
    </message>
    <message>
        <source>&amp;Draw in Autocad</source>
        <translation>&amp;Disegna in Autocad</translation>
    </message>
    <message>
        <source>&lt;-- &amp;Previous</source>
        <translation>&lt;-- &amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Avanti --&gt;</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Esporta il &amp;disegno...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraPrincipale</name>
    <message>
        <source>All Files (*.*)|*.*|Voro Files (*.vro)|*.vro</source>
        <translation>Tutti i file (*.*)|*.*|File di Voro (*.vro)|*.vro</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>File %1 non trovato</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato %1</translation>
    </message>
    <message>
        <source>Estimated time: %1</source>
        <translation>Tempo stimato: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Output File (&amp;TXT)...</source>
        <translation>File di testo (&amp;TXT)...</translation>
    </message>
    <message>
        <source>&amp;Export Report...</source>
        <translation>&amp;Esporta relazione...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometria</translation>
    </message>
    <message>
        <source>&amp;Loads</source>
        <translation>&amp;Carichi</translation>
    </message>
    <message>
        <source>Solve &amp;Options</source>
        <translation>&amp;Opzioni di calcolo</translation>
    </message>
    <message>
        <source>S&amp;olve</source>
        <translation>&amp;Calcolo</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>&amp;Assess</source>
        <translation>&amp;Verifica</translation>
    </message>
    <message>
        <source>&amp;Assess Safety</source>
        <translation>&amp;Verifica di sicurezza</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Re&amp;lazione</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>Mostra &amp;relazione</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Esporta DXF</translation>
    </message>
    <message>
        <source>&amp;Draw in Autocad</source>
        <translation>&amp;Disegna in Autocad</translation>
    </message>
    <message>
        <source>There is no drawing: solve the arch or plot its geometry.</source>
        <translation>Non c&apos;è nessun disegno: risolvere l&apos;arco o tracciarne la geometria.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>&amp;Discretization</source>
        <translation>&amp;Discretizzazione</translation>
    </message>
    <message>
        <source>&amp;Vertical forces</source>
        <translation>Forze &amp;verticali</translation>
    </message>
    <message>
        <source>&amp;Horizontal forces</source>
        <translation>Forze &amp;orizzontali</translation>
    </message>
    <message>
        <source>&amp;Resultants</source>
        <translation>&amp;Risultanti</translation>
    </message>
    <message>
        <source>&amp;White Background</source>
        <translation>Sfondo &amp;bianco</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Example Files...</source>
        <translation>File di &amp;esempio...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Loads</source>
        <translation>Carichi</translation>
    </message>
    <message>
        <source>Solve Options</source>
        <translation>Opzioni di calcolo</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relazione</translation>
    </message>
    <message>
        <source>Assess</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>The project has no results: solve the arch with Solve.</source>
        <translation>Non ci sono risultati del progetto: risolvere l&apos;arco con Risolvi.</translation>
    </message>
    <message>
        <source>Error: Check Geometry<byte value="xd"/>The geometry has not been read: complete the Geometry form and press Next.</source>
        <translation>Errore: controllare la geometria<byte value="xd"/>La geometria non è stata letta: completare il form Geometria e premere Avanti.</translation>
    </message>
    <message>
        <source>The calculation is running: wait for it to end or press Stop.</source>
        <translation>Il calcolo è in corso: attendere che finisca o premere Stop.</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Calcolo in corso...</translation>
    </message>
    <message>
        <source>The input changed during the calculation: results discarded, solve again</source>
        <translation>I dati sono cambiati durante il calcolo: risultati scartati, risolvere di nuovo</translation>
    </message>
    <message>
        <source>Search stopped: the results are those of the best point found so far</source>
        <translation>Ricerca interrotta: i risultati sono quelli del punto migliore trovato fin qui</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <source>Calculation failed</source>
        <translation>Calcolo fallito</translation>
    </message>
    <message>
        <source>Cannot open the help file %1</source>
        <translation>Impossibile aprire il file della guida %1</translation>
    </message>
    <message>
        <source>Arch assessment - File: </source>
        <translation>Verifica di archi - File: </translation>
    </message>
    <message>
        <source>P&amp;lot</source>
        <translation>Dise&amp;gno</translation>
    </message>
    <message>
        <source>%1 - search stopped: best point so far</source>
        <translation>%1 - ricerca interrotta: punto migliore trovato</translation>
    </message>
    <message>
        <source>&amp;Masonry and Soil...</source>
        <translation>&amp;Muratura e terreno...</translation>
    </message>
    <message>
        <source>&amp;Code Basis and Title Block...</source>
        <translation>&amp;Riferimento normativo e cartiglio...</translation>
    </message>
    <message>
        <source>%1 - out of date: the data on screen have changed</source>
        <translation>%1 - superata: i dati sullo schermo sono cambiati</translation>
    </message>
    <message>
        <source>The project is not saved: &quot;%1&quot; in &quot;%2&quot; cannot be kept in the project file, whose code page (Windows-1252) lacks it. Change it and save again.</source>
        <translation>Il progetto non è salvato: &quot;%1&quot; in &quot;%2&quot; non può essere conservato nel file del progetto, la cui tabella di caratteri (Windows-1252) non lo ha. Cambiarlo e salvare di nuovo.</translation>
    </message>
</context>
<context>
    <name>voro::ui::FinestraSicurezza</name>
    <message>
        <source>Safety</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Export DXF</source>
        <translation>&amp;Esporta DXF</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Grandezza</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>What it means</source>
        <translation>Significato</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Load position %1 of %2</source>
        <translation>Posizione del carico %1 di %2</translation>
    </message>
    <message>
        <source>Minimum thickness...</source>
        <translation>Spessore minimo...</translation>
    </message>
    <message>
        <source>Assessing...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotta</translation>
    </message>
    <message>
        <source>No assessment: %1</source>
        <translation>Nessuna verifica: %1</translation>
    </message>
    <message>
        <source>Admissible</source>
        <translation>Ammissibile</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>A thrust line fits within the masonry: the arch stands (safe theorem)</source>
        <translation>Una curva delle pressioni sta nella muratura: l&apos;arco sta in piedi (teorema statico)</translation>
    </message>
    <message>
        <source>No thrust line fits within the masonry, whatever the hinges</source>
        <translation>Nessuna curva delle pressioni sta nella muratura, comunque si scelgano le cerniere</translation>
    </message>
    <message>
        <source>Thickness ratio s</source>
        <translation>Rapporto di spessore s</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>The least fraction of each joint&apos;s half depth a thrust line needs</source>
        <translation>La minima frazione della semialtezza di ogni giunto che serve a una curva delle pressioni</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Joints where that line touches the reduced section (i intrados, e extrados)</source>
        <translation>Giunti dove quella curva tocca la sezione ridotta (i intradosso, e estradosso)</translation>
    </message>
    <message>
        <source>Least thrust [kN]</source>
        <translation>Spinta minima [kN]</translation>
    </message>
    <message>
        <source>Least horizontal force of the left support on the arch among the lines that fit</source>
        <translation>La minima forza orizzontale dell&apos;appoggio sinistro sull&apos;arco fra le curve ammissibili</translation>
    </message>
    <message>
        <source>Largest thrust [kN]</source>
        <translation>Spinta massima [kN]</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>illimitata</translation>
    </message>
    <message>
        <source>The most a tie or an abutment may have to take</source>
        <translation>Il massimo che una catena o una spalla può dover portare</translation>
    </message>
    <message>
        <source>no collapse</source>
        <translation>nessun collasso</translation>
    </message>
    <message>
        <source>no variable load</source>
        <translation>nessun carico variabile</translation>
    </message>
    <message>
        <source>none fits</source>
        <translation>nessuna ammissibile</translation>
    </message>
    <message>
        <source>Live-load factor</source>
        <translation>Moltiplicatore del carico variabile</translation>
    </message>
    <message>
        <source>Mechanism</source>
        <translation>Meccanismo</translation>
    </message>
    <message>
        <source>Worst live-load factor</source>
        <translation>Moltiplicatore peggiore</translation>
    </message>
    <message>
        <source>The strip load covers the whole structure: one position</source>
        <translation>Il carico a striscia copre l&apos;intera struttura: una sola posizione</translation>
    </message>
    <message>
        <source>Least factor over %1 positions of the strip load</source>
        <translation>Il minimo moltiplicatore su %1 posizioni del carico a striscia</translation>
    </message>
    <message>
        <source>Worst position [m]</source>
        <translation>Posizione peggiore [m]</translation>
    </message>
    <message>
        <source>Where the strip load is worst</source>
        <translation>Dove il carico a striscia è più gravoso</translation>
    </message>
    <message>
        <source>Minimum thickness [m]</source>
        <translation>Spessore minimo [m]</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</source>
        <translation>Tutti i file (*.*)|*.*|File per Autocad (*.dxf)|*.dxf</translation>
    </message>
    <message>
        <source>Export &amp;Plot...</source>
        <translation>Esporta il &amp;disegno...</translation>
    </message>
    <message>
        <source>Export Sweep &amp;Chart...</source>
        <translation>Esporta il &amp;grafico dello spostamento...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>✔ ADEQUATE</source>
        <translation>✔ ADEGUATO</translation>
    </message>
    <message>
        <source>✘ NOT ADEQUATE</source>
        <translation>✘ NON ADEGUATO</translation>
    </message>
    <message>
        <source>no design variable load can make a mechanism</source>
        <translation>nessun carico variabile di progetto può produrre un meccanismo</translation>
    </message>
    <message>
        <source>no thrust line fits under the design permanent loads</source>
        <translation>nessuna curva delle pressioni sta nella muratura sotto i carichi permanenti di progetto</translation>
    </message>
    <message>
        <source>Code basis: %1</source>
        <translation>Riferimento normativo: %1</translation>
    </message>
    <message>
        <source>knowledge level %1</source>
        <translation>livello di conoscenza %1</translation>
    </message>
    <message>
        <source>permanent loads at their favourable factors</source>
        <translation>carichi permanenti ai coefficienti favorevoli</translation>
    </message>
    <message>
        <source>permanent loads at their unfavourable factors</source>
        <translation>carichi permanenti ai coefficienti sfavorevoli</translation>
    </message>
    <message>
        <source>%1 from x = %2 to %3 m</source>
        <translation>%1 da x = %2 a %3 m</translation>
    </message>
    <message>
        <source>no sliding</source>
        <translation>nessuno scorrimento</translation>
    </message>
    <message>
        <source>soil resisting up to %1 of the passive pressure</source>
        <translation>terreno che resiste fino a %1 della spinta passiva</translation>
    </message>
    <message>
        <source>Hypotheses</source>
        <translation>Ipotesi</translation>
    </message>
    <message>
        <source>Of every figure below but the geometric factor, which is Heyman&apos;s (rigid)</source>
        <translation>Di ogni valore qui sotto tranne il coefficiente geometrico, che è quello di Heyman (rigido)</translation>
    </message>
    <message>
        <source>Rigid masonry of unlimited strength: crushing is not checked; the geometric factor is Heyman&apos;s</source>
        <translation>Muratura rigida di resistenza illimitata: lo schiacciamento non è verificato; il coefficiente geometrico è quello di Heyman</translation>
    </message>
    <message>
        <source>Depth ratio 1/s</source>
        <translation>Rapporto fra le altezze 1/s</translation>
    </message>
    <message>
        <source>Each joint&apos;s depth over the depth the thrust line of least eccentricity needs</source>
        <translation>L&apos;altezza di ogni giunto su quella che la curva delle pressioni di minima eccentricità richiede</translation>
    </message>
    <message>
        <source>Largest multiplier of the variable load before collapse (dead loads as given)</source>
        <translation>Massimo moltiplicatore del carico variabile prima del collasso (pesi propri come dati)</translation>
    </message>
    <message>
        <source>The joints of the collapse (i intrados, e extrados, c crushing, s sliding)</source>
        <translation>I giunti del collasso (i intradosso, e estradosso, c schiacciamento, s scorrimento)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Thinnest segment when every thickness is scaled down until no thrust line fits, the road, slab and loads kept where the project puts them</source>
        <translation>Il segmento più sottile quando ogni spessore è ridotto finché nessuna curva delle pressioni sta nella muratura, strada, soletta e carichi tenuti dove li pone il progetto</translation>
    </message>
    <message>
        <source>Geometric factor of safety t/tmin</source>
        <translation>Coefficiente di sicurezza geometrico t/tmin</translation>
    </message>
    <message>
        <source>Heyman: the ring&apos;s thickness over the least thickness that still holds a thrust line</source>
        <translation>Heyman: lo spessore dell&apos;anello sullo spessore minimo che contiene ancora una curva delle pressioni</translation>
    </message>
    <message>
        <source>%1 voussoirs, y = %2 m (%3 m above the ring&apos;s end)</source>
        <translation>%1 conci, y = %2 m (%3 m sopra l&apos;estremo dell&apos;anello)</translation>
    </message>
    <message>
        <source>Springing raised, left</source>
        <translation>Imposta rialzata, sinistra</translation>
    </message>
    <message>
        <source>The upper wall takes these voussoirs off the ring: the arch springs higher</source>
        <translation>La parete superiore toglie questi conci all&apos;anello: l&apos;arco imposta più in alto</translation>
    </message>
    <message>
        <source>Springing raised, right</source>
        <translation>Imposta rialzata, destra</translation>
    </message>
    <message>
        <source>? NOT CERTIFIED</source>
        <translation>? NON CERTIFICATO</translation>
    </message>
    <message>
        <source>a figure the verdict rests on has no certified answer</source>
        <translation>un valore su cui si fonda l&apos;esito non ha una risposta certificata</translation>
    </message>
    <message>
        <source>not certified</source>
        <translation>non certificato</translation>
    </message>
    <message>
        <source>Assessed: exact limit analysis (%1)</source>
        <translation>Verificato: analisi limite esatta (%1)</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicolo</translation>
    </message>
    <message>
        <source>Driven across the bridge in %1 positions, the least factor refined between them</source>
        <translation>Fatto percorrere il ponte in %1 posizioni, il minimo moltiplicatore affinato fra esse</translation>
    </message>
    <message>
        <source>Vehicle&apos;s worst live-load factor</source>
        <translation>Moltiplicatore peggiore del veicolo</translation>
    </message>
    <message>
        <source>Largest multiplier of the strip load and the vehicle together, at the vehicle&apos;s worst position (the project&apos;s characteristic loads)</source>
        <translation>Massimo moltiplicatore del carico a striscia e del veicolo insieme, nella posizione peggiore del veicolo (carichi caratteristici del progetto)</translation>
    </message>
    <message>
        <source>Vehicle&apos;s worst position [m]</source>
        <translation>Posizione peggiore del veicolo [m]</translation>
    </message>
    <message>
        <source>x = %1, forward</source>
        <translation>x = %1, in avanti</translation>
    </message>
    <message>
        <source>x = %1, backward</source>
        <translation>x = %1, all&apos;indietro</translation>
    </message>
    <message>
        <source>The first axle&apos;s position; forward: the other axles at x + d, backward: at x - d</source>
        <translation>La posizione del primo asse; in avanti: gli altri assi in x + d, all&apos;indietro: in x - d</translation>
    </message>
    <message>
        <source>Vehicle&apos;s mechanism</source>
        <translation>Meccanismo del veicolo</translation>
    </message>
    <message>
        <source>Vehicle&apos;s axle loads at collapse [kN]</source>
        <translation>Carichi degli assi al collasso [kN]</translation>
    </message>
    <message>
        <source>Each axle&apos;s load times the worst factor, axle 1 first</source>
        <translation>Il carico di ogni asse per il moltiplicatore peggiore, dal primo asse</translation>
    </message>
    <message>
        <source>Vehicle&apos;s effective widths b_e [m]</source>
        <translation>Larghezze efficaci b_e del veicolo [m]</translation>
    </message>
    <message>
        <source>The width of ring that carries each axle: the ring takes P b / b_e</source>
        <translation>La larghezza di anello che porta ogni asse: l&apos;anello prende P b / b_e</translation>
    </message>
    <message>
        <source>rigid voussoirs of unlimited strength</source>
        <translation>conci rigidi di resistenza illimitata</translation>
    </message>
    <message>
        <source>no tension</source>
        <translation>nessuna trazione</translation>
    </message>
    <message>
        <source>friction μ = %1</source>
        <translation>attrito μ = %1</translation>
    </message>
    <message>
        <source>Strip load</source>
        <translation>Carico a striscia</translation>
    </message>
    <message>
        <source>adequacy factor %1 (%2 1), design loads and strength</source>
        <translation>fattore di adeguatezza %1 (%2 1), carichi e resistenza di progetto</translation>
    </message>
    <message>
        <source>%1 MPa</source>
        <translation>%1 MPa</translation>
    </message>
    <message>
        <source>not certified: %1</source>
        <translation>non certificati: %1</translation>
    </message>
    <message>
        <source>all (dense simplex and COIN-OR CLP)</source>
        <translation>tutti (simplesso denso e COIN-OR CLP)</translation>
    </message>
    <message>
        <source>all (dense simplex)</source>
        <translation>tutti (simplesso denso)</translation>
    </message>
    <message>
        <source>Certified</source>
        <translation>Certificati</translation>
    </message>
    <message>
        <source>Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), and the two agree within the stated gap</source>
        <translation>Ogni valore sta fra una curva delle pressioni ammissibile (lato sicuro) e un meccanismo di collasso (lato non sicuro), e i due concordano entro lo scarto dichiarato</translation>
    </message>
    <message>
        <source>structural permanent loads unfavourable, slab and surfacing favourable</source>
        <translation>carichi permanenti strutturali sfavorevoli, soletta e pavimentazione favorevoli</translation>
    </message>
    <message>
        <source>structural permanent loads favourable, slab and surfacing unfavourable</source>
        <translation>carichi permanenti strutturali favorevoli, soletta e pavimentazione sfavorevoli</translation>
    </message>
    <message>
        <source>NO VERDICT</source>
        <translation>NESSUN ESITO</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormCarichi</name>
    <message>
        <source>Load</source>
        <translation>Carichi</translation>
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
        <translation>Carico variabile distribuito [kN/m2]</translation>
    </message>
    <message>
        <source>Abscissa where the load begins [m]</source>
        <translation>Ascissa d&apos;inizio del carico [m]</translation>
    </message>
    <message>
        <source>Abscissa where the load ends [m]</source>
        <translation>Ascissa di fine del carico [m]</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Plot scale</source>
        <translation>Scala del disegno</translation>
    </message>
    <message>
        <source>Denominator of the scale of the load diagram</source>
        <translation>Denominatore della scala del diagramma dei carichi</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>&lt;-- &amp;Previous</source>
        <translation>&lt;-- &amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Avanti --&gt;</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Ve&amp;hicle...</source>
        <translation>Veic&amp;olo...</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormGeometria</name>
    <message>
        <source>Title of the project</source>
        <translation>Titolo del progetto</translation>
    </message>
    <message>
        <source>Number of segments of circles</source>
        <translation>Numero dei segmenti di circonferenza</translation>
    </message>
    <message>
        <source>Ring geometry</source>
        <translation>Geometria dell&apos;anello</translation>
    </message>
    <message>
        <source>Span         L</source>
        <translation>Luce         L</translation>
    </message>
    <message>
        <source>Rise           h</source>
        <translation>Freccia      h</translation>
    </message>
    <message>
        <source>Thickness  t</source>
        <translation>Spessore   t</translation>
    </message>
    <message>
        <source>Voussoirs n°</source>
        <translation>Conci n°</translation>
    </message>
    <message>
        <source>Span of the arch [m]</source>
        <translation>Luce dell&apos;arco [m]</translation>
    </message>
    <message>
        <source>Rise of the arch [m]</source>
        <translation>Freccia dell&apos;arco [m]</translation>
    </message>
    <message>
        <source>Thickness of the ring [m]</source>
        <translation>Spessore dell&apos;anello [m]</translation>
    </message>
    <message>
        <source>Number of voussoirs (masonry units) </source>
        <translation>Numero dei conci (elementi di muratura)</translation>
    </message>
    <message>
        <source>Coordinates of the points that define the segments of circles.</source>
        <translation>Coordinate dei punti che definiscono i segmenti di circonferenza.</translation>
    </message>
    <message>
        <source>Fill thickness at crown [m]</source>
        <translation>Spessore del riempimento in chiave [m]</translation>
    </message>
    <message>
        <source>Slab thickness [m]</source>
        <translation>Spessore della soletta [m]</translation>
    </message>
    <message>
        <source>Masonry unit weight [kN/m3]</source>
        <translation>Peso specifico della muratura [kN/m3]</translation>
    </message>
    <message>
        <source>Fill unit weight [kN/m3]</source>
        <translation>Peso specifico del riempimento [kN/m3]</translation>
    </message>
    <message>
        <source>Slab unit weight [kN/m3]</source>
        <translation>Peso specifico della soletta [kN/m3]</translation>
    </message>
    <message>
        <source>Protrusion of the upper wall [m]</source>
        <translation>Sporgenza della parete superiore [m]</translation>
    </message>
    <message>
        <source>Depth of solid fill [m]</source>
        <translation>Profondità del rinfianco solido [m]</translation>
    </message>
    <message>
        <source>Width of the arch [m]</source>
        <translation>Larghezza dell&apos;arco [m]</translation>
    </message>
    <message>
        <source>Ring width</source>
        <translation>Larghezza anello</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Start eccentricities [mm]</source>
        <translation>Eccentricità iniziali [mm]</translation>
    </message>
    <message>
        <source>Eccentricities of the thrust-line to be used without optimization</source>
        <translation>Eccentricità della curva delle pressioni da usare senza ottimizzazione</translation>
    </message>
    <message>
        <source>Left springing el</source>
        <translation>Imposta sinistra el</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the left springing [mm]</source>
        <translation>Eccentricità della curva delle pressioni all&apos;imposta sinistra [mm]</translation>
    </message>
    <message>
        <source>Crown          ec</source>
        <translation>Chiave          ec</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the crown [mm]</source>
        <translation>Eccentricità della curva delle pressioni in chiave [mm]</translation>
    </message>
    <message>
        <source>Right springing er</source>
        <translation>Imposta destra er</translation>
    </message>
    <message>
        <source>Eccentricity of the thrust line at the right springing [mm]</source>
        <translation>Eccentricità della curva delle pressioni all&apos;imposta destra [mm]</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Avanti --&gt;</translation>
    </message>
    <message>
        <source>Title :</source>
        <translation>Titolo :</translation>
    </message>
    <message>
        <source>Units kN - m</source>
        <translation>Unità kN - m</translation>
    </message>
    <message>
        <source>Segments n.</source>
        <translation>Segmenti n.</translation>
    </message>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Errore: controllare la geometria</translation>
    </message>
    <message>
        <source>%1: the wall takes %2 voussoirs, the arch springs at y = %3 m (%4 m above the ring&apos;s end)</source>
        <translation>%1: la parete prende %2 conci, l&apos;imposta dell&apos;arco è a quota y = %3 m (%4 m sopra l&apos;estremo dell&apos;anello)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Springings raised by the upper walls.</source>
        <translation>Imposte rialzate dalle pareti superiori.</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormInfo</name>
    <message>
        <source>About Program Voro</source>
        <translation>Informazioni sul programma Voro</translation>
    </message>
    <message>
        <source>Assessment of masonry arches and vaults</source>
        <translation>Verifica di archi e volte in muratura</translation>
    </message>
    <message>
        <source>Voro, version %1</source>
        <translation>Voro, versione %1</translation>
    </message>
    <message>
        <source>Limit analysis by three-hinged thrust lines</source>
        <translation>Analisi limite con curve delle pressioni a tre cerniere</translation>
    </message>
    <message>
        <source>The Voro developers</source>
        <translation>Gli sviluppatori di Voro</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cannot open the browser for %1</source>
        <translation>Impossibile aprire il browser per %1</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormOpzioni</name>
    <message>
        <source>Solve options</source>
        <translation>Opzioni di calcolo</translation>
    </message>
    <message>
        <source>Optimize thrust-line</source>
        <translation>Ottimizza la curva delle pressioni</translation>
    </message>
    <message>
        <source>Number of divisions of the ring thickness for the optimization</source>
        <translation>Numero di divisioni dello spessore dell&apos;anello per l&apos;ottimizzazione</translation>
    </message>
    <message>
        <source>Approximation of the thrust-line optimization [mm]</source>
        <translation>Approssimazione dell&apos;ottimizzazione della curva delle pressioni [mm]</translation>
    </message>
    <message>
        <source>Optimize eccentricity</source>
        <translation>Ottimizza eccentricità</translation>
    </message>
    <message>
        <source>Steps n.</source>
        <translation>Passi n.</translation>
    </message>
    <message>
        <source>Approx. [mm]</source>
        <translation>Approssim. [mm]</translation>
    </message>
    <message>
        <source>Passive pressures</source>
        <translation>Spinte passive</translation>
    </message>
    <message>
        <source>Coefficient of passive pressure</source>
        <translation>Coefficiente di spinta passiva</translation>
    </message>
    <message>
        <source>Number of voussoirs to which apply passive pressures starting from left springing</source>
        <translation>Numero dei conci a cui applicare la spinta passiva a partire dall&apos;imposta sinistra</translation>
    </message>
    <message>
        <source>Number of voussoirs to which apply passive pressures starting from right springing</source>
        <translation>Numero dei conci a cui applicare la spinta passiva a partire dall&apos;imposta destra</translation>
    </message>
    <message>
        <source>Kp</source>
        <translation>Kp</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primi</translation>
    </message>
    <message>
        <source>voussoirs</source>
        <translation>conci</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ultimi</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Estimated time of the search</source>
        <translation>Tempo stimato della ricerca</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop optimization</source>
        <translation>Interrompi l&apos;ottimizzazione</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Risolvi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>voro::ui::FormRisultati</name>
    <message>
        <source>Report</source>
        <translation>Relazione</translation>
    </message>
    <message>
        <source>Max compression stress at extrados (negative if traction)</source>
        <translation>Massima tensione di compressione all&apos;estradosso (negativa se di trazione)</translation>
    </message>
    <message>
        <source>Section number</source>
        <translation>Numero della sezione</translation>
    </message>
    <message>
        <source>Max compression stress at intrados (negative if traction)</source>
        <translation>Massima tensione di compressione all&apos;intradosso (negativa se di trazione)</translation>
    </message>
    <message>
        <source>Min percent of compressed section (0 if traction)</source>
        <translation>Minima percentuale di sezione compressa (0 se in trazione)</translation>
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
        <translation>%compr</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Sect.</source>
        <translation>Sez.</translation>
    </message>
    <message>
        <source>Horizontal force of the left support on the arch, positive toward the arch</source>
        <translation>Forza orizzontale dell&apos;appoggio sinistro sull&apos;arco, positiva verso l&apos;arco</translation>
    </message>
    <message>
        <source>Horizontal force of the right support on the arch, positive toward the arch</source>
        <translation>Forza orizzontale dell&apos;appoggio destro sull&apos;arco, positiva verso l&apos;arco</translation>
    </message>
    <message>
        <source>Vertical force at the left springing</source>
        <translation>Forza verticale all&apos;imposta sinistra</translation>
    </message>
    <message>
        <source>Vertical force at the right springing</source>
        <translation>Forza verticale all&apos;imposta destra</translation>
    </message>
    <message>
        <source>Tie thrust (if tie is positioned at springers)</source>
        <translation>Tiro della catena (se la catena è alle imposte)</translation>
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
        <translation>Risultante delle spinte passive accanto all&apos;imposta sinistra, positiva verso la chiave</translation>
    </message>
    <message>
        <source>Resultant of the passive pressures next to the right springing, positive toward the crown</source>
        <translation>Risultante delle spinte passive accanto all&apos;imposta destra, positiva verso la chiave</translation>
    </message>
    <message>
        <source>Moment of the passive pressures about the left extrados end of the ring</source>
        <translation>Momento delle spinte passive attorno all&apos;estremo sinistro dell&apos;estradosso dell&apos;anello</translation>
    </message>
    <message>
        <source>Moment of the passive pressures about the right extrados end of the ring</source>
        <translation>Momento delle spinte passive attorno all&apos;estremo destro dell&apos;estradosso dell&apos;anello</translation>
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
        <translation>Eccentricità ottimali [mm]</translation>
    </message>
    <message>
        <source>Left springing el</source>
        <translation>Imposta sinistra el</translation>
    </message>
    <message>
        <source>Crown           ec</source>
        <translation>Chiave           ec</translation>
    </message>
    <message>
        <source>Right spring.  er</source>
        <translation>Imposta destra er</translation>
    </message>
    <message>
        <source>Set as start values</source>
        <translation>Usa come valori iniziali</translation>
    </message>
    <message>
        <source>Enlarge</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Worst values</source>
        <translation>Valori peggiori</translation>
    </message>
    <message>
        <source>Reactions at springings</source>
        <translation>Reazioni alle imposte</translation>
    </message>
    <message>
        <source>Walls reactions</source>
        <translation>Reazioni delle pareti</translation>
    </message>
    <message>
        <source>Tie thrust</source>
        <translation>Tiro della catena</translation>
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
        <translation>Riduci</translation>
    </message>
    <message>
        <source>The search was stopped before its end: the hinges are the best point found so far, on a grid of %1 mm.</source>
        <translation>La ricerca è stata interrotta prima della fine: le cerniere sono il punto migliore trovato fin qui, su una griglia di %1 mm.</translation>
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
        <translation>conci n°</translation>
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
        <translation>Muovere il veicolo lungo il ponte: la posizione del suo primo asse</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>In avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>All&apos;indietro</translation>
    </message>
    <message>
        <source>Forward: the other axles at x + d; backward: at x - d</source>
        <translation>In avanti: gli altri assi in x + d; all&apos;indietro: in x - d</translation>
    </message>
    <message>
        <source>&amp;Worst position</source>
        <translation>Posizione &amp;peggiore</translation>
    </message>
    <message>
        <source>live-load factor %1, mechanism %2</source>
        <translation>moltiplicatore del carico variabile %1, meccanismo %2</translation>
    </message>
    <message>
        <source>no collapse by the variable load at this position</source>
        <translation>nessun collasso per il carico variabile in questa posizione</translation>
    </message>
    <message>
        <source> — worst %1 at x = %2 m (%3)</source>
        <translation> — peggiore %1 in x = %2 m (%3)</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>in avanti</translation>
    </message>
    <message>
        <source>backward</source>
        <translation>all&apos;indietro</translation>
    </message>
    <message>
        <source>Characteristic loads, first axle at x = %1 m: </source>
        <translation>Carichi caratteristici, primo asse in x = %1 m: </translation>
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
        <translation>f [m]</translation>
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
        <translation>Quota [m]</translation>
    </message>
    <message>
        <source>Pier b [m]</source>
        <translation>Pila b [m]</translation>
    </message>
    <message>
        <source>Pier H [m]</source>
        <translation>Pila H [m]</translation>
    </message>
    <message>
        <source>Batter left</source>
        <translation>Scarpa sinistra</translation>
    </message>
    <message>
        <source>Batter right</source>
        <translation>Scarpa destra</translation>
    </message>
    <message>
        <source>Pier γ [kN/m³]</source>
        <translation>Pila γ [kN/m³]</translation>
    </message>
    <message>
        <source>Spans and piers</source>
        <translation>Campate e pile</translation>
    </message>
    <message>
        <source>One row a span: the first is the ring above; each further span has its ring, the level of its left springing above the first span&apos;s and the pier on its left (width at the springings, height from its foundation, batters horizontal over vertical, unit weight).</source>
        <translation>Una riga per campata: la prima è l&apos;anello sopra; ogni altra campata ha il suo anello, la quota della sua imposta sinistra rispetto alla prima campata e la pila alla sua sinistra (larghezza all&apos;imposta, altezza dalla fondazione, scarpe in orizzontale per verticale, peso specifico).</translation>
    </message>
    <message>
        <source>Add span</source>
        <translation>Aggiungi campata</translation>
    </message>
    <message>
        <source>Remove span</source>
        <translation>Togli campata</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>The span moves with the pier on its left</source>
        <translation>La campata si sposta con la pila alla sua sinistra</translation>
    </message>
    <message>
        <source>segments</source>
        <translation>segmenti</translation>
    </message>
    <message>
        <source>Span %1</source>
        <translation>Campata %1</translation>
    </message>
    <message>
        <source>Span %1, %2: not a number</source>
        <translation>Campata %1, %2: non è un numero</translation>
    </message>
    <message>
        <source>Ring...</source>
        <translation>Anello...</translation>
    </message>
    <message>
        <source>The ring of the current span: one circle, or a chain of segments</source>
        <translation>L&apos;anello della campata corrente: un arco di cerchio o una catena di segmenti</translation>
    </message>
</context>
<context>
    <name>voro::ui::ValidatoreCodicePagina</name>
    <message>
        <source>&quot;%1&quot; (U+%2) cannot be kept in the project file, whose code page (Windows-1252) lacks it: type another letter.</source>
        <translation>&quot;%1&quot; (U+%2) non può essere conservato nel file del progetto, la cui tabella di caratteri (Windows-1252) non lo ha: digitare un&apos;altra lettera.</translation>
    </message>
</context>
<context>
    <name>voro::ui::ValutatoreSicurezza</name>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Errore: controllare la geometria</translation>
    </message>
</context>
<context>
    <name>voro::ui::VistaZoom</name>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Export Plot...</source>
        <translation>&amp;Esporta il disegno...</translation>
    </message>
</context>
</TS>
