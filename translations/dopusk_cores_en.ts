<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>iso286</name>
    <message>
        <source>Зазоры, натяги и допуск посадки вычислены по показанным отклонениям %1 (±%2 мкм), не по точным половинам IT7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с зазором</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>переходная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с натягом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в системе отверстия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в системе вала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в системе отверстия и в системе вала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внесистемная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле %1 увеличено: не в масштабе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший зазор Smax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший зазор Smin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск посадки TS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший натяг Nmax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший натяг Nmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск посадки TN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск посадки TSN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средний зазор Sm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средний натяг Nm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посадка с зазором %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посадка с натягом %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переходная посадка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ø%1 %2: зазор %3…%4 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ø%1 %2: натяг %3…%4 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ø%1 %2: зазор до %3 мкм, натяг до %4 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δ для квалитетов IT01…IT2 стандарт не даёт; принят равным 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квалитеты IT1…IT5 для размеров свыше 500 мм даны стандартом для опытного применения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IT7 = %1 мкм нечётный: отклонения округлены до ±%2 мкм, точно ±%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>до %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>свыше %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>свыше %1 до %2 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный размер должен быть больше 0 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Система ISO 286 определена для размеров до 3150 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номинальный размер задаётся с точностью до %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квалитеты IT01 и IT0 определены до %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квалитет IT%1 для размеров %2 не определён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квалитеты IT14…IT18 определены для размеров свыше 1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле %1 для размеров %2 не определено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле %1 не определено: поля %2 есть только в квалитетах %3…%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При Ø%1 мм наименьший размер отверстия %2 был бы %3 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При Ø%1 мм наименьший размер вала %2 был бы %3 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — поле вала, а в посадке первым пишется поле отверстия (H7/p6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — поле отверстия, а в посадке вторым пишется поле вала (H7/p6)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iso965</name>
    <message>
        <source>среднего диаметра D2 гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внутреннего диаметра D1 гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>среднего диаметра d2 болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наружного диаметра d болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьба не указана: пишется как M10, M10x1,25 или M10x1,25-6H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьба «%1» не прочитана: пишется как M10, M10x1,25 или M10x1,25-6H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле допуска не указано: пишется как 6H, 6g, 5g6g или 6H/6g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле допуска «%1» не прочитано: пишется как 6H, 6g, 5g6g или 6H/6g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В «%1» поле гайки (G, H) и поле болта (e, f, g, h) перепутаны: посадка пишется как 6H/6g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле %1 — поле болта (e, f, g, h); гайке нужно поле G или H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле %1 — поле гайки (G, H); болту нужно поле e, f, g или h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьбы диаметром %1 мм нет в ряду метрических резьб ISO 261 (1…300 мм)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У резьбы M%1 нет крупного шага: укажите шаг (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шага %1 мм у резьбы M%2 в ряду ISO 261 нет (есть %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Степени точности %1 для %2 стандарт не устанавливает (есть %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Степени точности %1 для %2 при шаге %3 мм стандарт не устанавливает (есть %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основного отклонения %1 при шаге %2 мм стандарт не устанавливает (оно есть с шага %3 мм)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iso965diagram</name>
    <message>
        <source>Поле %1 увеличено: не в масштабе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший наружный диаметр гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший средний диаметр гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший средний диаметр гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший внутренний диаметр гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший внутренний диаметр гайки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший наружный диаметр болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший наружный диаметр болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший средний диаметр болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший средний диаметр болта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший внутренний диаметр болта по дну впадины</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — основное отклонение %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — допуск степени точности %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьба с крупным шагом, %1-й ряд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьба с мелким шагом, %1-й ряд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2%3 = %4 мм (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; наименьший d₃ стандарт не устанавливает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший зазор по среднему диаметру: D₂ min − d₂ max, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший зазор по среднему диаметру: D₂ max − d₂ min, мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; зазор по D₂ %2…%3 мкм</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после %1 нужны верхнее и нижнее отклонение в мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ %1 указан дважды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ %1 не сочетается с %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ключ %1 действует только с --find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан размер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указано поле или посадка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лишний аргумент %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>размер %1 не читается как число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>размер %1 задан точнее 0,000001 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отклонение %1 не читается как число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отклонение %1 задано точнее 0,001 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отклонение %1 больше 100000 мкм по модулю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>верхнее отклонение %1 меньше нижнего %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 не обозначение поля допуска (пример: H7, p6, JS9, cd8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в посадке %1 слева пишется поле отверстия, справа поле вала (H7/p6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 не обозначение резьбы (пример: M10, M10x1,25-6H, M10-6H/6g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в %1 не читается поле допуска резьбы (пример: 6H, 6g, 5g6g, 6H/6g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в посадке резьбы %1 слева пишется поле гайки (G, H), справа поле болта (e, f, g, h): 6H/6g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка не вида «РАЗМЕР ПОЛЕ» или «РАЗМЕР ОТВЕРСТИЕ/ВАЛ»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка длиннее %1 байт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся прочитать %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стандартный ввод</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся записать ответ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (справка: dopusk-limits --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>размеры до %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>размеры свыше %1 до %2 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>примечание: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 мкм, %3 = %4 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2: %3; %4 … %5 мм%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(IT7 округлён до чётного, как в каталоге)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(точные половины IT7, как в ISO 286-2:2010)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — отверстие, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — вал, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>верхнее отклонение %1 = %2 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нижнее отклонение  %1 = %2 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допуск IT%1 = %2 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наибольший размер  %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наименьший размер  %1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — посадка %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отверстие </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вал </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наибольший зазор Smax = ES − ei = %1 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наименьший зазор Smin = EI − es = %1 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>средний зазор = %1 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допуск посадки = %1 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(отрицательный зазор — натяг)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, отклонения %2 и %3 мкм: поля с этими отклонениями</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, отклонения %2 и %3 мкм: ни одно поле не совпадает, ближайшие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(на %1 мкм)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поля отверстий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поля валов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 мкм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 … %2 мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>крупный шаг %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мелкий шаг %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, диаметры свыше %2 до %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нижнее отклонение EI = %1 мкм (D, D2), %2 мкм (D1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допуск TD2 = %1, TD1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наружный диаметр   D  не менее %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>средний диаметр    D2 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внутренний диаметр D1 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>верхнее отклонение es = %1 мкм (d2, d3), %2 мкм (d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>допуск Td2 = %1, Td = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наружный диаметр   d  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>средний диаметр    d2 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внутренний диаметр d3 не более %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номинальные диаметры: d = D = %1, d2 = D2 = %2, d1 = D1 = %3, d3 = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поля гайки:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поля болта:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — внутренняя резьба (гайка), %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — наружная резьба (болт), %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — посадка резьбы, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>гайка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>болт %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наименьший зазор по среднему диаметру D2 min − d2 max = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>наибольший зазор по среднему диаметру D2 max − d2 min = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M%1: шаги по ISO 261, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Метрические резьбы ISO 261, 1…300 мм: диаметр, ряд, шаги в мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ряд %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>крупный %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мелкие %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мелкий %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>thread</name>
    <message>
        <source>ОСНОВНАЯ РЕЗЬБА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Резьба с мелким шагом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M%1×%2: отверстие %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>№</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номиин. диам. резьбы d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг резьбы S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диам. отв. под резьбу d0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск на отв.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основная резьба</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolerance</name>
    <message>
        <source>ВСЕ (без сортировки)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВАЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отверстие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неотв. р-р</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВСЕ (сортировка по квалитету)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВСЕ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 при Ø%2: в таблице нет, см. «Посадки»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старое обозначение :  [ %1 ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верхнее отклонение ниже нижнего</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новое </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>обозн.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старое </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
