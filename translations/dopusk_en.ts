<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AppInfo</name>
    <message>
        <source>Допуски и посадки</source>
        <translation>Limits and Fits</translation>
    </message>
</context>
<context>
    <name>ClassBox</name>
    <message>
        <source>все поля…</source>
        <translation>all classes…</translation>
    </message>
    <message>
        <source>Найти поле по отклонениям…</source>
        <translation>Find the class by its deviations…</translation>
    </message>
</context>
<context>
    <name>ClassSearchDialog</name>
    <message>
        <source>Поле по отклонениям</source>
        <translation>Class by its deviations</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ø%1 мм, поле отверстия</source>
        <translation>Ø%1 mm, hole tolerance class</translation>
    </message>
    <message>
        <source>Ø%1 мм, поле вала</source>
        <translation>Ø%1 mm, shaft tolerance class</translation>
    </message>
    <message>
        <source>ES, мкм</source>
        <translation>ES, µm</translation>
    </message>
    <message>
        <source>es, мкм</source>
        <translation>es, µm</translation>
    </message>
    <message>
        <source>EI, мкм</source>
        <translation>EI, µm</translation>
    </message>
    <message>
        <source>ei, мкм</source>
        <translation>ei, µm</translation>
    </message>
    <message>
        <source>Верхнее отклонение отверстия ES, мкм</source>
        <translation>Upper deviation of the hole ES, µm</translation>
    </message>
    <message>
        <source>Верхнее отклонение вала es, мкм</source>
        <translation>Upper deviation of the shaft es, µm</translation>
    </message>
    <message>
        <source>Нижнее отклонение отверстия EI, мкм</source>
        <translation>Lower deviation of the hole EI, µm</translation>
    </message>
    <message>
        <source>Нижнее отклонение вала ei, мкм</source>
        <translation>Lower deviation of the shaft ei, µm</translation>
    </message>
</context>
<context>
    <name>DiagramBox</name>
    <message>
        <source>Показать крупнее</source>
        <translation>Show larger</translation>
    </message>
</context>
<context>
    <name>FitSchemeBox</name>
    <message>
        <source>Копировать схему и посадку</source>
        <translation>Copy the diagram and the fit</translation>
    </message>
    <message>
        <source>Схема посадки</source>
        <translation>Fit diagram</translation>
    </message>
    <message>
        <source>Двойной щелчок: схема крупнее, в своём окне; правая кнопка: скопировать схему и посадку</source>
        <translation>Double-click: the diagram larger, in a window of its own; right button: copy the diagram and the fit</translation>
    </message>
</context>
<context>
    <name>FitsPage</name>
    <message>
        <source>Номинальный размер, мм: больше 0 и до 3150</source>
        <translation>Nominal size, mm: over 0 up to 3150</translation>
    </message>
    <message>
        <source>Поле допуска отверстия: H7, F8, JS9 …</source>
        <translation>Hole tolerance class: H7, F8, JS9 …</translation>
    </message>
    <message>
        <source>Поле допуска вала: g6, p6, js9 …</source>
        <translation>Shaft tolerance class: g6, p6, js9 …</translation>
    </message>
    <message>
        <source>Размер не читается как число</source>
        <translation>The size does not read as a number</translation>
    </message>
    <message>
        <source>Схема и посадка скопированы</source>
        <translation>Diagram and fit copied</translation>
    </message>
    <message>
        <source>Размер, мм</source>
        <translation>Size, mm</translation>
    </message>
    <message>
        <source>Отверстие</source>
        <translation>Hole</translation>
    </message>
    <message>
        <source>Вал</source>
        <translation>Shaft</translation>
    </message>
    <message>
        <source>Предпочтительные</source>
        <translation>Preferred</translation>
    </message>
    <message>
        <source>Щелчок выбирает оба поля посадки</source>
        <translation>A click chooses both classes of the fit</translation>
    </message>
    <message>
        <source>Верхнее отклонение отверстия ES, мкм</source>
        <translation>Upper deviation of the hole ES, µm</translation>
    </message>
    <message>
        <source>Нижнее отклонение отверстия EI, мкм</source>
        <translation>Lower deviation of the hole EI, µm</translation>
    </message>
    <message>
        <source>Наибольший предельный размер отверстия Dmax, мм</source>
        <translation>Largest limit of size of the hole Dmax, mm</translation>
    </message>
    <message>
        <source>Наименьший предельный размер отверстия Dmin, мм</source>
        <translation>Smallest limit of size of the hole Dmin, mm</translation>
    </message>
    <message>
        <source>Верхнее отклонение вала es, мкм</source>
        <translation>Upper deviation of the shaft es, µm</translation>
    </message>
    <message>
        <source>Нижнее отклонение вала ei, мкм</source>
        <translation>Lower deviation of the shaft ei, µm</translation>
    </message>
    <message>
        <source>Наибольший предельный размер вала dmax, мм</source>
        <translation>Largest limit of size of the shaft dmax, mm</translation>
    </message>
    <message>
        <source>Наименьший предельный размер вала dmin, мм</source>
        <translation>Smallest limit of size of the shaft dmin, mm</translation>
    </message>
    <message>
        <source>Отклонения, зазоры и натяги в мкм, размеры в мм</source>
        <translation>Deviations, clearances and interferences in µm, sizes in mm</translation>
    </message>
    <message>
        <source>Поле допуска не указано</source>
        <translation>No tolerance class given</translation>
    </message>
    <message>
        <source>«%1» не поле допуска (пример: H7, p6)</source>
        <translation>“%1” is not a tolerance class (e.g. H7, p6)</translation>
    </message>
    <message>
        <source>%1 — поле вала, а не отверстия</source>
        <translation>%1 is a shaft class, not a hole class</translation>
    </message>
    <message>
        <source>%1 — поле отверстия, а не вала</source>
        <translation>%1 is a hole class, not a shaft class</translation>
    </message>
    <message>
        <source>Smax или Nmax</source>
        <translation>Smax or Nmax</translation>
    </message>
    <message>
        <source>Smin или Nmin</source>
        <translation>Smin or Nmin</translation>
    </message>
    <message>
        <source>Sm или Nm</source>
        <translation>Sm or Nm</translation>
    </message>
    <message>
        <source>Допуск посадки</source>
        <translation>Fit tolerance</translation>
    </message>
    <message>
        <source>, мкм</source>
        <translation>, µm</translation>
    </message>
    <message>
        <source>Размер не указан</source>
        <translation>No size given</translation>
    </message>
    <message>
        <source>зазор</source>
        <translation>clearance</translation>
    </message>
    <message>
        <source>натяг</source>
        <translation>interference</translation>
    </message>
    <message>
        <source>переходная</source>
        <translation>transition</translation>
    </message>
</context>
<context>
    <name>MainPageTexts</name>
    <message>
        <source>Посмотреть таблицу  &gt;&gt;&gt;&gt;</source>
        <translation>Show the table  &gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>SheetPrint</name>
    <message>
        <source>Страница %1 из %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>SheetView</name>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить в PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>    Версия </source>
        <translation>    Version </translation>
    </message>
    <message>
        <source>Старое обозначение - СМ8</source>
        <translation>Old designation - СМ8</translation>
    </message>
    <message>
        <source>Поля допусков</source>
        <translation>Tolerance classes</translation>
    </message>
    <message>
        <source>Резьбы</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Посадки</source>
        <translation>Fits</translation>
    </message>
    <message>
        <source>Допуски резьбы</source>
        <translation>Thread tolerances</translation>
    </message>
</context>
<context>
    <name>Tfrm_About</name>
    <message>
        <source>ОПИСАНИЕ</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Программа автоматически находит предельные отклонения,</source>
        <translation>The program finds the limit deviations,</translation>
    </message>
    <message>
        <source>рассчитывает среднее значение поля допуска, показывает </source>
        <translation>works out the middle of the tolerance zone and shows </translation>
    </message>
    <message>
        <source>верхнее и нижнее значение допуска.</source>
        <translation>the upper and the lower limit.</translation>
    </message>
    <message>
        <source>Расчитывает параметры для нарезения отверстий под резьбу.</source>
        <translation>It works out the tap drill holes for threads.</translation>
    </message>
    <message>
        <source>Версия программы: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Разработчик: проект %1</source>
        <translation>Developer: the %1 project</translation>
    </message>
    <message>
        <source>ЕЩЕ:</source>
        <translation>MORE:</translation>
    </message>
    <message>
        <source>Свои пожелания и замечания присылайте по почте,</source>
        <translation>Send your wishes and remarks by mail</translation>
    </message>
    <message>
        <source>пишите также на форум на сайте проекта.</source>
        <translation>or write to the forum on the project&apos;s site.</translation>
    </message>
    <message>
        <source>Программа распространяется совершенно бесплатно.</source>
        <translation>The program is given away entirely free of charge.</translation>
    </message>
    <message>
        <source>Это свободная программа: её можно свободно</source>
        <translation>It is free software: you may freely</translation>
    </message>
    <message>
        <source>использовать, копировать и передавать другим.</source>
        <translation>use it, copy it and pass it on to others.</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>Tfrm_FastNamber</name>
    <message>
        <source>быстрая вставка</source>
        <translation>Quick insert</translation>
    </message>
</context>
<context>
    <name>Tfrm_KeyBoard</name>
    <message>
        <source>Клавиатура</source>
        <translation>Keypad</translation>
    </message>
    <message>
        <source>Цифры</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>Очистить экран</source>
        <translation>Clear the display</translation>
    </message>
    <message>
        <source>Удалить последний символ</source>
        <translation>Delete the last character</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Занести число в память</source>
        <translation>Store the number in memory</translation>
    </message>
    <message>
        <source>Отобразить число из памяти на экране</source>
        <translation>Show the number from memory on the display</translation>
    </message>
    <message>
        <source>Стереть ячейку памяти</source>
        <translation>Clear the memory cell</translation>
    </message>
    <message>
        <source>Стереть все ячейки памяти</source>
        <translation>Clear all memory cells</translation>
    </message>
    <message>
        <source>Вставить число </source>
        <translation>Insert the number </translation>
    </message>
</context>
<context>
    <name>Tfrm_ListOf_Ferrak</name>
    <message>
        <source>Поля допусков (список полей)</source>
        <translation>Tolerance classes (list)</translation>
    </message>
    <message>
        <source>Буква</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>К в а л и т е т</source>
        <translation>G r a d e</translation>
    </message>
    <message>
        <source>Поля %1 нет в таблице</source>
        <translation>Class %1 is not in the table</translation>
    </message>
</context>
<context>
    <name>Tfrm_RezbTabl</name>
    <message>
        <source>Параметры отв. под нарезание резьбы</source>
        <translation>Tap drill holes for threads</translation>
    </message>
</context>
<context>
    <name>Tfrm_Table</name>
    <message>
        <source>Поля допусков (отклонения показаны в мкм)</source>
        <translation>Tolerance classes (deviations in µm)</translation>
    </message>
</context>
<context>
    <name>ThreadPage</name>
    <message>
        <source>РЕЗЬБА </source>
        <translation>THREAD </translation>
    </message>
    <message>
        <source>М</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Номинальный диамтр резьбы</source>
        <translation>Nominal thread diameter</translation>
    </message>
    <message>
        <source>х</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Диам. отв. под резьбу (параметры)</source>
        <translation>Tap drill (parameters)</translation>
    </message>
    <message>
        <source>Диаметр отв. под нарезание резьбы</source>
        <translation>Tap drill diameter</translation>
    </message>
    <message>
        <source>допуск</source>
        <translation>tolerance</translation>
    </message>
    <message>
        <source>ном.</source>
        <translation>nom.</translation>
    </message>
    <message>
        <source>Допуск</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Диам. отв. под резьбу в СПД</source>
        <translation>Tap drill at mid-tolerance</translation>
    </message>
    <message>
        <source>Диаметр отв. под резьбу в середине поля допуска</source>
        <translation>Tap drill diameter at the middle of the tolerance zone</translation>
    </message>
    <message>
        <source>ср</source>
        <translation>mid</translation>
    </message>
</context>
<context>
    <name>ThreadSchemeBox</name>
    <message>
        <source>Копировать схему и размеры резьбы</source>
        <translation>Copy the diagram and the thread sizes</translation>
    </message>
    <message>
        <source>Двойной щелчок: схема крупнее, в своём окне; правая кнопка: скопировать схему и размеры резьбы</source>
        <translation>Double-click: the diagram larger, in a window of its own; right button: copy the diagram and the thread sizes</translation>
    </message>
    <message>
        <source>Схема допусков резьбы</source>
        <translation>Thread tolerance diagram</translation>
    </message>
</context>
<context>
    <name>ThreadTolerancePage</name>
    <message>
        <source>Поле допуска гайки: 6H, 4H5H, 7G …</source>
        <translation>Nut tolerance class: 6H, 4H5H, 7G …</translation>
    </message>
    <message>
        <source>Поле допуска болта: 6g, 5g6g, 8e …</source>
        <translation>Bolt tolerance class: 6g, 5g6g, 8e …</translation>
    </message>
    <message>
        <source>Номинальный диаметр резьбы, мм; жирным — первый ряд, курсивом — третий</source>
        <translation>Nominal thread diameter, mm; bold: first choice, italic: third choice</translation>
    </message>
    <message>
        <source>Резьба</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>М</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Шаг резьбы, мм: крупный первым</source>
        <translation>Thread pitch, mm: coarse first</translation>
    </message>
    <message>
        <source>Гайка</source>
        <translation>Nut</translation>
    </message>
    <message>
        <source>Болт</source>
        <translation>Bolt</translation>
    </message>
    <message>
        <source>Таблица допусков резьб  &gt;&gt;&gt;&gt;</source>
        <translation>Thread tolerance table  &gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Предельные размеры всех резьб ряда ISO 261 в выбранных полях допуска</source>
        <translation>Limits of size of all ISO 261 threads in the chosen tolerance classes</translation>
    </message>
    <message>
        <source>наим., мм</source>
        <translation>min, mm</translation>
    </message>
    <message>
        <source>наиб., мм</source>
        <translation>max, mm</translation>
    </message>
    <message>
        <source>наружный D</source>
        <translation>major D</translation>
    </message>
    <message>
        <source>не ограничен</source>
        <translation>not limited</translation>
    </message>
    <message>
        <source>Наибольший наружный диаметр гайки стандарт не ограничивает</source>
        <translation>The standard sets no largest major diameter of the nut</translation>
    </message>
    <message>
        <source>средний D₂</source>
        <translation>pitch D₂</translation>
    </message>
    <message>
        <source>внутренний D₁</source>
        <translation>minor D₁</translation>
    </message>
    <message>
        <source>наружный d</source>
        <translation>major d</translation>
    </message>
    <message>
        <source>средний d₂</source>
        <translation>pitch d₂</translation>
    </message>
    <message>
        <source>внутренний d₃</source>
        <translation>minor d₃</translation>
    </message>
    <message>
        <source>не нормирован</source>
        <translation>not specified</translation>
    </message>
    <message>
        <source>Наименьший внутренний диаметр болта d₃ стандарт не устанавливает</source>
        <translation>The standard sets no smallest minor diameter d₃ of the bolt</translation>
    </message>
    <message>
        <source>Гайка (внутренняя резьба)</source>
        <translation>Nut (internal thread)</translation>
    </message>
    <message>
        <source>Болт (наружная резьба)</source>
        <translation>Bolt (external thread)</translation>
    </message>
    <message>
        <source>Зазор по среднему диаметру, мкм</source>
        <translation>Clearance on the pitch diameter, µm</translation>
    </message>
    <message>
        <source>Резьбы М%1×%2 в ряду ISO 261 нет; показан шаг %3</source>
        <translation>ISO 261 has no thread M%1×%2; pitch %3 shown</translation>
    </message>
</context>
<context>
    <name>ThreadToleranceTable</name>
    <message>
        <source>Предельные размеры резьб — гайка %1, болт %2 (мм)</source>
        <translation>Limits of size of threads — nut %1, bolt %2 (mm)</translation>
    </message>
    <message>
        <source>Ctrl+C — копировать строки, Ctrl+P — печать, Ctrl+S — PDF; прочерк — поле допуска для резьбы не установлено</source>
        <translation>Ctrl+C — copy rows, Ctrl+P — print, Ctrl+S — PDF; a dash — no such tolerance class for the thread</translation>
    </message>
</context>
<context>
    <name>ThreadToleranceTableModel</name>
    <message>
        <source>Резьба</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Гайка %1: </source>
        <translation>Nut %1: </translation>
    </message>
    <message>
        <source>Болт %1: </source>
        <translation>Bolt %1: </translation>
    </message>
</context>
<context>
    <name>TolerancePage</name>
    <message>
        <source>Формула  скопирована </source>
        <translation>Formula copied </translation>
    </message>
    <message>
        <source>Верхнее значение допуска</source>
        <translation>Upper deviation</translation>
    </message>
    <message>
        <source>Верхнее значение допуска. (Двойной щелчек для быстрой вставки)</source>
        <translation>Upper deviation. (Double-click for quick insert)</translation>
    </message>
    <message>
        <source>Нижнее значение допуска</source>
        <translation>Lower deviation</translation>
    </message>
    <message>
        <source>Нижнее значение допуска. (Двойной щелчек для быстрой вставки) </source>
        <translation>Lower deviation. (Double-click for quick insert) </translation>
    </message>
    <message>
        <source>Просто введите сюда число</source>
        <translation>Just type a number here</translation>
    </message>
    <message>
        <source>Щелчек для сброса фильтра</source>
        <translation>Click to reset the filter</translation>
    </message>
    <message>
        <source>Двойной щелчек - скопировать формулу в буфер обмена</source>
        <translation>Double-click: copy the formula to the clipboard</translation>
    </message>
    <message>
        <source>Квалитет</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Щелчек для изменения поля допуска</source>
        <translation>Click to change the tolerance class</translation>
    </message>
    <message>
        <source>Выбирете квалитет</source>
        <translation>Choose a grade</translation>
    </message>
    <message>
        <source>ФИЛЬТР</source>
        <translation>FILTER</translation>
    </message>
    <message>
        <source>ТИП</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>Буква</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Допуск в мкм.</source>
        <translation>Tolerance in µm</translation>
    </message>
    <message>
        <source>Точность</source>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>Как есть</source>
        <translation>As is</translation>
    </message>
    <message>
        <source>2 цифры</source>
        <translation>2 digits</translation>
    </message>
    <message>
        <source>3 цифры</source>
        <translation>3 digits</translation>
    </message>
    <message>
        <source>Числовое значение [мм]</source>
        <translation>Nominal size [mm]</translation>
    </message>
    <message>
        <source>Средний допуск</source>
        <translation>Mid-tolerance</translation>
    </message>
    <message>
        <source>Радиус</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Максимум</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Двойной щелчек для изменения поля допуска</source>
        <translation>Double-click to change the tolerance class</translation>
    </message>
    <message>
        <source>Среднее значение</source>
        <translation>Mean value</translation>
    </message>
    <message>
        <source>Радиус (Среднее значение /2)</source>
        <translation>Radius (mean value / 2)</translation>
    </message>
    <message>
        <source>Отобразить виртуальную клавиатуру</source>
        <translation>Show the on-screen keypad</translation>
    </message>
    <message>
        <source>Минимум</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Ввести допуск вручную</source>
        <translation>Tolerance by hand</translation>
    </message>
    <message>
        <source>Поля ISO с этими отклонениями при этом размере, или ближайшие к ним</source>
        <translation>ISO tolerance classes with these deviations at this size, or the nearest ones</translation>
    </message>
</context>
</TS>
