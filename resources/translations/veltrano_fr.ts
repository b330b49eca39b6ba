<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<!--
Glossary (English = fr); later texts follow it:
  Animate = Animation
  annotation = annotation
  aspect ratio = proportions
  Browse… = Parcourir…
  brush = pinceau
  build (software build) = compilation
  canvas = canevas
  Comparison = Comparaison
  comparison labels = libellés de comparaison
  contact information = coordonnées
  crash report = rapport de plantage
  crop (noun / verb) = recadrage / recadrer
  Ctrl, Alt, Shift, key combinations = inchangés (Ctrl+Z, Ctrl+Shift+Z…)
  deformation = déformation
  editing canvas = canevas d’édition
  editor = éditeur
  Eraser = Gomme
  feedback = commentaires
  Fit = Ajuster
  flip = retourner
  Grow = Agrandir
  inspector = inspecteur
  label (comparison/watermark label) = libellé
  middle mouse button = bouton central de la souris
  mouse wheel = molette de la souris
  Original = Original
  Output (editor menu) = Exporter
  percentage (%1%) = %1 % (espace insécable avant %, comme avant : ; ! ?)
  Performance = Performances
  Pictures (system folder) = Images
  Print = Imprimer
  Push = Pousser
  Reconstruct = Reconstruire
  redo = rétablir
  reset = réinitialiser
  reshape = remodeler (nom : remodelage)
  Save images = Enregistrer les images
  Settings = Paramètres
  Settings (section names, e.g. Language settings) = Paramètres de …
  Share = Partager
  Shrink = Rétrécir
  Simulation = Simulation
  Social (crop preset) = Réseaux
  Spacebar = barre d’espace
  still image = image fixe
  tab = onglet
  undo = annuler
  watermark = filigrane
  zoom = zoom
  zoomed image = image agrandie
-->
<context>
    <name>Veltrano</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
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
        <translation>%1 — Indisponible - Retirer</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, %2 pt, italic</source>
        <translation>%1, %2 pt, italique</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, en miroir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>3 SHORTCUTS WORTH KNOWING</source>
        <translation>3 RACCOURCIS À CONNAÎTRE</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>À propos de Veltrano</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>Ajoutez un libellé Original ou Simulation pour activer cette option.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>Ajoutez des coordonnées pour activer cette option.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>Ajoutez du volume au milieu du visage pour un effet de comblement.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>Ajouter du texte sur plusieurs lignes à la Simulation (T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>Ajoutez du texte sur plusieurs lignes à la Simulation.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>Ajoutez de la projection et du galbe pour un effet d’augmentation.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>Ajuster la taille du pinceau</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>Ajuster la taille du pinceau (Alt + défilement à deux doigts ou molette de la souris)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>Tous les raccourcis</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>Les trois onglets (3 pages)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>Les trois onglets — enregistre 3 fichiers</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + défilement à deux doigts
ou molette de la souris</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>Impossible d’enregistrer la vidéo d’animation. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>L’export de la vidéo d’animation a été annulé, mais le nettoyage nécessite votre attention.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>La vidéo d’animation nécessite un canevas d’édition d’au moins 2 × 2 pixels.</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>Annoter</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>Mode Annotation</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>Outil gomme d’annotation</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>Outils d’annotation</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>Tout fichier existant à cet emplacement est resté inchangé.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>Bras</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>Adapte automatiquement les deux limites de taille des images enregistrées aux dimensions de l’image actuelle.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>PINCEAU</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>TAILLE DU PINCEAU</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Retour arrière ou Suppr</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>Équilibrez la réactivité de l’édition et l’utilisation des ressources de cet ordinateur.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>Nom de fichier de base (p. ex. nom du patient)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>Poitrine</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>Passez le pinceau sur une zone modifiée pour la ramener progressivement vers l’Original, sans réinitialiser le reste de la simulation.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>Fesses</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>RECADRAGE · IMAGE SOURCE</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>Mollets</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>Annuler une action inachevée ou effacer la sélection d’annotation</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Annuler la fermeture de Veltrano</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>Annuler l’ouverture d’une autre image</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>Annulation de l’enregistrement de la vidéo…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Taille du canevas</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>Centrer et ajuster l’image entière</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>Centrer et ajuster l’image entière (F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>Les modifications effectuées ici sont également enregistrées dans les Paramètres, même si l’enregistrement des images est annulé.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>Les modifications sont enregistrées automatiquement</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>Joues</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>Menton et mâchoire</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>Choisissez une image JPEG, PNG, BMP, TIFF, HEIC ou HEIF.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>Choisissez un emplacement d’enregistrement.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>Choisir une autre photo locale</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>Choisir la couleur du dessin et du texte</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>Choisissez une image locale à recadrer. Le fichier original ne sera pas modifié.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>Choisissez ou déposez une image locale pour ouvrir l’écran de recadrage.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>Choisissez la destination et les images à enregistrer.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>Choisissez la destination de vos fichiers image enregistrés.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>Choisissez le type de fichier des images enregistrées.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>Choisir la police de l’outil Texte</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>Choisissez le cadre</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>Choisissez les informations incluses dans les images enregistrées.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>Choisissez la langue de l’interface.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>Choisissez ce que vous voulez enregistrer et où.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>Choisissez où enregistrer la vidéo d’animation.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>Cinéma 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>Outil d’annotation cercle</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>Classique 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>Fermer le message d’erreur de l’éditeur GPU</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>Fermer la fenêtre Enregistrer les images</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>Fermer la fenêtre Envoyer des commentaires</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>Fermer la fenêtre Paramètres</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>Fermer la fenêtre Partager l’image</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>Fermer la fenêtre Raccourcis</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>Fermer Veltrano sans enregistrer les modifications de l’image</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>Fermer le message d’erreur</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>Fermer le message d’enregistrement</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>Fermer le message Vidéo enregistrée</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>Fermer le message d’erreur d’enregistrement de la vidéo</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>Réduire ou développer l’inspecteur</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>Réduire ou développer la barre d’outils de gauche</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>Réduire la barre d’outils (Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>Vue combinée de l’Original et de la Simulation (changer d’onglet : touches fléchées gauche/droite)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>Image de comparaison</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>Paramètres des libellés de comparaison</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>Libellés de comparaison</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>Dimension maximale de la Comparaison empilée (px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>Des coordonnées peuvent être ajoutées aux images partagées avec des patients ou des confrères.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>Vos coordonnées peuvent être incluses dans les images enregistrées, partagées ou imprimées. Saisissez-les une seule fois ici, puis choisissez pour chaque export si vous souhaitez les inclure, par exemple lorsque vous diffusez des images à des confrères ou à des patients.</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>Paramètres des coordonnées</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>Continuer vers les applications de partage du bureau</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>Contracter une zone en douceur (S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>Contractez une zone en douceur vers le centre du pinceau. Procédez par passages courts et maîtrisés pour des modifications précises.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>Corrigez le texte sélectionné tout en conservant son apparence et sa position.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>Impossible de décoder le rapport de plantage d’une taille de %lu octets.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>Impossible de décoder l’en-tête non valide du journal de plantage</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>Impossible de décoder le journal de plantage tronqué</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>Impossible de décoder un rapport de plantage de version non prise en charge : %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>Le rapport de plantage indique une architecture inconnue</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>Le rapport de plantage contient trop de codes d’exception Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>Le rapport de plantage ne contient pas le champ d’identifiant de l’application de la section Informations sur l’application</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>Le rapport de plantage ne contient pas le champ de version de l’application de la section Informations sur l’application</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur l’application</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur l’exception</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur l’exception Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur la machine</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur le processus</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations sur le signal</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>Le rapport de plantage ne contient pas le champ de version du système d’exploitation de la section Informations système</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>Le rapport de plantage ne contient pas la section Informations système</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>Le rapport de plantage ne contient pas les informations sur les images binaires</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>Le rapport de plantage ne contient pas le champ du nom de l’exception</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>Le rapport de plantage ne contient pas le champ du motif de l’exception</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>Le rapport de plantage ne contient pas la section des informations sur le processeur</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>Le rapport de plantage ne contient pas le champ du code du signal</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>Le rapport de plantage ne contient pas le champ du nom du signal</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>Le rapport de plantage ne contient pas les informations sur les trames de pile</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>Le rapport de plantage ne contient pas les informations sur les symboles</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>Le rapport de plantage ne contient pas les informations sur l’état des fils d’exécution</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>Rapport de plantage non envoyé</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>Rapport de plantage envoyé</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>Rapport de plantage indisponible</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recadrage</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>Recadrer - Retourner</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Recadrer l’image</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>Aperçu du recadrage</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>Recadrage prêt</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>Onglet actuel</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>Onglet actuel (%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>Dimensions actuelles de l’image : %1 × %2 px (largeur × hauteur).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>Par défaut : « Original » · à gauche ou en bas</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>Par défaut : « Simulation » · à droite ou en haut</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>Supprimer chaque objet dessiné touché par la gomme (E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>Supprimer l’annotation sélectionnée</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>Masquer le message de l’éditeur</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>Afficher l’image à 100 %</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>Terminer et fermer les Paramètres</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>Faites glisser une image ici</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>Faites glisser une image ici ou ouvrez le navigateur de fichiers</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>Avancez le menton pour une augmentation, ou rentrez la ligne de la mâchoire pour affiner le bas du visage.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>Faites glisser la zone de sélection ou ses coins si nécessaire</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>Tracer le contour d’un cercle ou d’une ellipse</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Tracez le contour d’un cercle ou d’une ellipse sur la Simulation.
Double-cliquez sur un cercle existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>Dessiner une annotation à main levée sur la Simulation (D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>Tracez un trait à main levée sur la Simulation.
Double-cliquez sur un dessin existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>Tracer le contour d’un rectangle</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Tracez le contour d’un rectangle sur la Simulation.
Double-cliquez sur un rectangle existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>Tracer une ligne droite</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>Outil d’annotation dessin</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>Trace une ligne droite.
Double-cliquez sur une ligne existante pour la sélectionner, puis faites-la glisser pour la déplacer.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>Déposez pour ouvrir l’image</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>Oreilles</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>Modifier l’annotation de texte sélectionnée</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>Modifier les informations de filigrane…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Image de simulation modifiable (changer d’onglet : touches fléchées gauche/droite)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>Canevas d’édition %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>Vue de l’image dans l’éditeur</translation>
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
        <translation>Agrandissez le vermillon de façon régulière ; gardez le pinceau un peu plus grand que la lèvre traitée.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>Saisissez un nom de fichier de base.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>Saisissez une adresse complète commençant par http:// ou https://, par exemple %1, ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>Saisissez une adresse complète commençant par http:// ou https://, par exemple %1, ou laissez ce champ vide.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>Saisissez une adresse e-mail valide ou laissez le champ vide.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>Saisissez une adresse e-mail valide ou laissez ce champ vide.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>Saisissez un nom de fichier valide.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>Saisissez un nom de fichier valide pour le système, sans séparateur de chemin.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>Saisissez un nom de dossier valide pour le système, sans séparateur de chemin.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>Saisissez un nombre entier compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>Saisissez un nombre entier compris entre 2 et %1.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>Saisissez vos commentaires avant l’envoi.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Expand an area smoothly (G)</source>
        <translation>Agrandir une zone en douceur (G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>Agrandissez une zone en douceur à partir du centre du pinceau. Procédez par passages courts et maîtrisés pour construire la modification.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>Développer la barre d’outils (Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>Exporter l’animation de déformation au format MP4</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>Les filigranes d’export sont en texte blanc avec un contour noir. Les coordonnées apparaissent une seule fois, en bas à gauche de chaque fichier enregistré.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Yeux</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>Les commentaires ne doivent pas dépasser 5 000 caractères.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>Commentaires reçus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Format de fichier</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>Fichier et export</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Format de fichier</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Cercle plein</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>Outil d’annotation cercle plein</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rectangle plein</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>Outil d’annotation rectangle plein</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>Impossible d’ouvrir un dossier ici. Choisissez un seul fichier image.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>Texte libre (par exemple, un avertissement)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>Image entière</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>Éditeur GPU indisponible</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>Passer à l’éditeur</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>Outil de remodelage Agrandir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>Masquer l’inspecteur</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>Une qualité plus élevée préserve davantage de détails photographiques, mais produit un fichier plus volumineux.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Hanches</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>Historique et sélection</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Maintenez Alt et faites défiler avec deux doigts, ou utilisez la molette de la souris</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>Maintenez le bouton central de la souris et faites glisser, ou maintenez la barre d’espace et faites glisser</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>Maintenez enfoncé le bouton central de la souris ou la barre d’espace pour déplacer l’image agrandie.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>INSPECTEUR</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>Image non ouverte</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>Image non enregistrée</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>Image non partagée</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>Image enregistrée</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>Nettoyage après l’enregistrement des images</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>L’enregistrement des images a été annulé, mais le nettoyage nécessite votre attention.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>Images enregistrées</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>Inclure les libellés Original / Simulation</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>Inclure les coordonnées</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>Augmentez le volume mammaire de façon symétrique ; procédez par petites étapes et comparez les deux côtés.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>Augmentez le volume des mollets pour une jambe plus dessinée.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>Image JPEG (.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualité JPEG</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>Commandes clavier et souris pour éditer rapidement.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellés</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>Les images au format paysage sont empilées verticalement. Cette valeur limite la hauteur totale ; la Simulation est en haut et l’Original en bas.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>Paramètres de langue</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>Laissez un champ vide pour masquer partout le libellé en filigrane correspondant. Les modifications s’appliquent immédiatement.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>Remontez le contour sous le bras par de courts mouvements.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>Limite le plus grand côté des images Original et Simulation lorsque Auto est désactivé. Les proportions sont conservées.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>Outil d’annotation ligne</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>Lèvres</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>Chargement de l’image…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>Vidéo MPEG-4</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>Dimension maximale de l’image : %1 px. Les sélections plus grandes sont réduites pour que l’édition reste fluide. Sur un ordinateur moins puissant, abaissez cette limite dans Paramètres / Performances.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>Côté maximal de l’image</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>Bouton central de la souris + glisser
ou barre d’espace + glisser</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>Animation de morphing de l’image originale vers l’image de simulation</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>Se déplacer dans une image agrandie</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>Se déplacer dans une image agrandie (bouton central de la souris ou barre d’espace)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>Mode de déplacement de l’image</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>Déplacer les pixels dans le sens du glissement (P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>Rapprochez l’oreille de la tête par de petits mouvements lents.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>Déplace la zone de l’image située dans le cercle du pinceau dans le sens du glissement. Essayez différentes tailles de pinceau et des mouvements lents jusqu’à obtenir le résultat souhaité.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>Indispensables</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>Le nom ne doit pas dépasser 100 caractères.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>Affinez des narines évasées ; traitez chaque côté séparément.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>Affinez l’arête par de courts mouvements vers l’intérieur des deux côtés ; atténuez une bosse dorsale de profil.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>Aucun de ces paramètres n’agrandit une image Original ou Simulation. Une image de comparaison combine deux volets d’image : sa largeur ou sa hauteur totale peut donc atteindre le double de la dimension correspondante de l’image actuelle.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>Onglet suivant de l’éditeur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>Aucun libellé Original ou Simulation n’est défini dans les Paramètres.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>Aucune application n’a pu ouvrir l’image.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>Aucune coordonnée n’est définie dans les Paramètres.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>Aucun programme de messagerie n’a pu joindre l’image.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>Aucune modification n’a été apportée : il n’y a rien à enregistrer.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>Aucune modification n’a été apportée : il n’y a aucune animation à enregistrer.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>Aucune modification n’a été apportée : il n’y a rien à animer.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Aucun dossier sélectionné</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>Aucun raccourci disponible</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>Aucun navigateur web n’a pu ouvrir la documentation.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>Aucun navigateur web n’a pu ouvrir la page d’assistance.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>Recadrage non destructif de la source</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Nez</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>Narines</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>Non configuré dans les Paramètres</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non sélectionné</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>Une image JPEG, transmise à vos applications de partage installées.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>Seul le libellé Original est défini ; la Simulation n’aura pas de libellé.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>Seul le libellé Simulation est défini ; l’Original n’aura pas de libellé.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Ouvrir une image…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>Ouvrir Enregistrer les images</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>Ouvrir avec…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>Ouvrir une autre image</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>Ouvrir une autre image sans enregistrer les modifications de l’image</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>Ouvrir le navigateur de fichiers</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>Ouvrir le recadrage sélectionné dans l’éditeur</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>Ouvrir l’impression du système</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>Ouvrir le menu de partage du système</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>Original + Simulation côte à côte.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>Libellés Original / Simulation</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>Dimension maximale Original et Simulation (px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Image originale</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>Libellé de l’image originale</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>Libellé Original</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Image originale, non modifiée (changer d’onglet : touches fléchées gauche/droite)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>DÉPLACER L’IMAGE</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>Image PNG (.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG est le format sans perte par défaut, mais il produit des fichiers plus volumineux.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>PROPRIÉTÉS</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>Paramètres de performances</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>Placer une annotation cercle ou ellipse pleine</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Placez un cercle ou une ellipse pleins sur la Simulation.
Double-cliquez sur un cercle existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>Placer une annotation rectangle plein</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Placez une annotation rectangle plein sur la Simulation. Elle peut servir à masquer les yeux ou à anonymiser un patient.
Double-cliquez sur un rectangle existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>Choisissez une seule image à la fois.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>Déposez un seul fichier image.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>Portrait 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>Les images au format portrait et les images carrées sont placées côte à côte. Cette valeur limite la largeur totale ; l’Original est à gauche et la Simulation à droite.</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>Préparation du canevas d’édition…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>Préparation de l’image pour les applications de partage du bureau</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>Onglet précédent de l’éditeur</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>Impossible de préparer l’aperçu avant impression. L’image complète n’a pas pu être rendue.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>L’impression n’a pas pu démarrer. L’image complète n’a pas pu être préparée.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Échec de l’impression</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>Confidentialité garantie : </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>Ramener progressivement une zone modifiée vers l’Original (R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>Rentrez la zone sous-mentonnière pour réduire un double menton.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pousser</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>Poussez les deux flancs vers l’intérieur de façon égale pour un effet de liposuccion ou d’abdominoplastie.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>Poussez le volume des joues vers le haut et l’extérieur pour un effet liftant de type comblement.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>Outil de remodelage Pousser</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Quitter Veltrano</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>Emplacements récents</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>Reconstruire</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>Outil de remodelage Reconstruire</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>Outil d’annotation rectangle</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>Rétablir la dernière action annulée (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>Rétablir la dernière action annulée</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>Réduisez le volume mammaire pour simuler une réduction ; comparez les deux côtés.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>Réduisez la taille apparente d’oreilles décollées par petits passages progressifs.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>Réduisez la pointe du nez avec un petit pinceau.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>Supprime les objets d’annotation entiers touchés par la gomme. La photo et la déformation ne sont pas modifiées.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>Rouvrir le sélecteur d’image</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>Réinitialiser toutes les déformations et annotations</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>Réinitialiser l’orientation</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>Réinitialiser à l’image entière</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>Remodeler</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>Modifiez la largeur des hanches vers l’extérieur ou l’intérieur ; gardez des mouvements symétriques.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>Mode Remodelage</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>Outils de remodelage</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>Aperçus de remodelage pour les consultations avec vos patients</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>Redémarrer quand même</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>Redémarrer Veltrano maintenant</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>Redémarrer Veltrano sans enregistrer les modifications de l’image</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>Redémarrez l’application pour appliquer cette modification.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>Faire pivoter ou retourner l’image source</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>Faire pivoter le recadrage à gauche</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>Faire pivoter le recadrage à droite</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>TEXTE SÉLECTIONNÉ</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>PROPORTIONS DE LA SÉLECTION</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>TAILLE DE LA SÉLECTION</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>Enregistrer avant de redémarrer ?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>Enregistrer l’image avant de fermer</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>Enregistrer l’image avant d’ouvrir une autre image</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>Enregistrer les images</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>Enregistrer les images…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>Enregistrer l’image originale, de simulation ou de comparaison complète</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>Enregistrer dans le dossier Veltrano du dossier Images du système.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Enregistrer la vidéo</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>Enregistrer la vidéo…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>Taille des images enregistrées</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Enregistré dans</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Faire défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Faire défiler vers la droite</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>Sélection / Déplacement</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>Choisir Dessin</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>Choisir Gomme</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>Choisir Agrandir</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>Choisir Pousser</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>Choisir Reconstruire</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>Choisir Rétrécir</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>Choisir Texte</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Sélectionner le dossier</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>Outil de sélection ou de déplacement d’annotation</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>Sélectionner ou déplacer des annotations</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>Sélectionnez la zone à modifier. La zone plus sombre reste visible pour le contexte, mais sera exclue de l’éditeur.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>Sélectionner l’onglet suivant de l’éditeur</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>Sélectionner l’onglet précédent de l’éditeur</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>Sélectionnez l’annotation située au premier plan sous le pointeur, puis faites-la glisser pour la repositionner sur la Simulation.
Vous pouvez aussi double-cliquer sur une annotation pour la sélectionner sans choisir cet outil.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>Sélectionner l’objet dessiné au premier plan et le faire glisser pour le déplacer (V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>Sélectionner ces proportions de recadrage</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>Sélectionnez la vue d’image à enregistrer.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Sélectionné</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Dossier sélectionné</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>Informations sur le dossier sélectionné</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>Sélection de %1 sur %2 pixels source</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>Taille de la sélection</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer des commentaires</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>Envoyer par e-mail…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>Envoi des commentaires</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>Envoi des commentaires…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>Définissez la taille maximale du canevas de travail. Les images plus petites ne sont pas concernées. Les images plus grandes sont réduites à la taille maximale définie ici.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>Partager l’image</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Partager…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>Le partage n’a pas pu démarrer. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>Partage indisponible</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci : %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>Afficher les libellés des images dans Comparaison</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>Afficher l’inspecteur</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>Afficher un pixel de l’image source par pixel d’affichage</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>Afficher ou masquer les libellés de comparaison</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>Rétrécir</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>Outil de remodelage Rétrécir</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>Image de simulation</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>Libellé de l’image de simulation</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>Libellé Simulation</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>Agrandissez légèrement l’ouverture de l’œil ; utilisez un petit pinceau et appliquez l’effet progressivement.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>Affinez des joues pleines pour simuler une réduction de la boule de Bichat.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>Affinez la ligne intérieure et extérieure de la cuisse par des mouvements opposés.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>Réseaux 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>Photo source, non modifiée.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>Carré 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>Enregistrés localement sur cet appareil.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>Stockées localement. Jamais incluses, sauf si vous les sélectionnez pour cet export.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>Nom du sous-dossier (facultatif)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>Images prises en charge : JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>Zoom synchronisé (Ctrl + molette de la souris)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>Outil d’annotation texte</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>Merci. Identifiant du rapport :
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>Merci. Vos commentaires ont bien été reçus.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>Le dossier Images n’est pas accessible.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>Impossible de placer la vidéo d’animation à l’emplacement sélectionné.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>La vidéo d’animation a bien été enregistrée.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>Le nom de fichier de base ne peut pas être « . » ni « .. ».</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>Le nom de fichier de base ne peut pas contenir de sauts de ligne, de tabulations ni d’autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>Le nom de fichier de base est trop long pour le système de fichiers.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>Le nom de fichier de base doit comporter 180 caractères au maximum.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>Les modifications ne sont pas enregistrées. Elles seront perdues si vous redémarrez maintenant.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>Impossible de préparer l’animation complète.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>Impossible de préparer l’image complète.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>Impossible d’envoyer le rapport de plantage. Vérifiez la connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>Impossible de lire les données, car leur format est incorrect.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>Le disque est peut-être plein ou l’emplacement indisponible.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>Impossible d’utiliser le canevas d’édition.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>Impossible de préparer le canevas d’édition.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>Impossible de renvoyer les commentaires en toute sécurité. Fermez cette fenêtre et réessayez.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>Impossible d’envoyer les commentaires, car un ou plusieurs champs ne sont pas valides.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>Impossible d’envoyer les commentaires. Vérifiez la connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>Le service de commentaires a renvoyé une réponse non valide.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>Impossible d’écrire le fichier. Le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>Le gestionnaire de fichiers n’a pas pu ouvrir le dossier de destination.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>Le gestionnaire de fichiers n’a pas pu afficher l’image.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>L’image n’a pas pu être copiée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Impossible d’encoder l’image.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>Impossible d’enregistrer l’image. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>L’image n’a pas pu être partagée. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>L’image a bien été enregistrée.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>Les images ont bien été enregistrées.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>Le fichier image original n’a pas été modifié. Fermez et rouvrez Veltrano avant de modifier à nouveau cette image. Les modifications apportées dans la session d’édition en cours n’ont pas été enregistrées.

Si le problème persiste, contactez l’assistance à l’adresse %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>La tâche d’impression a échoué.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>Impossible de charger l’image de remplacement.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>Impossible d’effectuer l’action demandée.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>Impossible de valider la vidéo d’animation enregistrée.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>Impossible de valider l’image enregistrée.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>Le fichier de paramètres a été écrit par une autre version de Veltrano.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>L’image source a été modifiée après son ouverture. Rouvrez-la avant de la modifier.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>Le nom du sous-dossier ne peut pas être « . » ni « .. ».</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>Le nom du sous-dossier ne peut pas contenir de sauts de ligne, de tabulations ni d’autres caractères de contrôle.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>Le nom du sous-dossier est trop long pour le système de fichiers.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>Le nom du sous-dossier doit comporter 255 caractères au maximum.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>Le système n’a pas pu créer ou lire l’image temporaire de partage.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>Le système n’a pas pu ouvrir le menu Partager pour cette application.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>Le système n’a pas pu écrire ou finaliser la vidéo. Le disque est peut-être plein, l’emplacement indisponible ou le fichier en cours d’utilisation.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>Le système a peut-être commencé à remplacer le fichier de destination. Vérifiez ce fichier avant de réessayer.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>Le suffixe de la vue de l’onglet sera ajouté au nom de fichier de base.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>L’image partagée temporaire est verrouillée et sera supprimée plus tard.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>L’image temporaire de partage n’a pas pu être préparée.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>L’image temporaire de partage n’a pas pu être vérifiée.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>Ces paramètres facultatifs vous permettent de contrôler les dimensions en pixels de vos images enregistrées.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>Impossible d’enregistrer ces paramètres. Ils restent actifs pour cette session.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>Ces libellés en filigrane apparaissent dans les coins supérieurs de l’onglet Comparaison de l’éditeur. Vous pouvez aussi les inclure dans les images de comparaison enregistrées, partagées et imprimées.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Cuisses</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>Cet ordinateur n’a pas pu démarrer l’encodeur vidéo H.264.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>Ce recadrage n’est pas valide. Ajustez-le avant de passer à l’éditeur.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>Ce dossier n’est pas accessible. Choisissez un autre emplacement d’enregistrement.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>Ce dossier est créé dans l’emplacement sélectionné. Laissez vide pour enregistrer directement à cet emplacement.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>Ce dossier n’existe plus ou n’est pas accessible. Choisissez un autre emplacement d’enregistrement.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>Ce dossier n’existe plus. Choisissez un autre emplacement d’enregistrement.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>Impossible d’ouvrir cette image.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>Impossible d’ouvrir cette image. Choisissez une autre image locale.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>Impossible de préparer cette image pour l’édition. Ajustez le recadrage ou rouvrez l’image.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>Impossible de lire cette image. Elle est peut-être endommagée, ou incompatible</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>Cette image est trop volumineuse pour être ouverte en toute sécurité.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>Ce chemin est affiché à titre indicatif. Utilisez Images, Emplacements récents ou Parcourir pour sélectionner ou créer un autre dossier. Pour enregistrer dans un sous-dossier, saisissez son nom dans le champ Nom du sous-dossier (facultatif).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>Ce dossier récent n’existe plus ou est déconnecté.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>Pour arrêter l’animation, sélectionnez un autre onglet.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>Afficher/masquer les libellés de comparaison</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Afficher/masquer l’inspecteur</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>Afficher/masquer les libellés Original/Simulation dans l’onglet Comparaison (Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>Afficher/masquer la barre d’outils</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>Trop de commentaires ont été envoyés. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>Conseils d’utilisation</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diamètre de l’outil</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>Impossible d’ouvrir l’éditeur</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>Annuler la dernière action (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>Modifications de l’image non enregistrées</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>Utiliser le portugais du Brésil</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>Utiliser l’anglais</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>Utiliser le français</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>Utiliser l’italien</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>Utiliser le japonais</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>Utiliser le coréen</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>Utiliser le chinois simplifié</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>Utiliser l’espagnol</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>Utiliser le turc</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>Utiliser l’impression du système</translation>
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
        <translation>Veltrano a détecté un plantage lors de la session précédente.

Envoyer un rapport de diagnostic pour aider à en identifier la cause ?

Inclus :
• Versions de l’application, du système d’exploitation et de la compilation
• Signal de plantage, type d’exception, piles et registres des fils d’exécution
• Noms des binaires, adresses de chargement et identifiants de compilation pour la symbolisation

Non inclus :
• Images ou contenu des projets
• Noms ou chemins de fichiers
• Coordonnées, identifiants de connexion
• Motifs des exceptions, journal du système ou rapports de plantage du système

Fils d’exécution : %1
Taille de l’envoi : %2
Signal : %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Contenu Veltrano</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>Veltrano n’a trouvé aucun nom de fichier disponible après 999 versions.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano n’a pas pu préparer l’image sélectionnée pour le partage.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano n’a pas pu supprimer son fichier vidéo temporaire. Vous pouvez le supprimer manuellement :</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano n’a pas pu supprimer son dossier vidéo temporaire. Vous pouvez le supprimer manuellement :</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano n’a pas pu supprimer ces fichiers image temporaires ou incomplets. Vérifiez-les manuellement :</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano n’a pas pu redémarrer. Fermez puis rouvrez l’application.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano a détecté un plantage précédent, mais n’a pas pu préparer son rapport de diagnostic. Tout enregistrement de plantage conservé par le système reste disponible.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano a rencontré une erreur inattendue</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Image Veltrano</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano prépare une image JPEG, puis le bureau affiche les applications de partage compatibles installées pour ce compte.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>Vertical 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>Vidéo non enregistrée</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>Enregistrement de la vidéo annulé</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>Vidéo enregistrée</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>Affichage et navigation</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>FILIGRANES</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>CONTENU À PARTAGER</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>Les libellés en filigrane apparaissent dans les coins des images enregistrées, y compris la Comparaison. Valeurs courantes : « Avant / Après » ou « Original / Simulation ». Valeurs actuelles : %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>Filigranes</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>Nous vous recommandons de conserver la valeur par défaut. Si la manipulation des images semble lente sur un ordinateur moins puissant, essayez de réduire la taille maximale des images pour améliorer la réactivité. L’image actuelle ne sera pas redimensionnée ; ce paramètre s’applique à la prochaine image que vous ouvrirez.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>Adresse du site web</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>Contenu à enregistrer</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>Où / Quoi</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>Large 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>Avec l’outil Texte sélectionné, cliquez sur l’image de simulation à l’endroit exact où ajouter votre texte.
Double-cliquez sur un texte existant pour le sélectionner, puis faites-le glisser pour le déplacer.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>Vous êtes déjà dans l’onglet Animation</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>Vous êtes déjà dans l’onglet Original</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>Vous ne pouvez pas modifier l’image dans l’onglet Animation. Sélectionnez l’onglet Simulation ou Comparaison pour la modifier.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>Vous ne pouvez pas modifier l’image originale</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>Votre vidéo d’animation est prête.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>Votre recadrage reste disponible.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>Votre recadrage reste disponible. Ajustez-le ou réessayez.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>L’image ouverte dans l’éditeur reste ouverte et inchangée.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>Votre résultat actuel n’a pas été enregistré en tant qu’image. Si vous fermez maintenant, ces modifications dans l’éditeur seront perdues.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>Votre résultat actuel n’a pas été enregistré en tant qu’image. Si vous ouvrez une autre image maintenant, ces modifications dans l’éditeur seront perdues.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>Votre résultat actuel n’a pas été enregistré en tant qu’image. Si vous redémarrez maintenant, ces modifications dans l’éditeur seront perdues.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>Vos commentaires, votre nom et votre adresse e-mail seront envoyés à l’assistance Veltrano.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>Votre image est en cours d’enregistrement</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>Votre image est prête.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>Vos images ne nous sont jamais envoyées ni transmises.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>Vos images sont prêtes.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>Vos dernières modifications n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>Votre résultat remodelé.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>Votre vidéo est en cours d’enregistrement</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>Vous avez atteint la limite de 5 annulations. Utilisez Reconstruire pour les déformations antérieures, ou Gomme pour effacer les dessins antérieurs.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>ZOOM SUR L’IMAGE</translation>
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
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>Zoom de la taille ajustée à seize fois cette taille</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>Zoomez avant de déplacer l’image</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>Zoom avant progressif</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Zoom avant ou arrière</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>Zoom arrière progressif</translation>
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
        <translation>inconnue</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– Modifier ›</translation>
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
