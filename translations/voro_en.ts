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
        <source>Errore in TogliePuntiInizialiDaPoligonale: nPunti=%1 &lt;1</source>
        <translation>Error in TogliePuntiInizialiDaPoligonale: nPunti=%1 &lt;1</translation>
    </message>
    <message>
        <source>Impostare ZeroMaxDimen</source>
        <translation>Set ZeroMaxDimen</translation>
    </message>
    <message>
        <source>Errore nella sub CaratteristicheStatiche.</source>
        <translation>Error in sub CaratteristicheStatiche.</translation>
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
        <source>least %1 at xq1 = %2 m</source>
        <translation>least %1 at xq1 = %2 m</translation>
    </message>
    <message>
        <source>No load positions: the project has no strip load</source>
        <translation>No load positions: the project has no strip load</translation>
    </message>
    <message>
        <source>Thrust line of least eccentricity: within s = %1 of the half depth</source>
        <translation>Thrust line of least eccentricity: within s = %1 of the half depth</translation>
    </message>
    <message>
        <source>, geometric safety factor 1/s = %1</source>
        <translation>, geometric safety factor 1/s = %1</translation>
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
        <source>Minimum thickness %1 m (thickness factor %2)</source>
        <translation>Minimum thickness %1 m (thickness factor %2)</translation>
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
        <source>Assessed: exact limit analysis (rigid voussoirs, no tension, no sliding)</source>
        <translation>Assessed: exact limit analysis (rigid voussoirs, no tension, no sliding)</translation>
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
        <source>Geometric safety factor</source>
        <translation>Geometric safety factor</translation>
    </message>
    <message>
        <source>1/s: how many times thinner the ring could be about its centre line</source>
        <translation>1/s: how many times thinner the ring could be about its centre line</translation>
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
        <source>Largest multiplier of the variable load before collapse (dead loads and passive pressure as given)</source>
        <translation>Largest multiplier of the variable load before collapse (dead loads and passive pressure as given)</translation>
    </message>
    <message>
        <source>Mechanism</source>
        <translation>Mechanism</translation>
    </message>
    <message>
        <source>The four hinges of the collapse (joint, i intrados, e extrados)</source>
        <translation>The four hinges of the collapse (joint, i intrados, e extrados)</translation>
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
        <source>Thinnest segment when every thickness is scaled down until no thrust line fits</source>
        <translation>Thinnest segment when every thickness is scaled down until no thrust line fits</translation>
    </message>
    <message>
        <source>Thickness factor</source>
        <translation>Thickness factor</translation>
    </message>
    <message>
        <source>The project&apos;s thicknesses over the least ones</source>
        <translation>The project&apos;s thicknesses over the least ones</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</source>
        <translation>All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf</translation>
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
        <source>Horizontal force at the left springing</source>
        <translation>Horizontal force at the left springing</translation>
    </message>
    <message>
        <source>Horizontal force at the right springing</source>
        <translation>Horizontal force at the right springing</translation>
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
        <source>Horizontal force on the left upper wall due to horizontal pressures</source>
        <translation>Horizontal force on the left upper wall due to horizontal pressures</translation>
    </message>
    <message>
        <source>Horizontal force on the right upper wall due to horizontal pressures</source>
        <translation>Horizontal force on the right upper wall due to horizontal pressures</translation>
    </message>
    <message>
        <source>Flexural moment on the left upper wall due to horizontal pressures</source>
        <translation>Flexural moment on the left upper wall due to horizontal pressures</translation>
    </message>
    <message>
        <source>Flexural moment on the right upper wall due to horizontal pressures</source>
        <translation>Flexural moment on the right upper wall due to horizontal pressures</translation>
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
    <name>voro::ui::ValutatoreSicurezza</name>
    <message>
        <source>Error: Check Geometry</source>
        <translation>Error: Check Geometry</translation>
    </message>
</context>
</TS>
