<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BondingClass</name>
    <message>
        <source> - (Metal)</source>
        <translation> - (legame metallico)</translation>
    </message>
    <message>
        <source> - (Atom)</source>
        <translatorcomment>Why this word: Noble gases form no bonds; Italian textbooks say they exist as isolated atoms (&apos;atomi isolati&apos;, gas monoatomici). &apos;atomo&apos; alone does not name a kind of bonding.</translatorcomment>
        <translation> - (atomi isolati)</translation>
    </message>
    <message>
        <source> - (Ionic)</source>
        <translation> - (legame ionico)</translation>
    </message>
    <message>
        <source> - (Molecule)</source>
        <translation> - (molecola)</translation>
    </message>
    <message>
        <source> - (Covalent Network)</source>
        <translation> - (reticolo covalente)</translation>
    </message>
</context>
<context>
    <name>CHeatingPanel</name>
    <message>
        <source>solid</source>
        <translation>solido</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusione</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquido</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ebollizione</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>subliming</source>
        <translation>sublimazione</translation>
    </message>
    <message>
        <source>The thermometer: the temperature of the particles</source>
        <translation>Il termometro: la temperatura delle particelle</translation>
    </message>
    <message>
        <source>The phase, read from how the particles move</source>
        <translation>Lo stato, letto dal moto delle particelle</translation>
    </message>
    <message>
        <source>The temperature the thermostat holds</source>
        <translation>La temperatura mantenuta dal termostato</translation>
    </message>
    <message>
        <source>Export Curve...</source>
        <translation>Esporta curva...</translation>
    </message>
    <message>
        <source>Save the heating curve as a PNG picture or as CSV numbers</source>
        <translation>Salva la curva di riscaldamento come immagine PNG o come numeri CSV</translation>
    </message>
    <message>
        <source>Held at %1</source>
        <translation>Temperatura mantenuta a %1</translation>
    </message>
    <message>
        <source>Heating at a constant power</source>
        <translation>Riscaldamento a potenza costante</translation>
    </message>
    <message>
        <source>Cooling at a constant power</source>
        <translation>Raffreddamento a potenza costante</translation>
    </message>
    <message>
        <source>%1 decomposes at %2 before it melts</source>
        <translation>%1 si decompone a %2 prima di fondere</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV numbers (*.csv)</source>
        <translation>Numeri CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Heating Curve</source>
        <translation>Esporta la curva di riscaldamento</translation>
    </message>
    <message>
        <source>The curve could not be saved:
%1</source>
        <translation>Impossibile salvare la curva:
%1</translation>
    </message>
</context>
<context>
    <name>CKivaApp</name>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>La stampante &quot;%1&quot; non è installata.</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>Informazioni su Zelkora</translation>
    </message>
    <message>
        <source>Zelkora

Kiva %1: a three-dimensional molecule viewer for the classroom.
Built with Qt %2.

Kiva is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING that comes with the program.</source>
        <translation>Zelkora

Kiva %1: un visualizzatore tridimensionale di molecole per la scuola.
Compilato con Qt %2.

Kiva è software libero: puoi condividerlo e modificarlo secondo la GNU General Public License, versione 2 o (a tua scelta) qualsiasi versione successiva. Viene fornito senza alcuna garanzia. La licenza si trova nel file COPYING distribuito con il programma.</translation>
    </message>
</context>
<context>
    <name>CKivaView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The picture&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The substance as shaded atoms and bonds. Drag it to turn or move it; with a measure command on, click atoms to measure.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;L&apos;immagine&lt;/b&gt;&lt;/p&gt;&lt;p&gt;La sostanza come atomi e legami ombreggiati. Trascinala per ruotarla o spostarla; con un comando di misura attivo, fai clic sugli atomi per misurare.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;Altro nella guida&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No crystal structure.
Only single molecule available.</source>
        <translation>Nessuna struttura cristallina.
È disponibile solo una molecola singola.</translation>
    </message>
    <message>
        <source>Atom labels need the DejaVu Sans Bold font, which is not installed.
Install the package fonts-dejavu-core to show them.</source>
        <translation>Le etichette degli atomi richiedono il carattere DejaVu Sans Bold, che non è installato.
Installare il pacchetto fonts-dejavu-core per mostrarle.</translation>
    </message>
    <message>
        <source>There are no melting and boiling points for this substance, so it cannot be heated and cooled.</source>
        <translation>Questa sostanza non ha punti di fusione e di ebollizione, quindi non può essere riscaldata né raffreddata.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>For Help, press F1</source>
        <translation>Per la guida, premi F1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose a substance from the Molecule menu; it shows in a window of its own.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contents of the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Scegli una sostanza dal menu Molecola; viene mostrata in una finestra propria.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Sommario della guida&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CSubstanceInfoDlg</name>
    <message>
        <source>Metal</source>
        <translatorcomment>Why this word: Shown after the label &apos;Legame:&apos;, so the adjective alone avoids &apos;Legame: Legame metallico&apos;.</translatorcomment>
        <translation>Metallico</translation>
    </message>
    <message>
        <source>Atom</source>
        <translatorcomment>Why this word: Shown after &apos;Legame:&apos;; noble gases have no bonds and exist as isolated atoms, as Italian textbooks put it.</translatorcomment>
        <translation>Nessuno (atomi isolati)</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translation>Ionico</translation>
    </message>
    <message>
        <source>Molecule</source>
        <translatorcomment>Why this word: Shown after &apos;Legame:&apos;; Italian schools name the bond (covalente) and the particles it makes (molecole), as in &apos;solidi molecolari&apos;.</translatorcomment>
        <translation>Covalente (molecole)</translation>
    </message>
    <message>
        <source>Covalent network</source>
        <translatorcomment>Why this word: Shown after &apos;Legame:&apos;; Italian textbooks call diamond and quartz &apos;solidi covalenti&apos; or &apos;a reticolo covalente&apos;.</translatorcomment>
        <translation>Covalente (reticolo)</translation>
    </message>
    <message>
        <source>%1 Å</source>
        <translation>%1 Å</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Substance Information</source>
        <translation>Informazioni sulla sostanza</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>Bonding:</source>
        <translation>Legame:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Cell edges a, b, c:</source>
        <translation>Spigoli della cella a, b, c:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translatorcomment>Why this: the values have a decimal comma in this language, so a semicolon keeps them apart.</translatorcomment>
        <translation>%1; %2; %3</translation>
    </message>
    <message>
        <source>Cell angles α, β, γ:</source>
        <translation>Angoli della cella α, β, γ:</translation>
    </message>
    <message>
        <source>Space group:</source>
        <translation>Gruppo spaziale:</translation>
    </message>
    <message>
        <source>Atoms in the cell:</source>
        <translation>Atomi nella cella:</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Formula units per cell (Z):</source>
        <translation>Unità formula per cella (Z):</translation>
    </message>
    <message>
        <source>Crystal:</source>
        <translation>Cristallo:</translation>
    </message>
    <message>
        <source>no crystal structure</source>
        <translation>nessuna struttura cristallina</translation>
    </message>
    <message>
        <source>%1 K (%2 °C)</source>
        <translation>%1 K (%2 °C)</translation>
    </message>
    <message>
        <source>Melting point:</source>
        <translation>Punto di fusione:</translation>
    </message>
    <message>
        <source>Boiling point:</source>
        <translation>Punto di ebollizione:</translation>
    </message>
    <message>
        <source>decomposes at %1</source>
        <translation>si decompone a %1</translation>
    </message>
    <message>
        <source>sublimes at %1</source>
        <translation>sublima a %1</translation>
    </message>
    <message>
        <source>does not freeze at normal pressure</source>
        <translation>non solidifica a pressione normale</translation>
    </message>
    <message>
        <source>Also called:</source>
        <translation>Detto anche:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open a document file</source>
        <translation>Apri un file di documento</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Chiudi il documento attivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the active document under a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Scegli una stampante e le sue opzioni</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Stampa il documento attivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostra pagine intere</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Apri questo documento</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Apri un&apos;altra finestra per il documento attivo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nuova finestra</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Disponi le icone in fondo alla finestra</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Disponi icone</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Disponi le finestre sovrapposte</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Sovrapponi</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Affianca le finestre senza sovrapporle</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>Mostra informazioni e versione del programma</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Elenca gli argomenti della guida</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barra di stato sì/no</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Translate (Move)</source>
        <translation>Sposta (trasla)</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Oscilla</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Change the print size</source>
        <translation>Cambia le dimensioni di stampa</translation>
    </message>
    <message>
        <source>Print Size</source>
        <translation>Dimensioni di stampa</translation>
    </message>
    <message>
        <source>Export the turn, the swing or the motion as an animated GIF or an MP4 video</source>
        <translation>Esporta la rotazione, l&apos;oscillazione o il moto come GIF animata o video MP4</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Esporta animazione</translation>
    </message>
    <message>
        <source>Change the color of an element</source>
        <translation>Cambia il colore di un elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Display molecule as crystalline solid</source>
        <translation>Mostra la sostanza come solido cristallino</translation>
    </message>
    <message>
        <source>Crystalline solid</source>
        <translation>Solido cristallino</translation>
    </message>
    <message>
        <source>Display molecule as chemical unit</source>
        <translation>Mostra la sostanza come unità chimica</translation>
    </message>
    <message>
        <source>Chemical unit</source>
        <translation>Unità chimica</translation>
    </message>
    <message>
        <source>Display molecule in liquid state</source>
        <translation>Mostra la sostanza allo stato liquido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquido</translation>
    </message>
    <message>
        <source>Display molecule in gaseous state</source>
        <translation>Mostra la sostanza allo stato gassoso</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Display molecule as ball-and-stick model</source>
        <translation>Mostra la molecola come modello a sfere e bastoncini</translation>
    </message>
    <message>
        <source>Ball-and-stick</source>
        <translation>Sfere e bastoncini</translation>
    </message>
    <message>
        <source>Display molecule as space-filling model</source>
        <translation>Mostra la molecola come modello a calotte</translation>
    </message>
    <message>
        <source>Space-filling</source>
        <translatorcomment>Why this word: Italian textbooks call the space-filling model &apos;modello a calotte&apos; (a calotte sferiche); &apos;compatto&apos; is rarely used in schools.</translatorcomment>
        <translation>Modello a calotte</translation>
    </message>
    <message>
        <source>Select a homoatomic substance</source>
        <translatorcomment>Why this word: Italian textbooks divide pure substances into &apos;sostanze elementari&apos; and &apos;composti&apos;; &apos;omoatomico&apos; is used for molecules (O2, N2) and would read oddly for metals and noble gases.</translatorcomment>
        <translation>Scegli una sostanza elementare</translation>
    </message>
    <message>
        <source>Select a metallic compound</source>
        <translatorcomment>Why this word: The dialog picks salts, oxides and sulfides of a metal by their ions; &apos;composti metallici&apos; would suggest metallic bonding or alloys, so the school wording &apos;composti dei metalli&apos; is used.</translatorcomment>
        <translation>Scegli un composto di un metallo</translation>
    </message>
    <message>
        <source>Select a non-metallic compound</source>
        <translatorcomment>Why this word: Parallel to &apos;composti dei metalli&apos;: compounds of non-metals, as Italian nomenclature lessons group binary compounds by metal / non-metal.</translatorcomment>
        <translation>Scegli un composto di non metalli</translation>
    </message>
    <message>
        <source>Select an organic compound</source>
        <translation>Scegli un composto organico</translation>
    </message>
    <message>
        <source>Select a molecule from the Index</source>
        <translation>Scegli una sostanza dall&apos;indice</translation>
    </message>
    <message>
        <source>To measure the position of a specific atom</source>
        <translation>Misura la posizione di un atomo</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>To measure the distance between two atoms</source>
        <translation>Misura la distanza tra due atomi</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>To measure the angle between two bonds</source>
        <translation>Misura l&apos;angolo tra due legami</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>To measure the torsion angle between two planes</source>
        <translation>Misura l&apos;angolo di torsione tra due piani</translation>
    </message>
    <message>
        <source>Torsion angle</source>
        <translation>Angolo di torsione</translation>
    </message>
    <message>
        <source>Low quality display</source>
        <translation>Visualizzazione a bassa qualità</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>Bassa qualità</translation>
    </message>
    <message>
        <source>High quality display</source>
        <translation>Visualizzazione ad alta qualità</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualità</translation>
    </message>
    <message>
        <source>Show or hide the XYZ axes</source>
        <translation>Mostra o nasconde gli assi XYZ</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Assi</translation>
    </message>
    <message>
        <source>Set multiples of unit cell along x, y and z axes</source>
        <translation>Imposta i multipli della cella unitaria lungo gli assi x, y e z</translation>
    </message>
    <message>
        <source>Multiples of unit cell</source>
        <translation>Multipli della cella unitaria</translation>
    </message>
    <message>
        <source>Reset to initial view state</source>
        <translation>Torna alla vista iniziale</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Show or hide the unit cell frame</source>
        <translation>Mostra o nasconde il contorno della cella unitaria</translation>
    </message>
    <message>
        <source>Unit cell frame</source>
        <translation>Contorno della cella</translation>
    </message>
    <message>
        <source>Show or hide coordination</source>
        <translation>Mostra o nasconde la coordinazione</translation>
    </message>
    <message>
        <source>Coordination</source>
        <translation>Coordinazione</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copia l&apos;immagine negli appunti</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Show the picture alone on the whole screen; Escape or F11 leaves</source>
        <translation>Mostra solo l&apos;immagine a schermo intero; Esc o F11 per uscire</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Show the picture as a fixed square of 340 by 340 pixels</source>
        <translation>Mostra l&apos;immagine come un quadrato fisso di 340 per 340 pixel</translation>
    </message>
    <message>
        <source>Fixed Picture Size</source>
        <translation>Dimensione immagine fissa</translation>
    </message>
    <message>
        <source>Let the picture fill its window, which can then grow and be maximized</source>
        <translation>L&apos;immagine riempie la sua finestra, che può allora crescere ed essere ingrandita</translation>
    </message>
    <message>
        <source>Fit Window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>Show the name, formula and crystal cell of the substance</source>
        <translation>Mostra nome, formula e cella cristallina della sostanza</translation>
    </message>
    <message>
        <source>Substance information</source>
        <translation>Informazioni sulla sostanza</translation>
    </message>
    <message>
        <source>Show the crystal&apos;s molecules and ions whole across the cell faces</source>
        <translation>Mostra intere le molecole e gli ioni del cristallo attraverso le facce della cella</translation>
    </message>
    <message>
        <source>Whole molecules</source>
        <translation>Molecole intere</translation>
    </message>
    <message>
        <source>Print a lesson handout: the picture with the substance&apos;s name, description and facts</source>
        <translation>Stampa una scheda didattica per la lezione: l&apos;immagine con nome, descrizione e dati della sostanza</translation>
    </message>
    <message>
        <source>Print Handout</source>
        <translatorcomment>Why this word: &apos;Scheda didattica&apos; is the Italian teachers&apos; word for a printed lesson sheet; &apos;dispensa&apos; would mean lecture notes.</translatorcomment>
        <translation>Stampa scheda didattica</translation>
    </message>
    <message>
        <source>Export the picture as a PNG file at the view&apos;s size or another</source>
        <translation>Esporta l&apos;immagine come file PNG, alle dimensioni della vista o ad altre</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>Show or hide each atom&apos;s element and charge, and the names of the cell&apos;s edges</source>
        <translation>Mostra o nasconde l&apos;elemento e la carica di ogni atomo, e i nomi degli spigoli della cella</translation>
    </message>
    <message>
        <source>Atom labels</source>
        <translation>Etichette degli atomi</translation>
    </message>
    <message>
        <source>Heat and cool the substance: watch it melt and boil at its real temperatures</source>
        <translation>Riscalda e raffredda la sostanza: la vedi fondere e bollire alle sue vere temperature</translation>
    </message>
    <message>
        <source>Heating and Cooling</source>
        <translation>Riscaldamento e raffreddamento</translation>
    </message>
    <message>
        <source>Heat and cool 64 particles</source>
        <translation>Riscalda e raffredda 64 particelle</translation>
    </message>
    <message>
        <source>Heat and cool 216 particles</source>
        <translation>Riscalda e raffredda 216 particelle</translation>
    </message>
    <message>
        <source>Heat and cool 512 particles</source>
        <translation>Riscalda e raffredda 512 particelle</translation>
    </message>
    <message>
        <source>Heat and cool 1000 particles</source>
        <translation>Riscalda e raffredda 1000 particelle</translation>
    </message>
    <message>
        <source>Add heat at a constant power</source>
        <translation>Fornisce calore a potenza costante</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Riscalda</translation>
    </message>
    <message>
        <source>Take heat away at a constant power</source>
        <translation>Sottrae calore a potenza costante</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Raffredda</translation>
    </message>
    <message>
        <source>Hold the present temperature</source>
        <translation>Mantiene la temperatura attuale</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>Show the coordination polyhedra: around each cation, the shape its neighbours make</source>
        <translation>Mostra i poliedri di coordinazione: attorno a ogni catione, la figura formata dai suoi vicini</translation>
    </message>
    <message>
        <source>Polyhedra</source>
        <translation>Poliedri</translation>
    </message>
    <message>
        <source>Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)</source>
        <translation>Disegna un piano del cristallo dati i suoi indici di Miller h, k, l, con la sua distanza interplanare d(hkl)</translation>
    </message>
    <message>
        <source>Lattice plane</source>
        <translation>Piano reticolare</translation>
    </message>
    <message>
        <source>Smooth the edges of atoms, bonds and faces in large, exported and printed pictures</source>
        <translation>Sfuma i bordi di atomi, legami e facce nelle immagini grandi, esportate e stampate</translation>
    </message>
    <message>
        <source>Smooth edges</source>
        <translation>Bordi sfumati</translation>
    </message>
</context>
<context>
    <name>CompoundSelection</name>
    <message>
        <source>Cannot find the compound &quot;%1&quot;.</source>
        <translation>Impossibile trovare il composto &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ContextHelpFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Seleziona un oggetto su cui ottenere la guida</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>The file could not be opened.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file ends before its molecule record does: it is damaged or not a molecule document.</source>
        <translation>Il file finisce prima del suo record di molecola: è danneggiato o non è un documento di molecola.</translation>
    </message>
    <message>
        <source>The file&apos;s molecule record is damaged.</source>
        <translation>Il record di molecola del file è danneggiato.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>The file is neither a Kiva document nor a readable %1</source>
        <translation>Il file non è né un documento Kiva né un file %1 leggibile</translation>
    </message>
    <message>
        <source>The file is not a readable %1</source>
        <translation>Il file non è un file %1 leggibile</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;.
%3</source>
        <translation>%1 &quot;%2&quot;.
%3</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossibile aprire</translation>
    </message>
    <message>
        <source>The file is not a molecule document.</source>
        <translation>Il file non è un documento di molecola.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Impossibile salvare</translation>
    </message>
    <message>
        <source>The file is not a Kiva document, and Kiva does not write over files of other kinds. Choose another name.</source>
        <translation>Il file non è un documento Kiva, e Kiva non sovrascrive file di altro tipo. Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Untitled-</source>
        <translation>Senza titolo-</translation>
    </message>
    <message>
        <source>Molecule Files (*.mol)</source>
        <translation>File di molecola (*.mol)</translation>
    </message>
    <message>
        <source>All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Molecule Files (*.mol);;Crystallographic Information Files (*.cif);;MDL Molfiles and SD Files (*.mol *.sdf *.sd);;XYZ Files (*.xyz);;Protein Data Bank Files (*.pdb *.ent);;All Files (*)</source>
        <translation>Tutti i file di struttura (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;File di molecola (*.mol);;File CIF (*.cif);;File MDL Molfile e SD (*.mol *.sdf *.sd);;File XYZ (*.xyz);;File Protein Data Bank (*.pdb *.ent);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>ElementColorDialog</name>
    <message>
        <source>Color of Element</source>
        <translation>Colore dell&apos;elemento</translation>
    </message>
    <message>
        <source>Color of element:</source>
        <translation>Colore dell&apos;elemento:</translation>
    </message>
    <message>
        <source>&amp;Red=</source>
        <translation>&amp;Rosso=</translation>
    </message>
    <message>
        <source>&amp;Green=</source>
        <translation>&amp;Verde=</translation>
    </message>
    <message>
        <source>&amp;Blue=</source>
        <translation>&amp;Blu=</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Campione:</translation>
    </message>
    <message>
        <source>&amp;Choose Color...</source>
        <translation>S&amp;cegli colore...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>E&amp;lementi:</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Inserisci un numero intero tra 0 e 255.</translation>
    </message>
</context>
<context>
    <name>ExportAnimation</name>
    <message>
        <source>Export Animation</source>
        <translation>Esporta animazione</translation>
    </message>
    <message>
        <source>The liquid&apos;s motion</source>
        <translation>Il moto del liquido</translation>
    </message>
    <message>
        <source>The gas&apos;s motion</source>
        <translation>Il moto del gas</translation>
    </message>
    <message>
        <source>A full turn</source>
        <translation>Un giro completo</translation>
    </message>
    <message>
        <source>One rock swing</source>
        <translation>Un&apos;oscillazione</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>&amp;Animazione:</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Fotogrammi:</translation>
    </message>
    <message>
        <source>Frames a &amp;second:</source>
        <translation>Fotogrammi al &amp;secondo:</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Larghezza (pixel):</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>Al&amp;tezza (pixel):</translation>
    </message>
    <message>
        <source>An animation has 1 to %1 frames.</source>
        <translation>Un&apos;animazione ha da 1 a %1 fotogrammi.</translation>
    </message>
    <message>
        <source>An animation plays 1 to %1 frames a second.</source>
        <translation>Un&apos;animazione riproduce da 1 a %1 fotogrammi al secondo.</translation>
    </message>
    <message>
        <source>An animation&apos;s sides are %1 to %2 pixels.</source>
        <translation>I lati di un&apos;animazione misurano da %1 a %2 pixel.</translation>
    </message>
    <message>
        <source>An MP4 video needs an even width and height, not %1.</source>
        <translation>Un video MP4 richiede larghezza e altezza pari, non %1.</translation>
    </message>
    <message>
        <source>Give the file the ending .gif or .mp4:
%1</source>
        <translation>Dai al file l&apos;estensione .gif o .mp4:
%1</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;:
%2.</source>
        <translation>Impossibile creare il file &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;:
%2.</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>This system&apos;s FFmpeg has no H.264 encoder for MP4 videos.</source>
        <translation>L&apos;FFmpeg di questo sistema non ha un codificatore H.264 per i video MP4.</translation>
    </message>
    <message>
        <source>Cannot encode the file &quot;%1&quot;:
%2.</source>
        <translation>Impossibile codificare il file &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif);;MP4 Video (*.mp4)</source>
        <translation>GIF animata (*.gif);;Video MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Exporting the animation...</source>
        <translation>Esportazione dell&apos;animazione...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A PDB file holds at most %1 atoms, not %2.</source>
        <translation>Un file PDB contiene al massimo %1 atomi, non %2.</translation>
    </message>
    <message>
        <source>MP4 videos need FFmpeg&apos;s libraries (%1), which are not installed.</source>
        <translation>I video MP4 richiedono le librerie di FFmpeg (%1), che non sono installate.</translation>
    </message>
    <message>
        <source>The view&apos;s %1 × %2 pixels are rounded to even sides, which an MP4 video needs.</source>
        <translation>I %1 × %2 pixel della vista sono arrotondati a lati pari, come richiede un video MP4.</translation>
    </message>
    <message>
        <source>Picture f&amp;rame, as in the window</source>
        <translation>&amp;Cornice dell&apos;immagine, come nella finestra</translation>
    </message>
    <message>
        <source>The heating run, from now on</source>
        <translation>Il riscaldamento, da adesso in poi</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Export Picture</source>
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>The &amp;view&apos;s size, %1 × %2 pixels</source>
        <translation>Dimensioni della &amp;vista, %1 × %2 pixel</translation>
    </message>
    <message>
        <source>&amp;Another size:</source>
        <translation>&amp;Altre dimensioni:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixel</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Alte&amp;zza:</translation>
    </message>
    <message>
        <source>&amp;Black, as on screen</source>
        <translation>&amp;Nero, come sullo schermo</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>A picture&apos;s sides are %1 to %2 pixels.</source>
        <translation>I lati di un&apos;immagine misurano da %1 a %2 pixel.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Wh&amp;ite, as in print</source>
        <translation>&amp;Bianco, come in stampa</translation>
    </message>
    <message>
        <source>Picture &amp;frame, as in the window</source>
        <translation>&amp;Cornice dell&apos;immagine, come nella finestra</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Measurement</source>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Distance %1: %2 Å</source>
        <translation>Distanza %1: %2 Å</translation>
    </message>
    <message>
        <source>Angle %1: %2°</source>
        <translation>Angolo %1: %2°</translation>
    </message>
    <message>
        <source>Torsion angle %1: %2°</source>
        <translation>Angolo di torsione %1: %2°</translation>
    </message>
</context>
<context>
    <name>HeatingCurve</name>
    <message>
        <source>Heat added (kJ/mol)</source>
        <translation>Calore fornito (kJ/mol)</translation>
    </message>
    <message>
        <source>decomposes</source>
        <translation>si decompone</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusione</translation>
    </message>
    <message>
        <source>sublimes</source>
        <translation>sublima</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ebollizione</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;Altro nella guida&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LatticePlaneDialog</name>
    <message>
        <source>&amp;h:</source>
        <translation>&amp;h:</translation>
    </message>
    <message>
        <source>&amp;k:</source>
        <translation>&amp;k:</translation>
    </message>
    <message>
        <source>&amp;l:</source>
        <translation>&amp;l:</translation>
    </message>
    <message>
        <source>Lattice plane %1: d = %2 Å</source>
        <translation>Piano reticolare %1: d = %2 Å</translation>
    </message>
    <message>
        <source>Lattice Plane</source>
        <translation>Piano reticolare</translation>
    </message>
    <message>
        <source>The plane h x + k y + l z = offset: 1 cuts the cell&apos;s edges at a/h, b/k and c/l; each step of 1 moves it one spacing on</source>
        <translation>Il piano h x + k y + l z = spostamento: con 1 taglia gli spigoli della cella in a/h, b/k e c/l; ogni passo di 1 lo sposta di una distanza interplanare</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Spostamento:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Distanza interplanare:</translation>
    </message>
    <message>
        <source>&amp;Show the plane</source>
        <translation>&amp;Mostra il piano</translation>
    </message>
    <message>
        <source>&amp;Face the Plane</source>
        <translation>&amp;Guarda il piano di fronte</translation>
    </message>
    <message>
        <source>Turn the crystal so that you look straight at the plane</source>
        <translation>Ruota il cristallo in modo da vedere il piano esattamente di fronte</translation>
    </message>
    <message>
        <source>d = %1 Å</source>
        <translation>d = %1 Å</translation>
    </message>
    <message>
        <source>h, k and l cannot all be 0</source>
        <translation>h, k e l non possono essere tutti 0</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Argomenti della guida	F1</translation>
    </message>
    <message>
        <source>&amp;About &apos;Zelkora&apos;...</source>
        <translation>&amp;Informazioni su &apos;Zelkora&apos;...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuovo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Apri...	Ctrl+O</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Imposta stampante...</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Esci	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra di stato</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Chiudi	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salva	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con n&amp;ome...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>S&amp;tampa...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Antep&amp;rima di stampa</translation>
    </message>
    <message>
        <source>Prin&amp;t Size...</source>
        <translation>&amp;Dimensioni di stampa...</translation>
    </message>
    <message>
        <source>&amp;Export Animation...</source>
        <translation>Esporta anima&amp;zione...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy Picture	Ctrl+C</source>
        <translation>&amp;Copia immagine	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Colore...</translation>
    </message>
    <message>
        <source>Display &amp;Structure</source>
        <translation>Mostra &amp;struttura</translation>
    </message>
    <message>
        <source>&amp;Chemical Unit</source>
        <translation>&amp;Unità chimica</translation>
    </message>
    <message>
        <source>Crystalline &amp;Solid State</source>
        <translation>&amp;Solido cristallino</translation>
    </message>
    <message>
        <source>&amp;Liquid State</source>
        <translation>Stato &amp;liquido</translation>
    </message>
    <message>
        <source>&amp;Gas State</source>
        <translation>Stato &amp;gassoso</translation>
    </message>
    <message>
        <source>Display &amp;Model</source>
        <translation>Mostra &amp;modello</translation>
    </message>
    <message>
        <source>&amp;Ball-and-Stick</source>
        <translation>Sfere e &amp;bastoncini</translation>
    </message>
    <message>
        <source>&amp;Space-Filling</source>
        <translatorcomment>Why this word: Italian textbooks call the space-filling model &apos;modello a calotte&apos;; &apos;compatto&apos; is rarely used in schools.</translatorcomment>
        <translation>Modello a &amp;calotte</translation>
    </message>
    <message>
        <source>Display &amp;Quality</source>
        <translation>&amp;Qualità di visualizzazione</translation>
    </message>
    <message>
        <source>&amp;Low Quality</source>
        <translation>&amp;Bassa qualità</translation>
    </message>
    <message>
        <source>&amp;High Quality</source>
        <translation>&amp;Alta qualità</translation>
    </message>
    <message>
        <source>Picture Si&amp;ze</source>
        <translation>&amp;Dimensione dell&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Fixed (340 × 340)</source>
        <translation>&amp;Fissa (340 × 340)</translation>
    </message>
    <message>
        <source>Fit &amp;Window</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>Schermo &amp;intero	F11</translation>
    </message>
    <message>
        <source>Multiples of &amp;Unit Cell...</source>
        <translation>Multipli della cella &amp;unitaria...</translation>
    </message>
    <message>
        <source>&amp;XYZ Axes</source>
        <translation>Assi &amp;XYZ</translation>
    </message>
    <message>
        <source>&amp;Whole Molecules</source>
        <translation>Molecole i&amp;ntere</translation>
    </message>
    <message>
        <source>Substance &amp;Information...</source>
        <translation>Info&amp;rmazioni sulla sostanza...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>R&amp;eimposta</translation>
    </message>
    <message>
        <source>&amp;Molecule</source>
        <translation>Mo&amp;lecola</translation>
    </message>
    <message>
        <source>&amp;Homoatomic...</source>
        <translatorcomment>Why this word: Italian textbooks divide pure substances into &apos;sostanze elementari&apos; and &apos;composti&apos;; &apos;omoatomico&apos; is used for molecules (O2, N2) and would read oddly for metals and noble gases. Under the menu &apos;Molecola&apos; a feminine adjective would also read as &apos;molecola omoatomica&apos;.</translatorcomment>
        <translation>Sostanze &amp;elementari...</translation>
    </message>
    <message>
        <source>&amp;Metallic...</source>
        <translatorcomment>Why this word: The dialog picks salts, oxides and sulfides of a metal by their ions; &apos;composti metallici&apos; would suggest metallic bonding or alloys, so the school wording &apos;composti dei metalli&apos; is used. Under &apos;Molecola&apos;, &apos;Metallica&apos; would read as &apos;molecola metallica&apos;, which NaCl is not.</translatorcomment>
        <translation>Composti dei &amp;metalli...</translation>
    </message>
    <message>
        <source>&amp;Non-Metallic...</source>
        <translatorcomment>Why this word: Parallel to &apos;composti dei metalli&apos;: compounds of non-metals, as Italian nomenclature lessons group binary compounds by metal / non-metal.</translatorcomment>
        <translation>Composti dei &amp;non metalli...</translation>
    </message>
    <message>
        <source>&amp;Organic...</source>
        <translatorcomment>Why this word: Named as a noun phrase like the other items of the menu, so it does not read as &apos;molecola organica&apos;.</translatorcomment>
        <translation>Composti &amp;organici...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>&amp;Indice...</translation>
    </message>
    <message>
        <source>M&amp;easure</source>
        <translation>Mi&amp;sura</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Posizione</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distanza</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>&amp;Angolo</translation>
    </message>
    <message>
        <source>&amp;Torsion Angle</source>
        <translation>Angolo di &amp;torsione</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fi&amp;nestra</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nuova finestra</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Sovrapponi</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Affianca</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Disponi &amp;icone</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
    <message>
        <source>Print &amp;Handout...</source>
        <translatorcomment>Why this word: &apos;Scheda didattica&apos; is the Italian teachers&apos; word for a printed lesson sheet; &apos;dispensa&apos; would mean lecture notes.</translatorcomment>
        <translation>Stampa sc&amp;heda didattica...</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Esporta imma&amp;gine...</translation>
    </message>
    <message>
        <source>Atom &amp;Labels</source>
        <translation>Etichette degli &amp;atomi</translation>
    </message>
    <message>
        <source>&amp;Heating and Cooling</source>
        <translation>&amp;Riscaldamento e raffreddamento</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <translation>&amp;Particelle</translation>
    </message>
    <message>
        <source>&amp;64</source>
        <translation>&amp;64</translation>
    </message>
    <message>
        <source>&amp;216</source>
        <translation>&amp;216</translation>
    </message>
    <message>
        <source>&amp;512</source>
        <translation>&amp;512</translation>
    </message>
    <message>
        <source>&amp;1000</source>
        <translation>&amp;1000</translation>
    </message>
    <message>
        <source>P&amp;olyhedra</source>
        <translation>P&amp;oliedri</translation>
    </message>
    <message>
        <source>La&amp;ttice Plane...</source>
        <translation>Piano re&amp;ticolare...</translation>
    </message>
    <message>
        <source>Smooth &amp;Edges</source>
        <translation>Bordi s&amp;fumati</translation>
    </message>
</context>
<context>
    <name>OrganicCategory</name>
    <message>
        <source>Alkyl hydrocarbon</source>
        <translation>Alcano</translation>
    </message>
    <message>
        <source>Ethylenic hydrocarbon</source>
        <translation>Alchene</translation>
    </message>
    <message>
        <source>Acetylenic hydrocarbon</source>
        <translation>Alchino</translation>
    </message>
    <message>
        <source>Aromatic hydrocarbon</source>
        <translatorcomment>Why this word: &apos;Aromatico&apos; alone is only an adjective, and phenols are aromatic too; schools say &apos;idrocarburi aromatici&apos;.</translatorcomment>
        <translation>Idrocarburo aromatico</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alcol</translation>
    </message>
    <message>
        <source>Ether</source>
        <translation>Etere</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Fenolo</translation>
    </message>
    <message>
        <source>Aldehyde</source>
        <translation>Aldeide</translation>
    </message>
    <message>
        <source>Oil &amp; Fat/Ester</source>
        <translation>Grasso/estere</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Zucchero</translation>
    </message>
    <message>
        <source>Hydrocarbon halide</source>
        <translatorcomment>Why this word: &apos;Alogenuro&apos; alone means an inorganic halide salt (NaCl) in Italian schools; the class holds alkyl, vinyl and aryl halides, which textbooks call &apos;alogenoderivati (degli idrocarburi)&apos;.</translatorcomment>
        <translation>Alogenoderivato</translation>
    </message>
    <message>
        <source>Carboxylic acid</source>
        <translation>Acido carbossilico</translation>
    </message>
    <message>
        <source>Nitro &amp; Amine</source>
        <translatorcomment>Why this word: The class holds amines, nitro compounds, pyridine and urea; Italian textbooks group them as &apos;composti organici azotati&apos;. &apos;Nitro&apos; alone is no Italian noun (colloquially it means nitroglycerine), and the label must stay short for its column.</translatorcomment>
        <translation>Composto azotato</translation>
    </message>
    <message>
        <source>Amino acid</source>
        <translation>Amminoacido</translation>
    </message>
    <message>
        <source>Ketone</source>
        <translation>Chetone</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>chemical unit</source>
        <translation>unità chimica</translation>
    </message>
    <message>
        <source>crystal</source>
        <translation>cristallo</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquido</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>heating and cooling</source>
        <translation>riscaldamento e raffreddamento</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 celle</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 atomi</translation>
    </message>
    <message>
        <source>1 atom</source>
        <translation>1 atomo</translation>
    </message>
    <message>
        <source>ball-and-stick</source>
        <translation>modello a sfere e bastoncini</translation>
    </message>
    <message>
        <source>space-filling</source>
        <translation>modello a calotte</translation>
    </message>
    <message>
        <source>coordination polyhedra</source>
        <translation>poliedri di coordinazione</translation>
    </message>
    <message>
        <source>lattice plane %1, d = %2 Å</source>
        <translation>piano reticolare %1, d = %2 Å</translation>
    </message>
    <message>
        <source>no substance</source>
        <translation>nessuna sostanza</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Setup</source>
        <translation>Imposta stampante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
</context>
<context>
    <name>PrintSizeDialog</name>
    <message>
        <source>Print Size</source>
        <translation>Dimensioni di stampa</translation>
    </message>
    <message>
        <source>&amp;Select the print size:</source>
        <translation>Sc&amp;egli le dimensioni di stampa:</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>Impossibile stampare sulla stampante &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Choose a printer or a PDF file with File &gt; Print Setup.</source>
        <translation>Non c&apos;è nessuna stampante su cui stampare.
Scegli una stampante o un file PDF con File &gt; Imposta stampante.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Torsion Angle</source>
        <translation>Angolo di torsione</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Asse X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Asse Y</translation>
    </message>
    <message>
        <source>Axis Z</source>
        <translation>Asse Z</translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>Selected &amp;Compound:</source>
        <translation>&amp;Composto:</translation>
    </message>
    <message>
        <source>&amp;Select from:</source>
        <translation>&amp;Seleziona da:</translation>
    </message>
    <message>
        <source>Metallic Compounds</source>
        <translatorcomment>Why this word: The dialog picks salts, oxides and sulfides of a metal by their ions; &apos;composti metallici&apos; would suggest metallic bonding or alloys, so the school wording &apos;composti dei metalli&apos; is used.</translatorcomment>
        <translation>Composti dei metalli</translation>
    </message>
    <message>
        <source>&amp;Positive Ions:</source>
        <translation>Ioni &amp;positivi:</translation>
    </message>
    <message>
        <source>&amp;Negative Ions:</source>
        <translation>Ioni &amp;negativi:</translation>
    </message>
    <message>
        <source>Non-Metallic Compounds</source>
        <translatorcomment>Why this word: Parallel to &apos;composti dei metalli&apos;: compounds of non-metals, as Italian nomenclature lessons group binary compounds by metal / non-metal.</translatorcomment>
        <translation>Composti dei non metalli</translation>
    </message>
    <message>
        <source>&amp;Positive Covalence:</source>
        <translatorcomment>Why this word: &apos;Covalenza&apos; in Italian schools is the number of covalent bonds and has no sign; the keys (H, C, N, NH4, ...) are the part of the formula with the positive oxidation number, so &apos;parte positiva&apos; / &apos;parte negativa&apos; as taught with nomenclature.</translatorcomment>
        <translation>Parte &amp;positiva:</translation>
    </message>
    <message>
        <source>&amp;Negative Covalence:</source>
        <translatorcomment>Why this word: See &apos;Parte positiva&apos;: the part of the formula with the negative oxidation number.</translatorcomment>
        <translation>Parte &amp;negativa:</translation>
    </message>
    <message>
        <source>Homoatomic Substance</source>
        <translatorcomment>Why this word: Italian textbooks divide pure substances into &apos;sostanze elementari&apos; and &apos;composti&apos;; &apos;omoatomico&apos; is used for molecules (O2, N2) and would read oddly for metals and noble gases.</translatorcomment>
        <translation>Sostanze elementari</translation>
    </message>
    <message>
        <source>&amp;Selected Substance:</source>
        <translation>&amp;Sostanza:</translation>
    </message>
    <message>
        <source>Select &amp;from:</source>
        <translation>Seleziona &amp;da:</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>E&amp;lementi:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Organic Compounds</source>
        <translation>Composti organici</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translatorcomment>Why this word: Italian textbooks speak of &apos;classi di composti organici&apos;; &apos;categoria&apos; is not the school word.</translatorcomment>
        <translation>C&amp;lasse:</translation>
    </message>
</context>
<context>
    <name>SelectionKeys</name>
    <message>
        <source>Other</source>
        <translation>Altri</translation>
    </message>
</context>
<context>
    <name>SelectionModel</name>
    <message>
        <source>Cannot find the metallic compound &quot;%s&quot;.</source>
        <translation>Impossibile trovare &quot;%s&quot; tra i composti dei metalli.</translation>
    </message>
    <message>
        <source>Cannot find the non-metallic compound &quot;%s&quot;.</source>
        <translation>Impossibile trovare &quot;%s&quot; tra i composti dei non metalli.</translation>
    </message>
    <message>
        <source>Cannot find the substance &quot;%s&quot;.</source>
        <translation>Impossibile trovare la sostanza elementare &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the compound &quot;%s&quot;.</source>
        <translation>Impossibile trovare il composto &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the organic compound &quot;%s&quot;.</source>
        <translation>Impossibile trovare il composto organico &quot;%s&quot;.</translation>
    </message>
</context>
<context>
    <name>UnitCellMultiplesDialog</name>
    <message>
        <source>Multiples of Unit Cell</source>
        <translation>Multipli della cella unitaria</translation>
    </message>
    <message>
        <source>Along axis %1:</source>
        <translation>Lungo l&apos;asse %1:</translation>
    </message>
    <message>
        <source>cell(s)</source>
        <translation>cella/e</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and %1.</source>
        <translation>Inserisci un numero intero tra 1 e %1.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Inserisci un numero intero positivo.</translation>
    </message>
</context>
<context>
    <name>kiva::CHelpWindow</name>
    <message>
        <source>The help cannot be found.
Its pages belong in a folder &quot;help&quot; beside the program or in share/kiva/help; reinstall the program to bring them back.</source>
        <translation>La guida non è stata trovata.
Le sue pagine stanno in una cartella &quot;help&quot; accanto al programma o in share/kiva/help; reinstalla il programma per ripristinarle.</translation>
    </message>
    <message>
        <source>Zelkora Help</source>
        <translation>Guida di Zelkora</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>%1 - Zelkora Help</source>
        <translation>%1 - Guida di Zelkora</translation>
    </message>
</context>
</TS>
