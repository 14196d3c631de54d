<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Cobblewell</source>
        <translation type="vanished">À propos de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>Visit Our &amp;Web Site Now!</source>
        <translation type="vanished">Visitez notre &amp;site web&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Cell</name>
    <message>
        <source>red</source>
        <translation type="vanished">rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation type="vanished">vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation type="vanished">bleu</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="vanished">jaune</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation type="vanished">magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="vanished">cyan</translation>
    </message>
    <message>
        <source>white</source>
        <translation type="vanished">blanc</translation>
    </message>
    <message>
        <source>joker</source>
        <translation type="vanished">joker</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation type="vanished">boule rouge</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation type="vanished">boule verte</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation type="vanished">boule bleue</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation type="vanished">boule jaune</translation>
    </message>
    <message>
        <source>magenta ball</source>
        <translation type="vanished">boule magenta</translation>
    </message>
    <message>
        <source>cyan ball</source>
        <translation type="vanished">boule cyan</translation>
    </message>
    <message>
        <source>white ball</source>
        <translation type="vanished">boule blanche</translation>
    </message>
    <message>
        <source>selected red ball</source>
        <translation type="vanished">boule rouge sélectionnée</translation>
    </message>
    <message>
        <source>selected green ball</source>
        <translation type="vanished">boule verte sélectionnée</translation>
    </message>
    <message>
        <source>selected blue ball</source>
        <translation type="vanished">boule bleue sélectionnée</translation>
    </message>
    <message>
        <source>selected yellow ball</source>
        <translation type="vanished">boule jaune sélectionnée</translation>
    </message>
    <message>
        <source>selected magenta ball</source>
        <translation type="vanished">boule magenta sélectionnée</translation>
    </message>
    <message>
        <source>selected cyan ball</source>
        <translation type="vanished">boule cyan sélectionnée</translation>
    </message>
    <message>
        <source>selected white ball</source>
        <translation type="vanished">boule blanche sélectionnée</translation>
    </message>
    <message>
        <source>selected joker</source>
        <translation type="vanished">joker sélectionné</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation type="vanished">ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="vanished">vide</translation>
    </message>
    <message>
        <source>%1, stack of %2</source>
        <extracomment>%1 is a ball or the joker as described alone, %2 the height of its stack (2 to 4).</extracomment>
        <translation type="vanished">%1, pile de %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation type="vanished">masquées</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the colours of the next-colours panel: &quot;red, joker, blue&quot;.</extracomment>
        <translation type="vanished">, </translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Beginner</source>
        <translation type="vanished">Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="vanished">Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="vanished">Expert</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl-N</source>
        <translation type="vanished">&amp;Nouvelle partie	Ctrl-N</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <translation type="vanished">&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="vanished">&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation type="vanished">&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation type="vanished">&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Options...	Ctrl-O</source>
        <translation type="vanished">&amp;Préférences...	Ctrl-O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="vanished">&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Index	F1</source>
        <translation type="vanished">&amp;Sommaire	F1</translation>
    </message>
    <message>
        <source>Ru&amp;les</source>
        <translation type="vanished">&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation type="vanished">&amp;Utilisation de l’aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="vanished">À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="vanished">&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Aide</translation>
    </message>
</context>
<context>
    <name>NameDialog</name>
    <message>
        <source>New High Score!</source>
        <translation type="vanished">Nouveau meilleur score&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!  You have reached a new high score.  Please enter your name for the Top Ten table:</source>
        <translation type="vanished">Félicitations&#xa0;!  Vous avez réalisé un nouveau meilleur score.  Entrez votre nom pour le tableau des dix meilleurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Cobblewell Options</source>
        <translation type="vanished">Préférences de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Trace All Moves</source>
        <translation type="vanished">&amp;Montrer les trajets</translation>
    </message>
    <message>
        <source>Show &amp;Next Colors</source>
        <translation type="vanished">&amp;Prochaines couleurs</translation>
    </message>
    <message>
        <source>&amp;Animated Smileys</source>
        <translation type="vanished">Smileys a&amp;nimés</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="vanished">&amp;Annuler</translation>
    </message>
    <message>
        <source> Shapes </source>
        <translation type="vanished"> Formes </translation>
    </message>
    <message>
        <source> Appearence </source>
        <translation type="vanished"> Apparence </translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>No more moves available, the game is over!</source>
        <translation type="vanished">Plus aucun coup possible, la partie est terminée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Atom</source>
        <translation type="vanished">Atome</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation type="vanished">Boule</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation type="vanished">Dé</translation>
    </message>
    <message>
        <source>Spiral</source>
        <translation type="vanished">Spirale</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation type="vanished">Ballon</translation>
    </message>
    <message>
        <source>Flake</source>
        <translation type="vanished">Flocon</translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="vanished">Disque</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation type="vanished">Cercles</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New game</source>
        <translation type="vanished">Nouvelle partie</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation type="vanished">Meilleur score</translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="vanished">Score</translation>
    </message>
    <message>
        <source>Next colours</source>
        <translation type="vanished">Prochaines couleurs</translation>
    </message>
</context>
<context>
    <name>TopPlayers</name>
    <message>
        <source>ddd MMM d HH:mm:ss yyyy</source>
        <extracomment>The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day, HH:mm:ss time, yyyy year) with all five fields in this language&apos;s usual order.</extracomment>
        <translation type="vanished">ddd d MMM yyyy HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TopPlayersDialog</name>
    <message>
        <source>Top Players of Cobblewell</source>
        <translation type="vanished">Meilleurs joueurs de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="vanished">&amp;OK</translation>
    </message>
</context>
<context>
    <name>WebLauncher</name>
    <message>
        <source>Programs (*)</source>
        <translation type="vanished">Programmes (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="vanished">Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Select Web Browser to go to %1</source>
        <translation type="vanished">Choisir le navigateur web pour ouvrir %1</translation>
    </message>
    <message>
        <source>Internet connection failed</source>
        <translation type="vanished">Échec de la connexion à Internet</translation>
    </message>
</context>
<context>
    <name>cw::AboutDialog</name>
    <message>
        <source>Version %1, compiled: %2</source>
        <extracomment>%1 is the version (&quot;v1.0a&quot;), %2 the build&apos;s date and time, always in English.</extracomment>
        <translation type="vanished">Version %1, compilée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>cw::HelpViewer</name>
    <message>
        <source>Cobblewell Help</source>
        <extracomment>The help window&apos;s title while it shows a page; %1 is &quot;Cobblewell Help&quot;, %2 the page&apos;s title.</extracomment>
        <translation type="vanished">Aide de Cobblewell</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="vanished">&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="vanished">&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="vanished">Sui&amp;vant</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="vanished">%1 - %2</translation>
    </message>
</context>
<context>
    <name>cw::MainWindow</name>
    <message>
        <source>Cobblewell (%1)</source>
        <extracomment>The window title; %1 is the level&apos;s name.</extracomment>
        <translation type="vanished">Cobblewell (%1)</translation>
    </message>
</context>
</TS>
