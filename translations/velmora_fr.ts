<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Velmora for Windows</source>
        <translation>Velmora pour Windows</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Velmora is shared with the family in mind. Copyright Halvik Software.</source>
        <translation>Velmora a été conçu pour toute la famille. Copyright Halvik Software.</translation>
    </message>
    <message>
        <source>version 1.11.0.23</source>
        <translation>version 1.11.0.23</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Turns the card</source>
        <translation>Retourne la carte</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>The cards; arrow keys move the cursor, Space turns the card</source>
        <translation>Les cartes ; les flèches déplacent le curseur, Espace retourne la carte</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carte %1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Row %1, column %2, face down</source>
        <translation>Ligne %1, colonne %2, face cachée</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Ligne %1, colonne %2, %3</translation>
    </message>
</context>
<context>
    <name>CardSetInfo</name>
    <message>
        <source>Current Velmora Set Info</source>
        <translation>Infos sur le jeu de cartes actuel</translation>
    </message>
    <message>
        <source>Card Set Name</source>
        <translation>Nom du jeu de cartes</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Détails </translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
</context>
<context>
    <name>CardSetNames</name>
    <message>
        <source>Card Back</source>
        <translation>Dos de carte</translation>
    </message>
    <message>
        <source>Solid Circle</source>
        <translation>Cercle plein</translation>
    </message>
    <message>
        <source>Solid Square</source>
        <translation>Carré plein</translation>
    </message>
    <message>
        <source>Solid Triangle</source>
        <translation>Triangle plein</translation>
    </message>
    <message>
        <source>Solid Diamond</source>
        <translation>Losange plein</translation>
    </message>
    <message>
        <source>Solid Star</source>
        <translation>Étoile pleine</translation>
    </message>
    <message>
        <source>Solid Heart</source>
        <translation>Cœur plein</translation>
    </message>
    <message>
        <source>Solid Cross</source>
        <translation>Croix pleine</translation>
    </message>
    <message>
        <source>Solid Hexagon</source>
        <translation>Hexagone plein</translation>
    </message>
    <message>
        <source>Solid Moon</source>
        <translation>Lune pleine</translation>
    </message>
    <message>
        <source>Solid Arrow</source>
        <translation>Flèche pleine</translation>
    </message>
    <message>
        <source>Open Circle</source>
        <translation>Cercle vide</translation>
    </message>
    <message>
        <source>Open Square</source>
        <translation>Carré vide</translation>
    </message>
    <message>
        <source>Open Triangle</source>
        <translation>Triangle vide</translation>
    </message>
    <message>
        <source>Open Diamond</source>
        <translation>Losange vide</translation>
    </message>
    <message>
        <source>Open Star</source>
        <translation>Étoile vide</translation>
    </message>
    <message>
        <source>Open Heart</source>
        <translation>Cœur vide</translation>
    </message>
    <message>
        <source>Open Cross</source>
        <translation>Croix vide</translation>
    </message>
    <message>
        <source>Open Hexagon</source>
        <translation>Hexagone vide</translation>
    </message>
    <message>
        <source>Open Moon</source>
        <translation>Lune vide</translation>
    </message>
    <message>
        <source>Open Arrow</source>
        <translation>Flèche vide</translation>
    </message>
    <message>
        <source>Striped Circle</source>
        <translation>Cercle rayé</translation>
    </message>
    <message>
        <source>Striped Square</source>
        <translation>Carré rayé</translation>
    </message>
    <message>
        <source>Striped Triangle</source>
        <translation>Triangle rayé</translation>
    </message>
    <message>
        <source>Striped Diamond</source>
        <translation>Losange rayé</translation>
    </message>
    <message>
        <source>Striped Star</source>
        <translation>Étoile rayée</translation>
    </message>
    <message>
        <source>Striped Heart</source>
        <translation>Cœur rayé</translation>
    </message>
    <message>
        <source>Striped Cross</source>
        <translation>Croix rayée</translation>
    </message>
    <message>
        <source>Striped Hexagon</source>
        <translation>Hexagone rayé</translation>
    </message>
    <message>
        <source>Striped Moon</source>
        <translation>Lune rayée</translation>
    </message>
    <message>
        <source>Striped Arrow</source>
        <translation>Flèche rayée</translation>
    </message>
    <message>
        <source>Twin Circle</source>
        <translation>Double cercle</translation>
    </message>
    <message>
        <source>Twin Square</source>
        <translation>Double carré</translation>
    </message>
    <message>
        <source>Twin Triangle</source>
        <translation>Double triangle</translation>
    </message>
    <message>
        <source>Twin Diamond</source>
        <translation>Double losange</translation>
    </message>
    <message>
        <source>Twin Star</source>
        <translation>Double étoile</translation>
    </message>
    <message>
        <source>Twin Heart</source>
        <translation>Double cœur</translation>
    </message>
    <message>
        <source>Twin Cross</source>
        <translation>Double croix</translation>
    </message>
    <message>
        <source>Twin Hexagon</source>
        <translation>Double hexagone</translation>
    </message>
    <message>
        <source>Twin Moon</source>
        <translation>Double lune</translation>
    </message>
    <message>
        <source>Twin Arrow</source>
        <translation>Double flèche</translation>
    </message>
    <message>
        <source>Reversed Circle</source>
        <translation>Cercle inversé</translation>
    </message>
    <message>
        <source>Reversed Square</source>
        <translation>Carré inversé</translation>
    </message>
    <message>
        <source>Reversed Triangle</source>
        <translation>Triangle inversé</translation>
    </message>
    <message>
        <source>Reversed Diamond</source>
        <translation>Losange inversé</translation>
    </message>
    <message>
        <source>Reversed Star</source>
        <translation>Étoile inversée</translation>
    </message>
    <message>
        <source>Reversed Heart</source>
        <translation>Cœur inversé</translation>
    </message>
    <message>
        <source>Reversed Cross</source>
        <translation>Croix inversée</translation>
    </message>
    <message>
        <source>Reversed Hexagon</source>
        <translation>Hexagone inversé</translation>
    </message>
    <message>
        <source>Reversed Moon</source>
        <translation>Lune inversée</translation>
    </message>
    <message>
        <source>Reversed Arrow</source>
        <translation>Flèche inversée</translation>
    </message>
    <message>
        <source>Bold shapes in five patterns: every pair can be told apart by shape and pattern, not by colour alone.</source>
        <translation>Des formes bien nettes en cinq motifs : chaque paire se reconnaît à sa forme et à son motif, pas seulement à sa couleur.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Password - Velmora</source>
        <translation>Mot de passe - Velmora</translation>
    </message>
    <message>
        <source> Select Player </source>
        <translation> Choisir un joueur </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source> Operation </source>
        <translation> Opération </translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Ajouter un mot de passe</translation>
    </message>
    <message>
        <source>Change/Delete Password</source>
        <translation>Modifier/supprimer le mot de passe</translation>
    </message>
    <message>
        <source>Adding Password</source>
        <translation>Ajout du mot de passe</translation>
    </message>
    <message>
        <source>Type your password in the first box and then type it again in the second box.</source>
        <translation>Tapez votre mot de passe dans le premier champ, puis une seconde fois dans le deuxième.</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Be sure to remember your password!</source>
        <translation>Cliquez sur OK quand vous êtes prêt, ou sur Annuler. N&apos;oubliez pas votre mot de passe !</translation>
    </message>
    <message>
        <source>Modify Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Current password?</source>
        <translation>Mot de passe actuel ?</translation>
    </message>
    <message>
        <source>New Password ...</source>
        <translation>Nouveau mot de passe...</translation>
    </message>
    <message>
        <source>Verify New Password ...</source>
        <translation>Confirmer le nouveau mot de passe...</translation>
    </message>
    <message>
        <source>Click OK when ready or Cancel. Leave New Password empty if you wish to delete.</source>
        <translation>Cliquez sur OK quand vous êtes prêt, ou sur Annuler. Laissez le nouveau mot de passe vide pour le supprimer.</translation>
    </message>
    <message>
        <source>No players available for this operation.</source>
        <translation>Aucun joueur disponible pour cette opération.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>Aucun joueur choisi pour cette opération.</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>Le mot de passe actuel est incorrect !</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password again</source>
        <translation>Mot de passe encore une fois</translation>
    </message>
</context>
<context>
    <name>DeletePlayer</name>
    <message>
        <source>Delete Player - Velmora</source>
        <translation>Supprimer un joueur - Velmora</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Select player from the list and click Delete button.</source>
        <translation>Choisissez un joueur dans la liste et cliquez sur Supprimer.</translation>
    </message>
    <message>
        <source>Please enter the password for %1</source>
        <translation>Veuillez saisir le mot de passe de %1</translation>
    </message>
    <message>
        <source>Incorrect password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Damaged card set %1: %2</source>
        <translation>Le jeu de cartes %1 est endommagé : %2</translation>
    </message>
    <message>
        <source>Cannot write card set %1: %2</source>
        <translation>Impossible d'enregistrer le jeu de cartes %1 : %2</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L'image bitmap n'est pas valide</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read (%2 x %3 pixels)</source>
        <translation>L'image %1 est trop grande pour être lue (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be read</source>
        <translation>L'image %1 est trop grande pour être lue</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier image inconnue (.%1)</translation>
    </message>
    <message>
        <source>The picture %1 is damaged or not a picture that can be read (%2)</source>
        <translation>L'image %1 est endommagée ou n'est pas une image lisible (%2)</translation>
    </message>
    <message>
        <source>its first frame is not whole</source>
        <translation>sa première image est incomplète</translation>
    </message>
    <message>
        <source>LZH : Cannot get memory for dictionary tables</source>
        <translation>LZH : mémoire insuffisante pour les tables du dictionnaire</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to get memory for I/O buffers !</source>
        <translation>Lzrw1 (dé)compression : mémoire insuffisante pour les tampons d'entrée-sortie !</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (décompression LZRW1/KH) : la taille d'origine et la taille compressée ne concordent pas !</translation>
    </message>
    <message>
        <source>Lzrw1 (LZH decompression) : Original and compressed sizes do not match !</source>
        <translation>Lzrw1 (décompression LZH) : la taille d'origine et la taille compressée ne concordent pas !</translation>
    </message>
    <message>
        <source>Lzrw1 : Error writing to output stream !</source>
        <translation>Lzrw1 : erreur d'écriture dans le flux de sortie !</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream !</source>
        <translation>Lzrw1 : erreur de lecture du flux d'entrée !</translation>
    </message>
    <message>
        <source>Lzrw1 compression : Failed to obtain the size of the input stream !</source>
        <translation>Compression Lzrw1 : impossible de connaître la taille du flux d'entrée !</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize input stream !</source>
        <translation>Lzrw1 (dé)compression : impossible de préparer le flux d'entrée !</translation>
    </message>
    <message>
        <source>Lzrw1 (de)compression : Failed to initialize output stream !</source>
        <translation>Lzrw1 (dé)compression : impossible de préparer le flux de sortie !</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZRW1/KH)</source>
        <translation>Lzrw1 : erreur de lecture du flux d'entrée ! (LZRW1/KH)</translation>
    </message>
    <message>
        <source>Lzrw1 decompression : input stream contains no valid header !</source>
        <translation>Décompression Lzrw1 : le flux d'entrée n'a pas d'en-tête valide !</translation>
    </message>
    <message>
        <source>LZRW1KH : no memory for HASH table</source>
        <translation>LZRW1KH : mémoire insuffisante pour la table de hachage</translation>
    </message>
    <message>
        <source>Lzrw1 (decompression LZRW1/KH) : Compressed block is damaged !</source>
        <translation>Lzrw1 (décompression LZRW1/KH) : un bloc compressé est endommagé !</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d'écriture</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Le fichier s'arrête trop tôt</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d'entrée-sortie %1</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 s&apos;interrompt trop tôt</translation>
    </message>
    <message>
        <source>%1 has a negative length</source>
        <translation>%1 a une longueur négative</translation>
    </message>
    <message>
        <source>%2 is longer than %1 bytes</source>
        <translation>%2 dépasse %1 octets</translation>
    </message>
    <message>
        <source>%1 holds a zero byte</source>
        <translation>%1 contient un octet nul</translation>
    </message>
    <message>
        <source>the palette</source>
        <translation>la palette de couleurs</translation>
    </message>
    <message>
        <source>the name of card %1</source>
        <translation>le nom de la carte %1</translation>
    </message>
    <message>
        <source>the picture of card %1</source>
        <translation>l&apos;image de la carte %1</translation>
    </message>
    <message>
        <source>the background size</source>
        <translation>la taille du fond</translation>
    </message>
    <message>
        <source>the background picture</source>
        <translation>l&apos;image de fond</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>le fond</translation>
    </message>
    <message>
        <source>the background colour</source>
        <translation>la couleur de fond</translation>
    </message>
    <message>
        <source>the prefix</source>
        <translation>l&apos;en-tête du fichier</translation>
    </message>
    <message>
        <source>the author</source>
        <translation>le nom de l&apos;auteur</translation>
    </message>
    <message>
        <source>the e-mail address</source>
        <translation>l&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>the web address</source>
        <translation>l&apos;adresse web</translation>
    </message>
    <message>
        <source>the notes text</source>
        <translation>le texte des notes</translation>
    </message>
    <message>
        <source>the language</source>
        <translation>la langue</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>impossible de lire le fichier</translation>
    </message>
    <message>
        <source>the compressed pictures are missing</source>
        <translation>les images compressées manquent</translation>
    </message>
    <message>
        <source>the compressed pictures are cut short</source>
        <translation>les images compressées sont tronquées</translation>
    </message>
    <message>
        <source>the payload of %1 bytes is shorter than its %2 cards need</source>
        <translation>les données des cartes (%1 octets) ne suffisent pas pour %2 cartes</translation>
    </message>
    <message>
        <source>the payload size %1 is too large for this file</source>
        <translation>la taille des données des cartes (%1) est trop grande pour ce fichier</translation>
    </message>
    <message>
        <source>the payload is shorter than its %1 cards need</source>
        <translation>les données des cartes ne suffisent pas pour %1 cartes</translation>
    </message>
    <message>
        <source>the background size %1 x %2 is not within 1 x 1 to %3 x %3</source>
        <translation>la taille du fond, %1 × %2, n&apos;est pas comprise entre 1 × 1 et %3 × %3</translation>
    </message>
    <message>
        <source>the card count %1 is not between 1 and %2</source>
        <translation>le nombre de cartes, %1, n&apos;est pas compris entre 1 et %2</translation>
    </message>
    <message>
        <source>the card size %1 x %2 is not within 1 x 1 to %3 x %4</source>
        <translation>la taille des cartes, %1 × %2, n&apos;est pas comprise entre 1 × 1 et %3 × %4</translation>
    </message>
    <message>
        <source>there are %1 cards but %2 card names</source>
        <translation>il y a %1 cartes mais %2 noms de cartes</translation>
    </message>
    <message>
        <source>the picture of card %1 is not %2 x %3 pixels</source>
        <translation>l&apos;image de la carte %1 ne mesure pas %2 × %3 pixels</translation>
    </message>
    <message>
        <source>the background picture is not a picture of 1 x 1 to %1 x %1 pixels</source>
        <translation>l&apos;image de fond ne mesure pas entre 1 × 1 et %1 × %1 pixels</translation>
    </message>
    <message>
        <source>%1 cards of %2 x %3 pixels do not make a set of any format</source>
        <translation>%1 cartes de %2 × %3 pixels ne conviennent à aucun plateau</translation>
    </message>
    <message>
        <source>Lzrw1 : Error reading from input stream ! (LZH)</source>
        <translation>Lzrw1 : erreur de lecture du flux d&apos;entrée ! (LZH)</translation>
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
        <translation>Standard (7x6)</translation>
    </message>
    <message>
        <source>Expert (8x8)</source>
        <translation>Expert (8x8)</translation>
    </message>
    <message>
        <source>Fanatic (10x10)</source>
        <translation>Mordu (10x10)</translation>
    </message>
</context>
<context>
    <name>GameOver</name>
    <message>
        <source>%1 is the winner of this game.</source>
        <translation>%1 a gagné cette partie.</translation>
    </message>
    <message>
        <source>Game Over - Velmora by Halvik Software</source>
        <translation>Partie terminée - Velmora par Halvik Software</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Stats</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Quick Intro</source>
        <translation>Prise en main rapide</translation>
    </message>
    <message>
        <source>Playing a Game</source>
        <translation>Jouer une partie</translation>
    </message>
    <message>
        <source>Computer Players and Their IQ</source>
        <translation>Les joueurs ordinateur et leur QI</translation>
    </message>
    <message>
        <source>Flip Delay and Sound</source>
        <translation>Délai de retournement et son</translation>
    </message>
    <message>
        <source>Starting a New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Adding a Player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Deleting a Player</source>
        <translation>Supprimer un joueur</translation>
    </message>
    <message>
        <source>Entering a Password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Adding, Changing and Deleting Passwords</source>
        <translation>Ajouter, modifier et supprimer un mot de passe</translation>
    </message>
    <message>
        <source>Player Statistics</source>
        <translation>Statistiques du joueur</translation>
    </message>
    <message>
        <source>The Scoreboard</source>
        <translation>Le tableau des scores</translation>
    </message>
    <message>
        <source>Making Your Own Card Sets</source>
        <translation>Créer vos propres jeux de cartes</translation>
    </message>
    <message>
        <source>Viewing a Card Set</source>
        <translation>Regarder un jeu de cartes</translation>
    </message>
    <message>
        <source>Selecting a Card Set</source>
        <translation>Choisir un jeu de cartes</translation>
    </message>
    <message>
        <source>Card Set Information</source>
        <translation>Informations sur le jeu de cartes</translation>
    </message>
    <message>
        <source>How to Contact Halvik</source>
        <translation>Contacter Halvik</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Aide de Velmora</translation>
    </message>
    <message>
        <source>Search the help</source>
        <translation>Rechercher dans l'aide</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Terminer la partie</translation>
    </message>
    <message>
        <source>&amp;Scoreboard</source>
        <translation>&amp;Classement</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add New Player</source>
        <translation>&amp;Ajouter un joueur</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Supprimer un joueur</translation>
    </message>
    <message>
        <source>Add Pass&amp;word</source>
        <translation>Ajouter un mot de &amp;passe</translation>
    </message>
    <message>
        <source>Chan&amp;ge/Delete Password</source>
        <translation>&amp;Modifier/supprimer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Create New Velmora Set</source>
        <translation>&amp;Créer un jeu de cartes</translation>
    </message>
    <message>
        <source>&amp;View Velmora Set</source>
        <translation>&amp;Voir un jeu de cartes</translation>
    </message>
    <message>
        <source>Current Velmora Set &amp;Info</source>
        <translation>&amp;Infos sur le jeu de cartes actuel</translation>
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
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Card Flip Delay</source>
        <translation>Délai de retournement</translation>
    </message>
    <message>
        <source>&amp;1. Shortest</source>
        <translation>&amp;1. Très court</translation>
    </message>
    <message>
        <source>&amp;2. Short</source>
        <translation>&amp;2. Court</translation>
    </message>
    <message>
        <source>&amp;3. Normal</source>
        <translation>&amp;3. Normal</translation>
    </message>
    <message>
        <source>&amp;4. Long</source>
        <translation>&amp;4. Long</translation>
    </message>
    <message>
        <source>&amp;5. Longest</source>
        <translation>&amp;5. Très long</translation>
    </message>
    <message>
        <source>&amp;Sound On/Off</source>
        <translation>&amp;Son activé/désactivé</translation>
    </message>
    <message>
        <source>&amp;Card Set Check</source>
        <translation>&amp;Vérifier les jeux de cartes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search Help</source>
        <translation>&amp;Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Quick Intro</source>
        <translation>&amp;Introduction rapide</translation>
    </message>
    <message>
        <source>&amp;How to Contact Halvik</source>
        <translation>&amp;Contacter Halvik</translation>
    </message>
    <message>
        <source>&amp;Halvik Web Site</source>
        <translation>Site &amp;web de Halvik</translation>
    </message>
    <message>
        <source>Email Halvik S&amp;ales</source>
        <translation>Écrire au service c&amp;ommercial</translation>
    </message>
    <message>
        <source>Email Halvik Su&amp;pport</source>
        <translation>Écrire au su&amp;pport Halvik</translation>
    </message>
    <message>
        <source>About &amp;Velmora</source>
        <translation>À propos de &amp;Velmora</translation>
    </message>
    <message>
        <source>This program is made for hi/true color displays. The display mode you are currently using may distort Velmora images. Please switch your computer to hi/true color mode.</source>
        <translation>Ce programme est fait pour un affichage en couleurs 16 ou 32 bits. Le mode d&apos;affichage actuel peut déformer les images de Velmora. Veuillez passer votre ordinateur en couleurs 16 ou 32 bits.</translation>
    </message>
    <message>
        <source>Are you sure you want to exit Velmora?</source>
        <translation>Voulez-vous vraiment quitter Velmora ?</translation>
    </message>
    <message>
        <source>No Velmora set selected.</source>
        <translation>Aucun jeu de cartes n&apos;est choisi.</translation>
    </message>
    <message>
        <source>Card set check completed!</source>
        <translation>Vérification des jeux de cartes terminée !</translation>
    </message>
    <message>
        <source>Select Game -&gt; New Game or press F2 to start a new game.</source>
        <translation>Choisissez Jeu -&gt; Nouvelle partie ou appuyez sur F2 pour commencer une partie.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Sc.</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>List of currently playing players.</source>
        <translation>Les joueurs de la partie en cours.</translation>
    </message>
    <message numerus="yes">
        <source>%1 to play. You have %n points.</source>
        <translation>
            <numerusform>À %1 de jouer. Vous avez %n point.</numerusform>
            <numerusform>À %1 de jouer. Vous avez %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 plays. It has %n points.</source>
        <translation>
            <numerusform>%1 joue et a %n point.</numerusform>
            <numerusform>%1 joue et a %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Over! The winner of this game is %1</source>
        <translation>Partie terminée ! Le gagnant est %1</translation>
    </message>
    <message>
        <source>Game Over. Winners are %1</source>
        <translation>Partie terminée. Les gagnants sont %1</translation>
    </message>
    <message>
        <source>Game Over. No winners...</source>
        <translation>Partie terminée. Personne n&apos;a gagné...</translation>
    </message>
    <message>
        <source>Game Over.</source>
        <translation>Partie terminée.</translation>
    </message>
    <message>
        <source>Are you sure you want to play again?</source>
        <translation>Voulez-vous vraiment recommencer la partie ?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Vous êtes sûr ?</translation>
    </message>
    <message>
        <source>Your card sets already hold a set named &quot;%1&quot;. Replace it with %2?</source>
        <translation>Vos jeux de cartes en contiennent déjà un nommé « %1 ». Le remplacer par %2 ?</translation>
    </message>
    <message>
        <source>%1, pairs found: %2</source>
        <translation>%1, paires trouvées : %2</translation>
    </message>
    <message>
        <source>&amp;High Contrast Board</source>
        <translation>Plateau à &amp;contraste élevé</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>The players of the game and the pairs each has found</source>
        <translation>Les joueurs de la partie et les paires trouvées par chacun</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Ligne d’état</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>À propos de Velmora</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>NewCardSet</name>
    <message>
        <source>Please add %1 cards. Remember that the first card will represent the upper side of your Velmora set!</source>
        <translation>Veuillez ajouter %1 cartes. N&apos;oubliez pas que la première carte sera le dos de toutes les cartes de votre jeu !</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;Jpeg images (*.jpg *.jpeg *.JPG *.JPEG)</source>
        <translation>Images (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;Images JPEG (*.jpg *.jpeg *.JPG *.JPEG)</translation>
    </message>
    <message>
        <source>Card-set file (*.cst)</source>
        <translation>Fichier de jeu de cartes (*.cst)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Toutes les images (%1)</translation>
    </message>
    <message>
        <source>Save new card-set as...</source>
        <translation>Enregistrer le nouveau jeu de cartes sous...</translation>
    </message>
    <message>
        <source>Create New Velmora Set</source>
        <translation>Créer un jeu de cartes</translation>
    </message>
    <message>
        <source>Step 1: Size</source>
        <translation>1. Taille</translation>
    </message>
    <message>
        <source>Step 2: Background</source>
        <translation>2. Fond</translation>
    </message>
    <message>
        <source>Step 3: Cards</source>
        <translation>3. Cartes</translation>
    </message>
    <message>
        <source>Step 4: Info</source>
        <translation>4. Infos</translation>
    </message>
    <message>
        <source>Step 5: Finish</source>
        <translation>5. Fin</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Please use Back or Next buttons at the bottom of this window.</source>
        <translation>Veuillez utiliser les boutons Précédent et Suivant en bas de la fenêtre.</translation>
    </message>
    <message>
        <source>Set background picture...</source>
        <translation>Choisir l&apos;image de fond...</translation>
    </message>
    <message>
        <source>The background image does not have the correct size. Please consult Help file.</source>
        <translation>L&apos;image de fond n&apos;a pas la bonne taille. Veuillez consulter l&apos;aide.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Add new card...</source>
        <translation>Ajouter une carte...</translation>
    </message>
    <message>
        <source>Maximum number of cards reached. You may change the format of Velmora set if you wish to add more cards.</source>
        <translation>Le nombre maximal de cartes est atteint. Pour ajouter d&apos;autres cartes, changez le format du jeu de cartes.</translation>
    </message>
    <message>
        <source>The name of the file %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Le nom du fichier %1 contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The image %1 does not have correct size. Please consult Help file.</source>
        <translation>L&apos;image %1 n&apos;a pas la bonne taille. Veuillez consulter l&apos;aide.</translation>
    </message>
    <message>
        <source>No card selected !</source>
        <translation>Aucune carte choisie !</translation>
    </message>
    <message>
        <source>The name %1 holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Le nom %1 contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>Are you sure you want to proceed?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>No cards available...</source>
        <translation>Aucune carte disponible...</translation>
    </message>
    <message>
        <source>This will erase all cards in your Velmora card set! Are you sure you want to proceed?</source>
        <translation>Toutes les cartes de votre jeu vont être effacées ! Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>You did not create required number of cards (%1). Please add %2 cards.</source>
        <translation>Vous n&apos;avez pas créé le nombre de cartes nécessaire (%1). Veuillez ajouter %2 cartes.</translation>
    </message>
    <message>
        <source>The author&apos;s name holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Le nom de l&apos;auteur contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The e-mail address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>L&apos;adresse e-mail contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The web address holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>L&apos;adresse web contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The notes holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>Les notes contiennent des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>The language holds characters that a Velmora set cannot store. Please use other characters.</source>
        <translation>La langue contient des caractères qu&apos;un jeu de cartes ne peut pas enregistrer. Veuillez utiliser d&apos;autres caractères.</translation>
    </message>
    <message>
        <source>You did not add required number of cards. Please add %1 cards.</source>
        <translation>Vous n&apos;avez pas ajouté assez de cartes. Veuillez ajouter %1 cartes.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Please press Finish button to create your Velmora set. The program 
will ask you for the name of your Velmora set.

It may take between several seconds and 1 - 2 minutes to create your
Velmora set. Please be patient.

The set you will create will have extension CST.</source>
        <translation>Cliquez sur Terminer pour créer votre jeu de cartes. Le programme
vous demandera le nom de votre jeu.

La création peut prendre de quelques secondes à 1 ou 2 minutes.
Merci de patienter.

Le jeu créé aura l&apos;extension CST.</translation>
    </message>
    <message>
        <source>Your new Velmora set has been created and saved to your computer.

If you wish to share your Velmora set with your friends, 
simply send them the file you have just created. It should be located
in your Velmora folder. Please consult Help for more information.

Thank you for using Velmora.</source>
        <translation>Votre nouveau jeu de cartes a bien été créé et enregistré.

Pour le partager avec vos amis, envoyez-leur simplement
le fichier que vous venez de créer. Il se trouve dans votre
dossier Velmora. Pour en savoir plus, consultez l&apos;aide.

Merci d&apos;utiliser Velmora.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Back</source>
        <translation>&amp;&lt;&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;&amp;&gt;</source>
        <translation>Suivant &gt;&amp;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Velmora set &amp;format </source>
        <translation>&amp;Format du jeu de cartes </translation>
    </message>
    <message>
        <source>Format of Velmora set determines the size limit of each card.</source>
        <translation>Le format du jeu fixe la taille maximale de chaque carte.</translation>
    </message>
    <message>
        <source> &amp;Size of each card </source>
        <translation> &amp;Taille de chaque carte </translation>
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
        <translation>Important :</translation>
    </message>
    <message>
        <source>Changing size of card will 
delete any previously
added pictures.</source>
        <translation>Changer la taille des cartes
efface toutes les images
déjà ajoutées.</translation>
    </message>
    <message>
        <source>Choose between bitmap file or single color background.
If you choose bitmap file to represent your background, its size must be exactly 540 (W) x 374 (H) pixels.</source>
        <translation>Choisissez pour le fond une image ou une couleur unie.
Une image de fond doit mesurer exactement 540 (L) x 374 (H) pixels.</translation>
    </message>
    <message>
        <source>Select Bitmap...</source>
        <translation>Choisir une image...</translation>
    </message>
    <message>
        <source>Select Color...</source>
        <translation>Choisir une couleur...</translation>
    </message>
    <message>
        <source>Add files you have prepared for your Velmora set.</source>
        <translation>Ajoutez les images préparées pour votre jeu de cartes.</translation>
    </message>
    <message>
        <source> Selected Card </source>
        <translation> Carte choisie </translation>
    </message>
    <message>
        <source> All Cards </source>
        <translation> Toutes les cartes </translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Re&amp;tirer</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>T&amp;out retirer</translation>
    </message>
    <message>
        <source> Velmora Set Author Info: </source>
        <translation> Informations sur l&apos;auteur du jeu : </translation>
    </message>
    <message>
        <source>Author&apos;s Name :</source>
        <translation>Nom de l&apos;auteur :</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>E-mail :</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Web Address :</source>
        <translation>Adresse web :</translation>
    </message>
    <message>
        <source>Notes and Comments:</source>
        <translation>Notes et commentaires :</translation>
    </message>
    <message>
        <source>card set language</source>
        <translation>langue du jeu de cartes</translation>
    </message>
    <message>
        <source>All information is strictly optional.</source>
        <translation>Toutes ces informations sont facultatives.</translation>
    </message>
    <message>
        <source>Ready to create your Velmora set !</source>
        <translation>Prêt à créer votre jeu de cartes !</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations !</translation>
    </message>
    <message>
        <source>Card size from the first picture</source>
        <translation>Taille des cartes d&apos;après la première image</translation>
    </message>
    <message>
        <source>The first card added sets the largest card size of this format with its aspect ratio.</source>
        <translation>La première carte ajoutée fixe, avec ses proportions, la plus grande taille de carte de ce format.</translation>
    </message>
    <message>
        <source>Fit pictures of other sizes to the cards</source>
        <translation>Adapter aux cartes les images d&apos;autres tailles</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>Scale to cover the card, centred; what lies beyond the card is cut off.</source>
        <translation>Mettre à l&apos;échelle pour couvrir la carte, centrée ; ce qui dépasse est coupé.</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Scale to lie inside the card, centred, on the background colour.</source>
        <translation>Mettre à l&apos;échelle pour tenir dans la carte, centrée, sur la couleur de fond.</translation>
    </message>
    <message>
        <source>Steps of the new card set</source>
        <translation>Étapes du nouveau jeu de cartes</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>New Game - Velmora</source>
        <translation>Nouvelle partie - Velmora</translation>
    </message>
    <message>
        <source>Step 1 : Select At Least Two Players </source>
        <translation>Étape 1 : choisissez au moins deux joueurs </translation>
    </message>
    <message>
        <source>Players To Play :</source>
        <translation>Joueurs de la partie :</translation>
    </message>
    <message>
        <source>Library Of Players :</source>
        <translation>Tous les joueurs :</translation>
    </message>
    <message>
        <source>&amp;Add Player...</source>
        <translation>A&amp;jouter un joueur...</translation>
    </message>
    <message>
        <source>&amp;Delete Player</source>
        <translation>&amp;Supprimer le joueur</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>S&amp;tats</translation>
    </message>
    <message>
        <source>Step 2 : Select Card-Set</source>
        <translation>Étape 2 : choisissez un jeu de cartes</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Jeu de cartes</translation>
    </message>
    <message>
        <source>Select Size</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Voir le jeu de cartes</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Détails </translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Lang :</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>E-Mail :</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>No Velmora card set found.</source>
        <translation>Aucun jeu de cartes trouvé.</translation>
    </message>
    <message>
        <source>Enter password %1</source>
        <translation>Mot de passe de %1</translation>
    </message>
    <message>
        <source>Wrong password!</source>
        <translation>Mot de passe incorrect !</translation>
    </message>
    <message>
        <source>Enter password for %1</source>
        <translation>Saisissez le mot de passe de %1</translation>
    </message>
    <message>
        <source>Please select at least 2 players.</source>
        <translation>Veuillez choisir au moins 2 joueurs.</translation>
    </message>
</context>
<context>
    <name>NewPlayer</name>
    <message>
        <source>Add New Player - Velmora</source>
        <translation>Nouveau joueur - Velmora</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Password protected player</source>
        <translation>Joueur protégé par un mot de passe</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <source>Con&amp;firm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source> Player Is </source>
        <translation> Le joueur est </translation>
    </message>
    <message>
        <source>&amp;Human</source>
        <translation>&amp;Humain</translation>
    </message>
    <message>
        <source>C&amp;omputer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source> Computer IQ </source>
        <translation> QI de l&apos;ordinateur </translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Élevé</translation>
    </message>
</context>
<context>
    <name>Password</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Password - Velmora</source>
        <translation>Mot de passe - Velmora</translation>
    </message>
    <message>
        <source>Please enter the password :</source>
        <translation>Veuillez saisir le mot de passe :</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (ordinateur)</translation>
    </message>
    <message>
        <source>%1, is duplicate. Please choose another player.</source>
        <translation>%1 est déjà dans la partie. Veuillez choisir un autre joueur.</translation>
    </message>
    <message>
        <source>Maximum number of players for the game has been reached.</source>
        <translation>Le nombre maximal de joueurs pour une partie est atteint.</translation>
    </message>
    <message>
        <source>You cannot delete player %1 selected to play.</source>
        <translation>Vous ne pouvez pas supprimer %1, qui est choisi pour jouer.</translation>
    </message>
    <message>
        <source>The card set %1 holds too few cards for the %2 board.</source>
        <translation>Le jeu de cartes %1 a trop peu de cartes pour le plateau %2.</translation>
    </message>
    <message numerus="yes">
        <source>The player library %1 was damaged: it ended in part of a player record. %n players were kept. The damaged file was kept as %2.</source>
        <translation>
            <numerusform>Le fichier des joueurs %1 était endommagé : il se terminait au milieu d&apos;une fiche de joueur. %n joueur a été conservé. Le fichier endommagé a été gardé sous le nom %2.</numerusform>
            <numerusform>Le fichier des joueurs %1 était endommagé : il se terminait au milieu d&apos;une fiche de joueur. %n joueurs ont été conservés. Le fichier endommagé a été gardé sous le nom %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please enter the name.</source>
        <translation>Veuillez saisir le nom.</translation>
    </message>
    <message>
        <source>Please enter the password.</source>
        <translation>Veuillez saisir le mot de passe.</translation>
    </message>
    <message>
        <source>Please confirm your password.</source>
        <translation>Veuillez confirmer votre mot de passe.</translation>
    </message>
    <message>
        <source>Wrong password! Please make sure to enter your password correctly.</source>
        <translation>Mot de passe incorrect ! Veillez à bien saisir votre mot de passe.</translation>
    </message>
    <message>
        <source>Please choose different name.%1 is already in use.</source>
        <translation>Veuillez choisir un autre nom. %1 est déjà pris.</translation>
    </message>
    <message>
        <source>The player library is full: it holds at most 100 players. Delete a player first.</source>
        <translation>La liste des joueurs est pleine : elle contient au plus 100 joueurs. Supprimez d&apos;abord un joueur.</translation>
    </message>
    <message>
        <source>No player selected for this operation.</source>
        <translation>Aucun joueur choisi pour cette opération.</translation>
    </message>
    <message>
        <source>Unable to verify your new password ! Please try again.</source>
        <translation>Impossible de vérifier votre nouveau mot de passe ! Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Password successfully added !</source>
        <translation>Mot de passe ajouté !</translation>
    </message>
    <message>
        <source>Incorrect current password!</source>
        <translation>Le mot de passe actuel est incorrect !</translation>
    </message>
    <message>
        <source>Password successfully deleted !</source>
        <translation>Mot de passe supprimé !</translation>
    </message>
    <message>
        <source>Password successfully changed !</source>
        <translation>Mot de passe modifié !</translation>
    </message>
    <message>
        <source>%1
The player library %2 is damaged and could not be mended; its damaged end stays as it is.</source>
        <translation>%1
Le fichier des joueurs %2 est endommagé et n&apos;a pas pu être réparé ; sa fin endommagée reste telle quelle.</translation>
    </message>
    <message>
        <source>The name holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Le nom contient un caractère impossible à enregistrer. Veuillez n&apos;utiliser que des lettres, chiffres et signes d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>The password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Le mot de passe contient un caractère impossible à enregistrer. Veuillez n&apos;utiliser que des lettres, chiffres et signes d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>The new password holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>Le nouveau mot de passe contient un caractère impossible à enregistrer. Veuillez n&apos;utiliser que des lettres, chiffres et signes d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>The password confirmation holds a character that cannot be stored. Please use only Western European letters, digits and signs.</source>
        <translation>La confirmation du mot de passe contient un caractère impossible à enregistrer. Veuillez n&apos;utiliser que des lettres, chiffres et signes d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>%2
Could not write %1. The statistics of this game were not saved.</source>
        <translation>%2
Impossible d'enregistrer %1. Les statistiques de cette partie n'ont pas été sauvegardées.</translation>
    </message>
</context>
<context>
    <name>PleaseWait</name>
    <message>
        <source>Velmora - Please Wait...</source>
        <translation>Velmora - Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>Scoreboard</name>
    <message>
        <source>Velmora Scoreboard</source>
        <translation>Classement Velmora</translation>
    </message>
    <message>
        <source>Include &apos;Computer&apos; Players</source>
        <translation>Inclure les joueurs « ordinateur »</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Game Wins (%)</source>
        <translation>Victoires (%)</translation>
    </message>
    <message>
        <source>Succesful Flips (%)</source>
        <translation>Paires trouvées (%)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Stats</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>No player selected...</source>
        <translation>Aucun joueur choisi...</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <translation>Classement</translation>
    </message>
</context>
<context>
    <name>SelectCardSet</name>
    <message>
        <source>Select Card Set - Velmora</source>
        <translation>Choisir un jeu de cartes - Velmora</translation>
    </message>
    <message>
        <source> Velmora Set </source>
        <translation> Jeu de cartes </translation>
    </message>
    <message>
        <source>Select Set :</source>
        <translation>Jeu de cartes :</translation>
    </message>
    <message>
        <source>View Velmora Set</source>
        <translation>Voir le jeu de cartes</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>No Velmora card sets found!</source>
        <translation>Aucun jeu de cartes trouvé !</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Version 1.11</source>
        <translation>Version 1.11</translation>
    </message>
    <message>
        <source>Copyright Halvik Software. All rights reserved.</source>
        <translation>Copyright Halvik Software. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>Password On</source>
        <translation>Avec mot de passe</translation>
    </message>
    <message>
        <source>Password Off</source>
        <translation>Sans mot de passe</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Velmora - Statistics</source>
        <translation>Velmora - Statistiques</translation>
    </message>
    <message>
        <source>Player Type :</source>
        <translation>Type de joueur :</translation>
    </message>
    <message>
        <source>Details :</source>
        <translation>Détails :</translation>
    </message>
    <message>
        <source>Games Played :</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Parties gagnées :</translation>
    </message>
    <message>
        <source>Total Flips :</source>
        <translation>Cartes retournées :</translation>
    </message>
    <message>
        <source>Successful Flips :</source>
        <translation>Paires trouvées :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>IQ : %1</source>
        <translation>QI : %1</translation>
    </message>
</context>
<context>
    <name>ViewCardSet</name>
    <message>
        <source>View Card Set - Velmora</source>
        <translation>Voir le jeu de cartes - Velmora</translation>
    </message>
    <message>
        <source>Card-Set Name</source>
        <translation>Nom du jeu de cartes</translation>
    </message>
    <message>
        <source> Details </source>
        <translation> Détails </translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Total Cards :</source>
        <translation>Cartes :</translation>
    </message>
    <message>
        <source>Max. Card Size :</source>
        <translation>Format maximal :</translation>
    </message>
    <message>
        <source>Name of File :</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Size of File :</source>
        <translation>Taille du fichier :</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
</context>
</TS>
