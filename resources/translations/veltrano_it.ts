<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<!--
Glossary (English = it); later texts follow it:
  Animate = Animazione
  annotation = annotazione
  aspect ratio = proporzioni
  bridge (of the nose) = dorso nasale
  Browse… = Sfoglia…
  brush = pennello
  canvas = tela
  Comparison = Confronto
  comparison labels = etichette di confronto
  contact information = informazioni di contatto
  crash report = segnalazione di arresto anomalo
  crop (noun / verb) = ritaglio / ritagliare
  Ctrl, Alt, Shift, key combinations = invariati (Ctrl+Z, Ctrl+Shift+Z…)
  deformation = deformazione
  disclaimer = avvertenza
  Dismiss = Chiudi
  editing canvas = tela di modifica
  editor = editor
  Eraser = Gomma
  feedback = feedback
  Fit = Adatta
  flip = riflettere
  Grow = Espandi
  inspector = ispettore
  label (comparison/watermark label) = etichetta
  middle mouse button = tasto centrale del mouse
  mouse wheel = rotellina del mouse
  Original = Originale
  Output (editor menu) = Esporta
  Performance = Prestazioni
  Pictures (system folder) = Immagini
  Print = Stampa
  Push = Spingi
  Reconstruct = Ricostruisci
  redo = ripeti
  reset = reimposta
  reshape = rimodellare (sostantivo: rimodellamento)
  Save images = Salva immagini
  Settings = Impostazioni
  Share = Condividi
  Shrink = Contrai
  Simulation = Simulazione
  size (of an image or a selection) = dimensioni
  Spacebar = barra spaziatrice
  still image = immagine fissa
  tab = scheda
  undo = annulla
  watermark = filigrana
  zoom = zoom
Never use (native readers misread them; the check refuses them):
  Dismiss ≠ Ignora: means “ignore”; Dismiss is Chiudi
  bridge ≠ dorso: alone it is any back (of the hand, of a book); the nose’s is dorso nasale
  Pull ≠ Rientra: rientrare is “to go back in” and takes no object; say Spingi verso l’interno
  pull ≠ rientra: the same inside a sentence: spingi verso l’interno
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
        <translation>%1 byte</translation>
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
        <translation>%1 — Non disponibile - Rimuovi</translation>
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
        <translation>%1, %2 pt, corsivo</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, riflessa</translation>
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
        <translation>3 SCORCIATOIE DA CONOSCERE</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Informazioni su Veltrano</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>Aggiungi un’etichetta Originale o Simulazione per attivare questa opzione.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>Aggiungi le informazioni di contatto per attivare questa opzione.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>Aggiungi volume al terzo medio del viso per un effetto riempitivo.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>Aggiungi testo su più righe alla Simulazione (T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>Aggiungi testo su più righe alla Simulazione.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>Aggiungi proiezione e rotondità per un effetto di aumento.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>Regola la dimensione del pennello</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>Regola la dimensione del pennello (Alt + scorrimento con due dita o rotellina del mouse)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>Tutte le scorciatoie</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>Tutte e tre le schede (3 pagine)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>Tutte e tre le schede — salva 3 file</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + scorrimento con due dita
o rotellina del mouse</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>Impossibile salvare il video dell’animazione. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>L’esportazione del video dell’animazione è stata annullata, ma la pulizia richiede attenzione.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>Il video dell’animazione richiede una tela di modifica di almeno 2 × 2 pixel.</translation>
    </message>
    <message>
        <source>Annotate</source>
        <translation>Annota</translation>
    </message>
    <message>
        <source>Annotate mode</source>
        <translation>Modalità Annota</translation>
    </message>
    <message>
        <source>Annotation eraser tool</source>
        <translation>Strumento gomma per annotazioni</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>Strumenti di annotazione</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>Eventuali file già presenti in questa destinazione non sono stati modificati.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>Braccia</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>Adatta automaticamente entrambi i limiti di dimensione delle immagini salvate alle dimensioni dell’immagine attuale.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>PENNELLO</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>DIMENSIONE PENNELLO</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Backspace o Canc</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>Bilancia la reattività della modifica e l’uso delle risorse su questo computer.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>Nome file di base (ad es. nome del paziente)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>Passa il pennello su un’area modificata per riportarla gradualmente verso l’Originale, senza reimpostare il resto della simulazione.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>Glutei</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>RITAGLIO · IMMAGINE DI ORIGINE</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>Polpacci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>Annulla un’azione incompleta o cancella la selezione dell’annotazione</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Annulla la chiusura di Veltrano</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>Annulla l’apertura di un’altra immagine</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>Annullamento del salvataggio del video…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Dimensioni tela</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>Centra e adatta l’intera immagine</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>Centra e adatta l’immagine intera (F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>Le modifiche apportate qui vengono salvate anche nelle Impostazioni, anche se il salvataggio delle immagini viene annullato.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>Le modifiche vengono salvate automaticamente</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>Guance</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>Mento e mandibola</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>Scegli un’immagine JPEG, PNG, BMP, TIFF, HEIC o HEIF.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>Scegli una posizione di salvataggio.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>Scegli un’altra foto locale</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>Scegli il colore del disegno e del testo</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>Scegli un’immagine locale da ritagliare. Il file originale non verrà modificato.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>Scegli o rilascia un’immagine locale per aprire la schermata di ritaglio.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>Scegli la destinazione e le immagini da salvare.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>Scegli la destinazione dei file immagine salvati.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>Scegli il tipo di file per le immagini salvate.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>Scegli il font usato dallo strumento Testo</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>Scegli l’inquadratura</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>Scegli le informazioni incluse nelle immagini salvate.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>Scegli la lingua dell’interfaccia.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>Scegli cosa salvare e dove.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>Scegli dove salvare il video dell’animazione.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>Cinema 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>Strumento annotazione cerchio</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>Classico 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Chiudi comunque</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>Chiudi l’errore dell’editor GPU</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>Chiudi Salva immagini</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>Chiudi Invia feedback</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>Chiudi Impostazioni</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>Chiudi Condividi immagine</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>Chiudi Scorciatoie</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>Chiudi Veltrano senza salvare le modifiche all’immagine</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>Chiudi il messaggio di errore</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>Chiudi l’avviso di salvataggio</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>Chiudi l’avviso di video salvato</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>Chiudi l’errore di salvataggio del video</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>Comprimi o espandi l’ispettore</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>Comprimi o espandi la barra degli strumenti a sinistra</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>Comprimi la barra degli strumenti (Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>Vista combinata di Originale e Simulazione (cambia scheda: tasti freccia sinistra/destra)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>Immagine di confronto</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>Impostazioni delle etichette di confronto</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>Etichette di confronto</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>Dimensione massima del Confronto impilato (px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>Informazioni di contatto</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>Le informazioni di contatto possono essere aggiunte alle immagini condivise con pazienti o colleghi.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>Le informazioni di contatto possono essere incluse nelle immagini salvate, condivise o stampate. Inseriscile una volta qui, poi scegli per ogni esportazione se includerle, ad esempio quando distribuisci immagini a colleghi o pazienti.</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>Impostazioni delle informazioni di contatto</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>Continua con le app di condivisione del desktop</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>Contrai un’area in modo graduale (S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>Contrai un’area in modo graduale verso il centro del pennello. Usa passate brevi e controllate per modifiche precise.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>Correggi il testo selezionato mantenendone aspetto e posizione.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>Impossibile decodificare la segnalazione di arresto anomalo di %lu byte.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>Impossibile decodificare l’intestazione non valida del registro dell’arresto anomalo</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>Impossibile decodificare il registro dell’arresto anomalo troncato</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>Impossibile decodificare la versione non supportata della segnalazione di arresto anomalo: %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>La segnalazione di arresto anomalo indica un’architettura sconosciuta</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>La segnalazione di arresto anomalo include troppi codici di eccezione Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo dell’identificativo dell’app nella sezione Informazioni sull’applicazione</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo della versione dell’app nella sezione Informazioni sull’applicazione</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sull’applicazione</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sull’eccezione</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sull’eccezione Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sulla macchina</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sul processo</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni sul segnale</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo della versione del sistema operativo nella sezione Informazioni di sistema</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione Informazioni di sistema</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>Nella segnalazione di arresto anomalo mancano le informazioni sulle immagini binarie</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo del nome dell’eccezione</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo del motivo dell’eccezione</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>Nella segnalazione di arresto anomalo manca la sezione delle informazioni sul processore</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo del codice del segnale</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>Nella segnalazione di arresto anomalo manca il campo del nome del segnale</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>Nella segnalazione di arresto anomalo mancano le informazioni sugli stack frame</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>Nella segnalazione di arresto anomalo mancano le informazioni sui simboli</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>Nella segnalazione di arresto anomalo mancano le informazioni sullo stato dei thread</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>Segnalazione di arresto anomalo non inviata</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>Segnalazione di arresto anomalo inviata</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>Segnalazione di arresto anomalo non disponibile</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Ritaglio</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>Ritaglia - Rifletti</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Ritaglia immagine</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>Anteprima del ritaglio</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>Ritaglio pronto</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>Scheda attuale</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>Scheda attuale (%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>Dimensioni attuali dell’immagine: %1 × %2 px (larghezza × altezza).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>Predefinita: “Originale” · a sinistra o in basso</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>Predefinita: “Simulazione” · a destra o in alto</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>Elimina ogni oggetto disegnato toccato dalla gomma (E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>Elimina l’annotazione selezionata</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>Chiudi il messaggio dell’editor</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>Mostra l’immagine al 100%</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentazione</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Non inviare</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>Termina e chiudi Impostazioni</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>Trascina qui un’immagine</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>Trascina qui un’immagine o apri il browser dei file</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>Porta in avanti il mento per un aumento, o spingi verso l’interno la linea mandibolare per snellire il terzo inferiore del viso.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>Trascina l’area di selezione o i suoi angoli, se necessario</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Disegno</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>Disegna il contorno di un cerchio o di un’ellisse</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Disegna il contorno di un cerchio o di un’ellisse sulla Simulazione.
Fai doppio clic su un cerchio esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>Disegna un’annotazione a mano libera sulla Simulazione (D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>Disegna una linea a mano libera sulla Simulazione.
Fai doppio clic su un disegno esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>Disegna il contorno di un rettangolo</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Disegna il contorno di un rettangolo sulla Simulazione.
Fai doppio clic su un rettangolo esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>Disegna una linea retta</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>Strumento annotazione disegno</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>Disegna una linea retta.
Fai doppio clic su una linea esistente per selezionarla, poi trascinala per spostarla.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>Rilascia per aprire l’immagine</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>Orecchie</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Edit text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Edit the selected text annotation</source>
        <translation>Modifica l’annotazione di testo selezionata</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>Modifica le informazioni della filigrana…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Immagine di simulazione modificabile (cambia scheda: tasti freccia sinistra/destra)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>Tela di modifica %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>Vista dell’immagine nell’editor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>Ingrandisci il vermiglio in modo uniforme; tieni il pennello leggermente più grande del labbro trattato.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>Inserisci un nome file di base.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>Inserisci un indirizzo completo con http:// o https://, ad esempio %1, oppure lascia vuoto il campo.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>Inserisci un indirizzo completo con http:// o https://, ad esempio %1, oppure lascia vuoto questo campo.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>Inserisci un indirizzo email valido o lascia vuoto il campo.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>Inserisci un indirizzo email valido o lascia vuoto questo campo.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>Inserisci un nome file valido.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>Inserisci un nome file valido per il sistema, senza separatori di percorso.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>Inserisci un nome cartella valido per il sistema, senza separatori di percorso.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>Inserisci un numero intero da 1 a %1.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>Inserisci un numero intero da 2 a %1.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>Scrivi il tuo feedback prima di inviarlo.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
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
        <translation>Espandi un’area in modo graduale (G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>Espandi un’area in modo graduale dal centro del pennello. Costruisci la modifica con passate brevi e controllate.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>Espandi la barra degli strumenti (Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>Esporta l’animazione della deformazione in MP4</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>Le filigrane di esportazione usano testo bianco con contorno nero. Le informazioni di contatto compaiono una sola volta in basso a sinistra in ogni file salvato.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Occhi</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>Il feedback non può superare i 5.000 caratteri.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>Feedback ricevuto</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formato file</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>File ed esportazione</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato file</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Cerchio pieno</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>Strumento annotazione cerchio pieno</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rettangolo pieno</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>Strumento annotazione rettangolo pieno</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Rifletti orizzontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Rifletti verticalmente</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>Qui non è possibile aprire cartelle. Scegli un solo file immagine.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
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
        <translation>Libero</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>Testo libero (ad esempio, un’avvertenza)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>Immagine intera</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>Editor GPU non disponibile</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>Vai all’editor</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>Espandi</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>Strumento di rimodellamento Espandi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>Nascondi ispettore</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>Una qualità più alta preserva più dettagli fotografici, ma produce un file più grande.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Fianchi</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>Cronologia e selezione</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Tieni premuto Alt e scorri con due dita, oppure usa la rotellina del mouse</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>Tieni premuto il tasto centrale del mouse e trascina, oppure tieni premuta la barra spaziatrice e trascina</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>Tieni premuto il tasto centrale del mouse o la barra spaziatrice per spostare l’immagine ingrandita.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>ISPETTORE</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>Immagine non aperta</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>Immagine non salvata</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>Immagine non condivisa</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>Immagine salvata</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>Pulizia dopo il salvataggio delle immagini</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>Il salvataggio delle immagini è stato annullato, ma la pulizia richiede attenzione.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>Immagini salvate</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>Includi etichette Originale / Simulazione</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>Includi informazioni di contatto</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>Aumenta il volume del seno in modo simmetrico; procedi a piccoli passi e confronta i due lati.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>Aumenta il volume dei polpacci per una gamba più definita.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>Immagine JPEG (.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualità JPEG</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>Comandi da tastiera e mouse per modificare rapidamente.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>Le immagini orizzontali vengono impilate verticalmente. Questo valore limita l’altezza totale; la Simulazione è sopra e l’Originale sotto.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>Impostazioni della lingua</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>Lascia vuoto un campo per nascondere ovunque la relativa etichetta in filigrana. Le modifiche vengono applicate subito.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>Solleva il profilo sotto il braccio con tratti brevi.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>Limita il lato più lungo delle immagini Originale e Simulazione quando Auto è disattivato. Le proporzioni vengono mantenute.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>Strumento annotazione linea</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>Labbra</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>Caricamento immagine…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>Filmato MPEG-4</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>Dimensione massima dell’immagine: %1 px. Le selezioni più grandi vengono ridotte per mantenere fluida la modifica. Su un computer meno potente, abbassa questo limite in Impostazioni / Prestazioni.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>Lato massimo dell’immagine</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>Tasto centrale del mouse + trascina
o barra spaziatrice + trascina</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>Animazione di morphing dall’immagine originale a quella di simulazione</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>Sposta un’immagine ingrandita</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>Sposta un’immagine ingrandita (tasto centrale del mouse o barra spaziatrice)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>Modalità di spostamento dell’immagine</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>Sposta i pixel nella direzione del trascinamento (P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>Avvicina l’orecchio alla testa con tratti piccoli e lenti.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>Sposta l’area dell’immagine all’interno del cerchio del pennello nella direzione del trascinamento. Prova diverse dimensioni del pennello e tratti lenti fino a ottenere il risultato desiderato.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>Indispensabili</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>Il nome non può superare i 100 caratteri.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>Restringi le narici svasate; tratta ogni lato separatamente.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>Restringi il dorso nasale con brevi tratti verso l’interno da entrambi i lati; riduci un gibbo dorsale di profilo.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Collo</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>Nessuna delle due impostazioni ingrandisce un’immagine Originale o Simulazione. Un’immagine di confronto combina due riquadri, quindi la sua larghezza o altezza totale può arrivare al doppio della dimensione corrispondente dell’immagine attuale.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>Scheda successiva dell’editor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>Nessuna etichetta Originale o Simulazione configurata nelle Impostazioni.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>Nessuna app è riuscita ad aprire l’immagine.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>Nessuna informazione di contatto configurata nelle Impostazioni.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>Nessun programma di posta elettronica è riuscito ad allegare l’immagine.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>Non è stata apportata alcuna modifica, quindi non ci sono modifiche da salvare.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>Non è stata apportata alcuna modifica, quindi non c’è alcuna animazione da salvare.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>Non è stata apportata alcuna modifica, quindi non c’è nulla da animare.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Nessuna cartella selezionata</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>Nessuna scorciatoia disponibile</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>Nessun browser web è riuscito ad aprire la documentazione.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>Nessun browser web è riuscito ad aprire la pagina di assistenza.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>Ritaglio non distruttivo dell’origine</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Naso</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>Narici</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>Non configurato nelle Impostazioni</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non selezionato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>Un JPEG, passato alle app di condivisione installate.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>È impostata solo l’etichetta Originale; la Simulazione non avrà alcuna etichetta.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>È impostata solo l’etichetta Simulazione; l’Originale non avrà alcuna etichetta.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Apri comunque</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Apri immagine…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>Apri Salva immagini</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>Apri con…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>Apri un’altra immagine</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>Apri un’altra immagine senza salvare le modifiche all’immagine</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Apri la cartella di destinazione</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>Apri il browser dei file</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>Apri il ritaglio selezionato nell’editor</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>Apri la stampa di sistema</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>Apri il menu di condivisione del sistema</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>Originale + Simulazione affiancate.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>Etichette Originale / Simulazione</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>Dimensione massima di Originale e Simulazione (px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Immagine originale</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>Etichetta dell’immagine originale</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>Etichetta Originale</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Immagine originale, non modificata (cambia scheda: tasti freccia sinistra/destra)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>SPOSTA IMMAGINE</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>Immagine PNG (.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG è il formato predefinito senza perdita di qualità, ma produce file più grandi.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>PROPRIETÀ</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>Impostazioni delle prestazioni</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>Inserisci un’annotazione cerchio o ellisse piena</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Inserisci un cerchio o un’ellisse pieni sulla Simulazione.
Fai doppio clic su un cerchio esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>Inserisci un’annotazione rettangolo pieno</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Inserisci un’annotazione rettangolo pieno sulla Simulazione. Può servire a coprire gli occhi o ad anonimizzare un paziente.
Fai doppio clic su un rettangolo esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>Scegli una sola immagine alla volta.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>Rilascia un solo file immagine.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>Ritratto 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>Le immagini verticali e quadrate vengono affiancate. Questo valore limita la larghezza totale; l’Originale è a sinistra e la Simulazione a destra.</translation>
    </message>
    <message>
        <source>Português (Brasil)</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Preparing editing canvas…</source>
        <translation>Preparazione della tela di modifica…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>Preparazione dell’immagine per le app di condivisione del desktop</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>Scheda precedente dell’editor</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>Impossibile preparare l’anteprima di stampa. Non è stato possibile eseguire il rendering dell’immagine completa.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>Impossibile avviare la stampa. Non è stato possibile preparare l’immagine completa.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Stampa non riuscita</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>Privacy garantita: </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>Riporta gradualmente un’area modificata verso l’Originale (R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>Spingi verso l’interno la zona sottomentoniera per ridurre il doppio mento.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Spingi</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>Spingi entrambi i fianchi verso l’interno in modo uniforme per un effetto liposuzione o addominoplastica.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>Spingi il volume delle guance verso l’alto e verso l’esterno per un effetto lifting da filler.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>Strumento di rimodellamento Spingi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Esci da Veltrano</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>Posizioni recenti</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>Ricostruisci</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>Strumento di rimodellamento Ricostruisci</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>Strumento annotazione rettangolo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>Ripeti l’ultima azione annullata (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>Ripeti l’ultima azione annullata</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>Riduci il volume del seno per simulare una riduzione; confronta i due lati.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>Riduci la dimensione apparente delle orecchie prominenti con passate piccole e graduali.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>Riduci la punta del naso con un pennello piccolo.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>Rimuove gli oggetti di annotazione interi toccati dalla gomma. La foto e la deformazione non vengono modificate.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>Riapri selezione immagine</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Reimposta tutto</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>Reimposta tutte le deformazioni e le annotazioni</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>Reimposta l’orientamento</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>Reimposta all’immagine intera</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>Rimodella</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>Modifica la larghezza dei fianchi verso l’esterno o l’interno; mantieni tratti simmetrici.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>Modalità Rimodella</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>Strumenti di rimodellamento</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>Anteprime di rimodellamento per i consulti con i pazienti</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>Riavvia comunque</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>Riavvia Veltrano ora</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>Riavvia Veltrano senza salvare le modifiche all’immagine</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>Riavvia l’app per applicare questa modifica.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>Ruota o rifletti l’immagine di origine</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>Ruota il ritaglio a sinistra</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>Ruota il ritaglio a destra</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>TESTO SELEZIONATO</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>PROPORZIONI DELLA SELEZIONE</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>DIMENSIONI DELLA SELEZIONE</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>Salvare prima di riavviare?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>Salva l’immagine prima di chiudere</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>Salva l’immagine prima di aprirne un’altra</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>Salva immagini</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>Salva immagini…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>Salva l’immagine originale, di simulazione o di confronto completa</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>Salva nella cartella Veltrano all’interno della cartella Immagini del sistema.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Salva video</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>Salva video…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>Dimensioni dell’immagine salvata</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Salvato in</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Scorri a sinistra</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Scorri a destra</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>Seleziona / Sposta</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>Scegli Disegno</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>Scegli Gomma</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>Scegli Espandi</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>Scegli Spingi</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>Scegli Ricostruisci</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>Scegli Contrai</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>Scegli Testo</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>Strumento di selezione o spostamento delle annotazioni</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>Seleziona o sposta le annotazioni</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>Seleziona l’area da modificare. L’area più scura resta visibile come contesto, ma verrà esclusa dall’editor.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>Seleziona la scheda successiva dell’editor</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>Seleziona la scheda precedente dell’editor</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>Seleziona l’annotazione in primo piano sotto il puntatore, poi trascinala per riposizionarla sulla Simulazione.
Puoi anche fare doppio clic su un’annotazione per selezionarla senza scegliere prima questo strumento.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>Seleziona l’oggetto disegnato in primo piano e trascinalo per spostarlo (V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>Seleziona queste proporzioni di ritaglio</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>Seleziona la vista dell’immagine da salvare.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selezionato</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Cartella selezionata</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>Informazioni sulla cartella selezionata</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>Selezione di %1 per %2 pixel di origine</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>Dimensioni della selezione</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Invia feedback</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>Invia per email…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Invia segnalazione</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>Invio del feedback</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>Invio del feedback…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Invio…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>Imposta la dimensione massima della tela di lavoro. Le immagini più piccole non vengono modificate. Le immagini più grandi vengono ridotte alla dimensione massima impostata qui.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>Condividi immagine</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Condividi…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>Impossibile avviare la condivisione. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>Condivisione non disponibile</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Scorciatoia: %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>Mostra le etichette delle immagini in Confronto</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostra nel file manager</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>Mostra ispettore</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>Mostra un pixel dell’immagine di origine per ogni pixel dello schermo</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>Mostra o nascondi le etichette di confronto</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>Contrai</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>Strumento di rimodellamento Contrai</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulazione</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>Immagine di simulazione</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>Etichetta dell’immagine di simulazione</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>Etichetta Simulazione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>Ingrandisci leggermente l’apertura dell’occhio; usa un pennello piccolo e applica l’effetto gradualmente.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>Snellisci le guance piene per simulare una riduzione delle bolle di Bichat.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>Snellisci la linea interna ed esterna della coscia con tratti opposti.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>Social 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>Foto di origine, non modificata.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>Quadrato 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>Memorizzate localmente su questo dispositivo.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>Memorizzate localmente. Mai incluse, a meno che tu non le selezioni per quella esportazione.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>Spessore del tratto</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>Nome sottocartella (facoltativo)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>Immagini supportate: JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>Zoom sincronizzato (Ctrl + rotellina del mouse)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>Strumento annotazione testo</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>Grazie. ID della segnalazione:
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>Grazie. Abbiamo ricevuto il tuo feedback.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>Impossibile accedere alla cartella Immagini.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>Impossibile collocare il video dell’animazione nella posizione selezionata.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>Il video dell’animazione è stato salvato.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>Il nome file di base non può essere “.” né “..”.</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>Il nome file di base non può contenere a capo, tabulazioni o altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>Il nome file di base è troppo lungo per il file system.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>Il nome file di base deve contenere al massimo 180 caratteri.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>Le modifiche non sono salvate. Riavviando ora andranno perse.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>Impossibile preparare l’animazione completa.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>Impossibile preparare l’immagine completa.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>Impossibile inviare la segnalazione di arresto anomalo. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>Impossibile leggere i dati perché non sono nel formato corretto.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>Il disco potrebbe essere pieno o la posizione non disponibile.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>Impossibile usare la tela di modifica.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>Impossibile preparare la tela di modifica.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>Non è possibile ritentare l’invio del feedback in sicurezza. Chiudi questa finestra e riprova.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>Impossibile inviare il feedback perché uno o più campi non sono validi.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>Impossibile inviare il feedback. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>Il servizio di feedback ha restituito una risposta non valida.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>Impossibile scrivere il file. Il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>Il file manager non è riuscito ad aprire la cartella di destinazione.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>Il file manager non è riuscito a mostrare l’immagine.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>Impossibile copiare l’immagine negli appunti.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>Impossibile codificare l’immagine.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>Impossibile salvare l’immagine. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>Impossibile condividere l’immagine. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>L’immagine è stata salvata.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>Le immagini sono state salvate.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>Il file dell’immagine originale non è stato modificato. Chiudi e riapri Veltrano prima di modificare di nuovo questa immagine. Le modifiche apportate nella sessione attuale dell’editor non sono state salvate.

Se il problema persiste, contatta l’assistenza all’indirizzo %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>Il lavoro di stampa non è riuscito.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>Impossibile caricare l’immagine sostitutiva.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>Impossibile completare l’azione richiesta.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>Impossibile convalidare il video dell’animazione salvato.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>Impossibile convalidare l’immagine salvata.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>Il file delle impostazioni è stato scritto da un’altra versione di Veltrano.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>L’immagine di origine è cambiata dopo l’apertura. Riaprila prima di modificarla.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>Il nome della sottocartella non può essere “.” né “..”.</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>Il nome della sottocartella non può contenere a capo, tabulazioni o altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>Il nome della sottocartella è troppo lungo per il file system.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>Il nome della sottocartella deve contenere al massimo 255 caratteri.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>Il sistema non è riuscito a creare o leggere l’immagine temporanea di condivisione.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>Il sistema non è riuscito ad aprire il menu Condividi per questa applicazione.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>Il sistema non è riuscito a scrivere o finalizzare il video. Il disco potrebbe essere pieno, la posizione non disponibile o il file in uso.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>Il sistema potrebbe aver iniziato a sostituire il file di destinazione. Controlla il file prima di riprovare.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>Il suffisso della vista della scheda verrà aggiunto al nome file di base.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>L’immagine condivisa temporanea è bloccata e verrà rimossa in seguito.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>Impossibile preparare l’immagine temporanea di condivisione.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>Impossibile verificare l’immagine temporanea di condivisione.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>Queste impostazioni facoltative consentono di controllare le dimensioni in pixel delle immagini salvate.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>Impossibile salvare queste impostazioni. Restano attive per questa sessione.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>Queste etichette in filigrana compaiono negli angoli superiori della scheda Confronto dell’editor. Puoi includerle anche nelle immagini di confronto salvate, condivise e stampate.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Cosce</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>Questo computer non è riuscito ad avviare il codificatore video H.264.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>Questo ritaglio non è valido. Regolalo prima di passare all’editor.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>Impossibile accedere a questa cartella. Scegli un’altra posizione di salvataggio.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>Questa cartella viene creata nella posizione selezionata. Lascia vuoto per salvare direttamente lì.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>Questa cartella non esiste più o non è accessibile. Scegli un’altra posizione di salvataggio.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>Questa cartella non esiste più. Scegli un’altra posizione di salvataggio.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>Impossibile aprire questa immagine.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>Impossibile aprire questa immagine. Scegli un’altra immagine locale.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>Impossibile preparare questa immagine per la modifica. Regola il ritaglio o riaprila.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>Impossibile leggere questa immagine. Potrebbe essere danneggiata, o incompatibile</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>Questa immagine è troppo grande per essere aperta in sicurezza.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>Questo percorso è solo indicativo. Usa Immagini, Posizioni recenti o Sfoglia per selezionare o creare un’altra cartella. Per salvare in una sottocartella, inseriscine il nome nel campo Nome sottocartella (facoltativo).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>Questa cartella recente non esiste più o è scollegata.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>Per interrompere l’animazione, seleziona un’altra scheda.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>Mostra/nascondi etichette di confronto</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Mostra/nascondi ispettore</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>Mostra/nascondi le etichette Originale/Simulazione nella scheda Confronto (Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>Mostra/nascondi barra degli strumenti</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>Sono stati inviati troppi messaggi di feedback. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>Suggerimenti d’uso</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diametro dello strumento</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>Impossibile aprire l’editor</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>Annulla l’ultima azione (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>Annulla l’ultima azione</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>Modifiche all’immagine non salvate</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>Usa il portoghese brasiliano</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>Usa l’inglese</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>Usa il francese</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>Usa l’italiano</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>Usa il giapponese</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>Usa il coreano</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>Usa il cinese semplificato</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>Usa lo spagnolo</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>Usa il turco</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>Usa la procedura di stampa del sistema</translation>
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
        <translation>Veltrano ha rilevato un arresto anomalo nella sessione precedente.

Inviare un rapporto diagnostico per aiutare a identificarne la causa?

Inclusi:
• Versioni dell’app, del sistema operativo e della build
• Segnale dell’arresto anomalo, tipo di eccezione, stack e registri dei thread
• Nomi dei binari, indirizzi di caricamento e ID di build per la simbolizzazione

Non inclusi:
• Immagini o contenuti del progetto
• Nomi o percorsi dei file
• Informazioni di contatto, credenziali
• Motivi delle eccezioni, il journal di sistema o le segnalazioni di arresto anomalo del sistema

Thread: %1
Dimensione del caricamento: %2
Segnale: %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Contenuto Veltrano</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>Veltrano non ha trovato un nome file disponibile dopo 999 versioni.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano non è riuscito a preparare l’immagine selezionata per la condivisione.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano non è riuscito a rimuovere il file video temporaneo. Puoi eliminarlo manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano non è riuscito a rimuovere la cartella video temporanea. Puoi eliminarla manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano non è riuscito a rimuovere questi file immagine temporanei o incompleti. Controllali manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano non è riuscito a riavviarsi. Chiudi e riapri l’app.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano ha rilevato un arresto anomalo precedente, ma non è riuscito a preparare il relativo rapporto diagnostico. Gli eventuali dati sull’arresto anomalo conservati dal sistema restano disponibili.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano ha riscontrato un errore imprevisto</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Immagine Veltrano</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano prepara un JPEG, poi il desktop mostra le app di condivisione compatibili installate per questo account.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>Verticale 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>Video non salvato</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>Salvataggio del video annullato</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>Video salvato</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>Vista e navigazione</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>FILIGRANE</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>COSA CONDIVIDERE</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Vita</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>Le etichette in filigrana compaiono negli angoli delle immagini salvate, incluso il Confronto. Valori tipici: “Prima / Dopo” o “Originale / Simulazione”. Valori attuali: %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>Consigliamo di mantenere il valore predefinito. Se l’elaborazione delle immagini risulta lenta su un computer meno potente, prova a ridurre la dimensione massima dell’immagine per migliorare la reattività. L’immagine attuale non verrà ridimensionata; questa impostazione si applica alla prossima immagine che apri.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>Indirizzo del sito web</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>Cosa salvare</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>Dove / Cosa</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>Panoramico 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>Con lo strumento Testo selezionato, fai clic sull’immagine di simulazione esattamente dove vuoi aggiungere il testo.
Fai doppio clic su un testo esistente per selezionarlo, poi trascinalo per spostarlo.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>Sei già nella scheda Animazione</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>Sei già nella scheda Originale</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>Non puoi modificare l’immagine nella scheda Animazione. Seleziona la scheda Simulazione o Confronto per modificarla.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>Non puoi modificare l’immagine originale</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>Il video dell’animazione è pronto.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>Il ritaglio resta disponibile.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>Il ritaglio resta disponibile. Regolalo o riprova.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>L’immagine attuale dell’editor resta aperta e invariata.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>Il risultato attuale non è stato salvato come immagine. Se chiudi ora, le modifiche nell’editor andranno perse.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>Il risultato attuale non è stato salvato come immagine. Se apri un’altra immagine ora, le modifiche nell’editor andranno perse.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>Il risultato attuale non è stato salvato come immagine. Se riavvii ora, le modifiche nell’editor andranno perse.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>Il tuo feedback, il nome e l’email verranno inviati all’assistenza Veltrano.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>Salvataggio dell’immagine in corso</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>L’immagine è pronta.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>Le tue immagini non vengono mai caricate né trasmesse a noi.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>Le immagini sono pronte.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>Le ultime modifiche non sono state salvate.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>Il risultato rimodellato.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>Salvataggio del video in corso</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>Hai raggiunto il limite di 5 annullamenti. Usa Ricostruisci per le deformazioni precedenti o Gomma per rimuovere i disegni precedenti.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>ZOOM IMMAGINE</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumenta zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci zoom</translation>
    </message>
    <message>
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>Zoom da Adatta a sedici volte Adatta</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>Aumenta lo zoom prima di spostare l’immagine</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>Aumenta lo zoom gradualmente</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Aumenta o riduci lo zoom</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>Riduci lo zoom gradualmente</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oppure</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>– Edit ›</source>
        <translation>– Modifica ›</translation>
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
