<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BondingClass</name>
    <message>
        <source> - (Metal)</source>
        <translation> - (enlace metálico)</translation>
    </message>
    <message>
        <source> - (Atom)</source>
        <translatorcomment>Why this word: the noble gases exist as single atoms; Spanish textbooks say &quot;átomos aislados&quot;. &quot;Atómica&quot; would mislead: many textbooks call diamond and quartz &quot;sustancias atómicas&quot;.</translatorcomment>
        <translation> - (átomos aislados)</translation>
    </message>
    <message>
        <source> - (Ionic)</source>
        <translation> - (enlace iónico)</translation>
    </message>
    <message>
        <source> - (Molecule)</source>
        <translation> - (molécula)</translation>
    </message>
    <message>
        <source> - (Covalent Network)</source>
        <translation> - (red covalente)</translation>
    </message>
</context>
<context>
    <name>CHeatingPanel</name>
    <message>
        <source>solid</source>
        <translation>sólido</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fundiéndose</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>hirviendo</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>subliming</source>
        <translatorcomment>Why this word: chemistry uses &quot;sublimar&quot; without &quot;se&quot; (&quot;el yodo sublima&quot;), as the Substance Information texts do.</translatorcomment>
        <translation>sublimando</translation>
    </message>
    <message>
        <source>The thermometer: the temperature of the particles</source>
        <translation>El termómetro: la temperatura de las partículas</translation>
    </message>
    <message>
        <source>The phase, read from how the particles move</source>
        <translatorcomment>Why this word: school books speak of the &quot;estado&quot; (de agregación) of matter; &quot;fase&quot; belongs to later courses.</translatorcomment>
        <translation>El estado, leído del movimiento de las partículas</translation>
    </message>
    <message>
        <source>The temperature the thermostat holds</source>
        <translation>La temperatura que mantiene el termostato</translation>
    </message>
    <message>
        <source>Export Curve...</source>
        <translation>Exportar curva...</translation>
    </message>
    <message>
        <source>Save the heating curve as a PNG picture or as CSV numbers</source>
        <translation>Guardar la curva de calentamiento como imagen PNG o como números CSV</translation>
    </message>
    <message>
        <source>Held at %1</source>
        <translation>Mantenido a %1</translation>
    </message>
    <message>
        <source>Heating at a constant power</source>
        <translation>Calentando a potencia constante</translation>
    </message>
    <message>
        <source>Cooling at a constant power</source>
        <translation>Enfriando a potencia constante</translation>
    </message>
    <message>
        <source>%1 decomposes at %2 before it melts</source>
        <translation>%1 se descompone a %2 antes de fundirse</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV numbers (*.csv)</source>
        <translation>Números CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Heating Curve</source>
        <translation>Exportar la curva de calentamiento</translation>
    </message>
    <message>
        <source>The curve could not be saved:
%1</source>
        <translation>No se pudo guardar la curva:
%1</translation>
    </message>
</context>
<context>
    <name>CKivaApp</name>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>La impresora «%1» no está instalada.</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>Acerca de Zelkora</translation>
    </message>
    <message>
        <source>Zelkora

Kiva %1: a three-dimensional molecule viewer for the classroom.
Built with Qt %2.

Kiva is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING that comes with the program.</source>
        <translation>Zelkora

Kiva %1: un visor tridimensional de moléculas para el aula.
Compilado con Qt %2.

Kiva es software libre: puede compartirlo y modificarlo según la Licencia Pública General de GNU, versión 2 o (a su elección) cualquier versión posterior. Se distribuye sin ninguna garantía. La licencia está en el archivo COPYING que acompaña al programa.</translation>
    </message>
</context>
<context>
    <name>CKivaView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The picture&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The substance as shaded atoms and bonds. Drag it to turn or move it; with a measure command on, click atoms to measure.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;La imagen&lt;/b&gt;&lt;/p&gt;&lt;p&gt;La sustancia como átomos y enlaces sombreados. Arrástrela para girarla o moverla; con una orden de medida activa, haga clic en los átomos para medir.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;Más en la ayuda&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No crystal structure.
Only single molecule available.</source>
        <translation>No hay estructura cristalina.
Solo está disponible una molécula aislada.</translation>
    </message>
    <message>
        <source>Atom labels need the DejaVu Sans Bold font, which is not installed.
Install the package fonts-dejavu-core to show them.</source>
        <translation>Las etiquetas de los átomos necesitan la fuente DejaVu Sans Bold, que no está instalada.
Instale el paquete fonts-dejavu-core para mostrarlas.</translation>
    </message>
    <message>
        <source>There are no melting and boiling points for this substance, so it cannot be heated and cooled.</source>
        <translation>Esta sustancia no tiene puntos de fusión y ebullición, así que no se puede calentar ni enfriar.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, pulse F1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose a substance from the Molecule menu; it shows in a window of its own.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contents of the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Elija una sustancia en el menú Molécula; se muestra en una ventana propia.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contenido de la ayuda&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CSubstanceInfoDlg</name>
    <message>
        <source>Metal</source>
        <translatorcomment>Why this word: shown after the label &quot;Enlace:&quot; in Substance Information and on the worksheet, so the value names the kind of bond: &quot;Enlace: Metálico&quot;, as textbooks write it.</translatorcomment>
        <translation>Metálico</translation>
    </message>
    <message>
        <source>Atom</source>
        <translatorcomment>Why this word: after &quot;Enlace:&quot;: the noble gases form no bonds and exist as single atoms, which is how Spanish textbooks put it.</translatorcomment>
        <translation>Ninguno (átomos aislados)</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translatorcomment>Why this word: after &quot;Enlace:&quot;, so the adjective alone: &quot;Enlace: Iónico&quot;.</translatorcomment>
        <translation>Iónico</translation>
    </message>
    <message>
        <source>Molecule</source>
        <translatorcomment>Why this word: after &quot;Enlace:&quot;: school chemistry calls these covalent molecular substances; &quot;Enlace: molécula&quot; is no kind of bond.</translatorcomment>
        <translation>Covalente (moléculas)</translation>
    </message>
    <message>
        <source>Covalent network</source>
        <translatorcomment>Why this word: after &quot;Enlace:&quot;: the covalent network substances (diamond, quartz) of the textbooks, parallel to &quot;Covalente (moléculas)&quot;.</translatorcomment>
        <translation>Covalente (red)</translation>
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
        <translation>Información de la sustancia</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Fórmula:</translation>
    </message>
    <message>
        <source>Bonding:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Cell edges a, b, c:</source>
        <translation>Aristas de la celda a, b, c:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translatorcomment>Why this: the values have a decimal comma in this language, so a semicolon keeps them apart.</translatorcomment>
        <translation>%1; %2; %3</translation>
    </message>
    <message>
        <source>Cell angles α, β, γ:</source>
        <translation>Ángulos de la celda α, β, γ:</translation>
    </message>
    <message>
        <source>Space group:</source>
        <translation>Grupo espacial:</translation>
    </message>
    <message>
        <source>Atoms in the cell:</source>
        <translation>Átomos en la celda:</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Formula units per cell (Z):</source>
        <translation>Unidades fórmula por celda (Z):</translation>
    </message>
    <message>
        <source>Crystal:</source>
        <translation>Cristal:</translation>
    </message>
    <message>
        <source>no crystal structure</source>
        <translation>sin estructura cristalina</translation>
    </message>
    <message>
        <source>%1 K (%2 °C)</source>
        <translation>%1 K (%2 °C)</translation>
    </message>
    <message>
        <source>Melting point:</source>
        <translation>Punto de fusión:</translation>
    </message>
    <message>
        <source>Boiling point:</source>
        <translation>Punto de ebullición:</translation>
    </message>
    <message>
        <source>decomposes at %1</source>
        <translation>se descompone a %1</translation>
    </message>
    <message>
        <source>sublimes at %1</source>
        <translation>sublima a %1</translation>
    </message>
    <message>
        <source>does not freeze at normal pressure</source>
        <translation>no se solidifica a presión normal</translation>
    </message>
    <message>
        <source>Also called:</source>
        <translation>También llamado:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open a document file</source>
        <translation>Abrir un archivo de documento</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Cerrar el documento activo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the active document under a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Elegir una impresora y sus opciones</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir el documento activo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Mostrar páginas completas</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Abrir otra ventana para el documento activo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nueva ventana</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Organizar los iconos en la parte inferior de la ventana</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Organizar las ventanas superpuestas</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Cascada</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Organizar las ventanas en mosaico</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>Mostrar la información y la versión del programa</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Mostrar los temas de ayuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barra de estado sí/no</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Translate (Move)</source>
        <translation>Desplazar (mover)</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Balancear</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Change the print size</source>
        <translation>Cambiar el tamaño de impresión</translation>
    </message>
    <message>
        <source>Print Size</source>
        <translation>Tamaño de impresión</translation>
    </message>
    <message>
        <source>Export the turn, the swing or the motion as an animated GIF or an MP4 video</source>
        <translation>Exportar el giro, el balanceo o el movimiento como GIF animado o vídeo MP4</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>Change the color of an element</source>
        <translation>Cambiar el color de un elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Display molecule as crystalline solid</source>
        <translation>Mostrar la sustancia como sólido cristalino</translation>
    </message>
    <message>
        <source>Crystalline solid</source>
        <translation>Sólido cristalino</translation>
    </message>
    <message>
        <source>Display molecule as chemical unit</source>
        <translation>Mostrar la sustancia como unidad química</translation>
    </message>
    <message>
        <source>Chemical unit</source>
        <translatorcomment>Why this word: no school term covers both a molecule and a formula unit of a salt or metal; &quot;unidad química&quot; is plain and the help explains it.</translatorcomment>
        <translation>Unidad química</translation>
    </message>
    <message>
        <source>Display molecule in liquid state</source>
        <translation>Mostrar la sustancia en estado líquido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Display molecule in gaseous state</source>
        <translation>Mostrar la sustancia en estado gaseoso</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Display molecule as ball-and-stick model</source>
        <translation>Mostrar la molécula como modelo de bolas y varillas</translation>
    </message>
    <message>
        <source>Ball-and-stick</source>
        <translatorcomment>Why this word: &quot;bolas y varillas&quot; in Spain, &quot;esferas y varillas&quot; in parts of Latin America; both are understood, and &quot;bolas&quot; is shorter.</translatorcomment>
        <translation>Bolas y varillas</translation>
    </message>
    <message>
        <source>Display molecule as space-filling model</source>
        <translation>Mostrar la molécula como modelo compacto</translation>
    </message>
    <message>
        <source>Space-filling</source>
        <translatorcomment>Why this word: &quot;modelo compacto&quot; is the name in Spanish textbooks; Latin American ones also say &quot;modelo de espacio lleno&quot;, which is longer.</translatorcomment>
        <translation>Modelo compacto</translation>
    </message>
    <message>
        <source>Select a homoatomic substance</source>
        <translation>Elegir una sustancia simple (de un solo elemento)</translation>
    </message>
    <message>
        <source>Select a metallic compound</source>
        <translation>Elegir un compuesto de un metal: una sal, un óxido o un sulfuro</translation>
    </message>
    <message>
        <source>Select a non-metallic compound</source>
        <translation>Elegir un compuesto de no metales</translation>
    </message>
    <message>
        <source>Select an organic compound</source>
        <translation>Elegir un compuesto orgánico</translation>
    </message>
    <message>
        <source>Select a molecule from the Index</source>
        <translation>Elegir una sustancia del índice</translation>
    </message>
    <message>
        <source>To measure the position of a specific atom</source>
        <translation>Medir la posición de un átomo concreto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>To measure the distance between two atoms</source>
        <translation>Medir la distancia entre dos átomos</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>To measure the angle between two bonds</source>
        <translation>Medir el ángulo entre dos enlaces</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>To measure the torsion angle between two planes</source>
        <translation>Medir el ángulo de torsión entre dos planos</translation>
    </message>
    <message>
        <source>Torsion angle</source>
        <translation>Ángulo de torsión</translation>
    </message>
    <message>
        <source>Low quality display</source>
        <translation>Visualización de baja calidad</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>Baja calidad</translation>
    </message>
    <message>
        <source>High quality display</source>
        <translation>Visualización de alta calidad</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta calidad</translation>
    </message>
    <message>
        <source>Show or hide the XYZ axes</source>
        <translation>Mostrar u ocultar los ejes XYZ</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Set multiples of unit cell along x, y and z axes</source>
        <translation>Fijar los múltiplos de la celda unidad a lo largo de los ejes x, y y z</translation>
    </message>
    <message>
        <source>Multiples of unit cell</source>
        <translation>Múltiplos de la celda unidad</translation>
    </message>
    <message>
        <source>Reset to initial view state</source>
        <translation>Volver a la vista inicial</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Show or hide the unit cell frame</source>
        <translation>Mostrar u ocultar el contorno de la celda unidad</translation>
    </message>
    <message>
        <source>Unit cell frame</source>
        <translation>Contorno de la celda</translation>
    </message>
    <message>
        <source>Show or hide coordination</source>
        <translation>Mostrar u ocultar la coordinación</translation>
    </message>
    <message>
        <source>Coordination</source>
        <translation>Coordinación</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Show the picture alone on the whole screen; Escape or F11 leaves</source>
        <translation>Mostrar solo la imagen en toda la pantalla; Esc o F11 para salir</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Show the picture as a fixed square of 340 by 340 pixels</source>
        <translation>Mostrar la imagen como un cuadrado fijo de 340 por 340 píxeles</translation>
    </message>
    <message>
        <source>Fixed Picture Size</source>
        <translation>Tamaño de imagen fijo</translation>
    </message>
    <message>
        <source>Let the picture fill its window, which can then grow and be maximized</source>
        <translation>La imagen llena su ventana, que entonces puede crecer y maximizarse</translation>
    </message>
    <message>
        <source>Fit Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Show the name, formula and crystal cell of the substance</source>
        <translation>Mostrar el nombre, la fórmula y la celda cristalina de la sustancia</translation>
    </message>
    <message>
        <source>Substance information</source>
        <translation>Información de la sustancia</translation>
    </message>
    <message>
        <source>Show the crystal&apos;s molecules and ions whole across the cell faces</source>
        <translation>Mostrar enteros las moléculas y los iones del cristal a través de las caras de la celda</translation>
    </message>
    <message>
        <source>Whole molecules</source>
        <translation>Moléculas enteras</translation>
    </message>
    <message>
        <source>Print a lesson handout: the picture with the substance&apos;s name, description and facts</source>
        <translation>Imprimir una hoja de trabajo para la clase: la imagen con el nombre, la descripción y los datos de la sustancia</translation>
    </message>
    <message>
        <source>Print Handout</source>
        <translatorcomment>Why this word: &quot;Hoja de trabajo&quot; is the printed sheet handed out in class in Spain and Latin America alike; &quot;ficha&quot; is mainly Spanish and &quot;hoja de clase&quot; is no school term.</translatorcomment>
        <translation>Imprimir hoja de trabajo</translation>
    </message>
    <message>
        <source>Export the picture as a PNG file at the view&apos;s size or another</source>
        <translation>Exportar la imagen como archivo PNG, al tamaño de la vista o a otro</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Show or hide each atom&apos;s element and charge, and the names of the cell&apos;s edges</source>
        <translation>Mostrar u ocultar el elemento y la carga de cada átomo, y los nombres de las aristas de la celda</translation>
    </message>
    <message>
        <source>Atom labels</source>
        <translation>Etiquetas de átomos</translation>
    </message>
    <message>
        <source>Heat and cool the substance: watch it melt and boil at its real temperatures</source>
        <translation>Calentar y enfriar la sustancia: verla fundirse y hervir a sus temperaturas reales</translation>
    </message>
    <message>
        <source>Heating and Cooling</source>
        <translation>Calentamiento y enfriamiento</translation>
    </message>
    <message>
        <source>Heat and cool 64 particles</source>
        <translation>Calentar y enfriar 64 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 216 particles</source>
        <translation>Calentar y enfriar 216 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 512 particles</source>
        <translation>Calentar y enfriar 512 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 1000 particles</source>
        <translation>Calentar y enfriar 1000 partículas</translation>
    </message>
    <message>
        <source>Add heat at a constant power</source>
        <translation>Añadir calor a potencia constante</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calentar</translation>
    </message>
    <message>
        <source>Take heat away at a constant power</source>
        <translation>Quitar calor a potencia constante</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Enfriar</translation>
    </message>
    <message>
        <source>Hold the present temperature</source>
        <translation>Mantener la temperatura actual</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Show the coordination polyhedra: around each cation, the shape its neighbours make</source>
        <translation>Mostrar los poliedros de coordinación: alrededor de cada catión, la figura que forman sus vecinos</translation>
    </message>
    <message>
        <source>Polyhedra</source>
        <translation>Poliedros</translation>
    </message>
    <message>
        <source>Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)</source>
        <translation>Dibujar un plano del cristal por sus índices de Miller h, k, l, con su distancia interplanar d(hkl)</translation>
    </message>
    <message>
        <source>Lattice plane</source>
        <translation>Plano reticular</translation>
    </message>
    <message>
        <source>Smooth the edges of atoms, bonds and faces in large, exported and printed pictures</source>
        <translation>Suavizar los bordes de los átomos, los enlaces y las caras en las imágenes grandes, exportadas e impresas</translation>
    </message>
    <message>
        <source>Smooth edges</source>
        <translation>Suavizado de bordes</translation>
    </message>
</context>
<context>
    <name>CompoundSelection</name>
    <message>
        <source>Cannot find the compound &quot;%1&quot;.</source>
        <translation>No se encuentra el compuesto «%1».</translation>
    </message>
</context>
<context>
    <name>ContextHelpFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Seleccione un objeto sobre el que obtener ayuda</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>The file could not be opened.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The file ends before its molecule record does: it is damaged or not a molecule document.</source>
        <translation>El archivo termina antes que su registro de molécula: está dañado o no es un documento de molécula.</translation>
    </message>
    <message>
        <source>The file&apos;s molecule record is damaged.</source>
        <translation>El registro de molécula del archivo está dañado.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>The file is neither a Kiva document nor a readable %1</source>
        <translation>El archivo no es un documento de Kiva ni un archivo %1 legible</translation>
    </message>
    <message>
        <source>The file is not a readable %1</source>
        <translation>El archivo no es un archivo %1 legible</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;.
%3</source>
        <translation>%1 «%2».
%3</translation>
    </message>
    <message>
        <source>Cannot open</source>
        <translation>No se puede abrir</translation>
    </message>
    <message>
        <source>The file is not a molecule document.</source>
        <translation>El archivo no es un documento de molécula.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>The file is not a Kiva document, and Kiva does not write over files of other kinds. Choose another name.</source>
        <translation>El archivo no es un documento de Kiva, y Kiva no sobrescribe archivos de otros tipos. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Untitled-</source>
        <translation>Sin título-</translation>
    </message>
    <message>
        <source>Molecule Files (*.mol)</source>
        <translation>Archivos de molécula (*.mol)</translation>
    </message>
    <message>
        <source>All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Molecule Files (*.mol);;Crystallographic Information Files (*.cif);;MDL Molfiles and SD Files (*.mol *.sdf *.sd);;XYZ Files (*.xyz);;Protein Data Bank Files (*.pdb *.ent);;All Files (*)</source>
        <translation>Todos los archivos de estructura (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Archivos de molécula (*.mol);;Archivos CIF (*.cif);;Archivos MDL Molfile y SD (*.mol *.sdf *.sd);;Archivos XYZ (*.xyz);;Archivos Protein Data Bank (*.pdb *.ent);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ElementColorDialog</name>
    <message>
        <source>Color of Element</source>
        <translation>Color del elemento</translation>
    </message>
    <message>
        <source>Color of element:</source>
        <translation>Color del elemento:</translation>
    </message>
    <message>
        <source>&amp;Red=</source>
        <translation>&amp;Rojo=</translation>
    </message>
    <message>
        <source>&amp;Green=</source>
        <translation>&amp;Verde=</translation>
    </message>
    <message>
        <source>&amp;Blue=</source>
        <translation>&amp;Azul=</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Muestra:</translation>
    </message>
    <message>
        <source>&amp;Choose Color...</source>
        <translation>&amp;Elegir color...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>E&amp;lementos:</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Introduzca un número entero entre 0 y 255.</translation>
    </message>
</context>
<context>
    <name>ExportAnimation</name>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animación</translation>
    </message>
    <message>
        <source>The liquid&apos;s motion</source>
        <translation>El movimiento del líquido</translation>
    </message>
    <message>
        <source>The gas&apos;s motion</source>
        <translation>El movimiento del gas</translation>
    </message>
    <message>
        <source>A full turn</source>
        <translation>Un giro completo</translation>
    </message>
    <message>
        <source>One rock swing</source>
        <translation>Un balanceo</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>&amp;Animación:</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Fotogramas:</translation>
    </message>
    <message>
        <source>Frames a &amp;second:</source>
        <translation>Fotogramas por &amp;segundo:</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>A&amp;ncho (píxeles):</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>A&amp;lto (píxeles):</translation>
    </message>
    <message>
        <source>An animation has 1 to %1 frames.</source>
        <translation>Una animación tiene de 1 a %1 fotogramas.</translation>
    </message>
    <message>
        <source>An animation plays 1 to %1 frames a second.</source>
        <translation>Una animación reproduce de 1 a %1 fotogramas por segundo.</translation>
    </message>
    <message>
        <source>An animation&apos;s sides are %1 to %2 pixels.</source>
        <translation>Los lados de una animación miden de %1 a %2 píxeles.</translation>
    </message>
    <message>
        <source>An MP4 video needs an even width and height, not %1.</source>
        <translation>Un vídeo MP4 necesita un ancho y un alto pares, no %1.</translation>
    </message>
    <message>
        <source>Give the file the ending .gif or .mp4:
%1</source>
        <translation>Dé al archivo la extensión .gif o .mp4:
%1</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;:
%2.</source>
        <translation>No se puede crear el archivo «%1»:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;:
%2.</source>
        <translation>No se puede escribir el archivo «%1»:
%2.</translation>
    </message>
    <message>
        <source>This system&apos;s FFmpeg has no H.264 encoder for MP4 videos.</source>
        <translation>El FFmpeg de este sistema no tiene codificador H.264 para vídeos MP4.</translation>
    </message>
    <message>
        <source>Cannot encode the file &quot;%1&quot;:
%2.</source>
        <translation>No se puede codificar el archivo «%1»:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif);;MP4 Video (*.mp4)</source>
        <translation>GIF animado (*.gif);;Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Exporting the animation...</source>
        <translation>Exportando la animación...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A PDB file holds at most %1 atoms, not %2.</source>
        <translation>Un archivo PDB admite como máximo %1 átomos, no %2.</translation>
    </message>
    <message>
        <source>MP4 videos need FFmpeg&apos;s libraries (%1), which are not installed.</source>
        <translation>Los vídeos MP4 necesitan las bibliotecas de FFmpeg (%1), que no están instaladas.</translation>
    </message>
    <message>
        <source>The view&apos;s %1 × %2 pixels are rounded to even sides, which an MP4 video needs.</source>
        <translation>Los %1 × %2 píxeles de la vista se redondean a lados pares, como necesita un vídeo MP4.</translation>
    </message>
    <message>
        <source>Picture f&amp;rame, as in the window</source>
        <translation>&amp;Marco de la imagen, como en la ventana</translation>
    </message>
    <message>
        <source>The heating run, from now on</source>
        <translation>El calentamiento, desde ahora</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>The &amp;view&apos;s size, %1 × %2 pixels</source>
        <translation>Tamaño de la &amp;vista, %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>&amp;Another size:</source>
        <translation>&amp;Otro tamaño:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> píxeles</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>&amp;Black, as on screen</source>
        <translation>&amp;Negro, como en pantalla</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>A picture&apos;s sides are %1 to %2 pixels.</source>
        <translation>Los lados de una imagen miden de %1 a %2 píxeles.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Wh&amp;ite, as in print</source>
        <translation>Blan&amp;co, como en la impresión</translation>
    </message>
    <message>
        <source>Picture &amp;frame, as in the window</source>
        <translation>&amp;Marco de la imagen, como en la ventana</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Measurement</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Distance %1: %2 Å</source>
        <translation>Distancia %1: %2 Å</translation>
    </message>
    <message>
        <source>Angle %1: %2°</source>
        <translation>Ángulo %1: %2°</translation>
    </message>
    <message>
        <source>Torsion angle %1: %2°</source>
        <translation>Ángulo de torsión %1: %2°</translation>
    </message>
</context>
<context>
    <name>HeatingCurve</name>
    <message>
        <source>Heat added (kJ/mol)</source>
        <translation>Calor añadido (kJ/mol)</translation>
    </message>
    <message>
        <source>decomposes</source>
        <translation>se descompone</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusión</translation>
    </message>
    <message>
        <source>sublimes</source>
        <translation>sublima</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ebullición</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;Más en la ayuda&lt;/a&gt;&lt;/p&gt;</translation>
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
        <translation>Plano reticular %1: d = %2 Å</translation>
    </message>
    <message>
        <source>Lattice Plane</source>
        <translation>Plano reticular</translation>
    </message>
    <message>
        <source>The plane h x + k y + l z = offset: 1 cuts the cell&apos;s edges at a/h, b/k and c/l; each step of 1 moves it one spacing on</source>
        <translation>El plano h x + k y + l z = desplazamiento: con 1 corta las aristas de la celda en a/h, b/k y c/l; cada paso de 1 lo lleva una distancia interplanar más allá</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Desplazamiento:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translatorcomment>Why this word: Spanish textbooks call d(hkl) the &quot;distancia interplanar&quot;; &quot;espaciado&quot; is a calque found mostly in translated papers.</translatorcomment>
        <translation>Distancia interplanar:</translation>
    </message>
    <message>
        <source>&amp;Show the plane</source>
        <translation>&amp;Mostrar el plano</translation>
    </message>
    <message>
        <source>&amp;Face the Plane</source>
        <translation>&amp;Ver el plano de frente</translation>
    </message>
    <message>
        <source>Turn the crystal so that you look straight at the plane</source>
        <translation>Girar el cristal para ver el plano justo de frente</translation>
    </message>
    <message>
        <source>d = %1 Å</source>
        <translation>d = %1 Å</translation>
    </message>
    <message>
        <source>h, k and l cannot all be 0</source>
        <translation>h, k y l no pueden ser 0 a la vez</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Temas de ayuda	F1</translation>
    </message>
    <message>
        <source>&amp;About &apos;Zelkora&apos;...</source>
        <translation>&amp;Acerca de &apos;Zelkora&apos;...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>&amp;Salir	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Cerrar	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Prin&amp;t Size...</source>
        <translation>&amp;Tamaño de impresión...</translation>
    </message>
    <message>
        <source>&amp;Export Animation...</source>
        <translation>E&amp;xportar animación...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy Picture	Ctrl+C</source>
        <translation>&amp;Copiar imagen	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>Display &amp;Structure</source>
        <translation>Mostrar &amp;estructura</translation>
    </message>
    <message>
        <source>&amp;Chemical Unit</source>
        <translation>&amp;Unidad química</translation>
    </message>
    <message>
        <source>Crystalline &amp;Solid State</source>
        <translation>Estado &amp;sólido cristalino</translation>
    </message>
    <message>
        <source>&amp;Liquid State</source>
        <translation>Estado &amp;líquido</translation>
    </message>
    <message>
        <source>&amp;Gas State</source>
        <translation>Estado &amp;gaseoso</translation>
    </message>
    <message>
        <source>Display &amp;Model</source>
        <translation>Mostrar &amp;modelo</translation>
    </message>
    <message>
        <source>&amp;Ball-and-Stick</source>
        <translation>&amp;Bolas y varillas</translation>
    </message>
    <message>
        <source>&amp;Space-Filling</source>
        <translation>&amp;Modelo compacto</translation>
    </message>
    <message>
        <source>Display &amp;Quality</source>
        <translation>Cali&amp;dad de visualización</translation>
    </message>
    <message>
        <source>&amp;Low Quality</source>
        <translation>&amp;Baja calidad</translation>
    </message>
    <message>
        <source>&amp;High Quality</source>
        <translation>&amp;Alta calidad</translation>
    </message>
    <message>
        <source>Picture Si&amp;ze</source>
        <translation>&amp;Tamaño de la imagen</translation>
    </message>
    <message>
        <source>&amp;Fixed (340 × 340)</source>
        <translation>&amp;Fijo (340 × 340)</translation>
    </message>
    <message>
        <source>Fit &amp;Window</source>
        <translation>&amp;Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>&amp;Pantalla completa	F11</translation>
    </message>
    <message>
        <source>Multiples of &amp;Unit Cell...</source>
        <translatorcomment>Why this word: &quot;celda unidad&quot; is used on both sides of the Atlantic; &quot;celdilla unidad&quot; (Spain) and &quot;celda unitaria&quot; (Latin America) are regional.</translatorcomment>
        <translation>Múltiplos de la celda &amp;unidad...</translation>
    </message>
    <message>
        <source>&amp;XYZ Axes</source>
        <translation>Ejes &amp;XYZ</translation>
    </message>
    <message>
        <source>&amp;Whole Molecules</source>
        <translation>Mo&amp;léculas enteras</translation>
    </message>
    <message>
        <source>Substance &amp;Information...</source>
        <translation>&amp;Información de la sustancia...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;Molecule</source>
        <translation>&amp;Molécula</translation>
    </message>
    <message>
        <source>&amp;Homoatomic...</source>
        <translatorcomment>Why this word: Spanish curricula divide pure substances into &quot;sustancias simples&quot; (one element: metals, O2, diamond) and compounds; &quot;homoatómica&quot; is rare in school books. S is free in the Molecule menu.</translatorcomment>
        <translation>Sustancias &amp;simples...</translation>
    </message>
    <message>
        <source>&amp;Metallic...</source>
        <translatorcomment>Why this word: the dialog lists salts, oxides and sulfides of a metal. &quot;Compuestos metálicos&quot; reads as substances with metallic bonding, which these are not.</translatorcomment>
        <translation>Compuestos de &amp;metales...</translation>
    </message>
    <message>
        <source>&amp;Non-Metallic...</source>
        <translatorcomment>Why this word: parallel to &quot;Compuestos de metales&quot;: compounds made of non-metals only.</translatorcomment>
        <translation>Compuestos de &amp;no metales...</translation>
    </message>
    <message>
        <source>&amp;Organic...</source>
        <translatorcomment>Why this word: plural noun phrase like the other items of the Molecule menu.</translatorcomment>
        <translation>Compuestos &amp;orgánicos...</translation>
    </message>
    <message>
        <source>&amp;Index...</source>
        <translation>Índ&amp;ice...</translation>
    </message>
    <message>
        <source>M&amp;easure</source>
        <translation>Me&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Position</source>
        <translation>&amp;Posición</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distancia</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>Á&amp;ngulo</translation>
    </message>
    <message>
        <source>&amp;Torsion Angle</source>
        <translation>Ángulo de &amp;torsión</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>Print &amp;Handout...</source>
        <translatorcomment>Why this word: &quot;hoja de trabajo&quot; is understood in every Spanish-speaking school; &quot;hoja de clase&quot; is no school term.</translatorcomment>
        <translation>Imprimir &amp;hoja de trabajo...</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>&amp;Exportar imagen...</translation>
    </message>
    <message>
        <source>Atom &amp;Labels</source>
        <translation>Eti&amp;quetas de átomos</translation>
    </message>
    <message>
        <source>&amp;Heating and Cooling</source>
        <translation>&amp;Calentamiento y enfriamiento</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <translation>P&amp;artículas</translation>
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
        <translation>P&amp;oliedros</translation>
    </message>
    <message>
        <source>La&amp;ttice Plane...</source>
        <translatorcomment>Why this word: &quot;plano reticular&quot; is the crystallography textbooks&apos; name for a plane of the lattice given by Miller indices. The accelerator is on the n: P, l, a and r are taken in the View menu.</translatorcomment>
        <translation>Pla&amp;no reticular...</translation>
    </message>
    <message>
        <source>Smooth &amp;Edges</source>
        <translation>&amp;Suavizado de bordes</translation>
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
        <translation>Alqueno</translation>
    </message>
    <message>
        <source>Acetylenic hydrocarbon</source>
        <translation>Alquino</translation>
    </message>
    <message>
        <source>Aromatic hydrocarbon</source>
        <translatorcomment>Why this word: &quot;Aromático&quot; alone is only an adjective; textbooks say &quot;hidrocarburos aromáticos&quot;. Fits the first column as &quot;Acetylenic hydrocarbon&quot; does.</translatorcomment>
        <translation>Hidrocarburo aromático</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Alcohol</translation>
    </message>
    <message>
        <source>Ether</source>
        <translation>Éter</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Fenol</translation>
    </message>
    <message>
        <source>Aldehyde</source>
        <translation>Aldehído</translation>
    </message>
    <message>
        <source>Oil &amp; Fat/Ester</source>
        <translatorcomment>Why this word: school books count oils among the fats (lípidos), so &quot;Grasa/éster&quot; covers both and stays short enough for the narrow third column of buttons.</translatorcomment>
        <translation>Grasa/éster</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Azúcar</translation>
    </message>
    <message>
        <source>Hydrocarbon halide</source>
        <translatorcomment>Why this word: the school name of the family (CH3Cl, CHCl3...). &quot;Halogenuro&quot; alone also names inorganic salts such as NaCl.</translatorcomment>
        <translation>Derivado halogenado</translation>
    </message>
    <message>
        <source>Carboxylic acid</source>
        <translation>Ácido carboxílico</translation>
    </message>
    <message>
        <source>Nitro &amp; Amine</source>
        <translatorcomment>Why this word: Spanish writes &quot;y&quot;, not &quot;&amp;&quot;, in running text; &quot;nitro&quot; as in &quot;grupo nitro&quot;. Short, because the third column of buttons is narrow.</translatorcomment>
        <translation>Nitro y amina</translation>
    </message>
    <message>
        <source>Amino acid</source>
        <translation>Aminoácido</translation>
    </message>
    <message>
        <source>Ketone</source>
        <translation>Cetona</translation>
    </message>
</context>
<context>
    <name>PictureDescription</name>
    <message>
        <source>chemical unit</source>
        <translation>unidad química</translation>
    </message>
    <message>
        <source>crystal</source>
        <translation>cristal</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>heating and cooling</source>
        <translation>calentamiento y enfriamiento</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 celdas</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>%1 átomos</translation>
    </message>
    <message>
        <source>1 atom</source>
        <translation>1 átomo</translation>
    </message>
    <message>
        <source>ball-and-stick</source>
        <translation>bolas y varillas</translation>
    </message>
    <message>
        <source>space-filling</source>
        <translation>modelo compacto</translation>
    </message>
    <message>
        <source>coordination polyhedra</source>
        <translation>poliedros de coordinación</translation>
    </message>
    <message>
        <source>lattice plane %1, d = %2 Å</source>
        <translation>plano reticular %1, d = %2 Å</translation>
    </message>
    <message>
        <source>no substance</source>
        <translation>ninguna sustancia</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>PrintSizeDialog</name>
    <message>
        <source>Print Size</source>
        <translation>Tamaño de impresión</translation>
    </message>
    <message>
        <source>&amp;Select the print size:</source>
        <translation>&amp;Seleccione el tamaño de impresión:</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo «%1».</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>No se puede imprimir en la impresora «%1».</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Choose a printer or a PDF file with File &gt; Print Setup.</source>
        <translation>No hay ninguna impresora en la que imprimir.
Elija una impresora o un archivo PDF con Archivo &gt; Configurar impresión.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Torsion Angle</source>
        <translation>Ángulo de torsión</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>Axis Z</source>
        <translation>Eje Z</translation>
    </message>
</context>
<context>
    <name>SelectionDialog</name>
    <message>
        <source>Selected &amp;Compound:</source>
        <translation>&amp;Compuesto:</translation>
    </message>
    <message>
        <source>&amp;Select from:</source>
        <translation>&amp;Seleccionar de:</translation>
    </message>
    <message>
        <source>Metallic Compounds</source>
        <translatorcomment>Why this word: salts, oxides and sulfides of a metal, chosen by their ions. &quot;Compuestos metálicos&quot; would suggest metallic bonding.</translatorcomment>
        <translation>Compuestos de metales</translation>
    </message>
    <message>
        <source>&amp;Positive Ions:</source>
        <translation>Iones &amp;positivos:</translation>
    </message>
    <message>
        <source>&amp;Negative Ions:</source>
        <translation>Iones &amp;negativos:</translation>
    </message>
    <message>
        <source>Non-Metallic Compounds</source>
        <translation>Compuestos de no metales</translation>
    </message>
    <message>
        <source>&amp;Positive Covalence:</source>
        <translatorcomment>Why this word: in school chemistry &quot;covalencia&quot; is the number of covalent bonds an atom forms and has no sign. The list holds the part written first in the formula (H, C, N, Si, P, S, NH4), which formula-writing lessons call &quot;la parte positiva&quot;.</translatorcomment>
        <translation>Parte &amp;positiva:</translation>
    </message>
    <message>
        <source>&amp;Negative Covalence:</source>
        <translatorcomment>Why this word: the part written last in the formula (O, Cl, S...), &quot;la parte negativa&quot; of formula-writing lessons; &quot;covalencia negativa&quot; is no school term.</translatorcomment>
        <translation>Parte &amp;negativa:</translation>
    </message>
    <message>
        <source>Homoatomic Substance</source>
        <translatorcomment>Why this word: Spanish curricula call a substance of one element only a &quot;sustancia simple&quot;; &quot;homoatómica&quot; is rare in school books.</translatorcomment>
        <translation>Sustancia simple</translation>
    </message>
    <message>
        <source>&amp;Selected Substance:</source>
        <translation>&amp;Sustancia:</translation>
    </message>
    <message>
        <source>Select &amp;from:</source>
        <translation>Seleccionar &amp;de:</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>E&amp;lementos:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Organic Compounds</source>
        <translation>Compuestos orgánicos</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>C&amp;ategoría:</translation>
    </message>
</context>
<context>
    <name>SelectionKeys</name>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>SelectionModel</name>
    <message>
        <source>Cannot find the metallic compound &quot;%s&quot;.</source>
        <translation>No se encuentra el compuesto de metal «%s».</translation>
    </message>
    <message>
        <source>Cannot find the non-metallic compound &quot;%s&quot;.</source>
        <translation>No se encuentra el compuesto de no metales «%s».</translation>
    </message>
    <message>
        <source>Cannot find the substance &quot;%s&quot;.</source>
        <translation>No se encuentra la sustancia «%s».</translation>
    </message>
    <message>
        <source>Cannot find the compound &quot;%s&quot;.</source>
        <translation>No se encuentra el compuesto «%s».</translation>
    </message>
    <message>
        <source>Cannot find the organic compound &quot;%s&quot;.</source>
        <translation>No se encuentra el compuesto orgánico «%s».</translation>
    </message>
</context>
<context>
    <name>UnitCellMultiplesDialog</name>
    <message>
        <source>Multiples of Unit Cell</source>
        <translation>Múltiplos de la celda unidad</translation>
    </message>
    <message>
        <source>Along axis %1:</source>
        <translation>A lo largo del eje %1:</translation>
    </message>
    <message>
        <source>cell(s)</source>
        <translation>celda(s)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and %1.</source>
        <translation>Introduzca un número entero entre 1 y %1.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Introduzca un número entero positivo.</translation>
    </message>
</context>
<context>
    <name>kiva::CHelpWindow</name>
    <message>
        <source>The help cannot be found.
Its pages belong in a folder &quot;help&quot; beside the program or in share/kiva/help; reinstall the program to bring them back.</source>
        <translation>No se encuentra la ayuda.
Sus páginas deben estar en una carpeta «help» junto al programa o en share/kiva/help; reinstale el programa para recuperarlas.</translation>
    </message>
    <message>
        <source>Zelkora Help</source>
        <translation>Ayuda de Zelkora</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>%1 - Zelkora Help</source>
        <translation>%1 - Ayuda de Zelkora</translation>
    </message>
</context>
</TS>
