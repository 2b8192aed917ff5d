<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>Accessibility</name>
    <message>
      <source>Frame</source>
      <translation>Рамка</translation>
    </message>
    <message>
      <source>Frame round the score and the high-score table</source>
      <translation>Рамка вокруг счёта и таблицы рекордов</translation>
    </message>
    <message>
      <source>Background</source>
      <translation>Фон</translation>
    </message>
    <message>
      <source>The scheme's picture behind the board</source>
      <translation>Картинка темы за игровым полем</translation>
    </message>
    <message>
      <source>Leaves the game (Ctrl+Q)</source>
      <translation>Закрывает игру (Ctrl+Q)</translation>
    </message>
    <message>
      <source>Opens the help page (F1)</source>
      <translation>Открывает справку (F1)</translation>
    </message>
    <message>
      <source>High Score</source>
      <translation>Рекорды</translation>
    </message>
    <message>
      <source>Title of the high-score table</source>
      <translation>Заголовок таблицы рекордов</translation>
    </message>
    <message>
      <source>Draws the balls as spheres (key 1)</source>
      <translation>Показывает шары (клавиша 1)</translation>
    </message>
    <message>
      <source>Draws the balls as cones (key 2)</source>
      <translation>Показывает конусы (клавиша 2)</translation>
    </message>
    <message>
      <source>Draws the balls as rings (key 3)</source>
      <translation>Показывает кольца (клавиша 3)</translation>
    </message>
    <message>
      <source>Scheme</source>
      <translation>Тема</translation>
    </message>
    <message>
      <source>Title of the scheme buttons</source>
      <translation>Заголовок кнопок темы</translation>
    </message>
    <message>
      <source>Takes back the last move and its points (U, Backspace or Ctrl+Z)</source>
      <translation>Отменяет последний ход и его очки (U, Backspace или Ctrl+Z)</translation>
    </message>
    <message>
      <source>Deals a new game (N or F2)</source>
      <translation>Начинает новую игру (N или F2)</translation>
    </message>
    <message>
      <source>Pick a ball, then a neighbour above, below, left or right to swap them (Space or Return)</source>
      <translation>Выберите фишку, затем соседнюю сверху, снизу, слева или справа, чтобы поменять их местами (Пробел или Enter)</translation>
    </message>
    <message>
      <source>Match-3 puzzle. Arrow keys move the cursor, Space or Return picks a ball, H shows a possible move, M switches the sound off or on</source>
      <translation>Головоломка «три в ряд». Стрелки перемещают курсор, Пробел или Enter выбирает фишку, H показывает возможный ход, M выключает или включает звук</translation>
    </message>
    <message>
      <source>The points of the game in progress</source>
      <translation>Очки текущей игры</translation>
    </message>
    <message>
      <source>High-score names</source>
      <translation>Имена в таблице рекордов</translation>
    </message>
    <message>
      <source>The players of the ten best games, best first</source>
      <translation>Игроки десяти лучших партий, начиная с лучшей</translation>
    </message>
    <message>
      <source>High scores</source>
      <translation>Лучшие результаты</translation>
    </message>
    <message>
      <source>The ten best scores, best first</source>
      <translation>Десять лучших результатов, начиная с лучшего</translation>
    </message>
    <message>
      <source>Row %1, column %2: empty</source>
      <translation>Ряд %1, столбец %2: пусто</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3, picked</source>
      <extracomment>%3 is the ball, as "pink sphere".</extracomment>
      <translation>Ряд %1, столбец %2: %3, выбрано</translation>
    </message>
    <message>
      <source>Row %1, column %2: %3</source>
      <translation>Ряд %1, столбец %2: %3</translation>
    </message>
    <message>
      <source>What the last move did</source>
      <translation>Что сделал последний ход</translation>
    </message>
  </context>
  <context>
    <name>BallNames</name>
    <message>
      <source>silver sphere with a red seam</source>
      <translation>серебряный шар с красным швом</translation>
    </message>
    <message>
      <source>gold and brown checked sphere</source>
      <translation>шар в золотисто-коричневую клетку</translation>
    </message>
    <message>
      <source>blue sphere with gold flecks</source>
      <translation>синий шар с золотыми крапинками</translation>
    </message>
    <message>
      <source>dark green sphere</source>
      <translation>тёмно-зелёный шар</translation>
    </message>
    <message>
      <source>white sphere with rust speckles</source>
      <translation>белый шар с ржавыми крапинками</translation>
    </message>
    <message>
      <source>green and blue sphere</source>
      <translation>зелёно-синий шар</translation>
    </message>
    <message>
      <source>red and grey woven sphere</source>
      <translation>плетёный красно-серый шар</translation>
    </message>
    <message>
      <source>pink sphere</source>
      <translation>розовый шар</translation>
    </message>
    <message>
      <source>black cone with a grey web</source>
      <translation>чёрный конус с серой паутинкой</translation>
    </message>
    <message>
      <source>grey granite cone</source>
      <translation>серый гранитный конус</translation>
    </message>
    <message>
      <source>ochre gold cone</source>
      <translation>охристо-золотой конус</translation>
    </message>
    <message>
      <source>red cone with a marbled patch</source>
      <translation>красный конус с мраморным пятном</translation>
    </message>
    <message>
      <source>wooden cone</source>
      <translation>деревянный конус</translation>
    </message>
    <message>
      <source>blue and white marbled cone</source>
      <translation>сине-белый мраморный конус</translation>
    </message>
    <message>
      <source>black and white checked cone</source>
      <translation>конус в чёрно-белую клетку</translation>
    </message>
    <message>
      <source>dark grey cone with green bands</source>
      <translation>тёмно-серый конус с зелёными полосами</translation>
    </message>
    <message>
      <source>red marbled ring</source>
      <translation>красное мраморное кольцо</translation>
    </message>
    <message>
      <source>black ring with white lines</source>
      <translation>чёрное кольцо с белыми линиями</translation>
    </message>
    <message>
      <source>white ring with brown speckles</source>
      <translation>белое кольцо с коричневыми крапинками</translation>
    </message>
    <message>
      <source>gold ring</source>
      <translation>золотое кольцо</translation>
    </message>
    <message>
      <source>dark grey ring with green bands</source>
      <translation>тёмно-серое кольцо с зелёными полосами</translation>
    </message>
    <message>
      <source>black and white checked ring</source>
      <translation>кольцо в чёрно-белую клетку</translation>
    </message>
    <message>
      <source>carved wooden ring</source>
      <translation>резное деревянное кольцо</translation>
    </message>
    <message>
      <source>blue and white marbled ring</source>
      <translation>сине-белое мраморное кольцо</translation>
    </message>
  </context>
  <context>
    <name>Deals</name>
    <message>
      <source>Deal number...</source>
      <translation>Номер расклада...</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Расклад дня</translation>
    </message>
    <message>
      <source>Deal number</source>
      <translation>Номер расклада</translation>
    </message>
    <message>
      <source>Copy game</source>
      <translation>Копировать игру</translation>
    </message>
    <message>
      <source>Deal %1</source>
      <translation>Расклад %1</translation>
    </message>
    <message>
      <source>The game is copied</source>
      <translation>Игра скопирована</translation>
    </message>
    <message>
      <source>Type the number of a deal, from 0 to 4294967295.</source>
      <translation>Введите номер расклада, от 0 до 4294967295.</translation>
    </message>
    <message>
      <source>%1 is too large: deal numbers go from 0 to 4294967295.</source>
      <translation>%1 — слишком большое число: номера раскладов от 0 до 4294967295.</translation>
    </message>
    <message>
      <source>“%1” is not a deal number: type only the digits 0 to 9.</source>
      <translation>«%1» — не номер расклада: вводите только цифры от 0 до 9.</translation>
    </message>
    <message>
      <source>Play the deal numbered (0 to 4294967295):</source>
      <translation>Сыграть расклад номер (от 0 до 4294967295):</translation>
    </message>
  </context>
  <context>
    <name>Errors</name>
    <message>
      <source>Cannot open file %1</source>
      <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
      <source>Cannot create file %1</source>
      <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
      <source>Cannot lock file %1</source>
      <translation>Не удаётся заблокировать файл %1</translation>
    </message>
    <message>
      <source>Cannot read picture %1: no JPEG library</source>
      <translation>Не удаётся прочитать картинку %1: нет библиотеки JPEG</translation>
    </message>
    <message>
      <source>Cannot read picture %1: out of memory</source>
      <translation>Не удаётся прочитать картинку %1: не хватает памяти</translation>
    </message>
    <message>
      <source>Cannot read picture %1: %2</source>
      <translation>Не удаётся прочитать картинку %1: %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid integer value</source>
      <translation>«%1» — недопустимое целое число</translation>
    </message>
    <message>
      <source>List index out of bounds (%1)</source>
      <translation>Индекс списка вне диапазона (%1)</translation>
    </message>
    <message>
      <source>Invalid data type for '%1'</source>
      <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
      <source>Failed to set data for '%1'</source>
      <translation>Не удалось сохранить данные для «%1»</translation>
    </message>
    <message>
      <source>Invalid name for the high-score table</source>
      <translation>Недопустимое имя для таблицы рекордов</translation>
    </message>
  </context>
  <context>
    <name>GameOver</name>
    <message>
      <source>       Game Over!!!</source>
      <extracomment>The leading blanks centre the title; keep them.</extracomment>
      <translation>       Игра окончена!!!</translation>
    </message>
    <message>
      <source>Do you want to play again?</source>
      <translation>Хотите сыграть ещё раз?</translation>
    </message>
  </context>
  <context>
    <name>HelpPage</name>
    <message>
      <source>Help/Vendrask.html</source>
      <translation>Help/Vendrask.ru.html</translation>
    </message>
  </context>
  <context>
    <name>Hints</name>
    <message>
      <source>Your Score</source>
      <translation>Ваш счёт</translation>
    </message>
    <message>
      <source>New Game</source>
      <translation>Новая игра</translation>
    </message>
    <message>
      <source>Undo your previous move</source>
      <translation>Отменить последний ход</translation>
    </message>
    <message>
      <source>Scheme 1</source>
      <translation>Тема 1</translation>
    </message>
    <message>
      <source>Scheme 2</source>
      <translation>Тема 2</translation>
    </message>
    <message>
      <source>Scheme 3</source>
      <translation>Тема 3</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Справка</translation>
    </message>
    <message>
      <source>Hint</source>
      <extracomment>The command that shows a possible move.</extracomment>
      <translation>Подсказка</translation>
    </message>
    <message>
      <source>Sound</source>
      <extracomment>The command that switches the sound off or on.</extracomment>
      <translation>Звук</translation>
    </message>
    <message>
      <source>Exit Game</source>
      <translation>Выйти из игры</translation>
    </message>
    <message>
      <source>Symbols</source>
      <extracomment>The command that shows or hides a symbol on each ball.</extracomment>
      <translation>Символы</translation>
    </message>
  </context>
  <context>
    <name>Menu</name>
    <message>
      <source>New Classic game</source>
      <translation>Новая классическая игра</translation>
    </message>
    <message>
      <source>New Timed game</source>
      <translation>Новая игра на время</translation>
    </message>
    <message>
      <source>New Zen game</source>
      <translation>Новая дзен-игра</translation>
    </message>
    <message>
      <source>Pause</source>
      <translation>Пауза</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Меню</translation>
    </message>
  </context>
  <context>
    <name>Pictures</name>
    <message>
      <source>Hight Score</source>
      <translation>Рекорды</translation>
    </message>
    <message>
      <source>SCHEME</source>
      <translation>ТЕМА</translation>
    </message>
    <message>
      <source>NEW</source>
      <translation>НОВАЯ</translation>
    </message>
    <message>
      <source>UNDO</source>
      <translation>НАЗАД</translation>
    </message>
  </context>
  <context>
    <name>QAccessibleActionInterface</name>
    <message>
      <source>Press</source>
      <translation>Нажать</translation>
    </message>
    <message>
      <source>SetFocus</source>
      <translation>Установить фокус</translation>
    </message>
    <message>
      <source>Triggers the action</source>
      <translation>Выполняет действие</translation>
    </message>
    <message>
      <source>Sets the focus</source>
      <translation>Устанавливает фокус</translation>
    </message>
  </context>
  <context>
    <name>QGnomeTheme</name>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;ОК</translation>
    </message>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Отмена</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Отменить действие</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>&amp;Повторить действие</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>&amp;Вырезать</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Копировать</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>Вст&amp;авить</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Удалить</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Выделить всё</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Да</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;Нет</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>ОК</translation>
    </message>
  </context>
  <context>
    <name>QShortcut</name>
    <message>
      <source>Ctrl</source>
      <translation>Ctrl</translation>
    </message>
    <message>
      <source>Shift</source>
      <translation>Shift</translation>
    </message>
    <message>
      <source>Space</source>
      <translation>Пробел</translation>
    </message>
    <message>
      <source>Return</source>
      <translation>Return</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Backspace</source>
      <translation>Backspace</translation>
    </message>
    <message>
      <source>Left</source>
      <translation>Влево</translation>
    </message>
    <message>
      <source>Right</source>
      <translation>Вправо</translation>
    </message>
    <message>
      <source>Up</source>
      <translation>Вверх</translation>
    </message>
    <message>
      <source>Down</source>
      <translation>Вниз</translation>
    </message>
    <message>
      <source>Menu</source>
      <translation>Меню</translation>
    </message>
  </context>
  <context>
    <name>SoundNote</name>
    <message>
      <source>Sound on</source>
      <translation>Звук вкл.</translation>
    </message>
    <message>
      <source>Sound off</source>
      <translation>Звук выкл.</translation>
    </message>
  </context>
  <context>
    <name>Spoken</name>
    <message>
      <source>Line of three: %1, %2 points.</source>
      <translation>Линия из трёх: %1, %2 очков.</translation>
    </message>
    <message>
      <source>Line of four: %1, %2 points.</source>
      <translation>Линия из четырёх: %1, %2 очков.</translation>
    </message>
    <message>
      <source>Line of five: %1, %2 points.</source>
      <translation>Линия из пяти: %1, %2 очков.</translation>
    </message>
    <message>
      <source>Score %1.</source>
      <translation>Счёт %1.</translation>
    </message>
    <message>
      <source>Cascade %1.</source>
      <translation>Каскад %1.</translation>
    </message>
    <message>
      <source>No line, not swapped.</source>
      <translation>Нет линии, обмена нет.</translation>
    </message>
    <message>
      <source>Not neighbours, not swapped.</source>
      <translation>Не соседи, обмена нет.</translation>
    </message>
    <message>
      <source>Move taken back.</source>
      <translation>Ход отменён.</translation>
    </message>
    <message>
      <source>New game.</source>
      <translation>Новая игра.</translation>
    </message>
    <message>
      <source>Spheres.</source>
      <translation>Шары.</translation>
    </message>
    <message>
      <source>Cones.</source>
      <translation>Конусы.</translation>
    </message>
    <message>
      <source>Rings.</source>
      <translation>Кольца.</translation>
    </message>
    <message>
      <source>Hint: swap %1 with %2.</source>
      <translation>Подсказка: поменяйте %1 и %2.</translation>
    </message>
    <message>
      <source>Sound on.</source>
      <translation>Звук включён.</translation>
    </message>
    <message>
      <source>Sound off.</source>
      <translation>Звук выключен.</translation>
    </message>
    <message>
      <source>No moves left. Score %1.</source>
      <translation>Ходов больше нет. Счёт %1.</translation>
    </message>
    <message>
      <source>No moves left. Score %1, place %2 in the table.</source>
      <translation>Ходов больше нет. Счёт %1, место %2 в рекордах.</translation>
    </message>
    <message>
      <source>New high score</source>
      <translation>Новый рекорд</translation>
    </message>
    <message>
      <source>Game over</source>
      <translation>Игра окончена</translation>
    </message>
    <message>
      <source>Symbols on.</source>
      <translation>Символы включены.</translation>
    </message>
    <message>
      <source>Symbols off.</source>
      <translation>Символы выключены.</translation>
    </message>
  </context>
  <context>
    <name>Statistics</name>
    <message>
      <source>Statistics</source>
      <translation>Статистика</translation>
    </message>
    <message>
      <source>Your games cannot be counted: the game log %1 cannot be written (%2). The game plays on</source>
      <translation>Ваши игры не учитываются: журнал игр %1 не удаётся записать (%2). Игра продолжается</translation>
    </message>
    <message>
      <source>The statistics window cannot be opened: its module is missing</source>
      <translation>Окно статистики не открывается: нет его модуля</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Классика</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>На время</translation>
    </message>
    <message>
      <source>Zen</source>
      <translation>Дзен</translation>
    </message>
    <message>
      <source>Today&apos;s deal, %1</source>
      <translation>Расклад дня, %1</translation>
    </message>
    <message>
      <source>Today&apos;s deal</source>
      <translation>Расклад дня</translation>
    </message>
    <message>
      <source>Games</source>
      <translation>Игры</translation>
    </message>
    <message>
      <source>Best score</source>
      <translation>Лучший счёт</translation>
    </message>
    <message>
      <source>Average score</source>
      <translation>Средний счёт</translation>
    </message>
    <message>
      <source>Median score</source>
      <translation>Медиана счёта</translation>
    </message>
    <message>
      <source>Longest cascade</source>
      <translation>Самый длинный каскад</translation>
    </message>
    <message>
      <source>Last ten scores, newest first</source>
      <translation>Последние десять результатов, сначала новые</translation>
    </message>
    <message>
      <source>Figures of each way to play</source>
      <translation>Показатели каждого режима игры</translation>
    </message>
    <message>
      <source>none yet</source>
      <translation>пока нет</translation>
    </message>
    <message>
      <source>not played</source>
      <translation>не сыграно</translation>
    </message>
    <message>
      <source>Scores of the last hundred games</source>
      <translation>Результаты последних ста игр</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Игра</translation>
    </message>
    <message>
      <source>Score</source>
      <translation>Счёт</translation>
    </message>
    <message>
      <source>%1: no games yet.</source>
      <translation>%1: пока нет игр.</translation>
    </message>
    <message numerus="yes">
      <source>%1: %n games, scores from %2 to %3; the best is game %4. Oldest first: %5.</source>
      <translation>
        <numerusform>%1: %n игра, счёт от %2 до %3; лучшая — игра %4. Сначала старые: %5.</numerusform>
        <numerusform>%1: %n игры, счёт от %2 до %3; лучшая — игра %4. Сначала старые: %5.</numerusform>
        <numerusform>%1: %n игр, счёт от %2 до %3; лучшая — игра %4. Сначала старые: %5.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>THScore</name>
    <message>
      <source>HScore</source>
      <translation>Рекорды</translation>
    </message>
    <message>
      <source>Congratulations!!!</source>
      <translation>Поздравляем!!!</translation>
    </message>
    <message>
      <source>You reached the Hight Score!!!</source>
      <translation>Вы попали в таблицу рекордов!!!</translation>
    </message>
    <message>
      <source>Plese enter your name</source>
      <translation>Введите своё имя</translation>
    </message>
    <message>
      <source>Your name</source>
      <translation>Ваше имя</translation>
    </message>
    <message>
      <source>The name for the high-score table, up to eight characters</source>
      <translation>Имя для таблицы рекордов, не больше восьми символов</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>ОК</translation>
    </message>
    <message>
      <source>Enters the name in the high-score table</source>
      <translation>Заносит имя в таблицу рекордов</translation>
    </message>
  </context>
  <context>
    <name>Pace</name>
    <message>
      <source>Speed: Fast</source>
      <translation>Скорость: быстрая</translation>
    </message>
    <message>
      <source>Speed: Instant</source>
      <translation>Скорость: мгновенная</translation>
    </message>
    <message>
      <source>Speed: Normal</source>
      <translation>Скорость: обычная</translation>
    </message>
    <message>
      <source>Speed</source>
      <extracomment>The command that steps through the speeds: normal, fast, instant.</extracomment>
      <translation>Скорость</translation>
    </message>
  </context>
  <context>
    <name>Ways</name>
    <message>
      <source>New deal</source>
      <translation>Новая раздача</translation>
    </message>
    <message>
      <source>No move left: a new deal, the score kept.</source>
      <translation>Ходов больше нет: новая раздача, счёт сохранён.</translation>
    </message>
    <message>
      <source>Paused. Click here or press P to go on.</source>
      <translation>Пауза. Щёлкните здесь или нажмите P, чтобы продолжить.</translation>
    </message>
    <message>
      <source>Timed</source>
      <translation>На время</translation>
    </message>
  </context>
  <context>
    <name>Zoom</name>
    <message>
      <source>Zoom In</source>
      <translation>Увеличить</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Уменьшить</translation>
    </message>
    <message>
      <source>Normal Size</source>
      <translation>Обычный размер</translation>
    </message>
    <message>
      <source>Full Screen</source>
      <translation>Во весь экран</translation>
    </message>
  </context>
</TS>
