<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Velmora for Windows</source>
        <translation>Velmora para Windows</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Velmora is shared with the family in mind. Copyright Halvik Software.</source>
        <translation>Velmora está pensado para toda la familia. Copyright Halvik Software.</translation>
    </message>
    <message>
        <source>version 1.11.0.23</source>
        <translation>versión 1.11.0.23</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Turns the card</source>
        <translation>Da la vuelta a la carta</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>The cards; arrow keys move the cursor, Space turns the card</source>
        <translation>Las cartas; las flechas mueven el cursor, Espacio da la vuelta a la carta</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carta %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Fila %1, columna %2, boca abajo</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Fila %1, columna %2, %3</translation>
    </message>
</context>
<context>
    <name>CardSetInfo</name>
    <message>
        <source>Current Velmora Set Info</source>
        <translation>Información del juego de cartas actual</translation>
    </message>
    <message>
        <source>Card Set Name</source>
        <translation>Nombre del juego de cartas</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Detalles </translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>CardSetNames</name>
    <message>
        <source>Card Back</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Solid Circle</source>
        <translation>Círculo relleno</translation>
    </message>
    <message>
        <source>Solid Square</source>
        <translation>Cuadrado relleno</translation>
    </message>
    <message>
        <source>Solid Triangle</source>
        <translation>Triángulo relleno</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Rombo relleno</translation>
    </message>
    <message>
        <source>Solid Star</source>
        <translation>Estrella rellena</translation>
    </message>
    <message>
        <source>Solid Heart</source>
        <translation>Corazón relleno</translation>
    </message>
    <message>
        <source>Solid Cross</source>
        <translation>Cruz rellena</translation>
    </message>
    <message>
        <source>Solid Hexagon</source>
        <translation>Hexágono relleno</translation>
    </message>
    <message>
        <source>Solid Moon</source>
        <translation>Luna rellena</translation>
    </message>
    <message>
        <source>Solid Arrow</source>
        <translation>Flecha rellena</translation>
    </message>
    <message>
        <source>Open Circle</source>
        <translation>Círculo hueco</translation>
    </message>
    <message>
        <source>Open Square</source>
        <translation>Cuadrado hueco</translation>
    </message>
    <message>
        <source>Open Triangle</source>
        <translation>Triángulo hueco</translation>
    </message>
    <message>
        <source>Open Diamond</source>
        <translation>Rombo hueco</translation>
    </message>
    <message>
        <source>Open Star</source>
        <translation>Estrella hueca</translation>
    </message>
    <message>
        <source>Open Heart</source>
        <translation>Corazón hueco</translation>
    </message>
    <message>
        <source>Open Cross</source>
        <translation>Cruz hueca</translation>
    </message>
    <message>
        <source>Open Hexagon</source>
        <translation>Hexágono hueco</translation>
    </message>
    <message>
        <source>Open Moon</source>
        <translation>Luna hueca</translation>
    </message>
    <message>
        <source>Open Arrow</source>
        <translation>Flecha hueca</translation>
    </message>
    <message>
        <source>Striped Circle</source>
        <translation>Círculo rayado</translation>
    </message>
    <message>
        <source>Striped Square</source>
        <translation>Cuadrado rayado</translation>
    </message>
    <message>
        <source>Striped Triangle</source>
        <translation>Triángulo rayado</translation>
    </message>
    <message>
        <source>Striped Diamond</source>
        <translation>Rombo rayado</translation>
    </message>
    <message>
        <source>Striped Star</source>
        <translation>Estrella rayada</translation>
    </message>
    <message>
        <source>Striped Heart</source>
        <translation>Corazón rayado</translation>
    </message>
    <message>
        <source>Striped Cross</source>
        <translation>Cruz rayada</translation>
    </message>
    <message>
        <source>Striped Hexagon</source>
        <translation>Hexágono rayado</translation>
    </message>
    <message>
        <source>Striped Moon</source>
        <translation>Luna rayada</translation>
    </message>
    <message>
        <source>Striped Arrow</source>
        <translation>Flecha rayada</translation>
    </message>
    <message>
        <source>Twin Circle</source>
        <translation>Círculo doble</translation>
    </message>
    <message>
        <source>Twin Square</source>
        <translation>Cuadrado doble</translation>
    </message>
    <message>
        <source>Twin Triangle</source>
        <translation>Triángulo doble</translation>
    </message>
    <message>
        <source>Twin Diamond</source>
        <translation>Rombo doble</translation>
    </message>
    <message>
        <source>Twin Star</source>
        <translation>Estrella doble</translation>
    </message>
    <message>
        <source>Twin Heart</source>
        <translation>Corazón doble</translation>
    </message>
    <message>
        <source>Twin Cross</source>
        <translation>Cruz doble</translation>
    </message>
    <message>
        <source>Twin Hexagon</source>
        <translation>Hexágono doble</translation>
    </message>
    <message>
        <source>Twin Moon</source>
        <translation>Luna doble</translation>
    </message>
    <message>
        <source>Twin Arrow</source>
        <translation>Flecha doble</translation>
    </message>
    <message>
        <source>Reversed Circle</source>
        <translation>Círculo invertido</translation>
    </message>
    <message>
        <source>Reversed Square</source>
        <translation>Cuadrado invertido</translation>
    </message>
    <message>
        <source>Reversed Triangle</source>
        <translation>Triángulo invertido</translation>
    </message>
    <message>
        <source>Reversed Diamond</source>
        <translation>Rombo invertido</translation>
    </message>
    <message>
        <source>Reversed Star</source>
        <translation>Estrella invertida</translation>
    </message>
    <message>
        <source>Reversed Heart</source>
        <translation>Corazón invertido</translation>
    </message>
    <message>
        <source>Reversed Cross</source>
        <translation>Cruz invertida</translation>
    </message>
    <message>
        <source>Reversed Hexagon</source>
        <translation>Hexágono invertido</translation>
    </message>
    <message>
        <source>Reversed Moon</source>
        <translation>Luna invertida</translation>
    </message>
    <message>
        <source>Reversed Arrow</source>
        <translation>Flecha invertida</translation>
    </message>
    <message>
        <source>Bold shapes in five patterns: every pair can be told apart by shape and pattern, not by colour alone.</source>
        <translation>Formas marcadas en cinco estampados: cada pareja se distingue por su forma y su estampado, no solo por el color.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Password - Velmora</source>
        <translation>Contraseña - Velmora</translation>
    </message>
    <message>
        <source> Select Player </source>
        <translation> Elegir jugador </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source> Operation </source>
        <translation> Operación </translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Añadir contraseña</translation>
    </message>
    <message>
        <source>Change/Delete Password</source>
        <translation>Cambiar/eliminar contraseña</translation>
    </message>
    <message>
        <source>Adding Password</source>
        <translation>Añadir contraseña</translation>
    </message>
    <message>
        <source>Type your password in the first box and then type it again in the second box.</source>
        <translation>Escribe tu contraseña en la primera casilla y repítela en la segunda.</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Be sure to remember your password!</source>
        <translation>Pulsa Aceptar cuando termines o Cancelar. ¡No olvides tu contraseña!</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Current password?</source>
        <translation>¿Contraseña actual?</translation>
    </message>
    <message>
        <source>New Password ...</source>
        <translation>Contraseña nueva...</translation>
    </message>
    <message>
        <source>Verify New Password ...</source>
        <translation>Repite la contraseña nueva...</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Leave New Password empty if you wish to delete.</source>
        <translation>Pulsa Aceptar cuando termines o Cancelar. Deja vacía la contraseña nueva si quieres eliminarla.</translation>
    </message>
    <message>
        <source>No players available for this operation.</source>
        <translation>No hay jugadores disponibles para esta operación.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>No has elegido ningún jugador para esta operación.</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>¡La contraseña actual no es correcta!</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Repetir contraseña</translation>
    </message>
</context>
<context>
    <name>DeletePlayer</name>
    <message>
        <source>Delete Player - Velmora</source>
        <translation>Eliminar jugador - Velmora</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Select player from the list and click Delete button.</source>
        <translation>Elige un jugador de la lista y pulsa Eliminar.</translation>
    </message>
    <message>
        <source>Please enter the password for %1</source>
        <translation>Escribe la contraseña de %1</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Damaged card set %1: %2</source>
        <translation>La baraja %1 está dañada: %2</translation>
    </message>
    <message>
        <source>Cannot write card set %1: %2</source>
        <translation>No se puede guardar la baraja %1: %2</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Error JPEG n.º %1</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read (%2 x %3 pixels)</source>
        <translation>La imagen %1 es demasiado grande para leerla (%2 × %3 píxeles)</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read</source>
        <translation>La imagen %1 es demasiado grande para leerla</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>The picture %1 is damaged or not a picture that can be read (%2)</source>
        <translation>La imagen %1 está dañada o no es una imagen que se pueda leer (%2)</translation>
    </message>
    <message>
        <source>its first frame is not whole</source>
        <translation>su primer fotograma está incompleto</translation>
    </message>
    <message>
        <source>LZH : Cannot get memory for dictionary tables</source>
        <translation>LZH : No hay memoria suficiente para las tablas del diccionario</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to get memory for I/O buffers !</source>
        <translation>Lzrw1 (des)compresión : ¡No hay memoria suficiente para los búferes de entrada y salida!</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (descompresión LZRW1/KH) : ¡El tamaño original y el comprimido no coinciden!</translation>
    </message>
    <message>
        <source>Lzrw1 (LZH decompression) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (descompresión LZH) : ¡El tamaño original y el comprimido no coinciden!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error writing to output stream !</source>
        <translation>Lzrw1 : ¡Error al escribir la salida!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream !</source>
        <translation>Lzrw1 : ¡Error al leer la entrada!</translation>
    </message>
    <message>
        <source>Lzrw1 compression : Failed to obtain the size of the input stream !</source>
        <translation>Compresión Lzrw1 : ¡No se puede averiguar el tamaño de la entrada!</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize input stream !</source>
        <translation>Lzrw1 (des)compresión : ¡No se puede preparar la entrada!</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize output stream !</source>
        <translation>Lzrw1 (des)compresión : ¡No se puede preparar la salida!</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZRW1/KH)</source>
        <translation>Lzrw1 : ¡Error al leer la entrada! (LZRW1/KH)</translation>
    </message>
    <message>
        <source>Lzrw1 decompression : input stream contains no valid header !</source>
        <translation>Descompresión Lzrw1 : ¡La entrada no tiene una cabecera válida!</translation>
    </message>
    <message>
        <source>LZRW1KH : no memory for HASH table</source>
        <translation>LZRW1KH : No hay memoria suficiente para la tabla hash</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Compressed block is damaged !</source>
        <translation>Lzrw1 (descompresión LZRW1/KH) : ¡Un bloque comprimido está dañado!</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>El archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de entrada/salida %1</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 termina antes de tiempo</translation>
    </message>
    <message>
        <source>%1 has a negative length</source>
        <translation>%1 tiene una longitud negativa</translation>
    </message>
    <message>
        <source>%2 is longer than %1 bytes</source>
        <translation>%2 supera los %1 bytes</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 contiene un byte nulo</translation>
    </message>
    <message>
        <source>the palette</source>
        <translation>la paleta de colores</translation>
    </message>
    <message>
        <source>the name of card %1</source>
        <translation>el nombre de la carta %1</translation>
    </message>
    <message>
        <source>the picture of card %1</source>
        <translation>la imagen de la carta %1</translation>
    </message>
    <message>
        <source>the background size</source>
        <translation>el tamaño del fondo</translation>
    </message>
    <message>
        <source>the background picture</source>
        <translation>la imagen de fondo</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>el fondo</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>el color de fondo</translation>
    </message>
    <message>
        <source>the prefix</source>
        <translation>la cabecera del archivo</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>el nombre del autor</translation>
    </message>
    <message>
        <source>the e-mail address</source>
        <translation>la dirección de correo</translation>
    </message>
    <message>
        <source>the web address</source>
        <translation>la dirección web</translation>
    </message>
    <message>
        <source>the notes text</source>
        <translation>el texto de las notas</translation>
    </message>
    <message>
        <source>the language</source>
        <translation>el idioma</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the compressed pictures are missing</source>
        <translation>faltan las imágenes comprimidas</translation>
    </message>
    <message>
        <source>the compressed pictures are cut short</source>
        <translation>las imágenes comprimidas están incompletas</translation>
    </message>
    <message>
        <source>the payload of %1 bytes is shorter than its %2 cards need</source>
        <translation>los datos de las cartas ocupan %1 bytes, demasiado poco para %2 cartas</translation>
    </message>
    <message>
        <source>the payload size %1 is too large for this file</source>
        <translation>el tamaño de los datos de las cartas (%1) es demasiado grande para este archivo</translation>
    </message>
    <message>
        <source>the payload is shorter than its %1 cards need</source>
        <translation>los datos de las cartas no alcanzan para %1 cartas</translation>
    </message>
    <message>
        <source>the background size %1 x %2 is not within 1 x 1 to %3 x %3</source>
        <translation>el tamaño del fondo, %1 × %2, no está entre 1 × 1 y %3 × %3</translation>
    </message>
    <message>
        <source>the card count %1 is not between 1 and %2</source>
        <translation>el número de cartas, %1, no está entre 1 y %2</translation>
    </message>
    <message>
        <source>the card size %1 x %2 is not within 1 x 1 to %3 x %4</source>
        <translation>el tamaño de las cartas, %1 × %2, no está entre 1 × 1 y %3 × %4</translation>
    </message>
    <message>
        <source>there are %1 cards but %2 card names</source>
        <translation>hay %1 cartas pero %2 nombres de cartas</translation>
    </message>
    <message>
        <source>the picture of card %1 is not %2 x %3 pixels</source>
        <translation>la imagen de la carta %1 no mide %2 × %3 píxeles</translation>
    </message>
    <message>
        <source>the background picture is not a picture of 1 x 1 to %1 x %1 pixels</source>
        <translation>la imagen de fondo no mide entre 1 × 1 y %1 × %1 píxeles</translation>
    </message>
    <message>
        <source>%1 cards of %2 x %3 pixels do not make a set of any format</source>
        <translation>%1 cartas de %2 × %3 píxeles no sirven para ningún tablero</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZH)</source>
        <translation>Lzrw1 : ¡Error al leer la entrada! (LZH)</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Junior (5x4)</source>
        <translation>Junior (5x4)</translation>
    </message>
    <message>
        <source>Standard (7x6)</source>
        <translation>Estándar (7x6)</translation>
    </message>
    <message>
        <source>Expert (8x8)</source>
        <translation>Experto (8x8)</translation>
    </message>
    <message>
        <source>Fanatic (10x10)</source>
        <translation>Fanático (10x10)</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>%1 is the winner of this game.</source>
        <translation>%1 ha ganado esta partida.</translation>
    </message>
    <message>
        <source>Game Over - Velmora by Halvik Software</source>
        <translation>Fin de la partida - Velmora de Halvik Software</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Quick Intro</source>
        <translation>Introducción rápida</translation>
    </message>
    <message>
        <source>Playing a Game</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Computer Players and Their IQ</source>
        <translation>Los jugadores del ordenador y su CI</translation>
    </message>
    <message>
        <source>Flip Delay and Sound</source>
        <translation>Tiempo de volteo y sonido</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Adding a Player</source>
        <translation>Añadir un jugador</translation>
    </message>
    <message>
        <source>Deleting a Player</source>
        <translation>Eliminar un jugador</translation>
    </message>
    <message>
        <source>Entering a Password</source>
        <translation>Introducir la contraseña</translation>
    </message>
    <message>
        <source>Adding, Changing and Deleting Passwords</source>
        <translation>Añadir, cambiar y eliminar contraseñas</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Estadísticas del jugador</translation>
    </message>
    <message>
        <source>The Scoreboard</source>
        <translation>La clasificación</translation>
    </message>
    <message>
        <source>Making Your Own Card Sets</source>
        <translation>Crea tus propias barajas</translation>
    </message>
    <message>
        <source>Viewing a Card Set</source>
        <translation>Ver una baraja</translation>
    </message>
    <message>
        <source>Selecting a Card Set</source>
        <translation>Elegir una baraja</translation>
    </message>
    <message>
        <source>Card Set Information</source>
        <translation>Información de la baraja</translation>
    </message>
    <message>
        <source>How to Contact Halvik</source>
        <translation>Cómo contactar con Halvik</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Ayuda de Velmora</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Buscar en la ayuda</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminar partida</translation>
    </message>
    <message>
        <source>&amp;Scoreboard</source>
        <translation>&amp;Clasificación</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add New Player</source>
        <translation>&amp;Añadir jugador</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Eliminar jugador</translation>
    </message>
    <message>
        <source>Add Pass&amp;word</source>
        <translation>Añadir &amp;contraseña</translation>
    </message>
    <message>
        <source>Chan&amp;ge/Delete Password</source>
        <translation>Cam&amp;biar/eliminar contraseña</translation>
    </message>
    <message>
        <source>&amp;Create New Velmora Set</source>
        <translation>Crear &amp;nuevo juego de cartas</translation>
    </message>
    <message>
        <source>&amp;View Velmora Set</source>
        <translation>&amp;Ver juego de cartas</translation>
    </message>
    <message>
        <source>Current Velmora Set &amp;Info</source>
        <translation>&amp;Información del juego actual</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <translation>150 %</translation>
    </message>
    <message>
        <source>200 %</source>
        <translation>200 %</translation>
    </message>
    <message>
        <source>300 %</source>
        <translation>300 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Card Flip Delay</source>
        <translation>Tiempo de volteo</translation>
    </message>
    <message>
        <source>&amp;1. Shortest</source>
        <translation>&amp;1. Muy corto</translation>
    </message>
    <message>
        <source>&amp;2. Short</source>
        <translation>&amp;2. Corto</translation>
    </message>
    <message>
        <source>&amp;3. Normal</source>
        <translation>&amp;3. Normal</translation>
    </message>
    <message>
        <source>&amp;4. Long</source>
        <translation>&amp;4. Largo</translation>
    </message>
    <message>
        <source>&amp;5. Longest</source>
        <translation>&amp;5. Muy largo</translation>
    </message>
    <message>
        <source>&amp;Sound On/Off</source>
        <translation>&amp;Sonido sí/no</translation>
    </message>
    <message>
        <source>&amp;Card Set Check</source>
        <translation>&amp;Comprobar juegos de cartas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search Help</source>
        <translation>&amp;Buscar en la ayuda</translation>
    </message>
    <message>
        <source>&amp;Quick Intro</source>
        <translation>&amp;Introducción rápida</translation>
    </message>
    <message>
        <source>&amp;How to Contact Halvik</source>
        <translation>Cómo contactar con &amp;Halvik</translation>
    </message>
    <message>
        <source>&amp;Halvik Web Site</source>
        <translation>Sitio &amp;web de Halvik</translation>
    </message>
    <message>
        <source>Email Halvik S&amp;ales</source>
        <translation>Correo a &amp;ventas de Halvik</translation>
    </message>
    <message>
        <source>Email Halvik Su&amp;pport</source>
        <translation>Correo a so&amp;porte de Halvik</translation>
    </message>
    <message>
        <source>About &amp;Velmora</source>
        <translation>&amp;Acerca de Velmora</translation>
    </message>
    <message>
        <source>This program is made for hi/true color displays. The display mode you are currently using may distort Velmora images. Please switch your computer to hi/true color mode.</source>
        <translation>Este programa está hecho para pantallas de color de alta densidad o color verdadero. Con el modo de pantalla actual, las imágenes de Velmora pueden verse mal. Cambia tu ordenador a color de alta densidad o color verdadero.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Velmora?</source>
        <translation>¿Seguro que quieres salir de Velmora?</translation>
    </message>
    <message>
        <source>No Velmora set selected.</source>
        <translation>No has elegido ningún juego de cartas.</translation>
    </message>
    <message>
        <source>Card set check completed!</source>
        <translation>¡Comprobación de los juegos de cartas terminada!</translation>
    </message>
    <message>
        <source>Select Game -&gt; New Game or press F2 to start a new game.</source>
        <translation>Elige Juego -&gt; Nueva partida o pulsa F2 para empezar una partida.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Sc.</source>
        <translation>Pts.</translation>
    </message>
    <message>
        <source>List of currently playing players.</source>
        <translation>Los jugadores de la partida en curso.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to play. You have %n points.</source>
        <translation>
            <numerusform>Te toca, %1. Tienes %n punto.</numerusform>
            <numerusform>Te toca, %1. Tienes %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 plays. It has %n points.</source>
        <translation>
            <numerusform>Juega %1, que tiene %n punto.</numerusform>
            <numerusform>Juega %1, que tiene %n puntos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over! The winner of this game is %1</source>
        <translation>¡Fin de la partida! Ha ganado %1</translation>
    </message>
    <message>
        <source>Game Over. Winners are %1</source>
        <translation>Fin de la partida. Han ganado %1</translation>
    </message>
    <message>
        <source>Game Over. No winners...</source>
        <translation>Fin de la partida. No ha ganado nadie...</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Fin de la partida.</translation>
    </message>
    <message>
        <source>Are you sure you want to play again?</source>
        <translation>¿Seguro que quieres volver a empezar?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Your card sets already hold a set named &quot;%1&quot;. Replace it with %2?</source>
        <translation>Ya tienes un juego de cartas llamado «%1». ¿Quieres sustituirlo por %2?</translation>
    </message>
    <message>
        <source>%1, pairs found: %2</source>
        <translation>%1, parejas encontradas: %2</translation>
    </message>
    <message>
        <source>&amp;High Contrast Board</source>
        <translation>Tablero de alto &amp;contraste</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>The players of the game and the pairs each has found</source>
        <translation>Los jugadores de la partida y las parejas que ha encontrado cada uno</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Acerca de Velmora</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>NewCardSet</name>
    <message>
        <source>Please add %1 cards. Remember that the first card will represent the upper side of your Velmora set!</source>
        <translation>Añade %1 cartas. Recuerda que la primera carta será el reverso de todas las cartas de tu juego.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;Jpeg images (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Mapas de bits (*.bmp *.BMP);;Imágenes JPEG (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Card-set file (*.cst)</source>
        <translation>Archivo de juego de cartas (*.cst)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Todas las imágenes (%1)</translation>
    </message>
    <message>
        <source>Save new card-set as...</source>
        <translation>Guardar el juego de cartas nuevo como...</translation>
    </message>
    <message>
        <source>Create New Velmora Set</source>
        <translation>Crear un juego de cartas</translation>
    </message>
    <message>
        <source>Step 1: Size</source>
        <translation>1. Tamaño</translation>
    </message>
    <message>
        <source>Step 2: Background</source>
        <translation>2. Fondo</translation>
    </message>
    <message>
        <source>Step 3: Cards</source>
        <translation>3. Cartas</translation>
    </message>
    <message>
        <source>Step 4: Info</source>
        <translation>4. Datos</translation>
    </message>
    <message>
        <source>Step 5: Finish</source>
        <translation>5. Terminar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Please use Back or Next buttons at the bottom of this window.</source>
        <translation>Usa los botones Atrás y Siguiente de la parte inferior de la ventana.</translation>
    </message>
    <message>
        <source>Set background picture...</source>
        <translation>Elegir imagen de fondo...</translation>
    </message>
    <message>
        <source>The background image does not have the correct size. Please consult Help file.</source>
        <translation>La imagen de fondo no tiene el tamaño correcto. Consulta la ayuda.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Add new card...</source>
        <translation>Añadir una carta...</translation>
    </message>
    <message>
        <source>Maximum number of cards reached. You may change the format of Velmora set if you wish to add more cards.</source>
        <translation>Has llegado al número máximo de cartas. Si quieres añadir más, cambia el formato del juego de cartas.</translation>
    </message>
    <message>
        <source>The name of the file %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>El nombre del archivo %1 contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>The image %1 does not have correct size. Please consult Help file.</source>
        <translation>La imagen %1 no tiene el tamaño correcto. Consulta la ayuda.</translation>
    </message>
    <message>
        <source>No card selected !</source>
        <translation>¡No has elegido ninguna carta!</translation>
    </message>
    <message>
        <source>The name %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>El nombre %1 contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed?</source>
        <translation>¿Seguro que quieres continuar?</translation>
    </message>
    <message>
        <source>No cards available...</source>
        <translation>No hay cartas...</translation>
    </message>
    <message>
        <source>This will erase all cards in your Velmora card set! Are you sure you want to proceed?</source>
        <translation>¡Se borrarán todas las cartas de tu juego! ¿Seguro que quieres continuar?</translation>
    </message>
    <message>
        <source>You did not create required number of cards (%1). Please add %2 cards.</source>
        <translation>No has creado el número de cartas necesario (%1). Añade %2 cartas más.</translation>
    </message>
    <message>
        <source>The author&apos;s name holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>El nombre del autor contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>The e-mail address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>La dirección de correo contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>The web address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>La dirección web contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>The notes holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Las notas contienen caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>The language holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>El idioma contiene caracteres que un juego de cartas no puede guardar. Usa otros caracteres.</translation>
    </message>
    <message>
        <source>You did not add required number of cards. Please add %1 cards.</source>
        <translation>No has añadido suficientes cartas. Añade %1 cartas más.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Please press Finish button to create your Velmora set. The program 
will ask you for the name of your Velmora set.

It may take between several seconds and 1 - 2 minutes to create your
Velmora set. Please be patient.

The set you will create will have extension CST.</source>
        <translation>Pulsa Terminar para crear tu juego de cartas. El programa
te pedirá el nombre de tu juego.

Crearlo puede tardar desde unos segundos hasta 1 o 2 minutos.
Ten un poco de paciencia.

El juego que crees tendrá la extensión CST.</translation>
    </message>
    <message>
        <source>Your new Velmora set has been created and saved to your computer.

If you wish to share your Velmora set with your friends, 
simply send them the file you have just created. It should be located
in your Velmora folder. Please consult Help for more information.

Thank you for using Velmora.</source>
        <translation>Tu nuevo juego de cartas se ha creado y guardado en tu ordenador.

Si quieres compartirlo con tus amigos, solo tienes que enviarles
el archivo que acabas de crear. Está en tu carpeta de Velmora.
Encontrarás más información en la ayuda.

Gracias por usar Velmora.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Siguiente &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminar</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>Velmora set &amp;format </source>
        <translation>&amp;Formato del juego de cartas </translation>
    </message>
    <message>
        <source>Format of Velmora set determines the size limit of each card.</source>
        <translation>El formato del juego fija el tamaño máximo de cada carta.</translation>
    </message>
    <message>
        <source> &amp;Size of each card </source>
        <translation> &amp;Tamaño de cada carta </translation>
    </message>
    <message>
        <source>&amp;X </source>
        <translation>&amp;X </translation>
    </message>
    <message>
        <source>&amp;Y </source>
        <translation>&amp;Y </translation>
    </message>
    <message>
        <source>Important :</source>
        <translation>Importante:</translation>
    </message>
    <message>
        <source>Changing size of card will 
delete any previously
added pictures.</source>
        <translation>Si cambias el tamaño,
se borrarán todas las
imágenes ya añadidas.</translation>
    </message>
    <message>
        <source>Choose between bitmap file or single color background.
If you choose bitmap file to represent your background, its size must be exactly 540 (W) x 374 (H) pixels.</source>
        <translation>Elige como fondo una imagen o un color liso.
Una imagen de fondo debe medir exactamente 540 (An) x 374 (Al) píxeles.</translation>
    </message>
    <message>
        <source>Select Bitmap...</source>
        <translation>Elegir imagen...</translation>
    </message>
    <message>
        <source>Select Color...</source>
        <translation>Elegir color...</translation>
    </message>
    <message>
        <source>Add files you have prepared for your Velmora set.</source>
        <translation>Añade las imágenes que has preparado para tu juego de cartas.</translation>
    </message>
    <message>
        <source> Selected Card </source>
        <translation> Carta elegida </translation>
    </message>
    <message>
        <source> All Cards </source>
        <translation> Todas las cartas </translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Quitar &amp;todas</translation>
    </message>
    <message>
        <source> Velmora Set Author Info: </source>
        <translation> Datos del autor del juego: </translation>
    </message>
    <message>
        <source>Author&apos;s Name :</source>
        <translation>Nombre del autor:</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>E-mail :</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web Address :</source>
        <translation>Dirección web:</translation>
    </message>
    <message>
        <source>Notes and Comments:</source>
        <translation>Notas y comentarios:</translation>
    </message>
    <message>
        <source>card set language</source>
        <translation>idioma del juego de cartas</translation>
    </message>
    <message>
        <source>All information is strictly optional.</source>
        <translation>Todos los datos son opcionales.</translation>
    </message>
    <message>
        <source>Ready to create your Velmora set !</source>
        <translation>¡Listo para crear tu juego de cartas!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Card size from the first picture</source>
        <translation>Tamaño de carta según la primera imagen</translation>
    </message>
    <message>
        <source>The first card added sets the largest card size of this format with its aspect ratio.</source>
        <translation>La primera carta que añadas fija, con su proporción, el tamaño máximo de carta de este formato.</translation>
    </message>
    <message>
        <source>Fit pictures of other sizes to the cards</source>
        <translation>Ajustar las imágenes de otro tamaño</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Scale to cover the card, centred; what lies beyond the card is cut off.</source>
        <translation>Escalar hasta cubrir la carta, centrada; lo que sobresale se recorta.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Encajar</translation>
    </message>
    <message>
        <source>Scale to lie inside the card, centred, on the background colour.</source>
        <translation>Escalar para que quepa en la carta, centrada, sobre el color de fondo.</translation>
    </message>
    <message>
        <source>Steps of the new card set</source>
        <translation>Pasos del nuevo juego de cartas</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game - Velmora</source>
        <translation>Nueva partida - Velmora</translation>
    </message>
    <message>
        <source>Step 1 : Select At Least Two Players </source>
        <translation>Paso 1: elige al menos dos jugadores </translation>
    </message>
    <message>
        <source>Players To Play :</source>
        <translation>Jugadores de la partida:</translation>
    </message>
    <message>
        <source>Library Of Players :</source>
        <translation>Todos los jugadores:</translation>
    </message>
    <message>
        <source>&amp;Add Player...</source>
        <translation>&amp;Añadir jugador...</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Eliminar jugador</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>Step 2 : Select Card-Set</source>
        <translation>Paso 2: elige un juego de cartas</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Juego de cartas</translation>
    </message>
    <message>
        <source>Select Size</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Ver el juego de cartas</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Detalles </translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Lang :</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>E-Mail :</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>No Velmora card set found.</source>
        <translation>No se ha encontrado ningún juego de cartas.</translation>
    </message>
    <message>
        <source>Enter password %1</source>
        <translation>Contraseña de %1</translation>
    </message>
    <message>
        <source>Wrong password!</source>
        <translation>¡Contraseña incorrecta!</translation>
    </message>
    <message>
        <source>Enter password for %1</source>
        <translation>Escribe la contraseña de %1</translation>
    </message>
    <message>
        <source>Please select at least 2 players.</source>
        <translation>Elige al menos 2 jugadores.</translation>
    </message>
</context>
<context>
    <name>NewPlayer</name>
    <message>
        <source>Add New Player - Velmora</source>
        <translation>Nuevo jugador - Velmora</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Password protected player</source>
        <translation>Jugador con contraseña</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>Contra&amp;seña</translation>
    </message>
    <message>
        <source>Con&amp;firm</source>
        <translation>Con&amp;firmar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source> Player Is </source>
        <translation> El jugador es </translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Humano</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source> Computer IQ </source>
        <translation> CI del ordenador </translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Password - Velmora</source>
        <translation>Contraseña - Velmora</translation>
    </message>
    <message>
        <source>Please enter the password :</source>
        <translation>Escribe la contraseña:</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (ordenador)</translation>
    </message>
    <message>
        <source>%1, is duplicate. Please choose another player.</source>
        <translation>%1 ya está en la partida. Elige otro jugador.</translation>
    </message>
    <message>
        <source>Maximum number of players for the game has been reached.</source>
        <translation>Se ha alcanzado el número máximo de jugadores de la partida.</translation>
    </message>
    <message>
        <source>You cannot delete player %1 selected to play.</source>
        <translation>No puedes eliminar a %1 porque está elegido para jugar.</translation>
    </message>
    <message>
        <source>The card set %1 holds too few cards for the %2 board.</source>
        <translation>El juego de cartas %1 tiene muy pocas cartas para el tablero %2.</translation>
    </message>
    <message numerus="yes">
        <source>The player library %1 was damaged: it ended in part of a player record. %n players were kept. The damaged file was kept as %2.</source>
        <translation>
            <numerusform>El archivo de jugadores %1 estaba dañado: terminaba a mitad de la ficha de un jugador. Se ha conservado %n jugador. El archivo dañado se ha guardado como %2.</numerusform>
            <numerusform>El archivo de jugadores %1 estaba dañado: terminaba a mitad de la ficha de un jugador. Se han conservado %n jugadores. El archivo dañado se ha guardado como %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter the name.</source>
        <translation>Escribe el nombre.</translation>
    </message>
    <message>
        <source>Please enter the password.</source>
        <translation>Escribe la contraseña.</translation>
    </message>
    <message>
        <source>Please confirm your password.</source>
        <translation>Confirma tu contraseña.</translation>
    </message>
    <message>
        <source>Wrong password! Please make sure to enter your password correctly.</source>
        <translation>¡Contraseña incorrecta! Asegúrate de escribirla bien.</translation>
    </message>
    <message>
        <source>Please choose different name.%1 is already in use.</source>
        <translation>Elige otro nombre. %1 ya existe.</translation>
    </message>
    <message>
        <source>The player library is full: it holds at most 100 players. Delete a player first.</source>
        <translation>La lista de jugadores está llena: admite como máximo 100 jugadores. Elimina antes un jugador.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>No has elegido ningún jugador para esta operación.</translation>
    </message>
    <message>
        <source>Unable to verify your new password ! Please try again.</source>
        <translation>¡No se ha podido comprobar tu contraseña nueva! Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Password successfully added !</source>
        <translation>¡Contraseña añadida!</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>¡La contraseña actual no es correcta!</translation>
    </message>
    <message>
        <source>Password successfully deleted !</source>
        <translation>¡Contraseña eliminada!</translation>
    </message>
    <message>
        <source>Password successfully changed !</source>
        <translation>¡Contraseña cambiada!</translation>
    </message>
    <message>
        <source>%1
The player library %2 is damaged and could not be mended; its damaged end stays as it is.</source>
        <translation>%1
El archivo de jugadores %2 está dañado y no se ha podido reparar; su final dañado se queda como está.</translation>
    </message>
    <message>
        <source>The name holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>El nombre contiene un carácter que no se puede guardar. Usa solo letras, cifras y signos de Europa occidental.</translation>
    </message>
    <message>
        <source>The password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>La contraseña contiene un carácter que no se puede guardar. Usa solo letras, cifras y signos de Europa occidental.</translation>
    </message>
    <message>
        <source>The new password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>La contraseña nueva contiene un carácter que no se puede guardar. Usa solo letras, cifras y signos de Europa occidental.</translation>
    </message>
    <message>
        <source>The password confirmation holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>La confirmación de la contraseña contiene un carácter que no se puede guardar. Usa solo letras, cifras y signos de Europa occidental.</translation>
    </message>
    <message>
        <source>%2
Could not write %1. The statistics of this game were not saved.</source>
        <translation>%2
No se pudo guardar %1. Las estadísticas de esta partida no se han guardado.</translation>
    </message>
</context>
<context>
    <name>PleaseWait</name>
    <message>
        <source>Velmora - Please Wait...</source>
        <translation>Velmora - Espera un momento...</translation>
    </message>
</context>
<context>
    <name>Scoreboard</name>
    <message>
        <source>Velmora Scoreboard</source>
        <translation>Clasificación de Velmora</translation>
    </message>
    <message>
        <source>Include &apos;Computer&apos; Players</source>
        <translation>Incluir jugadores «ordenador»</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Game Wins (%)</source>
        <translation>Victorias (%)</translation>
    </message>
    <message>
        <source>Succesful Flips (%)</source>
        <translation>Aciertos (%)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>No player selected...</source>
        <translation>No has elegido ningún jugador...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Clasificación</translation>
    </message>
</context>
<context>
    <name>SelectCardSet</name>
    <message>
        <source>Select Card Set - Velmora</source>
        <translation>Elegir juego de cartas - Velmora</translation>
    </message>
    <message>
        <source> Velmora Set </source>
        <translation> Juego de cartas </translation>
    </message>
    <message>
        <source>Select Set :</source>
        <translation>Juego de cartas:</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Ver el juego de cartas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>No Velmora card sets found!</source>
        <translation>¡No se ha encontrado ningún juego de cartas!</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Version 1.11</source>
        <translation>Versión 1.11</translation>
    </message>
    <message>
        <source>Copyright Halvik Software. All rights reserved.</source>
        <translation>Copyright Halvik Software. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Password On</source>
        <translation>Con contraseña</translation>
    </message>
    <message>
        <source>Password Off</source>
        <translation>Sin contraseña</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Velmora - Statistics</source>
        <translation>Velmora - Estadísticas</translation>
    </message>
    <message>
        <source>Player Type :</source>
        <translation>Tipo de jugador:</translation>
    </message>
    <message>
        <source>Details :</source>
        <translation>Detalles:</translation>
    </message>
    <message>
        <source>Games Played :</source>
        <translation>Partidas jugadas:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partidas ganadas:</translation>
    </message>
    <message>
        <source>Total Flips :</source>
        <translation>Cartas volteadas:</translation>
    </message>
    <message>
        <source>Successful Flips :</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>IQ : %1</source>
        <translation>CI: %1</translation>
    </message>
</context>
<context>
    <name>ViewCardSet</name>
    <message>
        <source>View Card Set - Velmora</source>
        <translation>Ver juego de cartas - Velmora</translation>
    </message>
    <message>
        <source>Card-Set Name</source>
        <translation>Nombre del juego de cartas</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Detalles </translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Total Cards :</source>
        <translation>Cartas:</translation>
    </message>
    <message>
        <source>Max. Card Size :</source>
        <translation>Formato máximo:</translation>
    </message>
    <message>
        <source>Name of File :</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Size of File :</source>
        <translation>Tamaño del archivo:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
</context>
</TS>
