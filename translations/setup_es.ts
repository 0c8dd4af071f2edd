<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SetupMessages</name>
    <message>
        <source>Zelkora 1.0 Setup</source>
        <translation>Instalación de Zelkora 1.0</translation>
    </message>
    <message>
        <source>Destination directory cannot be created.</source>
        <translation>No se puede crear el directorio de destino.</translation>
    </message>
    <message>
        <source>Cannot read file from the source disk.</source>
        <translation>No se puede leer un archivo del disco de origen.</translation>
    </message>
    <message>
        <source>Setup is incomplete.</source>
        <translation>La instalación está incompleta.</translation>
    </message>
    <message>
        <source>Please enter correct source directory.</source>
        <translation>Introduzca un directorio de origen correcto.</translation>
    </message>
    <message>
        <source>Cannot write file to the destination directory.</source>
        <translation>No se puede escribir un archivo en el directorio de destino.</translation>
    </message>
    <message>
        <source>The program is installed, but these menu entries could not be created so that they start it:</source>
        <translation>El programa está instalado, pero no se pudieron crear estas entradas de menú que lo inician:</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Welcome to Zelkora 1.0, the Kiva molecule viewer.

With Kiva, students pick an element or a compound from a catalogue of hundreds of substances and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a moving liquid or as a gas. They can turn it, measure it, recolour it and print it.

Setup copies Kiva from its disks into a directory of your choice and adds it to your application menu under Molecule.</source>
        <translation>Bienvenido a Zelkora 1.0, el visor de moléculas Kiva.

Con Kiva, los alumnos eligen un elemento o un compuesto de un catálogo de cientos de sustancias y lo ven en tres dimensiones: como una molécula, como un cristal formado a partir de su celda unidad, como un líquido en movimiento o como un gas. Pueden girarlo, medirlo, cambiarle los colores e imprimirlo.

El programa de instalación copia Kiva desde sus discos en el directorio que usted elija y lo añade a su menú de aplicaciones en «Molecule».</translation>
    </message>
    <message>
        <source>KIVA USER LICENSE AGREEMENT

Kiva is free software. It is licensed to you under the GNU General Public License, version 2 or (at your option) any later version, whose full text follows this summary.

In plain words:

1. You may run Kiva for any purpose, on as many computers as you like: in the classroom, at home or anywhere else.

2. You may copy Kiva and give it to others, and you may change it. When you pass on Kiva or a changed version, you must pass it on under this same licence and offer its source code, so that everyone who receives it has the same freedoms.

3. Kiva comes with NO WARRANTY, to the extent permitted by law.

This summary is a help for reading, not the licence: only the licence&apos;s own text below has legal force.

________________________________________

</source>
        <translation>CONTRATO DE LICENCIA DE USO DE KIVA

Kiva es software libre. Se le concede bajo la Licencia Pública General de GNU, versión 2 o (a su elección) cualquier versión posterior, cuyo texto completo (en inglés) sigue a este resumen.

En pocas palabras:

1. Puede ejecutar Kiva con cualquier fin, en tantos ordenadores como quiera: en el aula, en casa o en cualquier otro lugar.

2. Puede copiar Kiva, dárselo a otros y modificarlo. Si distribuye Kiva o una versión modificada, debe hacerlo bajo esta misma licencia y ofrecer su código fuente, para que todos los que lo reciban tengan las mismas libertades.

3. Kiva se ofrece SIN NINGUNA GARANTÍA, en la medida en que lo permita la ley.

Este resumen es una ayuda para la lectura, no la licencia: solo el texto de la propia licencia, a continuación, tiene valor legal.

________________________________________

</translation>
    </message>
    <message>
        <source>Please read the following agreement. Scroll to see the rest of the agreement.</source>
        <translation>Lea el siguiente contrato. Desplácese para ver el resto del contrato.</translation>
    </message>
    <message>
        <source>Do you accept all of the terms of the preceding User License Agreement? If you choose No, you must not use the Software. If you want to use the Software, you must accept this agreement.</source>
        <translation>¿Acepta todas las condiciones del contrato de licencia anterior? Si elige No, no debe usar el software. Para usar el software, debe aceptar este contrato.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>To proceed with setup, click Continue.</source>
        <translation>Para seguir con la instalación, haga clic en Continuar.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Setup will install Zelkora 1.0 in the following directory.</source>
        <translation>Zelkora 1.0 se instalará en el siguiente directorio.</translation>
    </message>
    <message>
        <source>To install to this directory, click Continue.</source>
        <translation>Para instalar en este directorio, haga clic en Continuar.</translation>
    </message>
    <message>
        <source>To install to a different directory, enter new directory in Destination Directory box.</source>
        <translation>Para instalar en otro directorio, escríbalo en el cuadro Directorio de destino.</translation>
    </message>
    <message>
        <source>You can choose not to install Zelkora 1.0 by clicking Exit Setup.</source>
        <translation>Puede no instalar Zelkora 1.0 haciendo clic en Salir.</translation>
    </message>
    <message>
        <source> Destination Directory </source>
        <translation> Directorio de destino </translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>A copy of the software already exists in the destination directory.</source>
        <translation>Ya existe una copia del software en el directorio de destino.</translation>
    </message>
    <message>
        <source>To install this software again, click Continue.</source>
        <translation>Para instalar de nuevo este software, haga clic en Continuar.</translation>
    </message>
    <message>
        <source>To install to a different directory, click Back.</source>
        <translation>Para instalar en otro directorio, haga clic en Atrás.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Not enough disk space on target drive while attempting to copy files.</source>
        <translation>No hay suficiente espacio en la unidad de destino para copiar los archivos.</translation>
    </message>
    <message>
        <source>To proceed with setup, first free disk space on the target drive and then click Continue.</source>
        <translation>Para seguir con la instalación, libere primero espacio en la unidad de destino y luego haga clic en Continuar.</translation>
    </message>
    <message>
        <source>Please insert next disk.</source>
        <translation>Inserte el siguiente disco.</translation>
    </message>
    <message>
        <source>Setup is now in progress...</source>
        <translation>Instalación en curso...</translation>
    </message>
    <message>
        <source>Installing:</source>
        <translation>Instalando:</translation>
    </message>
    <message>
        <source>Abort Setup</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Setup is not complete. If you quit Setup program now,</source>
        <translation>La instalación no ha terminado. Si sale ahora del programa de instalación,</translation>
    </message>
    <message>
        <source>the program will not be installed.</source>
        <translation>el programa no se instalará.</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Setup was completely successful !</source>
        <translation>¡La instalación ha finalizado correctamente!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
