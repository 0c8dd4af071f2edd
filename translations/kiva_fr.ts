<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BondingClass</name>
    <message>
        <source> - (Metal)</source>
        <translation> - (liaison métallique)</translation>
    </message>
    <message>
        <source> - (Atom)</source>
        <translation> - (atome)</translation>
    </message>
    <message>
        <source> - (Ionic)</source>
        <translation> - (liaison ionique)</translation>
    </message>
    <message>
        <source> - (Molecule)</source>
        <translation> - (molécule)</translation>
    </message>
    <message>
        <source> - (Covalent Network)</source>
        <translatorcomment>Why this word: in French school crystallography &quot;réseau&quot; is the lattice of nodes (réseau, maille, motif), so &quot;réseau covalent&quot; misleads; textbooks call diamond and quartz &quot;solides covalents&quot;.</translatorcomment>
        <translation> - (solide covalent)</translation>
    </message>
</context>
<context>
    <name>CHeatingPanel</name>
    <message>
        <source>solid</source>
        <translation>solide</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusion</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquide</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ébullition</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gaz</translation>
    </message>
    <message>
        <source>subliming</source>
        <translation>sublimation</translation>
    </message>
    <message>
        <source>The thermometer: the temperature of the particles</source>
        <translation>Le thermomètre : la température des particules</translation>
    </message>
    <message>
        <source>The phase, read from how the particles move</source>
        <translation>L’état, lu dans le mouvement des particules</translation>
    </message>
    <message>
        <source>The temperature the thermostat holds</source>
        <translation>La température que maintient le thermostat</translation>
    </message>
    <message>
        <source>Export Curve...</source>
        <translation>Exporter la courbe...</translation>
    </message>
    <message>
        <source>Save the heating curve as a PNG picture or as CSV numbers</source>
        <translation>Enregistrer la courbe de chauffage en image PNG ou en nombres CSV</translation>
    </message>
    <message>
        <source>Held at %1</source>
        <translation>Maintenu à %1</translation>
    </message>
    <message>
        <source>Heating at a constant power</source>
        <translation>Chauffage à puissance constante</translation>
    </message>
    <message>
        <source>Cooling at a constant power</source>
        <translation>Refroidissement à puissance constante</translation>
    </message>
    <message>
        <source>%1 decomposes at %2 before it melts</source>
        <translation>%1 se décompose à %2 avant de fondre</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV numbers (*.csv)</source>
        <translation>Nombres CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Heating Curve</source>
        <translation>Exporter la courbe de chauffage</translation>
    </message>
    <message>
        <source>The curve could not be saved:
%1</source>
        <translation>La courbe n’a pas pu être enregistrée :
%1</translation>
    </message>
</context>
<context>
    <name>CKivaApp</name>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>À propos de Zelkora</translation>
    </message>
    <message>
        <source>Zelkora

Kiva %1: a three-dimensional molecule viewer for the classroom.
Built with Qt %2.

Kiva is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING that comes with the program.</source>
        <translation>Zelkora

Kiva %1 : un visualiseur de molécules en trois dimensions pour la classe.
Construit avec Qt %2.

Kiva est un logiciel libre : vous pouvez le partager et le modifier selon les termes de la licence publique générale GNU, version 2 ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie. La licence se trouve dans le fichier COPYING fourni avec le programme.</translation>
    </message>
</context>
<context>
    <name>CKivaView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The picture&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The substance as shaded atoms and bonds. Drag it to turn or move it; with a measure command on, click atoms to measure.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;L&apos;image&lt;/b&gt;&lt;/p&gt;&lt;p&gt;La substance sous forme d&apos;atomes et de liaisons ombrés. Faites-la glisser pour la tourner ou la déplacer ; avec une commande de mesure active, cliquez sur des atomes pour mesurer.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;Plus dans l&apos;aide&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No crystal structure.
Only single molecule available.</source>
        <translation>Pas de structure cristalline.
Seule une molécule isolée est disponible.</translation>
    </message>
    <message>
        <source>Atom labels need the DejaVu Sans Bold font, which is not installed.
Install the package fonts-dejavu-core to show them.</source>
        <translation>Les étiquettes des atomes nécessitent la police DejaVu Sans Bold, qui n&apos;est pas installée.
Installez le paquet fonts-dejavu-core pour les afficher.</translation>
    </message>
    <message>
        <source>There are no melting and boiling points for this substance, so it cannot be heated and cooled.</source>
        <translation>Cette substance n’a pas de températures de fusion et d’ébullition : elle ne peut pas être chauffée ni refroidie.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose a substance from the Molecule menu; it shows in a window of its own.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contents of the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choisissez une substance dans le menu Molécule ; elle s&apos;affiche dans sa propre fenêtre.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Sommaire de l&apos;aide&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CSubstanceInfoDlg</name>
    <message>
        <source>Metal</source>
        <translation>Liaison métallique</translation>
    </message>
    <message>
        <source>Atom</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translation>Liaison ionique</translation>
    </message>
    <message>
        <source>Molecule</source>
        <translation>Molécule</translation>
    </message>
    <message>
        <source>Covalent network</source>
        <translatorcomment>Why this word: as in the window title: French textbooks say &quot;solide covalent&quot;; &quot;réseau&quot; there means the lattice of nodes.</translatorcomment>
        <translation>Solide covalent</translation>
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
        <translation>Informations sur la substance</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formule :</translation>
    </message>
    <message>
        <source>Bonding:</source>
        <translation>Liaison :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Cell edges a, b, c:</source>
        <translation>Arêtes de la maille a, b, c :</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translatorcomment>Why this: the values have a decimal comma in this language, so a semicolon keeps them apart.</translatorcomment>
        <translation>%1; %2; %3</translation>
    </message>
    <message>
        <source>Cell angles α, β, γ:</source>
        <translation>Angles de la maille α, β, γ :</translation>
    </message>
    <message>
        <source>Space group:</source>
        <translation>Groupe d&apos;espace :</translation>
    </message>
    <message>
        <source>Atoms in the cell:</source>
        <translation>Atomes dans la maille :</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Formula units per cell (Z):</source>
        <translatorcomment>Why this word: French textbooks count the &quot;motifs&quot; in a cell (Z = 4 motifs NaCl per cell); &quot;unité formulaire&quot; is not used at school.</translatorcomment>
        <translation>Motifs par maille (Z) :</translation>
    </message>
    <message>
        <source>Crystal:</source>
        <translation>Cristal :</translation>
    </message>
    <message>
        <source>no crystal structure</source>
        <translation>pas de structure cristalline</translation>
    </message>
    <message>
        <source>%1 K (%2 °C)</source>
        <translation>%1 K (%2 °C)</translation>
    </message>
    <message>
        <source>Melting point:</source>
        <translatorcomment>Why this word: French curricula and textbooks say &quot;température de fusion&quot; (and &quot;température de changement d&apos;état&quot;), as this program&apos;s own messages do.</translatorcomment>
        <translation>Température de fusion :</translation>
    </message>
    <message>
        <source>Boiling point:</source>
        <translatorcomment>Why this word: as &quot;Température de fusion&quot;: the school term is &quot;température d&apos;ébullition&quot;.</translatorcomment>
        <translation>Température d&apos;ébullition :</translation>
    </message>
    <message>
        <source>decomposes at %1</source>
        <translation>se décompose à %1</translation>
    </message>
    <message>
        <source>sublimes at %1</source>
        <translation>se sublime à %1</translation>
    </message>
    <message>
        <source>does not freeze at normal pressure</source>
        <translation>ne se solidifie pas à la pression normale</translation>
    </message>
    <message>
        <source>Also called:</source>
        <translation>Autres noms&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open a document file</source>
        <translation>Ouvrir un fichier de document</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Fermer le document actif</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document under a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Choisir une imprimante et ses options</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Ouvrir une autre fenêtre pour le document actif</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Réorganiser les icônes en bas de la fenêtre</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Disposer les fenêtres en cascade</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Disposer les fenêtres en mosaïque</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>Afficher les informations et la version du programme</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Afficher les rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barre d&apos;état oui/non</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Translate (Move)</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Balancer</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Change the print size</source>
        <translation>Modifier la taille d&apos;impression</translation>
    </message>
    <message>
        <source>Print Size</source>
        <translation>Taille d&apos;impression</translation>
    </message>
    <message>
        <source>Export the turn, the swing or the motion as an animated GIF or an MP4 video</source>
        <translation>Exporter la rotation, le balancement ou le mouvement en GIF animé ou en vidéo MP4</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exporter l&apos;animation</translation>
    </message>
    <message>
        <source>Change the color of an element</source>
        <translation>Modifier la couleur d&apos;un élément</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Display molecule as crystalline solid</source>
        <translation>Afficher la substance comme solide cristallin</translation>
    </message>
    <message>
        <source>Crystalline solid</source>
        <translation>Solide cristallin</translation>
    </message>
    <message>
        <source>Display molecule as chemical unit</source>
        <translation>Afficher une entité chimique de la substance</translation>
    </message>
    <message>
        <source>Chemical unit</source>
        <translatorcomment>Why this word: the French curriculum calls one molecule, ion or atom an &quot;entité chimique&quot; (as against the &quot;espèce chimique&quot;, the substance); &quot;unité chimique&quot; is not a school term.</translatorcomment>
        <translation>Entité chimique</translation>
    </message>
    <message>
        <source>Display molecule in liquid state</source>
        <translation>Afficher la substance à l&apos;état liquide</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>Display molecule in gaseous state</source>
        <translation>Afficher la substance à l&apos;état gazeux</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Display molecule as ball-and-stick model</source>
        <translation>Afficher la molécule en modèle éclaté</translation>
    </message>
    <message>
        <source>Ball-and-stick</source>
        <translatorcomment>Why this word: French textbooks and model kits name the two models &quot;modèle éclaté&quot; and &quot;modèle compact&quot;; &quot;boules et bâtonnets&quot; is a calque.</translatorcomment>
        <translation>Modèle éclaté</translation>
    </message>
    <message>
        <source>Display molecule as space-filling model</source>
        <translation>Afficher la molécule en modèle compact</translation>
    </message>
    <message>
        <source>Space-filling</source>
        <translation>Modèle compact</translation>
    </message>
    <message>
        <source>Select a homoatomic substance</source>
        <translation>Choisir un corps simple</translation>
    </message>
    <message>
        <source>Select a metallic compound</source>
        <translation>Choisir un composé d&apos;un métal</translation>
    </message>
    <message>
        <source>Select a non-metallic compound</source>
        <translation>Choisir un composé de non-métaux</translation>
    </message>
    <message>
        <source>Select an organic compound</source>
        <translation>Choisir un composé organique</translation>
    </message>
    <message>
        <source>Select a molecule from the Index</source>
        <translation>Choisir une substance dans l&apos;index</translation>
    </message>
    <message>
        <source>To measure the position of a specific atom</source>
        <translation>Mesurer la position d&apos;un atome donné</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>To measure the distance between two atoms</source>
        <translation>Mesurer la distance entre deux atomes</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>To measure the angle between two bonds</source>
        <translation>Mesurer l&apos;angle entre deux liaisons</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>To measure the torsion angle between two planes</source>
        <translation>Mesurer l&apos;angle de torsion entre deux plans</translation>
    </message>
    <message>
        <source>Torsion angle</source>
        <translation>Angle de torsion</translation>
    </message>
    <message>
        <source>Low quality display</source>
        <translation>Affichage en basse qualité</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>Basse qualité</translation>
    </message>
    <message>
        <source>High quality display</source>
        <translation>Affichage en haute qualité</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Haute qualité</translation>
    </message>
    <message>
        <source>Show or hide the XYZ axes</source>
        <translation>Afficher ou masquer les axes XYZ</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Set multiples of unit cell along x, y and z axes</source>
        <translation>Définir les multiples de la maille élémentaire selon les axes x, y et z</translation>
    </message>
    <message>
        <source>Multiples of unit cell</source>
        <translation>Multiples de la maille</translation>
    </message>
    <message>
        <source>Reset to initial view state</source>
        <translation>Revenir à l&apos;affichage initial</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Show or hide the unit cell frame</source>
        <translation>Afficher ou masquer le contour de la maille</translation>
    </message>
    <message>
        <source>Unit cell frame</source>
        <translation>Contour de la maille</translation>
    </message>
    <message>
        <source>Show or hide coordination</source>
        <translation>Afficher ou masquer la coordinence</translation>
    </message>
    <message>
        <source>Coordination</source>
        <translation>Coordinence</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copier l&apos;image dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Show the picture alone on the whole screen; Escape or F11 leaves</source>
        <translation>Afficher l&apos;image seule sur tout l&apos;écran ; Échap ou F11 pour sortir</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Show the picture as a fixed square of 340 by 340 pixels</source>
        <translation>Afficher l&apos;image en carré fixe de 340 sur 340 pixels</translation>
    </message>
    <message>
        <source>Fixed Picture Size</source>
        <translation>Taille d&apos;image fixe</translation>
    </message>
    <message>
        <source>Let the picture fill its window, which can then grow and be maximized</source>
        <translation>L&apos;image remplit sa fenêtre, qui peut alors s&apos;agrandir et être maximisée</translation>
    </message>
    <message>
        <source>Fit Window</source>
        <translation>Adapter à la fenêtre</translation>
    </message>
    <message>
        <source>Show the name, formula and crystal cell of the substance</source>
        <translation>Afficher le nom, la formule et la maille cristalline de la substance</translation>
    </message>
    <message>
        <source>Substance information</source>
        <translation>Informations sur la substance</translation>
    </message>
    <message>
        <source>Show the crystal&apos;s molecules and ions whole across the cell faces</source>
        <translation>Afficher les molécules et les ions du cristal entiers au-delà des faces de la maille</translation>
    </message>
    <message>
        <source>Whole molecules</source>
        <translation>Molécules entières</translation>
    </message>
    <message>
        <source>Print a lesson handout: the picture with the substance&apos;s name, description and facts</source>
        <translation>Imprimer une fiche élève pour le cours : l&apos;image avec le nom, la description et les données de la substance</translation>
    </message>
    <message>
        <source>Print Handout</source>
        <translatorcomment>Why this word: a page the teacher hands out is a &quot;fiche élève&quot;; a &quot;fiche de cours&quot; is the lesson summary a student writes, and &quot;fiche&quot; alone does not say which.</translatorcomment>
        <translation>Imprimer la fiche élève</translation>
    </message>
    <message>
        <source>Export the picture as a PNG file at the view&apos;s size or another</source>
        <translation>Exporter l&apos;image en fichier PNG, à la taille de la vue ou à une autre</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Show or hide each atom&apos;s element and charge, and the names of the cell&apos;s edges</source>
        <translation>Afficher ou masquer l&apos;élément et la charge de chaque atome, et les noms des arêtes de la maille</translation>
    </message>
    <message>
        <source>Atom labels</source>
        <translation>Étiquettes des atomes</translation>
    </message>
    <message>
        <source>Heat and cool the substance: watch it melt and boil at its real temperatures</source>
        <translation>Chauffer et refroidir la substance : la voir fondre et bouillir à ses vraies températures</translation>
    </message>
    <message>
        <source>Heating and Cooling</source>
        <translation>Chauffage et refroidissement</translation>
    </message>
    <message>
        <source>Heat and cool 64 particles</source>
        <translation>Chauffer et refroidir 64 particules</translation>
    </message>
    <message>
        <source>Heat and cool 216 particles</source>
        <translation>Chauffer et refroidir 216 particules</translation>
    </message>
    <message>
        <source>Heat and cool 512 particles</source>
        <translation>Chauffer et refroidir 512 particules</translation>
    </message>
    <message>
        <source>Heat and cool 1000 particles</source>
        <translation>Chauffer et refroidir 1000 particules</translation>
    </message>
    <message>
        <source>Add heat at a constant power</source>
        <translatorcomment>Why this word: French curricula speak of energy received or given (&quot;énergie reçue&quot;, &quot;transfert thermique&quot;) rather than of &quot;chaleur&quot;.</translatorcomment>
        <translation>Apporter de l&apos;énergie à puissance constante</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Chauffer</translation>
    </message>
    <message>
        <source>Take heat away at a constant power</source>
        <translation>Retirer de l&apos;énergie à puissance constante</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Refroidir</translation>
    </message>
    <message>
        <source>Hold the present temperature</source>
        <translation>Maintenir la température actuelle</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintenir</translation>
    </message>
    <message>
        <source>Show the coordination polyhedra: around each cation, the shape its neighbours make</source>
        <translation>Afficher les polyèdres de coordination : autour de chaque cation, la forme que dessinent ses voisins</translation>
    </message>
    <message>
        <source>Polyhedra</source>
        <translation>Polyèdres</translation>
    </message>
    <message>
        <source>Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)</source>
        <translation>Tracer un plan réticulaire du cristal d&apos;après ses indices de Miller h, k, l, avec sa distance interréticulaire d(hkl)</translation>
    </message>
    <message>
        <source>Lattice plane</source>
        <translation>Plan réticulaire</translation>
    </message>
    <message>
        <source>Smooth the edges of atoms, bonds and faces in large, exported and printed pictures</source>
        <translation>Lisser les contours des atomes, des liaisons et des faces dans les grandes images et dans les images exportées et imprimées</translation>
    </message>
    <message>
        <source>Smooth edges</source>
        <translation>Lissage des contours</translation>
    </message>
</context>
<context>
    <name>CompoundSelection</name>
    <message>
        <source>Cannot find the compound &quot;%1&quot;.</source>
        <translation>Impossible de trouver le composé « %1 ».</translation>
    </message>
</context>
<context>
    <name>ContextHelpFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Sélectionnez un objet sur lequel obtenir de l&apos;aide</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>The file could not be opened.</source>
        <translation>Le fichier n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The file ends before its molecule record does: it is damaged or not a molecule document.</source>
        <translation>Le fichier se termine avant son enregistrement de molécule : il est endommagé ou n&apos;est pas un document de molécule.</translation>
    </message>
    <message>
        <source>The file&apos;s molecule record is damaged.</source>
        <translation>L&apos;enregistrement de molécule du fichier est endommagé.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>The file is neither a Kiva document nor a readable %1</source>
        <translation>Le fichier n&apos;est ni un document Kiva ni un fichier %1 lisible</translation>
    </message>
    <message>
        <source>The file is not a readable %1</source>
        <translation>Le fichier n&apos;est pas un fichier %1 lisible</translation>
    </message>
    <message>
        <source>: </source>
        <translation> : </translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;.
%3</source>
        <translation>%1 « %2 ».
%3</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>Impossible d&apos;ouvrir</translation>
    </message>
    <message>
        <source>The file is not a molecule document.</source>
        <translation>Le fichier n&apos;est pas un document de molécule.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Impossible d&apos;enregistrer</translation>
    </message>
    <message>
        <source>The file is not a Kiva document, and Kiva does not write over files of other kinds. Choose another name.</source>
        <translation>Le fichier n&apos;est pas un document Kiva, et Kiva n&apos;écrase pas les fichiers d&apos;un autre type. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Untitled-</source>
        <translation>Sans titre-</translation>
    </message>
    <message>
        <source>Molecule Files (*.mol)</source>
        <translation>Fichiers de molécule (*.mol)</translation>
    </message>
    <message>
        <source>All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Molecule Files (*.mol);;Crystallographic Information Files (*.cif);;MDL Molfiles and SD Files (*.mol *.sdf *.sd);;XYZ Files (*.xyz);;Protein Data Bank Files (*.pdb *.ent);;All Files (*)</source>
        <translation>Tous les fichiers de structure (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Fichiers de molécule (*.mol);;Fichiers CIF (*.cif);;Fichiers MDL Molfile et SD (*.mol *.sdf *.sd);;Fichiers XYZ (*.xyz);;Fichiers Protein Data Bank (*.pdb *.ent);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ElementColorDialog</name>
    <message>
        <source>Color of Element</source>
        <translation>Couleur de l&apos;élément</translation>
    </message>
    <message>
        <source>Color of element:</source>
        <translation>Couleur de l&apos;élément :</translation>
    </message>
    <message>
        <source>&amp;Red=</source>
        <translation>&amp;Rouge =</translation>
    </message>
    <message>
        <source>&amp;Green=</source>
        <translation>&amp;Vert =</translation>
    </message>
    <message>
        <source>&amp;Blue=</source>
        <translation>&amp;Bleu =</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>&amp;Choose Color...</source>
        <translation>&amp;Choisir la couleur...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>&amp;Éléments :</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Veuillez saisir un nombre entier entre 0 et 255.</translation>
    </message>
</context>
<context>
    <name>ExportAnimation</name>
    <message>
        <source>Export Animation</source>
        <translation>Exporter l&apos;animation</translation>
    </message>
    <message>
        <source>The liquid&apos;s motion</source>
        <translation>Le mouvement du liquide</translation>
    </message>
    <message>
        <source>The gas&apos;s motion</source>
        <translation>Le mouvement du gaz</translation>
    </message>
    <message>
        <source>A full turn</source>
        <translation>Un tour complet</translation>
    </message>
    <message>
        <source>One rock swing</source>
        <translation>Un balancement</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>&amp;Animation :</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Images :</translation>
    </message>
    <message>
        <source>Frames a &amp;second:</source>
        <translation>Images par &amp;seconde :</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Largeur (pixels) :</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>&amp;Hauteur (pixels) :</translation>
    </message>
    <message>
        <source>An animation has 1 to %1 frames.</source>
        <translation>Une animation a de 1 à %1 images.</translation>
    </message>
    <message>
        <source>An animation plays 1 to %1 frames a second.</source>
        <translation>Une animation passe de 1 à %1 images par seconde.</translation>
    </message>
    <message>
        <source>An animation&apos;s sides are %1 to %2 pixels.</source>
        <translation>Les côtés d&apos;une animation mesurent de %1 à %2 pixels.</translation>
    </message>
    <message>
        <source>An MP4 video needs an even width and height, not %1.</source>
        <translation>Une vidéo MP4 demande une largeur et une hauteur paires, pas %1.</translation>
    </message>
    <message>
        <source>Give the file the ending .gif or .mp4:
%1</source>
        <translation>Donnez au fichier l&apos;extension .gif ou .mp4 :
%1</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;:
%2.</source>
        <translation>Impossible de créer le fichier « %1 » :
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;:
%2.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 » :
%2.</translation>
    </message>
    <message>
        <source>This system&apos;s FFmpeg has no H.264 encoder for MP4 videos.</source>
        <translation>Le FFmpeg de ce système n&apos;a pas d&apos;encodeur H.264 pour les vidéos MP4.</translation>
    </message>
    <message>
        <source>Cannot encode the file &quot;%1&quot;:
%2.</source>
        <translation>Impossible d&apos;encoder le fichier « %1 » :
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif);;MP4 Video (*.mp4)</source>
        <translation>GIF animé (*.gif);;Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Exporting the animation...</source>
        <translation>Exportation de l&apos;animation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A PDB file holds at most %1 atoms, not %2.</source>
        <translation>Un fichier PDB contient au plus %1 atomes, pas %2.</translation>
    </message>
    <message>
        <source>MP4 videos need FFmpeg&apos;s libraries (%1), which are not installed.</source>
        <translation>Les vidéos MP4 ont besoin des bibliothèques de FFmpeg (%1), qui ne sont pas installées.</translation>
    </message>
    <message>
        <source>The view&apos;s %1 × %2 pixels are rounded to even sides, which an MP4 video needs.</source>
        <translation>Les %1 × %2 pixels de la vue sont arrondis à des côtés pairs, comme l&apos;exige une vidéo MP4.</translation>
    </message>
    <message>
        <source>Picture f&amp;rame, as in the window</source>
        <translation>&amp;Cadre de l&apos;image, comme dans la fenêtre</translation>
    </message>
    <message>
        <source>The heating run, from now on</source>
        <translation>Le chauffage, à partir de maintenant</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>The &amp;view&apos;s size, %1 × %2 pixels</source>
        <translation>Taille de la &amp;vue, %1 × %2 pixels</translation>
    </message>
    <message>
        <source>&amp;Another size:</source>
        <translation>&amp;Autre taille :</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>&amp;Black, as on screen</source>
        <translation>&amp;Noir, comme à l&apos;écran</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>A picture&apos;s sides are %1 to %2 pixels.</source>
        <translation>Les côtés d&apos;une image mesurent de %1 à %2 pixels.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Wh&amp;ite, as in print</source>
        <translation>&amp;Blanc, comme à l&apos;impression</translation>
    </message>
    <message>
        <source>Picture &amp;frame, as in the window</source>
        <translation>&amp;Cadre de l&apos;image, comme dans la fenêtre</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Distance %1: %2 Å</source>
        <translation>Distance %1 : %2 Å</translation>
    </message>
    <message>
        <source>Angle %1: %2°</source>
        <translation>Angle %1 : %2°</translation>
    </message>
    <message>
        <source>Torsion angle %1: %2°</source>
        <translation>Angle de torsion %1 : %2°</translation>
    </message>
</context>
<context>
    <name>HeatingCurve</name>
    <message>
        <source>Heat added (kJ/mol)</source>
        <translatorcomment>Why this word: French textbooks label this axis with the energy received, not &quot;chaleur&quot;.</translatorcomment>
        <translation>Énergie apportée (kJ/mol)</translation>
    </message>
    <message>
        <source>decomposes</source>
        <translation>se décompose</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusion</translation>
    </message>
    <message>
        <source>sublimes</source>
        <translation>se sublime</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ébullition</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;Plus dans l&apos;aide&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LatticePlaneDialog</name>
    <message>
        <source>&amp;h:</source>
        <translation>&amp;h :</translation>
    </message>
    <message>
        <source>&amp;k:</source>
        <translation>&amp;k :</translation>
    </message>
    <message>
        <source>&amp;l:</source>
        <translation>&amp;l :</translation>
    </message>
    <message>
        <source>Lattice plane %1: d = %2 Å</source>
        <translation>Plan réticulaire %1 : d = %2 Å</translation>
    </message>
    <message>
        <source>Lattice Plane</source>
        <translation>Plan réticulaire</translation>
    </message>
    <message>
        <source>The plane h x + k y + l z = offset: 1 cuts the cell&apos;s edges at a/h, b/k and c/l; each step of 1 moves it one spacing on</source>
        <translation>Le plan h x + k y + l z = décalage : à 1, il coupe les arêtes de la maille en a/h, b/k et c/l ; chaque pas de 1 le déplace d&apos;une distance interréticulaire</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Décalage :</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translation>Distance interréticulaire :</translation>
    </message>
    <message>
        <source>&amp;Show the plane</source>
        <translation>Afficher le &amp;plan</translation>
    </message>
    <message>
        <source>&amp;Face the Plane</source>
        <translation>&amp;Voir le plan de face</translation>
    </message>
    <message>
        <source>Turn the crystal so that you look straight at the plane</source>
        <translation>Tourner le cristal pour regarder le plan bien en face</translation>
    </message>
    <message>
        <source>d = %1 Å</source>
        <translation>d = %1 Å</translation>
    </message>
    <message>
        <source>h, k and l cannot all be 0</source>
        <translation>h, k et l ne peuvent pas être tous nuls</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Rubriques d&apos;aide	F1</translation>
    </message>
    <message>
        <source>&amp;About &apos;Zelkora&apos;...</source>
        <translation>À &amp;propos de &apos;Zelkora&apos;...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Quitter	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Fermer	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Prin&amp;t Size...</source>
        <translation>&amp;Taille d&apos;impression...</translation>
    </message>
    <message>
        <source>&amp;Export Animation...</source>
        <translation>E&amp;xporter l&apos;animation...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy Picture	Ctrl+C</source>
        <translation>&amp;Copier l&apos;image	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>Display &amp;Structure</source>
        <translation>&amp;Structure affichée</translation>
    </message>
    <message>
        <source>&amp;Chemical Unit</source>
        <translatorcomment>Why this word: school term &quot;entité chimique&quot; (see the toolbar button); E is free in this submenu.</translatorcomment>
        <translation>&amp;Entité chimique</translation>
    </message>
    <message>
        <source>Crystalline &amp;Solid State</source>
        <translation>État &amp;solide cristallin</translation>
    </message>
    <message>
        <source>&amp;Liquid State</source>
        <translation>État &amp;liquide</translation>
    </message>
    <message>
        <source>&amp;Gas State</source>
        <translation>État &amp;gazeux</translation>
    </message>
    <message>
        <source>Display &amp;Model</source>
        <translation>&amp;Modèle affiché</translation>
    </message>
    <message>
        <source>&amp;Ball-and-Stick</source>
        <translatorcomment>Why this word: school term &quot;modèle éclaté&quot;, the counterpart of &quot;modèle compact&quot;.</translatorcomment>
        <translation>&amp;Modèle éclaté</translation>
    </message>
    <message>
        <source>&amp;Space-Filling</source>
        <translation>Modèle &amp;compact</translation>
    </message>
    <message>
        <source>Display &amp;Quality</source>
        <translation>&amp;Qualité d&apos;affichage</translation>
    </message>
    <message>
        <source>&amp;Low Quality</source>
        <translation>&amp;Basse qualité</translation>
    </message>
    <message>
        <source>&amp;High Quality</source>
        <translation>&amp;Haute qualité</translation>
    </message>
    <message>
        <source>Picture Si&amp;ze</source>
        <translation>&amp;Taille de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Fixed (340 × 340)</source>
        <translation>&amp;Fixe (340 × 340)</translation>
    </message>
    <message>
        <source>Fit &amp;Window</source>
        <translation>&amp;Adapter à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Plein écran	F11</translation>
    </message>
    <message>
        <source>Multiples of &amp;Unit Cell...</source>
        <translation>Mu&amp;ltiples de la maille élémentaire...</translation>
    </message>
    <message>
        <source>&amp;XYZ Axes</source>
        <translation>&amp;Axes XYZ</translation>
    </message>
    <message>
        <source>&amp;Whole Molecules</source>
        <translation>Molécules &amp;entières</translation>
    </message>
    <message>
        <source>Substance &amp;Information...</source>
        <translation>&amp;Informations sur la substance...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Molecule</source>
        <translation>&amp;Molécule</translation>
    </message>
    <message>
        <source>&amp;Homoatomic...</source>
        <translatorcomment>Why this word: French schools call a substance made of one element a &quot;corps simple&quot; (corps pur simple); &quot;homoatomique&quot; is not used in class.</translatorcomment>
        <translation>&amp;Corps simple...</translation>
    </message>
    <message>
        <source>&amp;Metallic...</source>
        <translatorcomment>Why this word: the dialog lists compounds of a metal cation (NaCl, CaCO3), not metals; &quot;Métallique&quot; alone reads as metallic bonding, which students learn for metals only.</translatorcomment>
        <translation>Composé d&apos;un &amp;métal...</translation>
    </message>
    <message>
        <source>&amp;Non-Metallic...</source>
        <translatorcomment>Why this word: named like the item above it: compounds of non-metals; &quot;Non métallique&quot; alone does not say what it selects.</translatorcomment>
        <translation>Composé de &amp;non-métaux...</translation>
    </message>
    <message>
        <source>&amp;Organic...</source>
        <translatorcomment>Why this word: same pattern as the two items above it, so the menu reads as one list.</translatorcomment>
        <translation>Composé &amp;organique...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>&amp;Index...</translation>
    </message>
    <message>
        <source>M&amp;easure</source>
        <translation>Me&amp;sure</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distance</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>&amp;Angle</translation>
    </message>
    <message>
        <source>&amp;Torsion Angle</source>
        <translation>Angle de &amp;torsion</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>Print &amp;Handout...</source>
        <translatorcomment>Why this word: a page handed out in class is a &quot;fiche élève&quot;; H stays the accelerator, unique in the File menu.</translatorcomment>
        <translation>Imprimer la fic&amp;he élève...</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Exporter l&apos;ima&amp;ge...</translation>
    </message>
    <message>
        <source>Atom &amp;Labels</source>
        <translation>Étiq&amp;uettes des atomes</translation>
    </message>
    <message>
        <source>&amp;Heating and Cooling</source>
        <translation>&amp;Chauffage et refroidissement</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <translation>&amp;Nombre de particules</translation>
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
        <translation>P&amp;olyèdres</translation>
    </message>
    <message>
        <source>La&amp;ttice Plane...</source>
        <translation>Plan réticulaire (&amp;hkl)...</translation>
    </message>
    <message>
        <source>Smooth &amp;Edges</source>
        <translation>Lissa&amp;ge des contours</translation>
    </message>
</context>
<context>
    <name>OrganicCategory</name>
    <message>
        <source>Alkyl hydrocarbon</source>
        <translation>Alcane</translation>
    </message>
    <message>
        <source>Ethylenic hydrocarbon</source>
        <translation>Alcène</translation>
    </message>
    <message>
        <source>Acetylenic hydrocarbon</source>
        <translation>Alcyne</translation>
    </message>
    <message>
        <source>Aromatic hydrocarbon</source>
        <translatorcomment>Why this word: noun use as in &quot;les aromatiques&quot;; &quot;Hydrocarbure aromatique&quot; is too long for its radio button.</translatorcomment>
        <translation>Aromatique</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alcool</translation>
    </message>
    <message>
        <source>Ether</source>
        <translation>Éther</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Phénol</translation>
    </message>
    <message>
        <source>Aldehyde</source>
        <translation>Aldéhyde</translation>
    </message>
    <message>
        <source>Oil &amp; Fat/Ester</source>
        <translatorcomment>Why this word: the family French textbooks name is &quot;ester&quot;; oils and fats (triglycerides) are esters of glycerol, called &quot;corps gras&quot;. Ester comes first because most of the list are simple esters.</translatorcomment>
        <translation>Ester, corps gras</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translatorcomment>Why this word: kept: physics-chemistry textbooks say &quot;sucres&quot;; biology says &quot;glucides&quot;, which a class also understands.</translatorcomment>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Hydrocarbon halide</source>
        <translatorcomment>Why this word: kept rather than the curriculum&apos;s &quot;halogénoalcane&quot;: the family also holds halogenated alkenes and arenes.</translatorcomment>
        <translation>Dérivé halogéné</translation>
    </message>
    <message>
        <source>Carboxylic acid</source>
        <translation>Acide carboxylique</translation>
    </message>
    <message>
        <source>Nitro &amp; Amine</source>
        <translatorcomment>Why this word: &quot;Nitré&quot; is an adjective and cannot name a family; textbooks say &quot;dérivé nitré&quot; (as &quot;dérivé halogéné&quot;) and &quot;amine&quot;.</translatorcomment>
        <translation>Dérivé nitré, amine</translation>
    </message>
    <message>
        <source>Amino acid</source>
        <translation>Acide aminé</translation>
    </message>
    <message>
        <source>Ketone</source>
        <translation>Cétone</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>chemical unit</source>
        <translation>entité chimique</translation>
    </message>
    <message>
        <source>crystal</source>
        <translation>cristal</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquide</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gaz</translation>
    </message>
    <message>
        <source>heating and cooling</source>
        <translation>chauffage et refroidissement</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 mailles</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 atomes</translation>
    </message>
    <message>
        <source>1 atom</source>
        <translation>1 atome</translation>
    </message>
    <message>
        <source>ball-and-stick</source>
        <translation>modèle éclaté</translation>
    </message>
    <message>
        <source>space-filling</source>
        <translation>modèle compact</translation>
    </message>
    <message>
        <source>coordination polyhedra</source>
        <translation>polyèdres de coordination</translation>
    </message>
    <message>
        <source>lattice plane %1, d = %2 Å</source>
        <translatorcomment>Why this: the indices come with their own parentheses, (111), so none around %1.</translatorcomment>
        <translation>plan réticulaire %1, d = %2 Å</translation>
    </message>
    <message>
        <source>no substance</source>
        <translation>aucune substance</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>PrintSizeDialog</name>
    <message>
        <source>Print Size</source>
        <translation>Taille d&apos;impression</translation>
    </message>
    <message>
        <source>&amp;Select the print size:</source>
        <translation>&amp;Choisissez la taille d&apos;impression :</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>Impossible d&apos;imprimer sur l&apos;imprimante « %1 ».</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Choose a printer or a PDF file with File &gt; Print Setup.</source>
        <translation>Aucune imprimante n&apos;est disponible.
Choisissez une imprimante ou un fichier PDF avec Fichier &gt; Configuration de l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Torsion Angle</source>
        <translation>Angle de torsion</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Axe Y</translation>
    </message>
    <message>
        <source>Axis Z</source>
        <translation>Axe Z</translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>Selected &amp;Compound:</source>
        <translation>&amp;Composé :</translation>
    </message>
    <message>
        <source>&amp;Select from:</source>
        <translation>Choi&amp;sir dans :</translation>
    </message>
    <message>
        <source>Metallic Compounds</source>
        <translatorcomment>Why this word: salts, oxides and sulfides of metals; &quot;composés métalliques&quot; suggests metallic bonding.</translatorcomment>
        <translation>Composés des métaux</translation>
    </message>
    <message>
        <source>&amp;Positive Ions:</source>
        <translation>Ions &amp;positifs :</translation>
    </message>
    <message>
        <source>&amp;Negative Ions:</source>
        <translation>Ions &amp;négatifs :</translation>
    </message>
    <message>
        <source>Non-Metallic Compounds</source>
        <translation>Composés des non-métaux</translation>
    </message>
    <message>
        <source>&amp;Positive Covalence:</source>
        <translatorcomment>Why this word: in French &quot;covalence&quot; is the number of covalent bonds an atom forms, so &quot;covalence positive&quot; means nothing; the list holds the positive part of the compound (H, C, N, ..., NH4), written first in its formula.</translatorcomment>
        <translation>Partie &amp;positive :</translation>
    </message>
    <message>
        <source>&amp;Negative Covalence:</source>
        <translatorcomment>Why this word: the negative part of the compound (O, Cl, SO for sulfates, ...), written last in its formula; see &quot;Partie positive&quot;.</translatorcomment>
        <translation>Partie &amp;négative :</translation>
    </message>
    <message>
        <source>Homoatomic Substance</source>
        <translatorcomment>Why this word: school term for a substance made of one element (corps pur simple).</translatorcomment>
        <translation>Corps simple</translation>
    </message>
    <message>
        <source>&amp;Selected Substance:</source>
        <translation>&amp;Substance :</translation>
    </message>
    <message>
        <source>Select &amp;from:</source>
        <translation>Choisir &amp;dans :</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>&amp;Éléments :</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Organic Compounds</source>
        <translation>Composés organiques</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translatorcomment>Why this word: French textbooks group organic compounds in &quot;familles&quot; (famille fonctionnelle); F is free in this dialog.</translatorcomment>
        <translation>&amp;Famille :</translation>
    </message>
</context>
<context>
    <name>SelectionKeys</name>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>SelectionModel</name>
    <message>
        <source>Cannot find the metallic compound &quot;%s&quot;.</source>
        <translation>Impossible de trouver le composé « %s » parmi les composés des métaux.</translation>
    </message>
    <message>
        <source>Cannot find the non-metallic compound &quot;%s&quot;.</source>
        <translation>Impossible de trouver le composé « %s » parmi les composés des non-métaux.</translation>
    </message>
    <message>
        <source>Cannot find the substance &quot;%s&quot;.</source>
        <translation>Impossible de trouver le corps simple « %s ».</translation>
    </message>
    <message>
        <source>Cannot find the compound &quot;%s&quot;.</source>
        <translation>Impossible de trouver le composé « %s ».</translation>
    </message>
    <message>
        <source>Cannot find the organic compound &quot;%s&quot;.</source>
        <translation>Impossible de trouver le composé organique « %s ».</translation>
    </message>
</context>
<context>
    <name>UnitCellMultiplesDialog</name>
    <message>
        <source>Multiples of Unit Cell</source>
        <translation>Multiples de la maille élémentaire</translation>
    </message>
    <message>
        <source>Along axis %1:</source>
        <translation>Selon l&apos;axe %1 :</translation>
    </message>
    <message>
        <source>cell(s)</source>
        <translation>maille(s)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and %1.</source>
        <translation>Veuillez saisir un nombre entier entre 1 et %1.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un nombre entier positif.</translation>
    </message>
</context>
<context>
    <name>kiva::CHelpWindow</name>
    <message>
        <source>The help cannot be found.
Its pages belong in a folder &quot;help&quot; beside the program or in share/kiva/help; reinstall the program to bring them back.</source>
        <translation>L&apos;aide est introuvable.
Ses pages doivent se trouver dans un dossier « help » à côté du programme ou dans share/kiva/help ; réinstallez le programme pour les retrouver.</translation>
    </message>
    <message>
        <source>Zelkora Help</source>
        <translation>Aide de Zelkora</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Suiva&amp;nt</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 - Zelkora Help</source>
        <translation>%1 - Aide de Zelkora</translation>
    </message>
</context>
</TS>
