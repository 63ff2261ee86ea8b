<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Sélectionner un dossier</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Traitement par lots</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Écraser les fichiers existants</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Le dossier sélectionné n'existe pas.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Vous n'avez pas l'autorisation d'écrire dans le dossier sélectionné.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Retirer des photos</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Convertir les photos sélectionnées</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Convertir toutes les photos</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Certains fichiers n'ont pas pu être convertis.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>ne peut pas être écrit</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>trop petit pour GIF (au moins 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>endommagé : une partie de l'image manque</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>et %1 de plus</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Filigrane texte</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Filigrane image</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Par largeur</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Par hauteur</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>Pixels/pouce</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Agrandir les petites images</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Redimensionner</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffixe :</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Nouv. nom :</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Exemple :</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Pivoter à droite</translation>
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
        <translation>Filigrane image</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opacité :</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Échelle :</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X :</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y :</translation>
    </message>
    <message>
        <source>IDS_SELECT_WATERMARK</source>
        <translation>Sélectionner un filigrane</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Échec de l'ouverture.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R :</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>V :</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B :</translation>
    </message>
</context>
<context>
    <name>IQBorderFrame</name>
    <message>
        <source>IDS_BASIC_BORDER</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opacité :</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Filigrane texte</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X :</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y :</translation>
    </message>
</context>
<context>
    <name>IQWizardFrame</name>
    <message>
        <source>IDS_IMPORT</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Ou</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Faites glisser vos photos ici</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Appliquer les réglages de conversion</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>px</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 est endommagé : une partie de l'image manque, il n'est donc pas affiché.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Impossible d'exporter le fichier.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Option :</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Exporter l'image actuelle</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Exporter toutes les images</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Exporter l'animation</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualité :</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Appliquer les réglages de conversion</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Le dossier sélectionné n'existe pas.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Vous n'avez pas l'autorisation d'écrire dans le dossier sélectionné.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>FAQ du produit</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contacter le service client</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP convertit photos et animations en WebP, GIF, JPEG, PNG et BMP.</translation>
    </message>
</context>
</TS>
