<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>SetupMessages</name>
    <message>
        <source>Zelkora 1.0 Setup</source>
        <translation>Instalação do Zelkora 1.0</translation>
    </message>
    <message>
        <source>Destination directory cannot be created.</source>
        <translation>Não é possível criar o diretório de destino.</translation>
    </message>
    <message>
        <source>Cannot read file from the source disk.</source>
        <translation>Não é possível ler um arquivo do disco de origem.</translation>
    </message>
    <message>
        <source>Setup is incomplete.</source>
        <translation>A instalação está incompleta.</translation>
    </message>
    <message>
        <source>Please enter correct source directory.</source>
        <translation>Digite um diretório de origem correto.</translation>
    </message>
    <message>
        <source>Cannot write file to the destination directory.</source>
        <translation>Não é possível gravar um arquivo no diretório de destino.</translation>
    </message>
    <message>
        <source>The program is installed, but these menu entries could not be created so that they start it:</source>
        <translation>O programa está instalado, mas não foi possível criar estas entradas de menu que o iniciam:</translation>
    </message>
</context>
<context>
    <name>SetupPage</name>
    <message>
        <source>Welcome to Zelkora 1.0, the Kiva molecule viewer.

With Kiva, students pick an element or a compound from a catalogue of hundreds of substances and see it in three dimensions: as one molecule, as a crystal grown from its unit cell, as a moving liquid or as a gas. They can turn it, measure it, recolour it and print it.

Setup copies Kiva from its disks into a directory of your choice and adds it to your application menu under Molecule.</source>
        <translation>Bem-vindo ao Zelkora 1.0, o visualizador de moléculas Kiva.

Com o Kiva, os alunos escolhem um elemento ou um composto em um catálogo de centenas de substâncias e o veem em três dimensões: como uma molécula, como um cristal formado a partir de sua célula unitária, como um líquido em movimento ou como um gás. Eles podem girá-lo, medi-lo, mudar suas cores e imprimi-lo.

O instalador copia o Kiva dos seus discos para um diretório de sua escolha e o adiciona ao seu menu de aplicativos em &quot;Molecule&quot;.</translation>
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
        <translation>CONTRATO DE LICENÇA DE USO DO KIVA

O Kiva é software livre. Ele é licenciado para você sob a Licença Pública Geral GNU, versão 2 ou (a seu critério) qualquer versão posterior, cujo texto completo (em inglês) segue este resumo.

Em palavras simples:

1. Você pode executar o Kiva para qualquer finalidade, em quantos computadores quiser: na sala de aula, em casa ou em qualquer outro lugar.

2. Você pode copiar o Kiva, dá-lo a outras pessoas e modificá-lo. Ao repassar o Kiva ou uma versão modificada, você deve repassá-lo sob esta mesma licença e oferecer seu código-fonte, para que todos que o recebam tenham as mesmas liberdades.

3. O Kiva vem SEM NENHUMA GARANTIA, na medida permitida pela lei.

Este resumo é uma ajuda para a leitura, não a licença: só o texto da própria licença, abaixo, tem valor legal.

________________________________________

</translation>
    </message>
    <message>
        <source>Please read the following agreement. Scroll to see the rest of the agreement.</source>
        <translation>Leia o contrato a seguir. Role o texto para ver o restante do contrato.</translation>
    </message>
    <message>
        <source>Do you accept all of the terms of the preceding User License Agreement? If you choose No, you must not use the Software. If you want to use the Software, you must accept this agreement.</source>
        <translation>Você aceita todos os termos do contrato de licença acima? Se escolher Não, você não deve usar o software. Para usar o software, você deve aceitar este contrato.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>To proceed with setup, click Continue.</source>
        <translation>Para prosseguir com a instalação, clique em Continuar.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exit Setup</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Setup will install Zelkora 1.0 in the following directory.</source>
        <translation>O Zelkora 1.0 será instalado no diretório a seguir.</translation>
    </message>
    <message>
        <source>To install to this directory, click Continue.</source>
        <translation>Para instalar neste diretório, clique em Continuar.</translation>
    </message>
    <message>
        <source>To install to a different directory, enter new directory in Destination Directory box.</source>
        <translation>Para instalar em outro diretório, digite-o na caixa Diretório de destino.</translation>
    </message>
    <message>
        <source>You can choose not to install Zelkora 1.0 by clicking Exit Setup.</source>
        <translation>Você pode optar por não instalar o Zelkora 1.0 clicando em Sair.</translation>
    </message>
    <message>
        <source> Destination Directory </source>
        <translation> Diretório de destino </translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>E&amp;xit Setup</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>A copy of the software already exists in the destination directory.</source>
        <translation>Já existe uma cópia do software no diretório de destino.</translation>
    </message>
    <message>
        <source>To install this software again, click Continue.</source>
        <translation>Para instalar este software novamente, clique em Continuar.</translation>
    </message>
    <message>
        <source>To install to a different directory, click Back.</source>
        <translation>Para instalar em outro diretório, clique em Voltar.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Not enough disk space on target drive while attempting to copy files.</source>
        <translation>Não há espaço suficiente na unidade de destino para copiar os arquivos.</translation>
    </message>
    <message>
        <source>To proceed with setup, first free disk space on the target drive and then click Continue.</source>
        <translation>Para prosseguir com a instalação, libere primeiro espaço na unidade de destino e depois clique em Continuar.</translation>
    </message>
    <message>
        <source>Please insert next disk.</source>
        <translation>Insira o próximo disco.</translation>
    </message>
    <message>
        <source>Setup is now in progress...</source>
        <translation>Instalação em andamento...</translation>
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
        <translation>A instalação não terminou. Se você sair do instalador agora,</translation>
    </message>
    <message>
        <source>the program will not be installed.</source>
        <translation>o programa não será instalado.</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>Setup was completely successful !</source>
        <translation>A instalação foi concluída com sucesso!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
