<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<!--
Glossary (English = es); later texts follow it:
  Animate = Animación
  annotation = anotación
  aspect ratio = relación de aspecto
  bridge (of the nose) = dorso nasal
  Browse… = Examinar…
  brush = pincel
  canvas = lienzo
  Comparison = Comparación
  comparison labels = etiquetas de comparación
  configured in Settings = definido en Configuración
  contact information = datos de contacto
  crash report = informe de fallo
  crop (noun / verb) = recorte / recortar
  Ctrl, Alt, Shift, key combinations = sin cambios (Ctrl+Z, Ctrl+Shift+Z…)
  deformation = deformación
  editing canvas = lienzo de edición
  editor = editor
  Eraser = Borrador
  feedback = comentarios
  Fit = Ajustar
  flip = voltear
  Grow = Agrandar
  inspector = inspector
  label (comparison/watermark label) = etiqueta
  middle mouse button = botón central del ratón
  mouse wheel = rueda del ratón
  Original = Original
  Output (editor menu) = Exportar
  percentage (%1%) = %1 % (espacio de no separación antes de %)
  Performance = Rendimiento
  Pictures (system folder) = Imágenes
  Print = Imprimir
  Push = Empujar
  Reconstruct = Reconstruir
  redo = rehacer
  reset = restablecer
  reshape = remodelar (sustantivo: remodelado)
  Save images = Guardar imágenes
  Settings = Configuración
  settings (individual options, section names) = ajustes
  Share = Compartir
  Shrink = Encoger
  Simulation = Simulación
  Spacebar = barra espaciadora
  still image = imagen fija
  support (Veltrano support, support page) = soporte
  tab = pestaña
  undo = deshacer
  watermark = marca de agua
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
        <translation>%1 — No disponible - Quitar</translation>
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
        <translation>%1, %2 pt, cursiva</translation>
    </message>
    <message>
        <source>%1, mirrored</source>
        <translation>%1, reflejada</translation>
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
        <translation>3 ATAJOS QUE CONVIENE CONOCER</translation>
    </message>
    <message>
        <source>About Veltrano</source>
        <translation>Acerca de Veltrano</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Add an Original or Simulation label to enable this option.</source>
        <translation>Añada una etiqueta Original o Simulación para activar esta opción.</translation>
    </message>
    <message>
        <source>Add contact information to enable this option.</source>
        <translation>Añada datos de contacto para activar esta opción.</translation>
    </message>
    <message>
        <source>Add mid-face volume for a filler-like fullness.</source>
        <translation>Añada volumen en el tercio medio facial para un efecto de relleno.</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation (T)</source>
        <translation>Añadir texto de varias líneas a la Simulación (T)</translation>
    </message>
    <message>
        <source>Add multiline text to the Simulation.</source>
        <translation>Añada texto de varias líneas a la Simulación.</translation>
    </message>
    <message>
        <source>Add projection and roundness for an augmentation effect.</source>
        <translation>Añada proyección y redondez para un efecto de aumento.</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Adjust brush size</source>
        <translation>Ajustar el tamaño del pincel</translation>
    </message>
    <message>
        <source>Adjust brush size (Alt + two-finger scroll or mouse wheel)</source>
        <translation>Ajustar el tamaño del pincel (Alt + desplazamiento con dos dedos o rueda del ratón)</translation>
    </message>
    <message>
        <source>All shortcuts</source>
        <translation>Todos los atajos</translation>
    </message>
    <message>
        <source>All three tabs (3 pages)</source>
        <translation>Las tres pestañas (3 páginas)</translation>
    </message>
    <message>
        <source>All three tabs — saves 3 files</source>
        <translation>Las tres pestañas — guarda 3 archivos</translation>
    </message>
    <message>
        <source>Alt + 2-finger scroll
or mouse wheel</source>
        <translation>Alt + desplazamiento con dos dedos
o rueda del ratón</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Animation video could not be saved. %1</source>
        <translation>No se ha podido guardar el vídeo de animación. %1</translation>
    </message>
    <message>
        <source>Animation video export was cancelled, but cleanup needs attention.</source>
        <translation>Se ha cancelado la exportación del vídeo de animación, pero la limpieza requiere su atención.</translation>
    </message>
    <message>
        <source>Animation video requires an editing canvas at least 2 × 2 pixels.</source>
        <translation>El vídeo de animación requiere un lienzo de edición de al menos 2 × 2 píxeles.</translation>
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
        <translation>Herramienta borrador de anotaciones</translation>
    </message>
    <message>
        <source>Annotation tools</source>
        <translation>Herramientas de anotación</translation>
    </message>
    <message>
        <source>Any existing file at this destination was left unchanged.</source>
        <translation>Cualquier archivo existente en este destino se ha dejado sin cambios.</translation>
    </message>
    <message>
        <source>Arms</source>
        <translation>Brazos</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Automatically adapts both saved-image size limits to the current image dimensions.</source>
        <translation>Adapta automáticamente ambos límites de tamaño de las imágenes guardadas a las dimensiones de la imagen actual.</translation>
    </message>
    <message>
        <source>BRUSH</source>
        <translation>PINCEL</translation>
    </message>
    <message>
        <source>BRUSH SIZE</source>
        <translation>TAMAÑO DEL PINCEL</translation>
    </message>
    <message>
        <source>Backspace or Delete</source>
        <translation>Retroceso o Supr</translation>
    </message>
    <message>
        <source>Balance editing responsiveness and resource use on this computer.</source>
        <translation>Equilibre la respuesta de la edición y el uso de recursos en este equipo.</translation>
    </message>
    <message>
        <source>Base filename (e.g., patient&apos;s name)</source>
        <translation>Nombre de archivo base (p. ej., nombre del paciente)</translation>
    </message>
    <message>
        <source>Breast</source>
        <translation>Pecho</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Brush over a changed area to progressively return it toward the Original, without resetting the rest of the simulation.</source>
        <translation>Pase el pincel sobre una zona modificada para devolverla progresivamente hacia el Original, sin restablecer el resto de la simulación.</translation>
    </message>
    <message>
        <source>Buttocks</source>
        <translation>Glúteos</translation>
    </message>
    <message>
        <source>CROP · SOURCE IMAGE</source>
        <translation>RECORTE · IMAGEN DE ORIGEN</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>Pantorrillas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel an incomplete action or clear the annotation selection</source>
        <translation>Cancelar una acción incompleta o borrar la selección de anotaciones</translation>
    </message>
    <message>
        <source>Cancel closing Veltrano</source>
        <translation>Cancelar el cierre de Veltrano</translation>
    </message>
    <message>
        <source>Cancel opening another image</source>
        <translation>Cancelar la apertura de otra imagen</translation>
    </message>
    <message>
        <source>Cancelling video save…</source>
        <translation>Cancelando el guardado del vídeo…</translation>
    </message>
    <message>
        <source>Canvas size</source>
        <translation>Tamaño del lienzo</translation>
    </message>
    <message>
        <source>Center and fit the complete image</source>
        <translation>Centrar y ajustar la imagen completa</translation>
    </message>
    <message>
        <source>Center and fit the complete image (F)</source>
        <translation>Centrar y ajustar la imagen completa (F)</translation>
    </message>
    <message>
        <source>Changes made here are also saved in Settings, even if image saving is cancelled.</source>
        <translation>Los cambios realizados aquí también se guardan en Configuración, aunque se cancele el guardado de imágenes.</translation>
    </message>
    <message>
        <source>Changes save automatically</source>
        <translation>Los cambios se guardan automáticamente</translation>
    </message>
    <message>
        <source>Cheeks</source>
        <translation>Mejillas</translation>
    </message>
    <message>
        <source>Chin &amp; jaw</source>
        <translation>Mentón y mandíbula</translation>
    </message>
    <message>
        <source>Choose a JPEG, PNG, BMP, TIFF, HEIC, or HEIF image.</source>
        <translation>Elija una imagen JPEG, PNG, BMP, TIFF, HEIC o HEIF.</translation>
    </message>
    <message>
        <source>Choose a save location.</source>
        <translation>Elija una ubicación para guardar.</translation>
    </message>
    <message>
        <source>Choose another local photograph</source>
        <translation>Elegir otra fotografía local</translation>
    </message>
    <message>
        <source>Choose drawing and text color</source>
        <translation>Elegir el color del dibujo y del texto</translation>
    </message>
    <message>
        <source>Choose one local image to crop. The original file will not be changed.</source>
        <translation>Elija una imagen local para recortarla. El archivo original no se modificará.</translation>
    </message>
    <message>
        <source>Choose or drop one local image to open the crop screen.</source>
        <translation>Elija o suelte una imagen local para abrir la pantalla de recorte.</translation>
    </message>
    <message>
        <source>Choose the destination and the images to save.</source>
        <translation>Elija el destino y las imágenes que desea guardar.</translation>
    </message>
    <message>
        <source>Choose the destination for your saved image files.</source>
        <translation>Elija el destino de los archivos de imagen guardados.</translation>
    </message>
    <message>
        <source>Choose the file type for saved images.</source>
        <translation>Elija el tipo de archivo de las imágenes guardadas.</translation>
    </message>
    <message>
        <source>Choose the font used by the Text tool</source>
        <translation>Elegir la fuente de la herramienta Texto</translation>
    </message>
    <message>
        <source>Choose the frame</source>
        <translation>Elija el encuadre</translation>
    </message>
    <message>
        <source>Choose the information included in saved images.</source>
        <translation>Elija la información que se incluye en las imágenes guardadas.</translation>
    </message>
    <message>
        <source>Choose the interface language.</source>
        <translation>Elija el idioma de la interfaz.</translation>
    </message>
    <message>
        <source>Choose what to save and where it goes.</source>
        <translation>Elija qué guardar y dónde.</translation>
    </message>
    <message>
        <source>Choose where to save the animation video.</source>
        <translation>Elija dónde guardar el vídeo de animación.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Cinema 21:9</source>
        <translation>Cine 21:9</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Circle annotation tool</source>
        <translation>Herramienta de anotación círculo</translation>
    </message>
    <message>
        <source>Classic 4:3</source>
        <translation>Clásico 4:3</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Cerrar igualmente</translation>
    </message>
    <message>
        <source>Close GPU editor error</source>
        <translation>Cerrar el error del editor GPU</translation>
    </message>
    <message>
        <source>Close Save images</source>
        <translation>Cerrar Guardar imágenes</translation>
    </message>
    <message>
        <source>Close Send Feedback</source>
        <translation>Cerrar Enviar comentarios</translation>
    </message>
    <message>
        <source>Close Settings</source>
        <translation>Cerrar Configuración</translation>
    </message>
    <message>
        <source>Close Share image</source>
        <translation>Cerrar Compartir imagen</translation>
    </message>
    <message>
        <source>Close Shortcuts</source>
        <translation>Cerrar Atajos</translation>
    </message>
    <message>
        <source>Close Veltrano without saving image changes</source>
        <translation>Cerrar Veltrano sin guardar los cambios de la imagen</translation>
    </message>
    <message>
        <source>Close error message</source>
        <translation>Cerrar el mensaje de error</translation>
    </message>
    <message>
        <source>Close saved output</source>
        <translation>Cerrar el aviso de guardado</translation>
    </message>
    <message>
        <source>Close saved video</source>
        <translation>Cerrar el aviso de vídeo guardado</translation>
    </message>
    <message>
        <source>Close video save error</source>
        <translation>Cerrar el error de guardado del vídeo</translation>
    </message>
    <message>
        <source>Collapse or expand the inspector</source>
        <translation>Contraer o expandir el inspector</translation>
    </message>
    <message>
        <source>Collapse or expand the left toolbar</source>
        <translation>Contraer o expandir la barra de herramientas izquierda</translation>
    </message>
    <message>
        <source>Collapse toolbar (Ctrl+T)</source>
        <translation>Contraer la barra de herramientas (Ctrl+T)</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Combined Original and Simulation view (switch tabs: Left/Right Arrow keys)</source>
        <translation>Vista combinada de Original y Simulación (cambiar de pestaña: teclas de flecha izquierda/derecha)</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Comparison image</source>
        <translation>Imagen de comparación</translation>
    </message>
    <message>
        <source>Comparison label settings</source>
        <translation>Ajustes de etiquetas de comparación</translation>
    </message>
    <message>
        <source>Comparison labels</source>
        <translation>Etiquetas de comparación</translation>
    </message>
    <message>
        <source>Comparison maximum stacked dimension (px)</source>
        <translation>Dimensión máxima apilada de Comparación (px)</translation>
    </message>
    <message>
        <source>Contact information</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>Contact information can be added to images shared with patients or colleagues.</source>
        <translation>Los datos de contacto pueden añadirse a las imágenes compartidas con pacientes o colegas.</translation>
    </message>
    <message>
        <source>Contact information can be included in saved, shared, or printed images. Enter it once here, then choose for each output whether to include it—for example, when distributing images to colleagues or patients.</source>
        <translation>Los datos de contacto pueden incluirse en las imágenes guardadas, compartidas o impresas. Introdúzcalos aquí una sola vez y, después, elija en cada exportación si desea incluirlos; por ejemplo, al distribuir imágenes a colegas o pacientes.</translation>
    </message>
    <message>
        <source>Contact information settings</source>
        <translation>Ajustes de datos de contacto</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Continue to the desktop&apos;s sharing apps</source>
        <translation>Continuar a las aplicaciones para compartir del escritorio</translation>
    </message>
    <message>
        <source>Contract an area smoothly (S)</source>
        <translation>Contraer una zona suavemente (S)</translation>
    </message>
    <message>
        <source>Contract an area smoothly toward the centre of the brush. Use short, controlled passes for precise changes.</source>
        <translation>Contraiga una zona suavemente hacia el centro del pincel. Use pasadas cortas y controladas para cambios precisos.</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Correct the selected text while preserving its appearance and position.</source>
        <translation>Corrija el texto seleccionado conservando su aspecto y su posición.</translation>
    </message>
    <message>
        <source>Could not decode crash report with size of %lu bytes.</source>
        <translation>No se ha podido decodificar el informe de fallo de %lu bytes.</translation>
    </message>
    <message>
        <source>Could not decode invalid crash log header</source>
        <translation>No se ha podido decodificar el encabezado no válido del registro de fallo</translation>
    </message>
    <message>
        <source>Could not decode truncated crash log</source>
        <translation>No se ha podido decodificar el registro de fallo truncado</translation>
    </message>
    <message>
        <source>Could not decode unsupported crash report version: %d</source>
        <translation>No se ha podido decodificar la versión no compatible del informe de fallo: %d</translation>
    </message>
    <message>
        <source>Crash report has an unknown architecture</source>
        <translation>El informe de fallo indica una arquitectura desconocida</translation>
    </message>
    <message>
        <source>Crash report includes too many Mach Exception codes</source>
        <translation>El informe de fallo incluye demasiados códigos de excepción Mach</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app identifier field</source>
        <translation>Falta el campo de identificador de la aplicación de la sección Información de la aplicación en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information app version field</source>
        <translation>Falta el campo de versión de la aplicación de la sección Información de la aplicación en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Application Information section</source>
        <translation>Falta la sección Información de la aplicación en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Exception Information section</source>
        <translation>Falta la sección Información de la excepción en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Mach Exception Information section</source>
        <translation>Falta la sección Información de la excepción Mach en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Machine Information section</source>
        <translation>Falta la sección Información de la máquina en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Process Information section</source>
        <translation>Falta la sección Información del proceso en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing Signal Information section</source>
        <translation>Falta la sección Información de la señal en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing System Information OS version field</source>
        <translation>Falta el campo de versión del sistema operativo de la sección Información del sistema en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing System Information section</source>
        <translation>Falta la sección Información del sistema en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing binary image information</source>
        <translation>Falta la información de las imágenes binarias en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing exception name field</source>
        <translation>Falta el campo del nombre de la excepción en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing exception reason field</source>
        <translation>Falta el campo del motivo de la excepción en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing processor info section</source>
        <translation>Falta la sección de información del procesador en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing signal code field</source>
        <translation>Falta el campo del código de la señal en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing signal name field</source>
        <translation>Falta el campo del nombre de la señal en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing stack frame information</source>
        <translation>Falta la información de los marcos de pila en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing symbol information</source>
        <translation>Falta la información de símbolos en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report is missing thread state information</source>
        <translation>Falta la información del estado de los hilos en el informe de fallo</translation>
    </message>
    <message>
        <source>Crash report not sent</source>
        <translation>Informe de fallo no enviado</translation>
    </message>
    <message>
        <source>Crash report sent</source>
        <translation>Informe de fallo enviado</translation>
    </message>
    <message>
        <source>Crash report unavailable</source>
        <translation>Informe de fallo no disponible</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Crop - Flip</source>
        <translation>Recortar - Voltear</translation>
    </message>
    <message>
        <source>Crop image</source>
        <translation>Recortar imagen</translation>
    </message>
    <message>
        <source>Crop preview</source>
        <translation>Vista previa del recorte</translation>
    </message>
    <message>
        <source>Crop ready</source>
        <translation>Recorte listo</translation>
    </message>
    <message>
        <source>Current Tab</source>
        <translation>Pestaña actual</translation>
    </message>
    <message>
        <source>Current Tab (%1)</source>
        <translation>Pestaña actual (%1)</translation>
    </message>
    <message>
        <source>Current image dimensions: %1 × %2 px (width × height).</source>
        <translation>Dimensiones actuales de la imagen: %1 × %2 px (ancho × alto).</translation>
    </message>
    <message>
        <source>Default: “Original” · left or bottom</source>
        <translation>Predeterminado: «Original» · izquierda o abajo</translation>
    </message>
    <message>
        <source>Default: “Simulation” · right or top</source>
        <translation>Predeterminado: «Simulación» · derecha o arriba</translation>
    </message>
    <message>
        <source>Delete each complete drawing object touched by the eraser (E)</source>
        <translation>Eliminar cada objeto de dibujo completo que toque el borrador (E)</translation>
    </message>
    <message>
        <source>Delete the selected annotation</source>
        <translation>Eliminar la anotación seleccionada</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Dismiss editor message</source>
        <translation>Descartar el mensaje del editor</translation>
    </message>
    <message>
        <source>Display the image at 100%</source>
        <translation>Mostrar la imagen al 100 %</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Done with Settings</source>
        <translation>Terminar y cerrar Configuración</translation>
    </message>
    <message>
        <source>Drag an image here</source>
        <translation>Arrastre una imagen aquí</translation>
    </message>
    <message>
        <source>Drag an image here or open the file browser</source>
        <translation>Arrastre una imagen aquí o abra el explorador de archivos</translation>
    </message>
    <message>
        <source>Drag the chin forward for augmentation, or pull the jawline in to slim the lower face.</source>
        <translation>Desplace el mentón hacia delante para un aumento, o lleve la línea mandibular hacia dentro para afinar el tercio inferior del rostro.</translation>
    </message>
    <message>
        <source>Drag the selection area or its corners if necessary</source>
        <translation>Arrastre la zona de selección o sus esquinas si es necesario</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse annotation outline</source>
        <translation>Dibujar el contorno de un círculo o una elipse</translation>
    </message>
    <message>
        <source>Draw a circle or ellipse outline on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Dibuje el contorno de un círculo o una elipse en la Simulación.
Haga doble clic en un círculo existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Draw a freeform annotation on the Simulation (D)</source>
        <translation>Dibujar una anotación a mano alzada en la Simulación (D)</translation>
    </message>
    <message>
        <source>Draw a freeform line over the Simulation.
Double-click an existing drawing to select it, then drag to move it.</source>
        <translation>Dibuje una línea a mano alzada sobre la Simulación.
Haga doble clic en un dibujo existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Draw a rectangular annotation outline</source>
        <translation>Dibujar el contorno de un rectángulo</translation>
    </message>
    <message>
        <source>Draw a rectangular outline on the Simulation.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Dibuje el contorno de un rectángulo en la Simulación.
Haga doble clic en un rectángulo existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Draw a straight annotation line</source>
        <translation>Dibujar una línea recta</translation>
    </message>
    <message>
        <source>Draw annotation tool</source>
        <translation>Herramienta de anotación dibujo</translation>
    </message>
    <message>
        <source>Draws a straight line.
Double-click an existing line to select it, then drag to move it.</source>
        <translation>Dibuja una línea recta.
Haga doble clic en una línea existente para seleccionarla y arrástrela para moverla.</translation>
    </message>
    <message>
        <source>Drop to open image</source>
        <translation>Suelte para abrir la imagen</translation>
    </message>
    <message>
        <source>Ears</source>
        <translation>Orejas</translation>
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
        <translation>Editar la anotación de texto seleccionada</translation>
    </message>
    <message>
        <source>Edit watermark information…</source>
        <translation>Editar la información de marca de agua…</translation>
    </message>
    <message>
        <source>Editable Simulation image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Imagen de simulación editable (cambiar de pestaña: teclas de flecha izquierda/derecha)</translation>
    </message>
    <message>
        <source>Editing canvas %1 × %2 px</source>
        <translation>Lienzo de edición %1 × %2 px</translation>
    </message>
    <message>
        <source>Editor image view</source>
        <translation>Vista de la imagen del editor</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Enlarge the vermilion evenly; keep the brush slightly larger than the lip being treated.</source>
        <translation>Agrande el bermellón de forma uniforme; mantenga el pincel algo mayor que el labio tratado.</translation>
    </message>
    <message>
        <source>Enter a base filename.</source>
        <translation>Introduzca un nombre de archivo base.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave the field empty.</source>
        <translation>Introduzca una dirección completa con http:// o https://, como %1, o deje el campo vacío.</translation>
    </message>
    <message>
        <source>Enter a complete http:// or https:// address such as %1, or leave this field empty.</source>
        <translation>Introduzca una dirección completa con http:// o https://, como %1, o deje este campo vacío.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave the field empty.</source>
        <translation>Introduzca una dirección de correo electrónico válida o deje el campo vacío.</translation>
    </message>
    <message>
        <source>Enter a valid email address, or leave this field empty.</source>
        <translation>Introduzca una dirección de correo electrónico válida o deje este campo vacío.</translation>
    </message>
    <message>
        <source>Enter a valid filename.</source>
        <translation>Introduzca un nombre de archivo válido.</translation>
    </message>
    <message>
        <source>Enter a valid system filename without a path separator.</source>
        <translation>Introduzca un nombre de archivo válido para el sistema, sin separador de ruta.</translation>
    </message>
    <message>
        <source>Enter a valid system folder name without a path separator.</source>
        <translation>Introduzca un nombre de carpeta válido para el sistema, sin separador de ruta.</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to %1.</source>
        <translation>Introduzca un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>Enter a whole number from 2 to %1.</source>
        <translation>Introduzca un número entero de 2 a %1.</translation>
    </message>
    <message>
        <source>Enter your feedback before sending.</source>
        <translation>Escriba sus comentarios antes de enviarlos.</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
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
        <translation>Expandir una zona suavemente (G)</translation>
    </message>
    <message>
        <source>Expand an area smoothly away from the centre of the brush. Build the change with short, controlled passes.</source>
        <translation>Expanda una zona suavemente desde el centro del pincel. Construya el cambio con pasadas cortas y controladas.</translation>
    </message>
    <message>
        <source>Expand toolbar (Ctrl+T)</source>
        <translation>Expandir la barra de herramientas (Ctrl+T)</translation>
    </message>
    <message>
        <source>Export the deformation animation as MP4</source>
        <translation>Exportar la animación de deformación como MP4</translation>
    </message>
    <message>
        <source>Export watermarks use white text with a black outline. Contact information appears once at the lower-left of each saved file.</source>
        <translation>Las marcas de agua de exportación usan texto blanco con contorno negro. Los datos de contacto aparecen una vez en la esquina inferior izquierda de cada archivo guardado.</translation>
    </message>
    <message>
        <source>Eyes</source>
        <translation>Ojos</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Feedback must be 5,000 characters or fewer.</source>
        <translation>Los comentarios deben tener 5000 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Feedback received</source>
        <translation>Comentarios recibidos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formato de archivo</translation>
    </message>
    <message>
        <source>File and output</source>
        <translation>Archivo y salida</translation>
    </message>
    <message>
        <source>File format</source>
        <translation>Formato de archivo</translation>
    </message>
    <message>
        <source>Filled circle</source>
        <translation>Círculo relleno</translation>
    </message>
    <message>
        <source>Filled circle annotation tool</source>
        <translation>Herramienta de anotación círculo relleno</translation>
    </message>
    <message>
        <source>Filled rectangle</source>
        <translation>Rectángulo relleno</translation>
    </message>
    <message>
        <source>Filled rectangle annotation tool</source>
        <translation>Herramienta de anotación rectángulo relleno</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Flip horizontal</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip vertical</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Folders cannot be opened here. Please choose one image file.</source>
        <translation>Aquí no se pueden abrir carpetas. Elija un solo archivo de imagen.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
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
        <translation>Libre</translation>
    </message>
    <message>
        <source>Free text (for example, a disclaimer)</source>
        <translation>Texto libre (por ejemplo, un aviso legal)</translation>
    </message>
    <message>
        <source>Full image</source>
        <translation>Imagen completa</translation>
    </message>
    <message>
        <source>GPU editor unavailable</source>
        <translation>Editor GPU no disponible</translation>
    </message>
    <message>
        <source>Go to editor</source>
        <translation>Ir al editor</translation>
    </message>
    <message>
        <source>Grow</source>
        <translation>Agrandar</translation>
    </message>
    <message>
        <source>Grow reshape tool</source>
        <translation>Herramienta de remodelado Agrandar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Hide inspector</source>
        <translation>Ocultar inspector</translation>
    </message>
    <message>
        <source>Higher quality preserves more photographic detail but produces a larger file.</source>
        <translation>Una calidad más alta conserva más detalle fotográfico, pero genera un archivo más grande.</translation>
    </message>
    <message>
        <source>Hips</source>
        <translation>Caderas</translation>
    </message>
    <message>
        <source>History and selection</source>
        <translation>Historial y selección</translation>
    </message>
    <message>
        <source>Hold Alt and scroll with two fingers, or use the mouse wheel</source>
        <translation>Mantenga Alt y desplácese con dos dedos, o use la rueda del ratón</translation>
    </message>
    <message>
        <source>Hold the middle mouse button and drag, or hold Spacebar and drag</source>
        <translation>Mantenga pulsado el botón central del ratón y arrastre, o mantenga la barra espaciadora y arrastre</translation>
    </message>
    <message>
        <source>Hold the middle mouse button or Spacebar to move the zoomed image.</source>
        <translation>Mantenga pulsado el botón central del ratón o la barra espaciadora para mover la imagen ampliada.</translation>
    </message>
    <message>
        <source>INSPECTOR</source>
        <translation>INSPECTOR</translation>
    </message>
    <message>
        <source>Image not opened</source>
        <translation>Imagen no abierta</translation>
    </message>
    <message>
        <source>Image not saved</source>
        <translation>Imagen no guardada</translation>
    </message>
    <message>
        <source>Image not shared</source>
        <translation>Imagen no compartida</translation>
    </message>
    <message>
        <source>Image saved</source>
        <translation>Imagen guardada</translation>
    </message>
    <message>
        <source>Image saving cleanup</source>
        <translation>Limpieza tras guardar imágenes</translation>
    </message>
    <message>
        <source>Image saving was cancelled, but cleanup needs attention.</source>
        <translation>Se ha cancelado el guardado de imágenes, pero la limpieza requiere su atención.</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Images saved</source>
        <translation>Imágenes guardadas</translation>
    </message>
    <message>
        <source>Include Original / Simulation labels</source>
        <translation>Incluir etiquetas Original / Simulación</translation>
    </message>
    <message>
        <source>Include contact information</source>
        <translation>Incluir datos de contacto</translation>
    </message>
    <message>
        <source>Increase breast volume symmetrically; work in small steps and compare both sides.</source>
        <translation>Aumente el volumen mamario de forma simétrica; trabaje en pasos pequeños y compare ambos lados.</translation>
    </message>
    <message>
        <source>Increase calf volume for a more defined lower leg.</source>
        <translation>Aumente el volumen de las pantorrillas para una pierna más definida.</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>JPEG image (.jpg)</source>
        <translation>Imagen JPEG (.jpg)</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Calidad JPEG</translation>
    </message>
    <message>
        <source>Keyboard and mouse controls for editing quickly.</source>
        <translation>Controles de teclado y ratón para editar con rapidez.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Landscape images are stacked vertically. This value limits the total height; Simulation is above and Original below.</source>
        <translation>Las imágenes horizontales se apilan verticalmente. Este valor limita la altura total; la Simulación queda arriba y el Original abajo.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Language settings</source>
        <translation>Ajustes de idioma</translation>
    </message>
    <message>
        <source>Leave a field empty to hide its watermark label everywhere. Changes are reflected immediately.</source>
        <translation>Deje un campo vacío para ocultar su etiqueta de marca de agua en todas partes. Los cambios se aplican de inmediato.</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Lift the underarm contour upward in short strokes.</source>
        <translation>Eleve el contorno de la parte inferior del brazo con trazos cortos.</translation>
    </message>
    <message>
        <source>Limits the longest side of the Original and Simulation images when Auto is off. Aspect ratio is preserved.</source>
        <translation>Limita el lado más largo de las imágenes Original y Simulación cuando Auto está desactivado. Se conserva la relación de aspecto.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Line annotation tool</source>
        <translation>Herramienta de anotación línea</translation>
    </message>
    <message>
        <source>Lips</source>
        <translation>Labios</translation>
    </message>
    <message>
        <source>Loading image…</source>
        <translation>Cargando imagen…</translation>
    </message>
    <message>
        <source>MPEG-4 movie</source>
        <translation>Vídeo MPEG-4</translation>
    </message>
    <message>
        <source>Maximum image dimension: %1 px. Larger selections are downsized to keep editing smooth. Lower this limit in Settings / Performance on a less powerful computer.</source>
        <translation>Dimensión máxima de la imagen: %1 px. Las selecciones más grandes se reducen para que la edición sea fluida. En un equipo menos potente, reduzca este límite en Configuración / Rendimiento.</translation>
    </message>
    <message>
        <source>Maximum image side</source>
        <translation>Lado máximo de la imagen</translation>
    </message>
    <message>
        <source>Middle mouse button + drag
or Spacebar + drag</source>
        <translation>Botón central del ratón + arrastrar
o barra espaciadora + arrastrar</translation>
    </message>
    <message>
        <source>Morphing animation from the Original to the Simulation image</source>
        <translation>Animación de transformación de la imagen original a la de simulación</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move around a zoomed image</source>
        <translation>Desplazarse por una imagen ampliada</translation>
    </message>
    <message>
        <source>Move around a zoomed image (middle mouse button or Spacebar)</source>
        <translation>Desplazarse por una imagen ampliada (botón central del ratón o barra espaciadora)</translation>
    </message>
    <message>
        <source>Move image mode</source>
        <translation>Modo de desplazamiento de imagen</translation>
    </message>
    <message>
        <source>Move pixels in the direction you drag (P)</source>
        <translation>Mover los píxeles en la dirección del arrastre (P)</translation>
    </message>
    <message>
        <source>Move the outer ear closer to the head with small, slow strokes.</source>
        <translation>Acerque la oreja a la cabeza con trazos pequeños y lentos.</translation>
    </message>
    <message>
        <source>Moves the image area inside the brush circle in the direction of your drag. Experiment with different brush sizes and slow strokes until you achieve the desired result.</source>
        <translation>Mueve la zona de la imagen dentro del círculo del pincel en la dirección del arrastre. Pruebe distintos tamaños de pincel y trazos lentos hasta lograr el resultado deseado.</translation>
    </message>
    <message>
        <source>Must use</source>
        <translation>Imprescindibles</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name must be 100 characters or fewer.</source>
        <translation>El nombre debe tener 100 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Narrow flared nostrils; treat each side separately.</source>
        <translation>Estreche las aletas nasales abiertas; trate cada lado por separado.</translation>
    </message>
    <message>
        <source>Narrow the bridge with short inward strokes from both sides; reduce a dorsal bump in profile.</source>
        <translation>Estreche el dorso nasal con trazos cortos hacia dentro desde ambos lados; reduzca una giba dorsal de perfil.</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Cuello</translation>
    </message>
    <message>
        <source>Neither setting enlarges an Original or Simulation image. A Comparison image combines two image panes, so its total width or height can be up to twice the corresponding current image dimension.</source>
        <translation>Ninguno de estos ajustes amplía una imagen Original o Simulación. Una imagen de comparación combina dos paneles de imagen, por lo que su ancho o alto total puede llegar al doble de la dimensión correspondiente de la imagen actual.</translation>
    </message>
    <message>
        <source>Next Editor Tab</source>
        <translation>Pestaña siguiente del editor</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No Original or Simulation label is configured in Settings.</source>
        <translation>No hay ninguna etiqueta Original o Simulación definida en Configuración.</translation>
    </message>
    <message>
        <source>No application could open the image.</source>
        <translation>Ninguna aplicación ha podido abrir la imagen.</translation>
    </message>
    <message>
        <source>No contact information is configured in Settings.</source>
        <translation>No hay datos de contacto definidos en Configuración.</translation>
    </message>
    <message>
        <source>No e-mail program could attach the image.</source>
        <translation>Ningún programa de correo electrónico ha podido adjuntar la imagen.</translation>
    </message>
    <message>
        <source>No edits have been made, so there are no changes to save.</source>
        <translation>No se ha realizado ninguna edición, por lo que no hay cambios que guardar.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is no animation to save.</source>
        <translation>No se ha realizado ninguna edición, por lo que no hay ninguna animación que guardar.</translation>
    </message>
    <message>
        <source>No edits have been made, so there is nothing to animate.</source>
        <translation>No se ha realizado ninguna edición, por lo que no hay nada que animar.</translation>
    </message>
    <message>
        <source>No folder selected</source>
        <translation>Ninguna carpeta seleccionada</translation>
    </message>
    <message>
        <source>No shortcut available</source>
        <translation>No hay ningún atajo disponible</translation>
    </message>
    <message>
        <source>No web browser could open the documentation.</source>
        <translation>Ningún navegador web ha podido abrir la documentación.</translation>
    </message>
    <message>
        <source>No web browser could open the support page.</source>
        <translation>Ningún navegador web ha podido abrir la página de soporte.</translation>
    </message>
    <message>
        <source>Non-destructive source crop</source>
        <translation>Recorte no destructivo del origen</translation>
    </message>
    <message>
        <source>Nose</source>
        <translation>Nariz</translation>
    </message>
    <message>
        <source>Nostrils</source>
        <translation>Fosas nasales</translation>
    </message>
    <message>
        <source>Not configured in Settings</source>
        <translation>No definido en Configuración</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>No seleccionado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>One JPEG, handed to your installed sharing apps.</source>
        <translation>Un JPEG, entregado a las aplicaciones para compartir que tenga instaladas.</translation>
    </message>
    <message>
        <source>Only the Original label is set; Simulation will have no label.</source>
        <translation>Solo se ha definido la etiqueta Original; la Simulación no tendrá etiqueta.</translation>
    </message>
    <message>
        <source>Only the Simulation label is set; Original will have no label.</source>
        <translation>Solo se ha definido la etiqueta Simulación; el Original no tendrá etiqueta.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Abrir igualmente</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Abrir imagen…</translation>
    </message>
    <message>
        <source>Open Save images</source>
        <translation>Abrir Guardar imágenes</translation>
    </message>
    <message>
        <source>Open With…</source>
        <translation>Abrir con…</translation>
    </message>
    <message>
        <source>Open another image</source>
        <translation>Abrir otra imagen</translation>
    </message>
    <message>
        <source>Open another image without saving image changes</source>
        <translation>Abrir otra imagen sin guardar los cambios de la imagen</translation>
    </message>
    <message>
        <source>Open containing folder</source>
        <translation>Abrir la carpeta de destino</translation>
    </message>
    <message>
        <source>Open the file browser</source>
        <translation>Abrir el explorador de archivos</translation>
    </message>
    <message>
        <source>Open the selected crop in the editor</source>
        <translation>Abrir el recorte seleccionado en el editor</translation>
    </message>
    <message>
        <source>Open the system print workflow</source>
        <translation>Abrir la impresión del sistema</translation>
    </message>
    <message>
        <source>Open the system share menu</source>
        <translation>Abrir el menú de compartir del sistema</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Original + Simulation side by side.</source>
        <translation>Original + Simulación en paralelo.</translation>
    </message>
    <message>
        <source>Original / Simulation labels</source>
        <translation>Etiquetas Original / Simulación</translation>
    </message>
    <message>
        <source>Original and Simulation maximum dimension (px)</source>
        <translation>Dimensión máxima de Original y Simulación (px)</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <source>Original image label</source>
        <translation>Etiqueta de la imagen original</translation>
    </message>
    <message>
        <source>Original label</source>
        <translation>Etiqueta Original</translation>
    </message>
    <message>
        <source>Original, unmodified image (switch tabs: Left/Right Arrow keys)</source>
        <translation>Imagen original, sin modificar (cambiar de pestaña: teclas de flecha izquierda/derecha)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>PAN IMAGE</source>
        <translation>DESPLAZAR IMAGEN</translation>
    </message>
    <message>
        <source>PNG image (.png)</source>
        <translation>Imagen PNG (.png)</translation>
    </message>
    <message>
        <source>PNG is the default lossless format, but it produces larger files.</source>
        <translation>PNG es el formato sin pérdida predeterminado, pero genera archivos más grandes.</translation>
    </message>
    <message>
        <source>PROPERTIES</source>
        <translation>PROPIEDADES</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Performance settings</source>
        <translation>Ajustes de rendimiento</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse annotation</source>
        <translation>Colocar una anotación de círculo o elipse rellena</translation>
    </message>
    <message>
        <source>Place a filled circle or ellipse on the Simulation.
Double-click an existing circle to select it, then drag to move it.</source>
        <translation>Coloque un círculo o una elipse rellenos en la Simulación.
Haga doble clic en un círculo existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation</source>
        <translation>Colocar una anotación de rectángulo relleno</translation>
    </message>
    <message>
        <source>Place a filled rectangular annotation on the Simulation. It can be used to conceal the eyes or help anonymize a patient.
Double-click an existing rectangle to select it, then drag to move it.</source>
        <translation>Coloque una anotación de rectángulo relleno en la Simulación. Puede servir para ocultar los ojos o ayudar a anonimizar a un paciente.
Haga doble clic en un rectángulo existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Please choose exactly one image at a time.</source>
        <translation>Elija una sola imagen cada vez.</translation>
    </message>
    <message>
        <source>Please drop one image file.</source>
        <translation>Suelte un solo archivo de imagen.</translation>
    </message>
    <message>
        <source>Portrait 2:3</source>
        <translation>Retrato 2:3</translation>
    </message>
    <message>
        <source>Portrait and square images are arranged side by side. This value limits the total width; Original is left and Simulation is right.</source>
        <translation>Las imágenes verticales y cuadradas se colocan una al lado de la otra. Este valor limita el ancho total; el Original queda a la izquierda y la Simulación a la derecha.</translation>
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
        <translation>Preparando el lienzo de edición…</translation>
    </message>
    <message>
        <source>Preparing image for the desktop&apos;s sharing apps</source>
        <translation>Preparando la imagen para las aplicaciones para compartir del escritorio</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Previous Editor Tab</source>
        <translation>Pestaña anterior del editor</translation>
    </message>
    <message>
        <source>Print preview could not be prepared. The complete image could not be rendered.</source>
        <translation>No se ha podido preparar la vista previa de impresión. La imagen completa no se ha podido representar.</translation>
    </message>
    <message>
        <source>Printing could not start. The complete image could not be prepared.</source>
        <translation>No se ha podido iniciar la impresión. La imagen completa no se ha podido preparar.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Privacy safe: </source>
        <translation>Privacidad garantizada: </translation>
    </message>
    <message>
        <source>Progressively return a changed area toward the Original (R)</source>
        <translation>Devolver progresivamente una zona modificada hacia el Original (R)</translation>
    </message>
    <message>
        <source>Pull the submental area inward to reduce a double chin.</source>
        <translation>Desplace la zona submentoniana hacia dentro para reducir la papada.</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empujar</translation>
    </message>
    <message>
        <source>Push both flanks inward evenly for a liposuction or tummy-tuck effect.</source>
        <translation>Empuje ambos flancos hacia dentro por igual para un efecto de liposucción o abdominoplastia.</translation>
    </message>
    <message>
        <source>Push cheek volume upward and outward for a filler-like lift.</source>
        <translation>Empuje el volumen de las mejillas hacia arriba y hacia fuera para un efecto lifting de relleno.</translation>
    </message>
    <message>
        <source>Push reshape tool</source>
        <translation>Herramienta de remodelado Empujar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit Veltrano</source>
        <translation>Salir de Veltrano</translation>
    </message>
    <message>
        <source>Recent locations</source>
        <translation>Ubicaciones recientes</translation>
    </message>
    <message>
        <source>Reconstruct</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>Reconstruct reshape tool</source>
        <translation>Herramienta de remodelado Reconstruir</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Rectangle annotation tool</source>
        <translation>Herramienta de anotación rectángulo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo the last undone action (Ctrl+Shift+Z)</source>
        <translation>Rehacer la última acción deshecha (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Redo the latest undone action</source>
        <translation>Rehacer la última acción deshecha</translation>
    </message>
    <message>
        <source>Reduce breast volume for a reduction simulation; compare both sides.</source>
        <translation>Reduzca el volumen mamario para simular una reducción; compare ambos lados.</translation>
    </message>
    <message>
        <source>Reduce the apparent size of prominent ears with small, gradual passes.</source>
        <translation>Reduzca el tamaño aparente de unas orejas prominentes con pasadas pequeñas y graduales.</translation>
    </message>
    <message>
        <source>Reduce the nasal tip with a small brush.</source>
        <translation>Reduzca la punta nasal con un pincel pequeño.</translation>
    </message>
    <message>
        <source>Remove complete annotation objects touched by the eraser. The photograph and deformation are not affected.</source>
        <translation>Elimina los objetos de anotación completos que toque el borrador. La fotografía y la deformación no se ven afectadas.</translation>
    </message>
    <message>
        <source>Reopen image picker</source>
        <translation>Reabrir selector de imágenes</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>Reset all deformation and annotations</source>
        <translation>Restablecer toda la deformación y las anotaciones</translation>
    </message>
    <message>
        <source>Reset orientation</source>
        <translation>Restablecer la orientación</translation>
    </message>
    <message>
        <source>Reset to full image</source>
        <translation>Restablecer a la imagen completa</translation>
    </message>
    <message>
        <source>Reshape</source>
        <translation>Remodelar</translation>
    </message>
    <message>
        <source>Reshape hip width outward or inward; keep strokes symmetrical.</source>
        <translation>Modifique el ancho de las caderas hacia fuera o hacia dentro; mantenga trazos simétricos.</translation>
    </message>
    <message>
        <source>Reshape mode</source>
        <translation>Modo Remodelar</translation>
    </message>
    <message>
        <source>Reshape tools</source>
        <translation>Herramientas de remodelado</translation>
    </message>
    <message>
        <source>Reshaping previews for patient consultations</source>
        <translation>Previsualizaciones de remodelado para consultas con pacientes</translation>
    </message>
    <message>
        <source>Restart Anyway</source>
        <translation>Reiniciar igualmente</translation>
    </message>
    <message>
        <source>Restart Veltrano now</source>
        <translation>Reiniciar Veltrano ahora</translation>
    </message>
    <message>
        <source>Restart Veltrano without saving image changes</source>
        <translation>Reiniciar Veltrano sin guardar los cambios de la imagen</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Restart the app to apply this change.</source>
        <translation>Reinicie la aplicación para aplicar este cambio.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate or flip the source image</source>
        <translation>Girar o voltear la imagen de origen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Rotate the crop left</source>
        <translation>Girar el recorte a la izquierda</translation>
    </message>
    <message>
        <source>Rotate the crop right</source>
        <translation>Girar el recorte a la derecha</translation>
    </message>
    <message>
        <source>SELECTED TEXT</source>
        <translation>TEXTO SELECCIONADO</translation>
    </message>
    <message>
        <source>SELECTION ASPECT RATIO</source>
        <translation>RELACIÓN DE ASPECTO DE LA SELECCIÓN</translation>
    </message>
    <message>
        <source>SELECTION SIZE</source>
        <translation>TAMAÑO DE LA SELECCIÓN</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Save before restarting?</source>
        <translation>¿Guardar antes de reiniciar?</translation>
    </message>
    <message>
        <source>Save image before closing</source>
        <translation>Guardar la imagen antes de cerrar</translation>
    </message>
    <message>
        <source>Save image before opening another image</source>
        <translation>Guardar la imagen antes de abrir otra</translation>
    </message>
    <message>
        <source>Save images</source>
        <translation>Guardar imágenes</translation>
    </message>
    <message>
        <source>Save images…</source>
        <translation>Guardar imágenes…</translation>
    </message>
    <message>
        <source>Save the complete Original, Simulation, or Comparison image</source>
        <translation>Guardar la imagen original, de simulación o de comparación completa</translation>
    </message>
    <message>
        <source>Save to the Veltrano folder inside the system&apos;s Pictures folder.</source>
        <translation>Guardar en la carpeta Veltrano dentro de la carpeta Imágenes del sistema.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Guardar vídeo</translation>
    </message>
    <message>
        <source>Save video…</source>
        <translation>Guardar vídeo…</translation>
    </message>
    <message>
        <source>Saved image size</source>
        <translation>Tamaño de la imagen guardada</translation>
    </message>
    <message>
        <source>Saved to</source>
        <translation>Guardado en</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Desplazar a la izquierda</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Desplazar a la derecha</translation>
    </message>
    <message>
        <source>Select / Move</source>
        <translation>Seleccionar / Mover</translation>
    </message>
    <message>
        <source>Select Draw</source>
        <translation>Elegir Dibujo</translation>
    </message>
    <message>
        <source>Select Eraser</source>
        <translation>Elegir Borrador</translation>
    </message>
    <message>
        <source>Select Grow</source>
        <translation>Elegir Agrandar</translation>
    </message>
    <message>
        <source>Select Push</source>
        <translation>Elegir Empujar</translation>
    </message>
    <message>
        <source>Select Reconstruct</source>
        <translation>Elegir Reconstruir</translation>
    </message>
    <message>
        <source>Select Shrink</source>
        <translation>Elegir Encoger</translation>
    </message>
    <message>
        <source>Select Text</source>
        <translation>Elegir Texto</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Select or move annotation tool</source>
        <translation>Herramienta de selección o movimiento de anotaciones</translation>
    </message>
    <message>
        <source>Select or move annotations</source>
        <translation>Seleccionar o mover anotaciones</translation>
    </message>
    <message>
        <source>Select the area you want to edit. The darker area remains visible for context but will be excluded from the editor.</source>
        <translation>Seleccione la zona que desea editar. La zona más oscura sigue visible como contexto, pero se excluirá del editor.</translation>
    </message>
    <message>
        <source>Select the next editor tab</source>
        <translation>Seleccionar la pestaña siguiente del editor</translation>
    </message>
    <message>
        <source>Select the previous editor tab</source>
        <translation>Seleccionar la pestaña anterior del editor</translation>
    </message>
    <message>
        <source>Select the topmost annotation under the pointer, then drag it to reposition it on the Simulation.
You can also double-click any annotation to select it without first choosing this tool.</source>
        <translation>Seleccione la anotación superior bajo el puntero y arrástrela para recolocarla en la Simulación.
También puede hacer doble clic en cualquier anotación para seleccionarla sin elegir antes esta herramienta.</translation>
    </message>
    <message>
        <source>Select the topmost drawing object and drag it to move (V)</source>
        <translation>Seleccionar el objeto de dibujo superior y arrastrarlo para moverlo (V)</translation>
    </message>
    <message>
        <source>Select this crop aspect ratio</source>
        <translation>Seleccionar esta relación de aspecto de recorte</translation>
    </message>
    <message>
        <source>Select which image view you want to save.</source>
        <translation>Seleccione la vista de imagen que desea guardar.</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionado</translation>
    </message>
    <message>
        <source>Selected folder</source>
        <translation>Carpeta seleccionada</translation>
    </message>
    <message>
        <source>Selected folder information</source>
        <translation>Información de la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Selection %1 by %2 source pixels</source>
        <translation>Selección de %1 por %2 píxeles de origen</translation>
    </message>
    <message>
        <source>Selection size</source>
        <translation>Tamaño de la selección</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Send by Email…</source>
        <translation>Enviar por correo electrónico…</translation>
    </message>
    <message>
        <source>Send report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Sending feedback</source>
        <translation>Enviando comentarios</translation>
    </message>
    <message>
        <source>Sending feedback…</source>
        <translation>Enviando comentarios…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Set the maximum working canvas size. Smaller images are unaffected. Larger images are scaled down to the maximum size set here.</source>
        <translation>Establezca el tamaño máximo del lienzo de trabajo. Las imágenes más pequeñas no se ven afectadas. Las imágenes más grandes se reducen al tamaño máximo establecido aquí.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configuración…</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Share image</source>
        <translation>Compartir imagen</translation>
    </message>
    <message>
        <source>Share…</source>
        <translation>Compartir…</translation>
    </message>
    <message>
        <source>Sharing could not start. %1</source>
        <translation>No se ha podido iniciar el uso compartido. %1</translation>
    </message>
    <message>
        <source>Sharing unavailable</source>
        <translation>Uso compartido no disponible</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Atajo: %1</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Show image labels in Comparison</source>
        <translation>Mostrar las etiquetas de imagen en Comparación</translation>
    </message>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Show inspector</source>
        <translation>Mostrar inspector</translation>
    </message>
    <message>
        <source>Show one source image pixel per layout pixel</source>
        <translation>Mostrar un píxel de la imagen de origen por cada píxel de pantalla</translation>
    </message>
    <message>
        <source>Show or hide Comparison labels</source>
        <translation>Mostrar u ocultar las etiquetas de comparación</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>Encoger</translation>
    </message>
    <message>
        <source>Shrink reshape tool</source>
        <translation>Herramienta de remodelado Encoger</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Simulation image</source>
        <translation>Imagen de simulación</translation>
    </message>
    <message>
        <source>Simulation image label</source>
        <translation>Etiqueta de la imagen de simulación</translation>
    </message>
    <message>
        <source>Simulation label</source>
        <translation>Etiqueta Simulación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Slightly enlarge the eye opening; use a small brush and apply the effect gradually.</source>
        <translation>Agrande ligeramente la apertura del ojo; use un pincel pequeño y aplique el efecto gradualmente.</translation>
    </message>
    <message>
        <source>Slim full cheeks to simulate a buccal fat reduction.</source>
        <translation>Afine unas mejillas llenas para simular una reducción de las bolas de Bichat.</translation>
    </message>
    <message>
        <source>Slim the inner and outer thigh line with opposing strokes.</source>
        <translation>Afine la línea interna y externa del muslo con trazos opuestos.</translation>
    </message>
    <message>
        <source>Social 4:5</source>
        <translation>Redes 4:5</translation>
    </message>
    <message>
        <source>Source photo, unedited.</source>
        <translation>Foto de origen, sin editar.</translation>
    </message>
    <message>
        <source>Square 1:1</source>
        <translation>Cuadrado 1:1</translation>
    </message>
    <message>
        <source>Stored locally on this device.</source>
        <translation>Se almacena localmente en este dispositivo.</translation>
    </message>
    <message>
        <source>Stored locally. Never included unless you select it for that output.</source>
        <translation>Se almacenan localmente. Nunca se incluyen a menos que los seleccione para esa exportación.</translation>
    </message>
    <message>
        <source>Stroke size</source>
        <translation>Grosor del trazo</translation>
    </message>
    <message>
        <source>Subfolder name (optional)</source>
        <translation>Nombre de la subcarpeta (opcional)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Supported images: JPEG · PNG · BMP · TIFF · HEIC/HEIF</source>
        <translation>Imágenes compatibles: JPEG · PNG · BMP · TIFF · HEIC/HEIF</translation>
    </message>
    <message>
        <source>Synchronized zoom (Ctrl + mouse wheel)</source>
        <translation>Zoom sincronizado (Ctrl + rueda del ratón)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text annotation tool</source>
        <translation>Herramienta de anotación texto</translation>
    </message>
    <message>
        <source>Thank you. Report ID:
</source>
        <translation>Gracias. ID del informe:
</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was received.</source>
        <translation>Gracias. Hemos recibido sus comentarios.</translation>
    </message>
    <message>
        <source>The Pictures folder cannot be accessed.</source>
        <translation>No se puede acceder a la carpeta Imágenes.</translation>
    </message>
    <message>
        <source>The animation video could not be placed at the selected location.</source>
        <translation>No se ha podido colocar el vídeo de animación en la ubicación seleccionada.</translation>
    </message>
    <message>
        <source>The animation video was saved successfully.</source>
        <translation>El vídeo de animación se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>The base filename cannot be “.” or “..”.</source>
        <translation>El nombre de archivo base no puede ser «.» ni «..».</translation>
    </message>
    <message>
        <source>The base filename cannot contain line breaks, tabs or other control characters.</source>
        <translation>El nombre de archivo base no puede contener saltos de línea, tabulaciones ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The base filename is too long for the file system.</source>
        <translation>El nombre de archivo base es demasiado largo para el sistema de archivos.</translation>
    </message>
    <message>
        <source>The base filename must be 180 characters or fewer.</source>
        <translation>El nombre de archivo base debe tener 180 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The changes are not saved. Restarting now will discard them.</source>
        <translation>Los cambios no se han guardado. Si reinicia ahora, se descartarán.</translation>
    </message>
    <message>
        <source>The complete animation could not be prepared.</source>
        <translation>No se ha podido preparar la animación completa.</translation>
    </message>
    <message>
        <source>The complete image could not be prepared.</source>
        <translation>No se ha podido preparar la imagen completa.</translation>
    </message>
    <message>
        <source>The crash report could not be sent. Check the internet connection and try again.</source>
        <translation>No se ha podido enviar el informe de fallo. Compruebe la conexión a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The data couldn’t be read because it isn’t in the correct format.</source>
        <translation>No se han podido leer los datos porque no tienen el formato correcto.</translation>
    </message>
    <message>
        <source>The disk may be full or the location unavailable.</source>
        <translation>Puede que el disco esté lleno o que la ubicación no esté disponible.</translation>
    </message>
    <message>
        <source>The editing canvas cannot be used.</source>
        <translation>No se puede usar el lienzo de edición.</translation>
    </message>
    <message>
        <source>The editing canvas could not be prepared.</source>
        <translation>No se ha podido preparar el lienzo de edición.</translation>
    </message>
    <message>
        <source>The feedback could not be safely retried. Close this dialog and try again.</source>
        <translation>No se ha podido reintentar el envío de los comentarios de forma segura. Cierre este cuadro de diálogo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The feedback could not be sent because one or more fields are invalid.</source>
        <translation>No se han podido enviar los comentarios porque uno o varios campos no son válidos.</translation>
    </message>
    <message>
        <source>The feedback could not be sent. Check the internet connection and try again.</source>
        <translation>No se han podido enviar los comentarios. Compruebe la conexión a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The feedback service returned an invalid response.</source>
        <translation>El servicio de comentarios ha devuelto una respuesta no válida.</translation>
    </message>
    <message>
        <source>The file could not be written. The disk may be full.</source>
        <translation>No se ha podido escribir el archivo. Puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>The file manager could not open the containing folder.</source>
        <translation>El gestor de archivos no ha podido abrir la carpeta de destino.</translation>
    </message>
    <message>
        <source>The file manager could not show the image.</source>
        <translation>El gestor de archivos no ha podido mostrar la imagen.</translation>
    </message>
    <message>
        <source>The image could not be copied to the clipboard.</source>
        <translation>No se ha podido copiar la imagen al portapapeles.</translation>
    </message>
    <message>
        <source>The image could not be encoded.</source>
        <translation>No se ha podido codificar la imagen.</translation>
    </message>
    <message>
        <source>The image could not be saved. %1</source>
        <translation>No se ha podido guardar la imagen. %1</translation>
    </message>
    <message>
        <source>The image could not be shared. %1</source>
        <translation>No se ha podido compartir la imagen. %1</translation>
    </message>
    <message>
        <source>The image was saved successfully.</source>
        <translation>La imagen se ha guardado correctamente.</translation>
    </message>
    <message>
        <source>The images were saved successfully.</source>
        <translation>Las imágenes se han guardado correctamente.</translation>
    </message>
    <message>
        <source>The original image file was not changed. Close and reopen Veltrano before editing this image again. Changes made in the current editor session have not been saved.

If the problem persists, contact support at %1.</source>
        <translation>El archivo de imagen original no se ha modificado. Cierre y vuelva a abrir Veltrano antes de volver a editar esta imagen. Los cambios realizados en la sesión actual del editor no se han guardado.

Si el problema persiste, póngase en contacto con el soporte en %1.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>El trabajo de impresión ha fallado.</translation>
    </message>
    <message>
        <source>The replacement image could not be loaded.</source>
        <translation>No se ha podido cargar la imagen de sustitución.</translation>
    </message>
    <message>
        <source>The requested action could not be completed.</source>
        <translation>No se ha podido completar la acción solicitada.</translation>
    </message>
    <message>
        <source>The saved animation video could not be validated.</source>
        <translation>No se ha podido validar el vídeo de animación guardado.</translation>
    </message>
    <message>
        <source>The saved image could not be validated.</source>
        <translation>No se ha podido validar la imagen guardada.</translation>
    </message>
    <message>
        <source>The settings file was written by another version of Veltrano.</source>
        <translation>El archivo de configuración lo escribió otra versión de Veltrano.</translation>
    </message>
    <message>
        <source>The source image changed after it was opened. Please open it again before editing.</source>
        <translation>La imagen de origen ha cambiado después de abrirse. Vuelva a abrirla antes de editarla.</translation>
    </message>
    <message>
        <source>The subfolder name cannot be “.” or “..”.</source>
        <translation>El nombre de la subcarpeta no puede ser «.» ni «..».</translation>
    </message>
    <message>
        <source>The subfolder name cannot contain line breaks, tabs or other control characters.</source>
        <translation>El nombre de la subcarpeta no puede contener saltos de línea, tabulaciones ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The subfolder name is too long for the file system.</source>
        <translation>El nombre de la subcarpeta es demasiado largo para el sistema de archivos.</translation>
    </message>
    <message>
        <source>The subfolder name must be 255 characters or fewer.</source>
        <translation>El nombre de la subcarpeta debe tener 255 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The system could not create or read the temporary sharing image.</source>
        <translation>El sistema no ha podido crear ni leer la imagen temporal para compartir.</translation>
    </message>
    <message>
        <source>The system could not open the Share menu for this application.</source>
        <translation>El sistema no ha podido abrir el menú Compartir para esta aplicación.</translation>
    </message>
    <message>
        <source>The system could not write or finalize the video. The disk may be full, the location unavailable, or the file in use.</source>
        <translation>El sistema no ha podido escribir o finalizar el vídeo. Puede que el disco esté lleno, que la ubicación no esté disponible o que el archivo esté en uso.</translation>
    </message>
    <message>
        <source>The system may have started replacing the destination. Check the file before retrying.</source>
        <translation>Es posible que el sistema haya empezado a sustituir el archivo de destino. Compruebe el archivo antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>The tab-view suffix will be appended to the base filename.</source>
        <translation>Se añadirá al nombre de archivo base el sufijo de la vista de la pestaña.</translation>
    </message>
    <message>
        <source>The temporary shared image is locked and will be removed later.</source>
        <translation>La imagen temporal compartida está bloqueada y se eliminará más tarde.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be prepared.</source>
        <translation>No se ha podido preparar la imagen temporal para compartir.</translation>
    </message>
    <message>
        <source>The temporary sharing image could not be validated.</source>
        <translation>No se ha podido validar la imagen temporal para compartir.</translation>
    </message>
    <message>
        <source>These optional settings allow you to control the pixel dimensions of your saved images.</source>
        <translation>Estos ajustes opcionales le permiten controlar las dimensiones en píxeles de las imágenes guardadas.</translation>
    </message>
    <message>
        <source>These settings could not be saved. They remain active for this session.</source>
        <translation>No se han podido guardar estos ajustes. Seguirán activos durante esta sesión.</translation>
    </message>
    <message>
        <source>These watermark labels appear in the top corners of the editor&apos;s Comparison tab. You can also include them in saved, shared, and printed Comparison images.</source>
        <translation>Estas etiquetas de marca de agua aparecen en las esquinas superiores de la pestaña Comparación del editor. También puede incluirlas en las imágenes de comparación guardadas, compartidas e impresas.</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Muslos</translation>
    </message>
    <message>
        <source>This computer could not start the H.264 video encoder.</source>
        <translation>Este equipo no ha podido iniciar el codificador de vídeo H.264.</translation>
    </message>
    <message>
        <source>This crop is not valid. Please adjust it before going to the editor.</source>
        <translation>Este recorte no es válido. Ajústelo antes de pasar al editor.</translation>
    </message>
    <message>
        <source>This folder cannot be accessed. Choose another save location.</source>
        <translation>No se puede acceder a esta carpeta. Elija otra ubicación para guardar.</translation>
    </message>
    <message>
        <source>This folder is created inside the selected location. Leave blank to save directly there.</source>
        <translation>Esta carpeta se crea dentro de la ubicación seleccionada. Déjelo en blanco para guardar directamente allí.</translation>
    </message>
    <message>
        <source>This folder no longer exists or cannot be accessed. Choose another save location.</source>
        <translation>Esta carpeta ya no existe o no se puede acceder a ella. Elija otra ubicación para guardar.</translation>
    </message>
    <message>
        <source>This folder no longer exists. Choose another save location.</source>
        <translation>Esta carpeta ya no existe. Elija otra ubicación para guardar.</translation>
    </message>
    <message>
        <source>This image could not be opened.</source>
        <translation>No se ha podido abrir esta imagen.</translation>
    </message>
    <message>
        <source>This image could not be opened. Please choose another local image.</source>
        <translation>No se ha podido abrir esta imagen. Elija otra imagen local.</translation>
    </message>
    <message>
        <source>This image could not be prepared for editing. Please adjust the crop or open it again.</source>
        <translation>No se ha podido preparar esta imagen para editarla. Ajuste el recorte o vuelva a abrirla.</translation>
    </message>
    <message>
        <source>This image could not be read. It may be damaged, or incompatible</source>
        <translation>No se ha podido leer esta imagen. Puede que esté dañada, o que sea incompatible</translation>
    </message>
    <message>
        <source>This image is too large to open safely.</source>
        <translation>Esta imagen es demasiado grande para abrirla de forma segura.</translation>
    </message>
    <message>
        <source>This path is display-only. Use Pictures, Recent locations, or Browse to select or create another folder. To save inside a subfolder, enter its name in Subfolder name field (optional).</source>
        <translation>Esta ruta solo se muestra a título informativo. Use Imágenes, Ubicaciones recientes o Examinar para seleccionar o crear otra carpeta. Para guardar en una subcarpeta, escriba su nombre en el campo Nombre de la subcarpeta (opcional).</translation>
    </message>
    <message>
        <source>This recent folder no longer exists or is disconnected.</source>
        <translation>Esta carpeta reciente ya no existe o está desconectada.</translation>
    </message>
    <message>
        <source>To stop animation, select another tab.</source>
        <translation>Para detener la animación, seleccione otra pestaña.</translation>
    </message>
    <message>
        <source>Toggle Comparison Labels</source>
        <translation>Mostrar/ocultar etiquetas de comparación</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Mostrar/ocultar inspector</translation>
    </message>
    <message>
        <source>Toggle Original/Simulation labels on the Comparison tab (Ctrl+L)</source>
        <translation>Mostrar/ocultar las etiquetas Original/Simulación en la pestaña Comparación (Ctrl+L)</translation>
    </message>
    <message>
        <source>Toggle Toolbar</source>
        <translation>Mostrar/ocultar barra de herramientas</translation>
    </message>
    <message>
        <source>Too many feedback messages were submitted. Please try again later.</source>
        <translation>Se han enviado demasiados comentarios. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Tool Suggestions</source>
        <translation>Consejos de uso</translation>
    </message>
    <message>
        <source>Tool diameter</source>
        <translation>Diámetro de la herramienta</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Unable to open editor</source>
        <translation>No se puede abrir el editor</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action (Ctrl+Z)</source>
        <translation>Deshacer la última acción (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo the latest action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Unsaved image changes</source>
        <translation>Cambios de imagen sin guardar</translation>
    </message>
    <message>
        <source>Use Brazilian Portuguese</source>
        <translation>Usar portugués de Brasil</translation>
    </message>
    <message>
        <source>Use English</source>
        <translation>Usar inglés</translation>
    </message>
    <message>
        <source>Use French</source>
        <translation>Usar francés</translation>
    </message>
    <message>
        <source>Use Italian</source>
        <translation>Usar italiano</translation>
    </message>
    <message>
        <source>Use Japanese</source>
        <translation>Usar japonés</translation>
    </message>
    <message>
        <source>Use Korean</source>
        <translation>Usar coreano</translation>
    </message>
    <message>
        <source>Use Simplified Chinese</source>
        <translation>Usar chino simplificado</translation>
    </message>
    <message>
        <source>Use Spanish</source>
        <translation>Usar español</translation>
    </message>
    <message>
        <source>Use Turkish</source>
        <translation>Usar turco</translation>
    </message>
    <message>
        <source>Use the system print workflow</source>
        <translation>Usar el proceso de impresión del sistema</translation>
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
        <translation>Veltrano ha registrado un fallo de la sesión anterior.

¿Desea enviar un informe de diagnóstico para ayudar a identificar la causa?

Incluido:
• Versiones de la aplicación, del sistema operativo y de la compilación
• Señal del fallo, tipo de excepción, pilas de los hilos y registros
• Nombres de binarios, direcciones de carga e ID de compilación para la simbolización

No incluido:
• Imágenes o contenido del proyecto
• Nombres o rutas de archivos
• Datos de contacto, credenciales
• Motivos de las excepciones, el registro del sistema o los informes de fallos del sistema

Hilos: %1
Tamaño de envío: %2
Señal: %3 (%4)</translation>
    </message>
    <message>
        <source>Veltrano content</source>
        <translation>Contenido de Veltrano</translation>
    </message>
    <message>
        <source>Veltrano could not find an available filename after 999 versions.</source>
        <translation>Veltrano no ha encontrado ningún nombre de archivo disponible tras 999 versiones.</translation>
    </message>
    <message>
        <source>Veltrano could not prepare the selected image for sharing.</source>
        <translation>Veltrano no ha podido preparar la imagen seleccionada para compartirla.</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video file. You may delete it manually:</source>
        <translation>Veltrano no ha podido eliminar su archivo de vídeo temporal. Puede eliminarlo manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove its temporary video folder. You may delete it manually:</source>
        <translation>Veltrano no ha podido eliminar su carpeta de vídeo temporal. Puede eliminarla manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not remove these temporary or incomplete image files. Inspect them manually:</source>
        <translation>Veltrano no ha podido eliminar estos archivos de imagen temporales o incompletos. Revíselos manualmente:</translation>
    </message>
    <message>
        <source>Veltrano could not restart. Close and reopen the app.</source>
        <translation>Veltrano no ha podido reiniciarse. Cierre la aplicación y vuelva a abrirla.</translation>
    </message>
    <message>
        <source>Veltrano detected a previous crash but could not prepare its diagnostic report. Any crash record kept by the system remains available.</source>
        <translation>Veltrano ha detectado un fallo anterior, pero no ha podido preparar el informe de diagnóstico. Cualquier registro de fallos que conserve el sistema sigue disponible.</translation>
    </message>
    <message>
        <source>Veltrano encountered an unexpected error</source>
        <translation>Veltrano ha encontrado un error inesperado</translation>
    </message>
    <message>
        <source>Veltrano image</source>
        <translation>Imagen de Veltrano</translation>
    </message>
    <message>
        <source>Veltrano prepares one JPEG, then the desktop shows the compatible sharing apps installed for this account.</source>
        <translation>Veltrano prepara un JPEG y, a continuación, el escritorio muestra las aplicaciones para compartir compatibles instaladas para esta cuenta.</translation>
    </message>
    <message>
        <source>Vertical 9:16</source>
        <translation>Vertical 9:16</translation>
    </message>
    <message>
        <source>Video not saved</source>
        <translation>Vídeo no guardado</translation>
    </message>
    <message>
        <source>Video save cancelled</source>
        <translation>Guardado del vídeo cancelado</translation>
    </message>
    <message>
        <source>Video saved</source>
        <translation>Vídeo guardado</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>View and navigation</source>
        <translation>Vista y navegación</translation>
    </message>
    <message>
        <source>WATERMARKS</source>
        <translation>MARCAS DE AGUA</translation>
    </message>
    <message>
        <source>WHAT TO SHARE</source>
        <translation>QUÉ COMPARTIR</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Cintura</translation>
    </message>
    <message>
        <source>Watermark labels appear in saved image corners, including Comparison. Typical values: “Before / After” or “Original / Simulation.” Current values: %1 / %2.</source>
        <translation>Las etiquetas de marca de agua aparecen en las esquinas de las imágenes guardadas, incluida la Comparación. Valores habituales: «Antes / Después» u «Original / Simulación». Valores actuales: %1 / %2.</translation>
    </message>
    <message>
        <source>Watermarks</source>
        <translation>Marcas de agua</translation>
    </message>
    <message>
        <source>We recommend keeping the default value. If image manipulation feels slow on a less powerful computer, try reducing the maximum image size to improve responsiveness. The current image will not be resized; this setting applies to the next image you open.</source>
        <translation>Le recomendamos mantener el valor predeterminado. Si la manipulación de imágenes resulta lenta en un equipo menos potente, pruebe a reducir el tamaño máximo de imagen para mejorar la respuesta. La imagen actual no se redimensionará; este ajuste se aplica a la siguiente imagen que abra.</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Web site address</source>
        <translation>Dirección del sitio web</translation>
    </message>
    <message>
        <source>What to save</source>
        <translation>Qué guardar</translation>
    </message>
    <message>
        <source>Where / What</source>
        <translation>Dónde / Qué</translation>
    </message>
    <message>
        <source>Wide 16:9</source>
        <translation>Panorámico 16:9</translation>
    </message>
    <message>
        <source>With the Text tool selected, click the Simulation image exactly where you want to add your text.
Double-click existing text to select it, then drag to move it.</source>
        <translation>Con la herramienta Texto seleccionada, haga clic en la imagen de simulación justo donde quiera añadir el texto.
Haga doble clic en un texto existente para seleccionarlo y arrástrelo para moverlo.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>You are already on the Animation tab</source>
        <translation>Ya está en la pestaña Animación</translation>
    </message>
    <message>
        <source>You are already on the Original picture tab</source>
        <translation>Ya está en la pestaña Original</translation>
    </message>
    <message>
        <source>You can&apos;t modify the image on the Animate tab. Select the Simulation or Comparison tab to edit it.</source>
        <translation>No puede modificar la imagen en la pestaña Animación. Seleccione la pestaña Simulación o Comparación para editarla.</translation>
    </message>
    <message>
        <source>You can&apos;t modify the original image</source>
        <translation>No puede modificar la imagen original</translation>
    </message>
    <message>
        <source>Your animation video is ready.</source>
        <translation>Su vídeo de animación está listo.</translation>
    </message>
    <message>
        <source>Your crop remains available.</source>
        <translation>Su recorte sigue disponible.</translation>
    </message>
    <message>
        <source>Your crop remains available. Adjust it or try again.</source>
        <translation>Su recorte sigue disponible. Ajústelo o inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Your current editor image remains open and unchanged.</source>
        <translation>La imagen actual del editor sigue abierta y sin cambios.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you close now, those changes in the editor will be discarded.</source>
        <translation>Su resultado actual no se ha guardado como imagen. Si cierra ahora, se descartarán esos cambios del editor.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you open another image now, those changes in the editor will be discarded.</source>
        <translation>Su resultado actual no se ha guardado como imagen. Si abre otra imagen ahora, se descartarán esos cambios del editor.</translation>
    </message>
    <message>
        <source>Your current result has not been saved as an image. If you restart now, those changes in the editor will be discarded.</source>
        <translation>Su resultado actual no se ha guardado como imagen. Si reinicia ahora, se descartarán esos cambios del editor.</translation>
    </message>
    <message>
        <source>Your feedback, name, and email will be sent to Veltrano support.</source>
        <translation>Sus comentarios, su nombre y su correo electrónico se enviarán al soporte de Veltrano.</translation>
    </message>
    <message>
        <source>Your image is being saved</source>
        <translation>Se está guardando la imagen</translation>
    </message>
    <message>
        <source>Your image is ready.</source>
        <translation>Su imagen está lista.</translation>
    </message>
    <message>
        <source>Your images are never uploaded or transmitted to us.</source>
        <translation>Sus imágenes nunca se suben ni se nos transmiten.</translation>
    </message>
    <message>
        <source>Your images are ready.</source>
        <translation>Sus imágenes están listas.</translation>
    </message>
    <message>
        <source>Your latest changes have not been saved.</source>
        <translation>Sus últimos cambios no se han guardado.</translation>
    </message>
    <message>
        <source>Your reshaped result.</source>
        <translation>Su resultado remodelado.</translation>
    </message>
    <message>
        <source>Your video is being saved</source>
        <translation>Se está guardando el vídeo</translation>
    </message>
    <message>
        <source>You’ve reached the 5-step undo limit. Use Reconstruct for earlier deformation, or Eraser to remove earlier drawing.</source>
        <translation>Ha alcanzado el límite de 5 pasos para deshacer. Use Reconstruir para deformaciones anteriores o Borrador para eliminar dibujos anteriores.</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>ZOOM IMAGE</source>
        <translation>ZOOM DE IMAGEN</translation>
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
        <source>Zoom from Fit to sixteen times Fit</source>
        <translation>Zoom desde Ajustar hasta dieciséis veces Ajustar</translation>
    </message>
    <message>
        <source>Zoom in before moving the image</source>
        <translation>Acerque el zoom antes de mover la imagen</translation>
    </message>
    <message>
        <source>Zoom in incrementally</source>
        <translation>Acercar de forma gradual</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>Acercar o alejar</translation>
    </message>
    <message>
        <source>Zoom out incrementally</source>
        <translation>Alejar de forma gradual</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
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
