<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>iso286</name>
    <message>
        <source>Зазоры, натяги и допуск посадки вычислены по показанным отклонениям %1 (±%2 мкм), не по точным половинам IT7</source>
        <translation>Clearances, interferences and the fit tolerance are computed from the deviations shown for %1 (±%2 µm), not from the exact halves of IT7</translation>
    </message>
    <message>
        <source>с зазором</source>
        <translation>clearance</translation>
    </message>
    <message>
        <source>переходная</source>
        <translation>transition</translation>
    </message>
    <message>
        <source>с натягом</source>
        <translation>interference</translation>
    </message>
    <message>
        <source>в системе отверстия</source>
        <translation>hole-basis</translation>
    </message>
    <message>
        <source>в системе вала</source>
        <translation>shaft-basis</translation>
    </message>
    <message>
        <source>в системе отверстия и в системе вала</source>
        <translation>hole-basis and shaft-basis</translation>
    </message>
    <message>
        <source>внесистемная</source>
        <translation>neither hole-basis nor shaft-basis</translation>
    </message>
    <message>
        <source>0 мкм</source>
        <translation>0 µm</translation>
    </message>
    <message>
        <source>Поле %1 увеличено: не в масштабе</source>
        <translation>Zone %1 enlarged: not to scale</translation>
    </message>
    <message>
        <source>Наибольший зазор Smax</source>
        <translation>Max. clearance Smax</translation>
    </message>
    <message>
        <source>Наименьший зазор Smin</source>
        <translation>Min. clearance Smin</translation>
    </message>
    <message>
        <source>Допуск посадки TS</source>
        <translation>Fit tolerance TS</translation>
    </message>
    <message>
        <source>Наибольший натяг Nmax</source>
        <translation>Max. interference Nmax</translation>
    </message>
    <message>
        <source>Наименьший натяг Nmin</source>
        <translation>Min. interference Nmin</translation>
    </message>
    <message>
        <source>Допуск посадки TN</source>
        <translation>Fit tolerance TN</translation>
    </message>
    <message>
        <source>Допуск посадки TSN</source>
        <translation>Fit tolerance TSN</translation>
    </message>
    <message>
        <source>Средний зазор Sm</source>
        <translation>Mean clearance Sm</translation>
    </message>
    <message>
        <source>Средний натяг Nm</source>
        <translation>Mean interference Nm</translation>
    </message>
    <message>
        <source>Посадка с зазором %1</source>
        <translation>Clearance fit, %1</translation>
    </message>
    <message>
        <source>Посадка с натягом %1</source>
        <translation>Interference fit, %1</translation>
    </message>
    <message>
        <source>Переходная посадка %1</source>
        <translation>Transition fit, %1</translation>
    </message>
    <message>
        <source>Ø%1 %2: зазор %3…%4 мкм</source>
        <translation>Ø%1 %2: clearance %3…%4 µm</translation>
    </message>
    <message>
        <source>Ø%1 %2: натяг %3…%4 мкм</source>
        <translation>Ø%1 %2: interference %3…%4 µm</translation>
    </message>
    <message>
        <source>Ø%1 %2: зазор до %3 мкм, натяг до %4 мкм</source>
        <translation>Ø%1 %2: Smax %3, Nmax %4 µm</translation>
    </message>
    <message>
        <source>Δ для квалитетов IT01…IT2 стандарт не даёт; принят равным 0</source>
        <translation>The standard gives no Δ for grades IT01…IT2; taken as 0</translation>
    </message>
    <message>
        <source>Квалитеты IT1…IT5 для размеров свыше 500 мм даны стандартом для опытного применения</source>
        <translation>Grades IT1…IT5 for sizes over 500 mm are given by the standard for experimental use</translation>
    </message>
    <message>
        <source>IT7 = %1 мкм нечётный: отклонения округлены до ±%2 мкм, точно ±%3</source>
        <translation>IT7 = %1 µm is odd: deviations rounded to ±%2 µm, exactly ±%3</translation>
    </message>
    <message>
        <source>до %1 мм</source>
        <translation>up to %1 mm</translation>
    </message>
    <message>
        <source>свыше %1 мм</source>
        <translation>over %1 mm</translation>
    </message>
    <message>
        <source>свыше %1 до %2 мм</source>
        <translation>over %1 up to %2 mm</translation>
    </message>
    <message>
        <source>Номинальный размер должен быть больше 0 мм</source>
        <translation>The nominal size must be greater than 0 mm</translation>
    </message>
    <message>
        <source>Система ISO 286 определена для размеров до 3150 мм</source>
        <translation>ISO 286 is defined for sizes up to 3150 mm</translation>
    </message>
    <message>
        <source>Номинальный размер задаётся с точностью до %1 мм</source>
        <translation>The nominal size is given to %1 mm at most</translation>
    </message>
    <message>
        <source>Квалитеты IT01 и IT0 определены до %1 мм</source>
        <translation>Grades IT01 and IT0 are defined up to %1 mm</translation>
    </message>
    <message>
        <source>Квалитет IT%1 для размеров %2 не определён</source>
        <translation>Grade IT%1 is not defined for sizes %2</translation>
    </message>
    <message>
        <source>Квалитеты IT14…IT18 определены для размеров свыше 1 мм</source>
        <translation>Grades IT14…IT18 are defined for sizes over 1 mm</translation>
    </message>
    <message>
        <source>Поле %1 для размеров %2 не определено</source>
        <translation>Tolerance class %1 is not defined for sizes %2</translation>
    </message>
    <message>
        <source>Поле %1 не определено: поля %2 есть только в квалитетах %3…%4</source>
        <translation>Tolerance class %1 is not defined: %2 exists only in grades %3…%4</translation>
    </message>
    <message>
        <source>При Ø%1 мм наименьший размер отверстия %2 был бы %3 мм</source>
        <translation>At Ø%1 mm the smallest limit of size of hole %2 would be %3 mm</translation>
    </message>
    <message>
        <source>При Ø%1 мм наименьший размер вала %2 был бы %3 мм</source>
        <translation>At Ø%1 mm the smallest limit of size of shaft %2 would be %3 mm</translation>
    </message>
    <message>
        <source>%1 — поле вала, а в посадке первым пишется поле отверстия (H7/p6)</source>
        <translation>%1 is a shaft tolerance class; a fit names the hole first (H7/p6)</translation>
    </message>
    <message>
        <source>%1 — поле отверстия, а в посадке вторым пишется поле вала (H7/p6)</source>
        <translation>%1 is a hole tolerance class; a fit names the shaft second (H7/p6)</translation>
    </message>
</context>
<context>
    <name>iso965</name>
    <message>
        <source>среднего диаметра D2 гайки</source>
        <translation>the pitch diameter D2 of the nut</translation>
    </message>
    <message>
        <source>внутреннего диаметра D1 гайки</source>
        <translation>the minor diameter D1 of the nut</translation>
    </message>
    <message>
        <source>среднего диаметра d2 болта</source>
        <translation>the pitch diameter d2 of the bolt</translation>
    </message>
    <message>
        <source>наружного диаметра d болта</source>
        <translation>the major diameter d of the bolt</translation>
    </message>
    <message>
        <source>Резьба не указана: пишется как M10, M10x1,25 или M10x1,25-6H</source>
        <translation>No thread given: written as M10, M10x1.25 or M10x1.25-6H</translation>
    </message>
    <message>
        <source>Резьба «%1» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H</source>
        <translation>Thread “%1” not read: written as M10, M10x1.25 or M10x1.25-6H</translation>
    </message>
    <message>
        <source>Поле допуска не указано: пишется как 6H, 6g, 5g6g или 6H/6g</source>
        <translation>No tolerance class given: written as 6H, 6g, 5g6g or 6H/6g</translation>
    </message>
    <message>
        <source>Поле допуска «%1» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g</source>
        <translation>Tolerance class “%1” not read: written as 6H, 6g, 5g6g or 6H/6g</translation>
    </message>
    <message>
        <source>В «%1» поле гайки (G, H) и поле болта (e, f, g, h) перепутаны: посадка пишется как 6H/6g</source>
        <translation>In “%1” the nut class (G, H) and the bolt class (e, f, g, h) are swapped: a fit is written as 6H/6g</translation>
    </message>
    <message>
        <source>Поле %1 — поле болта (e, f, g, h); гайке нужно поле G или H</source>
        <translation>%1 is a bolt class (e, f, g, h); a nut needs G or H</translation>
    </message>
    <message>
        <source>Поле %1 — поле гайки (G, H); болту нужно поле e, f, g или h</source>
        <translation>%1 is a nut class (G, H); a bolt needs e, f, g or h</translation>
    </message>
    <message>
        <source>Резьбы диаметром %1 мм нет в ряду метрических резьб ISO 261 (1…300 мм)</source>
        <translation>No thread of diameter %1 mm in the ISO 261 metric series (1…300 mm)</translation>
    </message>
    <message>
        <source>У резьбы M%1 нет крупного шага: укажите шаг (%2)</source>
        <translation>M%1 has no coarse pitch: give the pitch (%2)</translation>
    </message>
    <message>
        <source>Шага %1 мм у резьбы M%2 в ряду ISO 261 нет (есть %3)</source>
        <translation>ISO 261 has no pitch %1 mm for M%2 (there are %3)</translation>
    </message>
    <message>
        <source>Степени точности %1 для %2 стандарт не устанавливает (есть %3)</source>
        <translation>The standard sets no tolerance grade %1 for %2 (there are %3)</translation>
    </message>
    <message>
        <source>Степени точности %1 для %2 при шаге %3 мм стандарт не устанавливает (есть %4)</source>
        <translation>The standard sets no tolerance grade %1 for %2 at pitch %3 mm (there are %4)</translation>
    </message>
    <message>
        <source>Основного отклонения %1 при шаге %2 мм стандарт не устанавливает (оно есть с шага %3 мм)</source>
        <translation>The standard sets no fundamental deviation %1 at pitch %2 mm (it exists from pitch %3 mm)</translation>
    </message>
</context>
<context>
    <name>iso965diagram</name>
    <message>
        <source>Поле %1 увеличено: не в масштабе</source>
        <translation>Zone %1 enlarged: not to scale</translation>
    </message>
    <message>
        <source>0 мкм</source>
        <translation>0 µm</translation>
    </message>
    <message>
        <source>мкм</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>Наименьший наружный диаметр гайки</source>
        <translation>Minimum major diameter of the nut</translation>
    </message>
    <message>
        <source>Наименьший средний диаметр гайки</source>
        <translation>Minimum pitch diameter of the nut</translation>
    </message>
    <message>
        <source>Наибольший средний диаметр гайки</source>
        <translation>Maximum pitch diameter of the nut</translation>
    </message>
    <message>
        <source>Наименьший внутренний диаметр гайки</source>
        <translation>Minimum minor diameter of the nut</translation>
    </message>
    <message>
        <source>Наибольший внутренний диаметр гайки</source>
        <translation>Maximum minor diameter of the nut</translation>
    </message>
    <message>
        <source>Наибольший наружный диаметр болта</source>
        <translation>Maximum major diameter of the bolt</translation>
    </message>
    <message>
        <source>Наименьший наружный диаметр болта</source>
        <translation>Minimum major diameter of the bolt</translation>
    </message>
    <message>
        <source>Наибольший средний диаметр болта</source>
        <translation>Maximum pitch diameter of the bolt</translation>
    </message>
    <message>
        <source>Наименьший средний диаметр болта</source>
        <translation>Minimum pitch diameter of the bolt</translation>
    </message>
    <message>
        <source>Наибольший внутренний диаметр болта по дну впадины</source>
        <translation>Maximum minor diameter of the bolt at the root</translation>
    </message>
    <message>
        <source>%1 — основное отклонение %2</source>
        <translation>%1: fundamental deviation %2</translation>
    </message>
    <message>
        <source>%1 — допуск степени точности %2</source>
        <translation>%1: tolerance of grade %2</translation>
    </message>
    <message>
        <source>Резьба с крупным шагом, %1-й ряд</source>
        <translation>Coarse thread, choice %1</translation>
    </message>
    <message>
        <source>Резьба с мелким шагом, %1-й ряд</source>
        <translation>Fine thread, choice %1</translation>
    </message>
    <message>
        <source>%1: %2%3 = %4 мм (%5)</source>
        <translation>%1: %2%3 = %4 mm (%5)</translation>
    </message>
    <message>
        <source>%1; наименьший d₃ стандарт не устанавливает</source>
        <translation>%1; the standard sets no minimum d₃</translation>
    </message>
    <message>
        <source>Наименьший зазор по среднему диаметру: D₂ min − d₂ max, мкм</source>
        <translation>Minimum clearance at the pitch diameter: D₂ min − d₂ max, µm</translation>
    </message>
    <message>
        <source>Наибольший зазор по среднему диаметру: D₂ max − d₂ min, мкм</source>
        <translation>Maximum clearance at the pitch diameter: D₂ max − d₂ min, µm</translation>
    </message>
    <message>
        <source>%1; зазор по D₂ %2…%3 мкм</source>
        <translation>%1; clearance at D₂ %2…%3 µm</translation>
    </message>
</context>
<context>
    <name>limits</name>
    <message>
        <source>Использование:
  dopusk-limits РАЗМЕР ПОЛЕ              предельные отклонения поля (dopusk-limits 25 H7)
  dopusk-limits РАЗМЕР ОТВЕРСТИЕ/ВАЛ     посадка (dopusk-limits 25 H7/p6)
  dopusk-limits РАЗМЕР --find ВЕРХНЕЕ НИЖНЕЕ [--holes|--shafts]
                                         поля с этими отклонениями, мкм
  dopusk-limits --classes РАЗМЕР         все поля, определённые для размера
  dopusk-limits РЕЗЬБА-ПОЛЕ              предельные диаметры резьбы гайки или болта
                                         (dopusk-limits M10x1,5-6H, dopusk-limits M10-6g)
  dopusk-limits РЕЗЬБА-ГАЙКА/БОЛТ        посадка резьбы (dopusk-limits M10x1,25-6H/6g)
  dopusk-limits --threads [ДИАМЕТР]      резьбы ряда ISO 261 или шаги при диаметре
  dopusk-limits --batch [ФАЙЛ]           запросы по строкам из файла («-» или без файла —
                                         со стандартного ввода)
Ключи:
  --json           ответ в JSON, один объект на запрос (и на ошибку)
  --js7-exact      JS7/js7 точными половинами IT7 (±7,5 мкм на 6–10 мм)
  --holes, --shafts  с --find: только отверстия или только валы
  -h, --help       эта справка
  -V, --version    версия программы
  --               конец ключей: дальше только аргументы
Размер в мм (до 0,000001 мм) и отклонения в мкм (до 0,001 мкм) — с запятой или с точкой.
В пакете пустые строки и строки, начинающиеся с #, пропускаются.
Резьба: M, диаметр, x и шаг (без шага — крупный); M и x можно набрать по-русски.
Код выхода: 0 — всё определено, 1 — поле, посадка, резьба или размер не определены (или с --find
нет точного совпадения), 2 — ошибка в запросе, 3 — не удалось прочитать ввод или записать ответ.
</source>
        <translation>Usage:
  dopusk-limits SIZE CLASS               limit deviations of a tolerance class (dopusk-limits 25 H7)
  dopusk-limits SIZE HOLE/SHAFT          a fit (dopusk-limits 25 H7/p6)
  dopusk-limits SIZE --find UPPER LOWER [--holes|--shafts]
                                         the classes with these deviations, µm
  dopusk-limits --classes SIZE           every class defined at the size
  dopusk-limits THREAD-CLASS             limits of size of a nut or bolt thread
                                         (dopusk-limits M10x1.5-6H, dopusk-limits M10-6g)
  dopusk-limits THREAD-NUT/BOLT          a thread fit (dopusk-limits M10x1.25-6H/6g)
  dopusk-limits --threads [DIAMETER]     the threads of ISO 261 or the pitches at a diameter
  dopusk-limits --batch [FILE]           queries line by line from a file (&quot;-&quot; or no file:
                                         from standard input)
Options:
  --json           answers in JSON, one object per query (and per error)
  --js7-exact      JS7/js7 as exact halves of IT7 (±7.5 µm at 6–10 mm)
  --holes, --shafts  with --find: holes only or shafts only
  -h, --help       this help
  -V, --version    the program&apos;s version
  --               end of options: only arguments follow
Size in mm (to 0.000001 mm) and deviations in µm (to 0.001 µm), with a point or a comma.
In a batch, blank lines and lines starting with # are skipped.
Thread: M, diameter, x and pitch (no pitch: coarse); M and x may be typed in Cyrillic.
Exit status: 0 all defined, 1 a class, fit, thread or size not defined (or with --find
no exact match), 2 an error in the query, 3 input could not be read or the answer written.
</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>после %1 нужны верхнее и нижнее отклонение в мкм</source>
        <translation>%1 needs the upper and the lower deviation in µm</translation>
    </message>
    <message>
        <source>ключ %1 указан дважды</source>
        <translation>option %1 given twice</translation>
    </message>
    <message>
        <source>ключ %1 не сочетается с %2</source>
        <translation>option %1 does not go with %2</translation>
    </message>
    <message>
        <source>ключ %1 действует только с --find</source>
        <translation>option %1 works only with --find</translation>
    </message>
    <message>
        <source>не указан размер</source>
        <translation>no size given</translation>
    </message>
    <message>
        <source>не указано поле или посадка</source>
        <translation>no tolerance class or fit given</translation>
    </message>
    <message>
        <source>лишний аргумент %1</source>
        <translation>extra argument %1</translation>
    </message>
    <message>
        <source>размер %1 не читается как число</source>
        <translation>size %1 does not read as a number</translation>
    </message>
    <message>
        <source>размер %1 задан точнее 0,000001 мм</source>
        <translation>size %1 is given finer than 0.000001 mm</translation>
    </message>
    <message>
        <source>отклонение %1 не читается как число</source>
        <translation>deviation %1 does not read as a number</translation>
    </message>
    <message>
        <source>отклонение %1 задано точнее 0,001 мкм</source>
        <translation>deviation %1 is given finer than 0.001 µm</translation>
    </message>
    <message>
        <source>отклонение %1 больше 100000 мкм по модулю</source>
        <translation>deviation %1 is beyond ±100000 µm</translation>
    </message>
    <message>
        <source>верхнее отклонение %1 меньше нижнего %2</source>
        <translation>upper deviation %1 is less than lower deviation %2</translation>
    </message>
    <message>
        <source>%1 не обозначение поля допуска (пример: H7, p6, JS9, cd8)</source>
        <translation>%1 is not a tolerance class (for example H7, p6, JS9, cd8)</translation>
    </message>
    <message>
        <source>в посадке %1 слева пишется поле отверстия, справа поле вала (H7/p6)</source>
        <translation>fit %1: the hole class goes on the left, the shaft class on the right (H7/p6)</translation>
    </message>
    <message>
        <source>%1 не обозначение резьбы (пример: M10, M10x1,25-6H, M10-6H/6g)</source>
        <translation>%1 is not a thread (for example M10, M10x1.25-6H, M10-6H/6g)</translation>
    </message>
    <message>
        <source>в %1 не читается поле допуска резьбы (пример: 6H, 6g, 5g6g, 6H/6g)</source>
        <translation>the thread tolerance class in %1 does not read (for example 6H, 6g, 5g6g, 6H/6g)</translation>
    </message>
    <message>
        <source>в посадке резьбы %1 слева пишется поле гайки (G, H), справа поле болта (e, f, g, h): 6H/6g</source>
        <translation>thread fit %1: the nut class (G, H) goes on the left, the bolt class (e, f, g, h) on the right: 6H/6g</translation>
    </message>
    <message>
        <source>строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»</source>
        <translation>the line is not “SIZE CLASS” or “SIZE HOLE/SHAFT”</translation>
    </message>
    <message>
        <source>строка длиннее %1 байт</source>
        <translation>line longer than %1 bytes</translation>
    </message>
    <message>
        <source>не удаётся прочитать %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>стандартный ввод</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>не удаётся записать ответ: %1</source>
        <translation>cannot write the answer: %1</translation>
    </message>
    <message>
        <source>%1 (справка: dopusk-limits --help)</source>
        <translation>%1 (help: dopusk-limits --help)</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>ошибка: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>размеры до %1 мм</source>
        <translation>sizes up to %1 mm</translation>
    </message>
    <message>
        <source>размеры свыше %1 до %2 мм</source>
        <translation>sizes over %1 up to %2 mm</translation>
    </message>
    <message>
        <source>примечание: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>%1 = %2 мкм, %3 = %4 мкм</source>
        <translation>%1 = %2 µm, %3 = %4 µm</translation>
    </message>
    <message>
        <source>%1%2: %3; %4 … %5 мм%6</source>
        <translation>%1%2: %3; %4 … %5 mm%6</translation>
    </message>
    <message>
        <source>(IT7 округлён до чётного, как в каталоге)</source>
        <translation>(IT7 rounded to even, as in catalogues)</translation>
    </message>
    <message>
        <source>(точные половины IT7, как в ISO 286-2:2010)</source>
        <translation>(exact halves of IT7, as in ISO 286-2:2010)</translation>
    </message>
    <message>
        <source>%1 — отверстие, %2</source>
        <translation>%1 — hole, %2</translation>
    </message>
    <message>
        <source>%1 — вал, %2</source>
        <translation>%1 — shaft, %2</translation>
    </message>
    <message>
        <source>верхнее отклонение %1 = %2 мкм</source>
        <translation>upper deviation %1 = %2 µm</translation>
    </message>
    <message>
        <source>нижнее отклонение  %1 = %2 мкм</source>
        <translation>lower deviation %1 = %2 µm</translation>
    </message>
    <message>
        <source>допуск IT%1 = %2 мкм</source>
        <translation>tolerance IT%1 = %2 µm</translation>
    </message>
    <message>
        <source>наибольший размер  %1 мм</source>
        <translation>largest limit of size  %1 mm</translation>
    </message>
    <message>
        <source>наименьший размер  %1 мм</source>
        <translation>smallest limit of size %1 mm</translation>
    </message>
    <message>
        <source>%1 — посадка %2, %3</source>
        <translation>%1 — %2 fit, %3</translation>
    </message>
    <message>
        <source>отверстие </source>
        <translation>hole </translation>
    </message>
    <message>
        <source>вал </source>
        <translation>shaft </translation>
    </message>
    <message>
        <source>наибольший зазор Smax = ES − ei = %1 мкм</source>
        <translation>maximum clearance Smax = ES − ei = %1 µm</translation>
    </message>
    <message>
        <source>наименьший зазор Smin = EI − es = %1 мкм</source>
        <translation>minimum clearance Smin = EI − es = %1 µm</translation>
    </message>
    <message>
        <source>средний зазор = %1 мкм</source>
        <translation>mean clearance = %1 µm</translation>
    </message>
    <message>
        <source>допуск посадки = %1 мкм</source>
        <translation>fit tolerance = %1 µm</translation>
    </message>
    <message>
        <source>(отрицательный зазор — натяг)</source>
        <translation>(a negative clearance is an interference)</translation>
    </message>
    <message>
        <source>%1, отклонения %2 и %3 мкм: поля с этими отклонениями</source>
        <translation>%1, deviations %2 and %3 µm: the classes with these deviations</translation>
    </message>
    <message>
        <source>%1, отклонения %2 и %3 мкм: ни одно поле не совпадает, ближайшие</source>
        <translation>%1, deviations %2 and %3 µm: no class matches, the nearest</translation>
    </message>
    <message>
        <source>(на %1 мкм)</source>
        <translation>(off by %1 µm)</translation>
    </message>
    <message>
        <source>поля отверстий</source>
        <translation>hole classes</translation>
    </message>
    <message>
        <source>поля валов</source>
        <translation>shaft classes</translation>
    </message>
    <message>
        <source>%1 мм</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 мкм</source>
        <translation>%1 µm</translation>
    </message>
    <message>
        <source>%1 … %2 мм</source>
        <translation>%1 … %2 mm</translation>
    </message>
    <message>
        <source>крупный шаг %1</source>
        <translation>coarse pitch %1</translation>
    </message>
    <message>
        <source>мелкий шаг %1</source>
        <translation>fine pitch %1</translation>
    </message>
    <message>
        <source>%1, диаметры свыше %2 до %3</source>
        <translation>%1, diameters over %2 up to %3</translation>
    </message>
    <message>
        <source>нижнее отклонение EI = %1 мкм (D, D2), %2 мкм (D1)</source>
        <translation>lower deviation EI = %1 µm (D, D2), %2 µm (D1)</translation>
    </message>
    <message>
        <source>допуск TD2 = %1, TD1 = %2</source>
        <translation>tolerance TD2 = %1, TD1 = %2</translation>
    </message>
    <message>
        <source>наружный диаметр   D  не менее %1</source>
        <translation>major diameter D  at least %1</translation>
    </message>
    <message>
        <source>средний диаметр    D2 %1</source>
        <translation>pitch diameter D2 %1</translation>
    </message>
    <message>
        <source>внутренний диаметр D1 %1</source>
        <translation>minor diameter D1 %1</translation>
    </message>
    <message>
        <source>верхнее отклонение es = %1 мкм (d2, d3), %2 мкм (d)</source>
        <translation>upper deviation es = %1 µm (d2, d3), %2 µm (d)</translation>
    </message>
    <message>
        <source>допуск Td2 = %1, Td = %2</source>
        <translation>tolerance Td2 = %1, Td = %2</translation>
    </message>
    <message>
        <source>наружный диаметр   d  %1</source>
        <translation>major diameter d  %1</translation>
    </message>
    <message>
        <source>средний диаметр    d2 %1</source>
        <translation>pitch diameter d2 %1</translation>
    </message>
    <message>
        <source>внутренний диаметр d3 не более %1</source>
        <translation>minor diameter d3 at most %1</translation>
    </message>
    <message>
        <source>номинальные диаметры: d = D = %1, d2 = D2 = %2, d1 = D1 = %3, d3 = %4</source>
        <translation>basic diameters: d = D = %1, d2 = D2 = %2, d1 = D1 = %3, d3 = %4</translation>
    </message>
    <message>
        <source>поля гайки:%1</source>
        <translation>nut classes:%1</translation>
    </message>
    <message>
        <source>поля болта:%1</source>
        <translation>bolt classes:%1</translation>
    </message>
    <message>
        <source>%1 — внутренняя резьба (гайка), %2</source>
        <translation>%1 — internal thread (nut), %2</translation>
    </message>
    <message>
        <source>%1 — наружная резьба (болт), %2</source>
        <translation>%1 — external thread (bolt), %2</translation>
    </message>
    <message>
        <source>%1 — посадка резьбы, %2</source>
        <translation>%1 — thread fit, %2</translation>
    </message>
    <message>
        <source>гайка %1</source>
        <translation>nut %1</translation>
    </message>
    <message>
        <source>болт %1</source>
        <translation>bolt %1</translation>
    </message>
    <message>
        <source>наименьший зазор по среднему диаметру D2 min − d2 max = %1</source>
        <translation>minimum clearance at the pitch diameter D2 min − d2 max = %1</translation>
    </message>
    <message>
        <source>наибольший зазор по среднему диаметру D2 max − d2 min = %1</source>
        <translation>maximum clearance at the pitch diameter D2 max − d2 min = %1</translation>
    </message>
    <message>
        <source>M%1: шаги по ISO 261, мм</source>
        <translation>M%1: pitches of ISO 261, mm</translation>
    </message>
    <message>
        <source>Метрические резьбы ISO 261, 1…300 мм: диаметр, ряд, шаги в мм</source>
        <translation>ISO 261 metric threads, 1…300 mm: diameter, choice, pitches in mm</translation>
    </message>
    <message>
        <source>ряд %1</source>
        <translation>choice %1</translation>
    </message>
    <message>
        <source>крупный %1</source>
        <translation>coarse %1</translation>
    </message>
    <message>
        <source>мелкие %1</source>
        <translation>fine %1</translation>
    </message>
    <message>
        <source>мелкий %1</source>
        <translation>fine %1</translation>
    </message>
</context>
<context>
    <name>thread</name>
    <message>
        <source>ОСНОВНАЯ РЕЗЬБА</source>
        <translation>COARSE THREAD</translation>
    </message>
    <message>
        <source>Резьба с мелким шагом</source>
        <translation>Fine thread</translation>
    </message>
    <message>
        <source>M%1×%2: отверстие %3 %4</source>
        <translation>M%1×%2: tap drill hole %3 %4</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Номиин. диам. резьбы d</source>
        <translation>Nominal thread diameter d</translation>
    </message>
    <message>
        <source>Шаг резьбы S</source>
        <translation>Pitch P</translation>
    </message>
    <message>
        <source>Диам. отв. под резьбу d0</source>
        <translation>Tap drill diameter d0</translation>
    </message>
    <message>
        <source>Допуск на отв.</source>
        <translation>Hole tolerance</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Pitch series</translation>
    </message>
    <message>
        <source>Основная резьба</source>
        <translation>Coarse thread</translation>
    </message>
</context>
<context>
    <name>tolerance</name>
    <message>
        <source>ВСЕ (без сортировки)</source>
        <translation>ALL (unsorted)</translation>
    </message>
    <message>
        <source>ВАЛ</source>
        <translation>SHAFT</translation>
    </message>
    <message>
        <source>отверстие</source>
        <translation>HOLE</translation>
    </message>
    <message>
        <source>неотв. р-р</source>
        <translation>non-critical sizes</translation>
    </message>
    <message>
        <source>ВСЕ (сортировка по квалитету)</source>
        <translation>ALL (sorted by grade)</translation>
    </message>
    <message>
        <source>ВСЕ</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>%1 при Ø%2: в таблице нет, см. «Посадки»</source>
        <translation>%1 at Ø%2: not in the table, see “Fits”</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Старое обозначение :  [ %1 ]</source>
        <translation>Old designation: %1</translation>
    </message>
    <message>
        <source>Верхнее отклонение ниже нижнего</source>
        <translation>Upper deviation below the lower one</translation>
    </message>
    <message>
        <source>Новое </source>
        <translation>New </translation>
    </message>
    <message>
        <source>обозн.</source>
        <translation>desig.</translation>
    </message>
    <message>
        <source>Старое </source>
        <translation>Old </translation>
    </message>
    <message>
        <source> отв.</source>
        <translation> (hole)</translation>
    </message>
    <message>
        <source>%1 мкм</source>
        <translation>%1 µm</translation>
    </message>
    <message>
        <source>%1 мм</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>ближайшее: %1 (на %2)</source>
        <translation>nearest: %1 (off by %2)</translation>
    </message>
    <message>
        <source>ближайшие: %1 (на %2)</source>
        <translation>nearest: %1 (off by %2)</translation>
    </message>
</context>
<context>
    <name>tolerance_table</name>
    <message>
        <source>мкм</source>
        <translation>µm</translation>
    </message>
</context>
</TS>
