<translation>&amp;Fichier</translation>
<translation>&amp;Édition</translation>
<translation>Enregistrer &amp;&amp; fermer</translation>
<translation>A&amp;ide</translation>
