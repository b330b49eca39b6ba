<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<!--
Glossary (English = pt); later texts follow it:
  Animate = Animação
  annotation = anotação
  aspect ratio = proporção
  bridge (of the nose) = dorso nasal
  Browse… = Procurar…
  brush = pincel
  canvas = tela
  Canvas size (working canvas) = Tamanho da tela de trabalho
  Comparison = Comparação
  comparison labels = rótulos de comparação
  configured in Settings = definido em Configurações
  contact information = informações de contato
  crash report = relatório de falha
  crop (noun / verb) = recorte / recortar
  Ctrl, Alt, Shift, key combinations = inalterados (Ctrl+Z, Ctrl+Shift+Z…)
  deformation = deformação
  editing canvas = tela de edição
  editor = editor
  Eraser = Borracha
  feedback = feedback
  Fit = Ajustar
  flip = espelhar
  Grow = Aumentar
  inspector = inspetor
  label (comparison/watermark label) = rótulo
  middle mouse button = botão do meio do mouse
  mouse wheel = roda do mouse
  Original = Original
  Output (editor menu) = Exportar
  Performance = Desempenho
  Pictures (system folder) = Imagens
  Print = Imprimir
  Push = Empurrar
  Reconstruct = Reconstruir
  redo = refazer
  reset = redefinir
  reshape = remodelar (substantivo: remodelagem)
  Save images = Salvar imagens
  Settings = Configurações
  Share = Compartilhar
  Shrink = Encolher
  Simulation = Simulação
  Spacebar = barra de espaço
  still image = imagem estática
  system journal = registro do sistema
  tab = aba
  undo = desfazer
  watermark = marca d'água
  zoom = zoom
Never use (native readers misread them; the check refuses them):
  bridge ≠ dorso: alone it is any back (of the hand, of a book); the nose’s is dorso nasal
-->
<context>
    <name>Veltrano</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 · JPEG</source>
        <translation>%1 · JPEG</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>%1 — Unavailable - Remove</source>
        <translation>%1 — Indisponível - Remover</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1, %2 pt, itálico</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, espelhada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>3 ATALHOS QUE VALE A PENA CONHECER</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Sobre o Veltrano</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>Adicione um rótulo Original ou Simulação para ativar esta opção.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>Adicione informações de contato para ativar esta opção.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>Adicione volume no terço médio da face para um efeito de preenchimento.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>Adicionar texto de várias linhas à Simulação (T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>Adicione texto de várias linhas à Simulação.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>Adicione projeção e volume para um efeito de aumento.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>Ajustar o tamanho do pincel</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>Ajustar o tamanho do pincel (Alt + rolagem com dois dedos ou roda do mouse)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>Todos os atalhos</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>Todas as três abas (3 páginas)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>Todas as três abas — salva 3 arquivos</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + rolagem com dois dedos
ou roda do mouse</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>Não foi possível salvar o vídeo de animação. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>A exportação do vídeo de animação foi cancelada, mas a limpeza requer atenção.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>O vídeo de animação requer uma tela de edição de pelo menos 2 × 2 pixels.</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>Modo Anotar</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>Ferramenta borracha de anotações</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>Ferramentas de anotação</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>Qualquer arquivo existente neste destino foi mantido inalterado.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>Braços</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>Adapta automaticamente os dois limites de tamanho das imagens salvas às dimensões da imagem atual.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>PINCEL</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>TAMANHO DO PINCEL</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Backspace ou Delete</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>Equilibre a resposta da edição e o uso de recursos neste computador.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>Nome de arquivo base (ex.: nome do paciente)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>Mama</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>Passe o pincel sobre uma área alterada para devolvê-la progressivamente ao Original, sem redefinir o restante da simulação.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>Glúteos</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>RECORTE · IMAGEM DE ORIGEM</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>Panturrilhas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>Cancelar uma ação incompleta ou limpar a seleção de anotações</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Cancelar o fechamento do Veltrano</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>Cancelar a abertura de outra imagem</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>Cancelando o salvamento do vídeo…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Tamanho da tela de trabalho</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>Centralizar e ajustar a imagem inteira</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>Centralizar e ajustar a imagem inteira (F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>As alterações feitas aqui também são salvas em Configurações, mesmo que o salvamento das imagens seja cancelado.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>As alterações são salvas automaticamente</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>Bochechas</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>Queixo e mandíbula</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>Escolha uma imagem JPEG, PNG, BMP, TIFF, HEIC ou HEIF.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>Escolha um local para salvar.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>Escolher outra foto local</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>Escolher a cor do desenho e do texto</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>Escolha uma imagem local para recortar. O arquivo original não será alterado.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>Escolha ou solte uma imagem local para abrir a tela de recorte.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>Escolha o destino e as imagens que serão salvas.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>Escolha o destino dos arquivos de imagem salvos.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>Escolha o tipo de arquivo das imagens salvas.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>Escolher a fonte usada pela ferramenta Texto</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>Escolha o enquadramento</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>Escolha as informações incluídas nas imagens salvas.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>Escolha o idioma da interface.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>Escolha o que salvar e onde.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>Escolha onde salvar o vídeo de animação.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>Cinema 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>Ferramenta de anotação círculo</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>Clássico 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fechar mesmo assim</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>Fechar erro do editor de GPU</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>Fechar Salvar imagens</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>Fechar Enviar feedback</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>Fechar Configurações</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>Fechar Compartilhar imagem</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>Fechar Atalhos</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>Fechar o Veltrano sem salvar as alterações na imagem</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>Fechar mensagem de erro</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>Fechar aviso de salvamento</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>Fechar aviso de vídeo salvo</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>Fechar erro ao salvar vídeo</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>Recolher ou expandir o inspetor</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>Recolher ou expandir a barra de ferramentas esquerda</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>Recolher barra de ferramentas (Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>Visualização combinada de Original e Simulação (alternar abas: teclas de seta para a esquerda/direita)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>Imagem de comparação</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>Configurações de rótulos de comparação</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>Rótulos de comparação</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>Dimensão máxima empilhada da Comparação (px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>Informações de contato</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>As informações de contato podem ser adicionadas às imagens compartilhadas com pacientes ou colegas.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>As informações de contato podem ser incluídas em imagens salvas, compartilhadas ou impressas. Digite-as uma vez aqui e escolha, em cada exportação, se deseja incluí-las — por exemplo, ao distribuir imagens para colegas ou pacientes.</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>Configurações de informações de contato</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>Continuar para os aplicativos de compartilhamento da área de trabalho</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>Contrair uma área suavemente (S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>Contraia uma área suavemente em direção ao centro do pincel. Use passadas curtas e controladas para alterações precisas.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>Corrija o texto selecionado mantendo sua aparência e posição.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>Não foi possível decodificar o relatório de falha com tamanho de %lu bytes.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>Não foi possível decodificar o cabeçalho inválido do registro de falha</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>Não foi possível decodificar o registro de falha truncado</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>Não foi possível decodificar a versão incompatível do relatório de falha: %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>O relatório de falha tem uma arquitetura desconhecida</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>O relatório de falha inclui códigos de exceção Mach demais</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>O relatório de falha não contém o campo de identificador do aplicativo da seção Informações do aplicativo</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>O relatório de falha não contém o campo de versão do aplicativo da seção Informações do aplicativo</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>O relatório de falha não contém a seção Informações do aplicativo</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>O relatório de falha não contém a seção Informações da exceção</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>O relatório de falha não contém a seção Informações da exceção Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>O relatório de falha não contém a seção Informações da máquina</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>O relatório de falha não contém a seção Informações do processo</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>O relatório de falha não contém a seção Informações do sinal</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>O relatório de falha não contém o campo de versão do sistema operacional da seção Informações do sistema</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>O relatório de falha não contém a seção Informações do sistema</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>O relatório de falha não contém as informações das imagens binárias</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>O relatório de falha não contém o campo do nome da exceção</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>O relatório de falha não contém o campo do motivo da exceção</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>O relatório de falha não contém a seção de informações do processador</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>O relatório de falha não contém o campo do código do sinal</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>O relatório de falha não contém o campo do nome do sinal</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>O relatório de falha não contém as informações dos quadros de pilha</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>O relatório de falha não contém as informações de símbolos</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>O relatório de falha não contém as informações de estado das threads</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>Relatório de falha não enviado</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>Relatório de falha enviado</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>Relatório de falha indisponível</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>Recortar - Espelhar</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Recortar imagem</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>Prévia do recorte</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>Recorte pronto</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>Aba atual</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>Aba atual (%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>Dimensões atuais da imagem: %1 × %2 px (largura × altura).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>Padrão: “Original” · à esquerda ou embaixo</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>Padrão: “Simulação” · à direita ou em cima</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>Excluir cada objeto de desenho tocado pela borracha (E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>Excluir a anotação selecionada</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dispensar</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>Dispensar mensagem do editor</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>Exibir a imagem em 100%</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Não enviar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>Concluir e fechar Configurações</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>Arraste uma imagem para cá</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>Arraste uma imagem para cá ou abra o navegador de arquivos</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>Projete o queixo para um aumento, ou recolha a linha da mandíbula para afinar o terço inferior do rosto.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>Arraste a área de seleção ou seus cantos, se necessário</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Desenho</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>Desenhar o contorno de um círculo ou elipse</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Desenhe o contorno de um círculo ou elipse na Simulação.
Clique duas vezes em um círculo existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>Desenhar uma anotação à mão livre na Simulação (D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>Desenhe uma linha à mão livre sobre a Simulação.
Clique duas vezes em um desenho existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>Desenhar o contorno de um retângulo</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Desenhe o contorno de um retângulo na Simulação.
Clique duas vezes em um retângulo existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>Desenhar uma linha reta</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>Ferramenta de anotação desenho</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>Desenha uma linha reta.
Clique duas vezes em uma linha existente para selecioná-la e arraste para movê-la.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>Solte para abrir a imagem</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>Orelhas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>Editar a anotação de texto selecionada</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>Editar informações da marca d&apos;água…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Imagem de simulação editável (alternar abas: teclas de seta para a esquerda/direita)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>Tela de edição %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>Visualização da imagem no editor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>Aumente o vermelhão de forma uniforme; mantenha o pincel um pouco maior que o lábio tratado.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>Digite um nome de arquivo base.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>Digite um endereço completo com http:// ou https://, como %1, ou deixe o campo em branco.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>Digite um endereço completo com http:// ou https://, como %1, ou deixe este campo em branco.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>Digite um endereço de e-mail válido ou deixe o campo em branco.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>Digite um endereço de e-mail válido ou deixe este campo em branco.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>Digite um nome de arquivo válido.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>Digite um nome de arquivo válido para o sistema, sem separador de caminho.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>Digite um nome de pasta válido para o sistema, sem separador de caminho.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>Digite um número inteiro de 1 a %1.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>Digite um número inteiro de 2 a %1.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>Escreva seu feedback antes de enviar.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Expand an area smoothly (G)</source>
        <translation>Expandir uma área suavemente (G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>Expanda uma área suavemente a partir do centro do pincel. Construa a alteração com passadas curtas e controladas.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>Expandir barra de ferramentas (Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>Exportar a animação da deformação como MP4</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>As marcas d&apos;água de exportação usam texto branco com contorno preto. As informações de contato aparecem uma vez no canto inferior esquerdo de cada arquivo salvo.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Olhos</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>O feedback deve ter no máximo 5.000 caracteres.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>Feedback recebido</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formato do arquivo</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>Arquivo e saída</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato do arquivo</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Círculo preenchido</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>Ferramenta de anotação círculo preenchido</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Retângulo preenchido</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>Ferramenta de anotação retângulo preenchido</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Espelhar horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Espelhar verticalmente</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>Não é possível abrir pastas aqui. Escolha um único arquivo de imagem.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>Texto livre (por exemplo, um aviso legal)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>Imagem inteira</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>Editor de GPU indisponível</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>Ir para o editor</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>Ferramenta de remodelagem Aumentar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>Ocultar inspetor</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>Uma qualidade maior preserva mais detalhes fotográficos, mas gera um arquivo maior.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Quadris</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>Histórico e seleção</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Segure Alt e role com dois dedos, ou use a roda do mouse</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>Segure o botão do meio do mouse e arraste, ou segure a barra de espaço e arraste</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>Mantenha pressionado o botão do meio do mouse ou a barra de espaço para mover a imagem ampliada.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>INSPETOR</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>Imagem não aberta</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>Imagem não salva</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>Imagem não compartilhada</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>Imagem salva</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>Limpeza após salvar imagens</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>O salvamento das imagens foi cancelado, mas a limpeza requer atenção.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>Imagens salvas</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>Incluir rótulos Original / Simulação</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>Incluir informações de contato</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>Aumente o volume mamário de forma simétrica; trabalhe em pequenas etapas e compare os dois lados.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>Aumente o volume das panturrilhas para uma perna mais definida.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>Imagem JPEG (.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualidade JPEG</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>Comandos de teclado e mouse para editar com rapidez.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulos</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>Imagens em paisagem são empilhadas verticalmente. Este valor limita a altura total; a Simulação fica em cima e o Original embaixo.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>Configurações de idioma</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>Deixe um campo em branco para ocultar o rótulo de marca d&apos;água correspondente em todos os lugares. As alterações são aplicadas imediatamente.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>Eleve o contorno sob o braço com traços curtos.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>Limita o lado mais longo das imagens Original e Simulação quando Auto está desativado. A proporção é preservada.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>Ferramenta de anotação linha</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>Lábios</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>Carregando imagem…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>Vídeo MPEG-4</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>Dimensão máxima da imagem: %1 px. Seleções maiores são reduzidas para manter a edição fluida. Em um computador menos potente, diminua esse limite em Configurações / Desempenho.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>Lado máximo da imagem</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>Botão do meio do mouse + arrastar
ou barra de espaço + arrastar</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>Animação de transformação da imagem original para a de simulação</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>Mover-se por uma imagem ampliada</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>Mover-se por uma imagem ampliada (botão do meio do mouse ou barra de espaço)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>Modo mover imagem</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>Mover os pixels na direção em que você arrasta (P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>Aproxime a orelha da cabeça com traços pequenos e lentos.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>Move a área da imagem dentro do círculo do pincel na direção do arraste. Experimente diferentes tamanhos de pincel e traços lentos até obter o resultado desejado.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>Essenciais</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>O nome deve ter no máximo 100 caracteres.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>Estreite narinas alargadas; trate cada lado separadamente.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>Estreite o dorso nasal com traços curtos para dentro dos dois lados; reduza uma giba dorsal no perfil.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Pescoço</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>Nenhuma das configurações amplia uma imagem Original ou Simulação. Uma imagem de comparação combina dois painéis de imagem, então sua largura ou altura total pode chegar ao dobro da dimensão correspondente da imagem atual.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>Próxima aba do editor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>Nenhum rótulo Original ou Simulação está definido em Configurações.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>Nenhum aplicativo conseguiu abrir a imagem.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>Nenhuma informação de contato está definida em Configurações.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>Nenhum programa de e-mail conseguiu anexar a imagem.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>Nenhuma edição foi feita, então não há alterações para salvar.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>Nenhuma edição foi feita, então não há animação para salvar.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>Nenhuma edição foi feita, então não há nada para animar.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nenhuma pasta selecionada</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>Nenhum atalho disponível</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>Nenhum navegador conseguiu abrir a documentação.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>Nenhum navegador conseguiu abrir a página de suporte.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>Recorte não destrutivo da origem</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Nariz</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>Narinas</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>Não definido em Configurações</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Não selecionado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>Um JPEG, entregue aos aplicativos de compartilhamento instalados.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>Apenas o rótulo Original está definido; a Simulação ficará sem rótulo.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>Apenas o rótulo Simulação está definido; o Original ficará sem rótulo.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Abrir mesmo assim</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Abrir imagem…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>Abrir Salvar imagens</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>Abrir com…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>Abrir outra imagem</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>Abrir outra imagem sem salvar as alterações na imagem</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir pasta de destino</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>Abrir o navegador de arquivos</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>Abrir o recorte selecionado no editor</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>Abrir a impressão do sistema</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>Abrir o menu de compartilhamento do sistema</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>Original + Simulação lado a lado.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>Rótulos Original / Simulação</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>Dimensão máxima de Original e Simulação (px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Imagem original</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>Rótulo da imagem original</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>Rótulo Original</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Imagem original, sem modificações (alternar abas: teclas de seta para a esquerda/direita)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>MOVER A IMAGEM</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>Imagem PNG (.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG é o formato sem perdas padrão, mas gera arquivos maiores.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>PROPRIEDADES</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>Configurações de desempenho</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>Inserir uma anotação de círculo ou elipse preenchida</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Insira um círculo ou elipse preenchido na Simulação.
Clique duas vezes em um círculo existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>Inserir uma anotação de retângulo preenchido</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Insira uma anotação de retângulo preenchido na Simulação. Ela pode ocultar os olhos ou ajudar a anonimizar um paciente.
Clique duas vezes em um retângulo existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>Escolha apenas uma imagem por vez.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>Solte apenas um arquivo de imagem.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>Retrato 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>Imagens em retrato e quadradas são dispostas lado a lado. Este valor limita a largura total; o Original fica à esquerda e a Simulação à direita.</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>Preparando a tela de edição…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>Preparando a imagem para os aplicativos de compartilhamento da área de trabalho</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Prévia:</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>Aba anterior do editor</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>Não foi possível preparar a prévia de impressão. A imagem completa não pôde ser renderizada.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>Não foi possível iniciar a impressão. A imagem completa não pôde ser preparada.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Falha na impressão</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>Privacidade garantida: </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>Devolver progressivamente uma área alterada ao Original (R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>Recolha a região submentoniana para reduzir o queixo duplo.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empurrar</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>Empurre os dois flancos para dentro por igual para um efeito de lipoaspiração ou abdominoplastia.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>Empurre o volume das bochechas para cima e para fora para um efeito de lifting com preenchimento.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>Ferramenta de remodelagem Empurrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Sair do Veltrano</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>Locais recentes</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>Ferramenta de remodelagem Reconstruir</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Retângulo</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>Ferramenta de anotação retângulo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>Refazer a última ação desfeita (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>Refazer a última ação desfeita</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>Reduza o volume mamário para simular uma redução; compare os dois lados.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>Reduza o tamanho aparente de orelhas proeminentes com passadas pequenas e graduais.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>Reduza a ponta nasal com um pincel pequeno.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>Remove os objetos de anotação inteiros tocados pela borracha. A foto e a deformação não são afetadas.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>Reabrir seletor de imagens</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Redefinir tudo</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>Redefinir toda a deformação e as anotações</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>Redefinir orientação</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>Redefinir para a imagem inteira</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>Remodelar</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>Altere a largura dos quadris para fora ou para dentro; mantenha traços simétricos.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>Modo Remodelar</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>Ferramentas de remodelagem</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>Prévias de remodelagem para consultas com pacientes</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>Reiniciar mesmo assim</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>Reiniciar o Veltrano agora</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>Reiniciar o Veltrano sem salvar as alterações na imagem</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>Reinicie o aplicativo para aplicar esta alteração.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>Girar ou espelhar a imagem de origem</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>Girar o recorte para a esquerda</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>Girar o recorte para a direita</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>TEXTO SELECIONADO</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>PROPORÇÃO DA SELEÇÃO</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>TAMANHO DA SELEÇÃO</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>Salvar antes de reiniciar?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>Salvar a imagem antes de fechar</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>Salvar a imagem antes de abrir outra</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>Salvar imagens</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>Salvar imagens…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>Salvar a imagem original, de simulação ou de comparação completa</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>Salvar na pasta Veltrano dentro da pasta Imagens do sistema.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Salvar vídeo</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>Salvar vídeo…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>Tamanho da imagem salva</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Salvo em</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Rolar para a esquerda</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Rolar para a direita</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>Selecionar / Mover</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>Escolher Desenho</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>Escolher Borracha</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>Escolher Aumentar</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>Escolher Empurrar</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>Escolher Reconstruir</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>Escolher Encolher</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>Escolher Texto</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>Ferramenta de seleção ou movimento de anotações</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>Selecionar ou mover anotações</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>Selecione a área que deseja editar. A área mais escura continua visível como contexto, mas será excluída do editor.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>Selecionar a próxima aba do editor</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>Selecionar a aba anterior do editor</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>Selecione a anotação superior sob o ponteiro e arraste-a para reposicioná-la na Simulação.
Você também pode clicar duas vezes em qualquer anotação para selecioná-la sem escolher esta ferramenta.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>Selecionar o objeto de desenho superior e arrastá-lo para movê-lo (V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>Selecionar esta proporção de recorte</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>Selecione qual visualização de imagem você deseja salvar.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selecionado</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Pasta selecionada</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>Informações da pasta selecionada</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>Seleção de %1 por %2 pixels de origem</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>Tamanho da seleção</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar feedback</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>Enviar por e-mail…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Enviar relatório</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>Enviando feedback</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>Enviando feedback…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>Defina o tamanho máximo da tela de trabalho. Imagens menores não são afetadas. Imagens maiores são reduzidas ao tamanho máximo definido aqui.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>Compartilhar imagem</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Compartilhar…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>Não foi possível iniciar o compartilhamento. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>Compartilhamento indisponível</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atalho: %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>Mostrar rótulos das imagens em Comparação</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>Mostrar inspetor</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>Mostrar um pixel da imagem de origem por pixel da tela</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>Mostrar ou ocultar os rótulos de comparação</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>Encolher</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>Ferramenta de remodelagem Encolher</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>Imagem de simulação</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>Rótulo da imagem de simulação</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>Rótulo Simulação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>Aumente levemente a abertura do olho; use um pincel pequeno e aplique o efeito gradualmente.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>Afine bochechas cheias para simular uma bichectomia.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>Afine a linha interna e externa da coxa com traços opostos.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>Redes 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>Foto de origem, sem edição.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>Quadrado 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>Armazenadas localmente neste dispositivo.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>Armazenadas localmente. Nunca incluídas, a menos que você as selecione para essa exportação.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>Espessura do traço</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>Nome da subpasta (opcional)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>Imagens compatíveis: JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>Zoom sincronizado (Ctrl + roda do mouse)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>Ferramenta de anotação texto</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>Obrigado. ID do relatório:
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>Obrigado. Seu feedback foi recebido.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>Não é possível acessar a pasta Imagens.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>Não foi possível colocar o vídeo de animação no local selecionado.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>O vídeo de animação foi salvo com sucesso.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>O nome de arquivo base não pode ser “.” nem “..”.</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>O nome de arquivo base não pode conter quebras de linha, tabulações nem outros caracteres de controle.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>O nome de arquivo base é longo demais para o sistema de arquivos.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>O nome de arquivo base deve ter no máximo 180 caracteres.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>As alterações não foram salvas. Reiniciar agora irá descartá-las.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>Não foi possível preparar a animação completa.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>Não foi possível preparar a imagem completa.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>Não foi possível enviar o relatório de falha. Verifique a conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>Não foi possível ler os dados porque eles não estão no formato correto.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>O disco pode estar cheio ou o local pode estar indisponível.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>Não é possível usar a tela de edição.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>Não foi possível preparar a tela de edição.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>Não foi possível tentar enviar o feedback novamente com segurança. Feche esta caixa de diálogo e tente de novo.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>Não foi possível enviar o feedback porque um ou mais campos são inválidos.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>Não foi possível enviar o feedback. Verifique a conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>O serviço de feedback retornou uma resposta inválida.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>Não foi possível gravar o arquivo. O disco pode estar cheio.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>O gerenciador de arquivos não conseguiu abrir a pasta de destino.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>O gerenciador de arquivos não conseguiu mostrar a imagem.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>Não foi possível copiar a imagem para a área de transferência.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Não foi possível codificar a imagem.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>Não foi possível salvar a imagem. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>Não foi possível compartilhar a imagem. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>A imagem foi salva com sucesso.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>As imagens foram salvas com sucesso.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>O arquivo de imagem original não foi alterado. Feche e abra o Veltrano novamente antes de editar esta imagem outra vez. As alterações feitas na sessão atual do editor não foram salvas.

Se o problema persistir, entre em contato com o suporte pelo endereço %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>O trabalho de impressão falhou.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>Não foi possível carregar a imagem substituta.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>Não foi possível concluir a ação solicitada.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>Não foi possível validar o vídeo de animação salvo.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>Não foi possível validar a imagem salva.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>O arquivo de configurações foi gravado por outra versão do Veltrano.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>A imagem de origem foi alterada depois de aberta. Abra-a novamente antes de editar.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>O nome da subpasta não pode ser “.” nem “..”.</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>O nome da subpasta não pode conter quebras de linha, tabulações nem outros caracteres de controle.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>O nome da subpasta é longo demais para o sistema de arquivos.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>O nome da subpasta deve ter no máximo 255 caracteres.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>O sistema não conseguiu criar ou ler a imagem temporária de compartilhamento.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>O sistema não conseguiu abrir o menu Compartilhar para este aplicativo.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>O sistema não conseguiu gravar ou finalizar o vídeo. O disco pode estar cheio, o local indisponível ou o arquivo em uso.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>O sistema pode ter começado a substituir o arquivo de destino. Verifique o arquivo antes de tentar novamente.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>O sufixo da visualização da aba será acrescentado ao nome de arquivo base.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>A imagem compartilhada temporária está bloqueada e será removida mais tarde.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>Não foi possível preparar a imagem temporária de compartilhamento.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>Não foi possível validar a imagem temporária de compartilhamento.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>Estas configurações opcionais permitem controlar as dimensões em pixels das imagens salvas.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>Não foi possível salvar estas configurações. Elas continuam ativas nesta sessão.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>Estes rótulos de marca d&apos;água aparecem nos cantos superiores da aba Comparação do editor. Você também pode incluí-los em imagens de comparação salvas, compartilhadas e impressas.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Coxas</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>Este computador não conseguiu iniciar o codificador de vídeo H.264.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>Este recorte não é válido. Ajuste-o antes de ir para o editor.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>Não é possível acessar esta pasta. Escolha outro local para salvar.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>Esta pasta é criada dentro do local selecionado. Deixe em branco para salvar diretamente nele.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>Esta pasta não existe mais ou não pode ser acessada. Escolha outro local para salvar.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>Esta pasta não existe mais. Escolha outro local para salvar.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>Não foi possível abrir esta imagem.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>Não foi possível abrir esta imagem. Escolha outra imagem local.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>Não foi possível preparar esta imagem para edição. Ajuste o recorte ou abra a imagem novamente.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>Não foi possível ler esta imagem. Ela pode estar danificada, ou ser incompatível</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>Esta imagem é grande demais para ser aberta com segurança.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>Este caminho é apenas informativo. Use Imagens, Locais recentes ou Procurar para selecionar ou criar outra pasta. Para salvar em uma subpasta, digite o nome dela no campo Nome da subpasta (opcional).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>Esta pasta recente não existe mais ou está desconectada.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>Para parar a animação, selecione outra aba.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>Mostrar/ocultar rótulos de comparação</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Mostrar/ocultar inspetor</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>Mostrar/ocultar rótulos Original/Simulação na aba Comparação (Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>Mostrar/ocultar barra de ferramentas</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>Muitas mensagens de feedback foram enviadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>Dicas de uso</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diâmetro da ferramenta</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>Não foi possível abrir o editor</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>Desfazer a última ação (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>Desfazer a última ação</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>Alterações na imagem não salvas</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>Usar português do Brasil</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>Usar inglês</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>Usar francês</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>Usar italiano</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>Usar japonês</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>Usar coreano</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>Usar chinês simplificado</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>Usar espanhol</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>Usar turco</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>Usar o fluxo de impressão do sistema</translation>
    </message>
    <message>
        <source>Veltrano</source>
        <translation>Veltrano</translation>
    </message>
    <message>
        <source>Veltrano captured a crash from the previous session.

Send a diagnostic report to help identify the cause?

Included:
• App, operating system and build versions
• Crash signal, exception type, thread stacks and registers
• Binary names, load addresses and build IDs for symbolication

Not included:
• Images or project content
• File names or paths
• Contact information, credentials
• Exception reasons, the system journal or system crash reports

Threads: %1
Upload size: %2
Signal: %3 (%4)</source>
        <translation>O Veltrano registrou uma falha na sessão anterior.

Enviar um relatório de diagnóstico para ajudar a identificar a causa?

Incluído:
• Versões do aplicativo, do sistema operacional e da compilação
• Sinal da falha, tipo de exceção, pilhas e registradores das threads
• Nomes dos binários, endereços de carregamento e IDs de compilação para simbolização

Não incluído:
• Imagens ou conteúdo do projeto
• Nomes ou caminhos de arquivos
• Informações de contato, credenciais
• Motivos das exceções, o registro do sistema ou relatórios de falha do sistema

Threads: %1
Tamanho do envio: %2
Sinal: %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Conteúdo do Veltrano</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>O Veltrano não encontrou um nome de arquivo disponível após 999 versões.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>O Veltrano não conseguiu preparar a imagem selecionada para compartilhamento.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>O Veltrano não conseguiu remover seu arquivo de vídeo temporário. Você pode excluí-lo manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>O Veltrano não conseguiu remover sua pasta de vídeo temporária. Você pode excluí-la manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>O Veltrano não conseguiu remover estes arquivos de imagem temporários ou incompletos. Verifique-os manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>O Veltrano não conseguiu reiniciar. Feche e abra o aplicativo novamente.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>O Veltrano detectou uma falha anterior, mas não conseguiu preparar o relatório de diagnóstico. Os registros de falha mantidos pelo sistema continuam disponíveis.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>O Veltrano encontrou um erro inesperado</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Imagem do Veltrano</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>O Veltrano prepara um JPEG e, em seguida, a área de trabalho mostra os aplicativos de compartilhamento compatíveis instalados para esta conta.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>Vertical 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>Vídeo não salvo</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>Salvamento do vídeo cancelado</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>Vídeo salvo</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>Visualização e navegação</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>MARCAS D&apos;ÁGUA</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>O QUE COMPARTILHAR</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Cintura</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>Os rótulos de marca d&apos;água aparecem nos cantos das imagens salvas, inclusive na Comparação. Valores comuns: “Antes / Depois” ou “Original / Simulação”. Valores atuais: %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>Marcas d&apos;água</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>Recomendamos manter o valor padrão. Se a manipulação das imagens parecer lenta em um computador menos potente, tente reduzir o tamanho máximo da imagem para melhorar a resposta. A imagem atual não será redimensionada; esta configuração se aplica à próxima imagem que você abrir.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>Endereço do site</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>O que salvar</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>Onde / O quê</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>Panorâmico 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>Com a ferramenta Texto selecionada, clique na imagem de simulação exatamente onde deseja adicionar o texto.
Clique duas vezes em um texto existente para selecioná-lo e arraste para movê-lo.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>Você já está na aba Animação</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>Você já está na aba Original</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>Não é possível modificar a imagem na aba Animação. Selecione a aba Simulação ou Comparação para editá-la.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>Não é possível modificar a imagem original</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>Seu vídeo de animação está pronto.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>Seu recorte continua disponível.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>Seu recorte continua disponível. Ajuste-o ou tente novamente.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>A imagem atual do editor continua aberta e inalterada.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>Seu resultado atual não foi salvo como imagem. Se você fechar agora, essas alterações no editor serão descartadas.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>Seu resultado atual não foi salvo como imagem. Se você abrir outra imagem agora, essas alterações no editor serão descartadas.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>Seu resultado atual não foi salvo como imagem. Se você reiniciar agora, essas alterações no editor serão descartadas.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>Seu feedback, nome e e-mail serão enviados ao suporte do Veltrano.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>Sua imagem está sendo salva</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>Sua imagem está pronta.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>Suas imagens nunca são enviadas nem transmitidas para nós.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>Suas imagens estão prontas.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>Suas alterações mais recentes não foram salvas.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>Seu resultado remodelado.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>Seu vídeo está sendo salvo</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>Você atingiu o limite de 5 etapas para desfazer. Use Reconstruir para deformações anteriores ou Borracha para remover desenhos anteriores.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>ZOOM NA IMAGEM</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>Zoom de Ajustar até dezesseis vezes Ajustar</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>Aumente o zoom antes de mover a imagem</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>Aumentar o zoom gradualmente</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Aumentar ou diminuir o zoom</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>Diminuir o zoom gradualmente</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– Editar ›</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
</context>
</TS>
