<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>NothingDue</name>
    <message>
        <source>Nothing more is due in this list today.</source>
        <translation>Hoy no queda nada pendiente en esta lista.</translation>
    </message>
    <message>
        <source>Nothing more is due in this list today; the next pair is due on %1.</source>
        <translation>Hoy no queda nada pendiente en esta lista; la próxima pareja toca el %1.</translation>
    </message>
    <message>
        <source>

Go on with Smart Pick?</source>
        <translation>

¿Seguir con Smart Pick?</translation>
    </message>
</context>
<context>
    <name>QuizAccessible</name>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Sin unir</translation>
    </message>
    <message>
        <source>Connected to answer %1: %2</source>
        <translation>Unida a la respuesta %1: %2</translation>
    </message>
    <message>
        <source>Connected to question %1: %2</source>
        <translation>Unida a la pregunta %1: %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Wrong, the answer is %1</source>
        <translation>Incorrecto, la respuesta es %1</translation>
    </message>
    <message>
        <source>Quiz screen</source>
        <translation>Pantalla del cuestionario</translation>
    </message>
</context>
<context>
    <name>ReasonText</name>
    <message>
        <source>%1st</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message numerus="yes">
        <source>%n times</source>
        <translation>
            <numerusform>%n vez</numerusform>
            <numerusform>%n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>hace 1 día</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Due today, recall chance %1 %</source>
        <translation>Pendiente hoy, probabilidad de recuerdo %1 %</translation>
    </message>
    <message>
        <source>Due since 1 day, recall chance %1 %</source>
        <translation>Pendiente desde hace 1 día, probabilidad de recuerdo %1 %</translation>
    </message>
    <message numerus="yes">
        <source>Due since %n days, recall chance %1 %</source>
        <translation>
            <numerusform>Pendiente desde hace %n día, probabilidad de recuerdo %1 %</numerusform>
            <numerusform>Pendiente desde hace %n días, probabilidad de recuerdo %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating %1, the weakest</source>
        <translation>Valoración %1, la más débil</translation>
    </message>
    <message>
        <source>Rating %1, %2 weakest</source>
        <translation>Valoración %1, la %2 más débil</translation>
    </message>
    <message>
        <source>Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair was last reviewed %1 and fell due %2; its stability is %3 days and its difficulty %4 of 10, so the chance to recall it now is %5 %.</source>
        <translation>«Pendientes (repetición espaciada)» pregunta las parejas que tocan hoy, primero las de menor probabilidad de recuerdo. Esta pareja se repasó por última vez %1 y pasó a estar pendiente %2; su estabilidad es de %3 días y su dificultad de %4 sobre 10, así que la probabilidad de recordarla ahora es del %5 %.</translation>
    </message>
    <message>
        <source>the lowest</source>
        <translation>la más baja</translation>
    </message>
    <message>
        <source>the %1 lowest</source>
        <translation>la %1 más baja</translation>
    </message>
    <message>
        <source>Smart Pick asks one of the %1 lowest-rated pairs. This pair has the rating %2, %3 of %4 pairs; it was asked %5 and answered right %6 (wrong %7).</source>
        <translation>Smart Pick pregunta una de las %1 parejas peor valoradas. Esta pareja tiene la valoración %2, %3 de %4 parejas; se ha preguntado %5 y se ha respondido bien %6 (mal %7).</translation>
    </message>
</context>
<context>
    <name>SpeechLanguage</name>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danés</translation>
    </message>
    <message>
        <source>Norwegian Bokmål</source>
        <translation>Noruego (bokmål)</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finés</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgiano</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armenio</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latín</translation>
    </message>
</context>
<context>
    <name>brainlark::AboutDialog</name>
    <message>
        <source>About Brainlark</source>
        <translation>Acerca de Brainlark</translation>
    </message>
    <message>
        <source>Brainlark Version 4.0</source>
        <translation>Brainlark versión 4.0</translation>
    </message>
    <message>
        <source>Visit us on the Web!</source>
        <translation>¡Visítenos en la Web!</translation>
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
        <translation>Funciones:

- Cuestionarios ilimitados sobre cualquier tema
- Cuestionarios de opción múltiple, verdadero/falso, escritura y relacionar
- Smart Pick pregunta una y otra vez las parejas que menos sabe
- Presentación para aprender con calma
- Imágenes y sonidos para cada pareja P/R
- Notas para listas y parejas
- Edición sencilla en la tabla, importación de archivos de texto
- Informes HTML, pruebas para imprimir y exportación a texto
- Estadísticas y valoraciones de cada pareja
- Exportación a la edición para agenda electrónica</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>brainlark::AdvancedPage</name>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Show automatically</source>
        <translation>Mostrar automáticamente</translation>
    </message>
    <message>
        <source>Autoresize window</source>
        <translation>Ajustar la ventana</translation>
    </message>
    <message>
        <source>HTML export</source>
        <translation>Exportación HTML</translation>
    </message>
    <message>
        <source>Include statistics</source>
        <translation>Incluir estadísticas</translation>
    </message>
    <message>
        <source>Slideshow Mode</source>
        <translation>Modo presentación</translation>
    </message>
    <message>
        <source>&amp;Automatic (delay: </source>
        <translation>&amp;Automático (pausa: </translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>Orden a&amp;leatorio</translation>
    </message>
    <message>
        <source>Autoplay Sounds</source>
        <translation>Reproducir sonidos automáticamente</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Pregunta</translation>
    </message>
    <message>
        <source>A&amp;nswer</source>
        <translation>&amp;Respuesta</translation>
    </message>
    <message>
        <source>&amp;Play animations</source>
        <translation>Reproducir a&amp;nimaciones</translation>
    </message>
    <message>
        <source>&amp;Show title</source>
        <translation>Mostrar &amp;título</translation>
    </message>
    <message>
        <source>&amp;Delay answer</source>
        <translation>R&amp;etrasar la respuesta</translation>
    </message>
    <message>
        <source>seconds)</source>
        <translation>segundos)</translation>
    </message>
</context>
<context>
    <name>brainlark::Application</name>
    <message>
        <source>Another instance of this application already running!</source>
        <translation>¡Ya hay otra instancia de este programa en ejecución!</translation>
    </message>
</context>
<context>
    <name>brainlark::BackgroundPicture</name>
    <message>
        <source>Could not open %1</source>
        <translation>No se pudo abrir %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ChangeSubjectDialog</name>
    <message>
        <source>Change Subject</source>
        <translation>Cambiar de tema</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Current Subject:</source>
        <translation>Tema actual:</translation>
    </message>
    <message>
        <source>New Subject:</source>
        <translation>Tema nuevo:</translation>
    </message>
</context>
<context>
    <name>brainlark::Congratulation</name>
    <message>
        <source>* * * Great Job ! * * *</source>
        <translation>* * * ¡Muy bien! * * *</translation>
    </message>
    <message>
        <source>- - - Excellent ! - - -</source>
        <translation>- - - ¡Excelente! - - -</translation>
    </message>
    <message>
        <source>* Congratulations! *</source>
        <translation>* ¡Enhorabuena! *</translation>
    </message>
    <message>
        <source>~~~ Way to Go! ~~~</source>
        <translation>~~~ ¡Así se hace! ~~~</translation>
    </message>
    <message>
        <source>~*~ You&apos;re doing a great job! ~*~</source>
        <translation>~*~ ¡Lo está haciendo estupendamente! ~*~</translation>
    </message>
    <message>
        <source>^^^ Keep up the good work! ^^^</source>
        <translation>^^^ ¡Siga así! ^^^</translation>
    </message>
</context>
<context>
    <name>brainlark::DeletePairDialog</name>
    <message>
        <source>Delete this Q&amp;A-pair?</source>
        <translation>¿Eliminar esta pareja P/R?</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Q&amp;A-pair?</source>
        <translation>¿Seguro que desea eliminar esta pareja P/R?</translation>
    </message>
</context>
<context>
    <name>brainlark::EditPasswordDialog</name>
    <message>
        <source>Edit Password</source>
        <translation>Editar contraseña</translation>
    </message>
    <message>
        <source>Brainlark will ask you for this password when you switch to the Q&amp;A-list Editor, and before the Q&amp;A-list is exported or made into a printable test.</source>
        <translation>Brainlark le pedirá esta contraseña al pasar al editor de listas P/R y antes de exportar la lista P/R o convertirla en una prueba para imprimir.</translation>
    </message>
    <message>
        <source>Please make sure that you remember this password.</source>
        <translation>Asegúrese de recordar esta contraseña.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>brainlark::EventSounds</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <translation>Dibujos animados</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Cartoons-2</source>
        <translation>Dibujos animados 2</translation>
    </message>
</context>
<context>
    <name>brainlark::FontChooserDialog</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>brainlark::GeneralPage</name>
    <message>
        <source>&amp;Load last Q&amp;&amp;A-list</source>
        <translation>&amp;Cargar la última lista P/R</translation>
    </message>
    <message>
        <source>S&amp;tart quiz automatically</source>
        <translation>&amp;Iniciar el cuestionario automáticamente</translation>
    </message>
    <message>
        <source>Smart &amp;Counter</source>
        <translation>Smart C&amp;ounter</translation>
    </message>
    <message>
        <source>Enable &amp;automatic answers</source>
        <translation>Activar respuestas &amp;automáticas</translation>
    </message>
    <message>
        <source>Continue after wrong answer</source>
        <translation>Continuar tras una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Auto-Play q&amp;uestion sounds</source>
        <translation>Reproducir los sonidos de las preg&amp;untas</translation>
    </message>
    <message>
        <source>Play &amp;funny sounds</source>
        <translation>Reproducir &amp;sonidos divertidos</translation>
    </message>
    <message>
        <source>Question selection</source>
        <translation>Selección de preguntas</translation>
    </message>
    <message>
        <source>Smart Pick</source>
        <translation>Smart Pick</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Secuencial</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Due (spaced repetition)</source>
        <translation>Pendientes (repetición espaciada)</translation>
    </message>
    <message>
        <source>Spaced repetition</source>
        <translation>Repetición espaciada</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The recall chance at which Due asks a pair again: higher means more reviews and fewer pairs forgotten.</source>
        <translation>La probabilidad de recuerdo con la que «Pendientes» vuelve a preguntar una pareja: más alta significa más repasos y menos parejas olvidadas.</translation>
    </message>
    <message>
        <source>Desired &amp;retention:</source>
        <translation>&amp;Retención deseada:</translation>
    </message>
    <message>
        <source>&amp;Fit to my history...</source>
        <translation>A&amp;justar a mi historial...</translation>
    </message>
    <message>
        <source>Fits the spaced-repetition weights to your own answers (at least 1,000 reviews are needed); they are used only when they predict your answers better.</source>
        <translation>Ajusta los pesos de la repetición espaciada a sus propias respuestas (hacen falta al menos 1000 repasos); solo se usan si predicen mejor sus respuestas.</translation>
    </message>
    <message>
        <source>Answer selection</source>
        <translation>Selección de respuestas</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefinidas</translation>
    </message>
    <message>
        <source>Sound Scheme:</source>
        <translation>Tema de sonido:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Idio&amp;ma:</translation>
    </message>
    <message>
        <source>The language takes effect when Brainlark starts again.</source>
        <translation>El idioma se aplica la próxima vez que se inicie Brainlark.</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>Mostrar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Hide All</source>
        <translation>Ocultar to&amp;do</translation>
    </message>
    <message>
        <source>Brainlark Tips</source>
        <translation>Consejos de Brainlark</translation>
    </message>
    <message>
        <source>Would you like to enable all Brainlark tips?</source>
        <translation>¿Desea activar todos los consejos de Brainlark?</translation>
    </message>
    <message>
        <source>Would you like to disable all Brainlark tips?</source>
        <translation>¿Desea desactivar todos los consejos de Brainlark?</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Lectura en voz alta</translation>
    </message>
    <message>
        <source>Read &amp;questions as they appear</source>
        <translation>Leer las &amp;preguntas al aparecer</translation>
    </message>
    <message>
        <source>Read a&amp;nswers once known</source>
        <translation>Leer las r&amp;espuestas después</translation>
    </message>
    <message>
        <source>How fast the voice reads: slower to the left, faster to the right.</source>
        <translation>La velocidad de la voz: más lenta a la izquierda, más rápida a la derecha.</translation>
    </message>
    <message>
        <source>Rat&amp;e:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
</context>
<context>
    <name>brainlark::GridView</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Find in questions and answers</source>
        <translation>Buscar en preguntas y respuestas</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Edit Q&amp;A-pair</source>
        <translation>Editar pareja P/R</translation>
    </message>
    <message>
        <source>Add Q&amp;A-pair</source>
        <translation>Añadir pareja P/R</translation>
    </message>
    <message>
        <source>Delete Q&amp;A-pair</source>
        <translation>Eliminar pareja P/R</translation>
    </message>
    <message>
        <source>Reset ratings</source>
        <translation>Restablecer valoraciones</translation>
    </message>
    <message>
        <source>Insert from a text-file</source>
        <translation>Insertar desde un archivo de texto</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Respuestas incorrectas predefinidas</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 pareja</translation>
    </message>
    <message numerus="yes">
        <source>%n pairs</source>
        <translation>
            <numerusform>%n pareja</numerusform>
            <numerusform>%n parejas</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Lo sentimos, el archivo %1 no contiene una lista P/R válida.</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

Please try another name</source>
        <translation>No se pudo guardar la lista P/R.

Pruebe con otro nombre</translation>
    </message>
    <message>
        <source>This Q&amp;A-list has no Q&amp;A-pairs yet, so there is nothing to save.

Please add at least one Q&amp;A-pair first.</source>
        <translation>Esta lista P/R todavía no tiene parejas P/R, así que no hay nada que guardar.

Añada primero al menos una pareja P/R.</translation>
    </message>
    <message>
        <source>Do you want to save the changes?</source>
        <translation>¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>Are you sure you want this Q&amp;A-list to forget your previous answers?</source>
        <translation>¿Seguro que desea que esta lista P/R olvide sus respuestas anteriores?</translation>
    </message>
    <message>
        <source>Text files (.txt)|*.txt|</source>
        <translation>Archivos de texto (.txt)|*.txt|</translation>
    </message>
    <message>
        <source>Q&amp;A-pairs</source>
        <translation>Parejas P/R</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>brainlark::GuideDialog</name>
    <message>
        <source>Brainlark Tips</source>
        <translation>Consejos de Brainlark</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show this message again</source>
        <translation>No volver a &amp;mostrar este mensaje</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
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
        <translation>Brainlark pasará ahora al editor de listas P/R.

Con el editor puede:

- editar cualquier pareja P/R
- gestionar las respuestas incorrectas predefinidas
- eliminar cualquier pareja P/R
- añadir una pareja P/R nueva
- insertar cualquier número de parejas P/R desde un archivo de texto
- restablecer las valoraciones de las parejas P/R</translation>
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
        <translation>Brainlark pasará ahora al editor de listas P/R nuevas.

Introduzca lo que necesita aprender como parejas de pregunta y respuesta. Brainlark creará automáticamente preguntas de opción múltiple.

En esta pantalla también puede:
- editar o eliminar parejas P/R
- gestionar las respuestas incorrectas predefinidas
- insertar cualquier número de parejas P/R desde un archivo de texto
- guardar una lista P/R nueva con el nombre que desee</translation>
    </message>
    <message>
        <source>Please enter a question and the answer (for example, a foreign word and its translation).  Then press ‘OK’. <byte value="xd"/>
<byte value="xd"/>
Continue entering the Q&amp;A-pairs.<byte value="xd"/>
<byte value="xd"/>
When finished, press ‘Cancel’</source>
        <translation>Introduzca una pregunta y su respuesta (por ejemplo, una palabra extranjera y su traducción). Luego pulse «Aceptar».

Siga introduciendo parejas P/R.

Cuando termine, pulse «Cancelar».</translation>
    </message>
    <message>
        <source>Brainlark will now switch to Q&amp;A-list Viewer.<byte value="xd"/>
<byte value="xd"/>
Using the Viewer you can:<byte value="xd"/>
<byte value="xd"/>
- View the complete Q&amp;A-list<byte value="xd"/>
- Sort the Q&amp;A-list by Question, Answer, Rating, Number of right answers, etc.</source>
        <translation>Brainlark pasará ahora al visor de listas P/R.

Con el visor puede:

- ver la lista P/R completa
- ordenar la lista P/R por pregunta, respuesta, valoración, número de respuestas correctas, etc.</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list. <byte value="xd"/>
 <byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
If you want to change the notes for this Q&amp;A-list, please switch to the Editor view and click on the ‘note’ icon.</source>
        <translation>Las notas permiten añadir comentarios a la lista P/R.

Por ejemplo, puede anotar para qué sirve la lista, cómo se elaboró, cuándo hay que actualizarla, etc.

Para cambiar las notas de esta lista P/R, pase al editor y haga clic en el icono de la nota.</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes allow you to add comments to the Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
For example, you can write the purpose of your list, how it was compiled, when it should be updated, etc.<byte value="xd"/>
<byte value="xd"/>
You can also assign a subject to this Q&amp;A-list.</source>
        <translation>Las notas permiten añadir comentarios a la lista P/R.

Por ejemplo, puede anotar para qué sirve la lista, cómo se elaboró, cuándo hay que actualizarla, etc.

También puede asignar un tema a esta lista P/R.</translation>
    </message>
    <message>
        <source>Brainlark will now show the current Q&amp;A-list in your default Internet browser.  <byte value="xd"/>
<byte value="xd"/>
You can use it to save the list as an HTML document, print it, send it to a friend, etc.</source>
        <translation>Brainlark mostrará ahora la lista P/R actual en su navegador de Internet predeterminado.

Desde allí puede guardarla como documento HTML, imprimirla, enviarla a un amigo, etc.</translation>
    </message>
    <message>
        <source>Brainlark will now reverse questions and answers. <byte value="xd"/>
<byte value="xd"/>
Use this feature for even better memorization.<byte value="xd"/>
<byte value="xd"/>
You can also use the Smart Counter to reverse questions and answers automatically.</source>
        <translation>Brainlark invertirá ahora preguntas y respuestas.

Use esta función para memorizar aún mejor.

También puede hacer que el Smart Counter invierta preguntas y respuestas automáticamente.</translation>
    </message>
    <message>
        <source>Brainlark will now print a set of flashcards for this Q&amp;A-list.  <byte value="xd"/>
<byte value="xd"/>
The flashcards will be printed on %d pages. <byte value="xd"/>
<byte value="xd"/>
&gt; &gt; &gt; Would you like to continue?</source>
        <translation>Brainlark imprimirá ahora fichas para esta lista P/R.

Las fichas se imprimirán en %d páginas.

&gt; &gt; &gt; ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The slideshow will start now.<byte value="xd"/>
<byte value="xd"/>
Sit back, relax and start absorbing the information you need to learn. <byte value="xd"/>
<byte value="xd"/>
To stop at any time during the slideshow, simply click again on the same button.</source>
        <translation>La presentación empieza ahora.

Póngase cómodo, relájese y empiece a asimilar lo que necesita aprender.

Para detenerla en cualquier momento, haga clic de nuevo en el mismo botón.</translation>
    </message>
    <message>
        <source>Once a Q&amp;A-list has been created or edited, it should be saved.<byte value="xd"/>
<byte value="xd"/>
If you have just created a new Q&amp;A-list, Brainlark will ask you to give a name to the new list. <byte value="xd"/>
<byte value="xd"/>
Please note that Q&amp;A-list name should not contain any special characters (such as &apos;?&apos;, &apos;*&apos;, etc.).</source>
        <translation>Una lista P/R creada o editada debe guardarse.

Si acaba de crear una lista P/R nueva, Brainlark le pedirá un nombre para ella.

Tenga en cuenta que el nombre de la lista P/R no debe contener caracteres especiales (como &apos;?&apos;, &apos;*&apos;, etc.).</translation>
    </message>
    <message>
        <source>This feature allows you to insert Q&amp;A-pairs from a text file. <byte value="xd"/>
<byte value="xd"/>
Use it if you already have a list of questions and answers in a text file format, or you just prefer to enter all the data using a text editor (such as Notepad).</source>
        <translation>Esta función permite insertar parejas P/R desde un archivo de texto.

Úsela si ya tiene una lista de preguntas y respuestas en un archivo de texto o si prefiere introducir los datos con un editor de texto.</translation>
    </message>
    <message>
        <source>Smart Counter shows the total number of correct answers.  <byte value="xd"/>
<byte value="xd"/>
But that&apos;s not all!  It can also congratulate you after a certain number of correct answers.  Plus, you can set it up to periodically reverse questions and answers.</source>
        <translation>El Smart Counter muestra el número total de respuestas correctas.

¡Y eso no es todo! También puede felicitarle tras un número determinado de respuestas correctas. Además, puede configurarlo para que invierta periódicamente preguntas y respuestas.</translation>
    </message>
    <message>
        <source>If you have a PDA running Palm OS, you can study even if you are away from your PC, thanks to our new Brainlark for Palm.<byte value="xd"/>
<byte value="xd"/>
All you need to do is install Brainlark for Palm on your PDA and export the desired Q&amp;A-list(s) in Palm format.<byte value="xd"/>
<byte value="xd"/>
To get the latest version of Brainlark for Palm, make sure your Internet connection is active and go to &quot;Web&quot;&gt;&quot;Get Brainlark for Palm OS&quot;.</source>
        <translation>Si tiene una agenda electrónica con Palm OS, puede estudiar lejos del ordenador gracias a nuestro nuevo Brainlark para Palm.

Solo tiene que instalar Brainlark para Palm en su agenda y exportar las listas P/R que desee en formato Palm.

Para obtener la última versión de Brainlark para Palm, compruebe que tiene conexión a Internet y vaya a &quot;Web&quot;&gt;&quot;Obtener Brainlark para Palm OS&quot;.</translation>
    </message>
    <message>
        <source>The next dialog will allow you to change Question, Answer or Flashcard font.<byte value="xd"/>
<byte value="xd"/>
Please remember that if the font you choose is too big or too small, the quiz screen will become difficult or even impossible to read.<byte value="xd"/>
<byte value="xd"/>
If you want to return to the pre-set fonts, simply click on the Reset button.</source>
        <translation>El siguiente diálogo permite cambiar la fuente de la pregunta, de la respuesta o de la ficha.

Recuerde que si la fuente elegida es demasiado grande o demasiado pequeña, la pantalla del cuestionario será difícil o incluso imposible de leer.

Para volver a las fuentes predeterminadas, haga clic en el botón de restablecer.</translation>
    </message>
    <message>
        <source>This will open an Internet page.<byte value="xd"/>
<byte value="xd"/>
If you receive an error, please make sure that your computer is connected to the Internet and try again.</source>
        <translation>Se abrirá una página de Internet.

Si aparece un error, compruebe que su ordenador está conectado a Internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The Question Notes feature allows you to add several lines of text to every Q&amp;A-pair.  Using this field is a great way to include helpful hints, fun facts or any other information. <byte value="xd"/>
<byte value="xd"/>
For example, if you are learning historical dates, include the names of people associated with a historical event.  The possibilities are endless! <byte value="xd"/>
<byte value="xd"/>
To add or edit a note, open the Editor and double-click on the relevant line.  You will see the Q&amp;A-pair Details dialog with the Notes box at the bottom.</source>
        <translation>Las notas de pregunta permiten añadir varias líneas de texto a cada pareja P/R. Es el lugar ideal para pistas útiles, curiosidades o cualquier otra información.

Por ejemplo, si está aprendiendo fechas históricas, anote los nombres de las personas relacionadas con cada acontecimiento. ¡Las posibilidades son infinitas!

Para añadir o editar una nota, abra el editor y haga doble clic en la línea correspondiente. Verá el diálogo de detalles de la pareja P/R con el cuadro de notas abajo.</translation>
    </message>
    <message>
        <source>The current Q&amp;A-list does not contain any predefined wrong answers, therefore the multiple-choice and yes/no questions will be constructed using only random answers.</source>
        <translation>La lista P/R actual no contiene respuestas incorrectas predefinidas, por lo que las preguntas de opción múltiple y de sí/no se construirán solo con respuestas aleatorias.</translation>
    </message>
    <message>
        <source>The Question and/or Answer may be too long to fit into the quiz screen.  If this is the case, changing the font(s) is recommended.</source>
        <translation>Puede que la pregunta o la respuesta sean demasiado largas para la pantalla del cuestionario. En ese caso, se recomienda cambiar la fuente o las fuentes.</translation>
    </message>
    <message>
        <source>This feature was designed primarily for those teachers who want to use paper tests in addition to regular computer exercises with Brainlark.<byte value="xd"/>
<byte value="xd"/>
The tests are created in RTF format, which means that they can be opened in MS Word and many other popular programs.<byte value="xd"/>
<byte value="xd"/>
For easy reference, the file names of the printable tests contain unique time identifiers.</source>
        <translation>Esta función está pensada sobre todo para los profesores que quieren usar pruebas en papel además de los ejercicios con Brainlark en el ordenador.

Las pruebas se crean en formato RTF, así que se pueden abrir en MS Word y en muchos otros programas habituales.

Para encontrarlas fácilmente, los nombres de archivo de las pruebas llevan una marca de tiempo única.</translation>
    </message>
    <message>
        <source>This will open the folder containing Q&amp;A-lists.  <byte value="xd"/>
<byte value="xd"/>
You can send these lists as email attachments, copy them, etc.</source>
        <translation>Se abrirá la carpeta que contiene las listas P/R.

Puede enviarlas como adjuntos de correo, copiarlas, etc.</translation>
    </message>
</context>
<context>
    <name>brainlark::HelpWindow</name>
    <message>
        <source>Brainlark Help</source>
        <translation>Ayuda de Brainlark</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>&amp;Forward &gt;</source>
        <translation>A&amp;delante &gt;</translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation>Adelante (Alt+Derecha)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>The start of the help</source>
        <translation>El comienzo de la ayuda</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The help pages are missing&lt;/h2&gt;&lt;p&gt;Brainlark looked for them in %1.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Faltan las páginas de ayuda&lt;/h2&gt;&lt;p&gt;Brainlark las buscó en %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryCommands</name>
    <message>
        <source>History waiting</source>
        <translation>Historial en espera</translation>
    </message>
    <message>
        <source>History not recorded</source>
        <translation>Historial no registrado</translation>
    </message>
    <message>
        <source>Upgrading history %1 %</source>
        <translation>Actualizando el historial %1 %</translation>
    </message>
    <message>
        <source>The study history is being upgraded for this version; answers given meanwhile are kept and written when it is done.</source>
        <translation>El historial de estudio se está actualizando para esta versión; las respuestas dadas mientras tanto se guardan y se escriben al terminar.</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Exportar como PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryRecorder</name>
    <message>
        <source>Study history is not being recorded: %1</source>
        <translation>El historial de estudio no se está registrando: %1</translation>
    </message>
    <message>
        <source>Study history is waiting: %1. %2 answers are kept and written as soon as it can take them.</source>
        <translation>El historial de estudio está en espera: %1. Se guardan %2 respuestas que se escribirán en cuanto pueda recibirlas.</translation>
    </message>
</context>
<context>
    <name>brainlark::HistoryStore</name>
    <message>
        <source>the database %1 is locked by another program</source>
        <translation>la base de datos %1 está bloqueada por otro programa</translation>
    </message>
    <message>
        <source>the database %1 cannot be written</source>
        <translation>no se puede escribir en la base de datos %1</translation>
    </message>
    <message>
        <source>%1 is not a history database</source>
        <translation>%1 no es una base de datos de historial</translation>
    </message>
    <message>
        <source>the database %1 cannot be opened</source>
        <translation>no se puede abrir la base de datos %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta %1</translation>
    </message>
    <message>
        <source>the history is being upgraded</source>
        <translation>el historial se está actualizando</translation>
    </message>
    <message>
        <source>the history was written by a newer version of Brainlark</source>
        <translation>el historial lo escribió una versión más reciente de Brainlark</translation>
    </message>
    <message>
        <source>%1 is not a history database (it holds tables of another program)</source>
        <translation>%1 no es una base de datos de historial (contiene tablas de otro programa)</translation>
    </message>
    <message>
        <source>the upgrade of the history was stopped</source>
        <translation>se detuvo la actualización del historial</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>el historial no está abierto</translation>
    </message>
</context>
<context>
    <name>brainlark::HyperlinkLabel</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(.EXE no Win32 o error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
es incompleta o no válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no pudo
completarse porque la solicitud caducó.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no pudo
completarse porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ningún programa asociado
a esta extensión de archivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
</context>
<context>
    <name>brainlark::ImageLayer</name>
    <message>
        <source>PCX file too large</source>
        <translation>archivo PCX demasiado grande</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>unknown picture type</source>
        <translation>tipo de imagen desconocido</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportReader</name>
    <message>
        <source>comment</source>
        <translation>comentario</translation>
    </message>
    <message>
        <source>no separator</source>
        <translation>sin separador</translation>
    </message>
    <message>
        <source>empty question</source>
        <translation>pregunta vacía</translation>
    </message>
    <message>
        <source>empty answer</source>
        <translation>respuesta vacía</translation>
    </message>
    <message>
        <source>quote not closed</source>
        <translation>comillas sin cerrar</translation>
    </message>
    <message>
        <source>header line</source>
        <translation>línea de encabezado</translation>
    </message>
    <message>
        <source>longer than 1 MB</source>
        <translation>más de 1 MB</translation>
    </message>
    <message>
        <source>after the empty line that ends the file</source>
        <translation>después de la línea vacía que termina el archivo</translation>
    </message>
</context>
<context>
    <name>brainlark::ImportWizard</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Wrong answer</source>
        <translation>Respuesta incorrecta</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Ignored</source>
        <translation>Ignorada</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs</source>
        <translation>Importar parejas P/R</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>Tab-separated (TSV)</source>
        <translation>Separado por tabuladores (TSV)</translation>
    </message>
    <message>
        <source>Comma-separated (CSV)</source>
        <translation>Separado por comas (CSV)</translation>
    </message>
    <message>
        <source>Brainlark lines (@)</source>
        <translation>Líneas de Brainlark (@)</translation>
    </message>
    <message>
        <source>First line holds column &amp;names</source>
        <translation>La primera línea contiene los &amp;nombres de columna</translation>
    </message>
    <message>
        <source>Checked, the first line is skipped; it is checked by itself when the line looks like column names (&quot;Front, Back&quot;) or unlike the lines below it.</source>
        <translation>Si está marcada, se omite la primera línea; se marca sola cuando la línea parece contener nombres de columna («Anverso, Reverso») o no se parece a las líneas siguientes.</translation>
    </message>
    <message>
        <source>Keep &amp;HTML as it is</source>
        <translation>Conservar el &amp;HTML tal cual</translation>
    </message>
    <message>
        <source>Unchecked, fields with HTML tags or entities become plain text with line breaks.</source>
        <translation>Si no está marcada, los campos con etiquetas o entidades HTML pasan a texto sin formato con saltos de línea.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Sounds and pictures not imported</source>
        <translation>Sonidos e imágenes no importados</translation>
    </message>
    <message>
        <source>S&amp;kipped lines</source>
        <translation>&amp;Líneas omitidas</translation>
    </message>
    <message>
        <source>So&amp;unds and pictures not found</source>
        <translation>Sonidos e imágenes no encontra&amp;dos</translation>
    </message>
    <message>
        <source>&amp;Deck:</source>
        <translation>&amp;Mazo:</translation>
    </message>
    <message>
        <source>&amp;Note type:</source>
        <translation>&amp;Tipo de nota:</translation>
    </message>
    <message>
        <source>&amp;Question field:</source>
        <translation>Campo de &amp;pregunta:</translation>
    </message>
    <message>
        <source>&amp;Answer field:</source>
        <translation>Campo de &amp;respuesta:</translation>
    </message>
    <message>
        <source>One &amp;list per deck</source>
        <translation>&amp;Una lista por mazo</translation>
    </message>
    <message>
        <source>Checked, each deck becomes a list of its own in the program&apos;s data folder, named after the deck, with the top deck as its subject.</source>
        <translation>Si está marcada, cada mazo se convierte en una lista propia en la carpeta de datos del programa, con el nombre del mazo y el mazo superior como tema.</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Leyendo el archivo</translation>
    </message>
    <message>
        <source>S&amp;top Reading</source>
        <translation>D&amp;etener la lectura</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Each column becomes:</source>
        <translation>Cada columna pasa a ser:</translation>
    </message>
    <message>
        <source>&amp;Preview of the first %1 pairs</source>
        <translation>&amp;Vista previa de las primeras %1 parejas</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;All files (*)</source>
        <translation>Archivos de texto, paquetes de mazos y vocabularios (*.txt *.tsv *.csv *.tab *.apkg *.colpkg *.kvtml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file is too large to be a list of pairs.</source>
        <translation>El archivo es demasiado grande para ser una lista de parejas.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <translation>Leyendo el archivo...</translation>
    </message>
    <message>
        <source>All decks in one list</source>
        <translation>Todos los mazos en una lista</translation>
    </message>
    <message>
        <source>All lessons in one list</source>
        <translation>Todas las lecciones en una lista</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 becomes</source>
        <translation>La columna %1 pasa a ser</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>Line %1: %2: %3</source>
        <translation>Línea %1: %2: %3</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 pareja</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 parejas</translation>
    </message>
    <message numerus="yes">
        <source>, %1 lines skipped</source>
        <translation>
            <numerusform>, %1 línea omitida</numerusform>
            <numerusform>, %1 líneas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>, column %1 ignored</source>
        <translation>, columna %1 ignorada</translation>
    </message>
    <message>
        <source>, columns %1 ignored</source>
        <translation>, columnas %1 ignoradas</translation>
    </message>
    <message numerus="yes">
        <source>, %1 fields turned from HTML into plain text</source>
        <translation>
            <numerusform>, %1 campo pasado de HTML a texto sin formato</numerusform>
            <numerusform>, %1 campos pasados de HTML a texto sin formato</numerusform>
        </translation>
    </message>
    <message>
        <source>, sounds and pictures: %1 found beside the file, %2 not found</source>
        <translation>, sonidos e imágenes: %1 encontrados junto al archivo, %2 no encontrados</translation>
    </message>
    <message numerus="yes">
        <source>%1 notes in %2 decks: %3</source>
        <translation>
            <numerusform>%1 nota en %2 mazos: %3</numerusform>
            <numerusform>%1 notas en %2 mazos: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading stopped; in the part read: %1. Import reads the whole file.</source>
        <translation>Lectura detenida; en la parte leída: %1. La importación lee el archivo completo.</translation>
    </message>
    <message>
        <source>In the first %1 KB of %2 KB: %3. Import reads the whole file.</source>
        <translation>En los primeros %1 KB de %2 KB: %3. La importación lee el archivo completo.</translation>
    </message>
    <message>
        <source>. A quiz needs at least %1 pairs; the editor takes fewer.</source>
        <translation>. Un cuestionario necesita al menos %1 parejas; el editor admite menos.</translation>
    </message>
    <message>
        <source>Choose a text file to import.</source>
        <translation>Elija un archivo de texto para importar.</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Coma ,</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Punto y coma ;</translation>
    </message>
    <message>
        <source>At sign @</source>
        <translation>Arroba @</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Barra vertical |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Dos puntos :</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Skipped lines</source>
        <translation>Líneas omitidas</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPage</name>
    <message>
        <source>Layout Style (multiple-choice)</source>
        <translation>Diseño (opción múltiple)</translation>
    </message>
    <message>
        <source>&amp;Transparent boxes</source>
        <translation>Cuadros &amp;transparentes</translation>
    </message>
    <message>
        <source>R&amp;ound Corners</source>
        <translation>Esquinas &amp;redondeadas</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>Boxes-&amp;1</source>
        <translation>Cuadros-&amp;1</translation>
    </message>
    <message>
        <source>Boxes-&amp;2</source>
        <translation>Cuadros-&amp;2</translation>
    </message>
    <message>
        <source>Boxes-&amp;3</source>
        <translation>Cuadros-&amp;3</translation>
    </message>
    <message>
        <source>Boxes-&amp;4</source>
        <translation>Cuadros-&amp;4</translation>
    </message>
    <message>
        <source>&amp;Random Boxes</source>
        <translation>Cuadros &amp;aleatorios</translation>
    </message>
</context>
<context>
    <name>brainlark::LayoutPreviews</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ListDocument</name>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Lo sentimos, el archivo %1 no contiene una lista P/R válida.</translation>
    </message>
    <message>
        <source>Sorry, Brainlark is unable to open this Q&amp;A-list.

%1

We apologize for the inconvenience!

In order to be able to open this Q&amp;A-list, please download 
and install the latest version of Brainlark from %2.

Would you like to open the download page now?</source>
        <translation>Lo sentimos, Brainlark no puede abrir esta lista P/R.

%1

¡Disculpe las molestias!

Para poder abrir esta lista P/R, descargue 
e instale la última versión de Brainlark desde %2.

¿Desea abrir ahora la página de descarga?</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>El archivo ya no está.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Open another Q&amp;A-list anyway?</source>
        <translation>No se pudieron guardar las estadísticas de %1:
%2

¿Abrir otra lista P/R de todos modos?</translation>
    </message>
    <message>
        <source>At least %1 question&amp;answer pairs are required to generate a quiz. This Q&amp;A-list does not have enough entries for a quiz, but you still can edit it. </source>
        <translation>Se necesitan al menos %1 parejas de pregunta y respuesta para crear un cuestionario. Esta lista P/R no tiene suficientes entradas para un cuestionario, pero puede editarla. </translation>
    </message>
    <message>
        <source>The previous version of %1 could not be backed up:
%2

Save the Q&amp;A-list anyway?</source>
        <translation>No se pudo hacer copia de seguridad de la versión anterior de %1:
%2

¿Guardar la lista P/R de todos modos?</translation>
    </message>
    <message>
        <source>Could not restore the Q&amp;A-list.

%1</source>
        <translation>No se pudo restaurar la lista P/R.

%1</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>Guardar la lista P/R</translation>
    </message>
    <message>
        <source>Flash Card files (*.fly)</source>
        <translation>Archivos de fichas (*.fly)</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.

%1</source>
        <translation>No se pudo guardar la lista P/R.

%1</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 no es un archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: permission denied.</source>
        <translation>No se puede leer el archivo %1: permiso denegado.</translation>
    </message>
    <message>
        <source>Please make sure you drop only .fly files into this program
%1</source>
        <translation>Arrastre solo archivos .fly a este programa
%1</translation>
    </message>
    <message>
        <source>The Q&amp;A-list %1 is empty.</source>
        <translation>La lista P/R %1 está vacía.</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>Importar una lista P/R en formato de texto</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
    <message>
        <source>KVTML vocabularies (*.kvtml)</source>
        <translation>Vocabularios KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Tab-separated text (*.tsv *.txt)</source>
        <translation>Texto separado por tabuladores (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list</source>
        <translation>Exportar la lista P/R</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>No se pudo escribir el archivo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>brainlark::ListNameDialog</name>
    <message>
        <source>Save Q&amp;A-list</source>
        <translation>Guardar lista P/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list Name:</source>
        <translation>Nombre de la lista P/R:</translation>
    </message>
</context>
<context>
    <name>brainlark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Export to File</source>
        <translation>E&amp;xportar a archivo</translation>
    </message>
    <message>
        <source>Printable &amp;Tests</source>
        <translation>&amp;Pruebas para imprimir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Cuestionario</translation>
    </message>
    <message>
        <source>&amp;Question Selection</source>
        <translation>Selección de pre&amp;guntas</translation>
    </message>
    <message>
        <source>&amp;Answer Selection</source>
        <translation>Selección de resp&amp;uestas</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>S&amp;ort by</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Saved to %1 (no program could open it)</source>
        <translation>Guardado en %1 (ningún programa pudo abrirlo)</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with File &gt; Select study module.</source>
        <translation>Elija una lista P/R con Archivo &gt; Elegir módulo de estudio.</translation>
    </message>
    <message>
        <source>A quiz needs at least %1 Q&amp;A pairs.</source>
        <translation>Un cuestionario necesita al menos %1 parejas P/R.</translation>
    </message>
    <message>
        <source>Press Start</source>
        <translation>Pulse Iniciar</translation>
    </message>
    <message>
        <source>The quiz screen comes with a later version of Brainlark.</source>
        <translation>La pantalla del cuestionario llegará en una versión posterior de Brainlark.</translation>
    </message>
    <message>
        <source>Select Skin</source>
        <translation>Elegir apariencia</translation>
    </message>
    <message>
        <source>Go back to the quiz to open %1.</source>
        <translation>Vuelva al cuestionario para abrir %1.</translation>
    </message>
    <message>
        <source>The statistics of %1 could not be saved:
%2

Quit anyway?</source>
        <translation>No se pudieron guardar las estadísticas de %1:
%2

¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Import Text File</source>
        <translation>Importar archivo de texto</translation>
    </message>
    <message numerus="yes">
        <source>%n of the sounds and pictures named in the file could not be imported.</source>
        <translation>
            <numerusform>No se pudo importar %n de los sonidos e imágenes citados en el archivo.</numerusform>
            <numerusform>No se pudieron importar %n de los sonidos e imágenes citados en el archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No deck holds the %1 pairs a quiz needs.</source>
        <translation>Ningún mazo contiene las %1 parejas que necesita un cuestionario.</translation>
    </message>
    <message>
        <source>Lists made in the data folder: %1.</source>
        <translation>Listas creadas en la carpeta de datos: %1.</translation>
    </message>
    <message>
        <source> Decks with fewer than %1 pairs were left out: %2.</source>
        <translation> Se omitieron los mazos con menos de %1 parejas: %2.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Select study module</source>
        <translation>&amp;Elegir módulo de estudio</translation>
    </message>
    <message>
        <source>Select study module</source>
        <translation>Elegir módulo de estudio</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-&amp;list</source>
        <translation>&amp;Guardar la lista P/R</translation>
    </message>
    <message>
        <source>Save the Q&amp;A-list</source>
        <translation>Guardar la lista P/R</translation>
    </message>
    <message>
        <source>Save the Q&amp;&amp;A-list &amp;As...</source>
        <translation>Guardar la lista P/R c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Import Q&amp;&amp;A-list...</source>
        <translation>&amp;Importar lista P/R...</translation>
    </message>
    <message>
        <source>Import Q&amp;A-list in text-file format</source>
        <translation>Importar una lista P/R en formato de texto</translation>
    </message>
    <message>
        <source>Restore from Bac&amp;kup...</source>
        <translation>Restaurar copia de segurida&amp;d...</translation>
    </message>
    <message>
        <source>Put an earlier version of the Q&amp;A-list back</source>
        <translation>Recuperar una versión anterior de la lista P/R</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>E&amp;stadísticas...</translation>
    </message>
    <message>
        <source>Study history and statistics</source>
        <translation>Historial de estudio y estadísticas</translation>
    </message>
    <message>
        <source>&amp;Export to Palm</source>
        <translation>&amp;Exportar a Palm</translation>
    </message>
    <message>
        <source>Export to Palm</source>
        <translation>Exportar a Palm</translation>
    </message>
    <message>
        <source>Export to &amp;HTML</source>
        <translation>Exportar a &amp;HTML</translation>
    </message>
    <message>
        <source>Show the Q&amp;A-list in your browser</source>
        <translation>Mostrar la lista P/R en el navegador</translation>
    </message>
    <message>
        <source>Export to &amp;Text File</source>
        <translation>Exportar a archivo de &amp;texto</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list to a text file</source>
        <translation>Exportar la lista P/R a un archivo de texto</translation>
    </message>
    <message>
        <source>Export to &amp;BL Text File</source>
        <translation>Exportar a archivo de texto &amp;BL</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list in the import format</source>
        <translation>Exportar la lista P/R en el formato de importación</translation>
    </message>
    <message>
        <source>Export to &amp;KVTML Vocabulary (.kvtml)...</source>
        <translation>Exportar a vocabulario &amp;KVTML (.kvtml)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as a vocabulary for KWordQuiz and Parley</source>
        <translation>Exportar la lista P/R como vocabulario para KWordQuiz y Parley</translation>
    </message>
    <message>
        <source>Export to Tab-&amp;separated Text (.tsv)...</source>
        <translation>Exportar a texto &amp;separado por tabuladores (.tsv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as tab-separated text for other trainers and spreadsheets</source>
        <translation>Exportar la lista P/R como texto separado por tabuladores para otros programas de estudio y hojas de cálculo</translation>
    </message>
    <message>
        <source>Export to &amp;CSV (.csv)...</source>
        <translation>Exportar a &amp;CSV (.csv)...</translation>
    </message>
    <message>
        <source>Export the Q&amp;A-list as comma-separated values for other trainers and spreadsheets</source>
        <translation>Exportar la lista P/R como valores separados por comas para otros programas de estudio y hojas de cálculo</translation>
    </message>
    <message>
        <source>S&amp;hare Q&amp;&amp;A-lists</source>
        <translation>Co&amp;mpartir listas P/R</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A-lists</source>
        <translation>Abrir la carpeta de las listas P/R</translation>
    </message>
    <message>
        <source>&amp;Create Printable Test</source>
        <translation>&amp;Crear prueba para imprimir</translation>
    </message>
    <message>
        <source>Create a printable test</source>
        <translation>Crear una prueba para imprimir</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>Open the folder of the printable tests</source>
        <translation>Abrir la carpeta de las pruebas para imprimir</translation>
    </message>
    <message>
        <source>&amp;Image Folder</source>
        <translation>Carpeta de &amp;imágenes</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A pictures</source>
        <translation>Abrir la carpeta de las imágenes P/R</translation>
    </message>
    <message>
        <source>So&amp;und Folder</source>
        <translation>Carpeta de &amp;sonidos</translation>
    </message>
    <message>
        <source>Open the folder of the Q&amp;A sounds</source>
        <translation>Abrir la carpeta de los sonidos P/R</translation>
    </message>
    <message>
        <source>Print &amp;Flashcards...</source>
        <translation>Imprimir &amp;fichas...</translation>
    </message>
    <message>
        <source>Print flashcards</source>
        <translation>Imprimir fichas</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Imp&amp;rimir...</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list</source>
        <translation>Imprimir la lista P/R</translation>
    </message>
    <message>
        <source>Print &amp;Direct</source>
        <translation>Imprimir &amp;directamente</translation>
    </message>
    <message>
        <source>Print the Q&amp;A-list on the current printer</source>
        <translation>Imprimir la lista P/R en la impresora actual</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Preview the printed Q&amp;A-list</source>
        <translation>Vista previa de la lista P/R impresa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configurar impresión...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Cambiar la impresora y las opciones de impresión</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>S&amp;alir</translation>
    </message>
    <message>
        <source>Quit Brainlark</source>
        <translation>Salir de Brainlark</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Change the options</source>
        <translation>Cambiar las opciones</translation>
    </message>
    <message>
        <source>&amp;Change Layout...</source>
        <translation>Cambiar &amp;diseño...</translation>
    </message>
    <message>
        <source>Change the layout of the quiz screen</source>
        <translation>Cambiar el diseño de la pantalla del cuestionario</translation>
    </message>
    <message>
        <source>Student &amp;Data...</source>
        <translation>Datos del &amp;alumno...</translation>
    </message>
    <message>
        <source>Student name and Q&amp;A-list ratings</source>
        <translation>Nombre del alumno y valoraciones de las listas P/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Viewer</source>
        <translation>&amp;Visor de listas P/R</translation>
    </message>
    <message>
        <source>Q&amp;A-list Viewer</source>
        <translation>Visor de listas P/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list &amp;Editor</source>
        <translation>&amp;Editor de listas P/R</translation>
    </message>
    <message>
        <source>Q&amp;A-list Editor</source>
        <translation>Editor de listas P/R</translation>
    </message>
    <message>
        <source>&amp;New Q&amp;&amp;A-list</source>
        <translation>&amp;Nueva lista P/R</translation>
    </message>
    <message>
        <source>New Q&amp;A-list</source>
        <translation>Nueva lista P/R</translation>
    </message>
    <message>
        <source>&amp;Quiz Screen</source>
        <translation>Pantalla del &amp;cuestionario</translation>
    </message>
    <message>
        <source>Back to Quiz</source>
        <translation>Volver al cuestionario</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Lee la pregunta en voz alta, y su respuesta una vez juzgada</translation>
    </message>
    <message>
        <source>S&amp;lideshow</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>&amp;Multiple-choice</source>
        <translation>&amp;Opción múltiple</translation>
    </message>
    <message>
        <source>Multiple-choice questions</source>
        <translation>Preguntas de opción múltiple</translation>
    </message>
    <message>
        <source>&amp;True/False</source>
        <translation>&amp;Verdadero/Falso</translation>
    </message>
    <message>
        <source>True/False questions</source>
        <translation>Preguntas de verdadero/falso</translation>
    </message>
    <message>
        <source>T&amp;ype-in</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Type the answer</source>
        <translation>Escribir la respuesta</translation>
    </message>
    <message>
        <source>Matc&amp;hing</source>
        <translation>&amp;Relacionar</translation>
    </message>
    <message>
        <source>Match questions and answers</source>
        <translation>Relacionar preguntas y respuestas</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>Ask the pairs you know least</source>
        <translation>Preguntar las parejas que menos sabe</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>Se&amp;cuencial</translation>
    </message>
    <message>
        <source>Ask the pairs in order</source>
        <translation>Preguntar las parejas en orden</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>Ask the pairs at random</source>
        <translation>Preguntar las parejas al azar</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>&amp;Pendientes (repetición espaciada)</translation>
    </message>
    <message>
        <source>Ask the pairs due for review today, lowest recall chance first</source>
        <translation>Preguntar las parejas que tocan hoy, primero las de menor probabilidad de recuerdo</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Predefinidas</translation>
    </message>
    <message>
        <source>Use the predefined wrong answers</source>
        <translation>Usar las respuestas incorrectas predefinidas</translation>
    </message>
    <message>
        <source>Use random wrong answers</source>
        <translation>Usar respuestas incorrectas aleatorias</translation>
    </message>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>Animar &amp;nueva pregunta</translation>
    </message>
    <message>
        <source>Toggle new question animation</source>
        <translation>Activar o desactivar la animación de las preguntas nuevas</translation>
    </message>
    <message>
        <source>Select &amp;Background Picture</source>
        <translation>Elegir imagen de &amp;fondo</translation>
    </message>
    <message>
        <source>Open the folder of background pictures</source>
        <translation>Abrir la carpeta de imágenes de fondo</translation>
    </message>
    <message>
        <source>Select S&amp;kin...</source>
        <translation>Elegir a&amp;pariencia...</translation>
    </message>
    <message>
        <source>Select a skin</source>
        <translation>Elegir una apariencia</translation>
    </message>
    <message>
        <source>Turn Skins O&amp;ff</source>
        <translation>Desactivar apa&amp;riencias</translation>
    </message>
    <message>
        <source>Turn skins off</source>
        <translation>Desactivar las apariencias</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Start Questions</source>
        <translation>Iniciar las preguntas</translation>
    </message>
    <message>
        <source>&amp;Flip questions</source>
        <translation>Inver&amp;tir preguntas</translation>
    </message>
    <message>
        <source>Reverse questions and answers</source>
        <translation>Invertir preguntas y respuestas</translation>
    </message>
    <message>
        <source>View no&amp;tes</source>
        <translation>Ver no&amp;tas</translation>
    </message>
    <message>
        <source>View notes</source>
        <translation>Ver notas</translation>
    </message>
    <message>
        <source>M&amp;ute all Brainlark sounds</source>
        <translation>Silenciar todos los &amp;sonidos de Brainlark</translation>
    </message>
    <message>
        <source>Mute all Brainlark sounds</source>
        <translation>Silenciar todos los sonidos de Brainlark</translation>
    </message>
    <message>
        <source>Turn Funny Soun&amp;ds on/off</source>
        <translation>Sonidos &amp;divertidos sí/no</translation>
    </message>
    <message>
        <source>Turn funny sounds on or off</source>
        <translation>Activar o desactivar los sonidos divertidos</translation>
    </message>
    <message>
        <source>Help for the quiz screen</source>
        <translation>Ayuda de la pantalla del cuestionario</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add a Q&amp;A pair</source>
        <translation>Añadir una pareja P/R</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the Q&amp;A pair</source>
        <translation>Eliminar la pareja P/R</translation>
    </message>
    <message>
        <source>&amp;Predefined Wrong Answers</source>
        <translation>Respuestas incorrectas &amp;predefinidas</translation>
    </message>
    <message>
        <source>Predefined wrong answers</source>
        <translation>Respuestas incorrectas predefinidas</translation>
    </message>
    <message>
        <source>Notes and &amp;Subject</source>
        <translation>Notas y &amp;tema</translation>
    </message>
    <message>
        <source>Notes and subject</source>
        <translation>Notas y tema</translation>
    </message>
    <message>
        <source>Pass&amp;word</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Insert from a text-file...</source>
        <translation>&amp;Insertar desde un archivo de texto...</translation>
    </message>
    <message>
        <source>Insert Q&amp;A pairs from a text file</source>
        <translation>Insertar parejas P/R desde un archivo de texto</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A ra&amp;tings</source>
        <translation>Restablecer las &amp;valoraciones P/R</translation>
    </message>
    <message>
        <source>Reset the Q&amp;A-pair ratings</source>
        <translation>Restablecer las valoraciones de las parejas P/R</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change undone</source>
        <translation>Rehacer el cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find a question or answer</source>
        <translation>Buscar una pregunta o respuesta</translation>
    </message>
    <message>
        <source>&amp;Question</source>
        <translation>&amp;Pregunta</translation>
    </message>
    <message>
        <source>Sort by the questions, as a click on the column header does</source>
        <translation>Ordenar por las preguntas, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>&amp;Answer</source>
        <translation>&amp;Respuesta</translation>
    </message>
    <message>
        <source>Sort by the answers, as a click on the column header does</source>
        <translation>Ordenar por las respuestas, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation>&amp;Valoración</translation>
    </message>
    <message>
        <source>Sort by the ratings, as a click on the column header does</source>
        <translation>Ordenar por las valoraciones, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>Ri&amp;ght</source>
        <translation>&amp;Correctas</translation>
    </message>
    <message>
        <source>Sort by the right answers, as a click on the column header does</source>
        <translation>Ordenar por las respuestas correctas, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>&amp;Wrong</source>
        <translation>&amp;Incorrectas</translation>
    </message>
    <message>
        <source>Sort by the wrong answers, as a click on the column header does</source>
        <translation>Ordenar por las respuestas incorrectas, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>&amp;Total</source>
        <translation>&amp;Total</translation>
    </message>
    <message>
        <source>Sort by the answers given, as a click on the column header does</source>
        <translation>Ordenar por las respuestas dadas, igual que un clic en el encabezado de la columna</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list viewer</source>
        <translation>Ayuda del visor de listas P/R</translation>
    </message>
    <message>
        <source>Help for the Q&amp;A-list editor</source>
        <translation>Ayuda del editor de listas P/R</translation>
    </message>
    <message>
        <source>Imp&amp;ort Text File...</source>
        <translation>Importar archivo de &amp;texto...</translation>
    </message>
    <message>
        <source>Import Q&amp;A pairs from a text file into a new Q&amp;A-list</source>
        <translation>Importar parejas P/R de un archivo de texto a una lista P/R nueva</translation>
    </message>
    <message>
        <source>Online &amp;Tutorials</source>
        <translation>Tutoriales en &amp;línea</translation>
    </message>
    <message>
        <source>Online tutorials</source>
        <translation>Tutoriales en línea</translation>
    </message>
    <message>
        <source>Download &amp;Video Tutorials</source>
        <translation>Descargar tutoriales en &amp;vídeo</translation>
    </message>
    <message>
        <source>Download video tutorials</source>
        <translation>Descargar tutoriales en vídeo</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>Online help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Get Brainlark for &amp;Palm OS</source>
        <translation>Obtener Brainlark para &amp;Palm OS</translation>
    </message>
    <message>
        <source>Get the handheld edition</source>
        <translation>Obtener la edición para agenda electrónica</translation>
    </message>
    <message>
        <source>&amp;Free Downloads</source>
        <translation>Descargas &amp;gratuitas</translation>
    </message>
    <message>
        <source>Free downloads</source>
        <translation>Descargas gratuitas</translation>
    </message>
    <message>
        <source>&amp;News</source>
        <translation>&amp;Noticias</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Noticias</translation>
    </message>
    <message>
        <source>&amp;Recommend to a Friend</source>
        <translation>&amp;Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Recommend Brainlark to a friend</source>
        <translation>Recomendar Brainlark a un amigo</translation>
    </message>
    <message>
        <source>&amp;Survey</source>
        <translation>&amp;Encuesta</translation>
    </message>
    <message>
        <source>Take our survey</source>
        <translation>Responder a nuestra encuesta</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>How &amp;do I ...</source>
        <translation>¿&amp;Cómo ...?</translation>
    </message>
    <message>
        <source>How do I ...</source>
        <translation>¿Cómo ...?</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>T&amp;utorial</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>&amp;About Brainlark...</source>
        <translation>&amp;Acerca de Brainlark...</translation>
    </message>
    <message>
        <source>Program information and version</source>
        <translation>Información y versión del programa</translation>
    </message>
    <message>
        <source>Debug dump</source>
        <translation>Volcado de depuración</translation>
    </message>
    <message>
        <source>this should not even be here</source>
        <translation>esto ni siquiera debería estar aquí</translation>
    </message>
    <message>
        <source>%1 - Brainlark</source>
        <translation>%1 - Brainlark</translation>
    </message>
    <message>
        <source>Skin files (*.skn)|*.skn|All Files (*.*)|*.*||</source>
        <translation>Archivos de apariencia (*.skn)|*.skn|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Not available in this version yet</source>
        <translation>Aún no disponible en esta versión</translation>
    </message>
    <message>
        <source>Text files, deck packages and vocabularies (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</source>
        <translation>Archivos de texto, paquetes de mazos y vocabularios (*.txt *.tsv *.csv *.apkg *.colpkg *.kvtml)</translation>
    </message>
    <message>
        <source>Sorry, file %1 does not contain a valid Q&amp;A-list.</source>
        <translation>Lo sentimos, el archivo %1 no contiene una lista P/R válida.</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Más órdenes</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchGame</name>
    <message>
        <source>Please connect all the boxes.</source>
        <translation>Relacione todos los cuadros.</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchScreen</name>
    <message>
        <source>Question %1 of %2: %3</source>
        <translation>Pregunta %1 de %2: %3</translation>
    </message>
    <message>
        <source>Answer %1 of %2: %3</source>
        <translation>Respuesta %1 de %2: %3</translation>
    </message>
    <message>
        <source>, connected to answer %1</source>
        <translation>, unida a la respuesta %1</translation>
    </message>
    <message>
        <source>, connected to question %1</source>
        <translation>, unida a la pregunta %1</translation>
    </message>
    <message>
        <source>, picked</source>
        <translation>, elegida</translation>
    </message>
</context>
<context>
    <name>brainlark::MatchingPage</name>
    <message>
        <source>Increase line width after wrong answer</source>
        <translation>Engrosar la línea tras una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Line colours</source>
        <translation>Colores de las líneas</translation>
    </message>
    <message>
        <source>Initial</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Number of question/answer boxes</source>
        <translation>Número de cuadros de pregunta/respuesta</translation>
    </message>
    <message>
        <source>Line Colour</source>
        <translation>Color de la línea</translation>
    </message>
</context>
<context>
    <name>brainlark::MediaBrowser</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Windows wave files (.wav)|*.wav|</source>
        <translation>Archivos de sonido de Windows (.wav)|*.wav|</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Archivos de imagen (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
    <message>
        <source>Please make sure that the WAV file is located under </source>
        <translation>El archivo WAV debe estar en </translation>
    </message>
    <message>
        <source>Please make sure that the image file is located under </source>
        <translation>El archivo de imagen debe estar en </translation>
    </message>
</context>
<context>
    <name>brainlark::Messages</name>
    <message>
        <source>The file declares entities in its document type (&lt;!ENTITY ...&gt;); vocabularies have none, and such a file can make a reader expand a few bytes to gigabytes, so it is not read.</source>
        <translation>El archivo declara entidades en su definición de tipo de documento (&lt;!ENTITY ...&gt;); los vocabularios no tienen ninguna, y un archivo así puede hacer que un lector convierta unos pocos bytes en gigabytes, así que no se lee.</translation>
    </message>
    <message>
        <source>This is an XML document but not a vocabulary: its root is &lt;%1&gt;, not &lt;kvtml&gt;.</source>
        <translation>Es un documento XML pero no un vocabulario: su raíz es &lt;%1&gt;, no &lt;kvtml&gt;.</translation>
    </message>
    <message>
        <source>The vocabulary is of version %1; only version 2 is read. Open it in a vocabulary program and save it again to get version 2.</source>
        <translation>El vocabulario es de la versión %1; solo se lee la versión 2. Ábralo en un programa de vocabulario y guárdelo de nuevo para obtener la versión 2.</translation>
    </message>
    <message>
        <source>The vocabulary is damaged: line %1, column %2: %3</source>
        <translation>El vocabulario está dañado: línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>The file holds no vocabulary (no &lt;kvtml&gt; element).</source>
        <translation>El archivo no contiene ningún vocabulario (no hay elemento &lt;kvtml&gt;).</translation>
    </message>
    <message>
        <source>The vocabulary&apos;s lessons are nested more than %1 deep (line %2); it is not read.</source>
        <translation>Las lecciones del vocabulario están anidadas en más de %1 niveles (línea %2); no se lee.</translation>
    </message>
    <message>
        <source>The vocabulary has no language %1 (its languages: %2).</source>
        <translation>El vocabulario no tiene el idioma %1 (sus idiomas: %2).</translation>
    </message>
    <message>
        <source>The question and the answer must be two different languages.</source>
        <translation>La pregunta y la respuesta deben estar en dos idiomas distintos.</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (its decks: %2).</source>
        <translation>El archivo no tiene ningún mazo ni lección «%1» (sus mazos: %2).</translation>
    </message>
    <message>
        <source>The file has no deck or lesson &quot;%1&quot; (it has no decks).</source>
        <translation>El archivo no tiene ningún mazo ni lección «%1» (no tiene mazos).</translation>
    </message>
    <message>
        <source>Could not read the file (%1).</source>
        <translation>No se pudo leer el archivo (%1).</translation>
    </message>
    <message>
        <source>In Anki, export the deck again with &quot;Support older Anki versions&quot; checked and import that file.</source>
        <translation>En Anki, exporte de nuevo el mazo con «Support older Anki versions» marcado e importe ese archivo.</translation>
    </message>
    <message>
        <source>%1 is not an SQLite database: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 no es una base de datos SQLite: el paquete está dañado o tiene una forma que este programa no conoce. %2</translation>
    </message>
    <message>
        <source>%1 holds no collection: the package is damaged or of a form this program does not know. %2</source>
        <translation>%1 no contiene ninguna colección: el paquete está dañado o tiene una forma que este programa no conoce. %2</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, newer than this program reads (up to %3). %4</source>
        <translation>%1 es una colección de la versión %2, más reciente de lo que este programa lee (hasta %3). %4</translation>
    </message>
    <message>
        <source>%1 is of collection version %2, older than this program reads. Open it in a current Anki and export the deck from there.</source>
        <translation>%1 es una colección de la versión %2, más antigua de lo que este programa lee. Ábrala en un Anki actual y exporte el mazo desde allí.</translation>
    </message>
    <message>
        <source>%1 holds only a note asking for a newer Anki: the cards are in a newer form this package does not include. %2</source>
        <translation>%1 solo contiene una nota que pide un Anki más reciente: las tarjetas están en una forma más reciente que este paquete no incluye. %2</translation>
    </message>
    <message>
        <source>cannot read %1 as a deck package: %2</source>
        <translation>no se puede leer %1 como paquete de mazos: %2</translation>
    </message>
    <message>
        <source>%1 holds no collection (collection.anki21b, collection.anki21 or collection.anki2): it is not a deck package. %2</source>
        <translation>%1 no contiene ninguna colección (collection.anki21b, collection.anki21 o collection.anki2): no es un paquete de mazos. %2</translation>
    </message>
    <message>
        <source>%1 unpacks to more than the %2 bytes the archive declares; it is refused as damaged or hostile</source>
        <translation>%1 se descomprime en más de los %2 bytes que declara el archivo comprimido; se rechaza por dañado u hostil</translation>
    </message>
    <message>
        <source>%1 unpacks to %2 or more, more than the %3 a package may hold; it is refused as damaged or hostile</source>
        <translation>%1 se descomprime en %2 o más, más de los %3 que puede contener un paquete; se rechaza por dañado u hostil</translation>
    </message>
    <message>
        <source>The list needs %1 records; a Palm database holds at most %2.</source>
        <translation>La lista necesita %1 registros; una base de datos Palm admite como máximo %2.</translation>
    </message>
    <message>
        <source>The records take more than the 4 GB a Palm database can address.</source>
        <translation>Los registros ocupan más de los 4 GB que puede direccionar una base de datos Palm.</translation>
    </message>
    <message>
        <source>The list&apos;s name holds %1, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>El nombre de la lista contiene %1, que la agenda electrónica (solo Windows-1252) no puede mostrar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which the handheld (Windows-1252 only) cannot show.</source>
        <translation>«%1» contiene %2, que la agenda electrónica (solo Windows-1252) no puede mostrar.</translation>
    </message>
    <message>
        <source>Pair %1: %2</source>
        <translation>Pareja %1: %2</translation>
    </message>
    <message>
        <source>A wrong answer of pair %1: %2</source>
        <translation>Una respuesta incorrecta de la pareja %1: %2</translation>
    </message>
    <message>
        <source>Found a duplicate question: 
%1
Please rephrase or remove it from the quiz and export to Palm again.</source>
        <translation>Se encontró una pregunta duplicada: 
%1
Reformúlela o quítela del quiz y vuelva a exportar a Palm.</translation>
    </message>
    <message>
        <source>Sorry, could not create Palm Database file. 
%1</source>
        <translation>Lo sentimos, no se pudo crear el archivo de base de datos Palm. 
%1</translation>
    </message>
    <message>
        <source>The most likely reason: folder %1 does not exist.</source>
        <translation>La razón más probable: la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Due to Palm OS limitations, the name of this Q&amp;A-list will be truncated to %1.

We apologize for the inconvenience.</source>
        <translation>Por las limitaciones de Palm OS, el nombre de esta lista P/R se acortará a %1.

Disculpe las molestias.</translation>
    </message>
    <message>
        <source>Error exporting %1. 
P1 = %2 : %3 
P2 = %4 : %5</source>
        <translation>Error al exportar %1. 
P1 = %2 : %3 
P2 = %4 : %5</translation>
    </message>
    <message>
        <source>Could not write file %1 (%2)</source>
        <translation>No se pudo escribir el archivo %1 (%2)</translation>
    </message>
    <message>
        <source>Please make sure that Q&amp;A-list name does not contain any &apos; %1 &apos; characters</source>
        <translation>Asegúrese de que el nombre de la lista P/R no contenga ningún carácter &apos; %1 &apos;</translation>
    </message>
    <message>
        <source>Another Q&amp;A-list with this name already exists.

Would you like to overwrite it?</source>
        <translation>Ya existe otra lista P/R con este nombre.

¿Desea sobrescribirla?</translation>
    </message>
    <message>
        <source>%1: not in the package</source>
        <translation>%1: no está en el paquete</translation>
    </message>
    <message>
        <source>%1: cannot unpack</source>
        <translation>%1: no se puede descomprimir</translation>
    </message>
    <message>
        <source>%1: cannot write the unpacked copy</source>
        <translation>%1: no se puede escribir la copia descomprimida</translation>
    </message>
    <message>
        <source>%1: compressed data cut short</source>
        <translation>%1: datos comprimidos truncados</translation>
    </message>
    <message>
        <source>cannot unpack the collection into a temporary folder</source>
        <translation>no se puede descomprimir la colección en una carpeta temporal</translation>
    </message>
    <message>
        <source>cannot make a temporary folder to unpack the collection</source>
        <translation>no se puede crear una carpeta temporal para descomprimir la colección</translation>
    </message>
    <message>
        <source>%1: cannot open the collection: %2</source>
        <translation>%1: no se puede abrir la colección: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the note types</source>
        <translation>%1: no se pueden leer los tipos de nota</translation>
    </message>
    <message>
        <source>%1: cannot read the note types&apos; fields</source>
        <translation>%1: no se pueden leer los campos de los tipos de nota</translation>
    </message>
    <message>
        <source>%1: cannot read the decks</source>
        <translation>%1: no se pueden leer los mazos</translation>
    </message>
    <message>
        <source>%1: cannot read the notes</source>
        <translation>%1: no se pueden leer las notas</translation>
    </message>
    <message>
        <source>%1: cannot read the cards</source>
        <translation>%1: no se pueden leer las tarjetas</translation>
    </message>
    <message>
        <source>no package is open</source>
        <translation>no hay ningún paquete abierto</translation>
    </message>
    <message>
        <source>import cancelled</source>
        <translation>importación cancelada</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>media list: not a JSON object</source>
        <translation>lista de medios: no es un objeto JSON</translation>
    </message>
    <message>
        <source>media list: entry %1 names no file</source>
        <translation>lista de medios: la entrada %1 no nombra ningún archivo</translation>
    </message>
    <message>
        <source>media list: malformed</source>
        <translation>lista de medios: mal formada</translation>
    </message>
    <message>
        <source>media list: malformed entry</source>
        <translation>lista de medios: entrada mal formada</translation>
    </message>
    <message>
        <source>note types: not a JSON object</source>
        <translation>tipos de nota: no es un objeto JSON</translation>
    </message>
    <message>
        <source>decks: not a JSON object</source>
        <translation>mazos: no es un objeto JSON</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>unsupported PCX version %1</source>
        <translation>versión de PCX %1 no compatible</translation>
    </message>
    <message>
        <source>unsupported PCX encoding %1</source>
        <translation>codificación de PCX %1 no compatible</translation>
    </message>
    <message>
        <source>unsupported PCX format (%1 bits, %2 planes)</source>
        <translation>formato PCX no compatible (%1 bits, %2 planos)</translation>
    </message>
    <message>
        <source>invalid PCX picture size</source>
        <translation>tamaño de imagen PCX no válido</translation>
    </message>
    <message>
        <source>PCX picture too large (%1 x %2)</source>
        <translation>imagen PCX demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>invalid PCX line length</source>
        <translation>longitud de línea PCX no válida</translation>
    </message>
    <message>
        <source>not a PCX file</source>
        <translation>no es un archivo PCX</translation>
    </message>
    <message>
        <source>PCX data truncated</source>
        <translation>datos PCX truncados</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot save %1: %2</source>
        <translation>no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>cannot create a file in %1: %2</source>
        <translation>no se puede crear un archivo en %1: %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of %1: %2</source>
        <translation>no se pueden establecer los permisos de %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>no se puede reemplazar %1: %2</translation>
    </message>
    <message>
        <source>the link leads to a missing file</source>
        <translation>el enlace lleva a un archivo que no existe</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>not a backup</source>
        <translation>no es una copia de seguridad</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>could not be copied into the program folder</source>
        <translation>no se pudo copiar en la carpeta del programa</translation>
    </message>
    <message>
        <source>not copied: the quiz shows BMP, JPEG, GIF and PCX pictures</source>
        <translation>no copiado: el cuestionario muestra imágenes BMP, JPEG, GIF y PCX</translation>
    </message>
    <message>
        <source>not copied: the quiz plays WAV sounds</source>
        <translation>no copiado: el cuestionario reproduce sonidos WAV</translation>
    </message>
    <message>
        <source>refused: not a file name beside the import</source>
        <translation>rechazado: no es un nombre de archivo junto al importado</translation>
    </message>
    <message>
        <source>not found beside the imported file</source>
        <translation>no se encontró junto al archivo importado</translation>
    </message>
</context>
<context>
    <name>brainlark::NotesSubjectDialog</name>
    <message>
        <source>Edit Notes and Subject</source>
        <translation>Editar notas y tema</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes:</source>
        <translation>Notas de la lista P/R:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Q&amp;A-list notes</source>
        <translation>Notas de la lista P/R</translation>
    </message>
    <message>
        <source>Read &amp;questions in:</source>
        <translation>Leer las &amp;preguntas en:</translation>
    </message>
    <message>
        <source>Read a&amp;nswers in:</source>
        <translation>Leer las r&amp;espuestas en:</translation>
    </message>
</context>
<context>
    <name>brainlark::OptionsSheet</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Visual</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Type-in Mode</source>
        <translation>Modo escritura</translation>
    </message>
    <message>
        <source>Matching Mode</source>
        <translation>Modo relacionar</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
</context>
<context>
    <name>brainlark::PairDialog</name>
    <message>
        <source>Add/Edit Q&amp;A-pair</source>
        <translation>Añadir/editar pareja P/R</translation>
    </message>
    <message>
        <source>Switch to predefined wrong answers to this question</source>
        <translation>Ir a las respuestas incorrectas predefinidas de esta pregunta</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Notas de la pregunta:</translation>
    </message>
    <message>
        <source>Question text</source>
        <translation>Texto de la pregunta</translation>
    </message>
    <message>
        <source>Question sound</source>
        <translation>Sonido de la pregunta</translation>
    </message>
    <message>
        <source>Question picture</source>
        <translation>Imagen de la pregunta</translation>
    </message>
    <message>
        <source>Answer text</source>
        <translation>Texto de la respuesta</translation>
    </message>
    <message>
        <source>Answer sound</source>
        <translation>Sonido de la respuesta</translation>
    </message>
    <message>
        <source>Question Notes</source>
        <translation>Notas de la pregunta</translation>
    </message>
</context>
<context>
    <name>brainlark::PairTableModel</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Rating </source>
        <translation>Valoración </translation>
    </message>
    <message>
        <source>Right </source>
        <translation>Correctas </translation>
    </message>
    <message>
        <source>Wrong </source>
        <translation>Incorrectas </translation>
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
        <translation>Vista previa de la imagen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sorry, could not display the image ... </source>
        <translation>Lo sentimos, no se pudo mostrar la imagen ... </translation>
    </message>
</context>
<context>
    <name>brainlark::PictureWindow</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown:
%2</source>
        <translation>No se puede mostrar la imagen %1:
%2</translation>
    </message>
    <message>
        <source>The picture %1 is missing.</source>
        <translation>Falta la imagen %1.</translation>
    </message>
</context>
<context>
    <name>brainlark::PrintJobs</name>
    <message>
        <source>Could not open file %1

The flashcards are printed on this card picture, so nothing was printed.</source>
        <translation>No se pudo abrir el archivo %1

Las fichas se imprimen sobre esta imagen de tarjeta, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>The page is too small for the flashcards: each row needs 6 by 1.8 inches.

Please choose a larger paper size or smaller margins.</source>
        <translation>La página es demasiado pequeña para las fichas: cada fila necesita 6 por 1,8 pulgadas.

Elija un tamaño de papel mayor o márgenes más pequeños.</translation>
    </message>
    <message>
        <source>The page is too small for the Q&amp;A-list.

Please choose a larger paper size or smaller margins.</source>
        <translation>La página es demasiado pequeña para la lista P/R.

Elija un tamaño de papel mayor o márgenes más pequeños.</translation>
    </message>
    <message>
        <source>%1 - Print Preview</source>
        <translation>%1 - Vista previa de impresión</translation>
    </message>
    <message>
        <source>Could not print on %1.</source>
        <translation>No se pudo imprimir en %1.</translation>
    </message>
    <message>
        <source>Could not open file %1</source>
        <translation>No se pudo abrir el archivo %1</translation>
    </message>
</context>
<context>
    <name>brainlark::ProgramFolder</name>
    <message>
        <source>Could not create the program folder %1</source>
        <translation>No se pudo crear la carpeta del programa %1</translation>
    </message>
</context>
<context>
    <name>brainlark::QtPrompter</name>
    <message>
        <source>Enter Password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>Please enter the password for this Q&amp;&amp;A-list:</source>
        <translation>Introduzca la contraseña de esta lista P/R:</translation>
    </message>
</context>
<context>
    <name>brainlark::QuestionNotesDialog</name>
    <message>
        <source>Question Notes</source>
        <translation>Notas de la pregunta</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizScreen</name>
    <message>
        <source>Try</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizSession</name>
    <message>
        <source>Sorry, questions and answers can not be reversed in the Predefined Answers mode.</source>
        <translation>Lo sentimos, no se pueden invertir preguntas y respuestas en el modo de respuestas predefinidas.</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizView</name>
    <message>
        <source>Press Start (or Enter) to begin the quiz.</source>
        <translation>Pulse Iniciar (o Intro) para empezar el cuestionario.</translation>
    </message>
    <message>
        <source>Choose a Q&amp;A-list with at least five pairs to start a quiz.</source>
        <translation>Elija una lista P/R con al menos cinco parejas para empezar un cuestionario.</translation>
    </message>
    <message>
        <source>Nothing due today</source>
        <translation>Nada pendiente hoy</translation>
    </message>
    <message>
        <source>Press Escape to stop the slideshow first.</source>
        <translation>Pulse primero Escape para detener la presentación.</translation>
    </message>
    <message>
        <source>Wait until the next question is on the screen.</source>
        <translation>Espere a que la siguiente pregunta esté en pantalla.</translation>
    </message>
    <message>
        <source>Right: %1 - Wrong: %2</source>
        <translation>Correctas: %1 - Incorrectas: %2</translation>
    </message>
</context>
<context>
    <name>brainlark::QuizViewMenu</name>
    <message>
        <source>Animate &amp;New Question</source>
        <translation>Animar &amp;nueva pregunta</translation>
    </message>
    <message>
        <source>&amp;Change Layout</source>
        <translation>Cambiar &amp;diseño</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Brainlark</source>
        <translation>&amp;Acerca de Brainlark</translation>
    </message>
    <message>
        <source>Sound Schemes</source>
        <translation>Temas de sonido</translation>
    </message>
    <message>
        <source>Quiz Type</source>
        <translation>Tipo de cuestionario</translation>
    </message>
    <message>
        <source>Multiple-choice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <source>True/False</source>
        <translation>Verdadero/Falso</translation>
    </message>
    <message>
        <source>Type-in</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Relacionar</translation>
    </message>
    <message>
        <source>Question Selection</source>
        <translation>Selección de preguntas</translation>
    </message>
    <message>
        <source>&amp;Smart Pick</source>
        <translation>&amp;Smart Pick</translation>
    </message>
    <message>
        <source>S&amp;equential</source>
        <translation>Se&amp;cuencial</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>&amp;Due (spaced repetition)</source>
        <translation>&amp;Pendientes (repetición espaciada)</translation>
    </message>
    <message>
        <source>Answer Selection</source>
        <translation>Selección de respuestas</translation>
    </message>
    <message>
        <source>&amp;Predefined</source>
        <translation>&amp;Predefinidas</translation>
    </message>
    <message>
        <source>R&amp;andom</source>
        <translation>&amp;Aleatorias</translation>
    </message>
</context>
<context>
    <name>brainlark::ReadAloud</name>
    <message>
        <source>Read aloud needs a speech engine: install speech-dispatcher or flite.</source>
        <translation>La lectura en voz alta necesita un motor de voz: instale speech-dispatcher o flite.</translation>
    </message>
    <message>
        <source>No voice for %1 is installed.</source>
        <translation>No hay ninguna voz instalada para %1.</translation>
    </message>
    <message>
        <source>No voice for %1 or %2 is installed.</source>
        <translation>No hay ninguna voz instalada para %1 ni para %2.</translation>
    </message>
    <message>
        <source>Read the question aloud, and its answer once it is judged</source>
        <translation>Leer la pregunta en voz alta y su respuesta una vez juzgada</translation>
    </message>
</context>
<context>
    <name>brainlark::RestoreBackupDialog</name>
    <message>
        <source>1 pair</source>
        <translation>1 pareja</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 parejas</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>There are no backups of &quot;%1&quot; yet. A backup is kept each time the Q&amp;A-list is saved.</source>
        <translation>Aún no hay copias de seguridad de «%1». Cada vez que se guarda la lista P/R se conserva una copia.</translation>
    </message>
    <message>
        <source>Earlier versions of &quot;%1&quot;, newest first, with what restoring each would change in the present Q&amp;A-list. The chosen version replaces the Q&amp;A-list; the present one is kept as a backup first.</source>
        <translation>Versiones anteriores de «%1», la más reciente primero, con lo que cambiaría en la lista P/R actual al restaurar cada una. La versión elegida sustituye a la lista P/R; antes se guarda una copia de la actual.</translation>
    </message>
    <message>
        <source>reading...</source>
        <translation>leyendo...</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versiones:</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>statistics only</source>
        <translation>solo estadísticas</translation>
    </message>
    <message>
        <source>the same</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 añadidas</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 eliminadas</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modificadas</translation>
    </message>
    <message>
        <source>notes, subject, password or wrong answers changed</source>
        <translation>notas, tema, contraseña o respuestas incorrectas modificados</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>Versiones</translation>
    </message>
</context>
<context>
    <name>brainlark::SlideshowTitle</name>
    <message>
        <source> Slideshow</source>
        <translation> Presentación</translation>
    </message>
</context>
<context>
    <name>brainlark::SmartCounterDialog</name>
    <message>
        <source>Smart Counter Settings</source>
        <translation>Ajustes del Smart Counter</translation>
    </message>
    <message>
        <source>&amp;Alert after every</source>
        <translation>&amp;Avisar cada</translation>
    </message>
    <message>
        <source>right answers</source>
        <translation>respuestas correctas</translation>
    </message>
    <message>
        <source>When alerted ...</source>
        <translation>Al avisar ...</translation>
    </message>
    <message>
        <source>&amp;Play upbeat music</source>
        <translation>Tocar &amp;música alegre</translation>
    </message>
    <message>
        <source>P&amp;lay animation</source>
        <translation>Mostrar a&amp;nimación</translation>
    </message>
    <message>
        <source>R&amp;everse questions and answers</source>
        <translation>&amp;Invertir preguntas y respuestas</translation>
    </message>
    <message>
        <source>&amp;Reset Score</source>
        <translation>&amp;Reiniciar la puntuación</translation>
    </message>
    <message>
        <source>Right answers between alerts</source>
        <translation>Respuestas correctas entre avisos</translation>
    </message>
</context>
<context>
    <name>brainlark::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Statistics - %1</source>
        <translation>Estadísticas - %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Answers and accuracy per day</source>
        <translation>Respuestas y acierto por día</translation>
    </message>
    <message>
        <source>Ratings of the pairs</source>
        <translation>Valoraciones de las parejas</translation>
    </message>
    <message>
        <source>Time studied per day (all lists)</source>
        <translation>Tiempo de estudio por día (todas las listas)</translation>
    </message>
    <message>
        <source>Time studied per day</source>
        <translation>Tiempo de estudio por día</translation>
    </message>
    <message>
        <source>Reviews due in the next 30 days</source>
        <translation>Repasos pendientes en los próximos 30 días</translation>
    </message>
    <message>
        <source>True retention per week</source>
        <translation>Retención real por semana</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecta</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Preguntada</translation>
    </message>
    <message>
        <source>The ten weakest pairs</source>
        <translation>Las diez parejas más débiles</translation>
    </message>
    <message>
        <source>The ten &amp;weakest pairs</source>
        <translation>Las diez parejas más &amp;débiles</translation>
    </message>
    <message>
        <source>The study history cannot be read, so it is not shown and answers are not recorded: %1</source>
        <translation>No se puede leer el historial de estudio, así que no se muestra y las respuestas no se registran: %1</translation>
    </message>
    <message>
        <source>&amp;Export as PNG...</source>
        <translation>&amp;Exportar como PNG...</translation>
    </message>
    <message>
        <source>Current streak: 1 day of study</source>
        <translation>Racha actual: 1 día de estudio</translation>
    </message>
    <message>
        <source>Current streak: %1 days of study</source>
        <translation>Racha actual: %1 días de estudio</translation>
    </message>
    <message>
        <source>Pairs due</source>
        <translation>Parejas pendientes</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Correctas al primer intento</translation>
    </message>
    <message>
        <source>Desired retention %1 %</source>
        <translation>Retención deseada %1 %</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Acierto %</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Acierto</translation>
    </message>
    <message>
        <source>Minutes studied</source>
        <translation>Minutos de estudio</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>%1 - statistics</source>
        <translation>%1 - estadísticas</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>No se pudo guardar %1</translation>
    </message>
</context>
<context>
    <name>brainlark::StudentDataDialog</name>
    <message>
        <source>Student Data</source>
        <translation>Datos del alumno</translation>
    </message>
    <message>
        <source>Reset Q&amp;&amp;A-list ratings</source>
        <translation>Restablecer las valoraciones de la lista P/R</translation>
    </message>
    <message>
        <source>Student Name:</source>
        <translation>Nombre del alumno:</translation>
    </message>
</context>
<context>
    <name>brainlark::StudyModuleSelector</name>
    <message>
        <source>Select study module</source>
        <translation>Elegir módulo de estudio</translation>
    </message>
    <message>
        <source>Q&amp;A-list Name</source>
        <translation>Nombre de la lista P/R</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Open &amp;Due Pairs</source>
        <translation>Abrir parejas &amp;pendientes</translation>
    </message>
    <message>
        <source>Open the list with the question selection Due (spaced repetition)</source>
        <translation>Abrir la lista con la selección de preguntas «Pendientes (repetición espaciada)»</translation>
    </message>
    <message>
        <source>C&amp;hange Subject...</source>
        <translation>Cam&amp;biar de tema...</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-list information</source>
        <translation>Información de la lista P/R</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A-lists found:</source>
        <translation>Listas P/R encontradas:</translation>
    </message>
    <message>
        <source>Q&amp;&amp;A pairs:</source>
        <translation>Parejas P/R:</translation>
    </message>
    <message>
        <source>Predefined answers:</source>
        <translation>Respuestas predefinidas:</translation>
    </message>
    <message>
        <source>Total answers:</source>
        <translation>Respuestas en total:</translation>
    </message>
    <message>
        <source>Accuracy:</source>
        <translation>Acierto:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message numerus="yes">
        <source>%1 pairs due today, %2 within a week</source>
        <translation>
            <numerusform>%1 pareja pendiente hoy, %2 en una semana</numerusform>
            <numerusform>%1 parejas pendientes hoy, %2 en una semana</numerusform>
        </translation>
    </message>
    <message>
        <source>Change Subject</source>
        <translation>Cambiar de tema</translation>
    </message>
    <message>
        <source>Could not save the Q&amp;A-list.</source>
        <translation>No se pudo guardar la lista P/R.</translation>
    </message>
    <message>
        <source>Due today / week</source>
        <translation>Pendientes hoy / semana</translation>
    </message>
    <message numerus="yes">
        <source>Due in all lists: %1 pairs today, %2 within a week</source>
        <translation>
            <numerusform>Pendientes en todas las listas: %1 pareja hoy, %2 en una semana</numerusform>
            <numerusform>Pendientes en todas las listas: %1 parejas hoy, %2 en una semana</numerusform>
        </translation>
    </message>
    <message>
        <source>Q&amp;A-lists</source>
        <translation>Listas P/R</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
</context>
<context>
    <name>brainlark::SubjectList</name>
    <message>
        <source>--- All ---</source>
        <translation>--- Todos ---</translation>
    </message>
    <message>
        <source>--- n/a ---</source>
        <translation>--- sin tema ---</translation>
    </message>
</context>
<context>
    <name>brainlark::TypeinPage</name>
    <message>
        <source>After wrong answer ...</source>
        <translation>Tras una respuesta incorrecta ...</translation>
    </message>
    <message>
        <source>&amp;Keep trying</source>
        <translation>&amp;Seguir intentando</translation>
    </message>
    <message>
        <source>&amp;Clear the answer field</source>
        <translation>&amp;Vaciar el campo de respuesta</translation>
    </message>
    <message>
        <source>&amp;Show reminder card</source>
        <translation>Mostrar tarjeta &amp;recordatorio</translation>
    </message>
    <message>
        <source>When checking answer ...</source>
        <translation>Al comprobar la respuesta ...</translation>
    </message>
    <message>
        <source>Ignore case</source>
        <translation>Ignorar mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Ignore spaces</source>
        <translation>Ignorar espacios</translation>
    </message>
    <message>
        <source>Ignore punctuation</source>
        <translation>Ignorar la puntuación</translation>
    </message>
    <message>
        <source>Center text</source>
        <translation>Centrar el texto</translation>
    </message>
    <message>
        <source>Pre-fill answer</source>
        <translation>Rellenar la respuesta de antemano</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>first and last character</source>
        <translation>primer y último carácter</translation>
    </message>
    <message>
        <source>first and last of every word</source>
        <translation>primero y último de cada palabra</translation>
    </message>
    <message>
        <source>every other character</source>
        <translation>un carácter de cada dos</translation>
    </message>
    <message>
        <source>every third character</source>
        <translation>un carácter de cada tres</translation>
    </message>
    <message>
        <source>every forth character</source>
        <translation>un carácter de cada cuatro</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewNotesDialog</name>
    <message>
        <source>View Notes</source>
        <translation>Ver notas</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>brainlark::ViewPairDialog</name>
    <message>
        <source>View Q&amp;A-pair</source>
        <translation>Ver pareja P/R</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Question Notes:</source>
        <translation>Notas de la pregunta:</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Right Answers:</source>
        <translation>Respuestas correctas:</translation>
    </message>
    <message>
        <source>Wrong Answers:</source>
        <translation>Respuestas incorrectas:</translation>
    </message>
    <message>
        <source>Total Answers:</source>
        <translation>Respuestas en total:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Valoración:</translation>
    </message>
</context>
<context>
    <name>brainlark::VisualPage</name>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>&amp;Show transition</source>
        <translation>Mostrar &amp;transición</translation>
    </message>
    <message>
        <source>Show &amp;reminder card</source>
        <translation>Mostrar tarjeta &amp;recordatorio</translation>
    </message>
    <message>
        <source>An&amp;imate new question</source>
        <translation>An&amp;imar la pregunta nueva</translation>
    </message>
    <message>
        <source>&amp;Hide q/a text</source>
        <translation>&amp;Ocultar el texto P/R</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>Ima&amp;gen</translation>
    </message>
    <message>
        <source>browse</source>
        <translation>examinar</translation>
    </message>
    <message>
        <source>preview</source>
        <translation>vista previa</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Trama</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation>&amp;Líneas</translation>
    </message>
    <message>
        <source>Sq&amp;uares</source>
        <translation>&amp;Cuadrados</translation>
    </message>
    <message>
        <source>&amp;Do not change</source>
        <translation>No ca&amp;mbiar</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Question Font</source>
        <translation>Fuente de la pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Answer Font</source>
        <translation>Fuente de la respuesta</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Ficha</translation>
    </message>
    <message>
        <source>Flashcard Font</source>
        <translation>Fuente de la ficha</translation>
    </message>
    <message>
        <source>Printed Card</source>
        <translation>Ficha impresa</translation>
    </message>
    <message>
        <source>Printed Flashcard Font</source>
        <translation>Fuente de la ficha impresa</translation>
    </message>
    <message>
        <source>Image files (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</source>
        <translation>Archivos de imagen (JPG, GIF, BMP, PCX)|*.jpg;*.gif;*.bmp;*.pcx|</translation>
    </message>
</context>
<context>
    <name>brainlark::WeightsFitDialog</name>
    <message>
        <source>Fit to my history</source>
        <translation>Ajustar a mi historial</translation>
    </message>
    <message>
        <source>Reading your answers from the study history...</source>
        <translation>Leyendo sus respuestas del historial de estudio...</translation>
    </message>
    <message>
        <source>Fitting the weights to your reviews...</source>
        <translation>Ajustando los pesos a sus repasos...</translation>
    </message>
    <message>
        <source>The study history cannot be read: %1.</source>
        <translation>No se puede leer el historial de estudio: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Your study history holds %1 reviews (first answers to a question); at least 1,000 are needed to fit the weights. The weights stay as they are.</source>
        <translation>
            <numerusform>Su historial de estudio contiene %1 repaso (primera respuesta a una pregunta); hacen falta al menos 1000 para ajustar los pesos. Los pesos se quedan como están.</numerusform>
            <numerusform>Su historial de estudio contiene %1 repasos (primeras respuestas a una pregunta); hacen falta al menos 1000 para ajustar los pesos. Los pesos se quedan como están.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fitted to %1 reviews of %2 pairs; %3 pairs were held back to judge the fit.

Judged on %4 later reviews of the pairs held back:
log-loss %5 with the default weights, %6 with the fitted ones;
RMSE %7 with the default weights, %8 with the fitted ones.

</source>
        <translation>Ajustado a %1 repasos de %2 parejas; se reservaron %3 parejas para juzgar el ajuste.

Juzgado sobre %4 repasos posteriores de las parejas reservadas:
log-loss %5 con los pesos predeterminados, %6 con los ajustados;
RMSE %7 con los pesos predeterminados, %8 con los ajustados.

</translation>
    </message>
    <message>
        <source>The fitted weights do not predict your answers better; the weights stay as they are.</source>
        <translation>Los pesos ajustados no predicen mejor sus respuestas; los pesos se quedan como están.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better and are used from now on.</source>
        <translation>Los pesos ajustados predicen mejor sus respuestas y se usan a partir de ahora.</translation>
    </message>
    <message>
        <source>The fitted weights predict your answers better, but they could not be kept in the study history; the weights stay as they are.</source>
        <translation>Los pesos ajustados predicen mejor sus respuestas, pero no se pudieron guardar en el historial de estudio; los pesos se quedan como están.</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswerDialog</name>
    <message>
        <source>Predefined Wrong Answer</source>
        <translation>Respuesta incorrecta predefinida</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
</context>
<context>
    <name>brainlark::WrongAnswersDialog</name>
    <message>
        <source>Predefined Wrong Answers</source>
        <translation>Respuestas incorrectas predefinidas</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Wrong Answer</source>
        <translation>Respuesta incorrecta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this answer:

%1</source>
        <translation>¿Seguro que desea eliminar esta respuesta?

%1</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
</context>
</TS>
