<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BondingClass</name>
    <message>
        <source> - (Metal)</source>
        <translatorcomment>Why this word: the title classes the substance as Brazilian textbooks class substances (metálica, iônica, molecular, rede covalente), an adjective agreeing with the implied &quot;substância&quot;; the old mix of &quot;ligação ...&quot; and bare nouns read unevenly.</translatorcomment>
        <translation> - (metálica)</translation>
    </message>
    <message>
        <source> - (Atom)</source>
        <translatorcomment>Why this word: the noble gases; Brazilian textbooks say they exist as &quot;átomos isolados&quot;. A bare &quot;átomo&quot; in the title read as if the window showed one atom of anything.</translatorcomment>
        <translation> - (átomos isolados)</translation>
    </message>
    <message>
        <source> - (Ionic)</source>
        <translatorcomment>Why this word: the title classes the substance as Brazilian textbooks class substances (metálica, iônica, molecular, rede covalente), an adjective agreeing with the implied &quot;substância&quot;; the old mix of &quot;ligação ...&quot; and bare nouns read unevenly.</translatorcomment>
        <translation> - (iônica)</translation>
    </message>
    <message>
        <source> - (Molecule)</source>
        <translatorcomment>Why this word: the title classes the substance as Brazilian textbooks class substances (metálica, iônica, molecular, rede covalente), an adjective agreeing with the implied &quot;substância&quot;; the old mix of &quot;ligação ...&quot; and bare nouns read unevenly.</translatorcomment>
        <translation> - (molecular)</translation>
    </message>
    <message>
        <source> - (Covalent Network)</source>
        <translatorcomment>Why this word: &quot;rede covalente&quot; (covalent network) is the school term for diamond and quartz; &quot;sólido covalente&quot; would also be understood.</translatorcomment>
        <translation> - (rede covalente)</translation>
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
        <translatorcomment>Why this word: schools name the change of state &quot;fusão&quot;; &quot;em fusão&quot; matches &quot;em ebulição&quot; beside it.</translatorcomment>
        <translation>em fusão</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>em ebulição</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gás</translation>
    </message>
    <message>
        <source>subliming</source>
        <translatorcomment>Why this word: &quot;em sublimação&quot; matches &quot;em fusão&quot; and &quot;em ebulição&quot;, the school names of the changes of state.</translatorcomment>
        <translation>em sublimação</translation>
    </message>
    <message>
        <source>The thermometer: the temperature of the particles</source>
        <translation>O termômetro: a temperatura das partículas</translation>
    </message>
    <message>
        <source>The phase, read from how the particles move</source>
        <translation>O estado físico, lido do movimento das partículas</translation>
    </message>
    <message>
        <source>The temperature the thermostat holds</source>
        <translation>A temperatura que o termostato mantém</translation>
    </message>
    <message>
        <source>Export Curve...</source>
        <translation>Exportar curva...</translation>
    </message>
    <message>
        <source>Save the heating curve as a PNG picture or as CSV numbers</source>
        <translation>Salvar a curva de aquecimento como imagem PNG ou como números CSV</translation>
    </message>
    <message>
        <source>Held at %1</source>
        <translation>Mantido a %1</translation>
    </message>
    <message>
        <source>Heating at a constant power</source>
        <translation>Aquecendo com potência constante</translation>
    </message>
    <message>
        <source>Cooling at a constant power</source>
        <translation>Resfriando com potência constante</translation>
    </message>
    <message>
        <source>%1 decomposes at %2 before it melts</source>
        <translation>%1 se decompõe a %2 antes de fundir</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV numbers (*.csv)</source>
        <translation>Números CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Heating Curve</source>
        <translation>Exportar a curva de aquecimento</translation>
    </message>
    <message>
        <source>The curve could not be saved:
%1</source>
        <translation>Não foi possível salvar a curva:
%1</translation>
    </message>
</context>
<context>
    <name>CKivaApp</name>
    <message>
        <source>The printer &quot;%1&quot; is not installed.</source>
        <translation>A impressora &quot;%1&quot; não está instalada.</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Deseja realmente sair?</translation>
    </message>
    <message>
        <source>About Zelkora</source>
        <translation>Sobre o Zelkora</translation>
    </message>
    <message>
        <source>Zelkora

Kiva %1: a three-dimensional molecule viewer for the classroom.
Built with Qt %2.

Kiva is free software: you may share and change it under the GNU General Public License, version 2 or (at your option) any later version. It comes with no warranty. The licence is in the file COPYING that comes with the program.</source>
        <translation>Zelkora

Kiva %1: um visualizador tridimensional de moléculas para a sala de aula.
Compilado com Qt %2.

Kiva é software livre: você pode compartilhá-lo e modificá-lo sob a Licença Pública Geral GNU, versão 2 ou (a seu critério) qualquer versão posterior. Ele não tem nenhuma garantia. A licença está no arquivo COPYING que acompanha o programa.</translation>
    </message>
</context>
<context>
    <name>CKivaView</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;The picture&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The substance as shaded atoms and bonds. Drag it to turn or move it; with a measure command on, click atoms to measure.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;A imagem&lt;/b&gt;&lt;/p&gt;&lt;p&gt;A substância como átomos e ligações sombreados. Arraste-a para girá-la ou movê-la; com um comando de medida ativo, clique nos átomos para medir.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;molecule_window.html#picture&quot;&gt;Mais na ajuda&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No crystal structure.
Only single molecule available.</source>
        <translation>Não há estrutura cristalina.
Só está disponível uma molécula isolada.</translation>
    </message>
    <message>
        <source>Atom labels need the DejaVu Sans Bold font, which is not installed.
Install the package fonts-dejavu-core to show them.</source>
        <translation>Os rótulos dos átomos precisam da fonte DejaVu Sans Bold, que não está instalada.
Instale o pacote fonts-dejavu-core para exibi-los.</translation>
    </message>
    <message>
        <source>There are no melting and boiling points for this substance, so it cannot be heated and cooled.</source>
        <translation>Esta substância não tem pontos de fusão e ebulição, por isso não pode ser aquecida nem resfriada.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obter ajuda, pressione F1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Choose a substance from the Molecule menu; it shows in a window of its own.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Contents of the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelkora&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Escolha uma substância no menu Molécula; ela aparece em uma janela própria.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Sumário da ajuda&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CSubstanceInfoDlg</name>
    <message>
        <source>Metal</source>
        <translatorcomment>Why this word: the row is labelled &quot;Ligação:&quot;, so the value names the kind of bond as a school does (metálica, iônica, covalente) and, for covalent substances, whether they form molecules or a network.</translatorcomment>
        <translation>Metálica</translation>
    </message>
    <message>
        <source>Atom</source>
        <translatorcomment>Why this word: the noble gases form no bonds; textbooks describe them as &quot;átomos isolados&quot;.</translatorcomment>
        <translation>Nenhuma (átomos isolados)</translation>
    </message>
    <message>
        <source>Ionic</source>
        <translatorcomment>Why this word: the row is labelled &quot;Ligação:&quot;, so the value names the kind of bond as a school does (metálica, iônica, covalente) and, for covalent substances, whether they form molecules or a network.</translatorcomment>
        <translation>Iônica</translation>
    </message>
    <message>
        <source>Molecule</source>
        <translatorcomment>Why this word: the row is labelled &quot;Ligação:&quot;, so the value names the kind of bond as a school does (metálica, iônica, covalente) and, for covalent substances, whether they form molecules or a network.</translatorcomment>
        <translation>Covalente (moléculas)</translation>
    </message>
    <message>
        <source>Covalent network</source>
        <translatorcomment>Why this word: the row is labelled &quot;Ligação:&quot;, so the value names the kind of bond as a school does (metálica, iônica, covalente) and, for covalent substances, whether they form molecules or a network.</translatorcomment>
        <translation>Covalente (rede covalente)</translation>
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
        <translation>Informações da substância</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Fórmula:</translation>
    </message>
    <message>
        <source>Bonding:</source>
        <translation>Ligação:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Cell edges a, b, c:</source>
        <translation>Arestas da célula a, b, c:</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translatorcomment>Why this: the values have a decimal comma in this language, so a semicolon keeps them apart.</translatorcomment>
        <translation>%1; %2; %3</translation>
    </message>
    <message>
        <source>Cell angles α, β, γ:</source>
        <translation>Ângulos da célula α, β, γ:</translation>
    </message>
    <message>
        <source>Space group:</source>
        <translation>Grupo espacial:</translation>
    </message>
    <message>
        <source>Atoms in the cell:</source>
        <translation>Átomos na célula:</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Formula units per cell (Z):</source>
        <translation>Unidades de fórmula por célula (Z):</translation>
    </message>
    <message>
        <source>Crystal:</source>
        <translation>Cristal:</translation>
    </message>
    <message>
        <source>no crystal structure</source>
        <translation>sem estrutura cristalina</translation>
    </message>
    <message>
        <source>%1 K (%2 °C)</source>
        <translation>%1 K (%2 °C)</translation>
    </message>
    <message>
        <source>Melting point:</source>
        <translation>Ponto de fusão:</translation>
    </message>
    <message>
        <source>Boiling point:</source>
        <translation>Ponto de ebulição:</translation>
    </message>
    <message>
        <source>decomposes at %1</source>
        <translation>decompõe-se a %1</translation>
    </message>
    <message>
        <source>sublimes at %1</source>
        <translation>sublima a %1</translation>
    </message>
    <message>
        <source>does not freeze at normal pressure</source>
        <translation>não se solidifica à pressão normal</translation>
    </message>
    <message>
        <source>Also called:</source>
        <translation>Também chamado:</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Create a new document</source>
        <translation>Criar um novo documento</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open a document file</source>
        <translation>Abrir um arquivo de documento</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Fechar o documento ativo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salvar o documento ativo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save the active document under a new name</source>
        <translation>Salvar o documento ativo com um novo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Choose a printer and its options</source>
        <translation>Escolher uma impressora e suas opções</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimir o documento ativo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Exibir páginas inteiras</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Open another window for the active document</source>
        <translation>Abrir outra janela para o documento ativo</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nova janela</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>Organizar os ícones na parte inferior da janela</translation>
    </message>
    <message>
        <source>Arrange Icons</source>
        <translation>Organizar ícones</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>Organizar as janelas sobrepostas</translation>
    </message>
    <message>
        <source>Cascade Windows</source>
        <translation>Cascata</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>Organizar as janelas lado a lado</translation>
    </message>
    <message>
        <source>Tile Windows</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>Display program information and version</source>
        <translation>Exibir informações e versão do programa</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Sair do aplicativo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Listar os tópicos da ajuda</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barra de status sim/não</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Translate</source>
        <translation>Deslocar</translation>
    </message>
    <message>
        <source>Translate (Move)</source>
        <translation>Deslocar (mover)</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Balançar</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aproximar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Afastar</translation>
    </message>
    <message>
        <source>Change the print size</source>
        <translation>Alterar o tamanho de impressão</translation>
    </message>
    <message>
        <source>Print Size</source>
        <translation>Tamanho de impressão</translation>
    </message>
    <message>
        <source>Export the turn, the swing or the motion as an animated GIF or an MP4 video</source>
        <translation>Exportar o giro, o balanço ou o movimento como GIF animado ou vídeo MP4</translation>
    </message>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>Change the color of an element</source>
        <translation>Alterar a cor de um elemento</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Display molecule as crystalline solid</source>
        <translation>Exibir a substância como sólido cristalino</translation>
    </message>
    <message>
        <source>Crystalline solid</source>
        <translation>Sólido cristalino</translation>
    </message>
    <message>
        <source>Display molecule as chemical unit</source>
        <translation>Exibir a substância como unidade química</translation>
    </message>
    <message>
        <source>Chemical unit</source>
        <translatorcomment>Why this word: there is no single school word for &quot;one molecule or one formula unit&quot;; &quot;unidade química&quot; is kept as a neutral name that covers both, and the help explains it.</translatorcomment>
        <translation>Unidade química</translation>
    </message>
    <message>
        <source>Display molecule in liquid state</source>
        <translation>Exibir a substância no estado líquido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Display molecule in gaseous state</source>
        <translation>Exibir a substância no estado gasoso</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gás</translation>
    </message>
    <message>
        <source>Display molecule as ball-and-stick model</source>
        <translatorcomment>Why this word: Brazilian textbooks and model kits say &quot;modelo de bolas e varetas&quot; (plural); the singular read like one ball and one stick.</translatorcomment>
        <translation>Exibir a molécula como modelo de bolas e varetas</translation>
    </message>
    <message>
        <source>Ball-and-stick</source>
        <translatorcomment>Why this word: Brazilian textbooks and model kits say &quot;modelo de bolas e varetas&quot; (plural); the singular read like one ball and one stick.</translatorcomment>
        <translation>Bolas e varetas</translation>
    </message>
    <message>
        <source>Display molecule as space-filling model</source>
        <translation>Exibir a molécula como modelo de preenchimento espacial</translation>
    </message>
    <message>
        <source>Space-filling</source>
        <translatorcomment>Why this word: kept &quot;preenchimento espacial&quot;, the name Brazilian textbooks give the space-filling model; &quot;modelo compacto&quot; is also heard but less often.</translatorcomment>
        <translation>Preenchimento espacial</translation>
    </message>
    <message>
        <source>Select a homoatomic substance</source>
        <translatorcomment>Why this word: a substance made of one element is a &quot;substância simples&quot; in Brazilian schools (as against &quot;substância composta&quot;); &quot;homoatômica&quot; is used of molecules, not in the sense of this dialog.</translatorcomment>
        <translation>Escolher uma substância simples</translation>
    </message>
    <message>
        <source>Select a metallic compound</source>
        <translatorcomment>Why this word: the dialog holds compounds of a metal (salts, oxides, hydroxides, also a few boron compounds); &quot;composto metálico&quot; would suggest an alloy or metallic bonding, and &quot;composto iônico&quot; would be wrong for AlN, WC or BF3.</translatorcomment>
        <translation>Escolher um composto de metal</translation>
    </message>
    <message>
        <source>Select a non-metallic compound</source>
        <translatorcomment>Why this word: Brazilian schools call the non-metals &quot;ametais&quot; (newer books also write &quot;não metais&quot;); &quot;composto não metálico&quot; is not a school phrase.</translatorcomment>
        <translation>Escolher um composto de ametais</translation>
    </message>
    <message>
        <source>Select an organic compound</source>
        <translation>Escolher um composto orgânico</translation>
    </message>
    <message>
        <source>Select a molecule from the Index</source>
        <translation>Escolher uma substância do índice</translation>
    </message>
    <message>
        <source>To measure the position of a specific atom</source>
        <translation>Medir a posição de um átomo específico</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>To measure the distance between two atoms</source>
        <translation>Medir a distância entre dois átomos</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>To measure the angle between two bonds</source>
        <translation>Medir o ângulo entre duas ligações</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>To measure the torsion angle between two planes</source>
        <translation>Medir o ângulo de torção entre dois planos</translation>
    </message>
    <message>
        <source>Torsion angle</source>
        <translation>Ângulo de torção</translation>
    </message>
    <message>
        <source>Low quality display</source>
        <translation>Exibição em baixa qualidade</translation>
    </message>
    <message>
        <source>Low quality</source>
        <translation>Baixa qualidade</translation>
    </message>
    <message>
        <source>High quality display</source>
        <translation>Exibição em alta qualidade</translation>
    </message>
    <message>
        <source>High quality</source>
        <translation>Alta qualidade</translation>
    </message>
    <message>
        <source>Show or hide the XYZ axes</source>
        <translation>Mostrar ou ocultar os eixos XYZ</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Set multiples of unit cell along x, y and z axes</source>
        <translation>Definir os múltiplos da célula unitária ao longo dos eixos x, y e z</translation>
    </message>
    <message>
        <source>Multiples of unit cell</source>
        <translation>Múltiplos da célula unitária</translation>
    </message>
    <message>
        <source>Reset to initial view state</source>
        <translation>Voltar à visualização inicial</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Show or hide the unit cell frame</source>
        <translation>Mostrar ou ocultar o contorno da célula unitária</translation>
    </message>
    <message>
        <source>Unit cell frame</source>
        <translation>Contorno da célula</translation>
    </message>
    <message>
        <source>Show or hide coordination</source>
        <translation>Mostrar ou ocultar a coordenação</translation>
    </message>
    <message>
        <source>Coordination</source>
        <translation>Coordenação</translation>
    </message>
    <message>
        <source>Copy the picture to the clipboard</source>
        <translation>Copiar a imagem para a área de transferência</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Show the picture alone on the whole screen; Escape or F11 leaves</source>
        <translation>Mostrar só a imagem na tela inteira; Esc ou F11 para sair</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Show the picture as a fixed square of 340 by 340 pixels</source>
        <translation>Mostrar a imagem como um quadrado fixo de 340 por 340 pixels</translation>
    </message>
    <message>
        <source>Fixed Picture Size</source>
        <translation>Tamanho de imagem fixo</translation>
    </message>
    <message>
        <source>Let the picture fill its window, which can then grow and be maximized</source>
        <translation>A imagem preenche sua janela, que então pode crescer e ser maximizada</translation>
    </message>
    <message>
        <source>Fit Window</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Show the name, formula and crystal cell of the substance</source>
        <translation>Mostrar o nome, a fórmula e a célula cristalina da substância</translation>
    </message>
    <message>
        <source>Substance information</source>
        <translation>Informações da substância</translation>
    </message>
    <message>
        <source>Show the crystal&apos;s molecules and ions whole across the cell faces</source>
        <translation>Mostrar inteiros as moléculas e os íons do cristal através das faces da célula</translation>
    </message>
    <message>
        <source>Whole molecules</source>
        <translation>Moléculas inteiras</translation>
    </message>
    <message>
        <source>Print a lesson handout: the picture with the substance&apos;s name, description and facts</source>
        <translatorcomment>Why this word: a one-page sheet handed to a class is a &quot;ficha&quot; in Brazilian schools; &quot;folha de aula&quot; is not an established phrase, and &quot;folha de atividades&quot; would promise exercises the sheet does not have.</translatorcomment>
        <translation>Imprimir uma ficha de aula: a imagem com o nome, a descrição e os dados da substância</translation>
    </message>
    <message>
        <source>Print Handout</source>
        <translatorcomment>Why this word: a one-page sheet handed to a class is a &quot;ficha&quot; in Brazilian schools; &quot;folha de aula&quot; is not an established phrase, and &quot;folha de atividades&quot; would promise exercises the sheet does not have.</translatorcomment>
        <translation>Imprimir ficha de aula</translation>
    </message>
    <message>
        <source>Export the picture as a PNG file at the view&apos;s size or another</source>
        <translation>Exportar a imagem como arquivo PNG, no tamanho da visualização ou em outro</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>Show or hide each atom&apos;s element and charge, and the names of the cell&apos;s edges</source>
        <translation>Mostrar ou ocultar o elemento e a carga de cada átomo, e os nomes das arestas da célula</translation>
    </message>
    <message>
        <source>Atom labels</source>
        <translation>Rótulos dos átomos</translation>
    </message>
    <message>
        <source>Heat and cool the substance: watch it melt and boil at its real temperatures</source>
        <translation>Aquecer e resfriar a substância: vê-la fundir e ferver às suas temperaturas reais</translation>
    </message>
    <message>
        <source>Heating and Cooling</source>
        <translation>Aquecimento e resfriamento</translation>
    </message>
    <message>
        <source>Heat and cool 64 particles</source>
        <translation>Aquecer e resfriar 64 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 216 particles</source>
        <translation>Aquecer e resfriar 216 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 512 particles</source>
        <translation>Aquecer e resfriar 512 partículas</translation>
    </message>
    <message>
        <source>Heat and cool 1000 particles</source>
        <translation>Aquecer e resfriar 1000 partículas</translation>
    </message>
    <message>
        <source>Add heat at a constant power</source>
        <translation>Fornecer calor com potência constante</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Aquecer</translation>
    </message>
    <message>
        <source>Take heat away at a constant power</source>
        <translation>Retirar calor com potência constante</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Resfriar</translation>
    </message>
    <message>
        <source>Hold the present temperature</source>
        <translation>Manter a temperatura atual</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Show the coordination polyhedra: around each cation, the shape its neighbours make</source>
        <translation>Mostrar os poliedros de coordenação: em torno de cada cátion, a figura formada pelos seus vizinhos</translation>
    </message>
    <message>
        <source>Polyhedra</source>
        <translation>Poliedros</translation>
    </message>
    <message>
        <source>Draw a plane of the crystal by its Miller indices h, k, l, with its spacing d(hkl)</source>
        <translatorcomment>Why this word: d(hkl) is the &quot;distância interplanar&quot; of Brazilian textbooks (Bragg&apos;s law); &quot;espaçamento&quot; alone would not say between what.</translatorcomment>
        <translation>Desenhar um plano do cristal pelos seus índices de Miller h, k, l, com a sua distância interplanar d(hkl)</translation>
    </message>
    <message>
        <source>Lattice plane</source>
        <translatorcomment>Why this word: Brazilian textbooks speak of the planes of a crystal, with their Miller indices and their spacing in X-ray diffraction, as &quot;planos cristalinos&quot;; &quot;plano reticular&quot; is the crystallographer&apos;s term, less familiar to students, and &quot;plano da rede&quot; would clash with &quot;rede&quot;, which the program uses for covalent networks.</translatorcomment>
        <translation>Plano cristalino</translation>
    </message>
    <message>
        <source>Smooth the edges of atoms, bonds and faces in large, exported and printed pictures</source>
        <translation>Suavizar as bordas dos átomos, das ligações e das faces nas imagens grandes, exportadas e impressas</translation>
    </message>
    <message>
        <source>Smooth edges</source>
        <translation>Suavização de bordas</translation>
    </message>
</context>
<context>
    <name>CompoundSelection</name>
    <message>
        <source>Cannot find the compound &quot;%1&quot;.</source>
        <translation>Não foi possível encontrar o composto &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>ContextHelpFilter</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Selecione um objeto sobre o qual obter ajuda</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>The file could not be opened.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file ends before its molecule record does: it is damaged or not a molecule document.</source>
        <translation>O arquivo termina antes do seu registro de molécula: está danificado ou não é um documento de molécula.</translation>
    </message>
    <message>
        <source>The file&apos;s molecule record is damaged.</source>
        <translation>O registro de molécula do arquivo está danificado.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>linha %1: </translation>
    </message>
    <message>
        <source>The file is neither a Kiva document nor a readable %1</source>
        <translation>O arquivo não é um documento do Kiva nem um arquivo %1 legível</translation>
    </message>
    <message>
        <source>The file is not a readable %1</source>
        <translation>O arquivo não é um arquivo %1 legível</translation>
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
        <translation>Não é possível abrir</translation>
    </message>
    <message>
        <source>The file is not a molecule document.</source>
        <translation>O arquivo não é um documento de molécula.</translation>
    </message>
    <message>
        <source>Cannot save</source>
        <translation>Não é possível salvar</translation>
    </message>
    <message>
        <source>The file is not a Kiva document, and Kiva does not write over files of other kinds. Choose another name.</source>
        <translation>O arquivo não é um documento do Kiva, e o Kiva não sobrescreve arquivos de outros tipos. Escolha outro nome.</translation>
    </message>
    <message>
        <source>Untitled-</source>
        <translation>Sem título-</translation>
    </message>
    <message>
        <source>Molecule Files (*.mol)</source>
        <translation>Arquivos de molécula (*.mol)</translation>
    </message>
    <message>
        <source>All Structure Files (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Molecule Files (*.mol);;Crystallographic Information Files (*.cif);;MDL Molfiles and SD Files (*.mol *.sdf *.sd);;XYZ Files (*.xyz);;Protein Data Bank Files (*.pdb *.ent);;All Files (*)</source>
        <translation>Todos os arquivos de estrutura (*.mol *.cif *.sdf *.sd *.xyz *.pdb *.ent);;Arquivos de molécula (*.mol);;Arquivos CIF (*.cif);;Arquivos MDL Molfile e SD (*.mol *.sdf *.sd);;Arquivos XYZ (*.xyz);;Arquivos Protein Data Bank (*.pdb *.ent);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>ElementColorDialog</name>
    <message>
        <source>Color of Element</source>
        <translation>Cor do elemento</translation>
    </message>
    <message>
        <source>Color of element:</source>
        <translation>Cor do elemento:</translation>
    </message>
    <message>
        <source>&amp;Red=</source>
        <translation>Ve&amp;rmelho=</translation>
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
        <translation>Amostra:</translation>
    </message>
    <message>
        <source>&amp;Choose Color...</source>
        <translation>&amp;Escolher cor...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>&amp;Elements:</source>
        <translation>E&amp;lementos:</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Digite um número inteiro entre 0 e 255.</translation>
    </message>
</context>
<context>
    <name>ExportAnimation</name>
    <message>
        <source>Export Animation</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>The liquid&apos;s motion</source>
        <translation>O movimento do líquido</translation>
    </message>
    <message>
        <source>The gas&apos;s motion</source>
        <translation>O movimento do gás</translation>
    </message>
    <message>
        <source>A full turn</source>
        <translation>Um giro completo</translation>
    </message>
    <message>
        <source>One rock swing</source>
        <translation>Um balanço</translation>
    </message>
    <message>
        <source>&amp;Animation:</source>
        <translation>&amp;Animação:</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Quadros:</translation>
    </message>
    <message>
        <source>Frames a &amp;second:</source>
        <translation>Quadros por &amp;segundo:</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Largura (pixels):</translation>
    </message>
    <message>
        <source>&amp;Height (pixels):</source>
        <translation>Al&amp;tura (pixels):</translation>
    </message>
    <message>
        <source>An animation has 1 to %1 frames.</source>
        <translation>Uma animação tem de 1 a %1 quadros.</translation>
    </message>
    <message>
        <source>An animation plays 1 to %1 frames a second.</source>
        <translation>Uma animação exibe de 1 a %1 quadros por segundo.</translation>
    </message>
    <message>
        <source>An animation&apos;s sides are %1 to %2 pixels.</source>
        <translation>Os lados de uma animação medem de %1 a %2 pixels.</translation>
    </message>
    <message>
        <source>An MP4 video needs an even width and height, not %1.</source>
        <translation>Um vídeo MP4 precisa de largura e altura pares, não %1.</translation>
    </message>
    <message>
        <source>Give the file the ending .gif or .mp4:
%1</source>
        <translation>Dê ao arquivo a extensão .gif ou .mp4:
%1</translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;:
%2.</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;:
%2.</source>
        <translation>Não é possível gravar o arquivo &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>This system&apos;s FFmpeg has no H.264 encoder for MP4 videos.</source>
        <translation>O FFmpeg deste sistema não tem codificador H.264 para vídeos MP4.</translation>
    </message>
    <message>
        <source>Cannot encode the file &quot;%1&quot;:
%2.</source>
        <translation>Não é possível codificar o arquivo &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Não é possível gravar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif);;MP4 Video (*.mp4)</source>
        <translation>GIF animado (*.gif);;Vídeo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>Exporting the animation...</source>
        <translation>Exportando a animação...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A PDB file holds at most %1 atoms, not %2.</source>
        <translation>Um arquivo PDB comporta no máximo %1 átomos, não %2.</translation>
    </message>
    <message>
        <source>MP4 videos need FFmpeg&apos;s libraries (%1), which are not installed.</source>
        <translation>Vídeos MP4 precisam das bibliotecas do FFmpeg (%1), que não estão instaladas.</translation>
    </message>
    <message>
        <source>The view&apos;s %1 × %2 pixels are rounded to even sides, which an MP4 video needs.</source>
        <translation>Os %1 × %2 pixels da visualização são arredondados para lados pares, como exige um vídeo MP4.</translation>
    </message>
    <message>
        <source>Picture f&amp;rame, as in the window</source>
        <translation>&amp;Moldura da imagem, como na janela</translation>
    </message>
    <message>
        <source>The heating run, from now on</source>
        <translation>O aquecimento, a partir de agora</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>The &amp;view&apos;s size, %1 × %2 pixels</source>
        <translation>Tamanho da &amp;visualização, %1 × %2 pixels</translation>
    </message>
    <message>
        <source>&amp;Another size:</source>
        <translation>&amp;Outro tamanho:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Altu&amp;ra:</translation>
    </message>
    <message>
        <source>&amp;Black, as on screen</source>
        <translation>&amp;Preto, como na tela</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>A picture&apos;s sides are %1 to %2 pixels.</source>
        <translation>Os lados de uma imagem medem de %1 a %2 pixels.</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Wh&amp;ite, as in print</source>
        <translation>&amp;Branco, como na impressão</translation>
    </message>
    <message>
        <source>Picture &amp;frame, as in the window</source>
        <translation>&amp;Moldura da imagem, como na janela</translation>
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
        <translation>Distância %1: %2 Å</translation>
    </message>
    <message>
        <source>Angle %1: %2°</source>
        <translation>Ângulo %1: %2°</translation>
    </message>
    <message>
        <source>Torsion angle %1: %2°</source>
        <translation>Ângulo de torção %1: %2°</translation>
    </message>
</context>
<context>
    <name>HeatingCurve</name>
    <message>
        <source>Heat added (kJ/mol)</source>
        <translation>Calor fornecido (kJ/mol)</translation>
    </message>
    <message>
        <source>decomposes</source>
        <translation>decompõe-se</translation>
    </message>
    <message>
        <source>melting</source>
        <translation>fusão</translation>
    </message>
    <message>
        <source>sublimes</source>
        <translation>sublima</translation>
    </message>
    <message>
        <source>boiling</source>
        <translation>ebulição</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;More in the help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;a href=&quot;%1&quot;&gt;Mais na ajuda&lt;/a&gt;&lt;/p&gt;</translation>
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
        <translation>Plano cristalino %1: d = %2 Å</translation>
    </message>
    <message>
        <source>Lattice Plane</source>
        <translatorcomment>Why this word: Brazilian textbooks speak of the planes of a crystal, with their Miller indices and their spacing in X-ray diffraction, as &quot;planos cristalinos&quot;; &quot;plano reticular&quot; is the crystallographer&apos;s term, less familiar to students, and &quot;plano da rede&quot; would clash with &quot;rede&quot;, which the program uses for covalent networks.</translatorcomment>
        <translation>Plano cristalino</translation>
    </message>
    <message>
        <source>The plane h x + k y + l z = offset: 1 cuts the cell&apos;s edges at a/h, b/k and c/l; each step of 1 moves it one spacing on</source>
        <translation>O plano h x + k y + l z = deslocamento: com 1, ele corta as arestas da célula em a/h, b/k e c/l; cada passo de 1 o leva uma distância interplanar adiante</translation>
    </message>
    <message>
        <source>&amp;Offset:</source>
        <translation>&amp;Deslocamento:</translation>
    </message>
    <message>
        <source>Spacing:</source>
        <translatorcomment>Why this word: d(hkl) is the &quot;distância interplanar&quot; of Brazilian textbooks (Bragg&apos;s law); &quot;espaçamento&quot; alone would not say between what.</translatorcomment>
        <translation>Distância interplanar:</translation>
    </message>
    <message>
        <source>&amp;Show the plane</source>
        <translation>&amp;Mostrar o plano</translation>
    </message>
    <message>
        <source>&amp;Face the Plane</source>
        <translation>Ver o plano de &amp;frente</translation>
    </message>
    <message>
        <source>Turn the crystal so that you look straight at the plane</source>
        <translation>Girar o cristal para que você veja o plano bem de frente</translation>
    </message>
    <message>
        <source>d = %1 Å</source>
        <translation>d = %1 Å</translation>
    </message>
    <message>
        <source>h, k and l cannot all be 0</source>
        <translation>h, k e l não podem ser todos 0</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Tópicos da ajuda	F1</translation>
    </message>
    <message>
        <source>&amp;About &apos;Zelkora&apos;...</source>
        <translation>&amp;Sobre o &apos;Zelkora&apos;...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Novo	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurar im&amp;pressora...</translation>
    </message>
    <message>
        <source>&amp;Quit	Ctrl+Q</source>
        <translation>Sai&amp;r	Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra de status</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Fechar	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salvar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Prin&amp;t Size...</source>
        <translation>&amp;Tamanho de impressão...</translation>
    </message>
    <message>
        <source>&amp;Export Animation...</source>
        <translation>E&amp;xportar animação...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy Picture	Ctrl+C</source>
        <translation>&amp;Copiar imagem	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Cor...</translation>
    </message>
    <message>
        <source>Display &amp;Structure</source>
        <translation>Exibir &amp;estrutura</translation>
    </message>
    <message>
        <source>&amp;Chemical Unit</source>
        <translatorcomment>Why this word: there is no single school word for &quot;one molecule or one formula unit&quot;; &quot;unidade química&quot; is kept as a neutral name that covers both, and the help explains it.</translatorcomment>
        <translation>&amp;Unidade química</translation>
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
        <translation>Estado &amp;gasoso</translation>
    </message>
    <message>
        <source>Display &amp;Model</source>
        <translation>Exibir &amp;modelo</translation>
    </message>
    <message>
        <source>&amp;Ball-and-Stick</source>
        <translatorcomment>Why this word: Brazilian textbooks and model kits say &quot;modelo de bolas e varetas&quot; (plural); the singular read like one ball and one stick.</translatorcomment>
        <translation>&amp;Bolas e varetas</translation>
    </message>
    <message>
        <source>&amp;Space-Filling</source>
        <translatorcomment>Why this word: kept &quot;preenchimento espacial&quot;, the name Brazilian textbooks give the space-filling model; &quot;modelo compacto&quot; is also heard but less often.</translatorcomment>
        <translation>&amp;Preenchimento espacial</translation>
    </message>
    <message>
        <source>Display &amp;Quality</source>
        <translation>&amp;Qualidade de exibição</translation>
    </message>
    <message>
        <source>&amp;Low Quality</source>
        <translation>&amp;Baixa qualidade</translation>
    </message>
    <message>
        <source>&amp;High Quality</source>
        <translation>&amp;Alta qualidade</translation>
    </message>
    <message>
        <source>Picture Si&amp;ze</source>
        <translation>&amp;Tamanho da imagem</translation>
    </message>
    <message>
        <source>&amp;Fixed (340 × 340)</source>
        <translation>&amp;Fixo (340 × 340)</translation>
    </message>
    <message>
        <source>Fit &amp;Window</source>
        <translation>&amp;Ajustar à janela</translation>
    </message>
    <message>
        <source>&amp;Full Screen	F11</source>
        <translation>Tela c&amp;heia	F11</translation>
    </message>
    <message>
        <source>Multiples of &amp;Unit Cell...</source>
        <translation>Múltiplos da célula &amp;unitária...</translation>
    </message>
    <message>
        <source>&amp;XYZ Axes</source>
        <translation>Eixos &amp;XYZ</translation>
    </message>
    <message>
        <source>&amp;Whole Molecules</source>
        <translation>Moléculas &amp;inteiras</translation>
    </message>
    <message>
        <source>Substance &amp;Information...</source>
        <translation>In&amp;formações da substância...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>&amp;Molecule</source>
        <translation>&amp;Molécula</translation>
    </message>
    <message>
        <source>&amp;Homoatomic...</source>
        <translatorcomment>Why this word: a substance made of one element is a &quot;substância simples&quot; in Brazilian schools (as against &quot;substância composta&quot;); &quot;homoatômica&quot; is used of molecules, not in the sense of this dialog.</translatorcomment>
        <translation>Substâncias &amp;simples...</translation>
    </message>
    <message>
        <source>&amp;Metallic...</source>
        <translatorcomment>Why this word: the dialog holds compounds of a metal (salts, oxides, hydroxides, also a few boron compounds); &quot;composto metálico&quot; would suggest an alloy or metallic bonding, and &quot;composto iônico&quot; would be wrong for AlN, WC or BF3.</translatorcomment>
        <translation>Compostos de &amp;metais...</translation>
    </message>
    <message>
        <source>&amp;Non-Metallic...</source>
        <translatorcomment>Why this word: Brazilian schools call the non-metals &quot;ametais&quot; (newer books also write &quot;não metais&quot;); &quot;composto não metálico&quot; is not a school phrase.</translatorcomment>
        <translation>Compostos de &amp;ametais...</translation>
    </message>
    <message>
        <source>&amp;Organic...</source>
        <translatorcomment>Why this word: the menu names what the dialog lists, as the other items of this menu do.</translatorcomment>
        <translation>Compostos &amp;orgânicos...</translation>
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
        <translation>&amp;Posição</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distância</translation>
    </message>
    <message>
        <source>&amp;Angle</source>
        <translation>Â&amp;ngulo</translation>
    </message>
    <message>
        <source>&amp;Torsion Angle</source>
        <translation>Ângulo de &amp;torção</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Janela</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nova janela</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascata</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar ícones</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>Print &amp;Handout...</source>
        <translatorcomment>Why this word: a one-page sheet handed to a class is a &quot;ficha&quot; in Brazilian schools; &quot;folha de aula&quot; is not an established phrase, and &quot;folha de atividades&quot; would promise exercises the sheet does not have.</translatorcomment>
        <translation>Imprimir fic&amp;ha de aula...</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>&amp;Exportar imagem...</translation>
    </message>
    <message>
        <source>Atom &amp;Labels</source>
        <translation>Rótu&amp;los dos átomos</translation>
    </message>
    <message>
        <source>&amp;Heating and Cooling</source>
        <translation>&amp;Aquecimento e resfriamento</translation>
    </message>
    <message>
        <source>&amp;Particles</source>
        <translation>&amp;Partículas</translation>
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
        <translatorcomment>Why this word: Brazilian textbooks speak of the planes of a crystal, with their Miller indices and their spacing in X-ray diffraction, as &quot;planos cristalinos&quot;; &quot;plano reticular&quot; is the crystallographer&apos;s term, less familiar to students, and &quot;plano da rede&quot; would clash with &quot;rede&quot;, which the program uses for covalent networks.</translatorcomment>
        <translation>Pl&amp;ano cristalino...</translation>
    </message>
    <message>
        <source>Smooth &amp;Edges</source>
        <translation>&amp;Suavização de bordas</translation>
    </message>
</context>
<context>
    <name>OrganicCategory</name>
    <message>
        <source>Alkyl hydrocarbon</source>
        <translatorcomment>Why this word: the family holds cyclohexane, cyclopentane and cyclopropane too, which schools class as cicloalcanos, not alcanos.</translatorcomment>
        <translation>Alcano/cicloalcano</translation>
    </message>
    <message>
        <source>Ethylenic hydrocarbon</source>
        <translatorcomment>Why this word: the family holds butadiene, isoprene and limonene too, which schools class as alcadienos, not alcenos.</translatorcomment>
        <translation>Alceno/alcadieno</translation>
    </message>
    <message>
        <source>Acetylenic hydrocarbon</source>
        <translation>Alcino</translation>
    </message>
    <message>
        <source>Aromatic hydrocarbon</source>
        <translation>Aromático</translation>
    </message>
    <message>
        <source>Alcohol</source>
        <translation>Álcool</translation>
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
        <translation>Aldeído</translation>
    </message>
    <message>
        <source>Oil &amp; Fat/Ester</source>
        <translatorcomment>Why this word: the school function is &quot;éster&quot;; oils and fats (triolein, tristearin) are named too, as the family holds both simple esters and triglycerides.</translatorcomment>
        <translation>Éster/óleo/gordura</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translatorcomment>Why this word: Brazilian textbooks name the family &quot;carboidratos&quot; (glicídios); &quot;açúcar&quot; is everyday speech.</translatorcomment>
        <translation>Carboidrato</translation>
    </message>
    <message>
        <source>Hydrocarbon halide</source>
        <translatorcomment>Why this word: &quot;haleto orgânico&quot; is the school function name; &quot;haleto de hidrocarboneto&quot; is not used.</translatorcomment>
        <translation>Haleto orgânico</translation>
    </message>
    <message>
        <source>Carboxylic acid</source>
        <translation>Ácido carboxílico</translation>
    </message>
    <message>
        <source>Nitro &amp; Amine</source>
        <translatorcomment>Why this word: the school function names are &quot;nitrocomposto&quot; and &quot;amina&quot;; &quot;nitro&quot; alone is not a function name.</translatorcomment>
        <translation>Nitrocomposto/amina</translation>
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
        <translation>unidade química</translation>
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
        <translation>gás</translation>
    </message>
    <message>
        <source>heating and cooling</source>
        <translation>aquecimento e resfriamento</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 células</translation>
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
        <translation>bolas e varetas</translation>
    </message>
    <message>
        <source>space-filling</source>
        <translation>preenchimento espacial</translation>
    </message>
    <message>
        <source>coordination polyhedra</source>
        <translation>poliedros de coordenação</translation>
    </message>
    <message>
        <source>lattice plane %1, d = %2 Å</source>
        <translation>plano cristalino %1, d = %2 Å</translation>
    </message>
    <message>
        <source>no substance</source>
        <translation>nenhuma substância</translation>
    </message>
</context>
<context>
    <name>PrintDialogs</name>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
</context>
<context>
    <name>PrintSizeDialog</name>
    <message>
        <source>Print Size</source>
        <translation>Tamanho de impressão</translation>
    </message>
    <message>
        <source>&amp;Select the print size:</source>
        <translation>&amp;Selecione o tamanho de impressão:</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Não é possível gravar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>Não é possível imprimir na impressora &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Choose a printer or a PDF file with File &gt; Print Setup.</source>
        <translation>Não há impressora para imprimir.
Escolha uma impressora ou um arquivo PDF em Arquivo &gt; Configurar impressora.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Torsion Angle</source>
        <translation>Ângulo de torção</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>Axis X</source>
        <translation>Eixo X</translation>
    </message>
    <message>
        <source>Axis Y</source>
        <translation>Eixo Y</translation>
    </message>
    <message>
        <source>Axis Z</source>
        <translation>Eixo Z</translation>
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
        <translation>&amp;Selecionar de:</translation>
    </message>
    <message>
        <source>Metallic Compounds</source>
        <translatorcomment>Why this word: the dialog holds compounds of a metal (salts, oxides, hydroxides, also a few boron compounds); &quot;composto metálico&quot; would suggest an alloy or metallic bonding, and &quot;composto iônico&quot; would be wrong for AlN, WC or BF3.</translatorcomment>
        <translation>Compostos de metais</translation>
    </message>
    <message>
        <source>&amp;Positive Ions:</source>
        <translatorcomment>Why this word: schools say &quot;cátion&quot; and &quot;ânion&quot; for positive and negative ions; the lists hold both single ions and ion groups (carbonate, sulfate), which &quot;cátions/ânions&quot; covers.</translatorcomment>
        <translation>Cá&amp;tions:</translation>
    </message>
    <message>
        <source>&amp;Negative Ions:</source>
        <translatorcomment>Why this word: schools say &quot;cátion&quot; and &quot;ânion&quot; for positive and negative ions; the lists hold both single ions and ion groups (carbonate, sulfate), which &quot;cátions/ânions&quot; covers.</translatorcomment>
        <translation>Â&amp;nions:</translation>
    </message>
    <message>
        <source>Non-Metallic Compounds</source>
        <translatorcomment>Why this word: Brazilian schools call the non-metals &quot;ametais&quot; (newer books also write &quot;não metais&quot;); &quot;composto não metálico&quot; is not a school phrase.</translatorcomment>
        <translation>Compostos de ametais</translation>
    </message>
    <message>
        <source>&amp;Positive Covalence:</source>
        <translatorcomment>Why this word: kept literal; the list holds the part of the formula written first (H, C, N, Si, P, S, NH4), and no school term fits it better; &quot;nox positivo&quot; would be wrong for NH4.</translatorcomment>
        <translation>Covalência &amp;positiva:</translation>
    </message>
    <message>
        <source>&amp;Negative Covalence:</source>
        <translatorcomment>Why this word: kept literal; the list holds the part of the formula written first (H, C, N, Si, P, S, NH4), and no school term fits it better; &quot;nox positivo&quot; would be wrong for NH4.</translatorcomment>
        <translation>Covalência &amp;negativa:</translation>
    </message>
    <message>
        <source>Homoatomic Substance</source>
        <translatorcomment>Why this word: a substance made of one element is a &quot;substância simples&quot; in Brazilian schools (as against &quot;substância composta&quot;); &quot;homoatômica&quot; is used of molecules, not in the sense of this dialog.</translatorcomment>
        <translation>Substâncias simples</translation>
    </message>
    <message>
        <source>&amp;Selected Substance:</source>
        <translation>&amp;Substância:</translation>
    </message>
    <message>
        <source>Select &amp;from:</source>
        <translation>Selecionar &amp;de:</translation>
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
        <translation>Compostos orgânicos</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translatorcomment>Why this word: Brazilian schools group organic compounds by &quot;funções orgânicas&quot;; &quot;categoria&quot; is not used in that sense.</translatorcomment>
        <translation>&amp;Função orgânica:</translation>
    </message>
</context>
<context>
    <name>SelectionKeys</name>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
</context>
<context>
    <name>SelectionModel</name>
    <message>
        <source>Cannot find the metallic compound &quot;%s&quot;.</source>
        <translatorcomment>Why this word: the dialog holds compounds of a metal (salts, oxides, hydroxides, also a few boron compounds); &quot;composto metálico&quot; would suggest an alloy or metallic bonding, and &quot;composto iônico&quot; would be wrong for AlN, WC or BF3.</translatorcomment>
        <translation>Não foi possível encontrar o composto de metal &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the non-metallic compound &quot;%s&quot;.</source>
        <translatorcomment>Why this word: Brazilian schools call the non-metals &quot;ametais&quot; (newer books also write &quot;não metais&quot;); &quot;composto não metálico&quot; is not a school phrase.</translatorcomment>
        <translation>Não foi possível encontrar o composto de ametais &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the substance &quot;%s&quot;.</source>
        <translation>Não foi possível encontrar a substância &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the compound &quot;%s&quot;.</source>
        <translation>Não foi possível encontrar o composto &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cannot find the organic compound &quot;%s&quot;.</source>
        <translation>Não foi possível encontrar o composto orgânico &quot;%s&quot;.</translation>
    </message>
</context>
<context>
    <name>UnitCellMultiplesDialog</name>
    <message>
        <source>Multiples of Unit Cell</source>
        <translation>Múltiplos da célula unitária</translation>
    </message>
    <message>
        <source>Along axis %1:</source>
        <translation>Ao longo do eixo %1:</translation>
    </message>
    <message>
        <source>cell(s)</source>
        <translation>célula(s)</translation>
    </message>
    <message>
        <source>Please enter an integer between 1 and %1.</source>
        <translation>Digite um número inteiro entre 1 e %1.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Digite um número inteiro positivo.</translation>
    </message>
</context>
<context>
    <name>kiva::CHelpWindow</name>
    <message>
        <source>The help cannot be found.
Its pages belong in a folder &quot;help&quot; beside the program or in share/kiva/help; reinstall the program to bring them back.</source>
        <translation>A ajuda não foi encontrada.
Suas páginas ficam em uma pasta &quot;help&quot; ao lado do programa ou em share/kiva/help; reinstale o programa para recuperá-las.</translation>
    </message>
    <message>
        <source>Zelkora Help</source>
        <translation>Ajuda do Zelkora</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>%1 - Zelkora Help</source>
        <translation>%1 - Ajuda do Zelkora</translation>
    </message>
</context>
</TS>
