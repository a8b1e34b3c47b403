<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>reckora</name>
    <message>
        <source>Nothing to print</source>
        <translation>Rien à imprimer</translation>
    </message>
    <message>
        <source>Reckora Calculator</source>
        <translation>Calculatrice Reckora</translation>
    </message>
    <message>
        <source>Round \ Input Option</source>
        <translation>Arrondi \ Mode de saisie</translation>
    </message>
    <message>
        <source>Floating Point (Ctrl+F)</source>
        <translation>Virgule flottante (Ctrl+F)</translation>
    </message>
    <message>
        <source>4 Decimal Places (Ctrl+4)</source>
        <translation>4 décimales (Ctrl+4)</translation>
    </message>
    <message>
        <source>3 Decimal Places (Ctrl+3)</source>
        <translation>3 décimales (Ctrl+3)</translation>
    </message>
    <message>
        <source>2 Decimal Places (Ctrl+2)</source>
        <translation>2 décimales (Ctrl+2)</translation>
    </message>
    <message>
        <source>1 Decimal Place (Ctrl+1)</source>
        <translation>1 décimale (Ctrl+1)</translation>
    </message>
    <message>
        <source>Integer (Ctrl+0)</source>
        <translation>Entier (Ctrl+0)</translation>
    </message>
    <message>
        <source>Auto Add 2 Decimal Places (Ctrl+A)</source>
        <translation>2 décimales automatiques (Ctrl+A)</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Digit 0</source>
        <translation>Chiffre 0</translation>
    </message>
    <message>
        <source>Digit 1</source>
        <translation>Chiffre 1</translation>
    </message>
    <message>
        <source>Digit 2</source>
        <translation>Chiffre 2</translation>
    </message>
    <message>
        <source>Digit 3</source>
        <translation>Chiffre 3</translation>
    </message>
    <message>
        <source>Digit 4</source>
        <translation>Chiffre 4</translation>
    </message>
    <message>
        <source>Digit 5</source>
        <translation>Chiffre 5</translation>
    </message>
    <message>
        <source>Digit 6</source>
        <translation>Chiffre 6</translation>
    </message>
    <message>
        <source>Digit 7</source>
        <translation>Chiffre 7</translation>
    </message>
    <message>
        <source>Digit 8</source>
        <translation>Chiffre 8</translation>
    </message>
    <message>
        <source>Digit 9</source>
        <translation>Chiffre 9</translation>
    </message>
    <message>
        <source>Clear All (Ctrl+Del)</source>
        <translation>Tout effacer (Ctrl+Suppr)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Memory Clear (Shift+Del)</source>
        <translation>Effacer la mémoire (Maj+Suppr)</translation>
    </message>
    <message>
        <source>Memory Clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Clear (Del)</source>
        <translation>Effacer (Suppr)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Multply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>PerCent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Total (Enter)</source>
        <translation>Total (Entrée)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Memory Restore (Shift+Enter)</source>
        <translation>Rappel de la mémoire (Maj+Entrée)</translation>
    </message>
    <message>
        <source>Memory Restore</source>
        <translation>Rappel de la mémoire</translation>
    </message>
    <message>
        <source>Memory Subtract (Shift+ &quot;-&quot;)</source>
        <translation>Soustraire de la mémoire (Maj+ &quot;-&quot;)</translation>
    </message>
    <message>
        <source>Memory Subtract</source>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <source>Memory Add (Shit+ &quot;+&quot;)</source>
        <translation>Ajouter à la mémoire (Maj+ &quot;+&quot;)</translation>
    </message>
    <message>
        <source>Memory Add</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Copy (Ctrl+C)</source>
        <translation>Copier (Ctrl+C)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste (Ctrl+V)</source>
        <translation>Coller (Ctrl+V)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Show \ Hide Tape (Ctrl+Spacebar)</source>
        <translation>Afficher \ masquer la bande (Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Show or Hide Tape</source>
        <translation>Afficher ou masquer la bande</translation>
    </message>
    <message>
        <source>(Spacebar)</source>
        <translation>(Espace)</translation>
    </message>
    <message>
        <source>Double Zero</source>
        <translation>Double zéro</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Print Tape (Ctrl+P)</source>
        <translation>Imprimer la bande (Ctrl+P)</translation>
    </message>
    <message>
        <source>Print Tape</source>
        <translation>Imprimer la bande</translation>
    </message>
    <message>
        <source>New (Ctrl+N)</source>
        <translation>Nouveau (Ctrl+N)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New    (Ctrl+N)</source>
        <translation>Nouveau    (Ctrl+N)</translation>
    </message>
    <message>
        <source>Print    (Ctrl+P)</source>
        <translation>Imprimer    (Ctrl+P)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Copy    (Ctrl+C)</source>
        <translation>Copier    (Ctrl+C)</translation>
    </message>
    <message>
        <source>Paste    (Ctrl+V)</source>
        <translation>Coller    (Ctrl+V)</translation>
    </message>
    <message>
        <source>Undo    (Ctrl+Z)</source>
        <translation>Annuler    (Ctrl+Z)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Show Tape</source>
        <translation>Afficher la bande</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Rétablir les réglages par défaut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit Reckora Calculator</source>
        <translation>Quitter Calculatrice Reckora</translation>
    </message>
    <message>
        <source>The printer could not start the job</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer la tâche</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer une nouvelle page</translation>
    </message>
    <message>
        <source>The printer could not finish the job</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer la tâche</translation>
    </message>
    <message>
        <source>Printing is not available</source>
        <translation>L&apos;impression n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>The tape could not be printed.

%1.</source>
        <translation>La bande n&apos;a pas pu être imprimée.

%1.</translation>
    </message>
    <message>
        <source>No printer is installed, so the tape cannot be printed.

Save the tape as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée, la bande ne peut donc pas être imprimée.

Enregistrer plutôt la bande dans un fichier PDF ?</translation>
    </message>
    <message>
        <source>Save Tape as PDF</source>
        <translation>Enregistrer la bande en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Desktop adding machine with a paper tape.</source>
        <translation>Machine à additionner de bureau avec bande de papier.</translation>
    </message>
    <message>
        <source>Start as on a first start. The stored settings stay as they are until Options, Save Settings replaces them.</source>
        <translation>Démarrer comme au premier démarrage. Les réglages enregistrés restent tels quels jusqu&apos;à ce que Options, Enregistrer les réglages les remplace.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1 : %2
Essayez « %1 --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Enregistrer la bande sous</translation>
    </message>
    <message>
        <source>Start on a new tape. The last one stays in the Tape History.</source>
        <translation>Commencer sur une nouvelle bande. La dernière reste dans l’historique des bandes.</translation>
    </message>
    <message>
        <source>Write the kept tape to FILE without opening the window: plain text (.txt), CSV (.csv) or PDF (.pdf).</source>
        <translation>Écrire la bande conservée dans FICHIER sans ouvrir la fenêtre : texte brut (.txt), CSV (.csv) ou PDF (.pdf).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--export does not open the window; it takes no other option</source>
        <translation>--export n’ouvre pas de fenêtre et n’accepte aucune autre option</translation>
    </message>
    <message>
        <source>cannot tell the format of &apos;%1&apos;: name a file ending in .txt, .csv or .pdf</source>
        <translation>format de « %1 » inconnu : le nom du fichier doit finir par .txt, .csv ou .pdf</translation>
    </message>
    <message>
        <source>Save Tape As…    (Ctrl+S)</source>
        <translation>Enregistrer la bande sous…    (Ctrl+S)</translation>
    </message>
    <message>
        <source>Tape History…</source>
        <translation>Historique des bandes…</translation>
    </message>
    <message>
        <source>Copy Tape    (Ctrl+Shift+C)</source>
        <translation>Copier la bande    (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>Keep Tape</source>
        <translation>Conserver la bande</translation>
    </message>
    <message>
        <source>The stored tapes could not be read. The file was moved aside and a new one started:</source>
        <translation>Les bandes conservées n’ont pas pu être lues. Le fichier a été mis de côté et un nouveau a été créé :</translation>
    </message>
    <message>
        <source>The tape cannot be kept for now. Calculating goes on. Cause:</source>
        <translation>La bande ne peut pas être conservée pour l’instant. Le calcul continue. Cause :</translation>
    </message>
    <message>
        <source>The tape is kept again; nothing was lost.</source>
        <translation>La bande est de nouveau conservée ; rien n’a été perdu.</translation>
    </message>
    <message>
        <source>The tape is kept again, in a new file: the tape before this point could not be kept.</source>
        <translation>La bande est de nouveau conservée, dans un nouveau fichier : la bande avant ce point n’a pas pu être conservée.</translation>
    </message>
    <message>
        <source>The kept tapes can be read but not written: they are shown, but changes to them cannot be kept. File:</source>
        <translation>Les bandes conservées peuvent être lues mais pas écrites : elles sont affichées, mais leurs modifications ne peuvent pas être conservées. Fichier :</translation>
    </message>
    <message>
        <source>The tape could not be saved:</source>
        <translation>La bande n’a pas pu être enregistrée :</translation>
    </message>
    <message>
        <source>This version of the program cannot keep tapes.</source>
        <translation>Cette version du programme ne peut pas conserver de bandes.</translation>
    </message>
    <message>
        <source>The current tape is open in another window; this window has a new tape.</source>
        <translation>La bande en cours est ouverte dans une autre fenêtre ; cette fenêtre a une nouvelle bande.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The tape file or its folder is read-only.</source>
        <translation>Le fichier des bandes ou son dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Another program is holding the tape file.</source>
        <translation>Un autre programme bloque le fichier des bandes.</translation>
    </message>
    <message>
        <source>The tape file cannot be opened.</source>
        <translation>Le fichier des bandes ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The tape file cannot be written:</source>
        <translation>Le fichier des bandes ne peut pas être écrit :</translation>
    </message>
    <message>
        <source>The tape file was moved or deleted.</source>
        <translation>Le fichier des bandes a été déplacé ou supprimé.</translation>
    </message>
    <message>
        <source>The folder for the tape file cannot be made:</source>
        <translation>Le dossier du fichier des bandes ne peut pas être créé :</translation>
    </message>
    <message>
        <source>The file is damaged or is not a tape file.</source>
        <translation>Le fichier est endommagé ou n’est pas un fichier de bandes.</translation>
    </message>
    <message>
        <source>The file was made by a newer version of this program.</source>
        <translation>Le fichier a été créé par une version plus récente de ce programme.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Close this notice</source>
        <translation>Fermer cet avis</translation>
    </message>
    <message>
        <source>there is no kept tape to write</source>
        <translation>il n’y a aucune bande conservée à écrire</translation>
    </message>
    <message>
        <source>no tape is kept while Options, Keep Tape is off</source>
        <translation>aucune bande n’est conservée tant que Options, Conserver la bande est désactivé</translation>
    </message>
    <message>
        <source>the kept tape is empty</source>
        <translation>la bande conservée est vide</translation>
    </message>
    <message>
        <source>The tape file could not be written, so the latest changes to the tape are lost.</source>
        <translation>Le fichier des bandes n’a pas pu être écrit : les dernières modifications de la bande sont perdues.</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Paste Column…    (Ctrl+Shift+V)</source>
        <translation>Coller une colonne…    (Ctrl+Maj+V)</translation>
    </message>
    <message>
        <source>Correct Entry…</source>
        <translation>Corriger la saisie…</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Note…</translation>
    </message>
    <message>
        <source>Find…    (Ctrl+Shift+F)</source>
        <translation>Rechercher…    (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>résultat %1</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>minus %1</source>
        <translation>moins %1</translation>
    </message>
    <message>
        <source>plus %1</source>
        <translation>plus %1</translation>
    </message>
    <message>
        <source>%1 divided by</source>
        <translation>%1 divisé par</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
    <message>
        <source>memory minus %1</source>
        <translation>mémoire moins %1</translation>
    </message>
    <message>
        <source>memory plus %1</source>
        <translation>mémoire plus %1</translation>
    </message>
    <message>
        <source>memory recall %1</source>
        <translation>rappel mémoire %1</translation>
    </message>
    <message>
        <source>%1 equals</source>
        <translation>%1 égale</translation>
    </message>
    <message>
        <source>%1 percent of</source>
        <translation>%1 pour cent de</translation>
    </message>
    <message>
        <source>memory clear</source>
        <translation>effacer la mémoire</translation>
    </message>
    <message>
        <source>subtotal %1</source>
        <translation>sous-total %1</translation>
    </message>
    <message>
        <source>number %1, not added</source>
        <translation>numéro %1, non additionné</translation>
    </message>
    <message>
        <source>tax %1</source>
        <translation>taxe %1</translation>
    </message>
    <message>
        <source>%1 plus tax</source>
        <translation>%1 plus taxe</translation>
    </message>
    <message>
        <source>%1 less tax</source>
        <translation>%1 moins taxe</translation>
    </message>
    <message>
        <source>after tax %1</source>
        <translation>après taxe %1</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>prix de revient %1</translation>
    </message>
    <message>
        <source>selling price %1</source>
        <translation>prix de vente %1</translation>
    </message>
    <message>
        <source>margin %1 percent</source>
        <translation>marge %1 pour cent</translation>
    </message>
    <message>
        <source>margin amount %1</source>
        <translation>montant de la marge %1</translation>
    </message>
    <message>
        <source>grand total %1, %2 totals</source>
        <translation>total général %1, %2 totaux</translation>
    </message>
    <message>
        <source>total %1, %2 items</source>
        <translation>total %1, %2 articles</translation>
    </message>
    <message>
        <source>total %1, 1 item</source>
        <translation>total %1, 1 article</translation>
    </message>
    <message>
        <source>grand total %1, 1 total</source>
        <translation>total général %1, 1 total</translation>
    </message>
    <message>
        <source>Correct Entry</source>
        <translation>Corriger la saisie</translation>
    </message>
    <message>
        <source>The number this line should show:</source>
        <translation>Le nombre que cette ligne doit afficher :</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note on this line:</source>
        <translation>Note sur cette ligne :</translation>
    </message>
    <message>
        <source>This correction would put the calculator into the error state. Nothing was changed. Line:</source>
        <translation>Cette correction mettrait la calculatrice en état d’erreur. Rien n’a été modifié. Ligne :</translation>
    </message>
    <message>
        <source>This correction would run past the display&apos;s capacity. Nothing was changed. Line:</source>
        <translation>Cette correction dépasserait la capacité de l’affichage. Rien n’a été modifié. Ligne :</translation>
    </message>
    <message>
        <source>Only a number that was typed or pasted can be corrected; this line shows none. Line:</source>
        <translation>Seul un nombre tapé ou collé peut être corrigé ; cette ligne n’en montre aucun. Ligne :</translation>
    </message>
    <message>
        <source>Not a number. Type digits, a sign and a decimal separator only. Nothing was changed.</source>
        <translation>Ce n’est pas un nombre. Tapez seulement des chiffres, un signe et un séparateur décimal. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The clipboard is empty. Copy a column of numbers first.</source>
        <translation>Le presse-papiers est vide. Copiez d’abord une colonne de nombres.</translation>
    </message>
    <message>
        <source>The clipboard holds no number to add. Nothing was added. It begins with:</source>
        <translation>Le presse-papiers ne contient aucun nombre à additionner. Rien n’a été additionné. Il commence par :</translation>
    </message>
    <message>
        <source>(was %1)</source>
        <translation>(avant : %1)</translation>
    </message>
    <message>
        <source>Numbers to add: %1
Their sum: %2</source>
        <translation>Nombres à additionner : %1
Leur somme : %2</translation>
    </message>
    <message>
        <source>Lines that are not numbers (left out): %1</source>
        <translation>Lignes qui ne sont pas des nombres (ignorées) : %1</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>Coller une colonne</translation>
    </message>
    <message>
        <source>Starts the decimal places (the period key, or the comma key where the comma is the decimal separator)</source>
        <translation>Commence les décimales (la touche point, ou la touche virgule là où la virgule est le séparateur décimal)</translation>
    </message>
    <message>
        <source>%1, corrected, was %2</source>
        <translation>%1, corrigé, avant %2</translation>
    </message>
    <message>
        <source>%1, changed by a correction</source>
        <translation>%1, modifié par une correction</translation>
    </message>
    <message>
        <source>adding machine with paper tape</source>
        <translation>machine à additionner avec bande de papier</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>This build of the program cannot save PDF files</source>
        <translation>Cette version du programme ne peut pas enregistrer de fichiers PDF</translation>
    </message>
    <message>
        <source>Printing the tape…</source>
        <translation>Impression de la bande…</translation>
    </message>
    <message>
        <source>Saving the tape…</source>
        <translation>Enregistrement de la bande…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rename Tape</source>
        <translation>Renommer la bande</translation>
    </message>
    <message>
        <source>Name of this tape (leave it empty to remove the name):</source>
        <translation>Nom de cette bande (laisser vide pour retirer le nom) :</translation>
    </message>
    <message>
        <source>A tape&apos;s name can have at most 80 characters. Nothing was changed.</source>
        <translation>Le nom d’une bande peut avoir au plus 80 caractères. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>A tape&apos;s name cannot hold control characters. Nothing was changed.</source>
        <translation>Le nom d’une bande ne peut pas contenir de caractères de contrôle. Rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The name could not be kept: tapes are not being kept, or this tape is gone.</source>
        <translation>Le nom n’a pas pu être conservé : les bandes ne sont pas conservées, ou cette bande n’existe plus.</translation>
    </message>
    <message>
        <source>This tape is no longer kept, or it cannot be read.</source>
        <translation>Cette bande n’est plus conservée, ou elle ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Tape &amp;name:</source>
        <translation>&amp;Nom de la bande :</translation>
    </message>
    <message>
        <source>Grand Total (Ctrl+G)</source>
        <translation>Grand total (Ctrl+G)</translation>
    </message>
    <message>
        <source>Grand Total</source>
        <translation>Grand total</translation>
    </message>
    <message>
        <source>Subtotal (Ctrl+Enter)</source>
        <translation>Sous-total (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Non-Add Number (Ctrl+I)</source>
        <translation>Nombre non additionné (Ctrl+I)</translation>
    </message>
    <message>
        <source>Non-Add Number</source>
        <translation>Nombre non additionné</translation>
    </message>
    <message>
        <source>Add Tax (Ctrl+Plus)</source>
        <translation>Ajouter la taxe (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Add Tax</source>
        <translation>Ajouter la taxe</translation>
    </message>
    <message>
        <source>Remove Tax (Ctrl+Minus)</source>
        <translation>Retirer la taxe (Ctrl+Moins)</translation>
    </message>
    <message>
        <source>Remove Tax</source>
        <translation>Retirer la taxe</translation>
    </message>
    <message>
        <source>Cost (Ctrl+K)</source>
        <translation>Coût (Ctrl+K)</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Selling Price (Ctrl+L)</source>
        <translation>Prix de vente (Ctrl+L)</translation>
    </message>
    <message>
        <source>Selling Price</source>
        <translation>Prix de vente</translation>
    </message>
    <message>
        <source>Margin in Percent (Ctrl+M)</source>
        <translation>Marge en pourcentage (Ctrl+M)</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>GT %1</source>
        <translation>GT %1</translation>
    </message>
    <message>
        <source>Grand Total (GT %1)    (Ctrl+G)</source>
        <translation>Grand total (GT %1)    (Ctrl+G)</translation>
    </message>
    <message>
        <source>Business Functions</source>
        <translation>Fonctions commerciales</translation>
    </message>
    <message>
        <source>Grand Total (GT)    (Ctrl+G)</source>
        <translation>Grand total (GT)    (Ctrl+G)</translation>
    </message>
    <message>
        <source>Subtotal (◇)    (Ctrl+Enter)</source>
        <translation>Sous-total (◇)    (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>Non-Add Number (#)    (Ctrl+I)</source>
        <translation>Nombre non additionné (#)    (Ctrl+I)</translation>
    </message>
    <message>
        <source>Add Tax (Tax+)    (Ctrl+Plus)</source>
        <translation>Ajouter la taxe (Tax+)    (Ctrl+Plus)</translation>
    </message>
    <message>
        <source>Remove Tax (Tax−)    (Ctrl+Minus)</source>
        <translation>Retirer la taxe (Tax−)    (Ctrl+Moins)</translation>
    </message>
    <message>
        <source>Cost    (Ctrl+K)</source>
        <translation>Coût    (Ctrl+K)</translation>
    </message>
    <message>
        <source>Selling Price    (Ctrl+L)</source>
        <translation>Prix de vente    (Ctrl+L)</translation>
    </message>
    <message>
        <source>Margin    (Ctrl+M)</source>
        <translation>Marge    (Ctrl+M)</translation>
    </message>
    <message>
        <source>Business Keys</source>
        <translation>Touches commerciales</translation>
    </message>
    <message>
        <source>Tax Rate…</source>
        <translation>Taux de taxe…</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>as designed</source>
        <translation>comme prévu</translation>
    </message>
    <message>
        <source>half up (5/4)</source>
        <translation>au plus proche (5/4)</translation>
    </message>
    <message>
        <source>up</source>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>vers le bas</translation>
    </message>
    <message>
        <source>The calculator shows -Error-. Press Clear All, New or Undo first.</source>
        <translation>La calculatrice affiche -Error-. Appuyez d’abord sur Tout effacer, Nouveau ou Annuler.</translation>
    </message>
    <message>
        <source>No tax rate is set. Set one with Options, Tax Rate…</source>
        <translation>Aucun taux de taxe n’est défini. Définissez-en un avec Options, Taux de taxe…</translation>
    </message>
    <message>
        <source>Type the number to print first; a non-add number is not added.</source>
        <translation>Tapez d’abord le nombre à imprimer ; un nombre non additionné n’est pas ajouté.</translation>
    </message>
    <message>
        <source>A number is typed but not added. Add it with + or -, or clear it with C, first.</source>
        <translation>Un nombre est tapé mais pas ajouté. Ajoutez-le d’abord avec + ou -, ou effacez-le avec C.</translation>
    </message>
    <message>
        <source>A multiplication or division is waiting for its second number. Finish it with T first.</source>
        <translation>Une multiplication ou une division attend son second nombre. Terminez-la d’abord avec T.</translation>
    </message>
    <message>
        <source>subtotal %1</source>
        <translation>sous-total %1</translation>
    </message>
    <message>
        <source>number %1, not added</source>
        <translation>nombre %1, non additionné</translation>
    </message>
    <message>
        <source>tax %1</source>
        <translation>taxe %1</translation>
    </message>
    <message>
        <source>%1 plus tax</source>
        <translation>%1 plus taxe</translation>
    </message>
    <message>
        <source>%1 less tax</source>
        <translation>%1 moins taxe</translation>
    </message>
    <message>
        <source>after tax %1</source>
        <translation>après taxe %1</translation>
    </message>
    <message>
        <source>cost %1</source>
        <translation>coût %1</translation>
    </message>
    <message>
        <source>selling price %1</source>
        <translation>prix de vente %1</translation>
    </message>
    <message>
        <source>margin %1 percent</source>
        <translation>marge %1 pour cent</translation>
    </message>
    <message>
        <source>margin amount %1</source>
        <translation>montant de la marge %1</translation>
    </message>
    <message>
        <source>grand total %1, %2 totals</source>
        <translation>grand total %1, %2 totaux</translation>
    </message>
    <message>
        <source>grand total %1, 1 total</source>
        <translation>grand total %1, 1 total</translation>
    </message>
    <message>
        <source>Tax Rate</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>The tax rate in percent that Tax+ and Tax− use (0 turns them off):</source>
        <translation>Le taux de taxe en pourcentage utilisé par Tax+ et Tax− (0 les désactive) :</translation>
    </message>
    <message>
        <source>Not a tax rate. Type a number of percent, such as 19 or 7.5 with your decimal separator.</source>
        <translation>Ce n’est pas un taux de taxe. Tapez un pourcentage, comme 19 ou 7,5 avec votre séparateur décimal.</translation>
    </message>
    <message>
        <source>A tax rate cannot be negative. Type 0 to turn the tax keys off.</source>
        <translation>Un taux de taxe ne peut pas être négatif. Tapez 0 pour désactiver les touches de taxe.</translation>
    </message>
</context>
<context>
    <name>reckora::AboutWindow</name>
    <message>
        <source>About Reckora</source>
        <translation>À propos de Reckora</translation>
    </message>
    <message>
        <source>Reckora Calculator</source>
        <translation>Calculatrice Reckora</translation>
    </message>
    <message>
        <source>Version 1.01</source>
        <translation>Version 1.01</translation>
    </message>
    <message>
        <source>Reckora Calculator is an emulation of desktop accounting calculator with tape</source>
        <translation>Calculatrice Reckora reproduit une calculatrice de bureau comptable avec bande</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>reckora::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>An amount or words of a note</source>
        <translation>Un montant ou des mots d’une note</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>reckora::SheetListModel</name>
    <message>
        <source>Started</source>
        <translation>Commencée</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Last total</source>
        <translation>Dernier total</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>reckora::TapeHistoryDialog</name>
    <message>
        <source>No kept tape matches the search.</source>
        <translation>Aucune bande conservée ne correspond à la recherche.</translation>
    </message>
    <message>
        <source>Tape History</source>
        <translation>Historique des bandes</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Delete…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>This tape could not be opened. Another Reckora window may be working on it, or it is damaged.</source>
        <translation>Cette bande n’a pas pu être ouverte. Une autre fenêtre de Reckora l’utilise peut-être, ou elle est endommagée.</translation>
    </message>
    <message>
        <source>Delete the tape started %1 (lines: %2)?

A deleted tape cannot be brought back.</source>
        <translation>Supprimer la bande commencée le %1 (lignes : %2) ?

Une bande supprimée ne peut pas être récupérée.</translation>
    </message>
    <message>
        <source>This tape could not be deleted. Another Reckora window may be working on it, or the tapes cannot be kept just now.</source>
        <translation>Cette bande n’a pas pu être supprimée. Une autre fenêtre de Reckora l’utilise peut-être, ou les bandes ne peuvent pas être conservées pour le moment.</translation>
    </message>
    <message>
        <source>Keep Tape is off (Options menu): these tapes were kept before, what is calculated now is not kept.</source>
        <translation>« Conserver la bande » est désactivé (menu Options) : ces bandes ont été conservées auparavant, ce qui est calculé maintenant n’est pas conservé.</translation>
    </message>
    <message>
        <source>Search by an amount, or by words of a name or a note</source>
        <translation>Chercher un montant, ou des mots d’un nom ou d’une note</translation>
    </message>
    <message>
        <source>Rename…</source>
        <translation>Renommer…</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Delete the tape “%1” (lines: %2)?

A deleted tape cannot be brought back.</source>
        <translation>Supprimer la bande « %1 » (lignes : %2) ?

Une bande supprimée ne peut pas être récupérée.</translation>
    </message>
</context>
<context>
    <name>reckora::TapeWidget</name>
    <message>
        <source>Tape</source>
        <translation>Bande</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Grand Total</source>
        <translation>Grand total</translation>
    </message>
</context>
</TS>
