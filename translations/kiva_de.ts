<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BondingClass</name>
    <message>
        <source> - (Metal)</source>
        <translation> - (Metallbindung)</translation>
    </message>
    <message>
        <source> - (Atom)</source>
        <translatorcomment>Why this word: the noble gases consist of single atoms; &apos;Atom&apos; alone could be read as &apos;Atombindung&apos;, which German schools use for the covalent bond.</translatorcomment>
        <translation> - (einzelne Atome)</translation>
    </message>
    <message>
        <source> - (Ionic)</source>
        <translation> - (Ionenbindung)</translation>
    </message>
    <message>
        <source> - (Molecule)</source>
        <translation> - (Molekül)</translation>
    </message>
    <message>
        <source> - (Covalent Network)</source>
        <translatorcomment>Why this word: German textbooks call the structure of diamond and quartz an Atomgitter (beside Metallgitter, Ionengitter, Molekülgitter); &apos;kovalentes Netzwerk&apos; is a literal rendering of the English.</translatorcomment>
        <translation> - (Atomgitter)</translation>
    </message>
</context>
<context>
    <name>CHeatingPanel</name>
    <message>
        <source>solid</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>schmilzt</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>siedet</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gasförmig</translation>
    </message>
    <message>
        <source>subliming</source>
        <translation>sublimiert</translation>
    </message>
    <message>
        <source>The thermometer: the temperature of the particles</source>
        <translation>Das Thermometer: die Temperatur der Teilchen</translation>
    </message>
    <message>
        <source>The phase, read from how the particles move</source>
        <translation>Der Aggregatzustand, abgelesen an der Bewegung der Teilchen</translation>
    </message>
    <message>
        <source>The temperature the thermostat holds</source>
        <translation>Die Temperatur, die der Thermostat hält</translation>
    </message>
    <message>
        <source>Export Curve...</source>
        <translation>Kurve exportieren...</translation>
    </message>
    <message>
        <source>Save the heating curve as a PNG picture or as CSV numbers</source>
        <translatorcomment>Why this word: German textbooks call the temperature-heat plot an Erwärmungskurve; &apos;Heizkurve&apos; is the heating engineer&apos;s curve of a central heating system.</translatorcomment>
        <translation>Die Erwärmungskurve als PNG-Bild oder als CSV-Zahlen speichern</translation>
    </message>
    <message>
        <source>Held at %1</source>
        <translation>Gehalten bei %1</translation>
    </message>
    <message>
        <source>Heating at a constant power</source>
        <translatorcomment>Why this word: in the lab and in textbooks one says &apos;erhitzen&apos; and &apos;abkühlen&apos;, matching the menu command &apos;Erhitzen und Abkühlen&apos;; &apos;heizen&apos; is for rooms.</translatorcomment>
        <translation>Erhitzen mit konstanter Leistung</translation>
    </message>
    <message>
        <source>Cooling at a constant power</source>
        <translatorcomment>Why this word: in the lab and in textbooks one says &apos;erhitzen&apos; and &apos;abkühlen&apos;, matching the menu command &apos;Erhitzen und Abkühlen&apos;; &apos;heizen&apos; is for rooms.</translatorcomment>
        <translation>Abkühlen mit konstanter Leistung</translation>
    </message>
    <message>
        <source>%1 decomposes at %2 before it melts</source>
        <translation>%1 zersetzt sich bei %2 schon vor dem Schmelzen</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>CSV numbers (*.csv)</source>
        <translation>CSV-Zahlen (*.csv)</translation>
    </message>
    <message>
        <source>Export Heating Curve</source>
        <translatorcomment>Why this word: German textbooks call the temperature-heat plot an Erwärmungskurve; &apos;Heizkurve&apos; is the heating engineer&apos;s curve of a central heating system.</translatorcomment>
        <translation>Erwärmungskurve exportieren</translation>
    </message>
    <message>
        <source>The curve could not be saved:
%1</source>
        <translation>Die Kurve konnte nicht gespeichert werden:
%1</translation>
    </message>
</context>
<context>
    <name>CKivaApp</name>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>Der Drucker „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>Über Zelkora</translation>
    </message>
    <message>
        <source>Zelkora

Kiva %1: a three-dimensional molecule viewer for the classroom.
Built with Qt %2.

Kiva is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING that comes with the program.</source>
        <translation>Zelkora

Kiva %1: ein dreidimensionaler Molekülbetrachter für den Unterricht.
Erstellt mit Qt %2.

Kiva ist freie Software: Sie dürfen es unter der GNU General Public License, Version 2 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Es wird ohne jede Gewährleistung geliefert. Die Lizenz steht in der Datei COPYING, die dem Programm beiliegt.</translation>
    </message>
</context>
<context>
    <name>CKivaView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The picture&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The substance as shaded atoms and bonds. Drag it to turn or move it; with a measure command on, click atoms to measure.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Das Bild&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Der Stoff als schattierte Atome und Bindungen. Ziehen Sie ihn, um ihn zu drehen oder zu verschieben; bei eingeschaltetem Messbefehl klicken Sie Atome an, um zu messen.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;Mehr in der Hilfe&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No crystal structure.
Only single molecule available.</source>
        <translatorcomment>Why this word: the window then shows the state the View menu calls &apos;Einzelnes Teilchen&apos; (a molecule or a formula unit), so the message names it the same way.</translatorcomment>
        <translation>Keine Kristallstruktur.
Nur das einzelne Teilchen ist verfügbar.</translation>
    </message>
    <message>
        <source>Atom labels need the DejaVu Sans Bold font, which is not installed.
Install the package fonts-dejavu-core to show them.</source>
        <translation>Atombeschriftungen brauchen die Schrift DejaVu Sans Bold, die nicht installiert ist.
Installieren Sie das Paket fonts-dejavu-core, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>There are no melting and boiling points for this substance, so it cannot be heated and cooled.</source>
        <translation>Für diesen Stoff gibt es keine Schmelz- und Siedetemperatur, daher kann er nicht erhitzt und abgekühlt werden.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose a substance from the Molecule menu; it shows in a window of its own.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contents of the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Wählen Sie einen Stoff im Menü Molekül; er erscheint in einem eigenen Fenster.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Inhalt der Hilfe&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CSubstanceInfoDlg</name>
    <message>
        <source>Metal</source>
        <translation>Metallbindung</translation>
    </message>
    <message>
        <source>Atom</source>
        <translatorcomment>Why this word: the noble gases consist of single atoms; &apos;Atom&apos; alone could be read as &apos;Atombindung&apos;, which German schools use for the covalent bond.</translatorcomment>
        <translation>Einzelne Atome</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translation>Ionenbindung</translation>
    </message>
    <message>
        <source>Molecule</source>
        <translation>Molekül</translation>
    </message>
    <message>
        <source>Covalent network</source>
        <translatorcomment>Why this word: German textbooks call the structure of diamond and quartz an Atomgitter (beside Metallgitter, Ionengitter, Molekülgitter); &apos;kovalentes Netzwerk&apos; is a literal rendering of the English.</translatorcomment>
        <translation>Atomgitter</translation>
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
        <translatorcomment>Why this word: schools say Stoff, not Substanz, and a page with a substance&apos;s name, formula, melting and boiling point is a Stoffsteckbrief in German textbooks.</translatorcomment>
        <translation>Stoffsteckbrief</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formel:</translation>
    </message>
    <message>
        <source>Bonding:</source>
        <translation>Bindungsart:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Cell edges a, b, c:</source>
        <translation>Zellkanten a, b, c:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translatorcomment>Why this: the values have a decimal comma in this language, so a semicolon keeps them apart.</translatorcomment>
        <translation>%1; %2; %3</translation>
    </message>
    <message>
        <source>Cell angles α, β, γ:</source>
        <translation>Zellwinkel α, β, γ:</translation>
    </message>
    <message>
        <source>Space group:</source>
        <translation>Raumgruppe:</translation>
    </message>
    <message>
        <source>Atoms in the cell:</source>
        <translation>Atome in der Zelle:</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Formula units per cell (Z):</source>
        <translation>Formeleinheiten pro Zelle (Z):</translation>
    </message>
    <message>
        <source>Crystal:</source>
        <translation>Kristall:</translation>
    </message>
    <message>
        <source>no crystal structure</source>
        <translation>keine Kristallstruktur</translation>
    </message>
    <message>
        <source>%1 K (%2 °C)</source>
        <translation>%1 K (%2 °C)</translation>
    </message>
    <message>
        <source>Melting point:</source>
        <translatorcomment>Why this word: German curricula name the measured quantities Schmelztemperatur and Siedetemperatur, and the program&apos;s other texts (the heating message, the help) use them; &apos;Schmelzpunkt&apos; would mix two words for one thing.</translatorcomment>
        <translation>Schmelztemperatur:</translation>
    </message>
    <message>
        <source>Boiling point:</source>
        <translatorcomment>Why this word: German curricula name the measured quantities Schmelztemperatur and Siedetemperatur, and the program&apos;s other texts (the heating message, the help) use them; &apos;Schmelzpunkt&apos; would mix two words for one thing.</translatorcomment>
        <translation>Siedetemperatur:</translation>
    </message>
    <message>
        <source>decomposes at %1</source>
        <translation>zersetzt sich bei %1</translation>
    </message>
    <message>
        <source>sublimes at %1</source>
        <translation>sublimiert bei %1</translation>
    </message>
    <message>
        <source>does not freeze at normal pressure</source>
        <translation>erstarrt bei Normaldruck nicht</translation>
    </message>
    <message>
        <source>Also called:</source>
        <translation>Auch genannt:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open a document file</source>
        <translation>Eine Dokumentdatei öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Das aktive Dokument schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the active document under a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Einen Drucker und seine Optionen wählen</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Symbole am unteren Fensterrand anordnen</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>Programminformationen und Version anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Hilfethemen anzeigen</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Translate (Move)</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Schaukeln</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Change the print size</source>
        <translation>Die Druckgröße ändern</translation>
    </message>
    <message>
        <source>Print Size</source>
        <translation>Druckgröße</translation>
    </message>
    <message>
        <source>Export the turn, the swing or the motion as an animated GIF or an MP4 video</source>
        <translation>Die Drehung, das Schaukeln oder die Bewegung als animiertes GIF oder MP4-Video exportieren</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Change the color of an element</source>
        <translation>Die Farbe eines Elements ändern</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Display molecule as crystalline solid</source>
        <translation>Stoff als Kristall anzeigen</translation>
    </message>
    <message>
        <source>Crystalline solid</source>
        <translatorcomment>Why this word: schools speak of a Kristall in the solid state (fester Aggregatzustand); &apos;kristalliner Festkörper&apos; is university physics. The words in brackets keep it parallel to the liquid and gas states.</translatorcomment>
        <translation>Kristall</translation>
    </message>
    <message>
        <source>Display molecule as chemical unit</source>
        <translation>Stoff als einzelnes Teilchen anzeigen (Molekül oder Formeleinheit)</translation>
    </message>
    <message>
        <source>Chemical unit</source>
        <translatorcomment>Why this word: the state shows one molecule or one formula unit. The particle model of German schools calls it a Teilchen, the same word the Particles menu and the heating panel use for its copies; &apos;chemische Einheit&apos; is not school vocabulary.</translatorcomment>
        <translation>Einzelnes Teilchen</translation>
    </message>
    <message>
        <source>Display molecule in liquid state</source>
        <translation>Stoff im flüssigen Zustand anzeigen</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Display molecule in gaseous state</source>
        <translation>Stoff im gasförmigen Zustand anzeigen</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gasförmig</translation>
    </message>
    <message>
        <source>Display molecule as ball-and-stick model</source>
        <translation>Stoff als Kugel-Stab-Modell anzeigen</translation>
    </message>
    <message>
        <source>Ball-and-stick</source>
        <translation>Kugel-Stab-Modell</translation>
    </message>
    <message>
        <source>Display molecule as space-filling model</source>
        <translation>Stoff als Kalottenmodell anzeigen</translation>
    </message>
    <message>
        <source>Space-filling</source>
        <translation>Kalottenmodell</translation>
    </message>
    <message>
        <source>Select a homoatomic substance</source>
        <translatorcomment>Why this word: German schools call a substance made of one kind of atom an Element (a pure substance of one Atomart); &apos;homoatomar&apos; is not school vocabulary.</translatorcomment>
        <translation>Ein Element wählen: einen Stoff aus nur einer Atomart</translation>
    </message>
    <message>
        <source>Select a metallic compound</source>
        <translatorcomment>Why this word: the dialog lists salts, oxides and other compounds of a metal by their ions; &apos;metallische Verbindung&apos; reads as an alloy. &apos;Salze&apos; is the word students know, &apos;Metallverbindungen&apos; covers the oxides and sulfides.</translatorcomment>
        <translation>Ein Salz oder eine andere Metallverbindung wählen</translation>
    </message>
    <message>
        <source>Select a non-metallic compound</source>
        <translatorcomment>Why this word: parallel to &apos;Metallverbindungen&apos;; German textbooks say &apos;Nichtmetallverbindungen&apos; (compounds of non-metals) rather than the adjective.</translatorcomment>
        <translation>Eine Nichtmetallverbindung wählen</translation>
    </message>
    <message>
        <source>Select an organic compound</source>
        <translation>Eine organische Verbindung wählen</translation>
    </message>
    <message>
        <source>Select a molecule from the Index</source>
        <translation>Einen Stoff aus dem Index wählen</translation>
    </message>
    <message>
        <source>To measure the position of a specific atom</source>
        <translation>Die Position eines bestimmten Atoms messen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>To measure the distance between two atoms</source>
        <translation>Den Abstand zwischen zwei Atomen messen</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>To measure the angle between two bonds</source>
        <translation>Den Winkel zwischen zwei Bindungen messen</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>To measure the torsion angle between two planes</source>
        <translation>Den Torsionswinkel zwischen zwei Ebenen messen</translation>
    </message>
    <message>
        <source>Torsion angle</source>
        <translation>Torsionswinkel</translation>
    </message>
    <message>
        <source>Low quality display</source>
        <translation>Anzeige in niedriger Qualität</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>Niedrige Qualität</translation>
    </message>
    <message>
        <source>High quality display</source>
        <translation>Anzeige in hoher Qualität</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Show or hide the XYZ axes</source>
        <translation>Die XYZ-Achsen ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>Set multiples of unit cell along x, y and z axes</source>
        <translation>Vielfache der Elementarzelle entlang der x-, y- und z-Achse festlegen</translation>
    </message>
    <message>
        <source>Multiples of unit cell</source>
        <translation>Vielfache der Elementarzelle</translation>
    </message>
    <message>
        <source>Reset to initial view state</source>
        <translation>Auf die Anfangsansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Show or hide the unit cell frame</source>
        <translation>Den Rahmen der Elementarzelle ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Unit cell frame</source>
        <translation>Rahmen der Elementarzelle</translation>
    </message>
    <message>
        <source>Show or hide coordination</source>
        <translation>Koordination ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Coordination</source>
        <translation>Koordination</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Das Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Show the picture alone on the whole screen; Escape or F11 leaves</source>
        <translation>Nur das Bild auf dem ganzen Bildschirm zeigen; Esc oder F11 beendet</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Show the picture as a fixed square of 340 by 340 pixels</source>
        <translation>Das Bild als festes Quadrat von 340 × 340 Pixeln zeigen</translation>
    </message>
    <message>
        <source>Fixed Picture Size</source>
        <translation>Feste Bildgröße</translation>
    </message>
    <message>
        <source>Let the picture fill its window, which can then grow and be maximized</source>
        <translation>Das Bild füllt sein Fenster, das dann wachsen und maximiert werden kann</translation>
    </message>
    <message>
        <source>Fit Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Show the name, formula and crystal cell of the substance</source>
        <translation>Name, Formel und Kristallzelle des Stoffs anzeigen</translation>
    </message>
    <message>
        <source>Substance information</source>
        <translatorcomment>Why this word: schools say Stoff, not Substanz, and a page with a substance&apos;s name, formula, melting and boiling point is a Stoffsteckbrief in German textbooks.</translatorcomment>
        <translation>Stoffsteckbrief</translation>
    </message>
    <message>
        <source>Show the crystal&apos;s molecules and ions whole across the cell faces</source>
        <translation>Moleküle und Ionen des Kristalls über die Zellflächen hinweg vollständig zeigen</translation>
    </message>
    <message>
        <source>Whole molecules</source>
        <translation>Ganze Moleküle</translation>
    </message>
    <message>
        <source>Print a lesson handout: the picture with the substance&apos;s name, description and facts</source>
        <translatorcomment>Why this word: the printed page is a worksheet for the lesson, which German schools call an Arbeitsblatt; &apos;Handzettel&apos; is a flyer.</translatorcomment>
        <translation>Ein Arbeitsblatt für den Unterricht drucken: das Bild mit Name, Beschreibung und Daten des Stoffs</translation>
    </message>
    <message>
        <source>Print Handout</source>
        <translatorcomment>Why this word: the printed page is a worksheet for the lesson, which German schools call an Arbeitsblatt; &apos;Handzettel&apos; is a flyer.</translatorcomment>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Export the picture as a PNG file at the view&apos;s size or another</source>
        <translation>Das Bild als PNG-Datei exportieren, in der Größe der Ansicht oder einer anderen</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Show or hide each atom&apos;s element and charge, and the names of the cell&apos;s edges</source>
        <translation>Element und Ladung jedes Atoms und die Namen der Zellkanten zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Atom labels</source>
        <translation>Atombeschriftung</translation>
    </message>
    <message>
        <source>Heat and cool the substance: watch it melt and boil at its real temperatures</source>
        <translation>Den Stoff erhitzen und abkühlen: ihn bei seinen echten Temperaturen schmelzen und sieden sehen</translation>
    </message>
    <message>
        <source>Heating and Cooling</source>
        <translation>Erhitzen und Abkühlen</translation>
    </message>
    <message>
        <source>Heat and cool 64 particles</source>
        <translation>64 Teilchen erhitzen und abkühlen</translation>
    </message>
    <message>
        <source>Heat and cool 216 particles</source>
        <translation>216 Teilchen erhitzen und abkühlen</translation>
    </message>
    <message>
        <source>Heat and cool 512 particles</source>
        <translation>512 Teilchen erhitzen und abkühlen</translation>
    </message>
    <message>
        <source>Heat and cool 1000 particles</source>
        <translation>1000 Teilchen erhitzen und abkühlen</translation>
    </message>
    <message>
        <source>Add heat at a constant power</source>
        <translation>Wärme mit konstanter Leistung zuführen</translation>
    </message>
    <message>
        <source>Heat</source>
        <translatorcomment>Why this word: in the lab and in textbooks one says &apos;erhitzen&apos; and &apos;abkühlen&apos;, matching the menu command &apos;Erhitzen und Abkühlen&apos;; &apos;heizen&apos; is for rooms.</translatorcomment>
        <translation>Erhitzen</translation>
    </message>
    <message>
        <source>Take heat away at a constant power</source>
        <translation>Wärme mit konstanter Leistung entziehen</translation>
    </message>
    <message>
        <source>Cool</source>
        <translatorcomment>Why this word: in the lab and in textbooks one says &apos;erhitzen&apos; and &apos;abkühlen&apos;, matching the menu command &apos;Erhitzen und Abkühlen&apos;; &apos;heizen&apos; is for rooms.</translatorcomment>
        <translation>Abkühlen</translation>
    </message>
    <message>
        <source>Hold the present temperature</source>
        <translation>Die jetzige Temperatur halten</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Show the coordination polyhedra: around each cation, the shape its neighbours make</source>
        <translation>Die Koordinationspolyeder zeigen: um jedes Kation die Form, die seine Nachbarn bilden</translation>
    </message>
    <message>
        <source>Polyhedra</source>
        <translation>Polyeder</translation>
    </message>
    <message>
        <source>Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)</source>
        <translation>Eine Netzebene des Kristalls nach ihren Millerschen Indizes h, k, l zeichnen, mit ihrem Netzebenenabstand d(hkl)</translation>
    </message>
    <message>
        <source>Lattice plane</source>
        <translation>Netzebene</translation>
    </message>
    <message>
        <source>Smooth the edges of atoms, bonds and faces in large, exported and printed pictures</source>
        <translation>Die Kanten von Atomen, Bindungen und Flächen in großen, exportierten und gedruckten Bildern glätten</translation>
    </message>
    <message>
        <source>Smooth edges</source>
        <translation>Kantenglättung</translation>
    </message>
</context>
<context>
    <name>CompoundSelection</name>
    <message>
        <source>Cannot find the compound &quot;%1&quot;.</source>
        <translation>Die Verbindung „%1“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ContextHelpFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Wählen Sie ein Objekt, zu dem Sie Hilfe erhalten möchten</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>The file could not be opened.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file ends before its molecule record does: it is damaged or not a molecule document.</source>
        <translation>Die Datei endet vor ihrem Moleküldatensatz: Sie ist beschädigt oder kein Moleküldokument.</translation>
    </message>
    <message>
        <source>The file&apos;s molecule record is damaged.</source>
        <translation>Der Moleküldatensatz der Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>The file is neither a Kiva document nor a readable %1</source>
        <translation>Die Datei ist weder ein Kiva-Dokument noch eine lesbare Datei im Format %1</translation>
    </message>
    <message>
        <source>The file is not a readable %1</source>
        <translation>Die Datei ist keine lesbare Datei im Format %1</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;.
%3</source>
        <translation>%1 „%2“.
%3</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Öffnen nicht möglich:</translation>
    </message>
    <message>
        <source>The file is not a molecule document.</source>
        <translation>Die Datei ist kein Moleküldokument.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Speichern nicht möglich:</translation>
    </message>
    <message>
        <source>The file is not a Kiva document, and Kiva does not write over files of other kinds. Choose another name.</source>
        <translation>Die Datei ist kein Kiva-Dokument, und Kiva überschreibt keine Dateien anderer Art. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Untitled-</source>
        <translation>Unbenannt-</translation>
    </message>
    <message>
        <source>Molecule Files (*.mol)</source>
        <translation>Moleküldateien (*.mol)</translation>
    </message>
    <message>
        <source>All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Molecule Files (*.mol);;Crystallographic Information Files (*.cif);;MDL Molfiles and SD Files (*.mol *.sdf *.sd);;XYZ Files (*.xyz);;Protein Data Bank Files (*.pdb *.ent);;All Files (*)</source>
        <translation>Alle Strukturdateien (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Moleküldateien (*.mol);;Crystallographic Information Files (*.cif);;MDL-Molfiles und SD-Dateien (*.mol *.sdf *.sd);;XYZ-Dateien (*.xyz);;Protein-Data-Bank-Dateien (*.pdb *.ent);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ElementColorDialog</name>
    <message>
        <source>Color of Element</source>
        <translation>Farbe des Elements</translation>
    </message>
    <message>
        <source>Color of element:</source>
        <translation>Farbe des Elements:</translation>
    </message>
    <message>
        <source>&amp;Red=</source>
        <translation>&amp;Rot=</translation>
    </message>
    <message>
        <source>&amp;Green=</source>
        <translation>&amp;Grün=</translation>
    </message>
    <message>
        <source>&amp;Blue=</source>
        <translation>&amp;Blau=</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>&amp;Choose Color...</source>
        <translation>Farbe &amp;wählen...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>&amp;Elemente:</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 0 und 255 ein.</translation>
    </message>
</context>
<context>
    <name>ExportAnimation</name>
    <message>
        <source>Export Animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>The liquid&apos;s motion</source>
        <translation>Die Bewegung der Flüssigkeit</translation>
    </message>
    <message>
        <source>The gas&apos;s motion</source>
        <translation>Die Bewegung des Gases</translation>
    </message>
    <message>
        <source>A full turn</source>
        <translation>Eine volle Drehung</translation>
    </message>
    <message>
        <source>One rock swing</source>
        <translation>Ein Schaukelschwung</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>&amp;Animation:</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Bilder:</translation>
    </message>
    <message>
        <source>Frames a &amp;second:</source>
        <translation>Bilder pro &amp;Sekunde:</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>B&amp;reite (Pixel):</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>&amp;Höhe (Pixel):</translation>
    </message>
    <message>
        <source>An animation has 1 to %1 frames.</source>
        <translation>Eine Animation hat 1 bis %1 Bilder.</translation>
    </message>
    <message>
        <source>An animation plays 1 to %1 frames a second.</source>
        <translation>Eine Animation zeigt 1 bis %1 Bilder pro Sekunde.</translation>
    </message>
    <message>
        <source>An animation&apos;s sides are %1 to %2 pixels.</source>
        <translation>Die Seiten einer Animation messen %1 bis %2 Pixel.</translation>
    </message>
    <message>
        <source>An MP4 video needs an even width and height, not %1.</source>
        <translation>Ein MP4-Video braucht eine gerade Breite und Höhe, nicht %1.</translation>
    </message>
    <message>
        <source>Give the file the ending .gif or .mp4:
%1</source>
        <translation>Geben Sie der Datei die Endung .gif oder .mp4:
%1</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;:
%2.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;:
%2.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>This system&apos;s FFmpeg has no H.264 encoder for MP4 videos.</source>
        <translation>Das FFmpeg dieses Systems hat keinen H.264-Encoder für MP4-Videos.</translation>
    </message>
    <message>
        <source>Cannot encode the file &quot;%1&quot;:
%2.</source>
        <translation>Die Datei „%1“ kann nicht kodiert werden:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif);;MP4 Video (*.mp4)</source>
        <translation>Animiertes GIF (*.gif);;MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>Exporting the animation...</source>
        <translation>Die Animation wird exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A PDB file holds at most %1 atoms, not %2.</source>
        <translation>Eine PDB-Datei fasst höchstens %1 Atome, nicht %2.</translation>
    </message>
    <message>
        <source>MP4 videos need FFmpeg&apos;s libraries (%1), which are not installed.</source>
        <translation>MP4-Videos brauchen die Bibliotheken von FFmpeg (%1), die nicht installiert sind.</translation>
    </message>
    <message>
        <source>The view&apos;s %1 × %2 pixels are rounded to even sides, which an MP4 video needs.</source>
        <translation>Die %1 × %2 Pixel der Ansicht werden auf gerade Seitenlängen gerundet, die ein MP4-Video braucht.</translation>
    </message>
    <message>
        <source>Picture f&amp;rame, as in the window</source>
        <translation>Bildrah&amp;men wie im Fenster</translation>
    </message>
    <message>
        <source>The heating run, from now on</source>
        <translation>Das Erhitzen, von jetzt an</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>The &amp;view&apos;s size, %1 × %2 pixels</source>
        <translation>Größe der &amp;Ansicht, %1 × %2 Pixel</translation>
    </message>
    <message>
        <source>&amp;Another size:</source>
        <translation>An&amp;dere Größe:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Black, as on screen</source>
        <translation>&amp;Schwarz, wie auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>A picture&apos;s sides are %1 to %2 pixels.</source>
        <translation>Die Seiten eines Bildes sind %1 bis %2 Pixel lang.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Wh&amp;ite, as in print</source>
        <translation>&amp;Weiß, wie im Druck</translation>
    </message>
    <message>
        <source>Picture &amp;frame, as in the window</source>
        <translation>Bild&amp;rahmen wie im Fenster</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Measurement</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Distance %1: %2 Å</source>
        <translation>Abstand %1: %2 Å</translation>
    </message>
    <message>
        <source>Angle %1: %2°</source>
        <translation>Winkel %1: %2°</translation>
    </message>
    <message>
        <source>Torsion angle %1: %2°</source>
        <translation>Torsionswinkel %1: %2°</translation>
    </message>
</context>
<context>
    <name>HeatingCurve</name>
    <message>
        <source>Heat added (kJ/mol)</source>
        <translation>Zugeführte Wärme (kJ/mol)</translation>
    </message>
    <message>
        <source>decomposes</source>
        <translation>zersetzt sich</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>Schmelzen</translation>
    </message>
    <message>
        <source>sublimes</source>
        <translation>sublimiert</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>Sieden</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;Mehr in der Hilfe&lt;/a&gt;&lt;/p&gt;</translation>
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
        <translation>Netzebene %1: d = %2 Å</translation>
    </message>
    <message>
        <source>Lattice Plane</source>
        <translation>Netzebene</translation>
    </message>
    <message>
        <source>The plane h x + k y + l z = offset: 1 cuts the cell&apos;s edges at a/h, b/k and c/l; each step of 1 moves it one spacing on</source>
        <translation>Die Ebene h x + k y + l z = Verschiebung: Bei 1 schneidet sie die Zellkanten bei a/h, b/k und c/l; jeder Schritt um 1 rückt sie um einen Netzebenenabstand weiter</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Verschiebung:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Netzebenenabstand:</translation>
    </message>
    <message>
        <source>&amp;Show the plane</source>
        <translation>&amp;Ebene anzeigen</translation>
    </message>
    <message>
        <source>&amp;Face the Plane</source>
        <translation>Zur Ebene &amp;drehen</translation>
    </message>
    <message>
        <source>Turn the crystal so that you look straight at the plane</source>
        <translation>Den Kristall so drehen, dass Sie senkrecht auf die Ebene blicken</translation>
    </message>
    <message>
        <source>d = %1 Å</source>
        <translation>d = %1 Å</translation>
    </message>
    <message>
        <source>h, k and l cannot all be 0</source>
        <translation>h, k und l dürfen nicht alle 0 sein</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;About &apos;Zelkora&apos;...</source>
        <translation>Ü&amp;ber &apos;Zelkora&apos;...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Strg+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Beenden	Strg+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Schließen	Strg+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>S&amp;peichern	Strg+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>Prin&amp;t Size...</source>
        <translation>Druck&amp;größe...</translation>
    </message>
    <message>
        <source>&amp;Export Animation...</source>
        <translation>Animation e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy Picture	Ctrl+C</source>
        <translation>Bild &amp;kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>Display &amp;Structure</source>
        <translation>&amp;Struktur anzeigen</translation>
    </message>
    <message>
        <source>&amp;Chemical Unit</source>
        <translatorcomment>Why this word: the state shows one molecule or one formula unit. The particle model of German schools calls it a Teilchen, the same word the Particles menu and the heating panel use for its copies; &apos;chemische Einheit&apos; is not school vocabulary.</translatorcomment>
        <translation>Einzelnes &amp;Teilchen</translation>
    </message>
    <message>
        <source>Crystalline &amp;Solid State</source>
        <translatorcomment>Why this word: schools speak of a Kristall in the solid state (fester Aggregatzustand); &apos;kristalliner Festkörper&apos; is university physics. The words in brackets keep it parallel to the liquid and gas states.</translatorcomment>
        <translation>&amp;Kristall (fester Zustand)</translation>
    </message>
    <message>
        <source>&amp;Liquid State</source>
        <translation>&amp;Flüssiger Zustand</translation>
    </message>
    <message>
        <source>&amp;Gas State</source>
        <translation>&amp;Gasförmiger Zustand</translation>
    </message>
    <message>
        <source>Display &amp;Model</source>
        <translation>&amp;Modell anzeigen</translation>
    </message>
    <message>
        <source>&amp;Ball-and-Stick</source>
        <translation>&amp;Kugel-Stab-Modell</translation>
    </message>
    <message>
        <source>&amp;Space-Filling</source>
        <translation>Ka&amp;lottenmodell</translation>
    </message>
    <message>
        <source>Display &amp;Quality</source>
        <translation>&amp;Qualität der Anzeige</translation>
    </message>
    <message>
        <source>&amp;Low Quality</source>
        <translation>&amp;Niedrige Qualität</translation>
    </message>
    <message>
        <source>&amp;High Quality</source>
        <translation>&amp;Hohe Qualität</translation>
    </message>
    <message>
        <source>Picture Si&amp;ze</source>
        <translation>Bild&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Fixed (340 × 340)</source>
        <translation>&amp;Fest (340 × 340)</translation>
    </message>
    <message>
        <source>Fit &amp;Window</source>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Vollbild	F11</translation>
    </message>
    <message>
        <source>Multiples of &amp;Unit Cell...</source>
        <translation>Vielfache der &amp;Elementarzelle...</translation>
    </message>
    <message>
        <source>&amp;XYZ Axes</source>
        <translation>&amp;XYZ-Achsen</translation>
    </message>
    <message>
        <source>&amp;Whole Molecules</source>
        <translation>Ganze Mole&amp;küle</translation>
    </message>
    <message>
        <source>Substance &amp;Information...</source>
        <translatorcomment>Why this word: schools say Stoff, not Substanz, and a page with a substance&apos;s name, formula, melting and boiling point is a Stoffsteckbrief in German textbooks. The accelerator is &apos;i&apos; as before: s, t, f and b are taken in the View menu.</translatorcomment>
        <translation>Stoffsteckbr&amp;ief...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Molecule</source>
        <translation>&amp;Molekül</translation>
    </message>
    <message>
        <source>&amp;Homoatomic...</source>
        <translatorcomment>Why this word: German schools call a substance made of one kind of atom an Element (a pure substance of one Atomart); &apos;homoatomar&apos; is not school vocabulary.</translatorcomment>
        <translation>&amp;Elemente...</translation>
    </message>
    <message>
        <source>&amp;Metallic...</source>
        <translatorcomment>Why this word: the dialog lists salts, oxides and other compounds of a metal by their ions; &apos;metallische Verbindung&apos; reads as an alloy. &apos;Salze&apos; is the word students know, &apos;Metallverbindungen&apos; covers the oxides and sulfides.</translatorcomment>
        <translation>&amp;Salze und Metallverbindungen...</translation>
    </message>
    <message>
        <source>&amp;Non-Metallic...</source>
        <translatorcomment>Why this word: parallel to &apos;Metallverbindungen&apos;; German textbooks say &apos;Nichtmetallverbindungen&apos; (compounds of non-metals) rather than the adjective.</translatorcomment>
        <translation>&amp;Nichtmetallverbindungen...</translation>
    </message>
    <message>
        <source>&amp;Organic...</source>
        <translation>&amp;Organische Verbindungen...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>&amp;Index...</translation>
    </message>
    <message>
        <source>M&amp;easure</source>
        <translation>Me&amp;ssen</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Abstand</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>&amp;Winkel</translation>
    </message>
    <message>
        <source>&amp;Torsion Angle</source>
        <translation>&amp;Torsionswinkel</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Über&amp;lappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Ne&amp;beneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Print &amp;Handout...</source>
        <translatorcomment>Why this word: the printed page is a worksheet for the lesson, which German schools call an Arbeitsblatt; &apos;Handzettel&apos; is a flyer. The accelerator is &apos;r&apos;: a, d, t and e are taken in the File menu.</translatorcomment>
        <translation>A&amp;rbeitsblatt drucken...</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Bild expor&amp;tieren...</translation>
    </message>
    <message>
        <source>Atom &amp;Labels</source>
        <translation>Atom&amp;beschriftung</translation>
    </message>
    <message>
        <source>&amp;Heating and Cooling</source>
        <translation>&amp;Erhitzen und Abkühlen</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <translation>&amp;Teilchen</translation>
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
        <translation>&amp;Polyeder</translation>
    </message>
    <message>
        <source>La&amp;ttice Plane...</source>
        <translation>&amp;Netzebene...</translation>
    </message>
    <message>
        <source>Smooth &amp;Edges</source>
        <translation>K&amp;antenglättung</translation>
    </message>
</context>
<context>
    <name>OrganicCategory</name>
    <message>
        <source>Alkyl hydrocarbon</source>
        <translation>Alkan</translation>
    </message>
    <message>
        <source>Ethylenic hydrocarbon</source>
        <translation>Alken</translation>
    </message>
    <message>
        <source>Acetylenic hydrocarbon</source>
        <translation>Alkin</translation>
    </message>
    <message>
        <source>Aromatic hydrocarbon</source>
        <translation>Aromat</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alkohol</translation>
    </message>
    <message>
        <source>Ether</source>
        <translation>Ether</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Phenol</translation>
    </message>
    <message>
        <source>Aldehyde</source>
        <translation>Aldehyd</translation>
    </message>
    <message>
        <source>Oil &amp; Fat/Ester</source>
        <translation>Fett/Ester</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Zucker</translation>
    </message>
    <message>
        <source>Hydrocarbon halide</source>
        <translatorcomment>Why this word: the family holds chlorobenzene, vinyl chloride and tetrafluoroethylene as well as halogenated alkanes, so &apos;Halogenalkan&apos; would be wrong for some; &apos;Halogenkohlenwasserstoff&apos; does not fit beside the other radio buttons.</translatorcomment>
        <translation>Halogenverbindung</translation>
    </message>
    <message>
        <source>Carboxylic acid</source>
        <translation>Carbonsäure</translation>
    </message>
    <message>
        <source>Nitro &amp; Amine</source>
        <translation>Nitro &amp; Amin</translation>
    </message>
    <message>
        <source>Amino acid</source>
        <translation>Aminosäure</translation>
    </message>
    <message>
        <source>Ketone</source>
        <translation>Keton</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>chemical unit</source>
        <translation>einzelnes Teilchen</translation>
    </message>
    <message>
        <source>crystal</source>
        <translation>Kristall</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gasförmig</translation>
    </message>
    <message>
        <source>heating and cooling</source>
        <translation>Erhitzen und Abkühlen</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 Atome</translation>
    </message>
    <message>
        <source>1 atom</source>
        <translation>1 Atom</translation>
    </message>
    <message>
        <source>ball-and-stick</source>
        <translation>Kugel-Stab-Modell</translation>
    </message>
    <message>
        <source>space-filling</source>
        <translation>Kalottenmodell</translation>
    </message>
    <message>
        <source>coordination polyhedra</source>
        <translation>Koordinationspolyeder</translation>
    </message>
    <message>
        <source>lattice plane %1, d = %2 Å</source>
        <translation>Netzebene %1, d = %2 Å</translation>
    </message>
    <message>
        <source>no substance</source>
        <translation>kein Stoff</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
</context>
<context>
    <name>PrintSizeDialog</name>
    <message>
        <source>Print Size</source>
        <translation>Druckgröße</translation>
    </message>
    <message>
        <source>&amp;Select the print size:</source>
        <translation>Druckgröße &amp;wählen:</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>Auf dem Drucker „%1“ kann nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Choose a printer or a PDF file with File &gt; Print Setup.</source>
        <translation>Es gibt keinen Drucker, auf dem gedruckt werden kann.
Wählen Sie einen Drucker oder eine PDF-Datei mit Datei &gt; Druckereinrichtung.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Torsion Angle</source>
        <translation>Torsionswinkel</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>x-Achse</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>y-Achse</translation>
    </message>
    <message>
        <source>Axis Z</source>
        <translation>z-Achse</translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>Selected &amp;Compound:</source>
        <translation>&amp;Verbindung:</translation>
    </message>
    <message>
        <source>&amp;Select from:</source>
        <translation>&amp;Auswahl aus:</translation>
    </message>
    <message>
        <source>Metallic Compounds</source>
        <translatorcomment>Why this word: the dialog lists salts, oxides and other compounds of a metal by their ions; &apos;metallische Verbindung&apos; reads as an alloy. &apos;Salze&apos; is the word students know, &apos;Metallverbindungen&apos; covers the oxides and sulfides.</translatorcomment>
        <translation>Salze und Metallverbindungen</translation>
    </message>
    <message>
        <source>&amp;Positive Ions:</source>
        <translation>&amp;Positive Ionen:</translation>
    </message>
    <message>
        <source>&amp;Negative Ions:</source>
        <translation>&amp;Negative Ionen:</translation>
    </message>
    <message>
        <source>Non-Metallic Compounds</source>
        <translatorcomment>Why this word: parallel to &apos;Metallverbindungen&apos;; German textbooks say &apos;Nichtmetallverbindungen&apos; (compounds of non-metals) rather than the adjective.</translatorcomment>
        <translation>Nichtmetallverbindungen</translation>
    </message>
    <message>
        <source>&amp;Positive Covalence:</source>
        <translatorcomment>Why this word: &apos;Kovalenz&apos; means the number of bonds (Bindigkeit) in German, not a bonding partner. Schools mark the more electronegative partner with δ− and the other with δ+; the label has room for a short word only.</translatorcomment>
        <translation>&amp;Positiv (δ+):</translation>
    </message>
    <message>
        <source>&amp;Negative Covalence:</source>
        <translatorcomment>Why this word: &apos;Kovalenz&apos; means the number of bonds (Bindigkeit) in German, not a bonding partner. Schools mark the more electronegative partner with δ− and the other with δ+; the label has room for a short word only.</translatorcomment>
        <translation>&amp;Negativ (δ−):</translation>
    </message>
    <message>
        <source>Homoatomic Substance</source>
        <translatorcomment>Why this word: German schools call a substance made of one kind of atom an Element (a pure substance of one Atomart); &apos;homoatomar&apos; is not school vocabulary.</translatorcomment>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>&amp;Selected Substance:</source>
        <translation>&amp;Stoff:</translation>
    </message>
    <message>
        <source>Select &amp;from:</source>
        <translation>Aus&amp;wahl aus:</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>&amp;Elemente:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Organic Compounds</source>
        <translation>Organische Verbindungen</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translatorcomment>Why this word: German schools call the organic families (Alkane, Alkohole, ...) Stoffklassen.</translatorcomment>
        <translation>&amp;Stoffklasse:</translation>
    </message>
</context>
<context>
    <name>SelectionKeys</name>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>SelectionModel</name>
    <message>
        <source>Cannot find the metallic compound &quot;%s&quot;.</source>
        <translation>Die Metallverbindung „%s“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot find the non-metallic compound &quot;%s&quot;.</source>
        <translation>Die Nichtmetallverbindung „%s“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot find the substance &quot;%s&quot;.</source>
        <translation>Der Stoff „%s“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot find the compound &quot;%s&quot;.</source>
        <translation>Die Verbindung „%s“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Cannot find the organic compound &quot;%s&quot;.</source>
        <translation>Die organische Verbindung „%s“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>UnitCellMultiplesDialog</name>
    <message>
        <source>Multiples of Unit Cell</source>
        <translation>Vielfache der Elementarzelle</translation>
    </message>
    <message>
        <source>Along axis %1:</source>
        <translation>Entlang der Achse %1:</translation>
    </message>
    <message>
        <source>cell(s)</source>
        <translation>Zelle(n)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and %1.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen 1 und %1 ein.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte geben Sie eine positive ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>kiva::CHelpWindow</name>
    <message>
        <source>The help cannot be found.
Its pages belong in a folder &quot;help&quot; beside the program or in share/kiva/help; reinstall the program to bring them back.</source>
        <translation>Die Hilfe wurde nicht gefunden.
Ihre Seiten gehören in einen Ordner „help“ neben dem Programm oder nach share/kiva/help; installieren Sie das Programm neu, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Zelkora Help</source>
        <translation>Zelkora-Hilfe</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 - Zelkora Help</source>
        <translation>%1 - Zelkora-Hilfe</translation>
    </message>
</context>
</TS>
