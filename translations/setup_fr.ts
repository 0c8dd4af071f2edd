<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SetupMessages</name>
    <message>
        <source>Zelkora 1.0 Setup</source>
        <translation>Installation de Zelkora 1.0</translation>
    </message>
    <message>
        <source>Destination directory cannot be created.</source>
        <translation>Le répertoire de destination ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Cannot read file from the source disk.</source>
        <translation>Impossible de lire un fichier du disque source.</translation>
    </message>
    <message>
        <source>Setup is incomplete.</source>
        <translation>L&apos;installation est incomplète.</translation>
    </message>
    <message>
        <source>Please enter correct source directory.</source>
        <translation>Veuillez indiquer un répertoire source correct.</translation>
    </message>
    <message>
        <source>Cannot write file to the destination directory.</source>
        <translation>Impossible d&apos;écrire un fichier dans le répertoire de destination.</translation>
    </message>
    <message>
        <source>The program is installed, but these menu entries could not be created so that they start it:</source>
        <translation>Le programme est installé, mais ces entrées de menu qui doivent le lancer n&apos;ont pas pu être créées :</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Welcome to Zelkora 1.0, the Kiva molecule viewer.

With Kiva, students pick an element or a compound from a catalogue of hundreds of substances and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a moving liquid or as a gas. They can turn it, measure it, recolour it and print it.

Setup copies Kiva from its disks into a directory of your choice and adds it to your application menu under Molecule.</source>
        <translation>Bienvenue dans Zelkora 1.0, le visualiseur de molécules Kiva.

Avec Kiva, les élèves choisissent un élément ou un composé dans un catalogue de centaines de substances et le voient en trois dimensions : comme une molécule, comme un cristal construit à partir de sa maille élémentaire, comme un liquide en mouvement ou comme un gaz. Ils peuvent le tourner, le mesurer, le recolorer et l&apos;imprimer.

L&apos;installation copie Kiva depuis ses disques dans le répertoire de votre choix et l&apos;ajoute à votre menu des applications sous « Molecule ».</translation>
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
        <translation>CONTRAT DE LICENCE D&apos;UTILISATION DE KIVA

Kiva est un logiciel libre. Il vous est concédé sous la licence publique générale GNU, version 2 ou (à votre choix) toute version ultérieure, dont le texte intégral (en anglais) suit ce résumé.

En termes simples :

1. Vous pouvez utiliser Kiva à toute fin, sur autant d&apos;ordinateurs que vous le souhaitez : en classe, à la maison ou ailleurs.

2. Vous pouvez copier Kiva, le donner à d&apos;autres et le modifier. Si vous transmettez Kiva ou une version modifiée, vous devez le faire sous cette même licence et en proposer le code source, afin que chacun de ceux qui le reçoivent ait les mêmes libertés.

3. Kiva est fourni SANS AUCUNE GARANTIE, dans la mesure permise par la loi.

Ce résumé est une aide à la lecture, pas la licence : seul le texte de la licence ci-dessous a valeur juridique.

________________________________________

</translation>
    </message>
    <message>
        <source>Please read the following agreement. Scroll to see the rest of the agreement.</source>
        <translation>Veuillez lire le contrat suivant. Faites défiler le texte pour en voir la suite.</translation>
    </message>
    <message>
        <source>Do you accept all of the terms of the preceding User License Agreement? If you choose No, you must not use the Software. If you want to use the Software, you must accept this agreement.</source>
        <translation>Acceptez-vous toutes les conditions du contrat de licence ci-dessus ? Si vous choisissez Non, vous ne devez pas utiliser le logiciel. Pour utiliser le logiciel, vous devez accepter ce contrat.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>To proceed with setup, click Continue.</source>
        <translation>Pour poursuivre l&apos;installation, cliquez sur Continuer.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Setup will install Zelkora 1.0 in the following directory.</source>
        <translation>L&apos;installation placera Zelkora 1.0 dans le répertoire suivant.</translation>
    </message>
    <message>
        <source>To install to this directory, click Continue.</source>
        <translation>Pour installer dans ce répertoire, cliquez sur Continuer.</translation>
    </message>
    <message>
        <source>To install to a different directory, enter new directory in Destination Directory box.</source>
        <translation>Pour installer dans un autre répertoire, saisissez-le dans la zone Répertoire de destination.</translation>
    </message>
    <message>
        <source>You can choose not to install Zelkora 1.0 by clicking Exit Setup.</source>
        <translation>Vous pouvez renoncer à installer Zelkora 1.0 en cliquant sur Quitter.</translation>
    </message>
    <message>
        <source> Destination Directory </source>
        <translation> Répertoire de destination </translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>A copy of the software already exists in the destination directory.</source>
        <translation>Une copie du logiciel existe déjà dans le répertoire de destination.</translation>
    </message>
    <message>
        <source>To install this software again, click Continue.</source>
        <translation>Pour installer de nouveau ce logiciel, cliquez sur Continuer.</translation>
    </message>
    <message>
        <source>To install to a different directory, click Back.</source>
        <translation>Pour installer dans un autre répertoire, cliquez sur Retour.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Not enough disk space on target drive while attempting to copy files.</source>
        <translation>Espace disque insuffisant sur le lecteur de destination pendant la copie des fichiers.</translation>
    </message>
    <message>
        <source>To proceed with setup, first free disk space on the target drive and then click Continue.</source>
        <translation>Pour poursuivre l&apos;installation, libérez d&apos;abord de l&apos;espace sur le lecteur de destination, puis cliquez sur Continuer.</translation>
    </message>
    <message>
        <source>Please insert next disk.</source>
        <translation>Veuillez insérer le disque suivant.</translation>
    </message>
    <message>
        <source>Setup is now in progress...</source>
        <translation>Installation en cours...</translation>
    </message>
    <message>
        <source>Installing:</source>
        <translation>Installation :</translation>
    </message>
    <message>
        <source>Abort Setup</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Setup is not complete. If you quit Setup program now,</source>
        <translation>L&apos;installation n&apos;est pas terminée. Si vous quittez maintenant,</translation>
    </message>
    <message>
        <source>the program will not be installed.</source>
        <translation>le programme ne sera pas installé.</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Setup was completely successful !</source>
        <translation>L&apos;installation s&apos;est parfaitement déroulée !</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
