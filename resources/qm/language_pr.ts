<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Guardar ficheiro</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Substituir ficheiros existentes</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>A pasta selecionada não existe.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Não tem permissão de escrita na pasta selecionada.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Adicionar fotografias</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Remover fotografias</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Iniciar conversão</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Converter fotografias selecionadas</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Converter todas as fotografias</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Não foi possível converter alguns ficheiros.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>não pode ser escrito</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>demasiado pequeno para GIF (pelo menos 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>danificado: falta uma parte da imagem</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>e mais %1</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Rodar</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Marca de água de texto</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Marca de água de imagem</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Pela largura</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Pela altura</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Percentagem</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Píxeis</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>Píxeis/polegada</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Ampliar imagens pequenas</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Redimensionar</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Prefixo:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Sufixo:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Novo nome:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Iniciar em:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Exemplo:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Rodar</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Rodar para a esquerda</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Rodar para a direita</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
</context>
<context>
    <name>IQImageStampFrame</name>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Marca de água de imagem</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opacidade:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Ângulo:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Em cima à esquerda</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Em baixo à esquerda</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Em cima à direita</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Em baixo à direita</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Em cima ao centro</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Em baixo ao centro</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>IDS_SELECT_WATERMARK</source>
        <translation>Selecionar marca de água</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Falha ao abrir.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>IQBorderFrame</name>
    <message>
        <source>IDS_BASIC_BORDER</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Píxeis</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opacidade:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Marca de água de texto</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Cor:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Ângulo:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Em cima à esquerda</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Em baixo à esquerda</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Em cima à direita</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Em baixo à direita</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Em cima ao centro</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Em baixo ao centro</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y:</translation>
    </message>
</context>
<context>
    <name>IQWizardFrame</name>
    <message>
        <source>IDS_IMPORT</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Ou</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Arraste as suas fotografias para aqui</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Aplicar definições de conversão</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>px</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 está danificado: falta uma parte da imagem, por isso não é mostrado.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Não foi possível exportar o ficheiro.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Opção:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Exportar fotograma atual</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Exportar todos os fotogramas</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Exportar animação</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualidade:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Aplicar definições de conversão</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>A pasta selecionada não existe.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Não tem permissão de escrita na pasta selecionada.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Ajuda online</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Perguntas frequentes do produto</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contactar o apoio ao cliente</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Caixa de diálogo</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Não voltar a mostrar</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>O Brivane WebP converte fotografias e animações em WebP, GIF, JPEG, PNG e BMP.</translation>
    </message>
</context>
</TS>
