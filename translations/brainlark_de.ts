<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>NothingDue</name>
    <message>
        <source>Nothing more is due in this list today.</source>
        <translation>In dieser Liste ist heute nichts mehr fällig.</translation>
    </message>
    <message>
        <source>Nothing more is due in this list today; the next pair is due on %1.</source>
        <translation>In dieser Liste ist heute nichts mehr fällig; das nächste Paar ist am %1 fällig.</translation>
    </message>
    <message>
        <source>

Go on with Smart Pick?</source>
        <translation>

Mit Smart Pick weitermachen?</translation>
    </message>
</context>
<context>
    <name>QuizAccessible</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected to answer %1: %2</source>
        <translation>Verbunden mit Antwort %1: %2</translation>
    </message>
    <message>
        <source>Connected to question %1: %2</source>
        <translation>Verbunden mit Frage %1: %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <translation>Falsch, die Antwort ist %1</translation>
    </message>
    <message>
        <source>Quiz screen</source>
        <translation>Quiz-Bildschirm</translation>
    </message>
</context>
<context>
    <name>ReasonText</name>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n-mal</numerusform>
            <numerusform>%n-mal</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Due today, recall chance %1 %</source>
        <translation>Heute fällig, Erinnerungschance %1 %</translation>
    </message>
    <message>
        <source>Due since 1 day, recall chance %1 %</source>
        <translation>Seit 1 Tag fällig, Erinnerungschance %1 %</translation>
    </message>
    <message numerus="yes">
        <source>Due since %n days, recall chance %1 %</source>
        <translation>
            <numerusform>Seit %n Tag fällig, Erinnerungschance %1 %</numerusform>
            <numerusform>Seit %n Tagen fällig, Erinnerungschance %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating %1, the weakest</source>
        <translation>Bewertung %1, das schwächste</translation>
    </message>
    <message>
        <source>Rating %1, %2 weakest</source>
        <translation>Bewertung %1, das %2 schwächste</translation>
    </message>
    <message>
        <source>Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair was last reviewed %1 and fell due %2; its stability is %3 days and its difficulty %4 of 10, so the chance to recall it now is %5 %.</source>
        <translation>„Fällig (verteilte Wiederholung)“ fragt die heute fälligen Paare ab, die mit der geringsten Erinnerungswahrscheinlichkeit zuerst. Dieses Paar wurde zuletzt %1 wiederholt und wurde %2 fällig; seine Stabilität beträgt %3 Tage und seine Schwierigkeit %4 von 10, die Chance, es jetzt abzurufen, liegt also bei %5 %.</translation>
    </message>
    <message>
        <source>the lowest</source>
        <translation>die niedrigste</translation>
    </message>
    <message>
        <source>the %1 lowest</source>
        <translation>die %1 niedrigste</translation>
    </message>
    <message>
        <source>Smart Pick asks one of the %1 lowest-rated pairs. This pair has the rating %2, %3 of %4 pairs; it was asked %5 and answered right %6 (wrong %7).</source>
        <translation>Smart Pick fragt eines der %1 am niedrigsten bewerteten Paare ab. Dieses Paar hat die Bewertung %2, %3 von %4 Paaren; es wurde %5 gefragt und %6 richtig beantwortet (%7 falsch).</translation>
    </message>
</context>
<context>
    <name>SpeechLanguage</name>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>Norwegisch (Bokmål)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisch</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latein</translation>
    </message>
</context>
<context>
    <name>brainlark::AboutDialog</name>
    <message>
        <source>About Brainlark</source>
        <translation>Über Brainlark</translation>
    </message>
    <message>
        <source>Brainlark Version 4.0</source>
        <translation>Brainlark Version 4.0</translation>
    </message>
    <message>
        <source>Visit us on the Web!</source>
        <translation>Besuchen Sie uns im Web!</translation>
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
        <translation>Funktionen:

- Beliebig viele Quiz zu allen Themen
- Multiple Choice, Wahr/Falsch, Eintippen und Zuordnen
- Smart Pick fragt immer wieder die Paare, die Sie am wenigsten können
- Diashow für entspanntes Lernen
- Bilder und Klänge für jedes F&amp;A-Paar
- Notizen für Listen und Paare
- Einfaches Bearbeiten in der Tabelle, Import aus Textdateien
- HTML-Berichte, Testbögen zum Ausdrucken und Textexporte
- Statistik und Bewertungen für jedes Paar
- Export in die Handheld-Ausgabe</translation>
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
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Show automatically</source>
        <translation>Automatisch zeigen</translation>
    </message>
    <message>
        <source>Autoresize window</source>
        <translation>Fenstergröße anpassen</translation>
    </message>
    <message>
        <source>HTML export</source>
        <translation>HTML-Export</translation>
    </message>
    <message>
        <source>Include statistics</source>
        <translation>Statistik einschließen</translation>
    </message>
    <message>
        <source>Slideshow Mode</source>
        <translation>Diashow-Modus</translation>
    </message>
    <message>
        <source>&amp;Automatic (delay: </source>
        <translation>&amp;Automatisch (Pause: </translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuell</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>&amp;Zufällige Reihenfolge</translation>
    </message>
    <message>
        <source>Autoplay Sounds</source>
        <translation>Klänge automatisch abspielen</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Frage</translation>
    </message>
    <message>
        <source>A&amp;nswer</source>
        <translation>A&amp;ntwort</translation>
    </message>
    <message>
        <source>&amp;Play animations</source>
        <translation>Animationen a&amp;bspielen</translation>
    </message>
    <message>
        <source>&amp;Show title</source>
        <translation>&amp;Titel zeigen</translation>
    </message>
    <message>
        <source>&amp;Delay answer</source>
        <translation>Antwort &amp;verzögern</translation>
    </message>
    <message>
        <source>seconds)</source>
        <translation>Sekunden)</translation>
    </message>
</context>
<context>
    <name>brainlark::Application</name>
    <message>
        <source>Another instance of this application already running!</source>
        <translation>Eine andere Instanz dieses Programms läuft bereits!</translation>
    </message>
</context>
<context>
    <name>brainlark::BackgroundPicture</name>
    <message>
        <source>Could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>brainlark::ChangeSubjectDialog</name>
    <message>
        <source>Change Subject</source>
        <translation>Thema ändern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Current Subject:</source>
        <translation>Aktuelles Thema:</translation>
    </message>
    <message>
        <source>New Subject:</source>
        <translation>Neues Thema:</translation>
    </message>
</context>
<context>
    <name>brainlark::Congratulation</name>
    <message>
        <source>* * * Great Job ! * * *</source>
        <translation>* * * Toll gemacht! * * *</translation>
    </message>
    <message>
        <source>- - - Excellent ! - - -</source>
        <translation>- - - Ausgezeichnet! - - -</translation>
    </message>
    <message>
        <source>* Congratulations! *</source>
        <translation>* Herzlichen Glückwunsch! *</translation>
    </message>
    <message>
        <source>~~~ Way to Go! ~~~</source>
        <translation>~~~ Weiter so! ~~~</translation>
    </message>
    <message>
        <source>~*~ You&apos;re doing a great job! ~*~</source>
        <translation>~*~ Das machen Sie großartig! ~*~</translation>
    </message>
    <message>
        <source>^^^ Keep up the good work! ^^^</source>
        <translation>^^^ Machen Sie weiter so! ^^^</translation>
    </message>
</context>
<context>
    <name>brainlark::DeletePairDialog</name>
    <message>
        <source>Delete this Q&amp;A-pair?</source>
        <translation>Dieses F&amp;A-Paar löschen?</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Q&amp;A-pair?</source>
        <translation>Möchten Sie dieses F&amp;A-Paar wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>brainlark::EditPasswordDialog</name>
    <message>
        <source>Edit Password</source>
        <translation>Passwort bearbeiten</translation>
    </message>
    <message>
        <source>Brainlark will ask you for this password when you switch to the Q&amp;A-list Editor, and before the Q&amp;A-list is exported or made into a printable test.</source>
        <translation>Brainlark fragt nach diesem Passwort, wenn Sie zum F&amp;A-Listen-Editor wechseln und bevor die F&amp;A-Liste exportiert oder zu einem Testbogen gemacht wird.</translation>
    </message>
    <message>
        <source>Please make sure that you remember this password.</source>
        <translation>Bitte merken Sie sich dieses Passwort gut.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>brainlark::EventSounds</name>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Cartoons</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Cartoons-2</source>
        <translation>Cartoons-2</translation>
    </message>
</context>
<context>
    <name>brainlark::FontChooserDialog</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>brainlark::GeneralPage</name>
    <message>
        <source>&amp;Load last Q&amp;&amp;A-list</source>
        <translation>&amp;Letzte F&amp;&amp;A-Liste laden</translation>
    </message>
    <message>
        <source>S&amp;tart quiz automatically</source>
        <translation>Quiz automatisch s&amp;tarten</translation>
    </message>
    <message>
        <source>Smart &amp;Counter</source>
        <translation>Smart &amp;Counter</translation>
    </message>
    <message>
        <source>Enable &amp;automatic answers</source>
        <translation>&amp;Automatische Antworten einschalten</translation>
    </message>
    <message>
        <source>Continue after wrong answer</source>
        <translation>Nach falscher Antwort weitermachen</translation>
    </message>
    <message>
        <source>Auto-Play q&amp;uestion sounds</source>
        <translation>Fragenklänge a&amp;utomatisch abspielen</translation>
    </message>
    <message>
        <source>Play &amp;funny sounds</source>
        <translation>Lustige &amp;Klänge abspielen</translation>
    </message>
    <message>
        <source>Question selection</source>
        <translation>Fragenauswahl</translation>
    </message>
    <message>
        <source>Smart Pick</source>
        <translation>Smart Pick</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Due (spaced repetition)</source>
        <translation>Fällig (verteilte Wiederholung)</translation>
    </message>
    <message>
        <source>Spaced repetition</source>
        <translation>Verteilte Wiederholung</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The recall chance at which Due asks a pair again: higher means more reviews and fewer pairs forgotten.</source>
        <translation>Die Erinnerungswahrscheinlichkeit, bei der „Fällig“ ein Paar erneut abfragt: höher heißt mehr Wiederholungen und weniger vergessene Paare.</translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation>Ziel-Behaltens&amp;rate:</translation>
    </message>
    <message>
        <source>&amp;Fit to my history...</source>
        <translation>An meinen &amp;Verlauf anpassen...</translation>
    </message>
    <message>
        <source>Fits the spaced-repetition weights to your own answers (at least 1,000 reviews are needed); they are used only when they predict your answers better.</source>
        <translation>Passt die Gewichte der verteilten Wiederholung an Ihre eigenen Antworten an (mindestens 1.000 Wiederholungen sind nötig); sie werden nur verwendet, wenn sie Ihre Antworten besser vorhersagen.</translation>
    </message>
    <message>
        <source>Answer selection</source>
        <translation>Antwortauswahl</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Vorgegeben</translation>
    </message>
    <message>
        <source>Sound Scheme:</source>
        <translation>Klangschema:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The language takes effect when Brainlark starts again.</source>
        <translation>Die Sprache gilt ab dem nächsten Start von Brainlark.</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>Alle &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Hide All</source>
        <translation>Alle aus&amp;blenden</translation>
    </message>
    <message>
        <source>Brainlark Tips</source>
        <translation>Brainlark-Tipps</translation>
    </message>
    <message>
        <source>Would you like to enable all Brainlark tips?</source>
        <translation>Möchten Sie alle Brainlark-Tipps einschalten?</translation>
    </message>
    <message>
        <source>Would you like to disable all Brainlark tips?</source>
        <translation>Möchten Sie alle Brainlark-Tipps ausschalten?</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Read &amp;questions as they appear</source>
        <translation>&amp;Fragen beim Erscheinen vorlesen</translation>
    </message>
    <message>
        <source>Read a&amp;nswers once known</source>
        <translation>A&amp;ntworten danach vorlesen</translation>
    </message>
    <message>
        <source>How fast the voice reads: slower to the left, faster to the right.</source>
        <translation>Wie schnell die Stimme liest: links langsamer, rechts schneller.</translation>
    </message>
    <message>
        <source>Rat&amp;e:</source>
        <translation>T&amp;empo:</translation>
    </message>
</context>
<context>
    <name>brainlark::GridView</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Find in questions and answers</source>
        <translation>In Fragen und Antworten suchen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Edit Q&amp;A-pair</source>
        <translation>F&amp;A-Paar bearbeiten</translation>
    </message>
    <message>
        <source>Add Q&amp;A-pair</source>
        <translation>F&amp;A-Paar hinzufügen</translation>
    </message>
    <message>
        <source>Delete Q&amp;A-pair</source>
        <translation>F&amp;A-Paar löschen</translation>
    </message>
    <message>
        <source>Reset ratings</source>
        <translation>Bewertungen zurücksetzen</translation>
    </message>
    <message>
        <source>Insert from a text-file</source>
        <translation>Aus Textdatei einfügen</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Vorgegebene falsche Antworten</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n Paar</numerusform>
            <numerusform>%n Paare</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Die Datei %1 enthält leider keine gültige F&amp;A-Liste.</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

Please try another name</source>
        <translation>Die F&amp;A-Liste konnte nicht gespeichert werden.

Bitte versuchen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>This Q&amp;A-list has no Q&amp;A-pairs yet, so there is nothing to save.

Please add at least one Q&amp;A-pair first.</source>
        <translation>Diese F&amp;A-Liste hat noch keine F&amp;A-Paare, es gibt also nichts zu speichern.

Bitte fügen Sie zuerst mindestens ein F&amp;A-Paar hinzu.</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Are you sure you want this Q&amp;A-list to forget your previous answers?</source>
        <translation>Soll diese F&amp;A-Liste Ihre bisherigen Antworten wirklich vergessen?</translation>
    </message>
    <message>
        <source>Text files (.txt)|*.txt|</source>
        <translation>Textdateien (.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Q&amp;A-pairs</source>
        <translation>F&amp;A-Paare</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>brainlark::GuideDialog</name>
    <message>
        <source>Brainlark Tips</source>
        <translation>Brainlark-Tipps</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message again</source>
        <translation>Diese Meldung nicht mehr &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
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
        <translation>Brainlark wechselt jetzt zum F&amp;A-Listen-Editor.

Im Editor können Sie:

- jedes F&amp;A-Paar bearbeiten
- vorgegebene falsche Antworten verwalten
- jedes F&amp;A-Paar löschen
- ein neues F&amp;A-Paar hinzufügen
- beliebig viele F&amp;A-Paare aus einer Textdatei einfügen
- die Bewertungen der F&amp;A-Paare zurücksetzen</translation>
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
        <translation>Brainlark wechselt jetzt zum Editor für eine neue F&amp;A-Liste.

Bitte geben Sie den Lernstoff als Frage-Antwort-Paare ein. Brainlark erstellt daraus automatisch Multiple-Choice-Fragen.

Außerdem können Sie hier:
- F&amp;A-Paare bearbeiten oder löschen
- vorgegebene falsche Antworten verwalten
- beliebig viele F&amp;A-Paare aus einer Textdatei einfügen
- eine neue F&amp;A-Liste unter einem Namen Ihrer Wahl speichern</translation>
    </message>
    <message>
        <source>Please enter a question and the answer (for example, a foreign word and its translation).  Then press ‘OK’. <byte value="xd"/>
<byte value="xd"/>
Continue entering the Q&amp;A-pairs.<byte value="xd"/>
<byte value="xd"/>
When finished, press ‘Cancel’</source>
        <translation>Bitte geben Sie eine Frage und die Antwort ein (zum Beispiel ein Fremdwort und seine Übersetzung). Drücken Sie dann „OK“.

Geben Sie so weitere F&amp;A-Paare ein.

Wenn Sie fertig sind, drücken Sie „Abbrechen“.</translation>
    </message>
    <message>
        <source>Brainlark will now switch to Q&amp;A-list Viewer.<byte value="xd"/>
<byte value="xd"/>
Using the Viewer you can:<byte value="xd"/>
<byte value="xd"/>
- View the complete Q&amp;A-list<byte value="xd"/>
- Sort the Q&amp;A-list by Question, Answer, Rating, Number of right answers, etc.</source>
        <translation>Brainlark wechselt jetzt zum F&amp;A-Listen-Betrachter.

Im Betrachter können Sie:

- die ganze F&amp;A-Liste ansehen
- die F&amp;A-Liste nach Frage, Antwort, Bewertung, Anzahl richtiger Antworten usw. sortieren</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list. <byte value="xd"/>
 <byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
If you want to change the notes for this Q&amp;A-list, please switch to the Editor view and click on the ‘note’ icon.</source>
        <translation>Mit Notizen können Sie der F&amp;A-Liste Anmerkungen hinzufügen.

Sie können zum Beispiel notieren, wozu die Liste dient, wie sie entstanden ist, wann sie aktualisiert werden soll usw.

Um die Notizen dieser F&amp;A-Liste zu ändern, wechseln Sie in den Editor und klicken Sie auf das Notiz-Symbol.</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
You can also assign a subject to this Q&amp;A-list.</source>
        <translation>Mit Notizen können Sie der F&amp;A-Liste Anmerkungen hinzufügen.

Sie können zum Beispiel notieren, wozu die Liste dient, wie sie entstanden ist, wann sie aktualisiert werden soll usw.

Sie können dieser F&amp;A-Liste auch ein Thema zuordnen.</translation>
    </message>
    <message>
        <source>Brainlark will now show the current Q&amp;A-list in your default Internet browser.  <byte value="xd"/>
<byte value="xd"/>
You can use it to save the list as an HTML document, print it, send it to a friend, etc.</source>
        <translation>Brainlark zeigt die aktuelle F&amp;A-Liste jetzt in Ihrem Standard-Webbrowser.

Dort können Sie die Liste als HTML-Dokument speichern, ausdrucken, einem Freund schicken usw.</translation>
    </message>
    <message>
        <source>Brainlark will now reverse questions and answers. <byte value="xd"/>
<byte value="xd"/>
Use this feature for even better memorization.<byte value="xd"/>
<byte value="xd"/>
You can also use the Smart Counter to reverse questions and answers automatically.</source>
        <translation>Brainlark vertauscht jetzt Fragen und Antworten.

So prägen Sie sich den Stoff noch besser ein.

Sie können Fragen und Antworten auch mit dem Smart Counter automatisch vertauschen lassen.</translation>
    </message>
    <message>
        <source>Brainlark will now print a set of flashcards for this Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
The flashcards will be printed on %d pages. <byte value="xd"/>
<byte value="xd"/>
&gt; &gt; &gt; Would you like to continue?</source>
        <translation>Brainlark druckt jetzt Karteikarten für diese F&amp;A-Liste.

Die Karteikarten werden auf %d Seiten gedruckt.

&gt; &gt; &gt; Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The slideshow will start now.<byte value="xd"/>
<byte value="xd"/>
Sit back, relax and start absorbing the information you need to learn. <byte value="xd"/>
<byte value="xd"/>
To stop at any time during the slideshow, simply click again on the same button.</source>
        <translation>Die Diashow beginnt jetzt.

Lehnen Sie sich zurück, entspannen Sie sich und nehmen Sie den Lernstoff in sich auf.

Um die Diashow jederzeit zu beenden, klicken Sie einfach noch einmal auf dieselbe Schaltfläche.</translation>
    </message>
    <message>
        <source>Once a Q&amp;A-list has been created or edited, it should be saved.<byte value="xd"/>
<byte value="xd"/>
If you have just created a new Q&amp;A-list, Brainlark will ask you to give a name to the new list. <byte value="xd"/>
<byte value="xd"/>
Please note that Q&amp;A-list name should not contain any special characters (such as &apos;?&apos;, &apos;*&apos;, etc.).</source>
        <translation>Eine neu erstellte oder bearbeitete F&amp;A-Liste sollte gespeichert werden.

Wenn Sie gerade eine neue F&amp;A-Liste erstellt haben, fragt Brainlark nach einem Namen für die Liste.

Bitte beachten Sie, dass der Name einer F&amp;A-Liste keine Sonderzeichen (wie &apos;?&apos;, &apos;*&apos; usw.) enthalten darf.</translation>
    </message>
    <message>
        <source>This feature allows you to insert Q&amp;A-pairs from a text file. <byte value="xd"/>
<byte value="xd"/>
Use it if you already have a list of questions and answers in a text file format, or you just prefer to enter all the data using a text editor (such as Notepad).</source>
        <translation>Mit dieser Funktion fügen Sie F&amp;A-Paare aus einer Textdatei ein.

Nutzen Sie sie, wenn Sie schon eine Liste mit Fragen und Antworten als Textdatei haben oder die Daten lieber in einem Texteditor eingeben.</translation>
    </message>
    <message>
        <source>Smart Counter shows the total number of correct answers.  <byte value="xd"/>
<byte value="xd"/>
But that&apos;s not all!  It can also congratulate you after a certain number of correct answers.  Plus, you can set it up to periodically reverse questions and answers.</source>
        <translation>Der Smart Counter zeigt die Gesamtzahl der richtigen Antworten.

Und nicht nur das! Er kann Ihnen nach einer bestimmten Zahl richtiger Antworten gratulieren. Außerdem können Sie ihn so einstellen, dass er Fragen und Antworten regelmäßig vertauscht.</translation>
    </message>
    <message>
        <source>If you have a PDA running Palm OS, you can study even if you are away from your PC, thanks to our new Brainlark for Palm.<byte value="xd"/>
<byte value="xd"/>
All you need to do is install Brainlark for Palm on your PDA and export the desired Q&amp;A-list(s) in Palm format.<byte value="xd"/>
<byte value="xd"/>
To get the latest version of Brainlark for Palm, make sure your Internet connection is active and go to &quot;Web&quot;&gt;&quot;Get Brainlark for Palm OS&quot;.</source>
        <translation>Wenn Sie einen PDA mit Palm OS haben, können Sie dank unseres neuen Brainlark für Palm auch unterwegs lernen.

Installieren Sie dazu Brainlark für Palm auf Ihrem PDA und exportieren Sie die gewünschten F&amp;A-Listen im Palm-Format.

Die neueste Version von Brainlark für Palm erhalten Sie bei aktiver Internetverbindung über &quot;Web&quot;&gt;&quot;Brainlark für Palm OS holen&quot;.</translation>
    </message>
    <message>
        <source>The next dialog will allow you to change Question, Answer or Flashcard font.<byte value="xd"/>
<byte value="xd"/>
Please remember that if the font you choose is too big or too small, the quiz screen will become difficult or even impossible to read.<byte value="xd"/>
<byte value="xd"/>
If you want to return to the pre-set fonts, simply click on the Reset button.</source>
        <translation>Im nächsten Dialog können Sie die Schriftart für Frage, Antwort oder Karteikarte ändern.

Bedenken Sie: Ist die gewählte Schrift zu groß oder zu klein, wird der Quiz-Bildschirm schwer oder gar nicht mehr lesbar.

Um zu den voreingestellten Schriftarten zurückzukehren, klicken Sie einfach auf die Schaltfläche zum Zurücksetzen.</translation>
    </message>
    <message>
        <source>This will open an Internet page.<byte value="xd"/>
<byte value="xd"/>
If you receive an error, please make sure that your computer is connected to the Internet and try again.</source>
        <translation>Jetzt wird eine Internetseite geöffnet.

Wenn ein Fehler erscheint, prüfen Sie bitte, ob Ihr Computer mit dem Internet verbunden ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The Question Notes feature allows you to add several lines of text to every Q&amp;A-pair.  Using this field is a great way to include helpful hints, fun facts or any other information. <byte value="xd"/>
<byte value="xd"/>
For example, if you are learning historical dates, include the names of people associated with a historical event.  The possibilities are endless! <byte value="xd"/>
<byte value="xd"/>
To add or edit a note, open the Editor and double-click on the relevant line.  You will see the Q&amp;A-pair Details dialog with the Notes box at the bottom.</source>
        <translation>Mit Fragennotizen können Sie jedem F&amp;A-Paar mehrere Zeilen Text hinzufügen. Das Feld eignet sich hervorragend für hilfreiche Hinweise, interessante Fakten oder andere Informationen.

Wenn Sie zum Beispiel Geschichtsdaten lernen, notieren Sie die Namen der Personen, die mit einem Ereignis verbunden sind. Die Möglichkeiten sind endlos!

Um eine Notiz hinzuzufügen oder zu bearbeiten, öffnen Sie den Editor und doppelklicken Sie auf die betreffende Zeile. Es erscheint der Dialog mit den Details des F&amp;A-Paars, unten mit dem Notizfeld.</translation>
    </message>
    <message>
        <source>The current Q&amp;A-list does not contain any predefined wrong answers, therefore the multiple-choice and yes/no questions will be constructed using only random answers.</source>
        <translation>Die aktuelle F&amp;A-Liste enthält keine vorgegebenen falschen Antworten; Multiple-Choice- und Ja/Nein-Fragen werden daher nur mit zufälligen Antworten gebildet.</translation>
    </message>
    <message>
        <source>The Question and/or Answer may be too long to fit into the quiz screen.  If this is the case, changing the font(s) is recommended.</source>
        <translation>Frage und/oder Antwort passen womöglich nicht auf den Quiz-Bildschirm. In diesem Fall empfiehlt es sich, die Schriftart(en) zu ändern.</translation>
    </message>
    <message>
        <source>This feature was designed primarily for those teachers who want to use paper tests in addition to regular computer exercises with Brainlark.<byte value="xd"/>
<byte value="xd"/>
The tests are created in RTF format, which means that they can be opened in MS Word and many other popular programs.<byte value="xd"/>
<byte value="xd"/>
For easy reference, the file names of the printable tests contain unique time identifiers.</source>
        <translation>Diese Funktion ist vor allem für Lehrkräfte gedacht, die zusätzlich zu den Übungen am Computer mit Brainlark Tests auf Papier einsetzen möchten.

Die Tests werden im RTF-Format erstellt und lassen sich daher in MS Word und vielen anderen verbreiteten Programmen öffnen.

Damit Sie sie leicht wiederfinden, enthalten die Dateinamen der Testbögen einen eindeutigen Zeitstempel.</translation>
    </message>
    <message>
        <source>This will open the folder containing Q&amp;A-lists.  <byte value="xd"/>
<byte value="xd"/>
You can send these lists as email attachments, copy them, etc.</source>
        <translation>Jetzt wird der Ordner mit den F&amp;A-Listen geöffnet.

Sie können diese Listen als E-Mail-Anhang verschicken, kopieren usw.</translation>
    </message>
</context>
<context>
    <name>brainlark::HelpWindow</name>
    <message>
        <source>Brainlark Help</source>
        <translation>Brainlark-Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>&amp;Vor &gt;</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Vor (Alt+Rechts)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>The start of the help</source>
        <translation>Der Anfang der Hilfe</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Brainlark looked for them in %1.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Hilfeseiten fehlen&lt;/h2&gt;&lt;p&gt;Brainlark hat sie in %1 gesucht.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryCommands</name>
    <message>
        <source>History waiting</source>
        <translation>Verlauf wartet</translation>
    </message>
    <message>
        <source>History not recorded</source>
        <translation>Verlauf nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>Upgrading history %1 %</source>
        <translation>Verlauf wird aktualisiert: %1 %</translation>
    </message>
    <message>
        <source>The study history is being upgraded for this version; answers given meanwhile are kept and written when it is done.</source>
        <translation>Der Lernverlauf wird für diese Version aktualisiert; Antworten aus der Zwischenzeit werden aufbewahrt und danach geschrieben.</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryRecorder</name>
    <message>
        <source>Study history is not being recorded: %1</source>
        <translation>Der Lernverlauf wird nicht aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>Study history is waiting: %1. %2 answers are kept and written as soon as it can take them.</source>
        <translation>Der Lernverlauf wartet: %1. %2 Antworten werden aufbewahrt und geschrieben, sobald er sie aufnehmen kann.</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryStore</name>
    <message>
        <source>the database %1 is locked by another program</source>
        <translation>die Datenbank %1 ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the database %1 cannot be written</source>
        <translation>die Datenbank %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is not a history database</source>
        <translation>%1 ist keine Verlaufsdatenbank</translation>
    </message>
    <message>
        <source>the database %1 cannot be opened</source>
        <translation>die Datenbank %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the history is being upgraded</source>
        <translation>der Verlauf wird gerade aktualisiert</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Brainlark</source>
        <translation>der Verlauf wurde von einer neueren Version von Brainlark geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a history database (it holds tables of another program)</source>
        <translation>%1 ist keine Verlaufsdatenbank (sie enthält Tabellen eines anderen Programms)</translation>
    </message>
    <message>
        <source>the upgrade of the history was stopped</source>
        <translation>die Aktualisierung des Verlaufs wurde abgebrochen</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>der Verlauf ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>brainlark::HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt
Speicher oder andere Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, weil andere DDE-Transaktionen
bearbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit dieser Dateiendung ist
kein Programm verknüpft.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek (DLL) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>brainlark::ImageLayer</name>
    <message>
        <source>PCX file too large</source>
        <translation>PCX-Datei zu groß</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>das Bild ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>unknown picture type</source>
        <translation>unbekannter Bildtyp</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportReader</name>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>no separator</source>
        <translation>kein Trennzeichen</translation>
    </message>
    <message>
        <source>empty question</source>
        <translation>leere Frage</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>leere Antwort</translation>
    </message>
    <message>
        <source>quote not closed</source>
        <translation>Anführungszeichen nicht geschlossen</translation>
    </message>
    <message>
        <source>header line</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>longer than 1 MB</source>
        <translation>länger als 1 MB</translation>
    </message>
    <message>
        <source>after the empty line that ends the file</source>
        <translation>nach der Leerzeile, die die Datei beendet</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportWizard</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Falsche Antwort</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignoriert</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs</source>
        <translation>F&amp;A-Paare importieren</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Tab-separated (TSV)</source>
        <translation>Tabulatorgetrennt (TSV)</translation>
    </message>
    <message>
        <source>Comma-separated (CSV)</source>
        <translation>Kommagetrennt (CSV)</translation>
    </message>
    <message>
        <source>Brainlark lines (@)</source>
        <translation>Brainlark-Zeilen (@)</translation>
    </message>
    <message>
        <source>First line holds column &amp;names</source>
        <translation>Erste Zeile enthält Spalten&amp;namen</translation>
    </message>
    <message>
        <source>Checked, the first line is skipped; it is checked by itself when the line looks like column names (&quot;Front, Back&quot;) or unlike the lines below it.</source>
        <translation>Angekreuzt wird die erste Zeile übersprungen; das Kreuz wird von selbst gesetzt, wenn die Zeile wie Spaltennamen aussieht („Vorderseite, Rückseite“) oder anders als die Zeilen darunter.</translation>
    </message>
    <message>
        <source>Keep &amp;HTML as it is</source>
        <translation>&amp;HTML unverändert lassen</translation>
    </message>
    <message>
        <source>Unchecked, fields with HTML tags or entities become plain text with line breaks.</source>
        <translation>Nicht angekreuzt werden Felder mit HTML-Tags oder -Entitäten zu reinem Text mit Zeilenumbrüchen.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Sounds and pictures not imported</source>
        <translation>Nicht importierte Klänge und Bilder</translation>
    </message>
    <message>
        <source>S&amp;kipped lines</source>
        <translation>Übersprungene &amp;Zeilen</translation>
    </message>
    <message>
        <source>So&amp;unds and pictures not found</source>
        <translation>Nicht gef&amp;undene Klänge und Bilder</translation>
    </message>
    <message>
        <source>&amp;Deck:</source>
        <translation>Sta&amp;pel:</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>Notiza&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;Question field:</source>
        <translation>&amp;Fragefeld:</translation>
    </message>
    <message>
        <source>&amp;Answer field:</source>
        <translation>&amp;Antwortfeld:</translation>
    </message>
    <message>
        <source>One &amp;list per deck</source>
        <translation>Eine &amp;Liste je Stapel</translation>
    </message>
    <message>
        <source>Checked, each deck becomes a list of its own in the program&apos;s data folder, named after the deck, with the top deck as its subject.</source>
        <translation>Angekreuzt wird jeder Stapel zu einer eigenen Liste im Datenordner des Programms, benannt nach dem Stapel, mit dem obersten Stapel als Thema.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Datei wird gelesen</translation>
    </message>
    <message>
        <source>S&amp;top Reading</source>
        <translation>Lesen a&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Each column becomes:</source>
        <translation>Jede Spalte wird zu:</translation>
    </message>
    <message>
        <source>&amp;Preview of the first %1 pairs</source>
        <translation>&amp;Vorschau der ersten %1 Paare</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;All files (*)</source>
        <translation>Textdateien, Stapelpakete und Vokabulare (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a list of pairs.</source>
        <translation>Die Datei ist zu groß für eine Liste von Paaren.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Datei wird gelesen...</translation>
    </message>
    <message>
        <source>All decks in one list</source>
        <translation>Alle Stapel in einer Liste</translation>
    </message>
    <message>
        <source>All lessons in one list</source>
        <translation>Alle Lektionen in einer Liste</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 becomes</source>
        <translation>Spalte %1 wird zu</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Zeile %1: %2: %3</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 Paare</translation>
    </message>
    <message numerus="yes">
        <source>, %1 lines skipped</source>
        <translation>
            <numerusform>, %1 Zeile übersprungen</numerusform>
            <numerusform>, %1 Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>, column %1 ignored</source>
        <translation>, Spalte %1 ignoriert</translation>
    </message>
    <message>
        <source>, columns %1 ignored</source>
        <translation>, Spalten %1 ignoriert</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fields turned from HTML into plain text</source>
        <translation>
            <numerusform>, %1 Feld von HTML in reinen Text umgewandelt</numerusform>
            <numerusform>, %1 Felder von HTML in reinen Text umgewandelt</numerusform>
        </translation>
    </message>
    <message>
        <source>, sounds and pictures: %1 found beside the file, %2 not found</source>
        <translation>, Klänge und Bilder: %1 neben der Datei gefunden, %2 nicht gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%1 notes in %2 decks: %3</source>
        <translation>
            <numerusform>%1 Notiz in %2 Stapeln: %3</numerusform>
            <numerusform>%1 Notizen in %2 Stapeln: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped; in the part read: %1. Import reads the whole file.</source>
        <translation>Lesen abgebrochen; im gelesenen Teil: %1. Der Import liest die ganze Datei.</translation>
    </message>
    <message>
        <source>In the first %1 KB of %2 KB: %3. Import reads the whole file.</source>
        <translation>In den ersten %1 KB von %2 KB: %3. Der Import liest die ganze Datei.</translation>
    </message>
    <message>
        <source>. A quiz needs at least %1 pairs; the editor takes fewer.</source>
        <translation>. Ein Quiz braucht mindestens %1 Paare; der Editor nimmt auch weniger.</translation>
    </message>
    <message>
        <source>Choose a text file to import.</source>
        <translation>Wählen Sie eine Textdatei zum Importieren.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Komma ,</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Semikolon ;</translation>
    </message>
    <message>
        <source>At sign @</source>
        <translation>At-Zeichen @</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Senkrechter Strich |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Doppelpunkt :</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation>Übersprungene Zeilen</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPage</name>
    <message>
        <source>Layout Style (multiple-choice)</source>
        <translation>Layout (Multiple Choice)</translation>
    </message>
    <message>
        <source>&amp;Transparent boxes</source>
        <translation>&amp;Transparente Kästchen</translation>
    </message>
    <message>
        <source>R&amp;ound Corners</source>
        <translation>&amp;Runde Ecken</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>Boxes-&amp;1</source>
        <translation>Kästchen-&amp;1</translation>
    </message>
    <message>
        <source>Boxes-&amp;2</source>
        <translation>Kästchen-&amp;2</translation>
    </message>
    <message>
        <source>Boxes-&amp;3</source>
        <translation>Kästchen-&amp;3</translation>
    </message>
    <message>
        <source>Boxes-&amp;4</source>
        <translation>Kästchen-&amp;4</translation>
    </message>
    <message>
        <source>&amp;Random Boxes</source>
        <translation>&amp;Zufällige Kästchen</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPreviews</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ListDocument</name>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Die Datei %1 enthält leider keine gültige F&amp;A-Liste.</translation>
    </message>
    <message>
        <source>Sorry, Brainlark is unable to open this Q&amp;A-list.

%1

We apologize for the inconvenience!

In order to be able to open this Q&amp;A-list, please download 
and install the latest version of Brainlark from %2.

Would you like to open the download page now?</source>
        <translation>Brainlark kann diese F&amp;A-Liste leider nicht öffnen.

%1

Bitte entschuldigen Sie die Unannehmlichkeiten!

Um diese F&amp;A-Liste öffnen zu können, laden Sie bitte 
die neueste Version von Brainlark von %2 herunter und installieren Sie sie.

Möchten Sie die Download-Seite jetzt öffnen?</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>Die Datei ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Open another Q&amp;A-list anyway?</source>
        <translation>Die Statistik von %1 konnte nicht gespeichert werden:
%2

Trotzdem eine andere F&amp;A-Liste öffnen?</translation>
    </message>
    <message>
        <source>At least %1 question&amp;answer pairs are required to generate a quiz. This Q&amp;A-list does not have enough entries for a quiz, but you still can edit it. </source>
        <translation>Für ein Quiz sind mindestens %1 Frage-Antwort-Paare nötig. Diese F&amp;A-Liste hat nicht genug Einträge für ein Quiz, Sie können sie aber bearbeiten. </translation>
    </message>
    <message>
        <source>The previous version of %1 could not be backed up:
%2

Save the Q&amp;A-list anyway?</source>
        <translation>Die vorige Version von %1 konnte nicht gesichert werden:
%2

F&amp;A-Liste trotzdem speichern?</translation>
    </message>
    <message>
        <source>Could not restore the Q&amp;A-list.

%1</source>
        <translation>Die F&amp;A-Liste konnte nicht wiederhergestellt werden.

%1</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>F&amp;A-Liste speichern</translation>
    </message>
    <message>
        <source>Flash Card files (*.fly)</source>
        <translation>Karteikarten-Dateien (*.fly)</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

%1</source>
        <translation>Die F&amp;A-Liste konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: permission denied.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>Please make sure you drop only .fly files into this program
%1</source>
        <translation>Bitte ziehen Sie nur .fly-Dateien in dieses Programm
%1</translation>
    </message>
    <message>
        <source>The Q&amp;A-list %1 is empty.</source>
        <translation>Die F&amp;A-Liste %1 ist leer.</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>F&amp;A-Liste im Textformat importieren</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>KVTML vocabularies (*.kvtml)</source>
        <translation>KVTML-Vokabulare (*.kvtml)</translation>
    </message>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Tabulatorgetrennter Text (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list</source>
        <translation>F&amp;A-Liste exportieren</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>brainlark::ListNameDialog</name>
    <message>
        <source>Save Q&amp;A-list</source>
        <translation>F&amp;A-Liste speichern</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list Name:</source>
        <translation>Name der F&amp;&amp;A-Liste:</translation>
    </message>
</context>
<context>
    <name>brainlark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export to File</source>
        <translation>In Datei &amp;exportieren</translation>
    </message>
    <message>
        <source>Printable &amp;Tests</source>
        <translation>&amp;Testbögen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Quiz</translation>
    </message>
    <message>
        <source>&amp;Question Selection</source>
        <translation>&amp;Fragenauswahl</translation>
    </message>
    <message>
        <source>&amp;Answer Selection</source>
        <translation>&amp;Antwortauswahl</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>S&amp;ort by</source>
        <translation>Sortieren &amp;nach</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Betrachter</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Saved to %1 (no program could open it)</source>
        <translation>Gespeichert unter %1 (kein Programm konnte die Datei öffnen)</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with File &gt; Select study module.</source>
        <translation>Wählen Sie eine F&amp;A-Liste mit Datei &gt; Lernmodul auswählen.</translation>
    </message>
    <message>
        <source>A quiz needs at least %1 Q&amp;A pairs.</source>
        <translation>Ein Quiz braucht mindestens %1 F&amp;A-Paare.</translation>
    </message>
    <message>
        <source>Press Start</source>
        <translation>Drücken Sie Start</translation>
    </message>
    <message>
        <source>The quiz screen comes with a later version of Brainlark.</source>
        <translation>Der Quiz-Bildschirm kommt mit einer späteren Version von Brainlark.</translation>
    </message>
    <message>
        <source>Select Skin</source>
        <translation>Skin wählen</translation>
    </message>
    <message>
        <source>Go back to the quiz to open %1.</source>
        <translation>Gehen Sie zurück zum Quiz, um %1 zu öffnen.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Quit anyway?</source>
        <translation>Die Statistik von %1 konnte nicht gespeichert werden:
%2

Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Import Text File</source>
        <translation>Textdatei importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n of the sounds and pictures named in the file could not be imported.</source>
        <translation>
            <numerusform>%n der in der Datei genannten Klänge und Bilder konnte nicht importiert werden.</numerusform>
            <numerusform>%n der in der Datei genannten Klänge und Bilder konnten nicht importiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No deck holds the %1 pairs a quiz needs.</source>
        <translation>Kein Stapel enthält die %1 Paare, die ein Quiz braucht.</translation>
    </message>
    <message>
        <source>Lists made in the data folder: %1.</source>
        <translation>Im Datenordner erstellte Listen: %1.</translation>
    </message>
    <message>
        <source> Decks with fewer than %1 pairs were left out: %2.</source>
        <translation> Stapel mit weniger als %1 Paaren wurden ausgelassen: %2.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument erstellen</translation>
    </message>
    <message>
        <source>&amp;Select study module</source>
        <translation>Lernmodul &amp;auswählen</translation>
    </message>
    <message>
        <source>Select study module</source>
        <translation>Lernmodul auswählen</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-&amp;list</source>
        <translation>F&amp;&amp;A-Liste &amp;speichern</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>F&amp;A-Liste speichern</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-list &amp;As...</source>
        <translation>F&amp;&amp;A-Liste speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Q&amp;&amp;A-list...</source>
        <translation>F&amp;&amp;A-Liste &amp;importieren...</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>F&amp;A-Liste im Textformat importieren</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Put an earlier version of the Q&amp;A-list back</source>
        <translation>Eine frühere Version der F&amp;A-Liste zurückholen</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>Study history and statistics</source>
        <translation>Lernverlauf und Statistik</translation>
    </message>
    <message>
        <source>&amp;Export to Palm</source>
        <translation>Nach Palm &amp;exportieren</translation>
    </message>
    <message>
        <source>Export to Palm</source>
        <translation>Nach Palm exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;HTML</source>
        <translation>Als &amp;HTML exportieren</translation>
    </message>
    <message>
        <source>Show the Q&amp;A-list in your browser</source>
        <translation>Die F&amp;A-Liste im Browser zeigen</translation>
    </message>
    <message>
        <source>Export to &amp;Text File</source>
        <translation>Als &amp;Textdatei exportieren</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list to a text file</source>
        <translation>Die F&amp;A-Liste in eine Textdatei exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;BL Text File</source>
        <translation>Als &amp;BL-Textdatei exportieren</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list in the import format</source>
        <translation>Die F&amp;A-Liste im Importformat exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;KVTML Vocabulary (.kvtml)...</source>
        <translation>Als &amp;KVTML-Vokabular exportieren (.kvtml)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as a vocabulary for KWordQuiz and Parley</source>
        <translation>Die F&amp;A-Liste als Vokabular für KWordQuiz und Parley exportieren</translation>
    </message>
    <message>
        <source>Export to Tab-&amp;separated Text (.tsv)...</source>
        <translation>Als tabulator&amp;getrennten Text exportieren (.tsv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as tab-separated text for other trainers and spreadsheets</source>
        <translation>Die F&amp;A-Liste als tabulatorgetrennten Text für andere Trainer und Tabellenkalkulationen exportieren</translation>
    </message>
    <message>
        <source>Export to &amp;CSV (.csv)...</source>
        <translation>Als &amp;CSV exportieren (.csv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as comma-separated values for other trainers and spreadsheets</source>
        <translation>Die F&amp;A-Liste als kommagetrennte Werte für andere Trainer und Tabellenkalkulationen exportieren</translation>
    </message>
    <message>
        <source>S&amp;hare Q&amp;&amp;A-lists</source>
        <translation>F&amp;&amp;A-Listen tei&amp;len</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A-lists</source>
        <translation>Den Ordner der F&amp;A-Listen öffnen</translation>
    </message>
    <message>
        <source>&amp;Create Printable Test</source>
        <translation>Testbogen &amp;erstellen</translation>
    </message>
    <message>
        <source>Create a printable test</source>
        <translation>Einen Testbogen zum Ausdrucken erstellen</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the folder of the printable tests</source>
        <translation>Den Ordner der Testbögen öffnen</translation>
    </message>
    <message>
        <source>&amp;Image Folder</source>
        <translation>Bilder&amp;ordner</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A pictures</source>
        <translation>Den Ordner der F&amp;A-Bilder öffnen</translation>
    </message>
    <message>
        <source>So&amp;und Folder</source>
        <translation>&amp;Klangordner</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A sounds</source>
        <translation>Den Ordner der F&amp;A-Klänge öffnen</translation>
    </message>
    <message>
        <source>Print &amp;Flashcards...</source>
        <translation>Karteikarten &amp;drucken...</translation>
    </message>
    <message>
        <source>Print flashcards</source>
        <translation>Karteikarten drucken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dru&amp;cken...</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list</source>
        <translation>Die F&amp;A-Liste drucken</translation>
    </message>
    <message>
        <source>Print &amp;Direct</source>
        <translation>&amp;Direkt drucken</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list on the current printer</source>
        <translation>Die F&amp;A-Liste auf dem aktuellen Drucker drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Preview the printed Q&amp;A-list</source>
        <translation>Vorschau der gedruckten F&amp;A-Liste</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckeinrichtun&amp;g...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Brainlark</source>
        <translation>Brainlark beenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Change the options</source>
        <translation>Die Optionen ändern</translation>
    </message>
    <message>
        <source>&amp;Change Layout...</source>
        <translation>&amp;Layout ändern...</translation>
    </message>
    <message>
        <source>Change the layout of the quiz screen</source>
        <translation>Das Layout des Quiz-Bildschirms ändern</translation>
    </message>
    <message>
        <source>Student &amp;Data...</source>
        <translation>Lernenden&amp;daten...</translation>
    </message>
    <message>
        <source>Student name and Q&amp;A-list ratings</source>
        <translation>Name und Bewertungen der F&amp;A-Listen</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Viewer</source>
        <translation>F&amp;&amp;A-Listen-&amp;Betrachter</translation>
    </message>
    <message>
        <source>Q&amp;A-list Viewer</source>
        <translation>F&amp;A-Listen-Betrachter</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Editor</source>
        <translation>F&amp;&amp;A-Listen-&amp;Editor</translation>
    </message>
    <message>
        <source>Q&amp;A-list Editor</source>
        <translation>F&amp;A-Listen-Editor</translation>
    </message>
    <message>
        <source>&amp;New Q&amp;&amp;A-list</source>
        <translation>&amp;Neue F&amp;&amp;A-Liste</translation>
    </message>
    <message>
        <source>New Q&amp;A-list</source>
        <translation>Neue F&amp;A-Liste</translation>
    </message>
    <message>
        <source>&amp;Quiz Screen</source>
        <translation>&amp;Quiz-Bildschirm</translation>
    </message>
    <message>
        <source>Back to Quiz</source>
        <translation>Zurück zum Quiz</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Liest die Frage vor, und ihre Antwort, sobald sie bewertet ist</translation>
    </message>
    <message>
        <source>S&amp;lideshow</source>
        <translation>&amp;Diashow</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>&amp;Multiple-choice</source>
        <translation>&amp;Multiple Choice</translation>
    </message>
    <message>
        <source>Multiple-choice questions</source>
        <translation>Multiple-Choice-Fragen</translation>
    </message>
    <message>
        <source>&amp;True/False</source>
        <translation>&amp;Wahr/Falsch</translation>
    </message>
    <message>
        <source>True/False questions</source>
        <translation>Wahr/Falsch-Fragen</translation>
    </message>
    <message>
        <source>T&amp;ype-in</source>
        <translation>&amp;Eintippen</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Die Antwort eintippen</translation>
    </message>
    <message>
        <source>Matc&amp;hing</source>
        <translation>&amp;Zuordnen</translation>
    </message>
    <message>
        <source>Match questions and answers</source>
        <translation>Fragen und Antworten zuordnen</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>Ask the pairs you know least</source>
        <translation>Die Paare abfragen, die Sie am wenigsten können</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>&amp;Der Reihe nach</translation>
    </message>
    <message>
        <source>Ask the pairs in order</source>
        <translation>Die Paare der Reihe nach abfragen</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>Ask the pairs at random</source>
        <translation>Die Paare zufällig abfragen</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>&amp;Fällig (verteilte Wiederholung)</translation>
    </message>
    <message>
        <source>Ask the pairs due for review today, lowest recall chance first</source>
        <translation>Die heute fälligen Paare abfragen, die mit der geringsten Erinnerungswahrscheinlichkeit zuerst</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Vorgegeben</translation>
    </message>
    <message>
        <source>Use the predefined wrong answers</source>
        <translation>Die vorgegebenen falschen Antworten verwenden</translation>
    </message>
    <message>
        <source>Use random wrong answers</source>
        <translation>Zufällige falsche Antworten verwenden</translation>
    </message>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>&amp;Neue Frage animieren</translation>
    </message>
    <message>
        <source>Toggle new question animation</source>
        <translation>Animation neuer Fragen ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Select &amp;Background Picture</source>
        <translation>&amp;Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Open the folder of background pictures</source>
        <translation>Den Ordner der Hintergrundbilder öffnen</translation>
    </message>
    <message>
        <source>Select S&amp;kin...</source>
        <translation>S&amp;kin wählen...</translation>
    </message>
    <message>
        <source>Select a skin</source>
        <translation>Einen Skin wählen</translation>
    </message>
    <message>
        <source>Turn Skins O&amp;ff</source>
        <translation>Skins a&amp;usschalten</translation>
    </message>
    <message>
        <source>Turn skins off</source>
        <translation>Skins ausschalten</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Start Questions</source>
        <translation>Fragen starten</translation>
    </message>
    <message>
        <source>&amp;Flip questions</source>
        <translation>Fragen &amp;umkehren</translation>
    </message>
    <message>
        <source>Reverse questions and answers</source>
        <translation>Fragen und Antworten vertauschen</translation>
    </message>
    <message>
        <source>View no&amp;tes</source>
        <translation>No&amp;tizen anzeigen</translation>
    </message>
    <message>
        <source>View notes</source>
        <translation>Notizen anzeigen</translation>
    </message>
    <message>
        <source>M&amp;ute all Brainlark sounds</source>
        <translation>Alle Brainlark-Klänge s&amp;tummschalten</translation>
    </message>
    <message>
        <source>Mute all Brainlark sounds</source>
        <translation>Alle Brainlark-Klänge stummschalten</translation>
    </message>
    <message>
        <source>Turn Funny Soun&amp;ds on/off</source>
        <translation>&amp;Lustige Klänge ein/aus</translation>
    </message>
    <message>
        <source>Turn funny sounds on or off</source>
        <translation>Lustige Klänge ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Help for the quiz screen</source>
        <translation>Hilfe zum Quiz-Bildschirm</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add a Q&amp;A pair</source>
        <translation>Ein F&amp;A-Paar hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the Q&amp;A pair</source>
        <translation>Das F&amp;A-Paar löschen</translation>
    </message>
    <message>
        <source>&amp;Predefined Wrong Answers</source>
        <translation>&amp;Vorgegebene falsche Antworten</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Vorgegebene falsche Antworten</translation>
    </message>
    <message>
        <source>Notes and &amp;Subject</source>
        <translation>Notizen und &amp;Thema</translation>
    </message>
    <message>
        <source>Notes and subject</source>
        <translation>Notizen und Thema</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Insert from a text-file...</source>
        <translation>Aus Textdatei &amp;einfügen...</translation>
    </message>
    <message>
        <source>Insert Q&amp;A pairs from a text file</source>
        <translation>F&amp;A-Paare aus einer Textdatei einfügen</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A ra&amp;tings</source>
        <translation>F&amp;&amp;A-Bewertungen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the Q&amp;A-pair ratings</source>
        <translation>Die Bewertungen der F&amp;A-Paare zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone</source>
        <translation>Die rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find a question or answer</source>
        <translation>Eine Frage oder Antwort suchen</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Frage</translation>
    </message>
    <message>
        <source>Sort by the questions, as a click on the column header does</source>
        <translation>Nach den Fragen sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Antwort</translation>
    </message>
    <message>
        <source>Sort by the answers, as a click on the column header does</source>
        <translation>Nach den Antworten sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation>&amp;Bewertung</translation>
    </message>
    <message>
        <source>Sort by the ratings, as a click on the column header does</source>
        <translation>Nach den Bewertungen sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>Ri&amp;ght</source>
        <translation>&amp;Richtig</translation>
    </message>
    <message>
        <source>Sort by the right answers, as a click on the column header does</source>
        <translation>Nach den richtigen Antworten sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>Fals&amp;ch</translation>
    </message>
    <message>
        <source>Sort by the wrong answers, as a click on the column header does</source>
        <translation>Nach den falschen Antworten sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Gesamt</translation>
    </message>
    <message>
        <source>Sort by the answers given, as a click on the column header does</source>
        <translation>Nach den gegebenen Antworten sortieren, wie ein Klick auf den Spaltenkopf</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list viewer</source>
        <translation>Hilfe zum F&amp;A-Listen-Betrachter</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list editor</source>
        <translation>Hilfe zum F&amp;A-Listen-Editor</translation>
    </message>
    <message>
        <source>Imp&amp;ort Text File...</source>
        <translation>Textdatei &amp;importieren...</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs from a text file into a new Q&amp;A-list</source>
        <translation>F&amp;A-Paare aus einer Textdatei in eine neue F&amp;A-Liste importieren</translation>
    </message>
    <message>
        <source>Online &amp;Tutorials</source>
        <translation>Online-&amp;Anleitungen</translation>
    </message>
    <message>
        <source>Online tutorials</source>
        <translation>Online-Anleitungen</translation>
    </message>
    <message>
        <source>Download &amp;Video Tutorials</source>
        <translation>&amp;Video-Anleitungen herunterladen</translation>
    </message>
    <message>
        <source>Download video tutorials</source>
        <translation>Video-Anleitungen herunterladen</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Get Brainlark for &amp;Palm OS</source>
        <translation>Brainlark für &amp;Palm OS holen</translation>
    </message>
    <message>
        <source>Get the handheld edition</source>
        <translation>Die Handheld-Ausgabe holen</translation>
    </message>
    <message>
        <source>&amp;Free Downloads</source>
        <translation>&amp;Kostenlose Downloads</translation>
    </message>
    <message>
        <source>Free downloads</source>
        <translation>Kostenlose Downloads</translation>
    </message>
    <message>
        <source>&amp;News</source>
        <translation>&amp;Neuigkeiten</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Neuigkeiten</translation>
    </message>
    <message>
        <source>&amp;Recommend to a Friend</source>
        <translation>&amp;Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Recommend Brainlark to a friend</source>
        <translation>Brainlark einem Freund empfehlen</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>&amp;Umfrage</translation>
    </message>
    <message>
        <source>Take our survey</source>
        <translation>An unserer Umfrage teilnehmen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>How &amp;do I ...</source>
        <translation>&amp;Wie kann ich ...</translation>
    </message>
    <message>
        <source>How do I ...</source>
        <translation>Wie kann ich ...</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Tutorial</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>&amp;About Brainlark...</source>
        <translation>Ü&amp;ber Brainlark...</translation>
    </message>
    <message>
        <source>Program information and version</source>
        <translation>Programminformationen und Version</translation>
    </message>
    <message>
        <source>Debug dump</source>
        <translation>Debug-Ausgabe</translation>
    </message>
    <message>
        <source>this should not even be here</source>
        <translation>das sollte gar nicht hier sein</translation>
    </message>
    <message>
        <source>%1 - Brainlark</source>
        <translation>%1 - Brainlark</translation>
    </message>
    <message>
        <source>Skin files (*.skn)|*.skn|All Files (*.*)|*.*||</source>
        <translation>Skin-Dateien (*.skn)|*.skn|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Not available in this version yet</source>
        <translation>In dieser Version noch nicht verfügbar</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</source>
        <translation>Textdateien, Stapelpakete und Vokabulare (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Die Datei %1 enthält leider keine gültige F&amp;A-Liste.</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchGame</name>
    <message>
        <source>Please connect all the boxes.</source>
        <translation>Bitte verbinden Sie alle Kästchen.</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchScreen</name>
    <message>
        <source>Question %1 of %2: %3</source>
        <translation>Frage %1 von %2: %3</translation>
    </message>
    <message>
        <source>Answer %1 of %2: %3</source>
        <translation>Antwort %1 von %2: %3</translation>
    </message>
    <message>
        <source>, connected to answer %1</source>
        <translation>, verbunden mit Antwort %1</translation>
    </message>
    <message>
        <source>, connected to question %1</source>
        <translation>, verbunden mit Frage %1</translation>
    </message>
    <message>
        <source>, picked</source>
        <translation>, ausgewählt</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchingPage</name>
    <message>
        <source>Increase line width after wrong answer</source>
        <translation>Linie nach falscher Antwort verbreitern</translation>
    </message>
    <message>
        <source>Line colours</source>
        <translation>Linienfarben</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Anfangs</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Number of question/answer boxes</source>
        <translation>Anzahl der Frage-/Antwortkästchen</translation>
    </message>
    <message>
        <source>Line Colour</source>
        <translation>Linienfarbe</translation>
    </message>
</context>
<context>
    <name>brainlark::MediaBrowser</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Windows wave files (.wav)|*.wav|</source>
        <translation>Windows-WAV-Dateien (.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Bilddateien (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
    <message>
        <source>Please make sure that the WAV file is located under </source>
        <translation>Bitte achten Sie darauf, dass die WAV-Datei hier liegt: </translation>
    </message>
    <message>
        <source>Please make sure that the image file is located under </source>
        <translation>Bitte achten Sie darauf, dass die Bilddatei hier liegt: </translation>
    </message>
</context>
<context>
    <name>brainlark::Messages</name>
    <message>
        <source>The file declares entities in its document type (&lt;!ENTITY ...&gt;); vocabularies have none, and such a file can make a reader expand a few bytes to gigabytes, so it is not read.</source>
        <translation>Die Datei deklariert Entitäten in ihrer Dokumenttypdefinition (&lt;!ENTITY ...&gt;); Vokabulare haben keine, und eine solche Datei kann ein Leseprogramm wenige Bytes zu Gigabytes aufblähen lassen. Sie wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>This is an XML document but not a vocabulary: its root is &lt;%1&gt;, not &lt;kvtml&gt;.</source>
        <translation>Dies ist ein XML-Dokument, aber kein Vokabular: Sein Wurzelelement ist &lt;%1&gt;, nicht &lt;kvtml&gt;.</translation>
    </message>
    <message>
        <source>The vocabulary is of version %1; only version 2 is read. Open it in a vocabulary program and save it again to get version 2.</source>
        <translation>Das Vokabular hat die Version %1; gelesen wird nur Version 2. Öffnen Sie es in einem Vokabelprogramm und speichern Sie es erneut, um Version 2 zu erhalten.</translation>
    </message>
    <message>
        <source>The vocabulary is damaged: line %1, column %2: %3</source>
        <translation>Das Vokabular ist beschädigt: Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The file holds no vocabulary (no &lt;kvtml&gt; element).</source>
        <translation>Die Datei enthält kein Vokabular (kein &lt;kvtml&gt;-Element).</translation>
    </message>
    <message>
        <source>The vocabulary&apos;s lessons are nested more than %1 deep (line %2); it is not read.</source>
        <translation>Die Lektionen des Vokabulars sind tiefer als %1 Ebenen verschachtelt (Zeile %2); es wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The vocabulary has no language %1 (its languages: %2).</source>
        <translation>Das Vokabular hat keine Sprache %1 (seine Sprachen: %2).</translation>
    </message>
    <message>
        <source>The question and the answer must be two different languages.</source>
        <translation>Frage und Antwort müssen zwei verschiedene Sprachen sein.</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (its decks: %2).</source>
        <translation>Die Datei hat keinen Stapel und keine Lektion „%1“ (ihre Stapel: %2).</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (it has no decks).</source>
        <translation>Die Datei hat keinen Stapel und keine Lektion „%1“ (sie hat keine Stapel).</translation>
    </message>
    <message>
        <source>Could not read the file (%1).</source>
        <translation>Die Datei konnte nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>In Anki, export the deck again with &quot;Support older Anki versions&quot; checked and import that file.</source>
        <translation>Exportieren Sie den Stapel in Anki erneut mit der Option „Support older Anki versions“ und importieren Sie diese Datei.</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 ist keine SQLite-Datenbank: Das Paket ist beschädigt oder hat eine Form, die dieses Programm nicht kennt. %2</translation>
    </message>
    <message>
        <source>%1 holds no collection: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 enthält keine Sammlung: Das Paket ist beschädigt oder hat eine Form, die dieses Programm nicht kennt. %2</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, newer than this program reads (up to %3). %4</source>
        <translation>%1 hat die Sammlungsversion %2, neuer als dieses Programm liest (bis %3). %4</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, older than this program reads. Open it in a current Anki and export the deck from there.</source>
        <translation>%1 hat die Sammlungsversion %2, älter als dieses Programm liest. Öffnen Sie sie in einem aktuellen Anki und exportieren Sie den Stapel von dort.</translation>
    </message>
    <message>
        <source>%1 holds only a note asking for a newer Anki: the cards are in a newer form this package does not include. %2</source>
        <translation>%1 enthält nur eine Notiz, die nach einem neueren Anki verlangt: Die Karten liegen in einer neueren Form vor, die dieses Paket nicht enthält. %2</translation>
    </message>
    <message>
        <source>cannot read %1 as a deck package: %2</source>
        <translation>%1 kann nicht als Stapelpaket gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no collection (collection.anki21b, collection.anki21 or collection.anki2): it is not a deck package. %2</source>
        <translation>%1 enthält keine Sammlung (collection.anki21b, collection.anki21 oder collection.anki2): Es ist kein Stapelpaket. %2</translation>
    </message>
    <message>
        <source>%1 unpacks to more than the %2 bytes the archive declares; it is refused as damaged or hostile</source>
        <translation>%1 entpackt zu mehr als den %2 Bytes, die das Archiv angibt; es wird als beschädigt oder feindselig abgelehnt</translation>
    </message>
    <message>
        <source>%1 unpacks to %2 or more, more than the %3 a package may hold; it is refused as damaged or hostile</source>
        <translation>%1 entpackt zu %2 oder mehr, mehr als die %3, die ein Paket enthalten darf; es wird als beschädigt oder feindselig abgelehnt</translation>
    </message>
    <message>
        <source>The list needs %1 records; a Palm database holds at most %2.</source>
        <translation>Die Liste braucht %1 Datensätze; eine Palm-Datenbank fasst höchstens %2.</translation>
    </message>
    <message>
        <source>The records take more than the 4 GB a Palm database can address.</source>
        <translation>Die Datensätze brauchen mehr als die 4 GB, die eine Palm-Datenbank adressieren kann.</translation>
    </message>
    <message>
        <source>The list&apos;s name holds %1, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>Der Name der Liste enthält %1, das der Handheld (nur Windows-1252) nicht anzeigen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>„%1“ enthält %2, das der Handheld (nur Windows-1252) nicht anzeigen kann.</translation>
    </message>
    <message>
        <source>Pair %1: %2</source>
        <translation>Paar %1: %2</translation>
    </message>
    <message>
        <source>A wrong answer of pair %1: %2</source>
        <translation>Eine falsche Antwort von Paar %1: %2</translation>
    </message>
    <message>
        <source>Found a duplicate question: 
%1
Please rephrase or remove it from the quiz and export to Palm again.</source>
        <translation>Doppelte Frage gefunden: 
%1
Bitte formulieren Sie sie um oder entfernen Sie sie aus dem Quiz, und exportieren Sie dann erneut für Palm.</translation>
    </message>
    <message>
        <source>Sorry, could not create Palm Database file. 
%1</source>
        <translation>Die Palm-Datenbankdatei konnte leider nicht erstellt werden. 
%1</translation>
    </message>
    <message>
        <source>The most likely reason: folder %1 does not exist.</source>
        <translation>Der wahrscheinlichste Grund: Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Due to Palm OS limitations, the name of this Q&amp;A-list will be truncated to %1.

We apologize for the inconvenience.</source>
        <translation>Wegen der Grenzen von Palm OS wird der Name dieser F&amp;A-Liste auf %1 gekürzt.

Wir bitten um Entschuldigung.</translation>
    </message>
    <message>
        <source>Error exporting %1. 
P1 = %2 : %3 
P2 = %4 : %5</source>
        <translation>Fehler beim Exportieren von %1. 
P1 = %2 : %3 
P2 = %4 : %5</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>Please make sure that Q&amp;A-list name does not contain any &apos; %1 &apos; characters</source>
        <translation>Bitte achten Sie darauf, dass der Name der F&amp;A-Liste keine Zeichen &apos; %1 &apos; enthält</translation>
    </message>
    <message>
        <source>Another Q&amp;A-list with this name already exists.

Would you like to overwrite it?</source>
        <translation>Es gibt bereits eine andere F&amp;A-Liste mit diesem Namen.

Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>%1: not in the package</source>
        <translation>%1: nicht im Paket</translation>
    </message>
    <message>
        <source>%1: cannot unpack</source>
        <translation>%1: kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>%1: cannot write the unpacked copy</source>
        <translation>%1: die entpackte Kopie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: compressed data cut short</source>
        <translation>%1: komprimierte Daten abgeschnitten</translation>
    </message>
    <message>
        <source>cannot unpack the collection into a temporary folder</source>
        <translation>die Sammlung kann nicht in einen temporären Ordner entpackt werden</translation>
    </message>
    <message>
        <source>cannot make a temporary folder to unpack the collection</source>
        <translation>für das Entpacken der Sammlung kann kein temporärer Ordner angelegt werden</translation>
    </message>
    <message>
        <source>%1: cannot open the collection: %2</source>
        <translation>%1: die Sammlung kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the note types</source>
        <translation>%1: die Notiztypen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot read the note types&apos; fields</source>
        <translation>%1: die Felder der Notiztypen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot read the decks</source>
        <translation>%1: die Stapel können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot read the notes</source>
        <translation>%1: die Notizen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: cannot read the cards</source>
        <translation>%1: die Karten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>no package is open</source>
        <translation>kein Paket ist geöffnet</translation>
    </message>
    <message>
        <source>import cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>media list: not a JSON object</source>
        <translation>Medienliste: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>media list: entry %1 names no file</source>
        <translation>Medienliste: Eintrag %1 nennt keine Datei</translation>
    </message>
    <message>
        <source>media list: malformed</source>
        <translation>Medienliste: fehlerhaft</translation>
    </message>
    <message>
        <source>media list: malformed entry</source>
        <translation>Medienliste: fehlerhafter Eintrag</translation>
    </message>
    <message>
        <source>note types: not a JSON object</source>
        <translation>Notiztypen: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>decks: not a JSON object</source>
        <translation>Stapel: kein JSON-Objekt</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>unsupported PCX version %1</source>
        <translation>nicht unterstützte PCX-Version %1</translation>
    </message>
    <message>
        <source>unsupported PCX encoding %1</source>
        <translation>nicht unterstützte PCX-Kodierung %1</translation>
    </message>
    <message>
        <source>unsupported PCX format (%1 bits, %2 planes)</source>
        <translation>nicht unterstütztes PCX-Format (%1 Bit, %2 Ebenen)</translation>
    </message>
    <message>
        <source>invalid PCX picture size</source>
        <translation>ungültige PCX-Bildgröße</translation>
    </message>
    <message>
        <source>PCX picture too large (%1 x %2)</source>
        <translation>PCX-Bild zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>invalid PCX line length</source>
        <translation>ungültige PCX-Zeilenlänge</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>keine PCX-Datei</translation>
    </message>
    <message>
        <source>PCX data truncated</source>
        <translation>PCX-Daten abgeschnitten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>in %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>die Zugriffsrechte von %1 können nicht gesetzt werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>the link leads to a missing file</source>
        <translation>die Verknüpfung führt zu einer fehlenden Datei</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>not a backup</source>
        <translation>keine Sicherung</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>could not be copied into the program folder</source>
        <translation>konnte nicht in den Programmordner kopiert werden</translation>
    </message>
    <message>
        <source>not copied: the quiz shows BMP, JPEG, GIF and PCX pictures</source>
        <translation>nicht kopiert: das Quiz zeigt BMP-, JPEG-, GIF- und PCX-Bilder</translation>
    </message>
    <message>
        <source>not copied: the quiz plays WAV sounds</source>
        <translation>nicht kopiert: das Quiz spielt WAV-Klänge</translation>
    </message>
    <message>
        <source>refused: not a file name beside the import</source>
        <translation>abgelehnt: kein Dateiname neben der importierten Datei</translation>
    </message>
    <message>
        <source>not found beside the imported file</source>
        <translation>nicht neben der importierten Datei gefunden</translation>
    </message>
</context>
<context>
    <name>brainlark::NotesSubjectDialog</name>
    <message>
        <source>Edit Notes and Subject</source>
        <translation>Notizen und Thema bearbeiten</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes:</source>
        <translation>Notizen zur F&amp;A-Liste:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes</source>
        <translation>Notizen zur F&amp;A-Liste</translation>
    </message>
    <message>
        <source>Read &amp;questions in:</source>
        <translation>&amp;Fragen vorlesen auf:</translation>
    </message>
    <message>
        <source>Read a&amp;nswers in:</source>
        <translation>A&amp;ntworten vorlesen auf:</translation>
    </message>
</context>
<context>
    <name>brainlark::OptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Type-in Mode</source>
        <translation>Eintippen</translation>
    </message>
    <message>
        <source>Matching Mode</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>brainlark::PairDialog</name>
    <message>
        <source>Add/Edit Q&amp;A-pair</source>
        <translation>F&amp;A-Paar hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Switch to predefined wrong answers to this question</source>
        <translation>Zu den vorgegebenen falschen Antworten dieser Frage wechseln</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Klang:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Fragennotizen:</translation>
    </message>
    <message>
        <source>Question text</source>
        <translation>Fragetext</translation>
    </message>
    <message>
        <source>Question sound</source>
        <translation>Fragenklang</translation>
    </message>
    <message>
        <source>Question picture</source>
        <translation>Fragenbild</translation>
    </message>
    <message>
        <source>Answer text</source>
        <translation>Antworttext</translation>
    </message>
    <message>
        <source>Answer sound</source>
        <translation>Antwortklang</translation>
    </message>
    <message>
        <source>Question Notes</source>
        <translation>Fragennotizen</translation>
    </message>
</context>
<context>
    <name>brainlark::PairTableModel</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Rating </source>
        <translation>Bewertung </translation>
    </message>
    <message>
        <source>Right </source>
        <translation>Richtig </translation>
    </message>
    <message>
        <source>Wrong </source>
        <translation>Falsch </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
</context>
<context>
    <name>brainlark::PicturePreviewDialog</name>
    <message>
        <source>Picture Preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry, could not display the image ... </source>
        <translation>Das Bild kann leider nicht angezeigt werden ... </translation>
    </message>
</context>
<context>
    <name>brainlark::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown:
%2</source>
        <translation>Das Bild %1 kann nicht gezeigt werden:
%2</translation>
    </message>
    <message>
        <source>The picture %1 is missing.</source>
        <translation>Das Bild %1 fehlt.</translation>
    </message>
</context>
<context>
    <name>brainlark::PrintJobs</name>
    <message>
        <source>Could not open file %1

The flashcards are printed on this card picture, so nothing was printed.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.

Die Karteikarten werden auf dieses Kartenbild gedruckt, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The page is too small for the flashcards: each row needs 6 by 1.8 inches.

Please choose a larger paper size or smaller margins.</source>
        <translation>Die Seite ist zu klein für die Karteikarten: Jede Reihe braucht 6 mal 1,8 Zoll.

Bitte wählen Sie ein größeres Papierformat oder kleinere Ränder.</translation>
    </message>
    <message>
        <source>The page is too small for the Q&amp;A-list.

Please choose a larger paper size or smaller margins.</source>
        <translation>Die Seite ist zu klein für die F&amp;A-Liste.

Bitte wählen Sie ein größeres Papierformat oder kleinere Ränder.</translation>
    </message>
    <message>
        <source>%1 - Print Preview</source>
        <translation>%1 - Druckvorschau</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>Auf %1 konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>brainlark::ProgramFolder</name>
    <message>
        <source>Could not create the program folder %1</source>
        <translation>Der Programmordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>brainlark::QtPrompter</name>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Please enter the password for this Q&amp;&amp;A-list:</source>
        <translation>Bitte geben Sie das Passwort für diese F&amp;&amp;A-Liste ein:</translation>
    </message>
</context>
<context>
    <name>brainlark::QuestionNotesDialog</name>
    <message>
        <source>Question Notes</source>
        <translation>Fragennotizen</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizScreen</name>
    <message>
        <source>Try</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizSession</name>
    <message>
        <source>Sorry, questions and answers can not be reversed in the Predefined Answers mode.</source>
        <translation>Im Modus „Vorgegebene Antworten“ lassen sich Fragen und Antworten leider nicht vertauschen.</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizView</name>
    <message>
        <source>Press Start (or Enter) to begin the quiz.</source>
        <translation>Drücken Sie Start (oder die Eingabetaste), um das Quiz zu beginnen.</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with at least five pairs to start a quiz.</source>
        <translation>Wählen Sie eine F&amp;A-Liste mit mindestens fünf Paaren, um ein Quiz zu starten.</translation>
    </message>
    <message>
        <source>Nothing due today</source>
        <translation>Heute nichts fällig</translation>
    </message>
    <message>
        <source>Press Escape to stop the slideshow first.</source>
        <translation>Drücken Sie zuerst Escape, um die Diashow zu beenden.</translation>
    </message>
    <message>
        <source>Wait until the next question is on the screen.</source>
        <translation>Warten Sie, bis die nächste Frage auf dem Bildschirm ist.</translation>
    </message>
    <message>
        <source>Right: %1 - Wrong: %2</source>
        <translation>Richtig: %1 - Falsch: %2</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizViewMenu</name>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>&amp;Neue Frage animieren</translation>
    </message>
    <message>
        <source>&amp;Change Layout</source>
        <translation>&amp;Layout ändern</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>Hilfe&amp;themen</translation>
    </message>
    <message>
        <source>&amp;About Brainlark</source>
        <translation>Ü&amp;ber Brainlark</translation>
    </message>
    <message>
        <source>Sound Schemes</source>
        <translation>Klangschemata</translation>
    </message>
    <message>
        <source>Quiz Type</source>
        <translation>Quiz-Art</translation>
    </message>
    <message>
        <source>Multiple-choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>True/False</source>
        <translation>Wahr/Falsch</translation>
    </message>
    <message>
        <source>Type-in</source>
        <translation>Eintippen</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Question Selection</source>
        <translation>Fragenauswahl</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>&amp;Der Reihe nach</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>&amp;Fällig (verteilte Wiederholung)</translation>
    </message>
    <message>
        <source>Answer Selection</source>
        <translation>Antwortauswahl</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Vorgegeben</translation>
    </message>
    <message>
        <source>R&amp;andom</source>
        <translation>&amp;Zufällig</translation>
    </message>
</context>
<context>
    <name>brainlark::ReadAloud</name>
    <message>
        <source>Read aloud needs a speech engine: install speech-dispatcher or flite.</source>
        <translation>Vorlesen braucht eine Sprachausgabe: Installieren Sie speech-dispatcher oder flite.</translation>
    </message>
    <message>
        <source>No voice for %1 is installed.</source>
        <translation>Für %1 ist keine Stimme installiert.</translation>
    </message>
    <message>
        <source>No voice for %1 or %2 is installed.</source>
        <translation>Für %1 oder %2 ist keine Stimme installiert.</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Die Frage vorlesen und, sobald sie bewertet ist, ihre Antwort</translation>
    </message>
</context>
<context>
    <name>brainlark::RestoreBackupDialog</name>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 Paare</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>There are no backups of &quot;%1&quot; yet. A backup is kept each time the Q&amp;A-list is saved.</source>
        <translation>Von „%1“ gibt es noch keine Sicherungen. Bei jedem Speichern der F&amp;A-Liste wird eine Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Earlier versions of &quot;%1&quot;, newest first, with what restoring each would change in the present Q&amp;A-list. The chosen version replaces the Q&amp;A-list; the present one is kept as a backup first.</source>
        <translation>Frühere Versionen von „%1“, die neueste zuerst, jeweils mit dem, was die Wiederherstellung an der jetzigen F&amp;A-Liste ändern würde. Die gewählte Version ersetzt die F&amp;A-Liste; die jetzige wird vorher gesichert.</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>wird gelesen...</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versionen:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>statistics only</source>
        <translation>nur Statistik</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>notes, subject, password or wrong answers changed</source>
        <translation>Notizen, Thema, Passwort oder falsche Antworten geändert</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versionen</translation>
    </message>
</context>
<context>
    <name>brainlark::SlideshowTitle</name>
    <message>
        <source> Slideshow</source>
        <translation> Diashow</translation>
    </message>
</context>
<context>
    <name>brainlark::SmartCounterDialog</name>
    <message>
        <source>Smart Counter Settings</source>
        <translation>Smart-Counter-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Alert after every</source>
        <translation>&amp;Melden nach je</translation>
    </message>
    <message>
        <source>right answers</source>
        <translation>richtigen Antworten</translation>
    </message>
    <message>
        <source>When alerted ...</source>
        <translation>Beim Melden ...</translation>
    </message>
    <message>
        <source>&amp;Play upbeat music</source>
        <translation>&amp;Fröhliche Musik spielen</translation>
    </message>
    <message>
        <source>P&amp;lay animation</source>
        <translation>&amp;Animation zeigen</translation>
    </message>
    <message>
        <source>R&amp;everse questions and answers</source>
        <translation>Fragen und Antworten &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Reset Score</source>
        <translation>Punktestand &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Right answers between alerts</source>
        <translation>Richtige Antworten zwischen den Meldungen</translation>
    </message>
</context>
<context>
    <name>brainlark::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Statistics - %1</source>
        <translation>Statistik - %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Answers and accuracy per day</source>
        <translation>Antworten und Trefferquote pro Tag</translation>
    </message>
    <message>
        <source>Ratings of the pairs</source>
        <translation>Bewertungen der Paare</translation>
    </message>
    <message>
        <source>Time studied per day (all lists)</source>
        <translation>Lernzeit pro Tag (alle Listen)</translation>
    </message>
    <message>
        <source>Time studied per day</source>
        <translation>Lernzeit pro Tag</translation>
    </message>
    <message>
        <source>Reviews due in the next 30 days</source>
        <translation>Fällige Wiederholungen in den nächsten 30 Tagen</translation>
    </message>
    <message>
        <source>True retention per week</source>
        <translation>Tatsächliche Behaltensrate pro Woche</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>The ten weakest pairs</source>
        <translation>Die zehn schwächsten Paare</translation>
    </message>
    <message>
        <source>The ten &amp;weakest pairs</source>
        <translation>Die zehn &amp;schwächsten Paare</translation>
    </message>
    <message>
        <source>The study history cannot be read, so it is not shown and answers are not recorded: %1</source>
        <translation>Der Lernverlauf kann nicht gelesen werden; er wird daher nicht gezeigt, und Antworten werden nicht aufgezeichnet: %1</translation>
    </message>
    <message>
        <source>&amp;Export as PNG...</source>
        <translation>Als PNG &amp;exportieren...</translation>
    </message>
    <message>
        <source>Current streak: 1 day of study</source>
        <translation>Aktuelle Serie: 1 Lerntag</translation>
    </message>
    <message>
        <source>Current streak: %1 days of study</source>
        <translation>Aktuelle Serie: %1 Lerntage</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Fällige Paare</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Desired retention %1 %</source>
        <translation>Gewünschte Behaltensrate %1 %</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Trefferquote %</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Minutes studied</source>
        <translation>Gelernte Minuten</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>%1 - statistics</source>
        <translation>%1 - Statistik</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>%1 konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>brainlark::StudentDataDialog</name>
    <message>
        <source>Student Data</source>
        <translation>Lernendendaten</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A-list ratings</source>
        <translation>Bewertungen der F&amp;&amp;A-Liste zurücksetzen</translation>
    </message>
    <message>
        <source>Student Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>brainlark::StudyModuleSelector</name>
    <message>
        <source>Select study module</source>
        <translation>Lernmodul auswählen</translation>
    </message>
    <message>
        <source>Q&amp;A-list Name</source>
        <translation>Name der F&amp;A-Liste</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Zuletzt benutzt</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <source>Open &amp;Due Pairs</source>
        <translation>&amp;Fällige Paare öffnen</translation>
    </message>
    <message>
        <source>Open the list with the question selection Due (spaced repetition)</source>
        <translation>Die Liste mit der Fragenauswahl „Fällig (verteilte Wiederholung)“ öffnen</translation>
    </message>
    <message>
        <source>C&amp;hange Subject...</source>
        <translation>&amp;Thema ändern...</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list information</source>
        <translation>Angaben zur F&amp;&amp;A-Liste</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-lists found:</source>
        <translation>Gefundene F&amp;&amp;A-Listen:</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A pairs:</source>
        <translation>F&amp;&amp;A-Paare:</translation>
    </message>
    <message>
        <source>Predefined answers:</source>
        <translation>Vorgegebene Antworten:</translation>
    </message>
    <message>
        <source>Total answers:</source>
        <translation>Antworten insgesamt:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Trefferquote:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message numerus="yes">
        <source>%1 pairs due today, %2 within a week</source>
        <translation>
            <numerusform>%1 Paar heute fällig, %2 innerhalb einer Woche</numerusform>
            <numerusform>%1 Paare heute fällig, %2 innerhalb einer Woche</numerusform>
        </translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Thema ändern</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.</source>
        <translation>Die F&amp;A-Liste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Due today / week</source>
        <translation>Fällig heute / Woche</translation>
    </message>
    <message numerus="yes">
        <source>Due in all lists: %1 pairs today, %2 within a week</source>
        <translation>
            <numerusform>Fällig in allen Listen: %1 Paar heute, %2 innerhalb einer Woche</numerusform>
            <numerusform>Fällig in allen Listen: %1 Paare heute, %2 innerhalb einer Woche</numerusform>
        </translation>
    </message>
    <message>
        <source>Q&amp;A-lists</source>
        <translation>F&amp;A-Listen</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>brainlark::SubjectList</name>
    <message>
        <source>--- All ---</source>
        <translation>--- Alle ---</translation>
    </message>
    <message>
        <source>--- n/a ---</source>
        <translation>--- ohne Thema ---</translation>
    </message>
</context>
<context>
    <name>brainlark::TypeinPage</name>
    <message>
        <source>After wrong answer ...</source>
        <translation>Nach falscher Antwort ...</translation>
    </message>
    <message>
        <source>&amp;Keep trying</source>
        <translation>&amp;Weiter versuchen</translation>
    </message>
    <message>
        <source>&amp;Clear the answer field</source>
        <translation>Antwortfeld &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Show reminder card</source>
        <translation>&amp;Merkkarte zeigen</translation>
    </message>
    <message>
        <source>When checking answer ...</source>
        <translation>Beim Prüfen der Antwort ...</translation>
    </message>
    <message>
        <source>Ignore case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Ignore spaces</source>
        <translation>Leerzeichen ignorieren</translation>
    </message>
    <message>
        <source>Ignore punctuation</source>
        <translation>Satzzeichen ignorieren</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Text zentrieren</translation>
    </message>
    <message>
        <source>Pre-fill answer</source>
        <translation>Antwort vorausfüllen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>first and last character</source>
        <translation>erstes und letztes Zeichen</translation>
    </message>
    <message>
        <source>first and last of every word</source>
        <translation>erstes und letztes jedes Wortes</translation>
    </message>
    <message>
        <source>every other character</source>
        <translation>jedes zweite Zeichen</translation>
    </message>
    <message>
        <source>every third character</source>
        <translation>jedes dritte Zeichen</translation>
    </message>
    <message>
        <source>every forth character</source>
        <translation>jedes vierte Zeichen</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewNotesDialog</name>
    <message>
        <source>View Notes</source>
        <translation>Notizen anzeigen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewPairDialog</name>
    <message>
        <source>View Q&amp;A-pair</source>
        <translation>F&amp;A-Paar anzeigen</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Fragennotizen:</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Right Answers:</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>Wrong Answers:</source>
        <translation>Falsche Antworten:</translation>
    </message>
    <message>
        <source>Total Answers:</source>
        <translation>Antworten insgesamt:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Bewertung:</translation>
    </message>
</context>
<context>
    <name>brainlark::VisualPage</name>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>&amp;Show transition</source>
        <translation>Über&amp;gang zeigen</translation>
    </message>
    <message>
        <source>Show &amp;reminder card</source>
        <translation>&amp;Merkkarte zeigen</translation>
    </message>
    <message>
        <source>An&amp;imate new question</source>
        <translation>Neue Frage an&amp;imieren</translation>
    </message>
    <message>
        <source>&amp;Hide q/a text</source>
        <translation>F/A-Text &amp;ausblenden</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>suchen</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keins</translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation>&amp;Linien</translation>
    </message>
    <message>
        <source>Sq&amp;uares</source>
        <translation>&amp;Quadrate</translation>
    </message>
    <message>
        <source>&amp;Do not change</source>
        <translation>&amp;Nicht ändern</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>eigene</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Question Font</source>
        <translation>Schriftart der Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Answer Font</source>
        <translation>Schriftart der Antwort</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Flashcard Font</source>
        <translation>Schriftart der Karteikarte</translation>
    </message>
    <message>
        <source>Printed Card</source>
        <translation>Gedruckte Karte</translation>
    </message>
    <message>
        <source>Printed Flashcard Font</source>
        <translation>Schriftart der gedruckten Karteikarte</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Bilddateien (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
</context>
<context>
    <name>brainlark::WeightsFitDialog</name>
    <message>
        <source>Fit to my history</source>
        <translation>An meinen Verlauf anpassen</translation>
    </message>
    <message>
        <source>Reading your answers from the study history...</source>
        <translation>Ihre Antworten werden aus dem Lernverlauf gelesen...</translation>
    </message>
    <message>
        <source>Fitting the weights to your reviews...</source>
        <translation>Die Gewichte werden an Ihre Wiederholungen angepasst...</translation>
    </message>
    <message>
        <source>The study history cannot be read: %1.</source>
        <translation>Der Lernverlauf kann nicht gelesen werden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Your study history holds %1 reviews (first answers to a question); at least 1,000 are needed to fit the weights. The weights stay as they are.</source>
        <translation>
            <numerusform>Ihr Lernverlauf enthält %1 Wiederholung (erste Antwort auf eine Frage); für die Anpassung der Gewichte sind mindestens 1.000 nötig. Die Gewichte bleiben, wie sie sind.</numerusform>
            <numerusform>Ihr Lernverlauf enthält %1 Wiederholungen (erste Antworten auf eine Frage); für die Anpassung der Gewichte sind mindestens 1.000 nötig. Die Gewichte bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitted to %1 reviews of %2 pairs; %3 pairs were held back to judge the fit.

Judged on %4 later reviews of the pairs held back:
log-loss %5 with the default weights, %6 with the fitted ones;
RMSE %7 with the default weights, %8 with the fitted ones.

</source>
        <translation>Angepasst an %1 Wiederholungen von %2 Paaren; %3 Paare wurden zur Beurteilung zurückgehalten.

Beurteilt an %4 späteren Wiederholungen der zurückgehaltenen Paare:
Log-Loss %5 mit den Standardgewichten, %6 mit den angepassten;
RMSE %7 mit den Standardgewichten, %8 mit den angepassten.

</translation>
    </message>
    <message>
        <source>The fitted weights do not predict your answers better; the weights stay as they are.</source>
        <translation>Die angepassten Gewichte sagen Ihre Antworten nicht besser vorher; die Gewichte bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better and are used from now on.</source>
        <translation>Die angepassten Gewichte sagen Ihre Antworten besser vorher und werden ab jetzt verwendet.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better, but they could not be kept in the study history; the weights stay as they are.</source>
        <translation>Die angepassten Gewichte sagen Ihre Antworten besser vorher, konnten aber nicht im Lernverlauf gespeichert werden; die Gewichte bleiben, wie sie sind.</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswerDialog</name>
    <message>
        <source>Predefined Wrong Answer</source>
        <translation>Vorgegebene falsche Antwort</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Klang:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswersDialog</name>
    <message>
        <source>Predefined Wrong Answers</source>
        <translation>Vorgegebene falsche Antworten</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Wrong Answer</source>
        <translation>Falsche Antwort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this answer:

%1</source>
        <translation>Möchten Sie diese Antwort wirklich löschen:

%1</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Falsche Antworten</translation>
    </message>
</context>
</TS>
