<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>NothingDue</name>
    <message>
        <source>Nothing more is due in this list today.</source>
        <translation>Plus rien n&apos;est à réviser aujourd&apos;hui dans cette liste.</translation>
    </message>
    <message>
        <source>Nothing more is due in this list today; the next pair is due on %1.</source>
        <translation>Plus rien n&apos;est à réviser aujourd&apos;hui dans cette liste ; la prochaine paire est à réviser le %1.</translation>
    </message>
    <message>
        <source>

Go on with Smart Pick?</source>
        <translation>

Continuer avec Smart Pick ?</translation>
    </message>
</context>
<context>
    <name>QuizAccessible</name>
    <message>
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non reliée</translation>
    </message>
    <message>
        <source>Connected to answer %1: %2</source>
        <translation>Reliée à la réponse %1 : %2</translation>
    </message>
    <message>
        <source>Connected to question %1: %2</source>
        <translation>Reliée à la question %1 : %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <translation>Faux, la réponse est %1</translation>
    </message>
    <message>
        <source>Quiz screen</source>
        <translation>Écran du quiz</translation>
    </message>
</context>
<context>
    <name>ReasonText</name>
    <message>
        <source>%1st</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n fois</numerusform>
            <numerusform>%n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>il y a 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Due today, recall chance %1 %</source>
        <translation>À réviser aujourd&apos;hui, probabilité de rappel %1 %</translation>
    </message>
    <message>
        <source>Due since 1 day, recall chance %1 %</source>
        <translation>À réviser depuis 1 jour, probabilité de rappel %1 %</translation>
    </message>
    <message numerus="yes">
        <source>Due since %n days, recall chance %1 %</source>
        <translation>
            <numerusform>À réviser depuis %n jour, probabilité de rappel %1 %</numerusform>
            <numerusform>À réviser depuis %n jours, probabilité de rappel %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating %1, the weakest</source>
        <translation>Note %1, la plus faible</translation>
    </message>
    <message>
        <source>Rating %1, %2 weakest</source>
        <translation>Note %1, la %2 plus faible</translation>
    </message>
    <message>
        <source>Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair was last reviewed %1 and fell due %2; its stability is %3 days and its difficulty %4 of 10, so the chance to recall it now is %5 %.</source>
        <translation>« À réviser (répétition espacée) » pose les paires à réviser aujourd&apos;hui, la plus faible probabilité de rappel d&apos;abord. Cette paire a été révisée pour la dernière fois %1 et est arrivée à échéance %2 ; sa stabilité est de %3 jours et sa difficulté de %4 sur 10 : la probabilité de vous en souvenir maintenant est donc de %5 %.</translation>
    </message>
    <message>
        <source>the lowest</source>
        <translation>la plus basse</translation>
    </message>
    <message>
        <source>the %1 lowest</source>
        <translation>la %1 plus basse</translation>
    </message>
    <message>
        <source>Smart Pick asks one of the %1 lowest-rated pairs. This pair has the rating %2, %3 of %4 pairs; it was asked %5 and answered right %6 (wrong %7).</source>
        <translation>Smart Pick pose l&apos;une des %1 paires les moins bien notées. Cette paire a la note %2, %3 sur %4 paires ; elle a été posée %5 et réussie %6 (ratée %7).</translation>
    </message>
</context>
<context>
    <name>SpeechLanguage</name>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>Norvégien (bokmål)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Géorgien</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Arménien</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latin</translation>
    </message>
</context>
<context>
    <name>brainlark::AboutDialog</name>
    <message>
        <source>About Brainlark</source>
        <translation>À propos de Brainlark</translation>
    </message>
    <message>
        <source>Brainlark Version 4.0</source>
        <translation>Brainlark version 4.0</translation>
    </message>
    <message>
        <source>Visit us on the Web!</source>
        <translation>Rendez-nous visite sur le Web !</translation>
    </message>
    <message>
        <source>Features:

- Unlimited number of quizzes on all kinds of topics
- Multiple-choice, true/false, type-in and matching quizzes
- Smart Pick keeps asking the pairs you know least
- Slideshow for relaxed learning
- Pictures and sounds for every Q&amp;A pair
- Notes for lists and pairs
- Easy editing in the grid, import from text files
- HTML reports, printable tests and text exports
- Statistics and ratings for every pair
- Export to the handheld edition</source>
        <translation>Fonctions :

- Nombre illimité de quiz sur tous les sujets
- Quiz à choix multiple, vrai/faux, à saisir et à relier
- Smart Pick repose sans cesse les paires que vous connaissez le moins
- Diaporama pour apprendre détendu
- Images et sons pour chaque paire Q/R
- Notes pour les listes et les paires
- Modification facile dans le tableau, import de fichiers texte
- Rapports HTML, tests à imprimer et exports texte
- Statistiques et notes pour chaque paire
- Export vers l&apos;édition pour assistant personnel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>brainlark::AdvancedPage</name>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Show automatically</source>
        <translation>Afficher automatiquement</translation>
    </message>
    <message>
        <source>Autoresize window</source>
        <translation>Ajuster la fenêtre</translation>
    </message>
    <message>
        <source>HTML export</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Include statistics</source>
        <translation>Inclure les statistiques</translation>
    </message>
    <message>
        <source>Slideshow Mode</source>
        <translation>Mode diaporama</translation>
    </message>
    <message>
        <source>&amp;Automatic (delay: </source>
        <translation>&amp;Automatique (délai : </translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>&amp;Ordre aléatoire</translation>
    </message>
    <message>
        <source>Autoplay Sounds</source>
        <translation>Lecture automatique des sons</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>A&amp;nswer</source>
        <translation>Ré&amp;ponse</translation>
    </message>
    <message>
        <source>&amp;Play animations</source>
        <translation>&amp;Jouer les animations</translation>
    </message>
    <message>
        <source>&amp;Show title</source>
        <translation>Afficher le &amp;titre</translation>
    </message>
    <message>
        <source>&amp;Delay answer</source>
        <translation>&amp;Différer la réponse</translation>
    </message>
    <message>
        <source>seconds)</source>
        <translation>secondes)</translation>
    </message>
</context>
<context>
    <name>brainlark::Application</name>
    <message>
        <source>Another instance of this application already running!</source>
        <translation>Une autre instance de ce programme est déjà en cours d&apos;exécution !</translation>
    </message>
</context>
<context>
    <name>brainlark::BackgroundPicture</name>
    <message>
        <source>Could not open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ChangeSubjectDialog</name>
    <message>
        <source>Change Subject</source>
        <translation>Changer de sujet</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Current Subject:</source>
        <translation>Sujet actuel :</translation>
    </message>
    <message>
        <source>New Subject:</source>
        <translation>Nouveau sujet :</translation>
    </message>
</context>
<context>
    <name>brainlark::Congratulation</name>
    <message>
        <source>* * * Great Job ! * * *</source>
        <translation>* * * Bravo ! * * *</translation>
    </message>
    <message>
        <source>- - - Excellent ! - - -</source>
        <translation>- - - Excellent ! - - -</translation>
    </message>
    <message>
        <source>* Congratulations! *</source>
        <translation>* Félicitations ! *</translation>
    </message>
    <message>
        <source>~~~ Way to Go! ~~~</source>
        <translation>~~~ Continuez comme ça ! ~~~</translation>
    </message>
    <message>
        <source>~*~ You&apos;re doing a great job! ~*~</source>
        <translation>~*~ Vous faites du très bon travail ! ~*~</translation>
    </message>
    <message>
        <source>^^^ Keep up the good work! ^^^</source>
        <translation>^^^ Poursuivez sur cette lancée ! ^^^</translation>
    </message>
</context>
<context>
    <name>brainlark::DeletePairDialog</name>
    <message>
        <source>Delete this Q&amp;A-pair?</source>
        <translation>Supprimer cette paire Q/R ?</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Q&amp;A-pair?</source>
        <translation>Voulez-vous vraiment supprimer cette paire Q/R ?</translation>
    </message>
</context>
<context>
    <name>brainlark::EditPasswordDialog</name>
    <message>
        <source>Edit Password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Brainlark will ask you for this password when you switch to the Q&amp;A-list Editor, and before the Q&amp;A-list is exported or made into a printable test.</source>
        <translation>Brainlark vous demandera ce mot de passe quand vous passerez à l&apos;éditeur de liste Q/R, et avant que la liste Q/R soit exportée ou transformée en test à imprimer.</translation>
    </message>
    <message>
        <source>Please make sure that you remember this password.</source>
        <translation>Veillez à bien retenir ce mot de passe.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>brainlark::EventSounds</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Dessins animés</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Cartoons-2</source>
        <translation>Dessins animés 2</translation>
    </message>
</context>
<context>
    <name>brainlark::FontChooserDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>brainlark::GeneralPage</name>
    <message>
        <source>&amp;Load last Q&amp;&amp;A-list</source>
        <translation>&amp;Charger la dernière liste Q/R</translation>
    </message>
    <message>
        <source>S&amp;tart quiz automatically</source>
        <translation>&amp;Lancer le quiz automatiquement</translation>
    </message>
    <message>
        <source>Smart &amp;Counter</source>
        <translation>Smart C&amp;ounter</translation>
    </message>
    <message>
        <source>Enable &amp;automatic answers</source>
        <translation>Activer les réponses &amp;automatiques</translation>
    </message>
    <message>
        <source>Continue after wrong answer</source>
        <translation>Continuer après une mauvaise réponse</translation>
    </message>
    <message>
        <source>Auto-Play q&amp;uestion sounds</source>
        <translation>Lire a&amp;utomatiquement les sons des questions</translation>
    </message>
    <message>
        <source>Play &amp;funny sounds</source>
        <translation>Jouer des &amp;sons rigolos</translation>
    </message>
    <message>
        <source>Question selection</source>
        <translation>Choix des questions</translation>
    </message>
    <message>
        <source>Smart Pick</source>
        <translation>Smart Pick</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Due (spaced repetition)</source>
        <translation>À réviser (répétition espacée)</translation>
    </message>
    <message>
        <source>Spaced repetition</source>
        <translation>Répétition espacée</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The recall chance at which Due asks a pair again: higher means more reviews and fewer pairs forgotten.</source>
        <translation>La probabilité de rappel à laquelle « À réviser » repose une paire : plus elle est élevée, plus il y a de révisions et moins de paires oubliées.</translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation>&amp;Rétention souhaitée :</translation>
    </message>
    <message>
        <source>&amp;Fit to my history...</source>
        <translation>Ajuster à mon &amp;historique...</translation>
    </message>
    <message>
        <source>Fits the spaced-repetition weights to your own answers (at least 1,000 reviews are needed); they are used only when they predict your answers better.</source>
        <translation>Ajuste les poids de la répétition espacée à vos propres réponses (au moins 1 000 révisions sont nécessaires) ; ils ne sont utilisés que s&apos;ils prédisent mieux vos réponses.</translation>
    </message>
    <message>
        <source>Answer selection</source>
        <translation>Choix des réponses</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Prédéfinies</translation>
    </message>
    <message>
        <source>Sound Scheme:</source>
        <translation>Thème sonore :</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>The language takes effect when Brainlark starts again.</source>
        <translation>La langue s&apos;applique au prochain démarrage de Brainlark.</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>&amp;Hide All</source>
        <translation>Tout &amp;masquer</translation>
    </message>
    <message>
        <source>Brainlark Tips</source>
        <translation>Astuces Brainlark</translation>
    </message>
    <message>
        <source>Would you like to enable all Brainlark tips?</source>
        <translation>Voulez-vous activer toutes les astuces Brainlark ?</translation>
    </message>
    <message>
        <source>Would you like to disable all Brainlark tips?</source>
        <translation>Voulez-vous désactiver toutes les astuces Brainlark ?</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Lecture à voix haute</translation>
    </message>
    <message>
        <source>Read &amp;questions as they appear</source>
        <translation>Lire les &amp;questions dès leur apparition</translation>
    </message>
    <message>
        <source>Read a&amp;nswers once known</source>
        <translation>Lire les ré&amp;ponses une fois connues</translation>
    </message>
    <message>
        <source>How fast the voice reads: slower to the left, faster to the right.</source>
        <translation>Vitesse de lecture de la voix : plus lente à gauche, plus rapide à droite.</translation>
    </message>
    <message>
        <source>Rat&amp;e:</source>
        <translation>&amp;Vitesse :</translation>
    </message>
</context>
<context>
    <name>brainlark::GridView</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Find in questions and answers</source>
        <translation>Rechercher dans les questions et les réponses</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Edit Q&amp;A-pair</source>
        <translation>Modifier la paire Q/R</translation>
    </message>
    <message>
        <source>Add Q&amp;A-pair</source>
        <translation>Ajouter une paire Q/R</translation>
    </message>
    <message>
        <source>Delete Q&amp;A-pair</source>
        <translation>Supprimer la paire Q/R</translation>
    </message>
    <message>
        <source>Reset ratings</source>
        <translation>Réinitialiser les notes</translation>
    </message>
    <message>
        <source>Insert from a text-file</source>
        <translation>Insérer depuis un fichier texte</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Mauvaises réponses prédéfinies</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Consultation</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 paire</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n paire</numerusform>
            <numerusform>%n paires</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Désolé, le fichier %1 ne contient pas de liste Q/R valide.</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

Please try another name</source>
        <translation>Impossible d&apos;enregistrer la liste Q/R.

Essayez un autre nom</translation>
    </message>
    <message>
        <source>This Q&amp;A-list has no Q&amp;A-pairs yet, so there is nothing to save.

Please add at least one Q&amp;A-pair first.</source>
        <translation>Cette liste Q/R ne contient encore aucune paire Q/R : il n&apos;y a rien à enregistrer.

Ajoutez d&apos;abord au moins une paire Q/R.</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Are you sure you want this Q&amp;A-list to forget your previous answers?</source>
        <translation>Voulez-vous vraiment que cette liste Q/R oublie vos réponses précédentes ?</translation>
    </message>
    <message>
        <source>Text files (.txt)|*.txt|</source>
        <translation>Fichiers texte (.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Q&amp;A-pairs</source>
        <translation>Paires Q/R</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>brainlark::GuideDialog</name>
    <message>
        <source>Brainlark Tips</source>
        <translation>Astuces Brainlark</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message again</source>
        <translation>Ne plus &amp;afficher ce message</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>brainlark::GuideMessages</name>
    <message>
        <source>Brainlark will now switch to Q&amp;A-list Editor. <byte value="xd"/>
<byte value="xd"/>
Using the Editor you can:<byte value="xd"/>
<byte value="xd"/>
- Edit any Q&amp;A-pair<byte value="xd"/>
- Manage predefined wrong answers<byte value="xd"/>
- Delete any Q&amp;A-pair<byte value="xd"/>
- Add a new Q&amp;A-pair<byte value="xd"/>
- Insert any number of Q&amp;A-pairs from a text file<byte value="xd"/>
- Reset Q&amp;A-pair ratings</source>
        <translation>Brainlark passe maintenant à l&apos;éditeur de liste Q/R.

Dans l&apos;éditeur, vous pouvez :

- modifier n&apos;importe quelle paire Q/R
- gérer les mauvaises réponses prédéfinies
- supprimer n&apos;importe quelle paire Q/R
- ajouter une nouvelle paire Q/R
- insérer autant de paires Q/R que vous voulez depuis un fichier texte
- réinitialiser les notes des paires Q/R</translation>
    </message>
    <message>
        <source>Brainlark will now switch to New Q&amp;A-list Editor.<byte value="xd"/>
<byte value="xd"/>
Please enter the information you need to learn as Question-Answer pairs.  Brainlark will then automatically create multiple-choice questions.<byte value="xd"/>
<byte value="xd"/>
Using this screen you can also:<byte value="xd"/>
- Edit or delete Q&amp;A-pairs<byte value="xd"/>
- Manage predefined wrong answers<byte value="xd"/>
- Insert any number of Q&amp;A-pairs from a text file<byte value="xd"/>
- Save a new Q&amp;A-list under a desired name</source>
        <translation>Brainlark passe maintenant à l&apos;éditeur de nouvelle liste Q/R.

Saisissez ce que vous devez apprendre sous forme de paires question-réponse. Brainlark en fera automatiquement des questions à choix multiple.

Sur cet écran, vous pouvez aussi :
- modifier ou supprimer des paires Q/R
- gérer les mauvaises réponses prédéfinies
- insérer autant de paires Q/R que vous voulez depuis un fichier texte
- enregistrer une nouvelle liste Q/R sous le nom de votre choix</translation>
    </message>
    <message>
        <source>Please enter a question and the answer (for example, a foreign word and its translation).  Then press ‘OK’. <byte value="xd"/>
<byte value="xd"/>
Continue entering the Q&amp;A-pairs.<byte value="xd"/>
<byte value="xd"/>
When finished, press ‘Cancel’</source>
        <translation>Saisissez une question et sa réponse (par exemple un mot étranger et sa traduction), puis appuyez sur « OK ».

Continuez à saisir les paires Q/R.

Quand vous avez fini, appuyez sur « Annuler ».</translation>
    </message>
    <message>
        <source>Brainlark will now switch to Q&amp;A-list Viewer.<byte value="xd"/>
<byte value="xd"/>
Using the Viewer you can:<byte value="xd"/>
<byte value="xd"/>
- View the complete Q&amp;A-list<byte value="xd"/>
- Sort the Q&amp;A-list by Question, Answer, Rating, Number of right answers, etc.</source>
        <translation>Brainlark passe maintenant à la visionneuse de liste Q/R.

Dans la visionneuse, vous pouvez :

- voir toute la liste Q/R
- trier la liste Q/R par question, réponse, note, nombre de bonnes réponses, etc.</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list. <byte value="xd"/>
 <byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
If you want to change the notes for this Q&amp;A-list, please switch to the Editor view and click on the ‘note’ icon.</source>
        <translation>Les notes permettent d&apos;ajouter des commentaires à la liste Q/R.

Vous pouvez par exemple y écrire le but de la liste, comment elle a été constituée, quand la mettre à jour, etc.

Pour modifier les notes de cette liste Q/R, passez à l&apos;éditeur et cliquez sur l&apos;icône « note ».</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
You can also assign a subject to this Q&amp;A-list.</source>
        <translation>Les notes permettent d&apos;ajouter des commentaires à la liste Q/R.

Vous pouvez par exemple y écrire le but de la liste, comment elle a été constituée, quand la mettre à jour, etc.

Vous pouvez aussi attribuer un sujet à cette liste Q/R.</translation>
    </message>
    <message>
        <source>Brainlark will now show the current Q&amp;A-list in your default Internet browser.  <byte value="xd"/>
<byte value="xd"/>
You can use it to save the list as an HTML document, print it, send it to a friend, etc.</source>
        <translation>Brainlark va maintenant afficher la liste Q/R dans votre navigateur Internet par défaut.

Vous pourrez l&apos;enregistrer comme document HTML, l&apos;imprimer, l&apos;envoyer à un ami, etc.</translation>
    </message>
    <message>
        <source>Brainlark will now reverse questions and answers. <byte value="xd"/>
<byte value="xd"/>
Use this feature for even better memorization.<byte value="xd"/>
<byte value="xd"/>
You can also use the Smart Counter to reverse questions and answers automatically.</source>
        <translation>Brainlark va maintenant inverser les questions et les réponses.

Utilisez cette fonction pour mémoriser encore mieux.

Vous pouvez aussi faire inverser automatiquement les questions et les réponses par le Smart Counter.</translation>
    </message>
    <message>
        <source>Brainlark will now print a set of flashcards for this Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
The flashcards will be printed on %d pages. <byte value="xd"/>
<byte value="xd"/>
&gt; &gt; &gt; Would you like to continue?</source>
        <translation>Brainlark va maintenant imprimer des fiches pour cette liste Q/R.

Les fiches seront imprimées sur %d pages.

&gt; &gt; &gt; Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The slideshow will start now.<byte value="xd"/>
<byte value="xd"/>
Sit back, relax and start absorbing the information you need to learn. <byte value="xd"/>
<byte value="xd"/>
To stop at any time during the slideshow, simply click again on the same button.</source>
        <translation>Le diaporama va commencer.

Installez-vous confortablement, détendez-vous et laissez-vous imprégner de ce que vous devez apprendre.

Pour l&apos;arrêter à tout moment, cliquez simplement à nouveau sur le même bouton.</translation>
    </message>
    <message>
        <source>Once a Q&amp;A-list has been created or edited, it should be saved.<byte value="xd"/>
<byte value="xd"/>
If you have just created a new Q&amp;A-list, Brainlark will ask you to give a name to the new list. <byte value="xd"/>
<byte value="xd"/>
Please note that Q&amp;A-list name should not contain any special characters (such as &apos;?&apos;, &apos;*&apos;, etc.).</source>
        <translation>Une liste Q/R créée ou modifiée doit être enregistrée.

Si vous venez de créer une liste Q/R, Brainlark vous demandera de lui donner un nom.

Le nom d&apos;une liste Q/R ne doit contenir aucun caractère spécial (comme &apos;?&apos;, &apos;*&apos;, etc.).</translation>
    </message>
    <message>
        <source>This feature allows you to insert Q&amp;A-pairs from a text file. <byte value="xd"/>
<byte value="xd"/>
Use it if you already have a list of questions and answers in a text file format, or you just prefer to enter all the data using a text editor (such as Notepad).</source>
        <translation>Cette fonction permet d&apos;insérer des paires Q/R depuis un fichier texte.

Utilisez-la si vous avez déjà une liste de questions et de réponses dans un fichier texte, ou si vous préférez tout saisir dans un éditeur de texte.</translation>
    </message>
    <message>
        <source>Smart Counter shows the total number of correct answers.  <byte value="xd"/>
<byte value="xd"/>
But that&apos;s not all!  It can also congratulate you after a certain number of correct answers.  Plus, you can set it up to periodically reverse questions and answers.</source>
        <translation>Le Smart Counter affiche le nombre total de bonnes réponses.

Et ce n&apos;est pas tout ! Il peut aussi vous féliciter après un certain nombre de bonnes réponses. Vous pouvez même le régler pour inverser régulièrement les questions et les réponses.</translation>
    </message>
    <message>
        <source>If you have a PDA running Palm OS, you can study even if you are away from your PC, thanks to our new Brainlark for Palm.<byte value="xd"/>
<byte value="xd"/>
All you need to do is install Brainlark for Palm on your PDA and export the desired Q&amp;A-list(s) in Palm format.<byte value="xd"/>
<byte value="xd"/>
To get the latest version of Brainlark for Palm, make sure your Internet connection is active and go to &quot;Web&quot;&gt;&quot;Get Brainlark for Palm OS&quot;.</source>
        <translation>Si vous avez un assistant personnel sous Palm OS, vous pouvez étudier même loin de votre ordinateur grâce à notre nouveau Brainlark pour Palm.

Il suffit d&apos;installer Brainlark pour Palm sur votre assistant et d&apos;exporter les listes Q/R voulues au format Palm.

Pour obtenir la dernière version de Brainlark pour Palm, vérifiez que votre connexion Internet est active et choisissez &quot;Web&quot;&gt;&quot;Obtenir Brainlark pour Palm OS&quot;.</translation>
    </message>
    <message>
        <source>The next dialog will allow you to change Question, Answer or Flashcard font.<byte value="xd"/>
<byte value="xd"/>
Please remember that if the font you choose is too big or too small, the quiz screen will become difficult or even impossible to read.<byte value="xd"/>
<byte value="xd"/>
If you want to return to the pre-set fonts, simply click on the Reset button.</source>
        <translation>La boîte de dialogue suivante permet de changer la police de la question, de la réponse ou de la fiche.

N&apos;oubliez pas qu&apos;avec une police trop grande ou trop petite, l&apos;écran du quiz devient difficile, voire impossible, à lire.

Pour revenir aux polices par défaut, cliquez simplement sur le bouton de réinitialisation.</translation>
    </message>
    <message>
        <source>This will open an Internet page.<byte value="xd"/>
<byte value="xd"/>
If you receive an error, please make sure that your computer is connected to the Internet and try again.</source>
        <translation>Une page Internet va s&apos;ouvrir.

En cas d&apos;erreur, vérifiez que votre ordinateur est connecté à Internet et réessayez.</translation>
    </message>
    <message>
        <source>The Question Notes feature allows you to add several lines of text to every Q&amp;A-pair.  Using this field is a great way to include helpful hints, fun facts or any other information. <byte value="xd"/>
<byte value="xd"/>
For example, if you are learning historical dates, include the names of people associated with a historical event.  The possibilities are endless! <byte value="xd"/>
<byte value="xd"/>
To add or edit a note, open the Editor and double-click on the relevant line.  You will see the Q&amp;A-pair Details dialog with the Notes box at the bottom.</source>
        <translation>Les notes de question permettent d&apos;ajouter plusieurs lignes de texte à chaque paire Q/R. C&apos;est l&apos;endroit idéal pour des indices utiles, des anecdotes ou toute autre information.

Si vous apprenez des dates historiques, par exemple, notez les noms des personnes liées à l&apos;événement. Les possibilités sont infinies !

Pour ajouter ou modifier une note, ouvrez l&apos;éditeur et double-cliquez sur la ligne voulue. La boîte de dialogue des détails de la paire Q/R s&apos;ouvre, avec la zone des notes en bas.</translation>
    </message>
    <message>
        <source>The current Q&amp;A-list does not contain any predefined wrong answers, therefore the multiple-choice and yes/no questions will be constructed using only random answers.</source>
        <translation>La liste Q/R actuelle ne contient aucune mauvaise réponse prédéfinie : les questions à choix multiple et oui/non seront donc construites uniquement avec des réponses aléatoires.</translation>
    </message>
    <message>
        <source>The Question and/or Answer may be too long to fit into the quiz screen.  If this is the case, changing the font(s) is recommended.</source>
        <translation>La question et/ou la réponse risquent d&apos;être trop longues pour l&apos;écran du quiz. Dans ce cas, il est conseillé de changer la ou les polices.</translation>
    </message>
    <message>
        <source>This feature was designed primarily for those teachers who want to use paper tests in addition to regular computer exercises with Brainlark.<byte value="xd"/>
<byte value="xd"/>
The tests are created in RTF format, which means that they can be opened in MS Word and many other popular programs.<byte value="xd"/>
<byte value="xd"/>
For easy reference, the file names of the printable tests contain unique time identifiers.</source>
        <translation>Cette fonction s&apos;adresse surtout aux enseignants qui veulent proposer des tests sur papier en plus des exercices sur ordinateur avec Brainlark.

Les tests sont créés au format RTF : ils s&apos;ouvrent dans MS Word et dans bien d&apos;autres programmes courants.

Pour s&apos;y retrouver facilement, le nom de fichier de chaque test contient un horodatage unique.</translation>
    </message>
    <message>
        <source>This will open the folder containing Q&amp;A-lists.  <byte value="xd"/>
<byte value="xd"/>
You can send these lists as email attachments, copy them, etc.</source>
        <translation>Le dossier contenant les listes Q/R va s&apos;ouvrir.

Vous pouvez envoyer ces listes en pièce jointe, les copier, etc.</translation>
    </message>
</context>
<context>
    <name>brainlark::HelpWindow</name>
    <message>
        <source>Brainlark Help</source>
        <translation>Aide de Brainlark</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Suivant (Alt+Droite)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>The start of the help</source>
        <translation>Le début de l&apos;aide</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Brainlark looked for them in %1.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Les pages d&apos;aide sont introuvables&lt;/h2&gt;&lt;p&gt;Brainlark les a cherchées dans %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryCommands</name>
    <message>
        <source>History waiting</source>
        <translation>Historique en attente</translation>
    </message>
    <message>
        <source>History not recorded</source>
        <translation>Historique non enregistré</translation>
    </message>
    <message>
        <source>Upgrading history %1 %</source>
        <translation>Mise à jour de l&apos;historique %1 %</translation>
    </message>
    <message>
        <source>The study history is being upgraded for this version; answers given meanwhile are kept and written when it is done.</source>
        <translation>L&apos;historique d&apos;étude est mis à jour pour cette version ; les réponses données entre-temps sont conservées et écrites une fois la mise à jour terminée.</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryRecorder</name>
    <message>
        <source>Study history is not being recorded: %1</source>
        <translation>L&apos;historique d&apos;étude n&apos;est pas enregistré : %1</translation>
    </message>
    <message>
        <source>Study history is waiting: %1. %2 answers are kept and written as soon as it can take them.</source>
        <translation>L&apos;historique d&apos;étude est en attente : %1. %2 réponses sont conservées et seront écrites dès que possible.</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryStore</name>
    <message>
        <source>the database %1 is locked by another program</source>
        <translation>la base de données %1 est verrouillée par un autre programme</translation>
    </message>
    <message>
        <source>the database %1 cannot be written</source>
        <translation>la base de données %1 ne peut pas être écrite</translation>
    </message>
    <message>
        <source>%1 is not a history database</source>
        <translation>%1 n&apos;est pas une base d&apos;historique</translation>
    </message>
    <message>
        <source>the database %1 cannot be opened</source>
        <translation>la base de données %1 ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>le dossier %1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the history is being upgraded</source>
        <translation>l&apos;historique est en cours de mise à jour</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Brainlark</source>
        <translation>l&apos;historique a été écrit par une version plus récente de Brainlark</translation>
    </message>
    <message>
        <source>%1 is not a history database (it holds tables of another program)</source>
        <translation>%1 n&apos;est pas une base d&apos;historique (elle contient les tables d&apos;un autre programme)</translation>
    </message>
    <message>
        <source>the upgrade of the history was stopped</source>
        <translation>la mise à jour de l&apos;historique a été interrompue</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>l&apos;historique n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>brainlark::HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation manque
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin indiqué est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier indiqué.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Mémoire insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir : la demande a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucun programme n&apos;est associé
à cette extension de fichier.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien :

%1</translation>
    </message>
</context>
<context>
    <name>brainlark::ImageLayer</name>
    <message>
        <source>PCX file too large</source>
        <translation>fichier PCX trop volumineux</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>l&apos;image est trop grande (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>unknown picture type</source>
        <translation>type d&apos;image inconnu</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportReader</name>
    <message>
        <source>comment</source>
        <translation>commentaire</translation>
    </message>
    <message>
        <source>no separator</source>
        <translation>pas de séparateur</translation>
    </message>
    <message>
        <source>empty question</source>
        <translation>question vide</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>réponse vide</translation>
    </message>
    <message>
        <source>quote not closed</source>
        <translation>guillemet non fermé</translation>
    </message>
    <message>
        <source>header line</source>
        <translation>ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>longer than 1 MB</source>
        <translation>plus de 1 Mo</translation>
    </message>
    <message>
        <source>after the empty line that ends the file</source>
        <translation>après la ligne vide qui termine le fichier</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportWizard</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Mauvaise réponse</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs</source>
        <translation>Importer des paires Q/R</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir...</translation>
    </message>
    <message>
        <source>Tab-separated (TSV)</source>
        <translation>Séparé par des tabulations (TSV)</translation>
    </message>
    <message>
        <source>Comma-separated (CSV)</source>
        <translation>Séparé par des virgules (CSV)</translation>
    </message>
    <message>
        <source>Brainlark lines (@)</source>
        <translation>Lignes Brainlark (@)</translation>
    </message>
    <message>
        <source>First line holds column &amp;names</source>
        <translation>La première ligne contient les &amp;noms de colonnes</translation>
    </message>
    <message>
        <source>Checked, the first line is skipped; it is checked by itself when the line looks like column names (&quot;Front, Back&quot;) or unlike the lines below it.</source>
        <translation>Coché, la première ligne est ignorée ; la case se coche d&apos;elle-même quand la ligne ressemble à des noms de colonnes (« Recto, Verso ») ou ne ressemble pas aux lignes suivantes.</translation>
    </message>
    <message>
        <source>Keep &amp;HTML as it is</source>
        <translation>Garder le &amp;HTML tel quel</translation>
    </message>
    <message>
        <source>Unchecked, fields with HTML tags or entities become plain text with line breaks.</source>
        <translation>Décoché, les champs contenant des balises ou entités HTML deviennent du texte brut avec des retours à la ligne.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage :</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat :</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Sounds and pictures not imported</source>
        <translation>Sons et images non importés</translation>
    </message>
    <message>
        <source>S&amp;kipped lines</source>
        <translation>&amp;Lignes ignorées</translation>
    </message>
    <message>
        <source>So&amp;unds and pictures not found</source>
        <translation>Sons et images introu&amp;vables</translation>
    </message>
    <message>
        <source>&amp;Deck:</source>
        <translation>&amp;Paquet :</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>&amp;Type de note :</translation>
    </message>
    <message>
        <source>&amp;Question field:</source>
        <translation>Champ &amp;question :</translation>
    </message>
    <message>
        <source>&amp;Answer field:</source>
        <translation>&amp;Champ réponse :</translation>
    </message>
    <message>
        <source>One &amp;list per deck</source>
        <translation>&amp;Une liste par paquet</translation>
    </message>
    <message>
        <source>Checked, each deck becomes a list of its own in the program&apos;s data folder, named after the deck, with the top deck as its subject.</source>
        <translation>Coché, chaque paquet devient une liste à part dans le dossier de données du programme, portant le nom du paquet, avec le paquet de plus haut niveau comme sujet.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Lecture du fichier</translation>
    </message>
    <message>
        <source>S&amp;top Reading</source>
        <translation>&amp;Arrêter la lecture</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Each column becomes:</source>
        <translation>Chaque colonne devient :</translation>
    </message>
    <message>
        <source>&amp;Preview of the first %1 pairs</source>
        <translation>A&amp;perçu des %1 premières paires</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;All files (*)</source>
        <translation>Fichiers texte, paquets et vocabulaires (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a list of pairs.</source>
        <translation>Le fichier est trop gros pour être une liste de paires.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Lecture du fichier...</translation>
    </message>
    <message>
        <source>All decks in one list</source>
        <translation>Tous les paquets dans une seule liste</translation>
    </message>
    <message>
        <source>All lessons in one list</source>
        <translation>Toutes les leçons dans une seule liste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Column %1 becomes</source>
        <translation>La colonne %1 devient</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Ligne %1 : %2 : %3</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 paire</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 paires</translation>
    </message>
    <message numerus="yes">
        <source>, %1 lines skipped</source>
        <translation>
            <numerusform>, %1 ligne ignorée</numerusform>
            <numerusform>, %1 lignes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>, column %1 ignored</source>
        <translation>, colonne %1 ignorée</translation>
    </message>
    <message>
        <source>, columns %1 ignored</source>
        <translation>, colonnes %1 ignorées</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fields turned from HTML into plain text</source>
        <translation>
            <numerusform>, %1 champ converti de HTML en texte brut</numerusform>
            <numerusform>, %1 champs convertis de HTML en texte brut</numerusform>
        </translation>
    </message>
    <message>
        <source>, sounds and pictures: %1 found beside the file, %2 not found</source>
        <translation>, sons et images : %1 trouvés à côté du fichier, %2 introuvables</translation>
    </message>
    <message numerus="yes">
        <source>%1 notes in %2 decks: %3</source>
        <translation>
            <numerusform>%1 note dans %2 paquets : %3</numerusform>
            <numerusform>%1 notes dans %2 paquets : %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped; in the part read: %1. Import reads the whole file.</source>
        <translation>Lecture arrêtée ; dans la partie lue : %1. L&apos;import lit tout le fichier.</translation>
    </message>
    <message>
        <source>In the first %1 KB of %2 KB: %3. Import reads the whole file.</source>
        <translation>Dans les %1 premiers Ko sur %2 Ko : %3. L&apos;import lit tout le fichier.</translation>
    </message>
    <message>
        <source>. A quiz needs at least %1 pairs; the editor takes fewer.</source>
        <translation>. Un quiz demande au moins %1 paires ; l&apos;éditeur en accepte moins.</translation>
    </message>
    <message>
        <source>Choose a text file to import.</source>
        <translation>Choisissez un fichier texte à importer.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Virgule ,</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Point-virgule ;</translation>
    </message>
    <message>
        <source>At sign @</source>
        <translation>Arobase @</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Barre verticale |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Deux-points :</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation>Lignes ignorées</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPage</name>
    <message>
        <source>Layout Style (multiple-choice)</source>
        <translation>Disposition (choix multiple)</translation>
    </message>
    <message>
        <source>&amp;Transparent boxes</source>
        <translation>Cases &amp;transparentes</translation>
    </message>
    <message>
        <source>R&amp;ound Corners</source>
        <translation>Coins a&amp;rrondis</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>Boxes-&amp;1</source>
        <translation>Cases &amp;1</translation>
    </message>
    <message>
        <source>Boxes-&amp;2</source>
        <translation>Cases &amp;2</translation>
    </message>
    <message>
        <source>Boxes-&amp;3</source>
        <translation>Cases &amp;3</translation>
    </message>
    <message>
        <source>Boxes-&amp;4</source>
        <translation>Cases &amp;4</translation>
    </message>
    <message>
        <source>&amp;Random Boxes</source>
        <translation>Cases &amp;aléatoires</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPreviews</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ListDocument</name>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Désolé, le fichier %1 ne contient pas de liste Q/R valide.</translation>
    </message>
    <message>
        <source>Sorry, Brainlark is unable to open this Q&amp;A-list.

%1

We apologize for the inconvenience!

In order to be able to open this Q&amp;A-list, please download 
and install the latest version of Brainlark from %2.

Would you like to open the download page now?</source>
        <translation>Désolé, Brainlark ne peut pas ouvrir cette liste Q/R.

%1

Veuillez nous excuser pour ce désagrément !

Pour pouvoir ouvrir cette liste Q/R, téléchargez 
et installez la dernière version de Brainlark depuis %2.

Voulez-vous ouvrir la page de téléchargement maintenant ?</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>Le fichier n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Open another Q&amp;A-list anyway?</source>
        <translation>Impossible d&apos;enregistrer les statistiques de %1 :
%2

Ouvrir quand même une autre liste Q/R ?</translation>
    </message>
    <message>
        <source>At least %1 question&amp;answer pairs are required to generate a quiz. This Q&amp;A-list does not have enough entries for a quiz, but you still can edit it. </source>
        <translation>Il faut au moins %1 paires question-réponse pour créer un quiz. Cette liste Q/R n&apos;a pas assez d&apos;entrées pour un quiz, mais vous pouvez toujours la modifier. </translation>
    </message>
    <message>
        <source>The previous version of %1 could not be backed up:
%2

Save the Q&amp;A-list anyway?</source>
        <translation>Impossible de sauvegarder la version précédente de %1 :
%2

Enregistrer quand même la liste Q/R ?</translation>
    </message>
    <message>
        <source>Could not restore the Q&amp;A-list.

%1</source>
        <translation>Impossible de restaurer la liste Q/R.

%1</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>Enregistrer la liste Q/R</translation>
    </message>
    <message>
        <source>Flash Card files (*.fly)</source>
        <translation>Fichiers de fiches (*.fly)</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

%1</source>
        <translation>Impossible d&apos;enregistrer la liste Q/R.

%1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: permission denied.</source>
        <translation>Impossible de lire le fichier %1 : permission refusée.</translation>
    </message>
    <message>
        <source>Please make sure you drop only .fly files into this program
%1</source>
        <translation>Ne déposez que des fichiers .fly dans ce programme
%1</translation>
    </message>
    <message>
        <source>The Q&amp;A-list %1 is empty.</source>
        <translation>La liste Q/R %1 est vide.</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>Importer une liste Q/R au format texte</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>KVTML vocabularies (*.kvtml)</source>
        <translation>Vocabulaires KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Texte séparé par des tabulations (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list</source>
        <translation>Exporter la liste Q/R</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>Impossible d&apos;écrire le fichier %1 (%2)</translation>
    </message>
</context>
<context>
    <name>brainlark::ListNameDialog</name>
    <message>
        <source>Save Q&amp;A-list</source>
        <translation>Enregistrer la liste Q/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list Name:</source>
        <translation>Nom de la liste Q/R :</translation>
    </message>
</context>
<context>
    <name>brainlark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Export to File</source>
        <translation>Exp&amp;orter vers un fichier</translation>
    </message>
    <message>
        <source>Printable &amp;Tests</source>
        <translation>&amp;Tests à imprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;Question Selection</source>
        <translation>Choix des &amp;questions</translation>
    </message>
    <message>
        <source>&amp;Answer Selection</source>
        <translation>Choix des &amp;réponses</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>S&amp;ort by</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visionneuse</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Saved to %1 (no program could open it)</source>
        <translation>Enregistré dans %1 (aucun programme n&apos;a pu l&apos;ouvrir)</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with File &gt; Select study module.</source>
        <translation>Choisissez une liste Q/R avec Fichier &gt; Choisir un module d&apos;étude.</translation>
    </message>
    <message>
        <source>A quiz needs at least %1 Q&amp;A pairs.</source>
        <translation>Un quiz demande au moins %1 paires Q/R.</translation>
    </message>
    <message>
        <source>Press Start</source>
        <translation>Appuyez sur Démarrer</translation>
    </message>
    <message>
        <source>The quiz screen comes with a later version of Brainlark.</source>
        <translation>L&apos;écran du quiz arrive dans une version ultérieure de Brainlark.</translation>
    </message>
    <message>
        <source>Select Skin</source>
        <translation>Choisir un habillage</translation>
    </message>
    <message>
        <source>Go back to the quiz to open %1.</source>
        <translation>Revenez au quiz pour ouvrir %1.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Quit anyway?</source>
        <translation>Impossible d&apos;enregistrer les statistiques de %1 :
%2

Quitter quand même ?</translation>
    </message>
    <message>
        <source>Import Text File</source>
        <translation>Importer un fichier texte</translation>
    </message>
    <message numerus="yes">
        <source>%n of the sounds and pictures named in the file could not be imported.</source>
        <translation>
            <numerusform>%n des sons et images cités dans le fichier n&apos;a pas pu être importé.</numerusform>
            <numerusform>%n des sons et images cités dans le fichier n&apos;ont pas pu être importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>No deck holds the %1 pairs a quiz needs.</source>
        <translation>Aucun paquet ne contient les %1 paires qu&apos;il faut pour un quiz.</translation>
    </message>
    <message>
        <source>Lists made in the data folder: %1.</source>
        <translation>Listes créées dans le dossier de données : %1.</translation>
    </message>
    <message>
        <source> Decks with fewer than %1 pairs were left out: %2.</source>
        <translation> Les paquets de moins de %1 paires ont été laissés de côté : %2.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Select study module</source>
        <translation>&amp;Choisir un module d&apos;étude</translation>
    </message>
    <message>
        <source>Select study module</source>
        <translation>Choisir un module d&apos;étude</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-&amp;list</source>
        <translation>&amp;Enregistrer la liste Q/R</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>Enregistrer la liste Q/R</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-list &amp;As...</source>
        <translation>Enregistrer la liste Q/R &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import Q&amp;&amp;A-list...</source>
        <translation>&amp;Importer une liste Q/R...</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>Importer une liste Q/R au format texte</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup...</source>
        <translation>Restaurer une sau&amp;vegarde...</translation>
    </message>
    <message>
        <source>Put an earlier version of the Q&amp;A-list back</source>
        <translation>Remettre une version antérieure de la liste Q/R</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>Study history and statistics</source>
        <translation>Historique d&apos;étude et statistiques</translation>
    </message>
    <message>
        <source>&amp;Export to Palm</source>
        <translation>&amp;Exporter vers Palm</translation>
    </message>
    <message>
        <source>Export to Palm</source>
        <translation>Exporter vers Palm</translation>
    </message>
    <message>
        <source>Export to &amp;HTML</source>
        <translation>Exporter en &amp;HTML</translation>
    </message>
    <message>
        <source>Show the Q&amp;A-list in your browser</source>
        <translation>Afficher la liste Q/R dans votre navigateur</translation>
    </message>
    <message>
        <source>Export to &amp;Text File</source>
        <translation>Exporter en fichier &amp;texte</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list to a text file</source>
        <translation>Exporter la liste Q/R dans un fichier texte</translation>
    </message>
    <message>
        <source>Export to &amp;BL Text File</source>
        <translation>Exporter en fichier texte &amp;BL</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list in the import format</source>
        <translation>Exporter la liste Q/R au format d&apos;import</translation>
    </message>
    <message>
        <source>Export to &amp;KVTML Vocabulary (.kvtml)...</source>
        <translation>Exporter en vocabulaire &amp;KVTML (.kvtml)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as a vocabulary for KWordQuiz and Parley</source>
        <translation>Exporter la liste Q/R comme vocabulaire pour KWordQuiz et Parley</translation>
    </message>
    <message>
        <source>Export to Tab-&amp;separated Text (.tsv)...</source>
        <translation>Exporter en texte &amp;séparé par des tabulations (.tsv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as tab-separated text for other trainers and spreadsheets</source>
        <translation>Exporter la liste Q/R en texte séparé par des tabulations pour d&apos;autres logiciels d&apos;apprentissage et tableurs</translation>
    </message>
    <message>
        <source>Export to &amp;CSV (.csv)...</source>
        <translation>Exporter en &amp;CSV (.csv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as comma-separated values for other trainers and spreadsheets</source>
        <translation>Exporter la liste Q/R en valeurs séparées par des virgules pour d&apos;autres logiciels d&apos;apprentissage et tableurs</translation>
    </message>
    <message>
        <source>S&amp;hare Q&amp;&amp;A-lists</source>
        <translation>&amp;Partager les listes Q/R</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A-lists</source>
        <translation>Ouvrir le dossier des listes Q/R</translation>
    </message>
    <message>
        <source>&amp;Create Printable Test</source>
        <translation>&amp;Créer un test à imprimer</translation>
    </message>
    <message>
        <source>Create a printable test</source>
        <translation>Créer un test à imprimer</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open the folder of the printable tests</source>
        <translation>Ouvrir le dossier des tests à imprimer</translation>
    </message>
    <message>
        <source>&amp;Image Folder</source>
        <translation>Dossier des i&amp;mages</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A pictures</source>
        <translation>Ouvrir le dossier des images Q/R</translation>
    </message>
    <message>
        <source>So&amp;und Folder</source>
        <translation>&amp;Dossier des sons</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A sounds</source>
        <translation>Ouvrir le dossier des sons Q/R</translation>
    </message>
    <message>
        <source>Print &amp;Flashcards...</source>
        <translation>Imprimer des &amp;fiches...</translation>
    </message>
    <message>
        <source>Print flashcards</source>
        <translation>Imprimer des fiches</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Imp&amp;rimer...</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list</source>
        <translation>Imprimer la liste Q/R</translation>
    </message>
    <message>
        <source>Print &amp;Direct</source>
        <translation>Impression &amp;directe</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list on the current printer</source>
        <translation>Imprimer la liste Q/R sur l&apos;imprimante actuelle</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Preview the printed Q&amp;A-list</source>
        <translation>Aperçu de la liste Q/R imprimée</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Confi&amp;guration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit Brainlark</source>
        <translation>Quitter Brainlark</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barre d&apos;état</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Change the options</source>
        <translation>Changer les options</translation>
    </message>
    <message>
        <source>&amp;Change Layout...</source>
        <translation>Changer la dis&amp;position...</translation>
    </message>
    <message>
        <source>Change the layout of the quiz screen</source>
        <translation>Changer la disposition de l&apos;écran du quiz</translation>
    </message>
    <message>
        <source>Student &amp;Data...</source>
        <translation>Données de l&apos;é&amp;lève...</translation>
    </message>
    <message>
        <source>Student name and Q&amp;A-list ratings</source>
        <translation>Nom de l&apos;élève et notes des listes Q/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Viewer</source>
        <translation>&amp;Visionneuse de liste Q/R</translation>
    </message>
    <message>
        <source>Q&amp;A-list Viewer</source>
        <translation>Visionneuse de liste Q/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Editor</source>
        <translation>É&amp;diteur de liste Q/R</translation>
    </message>
    <message>
        <source>Q&amp;A-list Editor</source>
        <translation>Éditeur de liste Q/R</translation>
    </message>
    <message>
        <source>&amp;New Q&amp;&amp;A-list</source>
        <translation>&amp;Nouvelle liste Q/R</translation>
    </message>
    <message>
        <source>New Q&amp;A-list</source>
        <translation>Nouvelle liste Q/R</translation>
    </message>
    <message>
        <source>&amp;Quiz Screen</source>
        <translation>Écran du &amp;quiz</translation>
    </message>
    <message>
        <source>Back to Quiz</source>
        <translation>Retour au quiz</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>Lire à &amp;haute voix</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Lit la question à haute voix, puis sa réponse une fois jugée</translation>
    </message>
    <message>
        <source>S&amp;lideshow</source>
        <translation>Dia&amp;porama</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>&amp;Multiple-choice</source>
        <translation>Choix &amp;multiple</translation>
    </message>
    <message>
        <source>Multiple-choice questions</source>
        <translation>Questions à choix multiple</translation>
    </message>
    <message>
        <source>&amp;True/False</source>
        <translation>&amp;Vrai/Faux</translation>
    </message>
    <message>
        <source>True/False questions</source>
        <translation>Questions vrai/faux</translation>
    </message>
    <message>
        <source>T&amp;ype-in</source>
        <translation>&amp;Saisie</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Saisir la réponse</translation>
    </message>
    <message>
        <source>Matc&amp;hing</source>
        <translation>Re&amp;lier</translation>
    </message>
    <message>
        <source>Match questions and answers</source>
        <translation>Relier questions et réponses</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>Ask the pairs you know least</source>
        <translation>Poser les paires que vous connaissez le moins</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>Dans l&apos;&amp;ordre</translation>
    </message>
    <message>
        <source>Ask the pairs in order</source>
        <translation>Poser les paires dans l&apos;ordre</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>Ask the pairs at random</source>
        <translation>Poser les paires au hasard</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>À &amp;réviser (répétition espacée)</translation>
    </message>
    <message>
        <source>Ask the pairs due for review today, lowest recall chance first</source>
        <translation>Poser les paires à réviser aujourd&apos;hui, la plus faible probabilité de rappel d&apos;abord</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Prédéfinies</translation>
    </message>
    <message>
        <source>Use the predefined wrong answers</source>
        <translation>Utiliser les mauvaises réponses prédéfinies</translation>
    </message>
    <message>
        <source>Use random wrong answers</source>
        <translation>Utiliser des mauvaises réponses aléatoires</translation>
    </message>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>A&amp;nimer la nouvelle question</translation>
    </message>
    <message>
        <source>Toggle new question animation</source>
        <translation>Activer ou désactiver l&apos;animation des nouvelles questions</translation>
    </message>
    <message>
        <source>Select &amp;Background Picture</source>
        <translation>Choisir l&apos;&amp;image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Open the folder of background pictures</source>
        <translation>Ouvrir le dossier des images d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Select S&amp;kin...</source>
        <translation>Choisir l&apos;&amp;habillage...</translation>
    </message>
    <message>
        <source>Select a skin</source>
        <translation>Choisir un habillage</translation>
    </message>
    <message>
        <source>Turn Skins O&amp;ff</source>
        <translation>Désactiver les habilla&amp;ges</translation>
    </message>
    <message>
        <source>Turn skins off</source>
        <translation>Désactiver les habillages</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Start Questions</source>
        <translation>Démarrer les questions</translation>
    </message>
    <message>
        <source>&amp;Flip questions</source>
        <translation>&amp;Inverser les questions</translation>
    </message>
    <message>
        <source>Reverse questions and answers</source>
        <translation>Inverser questions et réponses</translation>
    </message>
    <message>
        <source>View no&amp;tes</source>
        <translation>Voir les no&amp;tes</translation>
    </message>
    <message>
        <source>View notes</source>
        <translation>Voir les notes</translation>
    </message>
    <message>
        <source>M&amp;ute all Brainlark sounds</source>
        <translation>Couper &amp;tous les sons de Brainlark</translation>
    </message>
    <message>
        <source>Mute all Brainlark sounds</source>
        <translation>Couper tous les sons de Brainlark</translation>
    </message>
    <message>
        <source>Turn Funny Soun&amp;ds on/off</source>
        <translation>Sons ri&amp;golos oui/non</translation>
    </message>
    <message>
        <source>Turn funny sounds on or off</source>
        <translation>Activer ou désactiver les sons rigolos</translation>
    </message>
    <message>
        <source>Help for the quiz screen</source>
        <translation>Aide sur l&apos;écran du quiz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add a Q&amp;A pair</source>
        <translation>Ajouter une paire Q/R</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the Q&amp;A pair</source>
        <translation>Supprimer la paire Q/R</translation>
    </message>
    <message>
        <source>&amp;Predefined Wrong Answers</source>
        <translation>&amp;Mauvaises réponses prédéfinies</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Mauvaises réponses prédéfinies</translation>
    </message>
    <message>
        <source>Notes and &amp;Subject</source>
        <translation>Notes et s&amp;ujet</translation>
    </message>
    <message>
        <source>Notes and subject</source>
        <translation>Notes et sujet</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>Mot de &amp;passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Insert from a text-file...</source>
        <translation>&amp;Insérer depuis un fichier texte...</translation>
    </message>
    <message>
        <source>Insert Q&amp;A pairs from a text file</source>
        <translation>Insérer des paires Q/R depuis un fichier texte</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A ra&amp;tings</source>
        <translation>Réinitialiser les &amp;notes Q/R</translation>
    </message>
    <message>
        <source>Reset the Q&amp;A-pair ratings</source>
        <translation>Réinitialiser les notes des paires Q/R</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the change undone</source>
        <translation>Rétablir la modification annulée</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Rec&amp;hercher...</translation>
    </message>
    <message>
        <source>Find a question or answer</source>
        <translation>Rechercher une question ou une réponse</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>Sort by the questions, as a click on the column header does</source>
        <translation>Trier par questions, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Réponse</translation>
    </message>
    <message>
        <source>Sort by the answers, as a click on the column header does</source>
        <translation>Trier par réponses, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>Sort by the ratings, as a click on the column header does</source>
        <translation>Trier par notes, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>Ri&amp;ght</source>
        <translation>&amp;Justes</translation>
    </message>
    <message>
        <source>Sort by the right answers, as a click on the column header does</source>
        <translation>Trier par bonnes réponses, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>&amp;Fausses</translation>
    </message>
    <message>
        <source>Sort by the wrong answers, as a click on the column header does</source>
        <translation>Trier par mauvaises réponses, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>Sort by the answers given, as a click on the column header does</source>
        <translation>Trier par réponses données, comme un clic sur l&apos;en-tête de colonne</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list viewer</source>
        <translation>Aide sur la visionneuse de liste Q/R</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list editor</source>
        <translation>Aide sur l&apos;éditeur de liste Q/R</translation>
    </message>
    <message>
        <source>Imp&amp;ort Text File...</source>
        <translation>Importer un fichier te&amp;xte...</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs from a text file into a new Q&amp;A-list</source>
        <translation>Importer des paires Q/R d&apos;un fichier texte dans une nouvelle liste Q/R</translation>
    </message>
    <message>
        <source>Online &amp;Tutorials</source>
        <translation>&amp;Tutoriels en ligne</translation>
    </message>
    <message>
        <source>Online tutorials</source>
        <translation>Tutoriels en ligne</translation>
    </message>
    <message>
        <source>Download &amp;Video Tutorials</source>
        <translation>Télécharger les tutoriels &amp;vidéo</translation>
    </message>
    <message>
        <source>Download video tutorials</source>
        <translation>Télécharger les tutoriels vidéo</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Get Brainlark for &amp;Palm OS</source>
        <translation>Obtenir Brainlark pour &amp;Palm OS</translation>
    </message>
    <message>
        <source>Get the handheld edition</source>
        <translation>Obtenir l&apos;édition pour assistant personnel</translation>
    </message>
    <message>
        <source>&amp;Free Downloads</source>
        <translation>Téléchargements &amp;gratuits</translation>
    </message>
    <message>
        <source>Free downloads</source>
        <translation>Téléchargements gratuits</translation>
    </message>
    <message>
        <source>&amp;News</source>
        <translation>&amp;Nouveautés</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>&amp;Recommend to a Friend</source>
        <translation>&amp;Recommander à un ami</translation>
    </message>
    <message>
        <source>Recommend Brainlark to a friend</source>
        <translation>Recommander Brainlark à un ami</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>&amp;Sondage</translation>
    </message>
    <message>
        <source>Take our survey</source>
        <translation>Répondre à notre sondage</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>How &amp;do I ...</source>
        <translation>&amp;Comment faire ...</translation>
    </message>
    <message>
        <source>How do I ...</source>
        <translation>Comment faire ...</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutoriel</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>&amp;About Brainlark...</source>
        <translation>À &amp;propos de Brainlark...</translation>
    </message>
    <message>
        <source>Program information and version</source>
        <translation>Informations sur le programme et version</translation>
    </message>
    <message>
        <source>Debug dump</source>
        <translation>Vidage de débogage</translation>
    </message>
    <message>
        <source>this should not even be here</source>
        <translation>ceci ne devrait même pas être là</translation>
    </message>
    <message>
        <source>%1 - Brainlark</source>
        <translation>%1 - Brainlark</translation>
    </message>
    <message>
        <source>Skin files (*.skn)|*.skn|All Files (*.*)|*.*||</source>
        <translation>Fichiers d&apos;habillage (*.skn)|*.skn|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Not available in this version yet</source>
        <translation>Pas encore disponible dans cette version</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</source>
        <translation>Fichiers texte, paquets et vocabulaires (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Désolé, le fichier %1 ne contient pas de liste Q/R valide.</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Autres commandes</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchGame</name>
    <message>
        <source>Please connect all the boxes.</source>
        <translation>Reliez toutes les cases.</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchScreen</name>
    <message>
        <source>Question %1 of %2: %3</source>
        <translation>Question %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Answer %1 of %2: %3</source>
        <translation>Réponse %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>, connected to answer %1</source>
        <translation>, reliée à la réponse %1</translation>
    </message>
    <message>
        <source>, connected to question %1</source>
        <translation>, reliée à la question %1</translation>
    </message>
    <message>
        <source>, picked</source>
        <translation>, choisie</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchingPage</name>
    <message>
        <source>Increase line width after wrong answer</source>
        <translation>Épaissir le trait après une mauvaise réponse</translation>
    </message>
    <message>
        <source>Line colours</source>
        <translation>Couleurs des traits</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Au départ</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Number of question/answer boxes</source>
        <translation>Nombre de cases question/réponse</translation>
    </message>
    <message>
        <source>Line Colour</source>
        <translation>Couleur du trait</translation>
    </message>
</context>
<context>
    <name>brainlark::MediaBrowser</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Windows wave files (.wav)|*.wav|</source>
        <translation>Fichiers son Windows (.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Fichiers image (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
    <message>
        <source>Please make sure that the WAV file is located under </source>
        <translation>Le fichier WAV doit se trouver dans </translation>
    </message>
    <message>
        <source>Please make sure that the image file is located under </source>
        <translation>Le fichier image doit se trouver dans </translation>
    </message>
</context>
<context>
    <name>brainlark::Messages</name>
    <message>
        <source>The file declares entities in its document type (&lt;!ENTITY ...&gt;); vocabularies have none, and such a file can make a reader expand a few bytes to gigabytes, so it is not read.</source>
        <translation>Le fichier déclare des entités dans sa définition de type de document (&lt;!ENTITY ...&gt;) ; les vocabulaires n&apos;en ont pas, et un tel fichier peut faire gonfler quelques octets en gigaoctets chez un lecteur. Il n&apos;est donc pas lu.</translation>
    </message>
    <message>
        <source>This is an XML document but not a vocabulary: its root is &lt;%1&gt;, not &lt;kvtml&gt;.</source>
        <translation>C&apos;est un document XML mais pas un vocabulaire : sa racine est &lt;%1&gt;, et non &lt;kvtml&gt;.</translation>
    </message>
    <message>
        <source>The vocabulary is of version %1; only version 2 is read. Open it in a vocabulary program and save it again to get version 2.</source>
        <translation>Le vocabulaire est en version %1 ; seule la version 2 est lue. Ouvrez-le dans un logiciel de vocabulaire et enregistrez-le à nouveau pour obtenir la version 2.</translation>
    </message>
    <message>
        <source>The vocabulary is damaged: line %1, column %2: %3</source>
        <translation>Le vocabulaire est endommagé : ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>The file holds no vocabulary (no &lt;kvtml&gt; element).</source>
        <translation>Le fichier ne contient aucun vocabulaire (pas d&apos;élément &lt;kvtml&gt;).</translation>
    </message>
    <message>
        <source>The vocabulary&apos;s lessons are nested more than %1 deep (line %2); it is not read.</source>
        <translation>Les leçons du vocabulaire sont imbriquées sur plus de %1 niveaux (ligne %2) ; il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>The vocabulary has no language %1 (its languages: %2).</source>
        <translation>Le vocabulaire n&apos;a pas de langue %1 (ses langues : %2).</translation>
    </message>
    <message>
        <source>The question and the answer must be two different languages.</source>
        <translation>La question et la réponse doivent être dans deux langues différentes.</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (its decks: %2).</source>
        <translation>Le fichier n&apos;a ni paquet ni leçon « %1 » (ses paquets : %2).</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (it has no decks).</source>
        <translation>Le fichier n&apos;a ni paquet ni leçon « %1 » (il n&apos;a aucun paquet).</translation>
    </message>
    <message>
        <source>Could not read the file (%1).</source>
        <translation>Impossible de lire le fichier (%1).</translation>
    </message>
    <message>
        <source>In Anki, export the deck again with &quot;Support older Anki versions&quot; checked and import that file.</source>
        <translation>Dans Anki, exportez à nouveau le paquet en cochant « Support older Anki versions » et importez ce fichier.</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 n&apos;est pas une base de données SQLite : le paquet est endommagé ou d&apos;une forme que ce programme ne connaît pas. %2</translation>
    </message>
    <message>
        <source>%1 holds no collection: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 ne contient aucune collection : le paquet est endommagé ou d&apos;une forme que ce programme ne connaît pas. %2</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, newer than this program reads (up to %3). %4</source>
        <translation>%1 est une collection de version %2, plus récente que ce que ce programme lit (jusqu&apos;à %3). %4</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, older than this program reads. Open it in a current Anki and export the deck from there.</source>
        <translation>%1 est une collection de version %2, plus ancienne que ce que ce programme lit. Ouvrez-la dans un Anki récent et exportez le paquet depuis celui-ci.</translation>
    </message>
    <message>
        <source>%1 holds only a note asking for a newer Anki: the cards are in a newer form this package does not include. %2</source>
        <translation>%1 ne contient qu&apos;une note demandant un Anki plus récent : les cartes sont sous une forme plus récente que ce paquet n&apos;inclut pas. %2</translation>
    </message>
    <message>
        <source>cannot read %1 as a deck package: %2</source>
        <translation>impossible de lire %1 comme paquet de cartes : %2</translation>
    </message>
    <message>
        <source>%1 holds no collection (collection.anki21b, collection.anki21 or collection.anki2): it is not a deck package. %2</source>
        <translation>%1 ne contient aucune collection (collection.anki21b, collection.anki21 ou collection.anki2) : ce n&apos;est pas un paquet de cartes. %2</translation>
    </message>
    <message>
        <source>%1 unpacks to more than the %2 bytes the archive declares; it is refused as damaged or hostile</source>
        <translation>%1 se décompresse en plus que les %2 octets déclarés par l&apos;archive ; il est refusé comme endommagé ou malveillant</translation>
    </message>
    <message>
        <source>%1 unpacks to %2 or more, more than the %3 a package may hold; it is refused as damaged or hostile</source>
        <translation>%1 se décompresse en %2 ou plus, plus que les %3 qu&apos;un paquet peut contenir ; il est refusé comme endommagé ou malveillant</translation>
    </message>
    <message>
        <source>The list needs %1 records; a Palm database holds at most %2.</source>
        <translation>La liste demande %1 enregistrements ; une base de données Palm en contient au plus %2.</translation>
    </message>
    <message>
        <source>The records take more than the 4 GB a Palm database can address.</source>
        <translation>Les enregistrements dépassent les 4 Go qu&apos;une base de données Palm peut adresser.</translation>
    </message>
    <message>
        <source>The list&apos;s name holds %1, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>Le nom de la liste contient %1, que l&apos;assistant personnel (Windows-1252 seulement) ne peut pas afficher.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>« %1 » contient %2, que l&apos;assistant personnel (Windows-1252 seulement) ne peut pas afficher.</translation>
    </message>
    <message>
        <source>Pair %1: %2</source>
        <translation>Paire %1 : %2</translation>
    </message>
    <message>
        <source>A wrong answer of pair %1: %2</source>
        <translation>Une mauvaise réponse de la paire %1 : %2</translation>
    </message>
    <message>
        <source>Found a duplicate question: 
%1
Please rephrase or remove it from the quiz and export to Palm again.</source>
        <translation>Question en double trouvée : 
%1
Veuillez la reformuler ou la retirer du quiz, puis exporter à nouveau vers Palm.</translation>
    </message>
    <message>
        <source>Sorry, could not create Palm Database file. 
%1</source>
        <translation>Désolé, impossible de créer le fichier de base de données Palm. 
%1</translation>
    </message>
    <message>
        <source>The most likely reason: folder %1 does not exist.</source>
        <translation>La raison la plus probable : le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Due to Palm OS limitations, the name of this Q&amp;A-list will be truncated to %1.

We apologize for the inconvenience.</source>
        <translation>En raison des limites de Palm OS, le nom de cette liste Q/R sera raccourci en %1.

Veuillez nous excuser pour ce désagrément.</translation>
    </message>
    <message>
        <source>Error exporting %1. 
P1 = %2 : %3 
P2 = %4 : %5</source>
        <translation>Erreur lors de l&apos;exportation de %1. 
P1 = %2 : %3 
P2 = %4 : %5</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>Impossible d&apos;écrire le fichier %1 (%2)</translation>
    </message>
    <message>
        <source>Please make sure that Q&amp;A-list name does not contain any &apos; %1 &apos; characters</source>
        <translation>Veuillez vous assurer que le nom de la liste Q/R ne contient aucun caractère &apos; %1 &apos;</translation>
    </message>
    <message>
        <source>Another Q&amp;A-list with this name already exists.

Would you like to overwrite it?</source>
        <translation>Une autre liste Q/R porte déjà ce nom.

Voulez-vous la remplacer ?</translation>
    </message>
    <message>
        <source>%1: not in the package</source>
        <translation>%1 : absent du paquet</translation>
    </message>
    <message>
        <source>%1: cannot unpack</source>
        <translation>%1 : décompression impossible</translation>
    </message>
    <message>
        <source>%1: cannot write the unpacked copy</source>
        <translation>%1 : impossible d&apos;écrire la copie décompressée</translation>
    </message>
    <message>
        <source>%1: compressed data cut short</source>
        <translation>%1 : données compressées tronquées</translation>
    </message>
    <message>
        <source>cannot unpack the collection into a temporary folder</source>
        <translation>impossible de décompresser la collection dans un dossier temporaire</translation>
    </message>
    <message>
        <source>cannot make a temporary folder to unpack the collection</source>
        <translation>impossible de créer un dossier temporaire pour décompresser la collection</translation>
    </message>
    <message>
        <source>%1: cannot open the collection: %2</source>
        <translation>%1 : impossible d&apos;ouvrir la collection : %2</translation>
    </message>
    <message>
        <source>%1: cannot read the note types</source>
        <translation>%1 : impossible de lire les types de notes</translation>
    </message>
    <message>
        <source>%1: cannot read the note types&apos; fields</source>
        <translation>%1 : impossible de lire les champs des types de notes</translation>
    </message>
    <message>
        <source>%1: cannot read the decks</source>
        <translation>%1 : impossible de lire les paquets</translation>
    </message>
    <message>
        <source>%1: cannot read the notes</source>
        <translation>%1 : impossible de lire les notes</translation>
    </message>
    <message>
        <source>%1: cannot read the cards</source>
        <translation>%1 : impossible de lire les cartes</translation>
    </message>
    <message>
        <source>no package is open</source>
        <translation>aucun paquet n&apos;est ouvert</translation>
    </message>
    <message>
        <source>import cancelled</source>
        <translation>importation annulée</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>media list: not a JSON object</source>
        <translation>liste des médias : pas un objet JSON</translation>
    </message>
    <message>
        <source>media list: entry %1 names no file</source>
        <translation>liste des médias : l&apos;entrée %1 ne nomme aucun fichier</translation>
    </message>
    <message>
        <source>media list: malformed</source>
        <translation>liste des médias : mal formée</translation>
    </message>
    <message>
        <source>media list: malformed entry</source>
        <translation>liste des médias : entrée mal formée</translation>
    </message>
    <message>
        <source>note types: not a JSON object</source>
        <translation>types de notes : pas un objet JSON</translation>
    </message>
    <message>
        <source>decks: not a JSON object</source>
        <translation>paquets : pas un objet JSON</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>unsupported PCX version %1</source>
        <translation>version PCX %1 non prise en charge</translation>
    </message>
    <message>
        <source>unsupported PCX encoding %1</source>
        <translation>codage PCX %1 non pris en charge</translation>
    </message>
    <message>
        <source>unsupported PCX format (%1 bits, %2 planes)</source>
        <translation>format PCX non pris en charge (%1 bits, %2 plans)</translation>
    </message>
    <message>
        <source>invalid PCX picture size</source>
        <translation>taille d&apos;image PCX non valide</translation>
    </message>
    <message>
        <source>PCX picture too large (%1 x %2)</source>
        <translation>image PCX trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>invalid PCX line length</source>
        <translation>longueur de ligne PCX non valide</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>pas un fichier PCX</translation>
    </message>
    <message>
        <source>PCX data truncated</source>
        <translation>données PCX tronquées</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>impossible de créer un fichier dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>impossible de définir les droits de %1 : %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>the link leads to a missing file</source>
        <translation>le lien mène à un fichier absent</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>not a backup</source>
        <translation>pas une sauvegarde</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>could not be copied into the program folder</source>
        <translation>n&apos;a pas pu être copié dans le dossier du programme</translation>
    </message>
    <message>
        <source>not copied: the quiz shows BMP, JPEG, GIF and PCX pictures</source>
        <translation>non copié : le quiz affiche les images BMP, JPEG, GIF et PCX</translation>
    </message>
    <message>
        <source>not copied: the quiz plays WAV sounds</source>
        <translation>non copié : le quiz joue les sons WAV</translation>
    </message>
    <message>
        <source>refused: not a file name beside the import</source>
        <translation>refusé : pas un nom de fichier à côté du fichier importé</translation>
    </message>
    <message>
        <source>not found beside the imported file</source>
        <translation>introuvable à côté du fichier importé</translation>
    </message>
</context>
<context>
    <name>brainlark::NotesSubjectDialog</name>
    <message>
        <source>Edit Notes and Subject</source>
        <translation>Modifier les notes et le sujet</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes:</source>
        <translation>Notes de la liste Q/R :</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Sujet :</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes</source>
        <translation>Notes de la liste Q/R</translation>
    </message>
    <message>
        <source>Read &amp;questions in:</source>
        <translation>Lire les &amp;questions en :</translation>
    </message>
    <message>
        <source>Read a&amp;nswers in:</source>
        <translation>Lire les ré&amp;ponses en :</translation>
    </message>
</context>
<context>
    <name>brainlark::OptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Type-in Mode</source>
        <translation>Mode saisie</translation>
    </message>
    <message>
        <source>Matching Mode</source>
        <translation>Mode relier</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
</context>
<context>
    <name>brainlark::PairDialog</name>
    <message>
        <source>Add/Edit Q&amp;A-pair</source>
        <translation>Ajouter/modifier une paire Q/R</translation>
    </message>
    <message>
        <source>Switch to predefined wrong answers to this question</source>
        <translation>Passer aux mauvaises réponses prédéfinies de cette question</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Consultation</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image :</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Notes de la question :</translation>
    </message>
    <message>
        <source>Question text</source>
        <translation>Texte de la question</translation>
    </message>
    <message>
        <source>Question sound</source>
        <translation>Son de la question</translation>
    </message>
    <message>
        <source>Question picture</source>
        <translation>Image de la question</translation>
    </message>
    <message>
        <source>Answer text</source>
        <translation>Texte de la réponse</translation>
    </message>
    <message>
        <source>Answer sound</source>
        <translation>Son de la réponse</translation>
    </message>
    <message>
        <source>Question Notes</source>
        <translation>Notes de la question</translation>
    </message>
</context>
<context>
    <name>brainlark::PairTableModel</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Rating </source>
        <translation>Note </translation>
    </message>
    <message>
        <source>Right </source>
        <translation>Justes </translation>
    </message>
    <message>
        <source>Wrong </source>
        <translation>Fausses </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>brainlark::PicturePreviewDialog</name>
    <message>
        <source>Picture Preview</source>
        <translation>Aperçu de l&apos;image</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry, could not display the image ... </source>
        <translation>Désolé, impossible d&apos;afficher l&apos;image ... </translation>
    </message>
</context>
<context>
    <name>brainlark::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown:
%2</source>
        <translation>Impossible d&apos;afficher l&apos;image %1 :
%2</translation>
    </message>
    <message>
        <source>The picture %1 is missing.</source>
        <translation>L&apos;image %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>brainlark::PrintJobs</name>
    <message>
        <source>Could not open file %1

The flashcards are printed on this card picture, so nothing was printed.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1

Les fiches sont imprimées sur cette image de carte ; rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The page is too small for the flashcards: each row needs 6 by 1.8 inches.

Please choose a larger paper size or smaller margins.</source>
        <translation>La page est trop petite pour les fiches : chaque rangée demande 6 sur 1,8 pouces.

Choisissez un format de papier plus grand ou des marges plus petites.</translation>
    </message>
    <message>
        <source>The page is too small for the Q&amp;A-list.

Please choose a larger paper size or smaller margins.</source>
        <translation>La page est trop petite pour la liste Q/R.

Choisissez un format de papier plus grand ou des marges plus petites.</translation>
    </message>
    <message>
        <source>%1 - Print Preview</source>
        <translation>%1 - Aperçu avant impression</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Impossible d&apos;imprimer sur %1.</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ProgramFolder</name>
    <message>
        <source>Could not create the program folder %1</source>
        <translation>Impossible de créer le dossier du programme %1</translation>
    </message>
</context>
<context>
    <name>brainlark::QtPrompter</name>
    <message>
        <source>Enter Password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Please enter the password for this Q&amp;&amp;A-list:</source>
        <translation>Saisissez le mot de passe de cette liste Q/R :</translation>
    </message>
</context>
<context>
    <name>brainlark::QuestionNotesDialog</name>
    <message>
        <source>Question Notes</source>
        <translation>Notes de la question</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizScreen</name>
    <message>
        <source>Try</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizSession</name>
    <message>
        <source>Sorry, questions and answers can not be reversed in the Predefined Answers mode.</source>
        <translation>Désolé, les questions et les réponses ne peuvent pas être inversées en mode réponses prédéfinies.</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizView</name>
    <message>
        <source>Press Start (or Enter) to begin the quiz.</source>
        <translation>Appuyez sur Démarrer (ou Entrée) pour commencer le quiz.</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with at least five pairs to start a quiz.</source>
        <translation>Choisissez une liste Q/R d&apos;au moins cinq paires pour lancer un quiz.</translation>
    </message>
    <message>
        <source>Nothing due today</source>
        <translation>Rien à réviser aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Press Escape to stop the slideshow first.</source>
        <translation>Appuyez d&apos;abord sur Échap pour arrêter le diaporama.</translation>
    </message>
    <message>
        <source>Wait until the next question is on the screen.</source>
        <translation>Attendez que la question suivante soit affichée.</translation>
    </message>
    <message>
        <source>Right: %1 - Wrong: %2</source>
        <translation>Justes : %1 - Fausses : %2</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizViewMenu</name>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>A&amp;nimer la nouvelle question</translation>
    </message>
    <message>
        <source>&amp;Change Layout</source>
        <translation>Changer la &amp;disposition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Brainlark</source>
        <translation>À &amp;propos de Brainlark</translation>
    </message>
    <message>
        <source>Sound Schemes</source>
        <translation>Thèmes sonores</translation>
    </message>
    <message>
        <source>Quiz Type</source>
        <translation>Type de quiz</translation>
    </message>
    <message>
        <source>Multiple-choice</source>
        <translation>Choix multiple</translation>
    </message>
    <message>
        <source>True/False</source>
        <translation>Vrai/Faux</translation>
    </message>
    <message>
        <source>Type-in</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Relier</translation>
    </message>
    <message>
        <source>Question Selection</source>
        <translation>Choix des questions</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>Dans l&apos;&amp;ordre</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>À &amp;réviser (répétition espacée)</translation>
    </message>
    <message>
        <source>Answer Selection</source>
        <translation>Choix des réponses</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Prédéfinies</translation>
    </message>
    <message>
        <source>R&amp;andom</source>
        <translation>&amp;Aléatoires</translation>
    </message>
</context>
<context>
    <name>brainlark::ReadAloud</name>
    <message>
        <source>Read aloud needs a speech engine: install speech-dispatcher or flite.</source>
        <translation>La lecture à voix haute nécessite un moteur vocal : installez speech-dispatcher ou flite.</translation>
    </message>
    <message>
        <source>No voice for %1 is installed.</source>
        <translation>Aucune voix n’est installée pour %1.</translation>
    </message>
    <message>
        <source>No voice for %1 or %2 is installed.</source>
        <translation>Aucune voix n’est installée pour %1 ou %2.</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Lire la question à voix haute, puis sa réponse une fois jugée</translation>
    </message>
</context>
<context>
    <name>brainlark::RestoreBackupDialog</name>
    <message>
        <source>1 pair</source>
        <translation>1 paire</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 paires</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>There are no backups of &quot;%1&quot; yet. A backup is kept each time the Q&amp;A-list is saved.</source>
        <translation>Il n&apos;y a pas encore de sauvegarde de « %1 ». Une sauvegarde est conservée à chaque enregistrement de la liste Q/R.</translation>
    </message>
    <message>
        <source>Earlier versions of &quot;%1&quot;, newest first, with what restoring each would change in the present Q&amp;A-list. The chosen version replaces the Q&amp;A-list; the present one is kept as a backup first.</source>
        <translation>Versions antérieures de « %1 », la plus récente d&apos;abord, avec ce que la restauration de chacune changerait dans la liste Q/R actuelle. La version choisie remplace la liste Q/R ; l&apos;actuelle est d&apos;abord conservée comme sauvegarde.</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>lecture...</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versions :</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>statistics only</source>
        <translation>statistiques seulement</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 ajoutée(s)</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 supprimée(s)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifiée(s)</translation>
    </message>
    <message>
        <source>notes, subject, password or wrong answers changed</source>
        <translation>notes, sujet, mot de passe ou mauvaises réponses modifiés</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versions</translation>
    </message>
</context>
<context>
    <name>brainlark::SlideshowTitle</name>
    <message>
        <source> Slideshow</source>
        <translation> Diaporama</translation>
    </message>
</context>
<context>
    <name>brainlark::SmartCounterDialog</name>
    <message>
        <source>Smart Counter Settings</source>
        <translation>Réglages du Smart Counter</translation>
    </message>
    <message>
        <source>&amp;Alert after every</source>
        <translation>&amp;Alerter toutes les</translation>
    </message>
    <message>
        <source>right answers</source>
        <translation>bonnes réponses</translation>
    </message>
    <message>
        <source>When alerted ...</source>
        <translation>Lors de l&apos;alerte ...</translation>
    </message>
    <message>
        <source>&amp;Play upbeat music</source>
        <translation>&amp;Jouer une musique entraînante</translation>
    </message>
    <message>
        <source>P&amp;lay animation</source>
        <translation>Jouer une a&amp;nimation</translation>
    </message>
    <message>
        <source>R&amp;everse questions and answers</source>
        <translation>&amp;Inverser questions et réponses</translation>
    </message>
    <message>
        <source>&amp;Reset Score</source>
        <translation>&amp;Remettre le score à zéro</translation>
    </message>
    <message>
        <source>Right answers between alerts</source>
        <translation>Bonnes réponses entre deux alertes</translation>
    </message>
</context>
<context>
    <name>brainlark::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Statistics - %1</source>
        <translation>Statistiques - %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>Answers and accuracy per day</source>
        <translation>Réponses et taux de réussite par jour</translation>
    </message>
    <message>
        <source>Ratings of the pairs</source>
        <translation>Notes des paires</translation>
    </message>
    <message>
        <source>Time studied per day (all lists)</source>
        <translation>Temps d&apos;étude par jour (toutes les listes)</translation>
    </message>
    <message>
        <source>Time studied per day</source>
        <translation>Temps d&apos;étude par jour</translation>
    </message>
    <message>
        <source>Reviews due in the next 30 days</source>
        <translation>Révisions prévues dans les 30 prochains jours</translation>
    </message>
    <message>
        <source>True retention per week</source>
        <translation>Rétention réelle par semaine</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Posée</translation>
    </message>
    <message>
        <source>The ten weakest pairs</source>
        <translation>Les dix paires les plus faibles</translation>
    </message>
    <message>
        <source>The ten &amp;weakest pairs</source>
        <translation>Les dix paires les plus &amp;faibles</translation>
    </message>
    <message>
        <source>The study history cannot be read, so it is not shown and answers are not recorded: %1</source>
        <translation>Impossible de lire l&apos;historique d&apos;étude ; il n&apos;est donc pas affiché et les réponses ne sont pas enregistrées : %1</translation>
    </message>
    <message>
        <source>&amp;Export as PNG...</source>
        <translation>&amp;Exporter en PNG...</translation>
    </message>
    <message>
        <source>Current streak: 1 day of study</source>
        <translation>Série en cours : 1 jour d&apos;étude</translation>
    </message>
    <message>
        <source>Current streak: %1 days of study</source>
        <translation>Série en cours : %1 jours d&apos;étude</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Paires à réviser</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Desired retention %1 %</source>
        <translation>Rétention souhaitée %1 %</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Réussite %</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Minutes studied</source>
        <translation>Minutes d&apos;étude</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>%1 - statistics</source>
        <translation>%1 - statistiques</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>Impossible d&apos;enregistrer %1</translation>
    </message>
</context>
<context>
    <name>brainlark::StudentDataDialog</name>
    <message>
        <source>Student Data</source>
        <translation>Données de l&apos;élève</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A-list ratings</source>
        <translation>Réinitialiser les notes de la liste Q/R</translation>
    </message>
    <message>
        <source>Student Name:</source>
        <translation>Nom de l&apos;élève :</translation>
    </message>
</context>
<context>
    <name>brainlark::StudyModuleSelector</name>
    <message>
        <source>Select study module</source>
        <translation>Choisir un module d&apos;étude</translation>
    </message>
    <message>
        <source>Q&amp;A-list Name</source>
        <translation>Nom de la liste Q/R</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Dernière utilisation</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Sujet :</translation>
    </message>
    <message>
        <source>Open &amp;Due Pairs</source>
        <translation>Ouvrir les paires à &amp;réviser</translation>
    </message>
    <message>
        <source>Open the list with the question selection Due (spaced repetition)</source>
        <translation>Ouvrir la liste avec le choix des questions « À réviser (répétition espacée) »</translation>
    </message>
    <message>
        <source>C&amp;hange Subject...</source>
        <translation>C&amp;hanger de sujet...</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list information</source>
        <translation>Informations sur la liste Q/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-lists found:</source>
        <translation>Listes Q/R trouvées :</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A pairs:</source>
        <translation>Paires Q/R :</translation>
    </message>
    <message>
        <source>Predefined answers:</source>
        <translation>Réponses prédéfinies :</translation>
    </message>
    <message>
        <source>Total answers:</source>
        <translation>Total des réponses :</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Réussite :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message numerus="yes">
        <source>%1 pairs due today, %2 within a week</source>
        <translation>
            <numerusform>%1 paire à réviser aujourd&apos;hui, %2 dans la semaine</numerusform>
            <numerusform>%1 paires à réviser aujourd&apos;hui, %2 dans la semaine</numerusform>
        </translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Changer de sujet</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.</source>
        <translation>Impossible d&apos;enregistrer la liste Q/R.</translation>
    </message>
    <message>
        <source>Due today / week</source>
        <translation>À réviser aujourd&apos;hui / semaine</translation>
    </message>
    <message numerus="yes">
        <source>Due in all lists: %1 pairs today, %2 within a week</source>
        <translation>
            <numerusform>À réviser dans toutes les listes : %1 paire aujourd&apos;hui, %2 dans la semaine</numerusform>
            <numerusform>À réviser dans toutes les listes : %1 paires aujourd&apos;hui, %2 dans la semaine</numerusform>
        </translation>
    </message>
    <message>
        <source>Q&amp;A-lists</source>
        <translation>Listes Q/R</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n.d.</translation>
    </message>
</context>
<context>
    <name>brainlark::SubjectList</name>
    <message>
        <source>--- All ---</source>
        <translation>--- Tous ---</translation>
    </message>
    <message>
        <source>--- n/a ---</source>
        <translation>--- sans sujet ---</translation>
    </message>
</context>
<context>
    <name>brainlark::TypeinPage</name>
    <message>
        <source>After wrong answer ...</source>
        <translation>Après une mauvaise réponse ...</translation>
    </message>
    <message>
        <source>&amp;Keep trying</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>&amp;Clear the answer field</source>
        <translation>&amp;Vider le champ de réponse</translation>
    </message>
    <message>
        <source>&amp;Show reminder card</source>
        <translation>Afficher la &amp;fiche de rappel</translation>
    </message>
    <message>
        <source>When checking answer ...</source>
        <translation>En vérifiant la réponse ...</translation>
    </message>
    <message>
        <source>Ignore case</source>
        <translation>Ignorer la casse</translation>
    </message>
    <message>
        <source>Ignore spaces</source>
        <translation>Ignorer les espaces</translation>
    </message>
    <message>
        <source>Ignore punctuation</source>
        <translation>Ignorer la ponctuation</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Centrer le texte</translation>
    </message>
    <message>
        <source>Pre-fill answer</source>
        <translation>Préremplir la réponse</translation>
    </message>
    <message>
        <source>none</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>first and last character</source>
        <translation>premier et dernier caractère</translation>
    </message>
    <message>
        <source>first and last of every word</source>
        <translation>premier et dernier de chaque mot</translation>
    </message>
    <message>
        <source>every other character</source>
        <translation>un caractère sur deux</translation>
    </message>
    <message>
        <source>every third character</source>
        <translation>un caractère sur trois</translation>
    </message>
    <message>
        <source>every forth character</source>
        <translation>un caractère sur quatre</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewNotesDialog</name>
    <message>
        <source>View Notes</source>
        <translation>Voir les notes</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewPairDialog</name>
    <message>
        <source>View Q&amp;A-pair</source>
        <translation>Voir la paire Q/R</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Notes de la question :</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Right Answers:</source>
        <translation>Bonnes réponses :</translation>
    </message>
    <message>
        <source>Wrong Answers:</source>
        <translation>Mauvaises réponses :</translation>
    </message>
    <message>
        <source>Total Answers:</source>
        <translation>Total des réponses :</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Note :</translation>
    </message>
</context>
<context>
    <name>brainlark::VisualPage</name>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>&amp;Show transition</source>
        <translation>Afficher la &amp;transition</translation>
    </message>
    <message>
        <source>Show &amp;reminder card</source>
        <translation>Afficher la &amp;fiche de rappel</translation>
    </message>
    <message>
        <source>An&amp;imate new question</source>
        <translation>An&amp;imer la nouvelle question</translation>
    </message>
    <message>
        <source>&amp;Hide q/a text</source>
        <translation>&amp;Masquer le texte Q/R</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Ima&amp;ge</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>parcourir</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>aperçu</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>Sq&amp;uares</source>
        <translation>&amp;Carrés</translation>
    </message>
    <message>
        <source>&amp;Do not change</source>
        <translation>Ne &amp;pas changer</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personnalisée</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Question Font</source>
        <translation>Police de la question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Answer Font</source>
        <translation>Police de la réponse</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Flashcard Font</source>
        <translation>Police de la fiche</translation>
    </message>
    <message>
        <source>Printed Card</source>
        <translation>Fiche imprimée</translation>
    </message>
    <message>
        <source>Printed Flashcard Font</source>
        <translation>Police de la fiche imprimée</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Fichiers image (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
</context>
<context>
    <name>brainlark::WeightsFitDialog</name>
    <message>
        <source>Fit to my history</source>
        <translation>Ajuster à mon historique</translation>
    </message>
    <message>
        <source>Reading your answers from the study history...</source>
        <translation>Lecture de vos réponses dans l&apos;historique d&apos;étude...</translation>
    </message>
    <message>
        <source>Fitting the weights to your reviews...</source>
        <translation>Ajustement des poids à vos révisions...</translation>
    </message>
    <message>
        <source>The study history cannot be read: %1.</source>
        <translation>Impossible de lire l&apos;historique d&apos;étude : %1.</translation>
    </message>
    <message numerus="yes">
        <source>Your study history holds %1 reviews (first answers to a question); at least 1,000 are needed to fit the weights. The weights stay as they are.</source>
        <translation>
            <numerusform>Votre historique d&apos;étude contient %1 révision (première réponse à une question) ; il en faut au moins 1 000 pour ajuster les poids. Les poids restent inchangés.</numerusform>
            <numerusform>Votre historique d&apos;étude contient %1 révisions (premières réponses à une question) ; il en faut au moins 1 000 pour ajuster les poids. Les poids restent inchangés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitted to %1 reviews of %2 pairs; %3 pairs were held back to judge the fit.

Judged on %4 later reviews of the pairs held back:
log-loss %5 with the default weights, %6 with the fitted ones;
RMSE %7 with the default weights, %8 with the fitted ones.

</source>
        <translation>Ajusté sur %1 révisions de %2 paires ; %3 paires ont été mises de côté pour juger l&apos;ajustement.

Jugé sur %4 révisions ultérieures des paires mises de côté :
log-loss %5 avec les poids par défaut, %6 avec les poids ajustés ;
RMSE %7 avec les poids par défaut, %8 avec les poids ajustés.

</translation>
    </message>
    <message>
        <source>The fitted weights do not predict your answers better; the weights stay as they are.</source>
        <translation>Les poids ajustés ne prédisent pas mieux vos réponses ; les poids restent inchangés.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better and are used from now on.</source>
        <translation>Les poids ajustés prédisent mieux vos réponses et sont utilisés désormais.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better, but they could not be kept in the study history; the weights stay as they are.</source>
        <translation>Les poids ajustés prédisent mieux vos réponses, mais ils n&apos;ont pas pu être conservés dans l&apos;historique d&apos;étude ; les poids restent inchangés.</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswerDialog</name>
    <message>
        <source>Predefined Wrong Answer</source>
        <translation>Mauvaise réponse prédéfinie</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswersDialog</name>
    <message>
        <source>Predefined Wrong Answers</source>
        <translation>Mauvaises réponses prédéfinies</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Wrong Answer</source>
        <translation>Mauvaise réponse</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this answer:

%1</source>
        <translation>Voulez-vous vraiment supprimer cette réponse :

%1</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Mauvaises réponses</translation>
    </message>
</context>
</TS>
