<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Captions</name>
    <message>
        <source>Printer calibration</source>
        <translation>Étalonnage de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Offset X (mm)</source>
        <translation>Décalage X (mm)</translation>
    </message>
    <message>
        <source>Offset Y (mm)</source>
        <translation>Décalage Y (mm)</translation>
    </message>
    <message>
        <source>Scale X (%)</source>
        <translation>Échelle X (%)</translation>
    </message>
    <message>
        <source>Scale Y (%)</source>
        <translation>Échelle Y (%)</translation>
    </message>
    <message>
        <source>Print the calibration page, measure with a ruler where its crosshairs and rulers land on the paper, and type the corrections: a positive offset moves everything right or down, a positive scale makes it larger. The page prints with the corrections shown: print it with zeros to measure, and again to check.</source>
        <translation>Imprimez la page d&apos;étalonnage, mesurez à la règle où tombent ses croix et ses règles sur le papier, puis saisissez les corrections : un décalage positif déplace tout vers la droite ou vers le bas, une échelle positive agrandit. La page s&apos;imprime avec les corrections affichées : imprimez-la avec des zéros pour mesurer, puis de nouveau pour vérifier.</translation>
    </message>
    <message>
        <source>No printer is installed: corrections apply to printers only. The calibration page can still be saved as a PDF file.</source>
        <translation>Aucune imprimante n&apos;est installée : les corrections ne s&apos;appliquent qu&apos;aux imprimantes. La page d&apos;étalonnage peut tout de même être enregistrée en fichier PDF.</translation>
    </message>
    <message>
        <source>Calibration page...</source>
        <translation>Page d&apos;étalonnage...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print &amp;Stretch </source>
        <translation>&amp;Étirer à l&apos;impression</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Up Label</source>
        <translation>Légende haute</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Bar Width</source>
        <translation>Largeur des barres</translation>
    </message>
    <message>
        <source>Down Label</source>
        <translation>Légende basse</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Check digit</source>
        <translation>Clé de contrôle</translation>
    </message>
    <message>
        <source>X mm</source>
        <translation>X mm</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Commencer à l&apos;étiquette</translation>
    </message>
    <message>
        <source>Label stock</source>
        <translation>Planche d&apos;étiquettes</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Calibration...</source>
        <translation>Étalonnage...</translation>
    </message>
    <message>
        <source>Placing</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Fill order</source>
        <translation>Ordre de remplissage</translation>
    </message>
    <message>
        <source>Across rows</source>
        <translation>Par lignes</translation>
    </message>
    <message>
        <source>Down columns</source>
        <translation>Par colonnes</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrée</translation>
    </message>
    <message>
        <source>Top-left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>ECC</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Symbol columns</source>
        <translation>Colonnes du symbole</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Columns...</source>
        <translation>Colonnes...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Préfixe</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffixe</translation>
    </message>
    <message>
        <source>One label</source>
        <translation>Une étiquette</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Raised to %1 mm, the least this kind prints</source>
        <translation>Porté à %1 mm, le minimum que ce type imprime</translation>
    </message>
    <message>
        <source>Quillon is already running with this data folder: %1

This window can go on read-only, saving nothing in that folder, or quit.</source>
        <translation>Quillon fonctionne déjà avec ce dossier de données : %1

Cette fenêtre peut continuer en lecture seule, sans rien enregistrer dans ce dossier, ou quitter.</translation>
    </message>
    <message>
        <source>Go on read-only</source>
        <translation>Continuer en lecture seule</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open design...</source>
        <translation>Ouvrir un modèle...</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Save design as...</source>
        <translation>Enregistrer le modèle sous...</translation>
    </message>
    <message>
        <source>Recent designs</source>
        <translation>Modèles récents</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1:%2: %3

The design is not opened; nothing has changed.</source>
        <translation>%1:%2 : %3

Le modèle n&apos;est pas ouvert ; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Cannot open the design %1: %2</source>
        <translation>Impossible d&apos;ouvrir le modèle %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save the design %1: %2

The file that was there is left as it was.</source>
        <translation>Impossible d&apos;enregistrer le modèle %1 : %2

Le fichier qui s&apos;y trouvait est resté tel quel.</translation>
    </message>
    <message>
        <source>empty, not a label design</source>
        <translation>vide, ce n&apos;est pas un modèle d&apos;étiquette</translation>
    </message>
    <message>
        <source>not a label design: the first line should read &quot;%1&quot;</source>
        <translation>ce n&apos;est pas un modèle d&apos;étiquette : la première ligne devrait être « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a later format than this Quillon reads (%2)</source>
        <translation>« %1 » est un format plus récent que celui que lit ce Quillon (%2)</translation>
    </message>
    <message>
        <source>not a setting: a line reads &quot;key = value&quot;</source>
        <translation>ce n&apos;est pas un réglage : une ligne s&apos;écrit « clé = valeur »</translation>
    </message>
    <message>
        <source>a section: a label design has none</source>
        <translation>une section : un modèle d&apos;étiquette n&apos;en a pas</translation>
    </message>
    <message>
        <source>no setting is called %1</source>
        <translation>aucun réglage ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>%1 is set a second time (first on line %2)</source>
        <translation>%1 est réglé une seconde fois (la première à la ligne %2)</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 prend %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1:%2: kind %3 is not one this build makes: opened with %4 instead</source>
        <translation>%1:%2 : le type %3 n&apos;est pas fabriqué par cette version : ouvert avec %4 à la place</translation>
    </message>
    <message>
        <source>%1:%2: label stock %3 is not one this build knows: opened as a custom sheet laid out by its margins</source>
        <translation>%1:%2 : la planche %3 est inconnue de cette version : ouverte comme une planche personnalisée disposée selon ses marges</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Open (Ctrl+O) and save (Ctrl+S) the label design; undo (Ctrl+Z) and redo (Ctrl+Y)</source>
        <translation>Ouvrir (Ctrl+O) et enregistrer (Ctrl+S) le modèle d&apos;étiquette ; annuler (Ctrl+Z) et rétablir (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Print a sheet of this label (Ctrl+P)</source>
        <translation>Imprimer une planche de cette étiquette (Ctrl+P)</translation>
    </message>
    <message>
        <source>Stretch each label to fill its cell</source>
        <translation>Étirer chaque étiquette pour remplir sa case</translation>
    </message>
    <message>
        <source>Show the captions in Arabic</source>
        <translation>Afficher les libellés en arabe</translation>
    </message>
    <message>
        <source>Show the captions in English</source>
        <translation>Afficher les libellés en anglais</translation>
    </message>
    <message>
        <source>Print the upper caption over the bars</source>
        <translation>Imprimer la légende haute au-dessus des barres</translation>
    </message>
    <message>
        <source>The upper caption&apos;s text</source>
        <translation>Le texte de la légende haute</translation>
    </message>
    <message>
        <source>Print the lower caption under the bars</source>
        <translation>Imprimer la légende basse sous les barres</translation>
    </message>
    <message>
        <source>The lower caption&apos;s text</source>
        <translation>Le texte de la légende basse</translation>
    </message>
    <message>
        <source>The code to encode</source>
        <translation>Le code à encoder</translation>
    </message>
    <message>
        <source>Label columns on the sheet (1 to 4)</source>
        <translation>Colonnes d&apos;étiquettes sur la planche (1 à 4)</translation>
    </message>
    <message>
        <source>Label rows on the sheet (1 to 20); they set the bar height</source>
        <translation>Lignes d&apos;étiquettes sur la planche (1 à 20) ; elles fixent la hauteur des barres</translation>
    </message>
    <message>
        <source>The kind of barcode</source>
        <translation>Le type de code-barres</translation>
    </message>
    <message>
        <source>The colour of the bars</source>
        <translation>La couleur des barres</translation>
    </message>
    <message>
        <source>Zoom: the narrow bar&apos;s width in pixels (1 to 10)</source>
        <translation>Zoom : la largeur de la barre étroite en pixels (1 à 10)</translation>
    </message>
    <message>
        <source>Bar width: how many times wider a wide bar is than a narrow one (0 to 10)</source>
        <translation>Largeur des barres : combien de fois une barre large est plus large qu&apos;une étroite (0 à 10)</translation>
    </message>
    <message>
        <source>Set the sheet&apos;s margins and column spacing</source>
        <translation>Régler les marges de la planche et l&apos;espace entre les colonnes</translation>
    </message>
    <message>
        <source>About Quillon</source>
        <translation>À propos de Quillon</translation>
    </message>
    <message>
        <source>Top margin in millimetres</source>
        <translation>Marge haute en millimètres</translation>
    </message>
    <message>
        <source>Left margin in millimetres</source>
        <translation>Marge gauche en millimètres</translation>
    </message>
    <message>
        <source>Space between label columns in millimetres</source>
        <translation>Espace entre les colonnes d&apos;étiquettes en millimètres</translation>
    </message>
    <message>
        <source>Right margin in millimetres</source>
        <translation>Marge droite en millimètres</translation>
    </message>
    <message>
        <source>Bottom margin in millimetres</source>
        <translation>Marge basse en millimètres</translation>
    </message>
    <message>
        <source>Apply these margins to the sheet</source>
        <translation>Appliquer ces marges à la planche</translation>
    </message>
    <message>
        <source>Keep the sheet as it was (Escape)</source>
        <translation>Garder la planche telle qu&apos;elle était (Échap)</translation>
    </message>
    <message>
        <source>Back to the labels (Return or Escape)</source>
        <translation>Retour aux étiquettes (Entrée ou Échap)</translation>
    </message>
    <message>
        <source>Standard layout: the barcode at its published size in millimetres with its quiet zones, on whole printer dots</source>
        <translation>Disposition standard : le code-barres à sa taille normalisée en millimètres avec ses marges de silence, sur des points entiers de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Work out the kind&apos;s check digit and add it to the code</source>
        <translation>Calculer la clé de contrôle du type et l&apos;ajouter au code</translation>
    </message>
    <message>
        <source>X-dimension: the narrow bar&apos;s width in millimetres, in the range the kind allows</source>
        <translation>Module X : la largeur de la barre étroite en millimètres, dans la plage que le type permet</translation>
    </message>
    <message>
        <source>QR Code error correction: how much of it can be restored when damaged (L about 7%, M about 15%, Q about 25%, H about 30%)</source>
        <translation>Correction d&apos;erreur du QR Code : la part qui peut être restaurée en cas de dommage (L environ 7 %, M environ 15 %, Q environ 25 %, H environ 30 %)</translation>
    </message>
    <message>
        <source>The Data Matrix symbol&apos;s shape: square, or rectangular for a narrow strip</source>
        <translation>La forme du symbole Data Matrix : carrée, ou rectangulaire pour une bande étroite</translation>
    </message>
    <message>
        <source>PDF417 data columns (1 to 30), or Auto to let the encoder choose</source>
        <translation>Colonnes de données PDF417 (1 à 30), ou Auto pour laisser l&apos;encodeur choisir</translation>
    </message>
    <message>
        <source>Start printing at this label of the first sheet, to use up a partly used sheet (1 to the labels on a sheet)</source>
        <translation>Commencer l&apos;impression à cette étiquette de la première planche, pour finir une planche entamée (de 1 au nombre d&apos;étiquettes d&apos;une planche)</translation>
    </message>
    <message>
        <source>The label sheet you print on: Custom lays the cells out by the margins and column spacing, a stock puts each label exactly where it lies on the sheet</source>
        <translation>La planche d&apos;étiquettes sur laquelle vous imprimez : Personnalisée dispose les cases selon les marges et l&apos;espace entre colonnes, une planche du commerce place chaque étiquette exactement là où elle se trouve</translation>
    </message>
    <message>
        <source>The paper of a custom sheet; a label stock has its own</source>
        <translation>Le papier d&apos;une planche personnalisée ; une planche du commerce a le sien</translation>
    </message>
    <message>
        <source>The order the cells fill in, and so the cells &quot;Start at label&quot; leaves empty: across the rows, left to right and top to bottom, or down the columns</source>
        <translation>L&apos;ordre de remplissage des cases, et donc les cases que « Commencer à l&apos;étiquette » laisse vides : par lignes, de gauche à droite et de haut en bas, ou par colonnes</translation>
    </message>
    <message>
        <source>Where the label sits on each label of the stock: centred, or at the top-left past the inset</source>
        <translation>Où se place l&apos;étiquette sur chaque étiquette de la planche : centrée, ou en haut à gauche après le retrait</translation>
    </message>
    <message>
        <source>The safety margin in millimetres between the cut and the code&apos;s quiet zone, so that a printer&apos;s misregistration keeps the code on the label</source>
        <translation>La marge de sécurité en millimètres entre la découpe et la marge de silence du code, pour qu&apos;un défaut de repérage de l&apos;imprimante garde le code sur l&apos;étiquette</translation>
    </message>
    <message>
        <source>Correct where and how large each printer prints, and print the calibration page to measure it</source>
        <translation>Corriger où et à quelle taille chaque imprimante imprime, et imprimer la page d&apos;étalonnage pour le mesurer</translation>
    </message>
    <message>
        <source>The label is larger than the preview area and is shown smaller, whole</source>
        <translation>L&apos;étiquette est plus grande que la zone d&apos;aperçu et s&apos;affiche réduite, entière</translation>
    </message>
    <message>
        <source>Where the labels come from: the code field, a list of codes, or a serial run</source>
        <translation>D&apos;où viennent les étiquettes : le champ du code, une liste de codes ou une série</translation>
    </message>
    <message>
        <source>One label a line: a code, or CSV with the columns code, upper, lower and copies (a first row may name them); a row&apos;s captions take the caption texts&apos; place</source>
        <translation>Une étiquette par ligne : un code, ou du CSV avec les colonnes code, upper, lower et copies (une première ligne peut les nommer) ; les légendes d&apos;une ligne remplacent les textes des légendes</translation>
    </message>
    <message>
        <source>Open a text or CSV file of codes</source>
        <translation>Ouvrir un fichier texte ou CSV de codes</translation>
    </message>
    <message>
        <source>The run&apos;s first number</source>
        <translation>Le premier numéro de la série</translation>
    </message>
    <message>
        <source>What each number adds to the one before</source>
        <translation>Ce que chaque numéro ajoute au précédent</translation>
    </message>
    <message>
        <source>How many labels the run makes (1 to 1,000,000)</source>
        <translation>Combien d&apos;étiquettes la série produit (1 à 1 000 000)</translation>
    </message>
    <message>
        <source>The least digits of each number, zeros put in front (1 to 18); kinds with a check digit get theirs added</source>
        <translation>Le nombre minimal de chiffres de chaque numéro, complété de zéros à gauche (1 à 18) ; les types à clé de contrôle reçoivent la leur</translation>
    </message>
    <message>
        <source>Text before each number</source>
        <translation>Texte avant chaque numéro</translation>
    </message>
    <message>
        <source>Text after each number</source>
        <translation>Texte après chaque numéro</translation>
    </message>
    <message>
        <source>The row before</source>
        <translation>La ligne précédente</translation>
    </message>
    <message>
        <source>The next row</source>
        <translation>La ligne suivante</translation>
    </message>
    <message>
        <source>The rows that cannot be printed, by line: printing leaves them out</source>
        <translation>Les lignes qui ne peuvent pas être imprimées, par numéro de ligne : l&apos;impression les omet</translation>
    </message>
    <message>
        <source>What each column of a CSV list is for, kept for each file</source>
        <translation>À quoi sert chaque colonne d&apos;une liste CSV, retenu pour chaque fichier</translation>
    </message>
    <message>
        <source>Save the rows listed to a CSV file: line, code and reason</source>
        <translation>Enregistrer les lignes listées dans un fichier CSV : ligne, code et motif</translation>
    </message>
</context>
</TS>
