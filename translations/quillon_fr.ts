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
    <message>
        <source>Print anyway</source>
        <translation>Imprimer quand même</translation>
    </message>
    <message>
        <source>%1

Close anyway?</source>
        <translation>%1

Fermer quand même ?</translation>
    </message>
    <message>
        <source>Show the captions in Arabic; a right click offers every language</source>
        <translation>Afficher les libellés en arabe ; un clic droit propose toutes les langues</translation>
    </message>
    <message>
        <source>Show the captions in English; a right click offers every language</source>
        <translation>Afficher les libellés en anglais ; un clic droit propose toutes les langues</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Marge haute</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Marge gauche</translation>
    </message>
    <message>
        <source>Column Space</source>
        <translation>Entre colonnes</translation>
    </message>
    <message>
        <source>Right Margin</source>
        <translation>Marge droite</translation>
    </message>
    <message>
        <source>Bottom Margin</source>
        <translation>Marge basse</translation>
    </message>
    <message>
        <source>Maker&apos;s mark</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Sheet footer</source>
        <translation>Pied de page</translation>
    </message>
    <message>
        <source>No copying</source>
        <translation>Copie interdite</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Vert billet</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris moyen</translation>
    </message>
    <message>
        <source>Scroll Bar</source>
        <translation>Barre de défilement</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Active Caption</source>
        <translation>Titre actif</translation>
    </message>
    <message>
        <source>Inactive Caption</source>
        <translation>Titre inactif</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Window Frame</source>
        <translation>Cadre de fenêtre</translation>
    </message>
    <message>
        <source>Menu Text</source>
        <translation>Texte de menu</translation>
    </message>
    <message>
        <source>Window Text</source>
        <translation>Texte de fenêtre</translation>
    </message>
    <message>
        <source>Caption Text</source>
        <translation>Texte de titre</translation>
    </message>
    <message>
        <source>Active Border</source>
        <translation>Bordure active</translation>
    </message>
    <message>
        <source>Inactive Border</source>
        <translation>Bordure inactive</translation>
    </message>
    <message>
        <source>Application Workspace</source>
        <translation>Espace de travail</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Highlight Text</source>
        <translation>Texte sélectionné</translation>
    </message>
    <message>
        <source>Button Face</source>
        <translation>Face de bouton</translation>
    </message>
    <message>
        <source>Button Shadow</source>
        <translation>Ombre de bouton</translation>
    </message>
    <message>
        <source>Gray Text</source>
        <translation>Texte grisé</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Texte de bouton</translation>
    </message>
    <message>
        <source>Inactive Caption Text</source>
        <translation>Texte de titre inactif</translation>
    </message>
    <message>
        <source>Button Highlight</source>
        <translation>Éclairage de bouton</translation>
    </message>
    <message>
        <source>3D Dark Shadow</source>
        <translation>Ombre 3D foncée</translation>
    </message>
    <message>
        <source>3D Light</source>
        <translation>Lumière 3D</translation>
    </message>
    <message>
        <source>Info Text</source>
        <translation>Texte d’info-bulle</translation>
    </message>
    <message>
        <source>Info Background</source>
        <translation>Fond d’info-bulle</translation>
    </message>
    <message>
        <source>Hot Light</source>
        <translation>Lien actif</translation>
    </message>
    <message>
        <source>Gradient Active Caption</source>
        <translation>Dégradé de titre actif</translation>
    </message>
    <message>
        <source>Gradient Inactive Caption</source>
        <translation>Dégradé de titre inactif</translation>
    </message>
    <message>
        <source>Menu Highlight</source>
        <translation>Sélection de menu</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>%1 takes digits only</source>
        <translation>%1 n&apos;accepte que des chiffres</translation>
    </message>
    <message>
        <source>Code 39 Extended takes ASCII characters only (no accented letters or other scripts)</source>
        <translation>Code 39 Extended n&apos;accepte que des caractères ASCII (ni lettres accentuées ni autres écritures)</translation>
    </message>
    <message>
        <source>Code 39 takes capitals, digits, space and - . $ / + % only; * is its start and stop</source>
        <translation>Code 39 n&apos;accepte que les majuscules, les chiffres, l&apos;espace et - . $ / + % ; * est son caractère de début et de fin</translation>
    </message>
    <message>
        <source>Code 93 Extended takes ASCII characters only (no accented letters or other scripts)</source>
        <translation>Code 93 Extended n&apos;accepte que des caractères ASCII (ni lettres accentuées ni autres écritures)</translation>
    </message>
    <message>
        <source>Code 93 takes capitals, digits, space and - . $ / + % only</source>
        <translation>Code 93 n&apos;accepte que les majuscules, les chiffres, l&apos;espace et - . $ / + %</translation>
    </message>
    <message>
        <source>%1 takes printable ASCII characters only (letters, digits, space and punctuation)</source>
        <translation>%1 n&apos;accepte que les caractères ASCII imprimables (lettres, chiffres, espace et ponctuation)</translation>
    </message>
    <message>
        <source>Codabar takes digits and - $ : / . + only; its start and stop letters are added for you</source>
        <translation>Codabar n&apos;accepte que les chiffres et - $ : / . + ; ses lettres de début et de fin sont ajoutées automatiquement</translation>
    </message>
    <message>
        <source>Pick a kind from the list: the kind box names none</source>
        <translation>Choisissez un type dans la liste : la case Type n&apos;en indique aucun</translation>
    </message>
    <message>
        <source>The barcode is too wide to draw: shorten the code or lower the zoom</source>
        <translation>Le code-barres est trop large pour être dessiné : raccourcissez le code ou réduisez le zoom</translation>
    </message>
    <message>
        <source>The barcode could not be drawn (an internal error)</source>
        <translation>Le code-barres n&apos;a pas pu être dessiné (erreur interne)</translation>
    </message>
    <message>
        <source>The label is too large to draw: lower the zoom or the code&apos;s length</source>
        <translation>L&apos;étiquette est trop grande pour être dessinée : réduisez le zoom ou la longueur du code</translation>
    </message>
    <message>
        <source>The label is empty: type a code</source>
        <translation>L&apos;étiquette est vide : saisissez un code</translation>
    </message>
    <message>
        <source>Not enough memory to draw the label: lower the zoom</source>
        <translation>Mémoire insuffisante pour dessiner l&apos;étiquette : réduisez le zoom</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot create the data directory %1</source>
        <translation>Impossible de créer le dossier de données %1</translation>
    </message>
    <message>
        <source>The lock file %1 is %2, not a lock of this program: this window goes on without taking the data folder, so a second window on it is not told. Remove it to mend this.</source>
        <translation>Le fichier de verrou %1 est %2, pas un verrou de ce programme : cette fenêtre continue sans réserver le dossier de données, et une seconde fenêtre sur ce dossier n’en sera pas avertie. Supprimez-le pour corriger cela.</translation>
    </message>
    <message>
        <source>%1

The options file is left as it is, and the settings of this session are not saved in it.</source>
        <translation>%1

Le fichier d’options est laissé tel quel, et les réglages de cette session n’y sont pas enregistrés.</translation>
    </message>
    <message>
        <source>%1
It could not be kept: %2</source>
        <translation>%1
Il n’a pas pu être conservé : %2</translation>
    </message>
    <message>
        <source>%1

The file is kept as %2; what could not be read takes the designed values, and the options file is written anew.</source>
        <translation>%1

Le fichier est conservé sous %2 ; ce qui n’a pas pu être lu reprend les valeurs prévues, et le fichier d’options est réécrit.</translation>
    </message>
    <message>
        <source>%1

The settings file is left as it is, and the settings of this session are not saved in it.</source>
        <translation>%1

Le fichier de réglages est laissé tel quel, et les réglages de cette session n’y sont pas enregistrés.</translation>
    </message>
    <message>
        <source>The settings file %1 holds what cannot be read:
%2</source>
        <translation>Le fichier de réglages %1 contient ce qui ne peut être lu :
%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a colour (#RRGGBB or system:N)</source>
        <translation>%1 : %2 n’est pas une couleur (#RRGGBB ou system:N)</translation>
    </message>
    <message>
        <source>%1: %2 is neither %3 nor %4</source>
        <translation>%1 : %2 n’est ni %3 ni %4</translation>
    </message>
    <message>
        <source>%1: %2 is none of %3</source>
        <translation>%1 : %2 n’est aucun de %3</translation>
    </message>
    <message>
        <source>%1: %2 is not %3 to %4 mm</source>
        <translation>%1 : %2 n’est pas de %3 à %4 mm</translation>
    </message>
    <message>
        <source>%1: %2 is not a size in millimetres</source>
        <translation>%1 : %2 n’est pas une taille en millimètres</translation>
    </message>
    <message>
        <source>%1: %2 is not 0 (automatic) to %3</source>
        <translation>%1 : %2 n’est pas de 0 (automatique) à %3</translation>
    </message>
    <message>
        <source>%1

It could not be kept (%2), so the settings file is left as it is and this session&apos;s settings are not saved in it.</source>
        <translation>%1

Il n’a pas pu être conservé (%2) : le fichier de réglages est laissé tel quel et les réglages de cette session n’y sont pas enregistrés.</translation>
    </message>
    <message>
        <source>%1

The file is kept as %2; what could not be read keeps its designed value.</source>
        <translation>%1

Le fichier est conservé sous %2 ; ce qui n’a pas pu être lu garde sa valeur prévue.</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>Les options n’ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n’ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>The label stock %1 kept in %2 is neither built in nor in %3 now: the sheet is laid out by its margins (Custom) until it is found again or you choose another stock.</source>
        <translation>Le support d’étiquettes %1 gardé dans %2 n’est plus ni intégré ni dans %3 : la feuille est disposée selon ses marges (Personnalisé) jusqu’à ce qu’il soit retrouvé ou que vous choisissiez un autre support.</translation>
    </message>
    <message>
        <source>Label stocks that could not be read are left out of the list:
%1</source>
        <translation>Les supports d’étiquettes illisibles sont laissés hors de la liste :
%1</translation>
    </message>
    <message>
        <source>Nothing to print: %1</source>
        <translation>Rien à imprimer : %1</translation>
    </message>
    <message>
        <source>Label designs (*.qld);;All files (*)</source>
        <translation>Modèles d’étiquettes (*.qld);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listes (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>another user&apos;s file</source>
        <translation>un fichier d’un autre utilisateur</translation>
    </message>
    <message>
        <source>larger than a lock file can be</source>
        <translation>plus grand qu’un fichier de verrou ne peut l’être</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
</context>
<context>
    <name>Gs1</name>
    <message>
        <source>An AI in brackets is 2 to 4 digits, such as (01), not %2</source>
        <translation>Un IA entre parenthèses compte 2 à 4 chiffres, comme (01), et non %2</translation>
    </message>
    <message>
        <source>%1 is not a GS1 Application Identifier</source>
        <translation>%1 n&apos;est pas un identifiant d&apos;application GS1</translation>
    </message>
    <message>
        <source>%1: no data after the AI</source>
        <translation>%1 : aucune donnée après l&apos;IA</translation>
    </message>
    <message>
        <source>%1: the length is %4, not %2</source>
        <translation>%1 : la longueur doit être %4, et non %2</translation>
    </message>
    <message>
        <source>%1: too short, at least %4</source>
        <translation>%1 : trop court, au moins %4</translation>
    </message>
    <message>
        <source>%1: too long, at most %4</source>
        <translation>%1 : trop long, au plus %4</translation>
    </message>
    <message>
        <source>%1: digits only, not %2</source>
        <translation>%1 : chiffres uniquement, et non %2</translation>
    </message>
    <message>
        <source>%1: %2 is not in %3</source>
        <translation>%1 : %2 n&apos;appartient pas à %3</translation>
    </message>
    <message>
        <source>%1: the check digit should be %3</source>
        <translation>%1 : le chiffre de contrôle devrait être %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a date: %3</source>
        <translation>%1 : %2 n&apos;est pas une date : %3</translation>
    </message>
    <message>
        <source>%1: given twice with different values</source>
        <translation>%1 : indiqué deux fois avec des valeurs différentes</translation>
    </message>
    <message>
        <source>%1: %2 is not a time: %3</source>
        <translation>%1 : %2 n&apos;est pas une heure : %3</translation>
    </message>
    <message>
        <source>%1: the check characters should be %3</source>
        <translation>%1 : les caractères de contrôle devraient être %3</translation>
    </message>
    <message>
        <source>%1: %2 does not hold a GS1 Company Prefix</source>
        <translation>%1 : %2 ne contient pas de préfixe d&apos;entreprise GS1</translation>
    </message>
    <message>
        <source>%1: %2 is not an ISO 3166 country code</source>
        <translation>%1 : %2 n&apos;est pas un code pays ISO 3166</translation>
    </message>
    <message>
        <source>%1: %2 is not an ISO 4217 currency code</source>
        <translation>%1 : %2 n&apos;est pas un code devise ISO 4217</translation>
    </message>
    <message>
        <source>%1: %2 is not an IBAN: %3</source>
        <translation>%1 : %2 n&apos;est pas un IBAN : %3</translation>
    </message>
    <message>
        <source>%1: in %2 a % is not followed by two hexadecimal digits</source>
        <translation>%1 : dans %2, un % n&apos;est pas suivi de deux chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>%1: %2 is out of the coordinate&apos;s range: %3</source>
        <translation>%1 : %2 est hors de la plage de la coordonnée : %3</translation>
    </message>
    <message>
        <source>%1: %2 is not one of the values allowed: %3</source>
        <translation>%1 : %2 ne fait pas partie des valeurs autorisées : %3</translation>
    </message>
    <message>
        <source>%1: %2 is not a valid position: %3</source>
        <translation>%1 : %2 n&apos;est pas une position valide : %3</translation>
    </message>
    <message>
        <source>%1: the value %2 is refused: %3</source>
        <translation>%1 : la valeur %2 est refusée : %3</translation>
    </message>
    <message>
        <source>%1: %2 must not start with 0</source>
        <translation>%1 : %2 ne doit pas commencer par 0</translation>
    </message>
    <message>
        <source>%1: %2 must hold a character other than a digit</source>
        <translation>%1 : %2 doit contenir un caractère autre qu&apos;un chiffre</translation>
    </message>
    <message>
        <source>%1: %2 is not a coupon code: %3</source>
        <translation>%1 : %2 n&apos;est pas un code de coupon : %3</translation>
    </message>
    <message>
        <source>%1 needs %3</source>
        <translation>%1 requiert %3</translation>
    </message>
    <message>
        <source>%1 and %2 cannot stand together</source>
        <translation>%1 et %2 ne peuvent pas figurer ensemble</translation>
    </message>
    <message>
        <source>Only a GTIN is carried: (01) and 14 digits, or the 8, 12, 13 or 14 digits of a GTIN with its check digit</source>
        <translation>Seul un GTIN peut être encodé : (01) et 14 chiffres, ou les 8, 12, 13 ou 14 chiffres d&apos;un GTIN avec son chiffre de contrôle</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>one of: %1</source>
        <translation>l&apos;un des suivants : %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>GS1 data must start with an AI in brackets, such as (01)</source>
        <translation>Les données GS1 doivent commencer par un IA entre parenthèses, comme (01)</translation>
    </message>
    <message>
        <source>%1, part %2</source>
        <translation>%1, partie %2</translation>
    </message>
</context>
<context>
    <name>LabelPrinter</name>
    <message>
        <source>Nothing was sent to %1: the label of line %2 (%3) would not print as it should: %4</source>
        <translation>Rien n’a été envoyé à %1 : l’étiquette de la ligne %2 (%3) ne s’imprimerait pas comme il faut : %4</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: the label %2 would not print as it should: %3</source>
        <translation>Rien n’a été envoyé à %1 : l’étiquette %2 ne s’imprimerait pas comme il faut : %3</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: %2</source>
        <translation>Rien n’a été envoyé à %1 : %2</translation>
    </message>
    <message>
        <source>Name the label printer: a CUPS queue, an ipp:// address, or HOST:PORT of its raw port.</source>
        <translation>Indiquez l’imprimante d’étiquettes : une file CUPS, une adresse ipp:// ou HÔTE:PORT de son port brut.</translation>
    </message>
    <message>
        <source>%1 is a raw port, which takes ZPL: choose ZPL, or a CUPS queue for PDF.</source>
        <translation>%1 est un port brut, qui n’accepte que le ZPL : choisissez ZPL, ou une file CUPS pour le PDF.</translation>
    </message>
    <message>
        <source>Nothing was sent: there is no printer %1 (%2).</source>
        <translation>Rien n’a été envoyé : il n’existe pas d’imprimante %1 (%2).</translation>
    </message>
    <message>
        <source>Nothing was sent: the printer %1 cannot be reached (%2).</source>
        <translation>Rien n’a été envoyé : l’imprimante %1 est injoignable (%2).</translation>
    </message>
    <message>
        <source>Nothing was sent: the printer %1 refused the job (%2).</source>
        <translation>Rien n’a été envoyé : l’imprimante %1 a refusé le travail (%2).</translation>
    </message>
    <message>
        <source>The job was not handed over whole: the printer %1 stopped taking it (%2). Some labels may have printed.</source>
        <translation>Le travail n’a pas été remis en entier : l’imprimante %1 a cessé de le recevoir (%2). Certaines étiquettes ont pu s’imprimer.</translation>
    </message>
    <message>
        <source>The printer %1 took only part of the job (%2), and the job was cancelled.</source>
        <translation>L’imprimante %1 n’a reçu qu’une partie du travail (%2), et le travail a été annulé.</translation>
    </message>
    <message>
        <source>A job is still being sent to %1.</source>
        <translation>Un travail est encore en cours d’envoi à %1.</translation>
    </message>
    <message>
        <source>Choose the roll or the tape the label printer prints on.</source>
        <translation>Choisissez le rouleau ou le ruban sur lequel imprime l’imprimante d’étiquettes.</translation>
    </message>
    <message>
        <source>Label printer</source>
        <translation>Imprimante d’étiquettes</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langage</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rouleau</translation>
    </message>
    <message>
        <source>A CUPS queue, an ipp:// address, or HOST:PORT of a network printer&apos;s raw port (usually 9100).</source>
        <translation>Une file CUPS, une adresse ipp:// ou HÔTE:PORT du port brut d’une imprimante réseau (souvent 9100).</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>ZPL (Zebra and compatible printers)</source>
        <translation>ZPL (imprimantes Zebra et compatibles)</translation>
    </message>
    <message>
        <source>PDF through the printer&apos;s driver</source>
        <translation>PDF par le pilote de l’imprimante</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>The sheet is laid out on %1, a sheet of labels. A label printer prints one label a page, on a roll: choose the roll.</source>
        <translation>La planche est mise en page sur %1, une planche d’étiquettes. Une imprimante d’étiquettes imprime une étiquette par page, sur un rouleau : choisissez le rouleau.</translation>
    </message>
    <message numerus="yes">
        <source>The whole job, %n labels, was handed over to %1.</source>
        <translation>
            <numerusform>Le travail entier, %n étiquette, a été remis à %1.</numerusform>
            <numerusform>Le travail entier, %n étiquettes, a été remis à %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was sent: the printer %1 did not answer within %n seconds.</source>
        <translation>
            <numerusform>Rien n’a été envoyé : l’imprimante %1 n’a pas répondu en %n seconde.</numerusform>
            <numerusform>Rien n’a été envoyé : l’imprimante %1 n’a pas répondu en %n secondes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>PostNet prints as USPS asks, whatever the X-dimension: %1 mm bars, 22 to the inch, %2 mm and %3 mm tall</source>
        <translation>PostNet s&apos;imprime comme le demande l&apos;USPS, quelle que soit la dimension X : barres de %1 mm, 22 au pouce, hautes de %2 mm et de %3 mm</translation>
    </message>
    <message>
        <source>PostNet bars keep their USPS heights; the bar height asked for does not apply</source>
        <translation>Les barres PostNet gardent leurs hauteurs USPS ; la hauteur de barre demandée ne s&apos;applique pas</translation>
    </message>
    <message>
        <source>X-dimension %1 mm is outside the %2-%3 mm that %4 allows: printed at %5 mm (%6 dots at %7 dpi)</source>
        <translation>Dimension X de %1 mm hors de la plage de %2 à %3 mm que permet %4 : imprimée à %5 mm (%6 points à %7 ppp)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm in whole dots falls outside the %2-%3 mm that %4 allows: printed at %5 mm (%6 dots at %7 dpi)</source>
        <translation>Dimension X de %1 mm hors, en points entiers, de la plage de %2 à %3 mm que permet %4 : imprimée à %5 mm (%6 points à %7 ppp)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm printed at %2 mm (%3 dots at %4 dpi): a module over %5 dots takes whole steps of %6 dots</source>
        <translation>Dimension X de %1 mm imprimée à %2 mm (%3 points à %4 ppp) : au-delà de %5 points, un module avance par pas entiers de %6 points</translation>
    </message>
    <message>
        <source>Wide/narrow ratio %1 (%2 to %3 dots) for the %4 asked: whole dots, within what %5 allows at this module</source>
        <translation>Rapport large/étroit de %1 (%2 points pour %3) au lieu des %4 demandés : en points entiers, dans ce que permet %5 à ce module</translation>
    </message>
    <message>
        <source>Bar height %1 mm is below the %2 mm that %3 asks at a %4 mm module</source>
        <translation>Hauteur de barre de %1 mm inférieure aux %2 mm que demande %3 pour un module de %4 mm</translation>
    </message>
    <message>
        <source>Bar width reduction of %1 dots would leave %2-dot bars empty: reduced by %3</source>
        <translation>Une réduction de barre de %1 points viderait les barres de %2 points : réduite de %3</translation>
    </message>
    <message>
        <source>Bars shortened to %1 mm to fit the cell&apos;s %2 mm height</source>
        <translation>Barres raccourcies à %1 mm pour tenir dans les %2 mm de hauteur de la case</translation>
    </message>
    <message>
        <source>X-dimension reduced to %1 mm (%2 dots at %3 dpi) to fit the cell</source>
        <translation>Dimension X réduite à %1 mm (%2 points à %3 ppp) pour tenir dans la case</translation>
    </message>
    <message>
        <source>X-dimension %1 mm is below the %2 mm that %3 needs: printed at %4 mm (%5 dots at %6 dpi)</source>
        <translation>Dimension X de %1 mm inférieure aux %2 mm qu&apos;exige %3 : imprimée à %4 mm (%5 points à %6 ppp)</translation>
    </message>
    <message>
        <source>X-dimension %1 mm in whole dots falls below the %2 mm that %3 needs: printed at %4 mm (%5 dots at %6 dpi)</source>
        <translation>Dimension X de %1 mm inférieure, en points entiers, aux %2 mm qu&apos;exige %3 : imprimée à %4 mm (%5 points à %6 ppp)</translation>
    </message>
    <message>
        <source>The bar height is for GS1-128 and DataBar; %1 takes its height from its modules</source>
        <translation>La hauteur de barre vaut pour GS1-128 et DataBar ; %1 tire sa hauteur de ses modules</translation>
    </message>
    <message>
        <source>Angle %1 degrees drawn as %2: a symbol turns in quarter turns</source>
        <translation>Angle de %1 degrés dessiné à %2 : un symbole tourne par quarts de tour</translation>
    </message>
    <message>
        <source>PDF417 columns raised from %1 to %2 to hold the data</source>
        <translation>Colonnes PDF417 portées de %1 à %2 pour contenir les données</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Label %1 mm wide, cell %2 mm: it would be cut off</source>
        <translation>Étiquette de %1 mm de large, case de %2 mm : elle serait coupée</translation>
    </message>
    <message>
        <source>Label %1 mm high, cell %2 mm: it would be cut off</source>
        <translation>Étiquette de %1 mm de haut, case de %2 mm : elle serait coupée</translation>
    </message>
    <message>
        <source>Label %1 mm high, cell %2 mm: its bars cannot reach their minimum height of %3 mm</source>
        <translation>Étiquette de %1 mm de haut, case de %2 mm : ses barres ne peuvent atteindre leur hauteur minimale de %3 mm</translation>
    </message>
    <message>
        <source>Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm cells</source>
        <translation>L&apos;étiquette de %1 x %2 mm, avec ses zones de silence et une marge de %3 mm, ne tient pas dans les cases de %4 x %5 mm</translation>
    </message>
    <message>
        <source>Label %1 x %2 mm with its quiet zones and %3 mm inset does not fit the %4 x %5 mm labels of %6</source>
        <translation>L&apos;étiquette de %1 x %2 mm, avec ses zones de silence et une marge de %3 mm, ne tient pas dans les étiquettes de %4 x %5 mm de %6</translation>
    </message>
    <message>
        <source>Check digit should be %1</source>
        <translation>Le chiffre de contrôle devrait être %1</translation>
    </message>
    <message>
        <source>Does not scan</source>
        <translation>Illisible au lecteur</translation>
    </message>
    <message>
        <source>Does not scan at %1 dpi</source>
        <translation>Illisible au lecteur à %1 ppp</translation>
    </message>
    <message>
        <source>Does not scan at %1 dpi (stretched to fill its cell)</source>
        <translation>Illisible au lecteur à %1 ppp (étirée pour remplir sa case)</translation>
    </message>
    <message>
        <source>Reads %1, not %2</source>
        <translation>Se lit %1, et non %2</translation>
    </message>
    <message>
        <source>Reads %1 at %2 dpi, not %3</source>
        <translation>Se lit %1 à %2 ppp, et non %3</translation>
    </message>
    <message>
        <source>Reads %1 as %2, not as GS1 data (%3)</source>
        <translation>Se lit %1 en %2, et non comme données GS1 (%3)</translation>
    </message>
    <message>
        <source>Reads %1 as %2 at %3 dpi, not as GS1 data (%4)</source>
        <translation>Se lit %1 en %2 à %3 ppp, et non comme données GS1 (%4)</translation>
    </message>
    <message>
        <source>Bars printed %1 dots off the %2-dpi printer&apos;s dots</source>
        <translation>Barres imprimées à %1 point des points de l&apos;imprimante à %2 ppp</translation>
    </message>
    <message>
        <source>Nothing is printed</source>
        <translation>Rien n&apos;est imprimé</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>champ entre guillemets non fermé</translation>
    </message>
    <message>
        <source>a quoted field is not closed (lines %1 to %2 read as one row)</source>
        <translation>champ entre guillemets non fermé (lignes %1 à %2 lues comme une seule)</translation>
    </message>
    <message>
        <source>row over 1 KiB (%1 bytes)</source>
        <translation>ligne de plus de 1 Kio (%1 octets)</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 champs alors que l&apos;en-tête en nomme %2</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>pas de code</translation>
    </message>
    <message>
        <source>copies must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>le nombre de copies doit être un entier de 1 à %1, et non « %2 »</translation>
    </message>
    <message>
        <source>Label stock %1: %2</source>
        <translation>Support d’étiquettes %1 : %2</translation>
    </message>
    <message>
        <source>Label stock: %1</source>
        <translation>Support d’étiquettes : %1</translation>
    </message>
    <message>
        <source>%1; cannot be used: %2</source>
        <translation>%1 ; inutilisable : %2</translation>
    </message>
    <message>
        <source>%1: borrows the labels of %2, which no template gives; cannot be used</source>
        <translation>%1 : reprend les étiquettes de %2, qu’aucun modèle ne fournit ; inutilisable</translation>
    </message>
    <message>
        <source>Roll of %1 x %2 mm labels</source>
        <translation>Rouleau d’étiquettes de %1 x %2 mm</translation>
    </message>
    <message>
        <source>Continuous tape %1 mm wide</source>
        <translation>Ruban continu de %1 mm de large</translation>
    </message>
    <message>
        <source>Roll of %1 x %2 mm labels, own stock</source>
        <translation>Rouleau d’étiquettes de %1 x %2 mm, support personnel</translation>
    </message>
    <message>
        <source>Continuous tape %1 mm wide, own stock</source>
        <translation>Ruban continu de %1 mm de large, support personnel</translation>
    </message>
    <message>
        <source>%1, %2 labels of %3 x %4 mm (%5 x %6), own stock</source>
        <translation>%1, %2 étiquettes de %3 x %4 mm (%5 x %6), support personnel</translation>
    </message>
    <message>
        <source>no labels are laid out</source>
        <translation>aucune étiquette n’est disposée</translation>
    </message>
    <message>
        <source>round labels cannot be placed</source>
        <translation>les étiquettes rondes ne peuvent pas être placées</translation>
    </message>
    <message>
        <source>elliptical labels cannot be placed</source>
        <translation>les étiquettes elliptiques ne peuvent pas être placées</translation>
    </message>
    <message>
        <source>CD labels cannot be placed</source>
        <translation>les étiquettes de CD ne peuvent pas être placées</translation>
    </message>
    <message>
        <source>the labels lie in %1 grids; one grid can be placed</source>
        <translation>les étiquettes forment %1 grilles ; une seule grille peut être placée</translation>
    </message>
    <message>
        <source>the labels have no size</source>
        <translation>les étiquettes n’ont pas de taille</translation>
    </message>
    <message>
        <source>the paper is neither a4 nor letter</source>
        <translation>le papier n’est ni a4 ni letter</translation>
    </message>
    <message>
        <source>the paper is %1 x %2 mm: its sides are above 0 and at most %3 mm</source>
        <translation>le papier fait %1 x %2 mm : ses côtés dépassent 0 et font au plus %3 mm</translation>
    </message>
    <message>
        <source>a roll or tape has one label a page on its own Custom paper</source>
        <translation>un rouleau ou un ruban a une étiquette par page, sur son propre papier personnalisé</translation>
    </message>
    <message>
        <source>columns out of range: %1 (%2 to %3)</source>
        <translation>colonnes hors limites : %1 (%2 à %3)</translation>
    </message>
    <message>
        <source>rows out of range: %1 (%2 to %3)</source>
        <translation>rangées hors limites : %1 (%2 à %3)</translation>
    </message>
    <message>
        <source>a margin is negative</source>
        <translation>une marge est négative</translation>
    </message>
    <message>
        <source>the labels overlap: a pitch is less than the label</source>
        <translation>les étiquettes se chevauchent : un pas est plus petit que l’étiquette</translation>
    </message>
    <message>
        <source>the label of %1 x %2 mm does not fit its page of %3 x %4 mm</source>
        <translation>l’étiquette de %1 x %2 mm ne tient pas sur sa page de %3 x %4 mm</translation>
    </message>
    <message>
        <source>%1 columns reach %2 mm across paper %3 mm wide</source>
        <translation>%1 colonnes s’étendent sur %2 mm d’un papier de %3 mm de large</translation>
    </message>
    <message>
        <source>%1 rows reach %2 mm down paper %3 mm long</source>
        <translation>%1 rangées s’étendent sur %2 mm d’un papier de %3 mm de long</translation>
    </message>
    <message>
        <source>no &quot;=&quot; between a key and its value</source>
        <translation>pas de « = » entre une clé et sa valeur</translation>
    </message>
    <message>
        <source>an escape other than \\, \n, \r, \t or \xHH</source>
        <translation>un échappement autre que \\, \n, \r, \t ou \xHH</translation>
    </message>
    <message>
        <source>a value without a key</source>
        <translation>une valeur sans clé</translation>
    </message>
    <message>
        <source>a section name with a bad escape</source>
        <translation>un nom de section avec un échappement incorrect</translation>
    </message>
    <message>
        <source>%1 %2: %3 is not a number from -%4 to %4</source>
        <translation>%1 %2 : %3 n’est pas un nombre de -%4 à %4</translation>
    </message>
    <message>
        <source>No error: %1</source>
        <translation>Aucune erreur : %1</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>File access denied: %1</source>
        <translation>Accès au fichier refusé : %1</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Pas un fichier ordinaire : %1</translation>
    </message>
    <message>
        <source>Larger than %2: %1</source>
        <translation>Plus grand que %2 : %1</translation>
    </message>
    <message>
        <source>Not yours to replace: %1</source>
        <translation>Pas à vous de le remplacer : %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Disque plein : %1</translation>
    </message>
    <message>
        <source>File too large: %1</source>
        <translation>Fichier trop volumineux : %1</translation>
    </message>
    <message>
        <source>I/O error %2: %1</source>
        <translation>Erreur d’entrée/sortie %2 : %1</translation>
    </message>
    <message>
        <source>Write-protected: %1</source>
        <translation>Protégé en écriture : %1</translation>
    </message>
    <message>
        <source>%1 line %2: outside any [ID] entry; the line is ignored</source>
        <translation>%1 ligne %2 : hors de toute entrée [ID] ; la ligne est ignorée</translation>
    </message>
    <message>
        <source>%1 line %2: %3; the entry is skipped</source>
        <translation>%1 ligne %2 : %3 ; l’entrée est ignorée</translation>
    </message>
    <message>
        <source>%1 line %2: %4; the stock %3 is skipped</source>
        <translation>%1 ligne %2 : %4 ; le support %3 est ignoré</translation>
    </message>
    <message>
        <source>%1; only the built-in label stocks are offered</source>
        <translation>%1 ; seuls les supports d’étiquettes intégrés sont proposés</translation>
    </message>
    <message>
        <source>not a key = value line</source>
        <translation>pas une ligne clé = valeur</translation>
    </message>
    <message>
        <source>an entry begins with a line [ID]</source>
        <translation>une entrée commence par une ligne [ID]</translation>
    </message>
    <message>
        <source>an ID has 1 to 64 characters</source>
        <translation>un identifiant a de 1 à 64 caractères</translation>
    </message>
    <message>
        <source>an ID holds only letters, digits, &apos;.&apos;, &apos;-&apos; and &apos;_&apos;</source>
        <translation>un identifiant ne contient que des lettres, des chiffres, &apos;.&apos;, &apos;-&apos; et &apos;_&apos;</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>the description holds a control character</source>
        <translation>la description contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>the description is longer than 200 bytes</source>
        <translation>la description dépasse 200 octets</translation>
    </message>
    <message>
        <source>paper is a4 or letter, or roll or tape, not %1</source>
        <translation>paper vaut a4 ou letter, ou roll ou tape, pas %1</translation>
    </message>
    <message>
        <source>%1 is a whole number, not %2</source>
        <translation>%1 est un nombre entier, pas %2</translation>
    </message>
    <message>
        <source>%1 is a length of 0 to 1000 mm, not %2</source>
        <translation>%1 est une longueur de 0 à 1000 mm, pas %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 manquant</translation>
    </message>
    <message>
        <source>%1 is for sheets: a roll or tape has one label a page</source>
        <translation>%1 est pour les planches : un rouleau ou un ruban a une étiquette par page</translation>
    </message>
    <message>
        <source>the ID custom names the sheet laid out by margins</source>
        <translation>l’identifiant custom désigne la planche disposée par ses marges</translation>
    </message>
    <message>
        <source>the ID %1 is taken by the tape of that size</source>
        <translation>l’identifiant %1 est pris par le ruban de cette taille</translation>
    </message>
    <message>
        <source>the ID %1 is taken by the roll of that size</source>
        <translation>l’identifiant %1 est pris par le rouleau de cette taille</translation>
    </message>
    <message>
        <source>the ID %1 is taken</source>
        <translation>l’identifiant %1 est déjà pris</translation>
    </message>
    <message>
        <source>%1; its templates are skipped</source>
        <translation>%1 ; ses modèles sont ignorés</translation>
    </message>
    <message>
        <source>%1 line %2: %3; its templates are skipped</source>
        <translation>%1 ligne %2 : %3 ; ses modèles sont ignorés</translation>
    </message>
    <message>
        <source>%1 line %2: template %3: %4; the template is skipped</source>
        <translation>%1 ligne %2 : modèle %3 : %4 ; le modèle est ignoré</translation>
    </message>
    <message>
        <source>a template has a brand and a part</source>
        <translation>un modèle a une marque et une référence</translation>
    </message>
    <message>
        <source>unknown label shape %1</source>
        <translation>forme d’étiquette inconnue %1</translation>
    </message>
    <message>
        <source>%1 %2 is not a length: &apos;%3&apos;</source>
        <translation>%1 %2 n’est pas une longueur : &apos;%3&apos;</translation>
    </message>
    <message>
        <source>Layout %1 is not a count of 1 to 1000: &apos;%2&apos;</source>
        <translation>Layout %1 n’est pas un nombre de 1 à 1000 : &apos;%2&apos;</translation>
    </message>
    <message>
        <source>paper %1 is not in %2</source>
        <translation>le papier %1 n’est pas dans %2</translation>
    </message>
    <message>
        <source>A4, 21 labels of 63.5 x 38.1 mm (3 x 7), address</source>
        <translation>A4, 21 étiquettes de 63.5 x 38.1 mm (3 x 7), adresses</translation>
    </message>
    <message>
        <source>A4, 24 labels of 63.5 x 33.9 mm (3 x 8), address</source>
        <translation>A4, 24 étiquettes de 63.5 x 33.9 mm (3 x 8), adresses</translation>
    </message>
    <message>
        <source>A4, 14 labels of 99.1 x 38.1 mm (2 x 7), address</source>
        <translation>A4, 14 étiquettes de 99.1 x 38.1 mm (2 x 7), adresses</translation>
    </message>
    <message>
        <source>A4, 16 labels of 99.1 x 33.9 mm (2 x 8), address</source>
        <translation>A4, 16 étiquettes de 99.1 x 33.9 mm (2 x 8), adresses</translation>
    </message>
    <message>
        <source>A4, 8 labels of 99.1 x 67.7 mm (2 x 4), parcel</source>
        <translation>A4, 8 étiquettes de 99.1 x 67.7 mm (2 x 4), colis</translation>
    </message>
    <message>
        <source>A4, 10 labels of 99.1 x 57 mm (2 x 5), parcel</source>
        <translation>A4, 10 étiquettes de 99.1 x 57 mm (2 x 5), colis</translation>
    </message>
    <message>
        <source>A4, 12 labels of 63.5 x 72 mm (3 x 4), product</source>
        <translation>A4, 12 étiquettes de 63.5 x 72 mm (3 x 4), produits</translation>
    </message>
    <message>
        <source>A4, 6 labels of 99.1 x 93.1 mm (2 x 3), shipping</source>
        <translation>A4, 6 étiquettes de 99.1 x 93.1 mm (2 x 3), expédition</translation>
    </message>
    <message>
        <source>A4, 4 labels of 99.1 x 139 mm (2 x 2), shipping</source>
        <translation>A4, 4 étiquettes de 99.1 x 139 mm (2 x 2), expédition</translation>
    </message>
    <message>
        <source>A4, 2 labels of 199.6 x 143.5 mm (1 x 2), shipping</source>
        <translation>A4, 2 étiquettes de 199.6 x 143.5 mm (1 x 2), expédition</translation>
    </message>
    <message>
        <source>A4, 1 label of 199.6 x 289.1 mm, full sheet</source>
        <translation>A4, 1 étiquette de 199.6 x 289.1 mm, pleine page</translation>
    </message>
    <message>
        <source>A4, 40 labels of 48.5 x 25.4 mm (4 x 10), barcode</source>
        <translation>A4, 40 étiquettes de 48.5 x 25.4 mm (4 x 10), codes-barres</translation>
    </message>
    <message>
        <source>A4, 33 labels of 70 x 25.4 mm (3 x 11), edge to edge</source>
        <translation>A4, 33 étiquettes de 70 x 25.4 mm (3 x 11), bord à bord</translation>
    </message>
    <message>
        <source>US Letter, 30 labels of 2-5/8 x 1 in (3 x 10), address</source>
        <translation>US Letter, 30 étiquettes de 2-5/8 x 1 po (3 x 10), adresses</translation>
    </message>
    <message>
        <source>US Letter, 20 labels of 4 x 1 in (2 x 10), address</source>
        <translation>US Letter, 20 étiquettes de 4 x 1 po (2 x 10), adresses</translation>
    </message>
    <message>
        <source>US Letter, 14 labels of 4 x 1-1/3 in (2 x 7), address</source>
        <translation>US Letter, 14 étiquettes de 4 x 1-1/3 po (2 x 7), adresses</translation>
    </message>
    <message>
        <source>US Letter, 10 labels of 4 x 2 in (2 x 5), shipping</source>
        <translation>US Letter, 10 étiquettes de 4 x 2 po (2 x 5), expédition</translation>
    </message>
    <message>
        <source>US Letter, 6 labels of 4 x 3-1/3 in (2 x 3), shipping</source>
        <translation>US Letter, 6 étiquettes de 4 x 3-1/3 po (2 x 3), expédition</translation>
    </message>
    <message>
        <source>US Letter, 4 labels of 4 x 5 in (2 x 2), shipping</source>
        <translation>US Letter, 4 étiquettes de 4 x 5 po (2 x 2), expédition</translation>
    </message>
    <message>
        <source>US Letter, 80 labels of 1-3/4 x 1/2 in (4 x 20), return address</source>
        <translation>US Letter, 80 étiquettes de 1-3/4 x 1/2 po (4 x 20), adresse de l’expéditeur</translation>
    </message>
    <message>
        <source>US Letter, 2 labels of 8-1/2 x 5-1/2 in (1 x 2), shipping</source>
        <translation>US Letter, 2 étiquettes de 8-1/2 x 5-1/2 po (1 x 2), expédition</translation>
    </message>
    <message>
        <source>US Letter, 1 label of 8-1/2 x 11 in, full sheet</source>
        <translation>US Letter, 1 étiquette de 8-1/2 x 11 po, pleine page</translation>
    </message>
    <message>
        <source>Roll of 57 x 32 mm labels, Dymo 11354 multi-purpose</source>
        <translation>Rouleau d’étiquettes de 57 x 32 mm, Dymo 11354 polyvalentes</translation>
    </message>
    <message>
        <source>Roll of 89 x 28 mm labels, Dymo 99010 address</source>
        <translation>Rouleau d’étiquettes de 89 x 28 mm, Dymo 99010 adresses</translation>
    </message>
    <message>
        <source>Roll of 54 x 25 mm labels, Dymo 11352 return address</source>
        <translation>Rouleau d’étiquettes de 54 x 25 mm, Dymo 11352 adresse de l’expéditeur</translation>
    </message>
    <message>
        <source>Roll of 101 x 54 mm labels, Dymo 99014 shipping</source>
        <translation>Rouleau d’étiquettes de 101 x 54 mm, Dymo 99014 expédition</translation>
    </message>
    <message>
        <source>Roll of 29 x 90 mm labels, Brother DK-11201 address</source>
        <translation>Rouleau d’étiquettes de 29 x 90 mm, Brother DK-11201 adresses</translation>
    </message>
    <message>
        <source>Roll of 62 x 29 mm labels, Brother DK-11209 small address</source>
        <translation>Rouleau d’étiquettes de 62 x 29 mm, Brother DK-11209 petites adresses</translation>
    </message>
    <message>
        <source>Roll of 62 x 100 mm labels, Brother DK-11202 shipping</source>
        <translation>Rouleau d’étiquettes de 62 x 100 mm, Brother DK-11202 expédition</translation>
    </message>
    <message>
        <source>Roll of 4 x 6 in labels (101.6 x 152.4 mm), thermal shipping</source>
        <translation>Rouleau d’étiquettes de 4 x 6 po (101.6 x 152.4 mm), thermiques d’expédition</translation>
    </message>
    <message>
        <source>Roll of 4 x 3 in labels (101.6 x 76.2 mm), thermal</source>
        <translation>Rouleau d’étiquettes de 4 x 3 po (101.6 x 76.2 mm), thermiques</translation>
    </message>
    <message>
        <source>Roll of 4 x 2 in labels (101.6 x 50.8 mm), thermal</source>
        <translation>Rouleau d’étiquettes de 4 x 2 po (101.6 x 50.8 mm), thermiques</translation>
    </message>
    <message>
        <source>Roll of 3 x 1 in labels (76.2 x 25.4 mm), thermal</source>
        <translation>Rouleau d’étiquettes de 3 x 1 po (76.2 x 25.4 mm), thermiques</translation>
    </message>
    <message>
        <source>Roll of 2 x 1 in labels (50.8 x 25.4 mm), thermal barcode</source>
        <translation>Rouleau d’étiquettes de 2 x 1 po (50.8 x 25.4 mm), thermiques pour codes-barres</translation>
    </message>
    <message>
        <source>Roll of 100 x 150 mm labels, thermal shipping</source>
        <translation>Rouleau d’étiquettes de 100 x 150 mm, thermiques d’expédition</translation>
    </message>
    <message>
        <source>Roll of 100 x 100 mm labels, thermal</source>
        <translation>Rouleau d’étiquettes de 100 x 100 mm, thermiques</translation>
    </message>
    <message>
        <source>Roll of 58 x 40 mm labels, thermal</source>
        <translation>Rouleau d’étiquettes de 58 x 40 mm, thermiques</translation>
    </message>
    <message>
        <source>Roll of 50 x 30 mm labels, thermal barcode</source>
        <translation>Rouleau d’étiquettes de 50 x 30 mm, thermiques pour codes-barres</translation>
    </message>
    <message>
        <source>Roll of 40 x 30 mm labels, thermal barcode</source>
        <translation>Rouleau d’étiquettes de 40 x 30 mm, thermiques pour codes-barres</translation>
    </message>
    <message>
        <source>Roll of 30 x 20 mm labels, thermal price</source>
        <translation>Rouleau d’étiquettes de 30 x 20 mm, thermiques pour prix</translation>
    </message>
    <message>
        <source>Continuous tape 62 mm wide, Brother DK-22205</source>
        <translation>Ruban continu de 62 mm de large, Brother DK-22205</translation>
    </message>
    <message>
        <source>Continuous tape 29 mm wide, Brother DK-22210</source>
        <translation>Ruban continu de 29 mm de large, Brother DK-22210</translation>
    </message>
    <message>
        <source>Continuous tape 12 mm wide, Brother DK-22214</source>
        <translation>Ruban continu de 12 mm de large, Brother DK-22214</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>c’est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is another user&apos;s file or reached through another user&apos;s link</source>
        <translation>c’est le fichier d’un autre utilisateur ou il est atteint par le lien d’un autre utilisateur</translation>
    </message>
    <message>
        <source>it is write-protected (mode %1)</source>
        <translation>il est protégé en écriture (mode %1)</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Saisie numérique non valide</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot write %1: %2. Nothing was written.</source>
        <translation>Impossible d&apos;écrire %1 : %2. Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <source>Row %1 of %2</source>
        <translation>Ligne %1 sur %2</translation>
    </message>
    <message>
        <source>No rows</source>
        <translation>Aucune ligne</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Number %1: %2</source>
        <translation>Numéro %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows cannot be printed and are left out; they are listed beside the preview.

Print the other %2?</source>
        <translation>
            <numerusform>Ligne impossible à imprimer, laissée de côté : %1 sur %n (voir la liste à côté de l&apos;aperçu).

Imprimer les autres (%2) ?</numerusform>
            <numerusform>Lignes impossibles à imprimer, laissées de côté : %1 sur %n (voir la liste à côté de l&apos;aperçu).

Imprimer les autres (%2) ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing to print: none of the %n rows can be printed; they are listed beside the preview</source>
        <translation>
            <numerusform>Rien à imprimer : %n ligne ne peut pas être imprimée ; elle est listée à côté de l&apos;aperçu</numerusform>
            <numerusform>Rien à imprimer : aucune des %n lignes ne peut être imprimée ; elles sont listées à côté de l&apos;aperçu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels would be cut off by their cells: %1</source>
        <translation>
            <numerusform>%n étiquette serait coupée par sa case : %1</numerusform>
            <numerusform>%n étiquettes seraient coupées par leur case : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (and %n more)</source>
        <translation>
            <numerusform> (et %n autre)</numerusform>
            <numerusform> (et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <source>Composing the labels...</source>
        <translation>Composition des étiquettes...</translation>
    </message>
    <message>
        <source>Checking that every label scans...</source>
        <translation>Vérification de la lisibilité de chaque étiquette...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The list is empty: paste codes into it or open a file</source>
        <translation>La liste est vide : collez-y des codes ou ouvrez un fichier</translation>
    </message>
    <message>
        <source>The rows make %1 labels, more than the %2 one print from the window takes: print them in parts, or with quillon-cli sheet --codes</source>
        <translation>Les lignes donnent %1 étiquettes, plus que les %2 qu&apos;accepte une impression depuis la fenêtre : imprimez-les en plusieurs fois, ou avec quillon-cli sheet --codes</translation>
    </message>
    <message>
        <source>The list %1 cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir la liste %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more rows</source>
        <translation>
            <numerusform>... et %n autre ligne</numerusform>
            <numerusform>... et %n autres lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 prints as %2</source>
        <translation>%1 s&apos;imprime sous la forme %2</translation>
    </message>
    <message numerus="yes">
        <source>%n rows print another number than typed: %1

Print them as they are?</source>
        <translation>
            <numerusform>%n ligne s&apos;imprime avec un autre numéro que celui saisi : %1

L&apos;imprimer telle quelle ?</numerusform>
            <numerusform>%n lignes s&apos;impriment avec un autre numéro que celui saisi : %1

Les imprimer telles quelles ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The columns of %1</source>
        <translation>Les colonnes de %1</translation>
    </message>
    <message>
        <source>The first row names the columns</source>
        <translation>La première ligne nomme les colonnes</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Upper caption</source>
        <translation>Légende haute</translation>
    </message>
    <message>
        <source>Lower caption</source>
        <translation>Légende basse</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Checking the rows: %1 of %2</source>
        <translation>Vérification des lignes : %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>All %n rows print as they should</source>
        <translation>
            <numerusform>%n ligne s&apos;imprime comme prévu</numerusform>
            <numerusform>Les %n lignes s&apos;impriment toutes comme prévu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows will not print as typed</source>
        <translation>
            <numerusform>%1 sur %n ligne imprimée autrement que saisie</numerusform>
            <numerusform>%1 sur %n lignes imprimées autrement que saisies</numerusform>
        </translation>
    </message>
    <message>
        <source>Export the rows listed</source>
        <translation>Exporter les lignes listées</translation>
    </message>
    <message>
        <source>The rows could not be exported: %1</source>
        <translation>Impossible d&apos;exporter les lignes : %1</translation>
    </message>
    <message>
        <source>The list %1 opened last is not there any more, so it is not opened again</source>
        <translation>La liste %1 ouverte la dernière fois n&apos;existe plus : elle n&apos;est donc pas rouverte</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Scans as %1</source>
        <translation>Le lecteur lit %1</translation>
    </message>
    <message>
        <source>Scans as %1, not as typed</source>
        <translation>Le lecteur lit %1, et non ce qui a été saisi</translation>
    </message>
    <message>
        <source>Does not scan: try a larger zoom or bar width</source>
        <translation>Illisible au lecteur : essayez un zoom plus fort ou une largeur des barres plus grande</translation>
    </message>
    <message>
        <source>No scan check for %1</source>
        <translation>Pas de vérification au lecteur pour %1</translation>
    </message>
    <message>
        <source>Prints as %1: %2</source>
        <translation>S&apos;imprime sous la forme %1 : %2</translation>
    </message>
    <message>
        <source>Prints as %1, which does not scan: %2</source>
        <translation>S&apos;imprime sous la forme %1, illisible au lecteur : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and %2 became the check digit</source>
        <translation>
            <numerusform>%1 prend %n chiffre et un chiffre de contrôle : un 0 a donc été ajouté devant et %2 est devenu le chiffre de contrôle</numerusform>
            <numerusform>%1 prend %n chiffres et un chiffre de contrôle : un 0 a donc été ajouté devant et %2 est devenu le chiffre de contrôle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so a 0 was put in front and the check digit %2 replaced the last digit</source>
        <translation>
            <numerusform>%1 prend %n chiffre et un chiffre de contrôle : un 0 a donc été ajouté devant et le chiffre de contrôle %2 a remplacé le dernier chiffre</numerusform>
            <numerusform>%1 prend %n chiffres et un chiffre de contrôle : un 0 a donc été ajouté devant et le chiffre de contrôle %2 a remplacé le dernier chiffre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit, so zeros were put in front</source>
        <translation>
            <numerusform>%1 prend %n chiffre et un chiffre de contrôle : un 0 a donc été ajouté devant</numerusform>
            <numerusform>%1 prend %n chiffres et un chiffre de contrôle : des zéros ont donc été ajoutés devant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and a check digit; the digits after the first %2 were left out</source>
        <translation>
            <numerusform>%1 prend %n chiffre et un chiffre de contrôle ; les chiffres au-delà des %2 premiers ont été omis</numerusform>
            <numerusform>%1 prend %n chiffres et un chiffre de contrôle ; les chiffres au-delà des %2 premiers ont été omis</numerusform>
        </translation>
    </message>
    <message>
        <source>the last digit is the check digit and should be %1</source>
        <translation>le dernier chiffre est le chiffre de contrôle et devrait être %1</translation>
    </message>
    <message>
        <source>; with its check digit %1 is %2</source>
        <translation> ; avec son chiffre de contrôle, %1 devient %2</translation>
    </message>
    <message>
        <source>%1 takes pairs of digits, so a 0 was put in front</source>
        <translation>%1 prend des paires de chiffres : un 0 a donc été ajouté devant</translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits, so zeros were put in front</source>
        <translation>
            <numerusform>%1 prend %n chiffre : un 0 a donc été ajouté devant</numerusform>
            <numerusform>%1 prend %n chiffres : des zéros ont donc été ajoutés devant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %1 takes %n digits; the rest were left out</source>
        <translation>
            <numerusform>%1 prend %n chiffre ; le reste a été omis</numerusform>
            <numerusform>%1 prend %n chiffres ; le reste a été omis</numerusform>
        </translation>
    </message>
    <message>
        <source>blanks and control characters were left out</source>
        <translation>les espaces et les caractères de contrôle ont été omis</translation>
    </message>
    <message>
        <source>%1 changed what was typed (%2)</source>
        <translation>%1 a modifié la saisie (%2)</translation>
    </message>
    <message>
        <source>Preview at %1%</source>
        <translation>Aperçu à %1 %</translation>
    </message>
    <message>
        <source>Scans as %1, with the check digit %2 added</source>
        <translation>Le lecteur lit %1, avec le chiffre de contrôle %2 ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n labels read back at %2 dpi</source>
        <translation>
            <numerusform>%1 sur %n étiquette relue à %2 ppp</numerusform>
            <numerusform>%1 sur %n étiquettes relues à %2 ppp</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n not checked</source>
        <translation>
            <numerusform>, %n non vérifiée</numerusform>
            <numerusform>, %n non vérifiées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n labels not checked: no reader for their kind</source>
        <translation>
            <numerusform>%n étiquette non vérifiée : aucun lecteur pour son type</numerusform>
            <numerusform>%n étiquettes non vérifiées : aucun lecteur pour leur type</numerusform>
        </translation>
    </message>
    <message>
        <source>Number system should be %1</source>
        <translation>Le système de numérotation devrait être %1</translation>
    </message>
    <message>
        <source>Does not scan: try a larger X-dimension</source>
        <translation>Illisible au lecteur : essayez une dimension X plus grande</translation>
    </message>
    <message>
        <source>Does not scan: Bar Width %1 draws the wide bars of %2 out of proportion; it takes Bar Width 2</source>
        <translation>Illisible au lecteur : une Largeur des barres de %1 rend disproportionnées les barres larges de %2 ; ce type demande une Largeur des barres de 2</translation>
    </message>
    <message>
        <source>Does not scan: Bar Width %1 draws the wide bars of %2 too narrow; it takes Bar Width 2 or more</source>
        <translation>Illisible au lecteur : une Largeur des barres de %1 rend trop étroites les barres larges de %2 ; ce type demande une Largeur des barres de 2 ou plus</translation>
    </message>
    <message>
        <source>Does not scan: its narrow bars of %1 mm are finer than the printer&apos;s %2 mm dot; raise the zoom to %3</source>
        <translation>Illisible au lecteur : ses barres étroites de %1 mm sont plus fines que le point de %2 mm de l&apos;imprimante ; montez le zoom à %3</translation>
    </message>
    <message>
        <source>Does not scan: stretched to fill its cell, the label keeps no quiet zone beside its bars; turn Stretch off</source>
        <translation>Illisible au lecteur : étirée pour remplir sa case, l&apos;étiquette ne garde aucune zone de silence à côté de ses barres ; décochez « Étirer à l&apos;impression »</translation>
    </message>
    <message>
        <source>Does not scan: the bars stand %1 mm from the paper&apos;s left edge, inside the %2 mm quiet zone they need; widen the left margin to %3 mm</source>
        <translation>Illisible au lecteur : les barres sont à %1 mm du bord gauche du papier, dans la zone de silence de %2 mm qu&apos;il leur faut ; élargissez la marge gauche à %3 mm</translation>
    </message>
    <message>
        <source>Does not scan: the bars end %1 mm from the paper&apos;s right edge, inside the %2 mm quiet zone they need</source>
        <translation>Illisible au lecteur : les barres finissent à %1 mm du bord droit du papier, dans la zone de silence de %2 mm qu&apos;il leur faut</translation>
    </message>
    <message>
        <source>Does not scan: the next label stands %1 mm from the bars, inside the %2 mm quiet zone they need; widen the column spacing to %3 mm or use fewer columns</source>
        <translation>Illisible au lecteur : l&apos;étiquette voisine est à %1 mm des barres, dans la zone de silence de %2 mm qu&apos;il leur faut ; élargissez l&apos;espace entre les colonnes à %3 mm ou utilisez moins de colonnes</translation>
    </message>
    <message>
        <source>, or set the zoom to %1</source>
        <translation>, ou réglez le zoom sur %1</translation>
    </message>
    <message>
        <source>; set the zoom to %1</source>
        <translation> ; réglez le zoom sur %1</translation>
    </message>
    <message>
        <source>; lower the zoom, or </source>
        <translation> ; réduisez le zoom, ou </translation>
    </message>
    <message>
        <source>use fewer columns or rows</source>
        <translation>utilisez moins de colonnes ou de lignes</translation>
    </message>
    <message>
        <source>choose a stock of larger labels</source>
        <translation>choisissez une planche d&apos;étiquettes plus grandes</translation>
    </message>
    <message numerus="yes">
        <source>%1 takes %n digits and the check digit switch adds the check digit, so the first digit was left out: type %n digits, or turn the switch off</source>
        <translation>
            <numerusform>%1 prend %n chiffre et la case « Clé de contrôle » ajoute le chiffre de contrôle : le premier chiffre a donc été omis. Saisissez %n chiffre, ou décochez la case</numerusform>
            <numerusform>%1 prend %n chiffres et la case « Clé de contrôle » ajoute le chiffre de contrôle : le premier chiffre a donc été omis. Saisissez %n chiffres, ou décochez la case</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>Nothing to encode: type the data</source>
        <translation>Rien à encoder : saisissez les données</translation>
    </message>
    <message>
        <source>The data is longer than the largest %1 holds</source>
        <translation>Les données dépassent la capacité du plus grand symbole %1</translation>
    </message>
    <message>
        <source>The data holds a character %1 cannot carry</source>
        <translation>Les données contiennent un caractère que %1 ne peut pas encoder</translation>
    </message>
    <message>
        <source>The GS1 data breaks GS1&apos;s rules</source>
        <translation>Les données GS1 enfreignent les règles GS1</translation>
    </message>
    <message>
        <source>An option of %1 is out of its range</source>
        <translation>Une option de %1 est hors de sa plage</translation>
    </message>
    <message>
        <source>The %1 symbol could not be made</source>
        <translation>Le symbole %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Scans as %1, but not as GS1 data (%2)</source>
        <translation>Le lecteur lit %1, mais pas comme données GS1 (%2)</translation>
    </message>
    <message>
        <source>Does not scan: try a larger zoom or module</source>
        <translation>Illisible au lecteur : essayez un zoom plus fort ou un module plus grand</translation>
    </message>
</context>
<context>
    <name>TPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ajuster à la page</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Page setup…</source>
        <translation>Mise en page…</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être lancée.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written whole (is the disk full?); the file there is as it was.</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit en entier (le disque est-il plein ?) ; le fichier existant est resté tel quel.</translation>
    </message>
    <message>
        <source>Label printer…</source>
        <translation>Imprimante d’étiquettes…</translation>
    </message>
    <message>
        <source>Send to a label printer</source>
        <translation>Envoyer à une imprimante d’étiquettes</translation>
    </message>
</context>
</TS>
